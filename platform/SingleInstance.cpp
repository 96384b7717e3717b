#include "platform/SingleInstance.h"

#include "platform/TempFolder.h"

#include <QDir>
#include <QLockFile>

namespace platform {

bool PrevInstance()
{
    static QLockFile* lock = nullptr;
    if (lock)
        return false;
    auto* candidate = new QLockFile(QDir(privateRuntimeFolder()).filePath(QStringLiteral("kestrel2.lock")));
    // A lock left by a killed instance is stale at once: the owner's pid is gone.
    candidate->setStaleLockTime(0);
    if (!candidate->tryLock(0)) {
        delete candidate;
        return true;
    }
    lock = candidate;
    return false;
}

}  // namespace platform
