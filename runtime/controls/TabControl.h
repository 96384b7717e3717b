// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A tab control: Tabs captions laid out TabsPerRow to a row, the rows stacked
// above a raised body. Rows stay where they are whichever tab is current.
// Choosing a tab (click, or Left/Right while it has the focus) makes it the
// current Tab and raises Click. The pages themselves are other controls.

#include "runtime/controls/Control.h"

#include <cstdint>
#include <QFont>
#include <QRect>
#include <QStringList>
#include <QWidget>

class QPainter;

namespace rt {

class TabControl : public QWidget, public Control {
    Q_OBJECT
public:
    explicit TabControl(QWidget* parent = nullptr);
    QWidget* widget() override { return this; }

    int Tabs() const { return int(mCaptions.size()); }
    void setTabs(int count);
    int TabsPerRow() const { return mTabsPerRow; }
    void setTabsPerRow(int count);
    int32_t TabHeight() const { return mTabHeight; }  // twips
    void setTabHeight(int32_t twips);

    QString TabCaption(int index) const { return mCaptions.value(index); }
    void setTabCaption(int index, const QString& caption);

    int Tab() const { return mCurrent; }
    // Raises Click when the current tab changes.
    void setTab(int index);

    int Rows() const;
    // Where a tab's caption sits, in pixels of the control.
    QRect tabRect(int index) const;
    // The tab under a point (pixels), or -1.
    int tabAt(QPoint point) const;
    // The one font all captions are drawn in: the control's, made smaller
    // if the longest caption would not fit its tab.
    QFont captionFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void paintTab(QPainter& painter, int index);
    // Tells assistive technologies that the current tab has the focus.
    void announceCurrentTab();

    QStringList mCaptions;
    int mTabsPerRow = 3;
    int32_t mTabHeight = 345;
    int mCurrent = 0;
};

}  // namespace rt
