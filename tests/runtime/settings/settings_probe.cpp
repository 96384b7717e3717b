// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Uses the settings store from a process of its own, so that tests see what
// the file holds rather than what their own process keeps in memory.
//
//   settings_probe <application>
//
// Reads one command a line from standard input, each field the base64 of its
// UTF-8 text, fields separated by one space:
//   get <section> <key> <default>    prints the base64 of the value on a line
//   save <section> <key> <value>
//   delete <section> <key>           an empty key deletes the section
// and writes the changes before it exits.

#include "runtime/settings/SettingsStore.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

QString decodedField(const QList<QByteArray>& fields, int index)
{
    return QString::fromUtf8(QByteArray::fromBase64(fields.value(index)));
}

bool runCommand(const QString& app, const QByteArray& line, QFile& output)
{
    const QList<QByteArray> fields = line.split(' ');
    const QByteArray& command = fields.front();
    if (command == "get") {
        const QString value =
            rt::GetSetting(app, decodedField(fields, 1), decodedField(fields, 2), decodedField(fields, 3));
        output.write(value.toUtf8().toBase64() + '\n');
    } else if (command == "save") {
        rt::SaveSetting(app, decodedField(fields, 1), decodedField(fields, 2), decodedField(fields, 3));
    } else if (command == "delete") {
        rt::DeleteSetting(app, decodedField(fields, 1), decodedField(fields, 2));
    } else {
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2)
        return 2;
    const QString app = QString::fromLocal8Bit(argv[1]);
    QFile input;
    QFile output;
    if (!input.open(stdin, QIODevice::ReadOnly) || !output.open(stdout, QIODevice::WriteOnly))
        return 2;
    for (const QByteArray& line : input.readAll().split('\n')) {
        if (!line.isEmpty() && !runCommand(app, line, output))
            return 2;
    }
    rt::FlushSettings();
    return 0;
}
