#include <orvkit/core/OrvkitMath.h>

#include <orvkit/core/OrvkitExceptions.h>

#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <typeinfo>

using namespace orv;

namespace {

// The math errors are plain EMathError (not one of the FPU subclasses) with one text.
void ExpectMathError(const std::function<void()>& call, const char* text)
{
    try {
        call();
        ADD_FAILURE() << "no error, expected \"" << text << "\"";
    } catch (const EMathError& e) {
        EXPECT_EQ(typeid(e), typeid(EMathError)) << typeid(e).name();
        EXPECT_EQ(e.Message(), QString::fromLatin1(text));
    }
}

// Distance in units of the last place of `expected`.
long double Ulps(long double actual, long double expected)
{
    const long double ulp = std::nextafter(std::fabs(expected), LDBL_MAX) - std::fabs(expected);
    return std::fabs(actual - expected) / ulp;
}

::testing::AssertionResult Near(long double actual, long double expected, long double relative)
{
    const long double scale = std::max(std::fabs(expected), LDBL_MIN);
    if (std::fabs(actual - expected) <= relative * scale)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::scientific << "actual " << double(actual) << " expected "
                                         << double(expected) << " relative error "
                                         << double(std::fabs(actual - expected) / scale);
}

constexpr const char* kDivisionByZero = "Division by Zero";
constexpr const char* kNotDefined = "Not Defined for that Value";
const long double kSqrtPi = std::sqrt(3.14159265358979323846264338328L);

// ---------------------------------------------------------------------------------
// Constants: each one is the 80-bit value nearest the true constant (references worked
// out to 60 digits and rounded to a 64-bit mantissa).

TEST(OrvkitMathConstants, AreCorrectlyRoundedExtended)
{
    const struct {
        const char* name;
        long double value;
        long double nearest;
    } rows[] = {
        {"ZeroTolerance", ZeroTolerance, 0x8.18995ce7aa0e1b2p-1077L},
        {"RelTolerance", RelTolerance, 0x9.01d7cf73ab0acd9p-53L},
        {"DoubleRelTolerance", DoubleRelTolerance, 0xe.12e13424bb40e13p-47L},
        {"MaxAngle", MaxAngle, 0x8p+60L},
        {"EulerE", EulerE, 0xa.df85458a2bb4a9bp-2L},
        {"PiValue", PiValue, 0xc.90fdaa22168c235p-2L},
        {"InvPi", InvPi, 0xa.2f9836e4e44152ap-5L},
        {"TwoPi", TwoPi, 0xc.90fdaa22168c235p-1L},
        {"HalfPi", HalfPi, 0xc.90fdaa22168c235p-3L},
        {"DegPerRad", DegPerRad, 0xe.52ee0d31e0fbdc3p+2L},
        {"RadPerDeg", RadPerDeg, 0x8.efa351294e9c8aep-9L},
        {"EulerGamma", EulerGamma, 0x9.3c467e37db0c7a5p-4L},
        {"GoldenRatio", GoldenRatio, 0xc.f1bbcdcbfa53e0bp-3L},
        {"LnRootTwoPi", LnRootTwoPi, 0xe.b3f8e4325f5a535p-4L},
        {"LightSpeed", LightSpeed, 299792458.0L},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.value, row.nearest) << row.name;
    EXPECT_EQ(MaxAngle, std::ldexp(1.0L, 63));
}

// ---------------------------------------------------------------------------------
// Zero, sign and comparison

TEST(OrvkitMathZero, TestsAgainstZeroTolerance)
{
    const long double belowTolerance = 1.0E-330L; // an extended denormal below 5E-324
    const struct {
        long double x;
        bool zero, positive, negative;
        int32_t sign;
    } rows[] = {
        {0.0L, true, false, false, 0},
        {-0.0L, true, false, false, 0},
        {belowTolerance, true, false, false, 0},
        {-belowTolerance, true, false, false, 0},
        {ZeroTolerance, false, true, false, 1},
        {-ZeroTolerance, false, false, true, -1},
        {1.0E-300L, false, true, false, 1},
        {-2.5L, false, false, true, -1},
        {LDBL_MAX, false, true, false, 1},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FloatIsZero(row.x), row.zero) << double(row.x);
        EXPECT_EQ(FloatIsNonZero(row.x), !row.zero) << double(row.x);
        EXPECT_EQ(FloatIsPositive(row.x), row.positive) << double(row.x);
        EXPECT_EQ(FloatIsNegative(row.x), row.negative) << double(row.x);
        EXPECT_EQ(FloatSign(row.x), row.sign) << double(row.x);
    }
}

TEST(OrvkitMathZero, IntegerSigns)
{
    EXPECT_EQ(Int64Sign(INT64_MIN), -1);
    EXPECT_EQ(Int64Sign(0), 0);
    EXPECT_EQ(Int64Sign(INT64_MAX), 1);
    EXPECT_EQ(Int32Sign(INT32_MIN), -1);
    EXPECT_EQ(Int32Sign(0), 0);
    EXPECT_EQ(Int32Sign(7), 1);
}

