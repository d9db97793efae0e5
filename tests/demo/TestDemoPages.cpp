#include <orvkit/calendar/OrvkitCalPanel.h>
#include <orvkit/controls/OrvkitCheckBox.h>
#include <orvkit/controls/OrvkitDateTimeComboBox.h>
#include <orvkit/controls/OrvkitGroupCtrls.h>
#include <orvkit/controls/OrvkitStateComboBox.h>
#include <orvkit/datetime/OrvkitDateTime.h>
#include <orvkit/demo/ControlsMain.h>
#include <orvkit/edits/OrvkitDateTimeEdit.h>
#include <orvkit/edits/OrvkitFloatEdit.h>
#include <orvkit/framework/OrvkitEdit.h>
#include <orvkit/spin/OrvkitSpinEdit.h>

#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

namespace {

using namespace orv;

// Tuesday, 10 March 2026, 14:30: every "today" and "now" of the pages.
const TDateTime kNow = MakeDate(2026, 3, 10) + MakeTime(14, 30, 0, 0);

/// The random numbers the pages ask for, in turn; the last repeats.
TDemoRandom Sequence(std::vector<double> values)
{
    return [values = std::move(values), next = size_t(0)]() mutable {
        const double value = values[std::min(next, values.size() - 1)];
        ++next;
        return value;
    };
}

/// A shown main window with the clock pinned while it is made.
std::unique_ptr<TForm1> MakeForm(const TDemoRandom& random = Sequence({0.25, 0.5, 0.125, 0.75}))
{
    const TOrvClockOverride clock(kNow);
    auto form = std::make_unique<TForm1>(nullptr, random);
    form->show();
    return form;
}

QWidget* Control(const TForm1& form, const char* name)
{
    return form.findChild<QWidget*>(QLatin1String(name));
}

/// What the control shows as its value or caption.
QString ShownText(const QWidget& control)
{
    if (auto* spin = qobject_cast<const TOrvCustomSpinEdit*>(&control))
        return spin->Edit()->text();
    if (auto* dateTime = qobject_cast<const TOrvBaseDateTimeEdit*>(&control))
        return dateTime->DateTimeStr();
    if (auto* item = qobject_cast<const TOrvItemControlBase*>(&control))
        return item->Caption();
    if (auto* combo = qobject_cast<const QComboBox*>(&control))
        return combo->currentText();
    if (auto* edit = qobject_cast<const QLineEdit*>(&control))
        return edit->text();
    if (auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    return {};
}

/// The caption label whose buddy is the control.
QLabel* CaptionOf(const TForm1& form, const QWidget& control)
{
    for (QLabel* label : form.findChildren<QLabel*>())
        if (label->buddy() == &control)
            return label;
    return nullptr;
}

enum TCaptionSide { csNone, csLeft, csAbove };

struct TPlacedControl {
    const char* page;
    const char* name;
    QRect place;
    const char* shown;
    const char* caption;
    TCaptionSide side;
};

// With the clock at kNow, the English settings of the test main and the random numbers
// 0.25, 0.5, 0.125, 0.75.
const TPlacedControl kPlaced[] = {
    {"Edits", "OrvkitEdit1", {156, 11, 200, 22}, "Just a lot of letters", "String Edit:", csLeft},
    {"Edits", "OrvPosEdit1", {156, 38, 87, 22}, "123456", "Positive Integer Edit:", csLeft},
    {"Edits", "OrvIntEdit1", {156, 65, 87, 22}, "-123,456", "Integer Edit:", csLeft},
    {"Edits", "OrvPosFloatEdit1", {156, 92, 87, 22}, "2500.000000", "Positive Float Edit:", csLeft},
    {"Edits", "OrvFloatEdit1", {156, 118, 87, 22}, "-5000.0000", "Float Edit:", csLeft},
    {"Edits", "OrvSciFloatEdit1", {156, 145, 87, 22}, "1.2500E+11", "Scientific Float Edit:", csLeft},
    {"Edits", "OrvPercentEdit1", {156, 172, 87, 22}, "75.0%", "Precentage Edit:", csLeft},
    {"Edits", "OrvHexEdit1", {156, 199, 87, 22}, "075BCD15", "Hexadecimal Edit:", csLeft},
    {"Edits", "OrvIPEdit1", {156, 226, 87, 22}, "10.0.0.25", "IP Address Edit:", csLeft},
    {"Edits", "OrvYearEdit1", {156, 253, 50, 22}, "2026", "Year Edit:", csLeft},
    {"Edits", "OrvDateEdit1", {156, 280, 77, 22}, "10/03/2026", "Date Edit:", csLeft},
    {"Edits", "OrvDateEdit2", {160, 306, 130, 22}, "10-March-2026", "Date Edit with Months:", csLeft},
    {"Edits", "OrvTimeEdit1", {156, 334, 76, 22}, "14:30", "Time Edit:", csLeft},
    {"Edits", "OrvDOWEdit1", {573, 11, 98, 22}, "Tuesday", "Day of Week Edit:", csLeft},
    {"Edits", "OrvMonthEdit1", {573, 38, 98, 22}, "March", "Month Edit:", csLeft},
    {"Edits", "OrvDateTimeEdit1", {577, 64, 147, 22}, "10/03/2026 14:30", "Date & Time Edit", csLeft},
    {"Edits", "OrvFloatEdit2", {573, 280, 87, 22}, "0.0000", "Float Edit with Auto Thousands Separators:", csLeft},
    {"Edits", "OrvFloatEdit3", {573, 307, 87, 22}, "0.00", "Float Edit with Forced 2 Decimal Places", csLeft},
    {"ComboBoxes", "Combo1", {105, 22, 135, 22}, "Item 1", "csDropDown:", csLeft},
    {"ComboBoxes", "Combo2", {365, 22, 136, 22}, "Item 4", "csDropDownList:", csLeft},
    {"ComboBoxes", "FSCombo", {167, 296, 136, 22}, "Item 3", "Change Font Size:", csLeft},
    {"ComboBoxes", "OrvMonthComboBox1", {105, 59, 135, 22}, "March", "Month Combo:", csLeft},
    {"ComboBoxes", "OrvDOWComboBox1", {105, 97, 135, 22}, "Tuesday", "Day of Week:", csLeft},
    {"ComboBoxes", "OrvTimeComboBox1", {105, 172, 103, 22}, "14:30", "Time Combo:", csLeft},
    {"ComboBoxes", "OrvStateComboBox1", {105, 205, 173, 22}, "Unknown", "State Combo:", csLeft},
    {"ComboBoxes", "DisplayRG", {285, 65, 265, 44}, "", nullptr, csNone},
    {"ComboBoxes", "StateRG", {291, 201, 265, 28}, "", nullptr, csNone},
    {"SpinEdits", "LeftSE", {156, 38, 94, 22}, "25", "Left", csAbove},
    {"SpinEdits", "CentreSE", {283, 38, 94, 22}, "46", "Centre", csAbove},
    {"SpinEdits", "RightSE", {409, 38, 94, 22}, "78", "Right", csAbove},
    {"SpinEdits", "OrvFloatSpinEdit1", {156, 70, 94, 22}, "0.00", "Float SpinEdit:", csLeft},
    {"SpinEdits", "FlatSpinBtnsCB", {156, 346, 152, 18}, "Flat Spin Edit Btns?", nullptr, csNone},
    {"TabSheet1", "OrvCalPanel1", {59, 156, 315, 216}, "", "Calendar Panel", csAbove},
    {"TabSheet3", "OrvCheckBox1", {65, 16, 107, 18}, "Cross Box", nullptr, csNone},
    {"TabSheet3", "OrvCheckBox4", {188, 16, 184, 18}, "Another CheckBox", nullptr, csNone},
    {"TabSheet3", "OrvCheckBox5", {65, 59, 107, 34}, "Simple Frame", nullptr, csNone},
    {"TabSheet3", "OrvCheckBox6", {210, 59, 114, 28}, "Raised Frame?", nullptr, csNone},
    {"TabSheet3", "OrvCheckBox7", {382, 59, 114, 30}, "Round Frame?", nullptr, csNone},
    {"TabSheet3", "OrvCheckBox8", {533, 59, 125, 28}, "Sunken Frame", nullptr, csNone},
    {"TabSheet3", "OrvCheckGroup2", {65, 145, 215, 108}, "OrvCheckGroup", nullptr, csNone},
};

TEST(DemoPages, ControlsSitOnTheirPagesAtTheirPlacesShowingTheirValues)
{
    const auto form = MakeForm();
    for (const TPlacedControl& row : kPlaced) {
        SCOPED_TRACE(row.name);
        QWidget* control = Control(*form, row.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), QLatin1String(row.page));
        EXPECT_EQ(control->geometry(), row.place);
        EXPECT_EQ(ShownText(*control), QString::fromUtf8(row.shown));
    }
}

TEST(DemoPages, CaptionsSitBesideTheirControlsAndFocusThem)
{
    const auto form = MakeForm();
    for (const TPlacedControl& row : kPlaced) {
        if (row.side == csNone)
            continue;
        SCOPED_TRACE(row.name);
        QWidget* control = Control(*form, row.name);
        ASSERT_NE(control, nullptr);
        const QLabel* label = CaptionOf(*form, *control);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->parentWidget(), control->parentWidget());
        EXPECT_EQ(label->text().replace(QStringLiteral("&&"), QStringLiteral("&")), QString::fromUtf8(row.caption));
        EXPECT_TRUE(label->font().bold());
        EXPECT_EQ(label->font().pixelSize(), 12);
        const QRect c = control->geometry();
        const QRect l = label->geometry();
        if (row.side == csLeft) {
            EXPECT_EQ(l.right() + 1 + 2, c.left());
            EXPECT_EQ(l.top(), c.top() + 2);
        } else {
            EXPECT_EQ(l.left(), c.left() + 2);
            EXPECT_EQ(l.bottom() + 1 + 2, c.top());
        }
    }
}

