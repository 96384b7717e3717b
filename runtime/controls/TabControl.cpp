// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/controls/TabControl.h"

#include "runtime/Twips.h"

#include <algorithm>
#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>

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
    announceCurrentTab();
    if (Click)
        Click();
}

void TabControl::announceCurrentTab()
{
    if (!hasFocus() || !QAccessible::isActive())
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(mCurrent);
    QAccessible::updateAccessibility(&event);
}

void TabControl::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // After the focus event Qt sends for the whole control, so that the tab
    // that will change with the arrows is the one spoken last.
    QTimer::singleShot(0, this, [this] { announceCurrentTab(); });
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

namespace {

// A raised edge: light above and to the left, shadow below and to the right.
void drawRaisedEdges(QPainter& painter, const QRect& r, const QPalette& palette, bool withBottom)
{
    painter.setPen(palette.color(QPalette::Light));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(palette.color(QPalette::Shadow));
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.setPen(palette.color(QPalette::Mid));
    painter.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() + QPoint(-1, 0));
    if (withBottom) {
        painter.setPen(palette.color(QPalette::Shadow));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.setPen(palette.color(QPalette::Mid));
        painter.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() + QPoint(-1, -1));
    }
}

// Room for a caption on a tab that is not the current one (the narrower):
// its edges and a pixel of air on either side, as narrow as the tabs of the
// design were.
constexpr int CaptionMargin = 2 + 2;

}  // namespace

QFont TabControl::captionFont() const
{
    // One font for every tab, made smaller, down to a readable least, until
    // the longest caption fits: a substituted font can be wider than the one
    // the tabs were sized for.
    QFont font = this->font();
    int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    const auto allFit = [&] {
        const QFontMetrics metrics(font);
        for (int i = 0; i < Tabs(); ++i) {
            const QString caption = QString(mCaptions[i]).remove(QLatin1Char('&')).trimmed();
            if (metrics.horizontalAdvance(caption) > tabRect(i).width() - CaptionMargin)
                return false;
        }
        return true;
    };
    while (pixels > 8 && !allFit())
        font.setPixelSize(--pixels);
    return font;
}

void TabControl::paintTab(QPainter& painter, int index)
{
    const bool current = index == mCurrent;
    const bool besideBody = index / mTabsPerRow == Rows() - 1;
    QRect r = tabRect(index);
    // The current tab stands out; in the row next to the body it joins it.
    if (!current)
        r.adjust(1, 2, -1, 0);
    else if (besideBody)
        r.adjust(0, 0, 0, 1);
    painter.fillRect(r, palette().color(QPalette::Button));
    drawRaisedEdges(painter, r, palette(), !besideBody || !current);

    const QRect textArea = r.adjusted(1, 2, -1, -1);
    // Trailing blanks do not show; they would only push the caption aside.
    const QString caption = mCaptions[index].trimmed();
    const QFont font = captionFont();
    painter.setFont(font);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    const QString shown = QFontMetrics(font).elidedText(caption, Qt::ElideRight, textArea.width());
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextShowMnemonic, shown);

    if (current && hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = QFontMetrics(font).boundingRect(textArea, Qt::AlignCenter, shown).adjusted(-2, -1, 2, 1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void TabControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int bodyTop = Rows() * toPixels(mTabHeight);
    const QRect body = rect().adjusted(0, bodyTop, 0, 0);
    painter.fillRect(body, palette().color(QPalette::Button));
    drawRaisedEdges(painter, body.adjusted(0, 0, -1, -1), palette(), true);
    // The current tab last, so it lies over its neighbours and the body's edge.
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
    case Qt::Key_Left: setTab(mCurrent > 0 ? mCurrent - 1 : Tabs() - 1); break;
    case Qt::Key_Right: setTab(mCurrent + 1 < Tabs() ? mCurrent + 1 : 0); break;
    default: QWidget::keyPressEvent(event);
    }
}

}  // namespace rt
