// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/FakePlatform.h"

#include <QWidget>

FakePlatform::FakePlatform() { mPrevious = platform::setServices(this); }

FakePlatform::~FakePlatform() { platform::setServices(mPrevious); }

QRect FakePlatform::availableGeometry() { return available.isValid() ? available : QRect(QPoint(0, 0), screen); }

platform::MessageAnswer FakePlatform::messageBox(const QString& prompt, platform::MessageStyle style,
                                                 const QString& title)
{
    messageBoxes.append({prompt, style, title});
    if (onMessageBox)
        onMessageBox(prompt);
    if (!answers.isEmpty())
        return answers.takeFirst();
    return style.buttons == platform::MessageButtons::YesNo ? platform::MessageAnswer::Yes
                                                            : platform::MessageAnswer::Ok;
}

QString FakePlatform::popupMenu(const QList<platform::MenuEntry>& entries, QPoint at)
{
    menus.append(entries);
    menuPoints.append(at);
    return menuChoices.isEmpty() ? QString() : menuChoices.takeFirst();
}

void FakePlatform::runModal(QWidget* window)
{
    modalWindows.append(window);
    window->show();
    if (onModal)
        onModal(window);
    window->hide();
}

platform::FileChoice FakePlatform::openFileDialog(QWidget*, const QString&, const QString& filter,
                                                  const QString& initialFolder)
{
    fileDialogFilters << filter;
    fileDialogFolders << initialFolder;
    return fileChoices.isEmpty() ? platform::FileChoice{} : fileChoices.takeFirst();
}

bool FakePlatform::chooseColor(QWidget*, QColor& color)
{
    colorStarts << color;
    if (colorChoices.isEmpty())
        return false;
    color = colorChoices.takeFirst();
    return true;
}

QString FakePlatform::browseForFolder(QWidget*, const QString& title)
{
    folderTitles << title;
    return folderChoices.isEmpty() ? QString() : folderChoices.takeFirst();
}

bool FakePlatform::shellOpen(const QString& target)
{
    opened << target;
    return openSucceeds;
}
