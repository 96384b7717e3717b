#include "runtime/controls/CommandButton.h"

namespace rt {

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent)
{
    initControl();
    connect(this, &QPushButton::clicked, this, [this] {
        if (Click)
            Click();
    });
}

void CommandButton::setValue(bool value)
{
    if (value && Click)
        Click();
}

}  // namespace rt