TEST(OrvkitMathZero, RelativeTolerances)
{
    EXPECT_EQ(FloatTolerance(0, 5), RelTolerance);
    EXPECT_EQ(FloatTolerance(-3, 0), RelTolerance);
    EXPECT_EQ(FloatTolerance(-4, 2), 2 * RelTolerance);
    EXPECT_EQ(DoubleTolerance(0, 1e300), static_cast<double>(DoubleRelTolerance));
    EXPECT_EQ(DoubleTolerance(1000, -10), static_cast<double>(10 * DoubleRelTolerance));

    EXPECT_TRUE(SameFloat(1, 1 + 0.9E-15L));
    EXPECT_FALSE(SameFloat(1, 1 + 1.1E-15L));
    EXPECT_TRUE(SameFloat(0, 1.0E-16L)); // against 0 the tolerance is absolute
    EXPECT_FALSE(SameFloat(0, 1.0E-14L));
    EXPECT_TRUE(SameFloat(1.0E300L, 1.0E300L * (1 + 1.0E-16L)));
    EXPECT_FALSE(DifferentFloat(1, 1 + 0.9E-15L));
    EXPECT_TRUE(DifferentFloat(1, 1 + 1.1E-15L));
    EXPECT_FALSE(DifferentDouble(1, 1 + 0.9E-13));
    EXPECT_TRUE(DifferentDouble(1, 1 + 1.1E-13));
    EXPECT_TRUE(DifferentDouble(-1, 1));
}

// ---------------------------------------------------------------------------------
// Rounding, division and small helpers

TEST(OrvkitMathRounding, CeilAndFloor)
{
    const struct {
        long double x, ceil, floor;
    } rows[] = {
        {2.5L, 3, 2}, {-2.5L, -2, -3}, {3, 3, 3}, {-3, -3, -3}, {0.25L, 1, 0}, {-0.25L, 0, -1},
        {1.0E25L, 1.0E25L, 1.0E25L}, {-1.0E-30L, 0, -1},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FloatCeil(row.x), row.ceil) << double(row.x);
        EXPECT_EQ(FloatFloor(row.x), row.floor) << double(row.x);
    }
}

TEST(OrvkitMathDivision, ModuloSigns)
{
    EXPECT_EQ(FloorMod(-7, 3), 2);
    EXPECT_EQ(TruncMod(-7, 3), -1);
    EXPECT_EQ(FloorMod(7, -3), -2);
    EXPECT_EQ(TruncMod(7, -3), 1);
    EXPECT_EQ(FloorMod(7.5L, 2), 1.5L);
    EXPECT_EQ(FloorMod(-7.5L, 2), 0.5L);
    EXPECT_EQ(FloorDiv(-7, 3), -3);
    EXPECT_EQ(TruncDiv(-7, 3), -2);
    EXPECT_EQ(FloorDiv(7, 3), 2);
    EXPECT_EQ(TruncDiv(-6, 3), -2);
}

// Dyadic operands a/8, b/8 are exact, so the remainder must equal the integer one / 8.
TEST(OrvkitMathDivision, ModuloMatchesExactIntegerArithmetic)
{
    std::mt19937_64 random(20261210);
    std::uniform_int_distribution<int64_t> dividends(-2000000000, 2000000000);
    std::uniform_int_distribution<int64_t> divisors(-100000, 100000);
    for (int i = 0; i < 5000; ++i) {
        const int64_t a = dividends(random);
        int64_t b = divisors(random);
        if (b == 0)
            b = 1;
        const int64_t trunc = a % b;
        const int64_t floor = (trunc != 0 && ((trunc < 0) != (b < 0))) ? trunc + b : trunc;
        const long double x = a / 8.0L;
        const long double y = b / 8.0L;
        ASSERT_EQ(TruncMod(x, y), trunc / 8.0L) << a << " " << b;
        ASSERT_EQ(FloorMod(x, y), floor / 8.0L) << a << " " << b;
        ASSERT_EQ(TruncDiv(x, y), static_cast<long double>(a / b)) << a << " " << b;
        ASSERT_EQ(FloorDiv(x, y), static_cast<long double>((a - floor) / b)) << a << " " << b;
    }
}

// Once the quotient has no fraction bits left, x - y * q would be noise; 2^70 mod 3 = 1.
TEST(OrvkitMathDivision, ModuloOfHugeQuotientsIsExact)
{
    const long double x = std::ldexp(1.0L, 70);
    EXPECT_EQ(FloorMod(x, 3), 1);
    EXPECT_EQ(FloorMod(-x, 3), 2);
    EXPECT_EQ(FloorMod(x, -3), -2);
    EXPECT_EQ(TruncMod(-x, 3), -1);
    EXPECT_EQ(TruncMod(x, -3), 1);
}

TEST(OrvkitMathDivision, ZeroDivisorRaises)
{
    for (const long double y : {0.0L, -0.0L, 1.0E-330L}) {
        ExpectMathError([y] { FloorMod(7, y); }, kDivisionByZero);
        ExpectMathError([y] { TruncMod(7, y); }, kDivisionByZero);
        ExpectMathError([y] { FloorDiv(7, y); }, kDivisionByZero);
        ExpectMathError([y] { TruncDiv(7, y); }, kDivisionByZero);
    }
}

TEST(OrvkitMathDivision, QuotientOverflowRaisesFpuError)
{
    EXPECT_THROW(FloorDiv(LDBL_MAX, 1.0E-300L), EOverflow);
    EXPECT_THROW(TruncDiv(-LDBL_MAX, 1.0E-300L), EOverflow);
}

