// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/ComponentFactoryChecks.h"

#include "runtime/components/Component.h"

#include <QSet>

#include <gtest/gtest.h>

void expectCreatableByProgIdAndClassId(std::span<const ComponentClass> classes)
{
    QSet<QUuid> ids;
    for (const ComponentClass& expected : classes) {
        auto byProgId = rt::CreateObject(expected.progId);
        ASSERT_TRUE(byProgId) << expected.progId.toStdString();
        EXPECT_EQ(byProgId->ProgId(), expected.progId);
        EXPECT_EQ(byProgId->ClassId(), expected.classId);
        EXPECT_EQ(byProgId->InterfaceId(), expected.interfaceId);
        auto byClassId = rt::CreateObject(expected.classId.toString());
        ASSERT_TRUE(byClassId);
        EXPECT_EQ(byClassId->ProgId(), expected.progId);
        ids << expected.classId << expected.interfaceId;
    }
    EXPECT_EQ(ids.size(), 2 * qsizetype(classes.size()));
}
