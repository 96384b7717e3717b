// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tutorview/TutorialWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tutorview {

namespace {

// Text from the file is shown as it is: markup in it must not load images or
// links.
QLabel* plainLabel(const QString& objectName)
{
    auto* label = new QLabel;
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QPushButton* button(const QString& text, const QString& objectName)
{
    auto* button = new QPushButton(text);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TutorialWindow::TutorialWindow(const QString& title, const QList<TutorialFile::Page>& pages, QWidget* parent)
    : QDialog(parent), mPages(pages)
{
    setWindowTitle(title);
    setMinimumSize(440, 300);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(makePageArea(), 1);
    layout->addLayout(makeButtonRow());
    showPage(0);
}

QLayout* TutorialWindow::makePageArea()
{
    mPageTitle = plainLabel(QStringLiteral("pageTitle"));
    QFont heading = mPageTitle->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    mPageTitle->setFont(heading);
    mPageText = plainLabel(QStringLiteral("pageText"));
    mPageText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* area = new QVBoxLayout;
    area->addWidget(mPageTitle);
    area->addWidget(mPageText, 1);
    return area;
}

QLayout* TutorialWindow::makeButtonRow()
{
    mPageNumber = new QLabel;
    mPageNumber->setObjectName(QStringLiteral("pageNumber"));
    mBack = button(QStringLiteral("< Back"), QStringLiteral("backButton"));
    mNext = button(QStringLiteral("Next >"), QStringLiteral("nextButton"));
    mClose = button(QStringLiteral("Close"), QStringLiteral("closeButton"));
    connect(mBack, &QPushButton::clicked, this, [this] { showPage(mCurrent - 1); });
    connect(mNext, &QPushButton::clicked, this, [this] { showPage(mCurrent + 1); });
    connect(mClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(mPageNumber);
    row->addStretch(1);
    row->addWidget(mBack);
    row->addWidget(mNext);
    row->addSpacing(12);
    row->addWidget(mClose);
    return row;
}

void TutorialWindow::showPage(int index)
{
    mCurrent = qBound(0, index, int(mPages.size()) - 1);
    const TutorialFile::Page& page = mPages[mCurrent];
    mPageTitle->setText(page.title);
    mPageText->setText(page.paragraphs.join(QStringLiteral("\n\n")));
    mPageNumber->setText(QStringLiteral("Page %1 of %2").arg(mCurrent + 1).arg(mPages.size()));

    const bool hasNext = mCurrent + 1 < mPages.size();
    mBack->setEnabled(mCurrent > 0);
    mNext->setEnabled(hasNext);
    // Enter turns the page, and closes the window on the last one.
    mNext->setDefault(hasNext);
    mClose->setDefault(!hasNext);
    (hasNext ? mNext : mClose)->setFocus();
}

}  // namespace tutorview
