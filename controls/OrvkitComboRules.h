#pragma once

#include <orvkit/core/OrvkitGlobals.h>

#include <QString>
#include <QStringList>
#include <cstdint>

namespace orv {

// The rules of the combo boxes that need no window.

/// What the width of a combo box's opened list depends on.
struct TOrvDropDownGeometry {
    bool AutoWidth = false;
    /// The widest item's text width plus 8.
    int MaxItemWidth = 0;
    int ScrollBarWidth = 0;
    /// More items than the list shows at once.
    bool ScrollBarNeeded = false;
    int DropDownWidth = 0;
    int ControlWidth = 0;
};
/// The width the list opens with when it must be wider than the control, else 0.
int DropDownListWidth(const TOrvDropDownGeometry& geometry);

/// The times of a time list, in whole seconds of the day: the multiples of the interval
/// from midnight that lie between the first and last time, both included. The times are
/// taken to the nearest second and kept within the day.
struct TOrvTimeList {
    int32_t First = 0; ///< seconds of the first item
    int32_t Step = 900;
    int32_t Count = 0;

    int32_t ItemSeconds(int32_t index) const { return First + index * Step; }
    TDateTime ItemTime(int32_t index) const;
    /// The listed item nearest to the time (a half rounds to the even index); -1 for an
    /// empty list.
    int32_t Nearest(TDateTime time) const;
};
TOrvTimeList MakeTimeList(TDateTime startTime, TDateTime endTime, int32_t intervalMinutes);
/// A time of day in whole seconds, 0..86400; not a number counts as 0.
int32_t TimeSeconds(TDateTime time);

/// The first entry (1-based) whose name begins with the text, letter case ignored (accented
/// letters too); 0 when none does. `names` holds the entries 1..N.
int32_t FindByPrefix(const QStringList& names, const QString& text);

} // namespace orv
