// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A bar loaded against the platform double, with its group window and menu
// form, and helpers for groups kept in the store.

#include "tests/bar/BarFixture.h"

#include "groups/frmGroup.h"
#include "runtime/controls/CommandButton.h"

#include <QTest>

class GroupFixture : public BarFixture {
protected:
    void SetUp() override
    {
        BarFixture::SetUp();
        for (const char* name : {"Tools", "Games", "Fresh", "Old", "New", "Long", "Short", "fresh"})
            rt::DeleteSetting(mMain::AppName, QStringLiteral("group") + QLatin1String(name));
    }

    frmGroup& group() { return *mMain::GroupForm; }

    static QString section(const QString& name) { return QStringLiteral("group") + name; }

    void storeGroup(const QString& name, const QStringList& items)
    {
        for (int i = 0; i < items.size(); ++i)
            save(section(name), QString::number(i), items[i]);
    }

    // Opens a group as the bar does: its name in cmdShowGroup's tag, then
    // the button pressed.
    void open(const QString& name)
    {
        mMain::cmdShowGroup->Tag = name;
        mMain::cmdShowGroup->setValue(true);
    }

    QStringList groupTags()
    {
        QStringList tags;
        for (int i = 0; i <= mMain::GroupItemCount; ++i)
            tags << group().ItemImg[i].Tag;
        return tags;
    }

    QStringList barTags()
    {
        QStringList tags;
        for (int i = 0; i <= mMain::ItemCount; ++i)
            tags << tagOf(i);
        return tags;
    }

    // The stored list of a section, read as the program reads it.
    static QStringList storedList(const QString& sectionName)
    {
        QStringList items;
        for (int i = 0;; ++i) {
            const QString item = rt::GetSetting(mMain::AppName, sectionName, QString::number(i));
            if (item.isEmpty())
                return items;
            items << item;
        }
    }

    void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = {},
               QPoint at = QPoint(5, 5))
    {
        QTest::mouseClick(widget, button, modifiers, at);
    }
};
