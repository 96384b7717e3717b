// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A global shortcut through the desktop portal
// (org.freedesktop.portal.GlobalShortcuts on the session bus): in a Wayland
// session the compositor, not an X grab, sees every key press. A portal
// that is missing, lacks the interface, or whose user declines the binding
// leaves the program as it was, without a word.

#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>

namespace platform {

class PortalShortcut : public QObject {
    Q_OBJECT
public:
    explicit PortalShortcut(QObject* parent = nullptr);

    // Creates a portal session and binds one shortcut in it. trigger is in
    // the portal's notation ("CTRL+ALT+a").
    void bind(const QString& description, const QString& trigger);

    // Raised each time the desktop reports the shortcut pressed.
    std::function<void()> OnActivated;

private slots:
    void sessionCreated(uint response, const QVariantMap& results);
    void activated(const QDBusObjectPath& session, const QString& shortcut, qulonglong timestamp,
                   const QVariantMap& options);

private:
    // Calls a portal method that answers through a Request object, listening
    // for that answer first so that it cannot be missed.
    void request(const QString& method, QVariantList arguments, QVariantMap options, const char* answerSlot);

    QString mDescription;
    QString mTrigger;
    QString mSession;
    int mRequests = 0;
};

}  // namespace platform
