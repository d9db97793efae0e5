#include <orvkit/edits/OrvkitTimeEdits.h>

#include <orvkit/core/OrvkitExceptions.h>

#include "EditTestWindow.h"

#include <cmath>
#include <vector>

namespace orv {
namespace {

class TimeEditTest : public test::DateEditTest {
protected:
    void SetUp() override
    {
        edit = fWindow.Add(new TOrvTimeEdit(&fWindow.Window()));
        fWindow.Show();
    }
    static testing::AssertionResult SameTime(TDateTime a, TDateTime b)
    {
        if (std::fabs(a - b) < 0.5 / 86400000)
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << a << " != " << b;
    }
    TOrvTimeEdit* edit = nullptr;
};

TEST_F(TimeEditTest, StartsAtTheClocksTimeInTheShortFormat)
{
    EXPECT_TRUE(SameTime(edit->Time(), T(23, 30)));
    EXPECT_EQ(edit->text(), QStringLiteral("23:30"));
    EXPECT_EQ(TOrvTimeEdit().width(), 70);
    EXPECT_TRUE(SameTime(edit->BoundLower(), T(23, 30)));
}

TEST_F(TimeEditTest, TypedTimesAreReadLeniently)
{
    struct Case {
        const char* typed;
        bool allowFirst;
        TDateTime expected;
        const char* shown;
    } const cases[] = {
        {"1030", false, T(10, 30), "10:30"},
        {"10.30", false, T(10, 30), "10:30"},
        {"24:15", false, T(0, 15), "00:15"},
        {"3 pm", false, T(15, 0), "15:00"},
        {"3p", true, T(15, 0), "15:00"},
    };
    edit->SetNumericOnly(false);
    for (const Case& c : cases) {
        edit->SetAMPMAllowFirst(c.allowFirst);
        EXPECT_EQ(fWindow.Enter(edit, QString::fromLatin1(c.typed)), QString()) << c.typed;
        EXPECT_TRUE(SameTime(edit->Time(), c.expected)) << c.typed;
        EXPECT_EQ(edit->text(), QString::fromLatin1(c.shown)) << c.typed;
    }
}

TEST_F(TimeEditTest, NumericOnlyFiltersTyping)
{
    fWindow.Focus(edit);
    edit->selectAll();
    fWindow.Type(edit, QStringLiteral("1a2:3p0"));
    EXPECT_EQ(edit->text(), QStringLiteral("12:30"));
    edit->SetNumericOnly(false);
    fWindow.Type(edit, QStringLiteral(" pm"));
    EXPECT_EQ(edit->text(), QStringLiteral("12:30 pm"));
}

TEST_F(TimeEditTest, AShortDisplayDoesNotCutTheHeldSeconds)
{
    edit->SetTime(T(10, 30, 45));
    EXPECT_EQ(edit->text(), QStringLiteral("10:30"));
    EXPECT_EQ(fWindow.Enter(edit, QStringLiteral("10:30")), QString());
    EXPECT_EQ(edit->Second(), 0) << "typed text is read";
    edit->SetTime(T(10, 30, 45));
    fWindow.Focus(edit);
    fWindow.LeaveWithTab(edit);
    EXPECT_EQ(edit->Second(), 45) << "leaving without typing keeps the value";
    edit->SetFormatType(etfLongTime);
    EXPECT_EQ(edit->text(), QStringLiteral("10:30:45"));
}

TEST_F(TimeEditTest, InvalidTimeFailsOnExitWithItsText)
{
    std::vector<QString> errors;
    edit->OnConvertError = [&](QObject*, const QString& text) { errors.push_back(text); };
    fWindow.Enter(edit, QStringLiteral("25:99"));
    EXPECT_EQ(errors, std::vector<QString>{QStringLiteral("25:99")});
    EXPECT_EQ(QApplication::focusWidget(), edit);
    edit->OnConvertError = nullptr;
    EXPECT_EQ(fWindow.LeaveWithTab(edit), QStringLiteral("Invalid Time 25:99"));
    EXPECT_TRUE(GlobalRaiseDateErrors);
}

TEST_F(TimeEditTest, ArithmeticWrapsIntoTheDay)
{
    struct Case {
        TDateTime start;
        void (TOrvTimeEdit::*step)(Extended);
        Extended count;
        TDateTime expected;
    } const cases[] = {
        {T(23, 30), &TOrvTimeEdit::AddHours, 1, T(0, 30)},
        {T(0, 30), &TOrvTimeEdit::SubtractHours, 1, T(23, 30)},
        {T(0, 0), &TOrvTimeEdit::SubtractMinutes, 1440, T(0, 0)},
        {T(12, 0), &TOrvTimeEdit::AddMinutes, 90, T(13, 30)},
        {T(23, 59, 59), &TOrvTimeEdit::AddSeconds, 2, T(0, 0, 1)},
        {T(0, 0, 1), &TOrvTimeEdit::SubtractSeconds, 2, T(23, 59, 59)},
        {T(10, 0), &TOrvTimeEdit::AddHours, 48, T(10, 0)},
    };
    for (const Case& c : cases) {
        edit->SetTime(c.start);
        (edit->*c.step)(c.count);
        EXPECT_TRUE(SameTime(edit->Time(), c.expected));
        EXPECT_GE(edit->Time(), 0);
        EXPECT_LT(edit->Time(), 1);
    }
    edit->SetTime(T(23, 30));
    edit->AddHours(1);
    EXPECT_EQ(edit->text(), QStringLiteral("00:30"));
}

TEST_F(TimeEditTest, PartsRebuildTheTime)
{
    edit->SetTime(T(8, 15, 20));
    edit->SetHour(20);
    edit->SetSecond(5);
    edit->SetMillisecond(250);
    EXPECT_EQ(edit->Hour(), 20);
    EXPECT_EQ(edit->Minute(), 15);
    EXPECT_EQ(edit->Second(), 5);
    EXPECT_EQ(edit->Millisecond(), 250);
    EXPECT_THROW(edit->SetMinute(60), EConvertError);
    EXPECT_EQ(edit->Minute(), 15);
    edit->SetAsDateTime(46000.25);
    EXPECT_TRUE(SameTime(edit->Time(), T(6, 0))) << "only the time of day is kept";
    edit->SetTime(std::nan(""));
    EXPECT_TRUE(SameTime(edit->Time(), T(6, 0)));
}

TEST_F(TimeEditTest, BoundsReportTheBoundAsShortText)
{
    edit->SetBoundLower(T(9, 0));
    edit->SetBoundUpper(T(17, 0));
    edit->SetBoundsEnabled(true);
    EXPECT_EQ(fWindow.Enter(edit, QStringLiteral("0830")), QStringLiteral("Your entered Value is below the lower limit of 9:00"));
    fWindow.Show();
    EXPECT_EQ(fWindow.Enter(edit, QStringLiteral("1200")), QString());
    EXPECT_EQ(fWindow.Enter(edit, QStringLiteral("1701")), QStringLiteral("Your entered Value is above the upper limit of 17:00"));
}

TEST_F(TimeEditTest, BlankZeroAndNull)
{
    edit->SetBlankWhenZero(true);
    edit->SetTime(0);
    EXPECT_EQ(edit->text(), QString());
    edit->SetNullStr(QStringLiteral("--:--"));
    edit->SetNull(true);
    EXPECT_EQ(edit->text(), QStringLiteral("--:--"));
    edit->SetBlankWhenNull(true);
    EXPECT_EQ(edit->text(), QString());
    edit->SetTime(T(7, 0));
    EXPECT_FALSE(edit->Null());
    EXPECT_EQ(edit->text(), QStringLiteral("07:00"));
}

TEST_F(TimeEditTest, CustomFormat)
{
    edit->SetTime(T(15, 5));
    edit->SetFormatType(etfCustom);
    edit->SetFormat(QStringLiteral("h:nn am/pm"));
    EXPECT_EQ(edit->text(), QStringLiteral("3:05 pm"));
    edit->SetFormatType(etfShortTime);
    EXPECT_EQ(edit->Format(), QStringLiteral("hh:nn"));
}

} // namespace
} // namespace orv
