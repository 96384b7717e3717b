// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bar's row of items: reading the stored list into buttons, the
// built-in buttons, appending a new item and writing the list back.

#include "bar/frmMain.h"

#include "core/mMain.h"
#include "core/Stringbas.h"

using namespace rt;

namespace {
const QString kItems = QStringLiteral("Items");
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
