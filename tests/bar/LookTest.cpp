// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bar as it is drawn, in the system colours: a hovered title must stay
// readable on the face, and the 3-D lines must stand out from it both ways.

#include "BarFixture.h"
#include "runtime/OleColor.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QtMath>

#include <map>

namespace {

double relativeLuminance(QRgb rgb)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : qPow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour most pixels of the area have: the background under a caption.
QRgb commonest(const QImage& image, const QRect& area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

// The pixel that stands out most from the background: the core of a glyph.
QRgb mostDistinct(const QImage& image, const QRect& area, QRgb background)
{
    QRgb best = background;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (contrast(image.pixel(x, y), background) > contrast(best, background))
                best = image.pixel(x, y);
    return best;
}

class Look : public BarFixture {};

TEST_F(Look, TheTitleIsReadableAtRestAndHovered)
{
    frmMain& b = load();
    const QRect title = b.Label1.geometry();
    const QRgb face = commonest(b.grab().toImage(), title);
    EXPECT_EQ(face, rt::oleColor(rt::vbButtonFace).rgb());
    EXPECT_GE(contrast(mostDistinct(b.grab().toImage(), title, face), face), 4.5);

    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&b.Label1, &move);
    ASSERT_EQ(b.Label1.ForeColor(), int64_t(b.ColorEnter()));
    const QImage hovered = b.grab().toImage();
    const QRgb text = mostDistinct(hovered, title, face);
    EXPECT_GT(relativeLuminance(text), relativeLuminance(face));
    EXPECT_GE(contrast(text, face), 3.0);
}

TEST_F(Look, ASeparatorIsAGrooveOfOneDarkerAndOneLighterColumn)
{
    storeItems({QStringLiteral("sep")});
    frmMain& b = load();
    showBar();
    const QImage shot = b.grab().toImage();
    const QRect item = b.ItemImg[0].geometry();
    const QRgb face = rt::oleColor(rt::vbButtonFace).rgb();
    QList<int> darker, lighter;
    const int y = item.center().y();
    for (int x = item.left(); x <= item.right(); ++x) {
        const QRgb pixel = shot.pixel(x, y);
        if (contrast(pixel, face) < 1.5)
            continue;
        (relativeLuminance(pixel) < relativeLuminance(face) ? darker : lighter) << x;
    }
    ASSERT_EQ(darker.size(), 1);
    ASSERT_EQ(lighter.size(), 1);
    EXPECT_EQ(lighter[0], darker[0] + 1);
    // The groove runs across the item: every row of its middle shows it.
    for (int row = item.top() + 4; row <= item.bottom() - 4; ++row) {
        EXPECT_LT(relativeLuminance(shot.pixel(darker[0], row)), relativeLuminance(face)) << row;
        EXPECT_GT(relativeLuminance(shot.pixel(lighter[0], row)), relativeLuminance(face)) << row;
    }
}

}  // namespace