TEST(DemoPages, NothingOnAFilledPageOverlapsAnotherWidgetOrLeavesThePage)
{
    const auto form = MakeForm();
    for (const char* pageName : {"Edits", "ComboBoxes", "SpinEdits", "TabSheet1", "TabSheet3"}) {
        QWidget* page = Control(*form, pageName);
        ASSERT_NE(page, nullptr);
        form->PC()->setCurrentWidget(page);
        const QList<QWidget*> widgets = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QWidget* a : widgets) {
            EXPECT_TRUE(page->rect().contains(a->geometry())) << pageName << ": " << a->objectName().toStdString();
            for (const QWidget* b : widgets) {
                if (a < b) {
                    EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                        << pageName << ": " << ShownText(*a).toStdString() << " / " << ShownText(*b).toStdString();
                }
            }
        }
    }
}

TEST(DemoPages, CaptionFollowsItsControl)
{
    const auto form = MakeForm();
    QWidget* control = Control(*form, "OrvDateEdit1");
    ASSERT_NE(control, nullptr);
    const QLabel* label = CaptionOf(*form, *control);
    ASSERT_NE(label, nullptr);
    control->move(300, 200);
    EXPECT_EQ(label->geometry().right() + 1 + 2, 300);
    EXPECT_EQ(label->y(), 202);
}

