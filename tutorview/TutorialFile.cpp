// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tutorview/TutorialFile.h"

#include "platform/files/GuardedFile.h"

#include <QStringDecoder>

#include <optional>

namespace tutorview {

namespace {

const QLatin1String Magic("K98TUTORIAL");
const QLatin1String TitleMarker("==");

QString magicLine(int version) { return QStringLiteral("%1 %2").arg(Magic).arg(version); }

std::optional<QString> decodeUtf8(const QByteArray& bytes)
{
    if (bytes.contains('\0'))
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8);  // drops a leading byte order mark
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QStringList splitLines(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    return lines;
}

}  // namespace

TutorialFile TutorialFile::load(const QString& path, int version)
{
    const platform::FileContents contents = platform::readGuarded(path, MaxBytes);
    if (contents.status != platform::FileContents::Read)
        return {};
    return parse(contents.bytes, version);
}

TutorialFile TutorialFile::parse(const QByteArray& bytes, int version)
{
    if (bytes.size() > MaxBytes)
        return {};
    const std::optional<QString> text = decodeUtf8(bytes);
    if (!text)
        return {};
    const QStringList lines = splitLines(*text);
    if (lines.first().trimmed() != magicLine(version))
        return {};
    TutorialFile file;
    if (!file.readPages(lines.mid(1)))
        return {};
    return file;
}

bool TutorialFile::readPages(const QStringList& lines)
{
    QString paragraph;
    for (const QString& line : lines)
        if (!readLine(line.trimmed(), paragraph))
            return false;
    endParagraph(paragraph);
    return lastPageHasText();
}

bool TutorialFile::readLine(const QString& line, QString& paragraph)
{
    if (line.startsWith(TitleMarker)) {
        endParagraph(paragraph);
        return startPage(line.mid(TitleMarker.size()).trimmed());
    }
    if (line.isEmpty()) {
        endParagraph(paragraph);
        return true;
    }
    if (mPages.isEmpty())
        return false;
    paragraph = paragraph.isEmpty() ? line : paragraph + QLatin1Char(' ') + line;
    return true;
}

bool TutorialFile::startPage(const QString& title)
{
    if (title.isEmpty() || mPages.size() == MaxPages || !lastPageHasText())
        return false;
    mPages.append({title, {}});
    return true;
}

void TutorialFile::endParagraph(QString& paragraph)
{
    if (paragraph.isEmpty())
        return;
    mPages.last().paragraphs.append(paragraph);
    paragraph.clear();
}

bool TutorialFile::lastPageHasText() const { return mPages.isEmpty() || !mPages.last().paragraphs.isEmpty(); }

}  // namespace tutorview
