// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ItemRowForm.h"

#include "core/ItemButton.h"
#include "core/ItemPicture.h"
#include "core/ItemRowAccessible.h"
#include "core/mMain.h"
#include "core/ShellEx.h"
#include "platform/files/GuardedFile.h"
#include "runtime/controls/Label.h"
#include "runtime/OleColor.h"
#include "runtime/settings/SettingsStore.h"
#include "runtime/Twips.h"

#include <QFile>
#include <QPainter>

using namespace rt;

ItemRowForm::ItemRowForm(QWidget* parent) : Form(parent)
{
    setClippedToScreen(true);
    ItemRowAccessible::install();
    ItemImg.setFactory([this](int index) { return makeButton(index); });
    Line1.setFactory([this](int) { return std::make_unique<Line>(this); });
    for (int i = 0; i <= 13; ++i)
        Line1.Load(i);
    for (Control* hidden :
         {static_cast<Control*>(&myShape1), static_cast<Control*>(&myLine1), static_cast<Control*>(&myLine2),
          static_cast<Control*>(&Shape1), static_cast<Control*>(&NewItem), static_cast<Control*>(&TmpItem),
          static_cast<Control*>(&ImgDrag)})
        hidden->widget()->setVisible(false);
    myShape1.Move(0, 0, 495, 495);
    Shape1.Move(0, 0, 495, 375);
}

std::unique_ptr<Image> ItemRowForm::makeButton(int index)
{
    auto button = std::make_unique<ItemButton>(index, this);
    button->Move(0, 0, 330, 330);
    connect(button.get(), &Image::pictureChanged, this, &ItemRowForm::noteItemsChanged);
    button->MouseDown = [this, index](int b, int s, float x, float y) { ItemImg_MouseDown(index, b, s, x, y); };
    button->MouseMove = [this, index](int b, int s, float x, float y) { ItemImg_MouseMove(index, b, s, x, y); };
    button->MouseUp = [this, index](int b, int s, float x, float y) { ItemImg_MouseUp(index, b, s, x, y); };
    button->Click = [this, index] { ItemImg_Click(index); };
    button->DragDrop = [this, index](Control* source, float x, float y) { itemimg_DragDrop(index, source, x, y); };
    // Lines and frames stay in front of the buttons.
    button->lower();
    return button;
}

int32_t ItemRowForm::buttonOffset(int index) { return 210 + 330 * index + mMain::ItemOffset; }

void ItemRowForm::placeButton(int index)
{
    Image& button = ItemImg[index];
    if (mMain::IsHorizontal())
        button.Move(buttonOffset(index), 45);
    else
        button.Move(45, buttonOffset(index));
}

Image& ItemRowForm::loadButton(int index)
{
    Image& button = ItemImg.Load(index);
    button.setVisible(true);
    button.DragIcon = ImgDrag.Picture();
    return button;
}

void ItemRowForm::SetLine(Line& line, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int64_t color)
{
    line.setEnds(x1, y1, x2, y2);
    line.setBorderColor(color);
}

void ItemRowForm::SetBorders()
{
    const int32_t W = Width(), H = Height();
    SetLine(Line1[0], 0, 0, W, 0, vb3DLight);
    SetLine(Line1[1], 0, 0, 0, H, vb3DLight);
    SetLine(Line1[2], 15, 15, W, 15, vb3DHighlight);
    SetLine(Line1[3], 15, 15, 15, H, vb3DHighlight);
    SetLine(Line1[4], 15, H - 30, W, H - 30, vbButtonShadow);
    SetLine(Line1[5], W - 30, 15, W - 30, H, vbButtonShadow);
    SetLine(Line1[6], 0, H - 15, W, H - 15, vb3DDKShadow);
    SetLine(Line1[7], W - 15, 0, W - 15, H, vb3DDKShadow);

    static const int64_t gripColors[6] = {vb3DHighlight, vbButtonFace, vbButtonShadow,
                                          vb3DHighlight, vbButtonFace, vbButtonShadow};
    const bool horizontal = mMain::IsHorizontal();
    const int32_t G = mMain::DirectionForward ? 60 : (horizontal ? W - 150 : H - 150);
    for (int k = 0; k < 6; ++k) {
        const int32_t at = G + 15 * k;
        if (horizontal)
            SetLine(Line1[8 + k], at, 60, at, H - 75, gripColors[k]);
        else
            SetLine(Line1[8 + k], 60, at, W - 75, at, gripColors[k]);
    }
    for (int i = 0; i <= 13; ++i) {
        Line1[i].setVisible(true);
        Line1[i].raise();
    }
}

void ItemRowForm::setBackground()
{
    Cls();
    const QString file = rt::GetSetting(mMain::AppName, QStringLiteral("Setting"), QStringLiteral("BackgroundPicture"));
    if (!ShellEx::FileExists(file))
        return;
    const QImage tile = platform::loadGuardedImage(file);
    if (tile.isNull() || tile.width() < 1 || tile.height() < 1)
        return;
    const int tw = tile.width(), th = tile.height();
    const int fw = toPixels(Width()), fh = toPixels(Height());
    QPainter painter(&canvas());
    for (int col = 0; col <= fw / tw; ++col) {
        for (int row = 0; row <= fh / th; ++row)
            painter.drawImage(col * tw, row * th, tile);
    }
    update();
}

