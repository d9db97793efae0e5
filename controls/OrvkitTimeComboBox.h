#pragma once

#include <orvkit/controls/OrvkitComboBox.h>
#include <orvkit/controls/OrvkitComboRules.h>
// TOrvTimeFormatType, shared with the time edit.
#include <orvkit/edits/OrvkitDateEditBase.h>
#include <orvkit/framework/OrvkitEdit.h>

namespace orv {

inline namespace TimeComboBoxEnums {
Q_NAMESPACE
enum TOrvTimeInterval { ti5min, ti10min, ti15min, ti20min, ti30min, ti1hr, ti2hr };
Q_ENUM_NS(TOrvTimeInterval)
} // namespace TimeComboBoxEnums

/// A time of day typed or picked from a list of times at a fixed interval between a start
/// and an end time. The list holds the multiples of the interval from midnight within
/// StartTime..EndTime, both included; setting a time highlights the nearest listed item
/// and shows the time itself. Null and blank handling, the exit checks (OnExitStart,
/// BlankIsNull, the conversion with OnConvertError, AdjustTimeOnExit) and the error events
/// are those of the value edits.
class TOrvTimeComboBox : public TOrvCustomComboBox {
    Q_OBJECT
    Q_PROPERTY(double Time READ Time WRITE SetTimeValue NOTIFY timeChanged USER true)
    Q_PROPERTY(double AsTime READ Time WRITE SetTimeValue STORED false)
    Q_PROPERTY(double AsDateTime READ AsDateTime WRITE SetAsDateTimeValue STORED false)
    Q_PROPERTY(double AsFloat READ AsFloat WRITE SetAsFloatValue)
    Q_PROPERTY(int Hour READ Hour WRITE SetHourValue STORED false)
    Q_PROPERTY(int Minute READ Minute WRITE SetMinuteValue STORED false)
    Q_PROPERTY(int Second READ Second WRITE SetSecondValue STORED false)
    Q_PROPERTY(int Millisecond READ Millisecond WRITE SetMillisecondValue STORED false)
    Q_PROPERTY(double StartTime READ StartTime WRITE SetStartTime)
    Q_PROPERTY(double EndTime READ EndTime WRITE SetEndTime)
    Q_PROPERTY(orv::TimeComboBoxEnums::TOrvTimeInterval TimeInterval READ TimeInterval WRITE SetTimeInterval)
    Q_PROPERTY(orv::TOrvTimeFormatType FormatType READ FormatType WRITE SetFormatType)
    Q_PROPERTY(QString Format READ Format WRITE SetFormat)
    Q_PROPERTY(bool NumericOnly READ NumericOnly WRITE SetNumericOnly)
    Q_PROPERTY(bool AdjustTimeOnExit READ AdjustTimeOnExit WRITE SetAdjustTimeOnExit)
    Q_PROPERTY(bool Null READ Null WRITE SetNull NOTIFY nullChanged)
    Q_PROPERTY(QString NullStr READ NullStr WRITE SetNullStr)
    Q_PROPERTY(bool BlankWhenNull READ BlankWhenNull WRITE SetBlankWhenNull)
    Q_PROPERTY(bool BlankWhenZero READ BlankWhenZero WRITE SetBlankWhenZero)
    Q_PROPERTY(bool BlankIsNull READ BlankIsNull WRITE SetBlankIsNull)
    Q_PROPERTY(bool IgnoreConvertError READ IgnoreConvertError WRITE SetIgnoreConvertError)
    Q_PROPERTY(bool ConvertOK READ ConvertOK STORED false)
public:
    explicit TOrvTimeComboBox(QWidget* parent = nullptr);

    /// The time, read from the text first (the text last shown for the time keeps the
    /// time whole). Setting a non-finite value does nothing.
    TDateTime Time();
    void SetTime(TDateTime value);
    TDateTime AsTime() { return Time(); }
    void SetAsTime(TDateTime value) { SetTime(value); }
    TDateTime AsDateTime() { return Time(); }
    /// Keeps only the time of day.
    void SetAsDateTime(TDateTime value);
    TDateTime AsFloat() { return Time(); }
    void SetAsFloat(TDateTime value) { SetAsDateTime(value); }
    uint16_t Hour();
    uint16_t Minute();
    uint16_t Second();
    uint16_t Millisecond();
    /// Each raises "Invalid Time" for an impossible part, leaving the time as it was.
    void SetHour(uint16_t value);
    void SetMinute(uint16_t value);
    void SetSecond(uint16_t value);
    void SetMillisecond(uint16_t value);

