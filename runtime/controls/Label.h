// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A label: a caption in a font and colour, optionally sized to its text.

#include "runtime/controls/MouseForwardingControl.h"

#include <cstdint>
#include <QFont>

namespace rt {

class Label : public MouseForwardingControl {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);

    QString Caption() const { return mCaption; }
    void setCaption(const QString& caption);

    bool AutoSize() const { return mAutoSize; }
    void setAutoSize(bool autoSize);

    bool WordWrap() const { return mWordWrap; }
    void setWordWrap(bool wrap);

    // A caption too long for a label that does not size itself is shown on
    // one line with this part left out (Qt::ElideNone: wrapped as usual).
    Qt::TextElideMode ElideMode() const { return mElideMode; }
    void setElideMode(Qt::TextElideMode mode);

    int64_t ForeColor() const { return mForeColor; }
    void setForeColor(int64_t color);
    int64_t BackColor() const { return mBackColor; }
    void setBackColor(int64_t color);
    // 0 transparent, 1 opaque.
    int BackStyle() const { return mBackStyle; }
    void setBackStyle(int style);

    int BorderStyle() const { return mBorderStyle; }
    void setBorderStyle(int style);

    // Font name and size in points; the runtime keeps Qt's font otherwise.
    void setLabelFont(const QFont& font);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The caption, its font, wrapping or border changed: a label that sizes
    // itself fits them again, and every label shows them.
    void layoutChanged();
    void fitToCaption();

    QString mCaption;
    bool mAutoSize = false;
    bool mWordWrap = false;
    Qt::TextElideMode mElideMode = Qt::ElideNone;
    int64_t mForeColor = 0x80000012;
    int64_t mBackColor = 0x8000000F;
    int mBackStyle = 0;
    int mBorderStyle = 0;
};

// Points to pixels at the 96 dpi the forms were laid out for.
QFont pointFont(const QString& family, double points, bool bold = false);

}  // namespace rt
