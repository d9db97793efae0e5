#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/datetime/OrvkitDateTime.h>

#include "ScopedTZ.h"

#include "PrintQString.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

using namespace orv;
namespace chr = std::chrono;

namespace {

// Day value of a chrono date: 1899-12-30 is 25569 days before the Unix epoch.
TDateTime FromChrono(chr::sys_days day)
{
    return double(day.time_since_epoch().count() + 25569);
}

TDateTime Date(int y, unsigned m, unsigned d)
{
    return FromChrono(chr::sys_days(chr::year(y) / chr::month(m) / chr::day(d)));
}

// ISO week of a date, computed from its Thursday.
void ReferenceIsoWeek(chr::sys_days day, unsigned& week, int& year)
{
    const unsigned iso = chr::weekday(day).iso_encoding();
    const chr::sys_days thursday = day + chr::days(4 - int(iso));
    year = int(chr::year_month_day(thursday).year());
    const chr::sys_days jan1 = chr::sys_days(chr::year(year) / chr::January / 1);
    week = unsigned((thursday - jan1).count() / 7 + 1);
}

template <typename F>
QString MessageOf(F&& f)
{
    try {
        f();
    } catch (const EConvertError& e) {
        return e.Message();
    }
    return QStringLiteral("<no error>");
}

} // namespace

TEST(DateReference, EveryDayFrom1601To2400AgreesWithChrono)
{
    const chr::sys_days first = chr::sys_days(chr::year(1601) / chr::January / 1);
    const chr::sys_days last = chr::sys_days(chr::year(2400) / chr::December / 31);
    for (chr::sys_days day = first; day <= last; day += chr::days(1)) {
        const chr::year_month_day ymd(day);
        const TDateTime value = ComposeDateTime(FromChrono(day), 0.75);
        const int y = int(ymd.year());
        const unsigned m = unsigned(ymd.month()), d = unsigned(ymd.day());
        uint16_t sy = 0, sm = 0, sd = 0;
        SplitDate(value, sy, sm, sd);
        ASSERT_EQ(sy, y) << y << "-" << m << "-" << d;
        ASSERT_EQ(sm, m) << y << "-" << m << "-" << d;
        ASSERT_EQ(sd, d) << y << "-" << m << "-" << d;
        ASSERT_EQ(MakeDate(uint16_t(y), uint16_t(m), uint16_t(d)), std::trunc(value));
        const chr::weekday wd(day);
        ASSERT_EQ(DateDayOfWeek(value), wd.c_encoding() + 1);
        ASSERT_EQ(ISODayOfWeek(value), wd.iso_encoding());
        ASSERT_EQ(DateInLeapYear(value), ymd.year().is_leap());
        ASSERT_EQ(DaysInDateMonth(value), unsigned(chr::year_month_day_last(ymd.year() / ymd.month() / chr::last).day()));

        unsigned isoWeek = 0;
        int isoYear = 0;
        ReferenceIsoWeek(day, isoWeek, isoYear);
        uint16_t week = 0, weekYear = 0;
        ISOWeekNumber(value, week, weekYear);
        ASSERT_EQ(week, isoWeek) << y << "-" << m << "-" << d;
        ASSERT_EQ(weekYear, isoYear) << y << "-" << m << "-" << d;

        // Sunday-based: week 1 is the Sunday-to-Saturday week that holds 1 January.
        const chr::sys_days jan1 = chr::sys_days(ymd.year() / chr::January / 1);
        const chr::sys_days week1 = jan1 - chr::days(chr::weekday(jan1).c_encoding());
        ASSERT_EQ(WeekNumber(value), (day - week1).count() / 7 + 1) << y << "-" << m << "-" << d;

        for (const int months : {1, -1, 13, -25, 120}) {
            chr::year_month_day moved = ymd + chr::months(months);
            if (!moved.ok())
                moved = chr::year_month_day_last(moved.year() / moved.month() / chr::last);
            ASSERT_EQ(DateAddWholeMonths(value, months), ComposeDateTime(FromChrono(chr::sys_days(moved)), 0.75))
                << y << "-" << m << "-" << d << " + " << months;
        }
    }
}

