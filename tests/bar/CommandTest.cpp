// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The commands a key bound by the desktop sends (kestrel2 --show, --hide,
// --toggle) reach the loaded bar through its socket.

#include "tests/bar/BarFixture.h"

#include "platform/session/CommandSocket.h"

#include <QTest>

namespace {

class Commands : public BarFixture {
protected:
    bool parked() const { return bar->Left() == 1024 * 15 - 135; }
    bool shown() const { return bar->Left() == 0; }
    static bool send(const char* word)
    {
        return platform::sendBarCommand(platform::commandSocketPath(), QByteArray(word));
    }
};

TEST_F(Commands, ShowHideAndToggleSlideTheBarInAndParkIt)
{
    frmMain& b = load();
    ASSERT_TRUE(parked());

    ASSERT_TRUE(send("show"));
    EXPECT_TRUE(QTest::qWaitFor([this] { return shown(); }, 5000));
    EXPECT_TRUE(b.Timer1.Enabled());
    ASSERT_TRUE(send("toggle"));
    EXPECT_TRUE(QTest::qWaitFor([this] { return parked(); }, 5000));
    ASSERT_TRUE(send("toggle"));
    EXPECT_TRUE(QTest::qWaitFor([this] { return shown(); }, 5000));
    ASSERT_TRUE(send("hide"));
    EXPECT_TRUE(QTest::qWaitFor([this] { return parked(); }, 5000));
    EXPECT_FALSE(b.Timer1.Enabled());
}

TEST_F(Commands, TheSocketGoesWithTheBar)
{
    load();
    ASSERT_TRUE(send("hide"));
    bar->Unload();
    EXPECT_FALSE(send("show"));
}

}  // namespace
