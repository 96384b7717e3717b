// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/files/ShellBridge.h"

#include "platform/files/ShellLink.h"
#include "platform/Platform.h"

namespace shellbridge {

QString GetLinkPath(const QString& linkPath) { return platform::linkTarget(linkPath); }

QString BrowseForFolder(QWidget* owner, const QString& title)
{
    return platform::services().browseForFolder(owner, title);
}

}  // namespace shellbridge
