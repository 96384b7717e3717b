// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up and memory: the least a Qt Widgets program can
// be, one plain window the size of a parked bar's grip. Given --caption, the
// window also shows one line of text, as the bar measures and draws its
// caption: the least a program that draws text can be.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare Qt window"));
    window.resize(400, 30);
    if (app.arguments().contains(QStringLiteral("--caption"))) {
        auto* caption = new QLabel(QStringLiteral("Kestrel 98"), &window);
        QFont bold = caption->font();
        bold.setBold(true);
        caption->setFont(bold);
        caption->move(8, 6);
    }
    window.show();
    return app.exec();
}
