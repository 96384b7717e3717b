// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ItemPicture.h"

#include "core/ShellEx.h"
#include "platform/files/GuardedFile.h"
#include "runtime/OleColor.h"

#include <QPainter>

namespace ItemPicture {

namespace {

QPixmap blankPicture(qreal dpr)
{
    QPixmap picture(QSize(PictureSize, PictureSize) * dpr);
    picture.setDevicePixelRatio(dpr);
    picture.fill(Qt::transparent);
    return picture;
}

QIcon firstIconOfFile(const QString& path)
{
    // The program's icon library holds icon files.
    const QImage image = platform::loadGuardedImage(path, "ico");
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

// Pixels of the mask colour count as transparent, as the picture's margin.
QImage withMaskTransparent(QImage image, double maskColor)
{
    const QRgb mask = rt::oleColor(static_cast<int64_t>(maskColor)).rgb() & 0xFFFFFF;
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) == 255 && (line[x] & 0xFFFFFF) == mask)
                line[x] = 0;
        }
    }
    return image;
}

}  // namespace

QIcon iconFor(const QString& source)
{
    if (source.endsWith(QLatin1String(".qrk")))
        return firstIconOfFile(source);
    if (source == QLatin1String("group"))
        return ShellEx::GetSpecialIcon(ShellEx::DefaultGroupIcon);
    if (const int code = ShellEx::SpecialCodeOf(source))
        return ShellEx::GetSpecialIcon(code);
    return ShellEx::GetFileIcon(source, false);
}

QPixmap separator(bool horizontal, qreal dpr)
{
    QPixmap picture = blankPicture(dpr);
    QPainter painter(&picture);
    const QColor shadow = rt::oleColor(rt::vbButtonShadow);
    const QColor highlight = rt::oleColor(rt::vb3DHighlight);
    // Two one-pixel lines across the middle: dark then light, a groove.
    if (horizontal) {
        painter.fillRect(QRectF(11, 0, 1, PictureSize), shadow);
        painter.fillRect(QRectF(12, 0, 1, PictureSize), highlight);
    } else {
        painter.fillRect(QRectF(0, 11, PictureSize, 1), shadow);
        painter.fillRect(QRectF(0, 12, PictureSize, 1), highlight);
    }
    return picture;
}

QPixmap build(const QString& source, bool horizontal, double maskColor, qreal dpr)
{
    if (source == QLatin1String("sep"))
        return separator(horizontal, dpr);
    const QIcon icon = iconFor(source);
    if (icon.isNull())
        return QPixmap();
    const int side = qRound(IconSize * dpr);
    QImage iconImage = icon.pixmap(QSize(side, side)).toImage();
    if (iconImage.isNull())
        return QPixmap();
    if (iconImage.size() != QSize(side, side))
        iconImage = iconImage.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    iconImage = withMaskTransparent(iconImage, maskColor);
    QPixmap picture = blankPicture(dpr);
    QPainter painter(&picture);
    painter.drawImage(QRectF(IconOffset, IconOffset, IconSize, IconSize), iconImage);
    return picture;
}

QPixmap placeholder(qreal dpr)
{
    QPixmap picture = blankPicture(dpr);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
    painter.setBrush(QColor(0xE8, 0xE8, 0xE8));
    painter.drawRect(QRectF(IconOffset + 0.5, IconOffset + 0.5, IconSize - 1, IconSize - 1));
    QFont font = painter.font();
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(IconOffset, IconOffset, IconSize, IconSize), Qt::AlignCenter, QStringLiteral("?"));
    return picture;
}

}  // namespace ItemPicture
