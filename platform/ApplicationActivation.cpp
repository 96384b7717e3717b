#include "platform/ApplicationActivation.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

namespace platform {

namespace {

// Long enough for the bus to start the service; the bar waits meanwhile.
constexpr int kActivationTimeoutMs = 8000;

}  // namespace

QString applicationObjectPath(const QString& applicationId)
{
    QString path = QLatin1Char('/') + applicationId;
    path.replace(QLatin1Char('.'), QLatin1Char('/'));
    path.replace(QLatin1Char('-'), QLatin1Char('_'));
    return path;
}

bool activateApplication(const QString& applicationId, const QString& startupId)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (applicationId.isEmpty() || !bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(applicationId, applicationObjectPath(applicationId),
                                                       QStringLiteral("org.freedesktop.Application"),
                                                       QStringLiteral("Activate"));
    QVariantMap platformData;
    if (!startupId.isEmpty())
        platformData.insert(QStringLiteral("desktop-startup-id"), startupId);
    call << platformData;
    const QDBusMessage reply = bus.call(call, QDBus::Block, kActivationTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}

}  // namespace platform
