// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Show with and without the fly-in: what the user sees at each repaint, the
// order in which the contents arrive, and where the picture's frame ends up.

#include "AboutTestSupport.h"

#include <map>
#include <QDate>
#include <QPaintEvent>
#include <QTest>

namespace {

using glintbox::frmAbout;

struct Snapshot {
    std::map<QString, int32_t> left;
    std::map<QString, bool> visible;
};

// Notes where every control stands each time the form is painted.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(frmAbout& form) : mForm(form) { form.installEventFilter(this); }
    ~PaintRecorder() override { mForm.removeEventFilter(this); }

    std::vector<Snapshot> paints;

    // The places a control was seen at, one entry per change.
    std::vector<int32_t> placesOf(const QString& name) const
    {
        std::vector<int32_t> places;
        for (const Snapshot& paint : paints) {
            if (places.empty() || places.back() != paint.left.at(name))
                places.push_back(paint.left.at(name));
        }
        return places;
    }

    // The first paint that shows the control.
    int firstSeen(const QString& name) const
    {
        for (size_t i = 0; i < paints.size(); ++i) {
            if (paints[i].visible.at(name))
                return int(i);
        }
        return -1;
    }

    // The first paint that shows the control visible at `left`.
    int arrival(const QString& name, int32_t left) const
    {
        for (size_t i = 0; i < paints.size(); ++i) {
            if (paints[i].visible.at(name) && paints[i].left.at(name) == left)
                return int(i);
        }
        return -1;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &mForm && event->type() == QEvent::Paint) {
            Snapshot snapshot;
            for (const rt::Control* control : mForm.Controls()) {
                snapshot.left[control->Name] = control->Left();
                snapshot.visible[control->Name] = control->Visible();
            }
            paints.push_back(snapshot);
        }
        return false;
    }

private:
    frmAbout& mForm;
};

struct LineEnds {
    int32_t x1, y1, x2, y2;
    bool operator==(const LineEnds&) const = default;
};

LineEnds endsOf(const rt::Line& line) { return {line.X1(), line.Y1(), line.X2(), line.Y2()}; }

QRect placeOf(const rt::Control& control)
{
    return QRect(control.Left(), control.Top(), control.Width(), control.Height());
}

using AboutBox = AboutBoxTest;

TEST_F(AboutBox, PlainShowShowsEverythingFramedAndInPlace)
{
    show([](frmAbout& form) {
        for (const rt::Control* control : form.Controls())
            EXPECT_TRUE(control->Visible()) << control->Name.toStdString();
        EXPECT_EQ(form.Caption(), "About Kestrel 98");
        EXPECT_EQ(form.lblComment.Caption(), "A launcher bar that hides at the edge of the screen.");
        EXPECT_TRUE(form.lblAuthor.Caption().contains(QString::number(QDate::currentDate().year())));
        EXPECT_EQ(form.lblVersion.Left(), form.lblProgramName.Left() + form.lblProgramName.Width() + 150);

        EXPECT_EQ(placeOf(form.shpPict), QRect(120, 120, 1095, 2535));
        EXPECT_EQ(placeOf(form.shpPict2), QRect(135, 135, 1065, 2505));
        EXPECT_EQ(endsOf(form.Line1), (LineEnds{1200, 120, 1200, 2655}));
        EXPECT_EQ(endsOf(form.Line2), (LineEnds{120, 2640, 1215, 2640}));

        // Without the animation an activation moves nothing.
        const int32_t okLeft = form.cmdOK.Left();
        activate(form);
        EXPECT_EQ(form.cmdOK.Left(), okLeft);
    });
    EXPECT_EQ(fake.modalWindows.size(), 1);
}

