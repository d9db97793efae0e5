#include <orvkit/calendar/OrvkitCalAccessible.h>

#include <orvkit/calendar/OrvkitCalPanel.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/datetime/OrvkitDateFormat.h>
#include <orvkit/datetime/OrvkitDateTime.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>

namespace orv {

namespace {

/// A place of the painted grid: row 0 holds the day names, column 0 the week numbers
/// when they are shown.
struct TGridPlace {
    int Row = 0;
    int Column = 0;
};

/// One cell of the painted grid, as long as the panel shows it.
class TCalCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    TCalCellAccessible(TOrvCalPanel* panel, TGridPlace place) : fPanel(panel), fPlace(place) {}

    bool isValid() const override
    {
        if (!fPanel)
            return false;
        const TOrvCalGeometry g = fPanel->Geometry();
        return fPlace.Row <= g.Rows && fPlace.Column < g.Columns();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return fPanel ? fPanel->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(fPanel.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

    QAccessible::Role role() const override
    {
        if (fPlace.Row == 0)
            return QAccessible::ColumnHeader;
        return IsWeekNumber() ? QAccessible::RowHeader : QAccessible::Cell;
    }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        const TOrvCalGrid& grid = fPanel->Grid();
        if (fPlace.Row == 0) {
            if (IsWeekNumber())
                return t == QAccessible::Name ? CalMessageText(ecmWeekNoHeading) : CalMessageText(ecmWeekNumber);
            const QString& day = FormatSettings.ShortDayNames[grid.ColumnHostDay(DayColumn()) - 1];
            return t == QAccessible::Name ? day : CalMessageText(ecmDayOfWeek);
        }
        if (IsWeekNumber()) {
            const int week = grid.RowWeekNo(fPlace.Row);
            return t == QAccessible::Name ? (week > 0 ? QString::number(week) : QString())
                                          : CalMessageText(ecmWeekNumber);
        }
        const int index = DayIndex();
        const QString hint = grid.HintFor({echDay, index});
        if (t == QAccessible::Name) {
            // The first and last cells turn the month; the others name their day.
            const bool turns = index == 0 || index == grid.CellCount() - 1;
            const TDateTime date = grid.CellDate(index);
            return turns || !InCalendarRange(date) ? hint : DateToText(date);
        }
        return t == QAccessible::Description ? hint : QString();
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect cell = fPanel->Geometry().CellRect(fPlace.Column, fPlace.Row);
        return QRect(fPanel->mapToGlobal(cell.topLeft()), cell.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.disabled = !fPanel->isEnabled();
        if (fPlace.Row == 0 || IsWeekNumber())
            return s;
        const TOrvCalGrid& grid = fPanel->Grid();
        const int index = DayIndex();
        const TOrvCalGrid::TCellMarks marks = grid.CellMarks(index);
        s.selectable = true;
        s.selected = marks.Picked;
        s.disabled = s.disabled || marks.Unavailable;
        s.focusable = true;
        s.active = grid.CellIsCurrent(index);
        s.focused = s.active && fPanel->hasFocus();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableCellInterface && fPlace.Row > 0 && !IsWeekNumber())
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    // QAccessibleTableCellInterface, in the table's terms: week rows and day columns from 0.
    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override { return DayColumn(); }
    int rowIndex() const override { return fPlace.Row - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    int WeekNoCol() const { return fPanel->Geometry().WeekNoCol; }
    bool IsWeekNumber() const { return WeekNoCol() == 1 && fPlace.Column == 0; }
    int DayColumn() const { return fPlace.Column - WeekNoCol(); }
    int DayIndex() const { return (fPlace.Row - 1) * 7 + DayColumn(); }

    QPointer<TOrvCalPanel> fPanel;
    TGridPlace fPlace;
};

/// The panel as a table; it owns its cells' interfaces.
class TCalPanelAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TCalPanelAccessible(TOrvCalPanel* panel) : QAccessibleWidget(panel, QAccessible::Table) {}
    ~TCalPanelAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(fCells))
            QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && Panel()->accessibleName().isEmpty())
            return FormatSettings.LongMonthNames[Panel()->Month() - 1] + u' ' + QString::number(Panel()->Year());
        return QAccessibleWidget::text(t);
    }

