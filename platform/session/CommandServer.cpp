// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/session/CommandServer.h"

#include "platform/session/CommandSocket.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <sys/socket.h>
#include <unistd.h>

namespace platform {

namespace {

// The longest word and its newline; a peer that sends more is cut off.
constexpr qsizetype kLongestLine = 8;
// A peer that connects and says nothing is not kept waiting for.
constexpr int kSilenceMs = 2000;

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
    mServer = new QLocalServer(this);
    mServer->setSocketOptions(QLocalServer::UserAccessOption);
    connect(mServer, &QLocalServer::newConnection, this, &CommandServer::accept);
    // A socket already there was left by a bar that was killed: the caller
    // holds the lock, so no other bar of this user runs.
    QLocalServer::removeServer(path);
    if (mServer->listen(path))
        return true;
    close();
    return false;
}

void CommandServer::close()
{
    if (!mServer)
        return;
    mServer->close();
    delete mServer;
    mServer = nullptr;
}

void CommandServer::accept()
{
    while (QLocalSocket* socket = mServer->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!peerIsSameUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        QTimer::singleShot(kSilenceMs, socket, [socket] { socket->abort(); });
        read(socket);
    }
}

void CommandServer::read(QLocalSocket* socket)
{
    const QByteArray received = socket->peek(kLongestLine);
    const qsizetype newline = received.indexOf('\n');
    if (newline < 0 && received.size() < kLongestLine)
        return;
    socket->abort();
    const QByteArray word = received.left(newline);
    if (newline >= 0 && isBarCommand(word) && OnCommand)
        OnCommand(word);
}

}  // namespace platform
