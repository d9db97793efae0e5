#include <orvkit/datetime/OrvkitDurations.h>

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/datetime/OrvkitDateTime.h>

#include <array>
#include <cmath>

namespace orv {

namespace {

// How many of each unit make one of the unit before it (weeks have none before them).
constexpr std::array<int, 5> kStep = {1, 7, 24, 60, 60};

bool ValidUnit(TOrvDurationType unit)
{
    return unit >= dtWeeks && unit <= dtSecs;
}

QString FormatNumber(Extended value, uint8_t decimals, bool grouped, bool trimZeros)
{
    if (grouped)
        return trimZeros ? FloatToTrimmedGroupedText(value, decimals, false) : FloatToGroupedText(value, decimals, false);
    return trimZeros ? FloatToTrimmedText(value, decimals) : FloatToFixedText(value, decimals);
}

QString TwoDigits(Extended value)
{
    return QStringLiteral("%1").arg(static_cast<int>(value), 2, 10, QLatin1Char('0'));
}

QString UnitsText(TOrvDurationType leading, TOrvDurationType last, uint8_t decimals, bool grouped, bool trimZeros,
                  Extended magnitude)
{
    std::array<Extended, 5> parts{};
    Extended lead = std::trunc(magnitude);
    Extended rest = magnitude - lead;
    for (int u = leading + 1; u <= last; ++u) {
        rest *= kStep[size_t(u)];
        if (u < last) {
            parts[size_t(u)] = std::trunc(rest);
            rest -= parts[size_t(u)];
        } else {
            parts[size_t(u)] = rest;
        }
    }
    const Extended scale = std::pow(10.0L, std::min<int>(decimals, 18));
    parts[size_t(last)] = std::round(parts[size_t(last)] * scale) / scale;
    for (int u = last; u > leading; --u) {
        if (parts[size_t(u)] >= kStep[size_t(u)]) {
            parts[size_t(u)] -= kStep[size_t(u)];
            (u - 1 == leading ? lead : parts[size_t(u - 1)]) += 1;
        }
    }
    const QChar sep = GlobalDurationSeparator;
    QString text = FormatNumber(lead, 0, grouped, false) + sep;
    for (int u = leading + 1; u < last; ++u)
        text += TwoDigits(parts[size_t(u)]) + sep;
    const Extended lastPart = parts[size_t(last)];
    if (lastPart < 10)
        text += u'0';
    return text + FormatNumber(lastPart, decimals, false, trimZeros);
}

} // namespace

Extended DurationTextToValue(const QString& text, TOrvDurationType& unit)
{
    QString rest = text.trimmed().toLower();
    for (const TOrvDurationType candidate : {dtDays, dtWeeks, dtHrs, dtMins, dtSecs}) {
        const QString word = GlobalDurationSuffixes[size_t(candidate)].toLower();
        const qsizetype at = word.isEmpty() ? -1 : rest.indexOf(word);
        if (at >= 0) {
            unit = candidate;
            rest = rest.left(at).trimmed();
            break;
        }
    }
    const QChar sep = GlobalDurationSeparator;
    qsizetype end = sep.isNull() ? -1 : rest.indexOf(sep);
    const QString first = rest.left(end < 0 ? rest.size() : end).trimmed();
    const bool negative = first.startsWith(u'-');
    Extended value = TextToExtended(first);
    int current = ValidUnit(unit) ? int(unit) : int(dtSecs);
    Extended divisor = 1;
    while (end >= 0) {
        const qsizetype start = end + 1;
        if (current < dtSecs) {
            divisor *= kStep[size_t(++current)];
            end = rest.indexOf(sep, start);
        } else {
            divisor *= 60; // past seconds the rest is read as one more sixtieth
            end = -1;
        }
        const Extended part = TextToExtended(rest.mid(start, end < 0 ? -1 : end - start).trimmed()) / divisor;
        value += negative ? -part : part;
    }
    return value;
}

QString DurationValueToText(TOrvDurationType leading, TOrvDurationType last, uint8_t decimals, bool showUnits,
                            bool grouped, bool trimZeros, Extended value)
{
    const TOrvScopedValue blank(GlobalBlankWhenZero, false);
    QString text;
    if (leading >= last || !ValidUnit(leading) || !ValidUnit(last) || !std::isfinite(value))
        text = FormatNumber(value, decimals, grouped, trimZeros);
    else if (value < 0)
        text = u'-' + UnitsText(leading, last, decimals, grouped, trimZeros, -value);
    else
        text = UnitsText(leading, last, decimals, grouped, trimZeros, value);
    if (showUnits && ValidUnit(leading))
        text += u' ' + GlobalDurationSuffixes[size_t(leading)];
    return text;
}

} // namespace orv
