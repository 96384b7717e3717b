// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/files/ShellLink.h"

#include "platform/files/GuardedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <optional>

namespace platform {

namespace {

// A link is a few hundred bytes; anything far larger is not worth reading.
constexpr qsizetype kMaxLinkBytes = 1024 * 1024;

constexpr qsizetype kHeaderSize = 0x4C;
constexpr qsizetype kLinkFlagsAt = 0x14;
constexpr unsigned char kLinkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                          0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

enum LinkFlag : quint32 {
    HasLinkTargetIdList = 0x001,
    HasLinkInfo = 0x002,
    HasName = 0x004,
    HasRelativePath = 0x008,
    HasWorkingDir = 0x010,
    HasArguments = 0x020,
    HasIconLocation = 0x040,
    IsUnicode = 0x080,
    ForceNoLinkInfo = 0x100,
};

// The counted strings that follow the link info, in the order they are stored.
constexpr LinkFlag kStringDataOrder[] = {HasName, HasRelativePath, HasWorkingDir, HasArguments, HasIconLocation};

// Link info: its header fields (from the start of the block) and flag.
constexpr qsizetype kLinkInfoFlagsAt = 0x08;
constexpr qsizetype kLocalBasePathOffsetAt = 0x10;
constexpr qsizetype kCommonPathSuffixOffsetAt = 0x18;
constexpr qsizetype kLocalBasePathUnicodeOffsetAt = 0x1C;
constexpr qsizetype kCommonPathSuffixUnicodeOffsetAt = 0x20;
constexpr qsizetype kLinkInfoMinHeader = 0x1C;
constexpr qsizetype kLinkInfoUnicodeHeader = 0x24;
constexpr quint32 kVolumeIdAndLocalBasePath = 0x1;

// Little-endian reads that answer nothing instead of reading past the end.
// Positions are 64-bit, so adding a 32-bit length to one cannot overflow.
class LinkBytes {
public:
    explicit LinkBytes(const QByteArray& data) : mData(data) {}

    bool holds(qsizetype at, qsizetype count) const
    {
        return at >= 0 && count >= 0 && at <= mData.size() && count <= mData.size() - at;
    }

    std::optional<quint32> u16(qsizetype at) const
    {
        if (!holds(at, 2))
            return std::nullopt;
        return byte(at) | (byte(at + 1) << 8);
    }

    std::optional<quint32> u32(qsizetype at) const
    {
        if (!holds(at, 4))
            return std::nullopt;
        return byte(at) | (byte(at + 1) << 8) | (byte(at + 2) << 16) | (byte(at + 3) << 24);
    }

    bool startsWithLinkHeader() const
    {
        return u32(0) == quint32(kHeaderSize) && holds(0, kHeaderSize) &&
            std::memcmp(mData.constData() + 4, kLinkClsid, sizeof kLinkClsid) == 0;
    }

    // Zero-terminated text in the system code page, the zero before `end`.
    std::optional<QString> ansiUntilZero(qsizetype at, qsizetype end) const
    {
        for (qsizetype i = at; i < end; ++i) {
            if (mData.at(i) == '\0')
                return QFile::decodeName(mData.mid(at, i - at));
        }
        return std::nullopt;
    }

    // Zero-terminated UTF-16LE text, the zero before `end`.
    std::optional<QString> utf16UntilZero(qsizetype at, qsizetype end) const
    {
        QString text;
        for (qsizetype i = at; i + 1 < end; i += 2) {
            const char16_t unit = char16_t(*u16(i));
            if (unit == 0)
                return text;
            text.append(QChar(unit));
        }
        return std::nullopt;
    }

    QString counted(qsizetype at, qsizetype count, bool unicode) const
    {
        if (!unicode)
            return QFile::decodeName(mData.mid(at, count));
        QString text;
        text.reserve(count);
        for (qsizetype i = 0; i < count; ++i)
            text.append(QChar(char16_t(*u16(at + 2 * i))));
        return text;
    }

private:
    quint32 byte(qsizetype at) const { return quint32(quint8(mData.at(at))); }

