#pragma once

#include <cstdint>

namespace orv {

inline constexpr const char* OrvkitVersion = "6.15.1";

/// 80-bit extended precision on x86-64.
using Extended = long double;
/// Days since 1899-12-30; the fraction is the time of day.
using TDateTime = double;
/// 0x00BBGGRR for a plain colour, 0xFF0000nn for system colour nn.
using TColor = int32_t;

// Process-wide switches read by the formatting routines at every call. Change them
// only through TOrvScopedValue (OrvkitGuards.h) so that every path restores them.
extern bool GlobalShowPosSign;      ///< strictly positive values get a leading "+"
extern bool GlobalBlankWhenZero;    ///< zero formats as empty text
extern bool GlobalRaiseFloatErrors; ///< TextToExtended raises on unreadable text
extern bool GlobalCheckIPErrors;    ///< IPTextToUInt32 raises on a component above 255
extern bool GlobalCheckRectangular; ///< matrix routines check that rows have equal lengths

enum TOrvAngleMode { amDegrees, amRadians, amGradiants };

enum TOrvBaseDisplay { bdBin, bdDec, bdHex, bdOct };
enum TOrvBitSize { eb8Bits, eb16Bits, eb32Bits, eb64Bits };
enum TOrvProgSpacing { psNone, psByte, psWord, psDWord };
enum TOrvProgSizeChange { pscClear, pscTruncate, pscExtend };

enum TOrv2DigitYr { edyNone, edyCutOff, edyHistoric };
enum TOrvDurationType { dtWeeks, dtDays, dtHrs, dtMins, dtSecs };

enum TOrvUIUsageType { eutColorSet, eutBlank_Null, eutNavigation, eutFormat };
enum TOrvSpecialColorType { escNone, escEvent, escPopup, escAutoPopup };
enum TOrvBlankType { btAll, btDate, btCurrency };

enum TOrvBoundsValidationtype { evtNone, evtBelowLower, evtAboveUpper };

enum TOrvDMSType { ddFloat, ddDMS, ddDM, ddD };

} // namespace orv
