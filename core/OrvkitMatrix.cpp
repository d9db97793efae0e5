#include <orvkit/core/OrvkitMatrix.h>

#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitFpu.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/core/OrvkitMath.h>

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace orv {

namespace {

constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("OrvkitMatrix", "Matrix is Empty"),
    QT_TRANSLATE_NOOP("OrvkitMatrix", "Matrix contains Negatives"),
    QT_TRANSLATE_NOOP("OrvkitMatrix", "Matrix contains Zeroes"),
    QT_TRANSLATE_NOOP("OrvkitMatrix", "Matrix contains values <= 0"),
    QT_TRANSLATE_NOOP("OrvkitMatrix", "Rectangular Matrix Required"),
    QT_TRANSLATE_NOOP("OrvkitMatrix", "Square Matrix Required"),
    QT_TRANSLATE_NOOP("OrvkitMatrix", "Invalid Row Number"),
    QT_TRANSLATE_NOOP("OrvkitMatrix", "Invalid Column Number"),
};
static_assert(std::size(kTexts) == emxInvalidColumn + 1);

struct TShape {
    uint32_t rows = 0;
    uint32_t cols = 0;
};

TShape RequireShape(const TOrvFloatMatrix& m)
{
    TShape shape;
    bool ok = false;
    MatrixSize(m, shape.rows, shape.cols, ok);
    if (shape.rows == 0 || shape.cols == 0)
        RaiseMatrixError(emxMatrixEmpty);
    return shape;
}

// The shape checked with the rectangular test on, whatever the caller has set.
TShape RequireRectangularShape(const TOrvFloatMatrix& m)
{
    const TOrvScopedValue check(GlobalCheckRectangular, true);
    return RequireShape(m);
}

void RequireRow(const TShape& shape, uint32_t r)
{
    if (r >= shape.rows)
        RaiseMatrixError(emxInvalidRow);
}

void RequireColumn(const TOrvFloatMatrix& m, const TShape& shape, uint32_t c)
{
    if (c >= shape.cols)
        RaiseMatrixError(emxInvalidColumn);
    // Only a ragged matrix under a switched-off check can fail here.
    for (const TOrvFloatVector& row : m)
        if (c >= row.size())
            RaiseMatrixError(emxInvalidColumn);
}

// `bad` is asked of each element in turn, before it is changed.
template <typename Bad, typename Op>
void TransformEach(TOrvFloatMatrix& m, TOrvMatrixMessage message, Bad bad, Op op)
{
    if (m.empty())
        RaiseMatrixError(emxMatrixEmpty);
    TOrvFpuCheck fpu;
    for (TOrvFloatVector& row : m)
        for (Extended& x : row) {
            if (bad(x))
                RaiseMatrixError(message);
            x = fpu.Checked(op(x));
        }
}

template <typename Op>
void TransformEach(TOrvFloatMatrix& m, Op op)
{
    TransformEach(m, emxMatrixEmpty, [](Extended) { return false; }, op);
}

// Forward elimination shared by RowEchelon and InvertMatrix: every row operation on m
// is repeated on `inverse` when there is one, scaling its whole row.
void ForwardEliminate(TOrvFloatMatrix& m, const TShape& shape, TOrvFloatMatrix* inverse)
{
    TOrvFpuCheck fpu;
    uint32_t i = 0;
    uint32_t j = 0;
    while (i < shape.rows && j < shape.cols) {
        // The first column from j with a non-zero element in rows i.., and in it the row
        // of largest magnitude (the first on ties).
        uint32_t p = shape.rows;
        for (uint32_t c = j; c < shape.cols && p == shape.rows; ++c) {
            Extended best = 0.0L;
            for (uint32_t r = i; r < shape.rows; ++r) {
                const Extended magnitude = std::fabs(m[r][c]);
                if (FloatIsNonZero(magnitude) && magnitude > best) {
                    best = magnitude;
                    p = r;
                }
            }
            if (p != shape.rows)
                j = c;
        }
        if (p == shape.rows)
            break;
        SwapRows(m, i, p);
        if (inverse)
            SwapRows(*inverse, i, p);

        const Extended pivot = m[i][j];
        if (FloatIsNonZero(pivot - 1.0L)) {
            const Extended factor = 1.0L / pivot;
            for (uint32_t c = j + 1; c < shape.cols; ++c)
                m[i][c] *= factor;
            m[i][j] = 1.0L;
            if (inverse)
                ScaleRow(*inverse, i, factor);
        }
        for (uint32_t r = i + 1; r < shape.rows; ++r) {
            if (!FloatIsNonZero(m[r][j]))
                continue;
            const Extended factor = -m[r][j];
            AddRowMultiple(m, r, i, factor);
            m[r][j] = 0.0L;
            if (inverse)
                AddRowMultiple(*inverse, r, i, factor);
        }
        fpu.Check();
        ++i;
        ++j;
    }
}

} // namespace

