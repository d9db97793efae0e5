#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitVector.h>

#include "core/ErrorMessage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <string>

namespace {

using orv::Extended;
using orv::TOrvFloatVector;
using orvtest::kNoError;
using orvtest::RaisedMessage;

TEST(OrvkitVector, EveryRoutineRefusesAnEmptyVector)
{
    const std::function<void(TOrvFloatVector&)> routines[] = {
        [](TOrvFloatVector& v) { (void)orv::VectorNoNegatives(v); },
        [](TOrvFloatVector& v) { (void)orv::VectorNoZeroes(v); },
        [](TOrvFloatVector& v) { (void)orv::VectorIsZero(v); },
        [](TOrvFloatVector& v) { (void)orv::VectorAllPositive(v); },
        orv::VectorSquare,
        orv::VectorSqrt,
        orv::VectorReciprocal,
        orv::VectorLn,
        orv::VectorLog10,
        [](TOrvFloatVector& v) { orv::VectorScaleShift(v, 2, 1); },
    };
    for (std::size_t i = 0; i < std::size(routines); ++i) {
        TOrvFloatVector empty;
        EXPECT_EQ(RaisedMessage<orv::EMathError>([&] { routines[i](empty); }), "Vector is Empty") << "routine " << i;
    }
}

TEST(OrvkitVector, ChecksUseTheZeroTolerance)
{
    const Extended belowTolerance = 1.0E-330L; // counts as zero
    const struct {
        TOrvFloatVector v;
        bool noNegatives, noZeroes, isZero, allPositive;
    } cases[] = {
        {{1, 2, 3}, true, true, false, true},
        {{1, 0, 3}, true, false, false, false},
        {{1, -2}, false, true, false, false},
        {{0, 0}, true, false, true, false},
        {{belowTolerance}, true, false, true, false},
        {{-belowTolerance}, true, false, true, false},
        {{5.0E-324L}, true, true, false, true}, // the tolerance itself is not zero
        {{-5.0E-324L}, false, true, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(orv::VectorNoNegatives(c.v), c.noNegatives) << double(c.v[0]);
        EXPECT_EQ(orv::VectorNoZeroes(c.v), c.noZeroes) << double(c.v[0]);
        EXPECT_EQ(orv::VectorIsZero(c.v), c.isZero) << double(c.v[0]);
        EXPECT_EQ(orv::VectorAllPositive(c.v), c.allPositive) << double(c.v[0]);
    }
}

TEST(OrvkitVector, TransformsAreAllOrNothing)
{
    const struct {
        const char* name;
        std::function<void(TOrvFloatVector&)> transform;
        TOrvFloatVector input;
        TOrvFloatVector expected; // empty: the error below, input unchanged
        std::string error;
    } cases[] = {
        {"square", orv::VectorSquare, {2, -3, 0.5}, {4, 9, 0.25}, kNoError},
        {"sqrt", orv::VectorSqrt, {4, 0, 2.25}, {2, 0, 1.5}, kNoError},
        {"sqrt negative", orv::VectorSqrt, {4, -1}, {}, "Vector contains Negatives"},
        {"reciprocal", orv::VectorReciprocal, {4, -0.5}, {0.25, -2}, kNoError},
        {"reciprocal below tolerance", orv::VectorReciprocal, {4, 1.0E-330L}, {}, "Vector contains Zeroes"},
        {"ln", orv::VectorLn, {1, std::exp(2.0L)}, {0, 2}, kNoError},
        {"ln zero", orv::VectorLn, {1, 0}, {}, "Vector contains values <= 0"},
        {"log10", orv::VectorLog10, {100, 0.001L}, {2, -3}, kNoError},
        {"log10 negative", orv::VectorLog10, {10, -1}, {}, "Vector contains values <= 0"},
        {"scale shift", [](TOrvFloatVector& v) { orv::VectorScaleShift(v, 3, -1); }, {0, 2}, {-1, 5}, kNoError},
    };
    for (const auto& c : cases) {
        TOrvFloatVector v = c.input;
        EXPECT_EQ(RaisedMessage<orv::EMathError>([&] { c.transform(v); }), c.error) << c.name;
        const TOrvFloatVector& expected = c.expected.empty() ? c.input : c.expected;
        ASSERT_EQ(v.size(), expected.size()) << c.name;
        for (std::size_t i = 0; i < v.size(); ++i)
            EXPECT_NEAR(double(v[i]), double(expected[i]), 1e-15) << c.name << " [" << i << "]";
    }
}

TEST(OrvkitVector, FloatingPointOverflowLeavesTheVectorUnchanged)
{
    TOrvFloatVector v{2, 1.0E3000L};
    EXPECT_THROW(orv::VectorSquare(v), orv::EOverflow);
    EXPECT_EQ(v, (TOrvFloatVector{2, 1.0E3000L}));
    TOrvFloatVector w{1, std::numeric_limits<Extended>::max()};
    EXPECT_THROW(orv::VectorScaleShift(w, 2, 0), orv::EOverflow);
    EXPECT_EQ(w[0], 1);
}

TEST(OrvkitVector, SortOrdersBothWays)
{
    const struct {
        TOrvFloatVector input;
        bool ascending;
        TOrvFloatVector expected;
    } cases[] = {
        {{3, 1, 2}, true, {1, 2, 3}},
        {{3, 1, 2}, false, {3, 2, 1}},
        {{7}, true, {7}},
        {{}, true, {}},
        {{2, 2, 1, 2, 1}, true, {1, 1, 2, 2, 2}},
        {{-0.5, 1.0E-330L, -1.0E300L, 4}, true, {-1.0E300L, -0.5, 1.0E-330L, 4}},
        {{1, 2, 3, 4, 5, 6}, false, {6, 5, 4, 3, 2, 1}},
    };
    for (const auto& c : cases) {
        TOrvFloatVector v = c.input;
        orv::SortVector(v, c.ascending);
        EXPECT_EQ(v, c.expected);
    }
}

TEST(OrvkitVector, SortAgreesWithTheStandardSortOnRandomVectors)
{
    std::mt19937_64 random(20261210);
    for (int trial = 0; trial < 400; ++trial) {
        const std::size_t n = std::size_t(trial % 97);
        // Few distinct values in half the trials, to exercise runs of equal keys.
        std::uniform_int_distribution<int> values(-1000, trial % 2 ? 1000 : 3);
        TOrvFloatVector v(n);
        for (Extended& x : v)
            x = Extended(values(random)) / 8;
        const bool ascending = trial % 3 != 0;
        TOrvFloatVector expected = v;
        if (ascending)
            std::sort(expected.begin(), expected.end());
        else
            std::sort(expected.begin(), expected.end(), std::greater<>());
        orv::SortVector(v, ascending);
        EXPECT_EQ(v, expected) << "trial " << trial;
    }
}

TEST(OrvkitVector, SortSurvivesNaNElements)
{
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    for (const TOrvFloatVector& input : {TOrvFloatVector{nan, nan, nan}, TOrvFloatVector{3, nan, 1, nan, 2},
                                         TOrvFloatVector{nan, 5, 4, 3, 2, 1, nan}}) {
        TOrvFloatVector v = input;
        orv::SortVector(v, true);
        ASSERT_EQ(v.size(), input.size());
        // Still a permutation of the input.
        EXPECT_EQ(std::count_if(v.begin(), v.end(), [](Extended x) { return std::isnan(x); }),
                  std::count_if(input.begin(), input.end(), [](Extended x) { return std::isnan(x); }));
    }
}

TEST(OrvkitVector, CopyFillAndZero)
{
    TOrvFloatVector v{1, 2, 3};
    TOrvFloatVector copy = orv::CopyVector(v);
    orv::FillVector(v, 2.5);
    EXPECT_EQ(v, (TOrvFloatVector{2.5, 2.5, 2.5}));
    EXPECT_EQ(copy, (TOrvFloatVector{1, 2, 3}));
    orv::ZeroVector(copy);
    EXPECT_EQ(copy, (TOrvFloatVector{0, 0, 0}));
}

} // namespace
