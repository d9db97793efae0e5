#include "support/EnumProperties.h"

#include <orvkit/framework/OrvkitDrawing.h>
#include <orvkit/framework/OrvkitKeys.h>
#include <orvkit/framework/OrvkitStoreCtrl.h>

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(FrameworkEnumProperties, ReadAndWriteByKeyName)
{
    TOrvStoreCtrl store;
    orvtest::ExpectEnumPropertiesByKey(store, {{"RegIniType", "eriIniFile"}});
    EXPECT_EQ(store.RegIniType(), eriIniFile);
}

TEST(FrameworkEnumProperties, SetsAreFlagsWithKeyNames)
{
    const QMetaEnum shift = QMetaEnum::fromType<TShiftState>();
    EXPECT_TRUE(shift.isFlag());
    EXPECT_EQ(shift.valueToKeys(int(ssShift | ssCtrl)), QByteArray("ssShift|ssCtrl"));
    bool ok = false;
    EXPECT_EQ(shift.keysToValue("ssAlt|ssDouble", &ok), int(ssAlt | ssDouble));
    EXPECT_TRUE(ok);
    const QMetaEnum font = QMetaEnum::fromType<TFontStyles>();
    EXPECT_TRUE(font.isFlag());
    EXPECT_EQ(font.valueToKeys(int(fsBold | fsStrikeOut)), QByteArray("fsBold|fsStrikeOut"));
    EXPECT_STREQ(QMetaEnum::fromType<TOrvTextAlign>().valueToKey(etaRight), "etaRight");
}

} // namespace
} // namespace orv
