#include "groups/frmGroup.h"

#include "core/MWindow.h"
#include "core/frmToolTip.h"
#include "core/mMain.h"
#include "platform/DropFiles.h"
#include "platform/WindowMessage.h"
#include "runtime/Interaction.h"
#include "runtime/OleColor.h"

using namespace rt;

frmGroup::frmGroup(QWidget* parent) : ItemRowForm(parent)
{
    setObjectName(QStringLiteral("frmGroup"));
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                   Qt::X11BypassWindowManagerHint);
    setWindowTitle(QStringLiteral("Group"));
    for (CommandButton* hidden : {&cmdShowGroup, &cmdHideGroup, &cmdForceHide})
        hidden->setVisible(false);
    mMain::GroupForm = this;
    mMain::cmdShowGroup = &cmdShowGroup;
    mMain::cmdHideGroup = &cmdHideGroup;
    mMain::cmdForceHide = &cmdForceHide;
}

frmGroup::~frmGroup()
{
    if (mMain::GroupForm == this) {
        mMain::GroupForm = nullptr;
        mMain::cmdShowGroup = nullptr;
        mMain::cmdHideGroup = nullptr;
        mMain::cmdForceHide = nullptr;
    }
}

int& frmGroup::rowCount() { return mMain::GroupItemCount; }

void frmGroup::Form_Load()
{
    mFirstLoad = true;
    myLine1.setBorderColor(vb3DHighlight);
    myLine2.setBorderColor(vb3DHighlight);
    myShape1.setBorderColor(vbButtonShadow);
    mMain::EditMode = false;
    mMain::GroupItemCount = 0;
    mMain::GroupSelected = -1;
    Shape1.setBorderColor(BackColor());
    platform::DragAcceptFiles(this, true);
    Antenna1.dispatch(2, platform::Antenna::handleOf(this));
    Antenna1.dispatch(1, platform::WM_DROPFILES);
    Hide();
}

void frmGroup::Form_Unload(int&)
{
    MWindow::SetOwnerWindow(nullptr, mMain::ToolTipForm, false);
    MWindow::SetOwnerWindow(nullptr, this, false);
    platform::DragAcceptFiles(this, false);
}

int32_t frmGroup::capacity() const
{
    if (mMain::IsHorizontal())
        return (Screen::Width() - 900) / 330;
    return (Screen::Height() - 600) / 330;
}

bool frmGroup::addRowItem(const QString& itemText, const QString& secondText)
{
    return AddNewGroupItem(itemText, secondText);
}

bool frmGroup::AddNewGroupItem(const QString& itemText, const QString& secondText)
{
    const int index = ++mMain::GroupItemCount;
    if (index > capacity()) {
        Beep();
        MsgBox(mMain::ProductName + QStringLiteral(" cannot create a new item because it already has too many items. "),
               vbInformation, mMain::ProductName);
        --mMain::GroupItemCount;
        return false;
    }
    Image& button = loadButton(index);
    if (itemText == QLatin1String("sep")) {
        button.Tag = QStringLiteral("sep");
        SetItemIcon(index, QStringLiteral("sep"));
        placeButton(index);
        return true;
    }
    button.Tag = itemText + QStringLiteral("|") + secondText;
    const bool built = SetItemIcon(index, itemText);
    placeButton(index);
    if (!built) {
        ItemImg.Unload(index);
        --mMain::GroupItemCount;
        return false;
    }
    return true;
}
