#include <orvkit/controls/OrvkitItemControl.h>
#include <orvkit/controls/OrvkitItemDrawing.h>

#include <gtest/gtest.h>

namespace orv {
namespace {

struct GeometryCase {
    const char* name;
    TOrvItemGeometry g;
    QRect mark, caption, focus;
};

// Focus rectangles are for a caption of 30 x 13 pixels.
const GeometryCase kGeometry[] = {
    {"caption right", {100, 17, 12, 0, 5, 0, false, false}, QRect(1, 2, 12, 13), QRect(17, 0, 83, 17),
     QRect(15, 1, 34, 15)},
    {"caption left", {100, 17, 12, 0, 5, 0, true, false}, QRect(87, 2, 12, 13), QRect(0, 0, 83, 17),
     QRect(51, 1, 34, 15)},
    {"framed, margin", {100, 21, 12, 3, 5, 2, false, false}, QRect(6, 4, 12, 13), QRect(22, 0, 76, 21),
     QRect(20, 3, 34, 15)},
    {"word wrap keeps the inset above and below", {100, 40, 12, 0, 5, 2, false, true}, QRect(3, 14, 12, 13),
     QRect(19, 2, 79, 36), QRect(17, 3, 34, 34)},
    {"narrow control clips the focus rectangle", {40, 17, 12, 0, 5, 0, false, false}, QRect(1, 2, 12, 13),
     QRect(17, 0, 23, 17), QRect(15, 1, 25, 15)},
};

TEST(ItemGeometry, MarkCaptionAndFocusRectangles)
{
    for (const GeometryCase& c : kGeometry) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ItemMarkRect(c.g), c.mark);
        EXPECT_EQ(ItemCaptionRect(c.g), c.caption);
        EXPECT_EQ(ItemFocusRect(c.g, QSize(30, 13)), c.focus);
    }
}

TEST(ItemGeometry, CaptionFlags)
{
    TOrvItemGeometry g;
    EXPECT_EQ(ItemCaptionFlags(g), Qt::TextShowMnemonic | Qt::AlignLeft | Qt::TextSingleLine | Qt::AlignVCenter);
    g.CaptionLeft = true;
    g.WordWrap = true;
    EXPECT_EQ(ItemCaptionFlags(g), Qt::TextShowMnemonic | Qt::AlignRight | Qt::TextWordWrap | Qt::AlignTop);
}

TEST(ItemLayout, FiveItemsInTwoColumnsMakeThreeRows)
{
    TOrvItemLayout l;
    l.Count = 5;
    l.Columns = 2;
    l.Width = 200;
    l.Height = 100;
    l.TextHeight = 13;
    l.HasCaption = true;
    const std::vector<QRect> r = LayoutItemRects(l);
    ASSERT_EQ(r.size(), 5u);
    // avail 82, rows 3: top 13 + (82 mod 3) / 2 + 1 = 14, row height 27, column width 94.
    const QRect expected[] = {{8, 14, 94, 27}, {8, 41, 94, 27}, {8, 68, 94, 27}, {102, 14, 94, 27}, {102, 41, 94, 27}};
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(r[i], expected[i]) << "item " << i;
}

TEST(ItemLayout, WithoutCaptionRightToLeftAndDegenerateSizes)
{
    TOrvItemLayout l;
    l.Count = 2;
    l.Columns = 2;
    l.Width = 100;
    l.Height = 50;
    l.TextHeight = 13;
    l.RightToLeft = true;
    const std::vector<QRect> r = LayoutItemRects(l);
    // avail 44, one row: top 0 + 1, column width 44; the first item goes to the right column.
    EXPECT_EQ(r[0], QRect(52, 1, 44, 44));
    EXPECT_EQ(r[1], QRect(8, 1, 44, 44));

    l.Width = 4;
    l.Height = 2;
    for (const QRect& rect : LayoutItemRects(l))
        EXPECT_TRUE(rect.width() >= 0 && rect.height() >= 0);
    l.Count = 0;
    EXPECT_TRUE(LayoutItemRects(l).empty());
}

TEST(ItemKeys, RuleNamesTheActionAndSwallowsTheKey)
{
    const struct {
        char16_t key;
        TOrvItemKeyContext context;
        TOrvItemKeyAction action;
    } cases[] = {
        {13, {true, true, false, true}, eikNextControl}, {13, {false, true, false, true}, eikNone},
        {27, {true, true, false, true}, eikUndo},        {27, {true, false, false, true}, eikNone},
        {32, {true, true, true, true}, eikToggle},       {32, {true, true, false, true}, eikNone},
        {14, {true, true, false, true}, eikMakeNull},    {14, {true, true, false, false}, eikNone},
        {u'a', {true, true, true, true}, eikNone},
    };
    for (const auto& c : cases) {
        QChar key(c.key);
        EXPECT_EQ(ItemKeyRule(key, c.context), c.action) << int(c.key);
        EXPECT_EQ(key.isNull(), c.action != eikNone) << int(c.key);
    }
}

} // namespace
} // namespace orv
