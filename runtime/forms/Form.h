// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A top-level window measured in twips, with the load/unload life cycle and
// the form-level events the product's forms handle. A form keeps what is drawn
// on it (its canvas) across repaints.

#include "runtime/TwipsBounds.h"

#include <cstdint>
#include <QImage>
#include <QWidget>

namespace rt {

class Control;

class Form : public QWidget, public TwipsBounds {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // Geometry in twips, from the top-left corner of the bar's monitor.
    void Move(int32_t left, int32_t top, int32_t width, int32_t height) override;
    using TwipsBounds::Move;

    QString Tag;

    // A form that may stand partly off its monitor (a parked bar) shows only
    // the part on it, so a neighbouring monitor never shows any of it.
    void setClippedToScreen(bool clipped);

    // Runs Form_Load once; later calls do nothing.
    void Load();
    bool Loaded() const { return mLoaded; }
    // Asks QueryUnload, then runs Unload and hides the form. False when a
    // handler cancelled.
    bool Unload(int unloadMode = 1);

    void Show();
    void Hide();
    // Repaints now, without waiting for the event loop.
    virtual void Refresh();
    void ZOrder(int position = 0);
    bool Visible() const { return isVisible(); }

    // Background colour as a colour number (Part of the look, not a style sheet).
    int64_t BackColor() const { return mBackColor; }
    void setBackColor(int64_t color);

    // The persistent drawing surface, form-sized; Cls clears it.
    QImage& canvas();
    void Cls();

    // Called by the drag session when a control is dropped on the background.
    void raiseDragDrop(Control* source, float x, float y) { Form_DragDrop(source, x, y); }

protected:
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(int& /*Cancel*/, int /*UnloadMode*/) {}
    virtual void Form_Unload(int& /*Cancel*/) {}
    virtual void Form_Activate() {}
    virtual void Form_Resize() {}
    virtual void Form_MouseDown(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void Form_MouseMove(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void Form_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void Form_KeyDown(int& /*KeyCode*/, int& /*Shift*/) {}
    virtual void Form_DragDrop(Control* /*Source*/, float /*X*/, float /*Y*/) {}

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    // The unload mode a close request from outside the program stands for.
    virtual int outsideCloseMode() const { return 0; }

private:
    void applyGeometry();
    void clipToScreen(const QRect& placed, const QRect& screen);

    int64_t mBackColor = 0x8000000F;
    QImage mCanvas;
    bool mLoaded = false;
    bool mUnloading = false;
    bool mClippedToScreen = false;
};

// VB key codes of the keys the forms react to.
int keyCodeOf(int qtKey);

}  // namespace rt
