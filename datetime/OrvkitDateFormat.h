#pragma once

#include <orvkit/core/OrvkitGlobals.h>

#include <QString>

namespace orv {

/// Formats a date-time by a picture of the conventional letters, case-insensitive:
/// d dd (day), ddd dddd (short/long day name), ddddd dddddd (short/long date format),
/// m mm mmm mmmm (month, or minutes right after an hour), yy yyyy, h hh, n nn, s ss,
/// z zzz, t tt (short/long time format), c, am/pm a/p (as written) and ampm (the
/// locale's designators; any of them makes the hour 12-based), "/" and ":" (the locale's
/// separators), and '...' or "..." copied as they stand. Raises "Invalid Date/Time" for a
/// value outside 0001..9999 or not a number.
QString FormatDateTimePicture(const QString& picture, TDateTime value);

// The formatting routines below return empty text when GlobalBlankWhenZero is set and
// the value is (nearly) zero, and on a failure, which they re-raise when
// GlobalRaiseDateErrors is set.

/// In the locale's short date format.
QString DateToText(TDateTime value);
QString DateToFormatText(const QString& picture, TDateTime value);
/// Eight digits, "YYYYMMDD".
QString DateToYYYYMMDD(TDateTime value);
/// Hour unpadded 0..23, the time separator, minutes two digits: "9:05", "0:00".
QString TimeToShortText(TDateTime value);
/// Blank below 0.000001 day when GlobalBlankWhenZero is set.
QString TimeToFormatText(const QString& picture, TDateTime value);
/// DateToText, a space and TimeToShortText.
QString DateTimeToText(TDateTime value);

} // namespace orv
