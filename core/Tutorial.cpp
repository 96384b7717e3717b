// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Tutorial.h"

#include "core/mMain.h"
#include "runtime/components/Component.h"
#include "tutorview/TutorialViewer.h"

namespace Tutorial {

void Show()
{
    rt::ComPtr<rt::Component> viewer = rt::CreateObject(tutorview::ClassId.toString());
    if (!viewer)
        return;
    viewer->setProperty(QLatin1String(tutorview::TitleProperty), mMain::ProductName);
    viewer->setProperty(QLatin1String(tutorview::ChapterProperty), tutorview::LastChapter);
    viewer->setProperty(QLatin1String(tutorview::FileProperty), mMain::ProgramFolder + QStringLiteral("Tutorial.lib"));
    viewer->setProperty(QLatin1String(tutorview::CodeProperty), tutorview::FormatCode);
    viewer->invoke(QLatin1String(tutorview::ShowMethod));
}

}  // namespace Tutorial
