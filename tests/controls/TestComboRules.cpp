#include <orvkit/controls/OrvkitComboRules.h>

#include "datetime/PrintQString.h"

#include <gtest/gtest.h>
#include <limits>

namespace orv {
namespace {

TDateTime At(int h, int n, int s = 0)
{
    return (h * 3600 + n * 60 + s) / 86400.0;
}

TEST(TimeList, HoldsTheIntervalsMultiplesWithinBothEnds)
{
    const struct {
        const char* name;
        TDateTime start, end;
        int32_t interval;
        int32_t count;
        int32_t firstSeconds, lastSeconds;
    } cases[] = {
        {"defaults", 0, 86399.0 / 86400.0, 15, 96, 0, 23 * 3600 + 45 * 60},
        // A running double sum lost both ends here.
        {"06:00-09:00 every 15", At(6, 0), At(9, 0), 15, 13, 6 * 3600, 9 * 3600},
        {"00:00-01:00 every 5", 0, At(1, 0), 5, 13, 0, 3600},
        {"12:00-18:00 every 15", At(12, 0), At(18, 0), 15, 25, 12 * 3600, 18 * 3600},
        {"start between multiples", At(6, 7), At(7, 0), 15, 4, 6 * 3600 + 900, 7 * 3600},
        {"start after end", At(18, 0), At(12, 0), 15, 0, 0, 0},
        {"end of day", At(23, 0), 1.0, 30, 2, 23 * 3600, 23 * 3600 + 1800},
        {"negative start", -0.5, At(0, 30), 10, 4, 0, 1800},
    };
    for (const auto& c : cases) {
        const TOrvTimeList list = MakeTimeList(c.start, c.end, c.interval);
        EXPECT_EQ(list.Count, c.count) << c.name;
        if (c.count > 0) {
            EXPECT_EQ(list.ItemSeconds(0), c.firstSeconds) << c.name;
            EXPECT_EQ(list.ItemSeconds(list.Count - 1), c.lastSeconds) << c.name;
        }
    }
}

TEST(TimeList, AFullDayHasTheIntervalsCount)
{
    const struct {
        int32_t interval, count;
    } cases[] = {{5, 288}, {10, 144}, {15, 96}, {20, 72}, {30, 48}, {60, 24}, {120, 12}};
    for (const auto& c : cases)
        EXPECT_EQ(MakeTimeList(0, 86399.0 / 86400.0, c.interval).Count, c.count) << c.interval;
}

TEST(TimeList, EveryWholeHourPairListsEachQuarterAndFindsItAgain)
{
    for (int start = 0; start < 24; ++start) {
        for (int end = start; end < 24; ++end) {
            const TOrvTimeList list = MakeTimeList(At(start, 0), At(end, 0), 15);
            ASSERT_EQ(list.Count, (end - start) * 4 + 1) << start << "-" << end;
            for (int32_t i = 0; i < list.Count; ++i)
                ASSERT_EQ(list.Nearest(list.ItemTime(i)), i) << start << "-" << end << " item " << i;
        }
    }
}

TEST(TimeList, NearestItemRoundsHalvesToTheEvenIndex)
{
    const TOrvTimeList noon = MakeTimeList(At(12, 0), At(18, 0), 15);
    const TOrvTimeList morning = MakeTimeList(At(6, 0), At(9, 0), 15);
    const TOrvTimeList late = MakeTimeList(At(6, 7), At(7, 0), 15);
    const struct {
        const char* name;
        const TOrvTimeList& list;
        TDateTime time;
        int32_t index;
    } cases[] = {
        {"just after the first", noon, At(12, 7), 0},
        {"past the half", noon, At(12, 8), 1},
        {"a half rounds to even (2)", noon, At(12, 22, 30), 2},
        {"a half rounds to even (2, from 2.5)", noon, At(12, 37, 30), 2},
        {"before the start", noon, At(11, 0), 0},
        {"after the end", noon, At(19, 0), 24},
        // Counting from a dropped first item selected 07:15 here.
        {"07:00 in 06:00-09:00", morning, At(7, 0), 4},
        {"counted from the first listed item", late, At(6, 30), 1},
        {"not a number", noon, std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.list.Nearest(c.time), c.index) << c.name;
    EXPECT_EQ(MakeTimeList(At(18, 0), At(12, 0), 15).Nearest(At(12, 0)), -1);
}

TEST(DropDownWidth, WidensOnlyBeyondTheControl)
{
    const struct {
        const char* name;
        TOrvDropDownGeometry geometry;
        int width;
    } cases[] = {
        {"auto, wide item", {true, 208, 17, false, 0, 145}, 208},
        {"auto, wide item and scroll bar", {true, 208, 17, true, 0, 145}, 225},
        {"auto, narrow items", {true, 100, 17, true, 0, 145}, 0},
        {"fixed width beyond the control", {false, 400, 17, true, 300, 145}, 300},
        {"fixed width within the control", {false, 400, 17, true, 100, 145}, 0},
        {"huge items saturate", {true, INT32_MAX, 17, true, 0, 145}, INT32_MAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DropDownListWidth(c.geometry), c.width) << c.name;
}

TEST(FindByPrefix, FirstEntryBeginningWithTheTextInAnyCase)
{
    const QStringList names{QStringLiteral("Nova Scotia"), QStringLiteral("Québec"), QStringLiteral("New Brunswick"),
                            QStringLiteral("Nunavut")};
    const struct {
        const char* text;
        int32_t entry;
    } cases[] = {
        {"n", 1}, {"NE", 3}, {"nu", 4}, {"québec", 2}, {"QUÉ", 2}, {"", 1}, {"x", 0}, {"Nova Scotia and more", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindByPrefix(names, QString::fromUtf8(c.text)), c.entry) << c.text;
    EXPECT_EQ(FindByPrefix({}, QString()), 0);
}

} // namespace
} // namespace orv
