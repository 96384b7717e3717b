#include "runtime/TextBox.h"

namespace rt {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) { initControl(); }

// The line edit keeps its own editing behaviour; the form sees the events too.
void TextBox::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    dispatchMousePress(event);
}

void TextBox::mouseMoveEvent(QMouseEvent* event)
{
    QLineEdit::mouseMoveEvent(event);
    dispatchMouseMove(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    dispatchMouseRelease(event);
}

}  // namespace rt
