#pragma once

#include <orvkit/controls/OrvkitComboBox.h>
#include <orvkit/datetime/OrvkitTimeZones.h>
// TOrvMonthFormatType and TOrvDOWFormatType, shared with the month and day edits.
#include <orvkit/edits/OrvkitDateEditBase.h>

#include <algorithm>

namespace orv {

/// What the month and day-of-week combo boxes share: a number 1..N (0 for none) shown by
/// number, short or long name, item i holding number i + 1. Until the items are filled
/// the number is the one stored; afterwards it is read from the selection.
class TOrvNumberNameComboBox : public TOrvCustomComboBox {
    Q_OBJECT
protected:
    TOrvNumberNameComboBox(QWidget* parent, uint16_t count, uint16_t initial);

    uint16_t Number() const;
    /// A number above the count is not stored; the text is shown again either way.
    void SetNumber(uint16_t value);
    /// 0 numeric, 1 short names, 2 long names.
    int NameFormat() const { return fFormat; }
    void SetNameFormat(int value);
    /// The name of the current number; empty for none.
    QString CurrentName(bool longName) const;
    /// Refills the items when they have been filled once, else shows the text again.
    void Refresh();
    /// Shows the current number as the format asks.
    void ShowNumber();

    /// The name of number `value` (1..N).
    virtual QString NameOf(uint16_t value, bool longName) const = 0;
    /// The named items in list order.
    virtual QStringList NamedItems(bool longNames) const = 0;

    void FillItems() override;
    void SelectionTaken() override;
    void DoExit() override;

private:
    QString ShownText() const;

    uint16_t fCount;
    uint16_t fNumber;
    int fFormat = 2;
};

/// A month picked from its numbers or the locale's names.
class TOrvMonthComboBox : public TOrvNumberNameComboBox {
    Q_OBJECT
    Q_PROPERTY(int Month READ Month WRITE SetMonthValue NOTIFY monthChanged USER true)
    Q_PROPERTY(orv::TOrvMonthFormatType MonthFormat READ MonthFormat WRITE SetMonthFormat)
    Q_PROPERTY(QString MonthShort READ MonthShort WRITE SetMonthShort STORED false)
    Q_PROPERTY(QString MonthLong READ MonthLong WRITE SetMonthLong STORED false)
public:
    explicit TOrvMonthComboBox(QWidget* parent = nullptr);

    /// 1..12, 0 for none; a value above 12 is not stored.
    uint16_t Month() const { return Number(); }
    void SetMonth(uint16_t value) { SetNumber(value); }
    TOrvMonthFormatType MonthFormat() const { return TOrvMonthFormatType(NameFormat()); }
    void SetMonthFormat(TOrvMonthFormatType value) { SetNameFormat(value); }
    QString MonthShort() const { return CurrentName(false); }
    QString MonthLong() const { return CurrentName(true); }
    /// The month whose name begins with the text; 0 for a name that matches none.
    void SetMonthShort(const QString& value);
    void SetMonthLong(const QString& value) { SetMonthShort(value); }
    /// Month := the current month.
    void Today();

signals:
    void monthChanged(int month);

protected:
    QString NameOf(uint16_t value, bool longName) const override;
    QStringList NamedItems(bool longNames) const override;

private:
    void SetMonthValue(int value) { SetMonth(uint16_t(std::clamp(value, 0, 0xFFFF))); }
};

/// A day of the week picked from its numbers or the locale's names; 1 = Sunday ... 7 =
/// Saturday, or with ISO8601 1 = Monday ... 7 = Sunday and the named lists Monday first.
class TOrvDOWComboBox : public TOrvNumberNameComboBox {
    Q_OBJECT
    Q_PROPERTY(int DOW READ DOW WRITE SetDOWValue NOTIFY dowChanged USER true)
    Q_PROPERTY(bool ISO8601 READ ISO8601 WRITE SetISO8601)
    Q_PROPERTY(orv::TOrvDOWFormatType DOWFormat READ DOWFormat WRITE SetDOWFormat)
    Q_PROPERTY(QString DOWShort READ DOWShort WRITE SetDOWShort STORED false)
    Q_PROPERTY(QString DOWLong READ DOWLong WRITE SetDOWLong STORED false)
public:
    explicit TOrvDOWComboBox(QWidget* parent = nullptr);

