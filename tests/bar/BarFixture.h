// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A bar loaded against the platform double, on a 1024 x 768 screen, with the
// program folder pointing at the built program's folder.

#include "bar/frmMain.h"
#include "core/mMain.h"
#include "runtime/settings/SettingsStore.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/ProgramFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <memory>

class BarFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile::remove(rt::SettingsFilePath(mMain::AppName));
        clearStore();
        save(QStringLiteral("App"), QStringLiteral("Path"), programFolder());
        save(QStringLiteral("App"), QStringLiteral("FirstTimeEx"), QStringLiteral("no"));
        fake.screen = QSize(1024, 768);
        fake.cursor = QPoint(500, 700);
    }

    void TearDown() override
    {
        if (bar && bar->Loaded())
            bar->Unload();
        bar.reset();
    }

    static void clearStore()
    {
        for (const char* section : {"App", "Setting", "Items"})
            rt::DeleteSetting(mMain::AppName, QLatin1String(section));
    }

    static void save(const QString& section, const QString& key, const QString& value)
    {
        rt::SaveSetting(mMain::AppName, section, key, value);
    }
    static QString stored(const QString& section, const QString& key)
    {
        return rt::GetSetting(mMain::AppName, section, key, QStringLiteral("<absent>"));
    }

    void storeItems(const QStringList& items)
    {
        for (int i = 0; i < items.size(); ++i)
            save(QStringLiteral("Items"), QString::number(i), items[i]);
    }

    frmMain& load()
    {
        bar = std::make_unique<frmMain>();
        bar->Load();
        return *bar;
    }

    // Slides the bar in at once, as the pointer at the grip would.
    void showBar()
    {
        const int16_t speed = mMain::Speed;
        mMain::Speed = 30000;
        bar->ShowDashkeep();
        mMain::Speed = speed;
    }

    QString tagOf(int index) { return bar->ItemImg[index].Tag; }

    FakePlatform fake;
    std::unique_ptr<frmMain> bar;
};
