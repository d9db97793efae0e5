#include <orvkit/engines/OrvkitExpressions.h>

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/core/OrvkitMath.h>
#include <orvkit/core/OrvkitMathErrors.h>
#include <orvkit/engines/OrvkitCalcEngine.h>

#include "engines/CalcEngineKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

using namespace orv;
using orvtest::History;

namespace {

// Every table row prints as its text.
template <typename Case>
    requires requires(const Case& c) { c.text; }
void PrintTo(const Case& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

struct ValueCase {
    const char* text;
    Extended value;
    Extended relativeTolerance = 8 * std::numeric_limits<Extended>::epsilon();
};


// Exact where the engine's arithmetic is exact, within a few units of the last place
// where a function is involved.
void ExpectValue(Extended actual, Extended expected, const char* text,
                 Extended relativeTolerance = 8 * std::numeric_limits<Extended>::epsilon())
{
    const Extended tolerance = relativeTolerance * std::max<Extended>(1, std::fabs(expected));
    EXPECT_LE(std::fabs(actual - expected), tolerance)
        << '"' << text << "\" gives " << static_cast<double>(actual) << ", not " << static_cast<double>(expected);
}

QString RunMessage(const char* text, Extended memory = 0, TOrvAngleMode mode = amRadians, Extended* value = nullptr)
{
    TOrvCalcEngine engine;
    engine.SetBinaryPercent(false);
    QString message;
    const Extended r = RunExpression(QString::fromUtf8(text), engine, memory, mode, message);
    if (value)
        *value = r;
    return message;
}

// --- simple level --------------------------------------------------------------------

class SimpleExpression : public ::testing::TestWithParam<ValueCase> {};

TEST_P(SimpleExpression, Evaluates)
{
    const ValueCase& c = GetParam();
    ExpectValue(EvaluateSimpleExpression(QString::fromUtf8(c.text)), c.value, c.text);
}

INSTANTIATE_TEST_SUITE_P(Cases, SimpleExpression, ::testing::Values(
    ValueCase{"2+3*4", 14},
    ValueCase{"(2+3)*4", 20},
    ValueCase{"2*pi", 2 * PiValue},           // the full value, not the display text
    ValueCase{"  PI * 2 + 1 ", 2 * PiValue + 1},
    ValueCase{"2 x 3", 6},
    ValueCase{"2X3", 6},
    ValueCase{"5 2", 52},                     // spaces are skipped, even inside a number
    ValueCase{"2*q+1", 0},                    // q swallows the rest; 2* alone is invalid
    ValueCase{"1+sin(0)", 0},                 // only pi is a name here: 1+ is invalid
    ValueCase{"2*p i", 0},
    ValueCase{"200+10%", 220},
    ValueCase{"200*10%", 4000},
    ValueCase{"1,234+1", 1235},
    ValueCase{"1,2,3,4", 1234},
    ValueCase{"2^10", 1024},
    ValueCase{"2^3^2", 64},
    ValueCase{"27@3", 3},
    ValueCase{"-7#3", 2},
    ValueCase{"-7&3", -1},
    ValueCase{"-7\\2", -4},
    ValueCase{"-7|2", -3},
    ValueCase{"1.5+.5", 2},
    ValueCase{"1/0", 0},
    ValueCase{"4=", 4},
    ValueCase{"-pi", -PiValue},               // a sign before pi or a bracket is its value's
    ValueCase{"2*-pi", -2 * PiValue},
    ValueCase{"1--pi", 1 + PiValue},
    ValueCase{"-(2)^2", 4},
    ValueCase{"2^-(3)", 0.125L},
    ValueCase{"", 0}));

TEST(SimpleExpressionEngine, RunsOnTheCallersEngineWithItsSettings)
{
    TOrvCalcEngine engine;
    orvtest::Press(engine, "7+8=");
    // Binary percent, the engine's default, stays: 200 % 10 is 20.
    EXPECT_EQ(RunSimpleExpression(QStringLiteral("200%10"), engine), 20);
    EXPECT_EQ(engine.GetDisplayStr(), u"20.0000");
    EXPECT_FALSE(History(engine).contains(QStringLiteral("15.0000"))); // cleared first
}

// --- advanced level: values ----------------------------------------------------------

class AdvancedExpression : public ::testing::TestWithParam<ValueCase> {};

TEST_P(AdvancedExpression, Evaluates)
{
    const ValueCase& c = GetParam();
    ExpectValue(EvaluateExpression(QString::fromUtf8(c.text), amRadians), c.value, c.text, c.relativeTolerance);
    Extended value = -1;
    EXPECT_EQ(RunMessage(c.text, 0, amRadians, &value), QString()) << c.text;
    EXPECT_EQ(value, EvaluateExpression(QString::fromUtf8(c.text), amRadians)) << c.text;
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, AdvancedExpression, ::testing::Values(
    ValueCase{"sqrt(16)", 4},
    ValueCase{"sin(pi/2)", 1},
    ValueCase{"2^10", 1024},
    ValueCase{"10 mod 3", 1},
    ValueCase{"7 intdiv 2", 3},
    ValueCase{"1.5e3", 1500},
    ValueCase{"2e-3", 0.002L},
    ValueCase{"2e+3", 2000},
    ValueCase{"lg2 8", 3},
    ValueCase{"exp(1)", EulerE},
    ValueCase{"arccos(0)", PiValue / 2},
    ValueCase{"2 * (3 + sin(pi/6))", 7},
    ValueCase{"sin 30", std::sin(30.0L)},
    ValueCase{"sin(30)", std::sin(30.0L)},
    ValueCase{"2sin(0)", 0},                  // a number before a function is dropped
    ValueCase{"pi sin(0)", 0},                // a constant there stays below, unused
    ValueCase{"2(3)", 3},                     // and so is a number before a bracket
    ValueCase{"200+10%", 220},
    ValueCase{"200-10%", 180},
    ValueCase{"1,234+1", 1235},
    ValueCase{"1,,2,3,4.5", 1234.5L},
    ValueCase{"  SQRT( 16 )  ", 4},
    ValueCase{"((((1+2))))*3", 9},
    ValueCase{"mr", 0},
    ValueCase{"5 madd mr+mr", 10},
    ValueCase{"rnd*0", 0}));

// Every name of the name table, each through the engine key it stands for.
INSTANTIATE_TEST_SUITE_P(NameTable, AdvancedExpression, ::testing::Values(
    ValueCase{"2 x 3", 6},
    ValueCase{"-7 mod 3", 2},
    ValueCase{"-7 rem 3", -1},
    ValueCase{"-7 div 2", -4},
    ValueCase{"-7 intdiv 2", -3},
    ValueCase{"3e2", 300},
    ValueCase{"pi", PiValue},
    ValueCase{"sqrt 2", std::sqrt(2.0L)},
    ValueCase{"log 1000", 3},
    ValueCase{"exp 2", std::exp(2.0L)},
    ValueCase{"ln 2", std::log(2.0L)},
    ValueCase{"lg2 0.5", -1},
    ValueCase{"sin 0.5", std::sin(0.5L)},
    ValueCase{"arcsin 0.5", std::asin(0.5L)},
    ValueCase{"invsin 0.5", std::asin(0.5L)},
    ValueCase{"sinh 0.5", std::sinh(0.5L)},
    ValueCase{"hypsin 0.5", std::sinh(0.5L)},
    ValueCase{"arsinh 0.5", std::asinh(0.5L)},
    ValueCase{"invhypsin 0.5", std::asinh(0.5L)},
    ValueCase{"hypinvsin 0.5", std::asinh(0.5L)},
    ValueCase{"cos 0.5", std::cos(0.5L)},
    ValueCase{"arccos 0.5", std::acos(0.5L)},
    ValueCase{"invcos 0.5", std::acos(0.5L)},
    ValueCase{"cosh 0.5", std::cosh(0.5L)},
    ValueCase{"hypcos 0.5", std::cosh(0.5L)},
    ValueCase{"arcosh 1.5", std::acosh(1.5L)},
    ValueCase{"invhypcos 1.5", std::acosh(1.5L)},
    ValueCase{"hypinvcos 1.5", std::acosh(1.5L)},
    ValueCase{"tan 0.5", std::tan(0.5L)},
    ValueCase{"arctan 0.5", std::atan(0.5L)},
    ValueCase{"invtan 0.5", std::atan(0.5L)},
    ValueCase{"tanh 0.5", std::tanh(0.5L)},
    ValueCase{"hyptan 0.5", std::tanh(0.5L)},
    ValueCase{"artanh 0.5", std::atanh(0.5L)},
    ValueCase{"invhyptan 0.5", std::atanh(0.5L)},
    ValueCase{"hypinvtan 0.5", std::atanh(0.5L)},
    ValueCase{"abs(-2.5)", 2.5L},
    ValueCase{"floor(-2.5)", -3},
    ValueCase{"ceil 2.5", 3},
    ValueCase{"ceiling -2.5", -2},
    ValueCase{"sgn -3", -1},
    ValueCase{"sign 0", 0},
    ValueCase{"gamma 5", 24, 1e-15L},            // the gamma routines are good to about 1e-15
    ValueCase{"lngamma 5", std::log(24.0L), 1e-15L},
    ValueCase{"mc mr", 0},
    ValueCase{"4 madd 1 msub mr", 3}));

// Names that are not known whole: a trailing digit and a leading x are split off.
INSTANTIATE_TEST_SUITE_P(ImplicitSplitting, AdvancedExpression, ::testing::Values(
    ValueCase{"sin3", std::sin(3.0L)},
    ValueCase{"2x3", 6},
    ValueCase{"2xpi", 2 * PiValue},
    ValueCase{"2 xpi", 2 * PiValue},
    ValueCase{"lg28", 3},
    ValueCase{"sqrt9+1", 4},
    ValueCase{"3 x4 x5", 60}));

TEST(AdvancedExpressionValues, RandomNumbersLieInTheUnitInterval)
{
    for (int i = 0; i < 20; ++i) {
        const Extended r = EvaluateExpression(QStringLiteral("rnd"), amRadians);
        EXPECT_GE(r, 0);
        EXPECT_LT(r, 1);
    }
}

// --- nested functions and signs ----------------------------------------------------------

// A name means its own function whatever came before it: exp, arctan or sinh does not
// turn the next function into its inverse or hyperbolic twin.
INSTANTIATE_TEST_SUITE_P(Nested, AdvancedExpression, ::testing::Values(
    ValueCase{"exp(ln(7))", 7},
    ValueCase{"exp(ln(1))", 1},
    ValueCase{"exp(sqrt(4))", std::exp(2.0L)},
    ValueCase{"sinh(sin(1))", std::sinh(std::sin(1.0L))},
    ValueCase{"arctan(sqrt(3))", PiValue / 3},
    ValueCase{"exp sqrt 4", std::exp(2.0L)},
    ValueCase{"arcsin sinh 0.5", std::asin(std::sinh(0.5L))},
    ValueCase{"hypinvtan(invcos(0.9))", std::atanh(std::acos(0.9L))},
    ValueCase{"cosh(arccos(0.5))", std::cosh(PiValue / 3)}));

// A sign before a function, a constant or a bracket negates that value, binding as the
// sign of a number binds: -2^2 is 4, so -sqrt(4)^2 and -(2)^2 are 4 as well.
INSTANTIATE_TEST_SUITE_P(Signed, AdvancedExpression, ::testing::Values(
    ValueCase{"-sin(8)", -std::sin(8.0L)},
    ValueCase{"-pi", -PiValue},
    ValueCase{"2*-pi", -2 * PiValue},
    ValueCase{"2*(-pi)", -2 * PiValue},
    ValueCase{"1--pi", 1 + PiValue},
    ValueCase{"3-sin(2)", 3 - std::sin(2.0L)},
    ValueCase{"-2^2", 4},
    ValueCase{"-sqrt(4)^2", 4},
    ValueCase{"-(2)^2", 4},
    ValueCase{"-pi^2", PiValue * PiValue},
    ValueCase{"2^-sqrt(4)", 0.25L},
    ValueCase{"2^-(3)", 0.125L},
    ValueCase{"7/-(2)", -3.5L},
    ValueCase{"2*-(3+1)", -8},
    ValueCase{"-(-(-(2)))", -2},
    ValueCase{"--sin(1)", std::sin(1.0L)},
    ValueCase{"-+sin(1)", -std::sin(1.0L)},
    ValueCase{"+-pi", -PiValue},
    ValueCase{"+sin(1)", std::sin(1.0L)},
    ValueCase{"arctan -pi", std::atan(-PiValue)},
    ValueCase{"sin -(1+1)", std::sin(-2.0L)},
    ValueCase{"-sin -sin 1", std::sin(std::sin(1.0L))},
    ValueCase{"-sqrt 16+1", -3},
    ValueCase{"-floor 2.5*3", -6},
    ValueCase{"-lg2(8)*log(100)", -6},
    ValueCase{"-exp(-ln(7))", -1.0L / 7},
    ValueCase{"-2e-3", -0.002L}));

TEST(AdvancedExpressionValues, SignedOperandsOnTheCallersEngine)
{
    // Binary percent, the engine's default: the minus after % is the percentage's sign.
    TOrvCalcEngine engine;
    QString message;
    ExpectValue(RunExpression(QStringLiteral("200%-pi"), engine, 0, amRadians, message), -2 * PiValue, "200%-pi");
    EXPECT_TRUE(message.isEmpty());
    // An open bracket is closed by the end of the text, negated as a whole.
    EXPECT_EQ(RunExpression(QStringLiteral("-(1+2"), engine, 0, amRadians, message), -3);
    EXPECT_EQ(RunExpression(QStringLiteral("2*-(-(1+2)*2"), engine, 0, amRadians, message), 12);
    EXPECT_FALSE(engine.GetIsInv() || engine.GetIsHyp());
}

TEST(AdvancedExpressionValues, SignedMemoryAndRandomNumbers)
{
    Extended value = 0;
    EXPECT_EQ(RunMessage("-mr", 3, amRadians, &value), QString());
    EXPECT_EQ(value, -3);
    RunMessage("2*-mr+1", 3, amRadians, &value);
    EXPECT_EQ(value, -5);
    for (int i = 0; i < 20; ++i) {
        const Extended r = EvaluateExpression(QStringLiteral("-rnd"), amRadians);
        EXPECT_LE(r, 0);
        EXPECT_GT(r, -1);
    }
}

// The function names of the name table after the long double library: the reference
// the nesting below is checked against.
struct ReferenceFunction {
    const char* name;
    Extended (*value)(Extended);
};

constexpr ReferenceFunction kReferenceFunctions[] = {
    {"sqrt", [](Extended x) { return std::sqrt(x); }},
    {"log", [](Extended x) { return std::log10(x); }},
    {"exp", [](Extended x) { return std::exp(x); }},
    {"ln", [](Extended x) { return std::log(x); }},
    {"lg2", [](Extended x) { return std::log2(x); }},
    {"sin", [](Extended x) { return std::sin(x); }},
    {"arcsin", [](Extended x) { return std::asin(x); }},
    {"invsin", [](Extended x) { return std::asin(x); }},
    {"sinh", [](Extended x) { return std::sinh(x); }},
    {"hypsin", [](Extended x) { return std::sinh(x); }},
    {"arsinh", [](Extended x) { return std::asinh(x); }},
    {"invhypsin", [](Extended x) { return std::asinh(x); }},
    {"hypinvsin", [](Extended x) { return std::asinh(x); }},
    {"cos", [](Extended x) { return std::cos(x); }},
    {"arccos", [](Extended x) { return std::acos(x); }},
    {"invcos", [](Extended x) { return std::acos(x); }},
    {"cosh", [](Extended x) { return std::cosh(x); }},
    {"hypcos", [](Extended x) { return std::cosh(x); }},
    {"arcosh", [](Extended x) { return std::acosh(x); }},
    {"invhypcos", [](Extended x) { return std::acosh(x); }},
    {"hypinvcos", [](Extended x) { return std::acosh(x); }},
    {"tan", [](Extended x) { return std::tan(x); }},
    {"arctan", [](Extended x) { return std::atan(x); }},
    {"invtan", [](Extended x) { return std::atan(x); }},
    {"tanh", [](Extended x) { return std::tanh(x); }},
    {"hyptan", [](Extended x) { return std::tanh(x); }},
    {"artanh", [](Extended x) { return std::atanh(x); }},
    {"invhyptan", [](Extended x) { return std::atanh(x); }},
    {"hypinvtan", [](Extended x) { return std::atanh(x); }},
    {"abs", [](Extended x) { return std::fabs(x); }},
    {"floor", [](Extended x) { return std::floor(x); }},
    {"ceil", [](Extended x) { return std::ceil(x); }},
    {"ceiling", [](Extended x) { return std::ceil(x); }},
    {"sgn", [](Extended x) { return std::isnan(x) ? x : (x > 0) - (x < 0); }},
    {"sign", [](Extended x) { return std::isnan(x) ? x : (x > 0) - (x < 0); }},
    {"gamma", [](Extended x) { return std::tgamma(x); }},
    {"lngamma", [](Extended x) { return std::lgamma(x); }},
};

TEST(NestedFunctions, TheReferenceHasEveryFunctionName)
{
    // Every code of a function that takes an argument, through one name or more.
    QString codes;
    for (const ReferenceFunction& f : kReferenceFunctions) {
        QChar code;
        QString unknown;
        LookupFunctionName(QString::fromUtf8(f.name), code, unknown);
        ASSERT_TRUE(unknown.isEmpty()) << f.name;
        if (!codes.contains(code))
            codes += code;
    }
    std::sort(codes.begin(), codes.end());
    QString expected = QStringLiteral("QLENWSsRrCcDdTtUuafigGA");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(codes, expected);
}

struct NestedCase {
    std::string text;
    Extended value;
    bool defined;
};

/// -outer(±inner(x)): a minus before inner where that leaves a value that is defined,
/// finite and not overly sensitive to x for one of a few arguments, else a plus. When
/// neither has a value, the case is the undefined one with a minus.
NestedCase NestedCaseOf(const ReferenceFunction& outer, const ReferenceFunction& inner)
{
    struct Argument {
        const char* text;
        Extended value;
    };
    static constexpr Argument arguments[] = {
        {"0.35", 0.35L}, {"-0.35", -0.35L}, {"0.8", 0.8L},    {"-0.8", -0.8L},  {"1.4", 1.4L}, {"-1.4", -1.4L},
        {"2.6", 2.6L},   {"-2.6", -2.6L},   {"-0.95", -0.95L}, {"0.05", 0.05L}, {"0", 0}};
    const auto textOf = [&](char sign, const Argument& a) {
        return std::string("-") + outer.name + '(' + sign + inner.name + '(' + a.text + "))";
    };
    for (const char sign : {'-', '+'}) {
        const auto value = [&](Extended x) { return -outer.value((sign == '-' ? -1 : 1) * inner.value(x)); };
        for (const Argument& a : arguments) {
            const Extended v = value(a.value);
            const Extended nearby = value(a.value * (1 + 1e-9L));
            if (std::isfinite(v) && std::fabs(v) < 1e30L
                && std::fabs(nearby - v) <= 1e-6L * std::max<Extended>(1, std::fabs(v)))
                return {textOf(sign, a), v, true};
        }
    }
    return {textOf('-', arguments[0]), 0, false};
}

TEST(NestedFunctions, EveryNameInsideEveryOtherWithSigns)
{
    int undefined = 0;
    for (const ReferenceFunction& outer : kReferenceFunctions) {
        for (const ReferenceFunction& inner : kReferenceFunctions) {
            if (&outer == &inner)
                continue;
            const NestedCase c = NestedCaseOf(outer, inner);
            Extended value = -1;
            const QString message = RunMessage(c.text.c_str(), 0, amRadians, &value);
            if (c.defined) {
                EXPECT_EQ(message, QString()) << c.text;
                ExpectValue(value, c.value, c.text.c_str(), 1e-12L);
            } else {
                // No argument gives a value (arcosh of a sine): the failure is reported.
                ++undefined;
                EXPECT_FALSE(message.isEmpty()) << c.text;
                EXPECT_EQ(value, 0) << c.text;
            }
        }
    }
    // The arguments leave a value to compare for nearly every pair; the rest are the
    // arcosh of a sine, cosine or tanh and the artanh of a cosh.
    EXPECT_LE(undefined, 18);
}

// --- angle modes -----------------------------------------------------------------------

struct AngleCase {
    const char* text;
    TOrvAngleMode mode;
    Extended value;
};


class AngleModes : public ::testing::TestWithParam<AngleCase> {};

TEST_P(AngleModes, ConvertTrigonometryOnly)
{
    const AngleCase& c = GetParam();
    ExpectValue(EvaluateExpression(QString::fromUtf8(c.text), c.mode), c.value, c.text);
}

INSTANTIATE_TEST_SUITE_P(Cases, AngleModes, ::testing::Values(
    AngleCase{"sin 30", amDegrees, 0.5L},
    AngleCase{"cos(60)", amDegrees, 0.5L},
    AngleCase{"tan 45", amDegrees, 1},
    AngleCase{"arcsin 1", amDegrees, 90},
    AngleCase{"arccos 0.5", amDegrees, 60},
    AngleCase{"arctan 1", amDegrees, 45},
    AngleCase{"sin 100", amGradiants, 1},
    AngleCase{"arccos 0", amGradiants, 100},
    AngleCase{"sin(pi/2)", amRadians, 1},
    AngleCase{"arctan 1", amRadians, PiValue / 4},
    AngleCase{"sinh 1", amDegrees, std::sinh(1.0L)},   // hyperbolics are never converted
    AngleCase{"artanh 0.5", amGradiants, std::atanh(0.5L)},
    AngleCase{"cos 0", amDegrees, 1},
    AngleCase{"cos 0", amGradiants, 1}));

// --- messages ----------------------------------------------------------------------------

struct MessageCase {
    const char* text;
    Extended value;
    QString message;
};


class ExpressionMessages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(ExpressionMessages, ReportTheFailureAndItsValue)
{
    const MessageCase& c = GetParam();
    Extended value = -1;
    EXPECT_EQ(RunMessage(c.text, 0, amRadians, &value), c.message);
    EXPECT_EQ(value, c.value);
    EXPECT_EQ(EvaluateExpression(QString::fromUtf8(c.text), amRadians), c.value);
}

QString Unknown(const char* name)
{
    return QStringLiteral("Unknown Function - ") + QString::fromUtf8(name);
}

INSTANTIATE_TEST_SUITE_P(UnknownNames, ExpressionMessages, ::testing::Values(
    MessageCase{"foo(2)", 0, Unknown("foo")},
    MessageCase{"sin30", 0, Unknown("sin3")},
    MessageCase{"2+bar", 0, Unknown("bar")},
    MessageCase{"1+2 qq 3", 0, Unknown("qq")},
    MessageCase{"2*q+1", 0, Unknown("q")},
    MessageCase{"xyz", 0, Unknown("yz")},       // x is split off first
    MessageCase{"xsin3", 0, Unknown("xsin")},   // the digit is split off first
    MessageCase{"SinQ(1)", 0, Unknown("sinq")}, // reported lower-cased
    MessageCase{"3x4x5", 0, Unknown("x4x")},    // only the last digit is split off
    MessageCase{"2 euler", 0, Unknown("euler")},
    MessageCase{"3 ! 4", 0, Unknown("!")}));

INSTANTIATE_TEST_SUITE_P(EngineErrors, ExpressionMessages, ::testing::Values(
    MessageCase{"1/0", 0, MathMessageText(emmDivisionByZero)},
    MessageCase{"1/0+2", 0, QStringLiteral("Invalid Equation")},  // the later error replaces it
    MessageCase{"5 mod 0", 0, MathMessageText(emmDivisionByZero)},
    MessageCase{"sqrt(-4)", 0, QStringLiteral("Square Root of Negative")},
    MessageCase{"log 0", 0, MathMessageText(emmValueMustBePositive)},
    MessageCase{"arccos 2", 0, MathMessageText(emmValueMustBeLE1)},
    MessageCase{"gamma(-2)", 0, MathMessageText(emmNotDefined)},
    MessageCase{"arcosh 0.5", 0, MathMessageText(emmNotDefined)},
    MessageCase{"2*", 0, QStringLiteral("Invalid Equation")},
    MessageCase{"xpi", 0, QStringLiteral("Invalid Equation")},
    MessageCase{"sin()", 0, QStringLiteral("Invalid Equation")},
    MessageCase{"-sin()", 0, QStringLiteral("Invalid Equation")},
    MessageCase{"-sqrt(-4)", 0, QStringLiteral("Square Root of Negative")},
    MessageCase{"2*-log 0", 0, MathMessageText(emmValueMustBePositive)},
    MessageCase{"1e5000", 0, QStringLiteral("Floating point overflow")}, // a number past the range
    // Errors do not stop the run: after "=" a digit starts afresh, and the message
    // stays the last error recorded.
    MessageCase{"1/0=2+3", 5, MathMessageText(emmDivisionByZero)},
    MessageCase{"sqrt(-1)=7", 7, QStringLiteral("Square Root of Negative")}));

TEST(ExpressionMessagesHost, OverflowAndLogOfZeroAreReported)
{
    for (const char* text : {"ln 0", "exp 100000", "10^4000*10^4000"}) {
        Extended value = -1;
        EXPECT_FALSE(RunMessage(text, 0, amRadians, &value).isEmpty()) << text;
        EXPECT_EQ(value, 0) << text;
    }
}

// --- tokens --------------------------------------------------------------------------------

struct TokenCase {
    const char* text;
    const char* codes;
    const char* unknown;
};


class Tokens : public ::testing::TestWithParam<TokenCase> {};

TEST_P(Tokens, AreTheKeyCodes)
{
    const TokenCase& c = GetParam();
    QString codes = QStringLiteral("junk");
    QString unknown = QStringLiteral("junk");
    TokeniseExpression(QString::fromUtf8(c.text), codes, unknown);
    EXPECT_EQ(codes, QString::fromUtf8(c.codes));
    EXPECT_EQ(unknown, QString::fromUtf8(c.unknown));
}

INSTANTIATE_TEST_SUITE_P(Cases, Tokens, ::testing::Values(
    TokenCase{"2 * (3 + sin(pi/6))", "2*(3+S(P/6))", ""},
    TokenCase{"  SIN( PI ) ", "S(P)", ""},
    TokenCase{"sin3", "S3", ""},
    TokenCase{"2x3", "2*3", ""},
    TokenCase{"2xpi", "2*P", ""},
    TokenCase{"1e5", "1e5", ""},
    TokenCase{"1.5e-3", "1.5e-3", ""},
    TokenCase{"e", "e", ""},
    TokenCase{"1,234+1", "1234+1", ""},
    TokenCase{"10 mod 3 rem 2 div 1 intdiv 1", "10#3&2\\1|1", ""},
    TokenCase{"mc mr madd msub rnd", "KkMmZ", ""},
    TokenCase{"arsinh invhypcos hypinvtan", "rdu", ""},
    TokenCase{"lngamma gamma sgn ceil floor abs", "AGgifa", ""},
    TokenCase{"27@3^2%=", "27@3^2%=", ""},
    TokenCase{"foo(2)", "", "foo"},
    TokenCase{"sin30", "", "sin3"},
    TokenCase{"2+3 foo", "", "foo"},
    TokenCase{"xfoo", "", "foo"},
    TokenCase{"", "", ""}));

TEST(TokensDecimalSeparator, FollowsTheLocale)
{
    TOrvScopedValue settings(FormatSettings, FormatSettings);
    FormatSettings.DecimalSeparator = u',';
    FormatSettings.ThousandSeparator = u'.';
    QString codes;
    QString unknown;
    TokeniseExpression(QStringLiteral("1.234,5+1"), codes, unknown);
    EXPECT_EQ(codes, u"1234,5+1");
    EXPECT_TRUE(unknown.isEmpty());
    EXPECT_EQ(EvaluateExpression(QStringLiteral("1.234,5+1"), amRadians), 1235.5L);
    EXPECT_EQ(EvaluateSimpleExpression(QStringLiteral("1.234,5+1")), 1235.5L);
}

// --- the name table --------------------------------------------------------------------------

struct NameCase {
    const char* name;
    char16_t code;
};

TEST(NameTable, HoldsEveryNameWithItsCode)
{
    const NameCase names[] = {
        {"x", u'*'}, {"mod", u'#'}, {"rem", u'&'}, {"div", u'\\'}, {"intdiv", u'|'}, {"e", u'e'},
        {"pi", u'P'}, {"sqrt", u'Q'}, {"log", u'L'}, {"exp", u'E'}, {"ln", u'N'}, {"lg2", u'W'},
        {"sin", u'S'}, {"arcsin", u's'}, {"invsin", u's'}, {"sinh", u'R'}, {"hypsin", u'R'},
        {"arsinh", u'r'}, {"invhypsin", u'r'}, {"hypinvsin", u'r'},
        {"cos", u'C'}, {"arccos", u'c'}, {"invcos", u'c'}, {"cosh", u'D'}, {"hypcos", u'D'},
        {"arcosh", u'd'}, {"invhypcos", u'd'}, {"hypinvcos", u'd'},
        {"tan", u'T'}, {"arctan", u't'}, {"invtan", u't'}, {"tanh", u'U'}, {"hyptan", u'U'},
        {"artanh", u'u'}, {"invhyptan", u'u'}, {"hypinvtan", u'u'},
        {"abs", u'a'}, {"floor", u'f'}, {"ceil", u'i'}, {"ceiling", u'i'}, {"sgn", u'g'}, {"sign", u'g'},
        {"gamma", u'G'}, {"lngamma", u'A'}, {"mc", u'K'}, {"mr", u'k'}, {"madd", u'M'}, {"msub", u'm'},
        {"rnd", u'Z'},
    };
    for (const NameCase& n : names) {
        QChar code;
        QString unknown = QStringLiteral("junk");
        LookupFunctionName(QString::fromUtf8(n.name), code, unknown);
        EXPECT_EQ(code, QChar(n.code)) << n.name;
        EXPECT_TRUE(unknown.isEmpty()) << n.name;
    }
}

TEST(NameTable, KnowsNothingElse)
{
    // Neither Euler's number nor the engine's other constants, nor upper case.
    for (const char* name : {"", "euler", "phi", "sqr", "sinus", "Sin", "PI", "log10", "10^x", "inv", "hyp",
                             "m+", "asin", "acos", "atan", "ceilin", "arcsinh", "pi "}) {
        QChar code = u'?';
        QString unknown;
        LookupFunctionName(QString::fromUtf8(name), code, unknown);
        EXPECT_EQ(code, u' ') << name;
        EXPECT_EQ(unknown, QString::fromUtf8(name)) << name;
    }
}

// --- the caller's engine --------------------------------------------------------------------

TEST(RunExpressionEngine, MemoryIsTheEvaluationsOwn)
{
    TOrvCalcEngine engine;
    engine.SetMemory(7);
    int memoryEvents = 0;
    engine.OnMemoryChange = [&](IOrvCalcEngine&) { ++memoryEvents; };
    QString message;
    // The evaluation starts from its argument, not from the engine's memory.
    EXPECT_EQ(RunExpression(QStringLiteral("mr"), engine, 3, amRadians, message), 3);
    EXPECT_EQ(RunExpression(QStringLiteral("10 madd mr"), engine, 3, amRadians, message), 13);
    EXPECT_EQ(RunExpression(QStringLiteral("4 msub mr"), engine, 3, amRadians, message), -1);
    EXPECT_EQ(RunExpression(QStringLiteral("mc mr"), engine, 3, amRadians, message), 0);
    EXPECT_TRUE(message.isEmpty());
    EXPECT_EQ(engine.GetMemoryValue(), 7);
    EXPECT_GT(memoryEvents, 0);
    // Nor does one evaluation's memory reach the next.
    EXPECT_EQ(EvaluateExpression(QStringLiteral("5 madd"), amRadians), 5);
    EXPECT_EQ(EvaluateExpression(QStringLiteral("mr"), amRadians), 0);
}

TEST(RunExpressionEngine, RestoresAngleModeAndPrefixSwitch)
{
    for (const char* text : {"sin 30", "foo", "1/0"}) {
        TOrvCalcEngine engine;
        engine.SetAngleMode(amGradiants);
        engine.SetPrefixFunctions(false);
        engine.SetMemory(2);
        QString message;
        RunExpression(QString::fromUtf8(text), engine, 0, amDegrees, message);
        EXPECT_EQ(engine.GetAngleMode(), amGradiants) << text;
        EXPECT_FALSE(engine.GetPrefixFunctions()) << text;
        EXPECT_EQ(engine.GetMemoryValue(), 2) << text;
    }
}

TEST(RunExpressionEngine, UnknownNameLeavesTheEngineUndriven)
{
    TOrvCalcEngine engine;
    orvtest::Press(engine, "12+3");
    const QStringList history = History(engine);
    QString message;
    EXPECT_EQ(RunExpression(QStringLiteral("1+foo"), engine, 0, amRadians, message), 0);
    EXPECT_EQ(message, Unknown("foo"));
    EXPECT_EQ(engine.GetDisplayStr(), u"3");
    EXPECT_EQ(History(engine), history);
}

TEST(RunExpressionEngine, CleanRunClearsAnEarlierError)
{
    TOrvCalcEngine engine;
    orvtest::Press(engine, "1/0=");
    ASSERT_FALSE(engine.GetLastError().isEmpty());
    QString message = QStringLiteral("stale");
    EXPECT_EQ(RunExpression(QStringLiteral("2+2"), engine, 0, amRadians, message), 4);
    EXPECT_TRUE(message.isEmpty());
    EXPECT_EQ(engine.GetDisplayStr(), u"4.0000");
}

TEST(RunExpressionEngine, NonFiniteMemoryRaisesAndRestores)
{
    TOrvCalcEngine engine;
    engine.SetAngleMode(amDegrees);
    QString message;
    EXPECT_THROW(RunExpression(QStringLiteral("1"), engine, std::numeric_limits<Extended>::quiet_NaN(), amRadians,
                               message),
                 EMathError);
    EXPECT_EQ(engine.GetAngleMode(), amDegrees);
    EXPECT_EQ(engine.GetMemoryValue(), 0);
}

// --- bad text ---------------------------------------------------------------------------------

TEST(BadText, NeverRaisesAndGivesAFiniteValue)
{
    const char* const junk[] = {
        "(((((", ")))))", "=====", "%%%%", "@@@@", "^^^^", "++++", "----", "****", "....", ",,,,",
        "e", "ee", "e+", "e-e-", "1e", "1e+", "1e99999", "1e-99999", ".", "-", "+", "(", ")", "=",
        "9999999999999999999999999999999999999999999999999999999999999999999999999999999999999999",
        "sin sin sin", "sqrt", "mr mr mr madd madd", "2^99999", "0^-1", "0@0", "(-8)@3", "1@0",
        "x", "xx", "x1", "1x", "pi pi pi", "\t\n\r", "\xe2\x82\xac 5", "\xd9\xa3+1", "5 \xc2\xa0 5",
    };
    for (const char* text : junk) {
        for (const bool raise : {false, true}) {
            const TOrvScopedValue raiseErrors(GlobalRaiseFloatErrors, raise);
            const QString q = QString::fromUtf8(text);
            Extended a = 0;
            Extended s = 0;
            EXPECT_NO_THROW(a = EvaluateExpression(q, amDegrees)) << text;
            EXPECT_NO_THROW(s = EvaluateSimpleExpression(q)) << text;
            EXPECT_TRUE(std::isfinite(a)) << text;
            EXPECT_TRUE(std::isfinite(s)) << text;
        }
    }
}

TEST(BadText, RandomTextNeverRaisesAndRestoresTheEngine)
{
    // Characters and names the evaluator knows, and some it does not.
    const std::vector<QString> pieces = [] {
        std::vector<QString> p;
        for (const QChar c : QStringLiteral("0123456789012345.,+-*/^@%#&\\|()()==e xXpiPI!?;\t\u00a0\u20ac\u0663"))
            p.emplace_back(c);
        for (const char* n : {"sin", "arccos", "hypinvtan", "sqrt", "lg2", "mod", "intdiv", "mr", "madd", "msub",
                              "mc", "rnd", "gamma", "lngamma", "exp", "ln", "log", "pi", "x", "e", "foo"})
            p.push_back(u' ' + QString::fromUtf8(n) + u' ');
        p.push_back(QString(QChar(0xD800))); // a lone surrogate
        return p;
    }();
    std::mt19937 rng(20261210u);
    TOrvCalcEngine shared;
    shared.SetMemory(1.5L);
    shared.SetAngleMode(amGradiants);
    int unknown = 0;
    int failed = 0;
    int clean = 0;
    for (int i = 0; i < 3000; ++i) {
        const TOrvScopedValue raiseErrors(GlobalRaiseFloatErrors, rng() % 4 == 0);
        QString text;
        const int length = static_cast<int>(rng() % 40);
        for (int k = 0; k < length; ++k)
            text += pieces[rng() % pieces.size()];
        const auto mode = static_cast<TOrvAngleMode>(rng() % 3);
        const std::string trace = text.toStdString();
        Extended a = 0;
        Extended s = 0;
        ASSERT_NO_THROW(a = EvaluateExpression(text, mode)) << trace;
        ASSERT_NO_THROW(s = EvaluateSimpleExpression(text)) << trace;
        ASSERT_TRUE(std::isfinite(a) && std::isfinite(s)) << trace;

        QString message;
        ASSERT_NO_THROW(RunExpression(text, shared, 2, mode, message)) << trace;
        ASSERT_EQ(shared.GetMemoryValue(), 1.5L) << trace;
        ASSERT_EQ(shared.GetAngleMode(), amGradiants) << trace;
        ASSERT_FALSE(shared.GetPrefixFunctions()) << trace;
        if (message.startsWith(u"Unknown Function - "))
            ++unknown;
        else if (!message.isEmpty())
            ++failed;
        else
            ++clean;
    }
    // The mix must reach every outcome.
    EXPECT_GT(unknown, 100);
    EXPECT_GT(failed, 100);
    EXPECT_GT(clean, 100);
}

} // namespace
