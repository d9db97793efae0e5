#include <orvkit/edits/OrvkitIPHexEdit.h>

#include <orvkit/core/OrvkitConvert.h>

#include <algorithm>

namespace orv {

// ---- TOrvUInt32EditBase

uint32_t TOrvUInt32EditBase::AsLongWord()
{
    ConvertText();
    return fValue;
}

void TOrvUInt32EditBase::DoDisplay()
{
    if (Null()) {
        TOrvDisplayedValueT::DoDisplay();
        return;
    }
    const bool blank = EffectiveBlanks().BlankWhenZero;
    const TOrvScopedValue blankZero(GlobalBlankWhenZero, blank);
    ShowText(blank && fValue == 0 ? QString() : ValueToText(fValue));
}

void TOrvUInt32EditBase::ConvertText()
{
    if (Displaying())
        return;
    fValue = Null() ? 0 : ReadValue(GetText());
    SetSign(ValueSign());
}

void TOrvUInt32EditBase::ValidateBounds()
{
    if (!BoundsEnabled())
        return;
    const TOrvBoundsValidationtype type = BoundsCheck(fValue, fBoundLower, fBoundUpper);
    SetBoundsValidationType(type);
    ReportBoundsError(*this, type, BoundToText(type == evtBelowLower ? fBoundLower : fBoundUpper));
}

// ---- TOrvIPEdit

TOrvIPEdit::TOrvIPEdit(QWidget* parent) : TOrvUInt32EditBase(parent)
{
    SetBounds(0, 0xFFFFFFFFu);
    DoDisplay();
}

QString TOrvIPEdit::ValueToText(uint32_t value)
{
    return UInt32ToIPText(value);
}

uint32_t TOrvIPEdit::ReadValue(const QString& text)
{
    // Only leaving the edit checks the components, so typing never fails.
    const TOrvScopedValue check(GlobalCheckIPErrors, CheckForErrors());
    return IPTextToUInt32(text);
}

uint32_t TOrvIPEdit::ReadBound(const QString& text) const
{
    const TOrvScopedValue check(GlobalCheckIPErrors, false);
    return IPTextToUInt32(text);
}

QString TOrvIPEdit::BoundToText(uint32_t bound) const
{
    return UInt32ToIPText(bound);
}

// ---- TOrvHexEdit

TOrvHexEdit::TOrvHexEdit(QWidget* parent) : TOrvUInt32EditBase(parent)
{
    SetBounds(0, 0xFFFFFFFFu);
    SetMaxLength(8);
    DoDisplay();
}

void TOrvHexEdit::SetZeroPad(bool value)
{
    if (AssignChanged(fZeroPad, value))
        DoDisplay();
}

bool TOrvHexEdit::IsValidChar(QChar key)
{
    return (key >= u'0' && key <= u'9') || (key >= u'A' && key <= u'F') || (key >= u'a' && key <= u'f');
}

QString TOrvHexEdit::ValueToText(uint32_t value)
{
    const int width = MaxLength();
    if (fZeroPad && width > 0)
        return Int64ToZeroHexText(int64_t(value), uint8_t(std::min(width, 255)));
    return Int64ToHexText(int64_t(value));
}

uint32_t TOrvHexEdit::ReadBound(const QString& text) const
{
    return uint32_t(HexTextToInt32(text));
}

QString TOrvHexEdit::BoundToText(uint32_t bound) const
{
    return Int64ToZeroHexText(int64_t(bound), 8);
}

} // namespace orv
