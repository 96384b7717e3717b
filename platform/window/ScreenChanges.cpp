// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/window/ScreenChanges.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <memory>

namespace platform {

void watchScreenChanges(QObject* context, std::function<void()> changed)
{
    // A new monitor layout arrives as several signals; one layout pass follows.
    auto* settle = new QTimer(context);
    settle->setSingleShot(true);
    settle->setInterval(0);
    QObject::connect(settle, &QTimer::timeout, context, std::move(changed));

    auto resized = std::make_shared<QMetaObject::Connection>();
    auto follow = [settle, resized](QScreen* primary) {
        QObject::disconnect(*resized);
        if (primary)
            *resized = QObject::connect(primary, &QScreen::geometryChanged, settle, qOverload<>(&QTimer::start));
    };
    follow(QGuiApplication::primaryScreen());
    QObject::connect(qGuiApp, &QGuiApplication::primaryScreenChanged, settle, [follow, settle](QScreen* primary) {
        follow(primary);
        settle->start();
    });
}

}  // namespace platform
