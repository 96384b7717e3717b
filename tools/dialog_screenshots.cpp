// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Shows each dialog of kestrel98 on the display the way the program does and
// saves a picture of it: settings.png, item-property.png, group-property.png
// in the folder given (docs/screenshots by default). Run it on an X server,
// e.g. xvfb-run -a -s "-screen 0 1024x768x24" dialog_screenshots docs/screenshots

#include "dialogs/CGroup.h"
#include "dialogs/CProperty.h"
#include "dialogs/CSettingEx.h"
#include "dialogs/frmGroup.h"
#include "dialogs/frmProperty.h"
#include "dialogs/frmSettingEx.h"
#include "tools/Screenshot.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    // Default settings, whatever the user has stored.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots"));
    if (!QDir().mkpath(out.path()))
        return 1;

    bool ok = true;
    {
        rt::ComPtr<kestrel98::CSettingEx> dialog(new kestrel98::CSettingEx);
        ok &= shoot(*dialog.get(), dialog->form(), out.filePath(QStringLiteral("settings.png")));
    }
    {
        rt::ComPtr<kestrel98::CProperty> dialog(new kestrel98::CProperty);
        dialog->setItemInfo(QStringLiteral("My Computer|Everything on this machine"));
        ok &= shoot(*dialog.get(), dialog->form(), out.filePath(QStringLiteral("item-property.png")));
    }
    {
        rt::ComPtr<kestrel98::CGroup> dialog(new kestrel98::CGroup);
        dialog->setItemInfo(QStringLiteral("group|Tools|:"));
        ok &= shoot(*dialog.get(), dialog->form(), out.filePath(QStringLiteral("group-property.png")));
    }
    return ok ? 0 : 1;
}
