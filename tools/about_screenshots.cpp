// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Shows the About boxes and the input box on the display the way a program
// shows them and saves pictures of them: about-box-flying.png (the animated
// About box while its contents fly in), about-box.png (the same box once they
// are in place), input-box.png and plain-about-box.png, in the folder given
// (docs/screenshots by default). The program folder (for kestrel2.lib and
// kestrel98.lib) is the second argument, by default ../bin beside this tool.
// Run it on an X server:
//   xvfb-run -a -s "-screen 0 1024x768x24" about_screenshots docs/screenshots build/bin

#include "aboutbox/CAboutBoxEx.h"
#include "aboutbox/frmAbout.h"
#include "standard/CAboutBox.h"
#include "standard/CInputBox.h"
#include "standard/frmAboutBox.h"
#include "standard/frmInput.h"
#include "tools/Screenshot.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

namespace {

constexpr int IconRecordBytes = 766;
constexpr int GiveUpAfterMs = 5000;

// What the screen shows of the window: only what was really drawn there.
QPixmap onScreen(QWidget& window) { return QGuiApplication::primaryScreen()->grabWindow(window.winId()); }

// Takes the flying picture when the credit line is three steps in, and the
// finished one once the animation has handed control back.
class FlyInCamera : public QObject {
public:
    FlyInCamera(glintbox::frmAbout& form, const QDir& out) : mForm(form), mOut(out)
    {
        form.lblAuthor.installEventFilter(this);
        form.imgPict.installEventFilter(this);
        QTimer::singleShot(GiveUpAfterMs, &form, [this] { mForm.hide(); });
    }

    bool flying = false, finished = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Move)
            return false;
        if (watched == &mForm.lblAuthor && mForm.lblAuthor.Left() == 936 && !flying)
            flying = reportShot(onScreen(mForm).save(mOut.filePath("about-box-flying.png")),
                                mOut.filePath("about-box-flying.png"));
        if (watched == &mForm.imgPict && mForm.imgPict.Left() == 120)
            QTimer::singleShot(0, &mForm, [this] {
                finished =
                    reportShot(onScreen(mForm).save(mOut.filePath("about-box.png")), mOut.filePath("about-box.png"));
                mForm.cmdOK.click();
            });
        return false;
    }

private:
    glintbox::frmAbout& mForm;
    QDir mOut;
};

bool shootAnimatedAboutBox(const QDir& out, const QDir& programFolder)
{
    rt::ComPtr<glintbox::CAboutBoxEx> about(new glintbox::CAboutBoxEx);
    about->setCaption(QStringLiteral("About Kestrel 98"));
    about->setPictureFile(programFolder.filePath(QStringLiteral("kestrel2.lib")));
    about->setProgramName(QStringLiteral("Kestrel 98"));
    about->setProgramVersion(QStringLiteral("Version 2.1"));
    about->setWebsite(QStringLiteral("https://kestrel98.example/"));
    about->setEmail(QStringLiteral("help@kestrel98.example"));
    about->setShowAnimation(true);
    FlyInCamera camera(*about->form(), out);
    about->Show();
    return camera.flying && camera.finished;
}

// The first icon of the icon library, as an icon file of its own.
QString libraryIcon(const QDir& programFolder, const QTemporaryDir& scratch)
{
    QFile library(programFolder.filePath(QStringLiteral("kestrel98.lib")));
    QFile icon(scratch.filePath(QStringLiteral("kestrel.ico")));
    if (!library.open(QIODevice::ReadOnly) || !icon.open(QIODevice::WriteOnly))
        return {};
    icon.write(library.read(IconRecordBytes));
    return icon.fileName();
}

bool shootInputBox(const QDir& out, const QString& icon)
{
    rt::ComPtr<plainbox::CInputBox> input(new plainbox::CInputBox);
    input->SetInfo(QStringLiteral("New Group"), icon, QStringLiteral("Type a name for the new group of items:"),
                   QStringLiteral("Tools"));
    return shoot(*input.get(), input->form(), out.filePath(QStringLiteral("input-box.png")));
}

bool shootPlainAboutBox(const QDir& out, const QString& icon)
{
    rt::ComPtr<plainbox::CAboutBox> about(new plainbox::CAboutBox);
    about->SetInfo(QStringLiteral("About Kestrel 98"), icon, QStringLiteral("Kestrel 98 2.1"),
                   QStringLiteral("Fenwright Software"),
                   QStringLiteral("A launcher bar that waits at the edge of the screen and "
                                  "slides out when you need it."));
    return shoot(*about.get(), about->form(), out.filePath(QStringLiteral("plain-about-box.png")));
}

}  // namespace

int main(int argc, char** argv)
{
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", scratch.path().toLocal8Bit());
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots"));
    const QDir programFolder(argc > 2 ? QString::fromLocal8Bit(argv[2])
                                      : QCoreApplication::applicationDirPath() + "/../bin");
    if (!QDir().mkpath(out.path()))
        return 1;
    // The boxes open next to the pointer: put it in the middle of the screen.
    QCursor::setPos(QGuiApplication::primaryScreen()->geometry().center());

    const QString icon = libraryIcon(programFolder, scratch);
    bool ok = shootAnimatedAboutBox(out, programFolder);
    ok &= shootInputBox(out, icon);
    ok &= shootPlainAboutBox(out, icon);
    return ok ? 0 : 1;
}
