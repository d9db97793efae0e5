#include <orvkit/spin/OrvkitSpinEdit.h>

#include "spin/SpinEditFixture.h"

#include <QVBoxLayout>
#include <limits>
#include <memory>
#include <vector>

namespace orv {
namespace {

constexpr int64_t kIntMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kIntMax = std::numeric_limits<int32_t>::max();

struct SpinCase {
    const char* name;
    TOrvSpinMove move;
    int64_t from;
    bool wrap;
    int64_t expected;
};

class SpinTargetTest : public ::testing::TestWithParam<SpinCase> {};

// Bounds 0 ... 100, Step 7, PageStep 10.
TEST_P(SpinTargetTest, MovesWithinTheBounds)
{
    const SpinCase& c = GetParam();
    const TOrvSpinRange<int64_t> range{0, 100, 7, 10, c.wrap};
    EXPECT_EQ(SpinTarget(c.move, c.from, range), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SpinTargetTest,
    ::testing::Values(SpinCase{"up inside", esmUp, 50, false, 57},
                      SpinCase{"first step past the top stops there", esmUp, 98, true, 100},
                      SpinCase{"from the top without wrap", esmUp, 100, false, 100},
                      SpinCase{"from the top with wrap", esmUp, 100, true, 0},
                      SpinCase{"down past the bottom", esmDown, 3, true, 0},
                      SpinCase{"down from the bottom with wrap", esmDown, 0, true, 100},
                      SpinCase{"down from the bottom without wrap", esmDown, 0, false, 0},
                      SpinCase{"page up is no wrap from below the top", esmPageUp, 95, true, 100},
                      SpinCase{"page up from the top wraps", esmPageUp, 100, true, 0},
                      SpinCase{"page down", esmPageDown, 57, false, 47},
                      SpinCase{"page down from the bottom wraps", esmPageDown, 0, true, 100},
                      SpinCase{"to max", esmToMax, 3, false, 100},
                      SpinCase{"to min", esmToMin, 57, true, 0}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(SpinTargetRangeTest, TheEndsOfTheTypeNeitherOverflowNorLeaveTheBounds)
{
    const TOrvSpinRange<int64_t> whole{kIntMin, kIntMax, 1, 10, false};
    EXPECT_EQ(SpinTarget(esmUp, kIntMax, whole), kIntMax);
    EXPECT_EQ(SpinTarget(esmPageDown, kIntMin, whole), kIntMin);
    TOrvSpinRange<int64_t> wrapping = whole;
    wrapping.Wrap = true;
    EXPECT_EQ(SpinTarget(esmUp, kIntMax, wrapping), kIntMin);
    // A negative step still lands inside the bounds.
    const TOrvSpinRange<int64_t> backwards{0, 100, -10, 10, false};
    EXPECT_EQ(SpinTarget(esmUp, int64_t{5}, backwards), 0);
    EXPECT_EQ(SpinTarget(esmDown, int64_t{95}, backwards), 100);
}

using IntSpinTest = SpinEditFixture<TOrvIntSpinEdit>;

TEST_F(IntSpinTest, ANewSpinEdit)
{
    const int h = spin->Edit()->sizeHint().height();
    EXPECT_EQ(spin->size(), QSize(87, h));
    EXPECT_EQ(spin->Edit()->geometry(), QRect(0, 0, 71, h));
    EXPECT_EQ(spin->UpBtn()->geometry(), QRect(71, 0, 16, h - h / 2));
    EXPECT_EQ(spin->DownBtn()->geometry(), QRect(71, h - h / 2, 16, h / 2));
    EXPECT_EQ(spin->Alignment(), taRightJustify);
    EXPECT_TRUE(spin->Edit()->alignment() & Qt::AlignRight);
    EXPECT_TRUE(spin->TabStop());
    EXPECT_EQ(spin->focusProxy(), spin->Edit()) << "the focus goes to the value edit";
    for (TOrvSpeedBtn* button : {spin->UpBtn(), spin->DownBtn()}) {
        EXPECT_TRUE(button->Repeatable());
        EXPECT_EQ(button->Interval(), 400u);
        EXPECT_FALSE(button->icon().isNull());
    }
    EXPECT_EQ(spin->Value(), 0);
    EXPECT_EQ(spin->Min(), 0);
    EXPECT_EQ(spin->Max(), 100);
    EXPECT_EQ(spin->Step(), 1);
    EXPECT_EQ(spin->PageStep(), 10);
    EXPECT_EQ(spin->Text(), u"0");
    EXPECT_TRUE(spin->Arrows());
    EXPECT_TRUE(spin->EditorEnabled());
    EXPECT_TRUE(spin->Enabled());
    EXPECT_EQ(spin->Version(), u"6.15.1");
}

TEST_F(IntSpinTest, ButtonsStepAndReportBeforeAndAfter)
{
    std::vector<QString> calls;
    const auto note = [&](const char* what) {
        return [&calls, what](QObject* s) {
            calls.push_back(QStringLiteral("%1 %2").arg(QLatin1String(what)).arg(static_cast<TOrvIntSpinEdit*>(s)->Value()));
        };
    };
    spin->OnUpClick = note("up");
    spin->OnAfterUpClick = note("after up");
    spin->OnDownClick = note("down");
    spin->OnAfterDownClick = note("after down");
    Focus(next);
    QTest::mouseClick(spin->UpBtn(), Qt::LeftButton);
    EXPECT_TRUE(spin->Focused()) << "a click focuses the value edit";
    QTest::mouseClick(spin->UpBtn(), Qt::LeftButton);
    EXPECT_EQ(spin->Value(), 2);
    QTest::mouseClick(spin->DownBtn(), Qt::LeftButton);
    EXPECT_EQ(spin->Value(), 1);
    EXPECT_EQ(spin->Text(), u"1");
    const std::vector<QString> expected{QStringLiteral("up 0"),   QStringLiteral("after up 1"),
                                        QStringLiteral("up 1"),   QStringLiteral("after up 2"),
                                        QStringLiteral("down 2"), QStringLiteral("after down 1")};
    EXPECT_EQ(calls, expected);
}

TEST_F(IntSpinTest, AHeldButtonRepeatsAtItsInterval)
{
    spin->SetInterval(100);
    EXPECT_EQ(spin->DownBtn()->Interval(), 100u);
    QTest::mousePress(spin->UpBtn(), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(spin->Value(), 2, 5000);
    QTest::mouseRelease(spin->UpBtn(), Qt::LeftButton);
    EXPECT_EQ(spin->Value(), 3) << "and once more on release";
}

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int32_t from;
    bool wrap;
    int32_t expected;
};

class IntSpinKeyTest : public SpinEditFixture<TOrvIntSpinEdit>, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(IntSpinKeyTest, KeysStepTheValue)
{
    const KeyCase& c = GetParam();
    spin->SetStep(7);
    spin->SetWrap(c.wrap);
    spin->SetValue(c.from);
    Key(c.key, c.modifiers);
    EXPECT_EQ(spin->Value(), c.expected) << c.name;
    EXPECT_EQ(spin->Text(), QString::number(c.expected)) << c.name;
    EXPECT_TRUE(spin->Focused()) << c.name << ": the arrows do not move the focus";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, IntSpinKeyTest,
    ::testing::Values(KeyCase{"up", Qt::Key_Up, {}, 40, false, 47},
                      KeyCase{"up stops at the top", Qt::Key_Up, {}, 98, true, 100},
                      KeyCase{"up wraps from the top", Qt::Key_Up, {}, 100, true, 0},
                      KeyCase{"down wraps from the bottom", Qt::Key_Down, {}, 0, true, 100},
                      KeyCase{"down stops at the bottom", Qt::Key_Down, {}, 3, false, 0},
                      KeyCase{"page up", Qt::Key_PageUp, {}, 40, false, 50},
                      KeyCase{"page up stops at the top", Qt::Key_PageUp, {}, 95, true, 100},
                      KeyCase{"page down wraps from the bottom", Qt::Key_PageDown, {}, 0, true, 100},
                      KeyCase{"ctrl page up", Qt::Key_PageUp, Qt::ControlModifier, 3, false, 100},
                      KeyCase{"ctrl page down", Qt::Key_PageDown, Qt::ControlModifier, 57, true, 0}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(IntSpinTest, TheArrowsDefaultIsOffOnlyWhileTheEditHasTheFocus)
{
    EXPECT_FALSE(GlobalArrowsAsTab);
    Focus(next);
    EXPECT_TRUE(GlobalArrowsAsTab);

    spin->SetArrows(false);
    Focus(spin->Edit());
    EXPECT_TRUE(GlobalArrowsAsTab);
    Key(Qt::Key_Down);
    EXPECT_EQ(Focused(), next) << "without Arrows the arrow acts as Tab";
    EXPECT_EQ(spin->Value(), 0);
}

TEST_F(IntSpinTest, ArrowsStepAlsoUnderAUIControlsNavigation)
{
    TOrvUICtrl ui;
    ASSERT_TRUE(ui.ArrowsAsTab());
    spin->SetUICtrl(&ui);
    int raw = 0;
    spin->OnCNKeyDown = [&](QObject*, uint16_t&, TShiftState) { ++raw; };
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    Key(Qt::Key_Down);
    EXPECT_EQ(spin->Value(), 1);
    EXPECT_TRUE(spin->Focused());
    EXPECT_EQ(raw, 3);
    spin->SetArrows(false);
    Key(Qt::Key_Down);
    EXPECT_EQ(Focused(), next) << "without Arrows the UI control's navigation holds";
    EXPECT_EQ(spin->Value(), 1);
    spin->SetUICtrl(nullptr);
}

TEST_F(IntSpinTest, DestroyingAFocusedSpinEditRestoresTheArrowsDefault)
{
    EXPECT_FALSE(GlobalArrowsAsTab);
    delete spin;
    spin = nullptr;
    EXPECT_TRUE(GlobalArrowsAsTab);
}

TEST_F(IntSpinTest, LeavingClampsATypedValue)
{
    int changes = 0;
    spin->OnChange = [&](QObject*) { ++changes; };
    Type(QStringLiteral("500"));
    EXPECT_GT(changes, 0);
    Focus(next);
    EXPECT_EQ(spin->Text(), u"100");
    spin->SetMin(-10);
    Focus(spin->Edit());
    Type(QStringLiteral("-99999999999")); // beyond 32 bits: clamped, not cut to its low bits
    Focus(next);
    EXPECT_EQ(spin->Text(), u"-10");
}

TEST_F(IntSpinTest, WithoutTheEditorOnlyStepping)
{
    spin->SetEditorEnabled(false);
    spin->SetValue(5);
    spin->Edit()->end(false);
    QTest::keyClicks(spin->Edit(), QStringLiteral("12"));
    EXPECT_EQ(spin->Text(), u"5");
    Key(Qt::Key_Up);
    EXPECT_EQ(spin->Value(), 6);
}

TEST_F(IntSpinTest, AReadOnlySpinEditDoesNotMove)
{
    int events = 0;
    spin->OnUpClick = [&](QObject*) { ++events; };
    spin->OnKeyDown = [&](QObject*, uint16_t&, TShiftState) { ++events; };
    spin->SetValue(50);
    spin->SetReadOnly(true);
    EXPECT_TRUE(spin->Edit()->ReadOnly());
    QTest::mouseClick(spin->UpBtn(), Qt::LeftButton);
    QTest::mouseClick(spin->DownBtn(), Qt::LeftButton);
    Focus(spin->Edit());
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown})
        Key(key);
    Key(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(spin->Value(), 50);
    EXPECT_EQ(events, 0);
}

TEST_F(IntSpinTest, TheUsersKeyHandlersRunFirst)
{
    std::vector<int> seen;
    spin->OnKeyDown = [&](QObject* s, uint16_t& key, TShiftState) {
        EXPECT_EQ(s, spin);
        seen.push_back(spin->Value());
        if (key == VK_NEXT)
            key = 0; // swallowed: no step
    };
    spin->OnKeyPress = [&](QObject*, QChar& key) {
        if (key == u'9')
            key = u'8';
    };
    int ups = 0;
    spin->OnKeyUp = [&](QObject*, uint16_t&, TShiftState) { ++ups; };
    Key(Qt::Key_Up);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(seen, (std::vector<int>{0, 1}));
    EXPECT_EQ(spin->Value(), 1);
    spin->OnKeyDown = nullptr;
    Type(QStringLiteral("9"));
    EXPECT_EQ(spin->Text(), u"8");
    EXPECT_GT(ups, 0);
}

TEST_F(IntSpinTest, BoundsPullEachOtherAndTheValue)
{
    spin->SetValue(50);
    spin->SetMax(-5);
    EXPECT_EQ(spin->Min(), -5);
    EXPECT_EQ(spin->Value(), -5);
    spin->SetMin(20);
    EXPECT_EQ(spin->Max(), 20);
    EXPECT_EQ(spin->Value(), 20);
    spin->SetMax(30);
    spin->SetValue(1000);
    EXPECT_EQ(spin->Value(), 30);
    spin->SetValue(-1000);
    EXPECT_EQ(spin->Value(), 20);
}

TEST_F(IntSpinTest, UnboundedCoversTheWholeRange)
{
    spin->SetUnbounded(true);
    EXPECT_EQ(spin->Min(), kIntMin);
    EXPECT_EQ(spin->Max(), kIntMax);
    spin->SetValue(int32_t(kIntMax));
    Key(Qt::Key_Up);
    EXPECT_EQ(spin->Value(), kIntMax);
    Key(Qt::Key_PageUp);
    EXPECT_EQ(spin->Value(), kIntMax);
    spin->SetWrap(true);
    Key(Qt::Key_Up);
    EXPECT_EQ(spin->Value(), kIntMin);
    Key(Qt::Key_Down);
    EXPECT_EQ(spin->Value(), kIntMax);

    spin->SetMax(kIntMax + 5000000000LL); // beyond 32 bits: the type's largest
    EXPECT_TRUE(spin->Unbounded());
    EXPECT_EQ(spin->Max(), kIntMax);
    spin->SetMax(1000);
    EXPECT_FALSE(spin->Unbounded());
    spin->SetUnbounded(true);
    spin->SetMin(0);
    EXPECT_FALSE(spin->Unbounded());
}

TEST_F(IntSpinTest, NullStateBelongsToTheValueEdit)
{
    int nullChanges = 0, nulls = 0;
    spin->OnNullChange = [&](QObject* s) {
        EXPECT_EQ(s, spin);
        ++nullChanges;
    };
    spin->OnNull = [&](QObject*) { ++nulls; };
    spin->SetMin(10);
    Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(spin->Null());
    EXPECT_EQ(nulls, 1);
    EXPECT_EQ(nullChanges, 1);
    Focus(next);
    EXPECT_TRUE(spin->Null()) << "leaving does not write a bound over the null state";
    Focus(spin->Edit());
    Key(Qt::Key_Up);
    EXPECT_FALSE(spin->Null());
    EXPECT_EQ(spin->Value(), 11);
    EXPECT_EQ(nullChanges, 2);
}

TEST_F(IntSpinTest, PanelSettingsReachTheValueEdit)
{
    spin->SetEnabled(false);
    EXPECT_FALSE(spin->Edit()->isEnabled());
    EXPECT_FALSE(spin->DownBtn()->isEnabled());
    EXPECT_FALSE(spin->Enabled());
    spin->SetEnabled(true);
    spin->SetTabStop(false);
    EXPECT_FALSE(spin->Edit()->TabStop());
    spin->SetNullStr(QStringLiteral("none"));
    EXPECT_EQ(spin->Edit()->NullStr(), u"none");
    spin->SetAlignment(taCenter);
    EXPECT_EQ(spin->Edit()->Alignment(), taCenter);
    spin->SetShowThousandSeparators(true);
    spin->SetMax(2000000);
    spin->SetValue(1234567);
    EXPECT_EQ(spin->Text(), u"1,234,567");
    spin->SetLakhFormatting(true);
    EXPECT_EQ(spin->Text(), u"12,34,567");

    // Published through the meta-object system.
    EXPECT_TRUE(spin->setProperty("Max", 40));
    EXPECT_EQ(spin->property("Value").toInt(), 40);
    EXPECT_TRUE(spin->setProperty("Wrap", true));
    EXPECT_TRUE(spin->Wrap());
}

TEST_F(IntSpinTest, HeightLaysOutEditAndButtons)
{
    spin->resize(87, 40);
    EXPECT_EQ(spin->Height(), spin->Edit()->sizeHint().height()) << "AutoSize keeps the edit's height";
    spin->SetAutoSize(false);
    spin->SetWidth(120);
    spin->SetHeight(31);
    EXPECT_EQ(spin->Edit()->geometry(), QRect(0, 0, 104, 31));
    EXPECT_EQ(spin->UpBtn()->geometry(), QRect(104, 0, 16, 16));
    EXPECT_EQ(spin->DownBtn()->geometry(), QRect(104, 16, 16, 15));
    spin->SetAutoSize(true);
    QFont big = spin->font();
    big.setPointSize(big.pointSize() * 2);
    spin->setFont(big);
    EXPECT_EQ(spin->Edit()->font().pointSize(), big.pointSize());
    EXPECT_EQ(spin->Height(), spin->Edit()->sizeHint().height()) << "AutoSize follows the font";
    spin->SetAutoSize(false);
    spin->SetHeight(50);
    big.setPointSize(big.pointSize() / 2);
    spin->setFont(big);
    EXPECT_EQ(spin->Height(), 50);
    spin->SetAutoSize(true);
    EXPECT_EQ(spin->Height(), spin->Edit()->sizeHint().height());
    EXPECT_EQ(spin->DownBtn()->geometry().bottom(), spin->Height() - 1);
}

TEST(SpinEditLayoutTest, ALayoutKeepsTheSpinEditsHeight)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* spin = new TOrvIntSpinEdit(&window);
    layout->addWidget(spin);
    layout->addStretch();
    window.resize(300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const int h = spin->Edit()->sizeHint().height();
    EXPECT_EQ(spin->height(), h);
    EXPECT_EQ(spin->DownBtn()->geometry().bottom(), h - 1);
    EXPECT_EQ(spin->UpBtn()->x(), spin->width() - 16);
}

TEST_F(IntSpinTest, ButtonsFollowTheFlatSwitchOfTheSetInForce)
{
    spin->ColorSet()->SetFlatBtns(false);
    EXPECT_FALSE(spin->UpBtn()->autoRaise()) << "a change of the set redraws the panel";
    auto ui = std::make_unique<TOrvUICtrl>();
    ui->ColorSet()->SetFlatBtns(true);
    spin->SetUICtrl(ui.get());
    EXPECT_TRUE(spin->DownBtn()->autoRaise());
    EXPECT_EQ(spin->Edit()->UICtrl(), ui.get());
}

TEST_F(IntSpinTest, ClicksInTheValueEditReachThePanelsHandlers)
{
    int clicks = 0, doubles = 0;
    spin->OnClick = [&](QObject* s) {
        EXPECT_EQ(s, spin);
        ++clicks;
    };
    spin->OnDblClick = [&](QObject*) { ++doubles; };
    QTest::mouseClick(spin->Edit(), Qt::LeftButton);
    QTest::mouseClick(spin->Edit(), Qt::RightButton);
    EXPECT_EQ(clicks, 1);
    QTest::mouseDClick(spin->Edit(), Qt::LeftButton);
    EXPECT_EQ(doubles, 1);
    const int before = clicks;
    QTest::mouseClick(spin->UpBtn(), Qt::LeftButton);
    EXPECT_EQ(clicks, before) << "the buttons step, they do not click the edit";
}

TEST_F(IntSpinTest, TheSpecialColourQuestionReachesThePanelsHandler)
{
    QObject* sender = nullptr;
    spin->OnSpecialColor = [&](QObject* s, bool& use) {
        sender = s;
        use = true;
    };
    spin->ColorSet()->SetSpecialColorType(escEvent);
    EXPECT_TRUE(spin->Edit()->DecideSpecial());
    EXPECT_EQ(sender, spin);
}

} // namespace
} // namespace orv
