// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/launch/ShellLaunch.h"

#include "platform/launch/DesktopEntry.h"
#include "platform/launch/ExecLine.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TestFiles.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using platform::expandExec;
using platform::LaunchPlan;
using platform::launchPlanFor;

namespace {

// Writes "marker" beside itself: its working folder, then one line per argument.
// The rename makes the marker appear whole.
const QByteArray kMarkerScript =
    "#!/bin/sh\n"
    "out=\"$(dirname \"$0\")/marker\"\n"
    "{ pwd; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"$out.tmp\" && mv \"$out.tmp\" \"$out\"\n";

QStringList waitForMarker(const QString& folder)
{
    QFile marker(QDir(folder).filePath(QStringLiteral("marker")));
    const QDeadlineTimer deadline(10000);
    while (!marker.exists() && !deadline.hasExpired())
        QThread::msleep(20);
    if (!marker.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(marker.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool samePlan(const LaunchPlan& plan, const LaunchPlan& expected)
{
    return plan.program == expected.program && plan.arguments == expected.arguments &&
        plan.workingFolder == expected.workingFolder;
}

}  // namespace

TEST(DesktopEntry, ReadsTheMainGroupOnly)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("app.desktop"));
    ASSERT_TRUE(writeFile(file,
                          "# comment\n"
                          "[Desktop Entry]\r\n"
                          "Type = Application\n"
                          "Name[de]=Programm\n"
                          "Name=Program\n"
                          "Terminal=true\nHidden=false\nDBusActivatable=true\nStartupNotify=true\n"
                          "TryExec=prog\n"
                          "Exec=prog \"a\\\\\\\\b\" x\\sy\n"
                          "Exec=second\n"
                          "Icon=accessories-text-editor\n"
                          "Path=/tmp\n"
                          "[Desktop Action New]\n"
                          "Exec=other\n"
                          "URL=http://example.org/\n"));
    const platform::DesktopEntry entry = platform::readDesktopEntry(file);
    EXPECT_TRUE(entry.readable);
    EXPECT_EQ(entry.type, "Application");
    EXPECT_EQ(entry.exec, "prog \"a\\\\b\" x y");
    EXPECT_EQ(expandExec(entry.exec), QStringList({"prog", "a\\b", "x", "y"}));
    EXPECT_EQ(entry.name, "Program");
    EXPECT_EQ(entry.tryExec, "prog");
    EXPECT_TRUE(entry.terminal && entry.dbusActivatable && entry.startupNotify);
    EXPECT_FALSE(entry.hidden);
    EXPECT_EQ(entry.applicationId(), "app");
    EXPECT_EQ(entry.icon, "accessories-text-editor");
    EXPECT_EQ(entry.path, "/tmp");
    EXPECT_EQ(entry.url, "");

    const QString noGroup = dir.filePath(QStringLiteral("plain.desktop"));
    ASSERT_TRUE(writeFile(noGroup, "Exec=prog\n"));
    EXPECT_FALSE(platform::readDesktopEntry(noGroup).readable);
    EXPECT_FALSE(platform::readDesktopEntry(dir.filePath(QStringLiteral("none.desktop"))).readable);
}

// The name (%c) and icon (%i) an entry's command gets, in the user's
// languages: $LANGUAGE's list in its order, else LC_ALL, LC_MESSAGES, LANG;
// a locale's @modifier is matched after its country.
TEST(DesktopEntry, LocalizedKeysFollowTheUsersLanguages)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("app.desktop"));
    ASSERT_TRUE(writeFile(file,
                          "[Desktop Entry]\nExec=prog %c %i\n"
                          "Name[sr]=sr\nName[sr@latin]=sr@latin\nName[sr_RS]=sr_RS\nName[sr_BA@latin]=sr_BA@latin\n"
                          "Name[de]=de\nName[de_AT]=de_AT\nName[gd]=gd\nName=default\n"
                          "Icon[de]=de-icon\nIcon=icon\nIcon[sr@latin]=latin-icon\n"));
    struct Case {
        const char* language;
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        const char* name;
        const char* icon;
    };
    const Case cases[] = {
        {"", "", "", "sr_ME.UTF-8@latin", "sr@latin", "latin-icon"},
        {"", "", "", "sr_RS.UTF-8@latin", "sr_RS", "latin-icon"},
        {"", "", "", "sr_BA@latin", "sr_BA@latin", "latin-icon"},
        {"", "", "", "sr_ME.UTF-8", "sr", "icon"},
        {"", "", "", "sr@cyrillic", "sr", "icon"},
        {"", "", "", "de_AT.UTF-8", "de_AT", "de-icon"},
        {"", "", "", "de_CH.ISO-8859-1", "de", "de-icon"},
        {"gd:de", "", "", "fr_FR.UTF-8", "gd", "de-icon"},
        {"fr:it:de_AT", "", "", "gd_GB.UTF-8", "de_AT", "de-icon"},
        {"", "de_AT.UTF-8", "sr_ME@latin", "gd_GB.UTF-8", "de_AT", "de-icon"},
        {"", "", "sr_ME@latin", "gd_GB.UTF-8", "sr@latin", "latin-icon"},
        {"", "", "", "C.UTF-8", "default", "icon"},
        {"", "", "", "fr_FR.UTF-8", "default", "icon"},
        {"", "", "", "", "default", "icon"},
    };
    for (const Case& c : cases) {
        const ScopedEnv language("LANGUAGE", c.language);
        const ScopedEnv lcAll("LC_ALL", c.lcAll);
        const ScopedEnv lcMessages("LC_MESSAGES", c.lcMessages);
        const ScopedEnv lang("LANG", c.lang);
        const QString where = QStringLiteral("LANGUAGE=%1 LC_ALL=%2 LC_MESSAGES=%3 LANG=%4")
                                  .arg(c.language, c.lcAll, c.lcMessages, c.lang);
        EXPECT_EQ(launchPlanFor(file).arguments, QStringList({c.name, "--icon", c.icon})) << qPrintable(where);
    }
}

