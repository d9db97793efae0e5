#include <orvkit/calendar/OrvkitCalPanel.h>

#include <orvkit/calendar/OrvkitCalAccessible.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/datetime/OrvkitDateTime.h>

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>
#include <QToolTip>
#include <algorithm>
#include <utility>

namespace orv {

const std::array<TColor, CalColorCount>& TOrvCalPanel::DefaultColors()
{
    static const std::array<TColor, CalColorCount> colors = [] {
        std::array<TColor, CalColorCount> c{};
        c[eccFrame] = clWindowFrame;
        c[eccFrameFocused] = clHighlight;
        c[eccDay] = clWindow;
        c[eccWeekEnd] = clInfoBk;
        c[eccSpecial] = 0x00808000;
        c[eccSpecialFont] = 0x00000000;
        c[eccDateList] = 0x00FFFF00;
        c[eccDateListFont] = 0x00000000;
        c[eccUnavailable] = clInactiveBorder;
        c[eccUnavailableFont] = clInactiveCaption;
        c[eccWeekNo] = 0x00FFFFF0;
        c[eccWeekNoFont] = clWindowText;
        c[eccDayFont] = clWindowText;
        c[eccHeadingFont] = clWindowText;
        c[eccOtherMonth] = clInactiveCaptionText;
        c[eccSelected] = clHighlight;
        c[eccSelFont] = clHighlightText;
        c[eccLine] = clWindowText;
        return c;
    }();
    return colors;
}

TOrvCalPanel::TOrvCalPanel(QWidget* parent) : TOrvCustomPanel(parent), fColors(DefaultColors())
{
    InstallCalAccessibleFactory();
    SetTabStop(true);
    setMouseTracking(true);
    setAutoFillBackground(true);
    resize(244, 158);
}

TOrvCalGeometry TOrvCalPanel::Geometry() const
{
    return TOrvCalGeometry::Fit(width(), height(), fGrid.Rows(), !fHideWeekNos);
}

void TOrvCalPanel::SetDate(TDateTime value)
{
    const uint16_t oldMonth = Month(), oldYear = Year();
    if (!fGrid.SetDate(value))
        return;
    update();
    // The cell under a resting mouse now holds another date.
    if (fMousePos)
        UpdateHint(*fMousePos);
    if (OnDateChange)
        OnDateChange(this);
    if (!Loading())
        emit dateChanged(Date());
    ReportCalDateChange(*this, Month() != oldMonth || Year() != oldYear);
}

void TOrvCalPanel::SetDay(uint16_t value)
{
    const auto day = std::clamp<uint16_t>(value, 1, uint16_t(fGrid.DaysInMonth()));
    SetDate(MakeDate(Year(), Month(), day));
}

void TOrvCalPanel::SetMonth(uint16_t value)
{
    if (value < 1 || value > 12)
        return;
    SetDate(MakeDate(Year(), value, std::min(Day(), DaysInMonthOf(value, Year()))));
}

void TOrvCalPanel::SetYear(uint16_t value)
{
    if (value < 1 || value > 9999)
        return;
    SetDate(MakeDate(value, Month(), std::min(Day(), DaysInMonthOf(Month(), value))));
}

int TOrvCalPanel::WeekNo() const
{
    return WeekNumber(Date());
}

void TOrvCalPanel::SetWeekNo(int value)
{
    if (value < 1 || value > 54)
        return;
    const TDateTime start = WeekNumberStart(uint16_t(value), Year());
    SetDate(ISOMode() ? start + 1 : start);
}

int TOrvCalPanel::ISOWeekNo() const
{
    uint16_t week = 0, year = 0;
    ISOWeekNumber(Date(), week, year);
    return week;
}

int TOrvCalPanel::ISOWeekNoYear() const
{
    uint16_t week = 0, year = 0;
    ISOWeekNumber(Date(), week, year);
    return year;
}

void TOrvCalPanel::SetISOWeekNo(int value)
{
    if (value < 1 || value > 53)
        return;
    SetDate(ISOWeekStart(uint16_t(value), uint16_t(ISOWeekNoYear())));
}

void TOrvCalPanel::SetISOWeekNoYear(int value)
{
    if (value < 1 || value > 9999)
        return;
    SetDate(ISOWeekStart(uint16_t(ISOWeekNo()), uint16_t(value)));
}

template <class T>
void TOrvCalPanel::SetAndRepaint(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    update();
}

template <class T, class Setter>
void TOrvCalPanel::SetGridOption(T (TOrvCalGrid::*getter)() const, Setter setter, T value)
{
    if ((fGrid.*getter)() == value)
        return;
    (fGrid.*setter)(value);
    update();
}

void TOrvCalPanel::SetISOMode(bool value)
{
    SetGridOption(&TOrvCalGrid::ISOMode, &TOrvCalGrid::SetISOMode, value);
}

void TOrvCalPanel::SetHideWeekNos(bool value)
{
    SetAndRepaint(fHideWeekNos, value);
}

void TOrvCalPanel::SetNoDisplayWeeks(int value)
{
    if (fGrid.SetRows(value))
        update();
}

void TOrvCalPanel::SetAlwaysShowCurrent(bool value)
{
    SetGridOption(&TOrvCalGrid::AlwaysShowCurrent, &TOrvCalGrid::SetAlwaysShowCurrent, value);
}

void TOrvCalPanel::SetWeekEndDays(TOrvDOWSet value)
{
    SetGridOption(&TOrvCalGrid::WeekEndDays, &TOrvCalGrid::SetWeekEndDays, value);
}

void TOrvCalPanel::SetHintOnlyWorkDays(bool value)
{
    SetGridOption(&TOrvCalGrid::HintOnlyWorkDays, &TOrvCalGrid::SetHintOnlyWorkDays, value);
}

void TOrvCalPanel::SetHintOnlyNonWorkDays(bool value)
{
    SetGridOption(&TOrvCalGrid::HintOnlyNonWorkDays, &TOrvCalGrid::SetHintOnlyNonWorkDays, value);
}

void TOrvCalPanel::SetUseHTMLinHints(bool value)
{
    SetGridOption(&TOrvCalGrid::UseHTMLinHints, &TOrvCalGrid::SetUseHTMLinHints, value);
}

void TOrvCalPanel::SetInclWorkInHint(bool value)
{
    SetGridOption(&TOrvCalGrid::InclWorkInHint, &TOrvCalGrid::SetInclWorkInHint, value);
}

void TOrvCalPanel::SetShowHint(bool value)
{
    if (value == fShowHint)
        return;
    fShowHint = value;
    ApplyToolTip();
}

void TOrvCalPanel::SetFrameStyle(TOrvCalFrameStyle value)
{
    SetAndRepaint(fFrameStyle, value);
}

void TOrvCalPanel::SetFrameWidth(int value)
{
    if (value >= 0)
        SetAndRepaint(fFrameWidth, value);
}

void TOrvCalPanel::SetColor_Defaults(bool value)
{
    if (!value || Color_Defaults())
        return;
    fColors = DefaultColors();
    update();
}

void TOrvCalPanel::SetCalColor(TOrvCalColor role, TColor value)
{
    SetAndRepaint(fColors[role], value);
}

void TOrvCalPanel::SetHolidays(const TOrvHolidayList& value)
{
    fGrid.SetHolidays(value);
    update();
}

void TOrvCalPanel::Today()
{
    SetDate(TodayDate());
}

void TOrvCalPanel::NextDay()
{
    SetDate(Date() + 1);
}

void TOrvCalPanel::PrevDay()
{
    SetDate(Date() - 1);
}

void TOrvCalPanel::NextWeek()
{
    SetDate(Date() + 7);
}

void TOrvCalPanel::PrevWeek()
{
    SetDate(Date() - 7);
}

void TOrvCalPanel::NextMonth()
{
    if (Year() < 9999 || Month() < 12)
        SetDate(DateAddWholeMonths(Date(), 1));
}

void TOrvCalPanel::PrevMonth()
{
    if (Year() > 1 || Month() > 1)
        SetDate(DateAddWholeMonths(Date(), -1));
}

void TOrvCalPanel::YearStart()
{
    SetDate(StartOfYearDate(Year()));
}

void TOrvCalPanel::YearEnd()
{
    SetDate(EndOfYearDate(Year()));
}

QString TOrvCalPanel::SpecialDesc(bool& nonWork) const
{
    const TOrvHolidayRec* holiday = fGrid.CurrentHoliday();
    nonWork = holiday && holiday->NonWorkingDay;
    return holiday ? holiday->Desc : QString();
}

void TOrvCalPanel::UpdateHint(QPoint point)
{
    const QString hint = fGrid.HintFor(Geometry().HitTest(point));
    if (hint == fHint)
        return;
    fHint = hint;
    if (QToolTip::isVisible())
        QToolTip::hideText();
    ApplyToolTip();
}

void TOrvCalPanel::ApplyToolTip()
{
    if (!fShowHint || fHint.isEmpty())
        setToolTip(QString());
    else if (UseHTMLinHints())
        setToolTip(fHint);
    else // keeps the line breaks, and a '<' in a description stays a character
        setToolTip(Qt::convertFromPlainText(fHint, Qt::WhiteSpacePre));
}

void TOrvCalPanel::mouseMoveEvent(QMouseEvent* e)
{
    TOrvCustomPanel::mouseMoveEvent(e);
    fMousePos = e->position().toPoint();
    UpdateHint(*fMousePos);
}

void TOrvCalPanel::MouseDown(const QMouseEvent& e, TShiftState extra)
{
    setFocus(Qt::MouseFocusReason);
    const QPoint point = e.position().toPoint();
    // A press need not follow a move (touch, synthetic input): the hint follows the press.
    fMousePos = point;
    UpdateHint(point);
    const TOrvCalHit hit = Geometry().HitTest(point);
    SetDate(fGrid.ClickDate(hit));
    if (hit.Kind == echDay && (e.modifiers() & Qt::ControlModifier) && !fGrid.CurrentUnavailable()) {
        fGrid.TogglePicked();
        update();
    }
    if (OnMouseDown)
        OnMouseDown(this, e.button(), ShiftStateOf(e.modifiers(), e.buttons()) | extra, point.x(), point.y());
}

void TOrvCalPanel::mousePressEvent(QMouseEvent* e)
{
    // The base would report the press before the date has moved.
    QFrame::mousePressEvent(e);
    fClickPending = e->button() == Qt::LeftButton;
    MouseDown(*e, {});
    e->accept();
}

void TOrvCalPanel::mouseReleaseEvent(QMouseEvent* e)
{
    TOrvCustomPanel::mouseReleaseEvent(e);
    const bool click = e->button() == Qt::LeftButton && std::exchange(fClickPending, false) &&
                       rect().contains(e->position().toPoint());
    if (!click)
        return;
    if (OnClick)
        OnClick(this);
    emit clicked();
}

void TOrvCalPanel::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The second press of a double click is a press like the first, but makes no click.
    fClickPending = false;
    MouseDown(*e, ssDouble);
    if (e->button() == Qt::LeftButton && OnDblClick)
        OnDblClick(this);
    e->accept();
}

