// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file format: hand-written values read as written, files of the
// first format read as that store wrote them, and saves leave every other
// line as it was.

#include "runtime/settings/IniDocument.h"

#include <QFile>

#include <gtest/gtest.h>

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

using rt::IniDocument;

const QByteArray Marked = IniDocument::FormatLine + '\n';

QString valueOf(const IniDocument& document, const QString& section, const QString& key)
{
    return document.value(section, key).value_or(QStringLiteral("<absent>"));
}

struct HandWritten {
    const char* line;  // as typed after "key="
    const char* value;
};

// Read the same with and without the format line: none of these is what the
// first writer could have put down.
const HandWritten kEitherFormat[] = {
    {"a,b.sh", "a,b.sh"},
    {"/opt/x,y/run.sh|Tool, with commas", "/opt/x,y/run.sh|Tool, with commas"},
    {"x;y ; not a comment", "x;y ; not a comment"},
    {"\"quoted\"", "\"quoted\""},
    {"'single'", "'single'"},
    {"\"", "\""},
    {"\"\"", "\"\""},
    {"say \"hi\"", "say \"hi\""},
    {R"(C:\path\to\)", R"(C:\path\to\)"},
    {"a=b=c", "a=b=c"},
    {"=", "="},
    {"  padded value  ", "padded value"},
    {"\tx\t", "x"},
    {"Grüße 😀 ключ", "Grüße 😀 ключ"},
    {"@not special", "@not special"},
    {"#x", "#x"},
    {"", ""},
};

// Backslashes the first writer also used for escapes: as written only in a
// file of this format.
const HandWritten kThisFormatOnly[] = {
    {"C:\\new\\table", "C:\\new\\table"},
    {"a\\\\b", "a\\\\b"},
    {"@@x", "@@x"},
    {"\"a, b\"", "\"a, b\""},
};

QByteArray fileOf(const QByteArray& head, const std::vector<HandWritten>& rows)
{
    QByteArray text = head + "[Items]\n; a comment between keys\n";
    for (size_t i = 0; i < rows.size(); ++i) {
        text += QByteArray::number(qulonglong(i)) + '=' + rows[i].line + '\n';
        if (i % 3 == 1)
            text += "# another comment\n\n";
    }
    return text;
}

