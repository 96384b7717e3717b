// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A dialog worked while it is up: the scripted platform runs `act` on the
// form while Show holds it up modally, then lets it close.

#include "tests/support/FakePlatform.h"

#include <functional>
#include <QWidget>

template <typename Form>
void whileShown(FakePlatform& fake, const std::function<void(Form&)>& act, const std::function<void()>& show)
{
    fake.onModal = [&](QWidget* window) { act(*static_cast<Form*>(window)); };
    show();
    fake.onModal = nullptr;
}
