#include <orvkit/edits/OrvkitDateEdits.h>

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/datetime/OrvkitDateFormat.h>
#include <orvkit/datetime/OrvkitDateText.h>

#include <QCoreApplication>
#include <cmath>

namespace orv {

namespace {

constexpr const char* kFormatOnlyCustom =
    QT_TRANSLATE_NOOP("OrvkitDateEdits", "Format can only be changed for FormatType = edfCustom");

/// The process-wide two-digit-year rule replaced by an edit's own for one call.
class TYearRuleScope {
public:
    TYearRuleScope(TOrv2DigitYr mode, uint16_t cutOff) : fMode(GlobalTwoDigitYearMode, mode), fCutOff(GlobalTwoDigitYearCutOff, cutOff) {}

private:
    TOrvScopedValue<TOrv2DigitYr> fMode;
    TOrvScopedValue<uint16_t> fCutOff;
};

QString NameOf(const auto& names, uint16_t number)
{
    return number >= 1 && number <= names.size() ? names[number - 1] : QString();
}

} // namespace

// ---- TOrvYearEdit

TOrvYearEdit::TOrvYearEdit(QWidget* parent)
    : TOrvDateEditBase(parent),
      fYear(TodayYear()),
      fBoundLowerYear(fYear),
      fBoundUpperYear(fYear),
      fYearCutOff(GlobalTwoDigitYearCutOff),
      fYearDigitType(GlobalTwoDigitYearMode)
{
    SetWidth(46);
    DoDisplay();
}

void TOrvYearEdit::SetYear(uint16_t value)
{
    if (value == fYear && !Null())
        return;
    fYear = value;
    ValueStored();
}

void TOrvYearEdit::SetYearCutOff(uint16_t value)
{
    if (value == fYearCutOff)
        return;
    fYearCutOff = value;
    DoDisplay();
}

void TOrvYearEdit::SetYearDigitType(TOrv2DigitYr value)
{
    if (value == fYearDigitType)
        return;
    fYearDigitType = value;
    DoDisplay();
}

void TOrvYearEdit::Today()
{
    SetYear(TodayYear());
}

bool TOrvYearEdit::IsLeapYear() const
{
    return YearIsLeap(fYear);
}

QString TOrvYearEdit::FormatValue()
{
    // Year 0 is what empty or unreadable text gives; a blank zero stays blank.
    if (fYear < 100 && !(fYear == 0 && BlanksZero())) {
        const TYearRuleScope rule(fYearDigitType, fYearCutOff);
        fYear = CompleteTwoDigitYear(fYear);
    }
    return Int32ToText(fYear);
}

void TOrvYearEdit::ReadText(const QString& text)
{
    fYear = TextToUInt16(text);
}

void TOrvYearEdit::ReadNull()
{
    fYear = 0;
}

bool TOrvYearEdit::IsValidChar(QChar key)
{
    return key >= u'0' && key <= u'9';
}

void TOrvYearEdit::ValidateBounds()
{
    if (BoundsEnabled())
        ValidateYearBounds();
}

void TOrvYearEdit::ValidateYearBounds()
{
    CheckBounds(fYear, fBoundLowerYear, fBoundUpperYear, [](double bound) { return QString::number(bound); });
}

// ---- TOrvDateEdit

TOrvDateEdit::TOrvDateEdit(QWidget* parent) : TOrvYearEdit(parent), fFormat(FormatSettings.ShortDateFormat)
{
    SetWidth(100);
    StoreDate(TodayDate());
    fBoundLower = fBoundUpper = fDate;
    DoDisplay();
}

void TOrvDateEdit::SetDate(TDateTime value)
{
    if (!(value >= MinDateDay && value < MaxDateDay + 1.0))
        return;
    const TDateTime day = std::trunc(value);
    if (day == fDate && !Null())
        return;
    StoreDate(day);
    ValueStored();
}

uint64_t TOrvDateEdit::AsFileTime() const
{
    return DateToFileTime(fDate);
}

void TOrvDateEdit::SetAsFileTime(uint64_t value)
{
    SetDate(FileTimeToDate(value));
}

void TOrvDateEdit::SetYear(uint16_t value)
{
    SetParts(value, fMonth, fDay);
}

void TOrvDateEdit::SetMonth(uint16_t value)
{
    SetParts(Year(), value, fDay);
}

void TOrvDateEdit::SetDay(uint16_t value)
{
    SetParts(Year(), fMonth, value);
}

void TOrvDateEdit::SetParts(uint16_t year, uint16_t month, uint16_t day)
{
    TDateTime value = 0;
    if (!TryMakeDate(year, month, day, value) && !TryMakeDate(year, month, 1, value))
        return;
    SetDate(value);
}

void TOrvDateEdit::StoreDate(TDateTime value)
{
    fDate = value;
    uint16_t year = 0;
    SplitDate(value, year, fMonth, fDay);
    StoreYear(year);
}

void TOrvDateEdit::Step(TDateTime (*routine)(TDateTime, double), int32_t count)
{
    const TDateTime moved = routine(fDate, count);
    if (!(moved >= MinDateDay && moved < MaxDateDay + 1.0))
        RaiseDateError(edmInvalidDate);
    StoreDate(moved);
    DoDisplay();
}

void TOrvDateEdit::SetBoundsYearEnable(bool value)
{
    SetValidateYear(value);
    if (value)
        TOrvYearEdit::SetBoundsEnabled(false);
}

void TOrvDateEdit::SetBoundsEnabled(bool value)
{
    TOrvYearEdit::SetBoundsEnabled(value);
    if (value)
        SetValidateYear(false);
}

void TOrvDateEdit::SetFormatType(TOrvDateFormatType value)
{
    if (value == fFormatType)
        return;
    fFormatType = value;
    if (value == edfShortDate)
        fFormat = FormatSettings.ShortDateFormat;
    else if (value == edfLongDate)
        fFormat = FormatSettings.LongDateFormat;
    DoDisplay();
}

namespace {

/// Whether every date shown in `picture` reads back through it as the same text.
bool ReadableDateFormat(const QString& picture)
{
    const TOrvScopedValue raise(GlobalRaiseDateErrors, true);
    try {
        for (const TDateTime probe : {MakeDate(2026, 12, 28), MakeDate(2001, 2, 3), MakeDate(1999, 9, 30)}) {
            const QString shown = DateToFormatText(picture, probe);
            if (shown.isEmpty() || DateToFormatText(picture, TextToDateFmt(shown, picture)) != shown)
                return false;
        }
    } catch (const EConvertError&) {
        return false;
    }
    return true;
}

} // namespace

void TOrvDateEdit::SetFormat(const QString& value)
{
    // A picture whose text could not be read back would show one date and hold another.
    if (value == fFormat || !ReadableDateFormat(value))
        return;
    if (fFormatType != edfCustom) {
        if (Designing())
            ShowWarningBox(this, QCoreApplication::translate("OrvkitDateEdits", kFormatOnlyCustom));
        return;
    }
    fFormat = value;
    DoDisplay();
}

void TOrvDateEdit::SetBlankWhenFileTimeIsZero(bool value)
{
    if (value == fBlankWhenFileTimeIsZero)
        return;
    fBlankWhenFileTimeIsZero = value;
    if (value && BlankWhenZero())
        TOrvYearEdit::SetBlankWhenZero(false);
    DoDisplay();
}

void TOrvDateEdit::SetBlankWhenZero(bool value)
{
    if (value && fBlankWhenFileTimeIsZero)
        fBlankWhenFileTimeIsZero = false;
    TOrvYearEdit::SetBlankWhenZero(value);
    DoDisplay();
}

void TOrvDateEdit::Today()
{
    SetDate(TodayDate());
}

uint16_t TOrvDateEdit::GetDOW() const
{
    return DateDayOfWeek(fDate);
}

uint16_t TOrvDateEdit::GetISO_DOW() const
{
    return ISODayOfWeek(fDate);
}

QString TOrvDateEdit::GetShortMonth() const
{
    return NameOf(FormatSettings.ShortMonthNames, fMonth);
}

QString TOrvDateEdit::GetLongMonth() const
{
    return NameOf(FormatSettings.LongMonthNames, fMonth);
}

QString TOrvDateEdit::GetShortDOW() const
{
    return NameOf(FormatSettings.ShortDayNames, GetDOW());
}

QString TOrvDateEdit::GetLongDOW() const
{
    return NameOf(FormatSettings.LongDayNames, GetDOW());
}

QString TOrvDateEdit::FormatValue()
{
    if (fBlankWhenFileTimeIsZero && fDate <= FileTimeZeroDate)
        return QString();
    switch (fFormatType) {
    case edfShortDate:
        return DateToText(fDate);
    case edfLongDate:
        return DateToFormatText(FormatSettings.LongDateFormat, fDate);
    case edfCustom:
        break;
    }
    return DateToFormatText(fFormat, fDate);
}

void TOrvDateEdit::ReadText(const QString& typed)
{
    QString text = typed;
    if (OnBeforeConvert)
        OnBeforeConvert(this, text);
    if (text.isEmpty() && fBlankWhenFileTimeIsZero) {
        StoreDate(FileTimeZeroDate);
        return;
    }
    if (text.isEmpty() && BlanksZero()) {
        StoreDate(0);
        return;
    }
    TDateTime value = 0;
    try {
        const TYearRuleScope rule(YearDigitType(), YearCutOff());
        const TOrvScopedValue raise(GlobalRaiseDateErrors, CheckForErrors());
        switch (fFormatType) {
        case edfShortDate:
            value = TextToDate(text, fImplyHistoric);
            break;
        case edfLongDate:
            value = TextToDateFmt(text, FormatSettings.LongDateFormat);
            break;
        case edfCustom:
            value = TextToDateFmt(text, fFormat);
            break;
        }
    } catch (const EConvertError&) {
        RaiseTextError(DateMessageText(edmInvalidDate), text);
    }
    StoreDate(value);
}

bool TOrvDateEdit::IsValidChar(QChar key)
{
    Q_UNUSED(key);
    return true;
}

void TOrvDateEdit::ValidateBounds()
{
    if (ValidateYear()) {
        ValidateYearBounds();
        return;
    }
    if (!BoundsEnabled())
        return;
    const TOrvScopedValue raise(GlobalRaiseDateErrors, false);
    CheckBounds(fDate, fBoundLower, fBoundUpper, DateToText);
}

} // namespace orv
