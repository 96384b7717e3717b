// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The row for assistive technologies: what its buttons are called and what a
// press of each does, the order they are listed in, and the announcements of
// a keyboard selection and of changed items.

#include "core/ItemButton.h"
#include "core/ItemRowForm.h"
#include "core/mMain.h"
#include "core/Stringbas.h"

#include <QAccessible>
#include <QTimer>

#include <algorithm>

using namespace rt;

namespace {

bool isGroupTag(const QString& tag) { return tag.toLower().startsWith(QLatin1String("group|")); }

}  // namespace

QString ItemRowForm::buttonName(int index) const
{
    if (!ItemImg.exists(index))
        return {};
    return Stringbas::StripIconPart(tipTextOf(ItemImg[index].Tag));
}

QString ItemRowForm::buttonDescription(int index) const
{
    if (!ItemImg.exists(index))
        return {};
    const QString tag = ItemImg[index].Tag;
    const QString name = buttonName(index);
    if (tag == QLatin1String("sep"))
        return {};
    if (mMain::EditMode) {
        if (tag == QLatin1String("exec"))
            return QStringLiteral("Switches to Exec Mode");
        if (tag == QLatin1String("prop") || tag == QLatin1String("help"))
            return QStringLiteral("Does nothing in Edit Mode");
        if (holdsGroups() && isGroupTag(tag))
            return QStringLiteral("Opens the group %1 to edit its items").arg(name);
        return QStringLiteral("Marks %1 for editing; its menu edits it").arg(name);
    }
    if (tag == QLatin1String("edit"))
        return QStringLiteral("Switches to Edit Mode");
    if (tag == QLatin1String("prop"))
        return QStringLiteral("Opens the settings");
    if (tag == QLatin1String("help"))
        return QStringLiteral("Opens the help");
    if (holdsGroups() && isGroupTag(tag))
        return QStringLiteral("Opens the group %1").arg(name);
    return QStringLiteral("Opens %1").arg(name);
}

QList<QWidget*> ItemRowForm::controlsInScreenOrder()
{
    QList<QWidget*> shown;
    ItemImg.forEach([&](int, Image& button) {
        if (!button.isHidden())
            shown << &button;
    });
    if (QWidget* title = titleControl())
        shown << title;
    const bool horizontal = mMain::IsHorizontal();
    std::stable_sort(shown.begin(), shown.end(), [horizontal](const QWidget* a, const QWidget* b) {
        return horizontal ? a->x() < b->x() : a->y() < b->y();
    });
    return shown;
}

void ItemRowForm::announceSelection(int index)
{
    if (!QAccessible::isActive() || !ItemImg.exists(index))
        return;
    QAccessibleEvent focus(&ItemImg[index], QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void ItemRowForm::noteItemsChanged()
{
    if (mAnnouncementDue || !QAccessible::isActive())
        return;
    mAnnouncementDue = true;
    QTimer::singleShot(0, this, [this] { announceChangedItems(); });
}

void ItemRowForm::announceChangedItems()
{
    mAnnouncementDue = false;
    ItemImg.forEach([this](int index, Image& image) {
        auto& button = static_cast<ItemButton&>(image);
        const QString name = buttonName(index);
        const QString description = buttonDescription(index);
        if (name != button.announcedName) {
            button.announcedName = name;
            QAccessibleEvent changed(&button, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&changed);
        }
        if (description != button.announcedDescription) {
            button.announcedDescription = description;
            QAccessibleEvent changed(&button, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&changed);
        }
    });
}
