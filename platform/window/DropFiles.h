// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Files dropped on a window from the desktop's file manager. A window that
// accepts files receives WM_DROPFILES with a drop handle in wParam; the
// handler asks the handle for the files and the drop point, then releases it.

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;
class QMimeData;

namespace platform {

using HDROP = qintptr;

// Lets a window take file drops (true) or stops it (false).
void DragAcceptFiles(QWidget* window, bool accept);

// index -1: the number of files. Otherwise the length of file index's path,
// which is stored in *path when path is given; 0 for an index out of range.
int DragQueryFile(HDROP drop, int index, QString* path);
// The drop point in the window's client pixels.
QPoint DragQueryPoint(HDROP drop);
// Releases the handle; a released or unknown handle answers nothing.
void DragFinish(HDROP drop);

// Makes a handle for a drop (the antenna does this when files arrive).
HDROP makeDrop(const QStringList& paths, QPoint clientPoint);
// Handles not yet released.
int openDropCount();

// The local files of a dropped URL list, in order; other URLs are left out.
QStringList localFilesOf(const QList<QUrl>& urls);
// The same for a text/uri-list payload.
QStringList localFilesOfUriList(const QByteArray& uriList);

}  // namespace platform