TEST(ShellLaunch, PlanFollowsTheKindOfTarget)
{
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("tool"));
    const QString document = dir.filePath(QStringLiteral("-notes.txt"));
    ASSERT_TRUE(writeFile(program, kMarkerScript, true));
    ASSERT_TRUE(writeFile(document, "text"));
    const QString xdgOpen = QStringLiteral("xdg-open");

    EXPECT_TRUE(samePlan(launchPlanFor(program), {program, {}, dir.path()}));
    EXPECT_TRUE(samePlan(launchPlanFor(document), {xdgOpen, {document}, {}}));
    // A folder is opened even though it can be entered ("executed").
    EXPECT_TRUE(samePlan(launchPlanFor(dir.path()), {xdgOpen, {dir.path()}, {}}));
    for (const char* url : {"http://example.org/a b", "https://example.org", "mailto:someone@example.org", "trash:///",
                            "network:///", "file:///etc/hostname"})
        EXPECT_TRUE(samePlan(launchPlanFor(QLatin1String(url)), {xdgOpen, {QLatin1String(url)}, {}})) << url;

    EXPECT_TRUE(launchPlanFor(dir.filePath(QStringLiteral("missing.txt"))).program.isEmpty());
    EXPECT_TRUE(launchPlanFor(QStringLiteral("c:\\missing.txt")).program.isEmpty());
    EXPECT_TRUE(launchPlanFor(QString()).program.isEmpty());
}

TEST(ShellLaunch, RelativePathsBecomeAbsolute)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("-help")), "text"));
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const LaunchPlan plan = launchPlanFor(QStringLiteral("-help"));
    QDir::setCurrent(previous);
    EXPECT_EQ(plan.arguments, QStringList({QDir(dir.path()).canonicalPath() + QStringLiteral("/-help")}));
}

TEST(ShellLaunch, DesktopEntriesNameWhatToStart)
{
    QTemporaryDir dir;
    const QString app = dir.filePath(QStringLiteral("app.desktop"));
    ASSERT_TRUE(writeFile(app, "[Desktop Entry]\nType=Application\nExec=prog --new %U\nPath=/srv\n", true));
    EXPECT_TRUE(samePlan(launchPlanFor(app), {QStringLiteral("prog"), {QStringLiteral("--new")}, "/srv"}));

    const QString link = dir.filePath(QStringLiteral("site.desktop"));
    ASSERT_TRUE(writeFile(link, "[Desktop Entry]\nType=Link\nURL=https://example.org/\n"));
    EXPECT_TRUE(samePlan(launchPlanFor(link), {QStringLiteral("xdg-open"), {"https://example.org/"}, {}}));

    const char* broken[] = {
        "[Desktop Entry]\nType=Application\nName=No command\n",
        "[Desktop Entry]\nType=Link\n",
        "[Desktop Entry]\nType=Directory\nExec=prog\n",
        "[Desktop Entry]\nExec=\"prog\n",
        "Exec=prog\n",
    };
    for (const char* text : broken) {
        const QString file = dir.filePath(QStringLiteral("broken.desktop"));
        ASSERT_TRUE(writeFile(file, text));
        EXPECT_TRUE(launchPlanFor(file).program.isEmpty()) << text;
    }
}

