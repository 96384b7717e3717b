// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Files the tests make for themselves.

#include <QByteArray>
#include <QColor>
#include <QString>

// Writes the bytes to the file, made executable by its owner when asked;
// false when any of it could not be done.
bool writeFile(const QString& path, const QByteArray& data, bool executable = false);

// A 32 x 32 icon file of one colour.
bool writeIcon(const QString& path, const QColor& colour);