    uint16_t DOW() const { return Number(); }
    void SetDOW(uint16_t value) { SetNumber(value); }
    /// Keeps the number DOW, read in the other numbering from now on.
    bool ISO8601() const { return fISO8601; }
    void SetISO8601(bool value);
    TOrvDOWFormatType DOWFormat() const { return TOrvDOWFormatType(NameFormat()); }
    void SetDOWFormat(TOrvDOWFormatType value) { SetNameFormat(value); }
    QString DOWShort() const { return CurrentName(false); }
    QString DOWLong() const { return CurrentName(true); }
    /// The day whose name begins with the text. A name that matches none sets 0, or with
    /// ISO8601 leaves DOW as it is.
    void SetDOWShort(const QString& value);
    void SetDOWLong(const QString& value) { SetDOWShort(value); }
    /// DOW := today's day of the week.
    void Today();

signals:
    void dowChanged(int dow);

protected:
    QString NameOf(uint16_t value, bool longName) const override;
    QStringList NamedItems(bool longNames) const override;

private:
    void SetDOWValue(int value) { SetDOW(uint16_t(std::clamp(value, 0, 0xFFFF))); }

    bool fISO8601 = false;
};

/// A time zone of the system's database, listed by display name from west to east.
/// The value is the current zone (-1 for none); a database that is missing or damaged
/// lists what can be read.
class TOrvTZComboBox : public TOrvCustomComboBox {
    Q_OBJECT
    Q_PROPERTY(QString GMTStr READ GMTStr WRITE SetGMTStr)
    Q_PROPERTY(bool UseLocal READ UseLocal WRITE SetUseLocal)
    Q_PROPERTY(QString DisplayName READ DisplayName WRITE SetDisplayName)
    Q_PROPERTY(QString KeyName READ KeyName WRITE SetKeyName NOTIFY timeZoneChanged USER true)
    Q_PROPERTY(QString StandardName READ StandardName WRITE SetStandardName STORED false)
    Q_PROPERTY(QString DaylightName READ DaylightName WRITE SetDaylightName STORED false)
    Q_PROPERTY(int BIAS READ BIAS STORED false)
    Q_PROPERTY(int StandardBIAS READ StandardBIAS STORED false)
    Q_PROPERTY(int DaylightBIAS READ DaylightBIAS STORED false)
    Q_PROPERTY(QString StandardDate READ StandardDate STORED false)
    Q_PROPERTY(QString DaylightDate READ DaylightDate STORED false)
    Q_PROPERTY(bool UseDaylightTime READ UseDaylightTime STORED false)
public:
    explicit TOrvTZComboBox(QWidget* parent = nullptr);

    /// Replaces "GMT" in the display names when it differs from "GMT"; the names of
    /// this system's database write "UTC", which it then replaces instead.
    const QString& GMTStr() const { return fGMTStr; }
    void SetGMTStr(const QString& value);
    /// Selects the system's zone when turned on.
    bool UseLocal() const { return fUseLocal; }
    void SetUseLocal(bool value);
    /// Whether DisplayName belongs in a stored layout.
    bool DisplayNameStored() const { return ValueStored() && !fUseLocal; }

    // The current zone's fields; empty text, 0 or false without one. Setting a name
    // selects the first zone of that name, letter case ignored (none when nothing matches).
    QString DisplayName() const;
    void SetDisplayName(const QString& value);
    QString KeyName() const;
    void SetKeyName(const QString& value);
    QString StandardName() const;
    void SetStandardName(const QString& value);
    QString DaylightName() const;
    void SetDaylightName(const QString& value);
    int32_t BIAS() const;
    int32_t StandardBIAS() const;
    int32_t DaylightBIAS() const;
    /// The transition rules in words; "N/A" for a zone without daylight time.
    QString StandardDate() const;
    QString DaylightDate() const;
    bool UseDaylightTime() const;

    /// A copy of the current zone; an empty record without one.
    TOrvTimeZoneInfo AsTimeZoneInfo() const;
    SYSTEMTIME StandardSystemTime() const;
    SYSTEMTIME DaylightSystemTime() const;

    /// The index of the current zone in Zones(), -1 for none.
    int CurrentZone() const { return fCurrent; }
    const TOrvTimeZoneArray& Zones() const { return fZones; }
    /// Where the zones are read from (the system's database by default); reads them again.
    const QString& ZoneInfoDir() const { return fZoneInfoDir; }
    void SetZoneInfoDir(const QString& value);

signals:
    void timeZoneChanged(const QString& keyName);

protected:
    void FillItems() override;
    void SelectionTaken() override;

private:
    const TOrvTimeZoneInfo* Current() const;
    void ReadZones();
    void SetCurrent(int32_t index);
    void ShowZone();

    TOrvTimeZoneArray fZones;
    QString fZoneInfoDir;
    QString fGMTStr;
    int32_t fCurrent = -1;
    bool fUseLocal = false;
};

} // namespace orv
