#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitCurrency.h>
#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitGuards.h>

#include "core/ErrorMessage.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace {

using namespace orv;
using orvtest::kNoError;
using orvtest::RaisedMessage;

__extension__ typedef unsigned __int128 U128;

// Fixed currency settings for every test, whatever the machine's locale.
class OrvkitCurrency : public ::testing::Test {
protected:
    TOrvScopedValue<bool> fShowSymbol{GlobalShowCurrencySymbol, false};
    TOrvScopedValue<bool> fThousands{GlobalCurrencyThousands, false};
    TOrvScopedValue<TCurrencyFormatType> fPlacement{GlobalCurrencyFormat, cftSymVal};
    TOrvScopedValue<TNegativeFormatType> fNegative{GlobalNegativeFormat, nftFront};
    TOrvScopedValue<QString> fSymbol{FormatSettings.CurrencyString, QStringLiteral("$")};
};

// The decimal reference: scale first, then round the quotient half to even, so it
// shares nothing with the split into units and remainder that the routines use.
std::string ReferenceText(int64_t n, int held, int shown)
{
    U128 power = 1;
    for (int i = 0; i < held; ++i)
        power *= 10;
    const U128 magnitude = n < 0 ? U128(0u - uint64_t(n)) : U128(uint64_t(n));
    U128 scaled = magnitude;
    for (int i = 0; i < shown; ++i)
        scaled *= 10;
    U128 q = scaled / power;
    const U128 r = scaled % power;
    if (2 * r > power || (2 * r == power && q % 2 == 1))
        ++q;
    std::string digits;
    do {
        digits.insert(digits.begin(), char('0' + int(q % 10)));
        q /= 10;
    } while (q != 0);
    while (int(digits.size()) < shown + 1)
        digits.insert(digits.begin(), '0');
    if (shown > 0)
        digits.insert(digits.end() - shown, '.');
    const bool shownZero = digits.find_first_not_of("0.") == std::string::npos;
    return (n < 0 && !shownZero ? "-" : "") + digits;
}

TEST_F(OrvkitCurrency, StartUpFormatsComeFromTheSystemLocale)
{
    // The fixture has changed the globals; their saved values are the start-up ones.
    const TOrvFormatSettings system = FormatSettingsFromLocale(QLocale::system());
    TOrvScopedValue<TOrvFormatSettings> settings(FormatSettings, system);
    QString symbol;
    TCurrencyFormatType placement{};
    TNegativeFormatType negative{};
    GetSystemCurrencyFormat(symbol, placement, negative);
    EXPECT_EQ(fPlacement.Saved(), placement);
    EXPECT_EQ(fNegative.Saved(), negative);
    EXPECT_EQ(symbol, system.CurrencyString);
}

TEST_F(OrvkitCurrency, SystemNegativeFormatMapping)
{
    const TNegativeFormatType expected[] = {
        nftBrackets,  nftFront, nftFrontAfter, nftBack,       nftBrackets,   nftFront,
        nftBackBefore, nftBack, nftFront,      nftFront,      nftBack,       nftBack,
        nftFrontAfter, nftBackBefore, nftBrackets, nftBrackets, nftFront /* 16 */, nftFront /* 200 */,
    };
    for (int format = 0; format < int(std::size(expected)); ++format) {
        const uint8_t value = format == 17 ? 200 : uint8_t(format);
        TOrvScopedValue<uint8_t> neg(FormatSettings.NegCurrFormat, value);
        TOrvScopedValue<uint8_t> placementSetting(FormatSettings.CurrencyFormat, uint8_t(format % 5));
        QString symbol;
        TCurrencyFormatType placement{};
        TNegativeFormatType negative{};
        GetSystemCurrencyFormat(symbol, placement, negative);
        EXPECT_EQ(negative, expected[format]) << "system format " << int(value);
        EXPECT_EQ(placement, format % 5 == 4 ? cftSymVal : TCurrencyFormatType(format % 5));
        EXPECT_EQ(symbol.toStdString(), "$");
    }
}

