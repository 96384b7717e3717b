#pragma once
// The tip window: one label on the system's tooltip colours, loaded once and
// shown by the tooltip module.

#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/Timer.h"

class frmToolTip : public rt::Form {
    Q_OBJECT
public:
    explicit frmToolTip(QWidget* parent = nullptr);
    ~frmToolTip() override;

    rt::Label lblToolTip{this};
    rt::Timer Timer1{this};

protected:
    void Form_Load() override;
};
