// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Shows the input box the way a program does and prints the text it returns,
// for the end-to-end pictures of it on a real desktop.
// Usage: show_input_box CAPTION PROMPT [TEXT]; "\n" in PROMPT starts a line.

#include "standard/CInputBox.h"

#include <cstdio>
#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: show_input_box CAPTION PROMPT [TEXT]\n");
        return 2;
    }
    const QString prompt = QString::fromLocal8Bit(argv[2]).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    rt::ComPtr<plainbox::CInputBox> input(new plainbox::CInputBox);
    input->SetInfo(QString::fromLocal8Bit(argv[1]), QString(), prompt,
                   argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString());
    input->Show();
    std::printf("%s\n", qPrintable(input->Text()));
    return 0;
}
