// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A theme icon drawn at each size from the file the theme holds for that
// size, chosen by the icon theme's own rules.

#include "platform/icons/IconTheme.h"

#include <QHash>
#include <QIconEngine>
#include <QImage>

#include <memory>

namespace platform {

class ThemeIconEngine : public QIconEngine {
public:
    ThemeIconEngine(std::shared_ptr<const IconTheme> theme, QString iconName);

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;
    QString iconName() override;

private:
    // The picture for a square of that side, scaled to it; null when the
    // theme has no readable file for it.
    QImage imageFor(int side);

    std::shared_ptr<const IconTheme> mTheme;
    QString mIconName;
    QHash<int, QImage> mImages;
};

}  // namespace platform
