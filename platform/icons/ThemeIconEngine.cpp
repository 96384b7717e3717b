// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/icons/ThemeIconEngine.h"

#include "platform/files/GuardedFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

namespace platform {

namespace {

// An SVG is drawn at the side itself; a bitmap is scaled to it, so that every
// icon fills the same square whatever size its theme had nearest.
QImage loadAtSide(const QString& file, int side)
{
    if (file.endsWith(QLatin1String(".svg"))) {
        FileContents contents = readGuarded(file);
        QBuffer buffer(&contents.bytes);
        QImageReader reader(&buffer, "svg");
        reader.setScaledSize(QSize(side, side));
        return reader.read();
    }
    QImage image = loadGuardedImage(file);
    if (image.isNull() || image.size() == QSize(side, side))
        return image;
    return image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

ThemeIconEngine::ThemeIconEngine(std::shared_ptr<const IconTheme> theme, QString iconName)
    : mTheme(std::move(theme)), mIconName(std::move(iconName))
{
}

QImage ThemeIconEngine::imageFor(int side)
{
    if (side <= 0)
        return QImage();
    const auto cached = mImages.constFind(side);
    if (cached != mImages.constEnd())
        return *cached;
    QImage image = loadAtSide(mTheme->findIcon(mIconName, side), side);
    mImages.insert(side, image);
    return image;
}

QPixmap ThemeIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    const QImage image = imageFor(qMin(size.width(), size.height()));
    if (image.isNull())
        return QPixmap();
    const QPixmap picture = QPixmap::fromImage(image);
    // A plain icon of the one picture draws the disabled and selected looks
    // as Qt draws them for any icon.
    return mode == QIcon::Normal ? picture : QIcon(picture).pixmap(size, mode, state);
}

void ThemeIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    const QPixmap picture = pixmap(rect.size(), mode, state);
    if (picture.isNull())
        return;
    QRect target(QPoint(), picture.size());
    target.moveCenter(rect.center());
    painter->drawPixmap(target, picture);
}

QIconEngine* ThemeIconEngine::clone() const { return new ThemeIconEngine(*this); }

QString ThemeIconEngine::key() const { return QStringLiteral("k98-theme"); }

QString ThemeIconEngine::iconName() { return mIconName; }

}  // namespace platform
