// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/settings/IniDocument.h"

#include <QList>
#include <QStringDecoder>

#include <algorithm>

namespace rt {

const QByteArray IniDocument::FormatLine =
    QByteArrayLiteral("; Kestrel 98 settings. A value is read as written, up to the end of its line.");

namespace {

// ---- Names ----------------------------------------------------------------

QString percentEncoded(QChar c) { return u'%' + QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0'); }

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Reads `count` hex digits at `at`; -1 when they are not all there.
int hexNumber(const QString& text, qsizetype at, int count)
{
    if (at + count > text.size())
        return -1;
    int number = 0;
    for (int i = 0; i < count; ++i) {
        const int digit = hexValue(text[at + i]);
        if (digit < 0)
            return -1;
        number = number * 16 + digit;
    }
    return number;
}

// The first of two layers a name goes through, kept from the store's first
// format: "%" and "/" as %XX, an empty name as "%", and the first letter of
// any "general" as %XX (that group once stood for the top of the file).
QString storedName(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("%");
    QString stored;
    stored.reserve(name.size());
    for (QChar c : name)
        stored += (c == u'%' || c == u'/') ? percentEncoded(c) : QString(c);
    if (name.compare(u"general", Qt::CaseInsensitive) == 0)
        stored.replace(0, 1, percentEncoded(name.front()));
    return stored;
}

QString nameOfStored(const QString& stored)
{
    if (stored == u"%")
        return QString();
    QString name;
    name.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const int code = stored[i] == u'%' ? hexNumber(stored, i + 1, 2) : -1;
        if (code < 0) {
            name += stored[i];
            continue;
        }
        name += QChar(code);
        i += 2;
    }
    return name;
}

// The second layer: what may stand in a line as it is.
QByteArray escapedName(const QString& name)
{
    QByteArray escaped;
    for (QChar c : name) {
        const char16_t u = c.unicode();
        if (u == u'/')
            escaped += '\\';
        else if ((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_' ||
                 u == u'-' || u == u'.')
            escaped += char(u);
        else if (u <= 0xFF)
            escaped += '%' + QByteArray::number(u, 16).toUpper().rightJustified(2, '0');
        else
            escaped += "%U" + QByteArray::number(u, 16).toUpper().rightJustified(4, '0');
    }
    return escaped;
}

QString unescapedName(const QString& text)
{
    QString name;
    name.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\') {
            name += u'/';
            continue;
        }
        if (c == u'%') {
            if (i + 1 < text.size() && text[i + 1] == u'U') {
                const int code = hexNumber(text, i + 2, 4);
                if (code >= 0) {
                    name += QChar(code);
                    i += 5;
                    continue;
                }
            }
            const int code = hexNumber(text, i + 1, 2);
            if (code >= 0) {
                name += QChar(code);
                i += 2;
                continue;
            }
        }
        name += c;
    }
    return name;
}

QByteArray encodedName(const QString& name) { return escapedName(storedName(name)); }

// A header named "general" in any case was the top of the file to the first
// format's reader, never a section of ours.
std::optional<QString> sectionOfHeader(const QString& text)
{
    const QString stored = unescapedName(text);
    if (stored.compare(u"general", Qt::CaseInsensitive) == 0)
        return std::nullopt;
    return nameOfStored(stored);
}

// ---- Values ---------------------------------------------------------------

// Backslash escapes for what cannot stand in a line, "\" and the double
// quote; a hex escape is never followed by a bare hex digit.
QString escapedText(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size() + 2);
    bool afterHexEscape = false;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (afterHexEscape && hexValue(c) >= 0) {
            escaped += QStringLiteral("\\x") + QString::number(u, 16);
            continue;
        }
        afterHexEscape = false;
        switch (u) {
        case 0:
            escaped += QStringLiteral("\\0");
            afterHexEscape = true;
            break;
        case '\a': escaped += QStringLiteral("\\a"); break;
        case '\b': escaped += QStringLiteral("\\b"); break;
        case '\f': escaped += QStringLiteral("\\f"); break;
        case '\n': escaped += QStringLiteral("\\n"); break;
        case '\r': escaped += QStringLiteral("\\r"); break;
        case '\t': escaped += QStringLiteral("\\t"); break;
        case '\v': escaped += QStringLiteral("\\v"); break;
        case '"':
        case '\\':
            escaped += u'\\';
            escaped += c;
            break;
        default:
            if (u <= 0x1F) {
                escaped += QStringLiteral("\\x") + QString::number(u, 16);
                afterHexEscape = true;
            } else {
                escaped += c;
            }
        }
    }
    return escaped;
}

