// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/frmProperty.h"

#include "platform/files/ShellBridge.h"
#include "platform/files/ShellPlace.h"
#include "runtime/forms/Interaction.h"
#include "runtime/OleColor.h"
#include "shared/ShellEx.h"
#include "shared/Stringbas.h"

#include <QStringList>

namespace kestrel98 {

namespace {

// The icon code of a special item's name; 0 for any other text. The icon
// look-ups know one name more than the list offers.
int specialItemCode(const QString& name)
{
    if (name == QLatin1String("Fonts Folder"))
        return platform::FontsFolder;
    return platform::shellPlaceCode(name);
}

}  // namespace

frmProperty::frmProperty()
    : Text1(this), cmdFolder(this), cmdFile(this), Text2(this), cmdOK(this), cmdCancel(this), Picture1(this)
{
    setCaption(QStringLiteral("Item Property"));
    setClientSize(3960, 2520);
    createControls();
    setDefaultButton(cmdOK);
    setCancelButton(cmdCancel);
    setTabOrder({&Text1, &cmdFolder, &cmdFile, &Text2, &cmdOK, &cmdCancel, &Picture1});
    setAccessKey(Label1[0], Text1);
    setAccessKey(Label1[1], Text2);

    Text1.Click = [this] { Text1_Click(); };
    cmdFile.Click = [this] { cmdFile_Click(); };
    cmdFolder.Click = [this] { cmdFolder_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void frmProperty::createControls()
{
    Label1.setFactory([this](int) { return std::make_unique<rt::Label>(this); });
    place(Label1.Load(0), QStringLiteral("Label1(0)"), 720, 120, 735, 210);
    Label1[0].setCaption(QStringLiteral("File/Fol&der"));
    Label1[0].setAutoSize(true);

    place(Text1, QStringLiteral("Text1"), 720, 360, 3135, 330);
    Text1.setFont(rt::pointFont(QStringLiteral("Arial"), 8.25));

    place(cmdFolder, QStringLiteral("cmdFolder"), 1320, 780, 1215, 375);
    cmdFolder.setCaption(QStringLiteral("Browse F&older"));
    place(cmdFile, QStringLiteral("cmdFile"), 2640, 780, 1215, 375);
    cmdFile.setCaption(QStringLiteral("Browse &File"));

    place(Label1.Load(1), QStringLiteral("Label1(1)"), 720, 1200, 465, 210);
    Label1[1].setCaption(QStringLiteral("&Tooltip"));
    Label1[1].setAutoSize(true);

    place(Text2, QStringLiteral("Text2"), 720, 1440, 3135, 315);
    Text2.setFont(rt::pointFont(QStringLiteral("Arial"), 8.25));

    // An etched separator; both lines reach past the form's edges.
    Line1.setFactory([this](int) { return std::make_unique<rt::Line>(this); });
    Line1.Load(0).setEnds(5880, 1920, 0, 1920);
    Line1.Load(1).setEnds(6360, 1935, -240, 1935);

    place(cmdOK, QStringLiteral("cmdOK"), 1800, 2040, 975, 375);
    cmdOK.setCaption(QStringLiteral("&OK"));
    place(cmdCancel, QStringLiteral("cmdCancel"), 2880, 2040, 975, 375);
    cmdCancel.setCaption(QStringLiteral("&Cancel"));

    place(Picture1, QStringLiteral("Picture1"), 120, 120, 480, 480);
    Picture1.setAccessibleName(QStringLiteral("Item icon"));
    Picture1.setBorderStyle(0);
    Picture1.setFocusPolicy(Qt::TabFocus);

    CMDialog.DialogTitle = QStringLiteral("Browse File...");
    CMDialog.Filter = QStringLiteral("All Files (*.*)|*.*|Executable Files (*.exe)|*.exe|");
}

void frmProperty::Form_Load()
{
    Line1[0].setBorderColor(rt::vbButtonShadow);
    Line1[1].setBorderColor(rt::vb3DHighlight);
    AddItemsToCombo();
}

void frmProperty::AddItemsToCombo()
{
    for (const QString& item : platform::shellPlaceNames())
        Text1.AddItem(item);
    // The first entry added becomes the current one; the box starts empty.
    Text1.setCurrentIndex(-1);
}

void frmProperty::showIcon(const QIcon& icon)
{
    Picture1.Cls();
    shared::DrawIcon(Picture1, icon);
}

void frmProperty::setItemInfo(const QString& info)
{
    if (info.isEmpty())
        return;
    const QString path = shared::StrBefore(info, QStringLiteral("|"));
    Text1.setText(path);
    const int code = specialItemCode(path);
    showIcon(code ? shared::GetSpecialIcon(code) : shared::GetFileIcon(path));
    Text2.setText(shared::StrAfter(info, QStringLiteral("|")));
}

QString frmProperty::BrowseFolder(QWidget* owner, const QString& title)
{
    return shellbridge::BrowseForFolder(owner, title);
}

void frmProperty::Text1_Click()
{
    const int code = specialItemCode(Text1.Text());
    showIcon(code ? shared::GetSpecialIcon(code) : QIcon());
}

void frmProperty::cmdFile_Click()
{
    if (!CMDialog.ShowOpen(this))
        return;
    const QString path = CMDialog.FileName;
    Text1.setText(path);
    showIcon(shared::GetFileIcon(path));
}

void frmProperty::cmdFolder_Click()
{
    const QString path = BrowseFolder(this, QStringLiteral("Choose a folder."));
    if (path.isEmpty())
        return;
    Text1.setText(path);
    showIcon(shared::GetFileIcon(path));
}

void frmProperty::cmdOK_Click()
{
    const QString s = Text1.Text();
    // "|" separates an item's target from its tip: such a path would come
    // back pointing elsewhere.
    if (s.contains(QLatin1Char('|'))) {
        rt::Beep();
        rt::MsgBox(QStringLiteral("\"%1\" cannot be added because its name contains the character \"|\".").arg(s),
                   rt::vbInformation, QStringLiteral("Kestrel 98"));
        Text1.setFocus(Qt::OtherFocusReason);
        return;
    }
    // A listed special item needs no look-up; anything else must be known
    // to the shell.
    if (!platform::shellPlaceCode(s) && shared::GetFileIcon(s).isNull()) {
        rt::Beep();
        rt::MsgBox(QStringLiteral("Specified file/directory/item does not exist. Enter a valid "
                                  "file/directory/item name. "),
                   rt::vbInformation | rt::vbOKOnly, s);
        Text1.setFocus(Qt::OtherFocusReason);
        return;
    }
    Tag = s + QStringLiteral("|") + Text2.Text();
    Hide();
}

void frmProperty::cmdCancel_Click() { Hide(); }

}  // namespace kestrel98
