// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings dialog against the real settings store and the scripted
// platform: what it shows for the stored values, and what OK writes.

#include "DialogTestSupport.h"

#include "dialogs/CSettingEx.h"
#include "dialogs/frmSettingEx.h"
#include "runtime/OleColor.h"
#include "runtime/settings/SettingsStore.h"
#include "runtime/Twips.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/WhileShown.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

using kestrel98::frmSettingEx;

const QStringList Keys = {"Behavior",         "Speed",           "ShowTip",           "SmartSlide", "Direction",
                          "Color_mouseEnter", "Color_mouseExit", "BackgroundPicture", "Appearance", "Sound",
                          "GroupSetting"};

QString stored(const QString& key) { return rt::GetSetting("Dash97", "Setting", key, "<absent>"); }
void store(const QString& key, const QString& value) { rt::SaveSetting("Dash97", "Setting", key, value); }

QStringList storedValues()
{
    QStringList values;
    for (const QString& key : Keys)
        values << stored(key);
    return values;
}

class SettingsDialog : public ::testing::Test {
protected:
    SettingsDialog() { rt::DeleteSetting("Dash97", "Setting"); }

    // Shows the dialog; `act` works the form while it is up.
    void show(const std::function<void(frmSettingEx&)>& act)
    {
        whileShown<frmSettingEx>(fake, act, [this] { dialog->Show(); });
    }

    FakePlatform fake;
    rt::ComPtr<kestrel98::CSettingEx> dialog{new kestrel98::CSettingEx};
    frmSettingEx& form = dialog->form();
};

TEST_F(SettingsDialog, EmptyStoreShowsTheDefaultsAndOkWritesThem)
{
    show([](frmSettingEx& f) {
        EXPECT_TRUE(f.OptClick.Value());
        EXPECT_TRUE(f.OptSlow.Value());
        EXPECT_TRUE(f.OptToolTip.Value());
        EXPECT_TRUE(f.optSmartSlide[1].Value());
        EXPECT_TRUE(f.optSlideDirection[0].Value());
        EXPECT_EQ(f.chkUseBg.Value(), rt::vbUnchecked);
        EXPECT_FALSE(f.txtBgPict.isEnabled());
        EXPECT_FALSE(f.cmdBrowsePict.isEnabled());
        EXPECT_TRUE(f.OptAppearence[0].Value());
        EXPECT_EQ(f.chkSoundFile.Value(), rt::vbUnchecked);
        EXPECT_FALSE(f.txtSoundFile.isEnabled());
        EXPECT_FALSE(f.cmdSoundBrowse.isEnabled());
        EXPECT_TRUE(f.OptGroup[0].Value());
        f.cmdOK.click();
    });
    EXPECT_EQ(storedValues(),
              QStringList({"click", "100", "yes", "no", "right", "-2147483628", "-2147483627", "", "0", "", "0"}));
    EXPECT_FALSE(form.isVisible());
}

TEST_F(SettingsDialog, StoredValuesSelectTheirOptionsAndComeBackUnchanged)
{
    const QStringList values = {"move", "1000",           "no", "yes", "top", "255", "65280", "/pictures/bar.bmp",
                                "1",    "/sounds/in.wav", "1"};
    for (int i = 0; i < Keys.size(); ++i)
        store(Keys[i], values[i]);
    show([](frmSettingEx& f) {
        EXPECT_TRUE(f.OptMove.Value());
        EXPECT_TRUE(f.OptVeryFast.Value());
        EXPECT_TRUE(f.OptNoToolTip.Value());
        EXPECT_TRUE(f.optSmartSlide[0].Value());
        EXPECT_TRUE(f.optSlideDirection[2].Value());
        EXPECT_EQ(f.lblSample2.BackColor(), 255);
        EXPECT_EQ(f.lblSample2.ForeColor(), 65280);
        EXPECT_EQ(f.lblSample.ForeColor(), 65280);
        EXPECT_EQ(f.chkUseBg.Value(), rt::vbChecked);
        EXPECT_TRUE(f.txtBgPict.isEnabled());
        EXPECT_TRUE(f.OptAppearence[1].Value());
        EXPECT_EQ(f.txtSoundFile.Text(), "/sounds/in.wav");
        EXPECT_TRUE(f.txtSoundFile.isEnabled());
        EXPECT_TRUE(f.OptGroup[1].Value());
        f.cmdOK.click();
    });
    EXPECT_EQ(storedValues(), values);
}

