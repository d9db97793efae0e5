#include <orvkit/datetime/OrvkitDateLists.h>

#include <orvkit/datetime/OrvkitDateFormat.h>
#include <orvkit/datetime/OrvkitDateSort.h>
#include <orvkit/datetime/OrvkitDateTime.h>

#include <algorithm>

namespace orv {

namespace {
constexpr int kCapacityStep = 10;
}

TOrvDateList::TOrvDateList() : fDates(kCapacityStep, 0.0) {}

void TOrvDateList::Assign(const TOrvDateList& source)
{
    if (&source == this)
        return;
    std::vector<TDateTime> dates(source.fDates.begin(), source.fDates.begin() + source.Count());
    dates.resize(dates.size() + kCapacityStep, 0.0);
    fDates = std::move(dates);
    fNo = source.fNo;
}

TDateTime TOrvDateList::GetItem(int index) const
{
    return InRange(index) ? fDates[static_cast<size_t>(index)] : 0.0;
}

void TOrvDateList::SetItem(int index, TDateTime value)
{
    if (InRange(index))
        fDates[static_cast<size_t>(index)] = value;
}

void TOrvDateList::Grow()
{
    ++fNo;
    if (fNo >= Capacity() - 1)
        fDates.resize(fDates.size() + kCapacityStep, 0.0);
}

void TOrvDateList::Append(TDateTime value)
{
    Grow();
    fDates[static_cast<size_t>(fNo)] = value;
}

void TOrvDateList::AppendUnique(TDateTime value)
{
    if (FindDate(value) < 0)
        Append(value);
}

void TOrvDateList::Insert(int index, TDateTime value)
{
    if (!InRange(index))
        return;
    Grow();
    const auto at = fDates.begin() + index;
    std::move_backward(at, fDates.begin() + fNo, fDates.begin() + fNo + 1);
    *at = value;
}

void TOrvDateList::Delete(int index)
{
    if (!InRange(index))
        return;
    std::move(fDates.begin() + index + 1, fDates.begin() + fNo + 1, fDates.begin() + index);
    fDates[static_cast<size_t>(fNo)] = 0.0;
    --fNo;
}

void TOrvDateList::Sort()
{
    QuickSortByKey(fDates.data(), Count(), [](TDateTime d) { return d; });
}

int TOrvDateList::FindDate(TDateTime value) const
{
    for (int i = 0; i <= fNo; ++i)
        if (SameDate(fDates[static_cast<size_t>(i)], value))
            return i;
    return -1;
}

QStringList TOrvDateList::AsStrings(QString (*format)(TDateTime)) const
{
    QStringList result;
    result.reserve(Count());
    for (int i = 0; i <= fNo; ++i)
        result.append(format(fDates[static_cast<size_t>(i)]));
    return result;
}

QStringList TOrvDateList::AsDateStrings() const
{
    return AsStrings(DateToText);
}

QStringList TOrvDateList::AsDateTimeStrings() const
{
    return AsStrings(DateTimeToText);
}

} // namespace orv
