#include <orvkit/core/OrvkitConvert.h>

#include <orvkit/core/OrvkitDecimal.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitMath.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace orv {

// ---------------------------------------------------------------------------------------
// Integer to text

namespace {

QString MagnitudeDigits(uint64_t magnitude)
{
    char16_t buffer[24];
    const int n = WriteDecimalDigits(magnitude, buffer);
    return QString(reinterpret_cast<const QChar*>(buffer), n);
}

uint64_t MagnitudeOf(int64_t value)
{
    return value < 0 ? 0 - uint64_t(value) : uint64_t(value);
}

QString SignFor(int64_t value)
{
    if (value < 0)
        return QStringLiteral("-");
    if (value > 0 && GlobalShowPosSign)
        return QStringLiteral("+");
    return QString();
}

QString HexDigits(uint64_t pattern)
{
    return QString::number(pattern, 16).toUpper();
}

QString ZeroPadded(const QString& sign, const QString& digits, int width)
{
    const int digitWidth = width > 0 && !sign.isEmpty() ? width - 1 : width;
    return sign + PadLeftWith(LeftChars(digits, digitWidth), u'0', digitWidth);
}

} // namespace

QString Int64ToText(int64_t value)
{
    if (value == 0 && GlobalBlankWhenZero)
        return QString();
    return SignFor(value) + MagnitudeDigits(MagnitudeOf(value));
}

QString Int32ToText(int32_t value)
{
    return Int64ToText(value);
}

QString Int32ToHexText(int32_t value)
{
    if (value == 0 && GlobalBlankWhenZero)
        return QString();
    return HexDigits(uint32_t(value));
}

QString Int64ToHexText(int64_t value)
{
    if (value == 0 && GlobalBlankWhenZero)
        return QString();
    return HexDigits(uint64_t(value));
}

QString Int64ToZeroText(int64_t value, uint8_t width)
{
    if (value == 0 && GlobalBlankWhenZero)
        return BlankText(width);
    return ZeroPadded(SignFor(value), MagnitudeDigits(MagnitudeOf(value)), width);
}

QString Int32ToZeroText(int32_t value, uint8_t width)
{
    return Int64ToZeroText(value, width);
}

QString Int64ToZeroHexText(int64_t value, uint8_t width)
{
    if (value == 0 && GlobalBlankWhenZero)
        return BlankText(width);
    return PadLeftWith(LeftChars(Int64ToHexText(value), width), u'0', width);
}

QString GroupIntegerDigits(const QString& digits, bool lakh)
{
    QString out(digits.size() + digits.size() / 2, Qt::Uninitialized);
    const int n = WriteGroupedDigits(reinterpret_cast<const char16_t*>(digits.utf16()), int(digits.size()), lakh,
                                     FormatSettings.ThousandSeparator.unicode(),
                                     reinterpret_cast<char16_t*>(out.data()));
    out.truncate(n);
    return out;
}

QString Int64ToGroupedText(int64_t value, bool lakh)
{
    if (value == 0 && GlobalBlankWhenZero)
        return QString();
    return SignFor(value) + GroupIntegerDigits(MagnitudeDigits(MagnitudeOf(value)), lakh);
}

QString InsertThousandSeps(const QString& text, bool lakh)
{
    QString out = CleanNumberText(text);
    if (out.isEmpty())
        return out;
    // Only the integer digits are grouped: they end at the decimal separator, or at an
    // exponent mark right after a digit, so 1E+4932 keeps its exponent whole.
    qsizetype end = out.indexOf(FormatSettings.DecimalSeparator);
    if (end < 0) {
        end = out.size();
        for (qsizetype i = 1; i < out.size(); ++i)
            if ((out.at(i) == u'E' || out.at(i) == u'e') && out.at(i - 1).isDigit() &&
                out.at(i - 1).unicode() < 128) {
                end = i;
                break;
            }
    }
    const QChar separator = FormatSettings.ThousandSeparator;
    int count = 0;
    int groupSize = 3;
    for (qsizetype i = end - 1; i >= 0; --i) {
        const QChar c = out.at(i);
        if (c < u'0' || c > u'9') {
            count = 0;
            continue;
        }
        if (++count > groupSize) {
            out.insert(i + 1, separator);
            count = 1;
            if (lakh)
                groupSize = 2;
        }
    }
    return out;
}

