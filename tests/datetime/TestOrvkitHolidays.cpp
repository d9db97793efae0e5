#include <orvkit/datetime/OrvkitDateTime.h>
#include <orvkit/datetime/OrvkitHolidays.h>

#include "PrintQString.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace orv;

namespace {

TOrvHolidayRec Holiday(TDateTime date, bool nonWorking = false, const QString& desc = QString())
{
    return TOrvHolidayRec{desc, date, nonWorking, false};
}

// Many ties, times of day on some entries and both signs of date.
TOrvHolidayList RandomHolidays(std::mt19937& random, int size, int spread)
{
    std::uniform_int_distribution<int> day(-spread, spread);
    std::uniform_int_distribution<int> coin(0, 1);
    TOrvHolidayList list;
    for (int i = 0; i < size; ++i) {
        const TDateTime date = day(random) + (coin(random) ? 0.0 : 0.25);
        list.push_back(Holiday(date, coin(random) == 1, QString::number(i)));
    }
    return list;
}

bool ByDateThenDesc(const TOrvHolidayRec& a, const TOrvHolidayRec& b)
{
    return a.HolDate != b.HolDate ? a.HolDate < b.HolDate : a.Desc < b.Desc;
}

} // namespace

TEST(Holidays, SortAgreesWithStdSort)
{
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const int size = round < 30 ? round : std::uniform_int_distribution<int>(0, 1500)(random);
        TOrvHolidayList list = RandomHolidays(random, size, round % 2 ? 4 : 50000);
        TOrvHolidayList expected = list;
        SortHolidays(list);
        std::sort(expected.begin(), expected.end(),
                  [](const TOrvHolidayRec& a, const TOrvHolidayRec& b) { return a.HolDate < b.HolDate; });
        ASSERT_TRUE(std::equal(list.begin(), list.end(), expected.begin(), expected.end(),
                               [](const TOrvHolidayRec& a, const TOrvHolidayRec& b) { return a.HolDate == b.HolDate; }))
            << "round " << round;
        // The same records, each once: ties may come in any order.
        std::sort(list.begin(), list.end(), ByDateThenDesc);
        std::sort(expected.begin(), expected.end(), ByDateThenDesc);
        ASSERT_EQ(list, expected) << "round " << round;
    }
}

TEST(Holidays, FindHolidayAgreesWithALinearScan)
{
    std::mt19937 random(11);
    for (int round = 0; round < 200; ++round) {
        const int spread = round % 2 ? 10 : 300;
        TOrvHolidayList list = RandomHolidays(random, std::uniform_int_distribution<int>(0, 200)(random), spread);
        SortHolidays(list);
        for (int probe = -spread - 2; probe <= spread + 2; ++probe) {
            const TDateTime date = probe + 0.5 * (probe % 2);
            const bool listed = std::any_of(list.begin(), list.end(),
                                            [&](const TOrvHolidayRec& r) { return SameDate(r.HolDate, date); });
            bool nonWork = true;
            const int index = FindHoliday(list, date, nonWork);
            ASSERT_EQ(index >= 0, listed) << "round " << round << " date " << date;
            if (index >= 0) {
                ASSERT_LT(size_t(index), list.size());
                EXPECT_TRUE(SameDate(list[size_t(index)].HolDate, date));
                EXPECT_EQ(nonWork, list[size_t(index)].NonWorkingDay);
            } else {
                EXPECT_FALSE(nonWork);
            }
        }
    }
}

TEST(Holidays, FindHolidayInAnEmptyListGivesMinusOne)
{
    bool nonWork = true;
    EXPECT_EQ(FindHoliday(TOrvHolidayList(), 45000, nonWork), -1);
    EXPECT_FALSE(nonWork);
}

TEST(Holidays, FindHolidayReportsTheNonWorkingFlag)
{
    TOrvHolidayList list{Holiday(45000), Holiday(45651, true), Holiday(46000)};
    bool nonWork = false;
    EXPECT_EQ(FindHoliday(list, 45651.75, nonWork), 1);
    EXPECT_TRUE(nonWork);
    EXPECT_EQ(FindHoliday(list, 46000, nonWork), 2);
    EXPECT_FALSE(nonWork);
}

TEST(Holidays, AddAppendsACopy)
{
    TOrvHolidayList list;
    TOrvHolidayRec record = Holiday(45651, true, QStringLiteral("Christmas"));
    AddHoliday(list, record);
    record.Desc = QStringLiteral("changed");
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Desc, QStringLiteral("Christmas"));
    EXPECT_TRUE(list[0].NonWorkingDay);
}

TEST(Holidays, DeletedFlagIsSetAndClearedByIndex)
{
    TOrvHolidayList list{Holiday(1), Holiday(2)};
    MarkHolidayDeleted(list, 1);
    EXPECT_FALSE(list[0].Deleted);
    EXPECT_TRUE(list[1].Deleted);
    for (const int outside : {-1, 2, 1000}) {
        MarkHolidayDeleted(list, outside);
        ClearHolidayDeleted(list, outside);
    }
    EXPECT_FALSE(list[0].Deleted);
    ClearHolidayDeleted(list, 1);
    EXPECT_FALSE(list[1].Deleted);
}
