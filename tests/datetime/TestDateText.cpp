#include <orvkit/datetime/OrvkitDateFormat.h>
#include <orvkit/datetime/OrvkitDateText.h>

#include "DateTextFixture.h"

#include <cmath>
#include <random>

using namespace orv;

namespace {

struct DateCase {
    const char* text;
    uint16_t y, m, d;
};

struct TimeCase {
    const char* text;
    bool allowFirstLetter;
    uint16_t h, n, s, ms;
};

} // namespace

TEST_F(DateTextTest, DatesInDayMonthYearOrder)
{
    const DateCase cases[] = {
        {"25", 2026, 3, 25},
        {"2512", 2026, 12, 25},
        {"25122024", 2024, 12, 25},
        {"251224", 2024, 12, 25},
        {"25 dec 24", 2024, 12, 25},
        {"25 DECEMBER 2024", 2024, 12, 25},
        {"1 sep 2025", 2025, 9, 1},
        {"Tuesday, 12 March 2024", 2024, 3, 12},
        {"tue 12/3/2024", 2024, 3, 12},
        {"24-12-49", 2049, 12, 24},
        {"24-12-50", 1950, 12, 24},
        {"24-12-00", 2000, 12, 24},
        {"24-12-0099", 1999, 12, 24},
        {"  12.3.2024 ", 2024, 3, 12},
        {"12\\3\\2024", 2024, 3, 12},
        {"12, 3, 2024", 2024, 3, 12},
        {"12//3//2024", 2024, 3, 12},
        {"/12/3/2024/", 2024, 3, 12},
        {"15/3", 2026, 3, 15},
        {"1/4", 2026, 4, 1},
        {"29/2/2024", 2024, 2, 29},
        {"31/12/9999", 9999, 12, 31},
        {"1/1/1", 2001, 1, 1},
    };
    for (const DateCase& c : cases)
        EXPECT_EQ(TextToDate(QString::fromUtf8(c.text), false), D(c.y, c.m, c.d)) << c.text;
}

TEST_F(DateTextTest, RelativeDatesCountFromToday)
{
    EXPECT_EQ(TextToDate(QStringLiteral("+1"), false), D(2026, 3, 19));
    EXPECT_EQ(TextToDate(QStringLiteral("-7"), false), D(2026, 3, 11));
    EXPECT_DOUBLE_EQ(TextToDate(QStringLiteral("+1.5"), false), D(2026, 3, 19) + 0.5);
    EXPECT_EQ(TextToDate(QStringLiteral(" +0 "), false), D(2026, 3, 18));
}

TEST_F(DateTextTest, ImpliedHistoricMovesLaterDaysToLastYear)
{
    EXPECT_EQ(TextToDate(QStringLiteral("19/3"), true), D(2025, 3, 19));
    EXPECT_EQ(TextToDate(QStringLiteral("18/3"), true), D(2026, 3, 18));
    EXPECT_EQ(TextToDate(QStringLiteral("1/4"), true), D(2025, 4, 1));
    EXPECT_EQ(TextToDate(QStringLiteral("28/2"), true), D(2026, 2, 28));
    EXPECT_EQ(TextToDate(QStringLiteral("19/3"), false), D(2026, 3, 19));
    EXPECT_EQ(TextToDateDef(QStringLiteral("19/3"), -1), D(2026, 3, 19));
}

TEST_F(DateTextTest, TwoDigitYearModes)
{
    {
        const TOrvScopedValue mode(GlobalTwoDigitYearMode, edyHistoric);
        EXPECT_EQ(TextToDate(QStringLiteral("1/1/26"), false), D(2026, 1, 1));
        EXPECT_EQ(TextToDate(QStringLiteral("1/1/27"), false), D(1927, 1, 1));
    }
    {
        const TOrvScopedValue mode(GlobalTwoDigitYearMode, edyCutOff);
        const TOrvScopedValue cutOff(GlobalTwoDigitYearCutOff, uint16_t(1930));
        EXPECT_EQ(TextToDate(QStringLiteral("1/1/30"), false), D(1930, 1, 1));
        EXPECT_EQ(TextToDate(QStringLiteral("1/1/29"), false), D(2029, 1, 1));
    }
    {
        // Left to the conversion: the century that keeps the year within 50 years back.
        const TOrvScopedValue mode(GlobalTwoDigitYearMode, edyNone);
        EXPECT_EQ(TextToDate(QStringLiteral("1/1/76"), false), D(1976, 1, 1));
        EXPECT_EQ(TextToDate(QStringLiteral("1/1/75"), false), D(2075, 1, 1));
        EXPECT_EQ(TextToDate(QStringLiteral("1/1/1976"), false), D(1976, 1, 1));
    }
}

