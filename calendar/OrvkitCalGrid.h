#pragma once

#include <orvkit/core/OrvkitGlobals.h>
#include <orvkit/datetime/OrvkitDateLists.h>
#include <orvkit/datetime/OrvkitHolidays.h>

#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <initializer_list>

namespace orv {

inline namespace CalDayEnums {
Q_NAMESPACE

enum TOrvDayOfWeek { dowSunday, dowMonday, dowTuesday, dowWednesday, dowThursday, dowFriday, dowSaturday };
Q_ENUM_NS(TOrvDayOfWeek)
} // namespace CalDayEnums

/// A set of weekdays, bit 0 Sunday ... bit 6 Saturday. Not a Q_FLAG: the weekdays are
/// numbers, not masks, and Qt's flags would need a mask enumeration and a QFlags type.
class TOrvDOWSet {
public:
    constexpr TOrvDOWSet() = default;
    constexpr TOrvDOWSet(std::initializer_list<TOrvDayOfWeek> days)
    {
        for (const TOrvDayOfWeek day : days)
            fBits = uint8_t(fBits | Bit(day));
    }
    /// Bits above Saturday are dropped.
    static constexpr TOrvDOWSet FromBits(unsigned bits)
    {
        TOrvDOWSet set;
        set.fBits = uint8_t(bits & 0x7Fu);
        return set;
    }
    constexpr uint8_t Bits() const { return fBits; }
    constexpr bool Contains(TOrvDayOfWeek day) const { return (fBits & Bit(day)) != 0; }
    /// By day number, 1 = Sunday ... 7 = Saturday; false outside 1..7.
    constexpr bool ContainsHostDay(unsigned hostDay) const
    {
        return hostDay >= 1 && hostDay <= 7 && (fBits & (1u << (hostDay - 1))) != 0;
    }
    friend constexpr bool operator==(TOrvDOWSet, TOrvDOWSet) = default;

private:
    static constexpr uint8_t Bit(TOrvDayOfWeek day) { return uint8_t(1u << (unsigned(day) & 7u)); }
    uint8_t fBits = 0;
};

inline namespace CalColorEnums {
Q_NAMESPACE

/// The calendar's colour roles, in the order of its colour properties.
enum TOrvCalColor {
    eccFrame,
    eccFrameFocused,
    eccDay,
    eccWeekEnd,
    eccSpecial,
    eccSpecialFont,
    eccDateList,
    eccDateListFont,
    eccUnavailable,
    eccUnavailableFont,
    eccWeekNo,
    eccWeekNoFont,
    eccDayFont,
    eccHeadingFont,
    eccOtherMonth,
    eccSelected,
    eccSelFont,
    eccLine,
};
Q_ENUM_NS(TOrvCalColor)
} // namespace CalColorEnums
inline constexpr int CalColorCount = eccLine + 1;

inline namespace CalMessageEnums {
Q_NAMESPACE

/// The calendar's texts.
enum TOrvCalMessage {
    ecmWeekNoHeading, ///< "WNo"
    ecmWeekNumber,    ///< "Week Number"
    ecmDayOfWeek,     ///< "Day of Week"
    ecmPrevMonth,     ///< "Previous Month"
    ecmNextMonth,     ///< "Next Month"
    ecmNonWorkDay,    ///< "Non-Work Day"
    ecmWorkDay,       ///< "Work Day"
};
Q_ENUM_NS(TOrvCalMessage)
} // namespace CalMessageEnums
QString CalMessageText(TOrvCalMessage message);

inline namespace CalHitEnums {
Q_NAMESPACE

/// What lies under a point of the grid.
enum TOrvCalHitKind { echNone, echWeekNo, echHeading, echDay };
Q_ENUM_NS(TOrvCalHitKind)
} // namespace CalHitEnums
struct TOrvCalHit {
    TOrvCalHitKind Kind = echNone;
    /// echWeekNo: the row (0 the heading); echHeading: the day column 0..6;
    /// echDay: the day cell's index, 0 top-left, row by row.
    int Index = -1;
    friend bool operator==(const TOrvCalHit&, const TOrvCalHit&) = default;
};

/// Where the cells lie: an optional week-number column and seven day columns, a heading
/// row and `Rows` week rows, centred in the client area with at least 2 pixels round.
struct TOrvCalGeometry {
    int CellWidth = 30;
    int CellHeight = 22;
    int HorzMargin = 2;
    int VertMargin = 2;
    /// 1 when the week-number column is shown, else 0.
    int WeekNoCol = 1;
    int Rows = 6;

    /// The cells for a client area of `width` x `height`.
    static TOrvCalGeometry Fit(int width, int height, int rows, bool weekNos);
    int Columns() const { return 7 + WeekNoCol; }
    /// Column 0 is the week-number column when shown; row 0 is the heading.
    QRect CellRect(int column, int row) const;
    QRect DayCellRect(int index) const { return CellRect(WeekNoCol + index % 7, 1 + index / 7); }
    /// The whole grid, heading and week numbers included.
    QRect GridRect() const;
    TOrvCalHit HitTest(QPoint point) const;
};

/// The month the calendar shows and what marks its days: the date arithmetic and the
/// choice of texts and colours, without painting. Holds the picked, unavailable and
/// holiday lists.
class TOrvCalGrid {
public:
    TOrvCalGrid();

    TDateTime Date() const { return fDate; }
    /// Keeps the whole day; false, with nothing changed, for the current day, NaN or a
    /// value outside 0001-01-01..9999-12-31.
    bool SetDate(TDateTime value);
    uint16_t Day() const { return fDay; }
    uint16_t Month() const { return fMonth; }
    uint16_t Year() const { return fYear; }

