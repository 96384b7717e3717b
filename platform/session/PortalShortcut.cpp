// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/session/PortalShortcut.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCall>

#include <unistd.h>

namespace platform {

// One entry of BindShortcuts' a(sa{sv}).
struct PortalShortcutEntry {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcutEntry& entry)
{
    argument.beginStructure();
    argument << entry.id << entry.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcutEntry& entry)
{
    argument.beginStructure();
    argument >> entry.id >> entry.properties;
    argument.endStructure();
    return argument;
}

}  // namespace platform

Q_DECLARE_METATYPE(platform::PortalShortcutEntry)

namespace platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kShortcutId = QStringLiteral("show");

// The session handle comes as a string in the answer, or from some portals
// as an object path.
QString sessionHandleOf(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

}  // namespace

PortalShortcut::PortalShortcut(QObject* parent) : QObject(parent) {}

void PortalShortcut::bind(const QString& description, const QString& trigger)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    mDescription = description;
    mTrigger = trigger;
    const QString token = QStringLiteral("kestrel98_%1").arg(::getpid());
    request(QStringLiteral("CreateSession"), {}, {{QStringLiteral("session_handle_token"), token}},
            SLOT(sessionCreated(uint, QVariantMap)));
}

void PortalShortcut::request(const QString& method, QVariantList arguments, QVariantMap options, const char* answerSlot)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString token = QStringLiteral("kestrel98_%1_%2").arg(::getpid()).arg(++mRequests);
    // The portal names the Request object after the caller and the token.
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString requestPath = kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    if (answerSlot)
        bus.connect(kService, requestPath, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"),
                    this, answerSlot);
    options.insert(QStringLiteral("handle_token"), token);
    arguments << options;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    call.setArguments(arguments);
    // The answer arrives as a signal; an error reply (no portal, no such
    // interface) simply never leads anywhere.
    bus.asyncCall(call);
}

void PortalShortcut::sessionCreated(uint response, const QVariantMap& results)
{
    if (response != 0 || !mSession.isEmpty())
        return;
    mSession = sessionHandleOf(results.value(QStringLiteral("session_handle")));
    if (mSession.isEmpty())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(kService, kPath, kInterface, QStringLiteral("Activated"), this,
                SLOT(activated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    qDBusRegisterMetaType<PortalShortcutEntry>();
    qDBusRegisterMetaType<QList<PortalShortcutEntry>>();
    const QList<PortalShortcutEntry> shortcuts{
        {kShortcutId,
         {{QStringLiteral("description"), mDescription}, {QStringLiteral("preferred_trigger"), mTrigger}}}};
    request(QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(mSession)), QVariant::fromValue(shortcuts), QString()}, {}, nullptr);
}

void PortalShortcut::activated(const QDBusObjectPath& session, const QString& shortcut, qulonglong, const QVariantMap&)
{
    if (session.path() == mSession && shortcut == kShortcutId && OnActivated)
        OnActivated();
}

}  // namespace platform
