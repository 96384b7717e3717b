// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tutorview/CTutorial.h"

#include "runtime/forms/Interaction.h"
#include "tutorview/TutorialViewer.h"
#include "tutorview/TutorialWindow.h"

#include <QApplication>

namespace tutorview {

QUuid CTutorial::ClassId() const { return tutorview::ClassId; }

QUuid CTutorial::InterfaceId() const { return tutorview::InterfaceId; }

QString CTutorial::ProgId() const { return QLatin1String(tutorview::ProgId); }

bool CTutorial::Show()
{
    // A window needs a widget application; a console host gets nothing.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    const QList<TutorialFile::Page> pages = pagesToShow();
    if (pages.isEmpty())
        return false;
    TutorialWindow window(mTitle, pages);
    rt::ShowModal(&window);
    return true;
}

QList<TutorialFile::Page> CTutorial::pagesToShow() const
{
    const QList<TutorialFile::Page> pages = TutorialFile::load(mFile, mCode).pages();
    return mLastChapter > 0 ? pages.mid(0, mLastChapter) : pages;
}

}  // namespace tutorview

K98_EXPORT rt::Component* k98CreateInstance(const char* classIdOrProgId)
{
    const QString id = QString::fromUtf8(classIdOrProgId ? classIdOrProgId : "");
    const bool known = QUuid::fromString(id) == tutorview::ClassId ||
        id.compare(QLatin1String(tutorview::ProgId), Qt::CaseInsensitive) == 0;
    if (!known)
        return nullptr;
    try {
        return new tutorview::CTutorial;
    } catch (...) {
        return nullptr;
    }
}