    bool ISOMode() const { return fISOMode; }
    void SetISOMode(bool value);
    /// Week rows; values of 3 or less, and above 53, are ignored.
    int Rows() const { return fRows; }
    bool SetRows(int value);

    TOrvDOWSet WeekEndDays() const { return fWeekEndDays; }
    void SetWeekEndDays(TOrvDOWSet value) { fWeekEndDays = value; }
    bool AlwaysShowCurrent() const { return fAlwaysShowCurrent; }
    void SetAlwaysShowCurrent(bool value) { fAlwaysShowCurrent = value; }
    /// Working-day holidays are not marked.
    bool HintOnlyWorkDays() const { return fHintOnlyWorkDays; }
    void SetHintOnlyWorkDays(bool value) { fHintOnlyWorkDays = value; }
    /// Non-working holidays are not marked.
    bool HintOnlyNonWorkDays() const { return fHintOnlyNonWorkDays; }
    void SetHintOnlyNonWorkDays(bool value) { fHintOnlyNonWorkDays = value; }
    bool UseHTMLinHints() const { return fUseHTMLinHints; }
    void SetUseHTMLinHints(bool value) { fUseHTMLinHints = value; }
    bool InclWorkInHint() const { return fInclWorkInHint; }
    void SetInclWorkInHint(bool value) { fInclWorkInHint = value; }

    TOrvDateList& PickedDates() { return fPicked; }
    const TOrvDateList& PickedDates() const { return fPicked; }
    TOrvDateList& UnavailableDates() { return fUnavailable; }
    const TOrvDateList& UnavailableDates() const { return fUnavailable; }
    const TOrvHolidayList& Holidays() const { return fHolidays; }
    /// Takes a copy, sorted by date.
    void SetHolidays(const TOrvHolidayList& value);

    // The month layout.
    /// How many days of the previous month lead the grid, as -1..-7.
    int DayOffset() const { return fOffset; }
    TDateTime TopLeftDate() const { return fTopLeft; }
    int DaysInMonth() const { return fDaysInMonth; }
    int DaysInPrevMonth() const { return fDaysInPrevMonth; }
    /// Weekday of the 1st: ISO number in ISO mode, else 1 = Sunday.
    int FirstWeekday() const { return fFirstWeekday; }
    int CellCount() const { return 7 * fRows; }

    /// 1 = Sunday ... 7 = Saturday for a day column 0..6 (Monday first in ISO mode).
    uint16_t ColumnHostDay(int column) const;
    bool ColumnIsWeekEnd(int column) const { return fWeekEndDays.ContainsHostDay(ColumnHostDay(column)); }
    /// The week number shown for week row 1..Rows (ISO weeks in ISO mode); 0 when the
    /// row's date lies outside the date range.
    int RowWeekNo(int row) const;
    /// The date of a day cell, days outside the month included.
    TDateTime CellDate(int index) const { return fTopLeft + index; }
    bool CellInMonth(int index) const;
    bool CellIsCurrent(int index) const { return fOffset + 1 + index == fDay; }

    struct TCellMarks {
        bool Special = false;
        bool Unavailable = false;
        bool Picked = false;
        /// The holiday marking the cell; none unless Special.
        const TOrvHolidayRec* Holiday = nullptr;
    };
    /// Holidays count only inside the month; the two date lists inside it and after it.
    TCellMarks CellMarks(int index) const;
    /// "<<<", ">>>" or the day number.
    QString CellText(int index) const;
    /// Background and text colour roles of a day cell.
    void CellColors(int index, TOrvCalColor& background, TOrvCalColor& font) const;

    /// The hint for a point of the grid; empty over none.
    QString HintFor(const TOrvCalHit& hit) const;
    /// The date a click on `hit` goes to: a month back or on from the first and the last
    /// cell, the cell's date on other day cells, the current date elsewhere.
    TDateTime ClickDate(const TOrvCalHit& hit) const;

    /// The holiday on the current date (deleted ones skipped), or none.
    const TOrvHolidayRec* CurrentHoliday() const;
    bool CurrentUnavailable() const { return fUnavailable.FindDate(fDate) >= 0; }
    /// Adds the current date to the picked list, or removes it when there.
    void TogglePicked();

private:
    void Relayout();
    /// The non-deleted holiday on `date` that passes the work-day filters, or none.
    const TOrvHolidayRec* MarkingHoliday(TDateTime date) const;
    const TOrvHolidayRec* HolidayOn(TDateTime date) const;

    TDateTime fDate = 0;
    uint16_t fDay = 0, fMonth = 0, fYear = 0;
    bool fISOMode = false;
    int fRows = 6;
    TOrvDOWSet fWeekEndDays{dowSunday, dowSaturday};
    bool fAlwaysShowCurrent = true;
    bool fHintOnlyWorkDays = false;
    bool fHintOnlyNonWorkDays = false;
    bool fUseHTMLinHints = false;
    bool fInclWorkInHint = false;

    int fOffset = -7;
    TDateTime fTopLeft = 0;
    int fDaysInMonth = 0;
    int fDaysInPrevMonth = 0;
    int fFirstWeekday = 1;

    TOrvDateList fPicked;
    TOrvDateList fUnavailable;
    TOrvHolidayList fHolidays;
};

/// Whether a whole day lies inside 0001-01-01..9999-12-31 (false for NaN).
bool InCalendarRange(TDateTime value);

} // namespace orv
