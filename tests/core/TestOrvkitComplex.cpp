#include <orvkit/core/OrvkitComplex.h>
#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/core/OrvkitMath.h>

#include "core/ErrorMessage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

using orv::Extended;
using orv::TOrvComplex;
using orvtest::RaisedMessage;

TEST(OrvkitComplex, ArgumentLiesInZeroToTwoPi)
{
    const struct {
        TOrvComplex z;
        Extended arg;
    } cases[] = {
        {{1, 0}, 0},
        {{-1, 0}, orv::PiValue},
        {{0, 1}, orv::HalfPi},
        {{0, -1}, 3 * orv::HalfPi},
        {{0, 0}, 0},
        {{1, 1}, orv::PiValue / 4},
        {{-1, 1}, 3 * orv::PiValue / 4},
        {{-1, -1}, 5 * orv::PiValue / 4},
        {{1, -1}, 7 * orv::PiValue / 4},
        {{-2, -1.0E-30L}, orv::PiValue + 5.0E-31L}, // just below the negative real axis
    };
    for (const auto& c : cases) {
        const Extended arg = orv::ComplexArg(c.z);
        EXPECT_NEAR(double(arg), double(c.arg), 1e-15) << double(c.z.Real) << ", " << double(c.z.Imaginary);
        EXPECT_GE(arg, 0);
        EXPECT_LT(arg, orv::TwoPi);
    }
}

TEST(OrvkitComplex, AbsoluteValueDoesNotOverflowOnTheWay)
{
    EXPECT_EQ(orv::ComplexAbs({3, -4}), 5);
    EXPECT_EQ(orv::ComplexAbs({0, 0}), 0);
    const Extended big = 1.0E4000L; // its square is beyond the extended range
    EXPECT_NEAR(double(orv::ComplexAbs({big, big}) / big), std::sqrt(2.0), 1e-15);
}

TEST(OrvkitComplex, Arithmetic)
{
    const TOrvComplex z{1.5, -2}, w{-0.5, 4};
    const struct {
        const char* name;
        TOrvComplex result, expected;
    } cases[] = {
        {"add", orv::ComplexAdd(z, w), {1, 2}},
        {"subtract", orv::ComplexSubtract(z, w), {2, -6}},
        {"multiply", orv::ComplexMultiply(z, w), {-0.75 + 8, 6 + 1}},
        {"conjugate", orv::ComplexConjugate(z), {1.5, 2}},
        {"divide by i", orv::ComplexDivide({1, 0}, {0, 1}), {0, -1}},
        {"divide", orv::ComplexDivide(orv::ComplexMultiply(z, w), w), z},
        {"polar negative modulus", orv::PolarToComplex(-2, 0), {2, 0}},
        {"polar", orv::PolarToComplex(2, orv::HalfPi), {0, 2}},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(double(c.result.Real), double(c.expected.Real), 1e-18) << c.name;
        EXPECT_NEAR(double(c.result.Imaginary), double(c.expected.Imaginary), 1e-18) << c.name;
    }
}

