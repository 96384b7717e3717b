// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "standard/PeIconReader.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

namespace plainbox {

namespace {

constexpr uint32_t ResourceTypeIcon = 3;
constexpr uint32_t ResourceTypeGroupIcon = 14;
constexpr uint16_t Pe32Magic = 0x10B;
constexpr uint16_t Pe32PlusMagic = 0x20B;
constexpr uint32_t ResourceTableIndex = 2;
constexpr uint32_t HighBit = 0x80000000;
constexpr int PreferredSide = 32;

// Anything that does not add up ends the reading; nothing is partly read.
struct Malformed {};

class Bytes {
public:
    explicit Bytes(QByteArrayView data) : mData(data) {}

    QByteArrayView slice(uint64_t offset, uint64_t length) const
    {
        const auto size = static_cast<uint64_t>(mData.size());
        if (offset > size || length > size - offset)
            throw Malformed{};
        return mData.sliced(static_cast<qsizetype>(offset), static_cast<qsizetype>(length));
    }
    uint8_t u8(uint64_t offset) const { return static_cast<uint8_t>(slice(offset, 1)[0]); }
    uint16_t u16(uint64_t offset) const { return uint16_t(u8(offset) | u8(offset + 1) << 8); }
    uint32_t u32(uint64_t offset) const { return uint32_t(u16(offset)) | uint32_t(u16(offset + 2)) << 16; }

private:
    QByteArrayView mData;
};

struct Section {
    uint32_t virtualAddress;
    uint32_t rawSize;
    uint32_t rawOffset;
};

struct DirectoryEntry {
    uint32_t name;  // an id, or a string's offset when the high bit is set
    uint32_t target;  // a subdirectory when the high bit is set, else a data entry
};

class PeImage {
public:
    explicit PeImage(QByteArrayView data) : mBytes(data)
    {
        if (mBytes.u16(0) != 0x5A4D)  // "MZ"
            throw Malformed{};
        const uint64_t pe = mBytes.u32(0x3C);
        if (mBytes.u32(pe) != 0x00004550)  // "PE\0\0"
            throw Malformed{};
        const uint64_t coff = pe + 4;
        const uint16_t sectionCount = mBytes.u16(coff + 2);
        const uint16_t optionalSize = mBytes.u16(coff + 16);
        const uint64_t optional = coff + 20;
        readResourceTable(optional);
        const uint64_t sectionTable = optional + optionalSize;
        for (uint32_t i = 0; i < sectionCount; ++i) {
            const uint64_t section = sectionTable + 40ull * i;
            mSections.push_back({mBytes.u32(section + 12), mBytes.u32(section + 16), mBytes.u32(section + 20)});
        }
        mResourceRoot = fileOffset(mResourceRva, 16);
    }

    // The entries of the resource directory `offset` bytes into the resources.
    std::vector<DirectoryEntry> directory(uint32_t offset) const
    {
        const uint64_t at = mResourceRoot + offset;
        const uint32_t count = uint32_t(mBytes.u16(at + 12)) + mBytes.u16(at + 14);
        mBytes.slice(at + 16, 8ull * count);  // all of them are there
        std::vector<DirectoryEntry> entries;
        for (uint32_t i = 0; i < count; ++i) {
            const uint64_t entry = at + 16 + 8ull * i;
            entries.push_back({mBytes.u32(entry), mBytes.u32(entry + 4)});
        }
        return entries;
    }

    // The data of the first language of a resource given by its directory
    // entry at the name level.
    QByteArrayView resourceData(const DirectoryEntry& nameEntry) const
    {
        const std::vector<DirectoryEntry> languages = directory(subdirectory(nameEntry));
        if (languages.empty() || (languages.front().target & HighBit))
            throw Malformed{};
        const uint64_t dataEntry = mResourceRoot + languages.front().target;
        const uint32_t rva = mBytes.u32(dataEntry);
        const uint32_t size = mBytes.u32(dataEntry + 4);
        return mBytes.slice(fileOffset(rva, size), size);
    }

    static uint32_t subdirectory(const DirectoryEntry& entry)
    {
        if (!(entry.target & HighBit))
            throw Malformed{};
        return entry.target & ~HighBit;
    }

private:
    void readResourceTable(uint64_t optional)
    {
        const uint16_t magic = mBytes.u16(optional);
        if (magic != Pe32Magic && magic != Pe32PlusMagic)
            throw Malformed{};
        const uint64_t tableCountAt = optional + (magic == Pe32Magic ? 92 : 108);
        if (mBytes.u32(tableCountAt) <= ResourceTableIndex)
            throw Malformed{};
        mResourceRva = mBytes.u32(tableCountAt + 4 + 8 * ResourceTableIndex);
    }

