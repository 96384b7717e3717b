// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The settings file as text. Every line is kept as it was read, so comments,
// blank lines, keys the program does not know, lines it cannot read and the
// order of a file edited by hand survive a save; only the lines of changed
// keys are written anew.
//
// Values are read as written, from after the "=" to the end of the line, less
// the spaces and tabs around them. A value that cannot be written that way (a
// line break or other control character, spaces at either end, or a quoted
// text that would read as one of these) is written in double quotes with
// backslash escapes. Files written before this format (they lack its first
// line) read as they did then: quoted values and the escapes of that writer
// are taken out where the value is exactly as that writer put it.
//
// Section and key names are written as they always were: letters, digits and
// "_-." as they are, other characters as %XX or %UXXXX, so that a name never
// breaks the line it is on.

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace rt {

class IniDocument {
public:
    static IniDocument parse(const QByteArray& bytes);
    QByteArray serialize() const;

    std::optional<QString> value(const QString& section, const QString& key) const;
    void setValue(const QString& section, const QString& key, const QString& value);
    void removeKey(const QString& section, const QString& key);
    // Removes every block of lines under the section's headers.
    void removeSection(const QString& section);

    // Bytes that are not UTF-8, or a line that is neither blank, a comment, a
    // [section] nor key=value.
    bool holdsUnreadableText() const { return mUnreadable; }

    // The first line of every file this writer writes.
    static const QByteArray FormatLine;

private:
    enum class Kind { Other, Header, Entry };
    struct Line {
        QByteArray raw;
        Kind kind = Kind::Other;
        // The section a header opens or an entry is in; none for lines before
        // the first header and sections no name of ours maps to.
        std::optional<QString> section;
        QString key;
        QString value;
    };

    static Line parseLine(const QByteArray& raw, const std::optional<QString>& section, bool legacy);
    static Line entryLine(const QString& section, const QString& key, const QString& value);
    const Line* findEntry(const QString& section, const QString& key) const;
    // Where a new key of the section goes: after the last key of its last block.
    std::optional<std::vector<Line>::iterator> endOfLastBlock(const QString& section);
    void rewriteLegacyEntries();

    std::vector<Line> mLines;
    bool mUnreadable = false;
};

}  // namespace rt
