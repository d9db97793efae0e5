#include "MonkeyControls.h"

#include <orvkit/calendar/OrvkitCalPanel.h>
#include <orvkit/controls/OrvkitCheckBox.h>
#include <orvkit/controls/OrvkitComboBox.h>
#include <orvkit/controls/OrvkitDateTimeComboBox.h>
#include <orvkit/controls/OrvkitStateComboBox.h>
#include <orvkit/controls/OrvkitTimeComboBox.h>
#include <orvkit/controls/OrvkitGroupBox.h>
#include <orvkit/controls/OrvkitGroupCtrls.h>
#include <orvkit/controls/OrvkitRadioBtn.h>
#include <orvkit/edits/OrvkitDateEdits.h>
#include <orvkit/edits/OrvkitDateTimeEdit.h>
#include <orvkit/edits/OrvkitDurationEdit.h>
#include <orvkit/edits/OrvkitFloatEdit.h>
#include <orvkit/edits/OrvkitIPHexEdit.h>
#include <orvkit/edits/OrvkitMonthDOWEdits.h>
#include <orvkit/edits/OrvkitNumEdit.h>
#include <orvkit/edits/OrvkitTimeEdits.h>
#include <orvkit/framework/OrvkitEdit.h>
#include <orvkit/framework/OrvkitSpeedBtn.h>
#include <orvkit/spin/OrvkitNumSpinEdits.h>
#include <orvkit/spin/OrvkitSpinEdit.h>

namespace orv::monkey {

namespace {

template <class T>
TControlClass Plain(const char* name)
{
    return {name, [](QWidget* parent) -> QWidget* { return new T(parent); }};
}

template <class T>
TControlClass WithItems(const char* name)
{
    return {name, [](QWidget* parent) -> QWidget* {
                auto* group = new T(parent);
                group->SetItems({QStringLiteral("&One"), QStringLiteral("Two"), QStringLiteral("Three")});
                return group;
            }};
}

} // namespace

const std::vector<TControlClass>& ControlClasses()
{
    static const std::vector<TControlClass> classes = {
        Plain<TOrvkitEdit>("TOrvkitEdit"),
        Plain<TOrvPosEdit>("TOrvPosEdit"),
        Plain<TOrvIntEdit>("TOrvIntEdit"),
        Plain<TOrvPosFloatEdit>("TOrvPosFloatEdit"),
        Plain<TOrvFloatEdit>("TOrvFloatEdit"),
        Plain<TOrvPercentEdit>("TOrvPercentEdit"),
        Plain<TOrvSciFloatEdit>("TOrvSciFloatEdit"),
        Plain<TOrvHexEdit>("TOrvHexEdit"),
        Plain<TOrvIPEdit>("TOrvIPEdit"),
        Plain<TOrvYearEdit>("TOrvYearEdit"),
        Plain<TOrvDateEdit>("TOrvDateEdit"),
        Plain<TOrvTimeEdit>("TOrvTimeEdit"),
        Plain<TOrvMonthEdit>("TOrvMonthEdit"),
        Plain<TOrvDOWEdit>("TOrvDOWEdit"),
        Plain<TOrvDurationEdit>("TOrvDurationEdit"),
        Plain<TOrvDateTimeEdit>("TOrvDateTimeEdit"),
        Plain<TOrvBaseSpinEdit>("TOrvBaseSpinEdit"),
        Plain<TOrvIntSpinEdit>("TOrvIntSpinEdit"),
        Plain<TOrvPosSpinEdit>("TOrvPosSpinEdit"),
        Plain<TOrvFloatSpinEdit>("TOrvFloatSpinEdit"),
        Plain<TOrvSpeedBtn>("TOrvSpeedBtn"),
        Plain<TOrvCalPanel>("TOrvCalPanel"),
        Plain<TOrvCheckBox>("TOrvCheckBox"),
        Plain<TOrvRadioBtn>("TOrvRadioBtn"),
        Plain<TOrvGroupBox>("TOrvGroupBox"),
        WithItems<TOrvRadioGroup>("TOrvRadioGroup"),
        WithItems<TOrvCheckGroup>("TOrvCheckGroup"),
        Plain<TOrvComboBox>("TOrvComboBox"),
        Plain<TOrvMonthComboBox>("TOrvMonthComboBox"),
        Plain<TOrvDOWComboBox>("TOrvDOWComboBox"),
        Plain<TOrvTZComboBox>("TOrvTZComboBox"),
        Plain<TOrvTimeComboBox>("TOrvTimeComboBox"),
        Plain<TOrvStateComboBox>("TOrvStateComboBox"),
    };
    return classes;
}

} // namespace orv::monkey
