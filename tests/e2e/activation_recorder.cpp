// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A stand-in for a D-Bus activatable application in the end-to-end tests:
// owns the bus name given as its first argument on the session bus and, for
// each call of org.freedesktop.Application.Activate, adds a line to the file
// given as its second argument: "Activate" and the startup id handed over.
// It answers the call after the milliseconds of an optional third argument,
// as an application slow to start does.

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QFile>
#include <QTimer>
#include <QVariantMap>

#include <cstdlib>

class ApplicationObject : public QDBusVirtualObject {
public:
    ApplicationObject(QString recordFile, int replyDelayMs)
        : mRecordFile(std::move(recordFile)), mReplyDelayMs(replyDelayMs)
    {
    }

    QString introspect(const QString&) const override
    {
        return QStringLiteral("<interface name=\"org.freedesktop.Application\">"
                              "<method name=\"Activate\"><arg type=\"a{sv}\" direction=\"in\"/></method>"
                              "</interface>");
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        if (message.interface() != QLatin1String("org.freedesktop.Application") ||
            message.member() != QLatin1String("Activate"))
            return false;
        // Maps arrive unconverted, as a D-Bus argument.
        const auto platformData = qdbus_cast<QVariantMap>(message.arguments().value(0));
        QFile record(mRecordFile);
        if (record.open(QIODevice::Append))
            record.write("Activate " + platformData.value(QStringLiteral("desktop-startup-id")).toString().toUtf8() +
                         '\n');
        QTimer::singleShot(mReplyDelayMs, [connection, reply = message.createReply()] { connection.send(reply); });
        return true;
    }

private:
    QString mRecordFile;
    int mReplyDelayMs;
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3 && argc != 4)
        return 2;
    const QString name = QString::fromUtf8(argv[1]);
    QString path = QLatin1Char('/') + name;
    path.replace(QLatin1Char('.'), QLatin1Char('/'));
    ApplicationObject object{QString::fromUtf8(argv[2]), argc == 4 ? atoi(argv[3]) : 0};
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerVirtualObject(path, &object) || !bus.registerService(name))
        return 1;
    return app.exec();
}
