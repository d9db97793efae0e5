#pragma once

#include <orvkit/core/OrvkitGlobals.h>
#include <orvkit/edits/OrvkitDateEditBase.h>

#include <QChar>
#include <array>
#include <cstdint>

namespace orv {

/// The text with its thousands separators put in again: removed, then one before every
/// fourth digit of each run of digits, counting leftwards from the decimal separator (or
/// the end of the text).
QString RegroupThousands(const QString& text, QChar thousands, QChar decimal);

/// A duration held in days and shown in DurationType units, as one number or as
/// "lead:..:last" parts, with the edit's own unit words and separators.
class TOrvDurationEdit : public TOrvDateEditBase {
    Q_OBJECT
    Q_PROPERTY(double AsDays READ AsDays WRITE SetAsDays NOTIFY durationChanged USER true)
    Q_PROPERTY(double AsWeeks READ AsWeeks WRITE SetAsWeeks STORED false)
    Q_PROPERTY(double AsHrs READ AsHrs WRITE SetAsHrs STORED false)
    Q_PROPERTY(double AsMins READ AsMins WRITE SetAsMins STORED false)
    Q_PROPERTY(double AsSecs READ AsSecs WRITE SetAsSecs STORED false)
    Q_PROPERTY(double AsDuration READ AsDuration WRITE SetAsDuration STORED false)
    Q_PROPERTY(orv::SharedEnums::TOrvDurationType DurationType READ DurationType WRITE SetDurationType)
    Q_PROPERTY(orv::SharedEnums::TOrvDurationType LastDurationType READ LastDurationType WRITE SetLastDurationType)
    Q_PROPERTY(uint8_t DecimalPlaces READ DecimalPlaces WRITE SetDecimalPlaces)
    Q_PROPERTY(bool ShowUnits READ ShowUnits WRITE SetShowUnits)
    Q_PROPERTY(bool ShowDurationSeparators READ ShowDurationSeparators WRITE SetShowDurationSeparators)
    Q_PROPERTY(QChar DurationSeparator READ DurationSeparator WRITE SetDurationSeparator)
    Q_PROPERTY(bool TrimTrailingZeroes READ TrimTrailingZeroes WRITE SetTrimTrailingZeroes)
    Q_PROPERTY(orv::NumEditEnums::TOrvSeparatorStyle ThousandSeparators READ ThousandSeparators WRITE SetThousandSeparators)
    Q_PROPERTY(bool CustomSeparators READ CustomSeparators WRITE SetCustomSeparators)
    Q_PROPERTY(QChar CustomThousands READ CustomThousands WRITE SetCustomThousands)
    Q_PROPERTY(QChar CustomDecimal READ CustomDecimal WRITE SetCustomDecimal)
    Q_PROPERTY(QString SuffixDays READ SuffixDays WRITE SetSuffixDays)
    Q_PROPERTY(QString SuffixWeeks READ SuffixWeeks WRITE SetSuffixWeeks)
    Q_PROPERTY(QString SuffixHrs READ SuffixHrs WRITE SetSuffixHrs)
    Q_PROPERTY(QString SuffixMins READ SuffixMins WRITE SetSuffixMins)
    Q_PROPERTY(QString SuffixSecs READ SuffixSecs WRITE SetSuffixSecs)
    Q_PROPERTY(bool BlankWhenZero READ BlankWhenZero WRITE SetBlankWhenZero)
public:
    explicit TOrvDurationEdit(QWidget* parent = nullptr);

    double AsDays() const { return fDays; }
    /// A value that is not a finite number is ignored.
    void SetAsDays(double value);
    double AsWeeks() const { return fDays / 7; }
    void SetAsWeeks(double value) { SetAsDays(value * 7); }
    double AsHrs() const { return fDays * 24; }
    void SetAsHrs(double value) { SetAsDays(value / 24); }
    double AsMins() const { return fDays * 1440; }
    void SetAsMins(double value) { SetAsDays(value / 1440); }
    double AsSecs() const { return fDays * 86400; }
    void SetAsSecs(double value) { SetAsDays(value / 86400); }
    /// The value in DurationType units.
    double AsDuration() const { return InUnit(fDays, fDurationType); }
    void SetAsDuration(double value) { SetAsDays(ToDays(value, fDurationType)); }