QString MatrixMessageText(TOrvMatrixMessage message)
{
    return QCoreApplication::translate("OrvkitMatrix", kTexts[message]);
}

void RaiseMatrixError(TOrvMatrixMessage message)
{
    throw EMathError(MatrixMessageText(message));
}

void MatrixSize(const TOrvFloatMatrix& m, uint32_t& rows, uint32_t& cols, bool& ok)
{
    rows = uint32_t(m.size());
    cols = m.empty() ? 0 : uint32_t(m.front().size());
    ok = true;
    if (GlobalCheckRectangular) {
        ok = MatrixIsRectangular(m);
        if (!ok)
            cols = 0;
    }
}

bool MatrixIsRectangular(const TOrvFloatMatrix& m)
{
    if (m.empty())
        return false;
    const std::size_t cols = m.front().size();
    return std::all_of(m.begin(), m.end(), [cols](const TOrvFloatVector& row) { return row.size() == cols; });
}

TOrvFloatMatrix IdentityMatrix(uint32_t n)
{
    TOrvFloatMatrix m(n, TOrvFloatVector(n, 0.0L));
    for (uint32_t i = 0; i < n; ++i)
        m[i][i] = 1.0L;
    return m;
}

TOrvFloatMatrix CopyMatrix(const TOrvFloatMatrix& m)
{
    return m;
}

TOrvFloatMatrix TransposeMatrix(const TOrvFloatMatrix& m)
{
    uint32_t rows = 0;
    uint32_t cols = 0;
    bool ok = false;
    MatrixSize(m, rows, cols, ok);
    if (!ok || (rows > 0 && !MatrixIsRectangular(m)))
        RaiseMatrixError(emxRectangularRequired);
    TOrvFloatMatrix t(cols, TOrvFloatVector(rows));
    for (uint32_t r = 0; r < rows; ++r)
        for (uint32_t c = 0; c < cols; ++c)
            t[c][r] = m[r][c];
    return t;
}

void MatrixSquare(TOrvFloatMatrix& m)
{
    TransformEach(m, [](Extended x) { return x * x; });
}

void MatrixSqrt(TOrvFloatMatrix& m)
{
    TransformEach(m, emxMatrixNegatives, [](Extended x) { return x < 0.0L; }, [](Extended x) { return std::sqrt(x); });
}

void MatrixReciprocal(TOrvFloatMatrix& m)
{
    TransformEach(m, emxMatrixZeroes, [](Extended x) { return x == 0.0L; }, [](Extended x) { return 1.0L / x; });
}

void MatrixLn(TOrvFloatMatrix& m)
{
    TransformEach(m, emxMatrixNotPositive, [](Extended x) { return x <= 0.0L; }, [](Extended x) { return std::log(x); });
}

void MatrixLog10(TOrvFloatMatrix& m)
{
    TransformEach(m, emxMatrixNotPositive, [](Extended x) { return x <= 0.0L; }, SafeLog10);
}

