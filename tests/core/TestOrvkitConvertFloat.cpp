#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitGuards.h>

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>
#include <random>
#include <string>

using namespace orv;

namespace {

constexpr Extended kInf = std::numeric_limits<Extended>::infinity();
constexpr Extended kNaN = std::numeric_limits<Extended>::quiet_NaN();

QString Q(const char* text)
{
    return QString::fromUtf8(text);
}

// ---------------------------------------------------------------------------------------
// Reference: glibc prints the exact binary value to as many digits as asked; the rounding
// (once, halves away from zero) is done here on that digit string.

struct ExactDigits {
    std::string digits; // 300 significant digits, the first one non-zero
    int exponent = 0;   // the value is 0.d1d2... * 10^(exponent + 1)
};

ExactDigits ExactDigitsOf(Extended magnitude)
{
    char buffer[320];
    std::snprintf(buffer, sizeof buffer, "%.299Le", magnitude);
    ExactDigits out;
    out.digits.push_back(buffer[0]);
    const char* p = buffer + 2;
    while (*p != 'e')
        out.digits.push_back(*p++);
    out.exponent = std::atoi(p + 1);
    return out;
}

// Rounds `digits` (as an integer scaled so the first one has weight 10^exponent) at weight
// 10^place, halves away from zero; returns the kept digits as a decimal integer string.
std::string RoundDigitsAt(const ExactDigits& d, int place)
{
    const int kept = d.exponent - place + 1; // how many leading digits survive
    std::string q = kept > 0 ? d.digits.substr(0, std::size_t(kept)) : std::string("0");
    // The reference needs the exact digit after the kept ones; 300 printed digits are
    // exact unless glibc had to round the 300th, which would show as a run of nines.
    const bool up = kept >= 0 && kept < int(d.digits.size()) && d.digits[std::size_t(kept)] >= '5';
    EXPECT_LT(kept, 290) << "reference precision too small";
    if (up) {
        int i = int(q.size()) - 1;
        while (i >= 0 && q[std::size_t(i)] == '9')
            q[std::size_t(i--)] = '0';
        if (i < 0)
            q.insert(q.begin(), '1');
        else
            ++q[std::size_t(i)];
    }
    const std::size_t nonZero = q.find_first_not_of('0');
    return nonZero == std::string::npos ? std::string("0") : q.substr(nonZero);
}

std::string ReferenceExp(Extended x, int decimals)
{
    if (x == 0)
        return "0" + (decimals ? "." + std::string(std::size_t(decimals), '0') : std::string()) + "E+0";
    const int significant = decimals + 1;
    const ExactDigits d = ExactDigitsOf(std::fabs(x));
    std::string q = RoundDigitsAt(d, d.exponent - significant + 1);
    int exponent = d.exponent;
    if (int(q.size()) > significant) { // 9.99 -> 10.0
        q.pop_back();
        ++exponent;
    }
    std::string out = std::signbit(x) ? "-" : "";
    out += q[0];
    if (decimals > 0)
        out += "." + q.substr(1);
    out += exponent < 0 ? "E-" : "E+";
    out += std::to_string(std::abs(exponent));
    return out;
}

std::string ReferenceFixed(Extended x, int decimals)
{
    if (std::fabs(x) >= 1e18L)
        return ReferenceExp(x, decimals);
    std::string q = "0";
    int place = -decimals;
    if (x != 0) {
        const ExactDigits d = ExactDigitsOf(std::fabs(x));
        place = std::max(d.exponent - 17, -decimals);
        q = RoundDigitsAt(d, place);
    }
    // q * 10^place written with `decimals` digits after the point.
    if (place > 0)
        q += std::string(std::size_t(place), '0');
    const int fraction = std::max(-place, 0);
    if (int(q.size()) <= fraction)
        q.insert(0, std::size_t(fraction - int(q.size()) + 1), '0');
    std::string out = q.substr(0, q.size() - std::size_t(fraction));
    if (decimals > 0)
        out += "." + q.substr(q.size() - std::size_t(fraction)) + std::string(std::size_t(decimals - fraction), '0');
    const bool allZero = out.find_first_not_of("0.") == std::string::npos;
    return (x <= -5.0E-324L && !allZero ? "-" : "") + out;
}

Extended FromBits(uint64_t mantissa, uint16_t signExponent)
{
    unsigned char bytes[sizeof(Extended)] = {};
    std::memcpy(bytes, &mantissa, 8);
    std::memcpy(bytes + 8, &signExponent, 2);
    Extended x;
    std::memcpy(&x, bytes, sizeof x);
    return x;
}

// Random valid 80-bit values: about a third near the fixed range, a third anywhere in
// the normal range, and the rest subnormal or just above.
Extended RandomExtended(std::mt19937_64& rng)
{
    const uint64_t bits = rng();
    const uint16_t sign = (rng() & 1) ? 0x8000 : 0;
    switch (rng() % 3) {
    case 0:
        return FromBits(bits | (uint64_t(1) << 63), uint16_t(sign | (16383 - 70 + rng() % 135)));
    case 1:
        return FromBits(bits | (uint64_t(1) << 63), uint16_t(sign | (1 + rng() % 0x7FFE)));
    default:
        if (rng() & 1)
            return FromBits(bits >> (rng() % 64) & ~(uint64_t(1) << 63), sign);
        return FromBits(bits | (uint64_t(1) << 63), uint16_t(sign | (1 + rng() % 40)));
    }
}

int RandomDecimals(std::mt19937_64& rng)
{
    const uint64_t r = rng() % 10;
    if (r < 6)
        return int(rng() % 8);
    if (r < 9)
        return int(rng() % 30);
    return int(rng() % 256);
}

std::string Utf8(const QString& text)
{
    return text.toStdString();
}

// ---------------------------------------------------------------------------------------
// Reference for reading: strtold in the "C" locale.

Extended CStrtold(const std::string& text, bool& overflow)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    char* end = nullptr;
    const Extended v = strtold_l(text.c_str(), &end, c);
    EXPECT_EQ(*end, '\0') << text;
    overflow = std::isinf(v);
    return v;
}

