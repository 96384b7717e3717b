#include "dialogs/ItemInfoDialog.h"

#include "dialogs/ItemInfoForm.h"
#include "runtime/components/LateBinding.h"
#include "shared/Mshared.h"

namespace kestrel98 {

using rt::guarded;
using rt::isMember;

ItemInfoDialog::ItemInfoDialog(std::unique_ptr<ItemInfoForm> form) : mForm(std::move(form)) { mForm->Load(); }

ItemInfoDialog::~ItemInfoDialog() { mForm->Unload(); }

QString ItemInfoDialog::ItemInfo() const { return mForm->Tag; }

void ItemInfoDialog::setItemInfo(const QString& info) { mForm->setItemInfo(info); }

void ItemInfoDialog::Show() { shared::ShowFormNearCursor(*mForm); }

bool ItemInfoDialog::setProperty(const QString& name, const QVariant& value)
{
    return guarded(
        [&] {
            if (!isMember(name, "ItemInfo"))
                return false;
            setItemInfo(value.toString());
            return true;
        },
        false);
}

QVariant ItemInfoDialog::property(const QString& name) const
{
    return guarded([&] { return isMember(name, "ItemInfo") ? QVariant(ItemInfo()) : QVariant(); }, QVariant());
}

QVariant ItemInfoDialog::invoke(const QString& method, const QVariantList&)
{
    return rt::invokeShow(method, [this] { Show(); });
}

}  // namespace kestrel98
