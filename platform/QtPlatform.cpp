// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtPlatform.h"

#include "platform/launch/Launcher.h"
#include "platform/session/ShutdownSignals.h"
#include "platform/window/DialogStacking.h"
#include "platform/window/PanelStruts.h"
#include "platform/window/WindowSystem.h"

#include <QApplication>
#include <QColorDialog>
#include <QCursor>
#include <QEventLoop>
#include <QFileDialog>
#include <QLibrary>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <canberra.h>

namespace platform {

// libcanberra and the codecs it pulls in are loaded with the first sound, so a
// bar without one (the default) never maps them.
struct QtPlatform::Sound {
    using Create = int (*)(ca_context**);
    using Play = int (*)(ca_context*, uint32_t, ...);
    using Destroy = int (*)(ca_context*);

    QLibrary library{QStringLiteral("canberra"), 0};
    Create create = nullptr;
    Play play = nullptr;
    Destroy destroy = nullptr;
    ca_context* context = nullptr;

    bool ready()
    {
        if (context)
            return true;
        if (!create) {
            if (!library.load())
                return false;
            create = reinterpret_cast<Create>(library.resolve("ca_context_create"));
            play = reinterpret_cast<Play>(library.resolve("ca_context_play"));
            destroy = reinterpret_cast<Destroy>(library.resolve("ca_context_destroy"));
            if (!create || !play || !destroy) {
                create = nullptr;
                return false;
            }
        }
        if (create(&context) != CA_SUCCESS)
            context = nullptr;
        return context != nullptr;
    }

    ~Sound()
    {
        if (context)
            destroy(context);
    }
};

QtPlatform::QtPlatform() : mSound(new Sound) {}

QtPlatform::~QtPlatform() { delete mSound; }

bool QtPlatform::pointerOverAnyWindow() { return pointerOverAnyX11Window(); }

QRect QtPlatform::screenGeometry()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

QPoint QtPlatform::cursorPos() { return QCursor::pos() - screenGeometry().topLeft(); }

QRect QtPlatform::availableGeometry()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QRect(QPoint(0, 0), screenSize());
    // Qt's own answer is the desktop's one work area, and only while there is
    // one monitor; the panels' struts tell which monitor each stands on.
    QRect free = screen->availableGeometry();
    if (const std::optional<QRect> clear = x11MonitorFreeOfPanels(screen->geometry(), screen->devicePixelRatio()))
        free &= *clear;
    return free.translated(-screen->geometry().topLeft());
}

void QtPlatform::beep() { QApplication::beep(); }

namespace {

// A dialog of the bar stands above it: once the window manager has framed
// and shown the dialog, the bar's windows step under it; when it closes they
// go back on top (or under the dialog still open below it). It offers no
// minimize or maximize: a minimized modal dialog would block the bar with
// nothing on screen to bring it back. A window manager that still offers it
// (in its window menu) sees the dialog come straight back.
class DialogAboveBar : public QObject {
public:
    explicit DialogAboveBar(QWidget* dialog) : mDialog(dialog)
    {
        dialog->winId();  // the native window, to put the hints on before it maps
        QWindow* window = dialog->windowHandle();
        forbidMinimizeMaximize(window);
        window->installEventFilter(this);
        connect(window, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
            if (state == Qt::WindowMinimized && mDialog)
                QMetaObject::invokeMethod(mDialog, &QWidget::showNormal, Qt::QueuedConnection);
        });
    }
    ~DialogAboveBar() override
    {
        if (QWidget* outer = QApplication::activeModalWidget(); outer && outer != mDialog)
            stackBypassingWindowsUnder(outer->windowHandle());
        else
            raiseBypassingWindows();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window->isExposed())
            stackBypassingWindowsUnder(window);
        return false;
    }

private:
    QPointer<QWidget> mDialog;
};

// The buttons a box shows, and what it answers when the program ends under
// it: the choice that changes nothing.
struct ButtonSet {
    QMessageBox::StandardButtons shown;
    MessageAnswer whenEnding;
};

ButtonSet buttonSetOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel: return {QMessageBox::Ok | QMessageBox::Cancel, MessageAnswer::Cancel};
    case MessageButtons::YesNoCancel:
        return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, MessageAnswer::Cancel};
    case MessageButtons::YesNo: return {QMessageBox::Yes | QMessageBox::No, MessageAnswer::No};
    case MessageButtons::Ok: break;
    }
    return {QMessageBox::Ok, MessageAnswer::Ok};
}

