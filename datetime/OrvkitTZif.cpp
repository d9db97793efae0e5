#include <orvkit/datetime/OrvkitTZif.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cstdint>

namespace orv {

namespace {

constexpr qsizetype kHeaderSize = 44;
constexpr qint64 kMaxZoneFileSize = 4 * 1024 * 1024; // real zone files stay far below this
constexpr qsizetype kMaxRuleLength = 255;

uint32_t BigEndian32(const QByteArray& data, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return uint32_t(uint8_t(data[at + i])); };
    return byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
}

struct TOrvTZifCounts {
    uint64_t fIsUt, fIsStd, fLeap, fTime, fType, fChar;
};

// Reads and checks the header at `at`; false when it is not a TZif header.
bool ReadHeader(const QByteArray& data, qsizetype at, char& version, TOrvTZifCounts& counts)
{
    if (at < 0 || data.size() - at < kHeaderSize || data.mid(at, 4) != "TZif")
        return false;
    version = data[at + 4];
    counts = {BigEndian32(data, at + 20), BigEndian32(data, at + 24), BigEndian32(data, at + 28),
              BigEndian32(data, at + 32), BigEndian32(data, at + 36), BigEndian32(data, at + 40)};
    // The indicator arrays hold one entry per type or none at all; a file needs a type.
    return counts.fType != 0 && (counts.fIsUt == 0 || counts.fIsUt == counts.fType)
        && (counts.fIsStd == 0 || counts.fIsStd == counts.fType);
}

// Bytes of the data block after a header; the counts are 32-bit, so this cannot overflow.
uint64_t BlockSize(const TOrvTZifCounts& c, uint64_t timeSize)
{
    return c.fTime * timeSize + c.fTime + c.fType * 6 + c.fChar + c.fLeap * (timeSize + 4) + c.fIsStd + c.fIsUt;
}

QString ReadText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromUtf8(file.read(kMaxZoneFileSize));
}

bool SafeRelativeId(const QString& id)
{
    return !id.isEmpty() && !id.startsWith(u'/') && !id.split(u'/').contains(QStringLiteral(".."));
}

// The zone id of a zone file path, taken from the part after "zoneinfo/".
QString IdFromPath(const QString& path)
{
    static const QString kMarker = QStringLiteral("zoneinfo/");
    const qsizetype at = path.lastIndexOf(kMarker);
    if (at < 0)
        return QString();
    QString id = path.mid(at + kMarker.size());
    for (const QString& tree : {QStringLiteral("posix/"), QStringLiteral("right/")})
        if (id.startsWith(tree))
            id = id.mid(tree.size());
    return id;
}

// Finds the 64-bit block of version 2+ data: `start` is its first byte, `end` the byte
// after it. False for broken data; `version` tells version 1 data (no block) apart.
bool FindSecondBlock(const QByteArray& data, char& version, TOrvTZifCounts& counts, uint64_t& start, uint64_t& end)
{
    version = 0;
    if (!ReadHeader(data, 0, version, counts))
        return false;
    const uint64_t firstEnd = uint64_t(kHeaderSize) + BlockSize(counts, 4);
    if (firstEnd > uint64_t(data.size()))
        return false;
    if (version == '\0')
        return true;
    char version2 = 0;
    if (!ReadHeader(data, qsizetype(firstEnd), version2, counts))
        return false;
    start = firstEnd + uint64_t(kHeaderSize);
    end = start + BlockSize(counts, 8);
    return end <= uint64_t(data.size());
}

int64_t BigEndian64(const QByteArray& data, qsizetype at)
{
    return int64_t(uint64_t(BigEndian32(data, at)) << 32 | BigEndian32(data, at + 4));
}

} // namespace

void TZifFooter(const QByteArray& data, QString& rule, bool& ok)
{
    rule.clear();
    ok = false;
    char version = 0;
    TOrvTZifCounts counts{};
    uint64_t blockStart = 0, secondEnd = 0;
    if (!FindSecondBlock(data, version, counts, blockStart, secondEnd))
        return;
    if (version == '\0') { // version 1 ends with its data block
        ok = true;
        return;
    }
    if (secondEnd >= uint64_t(data.size()) || data[qsizetype(secondEnd)] != '\n')
        return;
    const auto start = qsizetype(secondEnd) + 1;
    const qsizetype end = data.indexOf('\n', start);
    if (end < 0 || end - start > kMaxRuleLength)
        return;
    for (qsizetype i = start; i < end; ++i) {
        const auto c = uint8_t(data[i]);
        if (c < 0x20 || c > 0x7E)
            return;
    }
    rule = QString::fromLatin1(data.constData() + start, end - start);
    ok = true;
}

