// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// An axis-aligned line control from (X1, Y1) to (X2, Y2), one pixel wide.
// Like a drawn line it covers its start point but not its end point.

#include "runtime/controls/Control.h"

#include <cstdint>
#include <QWidget>

namespace rt {

class Line : public QWidget, public Control {
    Q_OBJECT
public:
    explicit Line(QWidget* parent = nullptr);
    QWidget* widget() override { return this; }

    int32_t X1() const { return mX1; }
    int32_t Y1() const { return mY1; }
    int32_t X2() const { return mX2; }
    int32_t Y2() const { return mY2; }
    void setEnds(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

    int64_t BorderColor() const { return mBorderColor; }
    void setBorderColor(int64_t color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int32_t mX1 = 0, mY1 = 0, mX2 = 0, mY2 = 0;
    int64_t mBorderColor = 0;
};

}  // namespace rt
