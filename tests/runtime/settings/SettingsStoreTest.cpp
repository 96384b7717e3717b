// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings store against real files. What another process reads is checked
// through settings_probe, since QSettings keeps what it has read in memory.

#include "runtime/settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

// Readable failure messages.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

const QString kAbsent = QStringLiteral("<absent>");

QByteArray field(const QString& text) { return text.toUtf8().toBase64(); }

QByteArray getCommand(const QString& section, const QString& key)
{
    return "get " + field(section) + ' ' + field(key) + ' ' + field(kAbsent);
}

class SettingsStoreTest : public ::testing::Test {
protected:
    // Each test has an application of its own, so no two share a file.
    const QString app = QString::fromUtf8(::testing::UnitTest::GetInstance()->current_test_info()->name());
    const QString path = rt::SettingsFilePath(app);

    // Runs the commands in another process, which inherits this one's private
    // XDG_CONFIG_HOME, and returns the values it got.
    QStringList runElsewhere(const QList<QByteArray>& commands)
    {
        QProcess probe;
        probe.start(QCoreApplication::applicationDirPath() + "/settings_probe", {app});
        probe.write(commands.join('\n') + '\n');
        probe.closeWriteChannel();
        const bool finished = probe.waitForFinished(-1);
        EXPECT_TRUE(finished && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0)
            << probe.errorString().toStdString();
        QList<QByteArray> lines = probe.readAllStandardOutput().split('\n');
        lines.removeLast();  // after the last newline
        QStringList values;
        for (const QByteArray& line : lines)
            values << QString::fromUtf8(QByteArray::fromBase64(line));
        return values;
    }

    QString readElsewhere(const QString& section, const QString& key)
    {
        return runElsewhere({getCommand(section, key)}).value(0);
    }