TEST(DemoPages, CheckStatesAndTheGroupsValue)
{
    const auto form = MakeForm();
    const struct {
        const char* name;
        bool checked;
    } boxes[] = {
        {"OrvCheckBox1", true}, {"OrvCheckBox4", false}, {"OrvCheckBox5", false}, {"OrvCheckBox6", false},
        {"OrvCheckBox7", false}, {"OrvCheckBox8", false}, {"FlatSpinBtnsCB", true},
    };
    for (const auto& row : boxes) {
        auto* box = form->findChild<TOrvCheckBox*>(QLatin1String(row.name));
        ASSERT_NE(box, nullptr) << row.name;
        EXPECT_EQ(box->Checked(), row.checked) << row.name;
    }
    auto* group = form->findChild<TOrvCheckGroup*>(QStringLiteral("OrvCheckGroup2"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->AsBitList(), 6u);
    EXPECT_EQ(group->Columns(), 2);
    ASSERT_EQ(group->ItemCount(), 4);
    EXPECT_EQ(group->ItemControl(3)->Caption(), QStringLiteral("Item 4"));
}

TEST(DemoPages, CalendarShowsTodayWithTheWeekend)
{
    const auto form = MakeForm();
    auto* calendar = form->findChild<TOrvCalPanel*>(QStringLiteral("OrvCalPanel1"));
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->Date(), MakeDate(2026, 3, 10));
    EXPECT_EQ(calendar->WeekEndDays(), (TOrvDOWSet{dowSunday, dowSaturday}));
}

