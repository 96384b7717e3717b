// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A stand-in for the desktop portal's global shortcuts on a private session
// bus: it answers CreateSession and BindShortcuts as the portal does (through
// Request objects' Response signals), writes each call as a line of the log
// named on the command line, and emits Activated for the bound shortcut when
// a test calls its Activate method (interface k98.test.StandIn). With
// --decline it answers CreateSession as a user who said no.

#include <QCoreApplication>
#include <QDateTime>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QFile>
#include <QTimer>

#include <cstdio>

namespace {

const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

class StandIn : public QDBusVirtualObject {
public:
    StandIn(const QString& logPath, bool decline) : mLog(logPath), mDecline(decline)
    {
        mLog.open(QIODevice::WriteOnly | QIODevice::Append);
    }

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        const QString member = message.member();
        if (message.interface() == kInterface && member == QLatin1String("CreateSession"))
            return createSession(message, connection);
        if (message.interface() == kInterface && member == QLatin1String("BindShortcuts"))
            return bindShortcuts(message, connection);
        if (message.interface() == QLatin1String("k98.test.StandIn") && member == QLatin1String("Activate")) {
            connection.send(message.createReply());
            QDBusMessage signal = QDBusMessage::createSignal(kPath, kInterface, QStringLiteral("Activated"));
            signal << QVariant::fromValue(QDBusObjectPath(mSession)) << mShortcut
                   << qulonglong(QDateTime::currentMSecsSinceEpoch()) << QVariantMap();
            connection.send(signal);
            log(QStringLiteral("Activated %1 %2").arg(mSession, mShortcut));
            return true;
        }
        return false;
    }

private:
    static QString callerPart(const QDBusMessage& message)
    {
        QString sender = message.service().mid(1);
        return sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    }

    static QVariantMap optionsOf(const QVariant& argument)
    {
        QVariantMap options;
        argument.value<QDBusArgument>() >> options;
        return options;
    }

    // Replies with the Request object's path, then answers through it.
    bool answer(const QDBusMessage& message, const QDBusConnection& connection, const QVariantMap& options,
                uint response, const QVariantMap& results)
    {
        const QString request = kPath + QStringLiteral("/request/") + callerPart(message) + QLatin1Char('/') +
            options.value(QStringLiteral("handle_token")).toString();
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        QDBusMessage signal = QDBusMessage::createSignal(request, QStringLiteral("org.freedesktop.portal.Request"),
                                                         QStringLiteral("Response"));
        signal << response << results;
        connection.send(signal);
        return true;
    }

    bool createSession(const QDBusMessage& message, const QDBusConnection& connection)
    {
        const QVariantMap options = optionsOf(message.arguments().value(0));
        mSession = kPath + QStringLiteral("/session/") + callerPart(message) + QLatin1Char('/') +
            options.value(QStringLiteral("session_handle_token")).toString();
        log(QStringLiteral("CreateSession handle_token=%1 session=%2")
                .arg(options.value(QStringLiteral("handle_token")).toString(), mSession));
        if (mDecline)
            return answer(message, connection, options, 1, {});
        return answer(message, connection, options, 0, {{QStringLiteral("session_handle"), mSession}});
    }

    bool bindShortcuts(const QDBusMessage& message, const QDBusConnection& connection)
    {
        const QList<QVariant> arguments = message.arguments();
        const QString session = arguments.value(0).value<QDBusObjectPath>().path();
        const auto shortcuts = arguments.value(1).value<QDBusArgument>();
        QStringList described;
        shortcuts.beginArray();
        while (!shortcuts.atEnd()) {
            QString id;
            QVariantMap properties;
            shortcuts.beginStructure();
            shortcuts >> id >> properties;
            shortcuts.endStructure();
            mShortcut = id;
            described << QStringLiteral("id=%1 description=%2 preferred_trigger=%3")
                             .arg(id, properties.value(QStringLiteral("description")).toString(),
                                  properties.value(QStringLiteral("preferred_trigger")).toString());
        }
        shortcuts.endArray();
        log(QStringLiteral("BindShortcuts session=%1 parent=\"%2\" %3")
                .arg(session, arguments.value(2).toString(), described.join(QLatin1Char(' '))));
        return answer(message, connection, optionsOf(arguments.value(3)), 0, {});
    }

    void log(const QString& line)
    {
        mLog.write(line.toUtf8() + '\n');
        mLog.flush();
    }

    QFile mLog;
    bool mDecline = false;
    QString mSession;
    QString mShortcut;
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const bool decline = argc == 3 && QByteArray(argv[2]) == "--decline";
    if (argc != 2 && !decline) {
        std::fputs("usage: portal_standin LOG [--decline]\n", stderr);
        return 2;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    StandIn standIn(QString::fromLocal8Bit(argv[1]), decline);
    if (!bus.registerVirtualObject(kPath, &standIn) ||
        !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"))) {
        std::fputs("portal_standin: cannot take the portal's name\n", stderr);
        return 1;
    }
    return app.exec();
}
