#include <orvkit/core/OrvkitCurrency.h>

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/core/OrvkitMath.h>

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <utility>

namespace orv {

namespace {

TCurrencyFormatType PlacementFromSystem(uint8_t format)
{
    return format <= cftValSpaceSym ? TCurrencyFormatType(format) : cftSymVal;
}

TNegativeFormatType NegativeFromSystem(uint8_t format)
{
    switch (format) {
    case 0: case 4: case 14: case 15: return nftBrackets;
    case 3: case 7: case 10: case 11: return nftBack;
    case 2: case 12: return nftFrontAfter;
    case 6: case 13: return nftBackBefore;
    default: return nftFront; // 1, 5, 8, 9 and anything unknown
    }
}

// Read from the system locale itself: FormatSettings may not be built yet while the
// globals below are initialised.
const auto kStartupFormats = [] {
    const TOrvFormatSettings system = FormatSettingsFromLocale(QLocale::system());
    return std::pair{PlacementFromSystem(system.CurrencyFormat), NegativeFromSystem(system.NegCurrFormat)};
}();

[[noreturn]] void RaiseInvalidValue()
{
    throw EConvertError(MathMessageText(emmInvalidValue));
}

constexpr Extended kTwo31 = 2147483648.0L;
constexpr Extended kTwo63 = 9223372036854775808.0L;

// round(x x scale), ties to even in the default rounding mode, which must lie in
// [-bound, bound). The test on |x|
// first keeps the product finite, so no overflow flag is left behind.
Extended ScaledRound(Extended x, Extended scale, Extended bound)
{
    if (!(std::fabs(x) < bound / scale * 2.0L))
        RaiseInvalidValue();
    const Extended r = std::nearbyint(x * scale);
    if (!(r >= -bound && r < bound))
        RaiseInvalidValue();
    return r;
}

uint64_t PowerOfTen(int n)
{
    uint64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// The exact text of a fixed-point amount with `scaleDigits` decimals held, shown with
// `decimals` of them, rounded half to even at the last kept digit.
QString FixedPointText(bool negative, uint64_t magnitude, int scaleDigits, uint8_t decimals)
{
    const int shown = std::min<int>(decimals, scaleDigits);
    uint64_t units = magnitude / PowerOfTen(scaleDigits);
    const uint64_t rest = magnitude % PowerOfTen(scaleDigits);
    const uint64_t dropped = PowerOfTen(scaleDigits - shown);
    uint64_t kept = rest / dropped;
    const uint64_t remainder = rest % dropped;
    const bool keptOdd = (shown == 0 ? units : kept) % 2 != 0;
    if (remainder * 2 > dropped || (remainder * 2 == dropped && keptOdd)) {
        if (++kept == PowerOfTen(shown)) {
            ++units;
            kept = 0;
        }
    }
    QString text = GroupCurrencyDigits(QString::number(units));
    if (shown > 0)
        text += FormatSettings.DecimalSeparator + QString::number(kept).rightJustified(shown, u'0');
    return ApplyCurrencyFormat(text, negative && (units != 0 || kept != 0));
}

QString SignedFixedPointText(int64_t n, int scaleDigits, uint8_t decimals)
{
    if (GlobalBlankWhenZero && n == 0)
        return QString();
    const uint64_t magnitude = n < 0 ? 0u - uint64_t(n) : uint64_t(n);
    return FixedPointText(n < 0, magnitude, scaleDigits, decimals);
}

// Whether an amount text has a non-zero digit; an amount that rounds to nothing is not
// marked negative.
bool ShowsNonZero(const QString& amount)
{
    return std::any_of(amount.begin(), amount.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
}

template <typename AmountText>
QString FloatCurrencyText(Extended x, AmountText amountText)
{
    if (GlobalBlankWhenZero && FloatIsZero(x))
        return QString();
    const TOrvScopedValue noPlus(GlobalShowPosSign, false);
    const QString amount = amountText(std::fabs(x));
    return ApplyCurrencyFormat(amount, x < 0.0L && ShowsNonZero(amount));
}

QString AttachSymbol(const QString& text)
{
    const QString& symbol = FormatSettings.CurrencyString;
    switch (GlobalCurrencyFormat) {
    case cftValSym: return text + symbol;
    case cftSymSpaceVal: return symbol + QLatin1Char(' ') + text;
    case cftValSpaceSym: return text + QLatin1Char(' ') + symbol;
    default: return symbol + text;
    }
}

} // namespace

bool GlobalShowCurrencySymbol = false;
bool GlobalCurrencyThousands = false;
TCurrencyFormatType GlobalCurrencyFormat = kStartupFormats.first;
TNegativeFormatType GlobalNegativeFormat = kStartupFormats.second;

TCurrency TCurrency::FromFloat(Extended x)
{
    return FromRaw(int64_t(ScaledRound(x, Extended(Scale), kTwo63)));
}

void GetSystemCurrencyFormat(QString& symbol, TCurrencyFormatType& placement, TNegativeFormatType& negative)
{
    symbol = FormatSettings.CurrencyString;
    placement = PlacementFromSystem(FormatSettings.CurrencyFormat);
    negative = NegativeFromSystem(FormatSettings.NegCurrFormat);
}

TOrvCurrency FloatToCents(Extended x)
{
    return TOrvCurrency(ScaledRound(x, 100.0L, kTwo31));
}

Extended CentsToFloat(TOrvCurrency n)
{
    return Extended(n) / 100.0L;
}

TOrvLongCurrency FloatToLongCurrency(Extended x)
{
    return TOrvLongCurrency(ScaledRound(x, 1.0E6L, kTwo63));
}

Extended LongCurrencyToFloat(TOrvLongCurrency n)
{
    return Extended(n) / 1.0E6L;
}

Extended CurrencyToFloat(TCurrency value)
{
    return Extended(value.Raw) / Extended(TCurrency::Scale);
}

QString GroupCurrencyDigits(const QString& digits)
{
    return GlobalCurrencyThousands ? GroupIntegerDigits(digits, false) : digits;
}

QString ApplyCurrencyFormat(const QString& text, bool negative)
{
    const QChar minus = u'-';
    if (!negative)
        return GlobalShowCurrencySymbol ? AttachSymbol(text) : text;
    if (GlobalShowCurrencySymbol) {
        switch (GlobalNegativeFormat) {
        case nftBrackets: return QLatin1Char('(') + AttachSymbol(text) + QLatin1Char(')');
        case nftBack: return AttachSymbol(text) + minus;
        case nftFrontAfter: return AttachSymbol(minus + text);
        case nftBackBefore: return AttachSymbol(text + minus);
        default: return minus + AttachSymbol(text);
        }
    }
    switch (GlobalNegativeFormat) {
    case nftBrackets: return QLatin1Char('(') + text + QLatin1Char(')');
    case nftBack:
    case nftBackBefore: return text + minus;
    default: return minus + text;
    }
}

QString CentsToCurrencyText(TOrvCurrency n, uint8_t decimals)
{
    return SignedFixedPointText(n, 2, decimals);
}

QString LongCurrencyToCurrencyText(TOrvLongCurrency n, uint8_t decimals)
{
    return SignedFixedPointText(n, 6, decimals);
}

QString CurrencyToCurrencyText(TCurrency value, uint8_t decimals)
{
    // Split in integers rather than through a float, so every amount is exact.
    return SignedFixedPointText(value.Raw, 4, decimals);
}

QString FloatToCurrencyText(Extended x, uint8_t decimals)
{
    return FloatCurrencyText(x, [decimals](Extended amount) { return FloatToFixedText(amount, decimals); });
}

QString FloatToGroupedCurrencyText(Extended x, uint8_t decimals)
{
    return FloatCurrencyText(x, [decimals](Extended amount) { return FloatToGroupedText(amount, decimals, false); });
}

QString RemoveCurrencySymbol(const QString& text)
{
    const QString symbol = LocaleUpperText(FormatSettings.CurrencyString);
    if (symbol.isEmpty())
        return text;
    QString result = text;
    const qsizetype length = FormatSettings.CurrencyString.size();
    // Compared piecewise, so that a case change that alters a text's length (German
    // sharp s) cannot shift the position that is cut.
    for (qsizetype i = 0; i + length <= result.size();) {
        if (LocaleUpperText(result.mid(i, length)) == symbol) {
            result.remove(i, length);
            i = 0;
        } else {
            ++i;
        }
    }
    return result;
}

} // namespace orv