TEST(OrvkitMathRounding, RoundToDecimals)
{
    const struct {
        long double x;
        uint8_t n;
        long double expected;
    } rows[] = {
        {2.5L, 0, 2},                          // ties to even
        {3.5L, 0, 4},
        {-2.5L, 0, -2},
        {0.125L, 2, 12.0L / 100},              // 12.5 goes to 12
        {0.375L, 2, 38.0L / 100},              // 37.5 goes to 38
        {-0.125L, 2, -12.0L / 100},
        {1.23456L, 3, 1235.0L / 1000},
        {0, 4, 0},
        {1.0E-330L, 2, 0},                     // counts as zero
        {123456.789L, 0, 123457},
    };
    for (const auto& row : rows)
        EXPECT_EQ(RoundToDecimals(row.x, row.n), row.expected) << double(row.x) << " " << int(row.n);
}

// A product beyond 64-bit integers leaves x as it is: it has no digits there to round.
TEST(OrvkitMathRounding, RoundToDecimalsBeyondInt64KeepsValue)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    for (const auto& [x, n] : {std::pair{1.0E30L, uint8_t{0}}, std::pair{-1.0E18L, uint8_t{2}},
                               std::pair{123.456L, uint8_t{255}}, std::pair{LDBL_MAX, uint8_t{255}},
                               std::pair{inf, uint8_t{1}}, std::pair{-inf, uint8_t{1}}}) {
        EXPECT_EQ(RoundToDecimals(x, n), x) << double(x) << " " << int(n);
    }
    EXPECT_TRUE(std::isnan(RoundToDecimals(std::numeric_limits<long double>::quiet_NaN(), 2)));
    // Just inside the range it still rounds.
    EXPECT_EQ(RoundToDecimals(9.2233720368547758e17L + 0.25L, 1), 9.2233720368547758e17L + 0.2L);
}

TEST(OrvkitMathHelpers, GcdAndLcm)
{
    EXPECT_EQ(GcdOf(12, 18), 6U);
    EXPECT_EQ(GcdOf(7, 0), 7U);
    EXPECT_EQ(GcdOf(0, 7), 7U);
    EXPECT_EQ(GcdOf(0, 0), 0U);
    EXPECT_EQ(GcdOf(4294967295U, 65535U), 65535U);

    const struct {
        int32_t a, b;
        int64_t lcm;
    } rows[] = {
        {4, -6, 12},
        {-4, -6, 12},
        {7, 13, 91},
        {INT32_MIN, INT32_MIN, 2147483648LL},
        {INT32_MIN, 3, 6442450944LL},
        {INT32_MIN, INT32_MAX, 2147483648LL * 2147483647LL},
        {INT32_MAX, INT32_MAX - 1, 2147483647LL * 2147483646LL},
    };
    for (const auto& row : rows)
        EXPECT_EQ(LcmOf(row.a, row.b), row.lcm) << row.a << " " << row.b;
    ExpectMathError([] { LcmOf(0, 5); }, kNotDefined);
    ExpectMathError([] { LcmOf(5, 0); }, kNotDefined);
}

TEST(OrvkitMathHelpers, Hypotenuse)
{
    EXPECT_EQ(Hypotenuse(3, 4), 5);
    EXPECT_EQ(Hypotenuse(-3, 4), 5);
    EXPECT_EQ(Hypotenuse(0, -5), 5);
    EXPECT_EQ(Hypotenuse(-5, 0), 5);
    EXPECT_EQ(Hypotenuse(0, 0), 0);
    // No overflow in the squares.
    EXPECT_TRUE(Near(Hypotenuse(3.0E4000L, 4.0E4000L), 5.0E4000L, 1.0E-18L));
    EXPECT_TRUE(Near(Hypotenuse(3.0E-4000L, -4.0E-4000L), 5.0E-4000L, 1.0E-18L));
    EXPECT_THROW(Hypotenuse(LDBL_MAX, LDBL_MAX), EOverflow);
    const long double inf = std::numeric_limits<long double>::infinity();
    EXPECT_EQ(Hypotenuse(inf, -inf), inf);
    EXPECT_EQ(Hypotenuse(3, -inf), inf);
}

TEST(OrvkitMathHelpers, MinAndMax)
{
    EXPECT_EQ(Max32(-1, 2), 2);
    EXPECT_EQ(Min32(-1, 2), -1);
    EXPECT_EQ(Min64(INT64_MIN, 0), INT64_MIN);
    EXPECT_EQ(MinOfBytes(200, 7), 7);
    EXPECT_EQ(MinExt(2.5L, -1), -1);
    // Equal values: the first one comes back.
    EXPECT_FALSE(std::signbit(MinExt(0.0L, -0.0L)));
    EXPECT_TRUE(std::signbit(MinExt(-0.0L, 0.0L)));
}

// ---------------------------------------------------------------------------------
// Powers and logarithms

TEST(OrvkitMathPowers, PowerByUIntMatchesExactProducts)
{
    EXPECT_EQ(PowerByUInt(2, 0), 1);
    EXPECT_EQ(PowerByUInt(0, 0), 1);
    EXPECT_EQ(PowerByUInt(-3, 3), -27);
    EXPECT_EQ(PowerByUInt(0.5L, 10), 1.0L / 1024);
    // 3^k below 2^64 is exact in 64-bit integers and in extended precision.
    uint64_t exact = 1;
    for (uint32_t k = 0; k <= 40; ++k) {
        EXPECT_EQ(PowerByUInt(3, k), static_cast<long double>(exact)) << k;
        EXPECT_EQ(PowerByUInt(-3, k), (k & 1 ? -1 : 1) * static_cast<long double>(exact)) << k;
        exact *= 3;
    }
    EXPECT_TRUE(Near(PowerByUInt(1.0001L, 100000), std::pow(1.0001L, 100000.0L), 1.0E-14L));
}

