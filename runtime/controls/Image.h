// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// An image control: shows a picture at its top-left corner; BorderStyle 1
// draws a single-line frame around it.

#include "runtime/controls/MouseForwardingControl.h"

#include <QPixmap>

namespace rt {

class Image : public MouseForwardingControl {
    Q_OBJECT
public:
    explicit Image(QWidget* parent = nullptr);

    const QPixmap& Picture() const { return mPicture; }
    void setPicture(const QPixmap& picture);

    int BorderStyle() const { return mBorderStyle; }
    void setBorderStyle(int style);

signals:
    void pictureChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap mPicture;
    int mBorderStyle = 0;
};

}  // namespace rt