TEST_F(SettingsDialog, SpeedsAndDirectionsMapBothWays)
{
    const QList<std::pair<QString, QString>> cases = {
        {"100", "top"}, {"300", "left"}, {"30000", "bottom"}, {"1000", "right"}};
    for (const auto& [speed, direction] : cases) {
        store("Speed", speed);
        store("Direction", direction);
        show([](frmSettingEx& f) { f.cmdOK.click(); });
        EXPECT_EQ(stored("Speed"), speed);
        EXPECT_EQ(stored("Direction"), direction);
    }
}

TEST_F(SettingsDialog, WordsAreComparedExactly)
{
    store("Speed", "200");
    store("ShowTip", "Yes");
    store("SmartSlide", "No");
    store("Behavior", "Click");
    store("Direction", "Right");
    show([](frmSettingEx& f) {
        EXPECT_TRUE(f.OptSlow.Value());
        EXPECT_TRUE(f.optSlideDirection[1].Value());  // the initial selection stays
        f.cmdOK.click();
    });
    EXPECT_EQ(stored("Speed"), "100");
    EXPECT_EQ(stored("ShowTip"), "no");
    EXPECT_EQ(stored("SmartSlide"), "yes");
    EXPECT_EQ(stored("Behavior"), "move");
    EXPECT_EQ(stored("Direction"), "left");
}

TEST_F(SettingsDialog, ColourThatIsNoNumberIsSkippedAndOthersRoundToWhole)
{
    store("Color_mouseEnter", "red");
    store("Color_mouseExit", " 12.5 ");
    show([](frmSettingEx& f) { f.cmdOK.click(); });
    EXPECT_EQ(stored("Color_mouseEnter"), "-2147483628");
    EXPECT_EQ(stored("Color_mouseExit"), "12");
}

TEST_F(SettingsDialog, UncheckingTheBackgroundPictureKeepsThePathButStoresNone)
{
    store("BackgroundPicture", "/pictures/bar.bmp");
    show([](frmSettingEx& f) {
        f.chkUseBg.click();
        EXPECT_FALSE(f.txtBgPict.isEnabled());
        EXPECT_FALSE(f.cmdBrowsePict.isEnabled());
        EXPECT_EQ(f.txtBgPict.Text(), "/pictures/bar.bmp");
        f.cmdOK.click();
    });
    EXPECT_EQ(stored("BackgroundPicture"), "");
}

TEST_F(SettingsDialog, ChosenColoursAreStoredAsPlainNumbers)
{
    fake.colorChoices << QColor(255, 0, 0) << QColor(0, 0, 255);
    show([](frmSettingEx& f) {
        f.cmdNormalState.click();
        EXPECT_EQ(f.lblSample.ForeColor(), 255);
        f.cmdMouseOver.click();
        f.cmdMouseOver.click();  // cancelled: no change
        f.cmdOK.click();
    });
    EXPECT_EQ(stored("Color_mouseExit"), "255");
    EXPECT_EQ(stored("Color_mouseEnter"), "16711680");
    ASSERT_EQ(fake.colorStarts.size(), 3);
    EXPECT_EQ(fake.colorStarts[0], rt::oleColor(rt::vb3DDKShadow));
    EXPECT_EQ(fake.colorStarts[1], rt::oleColor(rt::vb3DHighlight));
    EXPECT_EQ(fake.colorStarts[2], QColor(0, 0, 255));
}