    static QByteArray contents(const QString& filePath)
    {
        QFile file(filePath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void writeByHand(const QString& filePath, const QByteArray& text)
    {
        QDir().mkpath(QFileInfo(filePath).path());
        QFile file(filePath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
};

TEST_F(SettingsStoreTest, EverySectionNameRoundTripsAsItsOwnSection)
{
    const QStringList sections = {
        "Items",    "groupTools", "group My Tools",
        "a/b",      "a//b",       "/a",
        "a/",       "a\\b",       "100%",
        "%2F",      "%",          "",
        " spaced ", "a=b",        "[x]",
        "Grüße",    "😀",          "general",
        "General",  "GENERAL",    "tools",
        "Tools",    "@x",
    };
    for (int i = 0; i < sections.size(); ++i)
        rt::SaveSetting(app, sections[i], "0", QString::number(i));
    rt::FlushSettings();

    QList<QByteArray> commands;
    for (const QString& section : sections)
        commands << getCommand(section, "0");
    const QStringList elsewhere = runElsewhere(commands);
    ASSERT_EQ(elsewhere.size(), sections.size());
    for (int i = 0; i < sections.size(); ++i) {
        EXPECT_EQ(elsewhere[i], QString::number(i)) << "section " << sections[i].toStdString();
        EXPECT_EQ(rt::GetSetting(app, sections[i], "0"), QString::number(i));
    }
}

TEST_F(SettingsStoreTest, EveryValueAndKeyRoundTripsExactly)
{
    const QStringList values = {
        "",
        " lead",
        "trail ",
        "  both  ",
        "a|b|:c",
        R"(C:\path\to\)",
        "@leading at",
        "@@",
        "@Invalid()",
        "a,b",
        "a, b",
        "x;y",
        "#x",
        "=",
        "\"quoted\"",
        "line\nbreak\ttab\r",
        QString(QChar(0)) + "nul",
        "äöü € 😀",
    };
    const QStringList keys = {"a/b", "General", "", "%", "k=v", " k ", "[k]", "ключ"};
    QList<QByteArray> commands;
    QStringList expected;
    for (int i = 0; i < values.size(); ++i) {
        rt::SaveSetting(app, "Values", QString::number(i), values[i]);
        commands << getCommand("Values", QString::number(i));
        expected << values[i];
    }
    for (const QString& key : keys) {
        rt::SaveSetting(app, "Keys", key, "key " + key);
        commands << getCommand("Keys", key);
        expected << "key " + key;
    }
    rt::FlushSettings();

    EXPECT_EQ(runElsewhere(commands), expected);
}

TEST_F(SettingsStoreTest, AValueOfAMegabyteRoundTrips)
{
    const QString value = QString("x|:\\ @äé\n").repeated(1024 * 1024 / 10);
    rt::SaveSetting(app, "Big", "0", value);
    rt::FlushSettings();

    EXPECT_TRUE(readElsewhere("Big", "0") == value);
}

TEST_F(SettingsStoreTest, PlainNamesStayReadableInTheFile)
{
    rt::SaveSetting(app, "Setting", "Speed", "100");
    rt::SaveSetting(app, "groupTools", "Left", "1500");
    rt::FlushSettings();

    const QByteArray text = contents(path);
    EXPECT_TRUE(text.contains("[Setting]\nSpeed=100\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("[groupTools]\nLeft=1500\n")) << text.toStdString();
}

TEST_F(SettingsStoreTest, ReadsSeeThisProcessesChangesBeforeTheyAreWritten)
{
    EXPECT_EQ(rt::GetSetting(app, "Setting", "Speed", "100"), "100");
    EXPECT_EQ(rt::GetSetting(app, "Setting", "Speed"), "");

    rt::SaveSetting(app, "Setting", "Speed", "");
    EXPECT_EQ(rt::GetSetting(app, "Setting", "Speed", "100"), "");
    rt::SaveSetting(app, "Setting", "Speed", "30000");
    EXPECT_EQ(rt::GetSetting(app, "Setting", "Speed", "100"), "30000");
    rt::DeleteSetting(app, "Setting", "Speed");
    EXPECT_EQ(rt::GetSetting(app, "Setting", "Speed", "100"), "100");
    rt::SaveSetting(app, "Setting", "Sound", "a.wav");
    rt::DeleteSetting(app, "Setting");
    EXPECT_EQ(rt::GetSetting(app, "Setting", "Sound", "none"), "none");
    rt::SaveSetting(app, "Setting", "Sound", "b.wav");
    EXPECT_EQ(rt::GetSetting(app, "Setting", "Sound"), "b.wav");
    rt::FlushSettings();
}

TEST_F(SettingsStoreTest, DeletesRemoveOneKeyOrOneSectionOnly)
{
    rt::SaveSetting(app, "S", "a", "1");
    rt::SaveSetting(app, "S", "b", "2");
    rt::SaveSetting(app, "S/x", "a", "3");
    rt::SaveSetting(app, "T", "a", "4");
    rt::FlushSettings();

    rt::DeleteSetting(app, "S", "a");
    rt::DeleteSetting(app, "S", "absent");
    rt::DeleteSetting(app, "Absent");
    rt::FlushSettings();
    EXPECT_EQ(runElsewhere({getCommand("S", "a"), getCommand("S", "b")}), QStringList({kAbsent, "2"}));

    rt::DeleteSetting(app, "S");
    rt::FlushSettings();
    EXPECT_EQ(rt::GetSetting(app, "S", "b", kAbsent), kAbsent);
    EXPECT_EQ(runElsewhere({getCommand("S", "b"), getCommand("S/x", "a"), getCommand("T", "a")}),
              QStringList({kAbsent, "3", "4"}));

    // The section without a name is a section like any other, not the whole file.
    rt::SaveSetting(app, "", "a", "5");
    rt::DeleteSetting(app, "");
    rt::FlushSettings();
    EXPECT_EQ(runElsewhere({getCommand("", "a"), getCommand("T", "a")}), QStringList({kAbsent, "4"}));
}

TEST_F(SettingsStoreTest, SavesReachTheDiskAfterOneTurnOfTheEventLoop)
{
    rt::SaveSetting(app, "Items", "0", "sep");
    rt::SaveSetting(app, "Items", "1", "/bin/true|True");
    QCoreApplication::processEvents();
    // The turn handed them to the writer; no flush asks for them.
    while (!contents(path).contains("/bin/true|True"))
        QThread::msleep(10);

    EXPECT_EQ(runElsewhere({getCommand("Items", "0"), getCommand("Items", "1")}),
              QStringList({"sep", "/bin/true|True"}));
}

TEST_F(SettingsStoreTest, TheFileIsReplacedWholeThroughARename)
{
    rt::SaveSetting(app, "Setting", "Speed", "100");
    rt::FlushSettings();
    struct stat before {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &before), 0);

    rt::SaveSetting(app, "Setting", "Speed", "200");
    rt::FlushSettings();
    struct stat after {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino);
    EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::Files), QStringList({"settings.ini"}));
}

TEST_F(SettingsStoreTest, KeysEditedByHandSurviveOtherSaves)
{
    rt::SaveSetting(app, "Setting", "Speed", "100");
    rt::SaveSetting(app, "Setting", "Sound", "a.wav");
    rt::FlushSettings();
    writeByHand(path, "[Setting]\nSpeed=100\nSound=edited, b.wav\nMaskColor=255\n\n[groupByHand]\n0=sep\n");

    rt::SaveSetting(app, "Setting", "Speed", "200");
    rt::FlushSettings();

    EXPECT_EQ(runElsewhere({getCommand("Setting", "Speed"), getCommand("Setting", "Sound"),
                            getCommand("Setting", "MaskColor"), getCommand("groupByHand", "0")}),
              QStringList({"200", "edited, b.wav", "255", "sep"}));
    EXPECT_EQ(rt::GetSetting(app, "Setting", "MaskColor"), "255");

    // Deleting a section takes the keys written into it by hand as well.
    writeByHand(path, contents(path) + "\n[groupByHand]\n1=/bin/true|\n");
    rt::DeleteSetting(app, "groupByHand");
    rt::FlushSettings();
    EXPECT_EQ(runElsewhere({getCommand("groupByHand", "0"), getCommand("groupByHand", "1")}),
              QStringList({kAbsent, kAbsent}));
}

TEST_F(SettingsStoreTest, AFileWithUnreadableLinesIsCopiedAsideBeforeTheFirstWrite)
{
    const QByteArray first = "[Setting]\nSpeed=50\nthis line is no setting\n";
    writeByHand(path, first);
    rt::SaveSetting(app, "Setting", "Sound", "a.wav");
    rt::FlushSettings();
    EXPECT_EQ(contents(path + ".bad"), first);
    EXPECT_EQ(runElsewhere({getCommand("Setting", "Speed"), getCommand("Setting", "Sound")}),
              QStringList({"50", "a.wav"}));

    const QByteArray second = "[Setting]\nSound=\xff\xfe.wav\n";
    writeByHand(path, second);
    rt::SaveSetting(app, "Setting", "Speed", "60");
    rt::FlushSettings();
    EXPECT_EQ(contents(path + ".bad.1"), second);
    EXPECT_EQ(contents(path + ".bad"), first);

    writeByHand(path, "; a note\n# another\n\n  [Setting]  \nSpeed = 70\n");
    rt::SaveSetting(app, "Setting", "Speed", "80");
    rt::FlushSettings();
    EXPECT_FALSE(QFileInfo::exists(path + ".bad.2"));
}

TEST_F(SettingsStoreTest, AReadOnlyFileStaysAsItWasWhileMemoryKeepsTheSave)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes read-only files regardless of their mode";
    rt::SaveSetting(app, "Setting", "Speed", "100");
    rt::FlushSettings();
    const QByteArray before = contents(path);
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));

