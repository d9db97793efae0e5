#pragma once

#include <orvkit/core/OrvkitGlobals.h>

#include <QString>
#include <cstdint>

namespace orv {

// The angle unit texts, of any length; initially the degree sign, the apostrophe and
// the double quote from the unit's string table. Change them through TOrvScopedValue.
extern QString DegreesSuffix;
extern QString MinutesSuffix;
extern QString SecondsSuffix;

/// Sets the three unit texts again from the string table, e.g. after a translator has
/// been installed.
void LoadAngleUnitTexts();

/// An angle in degrees as text of the given form; the decimals apply to the last part
/// only (seconds, minutes, or the whole angle). Empty under GlobalBlankWhenZero for an
/// angle that counts as zero; otherwise zero parts are written. A part that rounds to 60
/// is carried into the one before it. An angle between -1 and 0 keeps its sign as "-0"
/// degrees, unless its text shows nothing but zeros. GlobalShowPosSign puts "+" on the
/// leading number only.
QString DegreesToDMSText(TOrvDMSType form, uint8_t decimals, bool trimZeroes, bool leadingZeroes,
                         bool spaceUnits, Extended degrees);

/// Reads degrees, minutes and seconds: 10 30 15, 10:30:15, 10/30/15, 10d 30m 15s and
/// 10° 30' 15" all give 10.504166...; 30' alone gives 0.5, -10° 30' gives -10.5, and a
/// "-0" degrees number makes the minutes and seconds negative. The unit texts and the
/// degree sign, apostrophe and double quote are recognised. Numbers go through
/// TextToExtended, so unreadable ones give 0 unless GlobalRaiseFloatErrors.
Extended DMSTextToDegrees(const QString& text);

} // namespace orv
