// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A place and size in twips that only Move changes: each setter moves the
// whole, so whatever Move does with new bounds (placing a widget on its form,
// a window on its monitor) follows every change.

#include <cstdint>

namespace rt {

class TwipsBounds {
public:
    virtual ~TwipsBounds() = default;

    int32_t Left() const { return mLeft; }
    int32_t Top() const { return mTop; }
    int32_t Width() const { return mWidth; }
    int32_t Height() const { return mHeight; }
    void setLeft(int32_t v) { Move(v, mTop, mWidth, mHeight); }
    void setTop(int32_t v) { Move(mLeft, v, mWidth, mHeight); }
    void setWidth(int32_t v) { Move(mLeft, mTop, v, mHeight); }
    void setHeight(int32_t v) { Move(mLeft, mTop, mWidth, v); }
    virtual void Move(int32_t left, int32_t top, int32_t width, int32_t height) = 0;
    void Move(int32_t left, int32_t top) { Move(left, top, mWidth, mHeight); }

protected:
    // For Move: the new bounds are the truth from here on.
    void keepBounds(int32_t left, int32_t top, int32_t width, int32_t height)
    {
        mLeft = left;
        mTop = top;
        mWidth = width;
        mHeight = height;
    }

private:
    int32_t mLeft = 0, mTop = 0, mWidth = 0, mHeight = 0;
};

}  // namespace rt
