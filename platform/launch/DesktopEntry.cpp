// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/launch/DesktopEntry.h"

#include "platform/launch/LocaleMatch.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <limits>

namespace platform {

namespace {

// Larger files are not desktop entries worth reading.
constexpr qint64 kMaxDesktopEntryBytes = 1024 * 1024;

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

bool isTrue(const QString& value) { return value == QLatin1String("true"); }

// A localized key (Name, Name[de], Name[sr@latin] ...): the variant closest
// to the user's languages wins, whatever their order in the file.
class LocalizedValue {
public:
    LocalizedValue(const QString& key, const QStringList& suffixes)
    {
        for (const QString& suffix : suffixes)
            mWanted << QStringLiteral("%1[%2]").arg(key, suffix);
        mWanted << key;
    }

    void offer(const QString& key, const QString& value)
    {
        const qsizetype rank = mWanted.indexOf(key);
        if (rank >= 0 && rank < mRank) {
            mRank = rank;
            mValue = value;
        }
    }

    QString value() const { return mValue; }

private:
    QStringList mWanted;
    qsizetype mRank = std::numeric_limits<qsizetype>::max();
    QString mValue;
};

void storeString(QString& field, const QString& value)
{
    // A repeated key is a fault of the file; the first one stands.
    if (field.isEmpty())
        field = unescapeString(value);
}

void storeEntryKey(DesktopEntry& entry, const QString& key, const QString& value)
{
    if (key == QLatin1String("Type"))
        storeString(entry.type, value);
    else if (key == QLatin1String("Exec"))
        storeString(entry.exec, value);
    else if (key == QLatin1String("TryExec"))
        storeString(entry.tryExec, value);
    else if (key == QLatin1String("Path"))
        storeString(entry.path, value);
    else if (key == QLatin1String("URL"))
        storeString(entry.url, value);
    else if (key == QLatin1String("Hidden"))
        entry.hidden = isTrue(value);
    else if (key == QLatin1String("Terminal"))
        entry.terminal = isTrue(value);
    else if (key == QLatin1String("DBusActivatable"))
        entry.dbusActivatable = isTrue(value);
    else if (key == QLatin1String("StartupNotify"))
        entry.startupNotify = isTrue(value);
}

}  // namespace

QString DesktopEntry::applicationId() const
{
    QString id = QFileInfo(file).fileName();
    id.chop(int(qstrlen(".desktop")));
    return id;
}

bool isDesktopEntryFile(const QString& path)
{
    return path.endsWith(QLatin1String(".desktop")) && QFileInfo(path).isFile();
}

DesktopEntry readDesktopEntry(const QString& file)
{
    DesktopEntry entry;
    QFile input(file);
    if (!QFileInfo(file).isFile() || input.size() > kMaxDesktopEntryBytes || !input.open(QIODevice::ReadOnly))
        return entry;
    entry.file = QFileInfo(file).absoluteFilePath();
    const QStringList lines = QString::fromUtf8(input.read(kMaxDesktopEntryBytes)).split(QLatin1Char('\n'));
    bool inMainGroup = false;
    const QStringList suffixes = localeSuffixesToTry();
    LocalizedValue name(QStringLiteral("Name"), suffixes);
    LocalizedValue icon(QStringLiteral("Icon"), suffixes);
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
        if (!inMainGroup || !splitEntryLine(line, key, value))
            continue;
        storeEntryKey(entry, key, value);
        name.offer(key, unescapeString(value));
        icon.offer(key, unescapeString(value));
    }
    entry.name = name.value();
    entry.icon = icon.value();
    return entry;
}

}  // namespace platform
