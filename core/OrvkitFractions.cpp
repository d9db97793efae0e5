#include <orvkit/core/OrvkitFractions.h>

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitFpu.h>
#include <orvkit/core/OrvkitMath.h>

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <utility>

namespace orv {

namespace {

constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("OrvkitFractions", "Denominator cannot be 0"),
    QT_TRANSLATE_NOOP("OrvkitFractions", "Division by zero"),
};
static_assert(std::size(kTexts) == efmDivisionByZero + 1);

// Wide enough for every exact intermediate: products of two 64-bit magnitudes.
__extension__ typedef unsigned __int128 UWide;
__extension__ typedef __int128 SWide;

[[noreturn]] void RaiseDenominatorZero()
{
    throw EMathError(FractionMessageText(efmDenominatorZero));
}

[[noreturn]] void RaiseIntegerDivision()
{
    throw EDivByZero(FractionMessageText(efmDivisionByZero));
}

UWide GcdWide(UWide a, UWide b)
{
    while (b != 0) {
        a %= b;
        std::swap(a, b);
    }
    return a;
}

uint32_t Magnitude(int32_t x)
{
    return x < 0 ? 0u - uint32_t(x) : uint32_t(x);
}

// A signed value as magnitude and sign.
struct TWideRational {
    bool negative = false;
    UWide magnitude = 0;
    UWide denominator = 1;
};

TWideRational Rational(SWide numerator, UWide denominator)
{
    const bool negative = numerator < 0;
    return {negative, negative ? UWide(0) - UWide(numerator) : UWide(numerator), denominator};
}

// Reduces exactly, then keeps the low 32 bits of each field.
TOrvFraction NarrowFraction(const TWideRational& q)
{
    const uint32_t low = uint32_t(q.magnitude);
    if (q.denominator == 0)
        return {int32_t(q.negative ? 0u - low : low), 0};
    if (q.magnitude == 0)
        return {0, 1};
    const UWide g = GcdWide(q.magnitude, q.denominator);
    const uint32_t numerator = uint32_t(q.magnitude / g);
    return {int32_t(q.negative ? 0u - numerator : numerator), uint32_t(q.denominator / g)};
}

// Splits off the whole part and reduces the rest exactly; the caller rules out a zero
// denominator.
TOrvMixedFraction NarrowMixed(const TWideRational& q)
{
    TOrvMixedFraction m;
    m.Negative = q.negative;
    m.WholePart = uint32_t(q.magnitude / q.denominator);
    const UWide rest = q.magnitude % q.denominator;
    if (rest == 0)
        return m; // 0/1
    const UWide g = GcdWide(rest, q.denominator);
    m.Numerator = uint32_t(rest / g);
    m.Denominator = uint32_t(q.denominator / g);
    return m;
}

TWideRational Improper(const TOrvMixedFraction& m)
{
    return {m.Negative, UWide(m.WholePart) * m.Denominator + m.Numerator, m.Denominator};
}

SWide Signed(const TWideRational& q)
{
    return q.negative ? -SWide(q.magnitude) : SWide(q.magnitude);
}

// a + b over the lcm of the denominators; the caller has ruled out zero ones.
TWideRational AddWide(const TWideRational& a, const TWideRational& b)
{
    const UWide lcm = a.denominator / GcdWide(a.denominator, b.denominator) * b.denominator;
    return Rational(Signed(a) * SWide(lcm / a.denominator) + Signed(b) * SWide(lcm / b.denominator), lcm);
}

// The product or quotient of x and y, given as magnitude over denominator. A zero
// denominator is the integer division by zero of the 64-bit arithmetic it stands for.
TOrvMixedFraction ProductOrQuotient(const TWideRational& x, const TWideRational& y, UWide magnitude, UWide denominator)
{
    if (denominator == 0)
        RaiseIntegerDivision();
    return NarrowMixed({magnitude != 0 && x.negative != y.negative, magnitude, denominator});
}

TWideRational FractionWide(const TOrvFraction& f)
{
    return Rational(f.Numerator, f.Denominator);
}

TOrvFraction AddFractionsWide(const TOrvFraction& a, TWideRational b)
{
    if (a.Denominator == 0 || b.denominator == 0)
        RaiseMathError(emmNotDefined);
    return NarrowFraction(AddWide(FractionWide(a), b));
}

// round(x x 10^min(digits, 9)) and that power; EInvalidOp/EOverflow as the unit gives them.
void ScaledRound(Extended x, uint8_t digits, int64_t& numerator, int64_t& power)
{
    power = Int64Power(10, std::min<uint8_t>(digits, 9));
    TOrvFpuCheck fpu;
    numerator = std::llrint(x * Extended(power));
    fpu.Check();
}

QString Digits(uint64_t value)
{
    return QString::number(value);
}

// The sign in front of an unsigned text of a non-zero value.
QString WithSign(bool negative, const QString& text)
{
    if (negative)
        return QLatin1Char('-') + text;
    return GlobalShowPosSign ? QLatin1Char('+') + text : text;
}

uint32_t DenominatorOrOne(const QString& text)
{
    return text.isEmpty() ? 1u : TextToUInt32(text);
}

} // namespace

