#include "CalendarsPage.h"

#include "DemoLabels.h"
#include "DemoPage.h"

#include <orvkit/calendar/OrvkitCalPanel.h>

#include <QCoreApplication>

namespace orv {

void BuildCalendarsPage(QWidget& page)
{
    auto* calendar = PlaceControl<TOrvCalPanel>(page, "OrvCalPanel1", {59, 156, 315, 216});
    calendar->SetWeekEndDays({dowSunday, dowSaturday});
    AttachCaption(*calendar, QCoreApplication::translate("CalendarsPage", "Calendar Panel"), edcAbove);
}

} // namespace orv
