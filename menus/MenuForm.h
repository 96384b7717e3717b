// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The form that holds every popup menu of the program. It is loaded at
// start-up and never shown; the bar and the group window pop its top-level
// menus at the pointer.

#include "runtime/forms/Form.h"
#include "runtime/forms/Menu.h"

class MenuForm : public rt::Form {
    Q_OBJECT
public:
    explicit MenuForm(QWidget* parent = nullptr);
    ~MenuForm() override;

    // The main menu, popped by the bar's title label.
    rt::Menu mnuDash97{"mnuDash97", "Dashkeep"};
    rt::Menu mnuWWW{"mnuWWW", "&Web"};
    rt::Menu mnuWriteEmail{"mnuWriteEmail", "Write &Email to the Author"};
    rt::Menu mnuSep01{"mnuSep01", "-"};
    rt::Menu mnuGoHome{"mnuGoHome", "Go to &Fenwright Website"};
    rt::Menu mnuGoDashkeep{"mnuGoDashkeep", "Go To &Kestrel 98 Webpage"};
    rt::Menu mnuSep02{"mnuSep02", "-"};
    rt::Menu mnuWhatsNew{"mnuWhatsNew", "What's &New?"};
    rt::Menu mnuHintTip{"mnuHintTip", "&Hints and Tips"};
    rt::Menu mnuBugReport{"mnuBugReport", "&Bug Report"};
    rt::Menu mnuSep08{"mnuSep08", "-"};
    rt::Menu mnuTutorial{"mnuTutorial", "&Tutorial"};
    rt::Menu mnuAbout{"mnuAbout", "&About..."};
    rt::Menu mnuSep04{"mnuSep04", "-"};
    rt::Menu mnuExit{"mnuExit", "E&xit"};

    // A bar item's menu.
    rt::Menu mnuSelected{"mnuSelected", "Selected"};
    rt::Menu mnuInsert{"mnuInsert", "&Insert"};
    rt::Menu mnuNewItem{"mnuNewItem", "New &Item"};
    rt::Menu mnuNewGroup{"mnuNewGroup", "New &Group"};
    rt::Menu mnuSep10{"mnuSep10", "-"};
    rt::Menu mnuSeparator{"mnuSeparator", "&Separator"};
    rt::Menu mnuSep05{"mnuSep05", "-"};
    rt::Menu mnuDelete{"mnuDelete", "&Delete"};
    rt::Menu mnuSep06{"mnuSep06", "-"};
    rt::Menu mnuProperty{"mnuProperty", "&Property"};

    // The bar background's menu.
    rt::Menu mnuOnForm{"mnuOnForm", "OnForm"};
    rt::Menu mnuFormInsert{"mnuFormInsert", "&Insert"};
    rt::Menu mnuFormNewItem{"mnuFormNewItem", "New &Item"};
    rt::Menu mnuNewGroup2{"mnuNewGroup2", "New &Group"};
    rt::Menu mnuSep11{"mnuSep11", "-"};
    rt::Menu mnuFormSeparator{"mnuFormSeparator", "&Separator"};
    rt::Menu mnuSep07{"mnuSep07", "-"};
    rt::Menu mnuFormProperty{"mnuFormProperty", "&Property"};

    // A group window item's menu.
    rt::Menu mnuGrpSelected{"mnuGrpSelected", "GrpSelected"};
    rt::Menu mnuGrpInsert{"mnuGrpInsert", "&Insert"};
    rt::Menu mnuGrpNewItem{"mnuGrpNewItem", "New &Item"};
    rt::Menu mnuSep12{"mnuSep12", "-"};
    rt::Menu mnuGrpSeparator{"mnuGrpSeparator", "&Separator"};
    rt::Menu mnuSep13{"mnuSep13", "-"};
    rt::Menu mnuGrpDelete{"mnuGrpDelete", "&Delete"};
    rt::Menu mnuSep15{"mnuSep15", "-"};
    rt::Menu mnuGrpProperty{"mnuGrpProperty", "&Property"};

    // The group window background's menu.
    rt::Menu mnuGrpOnForm{"mnuGrpOnForm", "GrpOnForm"};
    rt::Menu mnuGrpInsert2{"mnuGrpInsert2", "&Insert"};
    rt::Menu mnuGrpNewItem2{"mnuGrpNewItem2", "New &Item"};
    rt::Menu mnuSep16{"mnuSep16", "-"};
    rt::Menu mnuGrpSeparator2{"mnuGrpSeparator2", "&Separator"};
    rt::Menu mnuSep18{"mnuSep18", "-"};
    rt::Menu mnuGrpProperty2{"mnuGrpProperty2", "&Property"};

    // The commands behind the item and background menus. The insertion
    // point and the button acted on are the globals the popping window set
    // (InsertIndex, SelectedIndex and their group twins).
    void NewItem();
    void NewItemGrp();
    void NewSeparator();
    void NewSeparatorGrp();
    void NewGroup();
    void mnuDelete_Click();
    void mnuGrpDelete_Click();
    void mnuProperty_Click();
    void mnuGrpProperty_Click();
    void mnuFormProperty_Click();

    // Copies a group's section (position and items) under a new name; the
    // old section stays.
    static void CopyRegistry(const QString& NewName, const QString& OldName);
    // The text between the first Before and the next After, letter case
    // ignored; "" when either is missing. For a group's item string with
    // "|" and "|:" it is the group's name.
    static QString GetBetween(const QString& Target, const QString& Before, const QString& After);

    // The main menu's About command: the animated About box, or a message
    // when its picture is missing.
    void mnuAbout_Click();

private:
    void buildTree();
    void connectCommands();
    void wireMainMenu();
    // Properties of a bar button that holds a group, or an ordinary item.
    void editGroupProperties(int index);
    void applyGroupTag(int index, const QString& result);
    void editItemProperties(int index);
};
