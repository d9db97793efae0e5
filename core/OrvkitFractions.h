#pragma once

#include <orvkit/core/OrvkitGlobals.h>

#include <QString>
#include <cstdint>

namespace orv {

/// A fraction; the numerator carries the sign. MakeFraction never builds a zero
/// denominator.
struct TOrvFraction {
    int32_t Numerator = 0;
    uint32_t Denominator = 1;

    /// Field by field: 1/2 and 2/4 differ.
    friend bool operator==(const TOrvFraction&, const TOrvFraction&) = default;
};
static_assert(sizeof(TOrvFraction) == 8);

/// A mixed fraction: (WholePart + Numerator / Denominator), negated when Negative.
/// Reduced form has Numerator < Denominator, gcd 1, and zero written 0/1; the routines
/// say when they reduce. Negative zero is a value of its own (see MixedDiffer).
struct TOrvMixedFraction {
    uint32_t WholePart = 0;
    uint32_t Numerator = 0;
    uint32_t Denominator = 1;
    bool Negative = false;

    /// Field by field, as MixedDiffer with exact.
    friend bool operator==(const TOrvMixedFraction&, const TOrvMixedFraction&) = default;
};

inline namespace FractionEnums {
Q_NAMESPACE

/// The fraction error messages.
enum TOrvFractionMessage {
    efmDenominatorZero, ///< "Denominator cannot be 0" (EMathError)
    efmDivisionByZero,  ///< "Division by zero" (EDivByZero, integer division)
};
Q_ENUM_NS(TOrvFractionMessage)
} // namespace FractionEnums

QString FractionMessageText(TOrvFractionMessage message);

// About overflow. The fields are 32 bits wide; the arithmetic is done in wide integers
// and reduced before it is stored, so every result whose reduced form fits the fields
// is exact, even when the intermediate products do not fit. A reduced result that does
// not fit is not reported: each field keeps the low 32 bits of its exact value (two's
// complement for the signed numerator). The same wrap applies wherever a routine below
// says "wraps". Nothing here is undefined behaviour.

// Construction. A zero denominator raises "Denominator cannot be 0".
TOrvFraction MakeFraction(int32_t numerator, uint32_t denominator);
/// WholePart = |whole|, Negative = whole < 0.
TOrvMixedFraction MakeMixed(int32_t whole, uint32_t numerator, uint32_t denominator);
/// WholePart 0, Numerator = |numerator|, Negative = numerator < 0.
TOrvMixedFraction MakeMixedSimple(int32_t numerator, uint32_t denominator);

// Reduction and sign.
/// Zero denominator: unchanged. Zero numerator: 0/1. Otherwise divided by the gcd.
TOrvFraction ReduceFraction(const TOrvFraction& f);
/// Zero denominator: unchanged. Carries Numerator >= Denominator into the whole part
/// (which wraps), then divides by the gcd; zero fraction part becomes 0/1. Sign kept.
TOrvMixedFraction ReduceMixed(const TOrvMixedFraction& m);
/// The numerator negated; -2147483648 wraps to itself.
TOrvFraction NegateFraction(const TOrvFraction& f);
TOrvMixedFraction NegateMixed(const TOrvMixedFraction& m);
/// Numerator and WholePart both 0, whatever the sign.
bool MixedIsZero(const TOrvMixedFraction& m);
/// True when the signs differ (so -0 and 0 differ). Otherwise with exact any field
/// differing; without, the fields of the ReduceMixed forms.
bool MixedDiffer(const TOrvMixedFraction& a, const TOrvMixedFraction& b, bool exact);
/// n = WholePart x Denominator + Numerator, negated when Negative; d = Denominator.
/// n wraps when its magnitude reaches 2^63 (only possible with both fields above 2^31).
void MixedToImproper(const TOrvMixedFraction& m, int64_t& n, int64_t& d);

// Arithmetic, each reduced.
/// A zero denominator in either operand raises "Not Defined for that Value".
TOrvFraction AddFractions(const TOrvFraction& a, const TOrvFraction& b);
TOrvFraction SubtractFractions(const TOrvFraction& a, const TOrvFraction& b);
/// A zero denominator in either operand gives a zero denominator (not reduced).
TOrvFraction MultiplyFractions(const TOrvFraction& a, const TOrvFraction& b);
/// sign(num) x den over |num|; the new numerator wraps for denominators above 2^31 - 1.
/// Zero raises "Denominator cannot be 0".
TOrvFraction InvertFraction(const TOrvFraction& a);
/// a x (1 / b) without the narrowing of InvertFraction. b = 0 raises "Denominator cannot be 0".
TOrvFraction DivideFractions(const TOrvFraction& a, const TOrvFraction& b);
/// A zero denominator in either operand raises "Not Defined for that Value".
TOrvMixedFraction AddMixed(const TOrvMixedFraction& a, const TOrvMixedFraction& b);
TOrvMixedFraction SubtractMixed(const TOrvMixedFraction& a, const TOrvMixedFraction& b);
/// A zero denominator in either operand raises EDivByZero.
TOrvMixedFraction MultiplyMixed(const TOrvMixedFraction& a, const TOrvMixedFraction& b);
/// Denominator = WholePart x Denominator + Numerator (wraps), numerator = the old
/// denominator, then ReduceMixed; the sign kept. No check for zero.
TOrvMixedFraction InvertMixed(const TOrvMixedFraction& a);
/// a x (1 / b), computed without the narrowing of InvertMixed. A zero divisor, or a
/// zero denominator in a, raises EDivByZero.
TOrvMixedFraction DivideMixed(const TOrvMixedFraction& a, const TOrvMixedFraction& b);

// Floats.
/// In extended precision; a zero denominator raises EZeroDivide (EInvalidOp for 0/0).
Extended MixedToFloat(const TOrvMixedFraction& m);
/// round(x x 10^min(digits, 9)) (ties to even) over that power, reduced: 0.75 gives 3/4,
/// 1/3 with 4 digits 3333/10000. A scaled value beyond the 64-bit range, infinite or
/// NaN, raises EInvalidOp (as rounding to an integer does on the 80-bit unit); within
/// 64 bits a numerator that does not fit after reduction wraps as above.
TOrvFraction FloatToFraction(Extended x, uint8_t digits);
/// Negative = x < 0; the whole part is trunc(|x|) (wraps beyond 32 bits, EInvalidOp
/// beyond 63), the fraction part rounded as in FloatToFraction; a fraction part that
/// rounds up to 1 is carried into the whole part.
TOrvMixedFraction FloatToMixed(Extended x, uint8_t digits);

// Text. The sign is written once, in front: "-" for negative values and, under
// GlobalShowPosSign, "+" for positive ones; denominators are never signed.
/// Empty under GlobalBlankWhenZero for a zero numerator, else "0", "n" or "n/d".
QString FractionToText(const TOrvFraction& f);
/// 3/4, 2 3/4, -2 3/4, 2; "0" for zero (empty under GlobalBlankWhenZero).
QString MixedToText(const TOrvMixedFraction& m);
/// "n/d" or "n"; empty text gives 0/1. A missing or zero denominator raises
/// "Denominator cannot be 0".
TOrvFraction TextToFraction(const QString& text);
/// "w n/d", "n/d", "w n" or "w"; the whole part carries the sign, "-0" included (the
/// numerator of "n/d", read up to the unsigned 32-bit range). An empty denominator counts as 1, a
/// zero one raises "Denominator cannot be 0". Empty text gives 0/1.
TOrvMixedFraction TextToMixed(const QString& text);

} // namespace orv
