#include <orvkit/datetime/OrvkitTZif.h>

#include "TZifFixture.h"

#include <QFile>
#include <QTemporaryDir>
#include "PrintQString.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

using namespace orv;

namespace {

struct Footer {
    QString rule;
    bool ok = false;
};

Footer FooterOf(const QByteArray& data)
{
    Footer f;
    TZifFooter(data, f.rule, f.ok);
    return f;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(TZifFooter, ReadsTheRuleAfterTheSecondBlock)
{
    tzfixture::Counts counts;
    counts.time = 3;
    counts.type = 2;
    counts.chars = 8;
    counts.leap = 1;
    counts.isStd = 2;
    counts.isUt = 2;
    const Footer f = FooterOf(tzfixture::File("JST-9JDT,M3.2.0,M11.1.0", counts));
    EXPECT_TRUE(f.ok);
    EXPECT_EQ(f.rule, QStringLiteral("JST-9JDT,M3.2.0,M11.1.0"));
}

TEST(TZifFooter, VersionOneAndEmptyRulesGiveNoRule)
{
    const Footer v1 = FooterOf(tzfixture::Version1File());
    EXPECT_TRUE(v1.ok);
    EXPECT_TRUE(v1.rule.isEmpty());
    const Footer empty = FooterOf(tzfixture::File(""));
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(empty.rule.isEmpty());
}

TEST(TZifFooter, RejectsBrokenFiles)
{
    const QByteArray good = tzfixture::File("JST-9");
    QByteArray badMagic = good;
    badMagic[0] = 'X';
    QByteArray badSecondMagic = good;
    badSecondMagic[44 + 6 + 4] = 'X'; // first header, one type, four characters
    tzfixture::Counts noTypes;
    noTypes.type = 0;
    tzfixture::Counts oddIndicators;
    oddIndicators.type = 2;
    oddIndicators.isStd = 1;
    QByteArray hugeCount = good;
    hugeCount[32] = hugeCount[33] = hugeCount[34] = hugeCount[35] = '\xff'; // timecnt
    QByteArray noNewlineBeforeRule = good;
    noNewlineBeforeRule[good.size() - 7] = 'x';
    const struct {
        const char* name;
        QByteArray data;
    } cases[] = {
        {"empty", QByteArray()},
        {"bad magic", badMagic},
        {"bad second magic", badSecondMagic},
        {"no types", tzfixture::File("JST-9", noTypes)},
        {"indicators for some types", tzfixture::File("JST-9", oddIndicators)},
        {"huge count", hugeCount},
        {"no newline before the rule", noNewlineBeforeRule},
        {"rule not ended", good.left(good.size() - 1)},
        {"control character", tzfixture::File("JST\t-9")},
        {"not ASCII", tzfixture::File("JST\xc3\xa9-9")},
        {"rule too long", tzfixture::File(QByteArray(300, 'A'))},
    };
    for (const auto& c : cases) {
        const Footer f = FooterOf(c.data);
        EXPECT_FALSE(f.ok) << c.name;
        EXPECT_TRUE(f.rule.isEmpty()) << c.name;
    }
}

TEST(TZifFooter, EveryTruncationAndRandomDamageIsSafe)
{
    tzfixture::Counts counts;
    counts.time = 5;
    counts.type = 2;
    counts.chars = 8;
    const QByteArray good = tzfixture::File("JST-9JDT,M3.2.0,M11.1.0", counts);
    for (qsizetype n = 0; n < good.size(); ++n)
        EXPECT_FALSE(FooterOf(good.left(n)).ok) << n;
    std::mt19937 random(42);
    for (int round = 0; round < 2000; ++round) {
        QByteArray damaged = good;
        for (int k = 0; k < 3; ++k)
            damaged[qsizetype(random() % uint32_t(damaged.size()))] = char(random());
        const Footer f = FooterOf(damaged); // must neither crash nor read outside the data
        EXPECT_LE(f.rule.size(), 255);
        EXPECT_TRUE(f.ok || f.rule.isEmpty());
    }
}

TEST(TZifTransitions, ReadsTheSixtyFourBitBlock)
{
    tzfixture::Counts counts;
    counts.time = 3;
    counts.type = 2;
    counts.chars = 8;
    counts.leap = 1;
    const QByteArray good = tzfixture::File("JST-9", counts);
    std::vector<TOrvTZifTransition> transitions;
    bool ok = false;
    TZifTransitions(good, transitions, ok);
    EXPECT_TRUE(ok);
    // The fixture writes every time as 01 bytes, type 0: +10:00, not daylight time.
    const TOrvTZifTransition expected{0x0101010101010101, 36000, false};
    EXPECT_EQ(transitions, std::vector<TOrvTZifTransition>(3, expected));

    TZifTransitions(tzfixture::Version1File(), transitions, ok);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(transitions.empty());

    const qsizetype secondIndexes = 44 + (3 * 5 + 2 * 6 + 8 + 8) + 44 + 3 * 8;
    QByteArray badType = good;
    badType[secondIndexes + 1] = 2; // only types 0 and 1 exist
    TZifTransitions(badType, transitions, ok);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(transitions.empty());
    const qsizetype blockEnd = good.size() - qsizetype(strlen("\nJST-9\n"));
    for (qsizetype n = 0; n < good.size(); ++n) {
        TZifTransitions(good.left(n), transitions, ok);
        EXPECT_EQ(ok, n >= blockEnd) << n; // the rule after the block is not needed
    }
}

TEST(TZifFiles, ReadsFooterFromAFileAndRefusesMissingOnes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    WriteFile(dir.filePath(QStringLiteral("Zone")), tzfixture::File("<+0530>-5:30"));
    QString rule;
    bool ok = false;
    ReadTZifFooter(dir.filePath(QStringLiteral("Zone")), rule, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(rule, QStringLiteral("<+0530>-5:30"));
    ReadTZifFooter(dir.filePath(QStringLiteral("Missing")), rule, ok);
    EXPECT_FALSE(ok);
    ReadTZifFooter(dir.path(), rule, ok); // a folder
    EXPECT_FALSE(ok);
}

TEST(TZifFiles, ReadsTheTransitionsOfASystemZone)
{
    std::vector<TOrvTZifTransition> transitions;
    bool ok = false;
    ReadTZifTransitions(QStringLiteral("/usr/share/zoneinfo/Asia/Gaza"), transitions, ok);
    ASSERT_TRUE(ok);
    // Sat 30 October 2027 02:00 daylight time is 23:00 UTC the day before.
    const TOrvTZifTransition end2027{1824850800, 7200, false};
    EXPECT_NE(std::find(transitions.begin(), transitions.end(), end2027), transitions.end());
    EXPECT_TRUE(std::is_sorted(transitions.begin(), transitions.end(),
                               [](const auto& a, const auto& b) { return a.fAt < b.fAt; }));
    ReadTZifTransitions(QStringLiteral("/usr/share/zoneinfo/Missing/Zone"), transitions, ok);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(transitions.empty());
}

TEST(TZifFiles, ZoneIdsComeFromTzdataZiOrTheZoneTables)
{
    QTemporaryDir zi;
    WriteFile(zi.filePath(QStringLiteral("tzdata.zi")),
              "# version x\nR d 1916 o - Jun 14 23s 1 S\nZ Europe/Oslo 0:43 - LMT 1895\n"
              "Z Factory 0 - -00\nL Europe/Oslo Arctic/Longyearbyen\nZ Asia/Tokyo 9 - J%sT\nZ ../etc/passwd 0 - X\n");
    EXPECT_EQ(ZoneInfoIds(zi.path()), (QStringList{QStringLiteral("Europe/Oslo"), QStringLiteral("Asia/Tokyo")}));

    QTemporaryDir tab;
    WriteFile(tab.filePath(QStringLiteral("zone1970.tab")),
              "# comment\nJP\t+353916+1394441\tAsia/Tokyo\nAU\t-3352+15113\tAustralia/Sydney\tNSW\n"
              "JP,PW\t+353916+1394441\tAsia/Tokyo\nbroken line\n");
    EXPECT_EQ(ZoneInfoIds(tab.path()), (QStringList{QStringLiteral("Asia/Tokyo"), QStringLiteral("Australia/Sydney")}));

    QTemporaryDir none;
    EXPECT_TRUE(ZoneInfoIds(none.path()).isEmpty());
}

TEST(TZifFiles, TheSystemDatabaseListsZonesWithoutTheDuplicateTrees)
{
    const QStringList ids = ZoneInfoIds(DefaultZoneInfoDir());
    EXPECT_GT(ids.size(), 300);
    EXPECT_TRUE(ids.contains(QStringLiteral("Australia/Sydney")));
    EXPECT_TRUE(ids.contains(QStringLiteral("Etc/UTC")));
    EXPECT_FALSE(ids.contains(QStringLiteral("Factory")));
    for (const QString& id : ids)
        ASSERT_FALSE(id.startsWith(QStringLiteral("posix/")) || id.startsWith(QStringLiteral("right/"))) << id.toStdString();
}
