// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One button of an item row. It knows its index, and what assistive
// technologies were last told of it, so that a change of its item is
// announced once.

#include "runtime/controls/Image.h"

class ItemButton : public rt::Image {
    Q_OBJECT
public:
    ItemButton(int index, QWidget* parent) : rt::Image(parent), mIndex(index) {}

    int index() const { return mIndex; }

    QString announcedName;
    QString announcedDescription;

private:
    int mIndex;
};
