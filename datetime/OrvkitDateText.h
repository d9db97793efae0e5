#pragma once

#include <orvkit/core/OrvkitGlobals.h>

#include <QString>
#include <cstdint>

namespace orv {

/// 0 day-month-year, 1 month-day-year, 2 year-month-day, from the first D, M or Y (or E)
/// of a picture once its day-name tokens are set aside; 0 when it has none.
uint16_t DateOrderOf(const QString& picture);
/// 1..12 for the first month whose short, then long, name begins with the text (any
/// case); 0 for none or empty text. "J" gives 1, "Ju" 6.
uint16_t MonthFromName(const QString& text);
/// 1 (Sunday)..7 the same way over the day names.
uint16_t DayFromName(const QString& text);

/// A year below 100 completed by GlobalTwoDigitYearMode (and GlobalTwoDigitYearCutOff), as
/// the date readers complete a two-digit year; larger years as they are.
uint16_t CompleteTwoDigitYear(uint16_t year);

/// Lenient reading of a typed date: "25", "2512", "25122024", "25 dec 24", "+1", "-7",
/// "Tuesday, 12 March 2024" ... in the locale's date order; missing month and year come
/// from today, a two-digit year is completed by GlobalTwoDigitYearMode. With
/// `impliedHistoric`, a day and month without a year that lie after today fall in last
/// year. Empty text gives 0; text that is no date gives 0, or raises "Invalid Date - text"
/// when GlobalRaiseDateErrors is set.
TDateTime TextToDate(const QString& text, bool impliedHistoric);
/// As TextToDate without the historic rule; `defaultValue` for empty text and, unless
/// GlobalRaiseDateErrors is set, for text that is no date.
TDateTime TextToDateDef(const QString& text, TDateTime defaultValue);
/// As TextToDate (without the historic rule) in the date order of `picture`.
TDateTime TextToDateFmt(const QString& text, const QString& picture);
TDateTime TextToDateFmtDef(const QString& text, const QString& picture, TDateTime defaultValue);
/// "20240315" to a date; raises "Invalid Date" for shorter text or an impossible date.
TDateTime YYYYMMDDToDate(const QString& text);

/// Lenient reading of a typed time: "1030", "103045", "10.30", "24:15" (midnight),
/// "3 pm", "3 p.m.", and with `allowFirstLetter` "3p". Gives the fraction of a day; 0 for
/// empty text and for text that is no time, or raises "Invalid Time - text" when
/// GlobalRaiseDateErrors is set.
TDateTime TextToTime(const QString& text, bool allowFirstLetter);
TDateTime TextToTimeDef(const QString& text, bool allowFirstLetter, TDateTime defaultValue);

} // namespace orv
