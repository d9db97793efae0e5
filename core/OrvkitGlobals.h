#pragma once

#include <QtCore/qobjectdefs.h>
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

// The enumerations several units share; Qt knows their names, and the inline namespace
// keeps them spelled orv::amDegrees.
inline namespace SharedEnums {
Q_NAMESPACE

enum TOrvAngleMode { amDegrees, amRadians, amGradiants };
Q_ENUM_NS(TOrvAngleMode)

enum TOrvBaseDisplay { bdBin, bdDec, bdHex, bdOct };
Q_ENUM_NS(TOrvBaseDisplay)
enum TOrvBitSize { eb8Bits, eb16Bits, eb32Bits, eb64Bits };
Q_ENUM_NS(TOrvBitSize)
enum TOrvProgSpacing { psNone, psByte, psWord, psDWord };
Q_ENUM_NS(TOrvProgSpacing)
enum TOrvProgSizeChange { pscClear, pscTruncate, pscExtend };
Q_ENUM_NS(TOrvProgSizeChange)

enum TOrv2DigitYr { edyNone, edyCutOff, edyHistoric };
Q_ENUM_NS(TOrv2DigitYr)
enum TOrvDurationType { dtWeeks, dtDays, dtHrs, dtMins, dtSecs };
Q_ENUM_NS(TOrvDurationType)

enum TOrvUIUsageType { eutColorSet, eutBlank_Null, eutNavigation, eutFormat };
Q_ENUM_NS(TOrvUIUsageType)
enum TOrvSpecialColorType { escNone, escEvent, escPopup, escAutoPopup };
Q_ENUM_NS(TOrvSpecialColorType)
enum TOrvBlankType { btAll, btDate, btCurrency };
Q_ENUM_NS(TOrvBlankType)

enum TOrvBoundsValidationtype { evtNone, evtBelowLower, evtAboveUpper };
Q_ENUM_NS(TOrvBoundsValidationtype)

enum TOrvDMSType { ddFloat, ddDMS, ddDM, ddD };
Q_ENUM_NS(TOrvDMSType)
} // namespace SharedEnums

} // namespace orv
