#include <orvkit/calendar/OrvkitCalGrid.h>

#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/datetime/OrvkitDateFormat.h>
#include <orvkit/datetime/OrvkitDateTime.h>

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace orv {

namespace {

constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("OrvkitCalPanel", "WNo"),
    QT_TRANSLATE_NOOP("OrvkitCalPanel", "Week Number"),
    QT_TRANSLATE_NOOP("OrvkitCalPanel", "Day of Week"),
    QT_TRANSLATE_NOOP("OrvkitCalPanel", "Previous Month"),
    QT_TRANSLATE_NOOP("OrvkitCalPanel", "Next Month"),
    QT_TRANSLATE_NOOP("OrvkitCalPanel", "Non-Work Day"),
    QT_TRANSLATE_NOOP("OrvkitCalPanel", "Work Day"),
};

constexpr int kMinRows = 4;
// A grid taller than a year of weeks shows nothing useful and only invites overflow.
constexpr int kMaxRows = 53;

/// Runs a month step that raises at the ends of the date range; the current date then.
template <class Step>
TDateTime MonthStep(TDateTime date, Step step)
{
    try {
        return step(date);
    } catch (const EConvertError&) {
        return date;
    }
}

} // namespace

QString CalMessageText(TOrvCalMessage message)
{
    return QCoreApplication::translate("OrvkitCalPanel", kTexts[message]);
}

bool InCalendarRange(TDateTime value)
{
    return value >= double(MinDateDay) && value < double(MaxDateDay) + 1.0;
}

TOrvCalGeometry TOrvCalGeometry::Fit(int width, int height, int rows, bool weekNos)
{
    TOrvCalGeometry g;
    g.WeekNoCol = weekNos ? 1 : 0;
    g.Rows = rows;
    const int cols = g.Columns();
    const int innerWidth = std::max(0, width - 4);
    g.CellWidth = innerWidth / cols;
    g.HorzMargin = (innerWidth % cols + 4) / 2;
    g.CellHeight = std::max(0, height - 4) / (rows + 1);
    g.VertMargin = (std::max(0, height) - g.CellHeight * (rows + 1)) / 2;
    return g;
}

QRect TOrvCalGeometry::CellRect(int column, int row) const
{
    return QRect(HorzMargin + column * CellWidth, VertMargin + row * CellHeight, CellWidth, CellHeight);
}

QRect TOrvCalGeometry::GridRect() const
{
    return QRect(HorzMargin, VertMargin, Columns() * CellWidth, (Rows + 1) * CellHeight);
}

TOrvCalHit TOrvCalGeometry::HitTest(QPoint point) const
{
    if (CellWidth <= 0 || CellHeight <= 0 || !GridRect().contains(point))
        return {};
    const int column = (point.x() - HorzMargin) / CellWidth;
    const int row = (point.y() - VertMargin) / CellHeight;
    if (column < WeekNoCol)
        return {echWeekNo, row};
    if (row == 0)
        return {echHeading, column - WeekNoCol};
    return {echDay, (row - 1) * 7 + column - WeekNoCol};
}

TOrvCalGrid::TOrvCalGrid()
{
    const TDateTime today = std::trunc(TodayDate());
    fDate = InCalendarRange(today) ? today : 0;
    Relayout();
}

bool TOrvCalGrid::SetDate(TDateTime value)
{
    if (!InCalendarRange(value))
        return false;
    const TDateTime day = std::trunc(value);
    if (day == fDate)
        return false;
    fDate = day;
    Relayout();
    return true;
}

void TOrvCalGrid::SetISOMode(bool value)
{
    if (value == fISOMode)
        return;
    fISOMode = value;
    Relayout();
}

bool TOrvCalGrid::SetRows(int value)
{
    if (value < kMinRows || value > kMaxRows || value == fRows)
        return false;
    fRows = value;
    return true;
}

void TOrvCalGrid::SetHolidays(const TOrvHolidayList& value)
{
    fHolidays = value;
    SortHolidays(fHolidays);
}

void TOrvCalGrid::Relayout()
{
    SplitDate(fDate, fYear, fMonth, fDay);
    const TDateTime first = MakeDate(fYear, fMonth, 1);
    fFirstWeekday = fISOMode ? ISODayOfWeek(first) : DateDayOfWeek(first);
    // The grid always opens with one to seven days of the previous month.
    fOffset = fFirstWeekday == 1 ? -7 : -(fFirstWeekday - 1);
    fTopLeft = first + fOffset;
    fDaysInMonth = DaysInMonthOf(fMonth, fYear);
    fDaysInPrevMonth = fMonth == 1 ? 31 : DaysInMonthOf(uint16_t(fMonth - 1), fYear);
}

uint16_t TOrvCalGrid::ColumnHostDay(int column) const
{
    const auto day = uint16_t(std::clamp(column, 0, 6) + 1);
    return fISOMode ? ISOToHostDayOfWeek(day) : day;
}

int TOrvCalGrid::RowWeekNo(int row) const
{
    // The first two rows may begin in the previous year; their last day says the week.
    const TDateTime date = fTopLeft + 7 * (row - 1) + (row <= 2 ? 6 : 0);
    if (!InCalendarRange(date))
        return 0;
    if (!fISOMode)
        return WeekNumber(date);
    uint16_t week = 0, year = 0;
    ISOWeekNumber(date, week, year);
    return week;
}

