#pragma once

#include <orvkit/core/OrvkitGlobals.h>
#include <orvkit/datetime/OrvkitDateTime.h>
#include <orvkit/edits/OrvkitDateEditBase.h>

#include <cstdint>

namespace orv {

/// A year as a plain number. A year below 100 is completed by the edit's own two-digit
/// rule when it is shown; only digits can be typed.
class TOrvYearEdit : public TOrvDateEditBase {
    Q_OBJECT
    Q_PROPERTY(uint16_t Year READ Year WRITE SetYear NOTIFY yearChanged USER true)
    Q_PROPERTY(uint16_t BoundLowerYear READ BoundLowerYear WRITE SetBoundLowerYear)
    Q_PROPERTY(uint16_t BoundUpperYear READ BoundUpperYear WRITE SetBoundUpperYear)
    Q_PROPERTY(uint16_t YearCutOff READ YearCutOff WRITE SetYearCutOff)
    Q_PROPERTY(orv::SharedEnums::TOrv2DigitYr YearDigitType READ YearDigitType WRITE SetYearDigitType)
    Q_PROPERTY(bool BlankWhenZero READ BlankWhenZero WRITE SetBlankWhenZero)
    Q_PROPERTY(bool BoundsEnabled READ BoundsEnabled WRITE SetBoundsEnabled)
public:
    explicit TOrvYearEdit(QWidget* parent = nullptr);

    uint16_t Year() const { return fYear; }
    virtual void SetYear(uint16_t value);
    uint16_t BoundLowerYear() const { return fBoundLowerYear; }
    void SetBoundLowerYear(uint16_t value) { fBoundLowerYear = value; }
    uint16_t BoundUpperYear() const { return fBoundUpperYear; }
    void SetBoundUpperYear(uint16_t value) { fBoundUpperYear = value; }
    uint16_t YearCutOff() const { return fYearCutOff; }
    void SetYearCutOff(uint16_t value);
    TOrv2DigitYr YearDigitType() const { return fYearDigitType; }
    void SetYearDigitType(TOrv2DigitYr value);

    /// Year := the current year.
    virtual void Today();
    bool IsLeapYear() const;

signals:
    /// The year edit's value signal: Year changed, by typing or by code. On a date edit
    /// the value signal is dateChanged.
    void yearChanged(int year);

protected:
    QString FormatValue() override;
    void ReadText(const QString& text) override;
    void ReadNull() override;
    bool IsValidChar(QChar key) override;
    void ValidateBounds() override;

    /// Checks Year against BoundLowerYear and BoundUpperYear.
    void ValidateYearBounds();
    /// The year field alone, for a derived edit that keeps it in step with its value.
    void StoreYear(uint16_t value) { fYear = value; }

private:
    uint16_t fYear;
    uint16_t fBoundLowerYear;
    uint16_t fBoundUpperYear;
    uint16_t fYearCutOff;
    TOrv2DigitYr fYearDigitType;
};

/// A date, read leniently (TextToDate) and shown in the short, long or a custom format.
/// Year, Month and Day follow the date.
class TOrvDateEdit : public TOrvYearEdit {
    Q_OBJECT
    Q_PROPERTY(double Date READ Date WRITE SetDate NOTIFY dateChanged USER true)
    Q_PROPERTY(double AsDateTime READ AsDateTime WRITE SetAsDateTime STORED false)
    Q_PROPERTY(quint64 AsFileTime READ AsFileTime WRITE WriteAsFileTime STORED false)
    Q_PROPERTY(uint16_t Month READ Month WRITE SetMonth STORED false)
    Q_PROPERTY(uint16_t Day READ Day WRITE SetDay STORED false)
    Q_PROPERTY(double BoundLower READ BoundLower WRITE SetBoundLower)
    Q_PROPERTY(double BoundUpper READ BoundUpper WRITE SetBoundUpper)
    Q_PROPERTY(bool BoundsYearEnable READ BoundsYearEnable WRITE SetBoundsYearEnable)
    Q_PROPERTY(orv::DateEditEnums::TOrvDateFormatType FormatType READ FormatType WRITE SetFormatType)
    Q_PROPERTY(QString Format READ Format WRITE SetFormat)
    Q_PROPERTY(bool ImplyHistoric READ ImplyHistoric WRITE SetImplyHistoric)
    Q_PROPERTY(bool BlankWhenFileTimeIsZero READ BlankWhenFileTimeIsZero WRITE SetBlankWhenFileTimeIsZero)
    Q_PROPERTY(bool IgnoreConvertError READ IgnoreConvertError WRITE SetIgnoreConvertError)
public:
    /// The date a zero file time stands for: 1601-01-01.
    static constexpr TDateTime FileTimeZeroDate = -109205;

    explicit TOrvDateEdit(QWidget* parent = nullptr);

