#include "support/EnumProperties.h"

#include <orvkit/calendar/OrvkitCalPanel.h>

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(CalendarEnumProperties, ReadAndWriteByKeyName)
{
    TOrvCalPanel panel;
    orvtest::ExpectEnumPropertiesByKey(panel, {{"FrameStyle", "ecfsSimple"}});
    EXPECT_EQ(panel.FrameStyle(), ecfsSimple);
    const QMetaEnum days = QMetaEnum::fromType<TOrvDayOfWeek>();
    EXPECT_EQ(days.keyCount(), 7);
    EXPECT_STREQ(days.valueToKey(dowSaturday), "dowSaturday");
}

} // namespace
} // namespace orv
