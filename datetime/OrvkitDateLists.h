#pragma once

#include <orvkit/core/OrvkitGlobals.h>

#include <QStringList>
#include <vector>

namespace orv {

/// A growable list of dates: the days a user picked on a calendar, or the days that cannot
/// be picked. Out-of-range indexes are ignored and read as 0.
class TOrvDateList {
public:
    /// Empty, with room for 10 dates.
    TOrvDateList();

    /// Copies the dates of `source`, with room for its count + 10.
    void Assign(const TOrvDateList& source);

    int Count() const { return fNo + 1; }
    /// Index of the last used entry; -1 when empty.
    int No() const { return fNo; }
    /// Slots allocated; one spare slot always remains after the last entry.
    int Capacity() const { return static_cast<int>(fDates.size()); }

    /// 0 outside 0..Count()-1.
    TDateTime GetItem(int index) const;
    /// Ignored outside 0..Count()-1.
    void SetItem(int index, TDateTime value);
    void Append(TDateTime value);
    /// Appends only when no entry lies on the same day.
    void AppendUnique(TDateTime value);
    /// Ignored unless 0 <= index <= No(); the entries from `index` on move up one.
    void Insert(int index, TDateTime value);
    /// Ignored outside the range; the entries after `index` move down one.
    void Delete(int index);
    /// Ascending; ties keep no particular order.
    void Sort();
    /// Index of the first entry on the same whole day as `value`, else -1.
    int FindDate(TDateTime value) const;

    /// DateToText of every entry.
    QStringList AsDateStrings() const;
    /// DateTimeToText of every entry.
    QStringList AsDateTimeStrings() const;

private:
    bool InRange(int index) const { return index >= 0 && index <= fNo; }
    /// Raises the count by one, growing the storage by 10 when the last slot is reached.
    void Grow();
    QStringList AsStrings(QString (*format)(TDateTime)) const;

    std::vector<TDateTime> fDates;
    int fNo = -1;
};

} // namespace orv
