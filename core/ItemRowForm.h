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

    rt::Control* mLastTarget = nullptr;
};