    TOrvDurationType DurationType() const { return fDurationType; }
    /// Keeps the value in days.
    void SetDurationType(TOrvDurationType value);
    TOrvDurationType LastDurationType() const { return fLastDurationType; }
    void SetLastDurationType(TOrvDurationType value);
    uint8_t DecimalPlaces() const { return fDecimalPlaces; }
    void SetDecimalPlaces(uint8_t value) { Update(fDecimalPlaces, value); }
    bool ShowUnits() const { return fShowUnits; }
    void SetShowUnits(bool value) { Update(fShowUnits, value); }
    bool ShowDurationSeparators() const { return fShowDurationSeparators; }
    void SetShowDurationSeparators(bool value) { Update(fShowDurationSeparators, value); }
    QChar DurationSeparator() const { return fDurationSeparator; }
    void SetDurationSeparator(QChar value) { Update(fDurationSeparator, value); }
    bool TrimTrailingZeroes() const { return fTrimTrailingZeroes; }
    void SetTrimTrailingZeroes(bool value) { Update(fTrimTrailingZeroes, value); }
    /// Anything but essNone groups the leading count; essAuto regroups while typing.
    TOrvSeparatorStyle ThousandSeparators() const { return fThousandSeparators; }
    void SetThousandSeparators(TOrvSeparatorStyle value) { Update(fThousandSeparators, value); }
    bool CustomSeparators() const { return fCustomSeparators; }
    void SetCustomSeparators(bool value) { Update(fCustomSeparators, value); }
    QChar CustomThousands() const { return fCustomThousands; }
    /// Whether CustomThousands belongs in a stored layout: only with CustomSeparators. (Qt 6
    /// properties cannot make STORED depend on a value, so this is the test to ask.)
    bool StoreCustomThousands() const { return fCustomSeparators; }
    /// As AssignSeparator sets them: never a character the text could not be read with,
    /// and the other separator's character swaps the two.
    void SetCustomThousands(QChar value)
    {
        if (AssignSeparator(fCustomThousands, fCustomDecimal, value))
            DoDisplay();
    }
    QChar CustomDecimal() const { return fCustomDecimal; }
    void SetCustomDecimal(QChar value)
    {
        if (AssignSeparator(fCustomDecimal, fCustomThousands, value))
            DoDisplay();
    }

    const QString& SuffixWeeks() const { return fSuffixes[dtWeeks]; }
    void SetSuffixWeeks(const QString& value) { SetSuffix(dtWeeks, value); }
    const QString& SuffixDays() const { return fSuffixes[dtDays]; }
    void SetSuffixDays(const QString& value) { SetSuffix(dtDays, value); }
    const QString& SuffixHrs() const { return fSuffixes[dtHrs]; }
    void SetSuffixHrs(const QString& value) { SetSuffix(dtHrs, value); }
    const QString& SuffixMins() const { return fSuffixes[dtMins]; }
    void SetSuffixMins(const QString& value) { SetSuffix(dtMins, value); }
    const QString& SuffixSecs() const { return fSuffixes[dtSecs]; }
    void SetSuffixSecs(const QString& value) { SetSuffix(dtSecs, value); }

    static double InUnit(double days, TOrvDurationType unit);
    static double ToDays(double value, TOrvDurationType unit);

signals:
    /// AsDays changed, by typing or by code.
    void durationChanged(double days);

protected:
    QString FormatValue() override;
    void ReadText(const QString& text) override;
    void ReadNull() override { fDays = 0; }
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;

private:
    class TFormatScope;
    void SetSuffix(TOrvDurationType unit, const QString& value);
    /// Stores the value of a setter and redisplays when it changed.
    template <typename T>
    void Update(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        DoDisplay();
    }

    double fDays = 0;
    TOrvDurationType fDurationType = dtDays;
    TOrvDurationType fLastDurationType = dtSecs;
    uint8_t fDecimalPlaces = 2;
    bool fShowUnits = true;
    bool fShowDurationSeparators = false;
    QChar fDurationSeparator = u':';
    bool fTrimTrailingZeroes = false;
    TOrvSeparatorStyle fThousandSeparators = essNone;
    bool fCustomSeparators = false;
    QChar fCustomThousands;
    QChar fCustomDecimal;
    std::array<QString, 5> fSuffixes;
    QString fKeyDownText;
};

} // namespace orv
