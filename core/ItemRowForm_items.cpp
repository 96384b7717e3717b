// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The row's items: reading and writing a stored list, adding and removing
// buttons, and files dropped from the file manager.

#include "core/ItemRowForm.h"

#include "core/ItemPicture.h"
#include "core/mMain.h"
#include "core/ShellEx.h"
#include "core/Stringbas.h"
#include "runtime/forms/Interaction.h"
#include "runtime/Twips.h"

using namespace rt;

QString ItemRowForm::storedIconSource(const QString& item) const
{
    const QString target = Stringbas::StrBefore(item, QStringLiteral("|"));
    return target.isEmpty() ? item : target;
}

int ItemRowForm::loadStoredRow(const QString& section, int lastIndex)
{
    mItemsBeyondCapacity.clear();
    int n = 0;
    for (int i = 0;; ++i) {
        const QString item = mMain::GetSetting(section, QString::number(i));
        if (item.isEmpty())
            break;
        if (n > lastIndex) {
            MsgBox(QStringLiteral("Some items were not created because there is no more space. Use groups "
                                  "to add more items. "),
                   vbInformation, mMain::ProductName);
            // Items that do not fit stay stored, in order, after the shown ones.
            for (int j = i;; ++j) {
                const QString rest = mMain::GetSetting(section, QString::number(j));
                if (rest.isEmpty())
                    break;
                mItemsBeyondCapacity << rest;
            }
            break;
        }
        loadButton(n).Tag = item;
        pictureStoredItem(n);
        placeButton(n);
        ++n;
    }
    return n;
}

void ItemRowForm::drawStoredPicture(int index)
{
    // An item whose icon cannot be had now (an unmounted disk, say) keeps
    // its place with a placeholder rather than vanishing from the list.
    if (!SetItemIcon(index, storedIconSource(ItemImg[index].Tag)))
        ItemImg[index].setPicture(ItemPicture::placeholder(devicePixelRatioF()));
}

void ItemRowForm::pictureStoredItem(int index)
{
    if (mPicturesHeld)
        ItemImg[index].setPicture(QPixmap());  // a reused button's is another item's
    else
        drawStoredPicture(index);
}

void ItemRowForm::drawStoredPictures()
{
    if (!mPicturesHeld)
        return;
    mPicturesHeld = false;
    // A button still without a picture is one held back: every other has
    // one, its own or the placeholder. Moves inside the row carry a missing
    // picture along with its tag.
    ItemImg.forEach([this](int index, Image& button) {
        if (button.Picture().isNull() && !button.Tag.isEmpty())
            drawStoredPicture(index);
    });
}

int ItemRowForm::storeRow(const QString& section, int rowEnd)
{
    for (int i = 0; i <= rowEnd; ++i)
        mMain::SaveSetting(section, QString::number(i), ItemImg.exists(i) ? ItemImg[i].Tag : QString());
    int next = rowEnd + 1;
    for (const QString& item : mItemsBeyondCapacity)
        mMain::SaveSetting(section, QString::number(next++), item);
    // What a longer list left past the end goes, so that a value after a
    // gap can never come back into the list.
    const QString absent = QStringLiteral("|absent|");
    for (int stale = next; mMain::GetSetting(section, QString::number(stale), absent) != absent; ++stale)
        mMain::DeleteSetting(section, QString::number(stale));
    return next;
}

void ItemRowForm::unloadButton(int index)
{
    if (!ItemImg.exists(index))
        return;
    Image& button = ItemImg[index];
    if (mLastTarget == &button)
        mLastTarget = nullptr;
    button.setVisible(false);
    button.Tag.clear();
    ItemImg.Unload(index);
}

bool ItemRowForm::appendItem(const QString& itemText, const QString& secondText)
{
    int& count = rowCount();
    const int index = ++count;
    if (index > capacity()) {
        Beep();
        MsgBox(rowFullMessage(), vbInformation, mMain::ProductName);
        --count;
        return false;
    }
    Image& button = loadButton(index);
    if (itemText == QLatin1String("sep")) {
        button.Tag = QStringLiteral("sep");
        SetItemIcon(index, QStringLiteral("sep"));
        placeButton(index);
        return true;
    }
    if (holdsGroups() && itemText.toLower().startsWith(QLatin1String("group|"))) {
        button.Tag = itemText + QStringLiteral("|:") + secondText;
        SetItemIcon(index, secondText.isEmpty() ? QStringLiteral("group") : secondText);
        placeButton(index);
        return true;
    }
    button.Tag = itemText + QStringLiteral("|") + secondText;
    const bool built = SetItemIcon(index, itemText);
    placeButton(index);
    if (!built) {
        unloadButton(index);
        --count;
        return false;
    }
    return true;
}

