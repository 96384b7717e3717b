// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every control of a form has: a place in twips, a Tag, visibility,
// z-order and the mouse and drag events its form handles. Concrete controls
// are Qt widgets that also derive from Control.

#include "runtime/TwipsBounds.h"

#include <cstdint>
#include <functional>
#include <QPixmap>
#include <QString>

class QWidget;
class QMouseEvent;

namespace rt {

class Form;

class Control : public TwipsBounds {
public:
    using MouseHandler = std::function<void(int Button, int Shift, float X, float Y)>;
    using DropHandler = std::function<void(Control* Source, float X, float Y)>;

    ~Control() override = default;
    virtual QWidget* widget() = 0;
    const QWidget* widget() const { return const_cast<Control*>(this)->widget(); }

    // Geometry in twips relative to the form's client area. Twips are the
    // truth; the widget gets the truncated pixel values.
    void Move(int32_t left, int32_t top, int32_t width, int32_t height) override;
    using TwipsBounds::Move;

    // The control's own Visible flag (independent of whether its form shows);
    // set it through the widget's setVisible.
    bool Visible() const;

    // 0 brings the control to the front of its siblings, 1 sends it back.
    void ZOrder(int position = 0);

    QString Tag;
    QString Name;

    // The form the control sits on, or nullptr.
    Form* parentForm() const;

    // Picture shown while this control is dragged in a form-level drag.
    QPixmap DragIcon;
    // Starts a drag of this control; the drop raises DragDrop on the control
    // or form under the pointer when the button is released.
    void Drag();

    MouseHandler MouseDown, MouseMove, MouseUp;
    std::function<void()> Click;
    DropHandler DragDrop;

    // What a left click on the middle of the control does, for a user who
    // has no pointer (a screen reader's press): the press, the release and
    // the click, each while the control is still there.
    void clickWithoutPointer();

protected:
    // Called by concrete widgets from their mouse event overrides.
    void dispatchMousePress(QMouseEvent* event);
    void dispatchMouseMove(QMouseEvent* event);
    void dispatchMouseRelease(QMouseEvent* event);
    void initControl();

private:
    bool mPressedLeft = false;
};

// Mouse event arguments of a Qt event, as the handlers take them.
int mouseButtonOf(const QMouseEvent* event);
int mouseButtonsHeld(const QMouseEvent* event);
int shiftStateOf(Qt::KeyboardModifiers modifiers);

}  // namespace rt
