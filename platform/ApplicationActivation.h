#pragma once
// Starting a D-Bus activatable application the way the desktop does: its
// org.freedesktop.Application interface on the session bus.

#include <QString>

namespace platform {

// Calls Activate on the application's bus name and object path; false when
// there is no session bus or the call fails (the application is then started
// from its Exec line, when it has one).
bool activateApplication(const QString& applicationId, const QString& startupId);

// The object path of an application id: "org.example.App" gives
// "/org/example/App"; "-" becomes "_".
QString applicationObjectPath(const QString& applicationId);

}  // namespace platform
