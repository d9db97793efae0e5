#include <orvkit/edits/OrvkitFloatEdit.h>

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitMath.h>

#include <cmath>

namespace orv {

// ---- TOrvPosFloatEdit

TOrvPosFloatEdit::TOrvPosFloatEdit(QWidget* parent) : TOrvFloatValueT(parent)
{
    DoDisplay();
}

Extended TOrvPosFloatEdit::AsFloat()
{
    ConvertText();
    return fFloatValue;
}

Extended TOrvPosFloatEdit::AsScaledFloat()
{
    ConvertText();
    return ScaledOf(fFloatValue, Scale());
}

void TOrvPosFloatEdit::SetShowComparisonType(bool value)
{
    if (AssignChanged(fShowComparisonType, value))
        DoDisplay();
}

void TOrvPosFloatEdit::SetComparisonType(TOrvComparisonType value)
{
    if (AssignChanged(fComparisonType, value))
        DoDisplay();
}

QString TOrvPosFloatEdit::FormatShown(Extended shown)
{
    const auto separators = Separators();
    const bool fullEdit = FullEditNow();
    const bool blank = EffectiveBlankWhenZero();
    const TOrvScopedValue blankZero(GlobalBlankWhenZero, blank);
    // The magnitude goes without a sign; the sign is put on after padding.
    const TOrvScopedValue noPosSign(GlobalShowPosSign, false);
    const TOrvFixedFormat format{ShownDecimals(fullEdit), ShownTrimmed(fullEdit),
                                 ThousandSeparators() != essNone, LakhFormatting()};
    const int width = MaxLength();
    TOrvFloatDecoration decoration;
    decoration.BlankWhenZero = blank;
    decoration.ZeroPadWidth = ZeroPad() && width > 0 ? width : 0;
    decoration.NegAsBrackets = NegBrackets();
    decoration.ShowPosSign = ShowPosSign();
    decoration.ShowComparison = fShowComparisonType;
    decoration.Comparison = fComparisonType;
    return DecorateMagnitude(FormatFixed(std::fabs(shown), format), shown, decoration);
}

QString TOrvPosFloatEdit::DisplayText()
{
    return FormatShown(ScaledOf(fFloatValue, Scale()));
}

bool TOrvPosFloatEdit::IsValidChar(QChar key)
{
    if (AllowAllChars())
        return true;
    return IsAsciiDigit(key) || key == u'+' ||
           (fShowComparisonType && (key == u'<' || key == u'=' || key == u'>')) ||
           (AllowThouSepInput() && key == ThousandsChar()) || (AllowDecSepInput() && key == DecimalChar());
}

void TOrvPosFloatEdit::ConvertText()
{
    if (Displaying())
        return;
    const QString text = GetText();
    QString number = text.trimmed();
    if (fShowComparisonType)
        number = TakeComparisonPrefix(number, fComparisonType);
    const auto separators = Separators();
    fFloatValue = Null() ? 0 : ReadStored(number, Scale(), true);
    SetSign(FloatSign(fFloatValue));
}

// ---- TOrvFloatEdit

TOrvFloatEdit::TOrvFloatEdit(QWidget* parent) : TOrvPosFloatEdit(parent) {}

void TOrvFloatEdit::SetNegAsBrackets(bool value)
{
    if (AssignChanged(fNegAsBrackets, value))
        DoDisplay();
}

bool TOrvFloatEdit::NegBrackets() const
{
    return EffectiveNegAsBrackets(UICtrl(), UIUsage(), fNegAsBrackets);
}

bool TOrvFloatEdit::IsValidChar(QChar key)
{
    if (TOrvPosFloatEdit::IsValidChar(key))
        return true;
    return AllowNegInput() && (key == u'-' || (NegBrackets() && (key == u'(' || key == u')')));
}

// ---- TOrvPercentEdit

TOrvPercentEdit::TOrvPercentEdit(QWidget* parent) : TOrvFloatValueT(parent)
{
    SetDecimalPlaces(2);
    DoDisplay();
}

Extended TOrvPercentEdit::AsPercentage()
{
    ConvertText();
    return fFloatValue;
}

Extended TOrvPercentEdit::AsFloat()
{
    ConvertText();
    return fScaled ? fFloatValue / 100 : fFloatValue;
}

void TOrvPercentEdit::SetAsFloat(Extended value)
{
    SetFloatValue(fScaled ? value * 100 : value);
}

void TOrvPercentEdit::SetScaled(bool value)
{
    if (!AssignChanged(fScaled, value))
        return;
    fFloatValue = value ? fFloatValue * 100 : fFloatValue / 100;
    DoDisplay();
}

void TOrvPercentEdit::SetShowPercent(bool value)
{
    if (AssignChanged(fShowPercent, value))
        DoDisplay();
}

QString TOrvPercentEdit::FormatShown(Extended percentage)
{
    const auto separators = Separators();
    const bool fullEdit = FullEditNow();
    const bool blank = EffectiveBlankWhenZero();
    const TOrvScopedValue blankZero(GlobalBlankWhenZero, blank);
    const TOrvScopedValue posSign(GlobalShowPosSign, ShowPosSign());
    const TOrvFixedFormat format{ShownDecimals(fullEdit), ShownTrimmed(fullEdit),
                                 ThousandSeparators() != essNone, LakhFormatting()};
    QString text = FormatFixed(percentage, format);
    if (text.isEmpty() && blank)
        return text;
    if (fShowPercent)
        text += u'%';
    const int width = MaxLength();
    if (ZeroPad() && width > 0)
        text = ZeroPadSigned(text, width);
    return text;
}

QString TOrvPercentEdit::DisplayText()
{
    return FormatShown(fFloatValue);
}

bool TOrvPercentEdit::IsValidChar(QChar key)
{
    if (AllowAllChars())
        return true;
    return IsAsciiDigit(key) || key == u'+' || key == u'%' || (AllowNegInput() && key == u'-') ||
           (AllowThouSepInput() && key == ThousandsChar()) || (AllowDecSepInput() && key == DecimalChar());
}

void TOrvPercentEdit::ConvertText()
{
    if (Displaying())
        return;
    const QString text = GetText();
    const auto separators = Separators();
    fFloatValue = Null() ? 0 : ReadStored(text, 1, false);
    SetSign(FloatSign(fFloatValue));
}

// ---- TOrvSciFloatEdit

TOrvSciFloatEdit::TOrvSciFloatEdit(QWidget* parent) : TOrvFloatValueT(parent)
{
    DoDisplay();
}

Extended TOrvSciFloatEdit::AsFloat()
{
    ConvertText();
    return fValue;
}

Extended TOrvSciFloatEdit::AsScaledFloat()
{
    ConvertText();
    return ScaledOf(fValue, Scale());
}

void TOrvSciFloatEdit::SetSciRange(bool value)
{
    if (AssignChanged(fSciRange, value))
        DoDisplay();
}

void TOrvSciFloatEdit::SetSciMin(Extended value)
{
    if (!DifferentFloat(value, fSciMin))
        return;
    fSciMin = value;
    DoDisplay();
}

void TOrvSciFloatEdit::SetSciMax(Extended value)
{
    if (!DifferentFloat(value, fSciMax))
        return;
    fSciMax = value;
    DoDisplay();
}

void TOrvSciFloatEdit::SetShowThousandSeparators(bool value)
{
    if (AssignChanged(fShowThousandSeparators, value))
        DoDisplay();
}

QString TOrvSciFloatEdit::FormatShown(Extended shown)
{
    const TOrvScopedValue blankZero(GlobalBlankWhenZero, EffectiveBlanks().BlankWhenZero);
    const bool fullEdit = FullEditNow();
    const uint8_t decimals = ShownDecimals(fullEdit);
    const bool trimmed = ShownTrimmed(fullEdit);
    const Extended magnitude = std::fabs(shown);
    if (fSciRange && (FloatIsZero(shown) || (fSciMin < magnitude && magnitude < fSciMax)))
        return FormatFixed(shown, {decimals, trimmed, fShowThousandSeparators, false});
    return trimmed ? FloatToTrimmedExpText(shown, decimals) : FloatToExpText(shown, decimals);
}

void TOrvSciFloatEdit::DoDisplay()
{
    if (Null())
        TOrvFloatValueT::DoDisplay();
    else
        ShowText(FormatShown(ScaledOf(fValue, Scale())));
}

bool TOrvSciFloatEdit::IsValidChar(QChar key)
{
    if (AllowAllChars())
        return true;
    return IsAsciiDigit(key) || key == u'+' || key == u'-' || key == u'e' || key == u'E' ||
           key == FormatSettings.ThousandSeparator || key == FormatSettings.DecimalSeparator;
}

void TOrvSciFloatEdit::ConvertText()
{
    if (Displaying())
        return;
    const QString text = GetText();
    fValue = Null() ? 0 : ReadStored(text, Scale(), true);
    SetSign(FloatSign(fValue));
}

} // namespace orv