bool TOrvCalGrid::CellInMonth(int index) const
{
    const int i = fOffset + 1 + index;
    return i >= 1 && i <= fDaysInMonth;
}

TOrvCalGrid::TCellMarks TOrvCalGrid::CellMarks(int index) const
{
    TCellMarks marks;
    const int i = fOffset + 1 + index;
    if (i <= 0)
        return marks;
    const TDateTime date = CellDate(index);
    if (i <= fDaysInMonth) {
        marks.Holiday = MarkingHoliday(date);
        marks.Special = marks.Holiday != nullptr;
    }
    marks.Unavailable = fUnavailable.FindDate(date) >= 0;
    marks.Picked = fPicked.FindDate(date) >= 0;
    return marks;
}

QString TOrvCalGrid::CellText(int index) const
{
    if (index == 0)
        return QStringLiteral("<<<");
    if (index == CellCount() - 1)
        return QStringLiteral(">>>");
    const int i = fOffset + 1 + index;
    if (i <= 0)
        return QString::number(fDaysInPrevMonth + i);
    if (i > fDaysInMonth)
        return QString::number(i - fDaysInMonth);
    return QString::number(i);
}

void TOrvCalGrid::CellColors(int index, TOrvCalColor& background, TOrvCalColor& font) const
{
    const TCellMarks marks = CellMarks(index);
    if (index == 0 || index == CellCount() - 1)
        font = eccDayFont;
    else if (!CellInMonth(index))
        font = eccOtherMonth;
    else if (marks.Special)
        font = eccSpecialFont;
    else if (marks.Unavailable)
        font = eccUnavailableFont;
    else if (marks.Picked)
        font = eccDateListFont;
    else
        font = eccDayFont;

    if (marks.Special)
        background = eccSpecial;
    else if (marks.Unavailable)
        background = eccUnavailable;
    else if (marks.Picked)
        background = eccDateList;
    else
        background = ColumnIsWeekEnd(index % 7) ? eccWeekEnd : eccDay;

    const bool marked = marks.Special || marks.Unavailable || marks.Picked;
    if (CellIsCurrent(index) && (fAlwaysShowCurrent || !marked)) {
        background = eccSelected;
        font = eccSelFont;
    }
}

QString TOrvCalGrid::HintFor(const TOrvCalHit& hit) const
{
    switch (hit.Kind) {
    case echNone:
        return {};
    case echWeekNo:
        return CalMessageText(ecmWeekNumber);
    case echHeading:
        return CalMessageText(ecmDayOfWeek);
    case echDay:
        break;
    }
    if (hit.Index < 0 || hit.Index >= CellCount())
        return {};
    if (hit.Index == 0)
        return CalMessageText(ecmPrevMonth);
    if (hit.Index == CellCount() - 1)
        return CalMessageText(ecmNextMonth);
    const TDateTime date = CellDate(hit.Index);
    if (!InCalendarRange(date))
        return {};
    QString hint = DateToText(date);
    const TCellMarks marks = CellMarks(hit.Index);
    if (!marks.Holiday)
        return hint;
    const QString separator = fUseHTMLinHints ? QStringLiteral("<br>") : QStringLiteral("\n");
    // A description is data, not markup: escape it when the hint is read as HTML.
    hint += separator + (fUseHTMLinHints ? marks.Holiday->Desc.toHtmlEscaped() : marks.Holiday->Desc);
    if (fInclWorkInHint)
        hint += separator + CalMessageText(marks.Holiday->NonWorkingDay ? ecmNonWorkDay : ecmWorkDay);
    return hint;
}

TDateTime TOrvCalGrid::ClickDate(const TOrvCalHit& hit) const
{
    if (hit.Kind != echDay || hit.Index < 0 || hit.Index >= CellCount())
        return fDate;
    if (hit.Index == 0)
        return MonthStep(fDate, [](TDateTime d) { return DateSubMonths(d, 1); });
    if (hit.Index == CellCount() - 1)
        return MonthStep(fDate, [](TDateTime d) { return DateAddMonths(d, 1); });
    const TDateTime date = CellDate(hit.Index);
    return InCalendarRange(date) ? date : fDate;
}

const TOrvHolidayRec* TOrvCalGrid::HolidayOn(TDateTime date) const
{
    bool nonWork = false;
    const int found = FindHoliday(fHolidays, date, nonWork);
    if (found < 0)
        return nullptr;
    // A deleted record may sit beside a live one for the same day.
    auto first = fHolidays.begin() + found;
    while (first != fHolidays.begin() && SameDate((first - 1)->HolDate, date))
        --first;
    for (auto it = first; it != fHolidays.end() && SameDate(it->HolDate, date); ++it)
        if (!it->Deleted)
            return &*it;
    return nullptr;
}

const TOrvHolidayRec* TOrvCalGrid::MarkingHoliday(TDateTime date) const
{
    const TOrvHolidayRec* holiday = HolidayOn(date);
    if (!holiday)
        return nullptr;
    if (fHintOnlyWorkDays && !holiday->NonWorkingDay)
        return nullptr;
    if (fHintOnlyNonWorkDays && holiday->NonWorkingDay)
        return nullptr;
    return holiday;
}

const TOrvHolidayRec* TOrvCalGrid::CurrentHoliday() const
{
    return HolidayOn(fDate);
}

void TOrvCalGrid::TogglePicked()
{
    const int index = fPicked.FindDate(fDate);
    if (index >= 0)
        fPicked.Delete(index);
    else
        fPicked.Append(fDate);
}

} // namespace orv
