// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/window/PanelStruts.h"

#include <algorithm>

namespace platform {

QList<PanelBand> panelBandsOfStrut(const std::vector<uint32_t>& strut, QSize desktop)
{
    if (strut.size() != 4 && strut.size() != 12)
        return {};
    const int width = desktop.width();
    const int height = desktop.height();
    // The stretch along the edge: given by the partial strut, else all of it.
    auto along = [&strut](int index, int whole) {
        if (strut.size() == 4)
            return std::pair(0, whole - 1);
        return std::pair(int(std::min<uint32_t>(strut[index], INT32_MAX)),
                         int(std::min<uint32_t>(strut[index + 1], INT32_MAX)));
    };
    auto thickness = [&strut](int index, int whole) { return int(std::min<uint32_t>(strut[index], whole)); };

    QList<PanelBand> bands;
    if (const int left = thickness(0, width); left > 0) {
        const auto [from, to] = along(4, height);
        bands.append({Qt::LeftEdge, QRect(QPoint(0, from), QPoint(left - 1, to))});
    }
    if (const int right = thickness(1, width); right > 0) {
        const auto [from, to] = along(6, height);
        bands.append({Qt::RightEdge, QRect(QPoint(width - right, from), QPoint(width - 1, to))});
    }
    if (const int top = thickness(2, height); top > 0) {
        const auto [from, to] = along(8, width);
        bands.append({Qt::TopEdge, QRect(QPoint(from, 0), QPoint(to, top - 1))});
    }
    if (const int bottom = thickness(3, height); bottom > 0) {
        const auto [from, to] = along(10, width);
        bands.append({Qt::BottomEdge, QRect(QPoint(from, height - bottom), QPoint(to, height - 1))});
    }
    return bands;
}

QRect monitorFreeOfPanels(const QRect& monitor, const QList<PanelBand>& bands)
{
    QRect free = monitor;
    for (const PanelBand& band : bands) {
        if (!band.rect.intersects(monitor))
            continue;
        switch (band.edge) {
        case Qt::LeftEdge: free.setLeft(std::max(free.left(), band.rect.right() + 1)); break;
        case Qt::RightEdge: free.setRight(std::min(free.right(), band.rect.left() - 1)); break;
        case Qt::TopEdge: free.setTop(std::max(free.top(), band.rect.bottom() + 1)); break;
        case Qt::BottomEdge: free.setBottom(std::min(free.bottom(), band.rect.top() - 1)); break;
        }
    }
    return free.isValid() ? free : monitor;
}

QRect devicePixelArea(const QRect& area, const QRect& monitor, qreal ratio)
{
    const QPointF corner = monitor.topLeft() + QPointF(area.topLeft() - monitor.topLeft()) * ratio;
    return QRectF(corner, QSizeF(area.size()) * ratio).toRect();
}

QRect independentPixelArea(const QRect& deviceArea, const QRect& monitor, qreal ratio)
{
    const QPointF corner = monitor.topLeft() + QPointF(deviceArea.topLeft() - monitor.topLeft()) / ratio;
    return QRectF(corner, QSizeF(deviceArea.size()) / ratio).toRect();
}

}  // namespace platform
