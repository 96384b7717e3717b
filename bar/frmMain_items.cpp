// The bar's row of items: reading the stored list into buttons, the
// built-in buttons, appending a new item and writing the list back.

#include "bar/frmMain.h"

#include "core/ItemPicture.h"
#include "core/ShellEx.h"
#include "core/Stringbas.h"
#include "core/mMain.h"
#include "runtime/Interaction.h"

#include <QFile>

using namespace rt;

namespace {

const QString kItems = QStringLiteral("Items");

// The icon source of a stored item string.
QString iconSourceOf(const QString& item)
{
    if (item.startsWith(QLatin1String("group|"))) {
        const QString icon = Stringbas::StrAfter(item, QStringLiteral("|:"));
        return icon.isEmpty() ? QStringLiteral("group") : icon;
    }
    const QString target = Stringbas::StrBefore(item, QStringLiteral("|"));
    return target.isEmpty() ? item : target;
}

}  // namespace

void frmMain::getAllItems()
{
    mItemsBeyondCapacity.clear();
    int n = 0;
    for (int i = 0;; ++i) {
        const QString item = mMain::GetSetting(kItems, QString::number(i));
        if (item.isEmpty())
            break;
        if (n > capacity() - 3) {
            MsgBox(QStringLiteral("Some items were not created because there is no more space. Use groups "
                                  "to add more items. "),
                   vbInformation, mMain::ProductName);
            // Items that do not fit stay stored, in order, after the shown ones.
            for (int j = i;; ++j) {
                const QString rest = mMain::GetSetting(kItems, QString::number(j));
                if (rest.isEmpty())
                    break;
                mItemsBeyondCapacity << rest;
            }
            break;
        }
        Image& button = loadButton(n);
        button.Tag = item;
        // An item whose icon cannot be had now (an unmounted disk, say) keeps
        // its place with a placeholder rather than vanishing from the list.
        if (!SetItemIcon(n, iconSourceOf(item)))
            button.setPicture(ItemPicture::placeholder(devicePixelRatioF()));
        placeButton(n);
        ++n;
    }
    mMain::ItemCount = n - 1;
    getSysItems();
}

bool frmMain::setLibraryIcon(int index, int16_t record)
{
    const QString extracted =
        ShellEx::ExtractLibIcon(mMain::ProgramFolder + QStringLiteral("kestrel98.lib"), record);
    if (extracted.isEmpty())
        return false;
    const QString renamed = extracted + QStringLiteral(".qrk");
    QFile::remove(renamed);
    if (!QFile::rename(extracted, renamed)) {
        QFile::remove(extracted);
        return false;
    }
    const bool built = SetItemIcon(index, renamed);
    QFile::remove(renamed);
    return built;
}

void frmMain::getSysItems()
{
    static const char* const tags[3] = {"edit", "prop", "help"};
    for (int k = 1; k <= 3; ++k) {
        const int index = mMain::ItemCount + k;
        Image& button = loadButton(index);
        button.Tag = QLatin1String(tags[k - 1]);
        setLibraryIcon(index, int16_t(k - 1));
        placeButton(index);
    }
    mMain::ItemCount += 3;
}

bool frmMain::AddNewItem(const QString& itemText, const QString& secondText)
{
    const int index = ++mMain::ItemCount;
    if (index > capacity()) {
        Beep();
        MsgBox(mMain::ProductName + QStringLiteral(" cannot create a new item because it already has too many "
                                                   "items. Use groups to add more items. "),
               vbInformation, mMain::ProductName);
        --mMain::ItemCount;
        return false;
    }
    Image& button = loadButton(index);
    if (itemText == QLatin1String("sep")) {
        button.Tag = QStringLiteral("sep");
        SetItemIcon(index, QStringLiteral("sep"));
        placeButton(index);
        return true;
    }
    if (itemText.toLower().startsWith(QLatin1String("group|"))) {
        button.Tag = itemText + QStringLiteral("|:") + secondText;
        SetItemIcon(index, secondText.isEmpty() ? QStringLiteral("group") : secondText);
        placeButton(index);
        return true;
    }
    button.Tag = itemText + QStringLiteral("|") + secondText;
    const bool built = SetItemIcon(index, itemText);
    placeButton(index);
    if (!built) {
        ItemImg.Unload(index);
        --mMain::ItemCount;
        return false;
    }
    return true;
}

void frmMain::storeItems()
{
    // The built-in buttons hold the three highest indices and are not stored.
    const int shown = mMain::ItemCount - 2;
    for (int i = 0; i < shown; ++i)
        mMain::SaveSetting(kItems, QString::number(i), ItemImg.exists(i) ? ItemImg[i].Tag : QString());
    int next = shown;
    for (const QString& item : mItemsBeyondCapacity)
        mMain::SaveSetting(kItems, QString::number(next++), item);
    mMain::DeleteSetting(kItems, QString::number(next));
}
