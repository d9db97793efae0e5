#include "calendar/CalPanelFixture.h"

#include <functional>

namespace orv {
namespace {

using CalPanelLooks = CalPanelTest;

/// The strongest contrast any pixel of the cell (its text) has against the cell's corner.
double TextContrast(const QImage& image, const QRect& cell)
{
    const QColor background = image.pixelColor(cell.topLeft() + QPoint(2, 2));
    double best = 1;
    for (int y = cell.top(); y < cell.bottom(); ++y)
        for (int x = cell.left(); x < cell.right(); ++x)
            best = std::max(best, ContrastRatio(image.pixelColor(x, y), background));
    return best;
}

TEST(Contrast, RatiosAndReadableColours)
{
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(Qt::white, Qt::white), 1.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(QColor(0x76, 0x76, 0x76), Qt::white), 4.54, 0.01);
    const QColor grey(0xB8, 0xB8, 0xB8), face(0xEF, 0xEF, 0xEF), dark(0x20, 0x20, 0x20);
    EXPECT_EQ(ReadableOn(Qt::black, Qt::white, 4.5), QColor(Qt::black)) << "readable colours stay";
    const struct {
        QColor text, background;
        double ratio;
    } cases[] = {{grey, face, 3.0}, {grey, face, 4.5}, {QColor(0x50, 0x50, 0x50), dark, 4.5}, {dark, QColor(0x30, 0x30, 0x30), 3.0}};
    for (const auto& c : cases) {
        const QColor readable = ReadableOn(c.text, c.background, c.ratio);
        EXPECT_GE(ContrastRatio(readable, c.background), c.ratio) << c.text.name().toStdString();
        EXPECT_LT(ContrastRatio(readable, c.background), c.ratio + 0.3) << "the least move";
    }
}

TEST_F(CalPanelLooks, DefaultTextColoursStayReadable)
{
    const TDateTime unavailable = MakeDate(2024, 3, 7);
    panel->UnavailableDates().Append(unavailable);
    const QRect unavailableCell = panel->Geometry().DayCellRect(CellOf(unavailable));
    const QRect otherMonth = panel->Geometry().DayCellRect(2);
    const QRect weekNo = panel->Geometry().CellRect(0, 2);
    const struct {
        const char* name;
        std::function<void(TOrvCalPanel&)> setup;
        QRect cell;
        double ratio;
    } cases[] = {
        {"unavailable", [](TOrvCalPanel&) {}, unavailableCell, 3.0},
        {"other month", [](TOrvCalPanel&) {}, otherMonth, 3.0},
        {"week number under a dark palette",
         [](TOrvCalPanel& p) {
             QPalette dark = p.palette();
             dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
             dark.setColor(QPalette::Text, QColor(0xF0, 0xF0, 0xF0));
             p.setPalette(dark);
         },
         weekNo, 4.5},
    };
    for (const auto& c : cases) {
        c.setup(*panel);
        EXPECT_GE(TextContrast(panel->grab().toImage(), c.cell), c.ratio) << c.name;
    }
    panel->SetColorUnavailableFont(0x00E0E0E0);
    EXPECT_LT(TextContrast(panel->grab().toImage(), unavailableCell), 1.5) << "a colour that is set is drawn as set";
}

TEST_F(CalPanelLooks, CellTextsKeepAMarginInsideTheirCells)
{
    QFont big = panel->font();
    big.setPixelSize(26);
    panel->setFont(big);
    const QImage image = panel->grab().toImage();
    const TOrvCalGeometry g = panel->Geometry();
    const struct {
        const char* name;
        QRect cell;
    } cells[] = {{"WNo", g.CellRect(0, 0)}, {">>>", g.DayCellRect(g.Rows * 7 - 1)}, {"day name", g.CellRect(3, 0)}};
    for (const auto& c : cells) {
        const QRgb background = image.pixel(c.cell.topLeft() + QPoint(1, 1));
        // Inside the grid lines: the cells' last column and row may carry a line.
        for (int y = c.cell.top(); y < c.cell.bottom(); ++y)
            for (const int x : {c.cell.left(), c.cell.left() + 1, c.cell.right() - 2, c.cell.right() - 1})
                ASSERT_EQ(image.pixel(x, y), background) << c.name << " at " << x << "," << y;
    }
}

} // namespace
} // namespace orv