TEST(OrvkitMathPowers, PowerByUIntOverflowRaisesButLastSquareDoesNot)
{
    EXPECT_THROW(PowerByUInt(10, 5000), EOverflow);
    EXPECT_EQ(PowerByUInt(1.0E3000L, 1), 1.0E3000L);
    EXPECT_EQ(PowerByUInt(0.1L, 6000), 0); // underflow is silent
}

TEST(OrvkitMathPowers, FloatIntPowerSpecialCases)
{
    const struct {
        long double x;
        int32_t n;
        long double expected;
    } rows[] = {
        {0, 0, 1},           {5, 0, 1},          {0, 3, 0},          {1, -7, 1},
        {1, INT32_MIN, 1},   {-1, -3, -1},       {-1, 4, 1},         {-1, INT32_MIN, 1},
        {-1, INT32_MAX, -1}, {2, -2, 0.25L},     {0.5L, -3, 8},      {-2, -3, -0.125L},
        {10, 3, 1000},       {2, INT32_MIN, 0},  {0.5L, INT32_MAX, 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FloatIntPower(row.x, row.n), row.expected) << double(row.x) << "^" << row.n;
    ExpectMathError([] { FloatIntPower(0, -1); }, "Cannot Raise 0 to a Negative Power");
    ExpectMathError([] { FloatIntPower(-0.0L, INT32_MIN); }, "Cannot Raise 0 to a Negative Power");
}

// When x^|n| overflows, the power is taken of 1/x instead.
TEST(OrvkitMathPowers, FloatIntPowerFallsBackToReciprocalBase)
{
    EXPECT_EQ(FloatIntPower(2, -16440), std::ldexp(1.0L, -16440)); // a denormal result
    EXPECT_EQ(FloatIntPower(-2, -16383), -std::ldexp(1.0L, -16383));
    const long double tiny = FloatIntPower(10, -4940);
    EXPECT_GT(tiny, 0);
    EXPECT_TRUE(Near(tiny, 1.0E-4940L, 1.0E-8L)); // a denormal holds ~34 bits here
    EXPECT_THROW(FloatIntPower(10, 5000), EOverflow);
    EXPECT_THROW(FloatIntPower(1.0E-4940L, -1), EOverflow);
}

TEST(OrvkitMathPowers, Int64Power)
{
    const struct {
        int32_t base;
        uint8_t n;
        int64_t expected;
    } rows[] = {
        {2, 62, 4611686018427387904LL},
        {-2, 62, 4611686018427387904LL},
        {-2, 61, -2305843009213693952LL},
        {3, 39, 4052555153018976267LL},
        {0, 0, 1},
        {0, 5, 0},
        {1, 62, 1},
        {-1, 61, -1},
        {-1, 62, 1},
        {7, 0, 1},
        {10, 19, -8446744073709551616LL}, // 10^19 wraps modulo 2^64
        {INT32_MIN, 2, 4611686018427387904LL},
        {INT32_MIN, 3, 0},                // 2^93 wraps to 0
    };
    for (const auto& row : rows)
        EXPECT_EQ(Int64Power(row.base, row.n), row.expected) << row.base << "^" << int(row.n);
    for (const int32_t base : {0, 1, -1, 2})
        ExpectMathError([base] { Int64Power(base, 63); }, "Power would cause Int64 overflow");
    ExpectMathError([] { Int64Power(2, 255); }, "Power would cause Int64 overflow");
}

TEST(OrvkitMathPowers, FloatPowerFpuErrors)
{
    EXPECT_TRUE(Near(FloatPower(2, 0.5L), std::sqrt(2.0L), 1.0E-19L));
    EXPECT_EQ(FloatPower(-8, 3), -512);
    EXPECT_THROW(FloatPower(-8, 0.5L), EInvalidOp);
    EXPECT_THROW(FloatPower(10, 5000), EOverflow);
    EXPECT_THROW(FloatPower(0, -1), EZeroDivide);
}

TEST(OrvkitMathPowers, Pow2)
{
    for (const int k : {0, 1, -1, 10, -20, 16383, -16445})
        EXPECT_EQ(Pow2(k), std::ldexp(1.0L, k)) << k;
    for (const long double x : {0.5L, -0.5L, 0.3L, 10.7L, -20.25L, 100.125L, 1.0E-10L, 16383.9L, -16000.3L})
        EXPECT_LE(Ulps(Pow2(x), std::exp2(x)), 2) << double(x);
    EXPECT_THROW(Pow2(20000), EOverflow);
    EXPECT_EQ(Pow2(-20000), 0);
}

TEST(OrvkitMathLogs, RawLogsAgainstLibrary)
{
    for (const long double x : {2.0L, 10.0L, 1000.0L, 0.001L, 3.7L, 1.0E300L, 1.0E-4000L, 1.5L}) {
        EXPECT_LE(Ulps(RawLog10(x), std::log10(x)), 2) << double(x);
        EXPECT_LE(Ulps(RawLog2(x), std::log2(x)), 2) << double(x);
    }
    EXPECT_EQ(RawLog2(1024), 10);
    for (const long double x : {1.0E-30L, -1.0E-12L, 0.05L, -0.09L, 0.25L, 0.5L, -0.5L, 3.0L, 1.0E10L}) {
        EXPECT_LE(Ulps(RawLog10p1(x), std::log1p(x) / std::log(10.0L)), 3) << double(x);
        EXPECT_LE(Ulps(RawLog2p1(x), std::log1p(x) / std::log(2.0L)), 3) << double(x);
    }
}

TEST(OrvkitMathLogs, RawLogsFpuErrors)
{
    EXPECT_THROW(RawLog10(0), EZeroDivide);
    EXPECT_THROW(RawLog2(-1), EInvalidOp);
    EXPECT_THROW(RawLog10p1(-1), EZeroDivide);
    EXPECT_THROW(RawLog2p1(-2), EInvalidOp);
}

TEST(OrvkitMathLogs, SafeLogs)
{
    EXPECT_EQ(SafeLog10(1), 0);
    EXPECT_EQ(SafeLog2(1), 0);
    EXPECT_EQ(SafeLog2(8), 3);
    EXPECT_LE(Ulps(SafeLog10(100), 2), 1);
    // Near 1 the log(1 + x) form keeps the small result's digits.
    const long double nearOne = 1 + std::ldexp(1.0L, -40);
    EXPECT_LE(Ulps(SafeLog10(nearOne), std::log1p(std::ldexp(1.0L, -40)) / std::log(10.0L)), 3);
    EXPECT_LE(Ulps(SafeLog2(1.05L), std::log2(1.05L)), 3);
    EXPECT_LE(Ulps(SafeLog10(0.95L), std::log10(0.95L)), 3);
    for (const long double x : {0.0L, -5.0L, 1.0E-330L}) {
        ExpectMathError([x] { SafeLog10(x); }, "Value must be > 0");
        ExpectMathError([x] { SafeLog2(x); }, "Value must be > 0");
    }
}

// A flag left set by the caller neither fails our call nor is lost.
TEST(OrvkitMathFpu, CallerFlagsAreKept)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_OVERFLOW);
    EXPECT_EQ(SafeLog2(8), 3);
    EXPECT_NE(std::fetestexcept(FE_OVERFLOW), 0);
    std::feclearexcept(FE_ALL_EXCEPT);
}