void MatrixScaleShift(TOrvFloatMatrix& m, Extended multiplier, Extended offset)
{
    TransformEach(m, [=](Extended x) { return multiplier * x + offset; });
}

void SwapRows(TOrvFloatMatrix& m, uint32_t a, uint32_t b)
{
    if (a == b)
        return;
    const TShape shape = RequireShape(m);
    RequireRow(shape, a);
    RequireRow(shape, b);
    std::swap(m[a], m[b]);
}

void SwapColumns(TOrvFloatMatrix& m, uint32_t a, uint32_t b)
{
    if (a == b)
        return;
    const TShape shape = RequireShape(m);
    RequireColumn(m, shape, a);
    RequireColumn(m, shape, b);
    for (TOrvFloatVector& row : m)
        std::swap(row[a], row[b]);
}

void ScaleRow(TOrvFloatMatrix& m, uint32_t r, Extended factor)
{
    if (factor == 1.0L)
        return;
    RequireRow(RequireShape(m), r);
    for (Extended& x : m[r])
        x *= factor;
}

void ScaleColumn(TOrvFloatMatrix& m, uint32_t c, Extended factor)
{
    if (factor == 1.0L)
        return;
    RequireColumn(m, RequireShape(m), c);
    for (TOrvFloatVector& row : m)
        row[c] *= factor;
}

void AddRowMultiple(TOrvFloatMatrix& m, uint32_t target, uint32_t source, Extended factor)
{
    const TShape shape = RequireShape(m);
    RequireRow(shape, target);
    RequireRow(shape, source);
    TOrvFloatVector& to = m[target];
    const TOrvFloatVector& from = m[source];
    const std::size_t shared = std::min(to.size(), from.size());
    for (std::size_t c = 0; c < shared; ++c)
        to[c] += factor * from[c];
}

void AddColumnMultiple(TOrvFloatMatrix& m, uint32_t target, uint32_t source, Extended factor)
{
    const TShape shape = RequireShape(m);
    RequireColumn(m, shape, target);
    RequireColumn(m, shape, source);
    for (TOrvFloatVector& row : m)
        row[target] += factor * row[source];
}

void RowEchelon(TOrvFloatMatrix& m)
{
    const TShape shape = RequireRectangularShape(m);
    const TOrvScopedValue noCheck(GlobalCheckRectangular, false);
    ForwardEliminate(m, shape, nullptr);
}

void InvertMatrix(TOrvFloatMatrix& m, TOrvFloatMatrix& inverse, bool& success)
{
    success = false;
    const TShape shape = RequireRectangularShape(m);
    if (shape.rows != shape.cols)
        RaiseMatrixError(emxSquareRequired);
    const TOrvScopedValue noCheck(GlobalCheckRectangular, false);
    inverse = IdentityMatrix(shape.rows);
    ForwardEliminate(m, shape, &inverse);
    if (ZeroRowCount(m) > 0)
        return;

    // Without a zero row every pivot sits on the diagonal; clear above them.
    TOrvFpuCheck fpu;
    for (uint32_t k = shape.cols - 1; k >= 1; --k) {
        for (uint32_t r = k; r-- > 0;) {
            if (!FloatIsNonZero(m[r][k]))
                continue;
            const Extended factor = -m[r][k];
            AddRowMultiple(m, r, k, factor);
            m[r][k] = 0.0L;
            AddRowMultiple(inverse, r, k, factor);
        }
    }
    fpu.Check();
    success = true;
}

uint32_t ZeroRowCount(const TOrvFloatMatrix& m)
{
    RequireShape(m);
    // Counted here rather than through VectorIsZero so that an empty row of a ragged
    // matrix counts as zero instead of raising a vector error.
    return uint32_t(std::count_if(m.begin(), m.end(), [](const TOrvFloatVector& row) {
        return std::all_of(row.begin(), row.end(), FloatIsZero);
    }));
}

} // namespace orv