    TDateTime Date() const { return fDate; }
    /// Keeps the whole day; a value outside 0001..9999 (or not a number) is ignored.
    void SetDate(TDateTime value);
    TDateTime AsDateTime() const { return fDate; }
    void SetAsDateTime(TDateTime value) { SetDate(value); }
    Extended AsFloat() const { return fDate; }
    void SetAsFloat(Extended value) { SetDate(TDateTime(value)); }
    /// 100-nanosecond ticks since 1601; 0 for dates up to 1601-01-01.
    uint64_t AsFileTime() const;
    void SetAsFileTime(uint64_t value);
    /// SetAsFileTime for writes through Qt's property system, which never raise.
    void WriteAsFileTime(uint64_t value) { WriteFromQt(*this, "AsFileTime", [&] { SetAsFileTime(value); }); }

    void SetYear(uint16_t value) override;
    uint16_t Month() const { return fMonth; }
    void SetMonth(uint16_t value);
    uint16_t Day() const { return fDay; }
    void SetDay(uint16_t value);

    TDateTime BoundLower() const { return fBoundLower; }
    void SetBoundLower(TDateTime value) { fBoundLower = value; }
    TDateTime BoundUpper() const { return fBoundUpper; }
    void SetBoundUpper(TDateTime value) { fBoundUpper = value; }
    /// Bounds checks go to the year instead; this and BoundsEnabled exclude each other.
    bool BoundsYearEnable() const { return ValidateYear(); }
    void SetBoundsYearEnable(bool value);
    void SetBoundsEnabled(bool value) override;

    TOrvDateFormatType FormatType() const { return fFormatType; }
    void SetFormatType(TOrvDateFormatType value);
    const QString& Format() const { return fFormat; }
    /// Takes effect for edfCustom only; a picture whose text would not read back as itself
    /// is ignored.
    void SetFormat(const QString& value);
    bool StoreFormat() const { return fFormatType == edfCustom; }
    bool ImplyHistoric() const { return fImplyHistoric; }
    void SetImplyHistoric(bool value) { fImplyHistoric = value; }
    /// Dates up to 1601-01-01 show blank; excludes BlankWhenZero.
    bool BlankWhenFileTimeIsZero() const { return fBlankWhenFileTimeIsZero; }
    void SetBlankWhenFileTimeIsZero(bool value);
    void SetBlankWhenZero(bool value) override;

    /// Date := today.
    void Today() override;
    // Calendar steps; a result outside 0001..9999 raises "Invalid Date" and changes nothing.
    void AddDays(int32_t count) { Step(orv::DateAddDays, count); }
    void AddWeeks(int32_t count) { Step(orv::DateAddWeeks, count); }
    void AddMonths(int32_t count) { Step(orv::DateAddMonths, count); }
    void AddQuarters(int32_t count) { Step(orv::DateAddQuarters, count); }
    void AddSemesters(int32_t count) { Step(orv::DateAddSemesters, count); }
    void AddYears(int32_t count) { Step(orv::DateAddYears, count); }
    void SubtractDays(int32_t count) { Step(orv::DateSubDays, count); }
    void SubtractWeeks(int32_t count) { Step(orv::DateSubWeeks, count); }
    void SubtractMonths(int32_t count) { Step(orv::DateSubMonths, count); }
    void SubtractQuarters(int32_t count) { Step(orv::DateSubQuarters, count); }
    void SubtractSemesters(int32_t count) { Step(orv::DateSubSemesters, count); }
    void SubtractYears(int32_t count) { Step(orv::DateSubYears, count); }

    /// Day of week of the date, 1 = Sunday (GetDOW) or 1 = Monday (GetISO_DOW).
    uint16_t GetDOW() const;
    uint16_t GetISO_DOW() const;
    /// The locale's names for the date; empty for a date outside the calendar.
    QString GetShortMonth() const;
    QString GetLongMonth() const;
    QString GetShortDOW() const;
    QString GetLongDOW() const;

    TOrvConvertEvent OnBeforeConvert;

signals:
    /// Date changed, by typing or by code.
    void dateChanged(double date);

protected:
    QString FormatValue() override;
    void ReadText(const QString& text) override;
    void ReadNull() override { StoreDate(0); }
    bool IsValidChar(QChar key) override;
    void ValidateBounds() override;

private:
    /// The date and its parts.
    void StoreDate(TDateTime value);
    /// Re-encodes the date from parts; an impossible day becomes the 1st.
    void SetParts(uint16_t year, uint16_t month, uint16_t day);
    void Step(TDateTime (*routine)(TDateTime, double), int32_t count);

    TDateTime fDate = 0;
    uint16_t fMonth = 0;
    uint16_t fDay = 0;
    TDateTime fBoundLower = 0;
    TDateTime fBoundUpper = 0;
    TOrvDateFormatType fFormatType = edfShortDate;
    QString fFormat;
    bool fImplyHistoric = false;
    bool fBlankWhenFileTimeIsZero = false;
};

} // namespace orv