// A step that overflows on the way to a finite answer neither raises nor leaves a flag.
TEST(OrvkitMathFpu, IntermediateOverflowToFiniteResultIsQuiet)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    const long double lnGamma = LnGammaOf(1.0E3000L); // 1/z^2 of an overflowing square
    EXPECT_TRUE(Near(lnGamma, std::lgamma(1.0E3000L), 1.0E-18L));
    EXPECT_EQ(FloorMod(LDBL_MAX, 1.0E-300L), std::fmod(LDBL_MAX, 1.0E-300L)); // x / y overflows
    EXPECT_EQ(FloatIntPower(10, -4940), PowerByUInt(0.1L, 4940));            // 10^4940 overflows
    EXPECT_EQ(std::fetestexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO), 0);
    // Nor does an error that was raised.
    EXPECT_THROW(HypCos(1.0E6L), EOverflow);
    EXPECT_THROW(RawLog2(0), EZeroDivide);
    EXPECT_EQ(std::fetestexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO), 0);
}

// Infinite and NaN arguments are no new error: they pass through quietly.
TEST(OrvkitMathFpu, NonFiniteArgumentsPassQuietly)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_EQ(HypCos(-inf), inf);
    EXPECT_EQ(FloatPower(inf, 2), inf);
    EXPECT_EQ(HypTan(inf), 1);
    EXPECT_TRUE(std::isnan(RawLog10(nan)));
    EXPECT_TRUE(std::isnan(HypSin(nan)));
}

// ---------------------------------------------------------------------------------
// Trigonometry

TEST(OrvkitMathTrig, AngleUnits)
{
    EXPECT_TRUE(Near(GradToRad(200), PiValue, 1.0E-19L));
    EXPECT_TRUE(Near(GradToRad(-100), -HalfPi, 1.0E-19L));
    EXPECT_TRUE(Near(RadToGrad(PiValue), 200, 1.0E-19L));
    EXPECT_TRUE(Near(RadToGrad(GradToRad(37.5L)), 37.5L, 1.0E-18L));
}

TEST(OrvkitMathTrig, SafeTanRefusesLargeAngles)
{
    const long double belowMax = std::nextafter(MaxAngle, 0.0L);
    for (const long double x : {1.0E19L, -1.0E19L, MaxAngle, -MaxAngle, std::numeric_limits<long double>::infinity(),
                                std::numeric_limits<long double>::quiet_NaN()}) {
        ExpectMathError([x] { SafeTan(x); }, "Angle Magnitude Too Large");
        ExpectMathError(
            [x] {
                long double s, c;
                SafeSinCos(x, s, c);
            },
            "Angle Magnitude Too Large");
    }
    EXPECT_EQ(SafeTan(9.2E18L), std::tan(9.2E18L));
    EXPECT_EQ(SafeTan(belowMax), std::tan(belowMax));
    EXPECT_LE(Ulps(SafeTan(PiValue / 4), 1), 2);
    EXPECT_THROW(RawTan(std::numeric_limits<long double>::infinity()), EInvalidOp);
}