void TOrvCalPanel::MouseLeave()
{
    fMousePos.reset();
    TOrvCustomPanel::MouseLeave();
}

void TOrvCalPanel::KeyDown(uint16_t& key, TShiftState shift)
{
    TOrvCustomPanel::KeyDown(key, shift);
    if (key == 0 || (shift & (ssShift | ssAlt | ssCtrl)))
        return;
    switch (key) {
    case VK_LEFT:
        PrevDay();
        break;
    case VK_RIGHT:
        NextDay();
        break;
    case VK_UP:
        PrevWeek();
        break;
    case VK_DOWN:
        NextWeek();
        break;
    default:
        return;
    }
    key = 0;
}

void TOrvCalPanel::DoEnter()
{
    update();
    TOrvCustomPanel::DoEnter();
}

void TOrvCalPanel::DoExit()
{
    update();
    TOrvCustomPanel::DoExit();
}

QColor TOrvCalPanel::PaintColor(TOrvCalColor role) const
{
    return ColorToQColor(fColors[role], palette());
}

void TOrvCalPanel::paintEvent(QPaintEvent* e)
{
    Q_UNUSED(e);
    QPainter canvas(this);
    canvas.setFont(font());
    const TOrvCalGeometry g = Geometry();
    PaintFrame(canvas);
    if (g.CellWidth > 0 && g.CellHeight > 0) {
        PaintWeekNumbers(canvas, g);
        PaintHeading(canvas, g);
        PaintDays(canvas, g);
        PaintLines(canvas, g);
    }
    BorderPainted(canvas);
}

