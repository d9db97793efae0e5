#include <orvkit/edits/OrvkitMonthDOWEdits.h>

#include "EditTestWindow.h"

namespace orv {
namespace {

class NamedEditTest : public test::DateEditTest {
protected:
    void SetUp() override
    {
        month = fWindow.Add(new TOrvMonthEdit(&fWindow.Window()));
        dow = fWindow.Add(new TOrvDOWEdit(&fWindow.Window()));
        fWindow.Show();
    }
    TOrvMonthEdit* month = nullptr;
    TOrvDOWEdit* dow = nullptr;
};

TEST_F(NamedEditTest, StartAtToday)
{
    EXPECT_EQ(month->Month(), 3);
    EXPECT_EQ(month->text(), QStringLiteral("3"));
    EXPECT_EQ(month->MonthLong(), QStringLiteral("March"));
    EXPECT_EQ(dow->DOW(), 3) << "Tuesday, Sunday-based";
    EXPECT_EQ(dow->DOWShort(), QStringLiteral("Tue"));
    EXPECT_EQ(month->BoundLower(), 3);
    EXPECT_EQ(dow->BoundUpper(), 3);
}

TEST_F(NamedEditTest, MonthTextIsANumberOrAName)
{
    struct Case {
        const char* typed;
        uint16_t expected;
        const char* shortName;
    } const cases[] = {
        {"dec", 12, "Dec"}, {"13", 12, "Dec"}, {"x", 0, ""}, {"7", 7, "Jul"}, {"Ju", 6, "Jun"}, {"0", 0, ""},
    };
    for (const Case& c : cases) {
        fWindow.Enter(month, QString::fromLatin1(c.typed));
        EXPECT_EQ(month->Month(), c.expected) << c.typed;
        EXPECT_EQ(month->MonthShort(), QString::fromLatin1(c.shortName)) << c.typed;
    }
}

TEST_F(NamedEditTest, MonthShowsTheChosenFormAndIgnoresMonthsAboveTwelve)
{
    month->SetMonth(9);
    month->SetMonthFormat(emfLongMonth);
    EXPECT_EQ(month->text(), QStringLiteral("September"));
    month->SetMonthFormat(emfShortMonth);
    EXPECT_EQ(month->text(), QStringLiteral("Sep"));
    month->SetMonth(13);
    EXPECT_EQ(month->Month(), 9);
    month->SetMonthLong(QStringLiteral("February"));
    EXPECT_EQ(month->Month(), 2);
    EXPECT_EQ(month->text(), QStringLiteral("Feb"));
}

TEST_F(NamedEditTest, DayOfWeekNumberingFollowsISO8601)
{
    fWindow.Enter(dow, QStringLiteral("Sunday"));
    EXPECT_EQ(dow->DOW(), 1);
    dow->SetISO8601(true);
    EXPECT_EQ(dow->DOW(), 1) << "the shown number is read again in ISO numbering";
    EXPECT_EQ(dow->DOWLong(), QStringLiteral("Monday"));
    fWindow.Enter(dow, QStringLiteral("Sunday"));
    EXPECT_EQ(dow->DOW(), 7);
    dow->SetDOWFormat(edfLongDOW);
    EXPECT_EQ(dow->text(), QStringLiteral("Sunday"));
    dow->SetISO8601(false);
    EXPECT_EQ(dow->DOW(), 1) << "a shown name keeps its day";
    fWindow.Enter(dow, QStringLiteral("9"));
    EXPECT_EQ(dow->DOW(), 7) << "clamped";
    EXPECT_EQ(dow->text(), QStringLiteral("Saturday"));
    dow->SetISO8601(true);
    dow->Today();
    EXPECT_EQ(dow->DOW(), 2);
}

TEST_F(NamedEditTest, BoundsAreNumbers)
{
    month->SetBoundLower(4);
    month->SetBoundUpper(9);
    month->SetBoundsEnabled(true);
    EXPECT_EQ(fWindow.Enter(month, QStringLiteral("oct")), QStringLiteral("Your entered Value is above the upper limit of 9"));
    fWindow.Show();
    EXPECT_EQ(fWindow.Enter(month, QStringLiteral("april")), QString());
}

TEST_F(NamedEditTest, NullGivesZeroAndNoNames)
{
    month->SetNull(true);
    EXPECT_EQ(month->Month(), 0);
    EXPECT_EQ(month->MonthLong(), QString());
    month->SetMonth(5);
    EXPECT_FALSE(month->Null());
    EXPECT_EQ(month->text(), QStringLiteral("5"));
    month->SetBlankWhenZero(true);
    month->SetMonth(0);
    EXPECT_EQ(month->text(), QString());
}

} // namespace
} // namespace orv
