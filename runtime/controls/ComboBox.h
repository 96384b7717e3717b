// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A drop-down combo box with editable text. Click is raised when the user
// picks an entry of the list (the text then holds the entry).

#include "runtime/controls/Control.h"

#include <QComboBox>

namespace rt {

class ComboBox : public QComboBox, public Control {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);
    QWidget* widget() override { return this; }

    QString Text() const { return currentText(); }
    void setText(const QString& text) { setEditText(text); }

    void AddItem(const QString& item) { addItem(item); }
    int ListCount() const { return count(); }
    QString List(int index) const { return itemText(index); }
};

}  // namespace rt
