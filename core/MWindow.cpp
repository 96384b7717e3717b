// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/MWindow.h"

#include "core/mMain.h"
#include "runtime/controls/CommandButton.h"

#include <QWidget>
#include <QWindow>

namespace MWindow {

QWidget* GetTrayWindow() { return nullptr; }

void SetOwnerWindow(QWidget* owner, QWidget* window, bool flag)
{
    if (!window)
        return;
    QWindow* handle = window->windowHandle();
    if (!handle)
        return;
    handle->setTransientParent(flag && owner ? owner->windowHandle() : nullptr);
}

void SetTopMost(QWidget* window)
{
    if (!window)
        return;
    if (!(window->windowFlags() & Qt::WindowStaysOnTopHint)) {
        // Changing the flags hides a shown window; show it again as it was.
        const bool shown = window->isVisible();
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        if (shown)
            window->show();
    }
    if (window->isVisible())
        window->raise();
}

void ForceHideGroup()
{
    if (mMain::cmdForceHide)
        mMain::cmdForceHide->setValue(true);
}

}  // namespace MWindow
