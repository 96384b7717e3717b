// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a screen reader would stumble on in a dialog.

#include <QStringList>

class QWidget;

// Empty when the window is a dialog named by its caption, every label of it
// is read as text and no control that takes the focus lacks a name;
// otherwise one line a fault, naming the control.
QStringList accessibleFaultsOf(QWidget& dialog);