    TDateTime StartTime() const { return fStartTime; }
    void SetStartTime(TDateTime value);
    TDateTime EndTime() const { return fEndTime; }
    void SetEndTime(TDateTime value);
    TOrvTimeInterval TimeInterval() const { return fTimeInterval; }
    virtual void SetTimeInterval(TOrvTimeInterval value);
    /// The interval in minutes.
    double Interval() const { return fInterval; }
    TOrvTimeFormatType FormatType() const { return fFormatType; }
    void SetFormatType(TOrvTimeFormatType value);
    /// The picture of etfCustom; ignored for the other types.
    const QString& Format() const { return fFormat; }
    void SetFormat(const QString& value);
    /// Whether Format belongs in a stored layout.
    bool FormatStored() const { return fFormatType == etfCustom; }
    bool NumericOnly() const { return fNumericOnly; }
    /// Unchanged while read-only.
    void SetNumericOnly(bool value);
    bool AdjustTimeOnExit() const { return fAdjustTimeOnExit; }
    void SetAdjustTimeOnExit(bool value) { fAdjustTimeOnExit = value; }

    bool Null() const { return fNull; }
    void SetNull(bool value);
    const QString& NullStr() const { return fNullStr; }
    void SetNullStr(const QString& value);
    bool BlankWhenNull() const { return fBlankWhenNull; }
    void SetBlankWhenNull(bool value);
    bool BlankWhenZero() const { return fBlankWhenZero; }
    void SetBlankWhenZero(bool value);
    virtual bool BlankIsNull() const { return fBlankIsNull; }
    virtual void SetBlankIsNull(bool value) { fBlankIsNull = value; }
    /// Whether NullStr belongs in a stored layout.
    bool StoreNullStr() const { return !fNullStr.isEmpty() && !fBlankWhenNull; }
    bool IgnoreConvertError() const { return fIgnoreConvertError; }
    void SetIgnoreConvertError(bool value) { fIgnoreConvertError = value; }
    /// False until the first exit that passes the conversion check.
    bool ConvertOK() const { return fConvertOK; }

    /// Time := the current time of day.
    void Now();
    /// Reads the text and snaps it to the nearest listed time.
    void AdjustTime();
    // Steps within the day: a result below 0 or above 1 wraps round.
    void AddHours(Extended hours);
    void SubtractHours(Extended hours);
    void AddMinutes(Extended minutes);
    void SubtractMinutes(Extended minutes);
    void AddSeconds(Extended seconds);
    void SubtractSeconds(Extended seconds);

    /// The listed times.
    const TOrvTimeList& TimeList() const { return fList; }

    TOrvConvertErrorEvent OnConvertError;
    TOrvExitStartEvent OnExitStart;
    TNotifyEvent OnNullChange;

signals:
    void timeChanged(double time);
    /// Right after OnNullChange.
    void nullChanged(bool null);
    /// Right after OnConvertError, or after the error box when no handler is set.
    void convertError(const QString& text);

protected:
    bool IsValidChar(QChar key) override;
    void FillItems() override;
    void SelectionTaken() override;
    void DoExit() override;
    void ReportError(const std::exception& error) override;

private:
    friend class TOrvTimeComboExit;

    TOrvBlankSettings EffectiveBlanks() const;
    QString Picture() const;
    /// The time's text, blank for zero with BlankWhenZero.
    QString FormatTime(TDateTime value) const;
    /// Shows the time, or the null text.
    void ShowTime();
    /// Takes the time from the text; raises with the check-for-errors flag on.
    void ReadBack();
    void SelectNearest();
    void SplitParts();
    /// Stores a new time, leaves the null state, highlights the nearest item and shows it.
    void TakeTime(TDateTime value);
    void SetPart(uint16_t& part, uint16_t value, bool select);
    void StepTime(TDateTime value);

    void SetTimeValue(double value) { Guarded([&] { SetTime(value); }); }
    void SetAsDateTimeValue(double value) { Guarded([&] { SetAsDateTime(value); }); }
    void SetAsFloatValue(double value) { Guarded([&] { SetAsFloat(value); }); }
    void SetHourValue(int value) { Guarded([&] { SetHour(uint16_t(std::clamp(value, 0, 0xFFFF))); }); }
    void SetMinuteValue(int value) { Guarded([&] { SetMinute(uint16_t(std::clamp(value, 0, 0xFFFF))); }); }
    void SetSecondValue(int value) { Guarded([&] { SetSecond(uint16_t(std::clamp(value, 0, 0xFFFF))); }); }
    void SetMillisecondValue(int value) { Guarded([&] { SetMillisecond(uint16_t(std::clamp(value, 0, 0xFFFF))); }); }

    TDateTime fTime = 0;
    uint16_t fHour = 0;
    uint16_t fMinute = 0;
    uint16_t fSecond = 0;
    uint16_t fMillisecond = 0;
    TDateTime fStartTime = 0;
    TDateTime fEndTime = 86399.0 / 86400.0;
    TOrvTimeInterval fTimeInterval = ti15min;
    double fInterval = 15;
    TOrvTimeList fList;
    TOrvTimeFormatType fFormatType = etfShortTime;
    QString fFormat;
    QString fShownText;
    QString fNullStr;
    bool fNumericOnly = true;
    bool fAdjustTimeOnExit = false;
    bool fNull = false;
    bool fBlankWhenNull = false;
    bool fBlankWhenZero = false;
    bool fBlankIsNull = false;
    bool fIgnoreConvertError = false;
    bool fConvertOK = false;
    bool fCheckForErrors = false;
};

} // namespace orv
