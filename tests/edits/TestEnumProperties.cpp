#include "support/EnumProperties.h"

#include <orvkit/edits/OrvkitDateEdits.h>
#include <orvkit/edits/OrvkitDateTimeEdit.h>
#include <orvkit/edits/OrvkitDurationEdit.h>
#include <orvkit/edits/OrvkitFloatEdit.h>
#include <orvkit/edits/OrvkitMonthDOWEdits.h>
#include <orvkit/edits/OrvkitNumEdit.h>
#include <orvkit/edits/OrvkitTimeEdits.h>

#include <gtest/gtest.h>

namespace orv {
namespace {

using orvtest::ExpectEnumPropertiesByKey;

TEST(EditEnumProperties, ReadAndWriteByKeyName)
{
    TOrvFloatEdit floatEdit;
    ExpectEnumPropertiesByKey(floatEdit, {{"ThousandSeparators", "essAuto"}, {"ComparisonType", "ecGreaterEq"}});
    EXPECT_EQ(floatEdit.ThousandSeparators(), essAuto);
    EXPECT_EQ(floatEdit.ComparisonType(), ecGreaterEq);
    TOrvIntEdit intEdit;
    ExpectEnumPropertiesByKey(intEdit, {{"ThousandSeparators", "essExit"}});
    TOrvDurationEdit duration;
    ExpectEnumPropertiesByKey(duration, {{"DurationType", "dtMins"}, {"LastDurationType", "dtSecs"}});
    EXPECT_EQ(duration.DurationType(), dtMins);
    EXPECT_EQ(duration.LastDurationType(), dtSecs);
    TOrvDateEdit date;
    ExpectEnumPropertiesByKey(date, {{"YearDigitType", "edyHistoric"}, {"FormatType", "edfLongDate"}});
    EXPECT_EQ(date.YearDigitType(), edyHistoric);
    EXPECT_EQ(date.FormatType(), edfLongDate);
    TOrvTimeEdit time;
    ExpectEnumPropertiesByKey(time, {{"FormatType", "etfLongTime"}});
    TOrvDateTimeEdit dateTime;
    ExpectEnumPropertiesByKey(dateTime, {{"Alignment", "taCenter"}, {"FormatDateType", "edfCustom"},
                                         {"FormatTimeType", "etfCustom"}});
    EXPECT_EQ(dateTime.Alignment(), taCenter);
    TOrvMonthEdit month;
    ExpectEnumPropertiesByKey(month, {{"MonthFormat", "emfLongMonth"}});
    TOrvDOWEdit dow;
    ExpectEnumPropertiesByKey(dow, {{"DOWFormat", "edfLongDOW"}});
    EXPECT_EQ(dow.DOWFormat(), edfLongDOW);
}

} // namespace
} // namespace orv
