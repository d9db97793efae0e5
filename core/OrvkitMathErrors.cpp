#include <orvkit/core/OrvkitMathErrors.h>

#include <orvkit/core/OrvkitExceptions.h>

#include <QCoreApplication>
#include <iterator>

namespace orv {

namespace {

constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("OrvkitMath", "Division by Zero"),
    QT_TRANSLATE_NOOP("OrvkitMath", "Angle Magnitude Too Large"),
    QT_TRANSLATE_NOOP("OrvkitMath", "Value must be <= 1"),
    QT_TRANSLATE_NOOP("OrvkitMath", "Invalid Value"),
    QT_TRANSLATE_NOOP("OrvkitMath", "Value must be > 0"),
    QT_TRANSLATE_NOOP("OrvkitMath", "Power would cause Int64 overflow"),
    QT_TRANSLATE_NOOP("OrvkitMath", "Cannot Raise 0 to a Negative Power"),
    QT_TRANSLATE_NOOP("OrvkitMath", "Not Defined for that Value"),
    QT_TRANSLATE_NOOP("OrvkitMath", "IP Address Components must be between 0 and 255"),
    QT_TRANSLATE_NOOP("OrvkitMath", "Invalid character found during Base Conversion"),
};
static_assert(std::size(kTexts) == emmInvalidBaseChar + 1);

} // namespace

QString MathMessageText(TOrvMathMessage message)
{
    return QCoreApplication::translate("OrvkitMath", kTexts[message]);
}

void RaiseMathError(TOrvMathMessage message)
{
    throw EMathError(MathMessageText(message));
}

} // namespace orv
