// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the bar and the group window have in common: a strip with a row of
// item buttons, border and grip lines, a tiled background, the hover and
// pressed frames, the moves of items inside the row, and the mouse, drag,
// drop and keyboard handling of the buttons. The two windows differ in which
// globals hold their row's counts and indices, in their capacity, menus and
// built-in buttons, and in what follows a run or a press; those are the
// virtuals below.

#include "platform/window/DropFiles.h"
#include "runtime/controls/ControlArray.h"
#include "runtime/controls/Image.h"
#include "runtime/controls/Line.h"
#include "runtime/controls/Shape.h"
#include "runtime/forms/Form.h"

#include <cstdint>
#include <QStringList>

namespace rt {
class Menu;
}

class ItemRowForm : public rt::Form {
    Q_OBJECT
public:
    explicit ItemRowForm(QWidget* parent = nullptr);

    // The controls both windows have.
    rt::ControlArray<rt::Image> ItemImg;
    rt::ControlArray<rt::Line> Line1;  // 0 to 7 border, 8 to 13 grip
    rt::Shape myShape1{this};  // the hover frame ...
    rt::Line myLine1{this};  // ... with its two light edges
    rt::Line myLine2{this};
    rt::Shape Shape1{this};  // the pressed frame
    rt::Image NewItem{this};  // staging slot for moving an item
    rt::Image TmpItem{this};
    rt::Image ImgDrag{this};  // its picture is every button's drag icon

    // The globals this row works with: its highest index (ItemCount or
    // GroupItemCount), where the next insertion goes and which button a menu
    // acts on (InsertIndex, SelectedIndex or their group twins), and the
    // button the keyboard has selected (-1 for none).
    virtual int& rowCount() = 0;
    virtual int& insertIndex() = 0;
    virtual int& selectedIndex() = 0;
    virtual int& keyboardSelection() = 0;

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
    // A button's picture from one record of the icon library, through a
    // ".qrk" file.
    bool setLibraryIcon(int index, int16_t record);

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

    // Reads the stored list of a section ("0", "1", ...) into buttons 0 on,
    // up to button lastIndex; the first item that does not fit brings the
    // no-space message, and it and the rest are kept to be stored again
    // after the shown ones. Returns the number of buttons built.
    int loadStoredRow(const QString& section, int lastIndex);
    // Until the row is first seen, stored items can load without their
    // pictures: a parked bar shows none, and building them is most of what
    // its pictures cost (the icon theme, the MIME data, the image readers).
    void holdStoredPictures() { mPicturesHeld = true; }
    // The picture of a stored item's button (its tag set): built now, or
    // none while pictures are held.
    void pictureStoredItem(int index);
    // Builds every picture held back, and from then on builds them as the
    // stored items load.
    void drawStoredPictures();
    // Writes buttons 0 to rowEnd (the last user item) and the items kept
    // aside to a section, and deletes the values after them; returns the
    // index after the last value written.
    int storeRow(const QString& section, int rowEnd);
    const QStringList& itemsBeyondCapacity() const { return mItemsBeyondCapacity; }

    // The highest index a button of this row may take.
    virtual int32_t capacity() const = 0;
    // Appends a button for a new item after the last one (AddNewItem,
    // AddNewGroupItem): false when the row is full (after its message) or
    // when no icon could be had for the item.
    bool appendItem(const QString& itemText, const QString& secondText);
    // Adds a new item at insertIndex: appended, then moved into place. An
    // index past the row's end leaves it at the end.
    bool insertRowItem(int insertIndex, const QString& itemText, const QString& secondText);
    // Takes button index out of the row: the buttons after it move one
    // place down and the last one is unloaded.
    void removeItem(int index);
    // After items were added, removed, moved or edited: the stored list
    // follows at once, so that nothing the user did waits for the end.
    virtual void rowChanged() = 0;

    // The tip text of a button's tag ("" for none).
    static QString tipTextOf(const QString& tag);
    // What assistive technologies call a button (the tip it shows) and what
    // they say a press of it does in the current mode.
    QString buttonName(int index) const;
    QString buttonDescription(int index) const;
    // The buttons shown and the title, in the order they stand on the screen.
    QList<QWidget*> controlsInScreenOrder();
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

    // Takes files dropped from the file manager, each inserted at
    // insertIndex (so several end up in reverse order), after asking about
    // shortcut files. Releases the drop.
    void takeDroppedFiles(platform::HDROP drop, int insertIndex);
    // Refuses a drop outside Edit Mode with the message that says how to
    // enter it, and releases the drop.
    static void refuseDrop(platform::HDROP drop);
    // A drop of files on this window, at the point the drop handle holds.
    void dropFiles(platform::HDROP drop);

