// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The desktop's settings as its settings daemon publishes them on the X
// display (the XSETTINGS protocol): the icon theme the user chose, among
// others, which Qt's own themes may not know.

#include <QByteArray>
#include <QString>

namespace platform {

// The string setting of that name in the _XSETTINGS_SETTINGS property's
// data; "" when it is absent, not a string, or the data is malformed.
QString xsettingsString(const QByteArray& data, const QByteArray& name);

// The property's data on the bar's display; empty without an X display or a
// settings daemon.
QByteArray readXSettings();

}  // namespace platform
