// The library's factory: hosts that know the class only by its ProgID or
// class id create it here.

#include "aboutbox/CAboutBoxEx.h"
#include "dialogs/LateBinding.h"

namespace {

bool namesAboutBox(const QString& id)
{
    using glintbox::CAboutBoxEx;
    if (id.startsWith(QLatin1Char('{')))
        return QUuid::fromString(id) == CAboutBoxEx::classId;
    return id.compare(CAboutBoxEx::progId, Qt::CaseInsensitive) == 0;
}

}  // namespace

K98_EXPORT rt::Component* k98CreateInstance(const char* classIdOrProgId)
{
    if (!classIdOrProgId)
        return nullptr;
    const QString id = QString::fromUtf8(classIdOrProgId);
    return kestrel98::guarded(
        [&]() -> rt::Component* { return namesAboutBox(id) ? new glintbox::CAboutBoxEx : nullptr; },
        static_cast<rt::Component*>(nullptr));
}
