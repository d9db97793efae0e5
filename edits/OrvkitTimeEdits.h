#pragma once

#include <orvkit/core/OrvkitGlobals.h>
#include <orvkit/edits/OrvkitDateEditBase.h>

#include <cstdint>

namespace orv {

/// A time of day (0 <= value < 1), read leniently (TextToTime) and shown in the short,
/// long or a custom time format.
class TOrvTimeEdit : public TOrvDateEditBase {
    Q_OBJECT
    Q_PROPERTY(double Time READ Time WRITE SetTime NOTIFY timeChanged USER true)
    Q_PROPERTY(double AsDateTime READ AsDateTime WRITE SetAsDateTime STORED false)
    Q_PROPERTY(double AsTime READ AsTime WRITE SetAsTime STORED false)
    Q_PROPERTY(uint16_t Hour READ Hour WRITE WriteHour STORED false)
    Q_PROPERTY(uint16_t Minute READ Minute WRITE WriteMinute STORED false)
    Q_PROPERTY(uint16_t Second READ Second WRITE WriteSecond STORED false)
    Q_PROPERTY(uint16_t Millisecond READ Millisecond WRITE WriteMillisecond STORED false)
    Q_PROPERTY(double BoundLower READ BoundLower WRITE SetBoundLower)
    Q_PROPERTY(double BoundUpper READ BoundUpper WRITE SetBoundUpper)
    Q_PROPERTY(orv::DateEditEnums::TOrvTimeFormatType FormatType READ FormatType WRITE SetFormatType)
    Q_PROPERTY(QString Format READ Format WRITE SetFormat)
    Q_PROPERTY(bool NumericOnly READ NumericOnly WRITE SetNumericOnly)
    Q_PROPERTY(bool AMPMAllowFirst READ AMPMAllowFirst WRITE SetAMPMAllowFirst)
    Q_PROPERTY(bool BlankWhenZero READ BlankWhenZero WRITE SetBlankWhenZero)
    Q_PROPERTY(bool BoundsEnabled READ BoundsEnabled WRITE SetBoundsEnabled)
    Q_PROPERTY(bool IgnoreConvertError READ IgnoreConvertError WRITE SetIgnoreConvertError)
public:
    explicit TOrvTimeEdit(QWidget* parent = nullptr);

    TDateTime Time() const { return fTime; }
    /// Keeps the time of day; a value that is not a number is ignored.
    void SetTime(TDateTime value);
    TDateTime AsTime() const { return fTime; }
    void SetAsTime(TDateTime value) { SetTime(value); }
    TDateTime AsDateTime() const { return fTime; }
    void SetAsDateTime(TDateTime value) { SetTime(value); }
    Extended AsFloat() const { return fTime; }
    void SetAsFloat(Extended value) { SetTime(TDateTime(value)); }

    uint16_t Hour() const { return Parts().hour; }
    uint16_t Minute() const { return Parts().minute; }
    uint16_t Second() const { return Parts().second; }
    uint16_t Millisecond() const { return Parts().millisecond; }
    // Each rebuilds the time with MakeTime, which raises for a part out of range.
    void SetHour(uint16_t value) { SetPart(&TParts::hour, value); }
    void SetMinute(uint16_t value) { SetPart(&TParts::minute, value); }
    void SetSecond(uint16_t value) { SetPart(&TParts::second, value); }
    void SetMillisecond(uint16_t value) { SetPart(&TParts::millisecond, value); }
    // The same for writes through Qt's property system, which never raise.
    void WriteHour(uint16_t value) { WriteFromQt(*this, "Hour", [&] { SetHour(value); }); }
    void WriteMinute(uint16_t value) { WriteFromQt(*this, "Minute", [&] { SetMinute(value); }); }
    void WriteSecond(uint16_t value) { WriteFromQt(*this, "Second", [&] { SetSecond(value); }); }
    void WriteMillisecond(uint16_t value) { WriteFromQt(*this, "Millisecond", [&] { SetMillisecond(value); }); }

    TDateTime BoundLower() const { return fBoundLower; }
    void SetBoundLower(TDateTime value) { fBoundLower = value; }
    TDateTime BoundUpper() const { return fBoundUpper; }
    void SetBoundUpper(TDateTime value) { fBoundUpper = value; }

    TOrvTimeFormatType FormatType() const { return fFormatType; }
    void SetFormatType(TOrvTimeFormatType value);
    const QString& Format() const { return fFormat; }
    /// The picture shown with etfCustom.
    /// A picture whose text would not read back as itself is ignored.
    void SetFormat(const QString& value);
    /// Only digits and the time and decimal separators can be typed.
    bool NumericOnly() const { return fNumericOnly; }
    void SetNumericOnly(bool value) { fNumericOnly = value; }
    /// "3p" reads as 15:00.
    bool AMPMAllowFirst() const { return fAMPMAllowFirst; }
    void SetAMPMAllowFirst(bool value) { fAMPMAllowFirst = value; }

    /// Time := the current time of day.
    void Now();
    // Move the time and wrap it into the day.
    void AddHours(Extended count);
    void AddMinutes(Extended count);
    void AddSeconds(Extended count);
    void SubtractHours(Extended count) { AddHours(-count); }
    void SubtractMinutes(Extended count) { AddMinutes(-count); }
    void SubtractSeconds(Extended count) { AddSeconds(-count); }

signals:
    /// Time changed, by typing or by code.
    void timeChanged(double time);

protected:
    QString FormatValue() override;
    void ReadText(const QString& text) override;
    void ReadNull() override { fTime = 0; }
    bool IsValidChar(QChar key) override;
    void ValidateBounds() override;

private:
    struct TParts {
        uint16_t hour = 0, minute = 0, second = 0, millisecond = 0;
    };
    TParts Parts() const;
    void SetPart(uint16_t TParts::*part, uint16_t value);
    void Step(TDateTime moved);

    TDateTime fTime = 0;
    TDateTime fBoundLower = 0;
    TDateTime fBoundUpper = 0;
    TOrvTimeFormatType fFormatType = etfShortTime;
    QString fFormat;
    bool fNumericOnly = true;
    bool fAMPMAllowFirst = false;
};

/// The time of day a moved time stands for: its fraction, counted forward from midnight.
TDateTime WrapIntoDay(TDateTime value);

} // namespace orv
