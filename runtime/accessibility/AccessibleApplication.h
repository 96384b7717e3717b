// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The application as assistive technologies list it, under the name it goes
// by rather than the one its files are kept under.

#include <QAccessibleApplication>

#include <utility>

namespace rt {

class AccessibleApplication : public QAccessibleApplication {
public:
    explicit AccessibleApplication(QString name) : mName(std::move(name)) {}
    QString text(QAccessible::Text t) const override;

private:
    QString mName;
};

}  // namespace rt
