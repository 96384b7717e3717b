// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/frmGroup.h"

#include "platform/files/GuardedFile.h"
#include "platform/files/ShellPlace.h"
#include "runtime/forms/Interaction.h"
#include "runtime/OleColor.h"
#include "shared/ShellEx.h"
#include "shared/Stringbas.h"

namespace kestrel98 {

frmGroup::frmGroup()
    : pictIcon(this), lblTmp1(this), txtGroupName(this), cmdChangeIcon(this), cmdOK(this), cmdCancel(this),
      lblIconPath(this)
{
    setCaption(QStringLiteral("Group Property"));
    setClientSize(3990, 1950);
    createControls();
    setDefaultButton(cmdOK);
    setCancelButton(cmdCancel);
    setTabOrder({&txtGroupName, &cmdChangeIcon, &cmdOK, &cmdCancel});
    setAccessKey(lblTmp1, txtGroupName);

    cmdChangeIcon.Click = [this] { cmdChangeIcon_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void frmGroup::createControls()
{
    place(pictIcon, QStringLiteral("pictIcon"), 120, 120, 480, 480);
    pictIcon.setAccessibleName(QStringLiteral("Group icon"));
    pictIcon.setBorderStyle(0);

    const QFont tahoma = rt::pointFont(QStringLiteral("Tahoma"), 8.25);
    place(lblTmp1, QStringLiteral("lblTmp1"), 840, 120, 990, 195);
    lblTmp1.setLabelFont(tahoma);
    lblTmp1.setCaption(QStringLiteral("&Group Name: "));
    lblTmp1.setAutoSize(true);

    place(txtGroupName, QStringLiteral("txtGroupName"), 840, 435, 3015, 285);
    txtGroupName.setFont(tahoma);

    place(cmdChangeIcon, QStringLiteral("cmdChangeIcon"), 2520, 840, 1335, 375);
    cmdChangeIcon.setCaption(QStringLiteral("Change &Icon..."));

    // An etched separator; both lines reach past the form's right edge.
    Line1.setFactory([this](int) { return std::make_unique<rt::Line>(this); });
    Line1.Load(0).setEnds(5880, 1320, 0, 1320);
    Line1.Load(1).setEnds(6600, 1335, 0, 1335);

    place(cmdOK, QStringLiteral("cmdOK"), 1800, 1440, 975, 375);
    cmdOK.setCaption(QStringLiteral("&OK"));
    place(cmdCancel, QStringLiteral("cmdCancel"), 2880, 1440, 975, 375);
    cmdCancel.setCaption(QStringLiteral("&Cancel"));

    place(lblIconPath, QStringLiteral("lblIconPath"), 120, 1560, 1335, 255);
    // A long path keeps its start and its file name on the one line beside OK.
    lblIconPath.setElideMode(Qt::ElideMiddle);

    CMDialog.DialogTitle = QStringLiteral("Browse File...");
    CMDialog.Filter = QStringLiteral("Icon Files (*.ico)|*.ico|All Files (*.*)|*.*|");
}

void frmGroup::Form_Load()
{
    Line1[0].setBorderColor(rt::vbButtonShadow);
    Line1[1].setBorderColor(rt::vb3DHighlight);
}

bool frmGroup::showIconFile(const QString& file)
{
    const QImage image = platform::loadGuardedImage(file);
    if (image.isNull())
        return false;
    const QIcon icon(QPixmap::fromImage(image));
    if (icon.pixmap(32, 32).isNull())
        return false;
    pictIcon.Cls();
    shared::DrawIcon(pictIcon, icon);
    return true;
}

void frmGroup::showDefaultIcon()
{
    pictIcon.Cls();
    shared::DrawIcon(pictIcon, shared::GetSpecialIcon(platform::DefaultGroupIcon));
}

void frmGroup::setItemInfo(const QString& info)
{
    if (info.isEmpty() || !info.toLower().startsWith(QLatin1String("group|")))
        return;
    txtGroupName.setText(shared::StrBetween(info, QStringLiteral("|"), QStringLiteral("|:")));
    const QString icon = shared::StrAfter(info, QStringLiteral("|:"));
    if (!icon.isEmpty() && shared::FileExists(icon)) {
        showIconFile(icon);
        lblIconPath.setCaption(icon);
    } else {
        showDefaultIcon();
        lblIconPath.setCaption(QString());
    }
}

void frmGroup::cmdChangeIcon_Click()
{
    if (!CMDialog.ShowOpen(this))
        return;
    lblIconPath.setCaption(CMDialog.FileName);
    showIconFile(CMDialog.FileName);
}

void frmGroup::refuse(const QString& message, QWidget& focusTo)
{
    rt::Beep();
    rt::MsgBox(message, rt::vbInformation | rt::vbOKOnly, QStringLiteral("Group Property"));
    focusTo.setFocus(Qt::OtherFocusReason);
}

void frmGroup::cmdOK_Click()
{
    const QString name = txtGroupName.Text();
    const QString icon = lblIconPath.Caption();
    if (name.contains(QLatin1Char('|'))) {
        refuse(QStringLiteral("You cannot use the character \"|\" in Group Name. Please change it. "), txtGroupName);
        return;
    }
    // Spaces alone make no name; other blanks do.
    if (name.count(QLatin1Char(' ')) == name.size()) {
        refuse(QStringLiteral("Please input a valid group name. "), txtGroupName);
        return;
    }
    if (!icon.isEmpty() && !icon.endsWith(QLatin1String(".ico"), Qt::CaseSensitive)) {
        refuse(QStringLiteral("You must provide a valid icon file. "), cmdChangeIcon);
        return;
    }
    Tag = QStringLiteral("group|") + name + QStringLiteral("|:") + icon;
    Hide();
}

void frmGroup::cmdCancel_Click()
{
    Tag = QString();
    Hide();
}

}  // namespace kestrel98