// The reverse of escapedText; none for text it never writes (a bare quote,
// an unknown escape, a "\" at the end).
std::optional<QString> unescapedText(const QString& text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"')
            return std::nullopt;
        if (c != u'\\') {
            plain += c;
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i].unicode()) {
        case '0': plain += QChar(0); break;
        case 'a': plain += u'\a'; break;
        case 'b': plain += u'\b'; break;
        case 'f': plain += u'\f'; break;
        case 'n': plain += u'\n'; break;
        case 'r': plain += u'\r'; break;
        case 't': plain += u'\t'; break;
        case 'v': plain += u'\v'; break;
        case '"': plain += u'"'; break;
        case '\\': plain += u'\\'; break;
        case 'x': {
            qsizetype end = i + 1;
            uint code = 0;
            while (end < text.size() && hexValue(text[end]) >= 0 && code <= 0xFFFF)
                code = code * 16 + uint(hexValue(text[end++]));
            if (end == i + 1 || code > 0xFFFF)
                return std::nullopt;
            plain += QChar(char16_t(code));
            i = end - 1;
            break;
        }
        default: return std::nullopt;
        }
    }
    return plain;
}

bool isQuoted(const QString& text) { return text.size() >= 2 && text.front() == u'"' && text.back() == u'"'; }

QString withoutQuotes(const QString& text) { return text.mid(1, text.size() - 2); }

bool isLayoutSpace(QChar c) { return c == u' ' || c == u'\t'; }

// Only spaces and tabs lay a line out; any other white space is text.
QString withoutLayoutSpace(const QString& text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && isLayoutSpace(text[begin]))
        ++begin;
    while (end > begin && isLayoutSpace(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

std::optional<QString> quotedValue(const QString& written);

// Whether a value must be written quoted to read back as itself.
bool needsQuotes(const QString& value)
{
    if (!value.isEmpty() && (isLayoutSpace(value.front()) || isLayoutSpace(value.back())))
        return true;
    if (std::any_of(value.begin(), value.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; }))
        return true;
    return quotedValue(value).has_value();
}

// A written value in quotes is one of ours when the text inside reads as
// escapes and the value needed them; else the quotes are the user's own.
std::optional<QString> quotedValue(const QString& written)
{
    if (!isQuoted(written))
        return std::nullopt;
    std::optional<QString> inside = unescapedText(withoutQuotes(written));
    if (!inside || !needsQuotes(*inside))
        return std::nullopt;
    return inside;
}

QString valueAsWritten(const QString& written) { return quotedValue(written).value_or(written); }

QString writtenValue(const QString& value) { return needsQuotes(value) ? u'"' + escapedText(value) + u'"' : value; }

// The first format's writer, for telling its escapes from the user's text.
QString firstFormatWritten(const QString& value)
{
    QString text = value;
    if (value.contains(QChar(0)))
        text = QStringLiteral("@String(") + value + u')';
    else if (value.startsWith(u'@'))
        text.prepend(u'@');
    const bool separators =
        std::any_of(text.begin(), text.end(), [](QChar c) { return c == u';' || c == u',' || c == u'='; });
    QString escaped = escapedText(text);
    if (separators || escaped.startsWith(u' ') || escaped.endsWith(u' '))
        escaped = u'"' + escaped + u'"';
    return escaped;
}

// A value of a file from before this format: what the first writer meant by
// it when it is exactly as that writer would have put it, else the text.
QString firstFormatValue(const QString& written)
{
    std::optional<QString> text = unescapedText(isQuoted(written) ? withoutQuotes(written) : written);
    if (!text)
        return written;
    if (text->startsWith(QStringLiteral("@@")))
        text->remove(0, 1);
    else if (text->startsWith(QStringLiteral("@String(")) && text->endsWith(u')'))
        *text = text->mid(8, text->size() - 9);
    return firstFormatWritten(*text) == written ? *text : written;
}

bool isUtf8(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(bytes);  // the decoder only runs when its result is taken
    return !utf8.hasError();
}

QByteArray withoutCarriageReturn(const QByteArray& raw) { return raw.endsWith('\r') ? raw.chopped(1) : raw; }

QString lineText(const QByteArray& raw) { return withoutLayoutSpace(QString::fromUtf8(withoutCarriageReturn(raw))); }

bool isBlank(const QByteArray& raw) { return lineText(raw).isEmpty(); }

bool isBlankOrComment(const QByteArray& raw)
{
    const QString text = lineText(raw);
    return text.isEmpty() || text.startsWith(u';') || text.startsWith(u'#');
}

}  // namespace

IniDocument::Line IniDocument::parseLine(const QByteArray& raw, const std::optional<QString>& section, bool legacy)
{
    Line line;
    line.raw = raw;
    if (isBlankOrComment(raw))
        return line;
    const QString text = lineText(raw);
    if (text.startsWith(u'[')) {
        if (text.endsWith(u']')) {
            line.kind = Kind::Header;
            line.section = sectionOfHeader(text.mid(1, text.size() - 2));
        }
        return line;
    }
    const qsizetype equals = text.indexOf(u'=');
    if (equals <= 0)
        return line;
    line.kind = Kind::Entry;
    line.section = section;
    line.key = nameOfStored(unescapedName(withoutLayoutSpace(text.left(equals))));
    const QString written = withoutLayoutSpace(text.mid(equals + 1));
    line.value = legacy ? firstFormatValue(written) : valueAsWritten(written);
    return line;
}

