// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The part of a monitor that panels leave free. Window managers publish one
// work area for the whole desktop (_NET_WORKAREA), which Qt ignores once
// there are several monitors; a panel's own strut says which edge of the
// desktop it keeps and along which stretch, and so which monitor it is on.

#include <QList>
#include <QRect>

#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

// A band a panel keeps along one edge of the desktop, in root coordinates.
struct PanelBand {
    Qt::Edge edge;
    QRect rect;
};

// The bands of one window's strut: the 12 values of _NET_WM_STRUT_PARTIAL,
// or the 4 of _NET_WM_STRUT, which run the whole length of their edge.
QList<PanelBand> panelBandsOfStrut(const std::vector<uint32_t>& strut, QSize desktop);

// The monitor less every band that reaches into it, each cut from its own
// edge; the whole monitor when the bands would leave nothing.
QRect monitorFreeOfPanels(const QRect& monitor, const QList<PanelBand>& bands);

// Qt counts a monitor in device-independent pixels from its corner, the X
// server in device pixels: scaled by `ratio`, a monitor keeps its corner and
// its size shrinks. These map an area of the monitor between the two.
QRect devicePixelArea(const QRect& area, const QRect& monitor, qreal ratio);
QRect independentPixelArea(const QRect& deviceArea, const QRect& monitor, qreal ratio);

// The part of a monitor (as Qt gives it, with its pixel ratio) that the
// panels of the windows the window manager lists (_NET_CLIENT_LIST) leave
// free; nothing when the program does not run on X.
std::optional<QRect> x11MonitorFreeOfPanels(const QRect& monitor, qreal ratio);

}  // namespace platform
