// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/forms/Form.h"

#include "platform/Platform.h"
#include "runtime/accessibility/Accessibility.h"
#include "runtime/controls/Control.h"
#include "runtime/forms/DragSession.h"
#include "runtime/OleColor.h"
#include "runtime/SystemLook.h"
#include "runtime/Twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace rt {

Form::Form(QWidget* parent) : QWidget(parent)
{
    ensureSystemPalette();
    installAccessibility();
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

Form::~Form() = default;

void Form::Move(int32_t left, int32_t top, int32_t width, int32_t height)
{
    const bool resized = width != Width() || height != Height();
    keepBounds(left, top, width, height);
    applyGeometry();
    if (resized && mCanvas.size() != size())
        mCanvas = QImage();
}

void Form::applyGeometry()
{
    const QRect screen = platform::services().screenGeometry();
    const QRect placed(screen.topLeft() + QPoint(toPixels(Left()), toPixels(Top())),
                       QSize(toPixels(Width()), toPixels(Height())));
    setGeometry(placed);
    if (mClippedToScreen)
        clipToScreen(placed, screen);
}

void Form::setClippedToScreen(bool clipped)
{
    mClippedToScreen = clipped;
    if (clipped)
        applyGeometry();
    else
        clearMask();
}

void Form::clipToScreen(const QRect& placed, const QRect& screen)
{
    if (screen.contains(placed)) {
        if (!mask().isEmpty())
            clearMask();
        return;
    }
    const QRect shown = screen.intersected(placed).translated(-placed.topLeft());
    // An empty mask means no mask at all: a pixel outside the window hides it whole.
    const QRegion wanted = shown.isEmpty() ? QRegion(-1, -1, 1, 1) : QRegion(shown);
    if (mask() != wanted)
        setMask(wanted);
}

void Form::Load()
{
    if (mLoaded)
        return;
    mLoaded = true;
    Form_Load();
}

bool Form::Unload(int unloadMode)
{
    if (mUnloading)
        return true;
    int cancel = 0;
    Form_QueryUnload(cancel, unloadMode);
    if (cancel)
        return false;
    mUnloading = true;
    Form_Unload(cancel);
    if (cancel) {
        mUnloading = false;
        return false;
    }
    hide();
    mLoaded = false;
    mUnloading = false;
    return true;
}

void Form::Show()
{
    show();
    raise();
    // A freshly mapped window can be placed by Qt where it thinks it is; the
    // twips geometry is the truth.
    applyGeometry();
}

void Form::Hide() { hide(); }

void Form::Refresh() { repaint(); }

void Form::ZOrder(int position)
{
    if (position == 0)
        raise();
    else
        lower();
}

void Form::setBackColor(int64_t color)
{
    mBackColor = color;
    update();
}

QImage& Form::canvas()
{
    if (mCanvas.size() != size()) {
        QImage fresh(size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
        fresh.fill(Qt::transparent);
        mCanvas = fresh;
    }
    return mCanvas;
}

void Form::Cls()
{
    // A clear canvas shows nothing: none at all spares a form-sized image.
    mCanvas = QImage();
    update();
}

bool Form::event(QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        int code = keyCodeOf(key->key());
        int shift = shiftStateOf(key->modifiers());
        if (key->key() == Qt::Key_Backtab)
            shift |= vbShiftMask;
        Form_KeyDown(code, shift);
        return true;
    }
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(e);
}

void Form::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), oleColor(mBackColor));
    if (!mCanvas.isNull())
        painter.drawImage(0, 0, mCanvas);
}

namespace {
float twipsOf(qreal pixels) { return float(pixels * TwipsPerPixel); }
}  // namespace

void Form::mousePressEvent(QMouseEvent* e)
{
    Form_MouseDown(mouseButtonOf(e), shiftStateOf(e->modifiers()), twipsOf(e->position().x()),
                   twipsOf(e->position().y()));
}

void Form::mouseMoveEvent(QMouseEvent* e)
{
    if (DragSession::active())
        return;
    Form_MouseMove(mouseButtonsHeld(e), shiftStateOf(e->modifiers()), twipsOf(e->position().x()),
                   twipsOf(e->position().y()));
}

void Form::mouseReleaseEvent(QMouseEvent* e)
{
    Form_MouseUp(mouseButtonOf(e), shiftStateOf(e->modifiers()), twipsOf(e->position().x()),
                 twipsOf(e->position().y()));
}

void Form::closeEvent(QCloseEvent* e)
{
    if (mUnloading) {
        e->accept();
        return;
    }
    if (Unload(outsideCloseMode()))
        e->accept();
    else
        e->ignore();
}

void Form::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    Form_Resize();
}

int keyCodeOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Space: return 32;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    default: break;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 65 + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return 48 + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return 112 + (qtKey - Qt::Key_F1);
    return 0;
}

}  // namespace rt
