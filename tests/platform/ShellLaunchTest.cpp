#include "platform/ShellLaunch.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using platform::execArguments;
using platform::LaunchPlan;
using platform::launchPlanFor;

namespace {

bool writeFile(const QString& path, const QByteArray& data, bool executable = false)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        return false;
    file.close();
    return !executable || file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

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
    return plan.program == expected.program && plan.arguments == expected.arguments
           && plan.workingFolder == expected.workingFolder;
}

}  // namespace

TEST(DesktopExec, SplitsByTheQuotingRules)
{
    EXPECT_EQ(execArguments(QStringLiteral("prog  -a\tb")), QStringList({"prog", "-a", "b"}));
    EXPECT_EQ(execArguments(QStringLiteral("\"/opt/my app/run\" \"two words\" x")),
              QStringList({"/opt/my app/run", "two words", "x"}));
    EXPECT_EQ(execArguments(QStringLiteral(R"(echo "say \"hi\"" "\$HOME" "a\\b" "\`x\`")")),
              QStringList({"echo", "say \"hi\"", "$HOME", "a\\b", "`x`"}));
    EXPECT_EQ(execArguments(QStringLiteral("prog \"\" end")), QStringList({"prog", "", "end"}));
    EXPECT_EQ(execArguments(QStringLiteral("pre\"fix\"ed")), QStringList({"prefixed"}));
    EXPECT_EQ(execArguments(QString()), QStringList());
    EXPECT_EQ(execArguments(QStringLiteral("prog \"open")), QStringList());
}

TEST(DesktopExec, FieldCodesExpandToNothing)
{
    EXPECT_EQ(execArguments(QStringLiteral("prog %f %F %u %U %i %c %k --file=%f")),
              QStringList({"prog", "--file="}));
    EXPECT_EQ(execArguments(QStringLiteral("prog 100%% %d%n")), QStringList({"prog", "100%"}));
    EXPECT_EQ(execArguments(QStringLiteral("prog %x 5%")), QStringList({"prog", "%x", "5%"}));
}

TEST(DesktopEntry, ReadsTheMainGroupOnly)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("app.desktop"));
    ASSERT_TRUE(writeFile(file,
                          "# comment\n"
                          "[Desktop Entry]\r\n"
                          "Type = Application\n"
                          "Name[de]=Programm\n"
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
    EXPECT_EQ(execArguments(entry.exec), QStringList({"prog", "a\\b", "x", "y"}));
    EXPECT_EQ(entry.icon, "accessories-text-editor");
    EXPECT_EQ(entry.path, "/tmp");
    EXPECT_EQ(entry.url, "");

    const QString noGroup = dir.filePath(QStringLiteral("plain.desktop"));
    ASSERT_TRUE(writeFile(noGroup, "Exec=prog\n"));
    EXPECT_FALSE(platform::readDesktopEntry(noGroup).readable);
    EXPECT_FALSE(platform::readDesktopEntry(dir.filePath(QStringLiteral("none.desktop"))).readable);
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
    for (const char* url : {"http://example.org/a b", "https://example.org", "mailto:someone@example.org",
                            "trash:///", "network:///", "file:///etc/hostname"})
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
    ASSERT_TRUE(writeFile(entry, QStringLiteral("[Desktop Entry]\nType=Application\n"
                                                "Exec=\"%1\" \"two words\" 'single' \"\\\\$HOME\" %f 100%%\n"
                                                "Path=%2\n")
                                     .arg(script, workFolder)
                                     .toUtf8()));

    ASSERT_TRUE(platform::startDetached(launchPlanFor(entry)));
    EXPECT_EQ(waitForMarker(folder),
              QStringList({workFolder, "two words", "'single'", "$HOME", "100%"}));
}

TEST(ShellLaunch, NothingStartsForMissingTargets)
{
    QTemporaryDir dir;
    EXPECT_FALSE(platform::startDetached(launchPlanFor(dir.filePath(QStringLiteral("gone")))));
    EXPECT_FALSE(platform::startDetached({dir.filePath(QStringLiteral("gone")), {}, {}}));
    EXPECT_FALSE(platform::startDetached(LaunchPlan{}));
}
