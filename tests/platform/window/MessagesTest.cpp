// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Window messages reaching a watched window: the hotkey and dropped files,
// their drop handles, and the private folders the program writes into.

#include "platform/files/TempFolder.h"
#include "platform/window/Antenna.h"
#include "platform/window/DropFiles.h"
#include "platform/window/WindowMessage.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace platform;

namespace {

struct Trap {
    int message;
    qintptr wParam;
};

class AntennaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        antenna.OnTrap = [this](qintptr hWnd, int nMsg, qintptr wParam, qintptr) {
            EXPECT_EQ(Antenna::windowOf(hWnd), &window);
            traps.append({nMsg, wParam});
        };
        antenna.dispatch(2, Antenna::handleOf(&window));
    }
    // Qt hands a window the drops of a real drag only (the end-to-end tests
    // drag for real); here the drop goes to the antenna as the window's filter.
    void deliver(QDropEvent& drop) { static_cast<QObject&>(antenna).eventFilter(&window, &drop); }

    QWidget window;
    Antenna antenna;
    QList<Trap> traps;
};

TEST_F(AntennaTest, EachTrappedMessageIsRaisedOnceAndOthersNever)
{
    antenna.dispatch(1, WM_HOTKEY);
    postWindowMessage(&window, WM_HOTKEY, 123, 0);
    postWindowMessage(&window, WM_DROPFILES, 5, 0);
    postWindowMessage(&window, WM_HOTKEY, 7, 0);
    QApplication::processEvents();
    ASSERT_EQ(traps.size(), 2);
    EXPECT_EQ(traps[0].message, WM_HOTKEY);
    EXPECT_EQ(traps[0].wParam, 123);
    EXPECT_EQ(traps[1].wParam, 7);
}

TEST_F(AntennaTest, DroppedFilesArriveAsOneMessageWithAHandle)
{
    antenna.dispatch(1, WM_DROPFILES);
    DragAcceptFiles(&window, true);
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(QStringLiteral("/etc/hostname")), QUrl(QStringLiteral("https://example.org/")),
                   QUrl::fromLocalFile(QStringLiteral("/tmp/a b.txt"))});
    QDropEvent drop(QPointF(12, 7), Qt::CopyAction, data, Qt::LeftButton, {});
    deliver(drop);
    EXPECT_TRUE(drop.isAccepted());
    QApplication::processEvents();
    ASSERT_EQ(traps.size(), 1);
    const HDROP handle = traps[0].wParam;
    EXPECT_EQ(DragQueryFile(handle, -1, nullptr), 2);
    QString path;
    EXPECT_EQ(DragQueryFile(handle, 1, &path), 12);
    EXPECT_EQ(path, QStringLiteral("/tmp/a b.txt"));
    EXPECT_EQ(DragQueryPoint(handle), QPoint(12, 7));
    DragFinish(handle);
    EXPECT_EQ(DragQueryFile(handle, -1, nullptr), 0);
    delete data;
}

TEST_F(AntennaTest, AWindowThatTakesNoFilesIgnoresDrops)
{
    antenna.dispatch(1, WM_DROPFILES);
    DragAcceptFiles(&window, false);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/etc/hostname"))});
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &data, Qt::LeftButton, {});
    deliver(drop);
    QApplication::processEvents();
    EXPECT_TRUE(traps.isEmpty());
}

TEST(DropHandles, QueriesOutOfRangeAnswerNothing)
{
    const HDROP drop = makeDrop({QStringLiteral("/a")}, QPoint(3, 4));
    QString path = QStringLiteral("unchanged");
    EXPECT_EQ(DragQueryFile(drop, 1, &path), 0);
    EXPECT_EQ(DragQueryFile(drop, -2, &path), 0);
    EXPECT_EQ(path, QStringLiteral("unchanged"));
    DragFinish(drop);
    DragFinish(drop);
    EXPECT_EQ(DragQueryPoint(drop), QPoint());
}

TEST(DropHandles, UriListsKeepLocalFilesInOrder)
{
    const QByteArray list = "# comment\r\nfile:///home/u/one.txt\r\nhttp://example.org/x\r\n"
                            "file:///home/u/two%20words.txt\r\n\r\nnot a url\r\n";
    EXPECT_EQ(localFilesOfUriList(list),
              (QStringList{QStringLiteral("/home/u/one.txt"), QStringLiteral("/home/u/two words.txt")}));
    EXPECT_TRUE(localFilesOfUriList(QByteArray()).isEmpty());
}

TEST(PrivateFolders, OnlyTheUserCanEnterThem)
{
    const QString folder = privateTempFolder();
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_TRUE(folder.endsWith(QLatin1Char('/')));
    struct stat info {};
    ASSERT_EQ(::stat(folder.toLocal8Bit().constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    // A folder someone widened is narrowed again.
    ::chmod(folder.toLocal8Bit().constData(), 0755);
    EXPECT_EQ(privateTempFolder(), folder);
    ASSERT_EQ(::stat(folder.toLocal8Bit().constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST(PrivateFolders, WritesDoNotFollowPlantedLinks)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target"));
    const QString link = dir.filePath(QStringLiteral("link"));
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("original");
    file.close();
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_FALSE(writePrivateFile(link, "planted"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("original"));
    EXPECT_TRUE(writePrivateFile(dir.filePath(QStringLiteral("fresh")), "new"));
}

}  // namespace
