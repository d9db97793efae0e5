#include <orvkit/controls/OrvkitTimeComboBox.h>

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/datetime/OrvkitDateFormat.h>
#include <orvkit/datetime/OrvkitDateText.h>
#include <orvkit/datetime/OrvkitDateTime.h>
#include <orvkit/framework/OrvkitEditRules.h>

#include <QCoreApplication>
#include <cmath>

namespace orv {

namespace {

constexpr int32_t kIntervalMinutes[] = {5, 10, 15, 20, 30, 60, 120};

constexpr const char* kFormatOnlyCustom =
    QT_TRANSLATE_NOOP("OrvkitTimeComboBox", "Format can only be changed for FormatType = edfCustom");

/// A stepped time wrapped into the day; exactly 1 stays.
TDateTime WrapIntoDay(TDateTime value)
{
    double whole = 0;
    const double fraction = std::modf(value, &whole);
    if (value < 0)
        return fraction + 1;
    if (value > 1)
        return fraction;
    return value;
}

} // namespace

/// The exit steps of the time combo box, for RunValueExit: adjusting to the list takes
/// the place of the bounds check.
class TOrvTimeComboExit final : public IOrvExitSteps {
public:
    explicit TOrvTimeComboExit(TOrvTimeComboBox& combo) : fCombo(combo) {}

