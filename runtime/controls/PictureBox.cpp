// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/controls/PictureBox.h"

#include "runtime/OleColor.h"
#include "runtime/Twips.h"

#include <QPainter>

namespace rt {

PictureBox::PictureBox(QWidget* parent) : MouseForwardingControl(parent) {}

void PictureBox::Move(int32_t left, int32_t top, int32_t width, int32_t height)
{
    Control::Move(left, top, width, height);
    const QSize wanted(std::max(1, toPixels(width)), std::max(1, toPixels(height)));
    if (mSurface.size() != wanted) {
        mSurface = QImage(wanted, QImage::Format_ARGB32);
        mSurface.fill(oleColor(mBackColor));
    }
}

void PictureBox::setBackColor(int64_t color)
{
    mBackColor = color;
    update();
}

void PictureBox::Cls()
{
    mSurface.fill(oleColor(mBackColor));
    update();
}

void PictureBox::setBorderStyle(int style)
{
    mBorderStyle = style;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), oleColor(mBackColor));
    painter.drawImage(0, 0, mSurface);
    if (mBorderStyle == 1) {
        painter.setPen(QPen(Qt::darkGray, 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace rt
