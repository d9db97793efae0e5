#include "calendar/CalPanelFixture.h"

#include <QDataWidgetMapper>
#include <QSignalSpy>
#include <QStandardItemModel>

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

TEST_F(CalPanelEvents, DateChangedFollowsOnDateChangeOncePerDay)
{
    std::vector<std::string> log;
    panel->OnDateChange = [&](QObject*) { log.push_back("OnDateChange"); };
    QObject::connect(panel, &TOrvCalPanel::dateChanged, [&](double date) {
        log.push_back("dateChanged");
        EXPECT_EQ(date, panel->Date());
    });
    panel->SetDate(MakeDate(2024, 3, 21) + 0.75);
    panel->SetDate(MakeDate(2024, 3, 21) + 0.25);
    QTest::keyClick(panel, Qt::Key_Down);
    EXPECT_EQ(log, (std::vector<std::string>{"OnDateChange", "dateChanged", "OnDateChange", "dateChanged"}));
}

TEST_F(CalPanelEvents, ADataMapperBindsTheDate)
{
    QStandardItemModel model(2, 1);
    model.setData(model.index(0, 0), MakeDate(2024, 5, 17));
    model.setData(model.index(1, 0), MakeDate(1999, 12, 31));
    QDataWidgetMapper mapper;
    mapper.setModel(&model);
    mapper.setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    mapper.addMapping(panel, 0);
    mapper.toFirst();
    EXPECT_EQ(panel->Date(), MakeDate(2024, 5, 17));
    panel->setFocus();
    QTest::keyClick(panel, Qt::Key_Right);
    mapper.submit();
    EXPECT_EQ(model.data(model.index(0, 0)).toDouble(), MakeDate(2024, 5, 18));
    mapper.toNext();
    EXPECT_EQ(panel->Year(), 1999);
}

} // namespace
} // namespace orv
