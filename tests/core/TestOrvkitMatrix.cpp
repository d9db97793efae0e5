#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/core/OrvkitMatrix.h>

#include "core/ErrorMessage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <random>
#include <string>

namespace {

using orv::Extended;
using orv::GlobalCheckRectangular;
using orv::TOrvFloatMatrix;
using orv::TOrvScopedValue;
using orvtest::kNoError;
using orvtest::RaisedMessage;

std::string MatrixError(const std::function<void()>& f)
{
    return RaisedMessage<orv::EMathError>(f);
}

TOrvFloatMatrix Multiply(const TOrvFloatMatrix& a, const TOrvFloatMatrix& b)
{
    TOrvFloatMatrix p(a.size(), orv::TOrvFloatVector(b.front().size(), 0.0L));
    for (std::size_t r = 0; r < a.size(); ++r)
        for (std::size_t c = 0; c < b.front().size(); ++c)
            for (std::size_t k = 0; k < b.size(); ++k)
                p[r][c] += a[r][k] * b[k][c];
    return p;
}

Extended MaxDistanceFromIdentity(const TOrvFloatMatrix& m)
{
    Extended worst = 0;
    for (std::size_t r = 0; r < m.size(); ++r)
        for (std::size_t c = 0; c < m[r].size(); ++c)
            worst = std::max(worst, std::fabs(m[r][c] - (r == c ? 1.0L : 0.0L)));
    return worst;
}

TEST(OrvkitMatrix, SizeFollowsTheRectangularCheck)
{
    const struct {
        TOrvFloatMatrix m;
        bool check;
        uint32_t rows, cols;
        bool ok;
    } cases[] = {
        {{{1, 2, 3}, {4, 5, 6}}, true, 2, 3, true},
        {{{1, 2, 3}, {4, 5}}, true, 2, 0, false},
        {{{1, 2, 3}, {4, 5}}, false, 2, 3, true},
        {{}, true, 0, 0, false},
        {{}, false, 0, 0, true},
        {{{}}, true, 1, 0, true},
    };
    for (const auto& c : cases) {
        const TOrvScopedValue check(GlobalCheckRectangular, c.check);
        uint32_t rows = 99, cols = 99;
        bool ok = !c.ok;
        orv::MatrixSize(c.m, rows, cols, ok);
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(cols, c.cols);
        EXPECT_EQ(ok, c.ok);
    }
    EXPECT_FALSE(orv::MatrixIsRectangular({}));
    EXPECT_FALSE(orv::MatrixIsRectangular({{1}, {1, 2}}));
    EXPECT_TRUE(orv::MatrixIsRectangular({{1, 2}, {3, 4}}));
}

TEST(OrvkitMatrix, IdentityCopyAndTranspose)
{
    EXPECT_EQ(orv::IdentityMatrix(3), (TOrvFloatMatrix{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}));
    EXPECT_TRUE(orv::IdentityMatrix(0).empty());
    const TOrvFloatMatrix m{{1, 2, 3}, {4, 5, 6}};
    EXPECT_EQ(orv::CopyMatrix(m), m);
    EXPECT_EQ(orv::TransposeMatrix(m), (TOrvFloatMatrix{{1, 4}, {2, 5}, {3, 6}}));

    EXPECT_EQ(MatrixError([] { (void)orv::TransposeMatrix({}); }), "Rectangular Matrix Required");
    EXPECT_EQ(MatrixError([] { (void)orv::TransposeMatrix({{1, 2}, {3}}); }), "Rectangular Matrix Required");
    const TOrvScopedValue noCheck(GlobalCheckRectangular, false);
    EXPECT_TRUE(orv::TransposeMatrix({}).empty());
    // Without the check a ragged matrix is still refused rather than read past a row's end.
    EXPECT_EQ(MatrixError([] { (void)orv::TransposeMatrix({{1, 2}, {3}}); }), "Rectangular Matrix Required");
}

TEST(OrvkitMatrix, TransformsStopAtTheFirstBadElement)
{
    const struct {
        const char* name;
        std::function<void(TOrvFloatMatrix&)> transform;
        TOrvFloatMatrix input;
        TOrvFloatMatrix expected; // after the call, whether it raised or not
        std::string error;
    } cases[] = {
        {"sqrt", orv::MatrixSqrt, {{4, -1}}, {{2, -1}}, "Matrix contains Negatives"},
        {"sqrt ok", orv::MatrixSqrt, {{4, 0}, {9, 1}}, {{2, 0}, {3, 1}}, kNoError},
        {"reciprocal below tolerance", orv::MatrixReciprocal, {{1.0E-330L}}, {{1.0E330L}}, kNoError},
        {"reciprocal zero", orv::MatrixReciprocal, {{2, 4}, {0, 5}}, {{0.5, 0.25}, {0, 5}}, "Matrix contains Zeroes"},
        {"ln", orv::MatrixLn, {{1, -1}}, {{0, -1}}, "Matrix contains values <= 0"},
        {"log10", orv::MatrixLog10, {{1000, 0}}, {{3, 0}}, "Matrix contains values <= 0"},
        {"square", orv::MatrixSquare, {{-3}, {2, 0.5}}, {{9}, {4, 0.25}}, kNoError},
        {"scale shift", [](TOrvFloatMatrix& m) { orv::MatrixScaleShift(m, -2, 1); }, {{1, 2}}, {{-1, -3}}, kNoError},
        {"empty", orv::MatrixSquare, {}, {}, "Matrix is Empty"},
    };
    for (const auto& c : cases) {
        TOrvFloatMatrix m = c.input;
        EXPECT_EQ(MatrixError([&] { c.transform(m); }), c.error) << c.name;
        ASSERT_EQ(m.size(), c.expected.size()) << c.name;
        for (std::size_t r = 0; r < m.size(); ++r)
            for (std::size_t k = 0; k < m[r].size(); ++k)
                EXPECT_NEAR(double(m[r][k] / (c.expected[r][k] == 0 ? 1 : c.expected[r][k])),
                            c.expected[r][k] == 0 ? 0.0 : 1.0, 1e-15)
                    << c.name << " (" << r << ", " << k << ")";
    }
    TOrvFloatMatrix huge{{2, 1.0E3000L, 3}};
    EXPECT_THROW(orv::MatrixSquare(huge), orv::EOverflow);
    EXPECT_EQ(huge, (TOrvFloatMatrix{{4, 1.0E3000L, 3}}));
}

TEST(OrvkitMatrix, ElementaryOperationsCheckShapeThenIndexes)
{
    const TOrvFloatMatrix three{{1, 2}, {3, 4}, {5, 6}};
    const struct {
        const char* name;
        TOrvFloatMatrix input;
        std::function<void(TOrvFloatMatrix&)> op;
        std::string error;
        TOrvFloatMatrix expected; // when there is no error
    } cases[] = {
        {"swap rows", three, [](TOrvFloatMatrix& m) { orv::SwapRows(m, 0, 2); }, kNoError, {{5, 6}, {3, 4}, {1, 2}}},
        {"swap row 5", three, [](TOrvFloatMatrix& m) { orv::SwapRows(m, 0, 5); }, "Invalid Row Number", {}},
        {"swap same row on empty", {}, [](TOrvFloatMatrix& m) { orv::SwapRows(m, 1, 1); }, kNoError, {}},
        {"swap rows of empty", {}, [](TOrvFloatMatrix& m) { orv::SwapRows(m, 0, 1); }, "Matrix is Empty", {}},
        {"swap rows of rowless columns", {{}, {}}, [](TOrvFloatMatrix& m) { orv::SwapRows(m, 0, 1); }, "Matrix is Empty", {}},
        {"swap rows of ragged", {{1, 2}, {3}}, [](TOrvFloatMatrix& m) { orv::SwapRows(m, 0, 1); }, "Matrix is Empty", {}},
        {"swap columns", three, [](TOrvFloatMatrix& m) { orv::SwapColumns(m, 1, 0); }, kNoError, {{2, 1}, {4, 3}, {6, 5}}},
        {"swap column 2", three, [](TOrvFloatMatrix& m) { orv::SwapColumns(m, 2, 0); }, "Invalid Column Number", {}},
        {"swap same column on empty", {}, [](TOrvFloatMatrix& m) { orv::SwapColumns(m, 3, 3); }, kNoError, {}},
        {"scale row", three, [](TOrvFloatMatrix& m) { orv::ScaleRow(m, 1, -2); }, kNoError, {{1, 2}, {-6, -8}, {5, 6}}},
        {"scale row by 1 on empty", {}, [](TOrvFloatMatrix& m) { orv::ScaleRow(m, 7, 1); }, kNoError, {}},
        {"scale row 3", three, [](TOrvFloatMatrix& m) { orv::ScaleRow(m, 3, 2); }, "Invalid Row Number", {}},
        {"scale column", three, [](TOrvFloatMatrix& m) { orv::ScaleColumn(m, 1, 0.5); }, kNoError, {{1, 1}, {3, 2}, {5, 3}}},
        {"scale column by 1 on empty", {}, [](TOrvFloatMatrix& m) { orv::ScaleColumn(m, 9, 1); }, kNoError, {}},
        {"scale column 2", three, [](TOrvFloatMatrix& m) { orv::ScaleColumn(m, 2, 3); }, "Invalid Column Number", {}},
        {"add row", three, [](TOrvFloatMatrix& m) { orv::AddRowMultiple(m, 2, 0, -5); }, kNoError, {{1, 2}, {3, 4}, {0, -4}}},
        {"add row source 3", three, [](TOrvFloatMatrix& m) { orv::AddRowMultiple(m, 0, 3, 1); }, "Invalid Row Number", {}},
        {"add column", three, [](TOrvFloatMatrix& m) { orv::AddColumnMultiple(m, 1, 0, -2); }, kNoError, {{1, 0}, {3, -2}, {5, -4}}},
        {"add column target 2", three, [](TOrvFloatMatrix& m) { orv::AddColumnMultiple(m, 2, 0, 1); }, "Invalid Column Number", {}},
        {"row before column check", {{1}}, [](TOrvFloatMatrix& m) { orv::AddRowMultiple(m, 1, 0, 1); }, "Invalid Row Number", {}},
    };
    for (const auto& c : cases) {
        TOrvFloatMatrix m = c.input;
        EXPECT_EQ(MatrixError([&] { c.op(m); }), c.error) << c.name;
        EXPECT_EQ(m, c.error == kNoError ? c.expected : c.input) << c.name;
    }
}

TEST(OrvkitMatrix, RaggedRowsWithoutTheCheckAreNeverReadPastTheirEnd)
{
    const TOrvScopedValue noCheck(GlobalCheckRectangular, false);
    TOrvFloatMatrix m{{1, 2, 3}, {4}};
    EXPECT_EQ(MatrixError([&] { orv::SwapColumns(m, 0, 2); }), "Invalid Column Number");
    EXPECT_EQ(MatrixError([&] { orv::ScaleColumn(m, 1, 2); }), "Invalid Column Number");
    EXPECT_EQ(m, (TOrvFloatMatrix{{1, 2, 3}, {4}}));
    orv::AddRowMultiple(m, 1, 0, 10); // over the column both rows have
    orv::AddRowMultiple(m, 0, 1, 1);
    EXPECT_EQ(m, (TOrvFloatMatrix{{15, 2, 3}, {14}}));
    orv::ScaleColumn(m, 0, 2);
    EXPECT_EQ(m, (TOrvFloatMatrix{{30, 2, 3}, {28}}));
}

TEST(OrvkitMatrix, RowEchelonSwapsScalesAndClearsBelow)
{
    const struct {
        TOrvFloatMatrix input;
        TOrvFloatMatrix expected;
    } cases[] = {
        {{{0, 2}, {1, 1}}, {{1, 1}, {0, 1}}},
        {{{2, 4}, {1, 3}}, {{1, 2}, {0, 1}}},
        {{{1, 2}, {2, 4}}, {{1, 2}, {0, 0}}},
        {{{0, 0, 3}, {0, 1, 1}}, {{0, 1, 1}, {0, 0, 1}}},      // a zero column is skipped
        {{{1, 2, 3}}, {{1, 2, 3}}},                            // pivot already 1
        {{{0, 0}, {0, 0}}, {{0, 0}, {0, 0}}},
        {{{1, 0}, {-3, 0}, {2, 0}}, {{1, -0.0L}, {0, 0}, {0, 0}}}, // largest magnitude -3 is the pivot
    };
    for (const auto& c : cases) {
        TOrvFloatMatrix m = c.input;
        orv::RowEchelon(m);
        EXPECT_EQ(m, c.expected);
    }
    EXPECT_EQ(MatrixError([] { TOrvFloatMatrix m; orv::RowEchelon(m); }), "Matrix is Empty");
    EXPECT_EQ(MatrixError([] { TOrvFloatMatrix m{{}, {}}; orv::RowEchelon(m); }), "Matrix is Empty");
}

TEST(OrvkitMatrix, ReductionRestoresTheRectangularSwitchOnEveryPath)
{
    for (const bool before : {true, false}) {
        const TOrvScopedValue check(GlobalCheckRectangular, before);
        TOrvFloatMatrix ok{{1, 2}, {3, 4}};
        orv::RowEchelon(ok);
        EXPECT_EQ(GlobalCheckRectangular, before);
        TOrvFloatMatrix ragged{{1, 2}, {3}};
        // Ragged input is refused whatever the caller's switch, and the switch survives.
        EXPECT_EQ(MatrixError([&] { orv::RowEchelon(ragged); }), "Matrix is Empty");
        EXPECT_EQ(GlobalCheckRectangular, before);
        TOrvFloatMatrix inverse;
        bool success = true;
        EXPECT_EQ(MatrixError([&] { orv::InvertMatrix(ragged, inverse, success); }), "Matrix is Empty");
        EXPECT_FALSE(success);
        EXPECT_EQ(GlobalCheckRectangular, before);
        TOrvFloatMatrix singular{{1, 2}, {2, 4}};
        orv::InvertMatrix(singular, inverse, success);
        EXPECT_FALSE(success);
        EXPECT_EQ(GlobalCheckRectangular, before);
        TOrvFloatMatrix tiny{{1.0E-300L, 1.0E4900L}, {0, 1}}; // scaling by 1/pivot overflows
        EXPECT_THROW(orv::InvertMatrix(tiny, inverse, success), orv::EOverflow);
        EXPECT_EQ(GlobalCheckRectangular, before);
    }
}

TEST(OrvkitMatrix, InversionOfSmallCases)
{
    TOrvFloatMatrix m{{2, 0}, {0, 4}};
    TOrvFloatMatrix inverse;
    bool success = false;
    orv::InvertMatrix(m, inverse, success);
    EXPECT_TRUE(success);
    EXPECT_EQ(inverse, (TOrvFloatMatrix{{0.5, 0}, {0, 0.25}}));
    EXPECT_EQ(m, orv::IdentityMatrix(2));

    TOrvFloatMatrix one{{-8}};
    orv::InvertMatrix(one, inverse, success);
    EXPECT_TRUE(success);
    EXPECT_EQ(inverse, (TOrvFloatMatrix{{-0.125}}));

    const struct {
        const char* name;
        TOrvFloatMatrix m;
        std::string error;
    } refused[] = {
        {"2 x 3", {{1, 2, 3}, {4, 5, 6}}, "Square Matrix Required"},
        {"3 x 2", {{1, 2}, {3, 4}, {5, 6}}, "Square Matrix Required"},
        {"empty", {}, "Matrix is Empty"},
        {"no columns", {{}}, "Matrix is Empty"},
    };
    for (const auto& c : refused) {
        TOrvFloatMatrix copy = c.m;
        EXPECT_EQ(MatrixError([&] { orv::InvertMatrix(copy, inverse, success); }), c.error) << c.name;
    }
}

TEST(OrvkitMatrix, SingularMatricesGiveFalse)
{
    const struct {
        const char* name;
        TOrvFloatMatrix m;
    } cases[] = {
        {"proportional rows", {{1, 2}, {2, 4}}},
        {"zero row", {{1, 2, 3}, {0, 0, 0}, {4, 5, 6}}},
        {"zero column", {{0, 1, 2}, {0, 3, 4}, {0, 5, 7}}},
        {"equal rows", {{1, 2, 3}, {4, 5, 6}, {1, 2, 3}}},
        {"sum of rows", {{1, 2, 4}, {8, 16, 32}, {9, 18, 36}}},
        {"all zero", {{0, 0}, {0, 0}}},
        {"zero 1 x 1", {{0}}},
        {"middle column skipped", {{1, 1, 1}, {1, 1, 2}, {1, 1, 4}}},
    };
    for (const auto& c : cases) {
        TOrvFloatMatrix m = c.m;
        TOrvFloatMatrix inverse;
        bool success = true;
        orv::InvertMatrix(m, inverse, success);
        EXPECT_FALSE(success) << c.name;
        EXPECT_GT(orv::ZeroRowCount(m), 0u) << c.name;
    }
}

// A * inverse(A) = I over random well-conditioned matrices: strictly diagonally
// dominant ones, with their rows shuffled so that the pivot search has to swap.
TEST(OrvkitMatrix, InverseTimesMatrixIsTheIdentity)
{
    std::mt19937_64 random(77);
    std::uniform_real_distribution<double> entry(-1.0, 1.0);
    int inverted = 0;
    for (uint32_t n = 1; n <= 9; ++n) {
        for (int trial = 0; trial < 40; ++trial) {
            TOrvFloatMatrix a(n, orv::TOrvFloatVector(n));
            for (uint32_t r = 0; r < n; ++r) {
                for (uint32_t c = 0; c < n; ++c)
                    a[r][c] = entry(random);
                a[r][r] += (a[r][r] < 0 ? -1.0L : 1.0L) * Extended(n);
                // Scaled rows: the pivots are not 1 and the magnitudes differ.
                const Extended scale = std::ldexp(1.0L, int(random() % 5) - 2);
                for (Extended& x : a[r])
                    x *= scale;
            }
            std::shuffle(a.begin(), a.end(), random);
            TOrvFloatMatrix work = a;
            TOrvFloatMatrix inverse;
            bool success = false;
            orv::InvertMatrix(work, inverse, success);
            ASSERT_TRUE(success) << "n " << n << " trial " << trial;
            EXPECT_LT(MaxDistanceFromIdentity(work), 1e-18L);
            EXPECT_LT(MaxDistanceFromIdentity(Multiply(a, inverse)), 1e-16L) << "n " << n << " trial " << trial;
            EXPECT_LT(MaxDistanceFromIdentity(Multiply(inverse, a)), 1e-16L) << "n " << n << " trial " << trial;
            ++inverted;
        }
    }
    EXPECT_EQ(inverted, 9 * 40);
}

TEST(OrvkitMatrix, RowEchelonOfRandomMatricesHasLeadingOnesAndZerosBelow)
{
    std::mt19937_64 random(5);
    std::uniform_int_distribution<int> entry(-4, 4);
    for (int trial = 0; trial < 200; ++trial) {
        const uint32_t rows = 1 + uint32_t(random() % 5);
        const uint32_t cols = 1 + uint32_t(random() % 5);
        TOrvFloatMatrix m(rows, orv::TOrvFloatVector(cols));
        for (auto& row : m)
            for (Extended& x : row)
                x = trial % 2 ? entry(random) : entry(random) * (random() % 2); // sparse in half the trials
        orv::RowEchelon(m);
        int lastLead = -1;
        bool zeroRowSeen = false;
        for (const auto& row : m) {
            const auto lead = std::find_if(row.begin(), row.end(), [](Extended x) { return x != 0; });
            if (lead == row.end()) {
                zeroRowSeen = true;
                continue;
            }
            EXPECT_FALSE(zeroRowSeen) << "a non-zero row below a zero row, trial " << trial;
            EXPECT_EQ(*lead, 1.0L) << "trial " << trial;
            const int at = int(lead - row.begin());
            EXPECT_GT(at, lastLead) << "trial " << trial;
            lastLead = at;
        }
    }
}

TEST(OrvkitMatrix, ZeroRowCountUsesTheZeroTolerance)
{
    EXPECT_EQ(orv::ZeroRowCount({{0, 1.0E-330L}, {1, 0}, {0, 0}}), 2u);
    EXPECT_EQ(orv::ZeroRowCount({{1}}), 0u);
    EXPECT_EQ(MatrixError([] { (void)orv::ZeroRowCount({}); }), "Matrix is Empty");
}

} // namespace
