#pragma once

#include <orvkit/demo/DemoPage.h>

namespace orv {

/// Fills the "ComboBoxes" page: the plain combo boxes in both styles, the month,
/// day-of-week, time-zone, time and state combo boxes with their captions, and the radio
/// groups that switch the name format and the state list's country.
void BuildComboBoxesPage(QWidget& page, const TDemoShared& shared);

} // namespace orv
