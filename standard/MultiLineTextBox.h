// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A text box of several lines that wraps its text.

#include "runtime/controls/Control.h"

#include <cstdint>
#include <QPlainTextEdit>

namespace plainbox {

class MultiLineTextBox : public QPlainTextEdit, public rt::Control {
    Q_OBJECT
public:
    explicit MultiLineTextBox(QWidget* parent = nullptr);
    QWidget* widget() override { return this; }

    QString Text() const { return toPlainText(); }
    void setText(const QString& text) { setPlainText(text); }

    int64_t BackColor() const { return mBackColor; }
    void setBackColor(int64_t color);

private:
    int64_t mBackColor = 0x80000005;  // window background
};

}  // namespace plainbox