TEST_F(AboutBox, AnimatedShowOpensEmptyThenFliesEachControlInFromAFifthOfItsPlace)
{
    about->setShowAnimation(true);
    show([](frmAbout& form) {
        putOnScreen(form);
        EXPECT_EQ(form.Tag, "animation");
        for (const rt::Control* control : form.Controls()) {
            const bool line = control == &form.Line1 || control == &form.Line2;
            EXPECT_EQ(control->Visible(), line) << control->Name.toStdString();
        }

        PaintRecorder recorder(form);
        activate(form);
        const int32_t parked = form.Width() + 300;
        EXPECT_EQ(recorder.placesOf("cmdOK"), (std::vector<int32_t>{912, 1824, 2736, 3648, 4560}));
        EXPECT_EQ(recorder.placesOf("lblWebsite"), (std::vector<int32_t>{parked, 312, 624, 936, 1248, 1560}));
        EXPECT_EQ(recorder.placesOf("imgPict"), (std::vector<int32_t>{parked, 120})) << "the picture comes in one step";
        for (const rt::Control* control : form.Controls())
            EXPECT_TRUE(control->Visible()) << control->Name.toStdString();
    });
}

TEST_F(AboutBox, ContentsArriveInCollectionOrderAndOnlyOnce)
{
    about->setShowAnimation(true);
    show([](frmAbout& form) {
        putOnScreen(form);
        PaintRecorder recorder(form);
        activate(form);

        const std::pair<const char*, int32_t> order[] = {
            {"cmdOK", 4560},          {"lblComment", 1560}, {"imgCover", 1440},
            {"lblEmail2", 2400},      {"lblEmail", 1560},   {"lblWebsite2", 2400},
            {"lblWebsite", 1560},     {"lblAuthor", 1560},  {"lblVersion", form.lblVersion.Left()},
            {"lblProgramName", 1320}, {"imgPict", 120},
        };
        int previous = -1;
        for (const auto& [name, left] : order) {
            const int arrived = recorder.arrival(name, left);
            EXPECT_GT(arrived, previous) << name;
            previous = arrived;
        }
        // Each frame comes with its image; the highlight lines with the picture.
        EXPECT_EQ(recorder.arrival("shpCover", 1455), recorder.arrival("imgCover", 1440));
        const int picture = recorder.arrival("imgPict", 120);
        EXPECT_EQ(recorder.arrival("shpPict", 120), picture);
        EXPECT_EQ(recorder.firstSeen("Line1"), picture);
        EXPECT_EQ(recorder.firstSeen("Line2"), picture);

        // The lines follow the inner frame: one pixel further in than after a
        // plain Show.
        EXPECT_EQ(endsOf(form.Line1), (LineEnds{1185, 135, 1185, 2640}));
        EXPECT_EQ(endsOf(form.Line2), (LineEnds{135, 2625, 1200, 2625}));

        EXPECT_EQ(form.Tag, "");
        recorder.paints.clear();
        activate(form);
        EXPECT_TRUE(recorder.paints.empty()) << "a second activation animates nothing";
    });
}

TEST_F(AboutBox, OkEnterAndEscUnloadAndTheNextShowBuildsAFreshForm)
{
    const std::pair<const char*, std::function<void(frmAbout&)>> endings[] = {
        {"OK", [](frmAbout& f) { f.cmdOK.click(); }},
        {"Enter", [](frmAbout& f) { QTest::keyClick(&f, Qt::Key_Return); }},
        {"Esc", [](frmAbout& f) { QTest::keyClick(&f, Qt::Key_Escape); }},
    };
    // Not a structured binding: clang before 16 cannot capture one in a lambda.
    for (const auto& entry : endings) {
        const char* how = entry.first;
        const auto& ending = entry.second;
        const frmAbout* shown = nullptr;
        show([&](frmAbout& f) {
            shown = &f;
            ending(f);
            EXPECT_FALSE(f.isVisible()) << how;
        });
        EXPECT_FALSE(about->form()->Loaded()) << how;
        // What Show itself sets is there again; the lets made before are not.
        show([&](frmAbout& f) {
            EXPECT_NE(&f, shown) << how;
            EXPECT_EQ(f.Caption(), "About...") << how;
            EXPECT_EQ(f.lblProgramName.Caption(), "") << how;
            EXPECT_FALSE(f.lblComment.Caption().isEmpty()) << how;
            f.cmdOK.click();
        });
    }
}

}  // namespace
