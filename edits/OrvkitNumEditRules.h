#pragma once

#include <orvkit/core/OrvkitGlobals.h>

#include <QChar>
#include <QObject>
#include <QString>
#include <cmath>
#include <cstdint>
#include <functional>

namespace orv {

// The rules of the numeric edits that need no window: separators and switches in force
// for one call, the display texts, comparison prefixes, regrouping while typing, reading
// a float text under full accuracy, and the bounds checks.

inline namespace NumEditEnums {
Q_NAMESPACE

/// Thousands grouping of a numeric edit: none, in the displayed text, or also while typing.
enum TOrvSeparatorStyle { essNone, essExit, essAuto };
Q_ENUM_NS(TOrvSeparatorStyle)
enum TOrvComparisonType { ecEqual, ecNotEqual, ecGreater, ecGreaterEq, ecLess, ecLessEq };
Q_ENUM_NS(TOrvComparisonType)
} // namespace NumEditEnums

/// Replaces the reading of a float edit's text: text in, value out.
using TOrvConvertFloatEvent = std::function<void(QObject* sender, const QString& text, Extended& value)>;

/// Puts a pair of custom separators into the format settings for the length of a scope
/// (only when `use`) and restores the previous ones on every path out of it.
class [[nodiscard]] TOrvSeparatorScope {
public:
    TOrvSeparatorScope(bool use, QChar thousands, QChar decimal);
    ~TOrvSeparatorScope();
    TOrvSeparatorScope(const TOrvSeparatorScope&) = delete;
    TOrvSeparatorScope& operator=(const TOrvSeparatorScope&) = delete;

private:
    bool fUsed;
    QChar fThousands;
    QChar fDecimal;
};

inline bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

/// Pads an integer-style text with "0" on the left to `width`; a leading sign stays in
/// front and the digits are padded to one less. Separators are not repeated in the padding.
QString ZeroPadSigned(const QString& text, int width);
/// Sets one of a number's two separators to `value` unless the text could not be read back
/// with it (empty, a digit, a sign, a bracket or an exponent mark); taking the other
/// separator's character swaps the two, so they never coincide. True when anything changed.
bool AssignSeparator(QChar& separator, QChar& other, QChar value);

/// "= ", "<> ", "> ", ">= ", "< " or "<= ".
QString ComparisonPrefix(TOrvComparisonType type);
/// Removes a leading comparison ("<>", "<=", ">=", then "=", ">", "<") from a trimmed
/// text and sets `type` from it; text without one leaves `type` alone.
QString TakeComparisonPrefix(const QString& text, TOrvComparisonType& type);

/// How a float is written in fixed point.
struct TOrvFixedFormat {
    uint8_t Decimals = 4;
    bool Trimmed = false;
    bool Grouped = false;
    bool Lakh = false;
};
/// The fixed-point routine the format asks for.
QString FormatFixed(Extended x, const TOrvFixedFormat& format);

/// Whether a number's text has digits and all of them are 0 ("0.00", "-000", "0E+0").
bool ShowsZero(const QString& number);

/// What a float edit puts around the text of a magnitude.
struct TOrvFloatDecoration {
    bool BlankWhenZero = false;
    int ZeroPadWidth = 0; ///< 0 for no padding
    bool NegAsBrackets = false;
    bool ShowPosSign = false;
    bool ShowComparison = false;
    TOrvComparisonType Comparison = ecEqual;
};
/// Pads the magnitude text so that it fits ZeroPadWidth with its sign, adds the sign of
/// `x` ("-", brackets, "+") and the comparison prefix.
QString DecorateMagnitude(const QString& magnitude, Extended x, const TOrvFloatDecoration& decoration);

/// Whether a digit typed at `cursor` (0-based) would go after the decimal separator of
/// a text that already has `places` characters after it.
bool DecimalsFull(const QString& text, int cursor, QChar decimalSeparator, int places);
/// Whether `places` characters follow the decimal separator of the text.
bool DecimalsReached(const QString& text, QChar decimalSeparator, int places);

/// The text regrouped while typing and the caret moved by the change in length; false
/// when the cleaned text is empty (nothing to do).
bool RegroupNumberText(const QString& text, int cursor, bool lakh, QString& result, int& newCursor);

/// The value with its sign forced: non-negative or non-positive (zero stays zero). The
/// smallest 64-bit value has no positive twin and becomes the largest.
int64_t WithSign(int64_t value, bool negative);
Extended WithSign(Extended value, bool negative);

/// The inputs of reading a float edit's text into its stored value.
struct TOrvFloatReading {
    /// The text is still the one shown for the stored value (see TOrvBaseEdit::ShowsValue).
    bool ShowsValue = false;
    /// The text without a comparison prefix, for the number.
    QString NumberText;
    /// The text the stored value was last shown with.
    QString ShownText;
    Extended Stored = 0;
    Extended Scale = 1;
    bool FullAccuracy = false;
    /// The user's reading routine, when assigned.
    const TOrvConvertFloatEvent* OnConvert = nullptr;
    QObject* Sender = nullptr;
    /// The text a shown number (stored / Scale) gets.
    std::function<QString(Extended)> DisplayOf;
};
/// The new stored value: the number read times Scale; with full accuracy the stored
/// value stays while the text (or, with OnConvert, the text of its value) is the shown one.
Extended ReadStoredFloat(const TOrvFloatReading& reading);

/// The stored value over the scale, 0 when the scale counts as zero.
Extended ScaledOf(Extended stored, Extended scale);
/// The magnitude of a new scale; one that counts as zero, an infinity or NaN becomes 1.
Extended NormalScale(Extended scale);

template <typename T>
TOrvBoundsValidationtype BoundsCheck(T value, T lower, T upper)
{
    if (value < lower)
        return evtBelowLower;
    if (value > upper)
        return evtAboveUpper;
    return evtNone;
}
/// NaN counts as below.
inline TOrvBoundsValidationtype FloatBoundsCheck(Extended value, Extended lower, Extended upper)
{
    return std::isnan(value) ? evtBelowLower : BoundsCheck(value, lower, upper);
}

/// Stores `value` in `field`; true when it changed (the caller then redisplays).
template <typename T>
bool AssignChanged(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

/// "Your entered Value is below the lower limit of" / "... above the upper limit of",
/// a space and the bound.
QString BoundsMessage(TOrvBoundsValidationtype type, const QString& boundText);

} // namespace orv