TEST_F(DateTextTest, OtherDateOrders)
{
    const TOrvScopedValue us(FormatSettings.ShortDateFormat, QStringLiteral("mm/dd/yyyy"));
    EXPECT_EQ(TextToDate(QStringLiteral("12/25/2024"), false), D(2024, 12, 25));
    EXPECT_EQ(TextToDate(QStringLiteral("1225"), false), D(2026, 12, 25));
    EXPECT_EQ(TextToDate(QStringLiteral("12252024"), false), D(2024, 12, 25));
    EXPECT_EQ(TextToDate(QStringLiteral("Dec 25, 2024"), false), D(2024, 12, 25));
    EXPECT_EQ(TextToDate(QStringLiteral("3/19"), true), D(2025, 3, 19));
    EXPECT_EQ(TextToDateFmt(QStringLiteral("2024-12-25"), QStringLiteral("yyyy-mm-dd")), D(2024, 12, 25));
    EXPECT_EQ(TextToDateFmt(QStringLiteral("20241225"), QStringLiteral("yyyy-mm-dd")), D(2024, 12, 25));
    EXPECT_EQ(TextToDateFmt(QStringLiteral("12-25"), QStringLiteral("yyyy-mm-dd")), D(2026, 12, 25));
    EXPECT_EQ(TextToDateFmt(QStringLiteral("25.12.2024"), QStringLiteral("dd.mm.yyyy")), D(2024, 12, 25));
    EXPECT_EQ(TextToDateFmtDef(QStringLiteral(""), QStringLiteral("dd.mm.yyyy"), 7), 7);
    EXPECT_EQ(FormatSettings.ShortDateFormat, QStringLiteral("mm/dd/yyyy"));
}

TEST_F(DateTextTest, DateOrderOfPictures)
{
    const struct {
        const char* picture;
        uint16_t order;
    } cases[] = {{"dd/mm/yyyy", 0}, {"mm/dd/yyyy", 1}, {"yyyy-mm-dd", 2}, {"dddd, d mmmm yyyy", 0},
                 {"ddd mm/dd", 1},   {"dddd yyyy", 2},  {"ee/mm/dd", 2},   {"hh:nn", 0}, {"", 0}, {"M/d/y", 1}};
    for (const auto& c : cases)
        EXPECT_EQ(DateOrderOf(QString::fromLatin1(c.picture)), c.order) << c.picture;
}

TEST_F(DateTextTest, BadDatesGiveZeroOrRaise)
{
    const char* bad[] = {"32/1/2024", "29/2/2023", "1/13/2024", "0/1/2024", "abc", "1/2/3/4", "12/ab/2024",
                         "25 foo 2024", "123", "99999999999", "1/1/100000", "+1e9", "-1e300", "12:30",
                         "\xd9\xa3/\xd9\xa3/\xd9\xa2\xd9\xa0\xd9\xa2\xd9\xa4", "0/0", "31/4"};
    for (const char* text : bad) {
        const QString typed = QStringLiteral(" ") + QString::fromUtf8(text);
        {
            const TOrvScopedValue raise(GlobalRaiseDateErrors, false);
            EXPECT_EQ(TextToDate(typed, false), 0) << text;
            EXPECT_EQ(TextToDateDef(typed, 42), 42) << text;
        }
        const TOrvScopedValue raise(GlobalRaiseDateErrors, true);
        EXPECT_EQ(ErrorOf([&] { TextToDate(typed, true); }), QStringLiteral("Invalid Date - ") + typed) << text;
        EXPECT_EQ(ErrorOf([&] { TextToDateDef(typed, 42); }), QStringLiteral("Invalid Date - ") + typed) << text;
    }
}

TEST_F(DateTextTest, EmptyDatesGiveZeroOrTheDefault)
{
    const TOrvScopedValue raise(GlobalRaiseDateErrors, true);
    EXPECT_EQ(TextToDate(QString(), false), 0);
    EXPECT_EQ(TextToDate(QStringLiteral("   "), true), 0);
    EXPECT_EQ(TextToDate(QStringLiteral("//"), false), 0);
    EXPECT_EQ(TextToDateDef(QStringLiteral(" "), 42), 42);
    EXPECT_EQ(TextToDateDef(QStringLiteral("./,"), 42), 0); // separators only: nothing to read
}

