#include <orvkit/datetime/OrvkitHolidays.h>

#include <orvkit/datetime/OrvkitDateSort.h>
#include <orvkit/datetime/OrvkitDateTime.h>

namespace orv {

namespace {

void SetDeleted(TOrvHolidayList& list, int index, bool deleted)
{
    if (index >= 0 && static_cast<size_t>(index) < list.size())
        list[static_cast<size_t>(index)].Deleted = deleted;
}

} // namespace

void SortHolidays(TOrvHolidayList& list)
{
    QuickSortByKey(list.data(), static_cast<std::ptrdiff_t>(list.size()),
                   [](const TOrvHolidayRec& r) { return r.HolDate; });
}

int FindHoliday(const TOrvHolidayList& list, TDateTime date, bool& nonWork)
{
    nonWork = false;
    std::ptrdiff_t low = 0;
    std::ptrdiff_t high = static_cast<std::ptrdiff_t>(list.size()) - 1;
    while (low <= high) {
        const std::ptrdiff_t middle = low + (high - low) / 2;
        const TOrvHolidayRec& record = list[static_cast<size_t>(middle)];
        if (SameDate(record.HolDate, date)) {
            nonWork = record.NonWorkingDay;
            return static_cast<int>(middle);
        }
        if (date >= record.HolDate)
            low = middle + 1;
        else
            high = middle - 1;
    }
    return -1;
}

void AddHoliday(TOrvHolidayList& list, const TOrvHolidayRec& record)
{
    list.push_back(record);
}

void MarkHolidayDeleted(TOrvHolidayList& list, int index)
{
    SetDeleted(list, index, true);
}

void ClearHolidayDeleted(TOrvHolidayList& list, int index)
{
    SetDeleted(list, index, false);
}

} // namespace orv
