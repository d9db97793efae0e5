#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitFractions.h>
#include <orvkit/core/OrvkitGuards.h>

#include "core/ErrorMessage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <ostream>
#include <random>
#include <string>

namespace orv {
// Readable failures.
static void PrintTo(const TOrvFraction& f, std::ostream* os)
{
    *os << f.Numerator << "/" << f.Denominator;
}
static void PrintTo(const TOrvMixedFraction& m, std::ostream* os)
{
    *os << (m.Negative ? "-" : "+") << m.WholePart << " " << m.Numerator << "/" << m.Denominator;
}
} // namespace orv

namespace {

using orv::TOrvFraction;
using orv::TOrvMixedFraction;
using orvtest::kNoError;
using orvtest::RaisedMessage;

__extension__ typedef unsigned __int128 U128;

constexpr uint32_t kU32Max = std::numeric_limits<uint32_t>::max();
constexpr int32_t kI32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t kI32Max = std::numeric_limits<int32_t>::max();

TOrvMixedFraction Mixed(bool negative, uint32_t whole, uint32_t numerator, uint32_t denominator)
{
    TOrvMixedFraction m;
    m.Negative = negative;
    m.WholePart = whole;
    m.Numerator = numerator;
    m.Denominator = denominator;
    return m;
}

// The exact value of a result, reduced: the reference the 32-bit records are held to.
struct TExact {
    bool negative = false;
    U128 magnitude = 0;
    U128 denominator = 1;

    static U128 Gcd(U128 a, U128 b)
    {
        while (b != 0) {
            const U128 t = a % b;
            a = b;
            b = t;
        }
        return a;
    }
    TExact Reduced() const
    {
        if (magnitude == 0)
            return {false, 0, 1};
        const U128 g = Gcd(magnitude, denominator);
        return {negative, magnitude / g, denominator / g};
    }
    // What the records hold: exact when it fits, the low 32 bits of each field otherwise.
    TOrvFraction AsFraction() const
    {
        const TExact r = Reduced();
        const uint32_t low = uint32_t(r.magnitude);
        return {int32_t(r.negative ? 0u - low : low), uint32_t(r.denominator)};
    }
    bool FitsFraction() const
    {
        const TExact r = Reduced();
        return r.denominator <= kU32Max && r.magnitude <= (r.negative ? U128(1) << 31 : U128(kI32Max));
    }
    TOrvMixedFraction AsMixed() const
    {
        const TExact r = Reduced();
        return Mixed(r.negative, uint32_t(r.magnitude / r.denominator), uint32_t(r.magnitude % r.denominator),
                     uint32_t(r.denominator));
    }
    bool FitsMixed() const
    {
        const TExact r = Reduced();
        return r.denominator <= kU32Max && r.magnitude / r.denominator <= kU32Max;
    }
};

TExact Exact(const TOrvFraction& f)
{
    const bool negative = f.Numerator < 0;
    return {negative, negative ? U128(0u - uint32_t(f.Numerator)) : U128(uint32_t(f.Numerator)), f.Denominator};
}

TExact Exact(const TOrvMixedFraction& m)
{
    return {m.Negative, U128(m.WholePart) * m.Denominator + m.Numerator, m.Denominator};
}

// a + b with the signs spelled out: (an bd + bn ad) / (ad bd).
TExact Sum(const TExact& a, const TExact& b)
{
    const U128 x = a.magnitude * b.denominator;
    const U128 y = b.magnitude * a.denominator;
    const U128 d = a.denominator * b.denominator;
    if (a.negative == b.negative)
        return {a.negative, x + y, d};
    return x >= y ? TExact{a.negative, x - y, d} : TExact{b.negative, y - x, d};
}

TExact Negated(TExact x)
{
    x.negative = !x.negative;
    return x;
}

TExact Product(const TExact& a, const TExact& b)
{
    return {a.negative != b.negative, a.magnitude * b.magnitude, a.denominator * b.denominator};
}

TExact Quotient(const TExact& a, const TExact& b)
{
    return {a.negative != b.negative, a.magnitude * b.denominator, a.denominator * b.magnitude};
}

// Operands from small to extreme, so that results both fit and overflow.
class TOperands {
public:
    explicit TOperands(uint64_t seed) : fRandom(seed) {}