TEST_F(DateTextTest, EightDigitDates)
{
    EXPECT_EQ(YYYYMMDDToDate(QStringLiteral("20240315")), D(2024, 3, 15));
    EXPECT_EQ(YYYYMMDDToDate(QStringLiteral(" 20240315 ")), D(2024, 3, 15));
    for (const char* text : {"2024031", "", "20241301", "20230229", "abcdefgh", "00000000", "-2024-01"})
        EXPECT_EQ(ErrorOf([&] { YYYYMMDDToDate(QString::fromLatin1(text)); }), QStringLiteral("Invalid Date")) << text;
    for (TDateTime day = D(1601, 1, 1); day <= D(2400, 12, 31); day += 53)
        ASSERT_EQ(YYYYMMDDToDate(DateToYYYYMMDD(day)), day);
}

TEST_F(DateTextTest, DatesReadBackWhatTheyWrite)
{
    for (TDateTime day = D(1601, 1, 1); day <= D(2400, 12, 31); day += 37) {
        ASSERT_EQ(TextToDate(DateToText(day), false), day) << DateToText(day).toStdString();
        ASSERT_EQ(TextToDate(DateToFormatText(QStringLiteral("dddd, d mmmm yyyy"), day), false), day);
        ASSERT_EQ(TextToDate(DateToFormatText(QStringLiteral("d mmm yyyy"), day), false), day);
    }
}

TEST_F(DateTextTest, MonthAndDayNames)
{
    const struct {
        const char* text;
        uint16_t month, day;
    } cases[] = {{"J", 1, 0},      {"Ju", 6, 0},     {"jul", 7, 0},  {"S", 9, 1},   {"sept", 9, 0},
                 {"SEPTEMBER", 9, 0}, {"Januaryx", 0, 0}, {"", 0, 0}, {"x", 0, 0},    {"T", 0, 3},
                 {"Th", 0, 5},     {"sunday", 0, 1}, {"sat", 0, 7}, {"M", 3, 2},   {"Mo", 0, 2}};
    for (const auto& c : cases) {
        EXPECT_EQ(MonthFromName(QString::fromLatin1(c.text)), c.month) << c.text;
        EXPECT_EQ(DayFromName(QString::fromLatin1(c.text)), c.day) << c.text;
    }
}

TEST_F(DateTextTest, TimesInEveryTypedForm)
{
    const TimeCase cases[] = {
        {"1030", false, 10, 30, 0, 0},       {"103045", false, 10, 30, 45, 0},    {"24:15", false, 0, 15, 0, 0},
        {"24", false, 0, 0, 0, 0},           {"2430", false, 0, 30, 0, 0},        {"3 pm", false, 15, 0, 0, 0},
        {"3 p.m.", false, 15, 0, 0, 0},      {"3 p.m", false, 15, 0, 0, 0},       {"3PM", false, 15, 0, 0, 0},
        {"3p", true, 15, 0, 0, 0},           {"3 p.m.", true, 15, 0, 0, 0},       {"3 a.m.", true, 3, 0, 0, 0},
        {"3a", true, 3, 0, 0, 0},            {"12 am", false, 0, 0, 0, 0},        {"12 pm", false, 12, 0, 0, 0},
        {"12:30 AM", false, 0, 30, 0, 0},    {"10.30", false, 10, 30, 0, 0},      {"10,30", false, 10, 30, 0, 0},
        {"9:5", false, 9, 5, 0, 0},          {"10:", false, 10, 0, 0, 0},         {"10:30:45:5", false, 10, 30, 45, 500},
        {"10:30:45.25", false, 10, 30, 45, 250}, {"10:30:45.", false, 10, 30, 45, 0}, {" 7 : 05 ", false, 7, 5, 0, 0},
        {"23:59:59.9999", false, 23, 59, 59, 999}, {"0", false, 0, 0, 0, 0},
    };
    for (const TimeCase& c : cases)
        EXPECT_DOUBLE_EQ(TextToTime(QString::fromLatin1(c.text), c.allowFirstLetter), MakeTime(c.h, c.n, c.s, c.ms))
            << c.text;
}

