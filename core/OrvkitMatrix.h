#pragma once

#include <orvkit/core/OrvkitGlobals.h>
#include <orvkit/core/OrvkitVector.h>

#include <QString>
#include <cstdint>
#include <vector>

namespace orv {

/// Rows of float vectors; element (r, c) is row r, column c, both from 0. Rows may in
/// principle differ in length; GlobalCheckRectangular decides whether MatrixSize looks.
using TOrvFloatMatrix = std::vector<TOrvFloatVector>;

inline namespace MatrixEnums {
Q_NAMESPACE

/// The matrix error messages; each is raised as EMathError with its one text.
enum TOrvMatrixMessage {
    emxMatrixEmpty,          ///< "Matrix is Empty"
    emxMatrixNegatives,      ///< "Matrix contains Negatives"
    emxMatrixZeroes,         ///< "Matrix contains Zeroes"
    emxMatrixNotPositive,    ///< "Matrix contains values <= 0"
    emxRectangularRequired,  ///< "Rectangular Matrix Required"
    emxSquareRequired,       ///< "Square Matrix Required"
    emxInvalidRow,           ///< "Invalid Row Number"
    emxInvalidColumn,        ///< "Invalid Column Number"
};
Q_ENUM_NS(TOrvMatrixMessage)
} // namespace MatrixEnums

QString MatrixMessageText(TOrvMatrixMessage message);
[[noreturn]] void RaiseMatrixError(TOrvMatrixMessage message);

// Shape.
/// rows = number of rows, cols = length of row 0. Under GlobalCheckRectangular ok is
/// true only when every row has cols elements (cols is 0 otherwise, and a matrix
/// without rows is not ok); without the check ok is always true.
void MatrixSize(const TOrvFloatMatrix& m, uint32_t& rows, uint32_t& cols, bool& ok);
/// All rows have the length of row 0; false for a matrix without rows.
bool MatrixIsRectangular(const TOrvFloatMatrix& m);
TOrvFloatMatrix IdentityMatrix(uint32_t n);
TOrvFloatMatrix CopyMatrix(const TOrvFloatMatrix& m);
/// cols x rows with t(c, r) = m(r, c). "Rectangular Matrix Required" when MatrixSize is
/// not ok; without the check an empty input gives an empty result, and rows that really
/// differ in length still raise rather than being read past their end.
TOrvFloatMatrix TransposeMatrix(const TOrvFloatMatrix& m);

// Transforms in place. "Matrix is Empty" for a matrix without rows. Each element is
// checked when its turn comes (exact comparison with 0), so a failure - or a
// floating-point error, raised as EOverflow/EInvalidOp - leaves the elements before it
// already transformed and the failing one unchanged.
void MatrixSquare(TOrvFloatMatrix& m);
void MatrixSqrt(TOrvFloatMatrix& m);       ///< x < 0: "Matrix contains Negatives"
void MatrixReciprocal(TOrvFloatMatrix& m); ///< x = 0: "Matrix contains Zeroes"
void MatrixLn(TOrvFloatMatrix& m);         ///< x <= 0: "Matrix contains values <= 0"
void MatrixLog10(TOrvFloatMatrix& m);      ///< x <= 0: "Matrix contains values <= 0"; SafeLog10
void MatrixScaleShift(TOrvFloatMatrix& m, Extended multiplier, Extended offset);

// Elementary operations. They raise, in this order, "Matrix is Empty" when MatrixSize
// reports no rows or no columns, then "Invalid Row Number" / "Invalid Column Number"
// for an index beyond the last row / column. With GlobalCheckRectangular off they still
// never touch an element a row does not have: row operations work over the columns the
// rows involved share, and a column operation raises "Invalid Column Number" before
// changing anything when some row is too short for it.
void SwapRows(TOrvFloatMatrix& m, uint32_t a, uint32_t b);    ///< a = b: nothing, no checks
void SwapColumns(TOrvFloatMatrix& m, uint32_t a, uint32_t b); ///< a = b: nothing, no checks
void ScaleRow(TOrvFloatMatrix& m, uint32_t r, Extended factor);    ///< factor exactly 1: nothing
void ScaleColumn(TOrvFloatMatrix& m, uint32_t c, Extended factor); ///< factor exactly 1: nothing
/// row target += factor x row source.
void AddRowMultiple(TOrvFloatMatrix& m, uint32_t target, uint32_t source, Extended factor);
/// column target += factor x column source.
void AddColumnMultiple(TOrvFloatMatrix& m, uint32_t target, uint32_t source, Extended factor);

// Reduction and inversion. Both check their input once - rows of different lengths are
// "Matrix is Empty" whatever the caller's GlobalCheckRectangular - then work with the
// check switched off and restore it on every path. A pivot becomes exactly 1 and the
// entries it clears exactly 0.
/// Row echelon form in place: leading ones, zeros below each pivot (not above).
void RowEchelon(TOrvFloatMatrix& m);
/// Gauss-Jordan inversion. "Square Matrix Required" for rows != columns. A singular m
/// (a zero row after elimination) gives success false, both matrices partly reduced;
/// otherwise success is true and m is left as the identity.
void InvertMatrix(TOrvFloatMatrix& m, TOrvFloatMatrix& inverse, bool& success);
/// Rows whose elements all count as zero. "Matrix is Empty" as for the elementary operations.
uint32_t ZeroRowCount(const TOrvFloatMatrix& m);

} // namespace orv