TEST(ShellLaunch, ExecutableRunsInItsOwnFolder)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("my tools"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString script = QDir(folder).filePath(QStringLiteral("run me.sh"));
    ASSERT_TRUE(writeFile(script, kMarkerScript, true));

    ASSERT_TRUE(platform::startDetached(launchPlanFor(script)));
    EXPECT_EQ(waitForMarker(folder), QStringList({folder}));
}

TEST(ShellLaunch, DesktopEntryRunsWithQuotedArguments)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("bin dir"));
    const QString workFolder = dir.filePath(QStringLiteral("work"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QDir().mkpath(workFolder));
    const QString script = QDir(folder).filePath(QStringLiteral("run.sh"));
    ASSERT_TRUE(writeFile(script, kMarkerScript, true));
    const QString entry = dir.filePath(QStringLiteral("run.desktop"));
    ASSERT_TRUE(writeFile(entry,
                          QStringLiteral("[Desktop Entry]\nType=Application\n"
                                         "Exec=\"%1\" \"two words\" 'single' \"\\\\$HOME\" %f 100%%\n"
                                         "Path=%2\n")
                              .arg(script, workFolder)
                              .toUtf8()));

    ASSERT_TRUE(platform::startDetached(launchPlanFor(entry)));
    EXPECT_EQ(waitForMarker(folder), QStringList({workFolder, "two words", "'single'", "$HOME", "100%"}));
}

TEST(ShellLaunch, NothingStartsForMissingTargets)
{
    QTemporaryDir dir;
    EXPECT_FALSE(platform::startDetached(launchPlanFor(dir.filePath(QStringLiteral("gone")))));
    EXPECT_FALSE(platform::startDetached({dir.filePath(QStringLiteral("gone")), {}, {}}));
    EXPECT_FALSE(platform::startDetached(LaunchPlan{}));
}

TEST(ShellLaunch, DesktopEntryRules)
{
    QTemporaryDir dir;
    const QString entry = dir.filePath(QStringLiteral("org.example.App.desktop"));
    auto planOf = [&](const QByteArray& body) {
        EXPECT_TRUE(writeFile(entry, "[Desktop Entry]\nType=Application\nName=Example App\n" + body));
        return launchPlanFor(entry);
    };
    EXPECT_FALSE(planOf("Exec=sh\nHidden=true\n").canStart());
    EXPECT_FALSE(planOf("Exec=sh\nTryExec=/nonexistent/program\n").canStart());
    EXPECT_FALSE(planOf("Exec=sh\nTryExec=no-such-program-anywhere\n").canStart());
    EXPECT_TRUE(planOf("Exec=sh\nTryExec=sh\n").canStart());
    EXPECT_FALSE(planOf("Exec=sh %x\n").canStart());
    EXPECT_FALSE(planOf("Exec=sh \"open\n").canStart());
    EXPECT_FALSE(planOf("Name=No command\n").canStart());

    const LaunchPlan activatable = planOf("DBusActivatable=true\nStartupNotify=true\n");
    EXPECT_TRUE(activatable.canStart());
    EXPECT_TRUE(activatable.program.isEmpty());
    EXPECT_EQ(activatable.applicationId, "org.example.App");
    EXPECT_TRUE(activatable.startupNotify);
    const LaunchPlan withFallback = planOf("DBusActivatable=true\nExec=prog --name %c\n");
    EXPECT_EQ(withFallback.applicationId, "org.example.App");
    EXPECT_TRUE(samePlan(withFallback, {"prog", {"--name", "Example App"}, {}}));
    EXPECT_FALSE(withFallback.startupNotify);
}

