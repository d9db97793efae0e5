#include "calendar/CalPanelFixture.h"

#include <QSignalSpy>

namespace orv {
namespace {

using CalPanelEvents = CalPanelTest;

TEST_F(CalPanelEvents, OnClickFollowsALeftPressAndReleaseOnThePanel)
{
    int clicks = 0;
    panel->OnClick = [&](QObject* sender) {
        EXPECT_EQ(sender, panel);
        ++clicks;
    };
    QSignalSpy clicked(panel, &TOrvCalPanel::clicked);
    const QPoint day5 = DayPoint(CellOf(MakeDate(2024, 3, 5)));
    const struct {
        const char* name;
        Qt::MouseButton button;
        QPoint release;
        int clicks;
    } cases[] = {
        {"left click", Qt::LeftButton, day5, 1},
        {"right click", Qt::RightButton, day5, 0},
        {"released outside", Qt::LeftButton, QPoint(-5, -5), 0},
    };
    for (const auto& c : cases) {
        clicks = 0;
        clicked.clear();
        QTest::mousePress(panel, c.button, {}, day5);
        QTest::mouseRelease(panel, c.button, {}, c.release);
        EXPECT_EQ(clicks, c.clicks) << c.name;
        EXPECT_EQ(clicked.count(), c.clicks) << c.name;
    }
    clicks = 0;
    QTest::mouseDClick(panel, Qt::LeftButton, {}, day5);
    EXPECT_EQ(clicks, 0) << "the second press of a double click is no click";
}

TEST_F(CalPanelEvents, OnMouseDownSeesTheNewDate)
{
    std::vector<std::pair<TDateTime, TShiftState>> downs;
    QPoint at;
    Qt::MouseButton pressed = Qt::NoButton;
    panel->OnMouseDown = [&](QObject* sender, Qt::MouseButton button, TShiftState shift, int x, int y) {
        EXPECT_EQ(sender, panel);
        EXPECT_TRUE(panel->hasFocus());
        downs.emplace_back(panel->Date(), shift);
        at = QPoint(x, y);
        pressed = button;
    };
    const QPoint day12 = DayPoint(CellOf(MakeDate(2024, 3, 12)));
    QTest::mouseClick(panel, Qt::LeftButton, Qt::ShiftModifier, day12);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].first, MakeDate(2024, 3, 12));
    EXPECT_EQ(downs[0].second, TShiftState(ssShift | ssLeft));
    EXPECT_EQ(at, day12);
    EXPECT_EQ(pressed, Qt::LeftButton);
    downs.clear();
    QTest::mouseDClick(panel, Qt::LeftButton, {}, day12);
    ASSERT_FALSE(downs.empty());
    EXPECT_TRUE(downs.back().second & ssDouble);
}

} // namespace
} // namespace orv