    const QByteArray& mData;
};

struct LinkInfo {
    qsizetype size = 0;
    QString localPath;  // empty when the link info holds none
};

// A string of the link info by its offset from the start of the block; an
// offset of 0 stands for an absent string.
std::optional<QString> linkInfoString(const LinkBytes& bytes, qsizetype start, qsizetype headerSize, qsizetype size,
                                      quint32 offset, bool unicode)
{
    if (offset == 0)
        return QString();
    if (offset < headerSize || offset >= size)
        return std::nullopt;
    return unicode ? bytes.utf16UntilZero(start + offset, start + size)
                   : bytes.ansiUntilZero(start + offset, start + size);
}

// The local path is the local base path followed by the common path suffix,
// each preferably from its Unicode variant.
std::optional<QString> linkInfoLocalPath(const LinkBytes& bytes, qsizetype start, qsizetype headerSize, qsizetype size)
{
    auto pick = [&](qsizetype ansiField, qsizetype unicodeField) -> std::optional<QString> {
        if (headerSize >= kLinkInfoUnicodeHeader) {
            const quint32 unicodeOffset = *bytes.u32(start + unicodeField);
            if (unicodeOffset != 0)
                return linkInfoString(bytes, start, headerSize, size, unicodeOffset, true);
        }
        return linkInfoString(bytes, start, headerSize, size, *bytes.u32(start + ansiField), false);
    };
    const std::optional<QString> base = pick(kLocalBasePathOffsetAt, kLocalBasePathUnicodeOffsetAt);
    const std::optional<QString> suffix = pick(kCommonPathSuffixOffsetAt, kCommonPathSuffixUnicodeOffsetAt);
    if (!base || !suffix)
        return std::nullopt;
    return *base + *suffix;
}

std::optional<LinkInfo> readLinkInfo(const LinkBytes& bytes, qsizetype start)
{
    const std::optional<quint32> size = bytes.u32(start);
    const std::optional<quint32> headerSize = bytes.u32(start + 4);
    if (!size || !headerSize || *headerSize < kLinkInfoMinHeader || *headerSize > *size || !bytes.holds(start, *size))
        return std::nullopt;
    LinkInfo info;
    info.size = *size;
    if ((*bytes.u32(start + kLinkInfoFlagsAt) & kVolumeIdAndLocalBasePath) == 0)
        return info;
    const std::optional<QString> path = linkInfoLocalPath(bytes, start, *headerSize, *size);
    if (!path)
        return std::nullopt;
    info.localPath = *path;
    return info;
}

struct LinkParts {
    QString localPath;
    QString relativePath;
};

// Walks the structures the link flags announce; nothing when any of them
// does not fit inside the data.
std::optional<LinkParts> readLinkParts(const QByteArray& data)
{
    const LinkBytes bytes(data);
    if (!bytes.startsWithLinkHeader())
        return std::nullopt;
    const quint32 flags = *bytes.u32(kLinkFlagsAt);
    qsizetype at = kHeaderSize;
    if (flags & HasLinkTargetIdList) {
        const std::optional<quint32> idListSize = bytes.u16(at);
        if (!idListSize || !bytes.holds(at + 2, *idListSize))
            return std::nullopt;
        at += 2 + *idListSize;
    }
    LinkParts parts;
    if (flags & HasLinkInfo) {
        const std::optional<LinkInfo> info = readLinkInfo(bytes, at);
        if (!info)
            return std::nullopt;
        if (!(flags & ForceNoLinkInfo))
            parts.localPath = info->localPath;
        at += info->size;
    }
    const bool unicode = flags & IsUnicode;
    for (const LinkFlag field : kStringDataOrder) {
        if (!(flags & field))
            continue;
        const std::optional<quint32> count = bytes.u16(at);
        const qsizetype length = count ? qsizetype(*count) * (unicode ? 2 : 1) : 0;
        if (!count || !bytes.holds(at + 2, length))
            return std::nullopt;
        if (field == HasRelativePath)
            parts.relativePath = bytes.counted(at + 2, *count, unicode);
        at += 2 + length;
    }
    return parts;
}

QString withSlashes(QString path) { return path.replace(QLatin1Char('\\'), QLatin1Char('/')); }

}  // namespace

QString linkTargetFromBytes(const QByteArray& data, const QString& linkFolder)
{
    if (data.size() > kMaxLinkBytes)
        return QString();
    const std::optional<LinkParts> parts = readLinkParts(data);
    if (!parts)
        return QString();
    QString target;
    if (!parts->localPath.isEmpty())
        target = withSlashes(parts->localPath);
    else if (!parts->relativePath.isEmpty())
        target = QDir::cleanPath(linkFolder.isEmpty() ? withSlashes(parts->relativePath)
                                                      : QDir(linkFolder).filePath(withSlashes(parts->relativePath)));
    // A file name cannot hold a zero character: such a target names nothing.
    if (target.contains(QChar(0)))
        return QString();
    return target;
}

QString linkTarget(const QString& linkPath)
{
    const platform::FileContents contents = readGuarded(linkPath, kMaxLinkBytes);
    if (contents.status != platform::FileContents::Read)
        return QString();
    return linkTargetFromBytes(contents.bytes, QFileInfo(linkPath).absolutePath());
}

}  // namespace platform
