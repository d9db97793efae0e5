#include <orvkit/controls/OrvkitComboRules.h>

#include <orvkit/core/OrvkitConvert.h>

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

constexpr int32_t kSecondsPerDay = 86400;

} // namespace

int DropDownListWidth(const TOrvDropDownGeometry& g)
{
    if (g.AutoWidth) {
        const int64_t wanted = int64_t(g.MaxItemWidth) + (g.ScrollBarNeeded ? g.ScrollBarWidth : 0);
        return wanted > g.ControlWidth ? int(std::min<int64_t>(wanted, INT32_MAX)) : 0;
    }
    return g.DropDownWidth > g.ControlWidth ? g.DropDownWidth : 0;
}

int32_t TimeSeconds(TDateTime time)
{
    if (!std::isfinite(time) || time <= 0)
        return 0;
    if (time >= 1)
        return kSecondsPerDay;
    return int32_t(std::lround(time * kSecondsPerDay));
}

TDateTime TOrvTimeList::ItemTime(int32_t index) const
{
    return double(ItemSeconds(index)) / kSecondsPerDay;
}

int32_t TOrvTimeList::Nearest(TDateTime time) const
{
    if (Count <= 0)
        return -1;
    const int32_t seconds = TimeSeconds(time);
    if (seconds <= First)
        return 0;
    const int32_t offset = seconds - First;
    int32_t index = offset / Step;
    const int32_t rest = offset % Step;
    if (2 * rest > Step || (2 * rest == Step && index % 2 == 1))
        ++index;
    return std::min(index, Count - 1);
}

TOrvTimeList MakeTimeList(TDateTime startTime, TDateTime endTime, int32_t intervalMinutes)
{
    TOrvTimeList list;
    list.Step = std::max(intervalMinutes, 1) * 60;
    // The last second of the day is the latest time a list can hold.
    const int32_t start = std::min(TimeSeconds(startTime), kSecondsPerDay - 1);
    const int32_t end = std::min(TimeSeconds(endTime), kSecondsPerDay - 1);
    list.First = (start + list.Step - 1) / list.Step * list.Step;
    const int32_t last = end / list.Step * list.Step;
    list.Count = last >= list.First ? (last - list.First) / list.Step + 1 : 0;
    return list;
}

int32_t FindByPrefix(const QStringList& names, const QString& text)
{
    const QString wanted = LocaleUpperText(text);
    for (qsizetype i = 0; i < names.size(); ++i)
        if (LeftChars(LocaleUpperText(names[i]), int(wanted.size())) == wanted)
            return int32_t(i + 1);
    return 0;
}

} // namespace orv
