#include "runtime/OleColor.h"

#include <QApplication>
#include <QPalette>

namespace rt {

namespace {

QColor systemColor(int index)
{
    const QPalette pal = QApplication::palette();
    switch (index) {
    case 0x0F: return pal.color(QPalette::Button);           // button face
    case 0x10: return pal.color(QPalette::Mid);              // button shadow
    case 0x12: return pal.color(QPalette::ButtonText);       // button text
    case 0x14: return pal.color(QPalette::Light);            // 3-D highlight
    case 0x15: return pal.color(QPalette::Shadow);           // 3-D dark shadow
    case 0x16: return pal.color(QPalette::Midlight);         // 3-D light
    case 0x17: return pal.color(QPalette::ToolTipText);      // info text
    case 0x18: return pal.color(QPalette::ToolTipBase);      // info background
    case 0x05: return pal.color(QPalette::Base);             // window
    case 0x08: return pal.color(QPalette::WindowText);       // window text
    default: return pal.color(QPalette::Window);
    }
}

}  // namespace

QColor oleColor(int64_t value)
{
    const uint32_t bits = static_cast<uint32_t>(value);
    if (bits & 0x80000000u)
        return systemColor(static_cast<int>(bits & 0xFFu));
    return QColor(bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF);
}

int64_t oleFromColor(const QColor& color)
{
    return int64_t(color.red()) | (int64_t(color.green()) << 8) | (int64_t(color.blue()) << 16);
}

int64_t qbColor(int index)
{
    static const int64_t palette[16] = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
    };
    return palette[index & 15];
}

}  // namespace rt
