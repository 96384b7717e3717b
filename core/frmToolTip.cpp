#include "core/frmToolTip.h"

#include "core/mMain.h"

#include <QFontDatabase>

using namespace rt;

frmToolTip::frmToolTip(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("frmToolTip"));
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                   Qt::X11BypassWindowManagerHint);
    lblToolTip.Move(30, 15, 0, 0);
    lblToolTip.setAutoSize(true);
    Timer1.setInterval(10);
    Timer1.setEnabled(false);
    mMain::ToolTipForm = this;
}

frmToolTip::~frmToolTip()
{
    if (mMain::ToolTipForm == this)
        mMain::ToolTipForm = nullptr;
}

void frmToolTip::Form_Load()
{
    Hide();
    // The first of these families the system has; fontconfig substitutes a
    // look-alike for each when none is installed by that name.
    const QStringList installed = QFontDatabase::families();
    QString family = QStringLiteral("MS Sans Serif");
    for (const char* candidate : {"Tahoma", "Arial"}) {
        if (installed.contains(QLatin1String(candidate))) {
            family = QLatin1String(candidate);
            break;
        }
    }
    lblToolTip.setLabelFont(pointFont(family, 8.25));
}