TEST_F(DateTextTest, TimesWithTheLocalesOwnDesignators)
{
    TOrvFormatSettings german = FormatSettings;
    german.TimeAMString = QStringLiteral("vorm.");
    german.TimePMString = QStringLiteral("nachm.");
    const TOrvScopedValue settings(FormatSettings, german);
    EXPECT_DOUBLE_EQ(TextToTime(QStringLiteral("3 nachm."), false), MakeTime(15, 0, 0, 0));
    EXPECT_DOUBLE_EQ(TextToTime(QStringLiteral("3 n"), true), MakeTime(15, 0, 0, 0));
    EXPECT_DOUBLE_EQ(TextToTime(QStringLiteral("3 pm"), false), MakeTime(15, 0, 0, 0));
    german.TimeAMString.clear();
    german.TimePMString.clear();
    const TOrvScopedValue none(FormatSettings, german);
    EXPECT_DOUBLE_EQ(TextToTime(QStringLiteral("3 pm"), true), MakeTime(15, 0, 0, 0));
}

TEST_F(DateTextTest, BadTimesGiveZeroTheDefaultOrRaise)
{
    for (const char* text : {"25:00", "10:60", "10:30:60", "13 pm", "abc", "10::30", "245", "1:2:3:4:5", "3p",
                             "-1:00", "10:30 xyz", "99999999999:00", "10:30:45.x"}) {
        const QString typed = QString::fromLatin1(text);
        {
            const TOrvScopedValue raise(GlobalRaiseDateErrors, false);
            EXPECT_EQ(TextToTime(typed, false), 0) << text;
            EXPECT_EQ(TextToTimeDef(typed, false, 0.25), 0.25) << text;
        }
        const TOrvScopedValue raise(GlobalRaiseDateErrors, true);
        EXPECT_EQ(ErrorOf([&] { TextToTime(typed, false); }), QStringLiteral("Invalid Time - ") + typed) << text;
    }
    const TOrvScopedValue raise(GlobalRaiseDateErrors, true);
    EXPECT_EQ(TextToTime(QStringLiteral("  "), false), 0);
    EXPECT_EQ(TextToTimeDef(QString(), false, 0.25), 0.25);
    EXPECT_EQ(TextToTimeDef(QStringLiteral("pm"), false, 0.25), 0); // nothing left to read
}

