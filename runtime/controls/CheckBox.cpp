#include "runtime/controls/CheckBox.h"

namespace rt {

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent)
{
    initControl();
    connect(this, &QCheckBox::toggled, this, [this] {
        if (Click)
            Click();
    });
}

}  // namespace rt
