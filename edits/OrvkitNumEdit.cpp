#include <orvkit/edits/OrvkitNumEdit.h>

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/core/OrvkitMath.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace orv {

void ReportBoundsError(TOrvBaseEdit& edit, TOrvBoundsValidationtype type, const QString& boundText)
{
    if (type != evtNone)
        edit.ReportBoundsViolation(type, BoundsMessage(type, boundText));
}

// ---- TOrvBaseNumericEdit

TOrvBaseNumericEdit::TOrvBaseNumericEdit(QWidget* parent)
    : TOrvDisplayedValueT(parent), fCustomThousands(FormatSettings.ThousandSeparator),
      fCustomDecimal(FormatSettings.DecimalSeparator)
{
}

void TOrvBaseNumericEdit::SetShowPosSign(bool value)
{
    if (AssignChanged(fShowPosSign, value))
        DoDisplay();
}

void TOrvBaseNumericEdit::SetThousandSeparators(TOrvSeparatorStyle value)
{
    if (AssignChanged(fThousandSeparators, value))
        DoDisplay();
}

void TOrvBaseNumericEdit::SetLakhFormatting(bool value)
{
    if (AssignChanged(fLakhFormatting, value))
        DoDisplay();
}

void TOrvBaseNumericEdit::SetZeroPad(bool value)
{
    if (AssignChanged(fZeroPad, value))
        DoDisplay();
}

void TOrvBaseNumericEdit::SetDecimalPlaces(int value)
{
    if (AssignChanged(fDecimalPlaces, uint8_t(std::clamp(value, 0, 255))))
        DoDisplay();
}

void TOrvBaseNumericEdit::SetAutoAdvDecimals(bool value)
{
    fAutoAdvDecimals = value;
    if (value)
        SetAutoAdvance(true);
}

void TOrvBaseNumericEdit::SetCustomSeparators(bool value)
{
    if (AssignChanged(fCustomSeparators, value))
        DoDisplay();
}

void TOrvBaseNumericEdit::SetCustomThousands(QChar value)
{
    if (AssignSeparator(fCustomThousands, fCustomDecimal, value))
        DoDisplay();
}

void TOrvBaseNumericEdit::SetCustomDecimal(QChar value)
{
    if (AssignSeparator(fCustomDecimal, fCustomThousands, value))
        DoDisplay();
}

Extended TOrvBaseNumericEdit::AsFloat()
{
    ConvertText();
    return fFloatValue;
}

void TOrvBaseNumericEdit::SetAsFloat(Extended value)
{
    SetFloatValue(value);
}

void TOrvBaseNumericEdit::ForceSign(bool negative)
{
    fIntValue = WithSign(fIntValue, negative);
    fFloatValue = WithSign(fFloatValue, negative);
}

void TOrvBaseNumericEdit::DoDisplay()
{
    if (Null()) {
        TOrvDisplayedValueT::DoDisplay();
        return;
    }
    const auto separators = Separators();
    const TOrvScopedValue blank(GlobalBlankWhenZero, EffectiveBlankWhenZero());
    const TOrvScopedValue posSign(GlobalShowPosSign, fShowPosSign);
    ShowText(DisplayText());
}

void TOrvBaseNumericEdit::RegroupText()
{
    const auto separators = Separators();
    QString grouped;
    int cursor = 0;
    if (!RegroupNumberText(text(), cursorPosition(), fLakhFormatting, grouped, cursor))
        return;
    SetTextWithoutRedisplay(grouped);
    setCursorPosition(cursor);
}

void TOrvBaseNumericEdit::ClearForTyping()
{
    if (Null()) {
        SetNull(false);
        SetNativeText(QString());
    } else if (hasSelectedText()) {
        del();
    }
}

void TOrvBaseNumericEdit::FilterAcceptedKey(QChar& key)
{
    if (AllowAllChars())
        return;
    const QChar decimal = DecimalChar();
    if ((key == u'+' || key == u'-') && fUseSignToggling) {
        const bool negative = key == u'-';
        ClearForTyping();
        if (!text().isEmpty()) {
            ConvertText();
            ForceSign(negative);
            key = QChar();
            DoDisplay();
        } else if (!negative && !fShowPosSign) {
            key = QChar();
        }
        setModified(true);
    } else if (key == decimal) {
        ClearForTyping();
        if (text().contains(decimal))
            key = QChar();
    } else if (IsAsciiDigit(key) && fForceDecimals && !hasSelectedText() &&
               DecimalsFull(text(), cursorPosition(), decimal, fDecimalPlaces)) {
        key = QChar();
    }
}

void TOrvBaseNumericEdit::KeyDown(uint16_t& key, TShiftState shift)
{
    fHeldText = text();
    TOrvBaseEdit::KeyDown(key, shift);
}

void TOrvBaseNumericEdit::KeyPress(QChar& key)
{
    {
        // Not around the base's handling below: Enter may move the focus on, and the
        // next control must see the locale's separators.
        const auto separators = Separators();
        if (OnKeyPress)
            OnKeyPress(this, key);
        if (key.isNull())
            return;
        if (KeypadDecimalPressed()) {
            key = DecimalChar();
            SetKeypadDecimalPressed(false);
        }
        // A read-only edit keeps its value; the base swallows the key.
        if (!ReadOnly() && IsValidChar(key))
            FilterAcceptedKey(key);
    }
    if (!key.isNull())
        ProcessKey(key);
}

void TOrvBaseNumericEdit::KeyUp(uint16_t& key, TShiftState shift)
{
    TOrvBaseEdit::KeyUp(key, shift);
    if (fThousandSeparators == essAuto && text() != fHeldText)
        RegroupText();
    if (key == 0 || Loading() || !AutoAdvance())
        return;
    const QString current = GetText();
    const int length = int(current.size());
    // The keys that would advance an edit at full length advance after the decimals too.
    const bool advanceKey = AutoAdvanceRule(key, shift, 1, 1);
    const bool advances = AutoAdvanceRule(key, shift, MaxLength(), length) ||
                          (advanceKey && fAutoAdvDecimals && DecimalsReached(current, DecimalChar(), fDecimalPlaces));
    if (advances) {
        SelectNextControl(true);
        key = 0;
    }
}

void TOrvBaseNumericEdit::DoEnter()
{
    TOrvBaseEdit::DoEnter();
    fHeldText = text();
}

// ---- TOrvPosEdit

TOrvPosEdit::TOrvPosEdit(QWidget* parent) : TOrvBaseNumericEdit(parent)
{
    DoDisplay();
}

int32_t TOrvPosEdit::AsInteger()
{
    ConvertText();
    return int32_t(uint32_t(uint64_t(fIntValue)));
}

uint32_t TOrvPosEdit::AsLongWord()
{
    ConvertText();
    return uint32_t(uint64_t(fIntValue));
}

int64_t TOrvPosEdit::AsInt64()
{
    ConvertText();
    return fIntValue;
}

void TOrvPosEdit::SetAsFloat(Extended value)
{
    constexpr Extended kTwoTo63 = 9223372036854775808.0L;
    if (std::isnan(value))
        SetIntValue(0);
    else if (value >= kTwoTo63)
        SetIntValue(std::numeric_limits<int64_t>::max());
    else if (value <= -kTwoTo63)
        SetIntValue(std::numeric_limits<int64_t>::min());
    else
        SetIntValue(std::llround(value));
}

bool TOrvPosEdit::IsValidChar(QChar key)
{
    if (AllowAllChars())
        return true;
    return IsAsciiDigit(key) || key == u'+' || (AllowThouSepInput() && key == ThousandsChar());
}

void TOrvPosEdit::ConvertText()
{
    if (Displaying())
        return;
    const auto separators = Separators();
    fIntValue = Null() ? 0 : TextToInt64(GetText());
    SetSign(Int64Sign(fIntValue));
}

void TOrvPosEdit::ValidateBounds()
{
    if (!BoundsEnabled())
        return;
    const TOrvBoundsValidationtype type = BoundsCheck<int64_t>(fIntValue, fBoundLower, fBoundUpper);
    SetBoundsValidationType(type);
    ReportBoundsError(*this, type, Int32ToText(type == evtBelowLower ? fBoundLower : fBoundUpper));
}

QString TOrvPosEdit::DisplayText()
{
    QString text = ThousandSeparators() != essNone ? Int64ToGroupedText(fIntValue, LakhFormatting())
                                                   : Int64ToText(fIntValue);
    const int width = MaxLength();
    if ((!text.isEmpty() || !EffectiveBlankWhenZero()) && ZeroPad() && width > 0)
        text = ZeroPadSigned(text, width);
    return text;
}

int TOrvPosEdit::ValueSign() const
{
    return Int64Sign(fIntValue);
}

// ---- TOrvIntEdit

bool TOrvIntEdit::IsValidChar(QChar key)
{
    return TOrvPosEdit::IsValidChar(key) || (AllowNegInput() && key == u'-');
}

} // namespace orv
