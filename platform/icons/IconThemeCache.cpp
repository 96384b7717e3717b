// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/icons/IconThemeCache.h"

#include "platform/files/GuardedFile.h"

#include <QFileInfo>
#include <QtEndian>

#include <cstring>

namespace platform {

namespace {

constexpr quint32 kEndOfChain = 0xffffffff;
// Far above any real theme's index; the rest of a larger file is not read.
constexpr qint64 kMaxCacheBytes = 32 * 1024 * 1024;
constexpr int kMaxChain = 4096;
constexpr quint32 kMaxPictures = 1024;

// The hash gtk-update-icon-cache files names under (on signed characters).
quint32 nameHash(const QByteArray& name)
{
    if (name.isEmpty())
        return 0;
    auto hash = quint32(qint32(static_cast<signed char>(name.at(0))));
    for (qsizetype i = 1; i < name.size(); ++i)
        hash = (hash << 5) - hash + quint32(qint32(static_cast<signed char>(name.at(i))));
    return hash;
}

// A string at an offset: up to its terminating zero, which must be in the file.
QByteArray stringAt(const QByteArray& data, quint32 offset)
{
    if (offset >= quint32(data.size()))
        return QByteArray();
    const char* start = data.constData() + offset;
    const void* end = std::memchr(start, '\0', size_t(data.size()) - offset);
    return end ? QByteArray(start, static_cast<const char*>(end) - start) : QByteArray();
}

}  // namespace

IconThemeCache::IconThemeCache(const QString& themeFolder)
{
    const QString file = themeFolder + QLatin1String("/icon-theme.cache");
    const QFileInfo cache(file);
    // In whole seconds, as gtk-update-icon-cache sets the folder's time.
    if (!cache.isFile() ||
        cache.lastModified().toSecsSinceEpoch() < QFileInfo(themeFolder).lastModified().toSecsSinceEpoch())
        return;
    const FileContents contents = readGuarded(file, kMaxCacheBytes);
    if (contents.status == FileContents::Read)
        take(contents.bytes);
}

IconThemeCache IconThemeCache::fromData(const QByteArray& data)
{
    IconThemeCache cache;
    cache.take(data);
    return cache;
}

// Version 1.0 is the one gtk-update-icon-cache writes.
void IconThemeCache::take(const QByteArray& data)
{
    mData = data;
    if (!has(0, 12) || u16(0) != 1 || u16(2) != 0)
        mData.clear();
}

bool IconThemeCache::has(quint32 offset, quint32 size) const { return quint64(offset) + size <= quint64(mData.size()); }

quint16 IconThemeCache::u16(quint32 offset) const
{
    return has(offset, 2) ? qFromBigEndian<quint16>(mData.constData() + offset) : 0;
}

quint32 IconThemeCache::u32(quint32 offset) const
{
    return has(offset, 4) ? qFromBigEndian<quint32>(mData.constData() + offset) : kEndOfChain;
}

bool IconThemeCache::isNameAt(quint32 offset, const QByteArray& name) const
{
    return has(offset, quint32(name.size()) + 1) &&
        std::memcmp(mData.constData() + offset, name.constData(), size_t(name.size())) == 0 &&
        mData.at(qsizetype(offset) + name.size()) == '\0';
}

QString IconThemeCache::folderName(quint16 index) const
{
    const quint32 list = u32(8);
    if (index >= u32(list))
        return QString();
    return QString::fromUtf8(stringAt(mData, u32(list + 4 + 4 * quint32(index))));
}

QHash<QString, quint16> IconThemeCache::foldersHolding(const QString& iconName) const
{
    QHash<QString, quint16> folders;
    const QByteArray name = iconName.toUtf8();
    const quint32 table = u32(4);
    const quint32 buckets = u32(table);
    if (!isUsable() || buckets == 0 || buckets == kEndOfChain)
        return folders;
    quint32 chain = u32(table + 4 + 4 * (nameHash(name) % buckets));
    // A corrupt file could make a chain a loop, or list an icon's pictures
    // without end; no real index comes near these bounds.
    for (int steps = 0; chain != kEndOfChain && steps < kMaxChain; ++steps) {
        if (!isNameAt(u32(chain + 4), name)) {
            chain = u32(chain);
            continue;
        }
        const quint32 images = u32(chain + 8);
        const quint32 count = qMin(u32(images), kMaxPictures);
        for (quint32 i = 0; i < count && has(images + 4 + 8 * i, 8); ++i) {
            const QString folder = folderName(u16(images + 4 + 8 * i));
            if (!folder.isEmpty())
                folders[folder] |= u16(images + 4 + 8 * i + 2) & (Xpm | Svg | Png);
        }
        break;
    }
    return folders;
}

}  // namespace platform
