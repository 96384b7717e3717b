// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main menu's commands: the information files, the tutorial, the About
// box, the web pages, a mail to the maker, and Exit.

#include "menus/MenuForm.h"

#include "bar/frmMain.h"
#include "core/DialogObject.h"
#include "core/mMain.h"
#include "core/ShellEx.h"
#include "core/Tutorial.h"
#include "runtime/forms/Interaction.h"
#include "runtime/Twips.h"

#include <utility>

using namespace rt;

namespace {

const QString ProductWebPage = QStringLiteral("https://kestrel98.example/");
const QString MakerHomePage = QStringLiteral("https://fenwright.example/");
const QString SupportAddress = QStringLiteral("help@kestrel98.example");
const QString ProgramVersion = QStringLiteral("2.1");

void openProgramFile(const QString& name) { ShellEx::ShellOpenEx(mMain::ProgramFolder + name); }

}  // namespace

void MenuForm::wireMainMenu()
{
    mnuWhatsNew.Click = [] { openProgramFile(QStringLiteral("whatsnew.txt")); };
    mnuHintTip.Click = [] { openProgramFile(QStringLiteral("tips.txt")); };
    mnuBugReport.Click = [] { openProgramFile(QStringLiteral("bug.txt")); };
    mnuTutorial.Click = [] { Tutorial::Show(); };
    mnuAbout.Click = [this] { mnuAbout_Click(); };
    mnuWriteEmail.Click = [] { ShellEx::SendMail(SupportAddress); };
    mnuGoHome.Click = [] { ShellEx::OpenDocument(MakerHomePage); };
    mnuGoDashkeep.Click = [] { ShellEx::OpenDocument(ProductWebPage); };
    mnuExit.Click = [] {
        if (mMain::MainForm)
            mMain::MainForm->Unload(vbFormCode);
    };
}

void MenuForm::mnuAbout_Click()
{
    const QString picture = mMain::ProgramFolder + QStringLiteral("kestrel2.lib");
    if (!ShellEx::FileExists(picture)) {
        Beep();
        MsgBox(QStringLiteral("kestrel2.lib not found."), vbExclamation, mMain::ProductName);
        return;
    }
    const ComPtr<Component> about = createDialogObject(QStringLiteral("glintbox.CAboutBoxEx"));
    if (!about)
        return;
    const std::pair<const char*, QString> properties[] = {
        {"Caption", QStringLiteral("About ") + mMain::ProductName},
        {"PictureFile", picture},
        {"ProgramName", mMain::ProductName},
        {"ProgramVersion", QStringLiteral("Version ") + ProgramVersion},
        {"Website", ProductWebPage},
        {"Email", SupportAddress},
    };
    for (const auto& [name, value] : properties)
        about->setProperty(QLatin1String(name), value);
    about->setProperty(QStringLiteral("ShowAnimation"), true);
    about->invoke(QStringLiteral("Show"));
}