TEST(OrvkitComplex, DivisionByZeroAndTheFloatingPointRange)
{
    EXPECT_EQ(RaisedMessage<orv::EMathError>([] { (void)orv::ComplexDivide({1, 1}, {0, 0}); }),
              "Complex Division by Zero");
    EXPECT_EQ(RaisedMessage<orv::EMathError>([] { (void)orv::ComplexDivide({0, 0}, {-0.0L, 0}); }),
              "Complex Division by Zero");
    // The squared modulus of these divisors underflows to 0 or overflows; the quotient
    // is still representable and comes out right.
    const struct {
        TOrvComplex z, w, expected;
    } scaled[] = {
        {{1.0E-2500L, 1.0E-2500L}, {1.0E-2500L, 0}, {1, 1}},
        {{3.0E-2500L, 0}, {0, 1.0E-2500L}, {0, -3}},
        {{2.0E2500L, 0}, {1.0E2500L, 1.0E2500L}, {1, -1}},
    };
    for (const auto& c : scaled) {
        const TOrvComplex q = orv::ComplexDivide(c.z, c.w);
        EXPECT_NEAR(double(q.Real), double(c.expected.Real), 1e-15);
        EXPECT_NEAR(double(q.Imaginary), double(c.expected.Imaginary), 1e-15);
    }
    const Extended max = std::numeric_limits<Extended>::max();
    EXPECT_THROW((void)orv::ComplexAdd({max, 0}, {max, 0}), orv::EOverflow);
    EXPECT_THROW((void)orv::ComplexMultiply({1.0E3000L, 1}, {1.0E3000L, 1}), orv::EOverflow);
    EXPECT_THROW((void)orv::ComplexDivide({1.0E4000L, 0}, {1.0E-4000L, 0}), orv::EOverflow);
    EXPECT_EQ(RaisedMessage<orv::EMathError>([] { (void)orv::PolarToComplex(1, 1.0E19L); }),
              "Angle Magnitude Too Large");
}

TEST(OrvkitComplex, EqualityIsExact)
{
    const Extended tenth = 0.1L, fifth = 0.2L, threeTenths = 0.3L;
    EXPECT_EQ(orv::ComplexEqual({tenth + fifth, 0}, {threeTenths, 0}), tenth + fifth == threeTenths);
    EXPECT_TRUE(orv::ComplexEqual({1, -2}, {1, -2}));
    EXPECT_FALSE(orv::ComplexEqual({1, -2}, {1, std::nextafter(-2.0L, 0.0L)}));
}

TEST(OrvkitComplex, PolarRoundTrip)
{
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> part(-100.0, 100.0);
    for (int i = 0; i < 200; ++i) {
        const TOrvComplex z{part(random), part(random)};
        const TOrvComplex back = orv::PolarToComplex(orv::ComplexAbs(z), orv::ComplexArg(z));
        EXPECT_NEAR(double(back.Real), double(z.Real), 1e-15 * 100);
        EXPECT_NEAR(double(back.Imaginary), double(z.Imaginary), 1e-15 * 100);
    }
}

TEST(OrvkitComplex, Texts)
{
    const struct {
        TOrvComplex z;
        const char *xy, *pair, *polar;
    } cases[] = {
        {{1.5, -2}, "1.50 - i2.00", "(1.50, -2.00)", "(2.50, 5.36)"},
        {{1.5, 2}, "1.50 + i2.00", "(1.50, 2.00)", "(2.50, 0.93)"},
        {{0, 0}, "0.00 + i0.00", "(0.00, 0.00)", "(0.00, 0.00)"},
        {{-3, 0}, "-3.00 + i0.00", "(-3.00, 0.00)", "(3.00, 3.14)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(orv::ComplexToXYText(c.z, 2).toStdString(), c.xy);
        EXPECT_EQ(orv::ComplexToPairText(c.z, 2).toStdString(), c.pair);
        EXPECT_EQ(orv::ComplexToPolarPairText(c.z, 2).toStdString(), c.polar);
    }
    const orv::TOrvScopedValue plus(orv::GlobalShowPosSign, true);
    EXPECT_EQ(orv::ComplexToXYText({1, -1}, 1).toStdString(), "+1.0 - i1.0");
    EXPECT_EQ(orv::ComplexToXYText({-1, 2}, 1).toStdString(), "-1.0 + i2.0");
    EXPECT_EQ(orv::ComplexToPairText({1, -1}, 1).toStdString(), "(+1.0, -1.0)");
    EXPECT_TRUE(orv::GlobalShowPosSign);
    const orv::TOrvScopedValue blank(orv::GlobalBlankWhenZero, true);
    EXPECT_EQ(orv::ComplexToPairText({0, 2}, 0).toStdString(), "(, +2)");
}

} // namespace
