// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The tutorial viewer's one class; its calls are described in TutorialViewer.h.

#include "runtime/components/Component.h"
#include "tutorview/TutorialFile.h"

namespace tutorview {

class CTutorial : public rt::Component {
    Q_OBJECT
    Q_PROPERTY(QString Title MEMBER mTitle)
    Q_PROPERTY(int Chapter MEMBER mLastChapter)
    Q_PROPERTY(QString File MEMBER mFile)
    Q_PROPERTY(int Code MEMBER mCode)

public:
    QUuid ClassId() const override;
    QUuid InterfaceId() const override;
    QString ProgId() const override;

    // Shows the tutorial modally; false when there was nothing to show.
    Q_INVOKABLE bool Show();

private:
    QList<TutorialFile::Page> pagesToShow() const;

    QString mTitle;
    int mLastChapter = 0;
    QString mFile;
    int mCode = 0;
};

}  // namespace tutorview
