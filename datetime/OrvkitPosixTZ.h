#pragma once

#include <QString>
#include <cstdint>

namespace orv {

/// One transition date of a POSIX TZ rule.
struct TOrvPosixDate {
    enum TKind { pdMonthWeekDay, pdJulianNoLeap, pdJulianZero };
    TKind fKind = pdMonthWeekDay;
    int32_t fMonth = 0;   ///< Mm.w.d: 1..12
    int32_t fWeek = 0;    ///< Mm.w.d: 1..5, 5 is the last
    int32_t fWeekDay = 0; ///< Mm.w.d: 0 = Sunday .. 6
    int32_t fDayOfYear = 0; ///< Jn: 1..365 (29 February never counts); n: 0..365
    int32_t fTime = 7200; ///< seconds after local midnight, -167..167 hours
};

/// A POSIX TZ rule such as "AEST-10AEDT,M10.1.0,M4.1.0/3". Offsets are seconds WEST of
/// UTC, as the rule writes them.
struct TOrvPosixTZ {
    QString fStdName;
    int32_t fStdOffset = 0;
    bool fHasDst = false;
    QString fDstName;
    int32_t fDstOffset = 0;
    TOrvPosixDate fDstStart; ///< change to daylight time, in local standard time
    TOrvPosixDate fDstEnd;   ///< change back, in local daylight time
};

/// Parses std offset [dst [offset] [,start[/time],end[/time]]]; names are letters or
/// "<...>" quoted. A daylight name without dates takes the US rule M3.2.0,M11.1.0.
/// False (and `rule` reset) for any text that is not such a rule.
bool ParsePosixTZ(const QString& text, TOrvPosixTZ& rule);

} // namespace orv
