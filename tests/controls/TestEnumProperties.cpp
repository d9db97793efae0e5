#include "support/EnumProperties.h"

#include <orvkit/controls/OrvkitCheckBox.h>
#include <orvkit/controls/OrvkitGroupCtrls.h>
#include <orvkit/controls/OrvkitRadioBtn.h>

#include <gtest/gtest.h>

namespace orv {
namespace {

using orvtest::ExpectEnumPropertiesByKey;

TEST(ControlEnumProperties, ReadAndWriteByKeyName)
{
    TOrvCheckBox box;
    ExpectEnumPropertiesByKey(box, {{"CheckStyle", "ecsCross"}, {"AlignCaption", "eacCaptionRight"},
                                    {"FrameStyle", "efsRound"}});
    EXPECT_EQ(box.CheckStyle(), ecsCross);
    EXPECT_EQ(box.AlignCaption(), eacCaptionRight);
    EXPECT_EQ(box.FrameStyle(), efsRound);
    TOrvRadioBtn radio;
    ExpectEnumPropertiesByKey(radio, {{"FrameStyle", "efsSunken"}});
    EXPECT_EQ(radio.FrameStyle(), efsSunken);
    TOrvCheckGroup checks;
    ExpectEnumPropertiesByKey(checks, {{"CheckStyle", "ecsCross"}});
    EXPECT_EQ(checks.CheckStyle(), ecsCross);
    TOrvRadioGroup radios;
    ExpectEnumPropertiesByKey(radios, {});
}

TEST(ControlEnumProperties, AnUnknownKeyIsRefusedAndChangesNothing)
{
    TOrvCheckBox box;
    box.SetCheckStyle(ecsCross);
    EXPECT_FALSE(box.setProperty("CheckStyle", QStringLiteral("ecsNothing")));
    EXPECT_EQ(box.CheckStyle(), ecsCross);
    EXPECT_EQ(QMetaEnum::fromType<TOrvCheckStyle>().valueToKey(ecsTick), QByteArray("ecsTick"));
}

} // namespace
} // namespace orv
