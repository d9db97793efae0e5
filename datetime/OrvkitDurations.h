#pragma once

#include <orvkit/core/OrvkitGlobals.h>

#include <QString>
#include <cstdint>

namespace orv {

/// Reads a duration such as "1:12 days" (with GlobalDurationSuffixes[dtDays] = "days"):
/// a unit word found in the text sets `unit`, otherwise `unit` stays; each part after a
/// GlobalDurationSeparator is in the next smaller unit. Gives the value in `unit`
/// (1.5 here). A leading minus sign applies to the whole duration.
Extended DurationTextToValue(const QString& text, TOrvDurationType& unit);

/// Writes a value counted in `leading` units as "lead:..:last" down to the `last` unit,
/// the last with `decimals` decimals (1.5 days, dtDays..dtSecs, 2 decimals:
/// "1:12:00:00.00"); with `leading` >= `last` as one number. `grouped` puts thousand
/// separators in the leading count, `trimZeros` drops trailing decimal zeros, and
/// `showUnits` appends a space and the leading unit's word.
QString DurationValueToText(TOrvDurationType leading, TOrvDurationType last, uint8_t decimals, bool showUnits,
                            bool grouped, bool trimZeros, Extended value);

} // namespace orv
