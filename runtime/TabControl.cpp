#include "runtime/TabControl.h"

#include "runtime/Twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <algorithm>

namespace rt {

TabControl::TabControl(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    initControl();
    setTabs(3);
}

void TabControl::setTabs(int count)
{
    count = std::max(1, count);
    while (mCaptions.size() < count)
        mCaptions << QStringLiteral("Tab %1").arg(mCaptions.size());
    while (mCaptions.size() > count)
        mCaptions.removeLast();
    mCurrent = std::min(mCurrent, count - 1);
    update();
}

void TabControl::setTabsPerRow(int count)
{
    mTabsPerRow = std::max(1, count);
    update();
}

void TabControl::setTabHeight(int32_t twips)
{
    mTabHeight = std::max(0, twips);
    update();
}

void TabControl::setTabCaption(int index, const QString& caption)
{
    if (index < 0 || index >= Tabs())
        return;
    mCaptions[index] = caption;
    update();
}

void TabControl::setTab(int index)
{
    if (index < 0 || index >= Tabs() || index == mCurrent)
        return;
    mCurrent = index;
    update();
    if (Click)
        Click();
}

int TabControl::Rows() const { return (Tabs() + mTabsPerRow - 1) / mTabsPerRow; }

QRect TabControl::tabRect(int index) const
{
    if (index < 0 || index >= Tabs())
        return {};
    const int row = index / mTabsPerRow;
    const int column = index % mTabsPerRow;
    const int rowHeight = toPixels(mTabHeight);
    // Spread the remainder over the first tabs so the row fills the width.
    const int base = width() / mTabsPerRow;
    const int extra = width() % mTabsPerRow;
    const int left = column * base + std::min(column, extra);
    const int w = base + (column < extra ? 1 : 0);
    return QRect(left, row * rowHeight, w, rowHeight);
}

int TabControl::tabAt(QPoint point) const
{
    for (int i = 0; i < Tabs(); ++i) {
        if (tabRect(i).contains(point))
            return i;
    }
    return -1;
}

void TabControl::paintTab(QPainter& painter, int index)
{
    QStyleOptionTab option;
    option.initFrom(this);
    option.rect = tabRect(index);
    option.text = mCaptions[index];
    option.shape = QTabBar::RoundedNorth;
    const int column = index % mTabsPerRow;
    const int lastColumn = std::min(mTabsPerRow, Tabs() - index + column) - 1;
    option.position = column == 0 ? QStyleOptionTab::Beginning
                      : column == lastColumn ? QStyleOptionTab::End
                                             : QStyleOptionTab::Middle;
    option.state &= ~QStyle::State_HasFocus;
    if (index == mCurrent) {
        option.state |= QStyle::State_Selected;
        if (hasFocus())
            option.state |= QStyle::State_HasFocus;
    }
    style()->drawControl(QStyle::CE_TabBarTab, &option, &painter, this);
}

void TabControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    const int bodyTop = Rows() * toPixels(mTabHeight);
    frame.rect = rect().adjusted(0, bodyTop, 0, 0);
    frame.shape = QTabBar::RoundedNorth;
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
    // The current tab last, so its raised edges lie over its neighbours'.
    for (int i = 0; i < Tabs(); ++i) {
        if (i != mCurrent)
            paintTab(painter, i);
    }
    paintTab(painter, mCurrent);
}

void TabControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const int index = tabAt(event->position().toPoint());
        if (index >= 0)
            setTab(index);
    }
    dispatchMousePress(event);
}

void TabControl::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        setTab(mCurrent > 0 ? mCurrent - 1 : Tabs() - 1);
        break;
    case Qt::Key_Right:
        setTab(mCurrent + 1 < Tabs() ? mCurrent + 1 : 0);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

}  // namespace rt
