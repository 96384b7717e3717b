// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The dialogs live in component libraries that are loaded when a command
// first needs one of them: a parked bar carries none of their code.

#include "runtime/components/Component.h"

#include <QString>

// A fresh object of the class the ProgID names ("kestrel98.CProperty"). When
// its library cannot be loaded the user is told why and nothing is answered:
// the command goes no further, as after Cancel.
rt::ComPtr<rt::Component> createDialogObject(const QString& progId);
