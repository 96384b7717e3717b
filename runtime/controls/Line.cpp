// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/controls/Line.h"

#include "runtime/OleColor.h"
#include "runtime/Twips.h"

#include <algorithm>
#include <QPainter>

namespace rt {

Line::Line(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    initControl();
}

void Line::setEnds(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    mX1 = x1;
    mY1 = y1;
    mX2 = x2;
    mY2 = y2;
    const int px1 = toPixels(x1), py1 = toPixels(y1), px2 = toPixels(x2), py2 = toPixels(y2);
    const int left = std::min(px1, px2), top = std::min(py1, py2);
    const int width = std::max(1, std::abs(px2 - px1));
    const int height = std::max(1, std::abs(py2 - py1));
    // The widget's own geometry in pixels; twips stay in X1..Y2.
    setGeometry(left, top, width, height);
}

void Line::setBorderColor(int64_t color)
{
    mBorderColor = color;
    update();
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), oleColor(mBorderColor));
}

}  // namespace rt
