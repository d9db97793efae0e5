#include <orvkit/framework/OrvkitColors.h>
#include <orvkit/framework/OrvkitDrawing.h>

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace orv {
namespace {

QPalette TestPalette()
{
    QPalette pal;
    pal.setColor(QPalette::Base, QColor(1, 2, 3));
    pal.setColor(QPalette::Text, QColor(4, 5, 6));
    pal.setColor(QPalette::Highlight, QColor(7, 8, 9));
    pal.setColor(QPalette::HighlightedText, QColor(10, 11, 12));
    pal.setColor(QPalette::Button, QColor(13, 14, 15));
    pal.setColor(QPalette::Shadow, QColor(16, 17, 18));
    return pal;
}

TEST(ColorToQColor, SystemColoursComeFromThePalette)
{
    const QPalette pal = TestPalette();
    struct Case {
        TColor color;
        QColor expected;
    } cases[] = {
        {clWindow, QColor(1, 2, 3)},
        {clWindowText, QColor(4, 5, 6)},
        {clHighlight, QColor(7, 8, 9)},
        {clHighlightText, QColor(10, 11, 12)},
        {clBtnFace, QColor(13, 14, 15)},
        {clWindowFrame, QColor(16, 17, 18)},
        {static_cast<TColor>(0xFF000019u), QColor(Qt::black)}, // index without a colour
        {static_cast<TColor>(0xFF0000FFu), QColor(Qt::black)}, // beyond the table
        {0x00332211, QColor(0x11, 0x22, 0x33)},
        {0x02332211, QColor(0x11, 0x22, 0x33)}, // high bits of a plain colour ignored
        {clNone, QColor(Qt::transparent)},
        {clDefault, QColor(Qt::transparent)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColorToQColor(c.color, pal), c.expected) << std::hex << c.color;
}

TEST(ColorToRGB, GivesPlainValues)
{
    const QPalette pal = TestPalette();
    EXPECT_EQ(ColorToRGB(clWindow, pal), TColor(0x030201));
    EXPECT_EQ(ColorToRGB(clRed, pal), clRed);
    EXPECT_EQ(ColorToRGB(clNone, pal), clNone);
    EXPECT_EQ(ColorToRGB(clDefault, pal), clDefault);
    EXPECT_EQ(QColorToColor(QColor(0x12, 0x34, 0x56, 0x80)), TColor(0x563412));
    EXPECT_TRUE(IsSystemColor(clBtnFace));
    EXPECT_FALSE(IsSystemColor(clNone));
    EXPECT_FALSE(IsSystemColor(clWhite));
}

TEST(FontStyle, BitMaskRoundTrip)
{
    for (int mask = 0; mask < 16; ++mask) {
        QFont font;
        ApplyFontStyle(font, IntToFontStyle(mask));
        EXPECT_EQ(FontStyleToInt(FontStyleOf(font)), mask);
    }
    EXPECT_EQ(FontStyleToInt(IntToFontStyle(0x7FFFFFFF)), 15);
    EXPECT_EQ(IntToFontStyle(-1), fsBold | fsItalic | fsUnderline | fsStrikeOut);
}

TEST(Drawing, FrameFillInflateAndLines)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        FrameRect(p, QRect(1, 1, 8, 8), Qt::red);
        FillRect(p, InflateRect(QRect(1, 1, 8, 8), -2, -2), Qt::blue);
        DrawLine(p, QPoint(0, 0), QPoint(0, 9), Qt::green);
    }
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(8, 8), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white)); // inside the frame
    EXPECT_EQ(image.pixelColor(3, 3), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(6, 6), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(7, 7), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(9, 9), QColor(Qt::white)); // outside the frame
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(0, 9), QColor(Qt::green)); // both ends drawn
    EXPECT_EQ(InflateRect(QRect(5, 5, 4, 4), 2, 1), QRect(3, 4, 8, 6));
}

TEST(Drawing, TextStaysInsideItsRectangle)
{
    QImage image(60, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        DrawTextInRect(p, QRect(0, 0, 20, 20), QStringLiteral("WWWWWWWWWW"), Qt::black);
    }
    bool inside = false, outside = false;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x)
            if (image.pixelColor(x, y) != QColor(Qt::white))
                (x < 20 ? inside : outside) = true;
    EXPECT_TRUE(inside);
    EXPECT_FALSE(outside);
}

} // namespace
} // namespace orv