IniDocument::Line IniDocument::entryLine(const QString& section, const QString& key, const QString& value)
{
    Line line;
    line.raw = encodedName(key) + '=' + writtenValue(value).toUtf8();
    line.kind = Kind::Entry;
    line.section = section;
    line.key = key;
    line.value = value;
    return line;
}

IniDocument IniDocument::parse(const QByteArray& bytes)
{
    IniDocument document;
    QList<QByteArray> raws = bytes.split('\n');
    if (bytes.isEmpty() || bytes.endsWith('\n'))
        raws.removeLast();
    const bool legacy = raws.isEmpty() || withoutCarriageReturn(raws.front()) != FormatLine;
    document.mLines.reserve(size_t(raws.size()) + 1);
    std::optional<QString> section;
    for (const QByteArray& raw : raws) {
        Line line = parseLine(raw, section, legacy);
        if (line.kind == Kind::Header)
            section = line.section;
        if (line.kind == Kind::Other && !isBlankOrComment(line.raw))
            document.mUnreadable = true;
        document.mLines.push_back(std::move(line));
    }
    if (!isUtf8(bytes))
        document.mUnreadable = true;
    if (legacy) {
        document.rewriteLegacyEntries();
        Line format;
        format.raw = FormatLine;
        document.mLines.insert(document.mLines.begin(), format);
    }
    return document;
}

// Lines from before this format that would read differently in it are
// written anew; the others stay as they were.
void IniDocument::rewriteLegacyEntries()
{
    for (Line& line : mLines) {
        if (line.kind != Kind::Entry)
            continue;
        const QByteArray written = withoutCarriageReturn(line.raw);
        const QString writtenValueText = withoutLayoutSpace(QString::fromUtf8(written.mid(written.indexOf('=') + 1)));
        if (valueAsWritten(writtenValueText) != line.value)
            line.raw = written.left(written.indexOf('=')).trimmed() + '=' + writtenValue(line.value).toUtf8();
    }
}

QByteArray IniDocument::serialize() const
{
    QByteArray bytes;
    for (const Line& line : mLines)
        bytes += line.raw + '\n';
    return bytes;
}

const IniDocument::Line* IniDocument::findEntry(const QString& section, const QString& key) const
{
    const auto found = std::find_if(mLines.rbegin(), mLines.rend(), [&](const Line& line) {
        return line.kind == Kind::Entry && line.section == section && line.key == key;
    });
    return found == mLines.rend() ? nullptr : &*found;
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const
{
    const Line* entry = findEntry(section, key);
    return entry ? std::optional<QString>(entry->value) : std::nullopt;
}

std::optional<std::vector<IniDocument::Line>::iterator> IniDocument::endOfLastBlock(const QString& section)
{
    const auto header = std::find_if(mLines.rbegin(), mLines.rend(), [&](const Line& line) {
        return line.kind == Kind::Header && line.section == section;
    });
    if (header == mLines.rend())
        return std::nullopt;
    auto end = std::prev(header.base());
    for (auto it = std::next(end); it != mLines.end() && it->kind != Kind::Header; ++it) {
        if (it->kind == Kind::Entry)
            end = it;
    }
    return std::next(end);
}

void IniDocument::setValue(const QString& section, const QString& key, const QString& value)
{
    if (const Line* entry = findEntry(section, key)) {
        if (entry->value != value)
            *const_cast<Line*>(entry) = entryLine(section, key, value);
        return;
    }
    if (const auto blockEnd = endOfLastBlock(section)) {
        mLines.insert(*blockEnd, entryLine(section, key, value));
        return;
    }
    if (!mLines.empty() && !isBlank(mLines.back().raw))
        mLines.push_back(Line{});
    Line header;
    header.raw = '[' + encodedName(section) + ']';
    header.kind = Kind::Header;
    header.section = section;
    mLines.push_back(header);
    mLines.push_back(entryLine(section, key, value));
}

void IniDocument::removeKey(const QString& section, const QString& key)
{
    std::erase_if(mLines, [&](const Line& line) {
        return line.kind == Kind::Entry && line.section == section && line.key == key;
    });
}

void IniDocument::removeSection(const QString& section)
{
    for (size_t begin = 0; begin < mLines.size();) {
        if (mLines[begin].kind != Kind::Header || mLines[begin].section != section) {
            ++begin;
            continue;
        }
        size_t end = begin + 1;
        while (end < mLines.size() && mLines[end].kind != Kind::Header)
            ++end;
        // Comments just above the next header are about that section.
        if (end < mLines.size()) {
            size_t comments = end;
            while (comments > begin + 1 && mLines[comments - 1].kind == Kind::Other &&
                   isBlankOrComment(mLines[comments - 1].raw))
                --comments;
            while (comments < end && isBlank(mLines[comments].raw))
                ++comments;
            end = comments;
        }
        mLines.erase(mLines.begin() + qsizetype(begin), mLines.begin() + qsizetype(end));
    }
}

}  // namespace rt
