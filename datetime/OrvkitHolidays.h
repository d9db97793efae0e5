#pragma once

#include <orvkit/core/OrvkitGlobals.h>

#include <QString>
#include <vector>

namespace orv {

/// One dated holiday: a calendar date of one year; there are no recurrence rules.
struct TOrvHolidayRec {
    QString Desc;
    TDateTime HolDate = 0;
    bool NonWorkingDay = false;
    /// A deleted record stays in the list; it is skipped when saved and when painted.
    bool Deleted = false;

    friend bool operator==(const TOrvHolidayRec&, const TOrvHolidayRec&) = default;
};

using TOrvHolidayList = std::vector<TOrvHolidayRec>;

/// Ascending by HolDate; ties keep no particular order.
void SortHolidays(TOrvHolidayList& list);
/// Binary search of a list sorted by SortHolidays for a record on the same whole day as
/// `date`; its index, with `nonWork` its NonWorkingDay flag, or -1 with `nonWork` false.
int FindHoliday(const TOrvHolidayList& list, TDateTime date, bool& nonWork);
/// Appends a copy of `record`.
void AddHoliday(TOrvHolidayList& list, const TOrvHolidayRec& record);
/// Set and clear the Deleted flag; an index outside the list is ignored.
void MarkHolidayDeleted(TOrvHolidayList& list, int index);
void ClearHolidayDeleted(TOrvHolidayList& list, int index);

} // namespace orv
