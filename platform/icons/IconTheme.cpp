// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/icons/IconTheme.h"

#include "platform/files/GuardedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>

#include <limits>
#include <utility>

#include <dirent.h>

namespace platform {

namespace {

// In the order icon look-ups on the desktop try them in each folder.
const struct {
    const char* extension;
    IconThemeCache::Format format;
} kIconFormats[] = {{".png", IconThemeCache::Png}, {".svg", IconThemeCache::Svg}, {".xpm", IconThemeCache::Xpm}};

// The themes' index files are small; a larger one is no index.
constexpr qint64 kMaxIndexBytes = 1024 * 1024;

// A folder's description in an index, as written; -1 where a key is absent.
struct FolderKeys {
    int size = -1;
    int scale = -1;
    int minSize = -1;
    int maxSize = -1;
    int threshold = -1;
    QByteArray type;
};

// What an index says: its [Icon Theme] group, and of every other group the
// keys a folder's description uses. A theme such as hicolor describes
// hundreds of folders, so lines are looked at in place, without copies.
struct IndexFile {
    QHash<QByteArray, QString> main;
    QHash<QString, FolderKeys> folders;
};

int intOr(QByteArrayView text, int fallback)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : fallback;
}

void takeFolderKey(FolderKeys& folder, QByteArrayView key, QByteArrayView value)
{
    if (key == "Size")
        folder.size = intOr(value, -1);
    else if (key == "Scale")
        folder.scale = intOr(value, -1);
    else if (key == "MinSize")
        folder.minSize = intOr(value, -1);
    else if (key == "MaxSize")
        folder.maxSize = intOr(value, -1);
    else if (key == "Threshold")
        folder.threshold = intOr(value, -1);
    else if (key == "Type")
        folder.type = value.toByteArray();
}

IndexFile readIndex(const QString& file)
{
    IndexFile index;
    const FileContents contents = readGuarded(file, kMaxIndexBytes);
    const QByteArrayView text(contents.bytes);
    FolderKeys* folder = nullptr;
    bool inMain = false;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        const QByteArrayView line = text.sliced(start, end - start).trimmed();
        start = end + 1;
        if (line.startsWith('[') && line.endsWith(']')) {
            const QString group = QString::fromUtf8(line.sliced(1, line.size() - 2));
            inMain = group == QLatin1String("Icon Theme");
            folder = inMain ? nullptr : &index.folders[group];
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0 || line.startsWith('#'))
            continue;
        const QByteArrayView key = line.first(equals).trimmed();
        const QByteArrayView value = line.sliced(equals + 1).trimmed();
        if (inMain)
            index.main.insert(key.toByteArray(), QString::fromUtf8(value));
        else if (folder)
            takeFolderKey(*folder, key, value);
    }
    return index;
}

QStringList listValue(const QString& value)
{
    QStringList items;
    for (const QString& item : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!item.trimmed().isEmpty())
            items << item.trimmed();
    }
    return items;
}

// The names in a folder, read once: a theme has hundreds of folders, and
// neither sorting nor a look at each file is wanted here.
QSet<QString> fileNamesIn(const QString& folder)
{
    QSet<QString> names;
    DIR* stream = ::opendir(QFile::encodeName(folder).constData());
    if (!stream)
        return names;
    while (const dirent* entry = ::readdir(stream))
        names.insert(QFile::decodeName(entry->d_name));
    ::closedir(stream);
    return names;
}

}  // namespace

bool IconTheme::Folder::matchesSize(int iconSize, int iconScale) const
{
    if (scale != iconScale)
        return false;
    switch (type) {
    case SizeType::Fixed: return iconSize == size;
    case SizeType::Scalable: return minSize <= iconSize && iconSize <= maxSize;
    case SizeType::Threshold: return size - threshold <= iconSize && iconSize <= size + threshold;
    }
    return false;
}

// The desktop's usual size distance, except for Threshold folders: the
// freedesktop.org rule measures those from MinSize and MaxSize (and squares the size on one side,
// a slip), which makes the distance jump at the threshold's edges; measured
// from the edges themselves it grows steadily away from the folder's range.
int IconTheme::Folder::sizeDistance(int iconSize, int iconScale) const
{
    const int wanted = iconSize * iconScale;
    int low = size * scale;
    int high = low;
    if (type == SizeType::Scalable) {
        low = minSize * scale;
        high = maxSize * scale;
    } else if (type == SizeType::Threshold) {
        low = (size - threshold) * scale;
        high = (size + threshold) * scale;
    }
    if (wanted < low)
        return low - wanted;
    return wanted > high ? wanted - high : 0;
}

IconTheme::IconTheme(QString name, QStringList baseFolders)
    : mName(std::move(name)), mBaseFolders(std::move(baseFolders))
{
}

QStringList IconTheme::standardBaseFolders()
{
    QStringList folders{QDir::homePath() + QLatin1String("/.icons")};
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << data + QLatin1String("/icons");
    folders << QIcon::themeSearchPaths();
    folders.removeDuplicates();
    return folders;
}

