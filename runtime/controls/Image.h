#pragma once
// An image control: shows a picture at its top-left corner; BorderStyle 1
// draws a single-line frame around it.

#include "runtime/controls/Control.h"

#include <QPixmap>
#include <QWidget>

namespace rt {

class Image : public QWidget, public Control {
    Q_OBJECT
public:
    explicit Image(QWidget* parent = nullptr);
    QWidget* widget() override { return this; }

    const QPixmap& Picture() const { return mPicture; }
    void setPicture(const QPixmap& picture);

    int BorderStyle() const { return mBorderStyle; }
    void setBorderStyle(int style);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override { dispatchMousePress(event); }
    void mouseMoveEvent(QMouseEvent* event) override { dispatchMouseMove(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { dispatchMouseRelease(event); }

private:
    QPixmap mPicture;
    int mBorderStyle = 0;
};

}  // namespace rt
