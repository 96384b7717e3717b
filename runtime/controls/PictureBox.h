// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A picture box: a control with a persistent drawing surface of its own size,
// cleared to its back colour by Cls.

#include "runtime/controls/MouseForwardingControl.h"

#include <cstdint>
#include <QImage>

namespace rt {

class PictureBox : public MouseForwardingControl {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void Move(int32_t left, int32_t top, int32_t width, int32_t height) override;
    using Control::Move;

    int64_t BackColor() const { return mBackColor; }
    void setBackColor(int64_t color);

    // What is drawn on the box (pixels, the box's size).
    QImage& surface() { return mSurface; }
    void Cls();

    int BorderStyle() const { return mBorderStyle; }
    void setBorderStyle(int style);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage mSurface;
    int64_t mBackColor = 0x8000000F;
    int mBorderStyle = 1;
};

}  // namespace rt
