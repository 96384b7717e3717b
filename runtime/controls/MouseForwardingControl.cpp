// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/controls/MouseForwardingControl.h"

namespace rt {

MouseForwardingControl::MouseForwardingControl(QWidget* parent) : QWidget(parent) { initControl(); }

void MouseForwardingControl::mousePressEvent(QMouseEvent* event) { dispatchMousePress(event); }

void MouseForwardingControl::mouseMoveEvent(QMouseEvent* event) { dispatchMouseMove(event); }

void MouseForwardingControl::mouseReleaseEvent(QMouseEvent* event) { dispatchMouseRelease(event); }

}  // namespace rt
