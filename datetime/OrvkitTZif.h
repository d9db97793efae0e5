#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// The one place that reads the system's zone database from disk.
namespace orv {

/// The POSIX TZ rule in the footer of TZif data (version 2 or later). Empty when the data
/// is not a well-formed TZif file, is version 1 (no footer) or carries an empty rule;
/// `ok` tells a well-formed file from a broken one. Every length is bounds-checked.
void TZifFooter(const QByteArray& data, QString& rule, bool& ok);

/// The footer rule of a zone file; `ok` is false when the file cannot be read or is broken.
void ReadTZifFooter(const QString& path, QString& rule, bool& ok);

/// One change of a zone's local time.
struct TOrvTZifTransition {
    int64_t fAt = 0;       ///< seconds since 1970-01-01 00:00 UTC
    int32_t fUtOffset = 0; ///< seconds EAST of UTC from then on
    bool fIsDst = false;
    friend bool operator==(const TOrvTZifTransition&, const TOrvTZifTransition&) = default;
};

/// The transitions listed in the 64-bit block of TZif data (version 2 or later), oldest
/// first; none for version 1 data. `ok` is false, and the list empty, for broken data.
void TZifTransitions(const QByteArray& data, std::vector<TOrvTZifTransition>& transitions, bool& ok);

/// The transitions of a zone file; `ok` is false when the file cannot be read or is broken.
void ReadTZifTransitions(const QString& path, std::vector<TOrvTZifTransition>& transitions, bool& ok);

/// The folder of the system's zone files: $TZDIR, else /usr/share/zoneinfo.
QString DefaultZoneInfoDir();

/// The zone ids of a zoneinfo folder, from its tzdata.zi ("Z" lines), else zone1970.tab,
/// else zone.tab; empty when none of them can be read.
QStringList ZoneInfoIds(const QString& zoneInfoDir);

/// The system's local zone: from $TZ (a zone id, ":"-prefixed path or POSIX rule), else
/// /etc/localtime, else UTC. `id` is the zone id when one is known, else empty.
void SystemLocalZone(const QString& zoneInfoDir, QString& id, QString& rule);

} // namespace orv
