// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/controls/Label.h"

#include "runtime/OleColor.h"
#include "runtime/SystemLook.h"
#include "runtime/Twips.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace rt {

QFont pointFont(const QString& family, double points, bool bold)
{
    ensureDialogFonts();
    QFont font(family);
    // Size in pixels so the layout in twips does not depend on the screen's dpi.
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(bold);
    return font;
}

Label::Label(QWidget* parent) : MouseForwardingControl(parent) {}

void Label::setCaption(const QString& caption)
{
    mCaption = caption;
    layoutChanged();
}

void Label::setAutoSize(bool autoSize)
{
    mAutoSize = autoSize;
    if (mAutoSize)
        fitToCaption();
}

void Label::setWordWrap(bool wrap)
{
    mWordWrap = wrap;
    layoutChanged();
}

void Label::setElideMode(Qt::TextElideMode mode)
{
    mElideMode = mode;
    update();
}

void Label::setForeColor(int64_t color)
{
    mForeColor = color;
    update();
}

void Label::setBackColor(int64_t color)
{
    mBackColor = color;
    update();
}

void Label::setBackStyle(int style)
{
    mBackStyle = style;
    update();
}

void Label::setBorderStyle(int style)
{
    if (mBorderStyle == style)
        return;
    mBorderStyle = style;
    layoutChanged();
}

void Label::setLabelFont(const QFont& font)
{
    setFont(font);
    layoutChanged();
}

void Label::layoutChanged()
{
    if (mAutoSize)
        fitToCaption();
    update();
}

void Label::fitToCaption()
{
    // Every line counts: a word-wrapped label keeps its width and grows to
    // all its wrapped lines; otherwise it takes its widest line.
    const QFontMetrics metrics(font());
    const int border = mBorderStyle == 1 ? 2 : 0;
    if (mWordWrap) {
        const int width = std::max(1, toPixels(Width()) - border);
        const QRect lines =
            metrics.boundingRect(QRect(0, 0, width, 0), Qt::TextWordWrap | Qt::TextShowMnemonic, mCaption);
        Move(Left(), Top(), Width(), toTwips(lines.height() + border));
        return;
    }
    const QSize lines = metrics.size(Qt::TextShowMnemonic, mCaption);
    Move(Left(), Top(), toTwips(lines.width() + border), toTwips(lines.height() + border));
}

void Label::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (mBackStyle == 1)
        painter.fillRect(rect(), oleColor(mBackColor));
    painter.setPen(oleColor(mForeColor));
    painter.setFont(font());
    int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic;
    if (mWordWrap || !mAutoSize)
        flags |= Qt::TextWordWrap;
    const int inset = mBorderStyle == 1 ? 1 : 0;
    const QRect area = rect().adjusted(inset, inset, -inset, -inset);
    if (mElideMode != Qt::ElideNone && !mAutoSize) {
        const QString shown = QFontMetrics(font()).elidedText(mCaption, mElideMode, area.width());
        painter.drawText(area, (flags & ~Qt::TextWordWrap) | Qt::TextSingleLine, shown);
    } else {
        painter.drawText(area, flags, mCaption);
    }
    if (mBorderStyle == 1) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace rt
