#pragma once

#include <orvkit/calendar/OrvkitCalGrid.h>
#include <orvkit/framework/OrvkitPanels.h>

#include <array>
#include <optional>

namespace orv {

inline namespace CalPanelEnums {
Q_NAMESPACE

enum TOrvCalFrameStyle { ecfsNone, ecfsNormal, ecfsSimple };
Q_ENUM_NS(TOrvCalFrameStyle)
} // namespace CalPanelEnums

/// A self-painted month grid: an optional week-number column, a heading row of short
/// day names and NoDisplayWeeks week rows with the tail of the previous month and the
/// start of the next. Arrow keys and clicks move the current date, Ctrl+click picks or
/// unpicks it, and the hint names the cell under the mouse. Every change of the date
/// goes through SetDate, which fires OnDateChange and then dateChanged(). Date is the
/// value a data mapper or an item delegate binds, as a date-time number.
class TOrvCalPanel : public TOrvCustomPanel {
    Q_OBJECT
    Q_PROPERTY(double Date READ Date WRITE SetDate NOTIFY dateChanged STORED false USER true)
    Q_PROPERTY(ushort Day READ Day WRITE SetDay STORED false)
    Q_PROPERTY(ushort Month READ Month WRITE SetMonth STORED false)
    Q_PROPERTY(ushort Year READ Year WRITE SetYear STORED false)
    Q_PROPERTY(int WeekNo READ WeekNo WRITE SetWeekNo STORED false)
    Q_PROPERTY(int ISOWeekNo READ ISOWeekNo WRITE SetISOWeekNo STORED false)
    Q_PROPERTY(int ISOWeekNoYear READ ISOWeekNoYear WRITE SetISOWeekNoYear STORED false)
    Q_PROPERTY(bool ISOMode READ ISOMode WRITE SetISOMode)
    Q_PROPERTY(bool HideWeekNos READ HideWeekNos WRITE SetHideWeekNos)
    Q_PROPERTY(int NoDisplayWeeks READ NoDisplayWeeks WRITE SetNoDisplayWeeks)
    Q_PROPERTY(bool AlwaysShowCurrent READ AlwaysShowCurrent WRITE SetAlwaysShowCurrent)
    Q_PROPERTY(orv::TOrvDOWSet WeekEndDays READ WeekEndDays WRITE SetWeekEndDays)
    Q_PROPERTY(bool HintOnlyWorkDays READ HintOnlyWorkDays WRITE SetHintOnlyWorkDays)
    Q_PROPERTY(bool HintOnlyNonWorkDays READ HintOnlyNonWorkDays WRITE SetHintOnlyNonWorkDays)
    Q_PROPERTY(bool UseHTMLinHints READ UseHTMLinHints WRITE SetUseHTMLinHints)
    Q_PROPERTY(bool InclWorkInHint READ InclWorkInHint WRITE SetInclWorkInHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(orv::CalPanelEnums::TOrvCalFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(int FrameWidth READ FrameWidth WRITE SetFrameWidth)
    Q_PROPERTY(bool Color_Defaults READ Color_Defaults WRITE SetColor_Defaults)
    Q_PROPERTY(int ColorFrame READ ColorFrame WRITE SetColorFrame)
    Q_PROPERTY(int ColorFrameFocused READ ColorFrameFocused WRITE SetColorFrameFocused)
    Q_PROPERTY(int ColorDay READ ColorDay WRITE SetColorDay)
    Q_PROPERTY(int ColorWeekEnd READ ColorWeekEnd WRITE SetColorWeekEnd)
    Q_PROPERTY(int ColorSpecial READ ColorSpecial WRITE SetColorSpecial)
    Q_PROPERTY(int ColorSpecialFont READ ColorSpecialFont WRITE SetColorSpecialFont)
    Q_PROPERTY(int ColorDateList READ ColorDateList WRITE SetColorDateList)
    Q_PROPERTY(int ColorDateListFont READ ColorDateListFont WRITE SetColorDateListFont)
    Q_PROPERTY(int ColorUnavailable READ ColorUnavailable WRITE SetColorUnavailable)
    Q_PROPERTY(int ColorUnavailableFont READ ColorUnavailableFont WRITE SetColorUnavailableFont)
    Q_PROPERTY(int ColorWeekNo READ ColorWeekNo WRITE SetColorWeekNo)
    Q_PROPERTY(int ColorWeekNoFont READ ColorWeekNoFont WRITE SetColorWeekNoFont)
    Q_PROPERTY(int ColorDayFont READ ColorDayFont WRITE SetColorDayFont)
    Q_PROPERTY(int ColorHeadingFont READ ColorHeadingFont WRITE SetColorHeadingFont)
    Q_PROPERTY(int ColorOtherMonth READ ColorOtherMonth WRITE SetColorOtherMonth)
    Q_PROPERTY(int ColorSelected READ ColorSelected WRITE SetColorSelected)
    Q_PROPERTY(int ColorSelFont READ ColorSelFont WRITE SetColorSelFont)
    Q_PROPERTY(int ColorLine READ ColorLine WRITE SetColorLine)
public:
    explicit TOrvCalPanel(QWidget* parent = nullptr);

    /// The colours a new panel starts with, indexed by TOrvCalColor.
    static const std::array<TColor, CalColorCount>& DefaultColors();

    TDateTime Date() const { return fGrid.Date(); }
    /// Nothing happens for a value on the current day (or outside the date range);
    /// otherwise the whole day is kept, the grid repainted and OnDateChange fired.
    void SetDate(TDateTime value);
    uint16_t Day() const { return fGrid.Day(); }
    uint16_t Month() const { return fGrid.Month(); }
    uint16_t Year() const { return fGrid.Year(); }
    /// Clamped to the current month's length (and to 1 from below).
    void SetDay(uint16_t value);
    /// Keeps the day, clamped to the new month's length; a month outside 1..12 is ignored.
    void SetMonth(uint16_t value);
    /// Keeps the day, clamped to the month's length; a year outside 1..9999 is ignored.
    void SetYear(uint16_t value);
    int WeekNo() const;
    /// Goes to the week's Sunday in the current year (its Monday in ISO mode).
    void SetWeekNo(int value);
    int ISOWeekNo() const;
    int ISOWeekNoYear() const;
    /// Go to the Monday of the ISO week and week-year.
    void SetISOWeekNo(int value);
    void SetISOWeekNoYear(int value);

    bool ISOMode() const { return fGrid.ISOMode(); }
    void SetISOMode(bool value);
    bool HideWeekNos() const { return fHideWeekNos; }
    void SetHideWeekNos(bool value);
    int NoDisplayWeeks() const { return fGrid.Rows(); }
    /// Values of 3 or less, and above 53, are ignored.
    void SetNoDisplayWeeks(int value);
    bool AlwaysShowCurrent() const { return fGrid.AlwaysShowCurrent(); }
    void SetAlwaysShowCurrent(bool value);
    TOrvDOWSet WeekEndDays() const { return fGrid.WeekEndDays(); }
    void SetWeekEndDays(TOrvDOWSet value);
    bool HintOnlyWorkDays() const { return fGrid.HintOnlyWorkDays(); }
    void SetHintOnlyWorkDays(bool value);
    bool HintOnlyNonWorkDays() const { return fGrid.HintOnlyNonWorkDays(); }
    void SetHintOnlyNonWorkDays(bool value);
    bool UseHTMLinHints() const { return fGrid.UseHTMLinHints(); }
    void SetUseHTMLinHints(bool value);
    bool InclWorkInHint() const { return fGrid.InclWorkInHint(); }
    void SetInclWorkInHint(bool value);
    /// Whether the hint shows as a tool tip.
    bool ShowHint() const { return fShowHint; }
    void SetShowHint(bool value);
    TOrvCalFrameStyle FrameStyle() const { return fFrameStyle; }
    void SetFrameStyle(TOrvCalFrameStyle value);
    int FrameWidth() const { return fFrameWidth; }
    /// Negative widths are ignored.
    void SetFrameWidth(int value);

    /// Whether every colour is at its default; setting it resets them all.
    bool Color_Defaults() const { return fColors == DefaultColors(); }
    void SetColor_Defaults(bool value);
    TColor CalColor(TOrvCalColor role) const { return fColors[role]; }
    void SetCalColor(TOrvCalColor role, TColor value);

    // The property ColorX stands for the role eccX.
#define ORVKIT_CAL_COLOR_PROPERTY(Role)                                                            \
    TColor Color##Role() const { return CalColor(ecc##Role); }                                     \
    void SetColor##Role(TColor value) { SetCalColor(ecc##Role, value); }
    ORVKIT_CAL_COLOR_PROPERTY(Frame)
    ORVKIT_CAL_COLOR_PROPERTY(FrameFocused)
    ORVKIT_CAL_COLOR_PROPERTY(Day)
    ORVKIT_CAL_COLOR_PROPERTY(WeekEnd)
    ORVKIT_CAL_COLOR_PROPERTY(Special)
    ORVKIT_CAL_COLOR_PROPERTY(SpecialFont)
    ORVKIT_CAL_COLOR_PROPERTY(DateList)
    ORVKIT_CAL_COLOR_PROPERTY(DateListFont)
    ORVKIT_CAL_COLOR_PROPERTY(Unavailable)
    ORVKIT_CAL_COLOR_PROPERTY(UnavailableFont)
    ORVKIT_CAL_COLOR_PROPERTY(WeekNo)
    ORVKIT_CAL_COLOR_PROPERTY(WeekNoFont)
    ORVKIT_CAL_COLOR_PROPERTY(DayFont)
    ORVKIT_CAL_COLOR_PROPERTY(HeadingFont)
    ORVKIT_CAL_COLOR_PROPERTY(OtherMonth)
    ORVKIT_CAL_COLOR_PROPERTY(Selected)
    ORVKIT_CAL_COLOR_PROPERTY(SelFont)
    ORVKIT_CAL_COLOR_PROPERTY(Line)
#undef ORVKIT_CAL_COLOR_PROPERTY

    /// The days the user picked (Ctrl+click toggles the current day). Call Invalidate
    /// after changing the list from outside.
    TOrvDateList& PickedDates() { return fGrid.PickedDates(); }
    const TOrvDateList& PickedDates() const { return fGrid.PickedDates(); }
    /// The days that cannot be picked.
    TOrvDateList& UnavailableDates() { return fGrid.UnavailableDates(); }
    const TOrvDateList& UnavailableDates() const { return fGrid.UnavailableDates(); }
    const TOrvHolidayList& Holidays() const { return fGrid.Holidays(); }
    /// Takes a copy of the list, sorted by date, and repaints.
    void SetHolidays(const TOrvHolidayList& value);

    void Today();
    void NextDay();
    void PrevDay();
    void NextWeek();
    void PrevWeek();
    /// A month on or back, the day clamped to the month's length.
    void NextMonth();
    void PrevMonth();
    /// 1 January and 31 December of the current year.
    void YearStart();
    void YearEnd();
    /// The description of the holiday on the current date (empty when none) and its
    /// non-working flag.
    QString SpecialDesc(bool& nonWork) const;

    /// The hint for the last place of the mouse; empty outside the cells.
    const QString& Hint() const { return fHint; }
    /// Where the cells lie at the panel's present size.
    TOrvCalGeometry Geometry() const;
    const TOrvCalGrid& Grid() const { return fGrid; }

    TNotifyEvent OnDateChange;
    /// A left press and release on the panel (not the second of a double click).
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    // OnMouseDown comes after the panel's own handling of the press: the date has moved,
    // the focus is here.

signals:
    /// Right after OnDateChange, never while loading.
    void dateChanged(double date);
    /// Right after OnClick.
    void clicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void EnabledChanged() override { Invalidate(); }
    void MouseLeave() override;

private:
    /// Replaces the hint when the text under `point` differs, hiding a showing tool tip.
    void UpdateHint(QPoint point);
    /// What a press does, the second of a double click (ssDouble) included.
    void MouseDown(const QMouseEvent& e, TShiftState extra);
    void ApplyToolTip();
    template <class T>
    void SetAndRepaint(T& field, T value);
    template <class T, class Setter>
    void SetGridOption(T (TOrvCalGrid::*getter)() const, Setter setter, T value);

    void PaintFrame(QPainter& canvas) const;
    void PaintWeekNumbers(QPainter& canvas, const TOrvCalGeometry& g) const;
    void PaintHeading(QPainter& canvas, const TOrvCalGeometry& g) const;
    void PaintDays(QPainter& canvas, const TOrvCalGeometry& g) const;
    void PaintLines(QPainter& canvas, const TOrvCalGeometry& g) const;
    /// Text centred on one line in the cell.
    void PaintCell(QPainter& canvas, const QRect& cell, TOrvCalColor background, TOrvCalColor font,
                   const QString& text) const;
    static void PaintCellText(QPainter& canvas, const QRect& cell, const QString& text, const QColor& color);
    QColor PaintColor(TOrvCalColor role) const;
    /// A text colour at its default is drawn readable on the cell's background.
    QColor TextColor(TOrvCalColor font, const QColor& background) const;

    /// Pixels kept free round a cell's text.
    static constexpr int kCellTextMargin = 2;

    TOrvCalGrid fGrid;
    std::array<TColor, CalColorCount> fColors;
    QString fHint;
    /// Where the mouse last moved or pressed inside the panel.
    std::optional<QPoint> fMousePos;
    TOrvCalFrameStyle fFrameStyle = ecfsNormal;
    int fFrameWidth = 1;
    bool fHideWeekNos = false;
    bool fShowHint = true;
    /// A left press that a release inside the panel turns into a click.
    bool fClickPending = false;
};

} // namespace orv

Q_DECLARE_METATYPE(orv::TOrvDOWSet)
