#pragma once

#include <orvkit/core/OrvkitGlobals.h>

#include <QChar>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

namespace orv {

// Date switches, read by the date routines at every call. Change them through
// TOrvScopedValue so that every path restores them.
extern bool GlobalRaiseDateErrors;            ///< failed date/time conversions raise (default true)
extern TOrv2DigitYr GlobalTwoDigitYearMode;   ///< how a one- or two-digit year is completed
extern uint16_t GlobalTwoDigitYearCutOff;     ///< first year of the edyCutOff window (1950)
extern QChar GlobalDurationSeparator;         ///< between the units of a duration text (":")
/// Unit words, indexed by TOrvDurationType (weeks, days, hours, minutes, seconds); empty by default.
extern std::array<QString, 5> GlobalDurationSuffixes;

inline namespace DateTimeEnums {
Q_NAMESPACE

/// The date messages; each is raised as EConvertError.
enum TOrvDateMessage {
    edmInvalidDate,     ///< "Invalid Date"
    edmInvalidTime,     ///< "Invalid Time"
    edmInvalidDateTime, ///< "Invalid Date/Time"
    edmInvalidMonth,    ///< "Invalid Month"
};
Q_ENUM_NS(TOrvDateMessage)
} // namespace DateTimeEnums
QString DateMessageText(TOrvDateMessage message);
/// Raises EConvertError with the message, followed by " - " and `detail` when it is not empty.
[[noreturn]] void RaiseDateError(TOrvDateMessage message, const QString& detail = QString());

/// Smallest and largest whole days a date-time can hold: 0001-01-01 and 9999-12-31.
inline constexpr int32_t MinDateDay = -693593;
inline constexpr int32_t MaxDateDay = 2958465;

// The clock. Every "today" and "now" of the suite reads this one source.
using TOrvClockSource = std::function<TDateTime()>;
/// Replaces the clock; an empty source restores the system's local clock.
void SetClockSource(TOrvClockSource source);
/// The local date and time from the current clock source.
TDateTime NowDateTime();

/// Replaces the clock for the length of a scope (tests pin "today" with it).
class [[nodiscard]] TOrvClockOverride {
public:
    explicit TOrvClockOverride(TOrvClockSource source);
    /// A clock standing still at `fixedNow`.
    explicit TOrvClockOverride(TDateTime fixedNow);
    ~TOrvClockOverride();
    TOrvClockOverride(const TOrvClockOverride&) = delete;
    TOrvClockOverride& operator=(const TOrvClockOverride&) = delete;

private:
    TOrvClockSource fSaved;
};

// Clock and parts. Day of week numbers are 1 = Sunday ... 7 = Saturday unless named ISO
// (1 = Monday ... 7 = Sunday).
TDateTime TodayDate();
uint16_t TodayYear();
uint16_t TodayMonth();
uint16_t TodayDay();
uint16_t TodayDayOfWeek();
uint16_t TodayISODayOfWeek();

/// Year, month and day of the truncated value; all 0 when it lies outside 0001..9999.
inline void SplitDate(TDateTime value, uint16_t& year, uint16_t& month, uint16_t& day);
uint16_t DateYear(TDateTime value);
uint16_t DateMonth(TDateTime value);
uint16_t DateDay(TDateTime value);
uint16_t DateDayOfWeek(TDateTime value);
/// Raises "Invalid Date" for a date that does not exist (year 1..9999).
inline TDateTime MakeDate(uint16_t year, uint16_t month, uint16_t day);
/// The same without raising: false for a date that does not exist.
inline bool TryMakeDate(int64_t year, int64_t month, int64_t day, TDateTime& result);
/// Raises "Invalid Time" unless hour < 24, minute < 60, second < 60, millisecond < 1000.
TDateTime MakeTime(uint16_t hour, uint16_t minute, uint16_t second, uint16_t millisecond);
/// The time of day, rounded to the millisecond; raises "Invalid Date/Time" for a value
/// outside the date range or not a number.
void SplitTime(TDateTime value, uint16_t& hour, uint16_t& minute, uint16_t& second, uint16_t& millisecond);
/// A date and a time of day (0 <= time < 1) as one value; before 1899-12-30 the time
/// counts away from zero, as the integer part is the date.
TDateTime ComposeDateTime(TDateTime date, TDateTime time);
/// The time of day of a value (0 <= result < 1).
TDateTime TimeOfDay(TDateTime value);

// Calendar arithmetic. The time of day of the input survives. The month and year rules
// raise "Invalid Date" for an input or a result outside the date range; the day and time
// steps are plain additions.
TDateTime DateAddDays(TDateTime value, double days);
TDateTime DateSubDays(TDateTime value, double days);
TDateTime DateAddWeeks(TDateTime value, double weeks);
TDateTime DateSubWeeks(TDateTime value, double weeks);
/// Whole months with the day clamped to the month's end; a fraction of n adds frac(n)*30 days.
TDateTime DateAddMonths(TDateTime value, double months);
TDateTime DateSubMonths(TDateTime value, double months);
TDateTime DateAddWholeMonths(TDateTime value, int32_t months);
TDateTime DateAddQuarters(TDateTime value, double quarters);
TDateTime DateSubQuarters(TDateTime value, double quarters);
TDateTime DateAddSemesters(TDateTime value, double semesters);
TDateTime DateSubSemesters(TDateTime value, double semesters);
/// 29 February becomes 28 February in a year that is not leap; frac(n) adds frac(n)*365.25 days.
TDateTime DateAddYears(TDateTime value, double years);
TDateTime DateSubYears(TDateTime value, double years);
TDateTime TimeAddHours(TDateTime value, double hours);
TDateTime TimeSubHours(TDateTime value, double hours);
TDateTime TimeAddMinutes(TDateTime value, double minutes);
TDateTime TimeSubMinutes(TDateTime value, double minutes);
TDateTime TimeAddSeconds(TDateTime value, double seconds);
TDateTime TimeSubSeconds(TDateTime value, double seconds);
TDateTime StartOfYearDate(uint16_t year);
TDateTime EndOfYearDate(uint16_t year);
TDateTime FirstOfMonthDate(uint16_t month, uint16_t year);
/// Truncated a minus truncated b.
int32_t DayDifference(TDateTime a, TDateTime b);
bool SameDate(TDateTime a, TDateTime b);
bool DifferentDate(TDateTime a, TDateTime b);

// Calendar facts.
bool YearIsLeap(uint16_t year);
bool DateInLeapYear(TDateTime value);
/// Raises "Invalid Month" for a month outside 1..12.
uint16_t DaysInMonthOf(uint16_t month, uint16_t year);
uint16_t DaysInDateMonth(TDateTime value);

// Sunday-based weeks: week 1 is the Sunday-to-Saturday week that holds 1 January.
TDateTime WeekStartSunday(TDateTime value);
TDateTime FirstSundayOfYear(uint16_t year);
uint16_t WeekNumber(TDateTime value);
TDateTime WeekNumberStart(uint16_t week, uint16_t year);

// ISO 8601 weeks.
TDateTime WeekStartMonday(TDateTime value);
TDateTime FirstMondayOfYear(uint16_t year);
uint16_t ISODayOfWeek(TDateTime value);
uint16_t HostToISODayOfWeek(uint16_t hostDay);
uint16_t ISOToHostDayOfWeek(uint16_t isoDay);
uint16_t ISOWeeksInYear(uint16_t year);
void ISOWeekNumber(TDateTime value, uint16_t& week, uint16_t& year);
TDateTime ISOWeekStart(uint16_t week, uint16_t year);

// File time: 100-nanosecond ticks since 1601-01-01 UTC; date-times are local.
/// Raises "Invalid Date/Time" for a file time past 9999.
TDateTime FileTimeToDate(uint64_t fileTime);
/// 0 for values at or before 1601-01-01; raises "Invalid Date/Time" past 9999 or for NaN.
uint64_t DateToFileTime(TDateTime value);

// The encoding and decoding are inline: callers run them in loops over many days.

void SplitDate(TDateTime value, uint16_t& year, uint16_t& month, uint16_t& day)
{
    if (!(value > MinDateDay - 1.0 && value < MaxDateDay + 1.0)) { // also false for NaN
        year = month = day = 0;
        return;
    }
    // Every term is non-negative inside the range, so unsigned 32-bit arithmetic is exact.
    const uint32_t t = 4 * uint32_t(static_cast<int32_t>(value) + 693900) - 1;
    const uint32_t c = t / 146097;
    const uint32_t j = (t - 146097 * c) / 4;
    const uint32_t y = (4 * j + 3) / 1461;
    const uint32_t d = (4 * j + 7 - 1461 * y) / 4;
    const uint32_t m = (5 * d - 3) / 153;
    day = uint16_t((5 * d + 2 - 153 * m) / 5);
    const uint32_t fullYear = 100 * c + y;
    month = uint16_t(m < 10 ? m + 3 : m - 9);
    year = uint16_t(m < 10 ? fullYear : fullYear + 1);
}

bool TryMakeDate(int64_t year, int64_t month, int64_t day, TDateTime& result)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    static constexpr uint16_t kDaysBefore[2][13] = {
        {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365},
        {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366}};
    const auto y = uint32_t(year);
    const uint16_t* before = kDaysBefore[y % 4 == 0 && (y % 100 != 0 || y % 400 == 0) ? 1 : 0];
    if (uint32_t(day) > uint32_t(before[month] - before[month - 1]))
        return false;
    const uint32_t p = y - 1;
    // 693594 days lie between 0001-01-01 and 1899-12-30.
    result = double(int64_t(p * 365 + p / 4 - p / 100 + p / 400 + before[month - 1] + uint32_t(day)) - 693594);
    return true;
}

TDateTime MakeDate(uint16_t year, uint16_t month, uint16_t day)
{
    TDateTime result = 0;
    if (!TryMakeDate(year, month, day, result))
        RaiseDateError(edmInvalidDate);
    return result;
}

} // namespace orv
