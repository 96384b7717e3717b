// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/accessibility/AccessibleApplication.h"

namespace rt {

QString AccessibleApplication::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? mName : QAccessibleApplication::text(t);
}

}  // namespace rt
