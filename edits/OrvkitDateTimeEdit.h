#pragma once

#include <orvkit/edits/OrvkitDateEdits.h>
#include <orvkit/edits/OrvkitTimeEdits.h>
#include <orvkit/framework/OrvkitPanels.h>
#include <orvkit/framework/OrvkitValueNotifier.h>

#include <cstdint>
#include <optional>

namespace orv {

/// A date edit and a time edit side by side on a borderless panel that holds one
/// date-time value; the panel's settings go to both children (or the one that uses them).
/// The panel takes no focus itself: focus given to it goes to the date edit.
class TOrvBaseDateTimeEdit : public TOrvCustomPanel {
    Q_OBJECT
    Q_PROPERTY(double AsDateTime READ AsDateTime WRITE SetAsDateTime NOTIFY dateTimeChanged USER true)
public:
    explicit TOrvBaseDateTimeEdit(QWidget* parent = nullptr);

    TOrvDateEdit* DateEdit() const { return fDateEdit; }
    TOrvTimeEdit* TimeEdit() const { return fTimeEdit; }

    /// The widths in use. Until set, each is 71 or, when its edit's text would be cut at
    /// that width in the panel's font, the width that shows it whole.
    int DateWidth() const { return UsedWidth(*fDateEdit, fDateWidth); }
    void SetDateWidth(int value);
    int TimeWidth() const { return UsedWidth(*fTimeEdit, fTimeWidth); }
    void SetTimeWidth(int value);
    int Gap() const { return fGap; }
    void SetGap(int value);
    /// The panel takes the date edit's height.
    bool AutoSize() const { return fAutoSize; }
    void SetAutoSize(bool value);
    TAlignment Alignment() const { return fDateEdit->Alignment(); }
    void SetAlignment(TAlignment value);
    bool ReadOnly() const { return fDateEdit->ReadOnly(); }
    void SetReadOnly(bool value);
    bool TabStop() const { return fDateEdit->TabStop(); }
    void SetTabStop(bool value);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool value) { setEnabled(value); }

    /// True while either child is null; setting it sets both.
    bool Null() const { return fNull; }
    void SetNull(bool value);
    const QString& NullStr() const { return fDateEdit->NullStr(); }
    void SetNullStr(const QString& value);
    bool AllowKbdNull() const { return fDateEdit->AllowKbdNull(); }
    void SetAllowKbdNull(bool value);
    bool AutoSelect() const { return fDateEdit->AutoSelect(); }
    void SetAutoSelect(bool value);
    bool AutoSelectClick() const { return fDateEdit->AutoSelectClick(); }
    void SetAutoSelectClick(bool value);
    bool BlankWhenZero() const { return fDateEdit->BlankWhenZero(); }
    void SetBlankWhenZero(bool value);
    bool BlankWhenNull() const { return fDateEdit->BlankWhenNull(); }
    void SetBlankWhenNull(bool value);
    /// The date edit's; turning it on also blanks a zero time.
    bool BlankWhenFileTimeIsZero() const { return fDateEdit->BlankWhenFileTimeIsZero(); }
    void SetBlankWhenFileTimeIsZero(bool value);
    bool IgnoreConvertError() const { return fDateEdit->IgnoreConvertError(); }
    void SetIgnoreConvertError(bool value);
    bool StoreValue() const { return fStoreValue; }
    void SetStoreValue(bool value) { fStoreValue = value; }

    TOrvDateFormatType FormatDateType() const { return fDateEdit->FormatType(); }
    void SetFormatDateType(TOrvDateFormatType value) { fDateEdit->SetFormatType(value); Layout(); }
    QString FormatDate() const { return fDateEdit->Format(); }
    void SetFormatDate(const QString& value) { fDateEdit->SetFormat(value); Layout(); }
    TOrvTimeFormatType FormatTimeType() const { return fTimeEdit->FormatType(); }
    void SetFormatTimeType(TOrvTimeFormatType value) { fTimeEdit->SetFormatType(value); Layout(); }
    QString FormatTime() const { return fTimeEdit->Format(); }
    void SetFormatTime(const QString& value) { fTimeEdit->SetFormat(value); Layout(); }
    bool NumericTimeOnly() const { return fTimeEdit->NumericOnly(); }
    void SetNumericTimeOnly(bool value) { fTimeEdit->SetNumericOnly(value); }
    bool AMPMAllowFirst() const { return fTimeEdit->AMPMAllowFirst(); }
    void SetAMPMAllowFirst(bool value) { fTimeEdit->SetAMPMAllowFirst(value); }

    TOrvUICtrl* UICtrl() const { return fDateEdit->UICtrl(); }
    void SetUICtrl(TOrvUICtrl* value);
    TOrvUIUsageTypes UIUsage() const { return fDateEdit->UIUsage(); }
    void SetUIUsage(TOrvUIUsageTypes value);
    /// The date edit's set; the time edit follows it.
    TOrvEditColorSet& ColorSet() const { return fDateEdit->ColorSet(); }
    TOrvEditColorSet* ColorSetPtr() const { return &fDateEdit->ColorSet(); }

