// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bar started from settings files that are damaged, unwritable or full
// of absurd values: it starts, stays within its capacity and loses nothing.

#include "tests/bar/BarFixture.h"

#include "core/mMain.h"
#include "runtime/OleColor.h"
#include "runtime/Twips.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

class BadSettings : public BarFixture {
protected:
    void SetUp() override
    {
        // A test may have left a file where the settings folder belongs.
        const QString folder = QFileInfo(settingsPath()).path();
        if (QFileInfo(folder).isFile())
            QFile::remove(folder);
        QDir().mkpath(folder);
        BarFixture::SetUp();
        rt::FlushSettings();
    }

    static QString settingsPath() { return rt::SettingsFilePath(mMain::AppName); }

    // Puts the given text in place of the settings file, then has the store
    // write once (the program folder, as the program does at start), which
    // also makes the store read the file again.
    void writeByHand(const QByteArray& text)
    {
        QFile file(settingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        save(QStringLiteral("App"), QStringLiteral("Path"), programFolder());
        save(QStringLiteral("App"), QStringLiteral("FirstTimeEx"), QStringLiteral("no"));
        rt::FlushSettings();
    }

    static QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    static QStringList numberedItems(int count, const QString& text = QStringLiteral("Item "))
    {
        QStringList items;
        for (int i = 0; i < count; ++i)
            items << QStringLiteral("/bin/sh|") + text + QString::number(i);
        return items;
    }

    int messagesWithText(const QString& part) const
    {
        int n = 0;
        for (const auto& call : fake.messageBoxes)
            n += call.prompt.contains(part) ? 1 : 0;
        return n;
    }
};

TEST_F(BadSettings, AnUnparsableFileIsKeptBesideAndTheBarStartsWithDefaults)
{
    static const char bytes[] = "\x7f"
                                "ELF\x02\x01\x01\x00 not settings at all\n\xff\xfe\x00\x01[[[\n";
    const QByteArray garbage(bytes, sizeof bytes - 1);
    writeByHand(garbage + "=\n[Items\n0\n");
    EXPECT_EQ(contents(settingsPath() + QStringLiteral(".bad")), garbage + "=\n[Items\n0\n");
    frmMain& b = load();
    EXPECT_FALSE(b.Ended());
    EXPECT_EQ(mMain::ItemCount, 2);
    EXPECT_EQ(mMain::Speed, 100);
    EXPECT_EQ(b.Top(), 0);
    EXPECT_TRUE(fake.messageBoxes.isEmpty());
    ASSERT_TRUE(b.Unload());
    // The copy is the user's text as it was; the file itself is readable again.
    EXPECT_EQ(contents(settingsPath() + QStringLiteral(".bad")), garbage + "=\n[Items\n0\n");
    EXPECT_EQ(stored(QStringLiteral("App"), QStringLiteral("FirstTimeEx")), QStringLiteral("no"));
}

TEST_F(BadSettings, AnUnwritableSettingsFolderLosesNothingAndEndsCleanly)
{
    // As root file modes do not stop writes: a regular file where the folder
    // should be does.
    const QString folder = QFileInfo(settingsPath()).path();
    ASSERT_TRUE(QDir(folder).removeRecursively());
    {
        QFile blocker(folder);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.write("someone else's file\n");
    }
    storeItems({QStringLiteral("/bin/sh|Shell"), QStringLiteral("sep"), QStringLiteral("/bin/true|True")});
    save(QStringLiteral("App"), QStringLiteral("Path"), programFolder());
    save(QStringLiteral("App"), QStringLiteral("FirstTimeEx"), QStringLiteral("no"));
    rt::FlushSettings();
    frmMain& b = load();
    EXPECT_FALSE(b.Ended());
    EXPECT_EQ(mMain::ItemCount, 5);
    EXPECT_EQ(tagOf(0), QStringLiteral("/bin/sh|Shell"));
    ASSERT_TRUE(b.Unload());
    bar.reset();
    EXPECT_EQ(contents(folder), QByteArray("someone else's file\n"));
    // What could not be written is still what the process knows.
    EXPECT_EQ(stored(QStringLiteral("Items"), QStringLiteral("0")), QStringLiteral("/bin/sh|Shell"));
    EXPECT_EQ(stored(QStringLiteral("Items"), QStringLiteral("1")), QStringLiteral("sep"));
    EXPECT_EQ(stored(QStringLiteral("Items"), QStringLiteral("2")), QStringLiteral("/bin/true|True"));
    EXPECT_EQ(stored(QStringLiteral("Items"), QStringLiteral("3")), QStringLiteral("<absent>"));
    EXPECT_TRUE(fake.messageBoxes.isEmpty());
}

TEST_F(BadSettings, AbsurdNumbersAndEmptySectionsStartTheBarOnTheScreen)
{
    writeByHand("[Setting]\n"
                "Top=-99999999999999999999\n"
                "Left=1e308\n"
                "Speed=-5\n"
                "MaskColor=1e23\n"
                "Color_mouseEnter=-1e300\n"
                "Color_mouseExit=nan\n"
                "[]\n"
                "[Empty]\n"
                "[Items]\n"
                "[AlsoEmpty]\n");
    frmMain& b = load();
    EXPECT_FALSE(b.Ended());
    EXPECT_EQ(mMain::Speed, 100);
    EXPECT_EQ(mMain::ItemCount, 2);
    // Colour numbers beyond 32 bits are no colours: the defaults stand.
    EXPECT_EQ(mMain::MaskColor, double(rt::qbColor(13)));
    EXPECT_EQ(b.ColorEnter(), -2147483628.0);
    EXPECT_GE(b.Top(), 0);
    EXPECT_LE(b.Top() + b.Height(), 768 * 15);
    EXPECT_TRUE(b.isVisible());
    ASSERT_TRUE(b.Unload());

    writeByHand("[Setting]\nTop=2147483648000\nSpeed=99999999999\nMaskColor=-16777216\n");
    frmMain& again = load();
    EXPECT_FALSE(again.Ended());
    EXPECT_EQ(mMain::Speed, 100);
    EXPECT_EQ(mMain::MaskColor, -16777216.0);
    EXPECT_GE(again.Top(), 0);
    EXPECT_LE(again.Top() + again.Height(), 768 * 15);
}

TEST_F(BadSettings, TenThousandItemsShowWhatFitsOnceAndAllStayStoredInOrder)
{
    const QStringList items = numberedItems(10000);
    storeItems(items);
    rt::FlushSettings();
    frmMain& b = load();
    EXPECT_FALSE(b.Ended());
    // The stored items fill every place but the three built-in buttons'.
    EXPECT_EQ(mMain::ItemCount, b.capacity());
    EXPECT_EQ(tagOf(0), items[0]);
    EXPECT_EQ(tagOf(mMain::ItemCount - 3), items[mMain::ItemCount - 3]);
    EXPECT_EQ(tagOf(mMain::ItemCount), QStringLiteral("help"));
    EXPECT_EQ(messagesWithText(QStringLiteral("no more space")), 1);
    EXPECT_EQ(fake.messageBoxes.size(), 1);
    ASSERT_TRUE(b.Unload());
    for (int i = 0; i < items.size(); ++i)
        ASSERT_EQ(stored(QStringLiteral("Items"), QString::number(i)), items[i]) << "item " << i;
    EXPECT_EQ(stored(QStringLiteral("Items"), QStringLiteral("10000")), QStringLiteral("<absent>"));
}

TEST_F(BadSettings, AThousandGroupsInTheStoreAndAMegabyteValueStartTheBar)
{
    for (int g = 0; g < 1000; ++g) {
        const QString section = QStringLiteral("groupG") + QString::number(g);
        save(section, QStringLiteral("0"), QStringLiteral("/bin/sh|In group ") + QString::number(g));
        save(section, QStringLiteral("1"), QStringLiteral("sep"));
    }
    const QString huge = QStringLiteral("/bin/sh|") + QString(1 << 20, QLatin1Char('x'));
    storeItems({QStringLiteral("group|G0|:"), huge, QStringLiteral("group|G999|:"), QStringLiteral("sep")});
    rt::FlushSettings();
    frmMain& b = load();
    EXPECT_FALSE(b.Ended());
    EXPECT_EQ(mMain::ItemCount, 6);
    EXPECT_EQ(tagOf(1), huge);
    EXPECT_TRUE(fake.messageBoxes.isEmpty());
    ASSERT_TRUE(b.Unload());
    EXPECT_EQ(stored(QStringLiteral("Items"), QStringLiteral("1")), huge);
    EXPECT_EQ(stored(QStringLiteral("Items"), QStringLiteral("2")), QStringLiteral("group|G999|:"));
    EXPECT_EQ(stored(QStringLiteral("groupG999"), QStringLiteral("0")), QStringLiteral("/bin/sh|In group 999"));
}

}  // namespace