    rt::SaveSetting(app, "Setting", "Speed", "200");
    rt::FlushSettings();

    EXPECT_EQ(contents(path), before);
    EXPECT_EQ(rt::GetSetting(app, "Setting", "Speed"), "200");
    EXPECT_EQ(readElsewhere("Setting", "Speed"), "100");

    // A writable file in a read-only folder cannot be replaced whole, so it is not written in place either.
    const QString folder = QFileInfo(path).path();
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    rt::SaveSetting(app, "Setting", "Speed", "300");
    rt::FlushSettings();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(contents(path), before);
    EXPECT_EQ(rt::GetSetting(app, "Setting", "Speed"), "300");
}

TEST_F(SettingsStoreTest, AnUnwritablePlaceLeavesItAsItWasWhileMemoryKeepsTheSaves)
{
    // The folder the file belongs in is a file, which even root cannot write into.
    const QString folder = QFileInfo(path).path();
    writeByHand(folder, "not a folder");

    rt::SaveSetting(app, "Setting", "Speed", "200");
    rt::FlushSettings();
    rt::SaveSetting(app, "Setting", "Sound", "a.wav");
    QCoreApplication::processEvents();

    EXPECT_EQ(contents(folder), "not a folder");
    EXPECT_EQ(rt::GetSetting(app, "Setting", "Speed"), "200");
    EXPECT_EQ(rt::GetSetting(app, "Setting", "Sound"), "a.wav");
    EXPECT_EQ(readElsewhere("Setting", "Speed"), kAbsent);
}

