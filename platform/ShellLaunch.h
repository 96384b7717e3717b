#pragma once
// Starting what an item points to, the way the desktop would: an executable
// file runs detached in its own folder, a .desktop entry launches the
// application it names, anything else (document, folder, URL, mailto:) opens
// with the desktop's default handler. Nothing passes through a shell.

#include <QString>
#include <QStringList>

namespace platform {

struct LaunchPlan {
    QString program;  // empty: nothing can be started
    QStringList arguments;
    QString workingFolder;
};

// An existing local path or a URL with a scheme gives a plan; a local path
// that does not exist, or a .desktop entry that names nothing to start, gives
// the empty plan.
LaunchPlan launchPlanFor(const QString& target);

// Starts the plan detached; false when nothing was started.
bool startDetached(const LaunchPlan& plan);

// The keys of a .desktop file's [Desktop Entry] group that launching and
// icons use, with the string escapes (\s \n \t \r \\) undone.
struct DesktopEntry {
    bool readable = false;  // false: no such file, too large, or no [Desktop Entry] group
    QString type;
    QString exec;
    QString path;
    QString url;
    QString icon;
};

bool isDesktopEntryFile(const QString& path);
DesktopEntry readDesktopEntry(const QString& file);

// Splits an unescaped Exec= value into program and arguments by its quoting
// rules, dropping the field codes (no files are handed over) and turning %%
// into %. Empty when the value is empty or a quote is left open.
QStringList execArguments(const QString& exec);

}  // namespace platform