void TOrvCalPanel::PaintFrame(QPainter& canvas) const
{
    const QPalette& pal = palette();
    const QRect r = rect();
    const QColor shadow = ColorToQColor(clBtnShadow, pal);
    if (!isEnabled()) {
        FrameRect(canvas, r, shadow);
        return;
    }
    const QColor panel = pal.color(backgroundRole());
    switch (fFrameStyle) {
    case ecfsNone:
        break;
    case ecfsNormal: {
        FillRect(canvas, r, panel);
        const QRect etched = r.adjusted(1, 1, 0, 0);
        FrameRect(canvas, etched, ColorToQColor(clBtnHighlight, pal));
        FrameRect(canvas, etched.translated(-1, -1), shadow);
        break;
    }
    case ecfsSimple: {
        FillRect(canvas, r, panel);
        const QColor pen = PaintColor(hasFocus() ? eccFrameFocused : eccFrame);
        Frame3D(canvas, r, pen, pen, fFrameWidth);
        break;
    }
    }
}

QColor TOrvCalPanel::TextColor(TOrvCalColor font, const QColor& background) const
{
    const QColor color = PaintColor(font);
    if (fColors[font] != DefaultColors()[font])
        return color;
    // The default text colours assume a light window; greyed days need 3:1, the rest 4.5:1.
    const bool greyed = font == eccUnavailableFont || font == eccOtherMonth;
    return ReadableOn(color, background, greyed ? 3.0 : 4.5);
}

