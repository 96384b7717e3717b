// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/session/CommandServer.h"

#include "platform/session/CommandSocket.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

namespace {

// The longest word and its newline; a peer that sends more is cut off.
constexpr qsizetype kLongestLine = 8;
// What one read takes in. Bytes past the longest line are read and dropped,
// so a peer cut off for a long line sees the end of the connection rather
// than a reset for what it sent.
constexpr size_t kReadBytes = 512;
// A peer that connects and says nothing is not kept waiting for.
constexpr int kSilenceMs = 2000;
// Peers connected but not yet accepted; a bar that is stopped or hung
// refuses further ones at once instead of keeping their senders waiting.
constexpr int kWaitingPeers = 50;
// With no descriptor left to accept into, the waiting peer stays queued and
// would wake the server again at once: it rests a moment first.
constexpr int kOutOfDescriptorsRestMs = 200;

// One accepted peer, until it has said its line or was cut off; it hangs
// up either way.
class Peer : public QObject {
public:
    Peer(int socket, QObject* parent, std::function<void(const QByteArray& line)> onLine)
        : QObject(parent), mSocket(socket), mReadable(socket, QSocketNotifier::Read, this), mOnLine(std::move(onLine))
    {
        connect(&mReadable, &QSocketNotifier::activated, this, &Peer::read);
        QTimer::singleShot(kSilenceMs, this, &Peer::hangUp);
    }
    ~Peer() override { closeSocket(); }

    void hangUp()
    {
        closeSocket();
        deleteLater();
    }

private:
    void read()
    {
        char bytes[kReadBytes];
        const ssize_t count = ::recv(mSocket, bytes, sizeof(bytes), 0);
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
            return;
        if (count > 0)
            mLine.append(bytes, std::min(qsizetype(count), kLongestLine - mLine.size()));
        const qsizetype newline = mLine.indexOf('\n');
        if (count > 0 && newline < 0 && mLine.size() < kLongestLine)
            return;
        hangUp();
        if (newline >= 0)
            mOnLine(mLine.left(newline));
    }

    // The notifier stops watching before the descriptor is given back.
    void closeSocket()
    {
        if (mSocket < 0)
            return;
        mReadable.setEnabled(false);
        ::close(mSocket);
        mSocket = -1;
    }

    int mSocket;
    QSocketNotifier mReadable;
    std::function<void(const QByteArray& line)> mOnLine;
    QByteArray mLine;
};

}  // namespace

bool peerIsSameUser(qintptr socketDescriptor)
{
    ucred credentials{};
    socklen_t length = sizeof(credentials);
    if (::getsockopt(int(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0)
        return false;
    return length == sizeof(credentials) && credentials.uid == ::getuid();
}

CommandServer::CommandServer(QObject* parent) : QObject(parent) {}

CommandServer::~CommandServer() { close(); }

bool CommandServer::listen(const QString& path)
{
    close();
    sockaddr_un address;
    if (!localSocketAddress(path, &address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    // A socket already there was left by a bar that was killed: the caller
    // holds the lock, so no other bar of this user runs.
    ::unlink(address.sun_path);
    // The file takes the socket's own mode (less the umask) when it is
    // made, so it is the user's alone from its first moment.
    if (::fchmod(fd, S_IRUSR | S_IWUSR) != 0 ||
        ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(fd);
        return false;
    }
    mSocket = fd;
    mPath = address.sun_path;
    if (::listen(fd, kWaitingPeers) != 0) {
        close();
        return false;
    }
    mIncoming = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(mIncoming, &QSocketNotifier::activated, this, &CommandServer::accept);
    return true;
}

void CommandServer::close()
{
    for (QObject* peer : mPeers.children())
        static_cast<Peer*>(peer)->hangUp();
    if (mSocket < 0)
        return;
    delete mIncoming;
    mIncoming = nullptr;
    ::close(mSocket);
    mSocket = -1;
    ::unlink(mPath.constData());
    mPath.clear();
}

void CommandServer::accept()
{
    for (;;) {
        const int peer = ::accept4(mSocket, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (peer < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
                mIncoming->setEnabled(false);
                QTimer::singleShot(kOutOfDescriptorsRestMs, mIncoming, [this] { mIncoming->setEnabled(true); });
            }
            return;
        }
        if (!peerIsSameUser(peer)) {
            ::close(peer);
            continue;
        }
        new Peer(peer, &mPeers, [this](const QByteArray& word) {
            if (isBarCommand(word) && OnCommand)
                OnCommand(word);
        });
    }
}

}  // namespace platform
