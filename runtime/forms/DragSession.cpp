// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/forms/DragSession.h"

#include "runtime/controls/Control.h"
#include "runtime/forms/Form.h"
#include "runtime/Twips.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

namespace rt {

namespace {
Control* gSource = nullptr;

// The control or form that owns a widget (the widget itself or an ancestor).
void targetAt(QPoint globalPos, Control*& control, Form*& form)
{
    control = nullptr;
    form = nullptr;
    for (QWidget* w = QApplication::widgetAt(globalPos); w; w = w->parentWidget()) {
        if (!control && !form) {
            if (auto* c = dynamic_cast<Control*>(w)) {
                control = c;
                return;
            }
        }
        if (auto* f = dynamic_cast<Form*>(w)) {
            form = f;
            return;
        }
    }
}
}  // namespace

void DragSession::begin(Control* source)
{
    if (gSource)
        return;
    gSource = source;
    if (!source->DragIcon.isNull())
        QApplication::setOverrideCursor(QCursor(source->DragIcon));
    else
        QApplication::setOverrideCursor(QCursor(Qt::DragMoveCursor));
}

bool DragSession::active() { return gSource != nullptr; }

Control* DragSession::source() { return gSource; }

void DragSession::track(QPoint) {}

void DragSession::finish(QPoint globalPos)
{
    Control* source = gSource;
    cancel();
    if (!source)
        return;
    Control* control = nullptr;
    Form* form = nullptr;
    targetAt(globalPos, control, form);
    if (control && control->DragDrop) {
        const QPoint local = control->widget()->mapFromGlobal(globalPos);
        control->DragDrop(source, float(toTwips(local.x())), float(toTwips(local.y())));
    } else if (form) {
        const QPoint local = form->mapFromGlobal(globalPos);
        form->raiseDragDrop(source, float(toTwips(local.x())), float(toTwips(local.y())));
    }
}

void DragSession::cancel()
{
    if (!gSource)
        return;
    gSource = nullptr;
    QApplication::restoreOverrideCursor();
}

}  // namespace rt