TEST(ShellLaunch, TerminalEntriesRunInTheUsersTerminal)
{
    QTemporaryDir dir;
    const QString bin = dir.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    const QString entry = dir.filePath(QStringLiteral("top.desktop"));
    ASSERT_TRUE(writeFile(entry, "[Desktop Entry]\nName=Top\nExec=top -d \"1 5\"\nTerminal=true\n"));
    const ScopedEnv path("PATH", bin.toUtf8());
    const ScopedEnv terminal("TERMINAL", "");

    const LaunchPlan none = launchPlanFor(entry);
    EXPECT_FALSE(none.canStart());
    EXPECT_TRUE(none.refusal.contains(QStringLiteral("\"Top\""))) << qPrintable(none.refusal);

    const QString xterm = QDir(bin).filePath(QStringLiteral("xterm"));
    ASSERT_TRUE(writeFile(xterm, "#!/bin/sh\n", true));
    EXPECT_TRUE(samePlan(launchPlanFor(entry), {xterm, {"-e", "top", "-d", "1 5"}, {}}));

    // $TERMINAL, by name or path: a terminal the table knows gets its own
    // option before the command, any other the common "-e".
    const struct {
        const char* terminal;
        const char* runOption;
    } chosenTerminals[] = {{"my-term", "-e"}, {"kitty", "--"},    {"gnome-terminal", "--"}, {"xfce4-terminal", "-x"},
                           {"konsole", "-e"}, {"BIN/foot", "--"}, {"BIN/my-term", "-e"}};
    for (const auto& chosen : chosenTerminals) {
        const QString name = QString::fromLatin1(chosen.terminal).replace(QStringLiteral("BIN/"), bin + '/');
        const QString program = QDir(bin).filePath(name.section('/', -1));
        ASSERT_TRUE(writeFile(program, "#!/bin/sh\n", true));
        const ScopedEnv named("TERMINAL", name.toUtf8());
        EXPECT_TRUE(samePlan(launchPlanFor(entry), {program, {chosen.runOption, "top", "-d", "1 5"}, {}}))
            << chosen.terminal;
    }
    const QString chosen = QDir(bin).filePath(QStringLiteral("my-term"));
    {
        const ScopedEnv named("TERMINAL", "my-term");
        const QString debian = QDir(bin).filePath(QStringLiteral("x-terminal-emulator"));
        ASSERT_TRUE(writeFile(debian, "#!/bin/sh\n", true));
        EXPECT_TRUE(samePlan(launchPlanFor(entry), {debian, {"-e", "top", "-d", "1 5"}, {}}));
    }
}

TEST(ShellLaunch, LaunchersOutsideTheApplicationFoldersNeedTrust)
{
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data"));
    const QString applications = data + QStringLiteral("/applications/sub");
    ASSERT_TRUE(QDir().mkpath(applications));
    const ScopedEnv dataHome("XDG_DATA_HOME", data.toUtf8());
    const QByteArray body = "[Desktop Entry]\nName=Tool\nExec=sh\n";

    const QString downloaded = dir.filePath(QStringLiteral("tool.desktop"));
    ASSERT_TRUE(writeFile(downloaded, body));
    EXPECT_TRUE(launchPlanFor(downloaded).askTrust);
    const QString marked = dir.filePath(QStringLiteral("marked.desktop"));
    ASSERT_TRUE(writeFile(marked, body, true));
    EXPECT_FALSE(launchPlanFor(marked).askTrust);
    const QString installed = applications + QStringLiteral("/tool.desktop");
    ASSERT_TRUE(writeFile(installed, body));
    EXPECT_FALSE(launchPlanFor(installed).askTrust);
    const QString link = dir.filePath(QStringLiteral("site.desktop"));
    ASSERT_TRUE(writeFile(link, "[Desktop Entry]\nType=Link\nURL=https://example.org/\n"));
    EXPECT_TRUE(launchPlanFor(link).askTrust);
}

TEST(ShellLaunch, DocumentsWithTheExecutableBitOpen)
{
    QTemporaryDir dir;
    const QString notes = dir.filePath(QStringLiteral("notes.txt"));
    ASSERT_TRUE(writeFile(notes, "text", true));
    EXPECT_TRUE(samePlan(launchPlanFor(notes), {QStringLiteral("xdg-open"), {notes}, {}}));
    const QString script = dir.filePath(QStringLiteral("old.sh"));
    ASSERT_TRUE(writeFile(script, "echo old\n", true));
    EXPECT_TRUE(samePlan(launchPlanFor(script), {QStringLiteral("/bin/sh"), {script}, dir.path()}));
}
