// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A control the runtime draws itself, with no Qt control beneath to take the
// mouse: every press, move and release over it goes to its form's handlers.

#include "runtime/controls/Control.h"

#include <QWidget>

namespace rt {

class MouseForwardingControl : public QWidget, public Control {
    Q_OBJECT
public:
    explicit MouseForwardingControl(QWidget* parent = nullptr);
    QWidget* widget() override { return this; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace rt
