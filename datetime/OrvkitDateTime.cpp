#include <orvkit/datetime/OrvkitDateTime.h>

#include <orvkit/core/OrvkitExceptions.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QTimeZone>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cmath>
#include <iterator>
#include <utility>

namespace orv {

bool GlobalRaiseDateErrors = true;
TOrv2DigitYr GlobalTwoDigitYearMode = edyCutOff;
uint16_t GlobalTwoDigitYearCutOff = 1950;
QChar GlobalDurationSeparator = u':';
std::array<QString, 5> GlobalDurationSuffixes;

namespace {

constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("OrvkitDateTime", "Invalid Date"),
    QT_TRANSLATE_NOOP("OrvkitDateTime", "Invalid Time"),
    QT_TRANSLATE_NOOP("OrvkitDateTime", "Invalid Date/Time"),
    QT_TRANSLATE_NOOP("OrvkitDateTime", "Invalid Month"),
};
static_assert(std::size(kTexts) == edmInvalidMonth + 1);

constexpr int64_t kDateDelta = 693594; // day number of 1899-12-30 counted from 0001-01-01 as day 1
constexpr double kMsPerDay = 86400000.0;
constexpr int64_t kFileTimeEpochDay = -109205; // 1601-01-01
constexpr int64_t kUnixEpochDay = 25569;      // 1970-01-01
constexpr double kTicksPerDay = 864000000000.0;

// Whole day of a value, truncated toward zero. Values far outside the date range are
// pinned so that the arithmetic built on them stays defined.
int64_t DayNumber(TDateTime value)
{
    if (value > -1e9 && value < 1e9)
        return static_cast<int64_t>(value);
    return value > 0 ? int64_t(1000000000) : int64_t(-1000000000);
}

bool IsLeap(int64_t year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int64_t MonthLength(int64_t month, int64_t year)
{
    static constexpr int64_t kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kLengths[month - 1];
}

// Day value of any proleptic Gregorian date with a valid month and day; no range check,
// so the week rules can look at the neighbours of years 1 and 9999.
int64_t DayOf(int64_t year, int64_t month, int64_t day)
{
    static constexpr int64_t kBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const int64_t y = year - 1;
    const int64_t leapDay = month > 2 && IsLeap(year) ? 1 : 0;
    // Floor division keeps the count right for years before 1.
    auto floorDiv = [](int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); };
    return y * 365 + floorDiv(y, 4) - floorDiv(y, 100) + floorDiv(y, 400) + kBefore[month - 1] + leapDay
        + day - kDateDelta;
}

// 1 = Sunday ... 7 = Saturday; 0001-01-01 (day number 1) was a Monday.
uint16_t HostDayOf(int64_t day)
{
    return uint16_t(((day + kDateDelta) % 7 + 7) % 7 + 1);
}

uint16_t IsoDayOf(int64_t day)
{
    return HostToISODayOfWeek(HostDayOf(day));
}

// The first day of a day's week, and of a year's first whole week, for a numbering of
// the weekdays that gives the week's first day 1.
template <uint16_t (*DayNumberInWeek)(int64_t)>
int64_t WeekStartOf(int64_t day)
{
    return day - DayNumberInWeek(day) + 1;
}

template <uint16_t (*DayNumberInWeek)(int64_t)>
int64_t FirstWeekStartOf(int64_t year)
{
    const int64_t jan1 = DayOf(year, 1, 1);
    const uint16_t n = DayNumberInWeek(jan1);
    return n == 1 ? jan1 : jan1 + 8 - n;
}

// The local clock. localtime_r follows the zone read at the last tzset(), which keeps a
// reading of the clock cheap.
TDateTime SystemNow()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
    const std::time_t seconds = std::time_t(ms / 1000);
    std::tm local{};
    if (!localtime_r(&seconds, &local))
        return double(kUnixEpochDay) + double(ms) / kMsPerDay;
    const double time = ((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 1000.0 + double(ms % 1000);
    return double(DayOf(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday)) + time / kMsPerDay;
}

TOrvClockSource& ClockSource()
{
    static TOrvClockSource source;
    return source;
}

// Year, month and day of a value that must be a valid date.
void SplitValidDate(TDateTime value, int64_t& year, int64_t& month, int64_t& day)
{
    uint16_t y = 0, m = 0, d = 0;
    SplitDate(value, y, m, d);
    if (y == 0)
        RaiseDateError(edmInvalidDate);
    year = y;
    month = m;
    day = d;
}

TDateTime EncodeOrRaise(int64_t year, int64_t month, int64_t day)
{
    TDateTime result = 0;
    if (!TryMakeDate(year, month, day, result))
        RaiseDateError(edmInvalidDate);
    return result;
}

// Whole units of a count; counts beyond any date range fail rather than overflow.
int64_t WholeCount(double n)
{
    if (!(n > -1e7 && n < 1e7))
        RaiseDateError(edmInvalidDate);
    return static_cast<int64_t>(n);
}

TDateTime AddMonthsRule(TDateTime value, int64_t months, double extraDays)
{
    int64_t year = 0, month = 0, day = 0;
    SplitValidDate(value, year, month, day);
    month += months;
    if (month > 12) {
        year += (month - 1) / 12;
        month %= 12;
        if (month == 0)
            month = 12;
    } else if (month <= 0) {
        year += month / 12 - 1;
        month = 12 - (-month % 12);
    }
    if (year >= 1 && year <= 9999)
        day = std::min(day, MonthLength(month, year));
    return ComposeDateTime(EncodeOrRaise(year, month, day) + extraDays, TimeOfDay(value));
}

double Fraction(double n)
{
    return n - std::trunc(n);
}

// Local time and file time both counted in days since 1899-12-30 without the sign rule
// of negative date-times.
double ToLinear(TDateTime value)
{
    return value >= 0 ? value : std::trunc(value) + TimeOfDay(value);
}

TDateTime FromLinear(double linear)
{
    const double day = std::floor(linear);
    return ComposeDateTime(day, linear - day);
}

// Seconds east of UTC of the system's local zone at a moment given in UTC milliseconds.
int LocalOffsetAtUtc(int64_t utcMs)
{
    return QDateTime::fromMSecsSinceEpoch(utcMs, QTimeZone::utc()).toLocalTime().offsetFromUtc();
}

// The same for a local wall-clock time.
int LocalOffsetAtLocal(double linearLocal)
{
    const double day = std::floor(linearLocal);
    const auto dayNumber = static_cast<int64_t>(day);
    uint16_t y = 0, m = 0, d = 0;
    SplitDate(double(dayNumber), y, m, d);
    const auto ms = static_cast<int>(std::min<long long>(std::llround((linearLocal - day) * kMsPerDay), 86399999LL));
    return QDateTime(QDate(y, m, d), QTime::fromMSecsSinceStartOfDay(ms), Qt::LocalTime).offsetFromUtc();
}

} // namespace

QString DateMessageText(TOrvDateMessage message)
{
    return QCoreApplication::translate("OrvkitDateTime", kTexts[message]);
}

void RaiseDateError(TOrvDateMessage message, const QString& detail)
{
    QString text = DateMessageText(message);
    if (!detail.isEmpty())
        text += QStringLiteral(" - ") + detail;
    throw EConvertError(text);
}

void SetClockSource(TOrvClockSource source)
{
    ClockSource() = std::move(source);
}

TDateTime NowDateTime()
{
    const TOrvClockSource& source = ClockSource();
    return source ? source() : SystemNow();
}

TOrvClockOverride::TOrvClockOverride(TOrvClockSource source) : fSaved(std::exchange(ClockSource(), std::move(source)))
{
}

TOrvClockOverride::TOrvClockOverride(TDateTime fixedNow) : TOrvClockOverride([fixedNow] { return fixedNow; })
{
}

TOrvClockOverride::~TOrvClockOverride()
{
    ClockSource() = std::move(fSaved);
}

TDateTime TodayDate()
{
    return std::trunc(NowDateTime());
}

uint16_t TodayYear()
{
    return DateYear(NowDateTime());
}

uint16_t TodayMonth()
{
    return DateMonth(NowDateTime());
}

uint16_t TodayDay()
{
    return DateDay(NowDateTime());
}

uint16_t TodayDayOfWeek()
{
    return DateDayOfWeek(NowDateTime());
}

uint16_t TodayISODayOfWeek()
{
    return ISODayOfWeek(NowDateTime());
}

uint16_t DateYear(TDateTime value)
{
    uint16_t y = 0, m = 0, d = 0;
    SplitDate(value, y, m, d);
    return y;
}

uint16_t DateMonth(TDateTime value)
{
    uint16_t y = 0, m = 0, d = 0;
    SplitDate(value, y, m, d);
    return m;
}

uint16_t DateDay(TDateTime value)
{
    uint16_t y = 0, m = 0, d = 0;
    SplitDate(value, y, m, d);
    return d;
}

uint16_t DateDayOfWeek(TDateTime value)
{
    return HostDayOf(DayNumber(value));
}

TDateTime MakeTime(uint16_t hour, uint16_t minute, uint16_t second, uint16_t millisecond)
{
    if (hour >= 24 || minute >= 60 || second >= 60 || millisecond >= 1000)
        RaiseDateError(edmInvalidTime);
    return (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + millisecond) / kMsPerDay;
}

void SplitTime(TDateTime value, uint16_t& hour, uint16_t& minute, uint16_t& second, uint16_t& millisecond)
{
    if (!(value >= MinDateDay - 1.0 && value < MaxDateDay + 1.0))
        RaiseDateError(edmInvalidDateTime);
    const int64_t ms = std::llabs(std::llround(value * kMsPerDay)) % 86400000;
    hour = uint16_t(ms / 3600000);
    minute = uint16_t(ms / 60000 % 60);
    second = uint16_t(ms / 1000 % 60);
    millisecond = uint16_t(ms % 1000);
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time)
{
    return date < 0 ? date - time : date + time;
}

TDateTime TimeOfDay(TDateTime value)
{
    if (!std::isfinite(value))
        return 0;
    return std::fabs(value - std::trunc(value));
}

TDateTime DateAddDays(TDateTime value, double days)
{
    return value + days;
}

TDateTime DateSubDays(TDateTime value, double days)
{
    return value - days;
}

TDateTime DateAddWeeks(TDateTime value, double weeks)
{
    return value + 7 * weeks;
}

TDateTime DateSubWeeks(TDateTime value, double weeks)
{
    return value - 7 * weeks;
}

TDateTime DateAddMonths(TDateTime value, double months)
{
    return AddMonthsRule(value, WholeCount(months), Fraction(months) * 30);
}

TDateTime DateSubMonths(TDateTime value, double months)
{
    return DateAddMonths(value, -months);
}

TDateTime DateAddWholeMonths(TDateTime value, int32_t months)
{
    return AddMonthsRule(value, months, 0);
}

TDateTime DateAddQuarters(TDateTime value, double quarters)
{
    return DateAddMonths(value, 3 * quarters);
}

TDateTime DateSubQuarters(TDateTime value, double quarters)
{
    return DateAddMonths(value, -3 * quarters);
}

TDateTime DateAddSemesters(TDateTime value, double semesters)
{
    return DateAddMonths(value, 6 * semesters);
}

TDateTime DateSubSemesters(TDateTime value, double semesters)
{
    return DateAddMonths(value, -6 * semesters);
}

TDateTime DateAddYears(TDateTime value, double years)
{
    int64_t year = 0, month = 0, day = 0;
    SplitValidDate(value, year, month, day);
    year += WholeCount(years);
    if (month == 2 && day == 29 && !IsLeap(year))
        day = 28;
    return ComposeDateTime(EncodeOrRaise(year, month, day) + Fraction(years) * 365.25, TimeOfDay(value));
}

TDateTime DateSubYears(TDateTime value, double years)
{
    return DateAddYears(value, -years);
}

TDateTime TimeAddHours(TDateTime value, double hours)
{
    return value + hours / 24;
}

TDateTime TimeSubHours(TDateTime value, double hours)
{
    return value - hours / 24;
}

TDateTime TimeAddMinutes(TDateTime value, double minutes)
{
    return value + minutes / 1440;
}

TDateTime TimeSubMinutes(TDateTime value, double minutes)
{
    return value - minutes / 1440;
}

TDateTime TimeAddSeconds(TDateTime value, double seconds)
{
    return value + seconds / 86400;
}

TDateTime TimeSubSeconds(TDateTime value, double seconds)
{
    return value - seconds / 86400;
}

TDateTime StartOfYearDate(uint16_t year)
{
    return MakeDate(year, 1, 1);
}

TDateTime EndOfYearDate(uint16_t year)
{
    return MakeDate(year, 12, 31);
}

TDateTime FirstOfMonthDate(uint16_t month, uint16_t year)
{
    return MakeDate(year, month, 1);
}

int32_t DayDifference(TDateTime a, TDateTime b)
{
    return int32_t(DayNumber(a) - DayNumber(b));
}

bool SameDate(TDateTime a, TDateTime b)
{
    return DayNumber(a) == DayNumber(b);
}

bool DifferentDate(TDateTime a, TDateTime b)
{
    return !SameDate(a, b);
}

bool YearIsLeap(uint16_t year)
{
    return IsLeap(year);
}

bool DateInLeapYear(TDateTime value)
{
    return IsLeap(DateYear(value));
}

uint16_t DaysInMonthOf(uint16_t month, uint16_t year)
{
    if (month < 1 || month > 12)
        RaiseDateError(edmInvalidMonth);
    return uint16_t(MonthLength(month, year));
}

uint16_t DaysInDateMonth(TDateTime value)
{
    uint16_t y = 0, m = 0, d = 0;
    SplitDate(value, y, m, d);
    return DaysInMonthOf(m, y);
}

TDateTime WeekStartSunday(TDateTime value)
{
    return double(WeekStartOf<HostDayOf>(DayNumber(value)));
}

TDateTime FirstSundayOfYear(uint16_t year)
{
    return double(FirstWeekStartOf<HostDayOf>(year));
}

uint16_t WeekNumber(TDateTime value)
{
    const int64_t day = DayNumber(value);
    const int64_t week2 = WeekStartOf<HostDayOf>(DayOf(DateYear(value), 1, 1)) + 7;
    if (day < week2)
        return 1;
    return uint16_t(2 + (WeekStartOf<HostDayOf>(day) - week2) / 7);
}

TDateTime WeekNumberStart(uint16_t week, uint16_t year)
{
    const int64_t first = FirstWeekStartOf<HostDayOf>(year);
    const bool onJan1 = first == DayOf(year, 1, 1);
    return double(first) + 7.0 * (int(week) - (onJan1 ? 1 : 2));
}

TDateTime WeekStartMonday(TDateTime value)
{
    return double(WeekStartOf<IsoDayOf>(DayNumber(value)));
}

TDateTime FirstMondayOfYear(uint16_t year)
{
    return double(FirstWeekStartOf<IsoDayOf>(year));
}

uint16_t ISODayOfWeek(TDateTime value)
{
    return IsoDayOf(DayNumber(value));
}

uint16_t HostToISODayOfWeek(uint16_t hostDay)
{
    return hostDay == 1 ? 7 : uint16_t(hostDay - 1);
}

uint16_t ISOToHostDayOfWeek(uint16_t isoDay)
{
    return isoDay == 7 ? 1 : uint16_t(isoDay + 1);
}

uint16_t ISOWeeksInYear(uint16_t year)
{
    const uint16_t jan1 = IsoDayOf(DayOf(year, 1, 1));
    return jan1 == 4 || (jan1 == 3 && IsLeap(year)) ? 53 : 52;
}

void ISOWeekNumber(TDateTime value, uint16_t& week, uint16_t& year)
{
    const int64_t day = DayNumber(value);
    const int64_t monday = WeekStartOf<IsoDayOf>(day);
    year = DateYear(value);
    const int64_t jan4 = DayOf(year, 1, 4);
    const int64_t jan4Monday = WeekStartOf<IsoDayOf>(jan4);
    if (IsoDayOf(jan4) >= 5) {
        const int64_t first = jan4Monday + 7;
        week = day < first ? 1 : uint16_t(2 + (monday - first) / 7);
    } else if (day < jan4Monday) {
        year = uint16_t(year - 1);
        week = ISOWeeksInYear(year);
        return;
    } else {
        week = uint16_t(1 + (monday - jan4Monday) / 7);
    }
    if (week > ISOWeeksInYear(year)) {
        week = 1;
        year = uint16_t(year + 1);
    }
}

TDateTime ISOWeekStart(uint16_t week, uint16_t year)
{
    const TDateTime first = FirstMondayOfYear(year);
    const bool lateStart = DayOf(year, 1, 4) < int64_t(first);
    return first + 7.0 * (int(week) - (lateStart ? 2 : 1));
}

TDateTime FileTimeToDate(uint64_t fileTime)
{
    // 9999-12-31 24:00 is 2650467744000000000 ticks; anything later cannot be a date-time.
    if (fileTime >= 2650467744000000000ULL)
        RaiseDateError(edmInvalidDateTime);
    const auto utcMs = int64_t(fileTime / 10000) - int64_t(11644473600000);
    const int offset = LocalOffsetAtUtc(utcMs);
    const double linear = (double(fileTime) + offset * 1e7) / kTicksPerDay + double(kFileTimeEpochDay);
    if (linear >= MaxDateDay + 1.0)
        RaiseDateError(edmInvalidDateTime);
    return FromLinear(linear);
}

uint64_t DateToFileTime(TDateTime value)
{
    if (value <= double(kFileTimeEpochDay))
        return 0;
    if (!(value < MaxDateDay + 1.0))
        RaiseDateError(edmInvalidDateTime);
    const double linear = ToLinear(value);
    const double ticks = (linear - double(kFileTimeEpochDay)) * kTicksPerDay - LocalOffsetAtLocal(linear) * 1e7;
    return ticks <= 0 ? 0 : uint64_t(std::llround(ticks));
}

} // namespace orv
