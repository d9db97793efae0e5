#include "calendar/CalPanelFixture.h"
#include "datetime/PrintQString.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace orv {
namespace {

TEST_F(CalPanelTest, Defaults)
{
    EXPECT_EQ(panel->size(), QSize(244, 158));
    EXPECT_EQ(panel->Date(), MakeDate(2024, 3, 20));
    EXPECT_EQ(panel->Day(), 20);
    EXPECT_EQ(panel->WeekNo(), WeekNumber(MakeDate(2024, 3, 20)));
    EXPECT_EQ(panel->ISOWeekNo(), 12);
    EXPECT_EQ(panel->ISOWeekNoYear(), 2024);
    EXPECT_FALSE(panel->ISOMode());
    EXPECT_FALSE(panel->HideWeekNos());
    EXPECT_EQ(panel->NoDisplayWeeks(), 6);
    EXPECT_TRUE(panel->AlwaysShowCurrent());
    EXPECT_EQ(panel->WeekEndDays(), (TOrvDOWSet{dowSunday, dowSaturday}));
    EXPECT_EQ(panel->FrameStyle(), ecfsNormal);
    EXPECT_EQ(panel->FrameWidth(), 1);
    EXPECT_TRUE(panel->ShowHint());
    EXPECT_TRUE(panel->TabStop());
    EXPECT_TRUE(panel->Color_Defaults());
    EXPECT_EQ(panel->ColorWeekEnd(), clInfoBk);
    EXPECT_EQ(panel->ColorSpecial(), 0x00808000);
    EXPECT_EQ(panel->ColorOtherMonth(), clInactiveCaptionText);
    const TOrvCalGeometry g = panel->Geometry();
    EXPECT_EQ(g.CellWidth, 30);
    EXPECT_EQ(g.CellHeight, 22);
    EXPECT_EQ(g.HorzMargin, 2);
    EXPECT_EQ(g.VertMargin, 2);
    EXPECT_EQ(panel->property("Version").toString(), "6.15.1");
    EXPECT_EQ(changes, 0);
}

TEST_F(CalPanelTest, PublishedPropertiesAndColourDefaults)
{
    EXPECT_TRUE(panel->setProperty("ColorDay", int(clYellow)));
    EXPECT_EQ(panel->ColorDay(), clYellow);
    EXPECT_FALSE(panel->Color_Defaults());
    EXPECT_TRUE(panel->setProperty("Color_Defaults", true));
    EXPECT_EQ(panel->ColorDay(), clWindow);
    EXPECT_TRUE(panel->Color_Defaults());
    EXPECT_TRUE(panel->setProperty("WeekEndDays", QVariant::fromValue(TOrvDOWSet{dowFriday})));
    EXPECT_EQ(panel->WeekEndDays(), TOrvDOWSet{dowFriday});
    EXPECT_TRUE(panel->setProperty("FrameStyle", QVariant::fromValue(ecfsSimple)));
    EXPECT_EQ(panel->FrameStyle(), ecfsSimple);
    EXPECT_TRUE(panel->setProperty("Date", MakeDate(2024, 5, 1)));
    EXPECT_EQ(panel->property("Month").toInt(), 5);
    EXPECT_EQ(changes, 1);
    panel->SetFrameWidth(-3);
    EXPECT_EQ(panel->FrameWidth(), 1);
}

TEST_F(CalPanelTest, SettingDateFiresOnlyForAnotherDay)
{
    QSignalSpy spy(panel, &TOrvCalPanel::dateChanged);
    panel->SetDate(MakeDate(2024, 3, 20) + 0.9);
    EXPECT_EQ(changes, 0);
    panel->SetDate(MakeDate(2024, 3, 21) + 0.9);
    EXPECT_EQ(panel->Date(), MakeDate(2024, 3, 21));
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toDouble(), MakeDate(2024, 3, 21));
    panel->SetDate(MaxDateDay + 5);
    EXPECT_EQ(changes, 1);
}

TEST_F(CalPanelTest, DayMonthAndYearClampTheDay)
{
    panel->SetDate(MakeDate(2024, 3, 31));
    panel->SetMonth(2);
    EXPECT_EQ(panel->Date(), MakeDate(2024, 2, 29));
    panel->SetYear(2023);
    EXPECT_EQ(panel->Date(), MakeDate(2023, 2, 28));
    panel->SetDay(40);
    EXPECT_EQ(panel->Date(), MakeDate(2023, 2, 28));
    panel->SetDay(3);
    EXPECT_EQ(panel->Date(), MakeDate(2023, 2, 3));
    panel->SetMonth(13);
    panel->SetYear(0);
    EXPECT_EQ(panel->Date(), MakeDate(2023, 2, 3));
}