TEST_F(DateTextTest, PicturesUseTheConventionalLetters)
{
    const TDateTime value = D(2024, 3, 5) + MakeTime(14, 7, 9, 45); // a Tuesday
    const struct {
        const char* picture;
        const char* text;
    } cases[] = {
        {"d/m/yy", "5/3/24"},
        {"dd/mm/yyyy", "05/03/2024"},
        {"DD/MM/YYYY", "05/03/2024"},
        {"ddd dddd", "Tue Tuesday"},
        {"mmm mmmm", "Mar March"},
        {"hh:mm:ss", "14:07:09"},
        {"h:m", "14:7"},
        {"mm/dd hh:mm", "03/05 14:07"},
        {"h:n:s.z", "14:7:9.45"},
        {"zzz", "045"},
        {"hh:nn AM/PM", "02:07 PM"},
        {"h:nn am/pm", "2:07 pm"},
        {"h A/P", "2 P"},
        {"h ampm", "2 PM"},
        {"yyyy-mm-dd'T'hh:nn", "2024-03-05T14:07"},
        {"\"day\" d", "day 5"},
        {"'unclosed d", "unclosed d"},
        {"ddddd", "05/03/2024"},
        {"dddddd", "Tuesday, 5 March 2024"},
        {"c", "05/03/2024 14:07:09"},
        {"t", "14:07"},
        {"tt", "14:07:09"},
        {"yyyymmdd", "20240305"},
        {"dd.mm.yyyy", "05.03.2024"},
        {"[dd]", "[05]"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DateToFormatText(QString::fromLatin1(c.picture), value), QString::fromLatin1(c.text)) << c.picture;
    EXPECT_EQ(DateToFormatText(QStringLiteral("c"), D(2024, 3, 5)), QStringLiteral("05/03/2024"));
    EXPECT_EQ(TimeToFormatText(QStringLiteral("h:nn AM/PM"), MakeTime(0, 30, 0, 0)), QStringLiteral("12:30 AM"));
    EXPECT_EQ(TimeToFormatText(QStringLiteral("h:nn AM/PM"), MakeTime(12, 0, 0, 0)), QStringLiteral("12:00 PM"));
    EXPECT_EQ(TimeToFormatText(QStringLiteral("AM/PM h:nn"), MakeTime(13, 0, 0, 0)), QStringLiteral("PM 13:00"));

    TOrvFormatSettings dashed = FormatSettings;
    dashed.DateSeparator = u'-';
    dashed.TimeSeparator = u'.';
    const TOrvScopedValue settings(FormatSettings, dashed);
    EXPECT_EQ(DateToFormatText(QStringLiteral("dd/mm hh:nn"), value), QStringLiteral("05-03 14.07"));
}

TEST_F(DateTextTest, ShortTextsAndBlanks)
{
    const TDateTime value = D(2024, 3, 5) + MakeTime(9, 5, 0, 0);
    EXPECT_EQ(DateToText(value), QStringLiteral("05/03/2024"));
    EXPECT_EQ(TimeToShortText(value), QStringLiteral("9:05"));
    EXPECT_EQ(DateTimeToText(value), QStringLiteral("05/03/2024 9:05"));
    EXPECT_EQ(DateToYYYYMMDD(value), QStringLiteral("20240305"));
    EXPECT_EQ(TimeToShortText(0), QStringLiteral("0:00"));
    EXPECT_EQ(TimeToShortText(0.99999999999), QStringLiteral("0:00")); // rounds to the next midnight
    EXPECT_EQ(DateToText(0), QStringLiteral("30/12/1899"));
    EXPECT_EQ(DateToText(-1.25), QStringLiteral("29/12/1899"));

    const TOrvScopedValue blank(GlobalBlankWhenZero, true);
    EXPECT_EQ(DateToText(0), QString());
    EXPECT_EQ(DateToText(1e-9), QString());
    EXPECT_EQ(DateToText(1), QStringLiteral("31/12/1899"));
    EXPECT_EQ(TimeToShortText(0), QString());
    EXPECT_EQ(TimeToShortText(1), QStringLiteral("0:00"));
    EXPECT_EQ(DateTimeToText(0), QString());
    EXPECT_EQ(TimeToFormatText(QStringLiteral("hh:nn"), 0.0000005), QString());
    EXPECT_EQ(TimeToFormatText(QStringLiteral("hh:nn"), 0.000002), QStringLiteral("00:00"));
}

TEST_F(DateTextTest, ValuesThatAreNoDateFormatAsEmptyOrRaise)
{
    for (const double bad : {std::nan(""), 1e7, -1e7, double(INFINITY)}) {
        {
            const TOrvScopedValue raise(GlobalRaiseDateErrors, false);
            EXPECT_EQ(DateToText(bad), QString()) << bad;
            EXPECT_EQ(TimeToShortText(bad), QString()) << bad;
            EXPECT_EQ(TimeToFormatText(QStringLiteral("hh:nn"), bad), QString()) << bad;
        }
        const TOrvScopedValue raise(GlobalRaiseDateErrors, true);
        EXPECT_EQ(ErrorOf([&] { DateToText(bad); }), QStringLiteral("Invalid Date/Time")) << bad;
        EXPECT_EQ(ErrorOf([&] { DateToYYYYMMDD(bad); }), QStringLiteral("Invalid Date/Time")) << bad;
    }
    // A short date format that names itself stops instead of recursing for ever.
    const TOrvScopedValue picture(FormatSettings.ShortDateFormat, QStringLiteral("ddddd"));
    EXPECT_EQ(DateToText(D(2024, 3, 5)), QString());
}

TEST_F(DateTextTest, RandomTextGivesADateTheFallbackOrTheDocumentedError)
{
    const QString alphabet = QStringLiteral("0123456789//--..,, :+apmAPMdecDECsepTuesdayMarch\\x\u00e9\u0663\U0001F600");
    std::mt19937 random(2026);
    for (int round = 0; round < 20000; ++round) {
        QString text;
        for (int n = int(random() % 14); n > 0; --n)
            text += alphabet.at(qsizetype(random() % uint32_t(alphabet.size())));
        {
            const TOrvScopedValue raise(GlobalRaiseDateErrors, false);
            const TDateTime date = TextToDate(text, round % 2 == 0);
            ASSERT_TRUE(date == 0 || (date >= MinDateDay && date < MaxDateDay + 1)) << text.toStdString();
            const TDateTime time = TextToTime(text, round % 3 == 0);
            ASSERT_TRUE(time >= 0 && time < 1) << text.toStdString();
        }
        const TOrvScopedValue raise(GlobalRaiseDateErrors, true);
        const std::optional<QString> dateError = ErrorOf([&] { TextToDate(text, false); });
        ASSERT_EQ(dateError.value_or(QStringLiteral("Invalid Date - ") + text), QStringLiteral("Invalid Date - ") + text);
        const std::optional<QString> timeError = ErrorOf([&] { TextToTime(text, true); });
        ASSERT_EQ(timeError.value_or(QStringLiteral("Invalid Time - ") + text), QStringLiteral("Invalid Time - ") + text);
    }
}