TEST(DateReference, YearFactsAgreeWithChrono)
{
    for (int y = 1601; y <= 2400; ++y) {
        const auto year = uint16_t(y);
        ASSERT_EQ(YearIsLeap(year), chr::year(y).is_leap()) << y;
        unsigned dec28Week = 0;
        int dec28Year = 0;
        ReferenceIsoWeek(chr::sys_days(chr::year(y) / chr::December / 28), dec28Week, dec28Year);
        ASSERT_EQ(ISOWeeksInYear(year), dec28Week) << y;
        for (uint16_t w = 1; w <= ISOWeeksInYear(year); ++w) {
            const TDateTime start = ISOWeekStart(w, year);
            uint16_t week = 0, weekYear = 0;
            ISOWeekNumber(start, week, weekYear);
            ASSERT_EQ(ISODayOfWeek(start), 1);
            ASSERT_EQ(week, w) << y;
            ASSERT_EQ(weekYear, y) << y;
        }
        for (uint16_t w = 2; w <= 52; ++w) {
            const TDateTime start = WeekNumberStart(w, year);
            ASSERT_EQ(DateDayOfWeek(start), 1);
            ASSERT_EQ(WeekNumber(start), w) << y;
        }
        ASSERT_EQ(WeekNumberStart(1, year), WeekStartSunday(StartOfYearDate(year))) << y;
        ASSERT_EQ(DateDayOfWeek(FirstSundayOfYear(year)), 1);
        ASSERT_LT(FirstSundayOfYear(year) - StartOfYearDate(year), 7);
        ASSERT_EQ(ISODayOfWeek(FirstMondayOfYear(year)), 1);
        ASSERT_LT(FirstMondayOfYear(year) - StartOfYearDate(year), 7);
    }
}

struct MonthCase {
    const char* name;
    TDateTime from;
    double months;
    TDateTime expected;
};

class MonthArithmetic : public testing::TestWithParam<MonthCase> {};

