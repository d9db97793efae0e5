#include <orvkit/framework/OrvkitSpeedBtn.h>

#include <QTest>
#include <gtest/gtest.h>

namespace orv {
namespace {

class SpeedBtnTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(200, 100);
        button = new TOrvSpeedBtn(&window);
        button->setGeometry(10, 10, 20, 20);
        QObject::connect(button, &QAbstractButton::clicked, [this] { ++clicks; });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWidget window;
    TOrvSpeedBtn* button = nullptr;
    int clicks = 0;
};

TEST_F(SpeedBtnTest, HeldRepeatableButtonClicksEveryIntervalAndOnRelease)
{
    button->SetRepeatable(true);
    button->SetInterval(100);
    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_TRUE(button->Repeating());
    EXPECT_EQ(clicks, 0); // nothing before the first interval has passed
    QTRY_COMPARE_WITH_TIMEOUT(clicks, 2, 5000);
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 3);
    EXPECT_FALSE(button->Repeating());
}

TEST_F(SpeedBtnTest, ReleasingOutsideStopsWithoutAClick)
{
    button->SetRepeatable(true);
    button->SetInterval(50);
    QTest::mousePress(button, Qt::LeftButton);
    QTest::mouseMove(button, QPoint(100, 100)); // off the button: no longer down
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_FALSE(button->Repeating());
    const int afterRelease = clicks;
    QTest::qWait(150);
    EXPECT_EQ(clicks, afterRelease);
    EXPECT_EQ(clicks, 0);
}

TEST_F(SpeedBtnTest, PlainButtonClicksOnceAndMovesByItsEdges)
{
    EXPECT_EQ(button->Interval(), 400u);
    EXPECT_FALSE(button->Repeatable());
    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_FALSE(button->Repeating());
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    button->SetRight(100);
    button->SetBottom(50);
    EXPECT_EQ(button->geometry(), QRect(80, 30, 20, 20));
    EXPECT_EQ(button->Version(), u"6.15.1");
}

} // namespace
} // namespace orv
