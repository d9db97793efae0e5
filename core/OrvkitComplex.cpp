#include <orvkit/core/OrvkitComplex.h>

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitFpu.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/core/OrvkitMath.h>

#include <QCoreApplication>
#include <cmath>
#include <iterator>

namespace orv {

namespace {

constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("OrvkitComplex", "Complex Division by Zero"),
};
static_assert(std::size(kTexts) == ecmDivisionByZero + 1);

// Checked by the unit's FPU guard, so an overflow raises instead of giving infinity.
template <typename Op>
TOrvComplex Checked(Op op)
{
    TOrvFpuCheck fpu;
    const TOrvComplex result = op();
    fpu.Check();
    return result;
}

// Divides by the larger part first, so the squared modulus is never formed.
TOrvComplex ScaledDivide(const TOrvComplex& z, const TOrvComplex& w)
{
    if (std::fabs(w.Real) >= std::fabs(w.Imaginary)) {
        const Extended ratio = w.Imaginary / w.Real;
        const Extended denominator = w.Real + w.Imaginary * ratio;
        return {(z.Real + z.Imaginary * ratio) / denominator, (z.Imaginary - z.Real * ratio) / denominator};
    }
    const Extended ratio = w.Real / w.Imaginary;
    const Extended denominator = w.Real * ratio + w.Imaginary;
    return {(z.Real * ratio + z.Imaginary) / denominator, (z.Imaginary * ratio - z.Real) / denominator};
}

QString Pair(const QString& first, const QString& second)
{
    return QLatin1Char('(') + first + QLatin1String(", ") + second + QLatin1Char(')');
}

} // namespace

QString ComplexMessageText(TOrvComplexMessage message)
{
    return QCoreApplication::translate("OrvkitComplex", kTexts[message]);
}

Extended ComplexAbs(const TOrvComplex& z)
{
    return Hypotenuse(z.Real, z.Imaginary);
}

Extended ComplexArg(const TOrvComplex& z)
{
    if (z.Real != 0.0L && z.Imaginary != 0.0L) {
        const Extended a = SafeArcTan2(z.Real, z.Imaginary);
        return z.Imaginary > 0.0L ? a : a + TwoPi;
    }
    if (z.Real != 0.0L)
        return z.Real > 0.0L ? 0.0L : PiValue;
    if (z.Imaginary > 0.0L)
        return HalfPi;
    if (z.Imaginary < 0.0L)
        return 3.0L * HalfPi;
    return 0.0L;
}

TOrvComplex PolarToComplex(Extended modulus, Extended angle)
{
    Extended sine = 0.0L;
    Extended cosine = 0.0L;
    SafeSinCos(angle, sine, cosine);
    const Extended r = std::fabs(modulus);
    return Checked([&] { return TOrvComplex{r * cosine, r * sine}; });
}

TOrvComplex ComplexConjugate(const TOrvComplex& z)
{
    return {z.Real, -z.Imaginary};
}

TOrvComplex ComplexAdd(const TOrvComplex& z, const TOrvComplex& w)
{
    return Checked([&] { return TOrvComplex{z.Real + w.Real, z.Imaginary + w.Imaginary}; });
}

TOrvComplex ComplexSubtract(const TOrvComplex& z, const TOrvComplex& w)
{
    return Checked([&] { return TOrvComplex{z.Real - w.Real, z.Imaginary - w.Imaginary}; });
}

TOrvComplex ComplexMultiply(const TOrvComplex& z, const TOrvComplex& w)
{
    return Checked([&] {
        return TOrvComplex{z.Real * w.Real - z.Imaginary * w.Imaginary, z.Real * w.Imaginary + w.Real * z.Imaginary};
    });
}

TOrvComplex ComplexDivide(const TOrvComplex& z, const TOrvComplex& w)
{
    if (w.Real == 0.0L && w.Imaginary == 0.0L)
        throw EMathError(ComplexMessageText(ecmDivisionByZero));
    Extended d = 0.0L;
    {
        // A probe: an overflow of d only selects the scaled form and must not linger.
        const TOrvFpuCheck probe;
        d = w.Real * w.Real + w.Imaginary * w.Imaginary;
    }
    if (d == 0.0L || std::isinf(d))
        return Checked([&] { return ScaledDivide(z, w); });
    return Checked([&] {
        return TOrvComplex{(z.Real * w.Real + z.Imaginary * w.Imaginary) / d,
                           (z.Imaginary * w.Real - z.Real * w.Imaginary) / d};
    });
}

bool ComplexEqual(const TOrvComplex& z, const TOrvComplex& w)
{
    return z.Real == w.Real && z.Imaginary == w.Imaginary;
}

QString ComplexToXYText(const TOrvComplex& z, uint8_t decimals)
{
    const QString real = FloatToFixedText(z.Real, decimals);
    const bool below = z.Imaginary < 0.0L;
    // The operator already signs the imaginary part; a "+" of its own would double it.
    const TOrvScopedValue noPlus(GlobalShowPosSign, false);
    return real + (below ? QLatin1String(" - i") : QLatin1String(" + i"))
        + FloatToFixedText(below ? -z.Imaginary : z.Imaginary, decimals);
}

QString ComplexToPairText(const TOrvComplex& z, uint8_t decimals)
{
    return Pair(FloatToFixedText(z.Real, decimals), FloatToFixedText(z.Imaginary, decimals));
}

QString ComplexToPolarPairText(const TOrvComplex& z, uint8_t decimals)
{
    return Pair(FloatToFixedText(ComplexAbs(z), decimals), FloatToFixedText(ComplexArg(z), decimals));
}

} // namespace orv
