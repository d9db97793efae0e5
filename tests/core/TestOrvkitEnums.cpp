#include <orvkit/core/OrvkitCurrency.h>
#include <orvkit/core/OrvkitGlobals.h>
#include <orvkit/core/OrvkitMathErrors.h>

#include <QMetaEnum>
#include <QVariant>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace orv;

namespace {

std::vector<std::string> Keys(const QMetaEnum& e)
{
    std::vector<std::string> keys;
    for (int i = 0; i < e.keyCount(); ++i) {
        keys.emplace_back(e.key(i));
        EXPECT_EQ(e.value(i), i) << e.key(i); // plain enumerations count from 0
    }
    return keys;
}

} // namespace

TEST(CoreEnums, QtKnowsTheirNamesAndKeys)
{
    const QMetaEnum angle = QMetaEnum::fromType<TOrvAngleMode>();
    EXPECT_STREQ(angle.name(), "TOrvAngleMode");
    EXPECT_FALSE(angle.isFlag());
    EXPECT_EQ(Keys(angle), (std::vector<std::string>{"amDegrees", "amRadians", "amGradiants"}));
    EXPECT_EQ(Keys(QMetaEnum::fromType<TOrvBaseDisplay>()), (std::vector<std::string>{"bdBin", "bdDec", "bdHex", "bdOct"}));
    EXPECT_EQ(Keys(QMetaEnum::fromType<TOrvDurationType>()),
              (std::vector<std::string>{"dtWeeks", "dtDays", "dtHrs", "dtMins", "dtSecs"}));
    EXPECT_EQ(Keys(QMetaEnum::fromType<TOrvCurrencyFormatType>()),
              (std::vector<std::string>{"ecfFloat", "ecfSystem", "ecfCustom"}));
    bool ok = false;
    EXPECT_EQ(QMetaEnum::fromType<TNegativeFormatType>().keyToValue("nftBackBefore", &ok), nftBackBefore);
    EXPECT_TRUE(ok);
    EXPECT_EQ(QMetaEnum::fromType<TOrvBitSize>().keyToValue("eb128Bits", &ok), -1);
    EXPECT_FALSE(ok);
}

TEST(CoreEnums, KeepTheirPlainSpelling)
{
    // The enumerations still read as orv::amDegrees and convert to their numbers.
    const orv::TOrvAngleMode mode = orv::amRadians;
    EXPECT_EQ(int(mode), 1);
    EXPECT_STREQ(QMetaEnum::fromType<orv::TOrvAngleMode>().valueToKey(mode), "amRadians");
    // A variant holding one shows its key, as debug output and settings files do.
    EXPECT_EQ(QVariant::fromValue(orv::amGradiants).toString(), QStringLiteral("amGradiants"));
    EXPECT_STREQ(QMetaEnum::fromType<TOrvMathMessage>().valueToKey(emmInvalidBaseChar), "emmInvalidBaseChar");
}
