#pragma once

#include <orvkit/core/OrvkitGlobals.h>

#include <QString>
#include <vector>

namespace orv {

/// A float vector, indexed from 0.
using TOrvFloatVector = std::vector<Extended>;

inline namespace VectorEnums {
Q_NAMESPACE

/// The vector error messages; each is raised as EMathError with its one text.
enum TOrvVectorMessage {
    evmVectorEmpty,        ///< "Vector is Empty"
    evmVectorNegatives,    ///< "Vector contains Negatives"
    evmVectorZeroes,       ///< "Vector contains Zeroes"
    evmVectorNotPositive,  ///< "Vector contains values <= 0"
};
Q_ENUM_NS(TOrvVectorMessage)
} // namespace VectorEnums

QString VectorMessageText(TOrvVectorMessage message);
[[noreturn]] void RaiseVectorError(TOrvVectorMessage message);

// Checks with the zero tolerance of FloatIsZero. Each raises "Vector is Empty" for an
// empty vector.
bool VectorNoNegatives(const TOrvFloatVector& v); ///< no element FloatIsNegative
bool VectorNoZeroes(const TOrvFloatVector& v);    ///< no element FloatIsZero
bool VectorIsZero(const TOrvFloatVector& v);      ///< every element FloatIsZero
bool VectorAllPositive(const TOrvFloatVector& v); ///< every element FloatIsPositive

// Transforms in place. Each raises "Vector is Empty" for an empty vector. They are all
// or nothing: a failed precondition, or a floating-point error (EOverflow, EInvalidOp)
// on any element, leaves the vector as it was.
void VectorSquare(TOrvFloatVector& v);
void VectorSqrt(TOrvFloatVector& v);       ///< "Vector contains Negatives"
void VectorReciprocal(TOrvFloatVector& v); ///< "Vector contains Zeroes"
void VectorLn(TOrvFloatVector& v);         ///< "Vector contains values <= 0"
void VectorLog10(TOrvFloatVector& v);      ///< "Vector contains values <= 0"; SafeLog10
void VectorScaleShift(TOrvFloatVector& v, Extended multiplier, Extended offset);

/// Non-recursive quicksort in place; not stable. Fewer than 2 elements: untouched.
void SortVector(TOrvFloatVector& v, bool ascending);
TOrvFloatVector CopyVector(const TOrvFloatVector& v);
void FillVector(TOrvFloatVector& v, Extended x);
void ZeroVector(TOrvFloatVector& v);

} // namespace orv
