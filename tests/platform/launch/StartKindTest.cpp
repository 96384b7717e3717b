// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/launch/StartKind.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using platform::StartKind;
using platform::startKindFor;

namespace {

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A copy of a real program with its ELF type (at byte 16) set as asked: 2 a
// fixed-address program, 3 a position-independent one or a library.
QByteArray elfOfType(char type)
{
    QByteArray program = contentsOf(QStringLiteral("/bin/true"));
    if (program.size() > 16)
        program[16] = type;
    return program;
}

const QByteArray kPng = QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200000001000000010806000000");

struct KindCase {
    const char* name;
    QByteArray contents;
    bool executable;
    StartKind expected;
};

}  // namespace

TEST(StartKind, DecidedByContentAndModeBit)
{
    const QByteArray library = contentsOf(QStringLiteral("/lib/x86_64-linux-gnu/libc.so.6"));
    ASSERT_FALSE(library.isEmpty());
    const KindCase cases[] = {
        {"fixed", elfOfType(2), true, StartKind::Run},
        {"pie", elfOfType(3), true, StartKind::Run},
        {"pie-without-bit", elfOfType(3), false, StartKind::Open},
        {"libc.so.6", library, true, StartKind::Run},
        {"libc-copy.so.6", library, false, StartKind::Open},
        {"script", "#!/bin/sh\necho hi\n", true, StartKind::Run},
        {"script-without-bit", "#!/bin/sh\necho hi\n", false, StartKind::Open},
        {"plain.sh", "echo hi\n", true, StartKind::RunWithShell},
        {"plain-without-bit.sh", "echo hi\n", false, StartKind::Open},
        {"notes.txt", "some notes\n", true, StartKind::Open},
        {"notes", "some notes\n", true, StartKind::Open},
        {"paper.pdf", "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n", true, StartKind::Open},
        {"photo.png", kPng, true, StartKind::Open},
        {"photo-named-as-program", kPng, true, StartKind::Open},
    };
    QTemporaryDir dir;
    for (const KindCase& c : cases) {
        const QString path = dir.filePath(QLatin1String(c.name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.contents);
        file.close();
        const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        ASSERT_TRUE(file.setPermissions(c.executable ? mode | QFileDevice::ExeOwner : mode));
        EXPECT_EQ(startKindFor(path), c.expected) << c.name;
    }
    EXPECT_EQ(startKindFor(dir.path()), StartKind::Open);
    EXPECT_EQ(startKindFor(dir.filePath(QStringLiteral("missing"))), StartKind::Nothing);
}
