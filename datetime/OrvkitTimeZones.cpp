#include <orvkit/datetime/OrvkitTimeZones.h>

#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/datetime/OrvkitDateTime.h>
#include <orvkit/datetime/OrvkitPosixTZ.h>

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <utility>

namespace orv {

namespace {

constexpr const char* kOrdinals[] = {
    QT_TRANSLATE_NOOP("OrvkitTimeZones", "1st"),
    QT_TRANSLATE_NOOP("OrvkitTimeZones", "2nd"),
    QT_TRANSLATE_NOOP("OrvkitTimeZones", "3rd"),
    QT_TRANSLATE_NOOP("OrvkitTimeZones", "4th"),
    QT_TRANSLATE_NOOP("OrvkitTimeZones", "Last"),
};
static_assert(std::size(kOrdinals) == 5);

QString Tr(const char* text)
{
    return QCoreApplication::translate("OrvkitTimeZones", text);
}

QString TwoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

int32_t FloorDiv(int32_t a, int32_t b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Minutes of an offset in seconds, to the nearest minute.
int32_t Minutes(int32_t seconds)
{
    return FloorDiv(seconds + 30, 60);
}

// The `week`-th (1..4, 5 the last) `weekDay` (0 = Sunday) of a month.
TDateTime NthWeekDayDate(uint16_t year, uint16_t month, int32_t week, int32_t weekDay)
{
    const TDateTime first = MakeDate(year, month, 1);
    const int32_t firstWeekDay = DateDayOfWeek(first) - 1;
    int32_t day = 1 + ((weekDay - firstWeekDay) % 7 + 7) % 7 + 7 * (week - 1);
    if (day > DaysInMonthOf(month, year))
        day -= 7;
    return first + day - 1;
}

// A time outside 0..24 hours moves a Mm.w.d date to another weekday and, in some years,
// to another week or month: Gaza's "M10.4.4/50", the Saturday after the fourth Thursday,
// is the last Saturday in six years of seven and the fourth in five. The record takes the
// week and month that name the real date most often over 28 years, a whole cycle of
// weekdays and leap years; the rule's own week and month win a tie.
void PlaceMovedDate(const TOrvPosixDate& date, int32_t dayShift, SYSTEMTIME& st)
{
    constexpr int32_t kYears = 28;
    const int32_t weekDay = ((date.fWeekDay + dayShift) % 7 + 7) % 7;
    const auto firstYear = uint16_t(std::clamp<int32_t>(TodayYear(), 2, 9999 - kYears - 1));
    TDateTime real[kYears];
    for (int32_t i = 0; i < kYears; ++i)
        real[i] = NthWeekDayDate(uint16_t(firstYear + i), uint16_t(date.fMonth), date.fWeek, date.fWeekDay) + dayShift;
    int32_t bestCount = -1;
    for (const int32_t monthStep : {0, -1, 1}) {
        const int32_t month = (date.fMonth - 1 + monthStep + 12) % 12 + 1;
        for (int32_t week = 1; week <= 5; ++week) {
            int32_t count = 0;
            for (const TDateTime day : real)
                count += NthWeekDayDate(DateYear(day), uint16_t(month), week, weekDay) == day ? 1 : 0;
            const bool own = monthStep == 0 && week == date.fWeek;
            if (count > bestCount || (count == bestCount && own)) {
                bestCount = count;
                st.wMonth = uint16_t(month);
                st.wDay = uint16_t(week);
            }
        }
    }
    st.wDayOfWeek = uint16_t(weekDay);
}

// The SYSTEMTIME nearest to a POSIX date. Jn and n dates become this year's date.
SYSTEMTIME RuleDate(const TOrvPosixDate& date)
{
    SYSTEMTIME st;
    const int32_t dayShift = FloorDiv(date.fTime, 86400);
    const int32_t seconds = date.fTime - dayShift * 86400;
    st.wHour = uint16_t(seconds / 3600);
    st.wMinute = uint16_t(seconds / 60 % 60);
    st.wSecond = uint16_t(seconds % 60);
    if (date.fKind == TOrvPosixDate::pdMonthWeekDay) {
        if (dayShift == 0) {
            st.wMonth = uint16_t(date.fMonth);
            st.wDay = uint16_t(date.fWeek);
            st.wDayOfWeek = uint16_t(date.fWeekDay);
        } else {
            PlaceMovedDate(date, dayShift, st);
        }
        return st;
    }
    const uint16_t year = TodayYear();
    TDateTime jan1 = 0;
    if (!TryMakeDate(year, 1, 1, jan1))
        return SYSTEMTIME();
    int32_t offset = date.fDayOfYear; // days after 1 January
    if (date.fKind == TOrvPosixDate::pdJulianNoLeap)
        offset = date.fDayOfYear - 1 + (YearIsLeap(year) && date.fDayOfYear >= 60 ? 1 : 0);
    uint16_t y = 0, m = 0, d = 0;
    SplitDate(jan1 + offset + dayShift, y, m, d);
    st.wYear = y;
    st.wMonth = m;
    st.wDay = d;
    st.wDayOfWeek = uint16_t(DateDayOfWeek(jan1 + offset + dayShift) - 1);
    return st;
}

QString OffsetText(int32_t bias)
{
    const int32_t east = -bias;
    const int32_t magnitude = std::abs(east);
    return QStringLiteral("(UTC%1%2:%3)")
        .arg(QChar(east < 0 ? u'-' : u'+'))
        .arg(TwoDigits(magnitude / 60), TwoDigits(magnitude % 60));
}

int32_t FindBy(const TOrvTimeZoneArray& zones, const QString& text, QString TOrvTimeZoneInfo::*field)
{
    const QString wanted = text.toUpper();
    for (size_t i = 0; i < zones.size(); ++i)
        if ((zones[i].*field).toUpper() == wanted)
            return int32_t(i);
    return -1;
}

void Sort(TOrvTimeZoneArray& zones)
{
    // A quicksort on 1-based positions with an explicit stack of ranges, so that zones of
    // equal Bias always end up in the same order.
    auto bias = [&zones](int64_t position) { return zones[size_t(position - 1)].Bias; };
    std::vector<std::pair<int64_t, int64_t>> pending{{1, int64_t(zones.size())}};
    while (!pending.empty()) {
        auto [low, high] = pending.back();
        pending.pop_back();
        do {
            int64_t i = low, j = high;
            const int32_t pivot = bias((low + high) / 2);
            do {
                while (bias(i) > pivot)
                    ++i;
                while (bias(j) < pivot)
                    --j;
                if (i <= j) {
                    std::swap(zones[size_t(i - 1)], zones[size_t(j - 1)]);
                    ++i;
                    --j;
                }
            } while (i <= j);
            if (j - low < high - i) {
                if (i < high)
                    pending.emplace_back(i, high);
                high = j;
            } else {
                if (low < j)
                    pending.emplace_back(low, j);
                low = i;
            }
        } while (low < high);
    }
}

} // namespace

void TimeZoneKeyNames(QStringList& names, const QString& zoneInfoDir)
{
    const QStringList ids = ZoneInfoIds(zoneInfoDir);
    if (!ids.isEmpty())
        names = ids;
}

TOrvTimeZoneInfo TimeZoneFromPosixRule(const QString& keyName, const TOrvPosixTZ& rule)
{
    TOrvTimeZoneInfo zone;
    zone.KeyName = keyName;
    const bool reversed = rule.fHasDst && rule.fDstOffset > rule.fStdOffset;
    const int32_t winter = reversed ? rule.fDstOffset : rule.fStdOffset;
    zone.Bias = Minutes(winter);
    zone.StandardName = reversed ? rule.fDstName : rule.fStdName;
    zone.DisplayName = OffsetText(zone.Bias) + u' ' + keyName;
    if (rule.fHasDst) {
        zone.DaylightName = reversed ? rule.fStdName : rule.fDstName;
        const int32_t summer = reversed ? rule.fStdOffset : rule.fDstOffset;
        zone.DaylightBias = Minutes(summer) - zone.Bias;
        zone.DaylightDate = RuleDate(reversed ? rule.fDstEnd : rule.fDstStart);
        zone.StandardDate = RuleDate(reversed ? rule.fDstStart : rule.fDstEnd);
    }
    zone.UseDaylightTime = zone.StandardDate.wMonth != 0;
    return zone;
}

bool ReadTimeZone(const QString& keyName, TOrvTimeZoneInfo& zone, const QString& zoneInfoDir)
{
    zone = TOrvTimeZoneInfo();
    QString text;
    bool ok = false;
    ReadTZifFooter(zoneInfoDir + u'/' + keyName, text, ok);
    TOrvPosixTZ rule;
    if (!ok || !ParsePosixTZ(text, rule))
        return false;
    zone = TimeZoneFromPosixRule(keyName, rule);
    return true;
}

void ReadTimeZones(TOrvTimeZoneArray& zones, const QString& zoneInfoDir)
{
    QStringList names;
    TimeZoneKeyNames(names, zoneInfoDir);
    if (!names.isEmpty()) {
        zones.assign(size_t(names.size()), TOrvTimeZoneInfo());
        for (qsizetype i = 0; i < names.size(); ++i) {
            ReadTimeZone(names[i], zones[size_t(i)], zoneInfoDir);
        }
    }
    SortTimeZones(zones);
}

TOrvTimeZoneInfo LocalTimeZone(const QString& zoneInfoDir)
{
    QString id, text;
    SystemLocalZone(zoneInfoDir, id, text);
    TOrvPosixTZ rule;
    if (!ParsePosixTZ(text, rule))
        ParsePosixTZ(QStringLiteral("UTC0"), rule); // glibc's reading of a rule it cannot use
    return TimeZoneFromPosixRule(id, rule);
}

void SortTimeZones(TOrvTimeZoneArray& zones)
{
    if (zones.size() >= 2)
        Sort(zones);
}

void TimeZoneDisplayNames(const TOrvTimeZoneArray& zones, QStringList& names)
{
    for (const TOrvTimeZoneInfo& zone : zones)
        names.append(zone.DisplayName);
}

QString TimeZoneTransitionText(const SYSTEMTIME& rule)
{
    if (rule.wMonth == 0 || rule.wMonth > 12 || rule.wDayOfWeek > 6)
        return QString();
    const QChar sep = FormatSettings.TimeSeparator;
    const QString time = TwoDigits(rule.wHour) + sep + TwoDigits(rule.wMinute) + sep + TwoDigits(rule.wSecond);
    const QString& month = FormatSettings.LongMonthNames[rule.wMonth - 1];
    if (rule.wYear != 0)
        return QString::number(rule.wDay) + u' ' + month + Tr(" at ") + time;
    const QString ordinal = Tr(kOrdinals[rule.wDay >= 1 && rule.wDay <= 4 ? rule.wDay - 1 : 4]);
    return ordinal + u' ' + FormatSettings.LongDayNames[rule.wDayOfWeek] + Tr(" of ") + month + Tr(" at ") + time;
}

int32_t LocalTimeZoneIndex(const TOrvTimeZoneArray& zones)
{
    const TOrvTimeZoneInfo local = LocalTimeZone();
    for (size_t i = 0; i < zones.size(); ++i)
        if (zones[i].Bias == local.Bias && zones[i].StandardName == local.StandardName)
            return int32_t(i);
    return -1;
}

int32_t FindTimeZoneByKeyName(const TOrvTimeZoneArray& zones, const QString& text)
{
    return FindBy(zones, text, &TOrvTimeZoneInfo::KeyName);
}

int32_t FindTimeZoneByDisplayName(const TOrvTimeZoneArray& zones, const QString& text)
{
    return FindBy(zones, text, &TOrvTimeZoneInfo::DisplayName);
}

int32_t FindTimeZoneByStandardName(const TOrvTimeZoneArray& zones, const QString& text)
{
    return FindBy(zones, text, &TOrvTimeZoneInfo::StandardName);
}

int32_t FindTimeZoneByDaylightName(const TOrvTimeZoneArray& zones, const QString& text)
{
    return FindBy(zones, text, &TOrvTimeZoneInfo::DaylightName);
}

} // namespace orv
