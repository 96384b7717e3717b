// Edit Mode on the bar: buttons dragged to new places, and files dropped
// from the file manager.

#include "bar/frmMain.h"

#include "core/mMain.h"
#include "runtime/DragSession.h"
#include "runtime/Interaction.h"
#include "runtime/Twips.h"

using namespace rt;

namespace {
// A drag from another window (the group window) only beeps.
bool fromThisWindow(Control* source, const Form* form) { return source && source->parentForm() == form; }
}  // namespace

void frmMain::finishDrop(int source, int target)
{
    if (ItemImg.exists(source))
        ItemImg[source].setBorderStyle(0);
    Shape1.setVisible(false);
    Reorder(source, target);
}

void frmMain::itemimg_DragDrop(int Index, Control* Source, float X, float Y)
{
    if (!fromThisWindow(Source, this)) {
        Beep();
        return;
    }
    const int target = std::min(insertIndexOnButton(Index, alongOf(X, Y)), lastInsertIndex());
    finishDrop(mMain::InsertIndex, target);
}

void frmMain::Form_DragDrop(Control* Source, float X, float Y)
{
    if (!fromThisWindow(Source, this)) {
        Beep();
        return;
    }
    finishDrop(mMain::InsertIndex, CalcIndex(int32_t(alongOf(X, Y))));
}

bool frmMain::addRowItem(const QString& itemText, const QString& secondText)
{
    return AddNewItem(itemText, secondText);
}

void frmMain::dropFiles(platform::HDROP drop)
{
    if (!mMain::EditMode) {
        refuseDrop(drop);
        return;
    }
    Show();
    activateWindow();
    const QPoint point = platform::DragQueryPoint(drop);
    mMain::InsertIndex = CalcIndex(mMain::IsHorizontal() ? point.x() * 15 : point.y() * 15);
    takeDroppedFiles(drop, mMain::InsertIndex);
    ClearItemBorders();
    Refresh();
}