TEST(OrvkitMathTrig, SinCos)
{
    for (const long double x : {0.0L, 1.0L, -2.5L, 100.0L, 9.2E18L}) {
        long double s = 0, c = 0;
        SafeSinCos(x, s, c);
        EXPECT_EQ(s, std::sin(x)) << double(x);
        EXPECT_EQ(c, std::cos(x)) << double(x);
        RawSinCos(x, s, c);
        EXPECT_EQ(s, std::sin(x)) << double(x);
        EXPECT_EQ(c, std::cos(x)) << double(x);
    }
    long double s, c;
    EXPECT_THROW(RawSinCos(std::numeric_limits<long double>::infinity(), s, c), EInvalidOp);
}

TEST(OrvkitMathTrig, ArcTan2)
{
    const struct {
        long double x, y, safe;
    } rows[] = {
        {0, 0, 0},
        {1, 0, 0},
        {-1, 0, PiValue},
        {-1, -0.0L, PiValue}, // the raw form gives -pi here
        {0, 2, HalfPi},
        {0, -2, -HalfPi},
        {1.0E-330L, 1, HalfPi},
        {1, 1, PiValue / 4},
        {-1, -1, -3 * PiValue / 4},
        {-1, 1, 3 * PiValue / 4},
        {2, -1, std::atan2(-1.0L, 2.0L)},
    };
    for (const auto& row : rows)
        EXPECT_LE(Ulps(SafeArcTan2(row.x, row.y), row.safe), 1) << double(row.x) << " " << double(row.y);
    // The raw form: y is the dividend, x the divisor.
    for (const auto& [x, y] : {std::pair{3.0L, 4.0L}, std::pair{-3.0L, 4.0L}, std::pair{-1.0L, -0.0L}})
        EXPECT_EQ(RawArcTan2(x, y), std::atan2(y, x)) << double(x) << " " << double(y);
}

TEST(OrvkitMathTrig, ArcSinArcCos)
{
    EXPECT_EQ(SafeArcCos(0), HalfPi);
    EXPECT_EQ(SafeArcCos(1), 0);
    EXPECT_EQ(SafeArcCos(-1), PiValue);
    EXPECT_EQ(SafeArcSin(0), 0);
    EXPECT_EQ(SafeArcSin(1), HalfPi);
    EXPECT_EQ(SafeArcSin(-1), -HalfPi);
    // Within 1e-16 of +-1 counts as +-1.
    EXPECT_EQ(SafeArcSin(1 - 0.5E-16L), HalfPi);
    EXPECT_EQ(SafeArcCos(-1 + 0.5E-16L), PiValue);
    for (const long double x : {0.5L, -0.5L, 0.1L, -0.99L, 0.999999L, 1.0E-10L}) {
        EXPECT_TRUE(Near(SafeArcSin(x), std::asin(x), 1.0E-13L)) << double(x);
        EXPECT_TRUE(Near(SafeArcCos(x), std::acos(x), 1.0E-13L)) << double(x);
    }
    ExpectMathError([] { SafeArcCos(1.5L); }, "Value must be <= 1");
    ExpectMathError([] { SafeArcCos(-1.5L); }, "Value must be <= 1");
    ExpectMathError([] { SafeArcSin(1.5L); }, "Invalid Value");
    ExpectMathError([] { SafeArcSin(-1.0000001L); }, "Invalid Value");
}

// ---------------------------------------------------------------------------------
// Hyperbolic functions

TEST(OrvkitMathHyperbolic, MatchExpFormulasInOrdinaryRange)
{
    for (const long double x : {0.5L, 1.0L, -2.0L, 7.25L, -30.0L}) {
        const long double e = std::exp(x);
        EXPECT_TRUE(Near(HypCos(x), (e + 1 / e) * 0.5L, 1.0E-18L)) << double(x);
        EXPECT_TRUE(Near(HypSin(x), (e - 1 / e) * 0.5L, 1.0E-17L)) << double(x);
        EXPECT_TRUE(Near(HypTan(x), (e - 1 / e) / (e + 1 / e), 1.0E-17L)) << double(x);
        EXPECT_TRUE(Near(HypArcSin(x), std::log(x + std::sqrt(x * x + 1)), 1.0E-16L)) << double(x);
    }
    EXPECT_TRUE(Near(HypArcCos(2), std::log(2 + std::sqrt(3.0L)), 1.0E-18L));
    EXPECT_EQ(HypArcCos(1), 0);
    EXPECT_TRUE(Near(HypArcTan(0.5L), 0.5L * std::log(3.0L), 1.0E-18L));
    EXPECT_TRUE(Near(HypArcTan(-0.5L), -0.5L * std::log(3.0L), 1.0E-18L));
}

// Where e^x overflows or cancels, the results stay right.
TEST(OrvkitMathHyperbolic, SmallAndLargeArguments)
{
    EXPECT_TRUE(Near(HypSin(1.0E-10L), 1.0E-10L, 1.0E-19L));
    EXPECT_TRUE(Near(HypTan(-1.0E-10L), -1.0E-10L, 1.0E-19L));
    EXPECT_TRUE(Near(HypArcTan(1.0E-10L), 1.0E-10L, 1.0E-19L));
    EXPECT_EQ(HypTan(1.0E6L), 1);
    EXPECT_EQ(HypTan(-1.0E6L), -1);
    EXPECT_EQ(HypArcSin(-1.0E10L), -HypArcSin(1.0E10L));
    EXPECT_TRUE(Near(HypArcSin(1.0E10L), std::log(2.0E10L), 1.0E-18L));
    EXPECT_TRUE(Near(HypArcCos(1.0E3000L), std::log(2.0L) + 3000 * std::log(10.0L), 1.0E-18L));
    EXPECT_THROW(HypCos(1.0E6L), EOverflow);
    EXPECT_THROW(HypCos(-1.0E6L), EOverflow);
    EXPECT_THROW(HypSin(1.0E6L), EOverflow);
}