TEST(DemoPages, StartValuesComeFromTheRandomNumbers)
{
    const auto form = MakeForm(Sequence({0.5}));
    EXPECT_EQ(form->findChild<TOrvPosFloatEdit*>(QStringLiteral("OrvPosFloatEdit1"))->AsFloat(), 5000);
    EXPECT_EQ(form->findChild<TOrvFloatEdit*>(QStringLiteral("OrvFloatEdit1"))->AsFloat(), -5000);
    auto* sci = form->findChild<TOrvSciFloatEdit*>(QStringLiteral("OrvSciFloatEdit1"));
    EXPECT_EQ(sci->AsFloat(), 5.0E11L);
    EXPECT_EQ(sci->SciMin(), 0.0001L);
    EXPECT_EQ(sci->SciMax(), 1000000);
    EXPECT_EQ(form->findChild<TOrvPercentEdit*>(QStringLiteral("OrvPercentEdit1"))->AsPercentage(), 50);
}

TEST(DemoPages, WithoutARandomSourceTheStartValuesStayInTheirRanges)
{
    const TOrvClockOverride clock(kNow);
    TForm1 form;
    const Extended positive = form.findChild<TOrvPosFloatEdit*>(QStringLiteral("OrvPosFloatEdit1"))->AsFloat();
    EXPECT_GE(positive, 0);
    EXPECT_LT(positive, 10000);
    const Extended negative = form.findChild<TOrvFloatEdit*>(QStringLiteral("OrvFloatEdit1"))->AsFloat();
    EXPECT_LE(negative, 0);
    EXPECT_GT(negative, -10000);
    const Extended percent = form.findChild<TOrvPercentEdit*>(QStringLiteral("OrvPercentEdit1"))->AsPercentage();
    EXPECT_GE(percent, 0);
    EXPECT_LT(percent, 100);
}

// Every placed suite control but the calendar panel, with the UI control it takes its style from.
const struct {
    const char* name;
    bool group;
    bool stateItem;
} kStyled[] = {
    {"OrvkitEdit1", false, true},      {"OrvPosEdit1", false, true},      {"OrvIntEdit1", false, true},
    {"OrvPosFloatEdit1", false, true}, {"OrvFloatEdit1", false, true},    {"OrvSciFloatEdit1", false, true},
    {"OrvPercentEdit1", false, true},  {"OrvHexEdit1", false, true},      {"OrvIPEdit1", false, true},
    {"OrvYearEdit1", false, true},     {"OrvDateEdit1", false, true},     {"OrvDateEdit2", false, true},
    {"OrvTimeEdit1", false, true},     {"OrvDOWEdit1", false, true},      {"OrvMonthEdit1", false, true},
    {"OrvDateTimeEdit1", false, true}, {"OrvFloatEdit2", false, true},    {"OrvFloatEdit3", true, true},
    {"LeftSE", false, true},           {"CentreSE", false, true},         {"RightSE", false, true},
    {"OrvFloatSpinEdit1", false, true}, {"FlatSpinBtnsCB", false, false}, {"OrvCheckBox1", false, true},
    {"OrvCheckBox4", false, true},     {"OrvCheckBox5", false, true},     {"OrvCheckBox6", false, true},
    {"OrvCheckBox7", false, true},     {"OrvCheckBox8", false, true},     {"OrvCheckGroup2", true, true},
    {"Combo1", false, true},           {"Combo2", false, true},           {"FSCombo", false, true},
    {"OrvMonthComboBox1", false, true}, {"OrvDOWComboBox1", false, true}, {"OrvTZComboBox1", false, true},
    {"OrvTimeComboBox1", false, true}, {"OrvStateComboBox1", false, true}, {"DisplayRG", true, false},
    {"StateRG", true, false},
};

/// The UI control a control takes its style from; the date-time edit's children carry it.
TOrvUICtrl* UICtrlOf(QWidget& control)
{
    if (auto* dateTime = qobject_cast<TOrvBaseDateTimeEdit*>(&control)) {
        EXPECT_EQ(dateTime->TimeEdit()->UICtrl(), dateTime->UICtrl());
        return dateTime->UICtrl();
    }
    if (auto* panel = qobject_cast<TOrvEditBtnPanel*>(&control))
        return panel->Edit()->UICtrl();
    if (auto* edit = qobject_cast<TOrvCustomStartEdit*>(&control))
        return edit->UICtrl();
    if (auto* item = qobject_cast<TOrvItemControlBase*>(&control))
        return item->UICtrl();
    if (auto* combo = qobject_cast<TOrvCustomComboBox*>(&control))
        return combo->UICtrl();
    return nullptr;
}

