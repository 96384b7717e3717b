#include "platform/ShellBridge.h"

#include "platform/Platform.h"
#include "platform/ShellLink.h"

namespace shellbridge {

QString GetLinkPath(const QString& linkPath) { return platform::linkTarget(linkPath); }

QString BrowseForFolder(QWidget* owner, const QString& title)
{
    return platform::services().browseForFolder(owner, title);
}

}  // namespace shellbridge
