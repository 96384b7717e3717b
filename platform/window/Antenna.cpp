// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/window/Antenna.h"

#include "platform/window/DropFiles.h"
#include "platform/window/WindowMessage.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include <map>

namespace platform {

namespace {
std::map<qintptr, QPointer<QWidget>>& handles()
{
    static std::map<qintptr, QPointer<QWidget>> table;
    return table;
}
}  // namespace

Antenna::Antenna(QObject* parent) : QObject(parent) {}

qintptr Antenna::handleOf(QWidget* window)
{
    // The handle is the widget's address: unique while it lives, and it needs
    // no native window (tests run without one).
    const auto handle = reinterpret_cast<qintptr>(window);
    handles()[handle] = window;
    return handle;
}

QWidget* Antenna::windowOf(qintptr handle)
{
    const auto it = handles().find(handle);
    return it == handles().end() ? nullptr : it->second.data();
}

void Antenna::dispatch(int dispatchId, qintptr argument)
{
    if (dispatchId == 2)
        watch(windowOf(argument));
    else if (dispatchId == 1)
        trap(int(argument));
}

void Antenna::watch(QWidget* window)
{
    if (mWindow)
        mWindow->removeEventFilter(this);
    mWindow = window;
    if (mWindow)
        mWindow->installEventFilter(this);
}

void Antenna::trap(int message) { mTrapped.insert(message); }

void Antenna::raise(int message, qintptr wParam, qintptr lParam)
{
    if (OnTrap)
        OnTrap(handleOf(mWindow), message, wParam, lParam);
}

bool Antenna::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != mWindow)
        return false;
    if (event->type() == WindowMessageEvent::eventType()) {
        auto* message = static_cast<WindowMessageEvent*>(event);
        if (mTrapped.contains(message->message))
            raise(message->message, message->wParam, message->lParam);
        return true;
    }
    if (!mTrapped.contains(WM_DROPFILES) || !mWindow->acceptDrops())
        return false;
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDropEvent*>(event);
        if (!localFilesOf(drag->mimeData()->urls()).isEmpty()) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        } else {
            drag->ignore();
        }
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList files = localFilesOf(drop->mimeData()->urls());
        if (files.isEmpty())
            return false;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // Handled after the drag protocol has finished, so that message boxes
        // asked by the handler do not hold up the source program.
        postWindowMessage(mWindow, WM_DROPFILES, makeDrop(files, drop->position().toPoint()), 0);
        return true;
    }
    return false;
}

}  // namespace platform
