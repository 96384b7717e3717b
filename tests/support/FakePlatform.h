// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The scripted platform double: records what the program asks of the desktop
// and answers from a script (message box answers, menu choices, what a modal
// window does before it closes, the pointer, the screen).

#include "platform/Platform.h"
#include "tests/support/QtPrinters.h"

#include <functional>
#include <QColor>
#include <QList>
#include <QStringList>

class FakePlatform : public platform::Platform {
public:
    struct MessageBoxCall {
        QString prompt;
        platform::MessageStyle style = platform::MessageIcon::None;
        QString title;
    };

    // Installs itself as the services in force; the previous ones return when
    // it is destroyed.
    FakePlatform();
    ~FakePlatform() override;

    QPoint cursorPos() override { return cursor; }
    bool pointerOverAnyWindow() override { return pointerOverWindow; }
    QRect screenGeometry() override { return QRect(origin, screen); }
    QRect availableGeometry() override;
    void beep() override { ++beeps; }
    platform::MessageAnswer messageBox(const QString& prompt, platform::MessageStyle style,
                                       const QString& title) override;
    QString popupMenu(const QList<platform::MenuEntry>& entries, QPoint at) override;
    void runModal(QWidget* window) override;
    platform::FileChoice openFileDialog(QWidget* owner, const QString& title, const QString& filter,
                                        const QString& initialFolder) override;
    bool chooseColor(QWidget* owner, QColor& color) override;
    QString browseForFolder(QWidget* owner, const QString& title) override;
    bool shellOpen(const QString& target) override;
    void playSound(const QString& file) override { sounds << file; }

    // Pointer and screen (pixels); available area defaults to the whole screen.
    // The pointer and the available area count from the screen's origin.
    QPoint cursor{0, 0};
    // False: the pointer went to a window the display server does not know
    // (a native Wayland window under Xwayland) and cursor is where it left.
    bool pointerOverWindow = true;
    QSize screen{1024, 768};
    QPoint origin{0, 0};
    QRect available;

    int beeps = 0;

    // Message boxes shown, and the answers to give in order (then Yes for
    // Yes/No questions and OK otherwise).
    QList<MessageBoxCall> messageBoxes;
    QList<platform::MessageAnswer> answers;
    // Runs while a box is up, before it is answered.
    std::function<void(const QString& prompt)> onMessageBox;

    // Menus popped (their entries), and the names to choose in order ("" for
    // none; an empty script chooses nothing).
    QList<QList<platform::MenuEntry>> menus;
    QList<QPoint> menuPoints;
    QStringList menuChoices;

    // Windows shown modally, and what each does before it is hidden (the
    // default only hides it).
    QList<QWidget*> modalWindows;
    std::function<void(QWidget*)> onModal;

    // Pickers: the answers in order; an empty script cancels.
    QList<platform::FileChoice> fileChoices;
    QStringList fileDialogFilters;
    QStringList fileDialogFolders;
    QList<QColor> colorChoices;
    QList<QColor> colorStarts;
    QStringList folderChoices;
    QStringList folderTitles;

    // Targets handed to the shell, and whether the shell can open them.
    QStringList opened;
    bool openSucceeds = true;

    QStringList sounds;

private:
    platform::Platform* mPrevious = nullptr;
};
