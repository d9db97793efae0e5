#pragma once

#include <orvkit/core/OrvkitGlobals.h>
#include <orvkit/core/OrvkitMathErrors.h>

#include <QString>
#include <cstddef>
#include <cstdint>

namespace orv {

// Domain checks raise EMathError with their MathMessageText. A computation that
// overflows, is invalid or divides by zero raises EOverflow, EInvalidOp or EZeroDivide;
// underflow stays silent, as do infinite results of infinite arguments and NaN
// arguments.

// Each constant is the extended value nearest the true one.
inline constexpr Extended ZeroTolerance = 5.0E-324L;
inline constexpr Extended RelTolerance = 1.0E-15L;
inline constexpr Extended DoubleRelTolerance = 1.0E-13L;
inline constexpr Extended MaxAngle = 9223372036854775808.0L; // 2^63
inline constexpr Extended EulerE = 2.71828182845904523536028747135L;
inline constexpr Extended PiValue = 3.14159265358979323846264338328L;
inline constexpr Extended InvPi = 0.318309886183790671537767526745L;
inline constexpr Extended TwoPi = 6.28318530717958647692528676656L;
inline constexpr Extended HalfPi = 1.57079632679489661923132169164L;
inline constexpr Extended DegPerRad = 57.2957795130823208767981548141L;
inline constexpr Extended RadPerDeg = 0.0174532925199432957692369076849L;
inline constexpr Extended EulerGamma = 0.577215664901532860606512090082L;
inline constexpr Extended GoldenRatio = 1.61803398874989484820458683437L;
inline constexpr Extended LnRootTwoPi = 0.918938533204672741780329736406L;
inline constexpr Extended LightSpeed = 299792458.0L;

// Zero, sign and comparison.
bool FloatIsZero(Extended x);
bool FloatIsNonZero(Extended x);
bool FloatIsPositive(Extended x);
bool FloatIsNegative(Extended x);
int32_t FloatSign(Extended x);
int32_t Int64Sign(int64_t x);
int32_t Int32Sign(int32_t x);
Extended FloatTolerance(Extended a, Extended b);
double DoubleTolerance(double a, double b);
bool SameFloat(Extended a, Extended b);
bool DifferentFloat(Extended a, Extended b);
bool DifferentDouble(double a, double b);

// Rounding, division and small helpers.
Extended FloatCeil(Extended x);
Extended FloatFloor(Extended x);
/// Remainders with the divisor's (FloorMod) or dividend's (TruncMod) sign; a divisor
/// that FloatIsZero raises "Division by Zero", as do FloorDiv and TruncDiv.
Extended FloorMod(Extended x, Extended y);
Extended TruncMod(Extended x, Extended y);
Extended FloorDiv(Extended x, Extended y);
Extended TruncDiv(Extended x, Extended y);
/// Ties to even. Where x * 10^n is 2^63 or more (or x is not finite) x comes back
/// unchanged: it has no digits left there to round.
Extended RoundToDecimals(Extended x, uint8_t n);
uint32_t GcdOf(uint32_t a, uint32_t b);
/// Of the magnitudes, so LcmOf(INT32_MIN, INT32_MIN) is 2^31; a zero raises.
int64_t LcmOf(int32_t a, int32_t b);
Extended Hypotenuse(Extended a, Extended b);
int32_t Max32(int32_t a, int32_t b);
int32_t Min32(int32_t a, int32_t b);
int64_t Min64(int64_t a, int64_t b);
uint8_t MinOfBytes(uint8_t a, uint8_t b);
Extended MinExt(Extended a, Extended b);

// Powers and logarithms.
Extended PowerByUInt(Extended x, uint32_t n);
/// 0^0 = 1; 0 to a negative power raises. For n < 0 where x^|n| overflows, the
/// power of 1/x is taken instead.
Extended FloatIntPower(Extended x, int32_t n);
/// n >= 63 raises; below that the product wraps modulo 2^64.
int64_t Int64Power(int32_t base, uint8_t n);
Extended FloatPower(Extended x, Extended y);
Extended Pow2(Extended x);
Extended RawLog10(Extended x);
Extended RawLog2(Extended x);
Extended RawLog10p1(Extended x);
Extended RawLog2p1(Extended x);
/// x must be FloatIsPositive; within 0.1 of 1 the log(1 + x) form is used.
Extended SafeLog10(Extended x);
Extended SafeLog2(Extended x);

// Trigonometry, in radians.
Extended GradToRad(Extended x);
Extended RadToGrad(Extended x);
Extended RawTan(Extended x);
/// SafeTan and SafeSinCos refuse angles of MaxAngle or more in magnitude.
Extended SafeTan(Extended x);
void RawSinCos(Extended x, Extended& sine, Extended& cosine);
void SafeSinCos(Extended x, Extended& sine, Extended& cosine);
/// Angle of the point (x, y): atan2(y, x).
Extended RawArcTan2(Extended x, Extended y);
Extended SafeArcTan2(Extended x, Extended y);
Extended SafeArcSin(Extended x);
Extended SafeArcCos(Extended x);

// Hyperbolic functions.
Extended HypCos(Extended x);
Extended HypSin(Extended x);
Extended HypTan(Extended x);
Extended HypArcCos(Extended x);
Extended HypArcSin(Extended x);
Extended HypArcTan(Extended x);

// Gamma.
/// Zero and negative whole numbers raise "Not Defined for that Value". Where gamma is
/// negative, LnGammaOf gives ln|gamma(x)|.
Extended LnGammaOf(Extended x);
Extended GammaOf(Extended x);
Extended ReciprocalGamma(Extended x);

// Bits and rotations; bit 0 is the least significant. A bit number outside 0..31
// leaves the word alone (BitIsSet gives false). Rotation counts go modulo the width
// and a negative count turns the other way, as std::rotl and std::rotr do.
void ClearAllBits(uint32_t& word);
void InvertBits(uint32_t& word);
void ClearBit(uint32_t& word, int n);
void SetBit(uint32_t& word, int n);
void ToggleBit(uint32_t& word, int n);
bool BitIsSet(uint32_t word, int n);
/// 32 characters "1"/"0"; with lsbFirst the first one is bit 0, otherwise bit 31.
QString BitsToText(uint32_t word, bool lsbFirst);
/// Character i (at most 32 read) sets bit i - 1 when it is "1".
uint32_t TextToBits(const QString& text);
uint64_t RotateLeft64(uint64_t value, int count);
uint64_t RotateRight64(uint64_t value, int count);
uint32_t RotateLeft32(uint32_t value, int count);
uint32_t RotateRight32(uint32_t value, int count);
uint16_t RotateLeft16(uint16_t value, int count);
uint16_t RotateRight16(uint16_t value, int count);
uint8_t RotateLeft8(uint8_t value, int count);
uint8_t RotateRight8(uint8_t value, int count);

// Memory helpers.
/// Exchanges two blocks of n bytes that do not overlap.
void SwapMemory(void* a, void* b, std::size_t n);
void ZeroMemoryBlock(void* block, std::size_t n);
void SwapExtended(Extended& a, Extended& b);
void SwapDoubleValues(double& a, double& b);

} // namespace orv
