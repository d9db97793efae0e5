#include <orvkit/framework/OrvkitColorSets.h>

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace orv {
namespace {

constexpr TColor kCurrent = 0x00123456; // the colour the control has now
constexpr TColor kRW = 0x00000011, kRO = 0x00000022, kFocus = 0x00000033, kHot = 0x00000044, kDis = 0x00000055;

struct TState {
    bool enabled, readOnly, focused, hot;
};

struct PrecedenceCase {
    const char* name;
    TState state;
    TColor rw, ro, focus, hot, disabled;
    TColor expected;
};

// ShowFocus and HotTracking are on, so each state can show.
const PrecedenceCase kPrecedence[] = {
    {"read-write", {true, false, false, false}, kRW, kRO, kFocus, kHot, kDis, kRW},
    {"hot", {true, false, false, true}, kRW, kRO, kFocus, kHot, kDis, kHot},
    {"focused beats hot", {true, false, true, true}, kRW, kRO, kFocus, kHot, kDis, kFocus},
    {"read-only beats focused", {true, true, true, true}, kRW, kRO, kFocus, kHot, kDis, kRO},
    {"disabled beats all", {false, true, true, true}, kRW, kRO, kFocus, kHot, kDis, kDis},
    {"rw none keeps current", {true, false, false, false}, clNone, kRO, kFocus, kHot, kDis, kCurrent},
    {"rw default is window", {true, false, false, false}, clDefault, kRO, kFocus, kHot, kDis, clWindow},
    {"hot none falls to rw", {true, false, false, true}, kRW, kRO, kFocus, clNone, kDis, kRW},
    {"hot default", {true, false, false, true}, kRW, kRO, kFocus, clDefault, kDis, 0x00FFFF00},
    {"focus none falls to rw", {true, false, true, false}, kRW, kRO, clNone, kHot, kDis, kRW},
    {"focus default", {true, false, true, false}, kRW, kRO, clDefault, kHot, kDis, 0x0080FFFF},
    {"ro none gives rw colour", {true, true, false, false}, kRW, clNone, kFocus, kHot, kDis, kRW},
    {"ro none, rw none keeps current", {true, true, false, false}, clNone, clNone, kFocus, kHot, kDis, kCurrent},
    {"ro default", {true, true, false, false}, kRW, clDefault, kFocus, kHot, kDis, 0x00FFFFF0},
    {"disabled none falls to rw", {false, false, false, false}, kRW, kRO, kFocus, kHot, clNone, kRW},
    {"disabled default", {false, false, false, false}, kRW, kRO, kFocus, kHot, clDefault, clBtnFace},
};

class BackgroundPrecedence : public ::testing::TestWithParam<PrecedenceCase> {};

TEST_P(BackgroundPrecedence, FollowsDisabledReadOnlyFocusedHotReadWrite)
{
    const PrecedenceCase& c = GetParam();
    TOrvEditColorSet set;
    set.SetShowFocus(true);
    set.SetHotTracking(true);
    set.SetRWColor(c.rw);
    set.SetROColor(c.ro);
    set.SetFocusColor(c.focus);
    set.SetHotColor(c.hot);
    set.SetDisabledColor(c.disabled);
    EXPECT_EQ(set.GetEditColor(c.state.readOnly, c.state.enabled, kCurrent, false, c.state.hot, c.state.focused),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, BackgroundPrecedence, ::testing::ValuesIn(kPrecedence),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& ch : n)
                                 if (!isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return n;
                         });

TEST(ColorSet, DefaultsShowNeitherFocusNorHot)
{
    TOrvEditColorSet set;
    EXPECT_EQ(set.GetEditColor(false, true, kCurrent, false, true, true), clWindow);
    EXPECT_EQ(set.GetFrameColor(false, true, true, true), clWindowFrame);
}

TEST(ColorSet, SpecialTwinsReplaceThePlainColours)
{
    TOrvEditColorSet set;
    set.SetShowFocus(true);
    set.SetRWSpecialColor(0x0A);
    set.SetROSpecialColor(0x0B);
    set.SetFocusSpecialColor(0x0C);
    set.SetROSpecialFontColor(0x0D);
    set.SetROSpecialFontStyle(fsItalic);
    EXPECT_EQ(set.GetEditColor(false, true, kCurrent, true, false, false), 0x0A);
    EXPECT_EQ(set.GetEditColor(true, true, kCurrent, true, false, false), 0x0B);
    EXPECT_EQ(set.GetEditColor(false, true, kCurrent, true, false, true), 0x0C);
    TFontStyles style;
    TColor font = kCurrent, color = kCurrent;
    set.GetColorStates(true, true, true, false, false, style, font, color);
    EXPECT_EQ(font, 0x0D);
    EXPECT_EQ(style, TFontStyles(fsItalic));
}

struct FontCase {
    const char* name;
    TState state;
    TColor rwFont, roFont, focusFont;
    TColor expectedFont;
    TFontStyles expectedStyle;
};

const FontCase kFont[] = {
    {"read-write", {true, false, false, false}, 0x01, 0x02, 0x03, 0x01, fsBold},
    {"read-only", {true, true, false, false}, 0x01, 0x02, 0x03, 0x02, fsItalic},
    {"read-only none takes rw", {true, true, false, false}, 0x01, clNone, 0x03, 0x01, fsItalic},
    {"read-only none, rw none unchanged", {true, true, false, false}, clNone, clNone, 0x03, kCurrent, fsItalic},
    {"read-only default", {true, true, false, false}, 0x01, clDefault, 0x03, clWindowText, fsItalic},
    {"focused", {true, false, true, false}, 0x01, 0x02, 0x03, 0x03, fsUnderline},
    {"focused none unchanged", {true, false, true, false}, 0x01, 0x02, clNone, kCurrent, fsUnderline},
    {"disabled unchanged", {false, false, true, false}, 0x01, 0x02, 0x03, kCurrent, fsStrikeOut},
};

class FontStates : public ::testing::TestWithParam<FontCase> {};

TEST_P(FontStates, FollowTheStateRules)
{
    const FontCase& c = GetParam();
    TOrvEditColorSet set;
    set.SetShowFocus(true);
    set.SetRWFontColor(c.rwFont);
    set.SetROFontColor(c.roFont);
    set.SetFocusFontColor(c.focusFont);
    set.SetRWFontStyle(fsBold);
    set.SetROFontStyle(fsItalic);
    set.SetFocusFontStyle(fsUnderline);
    TFontStyles style = fsStrikeOut;
    TColor font = kCurrent, color = kCurrent;
    set.GetColorStates(c.state.enabled, c.state.readOnly, false, c.state.hot, c.state.focused, style, font, color);
    EXPECT_EQ(font, c.expectedFont);
    EXPECT_EQ(style, c.expectedStyle);
}

INSTANTIATE_TEST_SUITE_P(Table, FontStates, ::testing::ValuesIn(kFont));

TEST(ColorSet, SignColoursApplyInEveryStateWithNumDiff)
{
    TOrvEditColorSet set;
    TFontStyles style;
    TColor font = kCurrent, color = kCurrent;
    set.GetNumericColorStates(true, false, -1, false, false, false, style, font, color);
    EXPECT_EQ(font, clWindowText) << "NumDiff off: the plain rule";
    set.SetNumDiff(true);
    set.SetNumNegFontStyle(fsBold);
    for (const bool enabled : {true, false}) {
        font = kCurrent;
        set.GetNumericColorStates(enabled, false, -5, false, false, false, style, font, color);
        EXPECT_EQ(font, 0x000000FF);
        EXPECT_EQ(style, TFontStyles(fsBold));
        set.GetNumericColorStates(enabled, false, 1, false, false, false, style, font, color);
        EXPECT_EQ(font, 0x00800000);
    }
    set.SetNumPosFontColor(clDefault);
    set.SetNumNegFontColor(clNone);
    font = kCurrent;
    set.GetNumericColorStates(true, false, -1, false, false, false, style, font, color);
    EXPECT_EQ(font, clWindowText) << "clNone keeps the state's font colour";
    set.GetNumericColorStates(true, false, 1, false, false, false, style, font, color);
    EXPECT_EQ(font, 0x00800000);
    font = 0x42;
    set.GetNumericColorStates(false, false, 0, false, false, false, style, font, color);
    EXPECT_EQ(font, 0x42) << "zero changes nothing";
}

struct FrameCase {
    const char* name;
    TColor border, focus, hot, disabled;
    TState state;
    TColor expected;
};

const FrameCase kFrame[] = {
    {"base", 0x01, 0x02, 0x03, 0x04, {true, false, false, false}, 0x01},
    {"focused", 0x01, 0x02, 0x03, 0x04, {true, false, true, true}, 0x02},
    {"hot", 0x01, 0x02, 0x03, 0x04, {true, false, false, true}, 0x03},
    {"read-only is base", 0x01, 0x02, 0x03, 0x04, {true, true, true, true}, 0x01},
    {"disabled", 0x01, 0x02, 0x03, 0x04, {false, true, true, true}, 0x04},
    {"border default", clDefault, 0x02, 0x03, 0x04, {true, false, false, false}, clWindowFrame},
    {"border none takes focus", clNone, 0x02, 0x03, 0x04, {true, false, false, false}, 0x02},
    {"border none, focus none", clNone, clNone, 0x03, 0x04, {true, false, false, false}, clWindowFrame},
    {"border none, focus default", clNone, clDefault, 0x03, 0x04, {true, false, false, false}, clHighlight},
    {"disabled none is base", 0x01, 0x02, 0x03, clNone, {false, false, false, false}, 0x01},
    {"disabled default", 0x01, 0x02, 0x03, clDefault, {false, false, false, false}, clWindow},
    {"hot none is base", 0x01, 0x02, clNone, 0x04, {true, false, false, true}, 0x01},
    {"focus default", 0x01, clDefault, 0x03, 0x04, {true, false, true, false}, clHighlight},
};

class FrameColors : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FrameColors, BorderAndBoxFrameFollowOneRule)
{
    const FrameCase& c = GetParam();
    TOrvCompleteColorSet set;
    set.SetShowFocus(true);
    set.SetHotTracking(true);
    set.SetBorderColor(c.border);
    set.SetBorderFocusColor(c.focus);
    set.SetBorderHotColor(c.hot);
    set.SetBorderDisabledColor(c.disabled);
    set.SetBoxFrameColor(c.border);
    set.SetBoxFrameFocusColor(c.focus);
    set.SetBoxFrameHotColor(c.hot);
    set.SetBoxFrameDisabledColor(c.disabled);
    EXPECT_EQ(set.GetFrameColor(c.state.readOnly, c.state.enabled, c.state.hot, c.state.focused), c.expected);
    EXPECT_EQ(set.GetBoxFrameColor(c.state.readOnly, c.state.enabled, c.state.hot, c.state.focused), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FrameColors, ::testing::ValuesIn(kFrame));

TEST(ColorSet, FocusFrameColour)
{
    TOrvColorSet set;
    EXPECT_EQ(set.GetFocusFrameColor(), clHighlight);
    set.SetBorderFocusColor(0x07);
    EXPECT_EQ(set.GetFocusFrameColor(), 0x07);
    set.SetBorderFocusColor(clNone);
    set.SetBorderColor(0x09);
    EXPECT_EQ(set.GetFocusFrameColor(), 0x09);
    set.SetBorderColor(clDefault);
    EXPECT_EQ(set.GetFocusFrameColor(), clWindowFrame);
}

TEST(ColorSet, SizesAreClamped)
{
    TOrvCompleteColorSet set;
    const std::pair<int, int> cases[] = {{0, 1}, {-3, 1}, {2, 2}, {5, 2}};
    for (const auto& [in, out] : cases) {
        set.SetBorderSize(in);
        set.SetBoxFrameSize(in);
        EXPECT_EQ(set.BorderSize(), out) << in;
        EXPECT_EQ(set.BoxFrameSize(), out) << in;
    }
}

TEST(ColorSet, SettersNotifyOnceAndOnlyOnChange)
{
    TOrvEditColorSet set;
    int changes = 0, flats = 0;
    set.OnChange = [&](TOrvColorSet* sender) {
        EXPECT_EQ(sender, &set);
        ++changes;
    };
    set.OnFlatChange = [&](TOrvColorSet*) { ++flats; };
    EXPECT_TRUE(set.Set_Defaults());
    set.SetRWColor(clWindow);
    EXPECT_EQ(changes, 0) << "unchanged value";
    set.SetRWColor(clRed);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(flats, 0);
    EXPECT_FALSE(set.Set_Defaults());
    set.SetFlat(true);
    EXPECT_EQ(changes, 2) << "a flat change is a change too";
    EXPECT_EQ(flats, 1);
    set.BeginUpdate();
    set.SetROColor(clRed);
    set.SetFlatBtns(false);
    EXPECT_EQ(changes, 2);
    set.EndUpdate();
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(flats, 2);
    set.SetSet_Defaults(true);
    EXPECT_TRUE(set.Set_Defaults());
    EXPECT_EQ(set.RWColor(), clWindow);
    EXPECT_FALSE(set.Flat());
    EXPECT_TRUE(set.FlatBtns());
    EXPECT_EQ(flats, 3);
}

TEST(ColorSet, LineEditAndFlatGoTogether)
{
    TOrvEditColorSet set;
    set.SetLineEdit(true);
    EXPECT_TRUE(set.Flat());
    set.SetFlat(false);
    EXPECT_FALSE(set.LineEdit());
    set.SetFlat(true);
    EXPECT_FALSE(set.LineEdit()) << "turning Flat on leaves LineEdit alone";
}

TEST(ColorSet, AssignCopiesTheSharedPropertiesWithOneFlatChange)
{
    TOrvCompleteColorSet complete;
    complete.SetListColor(0x0101);
    complete.SetXPThemesCombos(true);
    complete.SetRWColor(0x0202);
    complete.SetItemRWColor(0x0303);
    complete.SetHeadingColor(0x0404);
    complete.SetNumDiff(true);

    TOrvComboColorSet combo;
    int changes = 0, flats = 0;
    combo.OnChange = [&](TOrvColorSet*) { ++changes; };
    combo.OnFlatChange = [&](TOrvColorSet*) { ++flats; };
    combo.Assign(complete);
    EXPECT_EQ(combo.ListColor(), 0x0101);
    EXPECT_TRUE(combo.XPThemesCombos());
    EXPECT_EQ(combo.RWColor(), 0x0202);
    EXPECT_FALSE(combo.Set_Defaults());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(flats, 1);

    TOrvGroupColorSet group;
    group.Assign(complete);
    EXPECT_EQ(group.ItemRWColor(), 0x0303);
    EXPECT_EQ(group.HeadingColor(), 0x0404);

    TOrvEditColorSet edit;
    edit.Assign(complete);
    EXPECT_TRUE(edit.NumDiff());
    TOrvCompleteColorSet back;
    back.Assign(edit);
    EXPECT_TRUE(back.NumDiff());
    EXPECT_EQ(back.ListColor(), clWindow) << "an edit set has no list colours to give";
}

TEST(ColorSet, ItemMarkAndHeadingColours)
{
    TOrvGroupColorSet set;
    set.SetShowFocus(true);
    set.SetItemROFontStyle(fsBold);
    TColor color = kCurrent;
    TFontStyles style;
    set.GetItemColor(true, true, false, false, color, style);
    EXPECT_EQ(color, clWindowText);
    EXPECT_EQ(style, TFontStyles(fsBold));
    set.GetItemColor(false, false, false, false, color, style);
    EXPECT_EQ(color, clWindow);
    EXPECT_EQ(style, TFontStyles()) << "disabled overrides the colour only";
    set.SetMarkFocusColor(clNone);
    EXPECT_EQ(set.GetMarkColor(false, true, false, true, kCurrent), clWindowText);
    set.SetMarkDisabledColor(clDefault);
    EXPECT_EQ(set.GetMarkColor(false, false, false, false, kCurrent), clWindow);

    TColor head = kCurrent, bk = kCurrent;
    set.SetHeadingFocusFontStyle(fsUnderline);
    set.GetHeadingColors(true, true, false, style, bk, head);
    EXPECT_EQ(head, clHighlight);
    EXPECT_EQ(bk, clBtnFace);
    EXPECT_EQ(style, TFontStyles(fsUnderline));
    set.GetHeadingColors(false, true, false, style, bk, head);
    EXPECT_EQ(head, clWindow);
    EXPECT_EQ(style, TFontStyles());
}

QImage Paint(const TOrvColorSet& set, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    set.FlattenControl(p, QRect(QPoint(0, 0), size), QPalette(), false, clYellow, false, false, true);
    return image;
}

TEST(ColorSet, FlatBorderPaintsBorderThenBackgroundRing)
{
    TOrvEditColorSet set;
    set.SetBorderColor(clRed);
    QImage image = Paint(set, QSize(20, 10));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(19, 9), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::yellow));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white));

    set.SetBorderSize(2);
    image = Paint(set, QSize(20, 10));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::yellow));

    set.SetBorderSize(1);
    set.SetLineEdit(true);
    image = Paint(set, QSize(20, 10));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::yellow)) << "no frame in the underline style";
    EXPECT_EQ(image.pixelColor(0, 9), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(19, 9), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::yellow));
}

TEST(ColorSet, FlatComboDrawsTheSeparatorBeforeTheButton)
{
    TOrvComboColorSet set;
    set.SetBorderColor(clRed);
    QImage image(QSize(60, 20), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        set.FlattenComboControl(p, image.rect(), QPalette(), csDropDown, 16, false, clYellow, false, false, true);
    }
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(1, 5), QColor(Qt::yellow));
    // The frame grown back to the window, right edge moved left by 16 + 2.
    EXPECT_EQ(image.pixelColor(59 - 18, 10), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(20, 10), QColor(Qt::white));
}

} // namespace
} // namespace orv
