#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/datetime/OrvkitDateTime.h>
#include <orvkit/datetime/OrvkitDurations.h>

#include "PrintQString.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

class DurationTest : public testing::Test {
protected:
    DurationTest()
        : fSuffixes(GlobalDurationSuffixes,
                    {QStringLiteral("weeks"), QStringLiteral("days"), QStringLiteral("hours"), QStringLiteral("minutes"),
                     QStringLiteral("seconds")})
    {
    }
    TOrvScopedValue<std::array<QString, 5>> fSuffixes;
    TOrvScopedValue<QChar> fSeparator{GlobalDurationSeparator, QChar(u':')};
};

} // namespace

TEST_F(DurationTest, TextToValueFindsTheUnitAndAddsSmallerParts)
{
    const struct {
        const char* text;
        TOrvDurationType unitIn, unitOut;
        long double value;
    } cases[] = {
        {"1:12 days", dtHrs, dtDays, 1.5L},
        {"  1:12   DAYS ", dtHrs, dtDays, 1.5L},
        {"1:30", dtHrs, dtHrs, 1.5L},
        {"1:30:30", dtHrs, dtHrs, 1.0L + 30.0L / 60 + 30.0L / 3600},
        {"2 weeks", dtDays, dtWeeks, 2.0L},
        {"1:3:12 weeks", dtDays, dtWeeks, 1.0L + 3.0L / 7 + 12.0L / 168},
        {"90 minutes", dtHrs, dtMins, 90.0L},
        {"2:30 minutes", dtHrs, dtMins, 2.5L},
        {"45 seconds", dtHrs, dtSecs, 45.0L},
        {"1:30", dtSecs, dtSecs, 1.5L},
        {"1:2:3:4:5:6", dtWeeks, dtWeeks,
         1.0L + 2.0L / 7 + 3.0L / 168 + 4.0L / 10080 + 5.0L / 604800 + 6.0L / 36288000},
        {"-1:30", dtHrs, dtHrs, -1.5L},
        {"2.5", dtDays, dtDays, 2.5L},
    };
    for (const auto& c : cases) {
        TOrvDurationType unit = c.unitIn;
        EXPECT_NEAR(double(DurationTextToValue(QString::fromLatin1(c.text), unit)), double(c.value), 1e-12) << c.text;
        EXPECT_EQ(unit, c.unitOut) << c.text;
    }
}

TEST_F(DurationTest, TextToValueFollowsTheSeparatorAndIgnoresEmptyWords)
{
    const TOrvScopedValue separator(GlobalDurationSeparator, QChar(u'|'));
    TOrvDurationType unit = dtDays;
    EXPECT_DOUBLE_EQ(double(DurationTextToValue(QStringLiteral("1|12"), unit)), 1.5);
    const TOrvScopedValue none(GlobalDurationSuffixes, std::array<QString, 5>{});
    unit = dtMins;
    EXPECT_DOUBLE_EQ(double(DurationTextToValue(QStringLiteral("1|30"), unit)), 1.5);
    EXPECT_EQ(unit, dtMins);
}

TEST_F(DurationTest, ValueToTextSplitsIntoUnits)
{
    const struct {
        TOrvDurationType leading, last;
        uint8_t decimals;
        bool showUnits, grouped, trimZeros;
        long double value;
        const char* text;
    } cases[] = {
        {dtDays, dtSecs, 2, false, false, false, 1.5L, "1:12:00:00.00"},
        {dtDays, dtSecs, 2, true, false, false, 1.5L, "1:12:00:00.00 days"},
        {dtDays, dtHrs, 0, false, false, false, 1.5L, "1:12"},
        {dtHrs, dtSecs, 0, false, false, false, 1.99999999L, "2:00:00"},
        {dtMins, dtSecs, 1, false, false, false, 0.999999L, "1:00.0"},
        {dtHrs, dtMins, 1, false, false, false, 2.25L, "2:15.0"},
        {dtWeeks, dtDays, 1, true, false, false, 1.5L, "1:03.5 weeks"},
        {dtHrs, dtSecs, 0, false, true, false, 12345.5L, "12,345:30:00"},
        {dtDays, dtHrs, 0, false, false, false, -1.5L, "-1:12"},
        {dtDays, dtHrs, 0, false, false, false, 0.0L, "0:00"},
        {dtHrs, dtHrs, 2, false, false, false, 1.5L, "1.50"},
        {dtHrs, dtHrs, 2, true, false, true, 1.5L, "1.5 hours"},
        {dtSecs, dtHrs, 2, false, true, false, 1234.5L, "1,234.50"},
        {dtHrs, dtHrs, 2, false, true, true, 1234.5L, "1,234.5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DurationValueToText(c.leading, c.last, c.decimals, c.showUnits, c.grouped, c.trimZeros, c.value),
                  QString::fromLatin1(c.text))
            << c.text;
}

TEST_F(DurationTest, ValueToTextIgnoresBlankWhenZero)
{
    const TOrvScopedValue blank(GlobalBlankWhenZero, true);
    EXPECT_EQ(DurationValueToText(dtDays, dtHrs, 0, false, false, false, 0), QStringLiteral("0:00"));
    EXPECT_EQ(DurationValueToText(dtHrs, dtHrs, 1, false, false, false, 0), QStringLiteral("0.0"));
    EXPECT_TRUE(GlobalBlankWhenZero);
}

TEST_F(DurationTest, ValueToTextReadsBack)
{
    for (const long double value : {0.0L, 0.25L, 1.5L, 2.75L, 10.125L, 365.5L}) {
        const QString text = DurationValueToText(dtDays, dtSecs, 3, true, false, false, value);
        TOrvDurationType unit = dtSecs;
        EXPECT_NEAR(double(DurationTextToValue(text, unit)), double(value), 1e-8) << text.toStdString();
        EXPECT_EQ(unit, dtDays);
    }
}