TEST_F(CalPanelTest, WeekSetters)
{
    panel->SetWeekNo(10);
    EXPECT_EQ(panel->Date(), WeekNumberStart(10, 2024));
    EXPECT_EQ(panel->WeekNo(), 10);
    panel->SetISOMode(true);
    panel->SetWeekNo(12);
    EXPECT_EQ(panel->Date(), WeekNumberStart(12, 2024) + 1);
    panel->SetISOWeekNo(1);
    EXPECT_EQ(panel->Date(), MakeDate(2024, 1, 1));
    panel->SetISOWeekNoYear(2021);
    EXPECT_EQ(panel->Date(), MakeDate(2021, 1, 4));
    panel->SetISOWeekNo(0);
    panel->SetWeekNo(99);
    EXPECT_EQ(panel->Date(), MakeDate(2021, 1, 4));
}

TEST_F(CalPanelTest, Navigation)
{
    struct Step {
        void (*op)(TOrvCalPanel&);
        TDateTime from, to;
    };
    const Step steps[] = {
        {[](TOrvCalPanel& p) { p.NextDay(); }, MakeDate(2024, 2, 28), MakeDate(2024, 2, 29)},
        {[](TOrvCalPanel& p) { p.PrevDay(); }, MakeDate(2024, 3, 1), MakeDate(2024, 2, 29)},
        {[](TOrvCalPanel& p) { p.NextWeek(); }, MakeDate(2024, 12, 28), MakeDate(2025, 1, 4)},
        {[](TOrvCalPanel& p) { p.PrevWeek(); }, MakeDate(2024, 1, 3), MakeDate(2023, 12, 27)},
        {[](TOrvCalPanel& p) { p.NextMonth(); }, MakeDate(2024, 1, 31), MakeDate(2024, 2, 29)},
        {[](TOrvCalPanel& p) { p.PrevMonth(); }, MakeDate(2024, 3, 31), MakeDate(2024, 2, 29)},
        {[](TOrvCalPanel& p) { p.YearStart(); }, MakeDate(2024, 7, 9), MakeDate(2024, 1, 1)},
        {[](TOrvCalPanel& p) { p.YearEnd(); }, MakeDate(2024, 7, 9), MakeDate(2024, 12, 31)},
        {[](TOrvCalPanel& p) { p.Today(); }, MakeDate(2000, 1, 1), MakeDate(2024, 3, 20)},
        // At the ends of the date range the steps stay put.
        {[](TOrvCalPanel& p) { p.NextDay(); }, MakeDate(9999, 12, 31), MakeDate(9999, 12, 31)},
        {[](TOrvCalPanel& p) { p.NextMonth(); }, MakeDate(9999, 12, 5), MakeDate(9999, 12, 5)},
        {[](TOrvCalPanel& p) { p.PrevMonth(); }, MakeDate(1, 1, 5), MakeDate(1, 1, 5)},
        {[](TOrvCalPanel& p) { p.PrevWeek(); }, MakeDate(1, 1, 5), MakeDate(1, 1, 5)},
    };
    for (const Step& s : steps) {
        panel->SetDate(s.from);
        s.op(*panel);
        EXPECT_EQ(panel->Date(), s.to) << DateYear(s.from) << "-" << DateMonth(s.from) << "-" << DateDay(s.from);
    }
}

