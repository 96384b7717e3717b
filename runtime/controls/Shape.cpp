// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/controls/Shape.h"

#include "runtime/OleColor.h"

#include <QPainter>

namespace rt {

Shape::Shape(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    initControl();
}

void Shape::setBorderColor(int64_t color)
{
    mBorderColor = color;
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(oleColor(mBorderColor), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace rt
