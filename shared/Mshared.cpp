// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shared/Mshared.h"

#include "platform/Platform.h"
#include "runtime/forms/Form.h"
#include "runtime/forms/Interaction.h"
#include "runtime/Twips.h"

#include <algorithm>
#include <QRect>

namespace shared {

namespace {

constexpr int32_t PanelMargin = 210;  // twips beyond the panel band
constexpr int32_t EdgeMargin = 500;  // twips along the other axis

// The screen band the panel keeps, in pixels; empty when there is none. With
// several bands the thickest stands for the panel.
QRect panelBand()
{
    const QSize size = platform::services().screenSize();
    const QRect screen(QPoint(0, 0), size);
    const QRect available = platform::services().availableGeometry().intersected(screen);
    if (available.isEmpty() || available == screen)
        return {};
    const int top = available.top() - screen.top();
    const int bottom = screen.bottom() - available.bottom();
    const int left = available.left() - screen.left();
    const int right = screen.right() - available.right();
    const int thickest = std::max({top, bottom, left, right});
    if (thickest == bottom)
        return QRect(0, size.height() - bottom, size.width(), bottom);
    if (thickest == top)
        return QRect(0, 0, size.width(), top);
    if (thickest == left)
        return QRect(0, 0, left, size.height());
    return QRect(size.width() - right, 0, right, size.height());
}

// Keeps [start, start + extent) at least `margin` inside [0, limit); a form
// too large for the room ends at the far margin.
int32_t keepInside(int32_t start, int32_t extent, int32_t limit, int32_t margin)
{
    if (start < margin)
        return margin;
    if (start + extent > limit - margin)
        return limit - margin - extent;
    return start;
}

}  // namespace

int16_t GetTaskbarState() { return panelBand().isEmpty() ? TaskbarNone : TaskbarAlwaysOnTop; }

int32_t GetTaskbarHeight()
{
    const QRect band = panelBand();
    return band.isEmpty() ? 0 : rt::toTwips(band.height());
}

int32_t GetTaskbarWidth()
{
    const QRect band = panelBand();
    return band.isEmpty() ? 0 : rt::toTwips(band.width());
}

void ShowFormNearCursor(rt::Form& form)
{
    const int32_t pointerX = rt::toTwips(rt::CursorX());
    const int32_t pointerY = rt::toTwips(rt::CursorY());
    const int32_t width = form.Width();
    const int32_t height = form.Height();
    int32_t left = pointerX - width / 2;
    int32_t top = pointerY - height / 2;

    const int32_t screenWidth = rt::Screen::Width();
    const int32_t screenHeight = rt::Screen::Height();
    const int32_t panelWidth = GetTaskbarWidth();
    if (screenWidth > panelWidth) {
        // No panel, or one standing at the left or right edge.
        left = keepInside(left, width, screenWidth, panelWidth + PanelMargin);
        top = keepInside(top, height, screenHeight, EdgeMargin);
    } else {
        // A panel across the whole width, at the top or bottom edge.
        left = keepInside(left, width, screenWidth, EdgeMargin);
        top = keepInside(top, height, screenHeight, GetTaskbarHeight() + PanelMargin);
    }
    form.Move(left, top);
    rt::ShowModal(&form);
}

}  // namespace shared