TEST_F(SettingsDialog, CancelWritesNothing)
{
    show([](frmSettingEx& f) {
        f.OptMove.setValue(true);
        f.OptFast.setValue(true);
        f.chkSoundFile.setValue(rt::vbChecked);
        f.txtSoundFile.setText("/sounds/in.wav");
        f.cmdCancel.click();
    });
    for (const QString& key : Keys)
        EXPECT_EQ(stored(key), "<absent>") << key.toStdString();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(SettingsDialog, ShowingAgainReappliesTheStore)
{
    show([](frmSettingEx& f) {
        f.OptFast.setValue(true);
        f.cmdCancel.click();
    });
    store("Speed", "1000");
    show([](frmSettingEx& f) {
        EXPECT_TRUE(f.OptVeryFast.Value());
        f.cmdCancel.click();
    });
}

TEST_F(SettingsDialog, BrowsingStartsBesideTheCurrentFileOrWhereTheLastBrowseWas)
{
    QTemporaryDir dir;
    const QString picture = dir.filePath("bar.bmp");
    QFile(picture).open(QIODevice::WriteOnly);
    store("BackgroundPicture", picture);
    store("Sound", "/nowhere/in.wav");
    fake.fileChoices << platform::FileChoice{true, "/pictures/new.bmp"};
    show([](frmSettingEx& f) {
        f.cmdBrowsePict.click();
        f.cmdSoundBrowse.click();  // cancelled
        f.cmdOK.click();
    });
    EXPECT_EQ(fake.fileDialogFilters,
              QStringList({"Bitmap Files (*.bmp)|*.bmp|All Files (*.*)|*.*|",
                           "Sound Files (*.wav)|*.wav|All Files (*.*)|*.*|"}));
    EXPECT_EQ(fake.fileDialogFolders, QStringList({dir.path(), dir.path()}));
    EXPECT_EQ(stored("BackgroundPicture"), "/pictures/new.bmp");
    EXPECT_EQ(stored("Sound"), "/nowhere/in.wav");
}

TEST_F(SettingsDialog, PreviewShowsTheMouseOverColourWhileThePointerIsOnTheSample)
{
    auto moveOver = [](QWidget& widget) {
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget.mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &move);
    };
    form.lblSample2.setBackColor(255);
    form.lblSample2.setForeColor(0);
    form.lblSample.setForeColor(0);
    moveOver(form.lblSample);
    EXPECT_EQ(form.lblSample.ForeColor(), 255);
    moveOver(form.Picture1[5]);
    EXPECT_EQ(form.lblSample.ForeColor(), 0);
    moveOver(form.lblSample);
    moveOver(form.cmdMouseOver);
    EXPECT_EQ(form.lblSample.ForeColor(), 0);
}