TEST(IniDocumentTest, HandWrittenValuesReadExactlyAsTyped)
{
    std::vector<HandWritten> both(std::begin(kEitherFormat), std::end(kEitherFormat));
    std::vector<HandWritten> all = both;
    all.insert(all.end(), std::begin(kThisFormatOnly), std::end(kThisFormatOnly));

    const IniDocument marked = IniDocument::parse(fileOf(Marked, all));
    for (size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(valueOf(marked, "Items", QString::number(i)), QString::fromUtf8(all[i].value)) << all[i].line;
    EXPECT_FALSE(marked.holdsUnreadableText());

    const IniDocument unmarked = IniDocument::parse(fileOf("", both));
    for (size_t i = 0; i < both.size(); ++i)
        EXPECT_EQ(valueOf(unmarked, "Items", QString::number(i)), QString::fromUtf8(both[i].value)) << both[i].line;
}

TEST(IniDocumentTest, ASaveLeavesEveryUntouchedLineByteForByte)
{
    std::vector<HandWritten> all(std::begin(kEitherFormat), std::end(kEitherFormat));
    all.insert(all.end(), std::begin(kThisFormatOnly), std::end(kThisFormatOnly));
    const QByteArray original =
        fileOf(Marked, all) + "\r\n[Setting]\r\nTop=300\r\nUnknownKey = kept\r\nthis is no setting\n";

    IniDocument document = IniDocument::parse(original);
    EXPECT_TRUE(document.holdsUnreadableText());
    document.setValue("Setting", "Top", "450");
    document.setValue("Setting", "Left", "15");
    document.setValue("Items", "99", "new item");
    document.setValue("New section", "0", "sep");
    const QByteArray saved = document.serialize();

    QList<QByteArray> expected = original.split('\n');
    expected.removeLast();
    expected.replace(expected.indexOf("Top=300\r"), "Top=450");
    expected.insert(expected.indexOf("UnknownKey = kept\r") + 1, "Left=15");
    const QByteArray lastItem = QByteArray::number(qulonglong(all.size() - 1)) + '=' + all.back().line;
    expected.insert(expected.indexOf(lastItem) + 1, "99=new item");
    expected << ""
             << "[New%20section]"
             << "0=sep";
    EXPECT_EQ(saved, expected.join('\n') + '\n');
    EXPECT_EQ(valueOf(IniDocument::parse(saved), "Items", "0"), "a,b.sh");
}

TEST(IniDocumentTest, AFileOfTheFirstFormatReadsAsThatStoreWroteIt)
{
    QFile file(QStringLiteral(K98_TEST_DATA_DIR "/first-format-settings.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray firstFormat = file.readAll();

    // What that store was asked to save, section, key and value.
    const QStringList sections = {
        "Items",    "groupTools", "group My Tools",
        "a/b",      "a//b",       "/a",
        "a/",       "a\\b",       "100%",
        "%2F",      "%",          "",
        " spaced ", "a=b",        "[x]",
        "Grüße",    "😀",          "general",
        "General",  "GENERAL",    "tools",
        "Tools",    "@x",
    };
    const QStringList values = {
        "",
        " lead",
        "trail ",
        "  both  ",
        "a|b|:c",
        R"(C:\path\to\)",
        "@leading at",
        "@@",
        "@Invalid()",
        "a,b",
        "a, b",
        "x;y",
        "#x",
        "=",
        "\"quoted\"",
        "line\nbreak\ttab\r",
        QString(QChar(0)) + "nul",
        QString(QChar(0)) + "7",
        "bell\ax\x1f",
        "äöü € 😀",
        "del\x7f",
        "[x]",
        "a=b=c",
        "; not a comment",
        "x\\ny",
        "x\\",
        "ok",
    };
    const QStringList keys = {"a/b", "General", "", "%", "k=v", " k ", "[k]", "ключ", "0", "Top", "MaskColor"};
    auto expectAll = [&](const IniDocument& document, const char* what) {
        for (int i = 0; i < sections.size(); ++i)
            EXPECT_EQ(valueOf(document, sections[i], "0"), QString::number(i))
                << what << " section " << sections[i].toStdString();
        for (int i = 0; i < values.size(); ++i)
            EXPECT_EQ(valueOf(document, "Values", QString::number(i)), values[i]) << what << " value " << i;
        for (const QString& key : keys)
            EXPECT_EQ(valueOf(document, "Keys", key), "key " + key) << what << " key " << key.toStdString();
    };

    IniDocument document = IniDocument::parse(firstFormat);
    expectAll(document, "as read:");
    EXPECT_FALSE(document.holdsUnreadableText());

    // Written in this format, lines whose text would now read differently are
    // written anew, and everything reads the same.
    document.setValue("Setting", "Top", "300");
    const QByteArray rewritten = document.serialize();
    EXPECT_TRUE(rewritten.startsWith(Marked));
    EXPECT_TRUE(rewritten.contains("\n4=a|b|:c\n"));
    EXPECT_TRUE(rewritten.contains("\n5=C:\\path\\to\\\n"));
    EXPECT_TRUE(rewritten.contains("\n9=a,b\n"));
    expectAll(IniDocument::parse(rewritten), "rewritten:");
}

TEST(IniDocumentTest, AnyValueRoundTripsThroughTheFile)
{
    const QStringList values = {
        "",           " ",         " lead",     "trail\t",
        "\"quoted\"", "\" lead\"", R"("\n")",   "\"",
        "\\",         "\\\"",      "a\nb\r\n",  QString(QChar(0)) + "0",
        "\x01\x7f",   R"("\x41")", R"("\x01")", QStringLiteral("\u00a0nbsp\u3000"),
        "😀",          "=;#,[]",    "@@",        "@String(x)",
    };
    IniDocument document = IniDocument::parse(Marked);
    for (int i = 0; i < values.size(); ++i)
        document.setValue("V", QString::number(i), values[i]);
    const IniDocument reread = IniDocument::parse(document.serialize());
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(valueOf(reread, "V", QString::number(i)), values[i]) << "value " << i;
}

TEST(IniDocumentTest, KeysAndSectionsKeepTheirPlaceAndCase)
{
    IniDocument document = IniDocument::parse(Marked + "[A]\n0=x\n; about B\n[B]\n0=y\n[A]\n1=z\n\n; tail\n");
    EXPECT_EQ(valueOf(document, "A", "1"), "z");
    EXPECT_EQ(valueOf(document, "a", "1"), "<absent>");

    document.setValue("A", "2", "w");
    document.removeKey("A", "0");
    EXPECT_EQ(document.serialize(), Marked + "[A]\n; about B\n[B]\n0=y\n[A]\n1=z\n2=w\n\n; tail\n");

    document.removeSection("A");
    EXPECT_EQ(document.serialize(), Marked + "; about B\n[B]\n0=y\n");
    EXPECT_EQ(valueOf(document, "A", "1"), "<absent>");
}

}  // namespace
