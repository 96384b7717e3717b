// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shared/ShellEx.h"

#include "runtime/controls/PictureBox.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using shared::FileExists;
using shared::GetParentFolder;

TEST(ShellEx, GetParentFolderKeepsTheRootAsItsOwnFolder)
{
    EXPECT_EQ(GetParentFolder("/a.wav"), "/");
    EXPECT_EQ(GetParentFolder("/snd/a.wav"), "/snd");
    EXPECT_EQ(GetParentFolder("/snd/more/a.wav"), "/snd/more");
    EXPECT_EQ(GetParentFolder("a.wav"), "");
    EXPECT_EQ(GetParentFolder(""), "");
}

TEST(ShellEx, FileExistsCountsPlainFoldersAsMissing)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("a.wav");
    QFile(file).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QDir(dir.path()).mkdir(".hidden"));

    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(dir.filePath("gone.wav")));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(dir.path()));
    EXPECT_TRUE(FileExists(dir.filePath(".hidden")));
}

TEST(ShellEx, IconLookUps)
{
    QTemporaryDir dir;
    EXPECT_TRUE(shared::GetFileIcon(dir.filePath("gone")).isNull());
    EXPECT_TRUE(shared::GetFileIcon("").isNull());
    EXPECT_FALSE(shared::GetFileIcon(dir.path()).isNull());
    for (int code : {1, 2, 3, 5, 6, 8, 9, 10})
        EXPECT_FALSE(shared::GetSpecialIcon(code).isNull()) << code;
}

TEST(ShellEx, DrawIconPaintsAt00AndANullIconNothing)
{
    rt::PictureBox box;
    box.Move(0, 0, 480, 480);
    box.Cls();
    const QImage blank = box.surface().copy();

    shared::DrawIcon(box, QIcon());
    EXPECT_EQ(box.surface(), blank);

    QPixmap red(32, 32);
    red.fill(Qt::red);
    shared::DrawIcon(box, QIcon(red));
    EXPECT_EQ(box.surface().pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(box.surface().pixelColor(31, 31), QColor(Qt::red));
}

}  // namespace