void TZifTransitions(const QByteArray& data, std::vector<TOrvTZifTransition>& transitions, bool& ok)
{
    transitions.clear();
    char version = 0;
    TOrvTZifCounts counts{};
    uint64_t start = 0, end = 0;
    ok = FindSecondBlock(data, version, counts, start, end);
    if (!ok || version == '\0')
        return;
    const auto times = qsizetype(start);
    const auto indexes = times + qsizetype(counts.fTime) * 8;
    const auto types = indexes + qsizetype(counts.fTime);
    transitions.reserve(size_t(counts.fTime));
    for (qsizetype i = 0; i < qsizetype(counts.fTime); ++i) {
        const auto type = uint8_t(data[indexes + i]);
        if (type >= counts.fType) {
            transitions.clear();
            ok = false;
            return;
        }
        const qsizetype info = types + qsizetype(type) * 6;
        transitions.push_back({BigEndian64(data, times + i * 8), int32_t(BigEndian32(data, info)), data[info + 4] != 0});
    }
}

void ReadTZifFooter(const QString& path, QString& rule, bool& ok)
{
    rule.clear();
    ok = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxZoneFileSize)
        return;
    TZifFooter(file.read(kMaxZoneFileSize), rule, ok);
}

void ReadTZifTransitions(const QString& path, std::vector<TOrvTZifTransition>& transitions, bool& ok)
{
    transitions.clear();
    ok = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxZoneFileSize)
        return;
    TZifTransitions(file.read(kMaxZoneFileSize), transitions, ok);
}

QString DefaultZoneInfoDir()
{
    const QString dir = qEnvironmentVariable("TZDIR");
    return dir.isEmpty() ? QStringLiteral("/usr/share/zoneinfo") : dir;
}

QStringList ZoneInfoIds(const QString& zoneInfoDir)
{
    QStringList ids;
    const QString zi = ReadText(zoneInfoDir + QStringLiteral("/tzdata.zi"));
    for (QStringView line : QStringView(zi).split(u'\n')) {
        if (!line.startsWith(u"Z "))
            continue;
        const QString id = line.mid(2).split(u' ').value(0).toString();
        // "Factory" only says that no zone was configured.
        if (SafeRelativeId(id) && id != QStringLiteral("Factory"))
            ids.append(id);
    }
    if (!ids.isEmpty())
        return ids;
    for (const QString& table : {QStringLiteral("/zone1970.tab"), QStringLiteral("/zone.tab")}) {
        QSet<QString> seen;
        const QString text = ReadText(zoneInfoDir + table);
        for (QStringView line : QStringView(text).split(u'\n')) {
            if (line.startsWith(u'#'))
                continue;
            const QString id = line.split(u'\t').value(2).toString().trimmed();
            if (SafeRelativeId(id) && !seen.contains(id)) {
                seen.insert(id);
                ids.append(id);
            }
        }
        if (!ids.isEmpty()) {
            ids.sort();
            return ids;
        }
    }
    return ids;
}

void SystemLocalZone(const QString& zoneInfoDir, QString& id, QString& rule)
{
    id.clear();
    rule.clear();
    bool ok = false;
    if (qEnvironmentVariableIsSet("TZ")) {
        QString tz = qEnvironmentVariable("TZ");
        if (tz.isEmpty()) { // glibc reads an empty TZ as UTC
            rule = QStringLiteral("UTC0");
            return;
        }
        const bool isPath = tz.startsWith(u':');
        if (isPath)
            tz = tz.mid(1);
        if (tz.startsWith(u'/')) {
            ReadTZifFooter(tz, rule, ok);
            if (ok)
                id = IdFromPath(QFileInfo(tz).canonicalFilePath());
        } else if (SafeRelativeId(tz)) {
            ReadTZifFooter(zoneInfoDir + u'/' + tz, rule, ok);
            if (ok)
                id = tz;
        }
        if (!ok && !isPath)
            rule = tz; // a rule written out, such as "EST5EDT,M3.2.0,M11.1.0"
        if (ok || !isPath)
            return;
    }
    const QString localtime = QStringLiteral("/etc/localtime");
    ReadTZifFooter(localtime, rule, ok);
    if (ok) {
        id = IdFromPath(QFileInfo(localtime).symLinkTarget());
        return;
    }
    rule = QStringLiteral("UTC0");
}

} // namespace orv
