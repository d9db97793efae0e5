#pragma once

#include <orvkit/core/OrvkitGlobals.h>

#include <cstdint>

namespace orv {

/// An 80-bit value taken apart: for finite values |x| = fMantissa * 2^fExponent exactly.
struct TOrvFloatParts {
    enum Kind { fpZero, fpFinite, fpInfinite, fpNaN };
    Kind fKind = fpZero;
    bool fNegative = false; ///< the sign bit, also for zero and NaN
    uint64_t fMantissa = 0;
    int32_t fExponent = 0;
};

TOrvFloatParts SplitExtended(Extended x);

/// A decimal approximation fDigits * 10^fPlace of a magnitude.
struct TOrvDecimal {
    uint64_t fDigits = 0;
    int32_t fPlace = 0;
};

/// Rounds the exact magnitude of a finite value once, halves away from zero, at the
/// decimal place that keeps `significant` (1..18) digits, or at `minPlace` when that
/// place lies further left. When the significant digits alone decide, the result has
/// exactly `significant` digits (a carry moves the place up by one).
TOrvDecimal RoundToDecimal(const TOrvFloatParts& parts, int significant, int32_t minPlace);

/// The most significant digits RoundToDecimal keeps; RoundToSignificantDigits goes further.
constexpr int kMaxDecimalSignificant = 18;
constexpr int kMaxSignificantDigits = 256;

/// Rounds the exact magnitude of a value once, halves away from zero, to `significant`
/// (1..kMaxSignificantDigits) digits, all taken from its exact expansion, and writes them
/// to `out`, the first one non-zero unless the value is zero or not finite (all zeros).
/// Returns the decimal exponent of the first digit.
int32_t RoundToSignificantDigits(const TOrvFloatParts& parts, int significant, char16_t* out);

/// Writes the decimal digits of `value` (at least one) to `out`; returns their count (1..20).
int WriteDecimalDigits(uint64_t value, char16_t* out);

/// Number of decimal digits of `value` (1 for 0).
int DecimalDigitCount(uint64_t value);

/// Copies `count` characters to `out` with `separator` between groups counted from the
/// right: threes, or in lakh grouping a last three and twos before it. Returns the length.
int WriteGroupedDigits(const char16_t* digits, int count, bool lakh, char16_t separator, char16_t* out);

/// Reads an ASCII decimal number of the form [+-]digits[.digits][(e|E)[+-]digits] with at
/// least one mantissa digit, correctly rounded to 80 bits (as strtold in the "C" locale).
/// `point` is the character that stands for the decimal point. Returns false when the
/// text does not have that form or the value is out of the extended range.
bool ReadDecimalFloat(const char16_t* text, int length, char16_t point, Extended& value);

} // namespace orv
