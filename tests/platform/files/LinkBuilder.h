// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Writes shell-link (.lnk) files byte by byte, so the reader meets the same
// layouts other systems produce: header, item ID list, link info with ANSI and
// Unicode local paths, counted strings.

#include <QByteArray>
#include <QString>

class LinkBuilder {
public:
    static constexpr int kHeaderSize = 0x4C;
    static constexpr int kLinkFlagsAt = 0x14;

    LinkBuilder& idList(int bytes);
    LinkBuilder& localBasePath(const QByteArray& path, const QByteArray& suffix = {});
    // Also stores the ANSI path, which the Unicode one should win over.
    LinkBuilder& unicodeLocalBasePath(const QString& path, const QByteArray& ansiPath);
    LinkBuilder& name(const QString& name);
    LinkBuilder& relativePath(const QString& path);
    LinkBuilder& workingDir(const QString& path);
    LinkBuilder& unicodeStrings();
    LinkBuilder& forceNoLinkInfo();

    QByteArray bytes() const;

    static void putU32(QByteArray& data, int at, quint32 value);

private:
    QByteArray header(quint32 flags) const;
    QByteArray linkInfo() const;
    QByteArray countedString(const QString& text) const;

    int mIdListBytes = -1;
    bool mHasLinkInfo = false;
    QByteArray mLocalBasePath;
    QByteArray mSuffix;
    QString mUnicodePath;
    bool mHasUnicodePath = false;
    QString mName;
    QString mRelativePath;
    QString mWorkingDir;
    bool mUnicode = false;
    bool mForceNoLinkInfo = false;
};
