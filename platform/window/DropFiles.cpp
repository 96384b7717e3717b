// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/window/DropFiles.h"

#include <QWidget>

#include <map>

namespace platform {

namespace {

struct Drop {
    QStringList paths;
    QPoint point;
};

std::map<HDROP, Drop>& drops()
{
    static std::map<HDROP, Drop> table;
    return table;
}

HDROP gNextHandle = 0x5630;

}  // namespace

void DragAcceptFiles(QWidget* window, bool accept) { window->setAcceptDrops(accept); }

int DragQueryFile(HDROP drop, int index, QString* path)
{
    const auto it = drops().find(drop);
    if (it == drops().end())
        return 0;
    const QStringList& paths = it->second.paths;
    if (index == -1)
        return int(paths.size());
    if (index < 0 || index >= paths.size())
        return 0;
    if (path)
        *path = paths[index];
    return int(paths[index].size());
}

QPoint DragQueryPoint(HDROP drop)
{
    const auto it = drops().find(drop);
    return it == drops().end() ? QPoint() : it->second.point;
}

void DragFinish(HDROP drop) { drops().erase(drop); }

HDROP makeDrop(const QStringList& paths, QPoint clientPoint)
{
    const HDROP handle = ++gNextHandle;
    drops()[handle] = Drop{paths, clientPoint};
    return handle;
}

int openDropCount() { return int(drops().size()); }

QStringList localFilesOf(const QList<QUrl>& urls)
{
    QStringList files;
    for (const QUrl& url : urls) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            files << url.toLocalFile();
    }
    return files;
}

QStringList localFilesOfUriList(const QByteArray& uriList)
{
    QList<QUrl> urls;
    for (const QByteArray& rawLine : uriList.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        urls << QUrl::fromEncoded(line, QUrl::StrictMode);
    }
    return localFilesOf(urls);
}

}  // namespace platform
