// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A rectangle shape: a one-pixel border, transparent inside; mouse events
// pass through it to whatever lies beneath.

#include "runtime/controls/Control.h"

#include <cstdint>
#include <QWidget>

namespace rt {

class Shape : public QWidget, public Control {
    Q_OBJECT
public:
    explicit Shape(QWidget* parent = nullptr);
    QWidget* widget() override { return this; }

    int64_t BorderColor() const { return mBorderColor; }
    void setBorderColor(int64_t color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int64_t mBorderColor = 0;
};

}  // namespace rt
