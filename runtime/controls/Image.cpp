// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/controls/Image.h"

#include <QPainter>

namespace rt {

Image::Image(QWidget* parent) : MouseForwardingControl(parent) {}

void Image::setPicture(const QPixmap& picture)
{
    mPicture = picture;
    update();
    emit pictureChanged();
}

void Image::setBorderStyle(int style)
{
    if (mBorderStyle == style)
        return;
    mBorderStyle = style;
    update();
}

void Image::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!mPicture.isNull())
        painter.drawPixmap(0, 0, mPicture);
    if (mBorderStyle == 1) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace rt
