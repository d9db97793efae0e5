#include <orvkit/datetime/OrvkitPosixTZ.h>

#include "PrintQString.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

using namespace orv;

namespace {

struct RuleCase {
    const char* text;
    const char* stdName;
    int32_t stdOffset;
    const char* dstName; // nullptr: no daylight time
    int32_t dstOffset;
    TOrvPosixDate start, end;
};

TOrvPosixDate M(int32_t month, int32_t week, int32_t day, int32_t time = 7200)
{
    TOrvPosixDate d;
    d.fMonth = month;
    d.fWeek = week;
    d.fWeekDay = day;
    d.fTime = time;
    return d;
}

TOrvPosixDate J(TOrvPosixDate::TKind kind, int32_t day, int32_t time = 7200)
{
    TOrvPosixDate d;
    d.fKind = kind;
    d.fDayOfYear = day;
    d.fTime = time;
    return d;
}

bool SameDate(const TOrvPosixDate& a, const TOrvPosixDate& b)
{
    return a.fKind == b.fKind && a.fMonth == b.fMonth && a.fWeek == b.fWeek && a.fWeekDay == b.fWeekDay
        && a.fDayOfYear == b.fDayOfYear && a.fTime == b.fTime;
}

class PosixRules : public testing::TestWithParam<RuleCase> {};

} // namespace

TEST_P(PosixRules, ParseIntoNamesOffsetsAndDates)
{
    const RuleCase& c = GetParam();
    TOrvPosixTZ rule;
    ASSERT_TRUE(ParsePosixTZ(QString::fromLatin1(c.text), rule)) << c.text;
    EXPECT_EQ(rule.fStdName, QString::fromLatin1(c.stdName));
    EXPECT_EQ(rule.fStdOffset, c.stdOffset);
    EXPECT_EQ(rule.fHasDst, c.dstName != nullptr);
    if (!c.dstName)
        return;
    EXPECT_EQ(rule.fDstName, QString::fromLatin1(c.dstName));
    EXPECT_EQ(rule.fDstOffset, c.dstOffset);
    EXPECT_TRUE(SameDate(rule.fDstStart, c.start)) << c.text;
    EXPECT_TRUE(SameDate(rule.fDstEnd, c.end)) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Rules, PosixRules,
    testing::Values(
        RuleCase{"UTC0", "UTC", 0, nullptr, 0, {}, {}},
        RuleCase{"IST-5:30", "IST", -19800, nullptr, 0, {}, {}},
        RuleCase{"<+0530>-5:30", "+0530", -19800, nullptr, 0, {}, {}},
        RuleCase{"<-00>0", "-00", 0, nullptr, 0, {}, {}},
        RuleCase{"EST5EDT,M3.2.0,M11.1.0", "EST", 18000, "EDT", 14400, M(3, 2, 0), M(11, 1, 0)},
        RuleCase{"AEST-10AEDT,M10.1.0,M4.1.0/3", "AEST", -36000, "AEDT", -39600, M(10, 1, 0), M(4, 1, 0, 10800)},
        RuleCase{"<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45", "+1245", -45900, "+1345", -49500,
                 M(9, 5, 0, 9900), M(4, 1, 0, 13500)},
        RuleCase{"<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", "+1030", -37800, "+11", -39600, M(10, 1, 0), M(4, 1, 0)},
        RuleCase{"IST-2IDT,M3.4.4/26,M10.5.0", "IST", -7200, "IDT", -10800, M(3, 4, 4, 93600), M(10, 5, 0)},
        RuleCase{"<-02>2<-01>,M3.5.0/-1,M10.5.0/0", "-02", 7200, "-01", 3600, M(3, 5, 0, -3600), M(10, 5, 0, 0)},
        RuleCase{"NST3:30:15NDT", "NST", 12615, "NDT", 9015, M(3, 2, 0), M(11, 1, 0)},
        RuleCase{"XST+3XDT,J60/1:30:05,300/-167", "XST", 10800, "XDT", 7200,
                 J(TOrvPosixDate::pdJulianNoLeap, 60, 5405), J(TOrvPosixDate::pdJulianZero, 300, -601200)}));

TEST(PosixRules, RejectEverythingElse)
{
    for (const char* text : {"", "U", "UT0", "UTC", "UTC+", "UTC25", "UTC1:60", "UTC1:00:60", "<+05", "<>0",
                             "<+0:5>0", "EST5EDT,", "EST5EDT,M3.2.0", "EST5EDT,M3.2.0,", "EST5EDT,M13.2.0,M11.1.0",
                             "EST5EDT,M3.6.0,M11.1.0", "EST5EDT,M3.2.7,M11.1.0", "EST5EDT,M3.2,M11.1.0",
                             "EST5EDT,J0,J365", "EST5EDT,366,0", "EST5EDT,M3.2.0/168,M11.1.0", "EST5EDT,M3.2.0,M11.1.0x",
                             "EST5 EDT", "EST5EDT4extra", "EST00005", "1EST5", "EST5\xe9"}) {
        TOrvPosixTZ rule;
        rule.fStdName = QStringLiteral("stale");
        EXPECT_FALSE(ParsePosixTZ(QString::fromLatin1(text), rule)) << text;
        EXPECT_TRUE(rule.fStdName.isEmpty()) << text;
    }
}

TEST(PosixRules, RandomTextParsesOnlyIntoRulesWithinRange)
{
    const QString alphabet = QStringLiteral("ESTDAB<>+-:,./MJ0123456789");
    std::mt19937 random(5);
    int parsed = 0;
    for (int round = 0; round < 50000; ++round) {
        QString text = round % 2 ? QStringLiteral("EST5EDT,") : QString();
        for (int n = int(random() % 16); n > 0; --n)
            text += alphabet.at(qsizetype(random() % uint32_t(alphabet.size())));
        TOrvPosixTZ rule;
        if (!ParsePosixTZ(text, rule))
            continue;
        ++parsed;
        ASSERT_GE(rule.fStdName.size(), 3) << text.toStdString();
        ASSERT_LE(std::abs(rule.fStdOffset), 25 * 3600) << text.toStdString();
        ASSERT_LE(std::abs(rule.fDstOffset), 25 * 3600) << text.toStdString();
        for (const TOrvPosixDate* d : {&rule.fDstStart, &rule.fDstEnd})
            ASSERT_LE(std::abs(d->fTime), 168 * 3600) << text.toStdString();
    }
    EXPECT_GT(parsed, 0);
}