    uint32_t Unsigned(bool nonZero)
    {
        static constexpr uint32_t edges[] = {1, 2, 3, 65536, 65535, 1u << 31, (1u << 31) - 1, (1u << 31) + 1,
                                             kU32Max, kU32Max - 1, 1000000000, 999999999};
        uint32_t v = 0;
        switch (fRandom() % 4) {
        case 0: v = uint32_t(fRandom() % 21); break;
        case 1: v = uint32_t(fRandom() % 100001); break;
        case 2: v = edges[fRandom() % std::size(edges)]; break;
        default: v = uint32_t(fRandom());
        }
        return nonZero && v == 0 ? 1 : v;
    }
    int32_t Signed()
    {
        const uint32_t magnitude = Unsigned(false);
        return fRandom() % 2 ? int32_t(0u - magnitude) : int32_t(magnitude);
    }
    TOrvFraction Fraction() { return {Signed(), Unsigned(true)}; }
    TOrvMixedFraction MixedValue()
    {
        return Mixed(fRandom() % 2 != 0, fRandom() % 3 ? Unsigned(false) % 1000 : Unsigned(false), Unsigned(false),
                     Unsigned(true));
    }

private:
    std::mt19937_64 fRandom;
};

TEST(OrvkitFractions, Construction)
{
    EXPECT_EQ(RaisedMessage<orv::EMathError>([] { (void)orv::MakeFraction(1, 0); }), "Denominator cannot be 0");
    EXPECT_EQ(RaisedMessage<orv::EMathError>([] { (void)orv::MakeMixed(1, 1, 0); }), "Denominator cannot be 0");
    EXPECT_EQ(RaisedMessage<orv::EMathError>([] { (void)orv::MakeMixedSimple(1, 0); }), "Denominator cannot be 0");
    EXPECT_EQ(orv::MakeFraction(-6, 8), (TOrvFraction{-6, 8}));
    EXPECT_EQ(orv::MakeMixed(-5, 7, 2), Mixed(true, 5, 7, 2));
    EXPECT_EQ(orv::MakeMixed(kI32Min, 0, 1), Mixed(true, 1u << 31, 0, 1));
    EXPECT_EQ(orv::MakeMixedSimple(-3, 4), Mixed(true, 0, 3, 4));
    EXPECT_EQ(orv::MakeMixedSimple(kI32Min, 4), Mixed(true, 0, 1u << 31, 4));
}

TEST(OrvkitFractions, ReductionAndSign)
{
    const struct {
        TOrvFraction in, out;
    } fractions[] = {
        {{6, 8}, {3, 4}}, {{0, 5}, {0, 1}}, {{-6, 8}, {-3, 4}}, {{5, 0}, {5, 0}}, {{7, 7}, {1, 1}},
        {{kI32Min, 2}, {-(1 << 30), 1}}, {{kI32Min, 1u << 31}, {-1, 1}}, {{3, 4}, {3, 4}},
    };
    for (const auto& c : fractions)
        EXPECT_EQ(orv::ReduceFraction(c.in), c.out);

    const struct {
        TOrvMixedFraction in, out;
    } mixed[] = {
        {Mixed(false, 1, 7, 4), Mixed(false, 2, 3, 4)},
        {Mixed(false, 2, 4, 2), Mixed(false, 4, 0, 1)},
        {Mixed(true, 3, 0, 9), Mixed(true, 3, 0, 1)},
        {Mixed(true, 0, 6, 4), Mixed(true, 1, 1, 2)},
        {Mixed(false, 1, 2, 0), Mixed(false, 1, 2, 0)},
        {Mixed(false, kU32Max, 3, 2), Mixed(false, 0, 1, 2)}, // the whole part wraps
    };
    for (const auto& c : mixed)
        EXPECT_EQ(orv::ReduceMixed(c.in), c.out);

    EXPECT_EQ(orv::NegateFraction({3, 4}), (TOrvFraction{-3, 4}));
    EXPECT_EQ(orv::NegateFraction({kI32Min, 1}), (TOrvFraction{kI32Min, 1})); // wraps, documented
    EXPECT_EQ(orv::NegateMixed(Mixed(false, 1, 2, 3)), Mixed(true, 1, 2, 3));
    EXPECT_TRUE(orv::MixedIsZero(Mixed(true, 0, 0, 5)));
    EXPECT_FALSE(orv::MixedIsZero(Mixed(false, 0, 1, 5)));
    EXPECT_FALSE(orv::MixedIsZero(Mixed(false, 1, 0, 5)));
}

TEST(OrvkitFractions, MixedDiffer)
{
    const struct {
        TOrvMixedFraction a, b;
        bool exact, differ;
    } cases[] = {
        {Mixed(false, 0, 0, 1), Mixed(true, 0, 0, 1), false, true}, // -0 and 0
        {Mixed(false, 1, 2, 4), Mixed(false, 1, 1, 2), true, true},
        {Mixed(false, 1, 2, 4), Mixed(false, 1, 1, 2), false, false},
        {Mixed(true, 0, 6, 4), Mixed(true, 1, 1, 2), false, false},
        {Mixed(true, 0, 6, 4), Mixed(true, 1, 1, 2), true, true},
        {Mixed(false, 2, 3, 4), Mixed(false, 2, 3, 4), true, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(orv::MixedDiffer(c.a, c.b, c.exact), c.differ);
}

TEST(OrvkitFractions, MixedToImproper)
{
    int64_t n = 0, d = 0;
    orv::MixedToImproper(Mixed(true, 2, 3, 4), n, d);
    EXPECT_EQ(n, -11);
    EXPECT_EQ(d, 4);
    orv::MixedToImproper(Mixed(false, 1u << 31, 0, 1u << 31), n, d); // 2^62 fits
    EXPECT_EQ(n, int64_t(1) << 62);
    EXPECT_EQ(d, int64_t(1) << 31);
    orv::MixedToImproper(Mixed(false, kU32Max, kU32Max - 1, kU32Max), n, d); // 2^64 - 2^32 - 1 wraps
    EXPECT_EQ(uint64_t(n), ~uint64_t(0) - (uint64_t(1) << 32));
}

TEST(OrvkitFractions, DocumentedCases)
{
    EXPECT_EQ(orv::AddMixed(Mixed(false, 0, 1, 2), Mixed(true, 0, 3, 4)), Mixed(true, 0, 1, 4));
    EXPECT_EQ(orv::AddMixed(Mixed(false, 0, 1, 2), Mixed(false, 0, 1, 4)), Mixed(false, 0, 3, 4));
    EXPECT_EQ(orv::AddMixed(Mixed(false, 0, 1, 2), Mixed(true, 0, 1, 2)), Mixed(false, 0, 0, 1));
    EXPECT_EQ(orv::MultiplyMixed(Mixed(true, 1, 1, 2), Mixed(false, 0, 2, 3)), Mixed(true, 1, 0, 1));
    EXPECT_EQ(orv::MultiplyMixed(Mixed(true, 1, 1, 2), Mixed(false, 0, 0, 3)), Mixed(false, 0, 0, 1));
    EXPECT_EQ(orv::SubtractMixed(Mixed(false, 1, 0, 1), Mixed(false, 2, 1, 3)), Mixed(true, 1, 1, 3));
    EXPECT_EQ(orv::DivideMixed(Mixed(false, 1, 1, 2), Mixed(true, 0, 3, 4)), Mixed(true, 2, 0, 1));
    EXPECT_EQ(orv::InvertMixed(Mixed(true, 2, 1, 2)), Mixed(true, 0, 2, 5));
    EXPECT_EQ(orv::InvertMixed(Mixed(false, 0, 0, 7)), Mixed(false, 0, 7, 0)); // no check: zero denominator

    EXPECT_EQ(orv::AddFractions({1, 3}, {1, 6}), (TOrvFraction{1, 2}));
    EXPECT_EQ(orv::AddFractions({1, 4}, {-3, 4}), (TOrvFraction{-1, 2}));
    EXPECT_EQ(orv::SubtractFractions({1, 4}, {1, 4}), (TOrvFraction{0, 1}));
    EXPECT_EQ(orv::SubtractFractions({0, 1}, {kI32Min + 1, 1}), (TOrvFraction{kI32Max, 1}));
    EXPECT_EQ(orv::MultiplyFractions({-2, 3}, {9, 4}), (TOrvFraction{-3, 2}));
    EXPECT_EQ(orv::MultiplyFractions({1, 0}, {2, 3}), (TOrvFraction{2, 0}));
    EXPECT_EQ(orv::DivideFractions({1, 2}, {-3, 4}), (TOrvFraction{-2, 3}));
    EXPECT_EQ(orv::InvertFraction({-3, 4}), (TOrvFraction{-4, 3}));
    EXPECT_EQ(orv::InvertFraction({1, 3000000000u}), (TOrvFraction{int32_t(3000000000u), 1})); // wraps, documented

    // Exact although the intermediate products leave the 32 bits.
    EXPECT_EQ(orv::MultiplyFractions({1 << 17, 1u << 17}, {1 << 17, 1u << 17}), (TOrvFraction{1, 1}));
    EXPECT_EQ(orv::AddFractions({1, 4000000000u}, {1, 4000000000u}), (TOrvFraction{1, 2000000000u}));
    // Not representable: the fields keep their low 32 bits.
    EXPECT_EQ(orv::MultiplyFractions({65536, 1}, {65536, 1}), (TOrvFraction{0, 1}));
    EXPECT_EQ(orv::AddFractions({kI32Max, 1}, {1, 1}), (TOrvFraction{kI32Min, 1}));
}

TEST(OrvkitFractions, ArithmeticErrors)
{
    const struct {
        const char* name;
        std::function<void()> op;
        std::string error;
    } cases[] = {
        {"add zero denominator", [] { (void)orv::AddFractions({1, 0}, {1, 2}); }, "Not Defined for that Value"},
        {"add both zero", [] { (void)orv::AddFractions({1, 0}, {1, 0}); }, "Not Defined for that Value"},
        {"subtract zero denominator", [] { (void)orv::SubtractFractions({1, 2}, {1, 0}); }, "Not Defined for that Value"},
        {"invert zero", [] { (void)orv::InvertFraction({0, 5}); }, "Denominator cannot be 0"},
        {"divide by zero", [] { (void)orv::DivideFractions({1, 2}, {0, 1}); }, "Denominator cannot be 0"},
        {"add mixed zero denominator", [] { (void)orv::AddMixed(Mixed(false, 1, 0, 0), Mixed(false, 1, 0, 1)); },
         "Not Defined for that Value"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RaisedMessage<orv::EMathError>(c.op), c.error) << c.name;
    EXPECT_THROW((void)orv::DivideMixed(Mixed(false, 1, 0, 1), Mixed(true, 0, 0, 1)), orv::EDivByZero);
    EXPECT_THROW((void)orv::DivideMixed(Mixed(false, 1, 0, 0), Mixed(true, 0, 1, 1)), orv::EDivByZero);
    EXPECT_THROW((void)orv::MultiplyMixed(Mixed(false, 1, 0, 0), Mixed(true, 0, 1, 1)), orv::EDivByZero);
}

// Every operation over random operands against exact rational arithmetic: exact where
// the reduced result fits, the documented low 32 bits of each field where it does not.
TEST(OrvkitFractions, ArithmeticAgreesWithExactRationals)
{
    TOperands operands(2026);
    int fitted = 0, overflowed = 0;
    for (int i = 0; i < 20000; ++i) {
        const TOrvFraction a = operands.Fraction(), b = operands.Fraction();
        const TExact x = Exact(a), y = Exact(b);
        const struct {
            const char* name;
            TOrvFraction result;
            TExact exact;
        } fractionCases[] = {
            {"add", orv::AddFractions(a, b), Sum(x, y)},
            {"subtract", orv::SubtractFractions(a, b), Sum(x, Negated(y))},
            {"multiply", orv::MultiplyFractions(a, b), Product(x, y)},
        };
        for (const auto& c : fractionCases) {
            EXPECT_EQ(c.result, c.exact.AsFraction()) << c.name << " of " << testing::PrintToString(a) << " and "
                                                      << testing::PrintToString(b);
            (c.exact.FitsFraction() ? fitted : overflowed)++;
        }
        if (b.Numerator != 0) {
            const TExact q = Quotient(x, y);
            EXPECT_EQ(orv::DivideFractions(a, b), q.AsFraction()) << testing::PrintToString(a) << " / "
                                                                 << testing::PrintToString(b);
        }

        const TOrvMixedFraction m = operands.MixedValue(), n = operands.MixedValue();
        const TExact u = Exact(m), v = Exact(n);
        EXPECT_EQ(orv::AddMixed(m, n), Sum(u, v).AsMixed()) << testing::PrintToString(m) << " + " << testing::PrintToString(n);
        EXPECT_EQ(orv::SubtractMixed(m, n), Sum(u, Negated(v)).AsMixed());
        EXPECT_EQ(orv::MultiplyMixed(m, n), Product(u, v).AsMixed()) << testing::PrintToString(m) << " * "
                                                                     << testing::PrintToString(n);
        if (!orv::MixedIsZero(n)) {
            EXPECT_EQ(orv::DivideMixed(m, n), Quotient(u, v).AsMixed());
        }
        (Product(u, v).FitsMixed() ? fitted : overflowed)++;
    }
    // Both kinds of result were met often.
    EXPECT_GT(fitted, 20000);
    EXPECT_GT(overflowed, 5000);
}

TEST(OrvkitFractions, FloatConversions)
{
    const struct {
        long double x;
        uint8_t digits;
        TOrvFraction expected;
    } fractions[] = {
        {0.125L, 3, {1, 8}}, {0.125L, 2, {3, 25}}, {0.75L, 4, {3, 4}}, {1.0L / 3, 4, {3333, 10000}},
        {1.0L / 3, 12, {333333333, 1000000000}}, {-0.5L, 1, {-1, 2}}, {2.5L, 0, {2, 1}}, {3.5L, 0, {4, 1}},
        {3.0E6L, 9, {3000000, 1}}, // the scaled value is far beyond 32 bits, the reduced one is not
        {0, 5, {0, 1}},
    };
    for (const auto& c : fractions)
        EXPECT_EQ(orv::FloatToFraction(c.x, c.digits), c.expected) << double(c.x) << " digits " << int(c.digits);
    EXPECT_THROW((void)orv::FloatToFraction(1.0E30L, 4), orv::EInvalidOp);
    EXPECT_THROW((void)orv::FloatToFraction(std::numeric_limits<long double>::quiet_NaN(), 4), orv::EInvalidOp);
    EXPECT_THROW((void)orv::FloatToFraction(std::numeric_limits<long double>::infinity(), 4), orv::EInvalidOp);

    const struct {
        long double x;
        uint8_t digits;
        TOrvMixedFraction expected;
    } mixed[] = {
        {2.9999999999L, 9, Mixed(false, 3, 0, 1)}, {-2.75L, 2, Mixed(true, 2, 3, 4)}, {0.5L, 1, Mixed(false, 0, 1, 2)},
        {-0.0L, 3, Mixed(false, 0, 0, 1)}, {-0.00001L, 3, Mixed(true, 0, 0, 1)}, {5.0E9L, 2, Mixed(false, 705032704, 0, 1)},
        {1.0L / 3, 9, Mixed(false, 0, 333333333, 1000000000)},
    };
    for (const auto& c : mixed)
        EXPECT_EQ(orv::FloatToMixed(c.x, c.digits), c.expected) << double(c.x);
    EXPECT_THROW((void)orv::FloatToMixed(1.0E20L, 2), orv::EInvalidOp);

    EXPECT_EQ(orv::MixedToFloat(Mixed(true, 2, 3, 4)), -2.75L);
    EXPECT_EQ(orv::MixedToFloat(Mixed(false, 0, 1, 3)), 1.0L / 3);
    EXPECT_THROW((void)orv::MixedToFloat(Mixed(false, 0, 1, 0)), orv::EZeroDivide);
}

TEST(OrvkitFractions, Texts)
{
    const struct {
        TOrvFraction f;
        const char* text;
    } fractions[] = {{{3, 4}, "3/4"}, {{-3, 4}, "-3/4"}, {{5, 1}, "5"}, {{0, 7}, "0"}, {{kI32Min, kU32Max}, "-2147483648/4294967295"}};
    for (const auto& c : fractions)
        EXPECT_EQ(orv::FractionToText(c.f).toStdString(), c.text);

    const struct {
        TOrvMixedFraction m;
        const char* text;
    } mixed[] = {
        {Mixed(false, 0, 3, 4), "3/4"}, {Mixed(false, 2, 3, 4), "2 3/4"}, {Mixed(true, 2, 3, 4), "-2 3/4"},
        {Mixed(false, 2, 0, 1), "2"}, {Mixed(false, 0, 0, 1), "0"}, {Mixed(true, 0, 0, 1), "0"},
        {Mixed(true, 0, 1, 2), "-1/2"}, {Mixed(false, kU32Max, 1, kU32Max), "4294967295 1/4294967295"},
    };
    for (const auto& c : mixed)
        EXPECT_EQ(orv::MixedToText(c.m).toStdString(), c.text);

    {
        const orv::TOrvScopedValue blank(orv::GlobalBlankWhenZero, true);
        EXPECT_EQ(orv::FractionToText({0, 3}).toStdString(), "");
        EXPECT_EQ(orv::MixedToText(Mixed(true, 0, 0, 1)).toStdString(), "");
        EXPECT_EQ(orv::FractionToText({1, 0}).toStdString(), "1/0");
    }
    const orv::TOrvScopedValue plus(orv::GlobalShowPosSign, true);
    EXPECT_EQ(orv::FractionToText({3, 4}).toStdString(), "+3/4");
    EXPECT_EQ(orv::FractionToText({-3, 4}).toStdString(), "-3/4");
    EXPECT_EQ(orv::MixedToText(Mixed(false, 2, 3, 4)).toStdString(), "+2 3/4");
    EXPECT_EQ(orv::MixedToText(Mixed(false, 0, 0, 4)).toStdString(), "0");
}

TEST(OrvkitFractions, ReadingText)
{
    const struct {
        const char* text;
        TOrvMixedFraction expected;
    } mixed[] = {
        {"1 1/2", Mixed(false, 1, 1, 2)}, {"3/", Mixed(false, 0, 3, 1)}, {"7", Mixed(false, 7, 0, 1)},
        {"-2 3/4", Mixed(true, 2, 3, 4)}, {"-3/4", Mixed(true, 0, 3, 4)}, {"  2 5 ", Mixed(false, 2, 5, 1)},
        {"", Mixed(false, 0, 0, 1)}, {"2 3/ ", Mixed(false, 2, 3, 1)}, {"12ab", Mixed(false, 12, 0, 1)},
        {"1 6/4", Mixed(false, 1, 6, 4)}, // not reduced
        {"-3000000000/3000000001", Mixed(true, 0, 3000000000u, 3000000001u)},
        {"-0 1/2", Mixed(true, 0, 1, 2)}, {"0 1/2", Mixed(false, 0, 1, 2)}, {"1/2 3", Mixed(false, 1, 3, 1)},
    };
    for (const auto& c : mixed)
        EXPECT_EQ(orv::TextToMixed(QString::fromLatin1(c.text)), c.expected) << c.text;

    const struct {
        const char* text;
        TOrvFraction expected;
    } fractions[] = {{"3/4", {3, 4}}, {"-3/4", {-3, 4}}, {"7", {7, 1}}, {"", {0, 1}}, {" 5 / 8 ", {5, 8}}, {"6/8", {6, 8}}};
    for (const auto& c : fractions)
        EXPECT_EQ(orv::TextToFraction(QString::fromLatin1(c.text)), c.expected) << c.text;

    for (const char* text : {"1/0", "3/", "2/x"})
        EXPECT_EQ(RaisedMessage<orv::EMathError>([&] { (void)orv::TextToFraction(QString::fromLatin1(text)); }),
                  "Denominator cannot be 0")
            << text;
    for (const char* text : {"1 2/0", "1/0"})
        EXPECT_EQ(RaisedMessage<orv::EMathError>([&] { (void)orv::TextToMixed(QString::fromLatin1(text)); }),
                  "Denominator cannot be 0")
            << text;
}

TEST(OrvkitFractions, TextRoundTrip)
{
    TOperands operands(99);
    for (int i = 0; i < 5000; ++i) {
        TOrvMixedFraction m = orv::ReduceMixed(operands.MixedValue());
        m.WholePart &= 0x7FFFFFFF; // the whole part is read as a signed 32-bit number
        if (orv::MixedIsZero(m))
            m.Negative = false; // zero is written without a sign
        EXPECT_EQ(orv::TextToMixed(orv::MixedToText(m)), m) << orv::MixedToText(m).toStdString();

        const TOrvFraction f = orv::ReduceFraction(operands.Fraction());
        EXPECT_EQ(orv::TextToFraction(orv::FractionToText(f)), f) << orv::FractionToText(f).toStdString();
    }
}

} // namespace
