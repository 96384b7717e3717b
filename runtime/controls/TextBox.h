// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A single-line text box.

#include "runtime/controls/Control.h"

#include <QLineEdit>

namespace rt {

class TextBox : public QLineEdit, public Control {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);
    QWidget* widget() override { return this; }

    QString Text() const { return text(); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace rt
