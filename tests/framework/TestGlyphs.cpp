#include <orvkit/framework/OrvkitGlyphs.h>

#include <QImage>
#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(Glyphs, EveryNamedGlyphHasItsSizeAndIsDrawn)
{
    const struct {
        const char* name;
        QSize size;
    } rows[] = {
        {"UPGLYPH", {9, 7}},    {"DOWNGLYPH", {9, 7}},   {"CALCGLYFX", {16, 16}}, {"CALC1GLYPH", {15, 16}},
        {"CALC2GLYPH", {11, 16}}, {"CALGLYFX", {16, 16}}, {"CALGLYPH", {14, 16}},
    };
    for (const auto& r : rows) {
        const QPixmap glyph = GlyphBitmap(QString::fromLatin1(r.name));
        EXPECT_EQ(glyph.size(), r.size) << r.name;
        const QImage image = glyph.toImage();
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                opaque += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        EXPECT_GT(opaque, 10) << r.name;
    }
    EXPECT_TRUE(GlyphBitmap(QStringLiteral("NOSUCHGLYPH")).isNull());
}

TEST(Glyphs, ArrowsPointTheirWay)
{
    const QImage up = GlyphBitmap(QStringLiteral("UPGLYPH")).toImage();
    const QImage down = GlyphBitmap(QStringLiteral("DOWNGLYPH")).toImage();
    // The tip is one pixel, the base the full width.
    EXPECT_GT(qAlpha(up.pixel(4, 1)), 0);
    EXPECT_EQ(qAlpha(up.pixel(3, 1)), 0);
    EXPECT_GT(qAlpha(up.pixel(0, 5)), 0);
    EXPECT_GT(qAlpha(down.pixel(0, 1)), 0);
    EXPECT_EQ(qAlpha(down.pixel(3, 5)), 0);
}

TEST(Glyphs, ImageCountAndCalculatorNames)
{
    EXPECT_EQ(GlyphImageCount(QPixmap(64, 16)), 4);
    EXPECT_EQ(GlyphImageCount(QPixmap(10, 16)), 1);
    EXPECT_EQ(GlyphImageCount(QPixmap()), 1);
    EXPECT_EQ(CalcGlyphName(ecgCalcGlyFX), u"CALCGLYFX");
    EXPECT_EQ(CalcGlyphName(ecgCalc1), u"CALC1GLYPH");
    EXPECT_EQ(CalcGlyphName(ecgCalc2), u"CALC2GLYPH");
}

} // namespace
} // namespace orv
