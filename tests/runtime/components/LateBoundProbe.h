// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A component with one member of each kind late binding knows, and one that
// throws. moc reads it here, in a header: a test file that included its own
// moc output would carry generated code into the lint.

#include "runtime/components/Component.h"

#include <stdexcept>

class Probe : public rt::Component {
    Q_OBJECT
    Q_PROPERTY(int Count MEMBER mCount)
    Q_PROPERTY(QString Name READ Name)

public:
    QUuid ClassId() const override { return {}; }
    QUuid InterfaceId() const override { return {}; }
    QString ProgId() const override { return QStringLiteral("tests.Probe"); }

    QString Name() const { return QStringLiteral("probe"); }
    Q_INVOKABLE K98_LET_ONLY void setNote(const QString& note) { mNote = note; }
    Q_INVOKABLE int Add(int first, int second) { return first + second; }
    Q_INVOKABLE void Fail() { throw std::runtime_error("fails"); }

    QString mNote;

private:
    int mCount = 0;
};
