#pragma once

#include <orvkit/datetime/OrvkitTZif.h>

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace orv {

struct TOrvPosixTZ;

/// A transition rule. Month 0: no transition. Year 0: yearly, on the `wDay`-th (1..4, any
/// other value the last) weekday `wDayOfWeek` (0 = Sunday) of the month; any other year:
/// that fixed date.
struct SYSTEMTIME {
    uint16_t wYear = 0;
    uint16_t wMonth = 0;
    uint16_t wDayOfWeek = 0;
    uint16_t wDay = 0;
    uint16_t wHour = 0;
    uint16_t wMinute = 0;
    uint16_t wSecond = 0;
    uint16_t wMilliseconds = 0;
    friend bool operator==(const SYSTEMTIME&, const SYSTEMTIME&) = default;
};

/// One zone. Biases are minutes with UTC = local standard time + Bias; during daylight
/// time UTC = local + Bias + DaylightBias.
struct TOrvTimeZoneInfo {
    QString KeyName;      ///< the zone id, "Australia/Sydney"
    QString DisplayName;  ///< "(UTC+10:00) Australia/Sydney"
    int32_t Bias = 0;
    QString StandardName; ///< the zone's abbreviation for standard time, "AEST"
    SYSTEMTIME StandardDate;
    int32_t StandardBias = 0;
    QString DaylightName; ///< "AEDT"; empty for a zone without daylight time
    SYSTEMTIME DaylightDate;
    int32_t DaylightBias = 0;
    bool UseDaylightTime = false;
    friend bool operator==(const TOrvTimeZoneInfo&, const TOrvTimeZoneInfo&) = default;
};

using TOrvTimeZoneArray = std::vector<TOrvTimeZoneInfo>;

/// Replaces the list with the zone ids of the database; leaves it alone when the
/// database cannot be read.
void TimeZoneKeyNames(QStringList& names, const QString& zoneInfoDir = DefaultZoneInfoDir());
/// Every zone of the database, sorted by SortTimeZones. A zone whose file cannot be read
/// or carries no usable rule keeps an empty record in its place.
void ReadTimeZones(TOrvTimeZoneArray& zones, const QString& zoneInfoDir = DefaultZoneInfoDir());
/// One zone from its file; false (and an empty record) when the file is missing, broken
/// or has no usable rule.
bool ReadTimeZone(const QString& keyName, TOrvTimeZoneInfo& zone, const QString& zoneInfoDir = DefaultZoneInfoDir());
/// The record a POSIX rule describes. A rule whose daylight time is behind its standard
/// time (Europe/Dublin) is turned round, so that Bias is always the winter offset.
TOrvTimeZoneInfo TimeZoneFromPosixRule(const QString& keyName, const TOrvPosixTZ& rule);
/// The system's local zone, as ReadTimeZone would give it.
TOrvTimeZoneInfo LocalTimeZone(const QString& zoneInfoDir = DefaultZoneInfoDir());

/// Largest Bias first (west of UTC to east).
void SortTimeZones(TOrvTimeZoneArray& zones);
/// Appends each DisplayName in array order.
void TimeZoneDisplayNames(const TOrvTimeZoneArray& zones, QStringList& names);
/// "2nd Sunday of March at 02:00:00", "1 April at 03:00:00", empty for month 0 or a
/// rule that names no real month or weekday.
QString TimeZoneTransitionText(const SYSTEMTIME& rule);

/// Index of the first zone with the local zone's Bias and, case-sensitively, its
/// StandardName; -1 if none.
int32_t LocalTimeZoneIndex(const TOrvTimeZoneArray& zones);
/// Index of the first zone whose field equals the text, ignoring case; -1 if none.
int32_t FindTimeZoneByKeyName(const TOrvTimeZoneArray& zones, const QString& text);
int32_t FindTimeZoneByDisplayName(const TOrvTimeZoneArray& zones, const QString& text);
int32_t FindTimeZoneByStandardName(const TOrvTimeZoneArray& zones, const QString& text);
int32_t FindTimeZoneByDaylightName(const TOrvTimeZoneArray& zones, const QString& text);

} // namespace orv
