// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the About box tests share: a filled box, showing it through the
// scripted platform, activating it, and mouse events sent to one widget.

#include "aboutbox/CAboutBoxEx.h"
#include "aboutbox/frmAbout.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/WhileShown.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>

#include <functional>

class AboutBoxTest : public ::testing::Test {
protected:
    AboutBoxTest()
    {
        about->setCaption(QStringLiteral("About Kestrel 98"));
        about->setProgramName(QStringLiteral("Kestrel 98"));
        about->setProgramVersion(QStringLiteral("Version 2.1"));
        about->setWebsite(QStringLiteral("https://kestrel98.example/"));
        about->setEmail(QStringLiteral("help@kestrel98.example"));
        about->setComment(QStringLiteral("A launcher bar that hides at the edge of the screen."));
    }

    // Shows the box; `act` runs while Show holds it up, then it closes.
    void show(const std::function<void(glintbox::frmAbout&)>& act)
    {
        whileShown<glintbox::frmAbout>(fake, act, [this] { about->Show(); });
    }

    // The window system putting the form on the screen. The test platform
    // activates a window before it is on the screen, where X11 activates it
    // after; that early activation is let pass without the animation.
    static void putOnScreen(glintbox::frmAbout& form)
    {
        const QString tag = form.Tag;
        form.Tag.clear();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.Tag = tag;
    }

    // The window system making the form the active window.
    static void activate(QWidget& form)
    {
        QEvent activation(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&form, &activation);
    }

    FakePlatform fake;
    rt::ComPtr<glintbox::CAboutBoxEx> about{new glintbox::CAboutBoxEx};
};

inline void sendMouse(QWidget& widget, QEvent::Type type, Qt::MouseButton button)
{
    const QPointF at(2, 2);
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? button : Qt::NoButton;
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

inline void hover(QWidget& widget) { sendMouse(widget, QEvent::MouseMove, Qt::NoButton); }

inline void click(QWidget& widget)
{
    sendMouse(widget, QEvent::MouseButtonPress, Qt::LeftButton);
    sendMouse(widget, QEvent::MouseButtonRelease, Qt::LeftButton);
}
