#pragma once
// The group window: one small strip, reused for every group, showing the
// open group's own row of items. The bar talks to it only through its hidden
// buttons: cmdShowGroup (whose Tag names the group), cmdHideGroup and
// cmdForceHide.

#include "core/ItemRowForm.h"
#include "platform/Antenna.h"
#include "runtime/CommandButton.h"

#include <limits>

class frmGroup : public ItemRowForm {
    Q_OBJECT
public:
    explicit frmGroup(QWidget* parent = nullptr);
    ~frmGroup() override;

    rt::CommandButton cmdShowGroup{this};
    rt::CommandButton cmdHideGroup{this};
    rt::CommandButton cmdForceHide{this};
    platform::Antenna Antenna1{this};

    int& rowCount() override;
    // The group window's insertions may go past its last button: they stay
    // at the end of the row.
    int lastInsertIndex() const override { return std::numeric_limits<int>::max(); }
    bool addRowItem(const QString& itemText, const QString& secondText) override;

    // Appends an item to the open group's row; false (with the message when
    // the row is full) when it could not.
    bool AddNewGroupItem(const QString& itemText, const QString& secondText);
    int32_t capacity() const;

protected:
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;

private:
    bool mFirstLoad = true;
};
