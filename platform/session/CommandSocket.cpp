// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/session/CommandSocket.h"

#include "platform/files/TempFolder.h"
#include "platform/files/WholeWrite.h"

#include <QDeadlineTimer>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

namespace {

// How long a command waits for the bar to take it.
constexpr int AnswerMilliseconds = 2000;

bool allDigits(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

// "host:1.0" becomes "host:1"; anything else stays as it is.
void dropScreenNumber(QString& display)
{
    const qsizetype colon = display.lastIndexOf(QLatin1Char(':'));
    const qsizetype dot = display.lastIndexOf(QLatin1Char('.'));
    if (colon < 0 || dot < colon)
        return;
    const QStringView view(display);
    if (allDigits(view.sliced(colon + 1, dot - colon - 1)) && allDigits(view.sliced(dot + 1)))
        display.truncate(dot);
}

}  // namespace

// Screen numbers name no other display: ":1" and ":1.0" both give "1".
QString displayTag()
{
    QString tag = qEnvironmentVariable("DISPLAY");
    dropScreenNumber(tag);
    if (tag.startsWith(QLatin1Char(':')))
        tag.remove(0, 1);
    for (QChar& c : tag) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('.') && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    }
    return tag.isEmpty() ? QStringLiteral("none") : tag;
}

namespace {

// A peer that went away must not end the program with SIGPIPE.
bool sendWhole(int fd, const QByteArray& data)
{
    return writeWhole(data, [fd](const char* at, size_t count) { return ::send(fd, at, count, MSG_NOSIGNAL); });
}

// Connects to the bar listening at path and sends the word, never waiting:
// a bar that is stopped or hung and has its queue of connections full
// refuses at once (EAGAIN). The connected socket, or -1 with errno set.
int connectAndSend(const QString& path, const QByteArray& word)
{
    sockaddr_un address;
    if (!localSocketAddress(path, &address)) {
        errno = ENAMETOOLONG;
        return -1;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        !sendWhole(fd, word + '\n')) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

}  // namespace

bool localSocketAddress(const QString& path, sockaddr_un* address)
{
    const QByteArray name = path.toLocal8Bit();
    *address = sockaddr_un{};
    address->sun_family = AF_UNIX;
    if (name.isEmpty() || size_t(name.size()) >= sizeof(address->sun_path))
        return false;
    std::memcpy(address->sun_path, name.constData(), size_t(name.size()));
    return true;
}

bool isBarCommand(const QByteArray& word) { return word == "show" || word == "hide" || word == "toggle"; }

QString commandSocketPath() { return privateRuntimeFolder() + QStringLiteral("kestrel2-%1.socket").arg(displayTag()); }

bool sendBarCommand(const QString& path, const QByteArray& word)
{
    const int fd = connectAndSend(path, word);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

CommandAnswer commandBar(const QString& path, const QByteArray& word)
{
    const int fd = connectAndSend(path, word);
    if (fd < 0)
        return errno == EAGAIN ? CommandAnswer::None : CommandAnswer::NoBar;
    // The bar hangs up once it has read the word.
    pollfd ready{fd, POLLIN, 0};
    const QDeadlineTimer deadline(AnswerMilliseconds);
    int polled;
    do {
        polled = ::poll(&ready, 1, int(deadline.remainingTime()));
    } while (polled < 0 && errno == EINTR);
    ::close(fd);
    return polled > 0 ? CommandAnswer::Taken : CommandAnswer::None;
}

}  // namespace platform
