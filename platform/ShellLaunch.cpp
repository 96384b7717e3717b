#include "platform/ShellLaunch.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace platform {

namespace {

// Larger files are not desktop entries worth reading.
constexpr qint64 kMaxDesktopEntryBytes = 1024 * 1024;

const QString kOpener = QStringLiteral("xdg-open");

LaunchPlan openerPlan(const QString& target) { return {kOpener, {target}, QString()}; }

// A scheme of two or more characters, so a drive letter ("c:") is no URL.
bool hasUrlScheme(const QString& target)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(target).hasMatch();
}

// Field codes stand for files, URLs, the icon, the name or the entry's own
// location; nothing of that is handed over, so they expand to nothing (the
// deprecated ones included).
bool isFieldCode(QChar code) { return QStringLiteral("fFuUickdDnNvm").contains(code); }

// Inside quotes a backslash escapes only these characters.
bool isQuotedEscape(QChar c) { return QStringLiteral("\"`$\\").contains(c); }

QString unescapeString(const QString& value)
{
    QString text;
    text.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            text.append(c);
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case 's': text.append(QLatin1Char(' ')); break;
        case 'n': text.append(QLatin1Char('\n')); break;
        case 't': text.append(QLatin1Char('\t')); break;
        case 'r': text.append(QLatin1Char('\r')); break;
        case '\\': text.append(QLatin1Char('\\')); break;
        default:
            // Not a string escape: left for the Exec quoting rules.
            text.append(c);
            text.append(next);
            break;
        }
    }
    return text;
}

// Key=value of a line, spaces around "=" ignored; false for anything else.
bool splitEntryLine(const QString& line, QString& key, QString& value)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals <= 0)
        return false;
    key = line.left(equals).trimmed();
    value = line.mid(equals + 1).trimmed();
    return true;
}

void storeEntryKey(DesktopEntry& entry, const QString& key, const QString& value)
{
    QString* field = nullptr;
    if (key == QLatin1String("Type"))
        field = &entry.type;
    else if (key == QLatin1String("Exec"))
        field = &entry.exec;
    else if (key == QLatin1String("Path"))
        field = &entry.path;
    else if (key == QLatin1String("URL"))
        field = &entry.url;
    else if (key == QLatin1String("Icon"))
        field = &entry.icon;
    // A repeated key is a fault of the file; the first one stands.
    if (field && field->isEmpty())
        *field = unescapeString(value);
}

LaunchPlan desktopEntryPlan(const QString& file)
{
    const DesktopEntry entry = readDesktopEntry(file);
    if (!entry.readable)
        return {};
    if (entry.type == QLatin1String("Link"))
        return entry.url.isEmpty() ? LaunchPlan{} : openerPlan(entry.url);
    if (!entry.type.isEmpty() && entry.type != QLatin1String("Application"))
        return {};
    QStringList arguments = execArguments(entry.exec);
    if (arguments.isEmpty())
        return {};
    const QString program = arguments.takeFirst();
    return {program, arguments, entry.path};
}

// Splits the Exec value, one character at a time.
class ExecSplitter {
public:
    explicit ExecSplitter(const QString& exec) : mExec(exec) {}

    QStringList split()
    {
        for (mAt = 0; mAt < mExec.size(); ++mAt)
            take(mExec.at(mAt));
        if (mQuoted)
            return {};
        finishArgument();
        return mArguments;
    }

private:
    void take(QChar c)
    {
        if (c == QLatin1Char('%') && hasNext()) {
            takeFieldCode(mExec.at(++mAt));
        } else if (mQuoted) {
            takeQuoted(c);
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')) {
            finishArgument();
        } else if (c == QLatin1Char('"')) {
            mQuoted = true;
            mStarted = mKeepEmpty = true;
        } else if (c == QLatin1Char('\\') && hasNext()) {
            append(mExec.at(++mAt));
        } else {
            append(c);
        }
    }

    void takeQuoted(QChar c)
    {
        if (c == QLatin1Char('"'))
            mQuoted = false;
        else if (c == QLatin1Char('\\') && hasNext() && isQuotedEscape(mExec.at(mAt + 1)))
            append(mExec.at(++mAt));
        else
            append(c);
    }

    void takeFieldCode(QChar code)
    {
        mStarted = true;
        if (code == QLatin1Char('%')) {
            append(code);
        } else if (!isFieldCode(code)) {
            // Not a field code: kept as written.
            append(QLatin1Char('%'));
            append(code);
        }
    }

    void append(QChar c)
    {
        mCurrent.append(c);
        mStarted = true;
    }

    // An argument that only held field codes disappears; "" stays an argument.
    void finishArgument()
    {
        if (mStarted && (!mCurrent.isEmpty() || mKeepEmpty))
            mArguments << mCurrent;
        mCurrent.clear();
        mStarted = mKeepEmpty = false;
    }

    bool hasNext() const { return mAt + 1 < mExec.size(); }

    const QString& mExec;
    qsizetype mAt = 0;
    QString mCurrent;
    QStringList mArguments;
    bool mQuoted = false;
    bool mStarted = false;
    bool mKeepEmpty = false;
};

}  // namespace

bool isDesktopEntryFile(const QString& path)
{
    return path.endsWith(QLatin1String(".desktop")) && QFileInfo(path).isFile();
}

DesktopEntry readDesktopEntry(const QString& file)
{
    DesktopEntry entry;
    QFile input(file);
    if (!QFileInfo(file).isFile() || input.size() > kMaxDesktopEntryBytes
        || !input.open(QIODevice::ReadOnly))
        return entry;
    const QStringList lines =
        QString::fromUtf8(input.read(kMaxDesktopEntryBytes)).split(QLatin1Char('\n'));
    bool inMainGroup = false;
    for (const QString& rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            entry.readable = entry.readable || inMainGroup;
            continue;
        }
        QString key;
        QString value;
        if (inMainGroup && splitEntryLine(line, key, value))
            storeEntryKey(entry, key, value);
    }
    return entry;
}

QStringList execArguments(const QString& exec) { return ExecSplitter(exec).split(); }

LaunchPlan launchPlanFor(const QString& target)
{
    if (target.isEmpty())
        return {};
    const QFileInfo info(target);
    if (!info.exists())
        return hasUrlScheme(target) ? openerPlan(target) : LaunchPlan{};
    // Absolute, so a name starting with "-" never reads as an option.
    const QString path = info.absoluteFilePath();
    if (isDesktopEntryFile(path))
        return desktopEntryPlan(path);
    if (info.isFile() && info.isExecutable())
        return {path, {}, info.absolutePath()};
    return openerPlan(path);
}

bool startDetached(const LaunchPlan& plan)
{
    if (plan.program.isEmpty())
        return false;
    return QProcess::startDetached(plan.program, plan.arguments, plan.workingFolder);
}

}  // namespace platform
