// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The bar and its group window in Edit Mode, with scripted answers for the
// item and group property dialogs the menu commands show.

#include "tests/groups/GroupFixture.h"

#include "dialogs/frmGroup.h"
#include "dialogs/frmProperty.h"

#include <QPushButton>

class MenuFixture : public GroupFixture {
protected:
    // The next dialogs are closed with OK after the item's path and tip are
    // typed in.
    void answerItem(const QString& path, const QString& tip)
    {
        fake.onModal = [=](QWidget* window) {
            auto& form = *static_cast<kestrel98::frmProperty*>(window);
            form.Text1.setText(path);
            form.Text2.setText(tip);
            form.cmdOK.click();
        };
    }

    // The next dialogs are closed with OK after the group's name (and an
    // icon file) are given.
    void answerGroup(const QString& name, const QString& icon = QString())
    {
        fake.onModal = [=](QWidget* window) {
            auto& form = *static_cast<kestrel98::frmGroup*>(window);
            form.txtGroupName.setText(name);
            form.lblIconPath.setCaption(icon);
            form.cmdOK.click();
        };
    }

    void pressInDialogs(const char* buttonName)
    {
        fake.onModal = [buttonName](QWidget* window) {
            window->findChild<QPushButton*>(QLatin1String(buttonName))->click();
        };
    }

    // A right click on the bar's background, a pixel below its top edge,
    // choosing a menu entry.
    void onBarBackground(int x, const QString& choice)
    {
        fake.menuChoices = {choice};
        click(bar.get(), Qt::RightButton, {}, QPoint(x, 2));
    }

    // A right click on a button, at a pixel along it, choosing an entry.
    void onButton(rt::Image& button, int along, const QString& choice)
    {
        fake.menuChoices = {choice};
        click(&button, Qt::RightButton, {}, QPoint(along, 5));
    }

    void onGroupBackground(int x, const QString& choice)
    {
        fake.menuChoices = {choice};
        click(&group(), Qt::RightButton, {}, QPoint(x, 2));
    }

    // Whether a value exists in the store at all (an empty one counts).
    static bool present(const QString& sectionName, const QString& key)
    {
        return stored(sectionName, key) != QLatin1String("<absent>");
    }
};
