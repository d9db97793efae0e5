#include <orvkit/calendar/OrvkitCalGrid.h>

#include <orvkit/datetime/OrvkitDateTime.h>

#include "datetime/PrintQString.h"

#include <gtest/gtest.h>
#include <limits>

namespace orv {
namespace {

struct MonthStartCase {
    const char* name;
    uint16_t year, month;
    bool iso;
    int offset;
    const char* secondCell; // the first numbered day of the previous month
};

class MonthStart : public ::testing::TestWithParam<MonthStartCase> {};

TEST_P(MonthStart, GridOpensWithOneToSevenDaysOfThePreviousMonth)
{
    const MonthStartCase& c = GetParam();
    TOrvCalGrid grid;
    grid.SetISOMode(c.iso);
    grid.SetDate(MakeDate(c.year, c.month, 15));
    EXPECT_EQ(grid.DayOffset(), c.offset);
    EXPECT_EQ(grid.TopLeftDate(), MakeDate(c.year, c.month, 1) + c.offset);
    EXPECT_EQ(grid.CellText(0), "<<<");
    EXPECT_EQ(grid.CellText(1), c.secondCell);
    EXPECT_EQ(grid.CellText(-c.offset), "1");
    EXPECT_TRUE(grid.CellInMonth(-c.offset));
    EXPECT_FALSE(grid.CellInMonth(-c.offset - 1));
    // Columns run Sunday to Saturday, Monday to Sunday in ISO mode.
    EXPECT_EQ(DateDayOfWeek(grid.TopLeftDate()), c.iso ? 2 : 1);
    EXPECT_EQ(grid.ColumnHostDay(0), c.iso ? 2 : 1);
    EXPECT_EQ(grid.ColumnHostDay(6), c.iso ? 1 : 7);
    EXPECT_EQ(grid.ColumnIsWeekEnd(5), c.iso);  // Saturday in ISO mode, Friday otherwise
}

INSTANTIATE_TEST_SUITE_P(Months, MonthStart,
    ::testing::Values(
        MonthStartCase{"SundayFirst", 2024, 9, false, -7, "26"}, // full row of August
        MonthStartCase{"SundayFirstISO", 2024, 9, true, -6, "27"},
        MonthStartCase{"MondayFirst", 2024, 1, false, -1, "1"},  // 31 Dec is "<<<"
        MonthStartCase{"MondayFirstISO", 2024, 1, true, -7, "26"},
        MonthStartCase{"TuesdayFirst", 2024, 10, false, -2, "30"},
        MonthStartCase{"LeapFebruary", 2024, 3, false, -5, "26"}), // 29 days before March
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalGrid, NextMonthCellsAndTheLastCell)
{
    TOrvCalGrid grid;
    grid.SetDate(MakeDate(2024, 2, 10)); // Thursday 1st: 4 days of January
    ASSERT_EQ(grid.DayOffset(), -4);
    EXPECT_EQ(grid.CellText(4 + 28), "29");
    EXPECT_EQ(grid.CellText(4 + 29), "1");
    EXPECT_EQ(grid.CellText(40), "8");
    EXPECT_EQ(grid.CellText(41), ">>>");
    ASSERT_TRUE(grid.SetRows(5));
    EXPECT_EQ(grid.CellCount(), 35);
    EXPECT_EQ(grid.CellText(34), ">>>");
}

TEST(CalGrid, RowsOfThreeOrFewerAndAboveAYearAreIgnored)
{
    TOrvCalGrid grid;
    EXPECT_FALSE(grid.SetRows(3));
    EXPECT_FALSE(grid.SetRows(-1));
    EXPECT_FALSE(grid.SetRows(54));
    EXPECT_EQ(grid.Rows(), 6);
    EXPECT_TRUE(grid.SetRows(4));
    EXPECT_EQ(grid.Rows(), 4);
}

TEST(CalGrid, DateKeepsTheWholeDayAndRefusesValuesOutsideTheRange)
{
    TOrvCalGrid grid;
    EXPECT_TRUE(grid.SetDate(MakeDate(2024, 3, 31) + 0.75));
    EXPECT_EQ(grid.Date(), MakeDate(2024, 3, 31));
    EXPECT_FALSE(grid.SetDate(MakeDate(2024, 3, 31) + 0.25)); // same day
    EXPECT_FALSE(grid.SetDate(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(grid.SetDate(MinDateDay - 1));
    EXPECT_FALSE(grid.SetDate(MaxDateDay + 1));
    EXPECT_EQ(grid.Date(), MakeDate(2024, 3, 31));
    EXPECT_EQ(grid.Day(), 31);
    EXPECT_EQ(grid.Month(), 3);
    EXPECT_EQ(grid.Year(), 2024);
}

TEST(CalGrid, WeekNumbersComeFromTheLastDayOfTheFirstTwoRows)
{
    TOrvCalGrid grid;
    grid.SetDate(MakeDate(2021, 1, 20)); // Friday 1st; the grid starts on 27 Dec 2020
    EXPECT_EQ(grid.RowWeekNo(1), 1);
    EXPECT_EQ(grid.RowWeekNo(2), 2);
    EXPECT_EQ(grid.RowWeekNo(3), 3);
    grid.SetISOMode(true); // the grid starts on Monday 28 Dec 2020
    EXPECT_EQ(grid.RowWeekNo(1), 53);
    EXPECT_EQ(grid.RowWeekNo(2), 1);
    EXPECT_EQ(grid.RowWeekNo(3), 2);
}

TEST(CalGrid, CellsBeyondTheEndsOfTheDateRange)
{
    TOrvCalGrid grid;
    grid.SetISOMode(true);
    ASSERT_TRUE(grid.SetDate(MakeDate(1, 1, 3))); // a Monday: the grid opens in year 0
    ASSERT_EQ(grid.DayOffset(), -7);
    EXPECT_EQ(grid.CellText(1), "26");
    EXPECT_EQ(grid.HintFor({echDay, 1}), "");
    EXPECT_EQ(grid.ClickDate({echDay, 1}), grid.Date());
    EXPECT_EQ(grid.ClickDate({echDay, 0}), grid.Date()); // no month before year 1
    EXPECT_EQ(grid.RowWeekNo(1), 0);
    EXPECT_EQ(grid.RowWeekNo(2), 1);

    grid.SetISOMode(false);
    ASSERT_TRUE(grid.SetDate(MakeDate(9999, 12, 30))); // Wednesday 1st: row 6 lies in year 10000
    EXPECT_EQ(grid.RowWeekNo(5), WeekNumber(MakeDate(9999, 12, 26)));
    EXPECT_EQ(grid.RowWeekNo(6), 0);
    EXPECT_EQ(grid.CellText(40), "7");
    EXPECT_EQ(grid.HintFor({echDay, 40}), "");
    EXPECT_EQ(grid.ClickDate({echDay, 40}), grid.Date());
    EXPECT_EQ(grid.ClickDate({echDay, grid.CellCount() - 1}), grid.Date());
}

/// March 2024: Friday 1st, so cell 5 is the 1st; Saturday the 2nd is a weekend cell.
class MarkedMarch : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.SetDate(MakeDate(2024, 3, 20));
        ASSERT_EQ(grid.DayOffset(), -5);
        grid.SetHolidays({{"Work holiday", MakeDate(2024, 3, 12), false, false},
                          {"Gone", MakeDate(2024, 3, 13), true, true},
                          {"Spring", MakeDate(2024, 3, 11), true, false},
                          {"April", MakeDate(2024, 4, 1), true, false}});
        grid.PickedDates().Append(MakeDate(2024, 3, 14));
        grid.PickedDates().Append(MakeDate(2024, 2, 27)); // previous month: not marked
        grid.PickedDates().Append(MakeDate(2024, 4, 2));  // next month: marked
        grid.UnavailableDates().Append(MakeDate(2024, 3, 15));
    }
    int Cell(uint16_t month, uint16_t day) const
    {
        return int(MakeDate(2024, month, day) - grid.TopLeftDate());
    }
    void ExpectColors(int cell, TOrvCalColor background, TOrvCalColor font) const
    {
        TOrvCalColor b = eccLine, f = eccLine;
        grid.CellColors(cell, b, f);
        EXPECT_EQ(b, background) << "cell " << cell;
        EXPECT_EQ(f, font) << "cell " << cell;
    }
    TOrvCalGrid grid;
};

TEST_F(MarkedMarch, ColoursFollowTheFirstRuleThatApplies)
{
    ExpectColors(0, eccWeekEnd, eccDayFont);                   // "<<<" on a Sunday
    ExpectColors(Cell(2, 27), eccDay, eccOtherMonth);          // picked but before the month
    ExpectColors(Cell(3, 4), eccDay, eccDayFont);
    ExpectColors(Cell(3, 2), eccWeekEnd, eccDayFont);          // Saturday
    ExpectColors(Cell(3, 11), eccSpecial, eccSpecialFont);
    ExpectColors(Cell(3, 12), eccSpecial, eccSpecialFont);
    ExpectColors(Cell(3, 13), eccDay, eccDayFont);             // deleted holiday
    ExpectColors(Cell(3, 14), eccDateList, eccDateListFont);
    ExpectColors(Cell(3, 15), eccUnavailable, eccUnavailableFont);
    ExpectColors(Cell(3, 20), eccSelected, eccSelFont);
    ExpectColors(Cell(4, 1), eccDay, eccOtherMonth);           // holidays count only in the month
    ExpectColors(Cell(4, 2), eccDateList, eccOtherMonth);
    ExpectColors(grid.CellCount() - 1, eccWeekEnd, eccDayFont); // ">>>" on a Saturday
}

TEST_F(MarkedMarch, WeekEndColumnsFollowTheSet)
{
    TOrvCalColor b = eccLine, f = eccLine;
    grid.SetWeekEndDays(TOrvDOWSet{dowFriday});
    grid.CellColors(0, b, f);
    EXPECT_EQ(b, eccDay);
    grid.CellColors(Cell(3, 1), b, f);
    EXPECT_EQ(b, eccWeekEnd);
}

TEST_F(MarkedMarch, CurrentDayOverMarksOnlyWithAlwaysShowCurrent)
{
    for (const uint16_t day : {11, 14, 15}) {
        grid.SetDate(MakeDate(2024, 3, day));
        ExpectColors(Cell(3, day), eccSelected, eccSelFont);
    }
    grid.SetAlwaysShowCurrent(false);
    grid.SetDate(MakeDate(2024, 3, 11));
    ExpectColors(Cell(3, 11), eccSpecial, eccSpecialFont);
    grid.SetDate(MakeDate(2024, 3, 14));
    ExpectColors(Cell(3, 14), eccDateList, eccDateListFont);
    grid.SetDate(MakeDate(2024, 3, 4));
    ExpectColors(Cell(3, 4), eccSelected, eccSelFont);
}

TEST_F(MarkedMarch, WorkDayFiltersDecideWhichHolidaysAreMarked)
{
    EXPECT_TRUE(grid.CellMarks(Cell(3, 11)).Special);
    EXPECT_TRUE(grid.CellMarks(Cell(3, 12)).Special);
    grid.SetHintOnlyWorkDays(true);
    EXPECT_TRUE(grid.CellMarks(Cell(3, 11)).Special);
    EXPECT_FALSE(grid.CellMarks(Cell(3, 12)).Special);
    grid.SetHintOnlyWorkDays(false);
    grid.SetHintOnlyNonWorkDays(true);
    EXPECT_FALSE(grid.CellMarks(Cell(3, 11)).Special);
    EXPECT_TRUE(grid.CellMarks(Cell(3, 12)).Special);
}

TEST_F(MarkedMarch, Hints)
{
    EXPECT_EQ(grid.HintFor({echWeekNo, 0}), "Week Number");
    EXPECT_EQ(grid.HintFor({echWeekNo, 3}), "Week Number");
    EXPECT_EQ(grid.HintFor({echHeading, 2}), "Day of Week");
    EXPECT_EQ(grid.HintFor({echDay, 0}), "Previous Month");
    EXPECT_EQ(grid.HintFor({echDay, grid.CellCount() - 1}), "Next Month");
    EXPECT_EQ(grid.HintFor({echNone, -1}), "");
    EXPECT_EQ(grid.HintFor({echDay, Cell(2, 27)}), "27/02/2024");
    EXPECT_EQ(grid.HintFor({echDay, Cell(4, 2)}), "02/04/2024");
    EXPECT_EQ(grid.HintFor({echDay, Cell(3, 13)}), "13/03/2024"); // deleted
    EXPECT_EQ(grid.HintFor({echDay, Cell(3, 11)}), "11/03/2024\nSpring");
    grid.SetInclWorkInHint(true);
    EXPECT_EQ(grid.HintFor({echDay, Cell(3, 11)}), "11/03/2024\nSpring\nNon-Work Day");
    EXPECT_EQ(grid.HintFor({echDay, Cell(3, 12)}), "12/03/2024\nWork holiday\nWork Day");
    grid.SetUseHTMLinHints(true);
    EXPECT_EQ(grid.HintFor({echDay, Cell(3, 11)}), "11/03/2024<br>Spring<br>Non-Work Day");
}

TEST(CalGrid, HtmlHintsEscapeTheDescription)
{
    TOrvCalGrid grid;
    grid.SetDate(MakeDate(2024, 3, 20));
    grid.SetHolidays({{"Fish & <b>Chips</b>", MakeDate(2024, 3, 20), true, false}});
    const TOrvCalHit hit{echDay, 20 - 1 - grid.DayOffset()};
    EXPECT_EQ(grid.HintFor(hit), "20/03/2024\nFish & <b>Chips</b>");
    grid.SetUseHTMLinHints(true);
    EXPECT_EQ(grid.HintFor(hit), "20/03/2024<br>Fish &amp; &lt;b&gt;Chips&lt;/b&gt;");
}

TEST(CalGrid, ALiveHolidayBesideADeletedOneOfTheSameDayCounts)
{
    TOrvCalGrid grid;
    grid.SetDate(MakeDate(2024, 3, 20));
    TOrvHolidayList list;
    for (int i = 0; i < 5; ++i)
        list.push_back({"Old", MakeDate(2024, 3, 20), false, true});
    list.push_back({"New", MakeDate(2024, 3, 20), true, false});
    grid.SetHolidays(list);
    ASSERT_NE(grid.CurrentHoliday(), nullptr);
    EXPECT_EQ(grid.CurrentHoliday()->Desc, "New");
}

TEST(CalGrid, ClickDates)
{
    TOrvCalGrid grid;
    grid.SetDate(MakeDate(2024, 3, 31));
    EXPECT_EQ(grid.ClickDate({echDay, 0}), MakeDate(2024, 2, 29));
    EXPECT_EQ(grid.ClickDate({echDay, grid.CellCount() - 1}), MakeDate(2024, 4, 30));
    EXPECT_EQ(grid.ClickDate({echDay, 1}), grid.TopLeftDate() + 1);
    EXPECT_EQ(grid.ClickDate({echWeekNo, 2}), grid.Date());
    EXPECT_EQ(grid.ClickDate({echHeading, 2}), grid.Date());
    EXPECT_EQ(grid.ClickDate({echNone, -1}), grid.Date());
}

TEST(CalGrid, TogglePicked)
{
    TOrvCalGrid grid;
    grid.SetDate(MakeDate(2024, 3, 5));
    grid.TogglePicked();
    EXPECT_EQ(grid.PickedDates().FindDate(MakeDate(2024, 3, 5)), 0);
    grid.TogglePicked();
    EXPECT_EQ(grid.PickedDates().Count(), 0);
}

TEST(CalGeometry, FitsCellsAndMargins)
{
    const TOrvCalGeometry a = TOrvCalGeometry::Fit(244, 158, 6, true);
    EXPECT_EQ(a.CellWidth, 30);
    EXPECT_EQ(a.HorzMargin, 2);
    EXPECT_EQ(a.CellHeight, 22);
    EXPECT_EQ(a.VertMargin, 2);
    const TOrvCalGeometry b = TOrvCalGeometry::Fit(244, 158, 5, false);
    EXPECT_EQ(b.CellWidth, 34);
    EXPECT_EQ(b.HorzMargin, 3); // (240 mod 7 + 4) div 2
    EXPECT_EQ(b.CellHeight, 25);
    EXPECT_EQ(b.VertMargin, 4);
    const TOrvCalGeometry tiny = TOrvCalGeometry::Fit(2, 1, 6, true);
    EXPECT_EQ(tiny.CellWidth, 0);
    EXPECT_EQ(tiny.CellHeight, 0);
    EXPECT_EQ(tiny.HitTest(QPoint(1, 0)).Kind, echNone);
}

TEST(CalGeometry, HitTest)
{
    const TOrvCalGeometry g = TOrvCalGeometry::Fit(244, 158, 6, true);
    struct Case {
        QPoint point;
        TOrvCalHit hit;
    };
    const Case cases[] = {
        {{1, 10}, {}},                      // margin
        {{242, 10}, {}},                    // right of the grid
        {{2, 2}, {echWeekNo, 0}},
        {{31, 155}, {echWeekNo, 6}},
        {{32, 2}, {echHeading, 0}},
        {{241, 23}, {echHeading, 6}},
        {{32, 24}, {echDay, 0}},
        {{241, 155}, {echDay, 41}},
        {{95, 70}, {echDay, 14 + 2}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(g.HitTest(c.point), c.hit) << c.point.x() << "," << c.point.y();
    const TOrvCalGeometry hidden = TOrvCalGeometry::Fit(244, 158, 6, false);
    EXPECT_EQ(hidden.HitTest({4, 2}), (TOrvCalHit{echHeading, 0}));
    EXPECT_EQ(hidden.HitTest({4, 30}), (TOrvCalHit{echDay, 0}));
    EXPECT_EQ(hidden.DayCellRect(8), QRect(3 + 34, 2 + 22 * 2, 34, 22));
}

TEST(DOWSet, BitsAndHostDays)
{
    constexpr TOrvDOWSet weekend{dowSunday, dowSaturday};
    static_assert(weekend.Bits() == 0x41);
    EXPECT_TRUE(weekend.ContainsHostDay(1));
    EXPECT_TRUE(weekend.ContainsHostDay(7));
    EXPECT_FALSE(weekend.ContainsHostDay(2));
    EXPECT_FALSE(weekend.ContainsHostDay(0));
    EXPECT_FALSE(weekend.ContainsHostDay(8));
    EXPECT_EQ(TOrvDOWSet::FromBits(0xFFu).Bits(), 0x7F);
    EXPECT_TRUE(TOrvDOWSet::FromBits(0x02).Contains(dowMonday));
}

} // namespace
} // namespace orv