TEST(OrvkitMathHyperbolic, DomainErrors)
{
    for (const long double x : {0.999L, 0.0L, -2.0L, std::numeric_limits<long double>::quiet_NaN()})
        ExpectMathError([x] { HypArcCos(x); }, kNotDefined);
    for (const long double x : {1.0L, -1.0L, 2.0L, std::numeric_limits<long double>::quiet_NaN()})
        ExpectMathError([x] { HypArcTan(x); }, kNotDefined);
}

// ---------------------------------------------------------------------------------
// Gamma

TEST(OrvkitMathGamma, AgainstLibraryGamma)
{
    for (const long double x : {1.0E-5L, 0.1L, 0.5L, 1.0L, 1.5L, 2.0L, 3.7L, 5.0L, 9.99L, 10.0L, 10.5L, 20.0L,
                                50.3L, 170.6L, 1000.25L}) {
        // The shifted asymptotic series is good to about 2e-14 in ln gamma.
        EXPECT_LT(std::fabs(LnGammaOf(x) - std::lgamma(x)), 5.0E-14L) << double(x);
        EXPECT_TRUE(Near(GammaOf(x), std::tgamma(x), 5.0E-14L)) << double(x);
        EXPECT_TRUE(Near(ReciprocalGamma(x), 1 / std::tgamma(x), 5.0E-14L)) << double(x);
    }
    // Below zero the power series of 1/gamma is good to a few units in 1e-16.
    for (const long double x : {-0.5L, -1.5L, -2.5L, -0.01L, -0.99L, -3.3L, -10.2L, -50.7L, -150.5L}) {
        EXPECT_TRUE(Near(GammaOf(x), std::tgamma(x), 1.0E-15L)) << double(x);
        EXPECT_TRUE(Near(ReciprocalGamma(x), 1 / std::tgamma(x), 1.0E-15L)) << double(x);
    }
}

TEST(OrvkitMathGamma, KnownValues)
{
    EXPECT_TRUE(Near(GammaOf(5), 24, 5.0E-14L));
    EXPECT_TRUE(Near(GammaOf(0.5L), kSqrtPi, 5.0E-14L));
    EXPECT_TRUE(Near(GammaOf(-0.5L), -2 * kSqrtPi, 1.0E-15L));
    EXPECT_TRUE(Near(ReciprocalGamma(-0.5L), -0.5L / kSqrtPi, 1.0E-15L));
    EXPECT_EQ(ReciprocalGamma(0), 0);
    EXPECT_EQ(ReciprocalGamma(1.0E-330L), 0);
    // At the poles the series sums to zero within its accuracy.
    EXPECT_LT(std::fabs(ReciprocalGamma(-1)), 1.0E-17L);
    EXPECT_LT(std::fabs(ReciprocalGamma(-3)), 1.0E-17L);
}

// Where gamma is negative the reflection gives ln|gamma(x)|, as lgamma does.
TEST(OrvkitMathGamma, LnGammaOfNegativeArguments)
{
    for (const long double x : {-0.5L, -1.5L, -2.5L, -3.3L, -10.2L, -0.01L})
        EXPECT_LT(std::fabs(LnGammaOf(x) - std::lgamma(x)), 5.0E-14L) << double(x);
    EXPECT_LT(std::fabs(LnGammaOf(-0.5L) - std::log(2 * kSqrtPi)), 5.0E-14L);
}

TEST(OrvkitMathGamma, PolesRaise)
{
    for (const long double x : {0.0L, -0.0L, 1.0E-330L, -1.0L, -2.0L, -2.0L - 1.0E-18L, -170.0L, -1.0E20L}) {
        ExpectMathError([x] { GammaOf(x); }, kNotDefined);
        ExpectMathError([x] { LnGammaOf(x); }, kNotDefined);
    }
}

TEST(OrvkitMathGamma, OverflowRaisesAndDoesNotHang)
{
    EXPECT_THROW(GammaOf(2000), EOverflow);
    // 1/gamma of a far negative non-integer overflows long before its ~1e14 steps end.
    EXPECT_THROW(ReciprocalGamma(-1.0E14L - 0.5L), EOverflow);
}

// ---------------------------------------------------------------------------------
// Bits and rotations

TEST(OrvkitMathBits, SingleBits)
{
    uint32_t word = 0x0F0F0F0FU;
    InvertBits(word);
    EXPECT_EQ(word, 0xF0F0F0F0U);
    ClearAllBits(word);
    EXPECT_EQ(word, 0U);
    SetBit(word, 0);
    SetBit(word, 31);
    EXPECT_EQ(word, 0x80000001U);
    EXPECT_TRUE(BitIsSet(word, 31));
    EXPECT_FALSE(BitIsSet(word, 30));
    ToggleBit(word, 31);
    ToggleBit(word, 4);
    EXPECT_EQ(word, 0x00000011U);
    ClearBit(word, 0);
    EXPECT_EQ(word, 0x00000010U);
    // Bit numbers outside 0..31 leave the word alone.
    for (const int n : {-1, 32, 64, INT_MIN, INT_MAX}) {
        uint32_t w = 0x12345678U;
        SetBit(w, n);
        ClearBit(w, n);
        ToggleBit(w, n);
        EXPECT_EQ(w, 0x12345678U) << n;
        EXPECT_FALSE(BitIsSet(0xFFFFFFFFU, n)) << n;
    }
}