    // Where `length` bytes at a relative virtual address lie in the file.
    uint64_t fileOffset(uint32_t rva, uint32_t length) const
    {
        for (const Section& section : mSections) {
            if (rva < section.virtualAddress)
                continue;
            const uint64_t into = rva - section.virtualAddress;
            if (into + length <= section.rawSize)
                return section.rawOffset + into;
        }
        throw Malformed{};
    }

    Bytes mBytes;
    std::vector<Section> mSections;
    uint32_t mResourceRva = 0;
    uint64_t mResourceRoot = 0;
};

std::optional<DirectoryEntry> entryWithId(const std::vector<DirectoryEntry>& entries, uint32_t id)
{
    for (const DirectoryEntry& entry : entries) {
        if (!(entry.name & HighBit) && entry.name == id)
            return entry;
    }
    return std::nullopt;
}

// One image of an icon group: its directory fields and its RT_ICON id.
struct GroupImage {
    uint8_t width, height, colorCount;
    uint16_t planes, bitCount;
    uint16_t iconId;

    int side() const { return width == 0 ? 256 : width; }
};

std::vector<GroupImage> groupImages(QByteArrayView group)
{
    const Bytes bytes(group);
    if (bytes.u16(0) != 0 || bytes.u16(2) != 1)
        throw Malformed{};
    const uint16_t count = bytes.u16(4);
    std::vector<GroupImage> images;
    for (uint16_t i = 0; i < count; ++i) {
        const uint64_t at = 6 + 14ull * i;
        images.push_back({bytes.u8(at), bytes.u8(at + 1), bytes.u8(at + 2), bytes.u16(at + 4), bytes.u16(at + 6),
                          bytes.u16(at + 12)});
    }
    return images;
}

// Nearest to 32 pixels first, then more colours.
bool suitsBetter(const GroupImage& candidate, const GroupImage& best)
{
    const int candidateDistance = std::abs(candidate.side() - PreferredSide);
    const int bestDistance = std::abs(best.side() - PreferredSide);
    if (candidateDistance != bestDistance)
        return candidateDistance < bestDistance;
    return candidate.bitCount > best.bitCount;
}

void appendLittleEndian(QByteArray& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

QByteArray icoFile(const GroupImage& image, QByteArrayView data)
{
    constexpr uint32_t HeaderBytes = 6 + 16;
    QByteArray ico;
    appendLittleEndian(ico, 0, 2);  // reserved
    appendLittleEndian(ico, 1, 2);  // an icon
    appendLittleEndian(ico, 1, 2);  // one image
    appendLittleEndian(ico, image.width, 1);
    appendLittleEndian(ico, image.height, 1);
    appendLittleEndian(ico, image.colorCount, 1);
    appendLittleEndian(ico, 0, 1);
    appendLittleEndian(ico, image.planes, 2);
    appendLittleEndian(ico, image.bitCount, 2);
    appendLittleEndian(ico, static_cast<uint32_t>(data.size()), 4);
    appendLittleEndian(ico, HeaderBytes, 4);
    ico.append(data);
    return ico;
}

QByteArray firstIcon(const PeImage& pe)
{
    const std::vector<DirectoryEntry> types = pe.directory(0);
    const std::optional<DirectoryEntry> groupType = entryWithId(types, ResourceTypeGroupIcon);
    const std::optional<DirectoryEntry> iconType = entryWithId(types, ResourceTypeIcon);
    if (!groupType || !iconType)
        return {};
    const std::vector<DirectoryEntry> groups = pe.directory(PeImage::subdirectory(*groupType));
    if (groups.empty())
        return {};
    const std::vector<GroupImage> images = groupImages(pe.resourceData(groups.front()));
    const std::vector<DirectoryEntry> icons = pe.directory(PeImage::subdirectory(*iconType));

    std::optional<GroupImage> best;
    QByteArrayView bestData;
    for (const GroupImage& image : images) {
        const std::optional<DirectoryEntry> icon = entryWithId(icons, image.iconId);
        if (!icon || (best && !suitsBetter(image, *best)))
            continue;
        best = image;
        bestData = pe.resourceData(*icon);
    }
    return best ? icoFile(*best, bestData) : QByteArray();
}

}  // namespace

QByteArray FirstIconOfExecutable(QByteArrayView image)
{
    try {
        return firstIcon(PeImage(image));
    } catch (const Malformed&) {
        return {};
    }
}

}  // namespace plainbox
