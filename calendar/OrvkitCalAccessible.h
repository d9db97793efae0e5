#pragma once

namespace orv {

class TOrvCalPanel;

/// Makes calendar panels known to assistive technology as tables named by their month and
/// year: a cell per day (the current date focused, picked dates selected, unavailable
/// ones disabled), the day names as column headers and the week numbers as row headers.
/// The panels install it as they are created; later calls do nothing.
void InstallCalAccessibleFactory();

/// Tells assistive technology, when any listens, that the panel's date has moved: the
/// name when the month or year changed, the focus on the new day.
void ReportCalDateChange(TOrvCalPanel& panel, bool monthChanged);

} // namespace orv