std::shared_ptr<const IconTheme> IconTheme::current()
{
    static std::shared_ptr<const IconTheme> theme;
    const QString name = QIcon::themeName().isEmpty() ? QStringLiteral("hicolor") : QIcon::themeName();
    const QStringList folders = standardBaseFolders();
    if (!theme || theme->mName != name || theme->mBaseFolders != folders)
        theme = std::make_shared<const IconTheme>(name, folders);
    return theme;
}

const IconTheme::Theme* IconTheme::theme(const QString& name) const
{
    const auto known = mThemes.constFind(name);
    if (known != mThemes.constEnd())
        return known->get();
    std::shared_ptr<Theme> loaded;
    // A theme may be spread over several base folders; the first index counts.
    QList<Root> roots;
    for (const QString& base : mBaseFolders) {
        const QString path = base + QLatin1Char('/') + name;
        if (!QFileInfo(path).isDir())
            continue;
        auto cache = std::make_shared<const IconThemeCache>(path);
        roots << Root{path, cache->isUsable() ? cache : nullptr};
    }
    for (const QString& base : mBaseFolders) {
        const QString index = base + QLatin1Char('/') + name + QLatin1String("/index.theme");
        if (!QFileInfo(index).isFile())
            continue;
        const IndexFile file = readIndex(index);
        loaded = std::make_shared<Theme>();
        loaded->roots = roots;
        loaded->parents = listValue(file.main.value("Inherits"));
        QStringList paths = listValue(file.main.value("Directories"));
        paths << listValue(file.main.value("ScaledDirectories"));
        paths.removeDuplicates();
        for (const QString& path : paths) {
            const FolderKeys keys = file.folders.value(path);
            Folder folder;
            folder.path = path;
            folder.size = keys.size;
            if (folder.size <= 0)
                continue;
            folder.scale = keys.scale < 0 ? 1 : keys.scale;
            folder.minSize = keys.minSize < 0 ? folder.size : keys.minSize;
            folder.maxSize = keys.maxSize < 0 ? folder.size : keys.maxSize;
            folder.threshold = keys.threshold < 0 ? 2 : keys.threshold;
            if (keys.type == "Fixed")
                folder.type = SizeType::Fixed;
            else if (keys.type == "Scalable")
                folder.type = SizeType::Scalable;
            loaded->folders << folder;
        }
        break;
    }
    mThemes.insert(name, loaded);
    return loaded.get();
}

quint16 IconTheme::formatsIn(const Root& root, const QHash<QString, quint16>& indexed, const QString& folder,
                             const QString& iconName) const
{
    if (root.cache)
        return indexed.value(folder);
    const QString path = root.path + QLatin1Char('/') + folder;
    auto files = mFolderFiles.find(path);
    if (files == mFolderFiles.end())
        files = mFolderFiles.insert(path, fileNamesIn(path));
    quint16 formats = 0;
    for (const auto& format : kIconFormats) {
        if (files->contains(iconName + QLatin1String(format.extension)))
            formats |= format.format;
    }
    return formats;
}

QString IconTheme::lookupIcon(const Theme& theme, const QString& iconName, int size, int scale) const
{
    QString closest;
    int closestDistance = std::numeric_limits<int>::max();
    // What each root's index says of the name, asked once.
    QList<QHash<QString, quint16>> indexed;
    bool mayHoldIt = false;
    for (const Root& root : theme.roots) {
        indexed << (root.cache ? root.cache->foldersHolding(iconName) : QHash<QString, quint16>());
        mayHoldIt = mayHoldIt || !root.cache || !indexed.constLast().isEmpty();
    }
    // Every root's index says no: the theme's hundreds of folders need no look.
    if (!mayHoldIt)
        return QString();
    for (const Folder& folder : theme.folders) {
        for (qsizetype i = 0; i < theme.roots.size(); ++i) {
            const Root& root = theme.roots.at(i);
            const quint16 formats = formatsIn(root, indexed.at(i), folder.path, iconName);
            for (const auto& format : kIconFormats) {
                if (!(formats & format.format))
                    continue;
                QString file = root.path + QLatin1Char('/') + folder.path + QLatin1Char('/') + iconName +
                    QLatin1String(format.extension);
                if (folder.matchesSize(size, scale))
                    return file;
                const int distance = folder.sizeDistance(size, scale);
                if (distance < closestDistance) {
                    closestDistance = distance;
                    closest = file;
                }
            }
        }
    }
    return closest;
}

QString IconTheme::findInChain(const QString& themeName, const QString& iconName, int size, int scale,
                               QSet<QString>& visited) const
{
    if (visited.contains(themeName))
        return QString();
    visited.insert(themeName);
    const Theme* found = theme(themeName);
    if (!found)
        return QString();
    QString file = lookupIcon(*found, iconName, size, scale);
    if (!file.isEmpty())
        return file;
    for (const QString& parent : found->parents) {
        QString inParent = findInChain(parent, iconName, size, scale, visited);
        if (!inParent.isEmpty())
            return inParent;
    }
    return QString();
}

QString IconTheme::findIcon(const QString& iconName, int size, int scale) const
{
    if (iconName.isEmpty() || iconName.contains(QLatin1Char('/')))
        return QString();
    QSet<QString> visited;
    const QString file = findInChain(mName, iconName, size, scale, visited);
    return file.isEmpty() ? findInChain(QStringLiteral("hicolor"), iconName, size, scale, visited) : file;
}

}  // namespace platform
