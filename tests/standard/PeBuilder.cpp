// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PeBuilder.h"

#include <QBuffer>
#include <QImage>
#include <QMap>

namespace pe {

namespace {

constexpr uint32_t SectionRva = 0x1000;
constexpr uint32_t SectionFileOffset = 0x200;
constexpr uint32_t PeHeaderOffset = 0x40;

void put(QByteArray& out, qsizetype at, uint64_t value, int bytes)
{
    if (out.size() < at + bytes)
        out.resize(at + bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        out[at + i] = static_cast<char>(i < 8 ? (value >> (8 * i)) & 0xFF : 0);
}

void append(QByteArray& out, uint64_t value, int bytes) { put(out, out.size(), value, bytes); }

void appendDirectory(QByteArray& out, const QList<std::pair<uint32_t, uint32_t>>& entries)
{
    append(out, 0, 4);  // characteristics
    append(out, 0, 4);  // time stamp
    append(out, 0, 4);  // version
    append(out, 0, 2);  // named entries
    append(out, entries.size(), 2);
    for (const auto& [name, target] : entries) {
        append(out, name, 4);
        append(out, target, 4);
    }
}

constexpr uint32_t directoryBytes(qsizetype entries) { return 16 + 8 * uint32_t(entries); }

QByteArray resourceSection(const QList<Resource>& resources)
{
    QMap<uint16_t, QMap<uint16_t, QByteArray>> byType;
    for (const Resource& resource : resources)
        byType[resource.type][resource.id] = resource.data;

    // Offsets: root, type directories, language directories, data entries, data.
    uint32_t offset = directoryBytes(byType.size());
    QMap<uint16_t, uint32_t> typeDirectory;
    for (auto type = byType.cbegin(); type != byType.cend(); ++type) {
        typeDirectory[type.key()] = offset;
        offset += directoryBytes(type->size());
    }
    QMap<std::pair<uint16_t, uint16_t>, uint32_t> languageDirectory, dataEntry, data;
    for (auto type = byType.cbegin(); type != byType.cend(); ++type) {
        for (auto id = type->cbegin(); id != type->cend(); ++id) {
            languageDirectory[{type.key(), id.key()}] = offset;
            offset += directoryBytes(1);
        }
    }
    for (auto type = byType.cbegin(); type != byType.cend(); ++type) {
        for (auto id = type->cbegin(); id != type->cend(); ++id) {
            dataEntry[{type.key(), id.key()}] = offset;
            offset += 16;
        }
    }
    for (auto type = byType.cbegin(); type != byType.cend(); ++type) {
        for (auto id = type->cbegin(); id != type->cend(); ++id) {
            data[{type.key(), id.key()}] = offset;
            offset += (uint32_t(id->size()) + 3) & ~3u;
        }
    }

    constexpr uint32_t Subdirectory = 0x80000000;
    QByteArray out;
    QList<std::pair<uint32_t, uint32_t>> root;
    for (auto type = byType.cbegin(); type != byType.cend(); ++type)
        root.append({type.key(), Subdirectory | typeDirectory[type.key()]});
    appendDirectory(out, root);
    for (auto type = byType.cbegin(); type != byType.cend(); ++type) {
        QList<std::pair<uint32_t, uint32_t>> ids;
        for (auto id = type->cbegin(); id != type->cend(); ++id)
            ids.append({id.key(), Subdirectory | languageDirectory[{type.key(), id.key()}]});
        appendDirectory(out, ids);
    }
    for (auto type = byType.cbegin(); type != byType.cend(); ++type) {
        for (auto id = type->cbegin(); id != type->cend(); ++id)
            appendDirectory(out, {{0x409, dataEntry[{type.key(), id.key()}]}});
    }
    for (auto type = byType.cbegin(); type != byType.cend(); ++type) {
        for (auto id = type->cbegin(); id != type->cend(); ++id) {
            append(out, SectionRva + data[{type.key(), id.key()}], 4);
            append(out, id->size(), 4);
            append(out, 0, 8);
        }
    }
    for (const auto& ids : byType) {
        for (const QByteArray& resource : ids) {
            out.append(resource);
            while (out.size() % 4)
                out.append('\0');
        }
    }
    return out;
}

}  // namespace

QByteArray image(const QList<Resource>& resources, bool pe32Plus)
{
    const QByteArray section = resourceSection(resources);
    const uint16_t optionalBytes = pe32Plus ? 240 : 224;
    QByteArray out;
    put(out, 0, 0x5A4D, 2);  // "MZ"
    put(out, 0x3C, PeHeaderOffset, 4);
    put(out, PeHeaderOffset, 0x00004550, 4);  // "PE\0\0"
    const qsizetype coff = PeHeaderOffset + 4;
    put(out, coff, pe32Plus ? 0x8664 : 0x14C, 2);
    put(out, coff + 2, 1, 2);  // one section
    put(out, coff + 16, optionalBytes, 2);
    put(out, coff + 18, 0x0102, 2);
    const qsizetype optional = coff + 20;
    put(out, optional, pe32Plus ? 0x20B : 0x10B, 2);
    const qsizetype tables = optional + (pe32Plus ? 112 : 96);
    put(out, tables - 4, 16, 4);  // sixteen data directories
    put(out, tables + 8 * 2, SectionRva, 4);
    put(out, tables + 8 * 2 + 4, section.size(), 4);
    const qsizetype header = optional + optionalBytes;
    out.resize(header, '\0');
    out.append(".rsrc\0\0\0", 8);
    append(out, section.size(), 4);  // virtual size
    append(out, SectionRva, 4);
    append(out, section.size(), 4);  // raw size
    append(out, SectionFileOffset, 4);
    append(out, 0, 16);
    out.resize(SectionFileOffset, '\0');
    out.append(section);
    return out;
}

QByteArray iconData(int side, const QColor& colour)
{
    QImage picture(side, side, QImage::Format_ARGB32);
    picture.fill(colour);
    QBuffer ico;
    ico.open(QIODevice::WriteOnly);
    picture.save(&ico, "ICO");
    // A single-image .ico file: 6 bytes of header, one 16-byte entry, the image.
    return ico.data().mid(22);
}

QByteArray iconGroup(const QList<GroupEntry>& entries)
{
    QByteArray out;
    append(out, 0, 2);
    append(out, 1, 2);
    append(out, entries.size(), 2);
    for (const GroupEntry& entry : entries) {
        append(out, entry.side >= 256 ? 0 : entry.side, 1);
        append(out, entry.side >= 256 ? 0 : entry.side, 1);
        append(out, 0, 1);  // colours
        append(out, 0, 1);
        append(out, 1, 2);  // planes
        append(out, entry.bitCount, 2);
        append(out, entry.bytes, 4);
        append(out, entry.iconId, 2);
    }
    return out;
}

QList<Resource> oneIcon(const QColor& colour, uint16_t groupId, uint16_t iconId, int side)
{
    const QByteArray icon = iconData(side, colour);
    return {{RtIcon, iconId, icon}, {RtGroupIcon, groupId, iconGroup({{side, 32, uint32_t(icon.size()), iconId}})}};
}

}  // namespace pe
