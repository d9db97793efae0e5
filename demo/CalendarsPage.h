#pragma once

#include <QWidget>

namespace orv {

/// Fills the "Calendars" page: the calendar panel, which has no UI control, under its caption.
void BuildCalendarsPage(QWidget& page);

} // namespace orv
