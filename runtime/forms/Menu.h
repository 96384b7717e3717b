// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A menu entry of a menu form: name, caption with its access key, enabled and
// visible flags, sub-entries, and the Click it runs. A top-level entry is a
// popup menu whose own caption is never shown.

#include <functional>
#include <QString>
#include <vector>

namespace rt {

class Menu {
public:
    Menu(QString name, QString caption) : Name(std::move(name)), Caption(std::move(caption)) {}

    QString Name;
    QString Caption;  // "-" makes a separator line
    bool Enabled = true;
    bool Visible = true;
    std::function<void()> Click;

    // Adds a sub-entry (owned by the caller, usually the menu form).
    Menu& add(Menu& child)
    {
        children.push_back(&child);
        return *this;
    }
    std::vector<Menu*> children;

    // The entry with this name in this menu's tree, or nullptr.
    Menu* find(const QString& name);
};

// Pops a top-level menu at the pointer and runs the chosen entry's Click
// before returning.
void PopupMenu(Menu& menu);

}  // namespace rt
