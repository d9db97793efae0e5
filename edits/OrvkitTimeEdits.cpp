#include <orvkit/edits/OrvkitTimeEdits.h>

#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/datetime/OrvkitDateFormat.h>
#include <orvkit/datetime/OrvkitDateText.h>
#include <orvkit/datetime/OrvkitDateTime.h>

#include <cmath>

namespace orv {

TDateTime WrapIntoDay(TDateTime value)
{
    if (!std::isfinite(value))
        return 0;
    const TDateTime day = value - std::floor(value);
    // A tiny negative value rounds up to a whole day.
    return day >= 1 ? 0 : day;
}

TOrvTimeEdit::TOrvTimeEdit(QWidget* parent)
    : TOrvDateEditBase(parent), fTime(TimeOfDay(NowDateTime())), fFormat(FormatSettings.ShortTimeFormat)
{
    SetWidth(70);
    fBoundLower = fBoundUpper = fTime;
    DoDisplay();
}

void TOrvTimeEdit::SetTime(TDateTime value)
{
    if (!std::isfinite(value))
        return;
    const TDateTime time = TimeOfDay(value);
    if (time == fTime && !Null())
        return;
    fTime = time;
    ValueStored();
}

TOrvTimeEdit::TParts TOrvTimeEdit::Parts() const
{
    TParts p;
    SplitTime(fTime, p.hour, p.minute, p.second, p.millisecond);
    return p;
}

void TOrvTimeEdit::SetPart(uint16_t TParts::*part, uint16_t value)
{
    TParts p = Parts();
    p.*part = value;
    SetTime(MakeTime(p.hour, p.minute, p.second, p.millisecond));
}

void TOrvTimeEdit::SetFormatType(TOrvTimeFormatType value)
{
    if (value == fFormatType)
        return;
    fFormatType = value;
    if (value == etfShortTime)
        fFormat = FormatSettings.ShortTimeFormat;
    else if (value == etfLongTime)
        fFormat = FormatSettings.LongTimeFormat;
    DoDisplay();
}

namespace {

/// Whether every time shown in `picture` reads back, leniently, as the same text.
bool ReadableTimeFormat(const QString& picture)
{
    const TOrvScopedValue raise(GlobalRaiseDateErrors, true);
    try {
        for (const TDateTime probe : {MakeTime(0, 0, 0, 0), MakeTime(7, 5, 9, 0), MakeTime(12, 34, 56, 789),
                                      MakeTime(23, 59, 58, 0)}) {
            const QString shown = TimeToFormatText(picture, probe);
            if (shown.isEmpty() || TimeToFormatText(picture, TextToTime(shown, true)) != shown ||
                TimeToFormatText(picture, TextToTime(shown, false)) != shown)
                return false;
        }
    } catch (const EConvertError&) {
        return false;
    }
    return true;
}

} // namespace

void TOrvTimeEdit::SetFormat(const QString& value)
{
    // A picture whose text could not be read back would show one time and hold another.
    if (value == fFormat || !ReadableTimeFormat(value))
        return;
    fFormat = value;
    DoDisplay();
}

void TOrvTimeEdit::Now()
{
    SetTime(TimeOfDay(NowDateTime()));
}

void TOrvTimeEdit::Step(TDateTime moved)
{
    fTime = WrapIntoDay(moved);
    DoDisplay();
}

void TOrvTimeEdit::AddHours(Extended count)
{
    Step(TimeAddHours(fTime, double(count)));
}

void TOrvTimeEdit::AddMinutes(Extended count)
{
    Step(TimeAddMinutes(fTime, double(count)));
}

void TOrvTimeEdit::AddSeconds(Extended count)
{
    Step(TimeAddSeconds(fTime, double(count)));
}

QString TOrvTimeEdit::FormatValue()
{
    switch (fFormatType) {
    case etfShortTime:
        return TimeToFormatText(FormatSettings.ShortTimeFormat, fTime);
    case etfLongTime:
        return TimeToFormatText(FormatSettings.LongTimeFormat, fTime);
    case etfCustom:
        break;
    }
    return TimeToFormatText(fFormat, fTime);
}

void TOrvTimeEdit::ReadText(const QString& text)
{
    if (text.isEmpty()) {
        fTime = 0;
        return;
    }
    try {
        const TOrvScopedValue raise(GlobalRaiseDateErrors, CheckForErrors());
        fTime = TextToTime(text, fAMPMAllowFirst);
    } catch (const EConvertError&) {
        fTime = 0;
        RaiseTextError(DateMessageText(edmInvalidTime), text);
    }
}

bool TOrvTimeEdit::IsValidChar(QChar key)
{
    if (!fNumericOnly)
        return key.unicode() >= 32;
    return (key >= u'0' && key <= u'9') || key == u':' || key == FormatSettings.TimeSeparator ||
           key == FormatSettings.DecimalSeparator;
}

void TOrvTimeEdit::ValidateBounds()
{
    if (!BoundsEnabled())
        return;
    const TOrvScopedValue raise(GlobalRaiseDateErrors, false);
    CheckBounds(fTime, fBoundLower, fBoundUpper, TimeToShortText);
}

} // namespace orv
