#pragma once
// What the bar and the group window have in common: a strip with a row of
// item buttons, border and grip lines, a tiled background, the hover and
// pressed frames, and the moves of items inside the row. The two windows
// differ in which counter holds their row's highest index, in their capacity
// and in where an insertion may go; those are the virtuals below.

#include "runtime/ControlArray.h"
#include "runtime/Form.h"
#include "runtime/Image.h"
#include "runtime/Line.h"
#include "runtime/Shape.h"
#include "platform/DropFiles.h"

#include <cstdint>

class ItemRowForm : public rt::Form {
    Q_OBJECT
public:
    explicit ItemRowForm(QWidget* parent = nullptr);

    // The controls both windows have.
    rt::ControlArray<rt::Image> ItemImg;
    rt::ControlArray<rt::Line> Line1;  // 0 to 7 border, 8 to 13 grip
    rt::Shape myShape1{this};          // the hover frame ...
    rt::Line myLine1{this};            // ... with its two light edges
    rt::Line myLine2{this};
    rt::Shape Shape1{this};  // the pressed frame
    rt::Image NewItem{this};  // staging slot for moving an item
    rt::Image TmpItem{this};
    rt::Image ImgDrag{this};  // its picture is every button's drag icon

    // The row's highest index (ItemCount or GroupItemCount).
    virtual int& rowCount() = 0;

    // Button geometry along the strip.
    static int32_t buttonOffset(int index);
    void placeButton(int index);

    void SetLine(rt::Line& line, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int64_t color);
    void SetBorders();
    void setBackground();

    void DrawRect(rt::Control& target);
    void EraseRect();
    void ShowShape(rt::Control& target);
    rt::Control* lastHoverTarget() const { return mLastTarget; }
    void forgetHoverTarget() { mLastTarget = nullptr; }

    // Builds a button's picture from an icon source; false (picture kept)
    // when no icon could be had.
    bool SetItemIcon(int index, const QString& source);
    void ChangeSeparetorIcon(int index) { SetItemIcon(index, QStringLiteral("sep")); }

    // Loads button index (reusing a loaded one), visible, with the drag icon.
    rt::Image& loadButton(int index);

    void ShiftItemsUp(int first, int last);
    void ShiftItemsDown(int first, int last);
    void PutNewItem(int index);
    void ClearItemBorders();

    // Moves the item at source so that it stands before target (indices of
    // the row before the move); a move onto itself or its successor does
    // nothing.
    void Reorder(int source, int target);

    // The tip text of a button's tag ("" for none).
    static QString tipTextOf(const QString& tag);
    // Runs an item by its tag: a special place, or what the shell opens.
    static void runItem(const QString& tag);

    // Where a new item goes for a point along the strip (twips from the
    // strip's start): before the button under it, clamped to the row.
    int CalcIndex(int32_t along) const;
    // The highest index an insertion may take.
    virtual int lastInsertIndex() const = 0;
    // Before or after the button: the point along the button (twips from
    // its own start) against its middle.
    static int insertIndexOnButton(int index, float along);
    // The coordinate along the strip of a point given as X, Y.
    static float alongOf(float x, float y);

    // Appends an item to the row (AddNewItem or AddNewGroupItem): false, with
    // the row's own message, when it could not.
    virtual bool addRowItem(const QString& itemText, const QString& secondText) = 0;
    // Adds a new item at insertIndex: appended, then moved into place.
    bool insertRowItem(int insertIndex, const QString& itemText, const QString& secondText);
    // Takes files dropped from the file manager, each inserted at
    // insertIndex (so several end up in reverse order), after asking about
    // shortcut files. Releases the drop.
    void takeDroppedFiles(platform::HDROP drop, int insertIndex);
    // Refuses a drop outside Edit Mode with the message that says how to
    // enter it, and releases the drop.
    static void refuseDrop(platform::HDROP drop);

    // The button a navigation key selects from `selected` (-1 for none), or
    // -1 when the key has nowhere to go (the caller beeps and keeps the
    // selection). Separators are never selected; Tab and Shift+Tab jump
    // between the sections separators make.
    int walkSelection(int keyCode, int shift, int selected);

protected:
    // The button events; Index is the button's index.
    virtual void ItemImg_MouseDown(int /*Index*/, int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void ItemImg_MouseMove(int /*Index*/, int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void ItemImg_MouseUp(int /*Index*/, int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void ItemImg_Click(int /*Index*/) {}
    virtual void itemimg_DragDrop(int /*Index*/, rt::Control* /*Source*/, float /*X*/, float /*Y*/) {}

    // Copies one button's picture and tag into another.
    static void copyItem(const rt::Image& from, rt::Image& to);

private:
    std::unique_ptr<rt::Image> makeButton(int index);
    bool isSeparator(int index) const;
    int firstSelectableAfter(int index);
    // The path to add for a dropped file: a shortcut may be replaced by its
    // target after a question.
    static QString resolveDroppedShortcut(const QString& path);

    rt::Control* mLastTarget = nullptr;
};
