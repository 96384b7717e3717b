// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The common dialog of a form: the file-open and colour pickers with the
// settings they keep between calls. It has no window of its own.

#include <cstdint>
#include <QString>

class QWidget;

namespace rt {

class CommonDialog {
public:
    QString DialogTitle;
    // "Name (*.x)|*.x|All Files (*.*)|*.*|"
    QString Filter;
    QString InitDir;
    QString FileName;
    // A colour number (&H00BBGGRR, or a system colour to start from).
    int64_t Color = 0;

    // The picker only offers files that exist. False when cancelled, and then
    // FileName is unchanged.
    bool ShowOpen(QWidget* owner);
    // False when cancelled, and then Color is unchanged; a chosen colour is
    // always a plain one.
    bool ShowColor(QWidget* owner);
};

}  // namespace rt
