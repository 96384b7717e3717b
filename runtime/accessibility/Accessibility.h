// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What assistive technologies (screen readers, voice control, test tools)
// see of the runtime's forms and controls: roles, names, states and the
// press action of what can be clicked.

#include <QString>

namespace rt {

// Makes the runtime's interfaces the ones asked for its forms and controls.
// Every form calls it; only the first call does anything.
void installAccessibility();

// The name the application goes by for assistive technologies, which may
// differ from the one its files are kept under.
void setAccessibleApplicationName(const QString& name);

// A caption as it is spoken: without its access-key marker, outer blanks
// or a closing colon ("&Group Name: " is "Group Name").
QString spokenCaption(const QString& caption);

}  // namespace rt
