#include <orvkit/edits/OrvkitMonthDOWEdits.h>

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/datetime/OrvkitDateText.h>
#include <orvkit/datetime/OrvkitDateTime.h>

namespace orv {

// ---- TOrvNamedNumberEdit

TOrvNamedNumberEdit::TOrvNamedNumberEdit(uint16_t count, QWidget* parent) : TOrvDateEditBase(parent), fCount(count)
{
    SetWidth(46);
}

void TOrvNamedNumberEdit::SetNumber(uint16_t value)
{
    if (value > fCount || (value == fNumber && !Null()))
        return;
    StoreNumber(value);
    ValueStored();
}

void TOrvNamedNumberEdit::StoreNumber(uint16_t value)
{
    fNumber = value;
    fShortName = value == 0 ? QString() : ShortNameOf(value);
    fLongName = value == 0 ? QString() : LongNameOf(value);
}

void TOrvNamedNumberEdit::SetShown(TShown value)
{
    if (value == fShown)
        return;
    fShown = value;
    DoDisplay();
}

void TOrvNamedNumberEdit::Reconvert()
{
    if (!Null())
        ReadText(text());
    DoDisplay();
}

QString TOrvNamedNumberEdit::FormatValue()
{
    switch (fShown) {
    case esNumber:
        break;
    case esShortName:
        return fShortName;
    case esLongName:
        return fLongName;
    }
    return Int32ToText(fNumber);
}

void TOrvNamedNumberEdit::ReadText(const QString& text)
{
    uint16_t number = std::min(TextToUInt16(text), fCount);
    if (number == 0)
        number = NumberOfName(text.trimmed());
    StoreNumber(number);
}

void TOrvNamedNumberEdit::ValidateBounds()
{
    if (!BoundsEnabled())
        return;
    CheckBounds(fNumber, fBoundLower, fBoundUpper, [](double bound) { return QString::number(bound); });
}

// ---- TOrvMonthEdit

TOrvMonthEdit::TOrvMonthEdit(QWidget* parent) : TOrvNamedNumberEdit(12, parent)
{
    Today();
    SetBoundLower(Month());
    SetBoundUpper(Month());
}

void TOrvMonthEdit::SetMonthFormat(TOrvMonthFormatType value)
{
    fMonthFormat = value;
    SetShown(TShown(value));
}

void TOrvMonthEdit::Today()
{
    SetMonth(TodayMonth());
}

uint16_t TOrvMonthEdit::NumberOfName(const QString& text) const
{
    return MonthFromName(text);
}

QString TOrvMonthEdit::ShortNameOf(uint16_t number) const
{
    return FormatSettings.ShortMonthNames[number - 1];
}

QString TOrvMonthEdit::LongNameOf(uint16_t number) const
{
    return FormatSettings.LongMonthNames[number - 1];
}

// ---- TOrvDOWEdit

TOrvDOWEdit::TOrvDOWEdit(QWidget* parent) : TOrvNamedNumberEdit(7, parent)
{
    Today();
    SetBoundLower(DOW());
    SetBoundUpper(DOW());
}

void TOrvDOWEdit::SetISO8601(bool value)
{
    if (value == fISO8601)
        return;
    fISO8601 = value;
    Reconvert();
}

void TOrvDOWEdit::SetDOWFormat(TOrvDOWFormatType value)
{
    fDOWFormat = value;
    SetShown(TShown(value));
}

void TOrvDOWEdit::Today()
{
    SetDOW(uint8_t(fISO8601 ? TodayISODayOfWeek() : TodayDayOfWeek()));
}

uint16_t TOrvDOWEdit::HostDay(uint16_t number) const
{
    return fISO8601 ? ISOToHostDayOfWeek(number) : number;
}

uint16_t TOrvDOWEdit::NumberOfName(const QString& text) const
{
    const uint16_t host = DayFromName(text);
    return fISO8601 && host != 0 ? HostToISODayOfWeek(host) : host;
}

QString TOrvDOWEdit::ShortNameOf(uint16_t number) const
{
    return FormatSettings.ShortDayNames[HostDay(number) - 1];
}

QString TOrvDOWEdit::LongNameOf(uint16_t number) const
{
    return FormatSettings.LongDayNames[HostDay(number) - 1];
}

} // namespace orv