// ---------------------------------------------------------------------------------------
// Float to text

namespace {

constexpr Extended kFixedLimit = 1e18L; // from here on the integer part needs 19 digits
constexpr int kMaxSignificant = 18;

// The longest text: sign, 19 integer digits with 9 separators, separator, 255 decimals;
// the exponent form is shorter than that (its exponent has at most 4 digits).
class TTextBuffer {
public:
    void Put(char16_t c) { fChars[fLength++] = c; }
    void PutRepeated(char16_t c, int n)
    {
        for (; n > 0; --n)
            fChars[fLength++] = c;
    }
    void PutDigits(uint64_t value) { fLength += WriteDecimalDigits(value, fChars + fLength); }
    void PutGrouped(const char16_t* digits, int count, bool lakh)
    {
        fLength += WriteGroupedDigits(digits, count, lakh, FormatSettings.ThousandSeparator.unicode(),
                                      fChars + fLength);
    }
    void PutChars(const char16_t* chars, int count)
    {
        std::copy(chars, chars + count, fChars + fLength);
        fLength += count;
    }
    void Append(const TTextBuffer& other) { PutChars(other.fChars, other.fLength); }
    QString ToString() const { return QString(reinterpret_cast<const QChar*>(fChars), fLength); }

private:
    char16_t fChars[300];
    int fLength = 0;
};

enum TGrouping { grNone, grWestern, grLakh };

// Infinities read "INF" and "-INF" ("+INF" where a plus sign is asked for), NaN "NAN".
QString NonFiniteText(const TOrvFloatParts& parts, bool allowPlus)
{
    if (parts.fKind == TOrvFloatParts::fpNaN)
        return QStringLiteral("NAN");
    if (parts.fNegative)
        return QStringLiteral("-INF");
    return allowPlus && GlobalShowPosSign ? QStringLiteral("+INF") : QStringLiteral("INF");
}

bool IsNonFinite(const TOrvFloatParts& parts)
{
    return parts.fKind == TOrvFloatParts::fpInfinite || parts.fKind == TOrvFloatParts::fpNaN;
}

// The sign a fixed-form value shows, or 0 for none.
char16_t SignOf(Extended x)
{
    if (FloatIsNegative(x))
        return u'-';
    return GlobalShowPosSign && FloatIsPositive(x) ? u'+' : 0;
}

// |x| < 10^18 with `decimals` digits after the separator; false when every digit is 0.
bool PutFixedMagnitude(const TOrvFloatParts& parts, int decimals, TGrouping grouping, TTextBuffer& out)
{
    const TOrvDecimal d = RoundToDecimal(parts, kMaxSignificant, -decimals);
    char16_t digits[24];
    int count = WriteDecimalDigits(d.fDigits, digits);
    int fraction = 0; // digits of d.fDigits that belong after the separator
    if (d.fPlace > 0) {
        // A carry at the 18th digit (999999999999999999.9 -> 1000000000000000000).
        std::fill(digits + count, digits + count + d.fPlace, u'0');
        count += d.fPlace;
    } else {
        fraction = -d.fPlace;
    }
    const int integer = count > fraction ? count - fraction : 0;
    if (integer == 0)
        out.Put(u'0');
    else if (grouping == grNone)
        out.PutChars(digits, integer);
    else
        out.PutGrouped(digits, integer, grouping == grLakh);
    if (decimals > 0) {
        out.Put(FormatSettings.DecimalSeparator.unicode());
        out.PutRepeated(u'0', fraction - (count - integer));
        out.PutChars(digits + integer, count - integer);
        out.PutRepeated(u'0', decimals - fraction);
    }
    return d.fDigits != 0;
}

void PutExpText(const TOrvFloatParts& parts, int decimals, TTextBuffer& out)
{
    // Every digit shown is a digit of the exact value, however many are asked for.
    const int significant = decimals + 1;
    char16_t digits[kMaxSignificantDigits];
    const int32_t exponent = RoundToSignificantDigits(parts, significant, digits);
    if (parts.fKind == TOrvFloatParts::fpFinite && parts.fNegative)
        out.Put(u'-');
    out.Put(digits[0]);
    if (decimals > 0) {
        out.Put(FormatSettings.DecimalSeparator.unicode());
        out.PutChars(digits + 1, decimals);
    }
    out.Put(u'E');
    out.Put(exponent < 0 ? u'-' : u'+');
    out.PutDigits(uint64_t(exponent < 0 ? -int64_t(exponent) : exponent));
}

// |x| in fixed form, in exponent form from 10^18 on; false when every digit is 0.
bool PutMagnitude(Extended x, TOrvFloatParts parts, int decimals, TGrouping grouping, TTextBuffer& out)
{
    parts.fNegative = false;
    if (std::fabs(x) < kFixedLimit)
        return PutFixedMagnitude(parts, decimals, grouping, out);
    PutExpText(parts, decimals, out);
    return true;
}

// Fixed or grouped text of a finite value, the exponent form from 10^18 on.
QString FixedOrExpText(Extended x, uint8_t decimals, TGrouping grouping)
{
    const TOrvFloatParts parts = SplitExtended(x);
    if (IsNonFinite(parts))
        return NonFiniteText(parts, true);
    if (GlobalBlankWhenZero && FloatIsZero(x))
        return QString();
    TTextBuffer out;
    if (std::fabs(x) >= kFixedLimit && grouping == grNone) {
        PutExpText(parts, decimals, out);
    } else if (const char16_t sign = SignOf(x); sign != 0 && std::fabs(x) < 1) {
        // A value that rounds to nothing shows no sign: sin(pi) reads 0.0000, not -0.0000.
        TTextBuffer magnitude;
        if (PutMagnitude(x, parts, decimals, grouping, magnitude))
            out.Put(sign);
        out.Append(magnitude);
    } else {
        if (sign != 0)
            out.Put(sign);
        PutMagnitude(x, parts, decimals, grouping, out);
    }
    return out.ToString();
}

// Drops trailing zeros of the mantissa, then a trailing separator; an exponent stays.
QString TrimmedNumberText(const QString& text)
{
    const QChar separator = FormatSettings.DecimalSeparator;
    qsizetype mantissaEnd = text.indexOf(u'E');
    if (mantissaEnd < 0)
        mantissaEnd = text.size();
    if (QStringView(text).left(mantissaEnd).indexOf(separator) < 0)
        return text;
    qsizetype n = mantissaEnd;
    while (n > 0 && text.at(n - 1) == u'0')
        --n;
    if (n > 0 && text.at(n - 1) == separator)
        --n;
    return n == mantissaEnd ? text : text.left(n) + text.mid(mantissaEnd);
}

} // namespace

