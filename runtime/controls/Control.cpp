// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/controls/Control.h"

#include "runtime/forms/DragSession.h"
#include "runtime/forms/Form.h"
#include "runtime/Twips.h"

#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace rt {

void Control::Move(int32_t left, int32_t top, int32_t width, int32_t height)
{
    keepBounds(left, top, width, height);
    widget()->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

bool Control::Visible() const { return !widget()->isHidden(); }

void Control::ZOrder(int position)
{
    if (position == 0)
        widget()->raise();
    else
        widget()->lower();
}

Form* Control::parentForm() const
{
    for (QWidget* w = widget()->parentWidget(); w; w = w->parentWidget()) {
        if (auto* form = dynamic_cast<Form*>(w))
            return form;
    }
    return nullptr;
}

void Control::Drag() { DragSession::begin(this); }

void Control::initControl()
{
    widget()->setMouseTracking(true);
    Name = widget()->objectName();
}

int mouseButtonOf(const QMouseEvent* event)
{
    switch (event->button()) {
    case Qt::LeftButton: return vbLeftButton;
    case Qt::RightButton: return vbRightButton;
    case Qt::MiddleButton: return vbMiddleButton;
    default: return 0;
    }
}

int mouseButtonsHeld(const QMouseEvent* event)
{
    int held = 0;
    if (event->buttons() & Qt::LeftButton)
        held |= vbLeftButton;
    if (event->buttons() & Qt::RightButton)
        held |= vbRightButton;
    if (event->buttons() & Qt::MiddleButton)
        held |= vbMiddleButton;
    return held;
}

int shiftStateOf(Qt::KeyboardModifiers modifiers)
{
    int shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= vbShiftMask;
    if (modifiers & Qt::ControlModifier)
        shift |= vbCtrlMask;
    if (modifiers & Qt::AltModifier)
        shift |= vbAltMask;
    return shift;
}

namespace {
float twipsOf(qreal pixels) { return float(pixels * TwipsPerPixel); }

// Handlers may unload the control they belong to (a menu command deleting its
// button), so each runs from a copy of itself and the control is not touched
// again once its window is gone.
template <typename Handler, typename... Args>
void runHandler(const Handler& handler, Args... args)
{
    if (!handler)
        return;
    const Handler copy = handler;
    copy(args...);
}
}  // namespace

void Control::dispatchMousePress(QMouseEvent* event)
{
    const int button = mouseButtonOf(event);
    mPressedLeft = button == vbLeftButton;
    runHandler(MouseDown, button, shiftStateOf(event->modifiers()), twipsOf(event->position().x()),
               twipsOf(event->position().y()));
}

void Control::clickWithoutPointer()
{
    const QPointer<QWidget> alive(widget());
    const float x = float(Width()) / 2, y = float(Height()) / 2;
    runHandler(MouseDown, int(vbLeftButton), 0, x, y);
    if (alive)
        runHandler(MouseUp, int(vbLeftButton), 0, x, y);
    if (alive)
        runHandler(Click);
}

void Control::dispatchMouseMove(QMouseEvent* event)
{
    if (DragSession::active()) {
        DragSession::track(event->globalPosition().toPoint());
        return;
    }
    runHandler(MouseMove, mouseButtonsHeld(event), shiftStateOf(event->modifiers()), twipsOf(event->position().x()),
               twipsOf(event->position().y()));
}

void Control::dispatchMouseRelease(QMouseEvent* event)
{
    if (DragSession::active()) {
        mPressedLeft = false;
        DragSession::finish(event->globalPosition().toPoint());
        return;
    }
    const int button = mouseButtonOf(event);
    const QPointer<QWidget> alive(widget());
    runHandler(MouseUp, button, shiftStateOf(event->modifiers()), twipsOf(event->position().x()),
               twipsOf(event->position().y()));
    if (!alive)
        return;
    // A click is a left press and release over the same control.
    const bool clicked =
        mPressedLeft && button == vbLeftButton && widget()->rect().contains(event->position().toPoint());
    mPressedLeft = false;
    if (clicked)
        runHandler(Click);
}

}  // namespace rt
