#pragma once

#include <QString>
#include <QtCore/qobjectdefs.h>

namespace orv {

inline namespace MathErrorEnums {
Q_NAMESPACE

/// The math error messages; each is raised as EMathError with its one text.
enum TOrvMathMessage {
    emmDivisionByZero,      ///< "Division by Zero"
    emmAngleTooLarge,       ///< "Angle Magnitude Too Large"
    emmValueMustBeLE1,      ///< "Value must be <= 1"
    emmInvalidValue,        ///< "Invalid Value"
    emmValueMustBePositive, ///< "Value must be > 0"
    emmInt64PowerOverflow,  ///< "Power would cause Int64 overflow"
    emmZeroNegativePower,   ///< "Cannot Raise 0 to a Negative Power"
    emmNotDefined,          ///< "Not Defined for that Value"
    emmIPComponentRange,    ///< "IP Address Components must be between 0 and 255"
    emmInvalidBaseChar,     ///< "Invalid character found during Base Conversion"
};
Q_ENUM_NS(TOrvMathMessage)
} // namespace MathErrorEnums

/// The message's text, through the translation system.
QString MathMessageText(TOrvMathMessage message);

[[noreturn]] void RaiseMathError(TOrvMathMessage message);

} // namespace orv
