// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bar's row of items: reading the stored list into buttons, the
// built-in buttons, appending a new item and writing the list back.

#include "bar/frmMain.h"

#include "core/mMain.h"
#include "core/Stringbas.h"

#include <algorithm>
#include <iterator>

using namespace rt;

namespace {

const QString kItems = QStringLiteral("Items");
// The built-in buttons' tags, by their pictures' records in the icon library.
const char* const kBuiltInTags[] = {"edit", "prop", "help"};

}  // namespace

QString frmMain::storedIconSource(const QString& item) const
{
    if (item.startsWith(QLatin1String("group|"))) {
        const QString icon = Stringbas::StrAfter(item, QStringLiteral("|:"));
        return icon.isEmpty() ? QStringLiteral("group") : icon;
    }
    return ItemRowForm::storedIconSource(item);
}

void frmMain::getAllItems()
{
    // Three places stay free for the built-in buttons.
    mMain::ItemCount = loadStoredRow(kItems, capacity() - 3) - 1;
    getSysItems();
}

void frmMain::getSysItems()
{
    for (int k = 1; k <= 3; ++k) {
        const int index = mMain::ItemCount + k;
        loadButton(index).Tag = QLatin1String(kBuiltInTags[k - 1]);
        pictureStoredItem(index);
        placeButton(index);
    }
    mMain::ItemCount += 3;
}

void frmMain::drawStoredPicture(int index)
{
    const QString& tag = ItemImg[index].Tag;
    const auto* const builtIn = std::find_if(std::begin(kBuiltInTags), std::end(kBuiltInTags),
                                             [&tag](const char* name) { return tag == QLatin1String(name); });
    // The built-in buttons end the row; an item stored under one of their
    // tags is still an item.
    if (index > mMain::ItemCount - 3 && builtIn != std::end(kBuiltInTags))
        setLibraryIcon(index, int16_t(builtIn - std::begin(kBuiltInTags)));
    else
        ItemRowForm::drawStoredPicture(index);
}

QString frmMain::rowFullMessage() const
{
    return mMain::ProductName +
        QStringLiteral(" cannot create a new item because it already has too many items. Use groups to add more "
                       "items. ");
}

bool frmMain::AddNewItem(const QString& itemText, const QString& secondText)
{
    return appendItem(itemText, secondText);
}

void frmMain::storeItems()
{
    if (!mRowShown)
        return;
    // The built-in buttons hold the three highest indices and are not stored.
    storeRow(kItems, mMain::ItemCount - 3);
}
