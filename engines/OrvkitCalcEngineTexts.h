#pragma once

#include <QString>
#include <QtCore/qobjectdefs.h>

namespace orv {

inline namespace CalcTextEnums {
Q_NAMESPACE

/// The calculator engine's texts: its messages and the words it writes to the
/// display and the history.
enum TOrvCalcText {
    ectError,             ///< "Error!"
    ectErrorLine,         ///< "- - - - ERROR - - - -"
    ectPaperLine,         ///< "- - - - - - - - - - -"
    ectInvalidEquation,   ///< "Invalid Equation"
    ectSqrtOfNegative,    ///< "Square Root of Negative"
    ectAdd, ectSubtract, ectMultiply, ectDivide,
    ectPower, ectRoot, ectModulus, ectRemainder, ectDiv, ectIntDiv, ectPercent,
    ectLeftBracket, ectRightBracket, ectEquals, ectChangeSign,
    ectSin, ectArcSin, ectSinh, ectArSinh,
    ectCos, ectArcCos, ectCosh, ectArCosh,
    ectTan, ectArcTan, ectTanh, ectArTanh,
    ectLog, ectTenPower, ectLn, ectExp, ectLog2, ectTwoPower,
    ectSqrt, ectSquare, ectAbs, ectFloor, ectCeiling, ectSign, ectGamma, ectLnGamma,
    ectInvert, ectRound,
    ectMemoryClear, ectMemoryAdd, ectMemorySubtract, ectMemoryRecall, ectMemoryLabel,
    ectDegrees, ectRadians, ectGradians,
};
Q_ENUM_NS(TOrvCalcText)
} // namespace CalcTextEnums

inline constexpr int kCalcTextCount = ectGradians + 1;

/// The text, through the translation system.
QString CalcText(TOrvCalcText text);

/// Raises EMathError with the text.
[[noreturn]] void RaiseCalcError(TOrvCalcText text);

} // namespace orv