    int childCount() const override
    {
        const TOrvCalGeometry g = Panel()->Geometry();
        return (g.Rows + 1) * g.Columns();
    }
    QAccessibleInterface* child(int index) const override
    {
        const int columns = Panel()->Geometry().Columns();
        if (index < 0 || index >= childCount())
            return nullptr;
        return Cell({index / columns, index % columns});
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const int columns = Panel()->Geometry().Columns();
        for (auto it = fCells.cbegin(); it != fCells.cend(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child) {
                const TGridPlace place = Place(it.key());
                return place.Column < columns && child->isValid() ? place.Row * columns + place.Column : -1;
            }
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        if (!Panel()->hasFocus())
            return nullptr;
        const int current = Panel()->Day() - Panel()->Grid().DayOffset() - 1;
        return cellAt(current / 7, current % 7);
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint local = Panel()->mapFromGlobal(QPoint(x, y));
        const TOrvCalGeometry g = Panel()->Geometry();
        for (int row = 0; row <= g.Rows; ++row)
            for (int column = 0; column < g.Columns(); ++column)
                if (g.CellRect(column, row).contains(local))
                    return Cell({row, column});
        return nullptr;
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // QAccessibleTableInterface: week rows and day columns.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= 7)
            return nullptr;
        return Cell({row + 1, column + Panel()->Geometry().WeekNoCol});
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> cells;
        for (int index = 0; index < Panel()->Grid().CellCount(); ++index)
            if (Panel()->Grid().CellMarks(index).Picked)
                cells.append(cellAt(index / 7, index % 7));
        return cells;
    }
    QString columnDescription(int column) const override
    {
        if (column < 0 || column >= 7)
            return {};
        return FormatSettings.ShortDayNames[Panel()->Grid().ColumnHostDay(column) - 1];
    }
    QString rowDescription(int row) const override
    {
        const int week = row >= 0 && row < rowCount() ? Panel()->Grid().RowWeekNo(row + 1) : 0;
        return week > 0 ? QString::number(week) : QString();
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 7; }
    int rowCount() const override { return Panel()->Grid().Rows(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    /// The cell at a place of the painted grid, made on first use.
    QAccessibleInterface* Cell(TGridPlace place) const
    {
        const int key = Key(place);
        if (const auto it = fCells.constFind(key); it != fCells.cend())
            return QAccessible::accessibleInterface(*it);
        auto* cell = new TCalCellAccessible(Panel(), place);
        fCells.insert(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }

private:
    static int Key(TGridPlace place) { return place.Row * 16 + place.Column; }
    static TGridPlace Place(int key) { return {key / 16, key % 16}; }
    TOrvCalPanel* Panel() const { return static_cast<TOrvCalPanel*>(widget()); }

    mutable QHash<int, QAccessible::Id> fCells;
};

QList<QAccessibleInterface*> TCalCellAccessible::columnHeaderCells() const
{
    auto* table = static_cast<TCalPanelAccessible*>(parent());
    return table && isValid() ? QList<QAccessibleInterface*>{table->Cell({0, fPlace.Column})}
                              : QList<QAccessibleInterface*>{};
}

QList<QAccessibleInterface*> TCalCellAccessible::rowHeaderCells() const
{
    auto* table = static_cast<TCalPanelAccessible*>(parent());
    return table && isValid() && WeekNoCol() == 1 ? QList<QAccessibleInterface*>{table->Cell({fPlace.Row, 0})}
                                                  : QList<QAccessibleInterface*>{};
}

QAccessibleInterface* CalAccessibleFactory(const QString& className, QObject* object)
{
    Q_UNUSED(className);
    if (auto* panel = qobject_cast<TOrvCalPanel*>(object))
        return new TCalPanelAccessible(panel);
    return nullptr;
}

} // namespace

void InstallCalAccessibleFactory()
{
    // A static library drops a unit nobody calls, so the panels install the factory as
    // they are created instead of at the application's start.
    static const bool installed = [] {
        QAccessible::installFactory(&CalAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void ReportCalDateChange(TOrvCalPanel& panel, bool monthChanged)
{
    if (!QAccessible::isActive())
        return;
    if (monthChanged) {
        QAccessibleEvent named(&panel, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
    }
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&panel);
    if (QAccessibleInterface* cell = table ? table->focusChild() : nullptr) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

} // namespace orv