QMessageBox::Icon iconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer answerOf(int pressed)
{
    switch (pressed) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: return MessageAnswer::Ok;
    }
}
}  // namespace

MessageAnswer QtPlatform::messageBox(const QString& prompt, MessageStyle style, const QString& title)
{
    const ButtonSet buttons = buttonSetOf(style.buttons);
    if (shutdownRequested())
        return buttons.whenEnding;
    QMessageBox box;
    box.setWindowTitle(title);
    box.setText(prompt);
    box.setIcon(iconOf(style.icon));
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.setStandardButtons(buttons.shown);
    const DialogAboveBar aboveBar(&box);
    const int pressed = box.exec();
    if (shutdownRequested())
        return buttons.whenEnding;
    return answerOf(pressed);
}

namespace {
void fillMenu(QMenu& menu, const QList<MenuEntry>& entries)
{
    for (const MenuEntry& entry : entries) {
        if (!entry.visible)
            continue;
        if (entry.caption == QLatin1String("-")) {
            menu.addSeparator();
            continue;
        }
        if (!entry.children.isEmpty()) {
            QMenu* sub = menu.addMenu(entry.caption);
            sub->setEnabled(entry.enabled);
            fillMenu(*sub, entry.children);
            continue;
        }
        QAction* action = menu.addAction(entry.caption);
        action->setEnabled(entry.enabled);
        action->setData(entry.name);
    }
}
}  // namespace

QString QtPlatform::popupMenu(const QList<MenuEntry>& entries, QPoint at)
{
    if (shutdownRequested())
        return QString();
    QMenu menu;
    fillMenu(menu, entries);
    QAction* chosen = menu.exec(at + screenGeometry().topLeft());
    return chosen && !shutdownRequested() ? chosen->data().toString() : QString();
}

void QtPlatform::runModal(QWidget* window)
{
    if (shutdownRequested())
        return;
    QPointer<QWidget> guard(window);
    window->setWindowModality(Qt::ApplicationModal);
    const DialogAboveBar aboveBar(window);
    window->show();
    window->raise();
    window->activateWindow();
    QEventLoop loop;
    while (guard && guard->isVisible() && !shutdownRequested())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
}

QString qtFileFilter(const QString& pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        patterns.replace(QLatin1String("*.*"), QLatin1String("*"));
        QString name = parts[i];
        const int paren = name.indexOf(QLatin1Char('('));
        if (paren > 0)
            name = name.left(paren).trimmed();
        filters << QStringLiteral("%1 (%2)").arg(name, patterns);
    }
    return filters.join(QLatin1String(";;"));
}

FileChoice QtPlatform::openFileDialog(QWidget* owner, const QString& title, const QString& filter,
                                      const QString& initialFolder)
{
    if (shutdownRequested())
        return {};
    const QString file = QFileDialog::getOpenFileName(owner, title, initialFolder, qtFileFilter(filter));
    if (shutdownRequested())
        return {};
    return {!file.isEmpty(), file};
}

bool QtPlatform::chooseColor(QWidget* owner, QColor& color)
{
    if (shutdownRequested())
        return false;
    const QColor chosen = QColorDialog::getColor(color, owner);
    if (!chosen.isValid() || shutdownRequested())
        return false;
    color = chosen;
    return true;
}

QString QtPlatform::browseForFolder(QWidget* owner, const QString& title)
{
    if (shutdownRequested())
        return QString();
    const QString folder = QFileDialog::getExistingDirectory(owner, title);
    return shutdownRequested() ? QString() : folder;
}

bool QtPlatform::shellOpen(const QString& target) { return launch(target); }

void QtPlatform::playSound(const QString& file)
{
    if (!mSound->ready())
        return;
    // Asynchronous; a missing audio device only makes this fail quietly.
    mSound->play(mSound->context, 0, CA_PROP_MEDIA_FILENAME, file.toLocal8Bit().constData(), nullptr);
}

namespace {
Platform* gServices = nullptr;
}  // namespace

Platform& services()
{
    if (!gServices) {
        static QtPlatform real;
        gServices = &real;
    }
    return *gServices;
}

Platform* setServices(Platform* replacement)
{
    Platform* old = gServices;
    gServices = replacement;
    return old;
}

}  // namespace platform
