#include <orvkit/datetime/OrvkitDateLists.h>
#include <orvkit/datetime/OrvkitDateTime.h>

#include "PrintQString.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

using namespace orv;

namespace {

std::vector<TDateTime> Entries(const TOrvDateList& list)
{
    std::vector<TDateTime> result;
    for (int i = 0; i < list.Count(); ++i)
        result.push_back(list.GetItem(i));
    return result;
}

TOrvDateList ListOf(const std::vector<TDateTime>& dates)
{
    TOrvDateList list;
    for (const TDateTime d : dates)
        list.Append(d);
    return list;
}

} // namespace

TEST(DateList, StartsEmptyWithRoomForTen)
{
    const TOrvDateList list;
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.No(), -1);
    EXPECT_EQ(list.Capacity(), 10);
}

TEST(DateList, TenthAppendGrowsCapacityToTwenty)
{
    TOrvDateList list;
    for (int i = 1; i <= 9; ++i)
        list.Append(45000 + i);
    EXPECT_EQ(list.Capacity(), 10);
    list.Append(45010);
    EXPECT_EQ(list.Capacity(), 20);
    EXPECT_EQ(list.Count(), 10);
    EXPECT_EQ(list.GetItem(9), 45010);
    for (int i = 11; i <= 19; ++i)
        list.Append(45000 + i);
    EXPECT_EQ(list.Capacity(), 20);
    list.Append(45020);
    EXPECT_EQ(list.Capacity(), 30);
}

TEST(DateList, OutOfRangeIndexesAreIgnored)
{
    TOrvDateList list = ListOf({45000, 45001, 45002});
    for (const int index : {-1, 3, 100, -1000}) {
        EXPECT_EQ(list.GetItem(index), 0) << index;
        list.SetItem(index, 1);
        list.Delete(index);
        list.Insert(index, 1);
    }
    EXPECT_EQ(Entries(list), (std::vector<TDateTime>{45000, 45001, 45002}));

    TOrvDateList empty;
    empty.Insert(0, 45000);
    empty.Delete(0);
    EXPECT_EQ(empty.Count(), 0);
}

TEST(DateList, InsertMovesLaterEntriesUpAndDeleteMovesThemDown)
{
    TOrvDateList list = ListOf({10, 20, 30});
    list.Insert(1, 15);
    EXPECT_EQ(Entries(list), (std::vector<TDateTime>{10, 15, 20, 30}));
    list.Insert(0, 5);
    list.Insert(4, 25);
    EXPECT_EQ(Entries(list), (std::vector<TDateTime>{5, 10, 15, 20, 25, 30}));
    list.Delete(0);
    list.Delete(4);
    list.Delete(1);
    EXPECT_EQ(Entries(list), (std::vector<TDateTime>{10, 20, 25}));
    list.SetItem(2, 40);
    EXPECT_EQ(list.GetItem(2), 40);
}

TEST(DateList, InsertAcrossTheGrowthStepKeepsEveryEntry)
{
    TOrvDateList list;
    std::vector<TDateTime> expected;
    list.Append(0);
    expected.push_back(0);
    for (int i = 1; i <= 25; ++i) {
        list.Insert(0, i);
        expected.insert(expected.begin(), i);
        ASSERT_GT(list.Capacity(), list.No() + 1);
    }
    EXPECT_EQ(Entries(list), expected);
}

TEST(DateList, FindDateMatchesTheWholeDay)
{
    TOrvDateList list = ListOf({45000.25, 45001, 45002.75});
    EXPECT_EQ(list.FindDate(45001.9), 1);
    EXPECT_EQ(list.FindDate(45000), 0);
    EXPECT_EQ(list.FindDate(45002.1), 2);
    EXPECT_EQ(list.FindDate(45003), -1);
    list.Append(45001.5);
    EXPECT_EQ(list.FindDate(45001.5), 1); // the first entry on that day
}

TEST(DateList, AppendUniqueSkipsDaysAlreadyListed)
{
    TOrvDateList list;
    list.AppendUnique(45000.5);
    list.AppendUnique(45000.25);
    list.AppendUnique(45001);
    EXPECT_EQ(Entries(list), (std::vector<TDateTime>{45000.5, 45001}));
}

TEST(DateList, AssignCopiesWithTenSpareSlots)
{
    TOrvDateList source;
    for (int i = 0; i < 15; ++i)
        source.Append(45000 + i);
    TOrvDateList copy = ListOf({1, 2});
    copy.Assign(source);
    EXPECT_EQ(Entries(copy), Entries(source));
    EXPECT_EQ(copy.Capacity(), 25);
    copy.Assign(copy);
    EXPECT_EQ(copy.Count(), 15);
    copy.Append(1);
    EXPECT_EQ(source.Count(), 15);
}

TEST(DateList, TextListsUseTheShortDateFormat)
{
    const TOrvDateList list = ListOf({45651, 45651.5});
    EXPECT_EQ(list.AsDateStrings(), (QStringList{QStringLiteral("25/12/2024"), QStringLiteral("25/12/2024")}));
    EXPECT_EQ(list.AsDateTimeStrings(),
              (QStringList{QStringLiteral("25/12/2024 0:00"), QStringLiteral("25/12/2024 12:00")}));
    EXPECT_TRUE(TOrvDateList().AsDateStrings().isEmpty());
}

TEST(DateList, SortAgreesWithStdSort)
{
    std::mt19937 random(20241225);
    for (int round = 0; round < 400; ++round) {
        const int size = round < 40 ? round : std::uniform_int_distribution<int>(0, 2000)(random);
        // Narrow ranges give many ties; wide ones few.
        const int spread = (round % 3 == 0) ? 5 : 100000;
        std::uniform_int_distribution<int> day(-spread, spread);
        std::vector<TDateTime> dates;
        for (int i = 0; i < size; ++i)
            dates.push_back(day(random) + (round % 2 ? 0.5 * (i % 2) : 0.0));
        if (round % 5 == 1)
            std::sort(dates.begin(), dates.end());
        if (round % 5 == 2)
            std::sort(dates.rbegin(), dates.rend());
        TOrvDateList list = ListOf(dates);
        list.Sort();
        std::sort(dates.begin(), dates.end());
        ASSERT_EQ(Entries(list), dates) << "round " << round;
    }
}
