// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up and memory: the least a Qt Widgets program can
// be, one plain window the size of a parked bar's grip.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare Qt window"));
    window.resize(400, 30);
    window.show();
    return app.exec();
}
