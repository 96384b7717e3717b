// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/launch/ApplicationActivation.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QVariantMap>

namespace platform {

namespace {

// The bus's own limit for starting a service. An application that answers
// later than this is taken as failed and started again from its Exec line.
constexpr int kActivationTimeoutMs = 25000;

}  // namespace

QString applicationObjectPath(const QString& applicationId)
{
    QString path = QLatin1Char('/') + applicationId;
    path.replace(QLatin1Char('.'), QLatin1Char('/'));
    path.replace(QLatin1Char('-'), QLatin1Char('_'));
    return path;
}

bool activateApplication(const QString& applicationId, const QString& startupId, std::function<void()> failed)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (applicationId.isEmpty() || !bus.isConnected())
        return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(applicationId, applicationObjectPath(applicationId),
                                       QStringLiteral("org.freedesktop.Application"), QStringLiteral("Activate"));
    QVariantMap platformData;
    if (!startupId.isEmpty())
        platformData.insert(QStringLiteral("desktop-startup-id"), startupId);
    call << platformData;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kActivationTimeoutMs), qApp);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [failed = std::move(failed)](QDBusPendingCallWatcher* finished) {
                         if (finished->isError() && failed)
                             failed();
                         finished->deleteLater();
                     });
    return true;
}

}  // namespace platform