TEST_F(SettingsDialog, TenTabsInTwoRowsBringTheirPagesToTheFront)
{
    const QStringList captions = {"Behavior", "Speed ",   "Tooltip ",    "Direction ", "Smart Slide ",
                                  "Colors ",  "Picture ", "Appearence ", "Sound ",     "Group "};
    ASSERT_EQ(form.SSTab1.Tabs(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(form.SSTab1.TabCaption(i), captions[i]);
    EXPECT_EQ(form.SSTab1.TabsPerRow(), 5);
    EXPECT_EQ(form.SSTab1.Rows(), 2);
    EXPECT_EQ(form.SSTab1.tabRect(4).top(), form.SSTab1.tabRect(0).top());
    EXPECT_EQ(form.SSTab1.tabRect(4).right(), form.SSTab1.width() - 1);
    EXPECT_EQ(form.SSTab1.tabRect(5).topLeft(), QPoint(0, form.SSTab1.tabRect(0).bottom() + 1));

    auto frontPage = [&] {
        QWidget* top = form.childAt(rt::toPixels(240 + 10), rt::toPixels(840 + 10));
        for (int i = 0; i < 10; ++i) {
            if (top == &form.Picture1[i] || form.Picture1[i].isAncestorOf(top))
                return i;
        }
        return -1;
    };
    EXPECT_EQ(frontPage(), 0);
    QTest::mouseClick(&form.SSTab1, Qt::LeftButton, {}, form.SSTab1.tabRect(6).center());
    EXPECT_EQ(form.SSTab1.Tab(), 6);
    EXPECT_EQ(frontPage(), 6);
}

TEST_F(SettingsDialog, FormTable)
{
    EXPECT_EQ(form.Caption(), "Kestrel 98 Property");
    EXPECT_EQ(QSize(form.Width(), form.Height()), QSize(4815, 3120));
    EXPECT_EQ(twipsRect(form.SSTab1), QRect(120, 120, 4575, 2415));
    EXPECT_EQ(twipsRect(form.cmdOK), QRect(2400, 2640, 1095, 375));
    EXPECT_EQ(twipsRect(form.cmdCancel), QRect(3600, 2640, 1095, 375));
    EXPECT_EQ(form.cmdOK.Caption(), "&OK");
    EXPECT_EQ(form.cmdCancel.Caption(), "&Cancel");
    EXPECT_EQ(form.defaultButton(), &form.cmdOK);
    EXPECT_EQ(form.cancelButton(), &form.cmdCancel);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(twipsRect(form.Picture1[i]), QRect(240, 840, 4215, 1575));
        EXPECT_EQ(form.Picture1[i].BorderStyle(), 0);
        EXPECT_EQ(form.Label1[i].widget()->parentWidget(), &form.Picture1[i]);
    }
    EXPECT_EQ(twipsRect(form.cmdNormalState), QRect(1440, 480, 375, 255));
    EXPECT_EQ(twipsRect(form.cmdMouseOver), QRect(1440, 840, 375, 255));
    EXPECT_EQ(twipsRect(form.lblSample), QRect(1440, 1200, 1095, 225));
    EXPECT_EQ(twipsRect(form.lblSample2), QRect(3240, 1200, 615, 255));
    EXPECT_FALSE(form.lblSample2.Visible());
    EXPECT_EQ(form.Label1[3].Caption(), "Choose the direction from which Kestrel 98 slides. ");
    EXPECT_EQ(form.optSlideDirection[1].Caption(), "From left to right");
    EXPECT_EQ(form.chkSoundFile.Caption(), "Play a sound file when Kestrel 98 is shown.");

    // Tahoma everywhere but on the buttons, each control at its own size.
    EXPECT_EQ(form.OptClick.font().family(), "Tahoma");
    EXPECT_EQ(form.txtBgPict.font().family(), "Tahoma");
    EXPECT_EQ(form.SSTab1.font().family(), "Tahoma");
    EXPECT_EQ(form.lblSample.font().family(), "Tahoma");
    EXPECT_TRUE(form.lblSample.font().bold());
    EXPECT_EQ(form.lblSample.font().pixelSize(), 12);
    EXPECT_NE(form.cmdOK.font().family(), "Tahoma");

    const auto chain = focusChain(&form.cmdOK, 4);
    EXPECT_EQ(chain, (std::vector<QWidget*>{&form.cmdOK, &form.cmdCancel, &form.SSTab1, &form.OptClick}));
}

TEST_F(SettingsDialog, TabPassesOverTheCoveredPages)
{
    form.show();
    activate(&form);
    form.SSTab1.setTab(6);
    form.SSTab1.setFocus();
    QTest::keyClick(&form.SSTab1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &form.chkUseBg);
    form.hide();
}

TEST_F(SettingsDialog, AnUntouchedLongBackgroundPictureIsStoredWhole)
{
    const QString path = "/pictures/" + QString("p").repeated(40000) + ".png";
    store("BackgroundPicture", path);
    show([](frmSettingEx& f) { f.cmdOK.click(); });
    EXPECT_EQ(stored("BackgroundPicture"), path);
}

}  // namespace
