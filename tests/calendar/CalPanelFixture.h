#pragma once

#include <orvkit/calendar/OrvkitCalPanel.h>
#include <orvkit/datetime/OrvkitDateTime.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace orv {

/// A shown, active window with a line edit and a panel, "today" pinned to 20 March 2024.
class CalPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        clock.emplace(MakeDate(2024, 3, 20) + 0.5);
        window.resize(400, 300);
        other = new QLineEdit(&window);
        other->move(260, 5);
        panel = new TOrvCalPanel(&window);
        panel->OnDateChange = [this](QObject* sender) {
            ++changes;
            EXPECT_EQ(sender, panel);
        };
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        other->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }
    /// The centre of a day cell.
    QPoint DayPoint(int index) const { return panel->Geometry().DayCellRect(index).center(); }
    int CellOf(TDateTime date) const { return int(date - panel->Grid().TopLeftDate()); }
    /// A pixel near the cell's corner, away from its text.
    QRgb CellPixel(const QImage& image, int index) const
    {
        return image.pixel(panel->Geometry().DayCellRect(index).topLeft() + QPoint(3, 3));
    }
    QRgb Rgb(TColor c) const { return ColorToQColor(c, panel->palette()).rgb(); }

    std::optional<TOrvClockOverride> clock;
    QWidget window;
    QLineEdit* other = nullptr;
    TOrvCalPanel* panel = nullptr;
    int changes = 0;
};

} // namespace orv
