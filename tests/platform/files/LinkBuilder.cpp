// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/platform/files/LinkBuilder.h"

namespace {

void appendU16(QByteArray& data, quint32 value)
{
    data.append(char(value & 0xFF));
    data.append(char((value >> 8) & 0xFF));
}

void appendU32(QByteArray& data, quint32 value)
{
    appendU16(data, value & 0xFFFF);
    appendU16(data, value >> 16);
}

void appendUtf16(QByteArray& data, const QString& text)
{
    for (const QChar c : text)
        appendU16(data, c.unicode());
}

}  // namespace

LinkBuilder& LinkBuilder::idList(int bytes)
{
    mIdListBytes = bytes;
    return *this;
}

LinkBuilder& LinkBuilder::localBasePath(const QByteArray& path, const QByteArray& suffix)
{
    mHasLinkInfo = true;
    mLocalBasePath = path;
    mSuffix = suffix;
    return *this;
}

LinkBuilder& LinkBuilder::unicodeLocalBasePath(const QString& path, const QByteArray& ansiPath)
{
    localBasePath(ansiPath);
    mUnicodePath = path;
    mHasUnicodePath = true;
    return *this;
}

LinkBuilder& LinkBuilder::name(const QString& name)
{
    mName = name;
    return *this;
}

LinkBuilder& LinkBuilder::relativePath(const QString& path)
{
    mRelativePath = path;
    return *this;
}

LinkBuilder& LinkBuilder::workingDir(const QString& path)
{
    mWorkingDir = path;
    return *this;
}

LinkBuilder& LinkBuilder::unicodeStrings()
{
    mUnicode = true;
    return *this;
}

LinkBuilder& LinkBuilder::forceNoLinkInfo()
{
    mForceNoLinkInfo = true;
    return *this;
}

void LinkBuilder::putU32(QByteArray& data, int at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        data[at + i] = char((value >> (8 * i)) & 0xFF);
}

QByteArray LinkBuilder::header(quint32 flags) const
{
    QByteArray data;
    appendU32(data, kHeaderSize);
    data.append(QByteArray::fromHex("0114020000000000C000000000000046"));
    appendU32(data, flags);
    data.append(QByteArray(kHeaderSize - data.size(), '\0'));
    return data;
}

// Header, a small volume ID, then the strings the offsets point at.
QByteArray LinkBuilder::linkInfo() const
{
    const quint32 headerSize = mHasUnicodePath ? 0x24 : 0x1C;
    QByteArray volumeId;
    appendU32(volumeId, 0x11);
    appendU32(volumeId, 3);  // fixed drive
    appendU32(volumeId, 0x12345678);  // serial number
    appendU32(volumeId, 0x10);  // label offset: the empty label below
    volumeId.append('\0');

    QByteArray body = volumeId;
    const quint32 baseOffset = headerSize + body.size();
    body.append(mLocalBasePath).append('\0');
    const quint32 suffixOffset = headerSize + body.size();
    body.append(mSuffix).append('\0');
    quint32 unicodeBaseOffset = 0;
    quint32 unicodeSuffixOffset = 0;
    if (mHasUnicodePath) {
        unicodeBaseOffset = headerSize + body.size();
        appendUtf16(body, mUnicodePath);
        appendU16(body, 0);
        unicodeSuffixOffset = headerSize + body.size();
        appendU16(body, 0);
    }

    QByteArray info;
    appendU32(info, headerSize + body.size());
    appendU32(info, headerSize);
    appendU32(info, 0x1);  // volume ID and local base path
    appendU32(info, headerSize);
    appendU32(info, baseOffset);
    appendU32(info, 0);  // no network link
    appendU32(info, suffixOffset);
    if (mHasUnicodePath) {
        appendU32(info, unicodeBaseOffset);
        appendU32(info, unicodeSuffixOffset);
    }
    return info + body;
}

QByteArray LinkBuilder::countedString(const QString& text) const
{
    QByteArray data;
    if (mUnicode) {
        appendU16(data, text.size());
        appendUtf16(data, text);
    } else {
        const QByteArray bytes = text.toUtf8();
        appendU16(data, bytes.size());
        data.append(bytes);
    }
    return data;
}

QByteArray LinkBuilder::bytes() const
{
    quint32 flags = 0;
    if (mIdListBytes >= 0)
        flags |= 0x1;
    if (mHasLinkInfo)
        flags |= 0x2;
    if (!mName.isEmpty())
        flags |= 0x4;
    if (!mRelativePath.isEmpty())
        flags |= 0x8;
    if (!mWorkingDir.isEmpty())
        flags |= 0x10;
    if (mUnicode)
        flags |= 0x80;
    if (mForceNoLinkInfo)
        flags |= 0x100;

    QByteArray data = header(flags);
    if (mIdListBytes >= 0) {
        appendU16(data, mIdListBytes);
        data.append(QByteArray(mIdListBytes, '\x5A'));
    }
    if (mHasLinkInfo)
        data.append(linkInfo());
    for (const QString& text : {mName, mRelativePath, mWorkingDir}) {
        if (!text.isEmpty())
            data.append(countedString(text));
    }
    return data;
}