TEST_F(SettingsStoreTest, AHandEditedFileKeepsEveryLineItsUserWroteThroughASave)
{
    rt::SaveSetting(app, "Setting", "Speed", "100");
    rt::FlushSettings();
    const QByteArray edited = contents(path) +
        "; my own note\n"
        "Sound = a,b.wav ; loud\n"
        "\n"
        "[Items]\n"
        "# tools first\n"
        "0=/opt/a,b.sh|Tool; \"quoted\" C:\\dir\\\n"
        "Unknown=kept\n";
    writeByHand(path, edited);

    rt::SaveSetting(app, "Setting", "Speed", "200");
    rt::FlushSettings();

    QByteArray expected = edited;
    expected.replace("Speed=100", "Speed=200");
    EXPECT_EQ(contents(path), expected);
    EXPECT_EQ(runElsewhere({getCommand("Setting", "Sound"), getCommand("Items", "0")}),
              QStringList({"a,b.wav ; loud", "/opt/a,b.sh|Tool; \"quoted\" C:\\dir\\"}));
}

TEST_F(SettingsStoreTest, UnreadableContentIsCopiedAsideOnceHoweverOftenItIsWritten)
{
    const QByteArray unreadable = "[Setting]\nSpeed=50\nthis line is no setting\n";
    for (int i = 0; i < 3; ++i) {
        writeByHand(path, unreadable);
        rt::SaveSetting(app, "Setting", "Sound", QString::number(i));
        rt::FlushSettings();
    }
    EXPECT_EQ(contents(path + ".bad"), unreadable);
    EXPECT_FALSE(QFileInfo::exists(path + ".bad.1"));
    // The line itself stays in the file too.
    EXPECT_TRUE(contents(path).contains("\nthis line is no setting\n"));
}

TEST_F(SettingsStoreTest, ASettingsFileThatIsAPipeIsNeitherWaitedForNorReplaced)
{
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_EQ(rt::GetSetting(app, "Setting", "Speed", "none"), "none");
    rt::SaveSetting(app, "Setting", "Speed", "100");
    rt::FlushSettings();
    EXPECT_FALSE(QFileInfo(path).isFile());
    EXPECT_EQ(rt::GetSetting(app, "Setting", "Speed"), "100");
}

// A file with a second name is written in place after a whole copy of the
// new contents was put beside it; a process ended in between leaves the
// copy, and the write is finished from it before the file is read.
TEST_F(SettingsStoreTest, AWriteInPlaceCutShortIsFinishedBeforeTheFileIsRead)
{
    writeByHand(path, "[Setting]\nSpeed=100\nSound=a.wav\n");
    const QString secondName = path + "-link";
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(secondName).constData()), 0);
    writeByHand(path + ".unfinished", "[Setting]\nSpeed=300\n");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.write("[Setting]\nSpeed=9") > 0);  // where the write was cut short
    file.close();

    EXPECT_EQ(rt::GetSetting(app, "Setting", "Speed"), "300");
    EXPECT_EQ(contents(secondName), "[Setting]\nSpeed=300\n");
    EXPECT_FALSE(QFileInfo::exists(path + ".unfinished"));
}

}  // namespace
