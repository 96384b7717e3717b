#include "platform/session/SingleInstance.h"

#include "platform/files/TempFolder.h"

#include <QDir>
#include <QLockFile>

namespace platform {

namespace {
QLockFile* gLock = nullptr;
}  // namespace

bool PrevInstance()
{
    QLockFile*& lock = gLock;
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

void ReleaseInstance()
{
    if (gLock)
        gLock->unlock();
}

}  // namespace platform
