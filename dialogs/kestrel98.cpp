// The library's factory: hosts that know a class only by its ProgID or class
// id create it here.

#include "dialogs/CGroup.h"
#include "dialogs/CProperty.h"
#include "dialogs/CSettingEx.h"
#include "dialogs/LateBinding.h"

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
    if (names<kestrel98::CSettingEx>(id))
        return new kestrel98::CSettingEx;
    if (names<kestrel98::CProperty>(id))
        return new kestrel98::CProperty;
    if (names<kestrel98::CGroup>(id))
        return new kestrel98::CGroup;
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