TEST_F(OrvkitCurrency, ApplyCurrencyFormatPlacesSymbolAndSign)
{
    const struct {
        bool symbol;
        TCurrencyFormatType placement;
        TNegativeFormatType negativeFormat;
        bool negative;
        const char* expected;
    } cases[] = {
        {true, cftSymVal, nftFront, false, "$1.00"},
        {true, cftValSym, nftFront, false, "1.00$"},
        {true, cftSymSpaceVal, nftFront, false, "$ 1.00"},
        {true, cftValSpaceSym, nftFront, false, "1.00 $"},
        {false, cftValSpaceSym, nftBrackets, false, "1.00"},
        {true, cftSymVal, nftFrontAfter, true, "$-1.00"},
        {true, cftValSym, nftFrontAfter, true, "-1.00$"},
        {true, cftSymVal, nftBackBefore, true, "$1.00-"},
        {true, cftValSpaceSym, nftBackBefore, true, "1.00- $"},
        {true, cftSymSpaceVal, nftFront, true, "-$ 1.00"},
        {true, cftValSym, nftBack, true, "1.00$-"},
        {true, cftSymVal, nftBrackets, true, "($1.00)"},
        {false, cftSymVal, nftBrackets, true, "(1.00)"},
        {false, cftSymVal, nftFront, true, "-1.00"},
        {false, cftSymVal, nftFrontAfter, true, "-1.00"},
        {false, cftSymVal, nftBack, true, "1.00-"},
        {false, cftSymVal, nftBackBefore, true, "1.00-"},
    };
    for (const auto& c : cases) {
        GlobalShowCurrencySymbol = c.symbol;
        GlobalCurrencyFormat = c.placement;
        GlobalNegativeFormat = c.negativeFormat;
        EXPECT_EQ(ApplyCurrencyFormat(QStringLiteral("1.00"), c.negative).toStdString(), c.expected);
    }
}

TEST_F(OrvkitCurrency, DocumentedFloatTexts)
{
    GlobalShowCurrencySymbol = true;
    GlobalNegativeFormat = nftBrackets;
    EXPECT_EQ(FloatToCurrencyText(-12.5, 2).toStdString(), "($12.50)");
    GlobalNegativeFormat = nftFrontAfter;
    EXPECT_EQ(FloatToCurrencyText(-12.5, 2).toStdString(), "$-12.50");
    GlobalCurrencyFormat = cftValSpaceSym;
    GlobalNegativeFormat = nftBack;
    EXPECT_EQ(FloatToCurrencyText(-12.5, 2).toStdString(), "12.50 $-");
    GlobalShowCurrencySymbol = false;
    GlobalNegativeFormat = nftBackBefore;
    EXPECT_EQ(FloatToCurrencyText(-3, 0).toStdString(), "3-");
    EXPECT_EQ(FloatToGroupedCurrencyText(-1234567.891L, 2).toStdString(), "1,234,567.89-");
    EXPECT_EQ(FloatToGroupedCurrencyText(999, 1).toStdString(), "999.0");
}

TEST_F(OrvkitCurrency, ZeroPlusSignAndGrouping)
{
    {
        const TOrvScopedValue blank(GlobalBlankWhenZero, true);
        EXPECT_EQ(CentsToCurrencyText(0, 2).toStdString(), "");
        EXPECT_EQ(LongCurrencyToCurrencyText(0, 2).toStdString(), "");
        EXPECT_EQ(CurrencyToCurrencyText(TCurrency::FromRaw(0), 2).toStdString(), "");
        EXPECT_EQ(FloatToCurrencyText(1.0E-330L, 2).toStdString(), "");
        // A zero whole part is still written, and the switch is left as it was.
        EXPECT_EQ(CentsToCurrencyText(5, 2).toStdString(), "0.05");
        EXPECT_EQ(FloatToCurrencyText(0.05L, 2).toStdString(), "0.05");
        EXPECT_TRUE(GlobalBlankWhenZero);
    }
    EXPECT_EQ(CentsToCurrencyText(0, 2).toStdString(), "0.00");
    EXPECT_EQ(FloatToCurrencyText(0, 2).toStdString(), "0.00");
    EXPECT_EQ(FloatToCurrencyText(-0.004L, 2).toStdString(), "0.00");
    EXPECT_EQ(FloatToCurrencyText(-0.006L, 2).toStdString(), "-0.01");
    {
        // The amount is unsigned text; the sign is the negative format's business.
        const TOrvScopedValue plus(GlobalShowPosSign, true);
        const TOrvScopedValue thousands(GlobalCurrencyThousands, true);
        EXPECT_EQ(CentsToCurrencyText(12345678, 2).toStdString(), "123,456.78");
        EXPECT_EQ(FloatToCurrencyText(12.5, 1).toStdString(), "12.5");
        EXPECT_EQ(FloatToGroupedCurrencyText(1234.5, 1).toStdString(), "1,234.5");
        EXPECT_TRUE(GlobalShowPosSign);
        EXPECT_EQ(CentsToCurrencyText(std::numeric_limits<int32_t>::min(), 2).toStdString(), "-21,474,836.48");
        EXPECT_EQ(LongCurrencyToCurrencyText(std::numeric_limits<int64_t>::min(), 6).toStdString(),
                  "-9,223,372,036,854.775808");
        EXPECT_EQ(CurrencyToCurrencyText(TCurrency::FromRaw(std::numeric_limits<int64_t>::max()), 0).toStdString(),
                  "922,337,203,685,478");
        EXPECT_EQ(CentsToCurrencyText(99999, 0).toStdString(), "1,000"); // the carry makes a new group
        EXPECT_EQ(CentsToCurrencyText(99949, 1).toStdString(), "999.5");
    }
    EXPECT_EQ(CentsToCurrencyText(123456789, 2).toStdString(), "1234567.89");
}

