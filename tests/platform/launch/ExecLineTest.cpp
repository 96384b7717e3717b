// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/launch/ExecLine.h"

#include <gtest/gtest.h>

using platform::ExecContext;
using platform::expandExec;

namespace {

struct ExecCase {
    const char* exec;
    std::optional<QStringList> expected;  // nothing: the entry is invalid
};

const ExecContext kContext{QStringLiteral("accessories-editor"), QStringLiteral("Text Editor"),
                           QStringLiteral("/usr/share/applications/editor.desktop")};

void expectAll(const std::initializer_list<ExecCase>& cases)
{
    for (const ExecCase& c : cases)
        EXPECT_EQ(expandExec(QString::fromUtf8(c.exec), kContext), c.expected) << c.exec;
}

}  // namespace

TEST(ExecLine, QuotingAndEscapes)
{
    expectAll({
        {"prog  -a\tb", QStringList{"prog", "-a", "b"}},
        {R"("/opt/my app/run" "two words" x)", QStringList{"/opt/my app/run", "two words", "x"}},
        {R"(echo "say \"hi\"" "\$HOME" "a\\b" "\`x\`")", QStringList{"echo", "say \"hi\"", "$HOME", "a\\b", "`x`"}},
        // Inside quotes a backslash before anything else stays.
        {R"(prog "a\nb")", QStringList{"prog", "a\\nb"}},
        {"prog \"\" end", QStringList{"prog", "", "end"}},
        {"pre\"fix\"ed", QStringList{"prefixed"}},
        {"prog 'single quoted'", QStringList{"prog", "'single", "quoted'"}},
        {"prog \"open", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
    });
}

TEST(ExecLine, FieldCodes)
{
    expectAll({
        // No files are handed over: the file and URL codes vanish, alone or not.
        {"prog %f %F %u %U", QStringList{"prog"}},
        {"prog --file=%f", QStringList{"prog", "--file="}},
        {"prog 100%% %%f \"%%\"", QStringList{"prog", "100%", "%f", "%"}},
        // Deprecated codes are removed.
        {"prog %d %D %n %N %v %m x", QStringList{"prog", "x"}},
        {"prog %i %f", QStringList{"prog", "--icon", "accessories-editor"}},
        {"prog --name=%c %k", QStringList{"prog", "--name=Text Editor", "/usr/share/applications/editor.desktop"}},
        {"prog \"%c\"", QStringList{"prog", "Text Editor"}},
        // Unknown codes and a lone percent sign make the entry invalid.
        {"prog %x", std::nullopt},
        {"prog 5%", std::nullopt},
        {"prog %", std::nullopt},
        {"%f", std::nullopt},
    });
    EXPECT_EQ(expandExec(QStringLiteral("prog %i"), {}), QStringList{"prog"});
}

// The examples the desktop entry format's own documentation gives.
TEST(ExecLine, DocumentedExamples)
{
    expectAll({
        {R"(sh -c "echo \"\\$HOME\"")", QStringList{"sh", "-c", R"(echo "\$HOME")"}},
        {"gimp %U", QStringList{"gimp"}},
        {"\"/usr/bin/my program\" --new-window %u", QStringList{"/usr/bin/my program", "--new-window"}},
        {"fooview %F", QStringList{"fooview"}},
    });
}