TEST_F(CalPanelTest, ArrowKeysMoveTheDate)
{
    panel->SetDate(MakeDate(2024, 1, 28));
    changes = 0;
    QTest::keyClick(panel, Qt::Key_Down);
    EXPECT_EQ(panel->Date(), MakeDate(2024, 2, 4));
    EXPECT_EQ(changes, 1);
    QTest::keyClick(panel, Qt::Key_Up);
    QTest::keyClick(panel, Qt::Key_Right);
    EXPECT_EQ(panel->Date(), MakeDate(2024, 1, 29));
    QTest::keyClick(panel, Qt::Key_Left);
    QTest::keyClick(panel, Qt::Key_Left);
    EXPECT_EQ(panel->Date(), MakeDate(2024, 1, 27));
    // Modified arrows are left alone.
    QTest::keyClick(panel, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(panel, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(panel->Date(), MakeDate(2024, 1, 27));
    // A key handler that swallows the key keeps the date.
    panel->OnKeyDown = [](QObject*, uint16_t& key, TShiftState) { key = 0; };
    QTest::keyClick(panel, Qt::Key_Down);
    EXPECT_EQ(panel->Date(), MakeDate(2024, 1, 27));
}

TEST_F(CalPanelTest, ClicksMoveTheDateAndTakeTheFocus)
{
    // March 2024 opens with five days of February.
    QTest::mouseClick(panel, Qt::LeftButton, {}, DayPoint(CellOf(MakeDate(2024, 3, 5))));
    EXPECT_TRUE(panel->hasFocus());
    EXPECT_EQ(panel->Date(), MakeDate(2024, 3, 5));
    QTest::mouseClick(panel, Qt::LeftButton, {}, DayPoint(1)); // 26 February
    EXPECT_EQ(panel->Date(), MakeDate(2024, 2, 26));
    QTest::mouseClick(panel, Qt::LeftButton, {}, panel->Geometry().CellRect(0, 3).center());
    QTest::mouseClick(panel, Qt::LeftButton, {}, panel->Geometry().CellRect(3, 0).center());
    EXPECT_EQ(panel->Date(), MakeDate(2024, 2, 26));
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(1, 1)); // the frame
    EXPECT_EQ(panel->Date(), MakeDate(2024, 2, 26));
    panel->SetDate(MakeDate(2024, 3, 31));
    QTest::mouseClick(panel, Qt::LeftButton, {}, DayPoint(0));
    EXPECT_EQ(panel->Date(), MakeDate(2024, 2, 29));
    EXPECT_EQ(panel->Hint(), "Previous Month");
    QTest::mouseClick(panel, Qt::LeftButton, {}, DayPoint(41));
    EXPECT_EQ(panel->Date(), MakeDate(2024, 3, 29));
    EXPECT_EQ(panel->Hint(), "Next Month");
}

TEST_F(CalPanelTest, CtrlClickTogglesPickedDatesButNotUnavailableOnes)
{
    panel->UnavailableDates().Append(MakeDate(2024, 3, 15));
    const QPoint day12 = DayPoint(CellOf(MakeDate(2024, 3, 12)));
    QTest::mouseClick(panel, Qt::LeftButton, Qt::ControlModifier, day12);
    EXPECT_EQ(panel->Date(), MakeDate(2024, 3, 12));
    EXPECT_EQ(panel->PickedDates().FindDate(MakeDate(2024, 3, 12)), 0);
    QTest::mouseClick(panel, Qt::LeftButton, Qt::ControlModifier, day12);
    EXPECT_EQ(panel->PickedDates().Count(), 0);

    QTest::mouseClick(panel, Qt::LeftButton, Qt::ControlModifier, DayPoint(CellOf(MakeDate(2024, 3, 15))));
    EXPECT_EQ(panel->Date(), MakeDate(2024, 3, 15));
    EXPECT_EQ(panel->PickedDates().Count(), 0);

    // Without week numbers the Sunday column can be picked too.
    panel->SetHideWeekNos(true);
    const int sunday = CellOf(MakeDate(2024, 3, 10));
    ASSERT_EQ(sunday % 7, 0);
    QTest::mouseClick(panel, Qt::LeftButton, Qt::ControlModifier, DayPoint(sunday));
    EXPECT_EQ(panel->PickedDates().FindDate(MakeDate(2024, 3, 10)), 0);
    // The week-number column and the heading pick nothing.
    panel->SetHideWeekNos(false);
    QTest::mouseClick(panel, Qt::LeftButton, Qt::ControlModifier, panel->Geometry().CellRect(0, 2).center());
    QTest::mouseClick(panel, Qt::LeftButton, Qt::ControlModifier, panel->Geometry().CellRect(2, 0).center());
    EXPECT_EQ(panel->PickedDates().Count(), 1);
}

TEST_F(CalPanelTest, HintFollowsTheMouse)
{
    panel->SetHolidays({{"Spring", MakeDate(2024, 3, 11), true, false}});
    const QPoint day11 = DayPoint(CellOf(MakeDate(2024, 3, 11)));
    QTest::mouseMove(panel, day11);
    EXPECT_EQ(panel->Hint(), "11/03/2024\nSpring");
    EXPECT_FALSE(panel->toolTip().isEmpty());
    QTest::mouseMove(panel, panel->Geometry().CellRect(0, 0).center());
    EXPECT_EQ(panel->Hint(), "Week Number");
    QTest::mouseMove(panel, panel->Geometry().CellRect(1, 0).center());
    EXPECT_EQ(panel->Hint(), "Day of Week");
    panel->SetShowHint(false);
    EXPECT_TRUE(panel->toolTip().isEmpty());
    EXPECT_EQ(panel->Hint(), "Day of Week");
}

TEST_F(CalPanelTest, NoDisplayWeeksOfThreeIsIgnoredFourRelays)
{
    panel->SetNoDisplayWeeks(3);
    EXPECT_EQ(panel->NoDisplayWeeks(), 6);
    panel->SetNoDisplayWeeks(4);
    EXPECT_EQ(panel->NoDisplayWeeks(), 4);
    EXPECT_EQ(panel->Geometry().CellHeight, (158 - 4) / 5);
    EXPECT_EQ(panel->Grid().CellCount(), 28);
    panel->SetHideWeekNos(true);
    EXPECT_EQ(panel->Geometry().CellWidth, 240 / 7);
    panel->resize(300, 200);
    EXPECT_EQ(panel->Geometry().CellWidth, 296 / 7);
}

TEST_F(CalPanelTest, SpecialDesc)
{
    panel->SetHolidays({{"Spring", MakeDate(2024, 3, 20), true, false},
                        {"Work", MakeDate(2024, 3, 19), false, false},
                        {"Gone", MakeDate(2024, 3, 18), true, true}});
    bool nonWork = false;
    EXPECT_EQ(panel->SpecialDesc(nonWork), "Spring");
    EXPECT_TRUE(nonWork);
    panel->PrevDay();
    EXPECT_EQ(panel->SpecialDesc(nonWork), "Work");
    EXPECT_FALSE(nonWork);
    panel->PrevDay();
    EXPECT_EQ(panel->SpecialDesc(nonWork), "");
    EXPECT_FALSE(nonWork);
}

TEST_F(CalPanelTest, PaintsTheMarks)
{
    panel->SetHolidays({{"Spring", MakeDate(2024, 3, 11), true, false}});
    panel->PickedDates().Append(MakeDate(2024, 3, 13));
    panel->UnavailableDates().Append(MakeDate(2024, 3, 14));
    const QImage image = panel->grab().toImage();
    EXPECT_EQ(CellPixel(image, CellOf(MakeDate(2024, 3, 20))), Rgb(clHighlight));
    EXPECT_EQ(CellPixel(image, CellOf(MakeDate(2024, 3, 11))), Rgb(0x00808000));
    EXPECT_EQ(CellPixel(image, CellOf(MakeDate(2024, 3, 13))), Rgb(0x00FFFF00));
    EXPECT_EQ(CellPixel(image, CellOf(MakeDate(2024, 3, 14))), Rgb(clInactiveBorder));
    EXPECT_EQ(CellPixel(image, CellOf(MakeDate(2024, 3, 16))), Rgb(clInfoBk)); // Saturday
    EXPECT_EQ(CellPixel(image, CellOf(MakeDate(2024, 3, 12))), Rgb(clWindow));
    const TOrvCalGeometry g = panel->Geometry();
    EXPECT_EQ(image.pixel(g.CellRect(0, 2).topLeft() + QPoint(3, 3)), Rgb(0x00FFFFF0));
    // The line right of the week numbers and the one under the heading.
    EXPECT_EQ(image.pixel(g.CellRect(0, 3).topRight() + QPoint(0, 3)), Rgb(clWindowText));
    EXPECT_EQ(image.pixel(g.CellRect(4, 0).bottomLeft() + QPoint(3, 0)), Rgb(clWindowText));

    // Some ink in every day cell: no number is lost to clipping.
    for (int index = 0; index < panel->Grid().CellCount(); ++index) {
        const QRect cell = g.DayCellRect(index);
        const QRgb back = CellPixel(image, index);
        int ink = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                ink += image.pixel(x, y) != back ? 1 : 0;
        EXPECT_GT(ink, 5) << "cell " << index;
    }
}

TEST_F(CalPanelTest, SimpleFrameFollowsTheFocus)
{
    panel->SetFrameStyle(ecfsSimple);
    panel->SetColorFrame(clRed);
    panel->SetColorFrameFocused(clBlue);
    EXPECT_EQ(panel->grab().toImage().pixel(0, 50), Rgb(clRed));
    panel->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(panel->hasFocus());
    EXPECT_EQ(panel->grab().toImage().pixel(0, 50), Rgb(clBlue));
    panel->setEnabled(false);
    EXPECT_EQ(panel->grab().toImage().pixel(0, 50), Rgb(clBtnShadow));
}

TEST_F(CalPanelTest, DoubleClickIsAPressAndAReport)
{
    int doubles = 0;
    panel->OnDblClick = [&](QObject*) { ++doubles; };
    const QPoint day12 = DayPoint(CellOf(MakeDate(2024, 3, 12)));
    QTest::mouseDClick(panel, Qt::LeftButton, {}, day12);
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(panel->Date(), MakeDate(2024, 3, 12));
    EXPECT_EQ(changes, 1);
}

} // namespace
} // namespace orv