    bool HasExitStart() const override { return bool(fCombo.OnExitStart); }
    void FireExitStart(QString& text, bool& furtherChecking) override
    {
        fCombo.OnExitStart(&fCombo, text, furtherChecking);
    }
    QString LastText() const override { return fCombo.currentText(); }
    void SetText(const QString& text) override { fCombo.ShowText(text); }
    QString GetText() override { return fCombo.currentText(); }
    bool BlankIsNull() const override { return fCombo.EffectiveBlanks().BlankIsNull; }
    void MakeNull() override
    {
        // Directly: no OnNullChange and nothing shown.
        fCombo.fNull = true;
        fCombo.fShownText.clear();
    }
    bool IgnoreConvertError() const override { return fCombo.fIgnoreConvertError; }
    void SetCheckForErrors(bool value) override { fCombo.fCheckForErrors = value; }
    void ConvertText() override { fCombo.ReadBack(); }
    bool HasConvertErrorHandler() const override { return bool(fCombo.OnConvertError); }
    void FireConvertError(const QString& text) override
    {
        fCombo.OnConvertError(&fCombo, text);
        emit fCombo.convertError(text);
    }
    void Refocus() override { fCombo.setFocus(Qt::OtherFocusReason); }
    void DoDisplay() override { fCombo.ShowTime(); }
    bool ValidationOn() const override { return fCombo.fAdjustTimeOnExit; }
    void ValidateBounds() override { fCombo.AdjustTime(); }

private:
    TOrvTimeComboBox& fCombo;
};

TOrvTimeComboBox::TOrvTimeComboBox(QWidget* parent)
    : TOrvCustomComboBox(parent), fTime(TimeOfDay(NowDateTime())), fFormat(FormatSettings.ShortTimeFormat)
{
    fList = MakeTimeList(fStartTime, fEndTime, int32_t(fInterval));
    SplitParts();
    ShowTime();
}

TOrvBlankSettings TOrvTimeComboBox::EffectiveBlanks() const
{
    const TOrvBlankSettings own{fNullStr, fBlankWhenNull, fBlankWhenZero, BlankIsNull(), true};
    return TOrvCustomComboBox::EffectiveBlanks(btDate, own);
}

QString TOrvTimeComboBox::Picture() const
{
    switch (fFormatType) {
    case etfShortTime:
        return FormatSettings.ShortTimeFormat;
    case etfLongTime:
        return FormatSettings.LongTimeFormat;
    case etfCustom:
        break;
    }
    return fFormat;
}

QString TOrvTimeComboBox::FormatTime(TDateTime value) const
{
    const TOrvScopedValue blank(GlobalBlankWhenZero, EffectiveBlanks().BlankWhenZero);
    return TimeToFormatText(Picture(), value);
}

void TOrvTimeComboBox::ShowTime()
{
    QString text;
    if (fNull) {
        text = NullDisplayText(EffectiveBlanks());
        fShownText.clear();
    } else {
        try {
            text = FormatTime(fTime);
        } catch (...) {
            setFocus(Qt::OtherFocusReason);
            throw;
        }
        fShownText = text;
    }
    ShowText(text);
}

void TOrvTimeComboBox::ReadBack()
{
    const QString text = currentText();
    if (fNull || (text.isEmpty() && EffectiveBlanks().BlankWhenZero)) {
        fTime = 0;
    } else if (fShownText.isNull() || text != fShownText) {
        // The text last shown for the time would only read back rounded.
        try {
            const TOrvScopedValue raise(GlobalRaiseDateErrors, fCheckForErrors);
            fTime = TextToTime(text, false);
        } catch (...) {
            setFocus(Qt::OtherFocusReason);
            throw;
        }
        fShownText = QString();
    }
    SplitParts();
}

void TOrvTimeComboBox::SplitParts()
{
    SplitTime(fTime, fHour, fMinute, fSecond, fMillisecond);
}

void TOrvTimeComboBox::SelectNearest()
{
    if (!LoadedOnce())
        return;
    // The selected item's text passes through the edit part before the time's own text
    // is shown again; the value has not changed meanwhile.
    const auto hold = HoldValueSignal();
    SelectIndex(fList.Nearest(fTime));
}

TDateTime TOrvTimeComboBox::Time()
{
    ReadBack();
    return fTime;
}

void TOrvTimeComboBox::TakeTime(TDateTime value)
{
    fTime = value;
    SetNull(false);
    SplitParts();
    SelectNearest();
    ShowTime();
    ValueMayHaveChanged();
}

void TOrvTimeComboBox::SetTime(TDateTime value)
{
    if (!std::isfinite(value) || (value == fTime && !fNull))
        return;
    TakeTime(value);
}

void TOrvTimeComboBox::SetAsDateTime(TDateTime value)
{
    if (std::isfinite(value))
        SetTime(TimeOfDay(value));
}

uint16_t TOrvTimeComboBox::Hour()
{
    ReadBack();
    return fHour;
}

uint16_t TOrvTimeComboBox::Minute()
{
    ReadBack();
    return fMinute;
}

uint16_t TOrvTimeComboBox::Second()
{
    ReadBack();
    return fSecond;
}

uint16_t TOrvTimeComboBox::Millisecond()
{
    ReadBack();
    return fMillisecond;
}

void TOrvTimeComboBox::SetPart(uint16_t& part, uint16_t value, bool select)
{
    if (part == value && !fNull)
        return;
    uint16_t parts[] = {fHour, fMinute, fSecond, fMillisecond};
    parts[&part - &fHour] = value;
    // Raises before anything changes.
    const TDateTime time = MakeTime(parts[0], parts[1], parts[2], parts[3]);
    part = value;
    fTime = time;
    SetNull(false);
    if (select)
        SelectNearest();
    ShowTime();
    ValueMayHaveChanged();
}

void TOrvTimeComboBox::SetHour(uint16_t value)
{
    SetPart(fHour, value, true);
}

void TOrvTimeComboBox::SetMinute(uint16_t value)
{
    SetPart(fMinute, value, true);
}

void TOrvTimeComboBox::SetSecond(uint16_t value)
{
    SetPart(fSecond, value, true);
}

void TOrvTimeComboBox::SetMillisecond(uint16_t value)
{
    SetPart(fMillisecond, value, false);
}

void TOrvTimeComboBox::SetStartTime(TDateTime value)
{
    if (!std::isfinite(value) || value == fStartTime)
        return;
    fStartTime = value;
    FillItems();
}

void TOrvTimeComboBox::SetEndTime(TDateTime value)
{
    if (!std::isfinite(value) || value == fEndTime)
        return;
    fEndTime = value;
    FillItems();
}

void TOrvTimeComboBox::SetTimeInterval(TOrvTimeInterval value)
{
    if (value == fTimeInterval || value < ti5min || value > ti2hr)
        return;
    fTimeInterval = value;
    fInterval = kIntervalMinutes[value];
    FillItems();
}

void TOrvTimeComboBox::SetFormatType(TOrvTimeFormatType value)
{
    if (value == fFormatType || value < etfShortTime || value > etfCustom)
        return;
    fFormatType = value;
    if (value != etfCustom)
        fFormat = Picture();
    FillItems();
    ShowTime();
}

void TOrvTimeComboBox::SetFormat(const QString& value)
{
    if (value == fFormat)
        return;
    if (fFormatType != etfCustom) {
        if (Designing())
            ShowWarningBox(this, QCoreApplication::translate("OrvkitTimeComboBox", kFormatOnlyCustom));
        return;
    }
    fFormat = value;
    FillItems();
    ShowTime();
}

void TOrvTimeComboBox::SetNumericOnly(bool value)
{
    if (!ReadOnly())
        fNumericOnly = value;
}

void TOrvTimeComboBox::SetNull(bool value)
{
    if (value == fNull)
        return;
    fNull = value;
    ShowTime();
    if (OnNullChange)
        OnNullChange(this);
    emit nullChanged(fNull);
    ValueMayHaveChanged();
}

void TOrvTimeComboBox::SetNullStr(const QString& value)
{
    if (value == fNullStr)
        return;
    fNullStr = value;
    ShowTime();
}

void TOrvTimeComboBox::SetBlankWhenNull(bool value)
{
    if (value == fBlankWhenNull)
        return;
    fBlankWhenNull = value;
    ShowTime();
}

void TOrvTimeComboBox::SetBlankWhenZero(bool value)
{
    if (value == fBlankWhenZero)
        return;
    fBlankWhenZero = value;
    // Shown items follow the switch as well as the time.
    if (LoadedOnce())
        FillItems();
    ShowTime();
}

void TOrvTimeComboBox::Now()
{
    SetTime(TimeOfDay(NowDateTime()));
}

void TOrvTimeComboBox::AdjustTime()
{
    ReadBack();
    const int32_t nearest = fList.Nearest(fTime);
    if (nearest >= 0 && !fNull)
        TakeTime(fList.ItemTime(nearest));
}

void TOrvTimeComboBox::StepTime(TDateTime value)
{
    if (!std::isfinite(value))
        return;
    fTime = WrapIntoDay(value);
    SplitParts();
    SelectNearest();
    ShowTime();
    ValueMayHaveChanged();
}

void TOrvTimeComboBox::AddHours(Extended hours)
{
    StepTime(TimeAddHours(Time(), double(hours)));
}

void TOrvTimeComboBox::SubtractHours(Extended hours)
{
    StepTime(TimeSubHours(Time(), double(hours)));
}

void TOrvTimeComboBox::AddMinutes(Extended minutes)
{
    StepTime(TimeAddMinutes(Time(), double(minutes)));
}

void TOrvTimeComboBox::SubtractMinutes(Extended minutes)
{
    StepTime(TimeSubMinutes(Time(), double(minutes)));
}

void TOrvTimeComboBox::AddSeconds(Extended seconds)
{
    StepTime(TimeAddSeconds(Time(), double(seconds)));
}

void TOrvTimeComboBox::SubtractSeconds(Extended seconds)
{
    StepTime(TimeSubSeconds(Time(), double(seconds)));
}

bool TOrvTimeComboBox::IsValidChar(QChar key)
{
    if (!fNumericOnly)
        return key.unicode() >= 32;
    return (key >= u'0' && key <= u'9') || key == u':' || key == FormatSettings.TimeSeparator ||
           key == FormatSettings.DecimalSeparator;
}

void TOrvTimeComboBox::FillItems()
{
    fList = MakeTimeList(fStartTime, fEndTime, int32_t(fInterval));
    QStringList items;
    items.reserve(fList.Count);
    for (int32_t i = 0; i < fList.Count; ++i)
        items.append(FormatTime(fList.ItemTime(i)));
    ReplaceItems(items);
    SelectNearest();
    ShowTime();
}

void TOrvTimeComboBox::SelectionTaken()
{
    // A read-only combo box shows its time again over the item put back.
    if (ReadOnly()) {
        ShowTime();
        return;
    }
    const TOrvScopedValue quiet(fCheckForErrors, false);
    ReadBack();
}

void TOrvTimeComboBox::DoExit()
{
    TOrvTimeComboExit steps(*this);
    try {
        if (!RunValueExit(steps))
            return;
    } catch (const std::exception& e) {
        // Nobody handles the failure: report it, and keep the focus so the text can be
        // put right.
        TOrvCustomComboBox::ReportError(e);
        setFocus(Qt::OtherFocusReason);
        emit convertError(currentText());
        return;
    }
    ValueMayHaveChanged();
    fConvertOK = true;
    TOrvCustomComboBox::DoExit();
}

void TOrvTimeComboBox::ReportError(const std::exception& error)
{
    if (!OnConvertError) {
        TOrvCustomComboBox::ReportError(error);
    } else {
        OnConvertError(this, currentText());
    }
    emit convertError(currentText());
}

} // namespace orv
