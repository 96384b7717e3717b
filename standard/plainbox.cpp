// The library's factory: hosts that know a class only by its ProgID or class
// id create it here.

#include "dialogs/LateBinding.h"
#include "standard/CAboutBox.h"
#include "standard/CInputBox.h"

namespace {

template <typename Class>
bool names(const QString& id)
{
    if (id.startsWith(QLatin1Char('{')))
        return QUuid::fromString(id) == Class::classId;
    return id.compare(Class::progId, Qt::CaseInsensitive) == 0;
}

rt::Component* create(const QString& id)
{
    if (names<plainbox::CInputBox>(id))
        return new plainbox::CInputBox;
    if (names<plainbox::CAboutBox>(id))
        return new plainbox::CAboutBox;
    return nullptr;
}

}  // namespace

K98_EXPORT rt::Component* k98CreateInstance(const char* classIdOrProgId)
{
    if (!classIdOrProgId)
        return nullptr;
    const QString id = QString::fromUtf8(classIdOrProgId);
    return kestrel98::guarded([&] { return create(id); }, static_cast<rt::Component*>(nullptr));
}