void ItemRowForm::DrawRect(Control& target)
{
    if (!mMain::ButtonLook)
        return;
    if (&target == mLastTarget)
        return;
    mLastTarget = &target;
    for (QWidget* w :
         {static_cast<QWidget*>(&myShape1), static_cast<QWidget*>(&myLine1), static_cast<QWidget*>(&myLine2)}) {
        w->raise();
        w->hide();
    }
    const int32_t L = target.Left(), T = target.Top(), W = target.Width(), H = target.Height();
    if (dynamic_cast<Label*>(&target)) {
        myShape1.Move(L - 30, T - 30, W + 75, H + 75);
        myLine1.setEnds(L - 30, T - 30, L + W + 30, T - 30);
        myLine2.setEnds(L - 30, T - 30, L - 30, T + H + 30);
    } else if (dynamic_cast<Image*>(&target)) {
        if (mMain::IsHorizontal()) {
            myShape1.Move(L, T, W + 15, H + 30);
            myLine1.setEnds(L, T, L + W, T);
        } else {
            myShape1.Move(L, T, W + 30, H + 30);
            myLine1.setEnds(L, T, L + W + 15, T);
        }
        myLine2.setEnds(L, T, L, T + H + 15);
    }
    if (!mMain::EditMode) {
        myShape1.setVisible(true);
        myLine1.setVisible(true);
        myLine2.setVisible(true);
    }
}

void ItemRowForm::EraseRect()
{
    myShape1.setVisible(false);
    myLine1.setVisible(false);
    myLine2.setVisible(false);
    mLastTarget = nullptr;
}

void ItemRowForm::ShowShape(Control& target)
{
    myShape1.setVisible(false);
    myLine1.setVisible(false);
    myLine2.setVisible(false);
    Shape1.ZOrder(0);
    const int32_t L = target.Left(), T = target.Top(), W = target.Width(), H = target.Height();
    if (dynamic_cast<Label*>(&target))
        Shape1.Move(L + 15, T + 15, W + 30, H + 30);
    else
        Shape1.Move(L + 15, T + 15, W, H);
    Shape1.setVisible(true);
}

bool ItemRowForm::SetItemIcon(int index, const QString& source)
{
    // The item changes even when no picture can be had for it.
    noteItemsChanged();
    Image& button = ItemImg[index];
    button.setBorderStyle(0);
    const QPixmap picture = ItemPicture::build(source, mMain::IsHorizontal(), mMain::MaskColor, devicePixelRatioF());
    if (picture.isNull())
        return false;
    button.setPicture(picture);
    return true;
}

bool ItemRowForm::setLibraryIcon(int index, int16_t record)
{
    const QString extracted = ShellEx::ExtractLibIcon(mMain::ProgramFolder + QStringLiteral("kestrel98.lib"), record);
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

void ItemRowForm::copyItem(const Image& from, Image& to)
{
    to.setPicture(from.Picture());
    to.Tag = from.Tag;
}

void ItemRowForm::ShiftItemsUp(int first, int last)
{
    if (first < 0 || !ItemImg.exists(last + 1) || !ItemImg.exists(first))
        return;
    copyItem(ItemImg[last + 1], NewItem);
    for (int i = last; i >= first; --i) {
        Image& next = ItemImg[i + 1];
        copyItem(ItemImg[i], next);
        next.DragIcon = ImgDrag.Picture();
        next.setVisible(true);
    }
}

void ItemRowForm::ShiftItemsDown(int first, int last)
{
    if (first < 1 || !ItemImg.exists(first - 1) || !ItemImg.exists(last))
        return;
    copyItem(ItemImg[first - 1], NewItem);
    for (int i = first; i <= last; ++i) {
        Image& previous = ItemImg[i - 1];
        copyItem(ItemImg[i], previous);
        previous.DragIcon = ImgDrag.Picture();
        previous.setVisible(true);
    }
}

void ItemRowForm::PutNewItem(int index)
{
    if (!ItemImg.exists(index))
        return;
    Image& button = ItemImg[index];
    copyItem(NewItem, button);
    button.setBorderStyle(0);
    button.DragIcon = ImgDrag.Picture();
}

void ItemRowForm::ClearItemBorders()
{
    for (int i = 0; i <= rowCount(); ++i) {
        if (ItemImg.exists(i))
            ItemImg[i].setBorderStyle(0);
    }
    Shape1.setVisible(false);
}

void ItemRowForm::Reorder(int source, int target)
{
    if (target == source || target == source + 1)
        return;
    if (source < target) {
        ShiftItemsDown(source + 1, target - 1);
        PutNewItem(target - 1);
    } else {
        ShiftItemsUp(target, source - 1);
        PutNewItem(target);
    }
}

int ItemRowForm::CalcIndex(int32_t along) const
{
    int index = mMain::DirectionForward ? (along - 50) / 330 : along / 330;
    index = std::min(index, lastInsertIndex());
    return std::max(index, 0);
}

int ItemRowForm::insertIndexOnButton(int index, float along) { return along >= 150 ? index + 1 : index; }

float ItemRowForm::alongOf(float x, float y) { return mMain::IsHorizontal() ? x : y; }
