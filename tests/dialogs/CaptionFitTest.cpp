// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every caption of every dialog and box fits the control that shows it, in
// the font it is drawn in: word-wrapped labels have room for all their lines,
// buttons, check boxes and options for their text, every tab for its caption
// in the tabs' common font. The layouts are in twips made for narrow dialog
// fonts; a wider stand-in font clips them.

#include "aboutbox/CAboutBoxEx.h"
#include "aboutbox/frmAbout.h"
#include "dialogs/CGroup.h"
#include "dialogs/CProperty.h"
#include "dialogs/CSettingEx.h"
#include "dialogs/frmGroup.h"
#include "dialogs/frmProperty.h"
#include "dialogs/frmSettingEx.h"
#include "runtime/controls/Label.h"
#include "runtime/controls/TabControl.h"
#include "standard/CAboutBox.h"
#include "standard/CInputBox.h"
#include "standard/frmAboutBox.h"
#include "standard/frmInput.h"
#include "tests/support/FakePlatform.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

QString shown(const QString& caption) { return QString(caption).remove(QLatin1Char('&')); }

QString describe(const QWidget& control, const QString& caption, QSize needed)
{
    return QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6")
        .arg(control.objectName(), caption)
        .arg(needed.width())
        .arg(needed.height())
        .arg(control.width())
        .arg(control.height());
}

// A label wraps unless it sizes itself to one line; an eliding label shows
// what fits by design.
void checkLabel(const rt::Label& label, QStringList& misfits)
{
    if (label.Caption().isEmpty() || label.ElideMode() != Qt::ElideNone)
        return;
    const QFontMetrics metrics(label.font());
    const int inset = label.BorderStyle() == 1 ? 2 : 0;
    const QRect room(0, 0, label.width() - inset, label.height() - inset);
    QRect needed;
    if (label.WordWrap() || !label.AutoSize())
        needed = metrics.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap | Qt::TextShowMnemonic,
                                      label.Caption());
    else
        needed = QRect(QPoint(0, 0), metrics.size(Qt::TextShowMnemonic, label.Caption()));
    if (needed.width() > room.width() || needed.height() > room.height())
        misfits << describe(label, label.Caption(), needed.size());
}

void checkButton(const QAbstractButton& button, QStringList& misfits)
{
    if (button.text().isEmpty())
        return;
    const QFontMetrics metrics(button.font());
    int needed = metrics.horizontalAdvance(shown(button.text()));
    if (qobject_cast<const QPushButton*>(&button))
        needed += 8;  // the raised edge and a little air on both sides
    else
        needed = button.sizeHint().width();  // indicator, spacing and text
    if (needed > button.width())
        misfits << describe(button, button.text(), QSize(needed, metrics.height()));
}

void checkTabs(const rt::TabControl& tabs, QStringList& misfits)
{
    const QFontMetrics metrics(tabs.font());
    for (int i = 0; i < tabs.Tabs(); ++i) {
        // A tab that is not the current one has its edges and a pixel of
        // air on either side; trailing blanks of a caption do not show.
        const int room = tabs.tabRect(i).width() - 4;
        const int needed = metrics.horizontalAdvance(shown(tabs.TabCaption(i)).trimmed());
        if (needed > room)
            misfits << QStringLiteral("tab \"%1\": needs %2, has %3").arg(tabs.TabCaption(i)).arg(needed).arg(room);
    }
}

QStringList misfitsOf(QWidget& form)
{
    QStringList misfits;
    for (QWidget* child : form.findChildren<QWidget*>()) {
        if (const auto* label = qobject_cast<rt::Label*>(child))
            checkLabel(*label, misfits);
        else if (const auto* button = qobject_cast<QAbstractButton*>(child))
            checkButton(*button, misfits);
        else if (const auto* tabs = qobject_cast<rt::TabControl*>(child))
            checkTabs(*tabs, misfits);
    }
    return misfits;
}

class CaptionFit : public ::testing::Test {
protected:
    FakePlatform fake;
};

TEST_F(CaptionFit, EverySettingsPage)
{
    rt::ComPtr<kestrel98::CSettingEx> dialog(new kestrel98::CSettingEx);
    kestrel98::frmSettingEx& form = dialog->form();
    EXPECT_EQ(misfitsOf(form), QStringList());
    // All tabs share one font: none is drawn smaller than the others.
    EXPECT_EQ(form.SSTab1.captionFont(), form.SSTab1.font());
}

TEST_F(CaptionFit, BothPropertyDialogs)
{
    rt::ComPtr<kestrel98::CProperty> item(new kestrel98::CProperty);
    item->setItemInfo(QStringLiteral("/usr/bin/editor|A text editor for notes and letters"));
    EXPECT_EQ(misfitsOf(item->form()), QStringList());
    rt::ComPtr<kestrel98::CGroup> group(new kestrel98::CGroup);
    group->setItemInfo(QStringLiteral("group|Tools|:"));
    EXPECT_EQ(misfitsOf(group->form()), QStringList());
}

TEST_F(CaptionFit, AboutBoxesAndTheInputBox)
{
    rt::ComPtr<glintbox::CAboutBoxEx> about(new glintbox::CAboutBoxEx);
    about->setProgramName(QStringLiteral("Kestrel 98"));
    about->setProgramVersion(QStringLiteral("Version 2.1"));
    about->setWebsite(QStringLiteral("https://kestrel98.example/"));
    about->setEmail(QStringLiteral("help@kestrel98.example"));
    EXPECT_EQ(misfitsOf(*about->form()), QStringList());

    rt::ComPtr<plainbox::CAboutBox> plain(new plainbox::CAboutBox);
    plain->SetInfo(QStringLiteral("About Kestrel 98"), QString(), QStringLiteral("Kestrel 98 2.1"),
                   QStringLiteral("Fenwright Software"),
                   QStringLiteral("A launcher bar that waits at the edge of the screen."));
    EXPECT_EQ(misfitsOf(plain->form()), QStringList());

    rt::ComPtr<plainbox::CInputBox> input(new plainbox::CInputBox);
    input->SetInfo(QStringLiteral("New Group"), QString(),
                   QStringLiteral("Type a name for the new group.\nIt shows on the bar."), QStringLiteral("Tools"));
    EXPECT_EQ(misfitsOf(input->form()), QStringList());
}

}  // namespace
