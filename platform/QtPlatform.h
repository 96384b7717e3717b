// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The real platform services: Qt widgets and dialogs, the desktop's launcher,
// libcanberra for sound.

#include "platform/Platform.h"

namespace platform {

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    QPoint cursorPos() override;
    bool pointerOverAnyWindow() override;
    QRect screenGeometry() override;
    QRect availableGeometry() override;
    void beep() override;
    MessageAnswer messageBox(const QString& prompt, MessageStyle style, const QString& title) override;
    QString popupMenu(const QList<MenuEntry>& entries, QPoint at) override;
    void runModal(QWidget* window) override;
    FileChoice openFileDialog(QWidget* owner, const QString& title, const QString& filter,
                              const QString& initialFolder) override;
    bool chooseColor(QWidget* owner, QColor& color) override;
    QString browseForFolder(QWidget* owner, const QString& title) override;
    bool shellOpen(const QString& target) override;
    void playSound(const QString& file) override;

private:
    struct Sound;
    Sound* mSound = nullptr;
};

// Turns a filter of the form "Name (*.x)|*.x|All Files (*.*)|*.*|" into the
// form Qt's file dialog takes ("Name (*.x);;All Files (*)").
QString qtFileFilter(const QString& pipeFilter);

}  // namespace platform
