// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/forms/DialogForm.h"

#include "runtime/accessibility/Accessibility.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/Control.h"
#include "runtime/controls/Label.h"
#include "runtime/Twips.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QShortcut>

namespace rt {

DialogForm::DialogForm(QWidget* parent) : Form(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(pointFont(QStringLiteral("MS Sans Serif"), 8.25));
    // The window is no stop of its own in the tab order: its controls are.
    setFocusPolicy(Qt::NoFocus);
}

void DialogForm::setClientSize(int32_t width, int32_t height)
{
    Move(Left(), Top(), width, height);
    setFixedSize(toPixels(width), toPixels(height));
}

void DialogForm::setDefaultButton(CommandButton& button)
{
    if (mDefault)
        mDefault->setDefault(false);
    mDefault = &button;
    button.setDefault(true);
}

void DialogForm::setCancelButton(CommandButton& button)
{
    if (mCancel)
        mCancel->Cancel = false;
    mCancel = &button;
    button.Cancel = true;
}

void DialogForm::setTabOrder(std::initializer_list<QWidget*> chain)
{
    mFirstInTabOrder = chain.size() ? *chain.begin() : nullptr;
    QWidget* previous = nullptr;
    for (QWidget* next : chain) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

void DialogForm::nameByLabel(const Label& label, QWidget& target)
{
    const QString name = spokenCaption(label.Caption());
    target.setAccessibleName(name);
    // A combo box's text field and list are reached on their own too.
    if (auto* combo = qobject_cast<QComboBox*>(&target)) {
        if (combo->lineEdit())
            combo->lineEdit()->setAccessibleName(name);
        combo->view()->setAccessibleName(name);
    }
}

void DialogForm::setAccessKey(Label& label, QWidget& target)
{
    nameByLabel(label, target);
    const QKeySequence key = QKeySequence::mnemonic(label.Caption());
    if (key.isEmpty())
        return;
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, &target, [&target] { target.setFocus(Qt::ShortcutFocusReason); });
}

void DialogForm::place(Control& control, const QString& name, int32_t left, int32_t top, int32_t width, int32_t height)
{
    control.widget()->setObjectName(name);
    control.Name = name;
    control.Move(left, top, width, height);
}

void DialogForm::showEvent(QShowEvent* event)
{
    Form::showEvent(event);
    // A form shown again keeps the focus where the user left it.
    if (mFirstInTabOrder && !focusWidget())
        mFirstInTabOrder->setFocus(Qt::TabFocusReason);
}

bool DialogForm::press(CommandButton* button)
{
    if (!button || !button->isEnabled() || !button->isVisible())
        return false;
    button->click();
    return true;
}

void DialogForm::Form_KeyDown(int& KeyCode, int& Shift)
{
    // A key reaches the form only when the focused control did not use it.
    // Enter presses the focused button, else the default one.
    if (KeyCode == 13) {
        if (!press(dynamic_cast<CommandButton*>(focusWidget())))
            press(mDefault);
    } else if (KeyCode == 27) {
        press(mCancel);
    } else if (KeyCode == 9) {
        // Tab with the window itself focused (its controls all disabled a
        // moment ago) goes on to the controls.
        focusNextPrevChild((Shift & vbShiftMask) == 0);
    }
}

void DialogForm::Form_QueryUnload(int& Cancel, int UnloadMode)
{
    // The close box answers like the cancel button; the form stays loaded.
    if (UnloadMode == vbFormControlMenu && press(mCancel))
        Cancel = 1;
}

}  // namespace rt
