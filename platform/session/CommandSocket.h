#pragma once
// The bar's command socket: a local socket in the private runtime folder, one
// per user and display, through which a key bound by the desktop asks the
// running bar to slide in or park. A command is one word and a newline.

#include <QByteArray>
#include <QString>

namespace platform {

// "show", "hide" and "toggle": the only words the bar obeys.
bool isBarCommand(const QByteArray& word);

// Where the bar of this user on this display ($DISPLAY) listens.
QString commandSocketPath();

// Hands a word to the bar listening at path; false when none listens there.
bool sendBarCommand(const QString& path, const QByteArray& word);

}  // namespace platform