    // The button a navigation key selects from `selected` (-1 for none), or
    // -1 when the key has nowhere to go (the caller beeps and keeps the
    // selection). Separators are never selected; Tab and Shift+Tab jump
    // between the sections separators make.
    int walkSelection(int keyCode, int shift, int selected);
    // Shows the tip of a button the keyboard chose, below the button.
    void ShowTipRoutine(int Index);
    virtual void DoBeforeKeyDown() { forgetHoverTarget(); }

    // Parks the bar, or closes the group window.
    virtual void HideDashkeep() = 0;

    // Makes this window the active one, so the keys reach it, remembering the
    // other program's window that had the keyboard.
    void takeKeyboard();
    // Hands the keyboard back to that window, if one of ours holds it.
    static void returnKeyboard();

protected:
    // The menus of this row: an item's, its property entry, the background's.
    virtual rt::Menu* itemMenu() = 0;
    virtual rt::Menu* itemPropertyEntry() = 0;
    virtual rt::Menu* backgroundMenu() = 0;
    // Whether this row's items may be groups (only the bar's).
    virtual bool holdsGroups() const = 0;
    // What the full row says when an item cannot be added.
    virtual QString rowFullMessage() const = 0;
    // The icon source of a stored item.
    virtual QString storedIconSource(const QString& item) const;
    // Builds a stored item's picture, or the placeholder when its icon cannot
    // be had now.
    virtual void drawStoredPicture(int index);
    // After an item was added or removed (the group window fits its length).
    virtual void rowLengthChanged() {}
    // Whether the window takes keys now (besides Exec Mode and no press).
    virtual bool takesKeys() const { return true; }
    // Whose tip ShowTipRoutine shows: the bar's or the group window's.
    virtual bool tipsBelongToBar() const = 0;
    // The window's title control, if it has one.
    virtual QWidget* titleControl() { return nullptr; }

    // What is particular to each window around the shared handlers: a press
    // in Edit Mode, the pointer resting on an item, a keyboard selection, a
    // click on a group, the settings button, and leaving after a run.
    virtual void pressedInEditMode(int /*Index*/, int /*Button*/) {}
    virtual void itemHovered(int /*Index*/) {}
    virtual void selectedByKeyboard(int /*Index*/) {}
    virtual bool openedGroup(const QString& /*tag*/) { return false; }
    virtual void showSettings() = 0;
    virtual void leaveAfterRun() = 0;
    // The mode button: into Edit Mode ("edit" becomes "exec") and back.
    virtual void enterEditMode(int index);
    virtual void leaveEditMode(int index);

    // The button events; Index is the button's index.
    virtual void ItemImg_MouseDown(int Index, int Button, int Shift, float X, float Y);
    virtual void ItemImg_MouseMove(int Index, int Button, int Shift, float X, float Y);
    virtual void ItemImg_MouseUp(int Index, int Button, int Shift, float X, float Y);
    virtual void ItemImg_Click(int Index);
    virtual void itemimg_DragDrop(int Index, rt::Control* Source, float X, float Y);
    void Form_DragDrop(rt::Control* Source, float X, float Y) override;
    // A release on the background: in Edit Mode it sets the insertion
    // point, and the right button opens the background menu.
    void Form_MouseUp(int Button, int Shift, float X, float Y) override;
    void Form_KeyDown(int& KeyCode, int& Shift) override;
    // Any press on the window takes the keyboard before its handlers run.
    void mousePressEvent(QMouseEvent* event) override;

    // Copies one button's picture and tag into another.
    static void copyItem(const rt::Image& from, rt::Image& to);
    // Takes the keyboard selection away, if there is one.
    void clearKeyboardSelection();

    bool mItemPressed = false;  // a mouse button is held on an item button
    int mDownShift = 0;  // Shift state and button of the last press
    int mDownButton = 0;
    float mDownX = 0, mDownY = 0;

private:
    std::unique_ptr<rt::Image> makeButton(int index);
    // Hidden, without a tag, then unloaded.
    void unloadButton(int index);
    bool isSeparator(int index) const;
    int firstSelectableAfter(int index);
    void selectButton(int index);
    // Tells assistive technologies of the buttons whose name or description
    // changed, once the handler that changed them has finished.
    void noteItemsChanged();
    void announceChangedItems();
    // Tells them the keyboard selected a button.
    void announceSelection(int index);
    // The settings button, the help button or an item.
    void runClickedItem(const QString& tag);
    void finishDrop(int source, int target);
    // The path to add for a dropped file: a shortcut may be replaced by its
    // target after a question.
    static QString resolveDroppedShortcut(const QString& path);

    rt::Control* mLastTarget = nullptr;
    QStringList mItemsBeyondCapacity;
    bool mAnnouncementDue = false;
    bool mPicturesHeld = false;
};
