#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/core/OrvkitPositionConversions.h>

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace {

using namespace orv;

// The unit texts of the tests: the degree sign, apostrophe and double quote.
const QString kDeg = QString(QChar(0x00B0));

std::string Text(TOrvDMSType form, uint8_t decimals, bool trim, bool leadingZeroes, bool space, Extended degrees)
{
    return DegreesToDMSText(form, decimals, trim, leadingZeroes, space, degrees).toStdString();
}

// The documented texts written with "°" for the degree mark.
std::string Marks(const char* text)
{
    return QString::fromUtf8(text).toStdString();
}

TEST(OrvkitPositionConversions, UnitTextsStartAsTheMarks)
{
    EXPECT_EQ(DegreesSuffix, kDeg);
    EXPECT_EQ(MinutesSuffix, QStringLiteral("'"));
    EXPECT_EQ(SecondsSuffix, QStringLiteral("\""));
    const TOrvScopedValue degrees(DegreesSuffix, QStringLiteral("deg"));
    LoadAngleUnitTexts();
    EXPECT_EQ(DegreesSuffix, kDeg);
}

TEST(OrvkitPositionConversions, DocumentedTexts)
{
    const struct {
        TOrvDMSType form;
        uint8_t decimals;
        bool trim, leadingZeroes, space;
        Extended degrees;
        const char* expected;
    } cases[] = {
        {ddDMS, 2, false, false, true, 10.504166667L, "10° 30' 15.00\""},
        {ddDMS, 2, true, false, true, 10.504166667L, "10° 30' 15\""},
        {ddDMS, 2, false, false, false, 10.504166667L, "10°30'15.00\""},
        {ddDMS, 2, false, false, true, 10.9999999L, "11° 0' 0.00\""},
        {ddDMS, 2, false, true, true, 10.9999999L, "11° 00' 00.00\""},
        {ddDMS, 2, false, false, true, -10.9999999L, "-11° 0' 0.00\""},
        {ddDMS, 2, true, false, true, 10.9999999L, "11° 0' 0\""},
        {ddDMS, 2, true, true, true, 10.9999999L, "11° 00' 00\""},
        {ddDMS, 2, false, true, true, 5.0833333L, "5° 05' 00.00\""},
        {ddDMS, 2, false, true, true, 5.0847222L, "5° 05' 05.00\""},
        {ddDMS, 2, false, true, true, 5.0848611L, "5° 05' 05.50\""},
        {ddDMS, 0, false, true, true, 5.0847222L, "5° 05' 05\""},
        {ddDMS, 2, false, false, true, 0, "0° 0' 0.00\""},
        {ddDMS, 2, false, false, true, 359.9999999L, "360° 0' 0.00\""},
        {ddDMS, 1, false, false, true, -0.5L, "-0° 30' 0.0\""},
        {ddDM, 2, false, false, true, 10.5L, "10° 30.00'"},
        {ddDM, 2, false, false, false, 10.5L, "10°30.00'"},
        {ddDM, 2, false, false, true, -10.9999999L, "-11° 0.00'"},
        {ddDM, 2, false, true, true, 10.9999999L, "11° 00.00'"},
        {ddDM, 2, true, false, true, 10.9999999L, "11° 0'"},
        {ddDM, 2, false, true, true, 10.05L, "10° 03.00'"},
        {ddDM, 3, true, false, true, -0.25L, "-0° 15'"},
        {ddDMS, 2, false, false, true, -0.0000001L, "0° 0' 0.00\""}, // rounds to nothing: no sign
        {ddDM, 2, false, true, true, -0.0000001L, "0° 00.00'"},
        {ddDMS, 2, false, false, true, -0.00001L, "-0° 0' 0.04\""},
        {ddD, 2, false, false, true, 10.5L, "10.50°"},
        {ddD, 4, true, false, true, 10.5L, "10.5°"},
        {ddFloat, 2, false, false, true, 10.5L, "10.50"},
        {ddFloat, 2, false, false, true, -0.25L, "-0.25"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Text(c.form, c.decimals, c.trim, c.leadingZeroes, c.space, c.degrees), Marks(c.expected))
            << double(c.degrees) << " form " << int(c.form);
}

TEST(OrvkitPositionConversions, BlankWhenZeroIsRestored)
{
    const TOrvScopedValue blank(GlobalBlankWhenZero, true);
    for (const TOrvDMSType form : {ddFloat, ddDMS, ddDM, ddD}) {
        EXPECT_EQ(Text(form, 2, false, false, true, 0), "");
        EXPECT_EQ(Text(form, 2, false, false, true, 1.0E-330L), "");
    }
    // A zero part of a non-zero angle is still written.
    EXPECT_EQ(Text(ddDMS, 2, false, false, true, 10), Marks("10° 0' 0.00\""));
    EXPECT_TRUE(GlobalBlankWhenZero);
}

TEST(OrvkitPositionConversions, PlusSignOnlyOnTheLeadingNumber)
{
    const TOrvScopedValue plus(GlobalShowPosSign, true);
    EXPECT_EQ(Text(ddDMS, 2, false, false, true, 10.504166667L), Marks("+10° 30' 15.00\""));
    EXPECT_EQ(Text(ddDM, 1, false, false, true, 10.5L), Marks("+10° 30.0'"));
    EXPECT_EQ(Text(ddD, 1, false, false, true, 10.5L), Marks("+10.5°"));
    EXPECT_TRUE(GlobalShowPosSign);
}

TEST(OrvkitPositionConversions, CustomUnitsAndSeparators)
{
    const TOrvScopedValue degrees(DegreesSuffix, QStringLiteral("deg"));
    const TOrvScopedValue minutes(MinutesSuffix, QStringLiteral("min"));
    const TOrvScopedValue seconds(SecondsSuffix, QStringLiteral("sec"));
    const TOrvScopedValue decimal(FormatSettings.DecimalSeparator, QChar(u','));
    const TOrvScopedValue thousands(FormatSettings.ThousandSeparator, QChar(u'.'));
    const QString text = DegreesToDMSText(ddDMS, 2, false, false, true, -10.504166667L);
    EXPECT_EQ(text.toStdString(), "-10deg 30min 15,00sec");
    EXPECT_NEAR(double(DMSTextToDegrees(text)), -10.504166667, 1e-9);
    EXPECT_NEAR(double(DMSTextToDegrees(QStringLiteral("10DEG 30MIN 7,5SEC"))), 10.5 + 7.5 / 3600, 1e-12);
}

TEST(OrvkitPositionConversions, DocumentedReadings)
{
    const Extended tenThirtyFifteen = 10 + 30.0L / 60 + 15.0L / 3600;
    const struct {
        const char* text;
        Extended degrees;
    } cases[] = {
        {"10 30 15", tenThirtyFifteen},
        {"10:30:15", tenThirtyFifteen},
        {"10/30/15", tenThirtyFifteen},
        {"10d 30m 15s", tenThirtyFifteen},
        {"10° 30' 15\"", tenThirtyFifteen},
        {"10°30'15\"", tenThirtyFifteen},
        {"  10 30 15  ", tenThirtyFifteen},
        {"-10° 30'", -10.5L},
        {"-10 30 15", -tenThirtyFifteen},
        {"30'", 0.5L},
        {"15\"", 15.0L / 3600},
        {"10 30 15 40", tenThirtyFifteen},
        {"10.5", 10.5L},
        {"-0.25°", -0.25L},
        {"1,000 30", 1000.5L},
        {"", 0},
        {"north", 0},
        {"10°  30'", 10.5L},
        {"-0° 30'", -0.5L},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(double(DMSTextToDegrees(QString::fromUtf8(c.text))), double(c.degrees), 1e-15) << c.text;

    const TOrvScopedValue minutes(MinutesSuffix, QStringLiteral("min"));
    EXPECT_EQ(DMSTextToDegrees(QString::fromUtf8("10°30'")), 10.5L);
    EXPECT_EQ(DMSTextToDegrees(QStringLiteral("10 30min")), 10.5L);
}

TEST(OrvkitPositionConversions, UnreadableNumbersFollowTheFloatErrorSwitch)
{
    EXPECT_EQ(DMSTextToDegrees(QStringLiteral("1.2.3 30")), 0.5L);
    const TOrvScopedValue raise(GlobalRaiseFloatErrors, true);
    EXPECT_THROW((void)DMSTextToDegrees(QStringLiteral("1.2.3 30")), Exception);
}

// Every form, with and without trimming, leading zeroes and spacing, reads back within
// half a unit of the last digit shown.
TEST(OrvkitPositionConversions, TextRoundTripsWithinTheLastShownDigit)
{
    std::mt19937_64 random(1210);
    std::uniform_real_distribution<double> angle(-400.0, 400.0);
    int checked = 0;
    for (int i = 0; i < 1500; ++i) {
        Extended degrees = angle(random);
        if (i % 5 == 0)
            degrees /= 500; // many angles between -1 and 1
        if (i % 7 == 0)
            degrees = std::round(degrees * 3600) / 3600 - 1.0E-9L; // just below whole seconds
        for (const TOrvDMSType form : {ddFloat, ddDMS, ddDM, ddD}) {
            for (const uint8_t decimals : {0, 1, 2, 4}) {
                const unsigned flags = unsigned(random());
                const bool trim = flags & 1, leadingZeroes = flags & 2, space = flags & 4;
                const QString text = DegreesToDMSText(form, decimals, trim, leadingZeroes, space, degrees);
                // Half a unit of the last shown digit, in degrees.
                Extended unit = std::pow(10.0L, -Extended(decimals)) / 2;
                if (form == ddDM)
                    unit /= 60;
                else if (form == ddDMS)
                    unit /= 3600;
                EXPECT_LE(std::fabs(DMSTextToDegrees(text) - degrees), unit * (1 + 1e-9L))
                    << text.toStdString() << " for " << double(degrees);
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 1500 * 16);
}

} // namespace