void TOrvCalPanel::PaintCell(QPainter& canvas, const QRect& cell, TOrvCalColor background, TOrvCalColor font,
                             const QString& text) const
{
    const QColor fill = PaintColor(background);
    FillRect(canvas, cell, fill);
    PaintCellText(canvas, cell, text, TextColor(font, fill));
}

void TOrvCalPanel::PaintCellText(QPainter& canvas, const QRect& cell, const QString& text, const QColor& color)
{
    // A text too wide or high for its cell shrinks, so that it never touches the lines,
    // which take a cell's last column or row.
    const QRect room =
        cell.adjusted(kCellTextMargin, kCellTextMargin, -kCellTextMargin - 1, -kCellTextMargin - 1);
    const QFontMetricsF metrics(canvas.font());
    const double width = metrics.horizontalAdvance(text), height = metrics.height();
    const double scale = std::min({1.0, room.width() / std::max(width, 1.0), room.height() / std::max(height, 1.0)});
    if (scale >= 1.0 || room.isEmpty()) {
        DrawTextInRect(canvas, cell, text, color, etaCenter);
        return;
    }
    canvas.save();
    QFont small = canvas.font();
    if (small.pointSizeF() > 0)
        small.setPointSizeF(std::max(1.0, small.pointSizeF() * scale));
    else
        small.setPixelSize(std::max(1, int(small.pixelSize() * scale)));
    canvas.setFont(small);
    DrawTextInRect(canvas, room, text, color, etaCenter);
    canvas.restore();
}

void TOrvCalPanel::PaintWeekNumbers(QPainter& canvas, const TOrvCalGeometry& g) const
{
    if (!g.WeekNoCol)
        return;
    PaintCell(canvas, g.CellRect(0, 0), eccWeekNo, eccHeadingFont, CalMessageText(ecmWeekNoHeading));
    for (int row = 1; row <= g.Rows; ++row) {
        const int week = fGrid.RowWeekNo(row);
        PaintCell(canvas, g.CellRect(0, row), eccWeekNo, eccWeekNoFont, week > 0 ? QString::number(week) : QString());
    }
}

void TOrvCalPanel::PaintHeading(QPainter& canvas, const TOrvCalGeometry& g) const
{
    for (int column = 0; column < 7; ++column) {
        const QString& name = FormatSettings.ShortDayNames[fGrid.ColumnHostDay(column) - 1];
        PaintCell(canvas, g.CellRect(g.WeekNoCol + column, 0), fGrid.ColumnIsWeekEnd(column) ? eccWeekEnd : eccDay,
                  eccHeadingFont, name);
    }
}

void TOrvCalPanel::PaintDays(QPainter& canvas, const TOrvCalGeometry& g) const
{
    for (int index = 0; index < fGrid.CellCount(); ++index) {
        TOrvCalColor background = eccDay, font = eccDayFont;
        fGrid.CellColors(index, background, font);
        PaintCell(canvas, g.DayCellRect(index), background, font, fGrid.CellText(index));
    }
}

void TOrvCalPanel::PaintLines(QPainter& canvas, const TOrvCalGeometry& g) const
{
    const QColor line = PaintColor(eccLine);
    const QRect grid = g.GridRect();
    const int headingBottom = grid.top() + g.CellHeight - 1;
    DrawLine(canvas, QPoint(grid.left(), headingBottom), QPoint(grid.right(), headingBottom), line);
    if (g.WeekNoCol) {
        const int columnRight = grid.left() + g.CellWidth - 1;
        DrawLine(canvas, QPoint(columnRight, grid.top()), QPoint(columnRight, grid.bottom()), line);
    }
}

} // namespace orv
