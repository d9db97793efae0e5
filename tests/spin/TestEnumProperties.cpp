#include "support/EnumProperties.h"

#include <orvkit/spin/OrvkitNumSpinEdits.h>
#include <orvkit/spin/OrvkitSpinEdit.h>

#include <gtest/gtest.h>

namespace orv {
namespace {

using orvtest::ExpectEnumPropertiesByKey;

TEST(SpinEnumProperties, ReadAndWriteByKeyName)
{
    TOrvIntSpinEdit intSpin;
    ExpectEnumPropertiesByKey(intSpin, {{"ThousandSeparators", "essAuto"}});
    EXPECT_EQ(intSpin.ThousandSeparators(), essAuto);
    TOrvPosSpinEdit posSpin;
    ExpectEnumPropertiesByKey(posSpin, {{"ThousandSeparators", "essExit"}});
    TOrvFloatSpinEdit floatSpin;
    ExpectEnumPropertiesByKey(floatSpin, {{"ThousandSeparators", "essExit"}});
    EXPECT_EQ(floatSpin.ThousandSeparators(), essExit);
}

} // namespace
} // namespace orv