bool ItemRowForm::insertRowItem(int insertIndex, const QString& itemText, const QString& secondText)
{
    if (!appendItem(itemText, secondText))
        return false;
    if (insertIndex < rowCount()) {
        ShiftItemsUp(insertIndex, rowCount() - 1);
        PutNewItem(insertIndex);
    }
    rowLengthChanged();
    rowChanged();
    return true;
}

void ItemRowForm::removeItem(int index)
{
    const int last = rowCount();
    if (index < 0 || index > last)
        return;
    for (int i = index + 1; i <= last; ++i) {
        if (!ItemImg.exists(i) || !ItemImg.exists(i - 1))
            continue;
        Image& previous = ItemImg[i - 1];
        previous.setBorderStyle(0);
        copyItem(ItemImg[i], previous);
        previous.DragIcon = ImgDrag.Picture();
        previous.setVisible(true);
    }
    --rowCount();
    unloadButton(last);
    rowLengthChanged();
    rowChanged();
}

void ItemRowForm::refuseDrop(platform::HDROP drop)
{
    Beep();
    MsgBox(QStringLiteral("You must be in Edit Mode to add items. Click on an icon with two red arrows to switch to "
                          "Edit Mode."),
           vbInformation, mMain::ProductName);
    platform::DragFinish(drop);
}

QString ItemRowForm::resolveDroppedShortcut(const QString& path)
{
    if (!path.endsWith(QLatin1String(".lnk")))
        return path;
    Beep();
    if (MsgBox(QStringLiteral("You have dropped a shortcut (shell link) file. Do you want to dereference the file?"),
               vbYesNo | vbQuestion, path) == vbYes)
        return ShellEx::GetLinkTarget(path);
    const QString target = ShellEx::GetLinkTarget(path);
    if (!ShellEx::DirExists(target))
        return path;
    Beep();
    const QString question = QStringLiteral("This shortcut (shell link) file seems to point to a folder. ") +
        mMain::ProductName +
        QStringLiteral(" will not work properly with this file. It is recommended to dereference "
                       "this file. Do you want to dereference it?");
    return MsgBox(question, vbYesNo | vbQuestion, path) == vbYes ? target : path;
}

void ItemRowForm::takeDroppedFiles(platform::HDROP drop, int insertIndex)
{
    const int count = platform::DragQueryFile(drop, -1, nullptr);
    for (int i = 0; i < count; ++i) {
        QString path;
        platform::DragQueryFile(drop, i, &path);
        path = resolveDroppedShortcut(path);
        if (path.isEmpty())
            continue;
        // "|" separates an item's target from its tip: such a path could
        // not be stored and would come back pointing elsewhere.
        if (path.contains(QLatin1Char('|'))) {
            Beep();
            MsgBox(QStringLiteral("\"%1\" cannot be added because its name contains the character \"|\".").arg(path),
                   vbInformation, mMain::ProductName);
            continue;
        }
        // A name that is not UTF-8 arrives with stand-ins for its odd bytes
        // and would name another file, or none.
        if (path.contains(QChar::ReplacementCharacter)) {
            Beep();
            MsgBox(QStringLiteral("\"%1\" cannot be added because its name is not valid UTF-8 text.").arg(path),
                   vbInformation, mMain::ProductName);
            continue;
        }
        // Once the row is full (the message said so) the rest cannot fit.
        if (!insertRowItem(insertIndex, path, Stringbas::GetFileName(path)) && rowCount() >= capacity())
            break;
    }
    platform::DragFinish(drop);
}

void ItemRowForm::dropFiles(platform::HDROP drop)
{
    if (!mMain::EditMode) {
        refuseDrop(drop);
        return;
    }
    Show();
    activateWindow();
    const QPoint point = platform::DragQueryPoint(drop);
    insertIndex() = CalcIndex(mMain::IsHorizontal() ? toTwips(point.x()) : toTwips(point.y()));
    takeDroppedFiles(drop, insertIndex());
    ClearItemBorders();
    Refresh();
}