    /// The date plus the time of day; a value outside 0001..9999 (or not a number) is ignored.
    TDateTime AsDateTime() const;
    void SetAsDateTime(TDateTime value);
    uint16_t Year() const { return fDateEdit->Year(); }
    void SetYear(uint16_t value) { fDateEdit->SetYear(value); }
    uint16_t Month() const { return fDateEdit->Month(); }
    void SetMonth(uint16_t value) { fDateEdit->SetMonth(value); }
    uint16_t Day() const { return fDateEdit->Day(); }
    void SetDay(uint16_t value) { fDateEdit->SetDay(value); }
    uint16_t Hour() const { return fTimeEdit->Hour(); }
    void SetHour(uint16_t value) { fTimeEdit->SetHour(value); }
    uint16_t Minute() const { return fTimeEdit->Minute(); }
    void SetMinute(uint16_t value) { fTimeEdit->SetMinute(value); }
    uint16_t Second() const { return fTimeEdit->Second(); }
    void SetSecond(uint16_t value) { fTimeEdit->SetSecond(value); }
    uint16_t Millisecond() const { return fTimeEdit->Millisecond(); }
    void SetMillisecond(uint16_t value) { fTimeEdit->SetMillisecond(value); }
    // The same for writes through Qt's property system, which never raise.
    void WriteHour(uint16_t value) { fTimeEdit->WriteHour(value); }
    void WriteMinute(uint16_t value) { fTimeEdit->WriteMinute(value); }
    void WriteSecond(uint16_t value) { fTimeEdit->WriteSecond(value); }
    void WriteMillisecond(uint16_t value) { fTimeEdit->WriteMillisecond(value); }

    /// Either child has the focus.
    bool Focused() const;
    /// Both children converted their text without error.
    bool ConvertOK() const { return fDateEdit->ConvertOK() && fTimeEdit->ConvertOK(); }

    /// Today and the current time, not null.
    void Now();
    void Clear();
    QString DateStr() const { return fDateEdit->text().trimmed(); }
    QString TimeStr() const { return fTimeEdit->text().trimmed(); }
    QString DateTimeStr() const { return (fDateEdit->text() + u' ' + fTimeEdit->text()).trimmed(); }

    uint16_t GetDOW() const { return fDateEdit->GetDOW(); }
    uint16_t GetISO_DOW() const { return fDateEdit->GetISO_DOW(); }
    QString GetShortMonth() const { return fDateEdit->GetShortMonth(); }
    QString GetLongMonth() const { return fDateEdit->GetLongMonth(); }
    QString GetShortDOW() const { return fDateEdit->GetShortDOW(); }
    QString GetLongDOW() const { return fDateEdit->GetLongDOW(); }

    void AddDays(int32_t count) { fDateEdit->AddDays(count); }
    void AddWeeks(int32_t count) { fDateEdit->AddWeeks(count); }
    void AddMonths(int32_t count) { fDateEdit->AddMonths(count); }
    void AddQuarters(int32_t count) { fDateEdit->AddQuarters(count); }
    void AddSemesters(int32_t count) { fDateEdit->AddSemesters(count); }
    void AddYears(int32_t count) { fDateEdit->AddYears(count); }
    void SubtractDays(int32_t count) { fDateEdit->SubtractDays(count); }
    void SubtractWeeks(int32_t count) { fDateEdit->SubtractWeeks(count); }
    void SubtractMonths(int32_t count) { fDateEdit->SubtractMonths(count); }
    void SubtractQuarters(int32_t count) { fDateEdit->SubtractQuarters(count); }
    void SubtractSemesters(int32_t count) { fDateEdit->SubtractSemesters(count); }
    void SubtractYears(int32_t count) { fDateEdit->SubtractYears(count); }
    // These move the whole value, so crossing midnight moves the date.
    void AddHours(Extended count);
    void AddMinutes(Extended count);
    void AddSeconds(Extended count);
    void SubtractHours(Extended count) { AddHours(-count); }
    void SubtractMinutes(Extended count) { AddMinutes(-count); }
    void SubtractSeconds(Extended count) { AddSeconds(-count); }

private:
    // Created first: the event references below bind to them.
    TOrvDateEdit* fDateEdit;
    TOrvTimeEdit* fTimeEdit;

public:
    /// ElementNo 0 when the date edit changed, 1 when the time edit did.
    TOrvChangeEvent OnChange;
    TNotifyEvent OnNull;
    TNotifyEvent OnNullChange;
    TNotifyEvent OnColorSetChange;
    TOrvSpecialColorEvent OnSpecialColor;
    // The children's own events; Sender is the child. Key presses are the date edit's.
    TNotifyEvent& OnDateExit = fDateEdit->OnExit;
    TNotifyEvent& OnTimeExit = fTimeEdit->OnExit;
    TOrvConvertErrorEvent& OnDateConvertError = fDateEdit->OnConvertError;
    TOrvConvertErrorEvent& OnTimeConvertError = fTimeEdit->OnConvertError;
    TOrvExitStartEvent& OnDateExitStart = fDateEdit->OnExitStart;
    TOrvExitStartEvent& OnTimeExitStart = fTimeEdit->OnExitStart;
    /// A left click (double click) in either child; Sender is the child. The mouse events
    /// inherited from the panel fire for the children's mouse as well, with the child as
    /// Sender and its coordinates.
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

signals:
    /// Right after OnChange, with the part that changed.
    void changed(uint elementNo);
    /// AsDateTime changed, by typing or by code.
    void dateTimeChanged(double dateTime);
    /// Right after OnNullChange.
    void nullChanged(bool null);
    /// Right after OnClick.
    void clicked();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void PanelFontChanged() override;
    void connectNotify(const QMetaMethod& signal) override;

private:
    void Connect(TOrvBaseEdit* child, uint32_t elementNo);
    void ChildNullChanged();
    /// Fixes the panel's width (and with AutoSize its height) from the settings.
    void Layout();
    void PlaceChildren();
    template <typename F>
    void ForBoth(F&& f)
    {
        f(*fDateEdit);
        f(*fTimeEdit);
    }