std::string RandomNumberText(std::mt19937_64& rng)
{
    std::string text;
    const int digits = 1 + int(rng() % (rng() % 4 == 0 ? 45 : 20));
    const int point = int(rng() % uint64_t(digits + 2)) - 1; // -1: no point
    if (rng() % 4 == 0)
        text += '+';
    for (int i = 0; i < digits; ++i) {
        if (i == point)
            text += '.';
        text += char('0' + (i == 0 && rng() % 3 ? 1 + rng() % 9 : rng() % 10));
    }
    switch (rng() % 4) {
    case 0:
        break;
    case 1:
        text += 'E' + std::to_string(int(rng() % 60) - 30);
        break;
    case 2:
        text += (rng() & 1 ? "e-" : "e+") + std::to_string(rng() % 5000);
        break;
    default:
        text += 'e' + std::to_string(int(rng() % 9900) - 4950);
        break;
    }
    return text;
}

} // namespace

// ---------------------------------------------------------------------------------------
// Float to text

TEST(ConvertFloatText, FixedRows)
{
    struct Row {
        Extended x;
        int decimals;
        const char* text;
    };
    const Row rows[] = {
        {0, 0, "0"},
        {0, 2, "0.00"},
        {-0.0L, 2, "0.00"},
        {1.5L, 2, "1.50"},
        {-1.5L, 2, "-1.50"},
        {0.125L, 2, "0.13"},        // an exact half goes away from zero
        {-0.125L, 2, "-0.13"},
        {2.5L, 0, "3"},
        {-2.5L, 0, "-3"},
        {0.5L, 0, "1"},
        {0.0625L, 3, "0.063"},
        {0.1L, 20, "0.10000000000000000000"}, // 18 significant digits, then zeros
        {1e17L + 0.5L, 1, "100000000000000001.0"},
        {123456789.123456789L, 12, "123456789.123456789000"},
        {999999999999999999.9375L, 0, "1000000000000000000"},
        {1234567.891L, 2, "1234567.89"},
        {1e-30L, 4, "0.0000"},
        {-1e-30L, 4, "0.0000"},   // rounds to nothing: no sign
        {-0.00005L, 4, "-0.0001"}, // just above the half: rounds away from zero
        {-0.0000499L, 4, "0.0000"},
        {1e-400L, 2, "0.00"}, // counts as zero: no sign
        {1.0E20L, 2, "1.00E+20"},
        {-1.0E20L, 2, "-1.00E+20"},
        {1e18L, 0, "1E+18"},
        {5e-5L, 4, "0.0001"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Utf8(FloatToFixedText(row.x, uint8_t(row.decimals))), row.text) << row.text;
}

TEST(ConvertFloatText, ExpRows)
{
    struct Row {
        Extended x;
        int decimals;
        const char* text;
    };
    const Row rows[] = {
        {1.0E20L, 2, "1.00E+20"},
        {0, 2, "0.00E+0"},
        {0, 0, "0E+0"},
        {-1.5e-5L, 3, "-1.500E-5"},
        {9.99L, 1, "1.0E+1"},
        {9.96L, 0, "1E+1"},
        {123456.0L, 2, "1.23E+5"},
        {1e-400L, 2, "1.00E-400"},
        {-1e-400L, 2, "-1.00E-400"},
        {std::numeric_limits<Extended>::max(), 5, "1.18973E+4932"},
        {std::numeric_limits<Extended>::denorm_min(), 3, "3.645E-4951"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Utf8(FloatToExpText(row.x, uint8_t(row.decimals))), row.text) << row.text;
}

TEST(ConvertFloatText, ExpShowsExactDigitsBeyondEighteen)
{
    struct Row {
        Extended x;
        int decimals;
        const char* text;
    };
    const Row rows[] = {
        {1.0L / 3, 17, "3.33333333333333333E-1"},
        {1.0L / 3, 18, "3.333333333333333333E-1"},
        {2.0L / 3, 18, "6.666666666666666667E-1"},
        {1.0L / 3, 25, "3.3333333333333333334236835E-1"},
        {1.0L / 7, 19, "1.4285714285714285714E-1"},
        {0.1L, 25, "1.0000000000000000000135525E-1"},
        {1.1L, 40, "1.1000000000000000000216840434497100886801E+0"},
        {123456789.0L / 1024, 25, "1.2056327050781250000000000E+5"}, // exact: the zeros are its digits
        {Extended(2469135780246913577ULL) / 2, 18, "1.234567890123456789E+18"}, // a tie goes away from zero
        {-(Extended(2469135780246913577ULL) / 2), 19, "-1.2345678901234567885E+18"},
        {5e-324L, 18, "5.000000000000000000E-324"}, // the carry runs through every digit
        {5e-324L, 19, "4.9999999999999999998E-324"},
        {1e4000L / 3, 40, "3.3333333333333333333218212910332079283108E+3999"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Utf8(FloatToExpText(row.x, uint8_t(row.decimals))), row.text) << row.text;
    // The fixed and grouped forms hand values from 10^18 on to the same digits.
    EXPECT_EQ(FloatToFixedText(1e20L / 7, 20), Q("1.42857142857142857140E+19"));
    EXPECT_EQ(FloatToGroupedText(-1e20L / 7, 19, false), Q("-1.4285714285714285714E+19"));
}

TEST(ConvertFloatText, ExpMatchesExactReferenceAtEveryLength)
{
    // Each length from 17 digits to the longest, over the whole range and its extremes.
    std::mt19937_64 rng(1918);
    const Extended extremes[] = {std::numeric_limits<Extended>::max(), std::numeric_limits<Extended>::min(),
                                 std::numeric_limits<Extended>::denorm_min(), 1.0L / 3, -2.0L / 3};
    for (int decimals = 16; decimals <= 255; ++decimals) {
        for (const Extended x : extremes)
            ASSERT_EQ(Utf8(FloatToExpText(x, uint8_t(decimals))), ReferenceExp(x, decimals)) << decimals;
        for (int i = 0; i < 12; ++i) {
            const Extended x = RandomExtended(rng);
            ASSERT_EQ(Utf8(FloatToExpText(x, uint8_t(decimals))), ReferenceExp(x, decimals)) << decimals;
        }
    }
}

TEST(ConvertFloatText, NonFiniteValues)
{
    EXPECT_EQ(FloatToFixedText(kInf, 2), Q("INF"));
    EXPECT_EQ(FloatToFixedText(-kInf, 2), Q("-INF"));
    EXPECT_EQ(FloatToFixedText(kNaN, 2), Q("NAN"));
    EXPECT_EQ(FloatToExpText(kInf, 2), Q("INF"));
    EXPECT_EQ(FloatToTrimmedText(-kInf, 2), Q("-INF"));
    EXPECT_EQ(FloatToGroupedText(kInf, 2, false), Q("INF"));
    EXPECT_EQ(FloatToZeroText(-kInf, 8, 2), Q("-INF"));
    EXPECT_EQ(FloatToTrimmedExpText(kNaN, 2), Q("NAN"));
    const Extended unnormal = FromBits(uint64_t(1) << 40, 16500); // no integer bit: not a number
    EXPECT_EQ(FloatToFixedText(unnormal, 2), Q("NAN"));
    EXPECT_EQ(FloatToGroupedText(unnormal, 2, false), Q("NAN"));
    const Extended pseudoDenormal = FromBits(uint64_t(1) << 63, 0); // the unit reads it as 2^-16382
    EXPECT_EQ(Utf8(FloatToExpText(pseudoDenormal, 3)), ReferenceExp(std::ldexp(1.0L, -16382), 3));
    const TOrvScopedValue plus(GlobalShowPosSign, true);
    EXPECT_EQ(FloatToFixedText(kInf, 2), Q("+INF"));
    EXPECT_EQ(FloatToExpText(kInf, 2), Q("INF"));
    EXPECT_EQ(FloatToFixedText(kNaN, 2), Q("NAN"));
}

TEST(ConvertFloatText, TrimmedRows)
{
    EXPECT_EQ(FloatToTrimmedText(2.5L, 4), Q("2.5"));
    EXPECT_EQ(FloatToTrimmedText(3, 2), Q("3"));
    EXPECT_EQ(FloatToTrimmedText(100, 0), Q("100"));
    EXPECT_EQ(FloatToTrimmedText(100, 2), Q("100"));
    EXPECT_EQ(FloatToTrimmedText(0, 3), Q("0"));
    EXPECT_EQ(FloatToTrimmedText(1.0E20L, 3), Q("1E+20"));
    EXPECT_EQ(FloatToTrimmedText(1.5E20L, 3), Q("1.5E+20"));
    EXPECT_EQ(FloatToTrimmedExpText(1.5E-20L, 4), Q("1.5E-20"));
    EXPECT_EQ(FloatToTrimmedExpText(0, 2), Q("0E+0"));
    EXPECT_EQ(FloatToTrimmedExpText(1.0E20L, 0), Q("1E+20"));
    EXPECT_EQ(FloatToTrimmedExpText(0, 0), Q("0E+0")); // the mantissa has no zeros to lose
    EXPECT_EQ(FloatToTrimmedGroupedText(1234567.5L, 3, false), Q("1,234,567.5"));
    EXPECT_EQ(FloatToTrimmedGroupedText(1234567, 0, true), Q("12,34,567"));
    EXPECT_EQ(FloatToTrimmedGroupedText(1000, 2, false), Q("1,000"));
}

TEST(ConvertFloatText, GroupedRows)
{
    EXPECT_EQ(FloatToGroupedText(1234567.891L, 2, false), Q("1,234,567.89"));
    EXPECT_EQ(FloatToGroupedText(-1234567.891L, 2, true), Q("-12,34,567.89"));
    EXPECT_EQ(FloatToGroupedText(999.999L, 2, false), Q("1,000.00"));
    EXPECT_EQ(FloatToGroupedText(0.5L, 0, false), Q("1"));
    EXPECT_EQ(FloatToGroupedText(123456789012345678.0L, 0, true), Q("1,23,45,67,89,01,23,45,678"));
    EXPECT_EQ(FloatToGroupedText(-1.0E20L, 2, false), Q("-1.00E+20"));
}

TEST(ConvertFloatText, ZeroPadded)
{
    EXPECT_EQ(FloatToZeroText(5.25L, 7, 2), Q("0005.25"));
    EXPECT_EQ(FloatToZeroText(-5.25L, 7, 2), Q("-005.25"));
    EXPECT_EQ(FloatToZeroText(0, 4, 1), Q("00.0"));
    {
        const TOrvScopedValue plus(GlobalShowPosSign, true);
        EXPECT_EQ(FloatToZeroText(5.25L, 7, 2), Q("+005.25"));
    }
    const TOrvScopedValue blank(GlobalBlankWhenZero, true);
    EXPECT_EQ(FloatToZeroText(0, 5, 1), Q("     "));
}

TEST(ConvertFloatText, Switches)
{
    {
        const TOrvScopedValue plus(GlobalShowPosSign, true);
        EXPECT_EQ(FloatToFixedText(1.5L, 2), Q("+1.50"));
        EXPECT_EQ(FloatToFixedText(-1.5L, 2), Q("-1.50"));
        EXPECT_EQ(FloatToFixedText(0, 2), Q("0.00"));
        EXPECT_EQ(FloatToFixedText(1.0E20L, 2), Q("1.00E+20")); // the exponent form has no "+"
        EXPECT_EQ(FloatToExpText(1.5L, 1), Q("1.5E+0"));
        EXPECT_EQ(FloatToGroupedText(1234, 2, false), Q("+1,234.00"));
        EXPECT_EQ(FloatToTrimmedText(2.5L, 3), Q("+2.5"));
    }
    const TOrvScopedValue blank(GlobalBlankWhenZero, true);
    EXPECT_EQ(FloatToFixedText(0, 2), QString());
    EXPECT_EQ(FloatToFixedText(1e-400L, 2), QString());
    EXPECT_EQ(FloatToGroupedText(0, 2, false), QString());
    EXPECT_EQ(FloatToExpText(0, 2), QString());
    EXPECT_EQ(FloatToTrimmedText(0, 2), QString());
    EXPECT_EQ(FloatToFixedText(0.001L, 2), Q("0.00")); // not zero, only rounded to it
}

TEST(ConvertFloatText, SwappedSeparators)
{
    const TOrvScopedValue decimal(FormatSettings.DecimalSeparator, QChar(u','));
    const TOrvScopedValue thousand(FormatSettings.ThousandSeparator, QChar(u'.'));
    EXPECT_EQ(FloatToFixedText(1234.5L, 2), Q("1234,50"));
    EXPECT_EQ(FloatToGroupedText(1234567.891L, 2, false), Q("1.234.567,89"));
    EXPECT_EQ(FloatToTrimmedText(2.5L, 3), Q("2,5"));
    EXPECT_EQ(FloatToExpText(1.0E20L, 2), Q("1,00E+20"));
    EXPECT_EQ(FloatToTrimmedExpText(1.5E20L, 3), Q("1,5E+20"));
    Extended value = 0;
    bool ok = false;
    ParseFloatText(Q("(1.234,5)"), value, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(value, -1234.5L);
    EXPECT_EQ(TextToExtended(Q("12,")), 12);
    EXPECT_THROW(ParseFloatText(Q("1,2,3"), value, ok), EConvertError);
}

TEST(ConvertFloatText, FixedMatchesExactReference)
{
    std::mt19937_64 rng(20261210);
    int checked = 0;
    for (int i = 0; i < 6000; ++i) {
        const Extended x = RandomExtended(rng);
        const int decimals = RandomDecimals(rng);
        const std::string expected = ReferenceFixed(x, decimals);
        const std::string actual = Utf8(FloatToFixedText(x, uint8_t(decimals)));
        ASSERT_EQ(actual, expected) << "decimals " << decimals << " value " << Utf8(FloatToExpText(x, 25));
        ++checked;
    }
    EXPECT_EQ(checked, 6000);
}

TEST(ConvertFloatText, ExpMatchesExactReference)
{
    std::mt19937_64 rng(7041);
    for (int i = 0; i < 4000; ++i) {
        const Extended x = RandomExtended(rng);
        const int decimals = RandomDecimals(rng);
        ASSERT_EQ(Utf8(FloatToExpText(x, uint8_t(decimals))), ReferenceExp(x, decimals)) << "decimals " << decimals;
    }
}

TEST(ConvertFloatText, TiesAndPowersMatchReference)
{
    // Halves at every place and the powers of ten, where the digit count changes.
    for (int decimals = 0; decimals <= 20; ++decimals) {
        for (int n = 1; n < 400; ++n) {
            const Extended half = Extended(n) / 8 + std::ldexp(Extended(1), -decimals);
            for (const Extended x : {half, -half, Extended(n) / 16, std::ldexp(Extended(2 * n + 1), -decimals - 1)})
                ASSERT_EQ(Utf8(FloatToFixedText(x, uint8_t(decimals))), ReferenceFixed(x, decimals));
        }
    }
    for (int e = -4950; e <= 4932; e += 7) {
        const Extended p = std::pow(10.0L, Extended(e));
        for (const Extended x : {p, std::nextafter(p, 0.0L), std::nextafter(p, kInf)}) {
            ASSERT_EQ(Utf8(FloatToExpText(x, 17)), ReferenceExp(x, 17)) << e;
            ASSERT_EQ(Utf8(FloatToFixedText(x, 3)), ReferenceFixed(x, 3)) << e;
        }
    }
}

// ---------------------------------------------------------------------------------------
// Text to float

TEST(ConvertFloatReading, LenientRows)
{
    struct Row {
        const char* text;
        Extended value;
        bool ok;
    };
    const Row rows[] = {
        {"(1,234.5)", -1234.5L, true},
        {"-", 0, false},
        {"", 0, false},
        {"  \t", 0, false},
        {"12.", 12, true},
        {"1.5E", 1.5L, true},
        {"1.5E-", 1.5L, true}, // the minus of an unfinished exponent is not the number's
        {"-1.5e-", -1.5L, true},
        {"1.5E-3-", -1.5E-3L, true},
        {"1.5e+ ", 1.5L, true},
        {"50%", 50, true},
        {"--5", -5, true},
        {"5-", -5, true},
        {"- 5 -", -5, true},
        {"(5", -5, true},
        {"+5", 5, true},
        {".5", 0.5L, true},
        {"1,000,000", 1000000, true},
        {"1e-5000", 0, true},
        {"2.5E3", 2500, true},
        {"0.1", 0.1L, true},
        {"()", 0, false},
        {".", 0, false},
    };
    for (const Row& row : rows) {
        Extended value = -99;
        bool ok = !row.ok;
        ParseFloatText(Q(row.text), value, ok);
        EXPECT_EQ(ok, row.ok) << row.text;
        EXPECT_EQ(value, row.value) << row.text;
    }
}

TEST(ConvertFloatReading, StrictReaderRejects)
{
    for (const char* text : {"abc", "1 2", "0x10", "inf", "nan", "1.2.3", "1e5e5", "E5", "+-5", "1e+-5", "12a",
                             "1e99999", "-1e5000", "\xd9\xa1"}) {
        Extended value = -99;
        bool ok = true;
        try {
            ParseFloatText(Q(text), value, ok);
            ADD_FAILURE() << "accepted " << text;
        } catch (const EConvertError& e) {
            EXPECT_TRUE(e.Message().endsWith(Q("' is not a valid floating point value"))) << Utf8(e.Message());
        }
        EXPECT_FALSE(ok) << text;
        EXPECT_EQ(value, 0) << text;
    }
    bool ok = false;
    Extended value = 0;
    try {
        ParseFloatText(Q(" (12x) "), value, ok);
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), Q("'12x' is not a valid floating point value"));
    }
}

TEST(ConvertFloatReading, OverflowLeavesNoFpuFlag)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    Extended value = 0;
    bool ok = false;
    EXPECT_THROW(ParseFloatText(Q("1e99999"), value, ok), EConvertError);
    EXPECT_FALSE(std::fetestexcept(FE_OVERFLOW));
}

TEST(ConvertFloatReading, LongTextsAgreeWithStrtold)
{
    // Longer than any typed entry: the digits no longer fit the reader's stack copy.
    const std::string digits = "31415926535897932384626433832795028841971693993751058209749445923078164062862089986280"
                               "34825342117067982148086513282306647093844609550582231725359408128481117450284102701938";
    for (const std::string& text : {digits, "0." + digits, digits + "e-4800", "1" + std::string(300, '0') + "e-300"}) {
        bool overflow = false;
        const Extended expected = CStrtold(text, overflow);
        Extended value = 0;
        bool ok = false;
        ParseFloatText(Q(text.c_str()), value, ok);
        EXPECT_TRUE(ok);
        EXPECT_EQ(std::memcmp(&value, &expected, 10), 0) << text;
    }
}

TEST(ConvertFloatReading, AgreesWithStrtold)
{
    std::mt19937_64 rng(99);
    for (int i = 0; i < 20000; ++i) {
        const std::string text = RandomNumberText(rng);
        bool overflow = false;
        const Extended expected = CStrtold(text, overflow);
        Extended value = 0;
        bool ok = false;
        if (overflow) {
            EXPECT_THROW(ParseFloatText(Q(text.c_str()), value, ok), EConvertError) << text;
            continue;
        }
        ParseFloatText(Q(text.c_str()), value, ok);
        ASSERT_TRUE(ok) << text;
        ASSERT_EQ(std::memcmp(&value, &expected, 10), 0) << text;
    }
}

TEST(ConvertFloatReading, NearHalfwayTextsAgreeWithStrtold)
{
    // Values printed with 19 to 24 digits lie close to the midpoints between neighbours.
    std::mt19937_64 rng(4242);
    for (int i = 0; i < 6000; ++i) {
        const Extended x = std::fabs(RandomExtended(rng));
        char text[80];
        std::snprintf(text, sizeof text, "%.*Le", 18 + int(rng() % 7), x);
        bool overflow = false;
        const Extended expected = CStrtold(text, overflow);
        Extended value = 0;
        bool ok = false;
        ParseFloatText(Q(text), value, ok);
        ASSERT_EQ(std::memcmp(&value, &expected, 10), 0) << text;
    }
}

TEST(ConvertFloatReading, FormattedTextReadsBack)
{
    std::mt19937_64 rng(5);
    for (int i = 0; i < 3000; ++i) {
        const Extended x = RandomExtended(rng);
        const QString text = FloatToExpText(x, 17);
        bool overflow = false;
        EXPECT_EQ(TextToExtended(text), CStrtold(Utf8(text), overflow)) << Utf8(text);
    }
}

TEST(ConvertFloatReading, TextToExtendedFailures)
{
    EXPECT_EQ(TextToExtended(Q("abc")), 0);
    EXPECT_EQ(TextToExtended(Q("")), 0);
    EXPECT_EQ(TextToExtendedDef(Q("abc"), 7), 7);
    EXPECT_EQ(TextToExtendedDef(Q("-"), 7), 7);
    EXPECT_EQ(TextToExtendedDef(Q("2.5"), 7), 2.5L);
    EXPECT_EQ(TextToDoubleDef(Q("1e400"), 3.0), 3.0);
    EXPECT_EQ(TextToDoubleDef(Q("-1.8e308"), 3.0), 3.0);
    EXPECT_EQ(TextToDoubleDef(Q("1.5e300"), 3.0), 1.5e300);
    EXPECT_EQ(TextToDoubleDef(Q("x"), 3.0), 3.0);
    const TOrvScopedValue raise(GlobalRaiseFloatErrors, true);
    EXPECT_THROW(TextToExtended(Q("abc")), EConvertError);
    EXPECT_THROW(TextToExtendedDef(Q("abc"), 7), EConvertError);
    try {
        TextToExtended(Q(""));
        ADD_FAILURE() << "empty text accepted";
    } catch (const EMathError& e) {
        EXPECT_EQ(e.Message(), Q("Invalid Value"));
    }
    EXPECT_EQ(TextToExtended(Q("12.")), 12);
}