QString FloatToFixedText(Extended x, uint8_t decimals)
{
    return FixedOrExpText(x, decimals, grNone);
}

QString FloatToTrimmedText(Extended x, uint8_t decimals)
{
    const QString text = FloatToFixedText(x, decimals);
    return decimals == 0 ? text : TrimmedNumberText(text);
}

QString FloatToGroupedText(Extended x, uint8_t decimals, bool lakh)
{
    return FixedOrExpText(x, decimals, lakh ? grLakh : grWestern);
}

QString FloatToTrimmedGroupedText(Extended x, uint8_t decimals, bool lakh)
{
    const QString text = FloatToGroupedText(x, decimals, lakh);
    return decimals == 0 ? text : TrimmedNumberText(text);
}

QString FloatToZeroText(Extended x, uint8_t width, uint8_t decimals)
{
    const TOrvFloatParts parts = SplitExtended(x);
    if (IsNonFinite(parts))
        return NonFiniteText(parts, true);
    if (GlobalBlankWhenZero && FloatIsZero(x))
        return BlankText(width);
    TTextBuffer magnitude;
    PutMagnitude(x, parts, decimals, grNone, magnitude);
    const char16_t sign = SignOf(x);
    return ZeroPadded(sign ? QString(QChar(sign)) : QString(), magnitude.ToString(), width);
}

QString FloatToExpText(Extended x, uint8_t decimals)
{
    const TOrvFloatParts parts = SplitExtended(x);
    if (IsNonFinite(parts))
        return NonFiniteText(parts, false);
    if (GlobalBlankWhenZero && FloatIsZero(x))
        return QString();
    TTextBuffer out;
    PutExpText(parts, decimals, out);
    return out.ToString();
}

QString FloatToTrimmedExpText(Extended x, uint8_t decimals)
{
    return TrimmedNumberText(FloatToExpText(x, decimals));
}

} // namespace orv
