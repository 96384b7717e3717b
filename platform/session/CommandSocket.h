// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The bar's command socket: a local socket in the private runtime folder, one
// per user and display, through which a key bound by the desktop asks the
// running bar to slide in or park. A command is one word and a newline.

#include <QByteArray>
#include <QString>

struct sockaddr_un;

namespace platform {

// "show", "hide" and "toggle": the only words the bar obeys.
bool isBarCommand(const QByteArray& word);

// The display ($DISPLAY) as a part of a file name, the same for every
// spelling of it.
QString displayTag();

// Where the bar of this user on this display listens.
QString commandSocketPath();

// The socket address of path; false when the path does not fit in one.
bool localSocketAddress(const QString& path, sockaddr_un* address);

// Hands a word to the bar listening at path; false when none listens there.
bool sendBarCommand(const QString& path, const QByteArray& word);

// Hands a word to the bar listening at path and waits until the bar has
// taken it, 2 s at most: a bar that is stopped or hung gives no answer.
enum class CommandAnswer { Taken, NoBar, None };
CommandAnswer commandBar(const QString& path, const QByteArray& word);

}  // namespace platform