TEST(DemoPages, ControlsAreAttachedToTheirUIControlsAndTheStateControl)
{
    const auto form = MakeForm();
    std::set<QWidget*> items;
    const TOrvStateControls& stateItems = form->OrvStateCtrl1()->Controls();
    for (int i = 0; i < stateItems.Count(); ++i)
        items.insert(stateItems.Items(i).Control());

    std::set<QWidget*> expected;
    for (const auto& row : kStyled) {
        SCOPED_TRACE(row.name);
        QWidget* control = Control(*form, row.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(UICtrlOf(*control), row.group ? form->GrpUICtrl() : form->OrvUICtrl1());
        if (row.stateItem)
            expected.insert(control);
    }
    EXPECT_EQ(items, expected);
    EXPECT_EQ(UICtrlOf(*Control(*form, "OrvCalPanel1")), nullptr);
}

TEST(DemoPages, UIControlsHaveTheirStyles)
{
    const auto form = MakeForm();
    const TOrvCompleteColorSet& main = *form->OrvUICtrl1()->ColorSet();
    EXPECT_TRUE(main.Flat());
    EXPECT_TRUE(main.ShowFocus());
    EXPECT_FALSE(main.HotTracking());
    EXPECT_EQ(main.ItemROFontStyle(), TFontStyles(fsBold));
    EXPECT_EQ(main.HeadingHotFontStyle(), TFontStyles(fsBold));
    EXPECT_EQ(main.FocusColor(), 0x0080FFFF);
    EXPECT_EQ(main.HotColor(), 0x00FFFF00);
    EXPECT_EQ(main.ROColor(), 0x00FFFFF0);
    EXPECT_EQ(form->OrvUICtrl1()->NullStr(), QStringLiteral("<empty>"));
    EXPECT_EQ(form->OrvUICtrl1()->StoreSection(), QStringLiteral("Defaults"));

    const TOrvCompleteColorSet& group = *form->GrpUICtrl()->ColorSet();
    EXPECT_TRUE(group.Flat());
    EXPECT_EQ(group.ItemRWFontStyle(), TFontStyles(fsBold));
    EXPECT_EQ(group.ItemROFontStyle(), TFontStyles());
    EXPECT_EQ(group.GroupFrameStyle(), egfsRound);
    EXPECT_EQ(form->GrpUICtrl()->NullStr(), QStringLiteral("<empty>"));
}

TEST(DemoPages, AChangeOfTheMainStyleReachesTheGroupStyle)
{
    const auto form = MakeForm();
    form->SetControlsHotTracking(true);
    form->SetControlsROColor(0x00C0C0C0);
    const TOrvCompleteColorSet& group = *form->GrpUICtrl()->ColorSet();
    EXPECT_TRUE(group.HotTracking());
    EXPECT_EQ(group.ROColor(), 0x00C0C0C0);
    EXPECT_EQ(group.HeadingFontStyle(), TFontStyles(fsBold));
    EXPECT_EQ(group.ItemRWFontStyle(), TFontStyles());
    EXPECT_EQ(group.ItemHotFontStyle(), TFontStyles());
    EXPECT_EQ(group.GroupFrameStyle(), egfsRound);

    form->SetControlsFlat(false);
    EXPECT_FALSE(group.Flat());
    form->SetControlsFocusColor(0x00123456);
    form->SetControlsHotColor(0x00654321);
    EXPECT_EQ(group.FocusColor(), 0x00123456);
    EXPECT_EQ(group.HotColor(), 0x00654321);
}

TEST(DemoPages, ReadOnlyAndDisabledReachEveryStateItem)
{
    const auto form = MakeForm();
    const TOrvStateControls& items = form->OrvStateCtrl1()->Controls();
    ASSERT_GT(items.Count(), 0);

    form->SetControlsReadOnly(true);
    for (int i = 0; i < items.Count(); ++i) {
        QWidget* control = items.Items(i).Control();
        EXPECT_TRUE(control->property("ReadOnly").toBool()) << control->objectName().toStdString();
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    }
    form->SetControlsDisabled(true);
    for (int i = 0; i < items.Count(); ++i)
        EXPECT_FALSE(items.Items(i).Control()->isEnabled()) << items.Items(i).Control()->objectName().toStdString();
    form->SetControlsReadOnly(false);
    form->SetControlsDisabled(false);
    for (int i = 0; i < items.Count(); ++i) {
        QWidget* control = items.Items(i).Control();
        EXPECT_FALSE(control->property("ReadOnly").toBool()) << control->objectName().toStdString();
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    }
    // The flat-buttons switch is no item, so it stays as it was.
    EXPECT_TRUE(Control(*form, "FlatSpinBtnsCB")->isEnabled());
}

TEST(DemoPages, FlatSpinButtonsSwitchActsOnTheMainStyle)
{
    const auto form = MakeForm();
    auto* box = form->findChild<TOrvCheckBox*>(QStringLiteral("FlatSpinBtnsCB"));
    ASSERT_NE(box, nullptr);
    const TOrvCompleteColorSet& set = *form->OrvUICtrl1()->ColorSet();
    ASSERT_TRUE(set.FlatBtns());
    // What a click or Space on the box does.
    box->ToggleState();
    EXPECT_FALSE(box->Checked());
    EXPECT_FALSE(set.FlatBtns());
    EXPECT_FALSE(form->GrpUICtrl()->ColorSet()->FlatBtns());
    box->ToggleState();
    EXPECT_TRUE(set.FlatBtns());
}

TEST(DemoPages, SettingsOfTheEditsPage)
{
    const auto form = MakeForm();
    auto* forced = form->findChild<TOrvFloatEdit*>(QStringLiteral("OrvFloatEdit3"));
    ASSERT_NE(forced, nullptr);
    EXPECT_EQ(forced->toolTip(), QStringLiteral("Try entering more than 2 decimal places"));
    EXPECT_TRUE(forced->ForceDecimals());
    EXPECT_EQ(forced->ThousandSeparators(), essAuto);
    auto* ip = form->findChild<TOrvCustomEdit*>(QStringLiteral("OrvIPEdit1"));
    EXPECT_EQ(ip->Alignment(), taCenter);
    EXPECT_FALSE(form->findChild<TOrvCustomEdit*>(QStringLiteral("OrvTimeEdit1"))->StoreValue());
    EXPECT_TRUE(form->findChild<TOrvCustomEdit*>(QStringLiteral("OrvPosEdit1"))->StoreValue());
}

} // namespace