TEST_P(MonthArithmetic, ClampsToTheMonthEndAndAddsThirtyDaysPerFraction)
{
    EXPECT_DOUBLE_EQ(DateAddMonths(GetParam().from, GetParam().months), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MonthArithmetic,
    testing::Values(MonthCase{"Jan31Plus1", Date(2025, 1, 31), 1, Date(2025, 2, 28)},
                    MonthCase{"Jan31Plus1Leap", Date(2024, 1, 31), 1, Date(2024, 2, 29)},
                    MonthCase{"Mar31Minus1", Date(2025, 3, 31), -1, Date(2025, 2, 28)},
                    MonthCase{"Mar31Minus1Leap", Date(2024, 3, 31), -1, Date(2024, 2, 29)},
                    MonthCase{"May31Plus1", Date(2024, 5, 31), 1, Date(2024, 6, 30)},
                    MonthCase{"Jan15PlusOneAndAHalf", Date(2024, 1, 15), 1.5, Date(2024, 2, 15) + 15},
                    MonthCase{"Dec15Plus1", Date(2024, 12, 15), 1, Date(2025, 1, 15)},
                    MonthCase{"Jan15Minus1", Date(2024, 1, 15), -1, Date(2023, 12, 15)},
                    MonthCase{"Jan15Minus12", Date(2024, 1, 15), -12, Date(2023, 1, 15)},
                    MonthCase{"Jan15Minus13", Date(2024, 1, 15), -13, Date(2022, 12, 15)},
                    MonthCase{"Jun15Plus18", Date(2024, 6, 15), 18, Date(2025, 12, 15)},
                    MonthCase{"TimeOfDaySurvives", Date(2024, 1, 31) + 0.25, 1, Date(2024, 2, 29) + 0.25},
                    MonthCase{"Before1899KeepsTime", -1.25, 1, Date(1900, 1, 29) + 0.25},
                    MonthCase{"IntoBefore1899KeepsTime", 0.25, -1, Date(1899, 11, 30) - 0.25}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DateArithmetic, QuartersSemestersAndYears)
{
    EXPECT_EQ(DateAddQuarters(Date(2024, 11, 30), 1), Date(2025, 2, 28));
    EXPECT_EQ(DateSubQuarters(Date(2024, 5, 31), 1), Date(2024, 2, 29));
    EXPECT_EQ(DateAddSemesters(Date(2024, 8, 31), 1), Date(2025, 2, 28));
    EXPECT_EQ(DateSubSemesters(Date(2024, 8, 31), 1), Date(2024, 2, 29));
    EXPECT_EQ(DateSubMonths(Date(2024, 3, 31), 1), Date(2024, 2, 29));
    EXPECT_EQ(DateAddYears(Date(2024, 2, 29), 1), Date(2025, 2, 28));
    EXPECT_EQ(DateAddYears(Date(2024, 2, 29), 4), Date(2028, 2, 29));
    EXPECT_EQ(DateSubYears(Date(2024, 2, 29) + 0.5, 1), Date(2023, 2, 28) + 0.5);
    EXPECT_DOUBLE_EQ(DateAddYears(Date(2024, 1, 1), 0.5), Date(2024, 1, 1) + 182.625);
    EXPECT_EQ(DateAddWeeks(Date(2024, 1, 1), 2), Date(2024, 1, 15));
    EXPECT_EQ(DateSubDays(Date(2024, 3, 1), 1), Date(2024, 2, 29));
    EXPECT_DOUBLE_EQ(TimeAddHours(Date(2024, 1, 1), 6), Date(2024, 1, 1) + 0.25);
    EXPECT_DOUBLE_EQ(TimeSubMinutes(Date(2024, 1, 1), 720), Date(2024, 1, 1) - 0.5);
    EXPECT_DOUBLE_EQ(TimeAddSeconds(0, 43200), 0.5);
    EXPECT_EQ(EndOfYearDate(2024), Date(2024, 12, 31));
    EXPECT_EQ(FirstOfMonthDate(2, 2024), Date(2024, 2, 1));
    EXPECT_EQ(DayDifference(Date(2024, 3, 1) + 0.9, Date(2024, 2, 28) + 0.1), 2);
    EXPECT_TRUE(SameDate(Date(2024, 3, 1) + 0.1, Date(2024, 3, 1) + 0.9));
    EXPECT_TRUE(DifferentDate(Date(2024, 3, 1), Date(2024, 3, 2)));
}

TEST(DateArithmetic, ResultsOutsideTheDateRangeRaiseInvalidDate)
{
    EXPECT_EQ(MessageOf([] { DateAddMonths(Date(9999, 12, 1), 1); }), QStringLiteral("Invalid Date"));
    EXPECT_EQ(MessageOf([] { DateAddYears(Date(1, 6, 1), -1); }), QStringLiteral("Invalid Date"));
    EXPECT_EQ(MessageOf([] { DateAddMonths(Date(2024, 1, 1), 1e300); }), QStringLiteral("Invalid Date"));
    EXPECT_EQ(MessageOf([] { DateAddMonths(std::nan(""), 1); }), QStringLiteral("Invalid Date"));
    EXPECT_EQ(MessageOf([] { DateAddYears(Date(2024, 1, 1), std::nan("")); }), QStringLiteral("Invalid Date"));
    EXPECT_EQ(MessageOf([] { DateAddWholeMonths(1e20, 1); }), QStringLiteral("Invalid Date"));
}

TEST(DateParts, EncodingRejectsImpossibleParts)
{
    EXPECT_EQ(MakeDate(1899, 12, 30), 0);
    EXPECT_EQ(MakeDate(1, 1, 1), MinDateDay);
    EXPECT_EQ(MakeDate(9999, 12, 31), MaxDateDay);
    for (const auto& [y, m, d] : {std::array<uint16_t, 3>{2023, 2, 29}, {2024, 13, 1}, {2024, 0, 1}, {2024, 4, 31},
                                  {0, 1, 1}, {10000, 1, 1}, {2024, 1, 0}})
        EXPECT_EQ(MessageOf([&] { MakeDate(y, m, d); }), QStringLiteral("Invalid Date")) << y << "-" << m << "-" << d;
    EXPECT_EQ(MessageOf([] { MakeTime(24, 0, 0, 0); }), QStringLiteral("Invalid Time"));
    EXPECT_EQ(MessageOf([] { MakeTime(0, 60, 0, 0); }), QStringLiteral("Invalid Time"));
    EXPECT_EQ(MessageOf([] { MakeTime(0, 0, 0, 1000); }), QStringLiteral("Invalid Time"));
    EXPECT_EQ(MessageOf([] { DaysInMonthOf(13, 2024); }), QStringLiteral("Invalid Month"));
    EXPECT_EQ(MessageOf([] { DaysInMonthOf(0, 2024); }), QStringLiteral("Invalid Month"));
    EXPECT_EQ(DaysInMonthOf(2, 1900), 28);
    EXPECT_EQ(DaysInMonthOf(2, 2000), 29);
}

TEST(DateParts, TimeSplitsToTheMillisecond)
{
    uint16_t h = 0, n = 0, s = 0, ms = 0;
    SplitTime(Date(2024, 5, 6) + MakeTime(13, 45, 30, 250), h, n, s, ms);
    EXPECT_EQ((std::array<uint16_t, 4>{h, n, s, ms}), (std::array<uint16_t, 4>{13, 45, 30, 250}));
    SplitTime(-1.25, h, n, s, ms); // 1899-12-29 06:00
    EXPECT_EQ((std::array<uint16_t, 4>{h, n, s, ms}), (std::array<uint16_t, 4>{6, 0, 0, 0}));
    SplitTime(0.99999999999, h, n, s, ms); // rounds to the next midnight
    EXPECT_EQ((std::array<uint16_t, 4>{h, n, s, ms}), (std::array<uint16_t, 4>{0, 0, 0, 0}));
    for (const double bad : {std::nan(""), std::numeric_limits<double>::infinity(), 1e18, -1e18})
        EXPECT_EQ(MessageOf([&] { SplitTime(bad, h, n, s, ms); }), QStringLiteral("Invalid Date/Time")) << bad;
}

TEST(DateParts, ValuesOutsideTheRangeSplitToZeros)
{
    for (const double bad : {-693594.0, 2958466.0, 1e300, -1e300, std::nan("")}) {
        uint16_t y = 1, m = 1, d = 1;
        SplitDate(bad, y, m, d);
        EXPECT_EQ(y + m + d, 0) << bad;
        EXPECT_GE(DateDayOfWeek(bad), 1);
        EXPECT_LE(DateDayOfWeek(bad), 7);
    }
}

TEST(DateParts, IsoEdgeCases)
{
    uint16_t week = 0, year = 0;
    ISOWeekNumber(Date(2021, 1, 1), week, year);
    EXPECT_EQ(week, 53);
    EXPECT_EQ(year, 2020);
    ISOWeekNumber(Date(2025, 12, 29), week, year);
    EXPECT_EQ(week, 1);
    EXPECT_EQ(year, 2026);
    EXPECT_EQ(ISOWeeksInYear(2020), 53);
    EXPECT_EQ(ISOWeeksInYear(2021), 52);
    ISOWeekNumber(Date(1, 1, 1), week, year); // a Monday: week 1 of year 1
    EXPECT_EQ(week, 1);
    EXPECT_EQ(year, 1);
    ISOWeekNumber(Date(9999, 12, 31), week, year);
    EXPECT_EQ(week, 52);
    EXPECT_EQ(year, 9999);
    EXPECT_EQ(WeekNumber(Date(2022, 12, 31)), 53);
    EXPECT_EQ(WeekNumber(Date(2028, 12, 31)), 54); // a leap year that starts on a Saturday
    EXPECT_EQ(HostToISODayOfWeek(1), 7);
    EXPECT_EQ(HostToISODayOfWeek(2), 1);
    EXPECT_EQ(ISOToHostDayOfWeek(7), 1);
    EXPECT_EQ(ISOToHostDayOfWeek(1), 2);
}

TEST(DateClock, TodayComesFromTheInjectedClock)
{
    const TDateTime before = NowDateTime();
    {
        TOrvClockOverride clock(Date(2026, 3, 18) + 0.6); // a Wednesday
        EXPECT_EQ(NowDateTime(), Date(2026, 3, 18) + 0.6);
        EXPECT_EQ(TodayDate(), Date(2026, 3, 18));
        EXPECT_EQ(TodayYear(), 2026);
        EXPECT_EQ(TodayMonth(), 3);
        EXPECT_EQ(TodayDay(), 18);
        EXPECT_EQ(TodayDayOfWeek(), 4);
        EXPECT_EQ(TodayISODayOfWeek(), 3);
    }
    const TDateTime after = NowDateTime();
    EXPECT_GE(after, std::trunc(before));
    EXPECT_LT(after - before, 1.0); // the system clock is back
}

TEST(DateFileTime, ConvertsTicksSince1601InUtc)
{
    const ScopedTZ utc("UTC");
    constexpr uint64_t kY2k = 125911584000000000ULL; // 2000-01-01 00:00 UTC
    EXPECT_DOUBLE_EQ(FileTimeToDate(kY2k), Date(2000, 1, 1));
    EXPECT_EQ(DateToFileTime(Date(2000, 1, 1)), kY2k);
    EXPECT_EQ(DateToFileTime(Date(2000, 1, 1) + 0.5), kY2k + 432000000000ULL);
    EXPECT_DOUBLE_EQ(FileTimeToDate(0), Date(1601, 1, 1));
    EXPECT_EQ(DateToFileTime(Date(1601, 1, 1)), 0u);
    EXPECT_EQ(DateToFileTime(Date(1601, 1, 1) - 0.5), 0u);
    EXPECT_EQ(DateToFileTime(Date(1000, 1, 1)), 0u);
    EXPECT_EQ(DateToFileTime(Date(1601, 1, 2)), 864000000000ULL);
    const TDateTime evening1850 = ComposeDateTime(Date(1850, 6, 1), 0.75);
    EXPECT_NEAR(FileTimeToDate(DateToFileTime(evening1850)), evening1850, 1e-9);
    EXPECT_EQ(DateDay(evening1850), 1);
    EXPECT_EQ(MessageOf([] { FileTimeToDate(std::numeric_limits<uint64_t>::max()); }),
              QStringLiteral("Invalid Date/Time"));
    EXPECT_EQ(MessageOf([] { DateToFileTime(std::nan("")); }), QStringLiteral("Invalid Date/Time"));
    EXPECT_EQ(MessageOf([] { DateToFileTime(3e6); }), QStringLiteral("Invalid Date/Time"));
}

TEST(DateFileTime, DateTimesAreLocal)
{
    const ScopedTZ tokyo("Asia/Tokyo");
    constexpr uint64_t kY2k = 125911584000000000ULL;
    EXPECT_DOUBLE_EQ(FileTimeToDate(kY2k), Date(2000, 1, 1) + 0.375);
    EXPECT_EQ(DateToFileTime(Date(2000, 1, 1) + 0.375), kY2k);
}
