// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// kestrel98.CSettingEx: the settings dialog. Show reads section "Setting" of
// "Dash97" into the form, shows it modally next to the pointer and returns
// when it is closed; OK has then written every key, Cancel none. The caller
// re-reads the settings afterwards.
//
//     rt::ComPtr<kestrel98::CSettingEx> dialog(new kestrel98::CSettingEx);
//     dialog->Show();

#include "runtime/components/Component.h"

#include <memory>

namespace kestrel98 {

class frmSettingEx;

class CSettingEx : public rt::NamedComponent<CSettingEx> {
    Q_OBJECT

public:
    static const QUuid classId;
    static const QUuid interfaceId;
    static const QString progId;

    CSettingEx();
    ~CSettingEx() override;

    Q_INVOKABLE void Show();

    // The form, for hosts that look at it (tests, screenshots).
    frmSettingEx& form() const { return *mForm; }

private:
    std::unique_ptr<frmSettingEx> mForm;
};

}  // namespace kestrel98
