#include <orvkit/edits/OrvkitDurationEdit.h>

#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/datetime/OrvkitDateTime.h>
#include <orvkit/datetime/OrvkitDurations.h>

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace orv {

namespace {

// Indexed by TOrvDurationType.
constexpr const char* kSuffixes[5] = {
    QT_TRANSLATE_NOOP("OrvkitDurationEdit", "weeks"), QT_TRANSLATE_NOOP("OrvkitDurationEdit", "days"),
    QT_TRANSLATE_NOOP("OrvkitDurationEdit", "hours"), QT_TRANSLATE_NOOP("OrvkitDurationEdit", "mins"),
    QT_TRANSLATE_NOOP("OrvkitDurationEdit", "secs")};

// Days in one of each unit.
constexpr double kDaysPer[5] = {7, 1, 1.0 / 24, 1.0 / 1440, 1.0 / 86400};

bool ValidUnit(TOrvDurationType unit)
{
    return unit >= dtWeeks && unit <= dtSecs;
}

} // namespace

QString RegroupThousands(const QString& text, QChar thousands, QChar decimal)
{
    QString plain = text;
    plain.remove(thousands);
    qsizetype end = plain.indexOf(decimal);
    if (end < 0)
        end = plain.size();
    QString grouped = plain.mid(end);
    int run = 0;
    for (qsizetype i = end - 1; i >= 0; --i) {
        const QChar c = plain[i];
        if (!IsAsciiDigit(c)) {
            run = 0;
        } else if (++run == 4) {
            grouped.prepend(thousands);
            run = 1;
        }
        grouped.prepend(c);
    }
    return grouped;
}

/// The edit's unit words, separator and number separators in the process-wide settings for
/// one conversion.
class TOrvDurationEdit::TFormatScope {
public:
    explicit TFormatScope(const TOrvDurationEdit& edit)
        : fSuffixes(GlobalDurationSuffixes, edit.fSuffixes),
          fSeparator(GlobalDurationSeparator, edit.fDurationSeparator),
          fSeparators(edit.fCustomSeparators, edit.fCustomThousands, edit.fCustomDecimal)
    {
    }

private:
    TOrvScopedValue<std::array<QString, 5>> fSuffixes;
    TOrvScopedValue<QChar> fSeparator;
    TOrvSeparatorScope fSeparators;
};

TOrvDurationEdit::TOrvDurationEdit(QWidget* parent)
    : TOrvDateEditBase(parent),
      fCustomThousands(FormatSettings.ThousandSeparator),
      fCustomDecimal(FormatSettings.DecimalSeparator)
{
    for (size_t u = 0; u < fSuffixes.size(); ++u)
        fSuffixes[u] = QCoreApplication::translate("OrvkitDurationEdit", kSuffixes[u]);
    DoDisplay();
}

double TOrvDurationEdit::InUnit(double days, TOrvDurationType unit)
{
    return ValidUnit(unit) ? days / kDaysPer[unit] : days;
}

double TOrvDurationEdit::ToDays(double value, TOrvDurationType unit)
{
    return ValidUnit(unit) ? value * kDaysPer[unit] : value;
}

void TOrvDurationEdit::SetAsDays(double value)
{
    if (!std::isfinite(value) || (value == fDays && !Null()))
        return;
    fDays = value;
    ValueStored();
}

void TOrvDurationEdit::SetDurationType(TOrvDurationType value)
{
    if (ValidUnit(value))
        Update(fDurationType, value);
}

void TOrvDurationEdit::SetLastDurationType(TOrvDurationType value)
{
    if (ValidUnit(value))
        Update(fLastDurationType, value);
}

void TOrvDurationEdit::SetSuffix(TOrvDurationType unit, const QString& value)
{
    // The typed unit decides how a number is stored, so a word must name one unit only and
    // hold nothing a number is made of.
    const QString word = value.trimmed();
    if (word.isEmpty() || std::any_of(word.begin(), word.end(), [](QChar c) { return c.isDigit() || c.isPunct(); }))
        return;
    for (size_t other = 0; other < fSuffixes.size(); ++other)
        if (other != size_t(unit) && fSuffixes[other].trimmed().compare(word, Qt::CaseInsensitive) == 0)
            return;
    Update(fSuffixes[unit], value);
}

QString TOrvDurationEdit::FormatValue()
{
    const double value = AsDuration();
    if (BlanksZero() && value == 0)
        return QString();
    const TFormatScope scope(*this);
    const TOrvDurationType last = fShowDurationSeparators ? fLastDurationType : fDurationType;
    return DurationValueToText(fDurationType, last, fDecimalPlaces, fShowUnits, fThousandSeparators != essNone,
                               fTrimTrailingZeroes, value);
}

void TOrvDurationEdit::ReadText(const QString& text)
{
    if (text.isEmpty() && BlanksZero()) {
        fDays = 0;
        return;
    }
    const TFormatScope scope(*this);
    TOrvDurationType unit = fDurationType;
    const Extended value = DurationTextToValue(text, unit);
    const double days = ToDays(double(value), unit);
    fDays = std::isfinite(days) ? days : 0;
}

void TOrvDurationEdit::KeyDown(uint16_t& key, TShiftState shift)
{
    fKeyDownText = text();
    TOrvDateEditBase::KeyDown(key, shift);
}

void TOrvDurationEdit::KeyUp(uint16_t& key, TShiftState shift)
{
    TOrvDateEditBase::KeyUp(key, shift);
    if (fThousandSeparators != essAuto || Null() || text() == fKeyDownText)
        return;
    const QChar thousands = fCustomSeparators ? fCustomThousands : FormatSettings.ThousandSeparator;
    const QChar decimal = fCustomSeparators ? fCustomDecimal : FormatSettings.DecimalSeparator;
    const QString current = text();
    const QString grouped = RegroupThousands(current, thousands, decimal);
    if (grouped == current)
        return;
    const qsizetype fromEnd = current.size() - cursorPosition();
    SetNativeText(grouped);
    setCursorPosition(int(std::max<qsizetype>(0, grouped.size() - fromEnd)));
}

} // namespace orv
