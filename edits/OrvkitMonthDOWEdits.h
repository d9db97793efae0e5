#pragma once

#include <orvkit/edits/OrvkitDateEditBase.h>

#include <cstdint>

namespace orv {

/// A number 1..Count with the locale's short and long names, shown as the number or a
/// name; typed text is a number (clamped to Count) or the start of a name. 0 stands for
/// no number and has no names.
class TOrvNamedNumberEdit : public TOrvDateEditBase {
    Q_OBJECT
    Q_PROPERTY(bool BlankWhenZero READ BlankWhenZero WRITE SetBlankWhenZero)
    Q_PROPERTY(bool BoundsEnabled READ BoundsEnabled WRITE SetBoundsEnabled)
    Q_PROPERTY(uint16_t BoundLower READ BoundLower WRITE SetBoundLower)
    Q_PROPERTY(uint16_t BoundUpper READ BoundUpper WRITE SetBoundUpper)
public:
    TOrvNamedNumberEdit(uint16_t count, QWidget* parent);

    uint16_t BoundLower() const { return fBoundLower; }
    void SetBoundLower(uint16_t value) { fBoundLower = value; }
    uint16_t BoundUpper() const { return fBoundUpper; }
    void SetBoundUpper(uint16_t value) { fBoundUpper = value; }

protected:
    /// 0 numeric, 1 short name, 2 long name.
    enum TShown { esNumber, esShortName, esLongName };

    uint16_t Number() const { return fNumber; }
    /// Ignored above Count.
    void SetNumber(uint16_t value);
    /// Looks the name up as typed text is looked up.
    void SetNumberByName(const QString& name) { SetNumber(NumberOfName(name)); }
    const QString& ShortName() const { return fShortName; }
    const QString& LongName() const { return fLongName; }
    void SetShown(TShown value);
    /// Reads the text again, as when it was typed, and shows the result.
    void Reconvert();

    /// The number a name stands for, 0 for none.
    virtual uint16_t NumberOfName(const QString& text) const = 0;
    /// The locale's names of a number 1..Count.
    virtual QString ShortNameOf(uint16_t number) const = 0;
    virtual QString LongNameOf(uint16_t number) const = 0;

    QString FormatValue() override;
    void ReadText(const QString& text) override;
    void ReadNull() override { StoreNumber(0); }
    void ValidateBounds() override;

private:
    void StoreNumber(uint16_t value);

    uint16_t fCount;
    uint16_t fNumber = 0;
    uint16_t fBoundLower = 0;
    uint16_t fBoundUpper = 0;
    TShown fShown = esNumber;
    QString fShortName;
    QString fLongName;
};

/// A month 1..12.
class TOrvMonthEdit : public TOrvNamedNumberEdit {
    Q_OBJECT
    Q_PROPERTY(uint16_t Month READ Month WRITE SetMonth NOTIFY monthChanged USER true)
    Q_PROPERTY(QString MonthShort READ MonthShort WRITE SetMonthShort STORED false)
    Q_PROPERTY(QString MonthLong READ MonthLong WRITE SetMonthLong STORED false)
    Q_PROPERTY(orv::DateEditEnums::TOrvMonthFormatType MonthFormat READ MonthFormat WRITE SetMonthFormat)
public:
    explicit TOrvMonthEdit(QWidget* parent = nullptr);

    uint16_t Month() const { return Number(); }
    void SetMonth(uint16_t value) { SetNumber(value); }
    QString MonthShort() const { return ShortName(); }
    void SetMonthShort(const QString& value) { SetNumberByName(value); }
    QString MonthLong() const { return LongName(); }
    void SetMonthLong(const QString& value) { SetNumberByName(value); }
    TOrvMonthFormatType MonthFormat() const { return fMonthFormat; }
    void SetMonthFormat(TOrvMonthFormatType value);

    /// Month := the current month.
    void Today();

signals:
    /// Month changed, by typing or by code.
    void monthChanged(int month);

protected:
    uint16_t NumberOfName(const QString& text) const override;
    QString ShortNameOf(uint16_t number) const override;
    QString LongNameOf(uint16_t number) const override;

private:
    TOrvMonthFormatType fMonthFormat = emfNumeric;
};

/// A day of the week 1..7: 1 = Sunday, or with ISO8601 1 = Monday.
class TOrvDOWEdit : public TOrvNamedNumberEdit {
    Q_OBJECT
    Q_PROPERTY(uint8_t DOW READ DOW WRITE SetDOW NOTIFY dowChanged USER true)
    Q_PROPERTY(bool ISO8601 READ ISO8601 WRITE SetISO8601)
    Q_PROPERTY(QString DOWShort READ DOWShort WRITE SetDOWShort STORED false)
    Q_PROPERTY(QString DOWLong READ DOWLong WRITE SetDOWLong STORED false)
    Q_PROPERTY(orv::DateEditEnums::TOrvDOWFormatType DOWFormat READ DOWFormat WRITE SetDOWFormat)
public:
    explicit TOrvDOWEdit(QWidget* parent = nullptr);

    uint8_t DOW() const { return uint8_t(Number()); }
    void SetDOW(uint8_t value) { SetNumber(value); }
    /// Switching reads the current text again in the new numbering.
    bool ISO8601() const { return fISO8601; }
    void SetISO8601(bool value);
    QString DOWShort() const { return ShortName(); }
    void SetDOWShort(const QString& value) { SetNumberByName(value); }
    QString DOWLong() const { return LongName(); }
    void SetDOWLong(const QString& value) { SetNumberByName(value); }
    TOrvDOWFormatType DOWFormat() const { return fDOWFormat; }
    void SetDOWFormat(TOrvDOWFormatType value);

    /// DOW := today's day of the week in the edit's numbering.
    void Today();

signals:
    /// DOW changed, by typing or by code.
    void dowChanged(int dow);

protected:
    uint16_t NumberOfName(const QString& text) const override;
    QString ShortNameOf(uint16_t number) const override;
    QString LongNameOf(uint16_t number) const override;

private:
    /// The host number (1 = Sunday) of a number of the edit.
    uint16_t HostDay(uint16_t number) const;

    bool fISO8601 = false;
    TOrvDOWFormatType fDOWFormat = edfNumeric;
};

} // namespace orv
