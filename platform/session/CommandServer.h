// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The listening end of the command socket (see CommandSocket.h). It obeys
// only the bar's words, and only from a process of the same user: the
// folder is private already, the peer's credentials are checked as well.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class QSocketNotifier;

namespace platform {

class CommandServer : public QObject {
    Q_OBJECT
public:
    explicit CommandServer(QObject* parent = nullptr);
    ~CommandServer() override;

    // Listens at path, replacing a socket a killed bar left behind (only the
    // holder of the single-instance lock calls this). The socket file is
    // the user's alone. False when it cannot.
    bool listen(const QString& path);
    // Stops listening, hangs up on the peers and removes the socket file.
    void close();

    // Raised with "show", "hide" or "toggle".
    std::function<void(const QByteArray& word)> OnCommand;

private:
    void accept();

    int mSocket = -1;
    QByteArray mPath;
    QSocketNotifier* mIncoming = nullptr;
    // Parent of the peers not yet answered.
    QObject mPeers;
};

// True when the process at the other end of a connected local socket runs
// as the same user as this one.
bool peerIsSameUser(qintptr socketDescriptor);

}  // namespace platform