QString FractionMessageText(TOrvFractionMessage message)
{
    return QCoreApplication::translate("OrvkitFractions", kTexts[message]);
}

TOrvFraction MakeFraction(int32_t numerator, uint32_t denominator)
{
    if (denominator == 0)
        RaiseDenominatorZero();
    return {numerator, denominator};
}

TOrvMixedFraction MakeMixed(int32_t whole, uint32_t numerator, uint32_t denominator)
{
    if (denominator == 0)
        RaiseDenominatorZero();
    return {Magnitude(whole), numerator, denominator, whole < 0};
}

TOrvMixedFraction MakeMixedSimple(int32_t numerator, uint32_t denominator)
{
    if (denominator == 0)
        RaiseDenominatorZero();
    return {0, Magnitude(numerator), denominator, numerator < 0};
}

TOrvFraction ReduceFraction(const TOrvFraction& f)
{
    if (f.Denominator == 0)
        return f;
    return NarrowFraction(FractionWide(f));
}

TOrvMixedFraction ReduceMixed(const TOrvMixedFraction& m)
{
    if (m.Denominator == 0)
        return m;
    TOrvMixedFraction r = m;
    if (r.Numerator == 0) {
        r.Denominator = 1;
        return r;
    }
    if (r.Numerator >= r.Denominator) {
        r.WholePart += r.Numerator / r.Denominator; // unsigned: wraps
        r.Numerator %= r.Denominator;
    }
    const uint32_t g = GcdOf(r.Numerator, r.Denominator);
    if (g > 1) {
        r.Numerator /= g;
        r.Denominator /= g;
    }
    return r;
}

TOrvFraction NegateFraction(const TOrvFraction& f)
{
    return {int32_t(0u - uint32_t(f.Numerator)), f.Denominator};
}

TOrvMixedFraction NegateMixed(const TOrvMixedFraction& m)
{
    TOrvMixedFraction r = m;
    r.Negative = !r.Negative;
    return r;
}

bool MixedIsZero(const TOrvMixedFraction& m)
{
    return m.Numerator == 0 && m.WholePart == 0;
}

bool MixedDiffer(const TOrvMixedFraction& a, const TOrvMixedFraction& b, bool exact)
{
    if (a.Negative != b.Negative)
        return true;
    const TOrvMixedFraction x = exact ? a : ReduceMixed(a);
    const TOrvMixedFraction y = exact ? b : ReduceMixed(b);
    return x.WholePart != y.WholePart || x.Numerator != y.Numerator || x.Denominator != y.Denominator;
}

void MixedToImproper(const TOrvMixedFraction& m, int64_t& n, int64_t& d)
{
    n = int64_t(Signed(Improper(m)));
    d = m.Denominator;
}

TOrvFraction AddFractions(const TOrvFraction& a, const TOrvFraction& b)
{
    return AddFractionsWide(a, FractionWide(b));
}

TOrvFraction SubtractFractions(const TOrvFraction& a, const TOrvFraction& b)
{
    // Negated in wide form, so that -2147483648 does not wrap on the way.
    return AddFractionsWide(a, Rational(-SWide(b.Numerator), b.Denominator));
}

TOrvFraction MultiplyFractions(const TOrvFraction& a, const TOrvFraction& b)
{
    return NarrowFraction(Rational(SWide(a.Numerator) * b.Numerator, UWide(a.Denominator) * b.Denominator));
}

TOrvFraction InvertFraction(const TOrvFraction& a)
{
    if (a.Numerator == 0)
        RaiseDenominatorZero();
    const uint32_t numerator = a.Numerator < 0 ? 0u - a.Denominator : a.Denominator;
    return MakeFraction(int32_t(numerator), Magnitude(a.Numerator));
}

TOrvFraction DivideFractions(const TOrvFraction& a, const TOrvFraction& b)
{
    if (b.Numerator == 0)
        RaiseDenominatorZero();
    const SWide sign = b.Numerator < 0 ? -1 : 1;
    return NarrowFraction(Rational(SWide(a.Numerator) * sign * b.Denominator, UWide(a.Denominator) * Magnitude(b.Numerator)));
}

TOrvMixedFraction AddMixed(const TOrvMixedFraction& a, const TOrvMixedFraction& b)
{
    if (a.Denominator == 0 || b.Denominator == 0)
        RaiseMathError(emmNotDefined);
    return NarrowMixed(AddWide(Improper(a), Improper(b)));
}

TOrvMixedFraction SubtractMixed(const TOrvMixedFraction& a, const TOrvMixedFraction& b)
{
    return AddMixed(a, NegateMixed(b));
}

