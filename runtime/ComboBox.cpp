#include "runtime/ComboBox.h"

namespace rt {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    // Typed text is the value; it never joins the list, and nothing is
    // completed behind the user's back.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    initControl();
    connect(this, &QComboBox::activated, this, [this] {
        if (Click)
            Click();
    });
}

}  // namespace rt