TEST_F(OrvkitCurrency, DocumentedRounding)
{
    const struct {
        int32_t cents;
        uint8_t decimals;
        const char* expected;
    } cases[] = {
        {1250, 0, "12"}, {1350, 0, "14"}, {1255, 1, "12.6"}, {1245, 1, "12.4"}, {1295, 1, "13.0"},
        {1251, 0, "13"}, {1249, 0, "12"}, {-1250, 0, "-12"}, {-1350, 0, "-14"}, {-1295, 1, "-13.0"},
        {1296, 1, "13.0"}, {1294, 1, "12.9"}, {5, 1, "0.0"}, {15, 1, "0.2"}, {50, 0, "0"}, {150, 0, "2"},
        {1234, 2, "12.34"}, {1234, 3, "12.34"}, {-7, 2, "-0.07"}, {-5, 1, "0.0"}, {-50, 0, "0"}, {-51, 0, "-1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CentsToCurrencyText(c.cents, c.decimals).toStdString(), c.expected)
            << c.cents << " with " << int(c.decimals);
}

// Ties to even at each kept digit and the carry into the units, for all three types
// against the decimal reference.
TEST_F(OrvkitCurrency, TextRoundingAgreesWithDecimalReference)
{
    for (int32_t n = -10000; n <= 10000; ++n)
        for (uint8_t d = 0; d <= 2; ++d)
            ASSERT_EQ(CentsToCurrencyText(n, d).toStdString(), ReferenceText(n, 2, d)) << n << " with " << int(d);

    std::mt19937_64 random(11);
    const int64_t edges[] = {std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max(), 0, 1, -1,
                             4999995, 5000005, 9999995, -500000, 1500000, 2500000};
    for (int i = 0; i < 4000; ++i) {
        int64_t n = i < int(std::size(edges)) ? edges[i] : int64_t(random());
        if (i % 3 == 1)
            n = (n % 100000) * 5; // many ties and near-ties
        const int32_t cents = int32_t(uint32_t(uint64_t(n)));
        for (uint8_t d = 0; d <= 7; ++d) {
            ASSERT_EQ(LongCurrencyToCurrencyText(n, d).toStdString(), ReferenceText(n, 6, std::min<int>(d, 6)))
                << n << " with " << int(d);
            ASSERT_EQ(CurrencyToCurrencyText(TCurrency::FromRaw(n), d).toStdString(),
                      ReferenceText(n, 4, std::min<int>(d, 4)))
                << n << " with " << int(d);
            if (d <= 2) {
                ASSERT_EQ(CentsToCurrencyText(cents, d).toStdString(), ReferenceText(cents, 2, d)) << cents;
            }
        }
    }
}

TEST_F(OrvkitCurrency, FloatToFixedPointRoundsTiesToEvenAndRefusesWhatDoesNotFit)
{
    const struct {
        long double x;
        int32_t cents; // or an error
        bool fits;
    } cents[] = {
        {21474836.47L, 2147483647, true}, {21474836.48L, 0, false}, {-21474836.48L, std::numeric_limits<int32_t>::min(), true},
        {-21474836.49L, 0, false}, {0.125L, 12, true}, {0.375L, 38, true}, {-0.125L, -12, true}, {12.3449L, 1234, true},
        {1.0E300L, 0, false}, {std::numeric_limits<long double>::quiet_NaN(), 0, false},
        {-std::numeric_limits<long double>::infinity(), 0, false},
    };
    for (const auto& c : cents) {
        if (c.fits) {
            EXPECT_EQ(FloatToCents(c.x), c.cents) << double(c.x);
        } else {
            EXPECT_EQ(RaisedMessage<EConvertError>([&] { (void)FloatToCents(c.x); }), "Invalid Value") << double(c.x);
        }
    }
    EXPECT_EQ(FloatToLongCurrency(1.0L / 128), 7812);  // 7812.5
    EXPECT_EQ(FloatToLongCurrency(3.0L / 128), 23438); // 23437.5
    EXPECT_EQ(FloatToLongCurrency(-9.2E12L), -9200000000000000000);
    for (long double x : {9.23E12L, -9.23E12L, std::numeric_limits<long double>::quiet_NaN()})
        EXPECT_EQ(RaisedMessage<EConvertError>([&] { (void)FloatToLongCurrency(x); }), "Invalid Value");
    EXPECT_EQ(TCurrency::FromFloat(1.0L / 32), TCurrency::FromRaw(312)); // 312.5
    EXPECT_EQ(RaisedMessage<EConvertError>([] { (void)TCurrency::FromFloat(9.23E14L); }), "Invalid Value");
}

TEST_F(OrvkitCurrency, MoneyTypesRoundTrip)
{
    std::mt19937_64 random(42);
    for (int i = 0; i < 10000; ++i) {
        const int32_t cents = i == 0 ? std::numeric_limits<int32_t>::min()
            : i == 1                 ? std::numeric_limits<int32_t>::max()
                                     : int32_t(uint32_t(random()));
        ASSERT_EQ(FloatToCents(CentsToFloat(cents)), cents);
        // Exact below 2^62 in magnitude, where the two roundings through 64 mantissa bits
        // stay under half a unit.
        const int64_t limit = int64_t(1) << 62;
        const int64_t millionths = i == 0 ? 1 - limit : i == 1 ? limit - 1 : int64_t(random()) / 2;
        ASSERT_EQ(FloatToLongCurrency(LongCurrencyToFloat(millionths)), millionths);
        const TCurrency money = TCurrency::FromRaw(millionths);
        ASSERT_EQ(TCurrency::FromFloat(CurrencyToFloat(money)), money);

        // Through the text as well, read back by the float reader.
        ASSERT_EQ(FloatToCents(TextToExtended(CentsToCurrencyText(cents, 2))), cents);
        ASSERT_EQ(FloatToLongCurrency(TextToExtended(LongCurrencyToCurrencyText(millionths / 1000, 6))),
                  millionths / 1000);
        ASSERT_EQ(TCurrency::FromFloat(TextToExtended(CurrencyToCurrencyText(TCurrency::FromRaw(millionths / 1000), 4))),
                  TCurrency::FromRaw(millionths / 1000));
    }
}

TEST_F(OrvkitCurrency, RemoveCurrencySymbolIgnoresCase)
{
    const struct {
        const char *symbol, *text, *expected;
    } cases[] = {
        {"EUR", "12 eur", "12 "},  {"EUR", "EUR12EuR", "12"}, {"EUR", "EEURUR 5", " 5"}, {"", "12 $", "12 $"},
        {"$", "$12.50", "12.50"}, {"kr", "KR 5 Kr", " 5 "},  {"EUR", "12", "12"},
    };
    for (const auto& c : cases) {
        const TOrvScopedValue symbol(FormatSettings.CurrencyString, QString::fromLatin1(c.symbol));
        EXPECT_EQ(RemoveCurrencySymbol(QString::fromLatin1(c.text)).toStdString(), c.expected) << c.text;
    }
}

} // namespace
