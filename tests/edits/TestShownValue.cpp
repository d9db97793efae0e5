#include <orvkit/edits/OrvkitDateEdits.h>
#include <orvkit/edits/OrvkitDurationEdit.h>
#include <orvkit/edits/OrvkitFloatEdit.h>
#include <orvkit/edits/OrvkitTimeEdits.h>

#include "EditTestWindow.h"

namespace orv {
namespace {

using test::DateEditTest;

// An edit must never show one value and hold another: a text the user types back to
// what was shown is read again, because the value has been read from other text since.

/// Keys as a script: "<" Backspace, "~" Delete, "^" Home, "$" End, "*" Ctrl+A,
/// "!" Escape; any other character is typed.
void Play(QWidget* edit, const char* script)
{
    for (const char* c = script; *c; ++c) {
        switch (*c) {
        case '<': QTest::keyClick(edit, Qt::Key_Backspace); break;
        case '~': QTest::keyClick(edit, Qt::Key_Delete); break;
        case '^': QTest::keyClick(edit, Qt::Key_Home); break;
        case '$': QTest::keyClick(edit, Qt::Key_End); break;
        case '*': QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier); break;
        case '!': QTest::keyClick(edit, Qt::Key_Escape); break;
        default: QTest::keyClicks(edit, QString(QLatin1Char(*c))); break;
        }
    }
}

struct ShownCase {
    const char* name;
    TOrvBaseEdit* (*make)(QWidget* parent);
    double (*value)(TOrvBaseEdit* edit);
    const char* script;
    const char* shownAfterExit;
    double valueAfterExit;
};

TOrvBaseEdit* MarchDate(QWidget* parent)
{
    auto* e = new TOrvDateEdit(parent);
    e->SetDate(45000); // 15/03/2023
    return e;
}
TOrvBaseEdit* May2024(QWidget* parent)
{
    auto* e = new TOrvDateEdit(parent);
    e->SetDate(MakeDate(2024, 5, 10));
    return e;
}
double DateOf(TOrvBaseEdit* e) { return static_cast<TOrvDateEdit*>(e)->Date(); }

TOrvBaseEdit* TwentyFiveToThree(QWidget* parent)
{
    auto* e = new TOrvTimeEdit(parent);
    e->SetTime(MakeTime(14, 35, 0, 0));
    return e;
}
double TimeOf(TOrvBaseEdit* e) { return static_cast<TOrvTimeEdit*>(e)->Time(); }

TOrvBaseEdit* DayAndAHalf(QWidget* parent)
{
    auto* e = new TOrvDurationEdit(parent);
    e->SetAsDays(1.5);
    return e;
}
double DaysOf(TOrvBaseEdit* e) { return static_cast<TOrvDurationEdit*>(e)->AsDays(); }

TOrvBaseEdit* AThird(QWidget* parent)
{
    auto* e = new TOrvFloatEdit(parent);
    e->SetFullAccuracy(true);
    e->SetDecimalPlaces(2);
    e->SetAsFloat(1.0L / 3);
    return e;
}
double FloatOf(TOrvBaseEdit* e) { return double(static_cast<TOrvFloatEdit*>(e)->AsFloat()); }

const ShownCase kCases[] = {
    {"dateRetyped", MarchDate, DateOf, "$<3", "15/03/2023", 45000},
    {"dateTypedOverAndBack", MarchDate, DateOf, "*1/1/2001*15/03/2023", "15/03/2023", 45000},
    {"dateEscapeUndoes", May2024, DateOf, "*11/11/2011!", "10/05/2024", MakeDate(2024, 5, 10)},
    {"timeRetyped", TwentyFiveToThree, TimeOf, "$<5", "14:35", MakeTime(14, 35, 0, 0)},
    {"durationRetyped", DayAndAHalf, DaysOf, "^~1", "1.50 days", 1.5},
    {"fullAccuracyKeptWhileUntouched", AThird, FloatOf, "", "0.33", double(1.0L / 3)},
    {"fullAccuracyRetyped", AThird, FloatOf, "$<3", "0.33", 0.33},
};

class ShownValue : public DateEditTest, public testing::WithParamInterface<ShownCase> {};

TEST_P(ShownValue, TheTextAndTheValueAgreeAfterExit)
{
    const ShownCase& c = GetParam();
    TOrvBaseEdit* edit = fWindow.Add(c.make(&fWindow.Window()));
    fWindow.Show();
    fWindow.Focus(edit);
    Play(edit, c.script);
    EXPECT_EQ(c.value(edit), c.valueAfterExit) << "before exit, as typed: " << edit->text().toStdString();
    fWindow.LeaveWithTab(edit);
    EXPECT_EQ(edit->text(), QString::fromLatin1(c.shownAfterExit));
    EXPECT_EQ(c.value(edit), c.valueAfterExit);
}

INSTANTIATE_TEST_SUITE_P(Edits, ShownValue, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ShownCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace orv
