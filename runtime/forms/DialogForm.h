// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A dialog window: fixed size, no minimize or maximize box, a default button
// that Enter presses (unless another button has the focus), a cancel button
// that Esc and the window's close box press, a tab order, and labels whose
// access key moves the focus on.

#include "runtime/forms/Form.h"

#include <cstdint>
#include <initializer_list>

namespace rt {

class CommandButton;
class Control;
class Label;

class DialogForm : public Form {
    Q_OBJECT
public:
    explicit DialogForm(QWidget* parent = nullptr);

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    // The client area in twips; the window cannot be resized.
    void setClientSize(int32_t width, int32_t height);

    void setDefaultButton(CommandButton& button);
    void setCancelButton(CommandButton& button);
    CommandButton* defaultButton() const { return mDefault; }
    CommandButton* cancelButton() const { return mCancel; }

    // Tab moves through the widgets in this order; the first has the focus
    // when the form first shows.
    void setTabOrder(std::initializer_list<QWidget*> chain);

    // The label's access key (the letter after "&") moves the focus to
    // target, and the label names it for assistive technologies.
    void setAccessKey(Label& label, QWidget& target);
    // The label names target for assistive technologies.
    static void nameByLabel(const Label& label, QWidget& target);

protected:
    // Names a control and puts it in its place (twips).
    static void place(Control& control, const QString& name, int32_t left, int32_t top, int32_t width, int32_t height);

    void showEvent(QShowEvent* event) override;
    void Form_KeyDown(int& KeyCode, int& Shift) override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;

private:
    static bool press(CommandButton* button);

    CommandButton* mDefault = nullptr;
    CommandButton* mCancel = nullptr;
    QWidget* mFirstInTabOrder = nullptr;
};

}  // namespace rt
