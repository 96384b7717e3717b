// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "standard/frmAboutBox.h"

#include "platform/files/GuardedFile.h"
#include "runtime/Twips.h"
#include "shared/ShellEx.h"
#include "standard/ExeIcon.h"

namespace plainbox {

frmAboutBox::frmAboutBox() : imgIcon(this), labAbout(this), labCopyright(this), txtComment(this), cmdOK(this)
{
    setCaption(QStringLiteral("About..."));
    setClientSize(5310, 2295);
    createControls();
    setDefaultButton(cmdOK);
    setTabOrder({&cmdOK, &txtComment});
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void frmAboutBox::createControls()
{
    const QFont arial = rt::pointFont(QStringLiteral("Arial"), 8.25);
    place(imgIcon, QStringLiteral("imgIcon"), 120, 120, 480, 480);
    imgIcon.setAccessibleName(QStringLiteral("Program icon"));
    place(labAbout, QStringLiteral("labAbout"), 720, 120, 630, 225);
    labAbout.setLabelFont(rt::pointFont(QStringLiteral("Arial"), 9, true));
    labAbout.setAutoSize(true);
    place(labCopyright, QStringLiteral("labCopyright"), 720, 480, 900, 210);
    labCopyright.setLabelFont(arial);
    labCopyright.setAutoSize(true);
    place(txtComment, QStringLiteral("txtComment"), 720, 840, 4455, 855);
    txtComment.setAccessibleName(QStringLiteral("Comments"));
    txtComment.setFont(arial);
    place(cmdOK, QStringLiteral("cmdOK"), 3960, 1800, 1215, 375);
    cmdOK.setCaption(QStringLiteral("&OK"));
}

void frmAboutBox::Form_Load() { txtComment.setBackColor(BackColor()); }

void frmAboutBox::setIcon(const QString& path)
{
    // A program's icon is drawn on the form: whatever replaces it, even "no
    // icon", clears the drawing first.
    if (path.isEmpty()) {
        Cls();
        imgIcon.setPicture(QPixmap());
        return;
    }
    if (!shared::FileExists(path))
        return;
    if (path.toLower().endsWith(QLatin1String(".exe"))) {
        Cls();
        DrawExeIcon(canvas(), rt::toPixels(imgIcon.Left()), rt::toPixels(imgIcon.Top()), path);
        update();
        imgIcon.setPicture(QPixmap());
        return;
    }
    Cls();
    const QPixmap picture = QPixmap::fromImage(platform::loadGuardedImage(path));
    if (!picture.isNull())
        imgIcon.setPicture(picture);
}

void frmAboutBox::cmdOK_Click() { Hide(); }

}  // namespace plainbox
