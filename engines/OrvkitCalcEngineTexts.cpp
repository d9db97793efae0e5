#include <orvkit/engines/OrvkitCalcEngineTexts.h>

#include <orvkit/core/OrvkitExceptions.h>

#include <QCoreApplication>
#include <iterator>

namespace orv {

namespace {

constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "Error!"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "- - - - ERROR - - - -"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "- - - - - - - - - - -"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "Invalid Equation"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "Square Root of Negative"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "+"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "-"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "*"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "/"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "x ^ y"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "x ^ 1/y"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "mod"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "rem"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "div"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "intdiv"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "%"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "("),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", ")"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "="),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "+/-"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "sin"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "arcsin"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "sinh"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "arsinh"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "cos"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "arccos"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "cosh"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "arcosh"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "tan"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "arctan"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "tanh"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "artanh"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "log"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "10^x"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "ln"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "e^x"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "log2"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "2^x"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "sqrt"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "x^2"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "abs"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "floor"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "ceiling"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "sign"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "gamma"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "ln gamma"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "1/x"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "round"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "MC"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "M+"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "M-"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "MR"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "M: "),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "deg"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "rad"),
    QT_TRANSLATE_NOOP("OrvkitCalcEngine", "gra"),
};
static_assert(std::size(kTexts) == kCalcTextCount);

} // namespace

QString CalcText(TOrvCalcText text)
{
    return QCoreApplication::translate("OrvkitCalcEngine", kTexts[text]);
}

void RaiseCalcError(TOrvCalcText text)
{
    throw EMathError(CalcText(text));
}

} // namespace orv
