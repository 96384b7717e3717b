// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A shutdown asked for while a message is up, at start or in the middle of a
// re-layout: only what is known to be true reaches the file.

#include "BarFixture.h"

#include "runtime/forms/Interaction.h"

#include <QCoreApplication>
#include <QTemporaryDir>

namespace {

class ShutdownTest : public BarFixture {
protected:
    static QByteArray fileContents()
    {
        rt::FlushSettings();
        QFile file(rt::SettingsFilePath(mMain::AppName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The shutdown arrives while the first message with this text is up.
    void endDuringMessage(const QString& text)
    {
        fake.onMessageBox = [this, text](const QString& prompt) {
            if (prompt.startsWith(text) && bar && !bar->Ended())
                bar->EndOnRequest();
        };
    }

    QStringList storedItems()
    {
        QStringList items;
        for (int i = 0;; ++i) {
            const QString item = stored(QStringLiteral("Items"), QString::number(i));
            if (item == QLatin1String("<absent>") || item.isEmpty())
                return items;
            items << item;
        }
    }
};

const QString kNoSpace = QStringLiteral("Some items were not created");

TEST_F(ShutdownTest, DuringTheCapacityMessageAtStartNothingIsWritten)
{
    storeItems(QStringList(60, QStringLiteral("sep")));
    save(QStringLiteral("Setting"), QStringLiteral("Top"), QStringLiteral("4500"));
    const QByteArray before = fileContents();
    endDuringMessage(kNoSpace);
    load();
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_TRUE(bar->Ended());
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(fileContents(), before);
}

TEST_F(ShutdownTest, DuringTheMissingLibraryMessageNothingIsWritten)
{
    QTemporaryDir empty;
    save(QStringLiteral("App"), QStringLiteral("Path"), empty.path());
    if (QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/kestrel98.lib")))
        GTEST_SKIP() << "the test program's folder holds the icon library";
    const QByteArray before = fileContents();
    endDuringMessage(QStringLiteral("kestrel98.lib not found"));
    load();
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_TRUE(bar->Ended());
    EXPECT_EQ(fileContents(), before);
}

TEST_F(ShutdownTest, DuringTheCapacityMessageOfATurnEveryItemStaysStored)
{
    // Room for them across the screen, not down its side.
    QStringList items;
    for (int i = 0; i < 35; ++i)
        items << QStringLiteral("/bin|item %1").arg(i);
    storeItems(items);
    save(QStringLiteral("Setting"), QStringLiteral("Top"), QStringLiteral("3000"));
    load();
    ASSERT_TRUE(fake.messageBoxes.isEmpty());

    save(QStringLiteral("Setting"), QStringLiteral("Direction"), QStringLiteral("top"));
    endDuringMessage(kNoSpace);
    bar->RefreshSettings(true);
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_TRUE(bar->Ended());
    fileContents();
    EXPECT_EQ(storedItems(), items);
    // The turn stored the across-position it knew; the along-position of the
    // new layout was never computed and is not written.
    EXPECT_EQ(stored(QStringLiteral("Setting"), QStringLiteral("Top")), QStringLiteral("3000"));
    EXPECT_EQ(stored(QStringLiteral("Setting"), QStringLiteral("Left")), QStringLiteral("<absent>"));
}

TEST_F(ShutdownTest, WhileRunningThePositionAndItemsAreWrittenAndNothingAfter)
{
    storeItems({QStringLiteral("/bin|one"), QStringLiteral("sep")});
    save(QStringLiteral("Setting"), QStringLiteral("Top"), QStringLiteral("1500"));
    load();
    bar->EndOnRequest();
    EXPECT_TRUE(bar->Ended());
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(storedItems(), (QStringList{"/bin|one", "sep"}));
    const QByteArray after = fileContents();
    // Code that carries on after a modal window can no longer change the file.
    save(QStringLiteral("Items"), QStringLiteral("0"), QStringLiteral("/usr|late"));
    EXPECT_EQ(fileContents(), after);
}

}  // namespace
