// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/mMain.h"

#include "runtime/settings/SettingsStore.h"

#include <cmath>

namespace mMain {

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue)
{
    return rt::GetSetting(AppName, section, key, defaultValue);
}

void SaveSetting(const QString& section, const QString& key, const QString& value)
{
    rt::SaveSetting(AppName, section, key, value);
}

void DeleteSetting(const QString& section, const QString& key) { rt::DeleteSetting(AppName, section, key); }

bool toDouble(const QString& text, double& value)
{
    bool ok = false;
    const double parsed = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool toColorNumber(const QString& text, double& value)
{
    double parsed = 0;
    if (!toDouble(text, parsed) || parsed < -2147483648.0 || parsed > 2147483647.0)
        return false;
    value = parsed;
    return true;
}

bool toWholeNumber(const QString& text, int64_t& value)
{
    double parsed = 0;
    if (!toDouble(text, parsed))
        return false;
    if (parsed > 9.2e18 || parsed < -9.2e18)
        return false;
    value = static_cast<int64_t>(std::nearbyint(parsed));
    return true;
}

void getSpeed()
{
    int64_t value = 0;
    // A speed of zero or less would never finish a slide; it counts as no
    // number. So does one beyond the 16-bit range the slide arithmetic uses.
    if (toWholeNumber(GetSetting(QStringLiteral("Setting"), QStringLiteral("Speed"), QStringLiteral("100")), value) &&
        value > 0 && value <= 32767)
        Speed = static_cast<int16_t>(value);
}

void getBehavior()
{
    ShowOnMove = GetSetting(QStringLiteral("Setting"), QStringLiteral("Behavior"), QStringLiteral("click")) !=
        QLatin1String("click");
}

void getShowTip()
{
    ShowTip =
        GetSetting(QStringLiteral("Setting"), QStringLiteral("ShowTip"), QStringLiteral("yes")) == QLatin1String("yes");
}

void getSmartSlide()
{
    SmartSlide = GetSetting(QStringLiteral("Setting"), QStringLiteral("SmartSlide"), QStringLiteral("no")) !=
        QLatin1String("no");
}

void getDirection()
{
    Direction = GetSetting(QStringLiteral("Setting"), QStringLiteral("Direction"), QStringLiteral("right"));
    DirectionForward = Direction == QLatin1String("right") || Direction == QLatin1String("bottom");
    ItemOffset = DirectionForward ? 0 : -120;
}

void getAppearance()
{
    ButtonLook =
        GetSetting(QStringLiteral("Setting"), QStringLiteral("Appearance"), QStringLiteral("0")) != QLatin1String("0");
}

void getSound() { SoundFile = GetSetting(QStringLiteral("Setting"), QStringLiteral("Sound")); }

void getGroupSetting()
{
    GroupOnClick = GetSetting(QStringLiteral("Setting"), QStringLiteral("GroupSetting"), QStringLiteral("0")) ==
        QLatin1String("0");
}

void readBarSettings()
{
    getSpeed();
    getBehavior();
    getShowTip();
    getSmartSlide();
    getDirection();
    getAppearance();
    getSound();
    getGroupSetting();
}

bool IsHorizontal() { return Direction == QLatin1String("right") || Direction == QLatin1String("left"); }

}  // namespace mMain
