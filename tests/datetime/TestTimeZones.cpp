#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/datetime/OrvkitDateTime.h>
#include <orvkit/datetime/OrvkitPosixTZ.h>
#include <orvkit/datetime/OrvkitTimeZones.h>

#include "PrintQString.h"
#include "ScopedTZ.h"
#include "TZifFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

using namespace orv;

namespace {

SYSTEMTIME Rule(uint16_t year, uint16_t month, uint16_t dayOfWeek, uint16_t day, uint16_t hour, uint16_t minute = 0,
                uint16_t second = 0)
{
    SYSTEMTIME st;
    st.wYear = year;
    st.wMonth = month;
    st.wDayOfWeek = dayOfWeek;
    st.wDay = day;
    st.wHour = hour;
    st.wMinute = minute;
    st.wSecond = second;
    return st;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TOrvTimeZoneInfo Zone(const char* key, int32_t bias, const char* standard = "", const char* daylight = "")
{
    TOrvTimeZoneInfo zone;
    zone.KeyName = QString::fromLatin1(key);
    zone.DisplayName = QStringLiteral("(UTC) ") + zone.KeyName;
    zone.Bias = bias;
    zone.StandardName = QString::fromLatin1(standard);
    zone.DaylightName = QString::fromLatin1(daylight);
    return zone;
}

struct RealZone {
    const char* id;
    int32_t bias;
    const char* display;
    const char* standardName;
    const char* daylightName;
    int32_t daylightBias;
    const char* daylightFrom; // "" for a zone without daylight time
    const char* standardFrom;
};

class RealZones : public testing::TestWithParam<RealZone> {};

} // namespace

TEST(TimeZoneText, PutsRulesIntoWords)
{
    const struct {
        SYSTEMTIME rule;
        const char* text;
    } cases[] = {
        {Rule(0, 3, 0, 5, 2), "Last Sunday of March at 02:00:00"},
        {Rule(0, 3, 0, 2, 2), "2nd Sunday of March at 02:00:00"},
        {Rule(0, 10, 6, 1, 23, 59, 59), "1st Saturday of October at 23:59:59"},
        {Rule(0, 11, 4, 3, 1), "3rd Thursday of November at 01:00:00"},
        {Rule(0, 4, 1, 4, 0, 30), "4th Monday of April at 00:30:00"},
        {Rule(0, 9, 5, 0, 2, 45), "Last Friday of September at 02:45:00"},
        {Rule(0, 9, 5, 9, 2), "Last Friday of September at 02:00:00"},
        {Rule(2007, 4, 0, 1, 3), "1 April at 03:00:00"},
        {Rule(0, 0, 0, 5, 2), ""},
        {Rule(2007, 0, 0, 1, 3), ""},
        {Rule(0, 13, 0, 1, 2), ""},
        {Rule(0, 3, 7, 1, 2), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TimeZoneTransitionText(c.rule), QString::fromLatin1(c.text));
}

TEST(TimeZoneText, FollowsTheLocaleNamesAndTimeSeparator)
{
    TOrvFormatSettings french = FormatSettings;
    french.TimeSeparator = u'.';
    french.LongMonthNames[2] = QStringLiteral("mars");
    french.LongDayNames[0] = QStringLiteral("dimanche");
    const TOrvScopedValue settings(FormatSettings, french);
    EXPECT_EQ(TimeZoneTransitionText(Rule(0, 3, 0, 5, 2)), QStringLiteral("Last dimanche of mars at 02.00.00"));
}

TEST_P(RealZones, BiasNamesAndRulesAreTodaysLaw)
{
    const RealZone& z = GetParam();
    TOrvTimeZoneInfo zone;
    ASSERT_TRUE(ReadTimeZone(QString::fromLatin1(z.id), zone, QStringLiteral("/usr/share/zoneinfo"))) << z.id;
    EXPECT_EQ(zone.KeyName, QString::fromLatin1(z.id));
    EXPECT_EQ(zone.DisplayName, QString::fromLatin1(z.display));
    EXPECT_EQ(zone.Bias, z.bias);
    EXPECT_EQ(zone.StandardName, QString::fromLatin1(z.standardName));
    EXPECT_EQ(zone.DaylightName, QString::fromLatin1(z.daylightName));
    EXPECT_EQ(zone.StandardBias, 0);
    EXPECT_EQ(zone.DaylightBias, z.daylightBias);
    EXPECT_EQ(TimeZoneTransitionText(zone.DaylightDate), QString::fromLatin1(z.daylightFrom));
    EXPECT_EQ(TimeZoneTransitionText(zone.StandardDate), QString::fromLatin1(z.standardFrom));
    const bool daylight = *z.daylightFrom != '\0';
    EXPECT_EQ(zone.UseDaylightTime, daylight);
    if (!daylight) {
        EXPECT_EQ(zone.StandardDate.wMonth, 0);
        EXPECT_EQ(zone.DaylightDate.wMonth, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Zones, RealZones,
    testing::Values(
        RealZone{"Australia/Sydney", -600, "(UTC+10:00) Australia/Sydney", "AEST", "AEDT", -60,
                 "1st Sunday of October at 02:00:00", "1st Sunday of April at 03:00:00"},
        RealZone{"America/New_York", 300, "(UTC-05:00) America/New_York", "EST", "EDT", -60,
                 "2nd Sunday of March at 02:00:00", "1st Sunday of November at 02:00:00"},
        RealZone{"Europe/London", 0, "(UTC+00:00) Europe/London", "GMT", "BST", -60,
                 "Last Sunday of March at 01:00:00", "Last Sunday of October at 02:00:00"},
        RealZone{"Asia/Kolkata", -330, "(UTC+05:30) Asia/Kolkata", "IST", "", 0, "", ""},
        RealZone{"America/St_Johns", 210, "(UTC-03:30) America/St_Johns", "NST", "NDT", -60,
                 "2nd Sunday of March at 02:00:00", "1st Sunday of November at 02:00:00"},
        RealZone{"Pacific/Chatham", -765, "(UTC+12:45) Pacific/Chatham", "+1245", "+1345", -60,
                 "Last Sunday of September at 02:45:00", "1st Sunday of April at 03:45:00"},
        RealZone{"Asia/Tokyo", -540, "(UTC+09:00) Asia/Tokyo", "JST", "", 0, "", ""},
        RealZone{"UTC", 0, "(UTC+00:00) UTC", "UTC", "", 0, "", ""},
        // Irish law calls summer time standard; the record keeps winter as standard.
        RealZone{"Europe/Dublin", 0, "(UTC+00:00) Europe/Dublin", "GMT", "IST", -60,
                 "Last Sunday of March at 01:00:00", "Last Sunday of October at 02:00:00"},
        RealZone{"Australia/Lord_Howe", -630, "(UTC+10:30) Australia/Lord_Howe", "+1030", "+11", -30,
                 "1st Sunday of October at 02:00:00", "1st Sunday of April at 02:00:00"},
        // Hours past 24 or below 0 move the weekday: Friday before the last Sunday, and
        // Saturday 23:00 before the last Sunday.
        RealZone{"Asia/Jerusalem", -120, "(UTC+02:00) Asia/Jerusalem", "IST", "IDT", -60,
                 "4th Friday of March at 02:00:00", "Last Sunday of October at 02:00:00"},
        RealZone{"America/Nuuk", 120, "(UTC-02:00) America/Nuuk", "-02", "-01", -60,
                 "Last Saturday of March at 23:00:00", "Last Sunday of October at 00:00:00"},
        // The Saturday after the fourth Thursday is more often the last than the fourth.
        RealZone{"Asia/Gaza", -120, "(UTC+02:00) Asia/Gaza", "EET", "EEST", -60,
                 "Last Saturday of March at 02:00:00", "Last Saturday of October at 02:00:00"},
        RealZone{"Asia/Hebron", -120, "(UTC+02:00) Asia/Hebron", "EET", "EEST", -60,
                 "Last Saturday of March at 02:00:00", "Last Saturday of October at 02:00:00"},
        // Midnight after the last Thursday; and after the first Saturday, which is the first Sunday.
        RealZone{"Africa/Cairo", -120, "(UTC+02:00) Africa/Cairo", "EET", "EEST", -60,
                 "Last Friday of April at 00:00:00", "Last Friday of October at 00:00:00"},
        RealZone{"America/Santiago", 240, "(UTC-04:00) America/Santiago", "-04", "-03", -60,
                 "1st Sunday of September at 00:00:00", "1st Sunday of April at 00:00:00"}),
    [](const auto& info) {
        std::string name = info.param.id;
        std::replace(name.begin(), name.end(), '/', '_');
        return name;
    });

namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kUnixEpochDay = 25569; // 1970-01-01 as a date-time

// The local date-times, in seconds since 1970 before the change, at which the zone file
// moves to `offsetEast`.
std::vector<int64_t> ChangesTo(const std::vector<TOrvTZifTransition>& transitions, int32_t offsetEast)
{
    std::vector<int64_t> changes;
    for (size_t i = 1; i < transitions.size(); ++i)
        if (transitions[i].fUtOffset == offsetEast && transitions[i - 1].fUtOffset != offsetEast)
            changes.push_back(transitions[i].fAt + transitions[i - 1].fUtOffset);
    return changes;
}

// The local date-time a yearly rule names in `year`, counting the weekdays of the month.
int64_t YearlyRuleTime(const SYSTEMTIME& rule, uint16_t year, uint16_t month, uint16_t week)
{
    std::vector<TDateTime> days;
    for (uint16_t d = 1; d <= DaysInMonthOf(month, year); ++d)
        if (DateDayOfWeek(MakeDate(year, month, d)) == rule.wDayOfWeek + 1)
            days.push_back(MakeDate(year, month, d));
    const TDateTime day = week <= 4 ? days[week - 1] : days.back();
    return (int64_t(day) - kUnixEpochDay) * kSecondsPerDay + rule.wHour * 3600 + rule.wMinute * 60 + rule.wSecond;
}

int YearOf(int64_t localSeconds)
{
    return DateYear(TDateTime(localSeconds / kSecondsPerDay + kUnixEpochDay));
}

bool IsMovedDate(const TOrvPosixDate& date)
{
    return date.fKind == TOrvPosixDate::pdMonthWeekDay && (date.fTime < 0 || date.fTime >= kSecondsPerDay);
}

struct RuleMatches {
    int years = 0;      // years of the window the file lists changes for
    int matched = 0;    // of them, the years in which the record's rule names the change
    int bestOther = 0;  // the most years any other month and week would name
};

RuleMatches MatchAgainstFile(const SYSTEMTIME& rule, const std::vector<int64_t>& changes, int firstYear, int lastYear)
{
    std::vector<uint16_t> years; // those the file lists changes for
    for (int year = firstYear; year <= lastYear; ++year)
        if (std::any_of(changes.begin(), changes.end(), [year](int64_t c) { return YearOf(c) == year; }))
            years.push_back(uint16_t(year));
    const auto yearsNamed = [&](uint16_t month, uint16_t week) {
        return int(std::count_if(years.begin(), years.end(), [&](uint16_t year) {
            return std::find(changes.begin(), changes.end(), YearlyRuleTime(rule, year, month, week)) != changes.end();
        }));
    };
    RuleMatches m;
    m.years = int(years.size());
    const uint16_t ownWeek = rule.wDay >= 1 && rule.wDay <= 4 ? rule.wDay : 5;
    m.matched = yearsNamed(rule.wMonth, ownWeek);
    for (uint16_t month = 1; month <= 12; ++month)
        for (uint16_t week = 1; week <= 5; ++week)
            if (month != rule.wMonth || week != ownWeek)
                m.bestOther = std::max(m.bestOther, yearsNamed(month, week));
    return m;
}

} // namespace

TEST(TimeZoneRules, MovedWeekdaysNameTheFilesOwnTransitionsMostOften)
{
    // Every zone whose rule moves a date past midnight, against the transitions its file
    // lists for the 28 years from now.
    const TOrvClockOverride clock(double(MakeDate(2026, 6, 1)));
    const QString dir = QStringLiteral("/usr/share/zoneinfo");
    QStringList checked;
    for (const QString& id : ZoneInfoIds(dir)) {
        const std::string name = id.toStdString();
        QString text;
        bool ok = false;
        ReadTZifFooter(dir + u'/' + id, text, ok);
        TOrvPosixTZ posix;
        if (!ok || !ParsePosixTZ(text, posix) || !posix.fHasDst
            || !(IsMovedDate(posix.fDstStart) || IsMovedDate(posix.fDstEnd)))
            continue;
        TOrvTimeZoneInfo zone;
        ASSERT_TRUE(ReadTimeZone(id, zone, dir)) << name;
        std::vector<TOrvTZifTransition> transitions;
        ReadTZifTransitions(dir + u'/' + id, transitions, ok);
        ASSERT_TRUE(ok) << name;
        const struct {
            const SYSTEMTIME& rule;
            int32_t offsetEast;
        } sides[] = {{zone.DaylightDate, -(zone.Bias + zone.DaylightBias) * 60}, {zone.StandardDate, -zone.Bias * 60}};
        bool listed = true;
        for (const auto& side : sides) {
            const RuleMatches m = MatchAgainstFile(side.rule, ChangesTo(transitions, side.offsetEast), 2026, 2053);
            if (m.years < 8) { // a file that leaves the coming years to its footer rule
                listed = false;
                continue;
            }
            EXPECT_GE(m.matched, m.bestOther) << name << " " << TimeZoneTransitionText(side.rule).toStdString();
            EXPECT_GT(m.matched * 2, m.years) << name << " " << TimeZoneTransitionText(side.rule).toStdString();
        }
        if (listed)
            checked.append(id);
    }
    // Palestine's file lists its transitions for decades ahead.
    EXPECT_TRUE(checked.contains(QStringLiteral("Asia/Gaza"))) << checked.join(u' ').toStdString();
    EXPECT_TRUE(checked.contains(QStringLiteral("Asia/Hebron")));
}

TEST(TimeZoneRules, GazaLeavesDaylightTimeOnTheLastSaturdayOfOctober2027)
{
    const TOrvClockOverride clock(double(MakeDate(2026, 6, 1)));
    TOrvPosixTZ posix;
    ASSERT_TRUE(ParsePosixTZ(QStringLiteral("EET-2EEST,M3.4.4/50,M10.4.4/50"), posix));
    const TOrvTimeZoneInfo zone = TimeZoneFromPosixRule(QStringLiteral("Asia/Gaza"), posix);
    EXPECT_EQ(zone.StandardDate, Rule(0, 10, 6, 5, 2));
    EXPECT_EQ(zone.DaylightDate, Rule(0, 3, 6, 5, 2));
    // 2026-10-01 is a Thursday: that year the Saturday is the fourth, 24 October.
    const struct {
        uint16_t year, day;
    } real[] = {{2027, 30}, {2028, 28}, {2029, 27}, {2031, 25}};
    for (const auto& r : real)
        EXPECT_EQ(YearlyRuleTime(zone.StandardDate, r.year, 10, zone.StandardDate.wDay),
                  (int64_t(MakeDate(r.year, 10, r.day)) - kUnixEpochDay) * kSecondsPerDay + 7200)
            << r.year;
}

TEST(TimeZoneRules, YearlyDayNumbersBecomeThisYearsDate)
{
    const TOrvClockOverride clock(double(MakeDate(2026, 6, 1)));
    TOrvPosixTZ rule;
    ASSERT_TRUE(ParsePosixTZ(QStringLiteral("XST3XDT,J60/2,304/1"), rule));
    const TOrvTimeZoneInfo zone = TimeZoneFromPosixRule(QStringLiteral("Test/Fixed"), rule);
    EXPECT_EQ(zone.DaylightDate, Rule(2026, 3, 0, 1, 2)); // 1 March 2026, a Sunday
    EXPECT_EQ(zone.StandardDate, Rule(2026, 11, 0, 1, 1)); // day 304 after 1 January
    EXPECT_EQ(TimeZoneTransitionText(zone.DaylightDate), QStringLiteral("1 March at 02:00:00"));
    EXPECT_TRUE(zone.UseDaylightTime);
}

TEST(TimeZoneDatabase, ReadsAFixtureFolderSortedWithEmptyRecordsForBrokenZones)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Test")));
    WriteFile(dir.filePath(QStringLiteral("tzdata.zi")),
              "Z Test/East -9 - JST\nZ Test/Broken 0 - X\nZ Test/West 5 - EST\nZ Test/Missing 0 - X\n"
              "Z Test/Zero 0 - UTC\nZ Test/Half -5:30 - IST\n");
    WriteFile(dir.filePath(QStringLiteral("Test/East")), tzfixture::File("JST-9"));
    WriteFile(dir.filePath(QStringLiteral("Test/West")), tzfixture::File("EST5EDT,M3.2.0,M11.1.0"));
    WriteFile(dir.filePath(QStringLiteral("Test/Zero")), tzfixture::File("UTC0"));
    WriteFile(dir.filePath(QStringLiteral("Test/Half")), tzfixture::File("IST-5:30"));
    WriteFile(dir.filePath(QStringLiteral("Test/Broken")), "TZif2 but not really");

    TOrvTimeZoneArray zones;
    ReadTimeZones(zones, dir.path());
    ASSERT_EQ(zones.size(), 6u);
    QStringList keys;
    for (const TOrvTimeZoneInfo& zone : zones)
        keys.append(zone.KeyName);
    // West first; the two empty records and UTC share bias 0.
    EXPECT_EQ(keys.first(), QStringLiteral("Test/West"));
    EXPECT_EQ(keys.mid(4), (QStringList{QStringLiteral("Test/Half"), QStringLiteral("Test/East")}));
    EXPECT_EQ(keys.count(QString()), 2);
    EXPECT_EQ(std::count(zones.begin(), zones.end(), TOrvTimeZoneInfo()), 2);
    const int32_t west = FindTimeZoneByKeyName(zones, QStringLiteral("test/west"));
    ASSERT_GE(west, 0);
    EXPECT_EQ(zones[size_t(west)].Bias, 300);
    EXPECT_TRUE(zones[size_t(west)].UseDaylightTime);
    EXPECT_EQ(FindTimeZoneByDisplayName(zones, QStringLiteral("(utc+05:30) test/half")),
              FindTimeZoneByKeyName(zones, QStringLiteral("Test/Half")));
    EXPECT_EQ(FindTimeZoneByStandardName(zones, QStringLiteral("jst")), 5);
    EXPECT_EQ(FindTimeZoneByDaylightName(zones, QStringLiteral("EDT")), west);

    QStringList names{QStringLiteral("kept")};
    TimeZoneKeyNames(names, dir.filePath(QStringLiteral("nowhere")));
    EXPECT_EQ(names, QStringList{QStringLiteral("kept")});
    TOrvTimeZoneArray untouched{Zone("A", 1)};
    ReadTimeZones(untouched, dir.filePath(QStringLiteral("nowhere")));
    ASSERT_EQ(untouched.size(), 1u);
    EXPECT_EQ(untouched[0].KeyName, QStringLiteral("A"));
}

TEST(TimeZoneDatabase, TheSystemDatabaseIsCompleteAndSorted)
{
    TOrvTimeZoneArray zones;
    ReadTimeZones(zones);
    ASSERT_GT(zones.size(), 300u);
    for (size_t i = 1; i < zones.size(); ++i)
        ASSERT_LE(zones[i].Bias, zones[i - 1].Bias) << i;
    EXPECT_EQ(std::count(zones.begin(), zones.end(), TOrvTimeZoneInfo()), 0);
    const int32_t sydney = FindTimeZoneByDisplayName(zones, QStringLiteral("(utc+10:00) australia/sydney"));
    ASSERT_GE(sydney, 0);
    EXPECT_EQ(zones[size_t(sydney)].KeyName, QStringLiteral("Australia/Sydney"));
    QStringList displays;
    TimeZoneDisplayNames(zones, displays);
    ASSERT_EQ(displays.size(), qsizetype(zones.size()));
    EXPECT_EQ(displays[sydney], zones[size_t(sydney)].DisplayName);
}

TEST(TimeZoneSort, LargestBiasFirst)
{
    std::mt19937 random(7);
    for (const size_t n : {0u, 1u, 2u, 3u, 17u, 400u}) {
        TOrvTimeZoneArray zones;
        for (size_t i = 0; i < n; ++i)
            zones.push_back(Zone("Z", int32_t(random() % 25) * 60 - 720));
        TOrvTimeZoneArray sorted = zones;
        SortTimeZones(sorted);
        ASSERT_EQ(sorted.size(), n);
        for (size_t i = 1; i < n; ++i)
            ASSERT_LE(sorted[i].Bias, sorted[i - 1].Bias);
        std::vector<int32_t> before, after;
        for (size_t i = 0; i < n; ++i) {
            before.push_back(zones[i].Bias);
            after.push_back(sorted[i].Bias);
        }
        std::sort(before.begin(), before.end(), std::greater<>());
        EXPECT_EQ(before, after);
    }
}

TEST(TimeZoneSearch, EmptyArraysFindNothing)
{
    const TOrvTimeZoneArray none;
    EXPECT_EQ(FindTimeZoneByKeyName(none, QStringLiteral("UTC")), -1);
    EXPECT_EQ(FindTimeZoneByDisplayName(none, QString()), -1);
    EXPECT_EQ(FindTimeZoneByStandardName(none, QStringLiteral("EST")), -1);
    EXPECT_EQ(FindTimeZoneByDaylightName(none, QStringLiteral("EDT")), -1);
    EXPECT_EQ(LocalTimeZoneIndex(none), -1);
    QStringList names;
    TimeZoneDisplayNames(none, names);
    EXPECT_TRUE(names.isEmpty());
    const TOrvTimeZoneArray some{Zone("A/B", 0, "AAA", "ADT")};
    EXPECT_EQ(FindTimeZoneByKeyName(some, QStringLiteral("a/b")), 0);
    EXPECT_EQ(FindTimeZoneByKeyName(some, QStringLiteral("a/c")), -1);
}

TEST(TimeZoneLocal, ComesFromTZOrLocaltime)
{
    const TOrvTimeZoneArray zones{Zone("Lower/Case", 300, "est"), Zone("Other", 300, "CST"),
                                  Zone("America/New_York", 300, "EST", "EDT"), Zone("Asia/Tokyo", -540, "JST")};
    {
        const ScopedTZ tz("America/New_York");
        EXPECT_EQ(LocalTimeZone().KeyName, QStringLiteral("America/New_York"));
        EXPECT_EQ(LocalTimeZoneIndex(zones), 2); // the standard name must match exactly
    }
    {
        const ScopedTZ tz(":/usr/share/zoneinfo/Asia/Tokyo");
        EXPECT_EQ(LocalTimeZone().KeyName, QStringLiteral("Asia/Tokyo"));
        EXPECT_EQ(LocalTimeZoneIndex(zones), 3);
    }
    {
        const ScopedTZ tz("EST5EDT,M3.2.0,M11.1.0"); // a rule written out
        const TOrvTimeZoneInfo local = LocalTimeZone();
        EXPECT_TRUE(local.KeyName.isEmpty());
        EXPECT_EQ(local.Bias, 300);
        EXPECT_EQ(LocalTimeZoneIndex(zones), 2);
    }
    {
        const ScopedTZ tz("JST-10"); // a name that matches, a bias that does not
        EXPECT_EQ(LocalTimeZoneIndex(zones), -1);
    }
    {
        const ScopedTZ tz("not a zone at all");
        EXPECT_EQ(LocalTimeZone().StandardName, QStringLiteral("UTC"));
    }
}
