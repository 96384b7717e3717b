#include "runtime/Label.h"

#include "runtime/OleColor.h"
#include "runtime/Twips.h"

#include <QFontMetrics>
#include <QPainter>

namespace rt {

QFont pointFont(const QString& family, double points, bool bold)
{
    QFont font(family);
    // Size in pixels so the layout in twips does not depend on the screen's dpi.
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(bold);
    return font;
}

Label::Label(QWidget* parent) : QWidget(parent) { initControl(); }

void Label::setCaption(const QString& caption)
{
    mCaption = caption;
    if (mAutoSize)
        fitToCaption();
    update();
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
    if (mAutoSize)
        fitToCaption();
    update();
}

void Label::setLabelFont(const QFont& font)
{
    setFont(font);
    if (mAutoSize)
        fitToCaption();
    update();
}

void Label::fitToCaption()
{
    const QFontMetrics metrics(font());
    QString text = mCaption;
    text.remove(QLatin1Char('&'));
    const int border = mBorderStyle == 1 ? 2 : 0;
    const int w = metrics.horizontalAdvance(text) + border;
    const int h = metrics.height() + border;
    Move(Left(), Top(), toTwips(w), toTwips(h));
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
    painter.drawText(rect().adjusted(inset, inset, -inset, -inset), flags, mCaption);
    if (mBorderStyle == 1) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace rt
