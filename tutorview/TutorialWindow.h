// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The tutorial's window: one page at a time, turned with "< Back" and
// "Next >", closed with "Close".

#include "tutorview/TutorialFile.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tutorview {

class TutorialWindow : public QDialog {
    Q_OBJECT
public:
    // pages must not be empty.
    TutorialWindow(const QString& title, const QList<TutorialFile::Page>& pages, QWidget* parent = nullptr);

    int currentPage() const { return mCurrent; }

private:
    QLayout* makePageArea();
    QLayout* makeButtonRow();
    void showPage(int index);

    QList<TutorialFile::Page> mPages;
    int mCurrent = 0;
    QLabel* mPageTitle = nullptr;
    QLabel* mPageText = nullptr;
    QLabel* mPageNumber = nullptr;
    QPushButton* mBack = nullptr;
    QPushButton* mNext = nullptr;
    QPushButton* mClose = nullptr;
};

}  // namespace tutorview
