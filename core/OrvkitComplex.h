#pragma once

#include <orvkit/core/OrvkitGlobals.h>

#include <QString>
#include <cstdint>

namespace orv {

/// A complex number. Angles are in radians; the angle is called the amplitude and the
/// modulus the absolute value.
struct TOrvComplex {
    Extended Real = 0.0L;
    Extended Imaginary = 0.0L;
};

inline namespace ComplexEnums {
Q_NAMESPACE

/// The complex error messages; each is raised as EMathError with its one text.
enum TOrvComplexMessage {
    ecmDivisionByZero, ///< "Complex Division by Zero"
};
Q_ENUM_NS(TOrvComplexMessage)
} // namespace ComplexEnums

QString ComplexMessageText(TOrvComplexMessage message);

/// The modulus, by Hypotenuse, so without intermediate overflow.
Extended ComplexAbs(const TOrvComplex& z);
/// The angle in [0, 2 pi); 0 for the origin.
Extended ComplexArg(const TOrvComplex& z);
/// From modulus and angle; a negative modulus counts by its magnitude. Angles of
/// magnitude 2^63 or more raise "Angle Magnitude Too Large".
TOrvComplex PolarToComplex(Extended modulus, Extended angle);
TOrvComplex ComplexConjugate(const TOrvComplex& z);

// Arithmetic. A result beyond the extended range raises EOverflow (an invalid operation
// such as infinity minus infinity EInvalidOp), as the 80-bit unit would.
TOrvComplex ComplexAdd(const TOrvComplex& z, const TOrvComplex& w);
TOrvComplex ComplexSubtract(const TOrvComplex& z, const TOrvComplex& w);
TOrvComplex ComplexMultiply(const TOrvComplex& z, const TOrvComplex& w);
/// "Complex Division by Zero" for w = 0. A divisor whose squared modulus underflows to
/// 0 or overflows is divided in scaled form instead, so it neither raises the zero
/// divide nor overflows when the quotient itself is representable.
TOrvComplex ComplexDivide(const TOrvComplex& z, const TOrvComplex& w);
/// Both parts exactly equal; no tolerance.
bool ComplexEqual(const TOrvComplex& z, const TOrvComplex& w);

// Texts through FloatToFixedText with the given decimals, so they follow
// GlobalBlankWhenZero and GlobalShowPosSign (in the x + iy form the plus sign goes on the
// real part only: the operator signs the imaginary one).
QString ComplexToXYText(const TOrvComplex& z, uint8_t decimals);        ///< 1.50 - i2.00
QString ComplexToPairText(const TOrvComplex& z, uint8_t decimals);      ///< (1.50, -2.00)
QString ComplexToPolarPairText(const TOrvComplex& z, uint8_t decimals); ///< (modulus, angle)

} // namespace orv