namespace {

TEST(DemoPages, TheComboBoxesPageRadioGroupsSwitchTheirCombos)
{
    const auto form = MakeForm();
    auto* month = form->findChild<TOrvMonthComboBox*>(QStringLiteral("OrvMonthComboBox1"));
    auto* dow = form->findChild<TOrvDOWComboBox*>(QStringLiteral("OrvDOWComboBox1"));
    auto* state = form->findChild<TOrvStateComboBox*>(QStringLiteral("OrvStateComboBox1"));
    auto* display = form->findChild<TOrvRadioGroup*>(QStringLiteral("DisplayRG"));
    auto* country = form->findChild<TOrvRadioGroup*>(QStringLiteral("StateRG"));
    auto* zone = form->findChild<TOrvTZComboBox*>(QStringLiteral("OrvTZComboBox1"));
    ASSERT_TRUE(month && dow && state && display && country && zone);
    form->PC()->setCurrentWidget(month->parentWidget());
    QApplication::processEvents();
    EXPECT_EQ(display->ItemIndex(), 2);
    EXPECT_EQ(country->ItemIndex(), 0);
    EXPECT_GT(zone->count(), 300);
    EXPECT_TRUE(zone->UseLocal());
    EXPECT_EQ(zone->currentText(), zone->DisplayName());
    EXPECT_EQ(month->DropDownCount(), 12);

    QTest::mouseClick(display->ItemControl(0), Qt::LeftButton);
    EXPECT_EQ(month->MonthFormat(), emfNumeric);
    EXPECT_EQ(month->currentText(), QStringLiteral("3"));
    EXPECT_EQ(dow->currentText(), QStringLiteral("3"));
    QTest::mouseClick(country->ItemControl(1), Qt::LeftButton);
    EXPECT_EQ(state->StateCountry(), stUSA);
    EXPECT_EQ(state->count(), 63);
    EXPECT_EQ(state->ItemIndex(), 0);

    // The state control switches the combo boxes with the other controls.
    form->SetControlsReadOnly(true);
    EXPECT_TRUE(month->ReadOnly());
    EXPECT_TRUE(state->ReadOnly());
}

} // namespace