TEST(OrvkitMathBits, TextForms)
{
    EXPECT_EQ(BitsToText(5, true), QStringLiteral("10100000000000000000000000000000"));
    EXPECT_EQ(BitsToText(5, false), QStringLiteral("00000000000000000000000000000101"));
    EXPECT_EQ(BitsToText(0x80000000U, true), QString(31, QLatin1Char('0')) + QLatin1Char('1'));
    EXPECT_EQ(TextToBits(QStringLiteral("101")), 5U);
    EXPECT_EQ(TextToBits(QStringLiteral("1x1 1")), 21U); // other characters leave bits clear
    EXPECT_EQ(TextToBits(QString()), 0U);
    EXPECT_EQ(TextToBits(QString(40, QLatin1Char('1'))), 0xFFFFFFFFU);
    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
        const uint32_t w = random();
        ASSERT_EQ(TextToBits(BitsToText(w, true)), w);
        QString msbFirst = BitsToText(w, false);
        std::reverse(msbFirst.begin(), msbFirst.end());
        ASSERT_EQ(msbFirst, BitsToText(w, true));
    }
}

TEST(OrvkitMathBits, RotationEdges)
{
    EXPECT_EQ(RotateLeft32(1, 32), 1U);
    EXPECT_EQ(RotateRight8(1, 1), 128);
    EXPECT_EQ(RotateLeft8(0x81, 1), 0x03);
    EXPECT_EQ(RotateRight16(1, 1), 0x8000);
    EXPECT_EQ(RotateLeft64(0x8000000000000001ULL, 1), 3ULL);
    EXPECT_EQ(RotateRight64(3, 64), 3ULL);
    EXPECT_EQ(RotateLeft16(0x1234, 0), 0x1234);
    // Counts beyond the width go round modulo the width; negative ones turn the other way.
    EXPECT_EQ(RotateLeft8(1, 9), 2);
    EXPECT_EQ(RotateLeft32(1, -1), 0x80000000U);
    EXPECT_EQ(RotateRight32(0x80000000U, -1), 1U);
}

template <typename T>
void CheckRotationsAgainstStd(T (*left)(T, int), T (*right)(T, int))
{
    std::mt19937_64 random(42);
    std::uniform_int_distribution<int> counts(-300, 300);
    const int extremes[] = {INT_MIN, INT_MIN + 1, INT_MAX, INT_MAX - 1};
    for (int i = 0; i < 2000; ++i) {
        const auto value = static_cast<T>(random());
        const int count = i < 4 ? extremes[i] : counts(random);
        ASSERT_EQ(left(value, count), std::rotl(value, count)) << value << " " << count;
        ASSERT_EQ(right(value, count), std::rotr(value, count)) << value << " " << count;
    }
}

TEST(OrvkitMathBits, RotationsMatchStd)
{
    CheckRotationsAgainstStd<uint64_t>(RotateLeft64, RotateRight64);
    CheckRotationsAgainstStd<uint32_t>(RotateLeft32, RotateRight32);
    CheckRotationsAgainstStd<uint16_t>(RotateLeft16, RotateRight16);
    CheckRotationsAgainstStd<uint8_t>(RotateLeft8, RotateRight8);
}

// ---------------------------------------------------------------------------------
// Memory helpers

TEST(OrvkitMathMemory, SwapAndZero)
{
    for (const std::size_t n : {0U, 1U, 3U, 4U, 7U, 11U}) {
        unsigned char a[11], b[11];
        for (std::size_t i = 0; i < sizeof a; ++i) {
            a[i] = static_cast<unsigned char>(i);
            b[i] = static_cast<unsigned char>(100 + i);
        }
        SwapMemory(a, b, n);
        for (std::size_t i = 0; i < sizeof a; ++i) {
            EXPECT_EQ(a[i], i < n ? 100 + i : i) << n << " " << i;
            EXPECT_EQ(b[i], i < n ? i : 100 + i) << n << " " << i;
        }
        ZeroMemoryBlock(a + 1, n < 10 ? n : 10);
        for (std::size_t i = 1; i <= (n < 10 ? n : 10); ++i)
            EXPECT_EQ(a[i], 0) << n << " " << i;
    }
    SwapMemory(nullptr, nullptr, 0);
    ZeroMemoryBlock(nullptr, 0);
    unsigned char same[5] = {1, 2, 3, 4, 5};
    SwapMemory(same, same, 5);
    EXPECT_EQ(same[4], 5);

    long double x = 1.5L, y = -2.25L;
    SwapExtended(x, y);
    EXPECT_EQ(x, -2.25L);
    EXPECT_EQ(y, 1.5L);
    double p = 3, q = 4;
    SwapDoubleValues(p, q);
    EXPECT_EQ(p, 4);
    EXPECT_EQ(q, 3);
}

} // namespace
