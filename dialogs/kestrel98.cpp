// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The library's factory: hosts that know a class only by its ProgID or class
// id create it here.

#include "dialogs/CGroup.h"
#include "dialogs/CProperty.h"
#include "dialogs/CSettingEx.h"

K98_EXPORT rt::Component* k98CreateInstance(const char* classIdOrProgId)
{
    return rt::createNamed<kestrel98::CSettingEx, kestrel98::CProperty, kestrel98::CGroup>(classIdOrProgId);
}
