// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/forms/Menu.h"

#include "platform/Platform.h"

namespace rt {

Menu* Menu::find(const QString& name)
{
    if (Name == name)
        return this;
    for (Menu* child : children) {
        if (Menu* found = child->find(name))
            return found;
    }
    return nullptr;
}

namespace {
QList<platform::MenuEntry> entriesOf(const Menu& menu)
{
    QList<platform::MenuEntry> entries;
    for (const Menu* child : menu.children) {
        platform::MenuEntry entry;
        entry.name = child->Name;
        entry.caption = child->Caption;
        entry.enabled = child->Enabled;
        entry.visible = child->Visible;
        entry.children = entriesOf(*child);
        entries.append(entry);
    }
    return entries;
}
}  // namespace

void PopupMenu(Menu& menu)
{
    auto& services = platform::services();
    const QString chosen = services.popupMenu(entriesOf(menu), services.cursorPos());
    if (chosen.isEmpty())
        return;
    Menu* entry = menu.find(chosen);
    if (entry && entry->Enabled && entry->Click)
        entry->Click();
}

}  // namespace rt