TOrvMixedFraction MultiplyMixed(const TOrvMixedFraction& a, const TOrvMixedFraction& b)
{
    const TWideRational x = Improper(a);
    const TWideRational y = Improper(b);
    return ProductOrQuotient(x, y, x.magnitude * y.magnitude, x.denominator * y.denominator);
}

TOrvMixedFraction InvertMixed(const TOrvMixedFraction& a)
{
    TOrvMixedFraction r;
    r.Negative = a.Negative;
    r.Denominator = a.WholePart * a.Denominator + a.Numerator; // unsigned: wraps
    r.Numerator = a.Denominator;
    r.WholePart = 0;
    return ReduceMixed(r);
}

TOrvMixedFraction DivideMixed(const TOrvMixedFraction& a, const TOrvMixedFraction& b)
{
    const TWideRational x = Improper(a);
    const TWideRational y = Improper(b);
    return ProductOrQuotient(x, y, x.magnitude * y.denominator, x.denominator * y.magnitude);
}

Extended MixedToFloat(const TOrvMixedFraction& m)
{
    TOrvFpuCheck fpu;
    const Extended value = Extended(m.Numerator) / Extended(m.Denominator) + Extended(m.WholePart);
    fpu.Check();
    return m.Negative ? -value : value;
}

TOrvFraction FloatToFraction(Extended x, uint8_t digits)
{
    int64_t numerator = 0;
    int64_t power = 1;
    ScaledRound(x, digits, numerator, power);
    return NarrowFraction(Rational(numerator, UWide(power)));
}

TOrvMixedFraction FloatToMixed(Extended x, uint8_t digits)
{
    const Extended magnitude = std::fabs(x);
    Extended whole = 0.0L;
    int64_t wholeValue = 0;
    {
        TOrvFpuCheck fpu;
        whole = std::trunc(magnitude);
        wholeValue = std::llrint(whole);
        fpu.Check();
    }
    int64_t numerator = 0;
    int64_t power = 1;
    ScaledRound(magnitude - whole, digits, numerator, power);
    TOrvMixedFraction m;
    m.Negative = x < 0.0L;
    m.WholePart = uint32_t(uint64_t(wholeValue));
    m.Numerator = uint32_t(numerator);
    m.Denominator = uint32_t(power);
    return ReduceMixed(m);
}

QString FractionToText(const TOrvFraction& f)
{
    if (f.Numerator == 0)
        return GlobalBlankWhenZero ? QString() : QStringLiteral("0");
    const QString numerator = WithSign(f.Numerator < 0, Digits(Magnitude(f.Numerator)));
    if (f.Denominator == 1)
        return numerator;
    return numerator + QLatin1Char('/') + Digits(f.Denominator);
}

QString MixedToText(const TOrvMixedFraction& m)
{
    if (MixedIsZero(m))
        return GlobalBlankWhenZero ? QString() : QStringLiteral("0");
    QString text;
    if (m.WholePart != 0)
        text = Digits(m.WholePart);
    if (m.Numerator != 0) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += Digits(m.Numerator) + QLatin1Char('/') + Digits(m.Denominator);
    }
    return WithSign(m.Negative, text);
}

TOrvFraction TextToFraction(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {0, 1};
    const qsizetype slash = t.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return MakeFraction(TextToInt32(t), 1);
    return MakeFraction(TextToInt32(t.left(slash)), TextToUInt32(t.mid(slash + 1)));
}

TOrvMixedFraction TextToMixed(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return MakeMixedSimple(0, 1);
    const qsizetype space = t.indexOf(QLatin1Char(' '));
    const qsizetype slash = t.indexOf(QLatin1Char('/'));
    if (space < 0 && slash < 0)
        return MakeMixed(TextToInt32(t), 0, 1);
    if (space < 0) {
        // Read in 64 bits: a numerator of 2^31 or more, as MixedToText writes it without a
        // whole part, must not be clamped to the 32-bit signed range.
        const int64_t numerator = TextToInt64(t.left(slash));
        TOrvMixedFraction m = MakeMixedSimple(0, DenominatorOrOne(t.mid(slash + 1).trimmed()));
        const uint64_t magnitude = numerator < 0 ? 0u - uint64_t(numerator) : uint64_t(numerator);
        m.Numerator = uint32_t(std::min<uint64_t>(magnitude, UINT32_MAX));
        m.Negative = numerator < 0;
        return m;
    }
    const QString wholeText = t.left(space);
    const int32_t whole = TextToInt32(wholeText);
    const QString rest = t.mid(space + 1).trimmed();
    const qsizetype restSlash = rest.indexOf(QLatin1Char('/'));
    TOrvMixedFraction m = restSlash < 0
        ? MakeMixed(whole, TextToUInt32(rest), 1)
        : MakeMixed(whole, TextToUInt32(rest.left(restSlash)), DenominatorOrOne(rest.mid(restSlash + 1).trimmed()));
    // "-0 1/2" is negative although its whole part reads as 0.
    if (whole == 0 && wholeText.startsWith(QLatin1Char('-')))
        m.Negative = true;
    return m;
}

} // namespace orv