    /// A width as set, or the default grown to fit the edit's text.
    static int UsedWidth(const TOrvBaseEdit& edit, const std::optional<int>& width);

    std::optional<int> fDateWidth;
    std::optional<int> fTimeWidth;
    int fGap = 5;
    int fAutoHeight = 21;
    bool fAutoSize = true;
    bool fNull = false;
    bool fSettingNull = false;
    bool fStoreValue = true;
    TOrvValueNotifier fValueNotifier;
};

/// The date-and-time edit with its settings published.
class TOrvDateTimeEdit : public TOrvBaseDateTimeEdit {
    Q_OBJECT
    Q_PROPERTY(int DateWidth READ DateWidth WRITE SetDateWidth)
    Q_PROPERTY(int TimeWidth READ TimeWidth WRITE SetTimeWidth)
    Q_PROPERTY(int Gap READ Gap WRITE SetGap)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(orv::EditEnums::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Null READ Null WRITE SetNull)
    Q_PROPERTY(QString NullStr READ NullStr WRITE SetNullStr)
    Q_PROPERTY(bool AllowKbdNull READ AllowKbdNull WRITE SetAllowKbdNull)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE SetAutoSelect)
    Q_PROPERTY(bool AutoSelectClick READ AutoSelectClick WRITE SetAutoSelectClick)
    Q_PROPERTY(bool BlankWhenZero READ BlankWhenZero WRITE SetBlankWhenZero)
    Q_PROPERTY(bool BlankWhenNull READ BlankWhenNull WRITE SetBlankWhenNull)
    Q_PROPERTY(bool BlankWhenFileTimeIsZero READ BlankWhenFileTimeIsZero WRITE SetBlankWhenFileTimeIsZero)
    Q_PROPERTY(orv::DateEditEnums::TOrvDateFormatType FormatDateType READ FormatDateType WRITE SetFormatDateType)
    Q_PROPERTY(QString FormatDate READ FormatDate WRITE SetFormatDate)
    Q_PROPERTY(orv::DateEditEnums::TOrvTimeFormatType FormatTimeType READ FormatTimeType WRITE SetFormatTimeType)
    Q_PROPERTY(QString FormatTime READ FormatTime WRITE SetFormatTime)
    Q_PROPERTY(bool NumericTimeOnly READ NumericTimeOnly WRITE SetNumericTimeOnly)
    Q_PROPERTY(bool AMPMAllowFirst READ AMPMAllowFirst WRITE SetAMPMAllowFirst)
    Q_PROPERTY(bool IgnoreConvertError READ IgnoreConvertError WRITE SetIgnoreConvertError)
    Q_PROPERTY(bool StoreValue READ StoreValue WRITE SetStoreValue)
    Q_PROPERTY(double AsDateTime READ AsDateTime WRITE SetAsDateTime)
    Q_PROPERTY(uint16_t Year READ Year WRITE SetYear STORED false)
    Q_PROPERTY(uint16_t Month READ Month WRITE SetMonth STORED false)
    Q_PROPERTY(uint16_t Day READ Day WRITE SetDay STORED false)
    Q_PROPERTY(uint16_t Hour READ Hour WRITE WriteHour STORED false)
    Q_PROPERTY(uint16_t Minute READ Minute WRITE WriteMinute STORED false)
    Q_PROPERTY(uint16_t Second READ Second WRITE WriteSecond STORED false)
    Q_PROPERTY(uint16_t Millisecond READ Millisecond WRITE WriteMillisecond STORED false)
    Q_PROPERTY(orv::TOrvUICtrl* UICtrl READ UICtrl WRITE SetUICtrl)
    Q_PROPERTY(orv::TOrvUIUsageTypes UIUsage READ UIUsage WRITE SetUIUsage)
    // The date edit's set, edited in place (the time edit follows it); not a QObject.
    Q_PROPERTY(orv::TOrvEditColorSet* ColorSet READ ColorSetPtr CONSTANT)
public:
    using TOrvBaseDateTimeEdit::TOrvBaseDateTimeEdit;
};

} // namespace orv
