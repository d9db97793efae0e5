#include "calendar/CalPanelFixture.h"
#include "datetime/PrintQString.h"

#include <orvkit/datetime/OrvkitDateFormat.h>

#include <QAccessible>

namespace orv {
namespace {

using CalAccessible = CalPanelTest;

TEST_F(CalAccessible, ATableNamedByItsMonthWithACellPerDay)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(panel);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Table);
    EXPECT_EQ(iface->text(QAccessible::Name), "March 2024");
    QAccessibleTableInterface* table = iface->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 6);
    EXPECT_EQ(table->columnCount(), 7);
    EXPECT_EQ(iface->childCount(), 7 * 8) << "heading row and week-number column included";
    EXPECT_EQ(table->columnDescription(0), "Sun");
    EXPECT_EQ(table->rowDescription(1), QString::number(WeekNumber(MakeDate(2024, 3, 9))));

    // March 2024 opens with five days of February: the 1st is cell 5.
    QAccessibleInterface* first = table->cellAt(0, 5);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->role(), QAccessible::Cell);
    EXPECT_EQ(first->text(QAccessible::Name), DateToText(MakeDate(2024, 3, 1)));
    EXPECT_EQ(table->cellAt(0, 0)->text(QAccessible::Name), "Previous Month");
    EXPECT_EQ(iface->indexOfChild(first), 8 + 1 + 5);
    EXPECT_EQ(iface->child(8 + 1 + 5), first);
    EXPECT_EQ(first->parent(), iface);
    EXPECT_EQ(first->rect().center(), panel->mapToGlobal(DayPoint(5)));

    QAccessibleTableCellInterface* cell = first->tableCellInterface();
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->rowIndex(), 0);
    EXPECT_EQ(cell->columnIndex(), 5);
    ASSERT_EQ(cell->columnHeaderCells().size(), 1);
    EXPECT_EQ(cell->columnHeaderCells()[0]->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(cell->columnHeaderCells()[0]->text(QAccessible::Name), "Fri");
    ASSERT_EQ(cell->rowHeaderCells().size(), 1);
    EXPECT_EQ(cell->rowHeaderCells()[0]->role(), QAccessible::RowHeader);
    EXPECT_EQ(cell->rowHeaderCells()[0]->text(QAccessible::Name), table->rowDescription(0));
    EXPECT_EQ(iface->child(0)->text(QAccessible::Name), "WNo");

    panel->SetHideWeekNos(true);
    EXPECT_EQ(iface->childCount(), 7 * 7);
    EXPECT_TRUE(table->cellAt(0, 5)->tableCellInterface()->rowHeaderCells().isEmpty());
    panel->SetMonth(7);
    EXPECT_EQ(iface->text(QAccessible::Name), "July 2024");
}

TEST_F(CalAccessible, CellStatesFollowTheMarks)
{
    const TDateTime picked = MakeDate(2024, 3, 7), unavailable = MakeDate(2024, 3, 8);
    panel->PickedDates().Append(picked);
    panel->UnavailableDates().Append(unavailable);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(panel);
    ASSERT_NE(iface, nullptr);
    QAccessibleTableInterface* table = iface->tableInterface();
    ASSERT_NE(table, nullptr);
    const auto at = [&](TDateTime date) {
        const int index = CellOf(date);
        return table->cellAt(index / 7, index % 7);
    };
    EXPECT_TRUE(at(picked)->state().selected);
    EXPECT_TRUE(at(unavailable)->state().disabled);
    EXPECT_FALSE(at(MakeDate(2024, 3, 9))->state().selected);
    ASSERT_EQ(table->selectedCellCount(), 1);
    EXPECT_EQ(table->selectedCells()[0], at(picked));

    QAccessibleInterface* today = at(MakeDate(2024, 3, 20));
    EXPECT_TRUE(today->state().active);
    EXPECT_FALSE(today->state().focused);
    EXPECT_EQ(iface->focusChild(), nullptr);
    panel->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(today->state().focused);
    EXPECT_EQ(iface->focusChild(), today);
    QTest::keyClick(panel, Qt::Key_Right);
    EXPECT_FALSE(today->state().focused);
    EXPECT_EQ(iface->focusChild(), at(MakeDate(2024, 3, 21)));
    EXPECT_EQ(at(MakeDate(2024, 3, 21))->text(QAccessible::Name), DateToText(MakeDate(2024, 3, 21)));
}

} // namespace
} // namespace orv
