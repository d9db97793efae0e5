#include <orvkit/edits/OrvkitNumEditRules.h>

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitMath.h>

#include <cmath>
#include <QCoreApplication>
#include <algorithm>
#include <limits>

namespace orv {

namespace {

constexpr const char* kContext = "OrvkitNumEdit";
constexpr const char* kBelowLower = QT_TRANSLATE_NOOP("OrvkitNumEdit", "Your entered Value is below the lower limit of");
constexpr const char* kAboveUpper = QT_TRANSLATE_NOOP("OrvkitNumEdit", "Your entered Value is above the upper limit of");

bool IsSignChar(QChar c)
{
    return c == u'-' || c == u'+';
}

} // namespace

TOrvSeparatorScope::TOrvSeparatorScope(bool use, QChar thousands, QChar decimal)
    : fUsed(use), fThousands(FormatSettings.ThousandSeparator), fDecimal(FormatSettings.DecimalSeparator)
{
    if (!use)
        return;
    FormatSettings.ThousandSeparator = thousands;
    FormatSettings.DecimalSeparator = decimal;
}

TOrvSeparatorScope::~TOrvSeparatorScope()
{
    if (!fUsed)
        return;
    FormatSettings.ThousandSeparator = fThousands;
    FormatSettings.DecimalSeparator = fDecimal;
}

bool AssignSeparator(QChar& separator, QChar& other, QChar value)
{
    static const QString kTaken = QStringLiteral("+-()eE");
    if (value.isNull() || value.isDigit() || kTaken.contains(value) || value == separator)
        return false;
    if (value == other)
        other = separator;
    separator = value;
    return true;
}

QString ZeroPadSigned(const QString& text, int width)
{
    if (!text.isEmpty() && IsSignChar(text.front()))
        return text.front() + PadLeftWith(text.mid(1), u'0', width - 1);
    return PadLeftWith(text, u'0', width);
}

QString ComparisonPrefix(TOrvComparisonType type)
{
    switch (type) {
    case ecEqual:
        return QStringLiteral("= ");
    case ecNotEqual:
        return QStringLiteral("<> ");
    case ecGreater:
        return QStringLiteral("> ");
    case ecGreaterEq:
        return QStringLiteral(">= ");
    case ecLess:
        return QStringLiteral("< ");
    case ecLessEq:
        return QStringLiteral("<= ");
    }
    return QString();
}

QString TakeComparisonPrefix(const QString& text, TOrvComparisonType& type)
{
    struct TPrefix {
        const char16_t* text;
        TOrvComparisonType type;
    };
    // Two-character prefixes first, so "<=" is not read as "<".
    static constexpr TPrefix kPrefixes[] = {{u"<>", ecNotEqual}, {u"<=", ecLessEq}, {u">=", ecGreaterEq},
                                            {u"=", ecEqual},     {u">", ecGreater}, {u"<", ecLess}};
    for (const TPrefix& p : kPrefixes) {
        const QString prefix = QString::fromUtf16(p.text);
        if (text.startsWith(prefix)) {
            type = p.type;
            return text.mid(prefix.size()).trimmed();
        }
    }
    return text;
}

QString FormatFixed(Extended x, const TOrvFixedFormat& format)
{
    if (format.Grouped)
        return format.Trimmed ? FloatToTrimmedGroupedText(x, format.Decimals, format.Lakh)
                              : FloatToGroupedText(x, format.Decimals, format.Lakh);
    return format.Trimmed ? FloatToTrimmedText(x, format.Decimals) : FloatToFixedText(x, format.Decimals);
}

bool ShowsZero(const QString& number)
{
    bool digits = false;
    for (const QChar c : number) {
        if (c >= u'1' && c <= u'9')
            return false;
        digits = digits || c == u'0';
    }
    return digits;
}

QString DecorateMagnitude(const QString& magnitude, Extended x, const TOrvFloatDecoration& decoration)
{
    // A value that shows as zero is treated as zero, so that the text reads back as itself.
    const bool zero = magnitude.isEmpty() || ShowsZero(magnitude);
    if (zero && decoration.BlankWhenZero)
        return QString();
    const bool negative = x < 0 && !zero;
    const bool positiveSign = x > 0 && !zero && decoration.ShowPosSign;
    QString text = magnitude;
    if (decoration.ZeroPadWidth > 0) {
        // A sign takes one place of the width; brackets count as one sign.
        const int signWidth = negative || positiveSign ? 1 : 0;
        text = PadLeftWith(text, u'0', decoration.ZeroPadWidth - signWidth);
    }
    if (negative)
        text = decoration.NegAsBrackets ? u'(' + text + u')' : u'-' + text;
    else if (positiveSign)
        text.prepend(u'+');
    if (decoration.ShowComparison)
        text.prepend(ComparisonPrefix(decoration.Comparison));
    return text;
}

bool DecimalsFull(const QString& text, int cursor, QChar decimalSeparator, int places)
{
    const qsizetype at = text.indexOf(decimalSeparator);
    return at >= 0 && cursor > at && text.size() - at - 1 >= places;
}

bool DecimalsReached(const QString& text, QChar decimalSeparator, int places)
{
    const qsizetype at = text.indexOf(decimalSeparator);
    return at >= 0 && text.size() - at - 1 >= places;
}

bool RegroupNumberText(const QString& text, int cursor, bool lakh, QString& result, int& newCursor)
{
    const QString clean = CleanNumberText(text);
    if (clean.isEmpty())
        return false;
    result = InsertThousandSeps(clean, lakh);
    newCursor = std::clamp(cursor + int(result.size() - text.size()), 0, int(result.size()));
    return true;
}

int64_t WithSign(int64_t value, bool negative)
{
    if (negative)
        return value > 0 ? -value : value;
    if (value == std::numeric_limits<int64_t>::min())
        return std::numeric_limits<int64_t>::max();
    return value < 0 ? -value : value;
}

Extended WithSign(Extended value, bool negative)
{
    if (negative)
        return value > 0 ? -value : value;
    return value < 0 ? -value : value;
}

Extended ReadStoredFloat(const TOrvFloatReading& r)
{
    auto number = [&r] {
        Extended v = 0;
        if (r.OnConvert && *r.OnConvert)
            (*r.OnConvert)(r.Sender, r.NumberText, v);
        else
            v = TextToExtended(r.NumberText);
        return v;
    };
    if (!r.FullAccuracy)
        return number() * r.Scale;
    if (r.OnConvert && *r.OnConvert) {
        const Extended v = number();
        // v is a shown number already, so it is compared unscaled.
        return r.ShowsValue && r.DisplayOf(v) == r.ShownText ? r.Stored : v * r.Scale;
    }
    return r.ShowsValue ? r.Stored : TextToExtended(r.NumberText) * r.Scale;
}

Extended ScaledOf(Extended stored, Extended scale)
{
    return FloatIsZero(scale) ? 0 : stored / scale;
}

Extended NormalScale(Extended scale)
{
    const Extended magnitude = std::fabs(scale);
    // No scale that loses the value: zero, an infinity or NaN becomes 1.
    return FloatIsZero(magnitude) || !std::isfinite(magnitude) ? 1 : magnitude;
}

QString BoundsMessage(TOrvBoundsValidationtype type, const QString& boundText)
{
    const char* text = type == evtBelowLower ? kBelowLower : kAboveUpper;
    return QCoreApplication::translate(kContext, text) + u' ' + boundText;
}

} // namespace orv
