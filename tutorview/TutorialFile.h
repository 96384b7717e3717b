// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The tutorial file, "Tutorial.lib": UTF-8 text of at most MaxBytes, lines
// ending in LF or CR LF.
//
//   K98TUTORIAL 1            the magic word, one space, the format version
//   == Welcome               "==" starts a page; the rest of the line is its title
//   The first paragraph      body lines: consecutive lines form one paragraph
//   may run over lines.      and are joined with a space
//                            a blank line ends a paragraph
//   A second paragraph.
//   == The next page
//   ...
//
// Leading and trailing spaces of every line are ignored, and so is a byte
// order mark. The text is shown as it is, never as markup.
//
// A file is taken whole or not at all. These give no pages: another magic
// word or version, text before the first page, a page without a title or
// without text, more than MaxPages pages, invalid UTF-8, a NUL byte, more
// than MaxBytes.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace tutorview {

class TutorialFile {
public:
    static constexpr qsizetype MaxBytes = 64 * 1024;
    static constexpr qsizetype MaxPages = 64;

    struct Page {
        QString title;
        QStringList paragraphs;
    };

    // Reads a regular file only: a missing path, a folder, a device or a pipe
    // (which could block the reader forever) gives no pages.
    static TutorialFile load(const QString& path, int version);
    static TutorialFile parse(const QByteArray& bytes, int version);

    const QList<Page>& pages() const& { return mPages; }
    // Taken from a temporary, the pages are moved out rather than left dangling.
    QList<Page> pages() && { return std::move(mPages); }

private:
    bool readPages(const QStringList& lines);
    bool readLine(const QString& line, QString& paragraph);
    bool startPage(const QString& title);
    void endParagraph(QString& paragraph);
    bool lastPageHasText() const;

    QList<Page> mPages;
};

}  // namespace tutorview
