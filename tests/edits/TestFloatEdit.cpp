#include <orvkit/edits/OrvkitFloatEdit.h>

#include <orvkit/core/OrvkitFormatSettings.h>

#include "edits/NumEditFixture.h"

namespace orv {
namespace {

using FloatEditTest = NumEditFixture<TOrvFloatEdit>;

TEST_F(FloatEditTest, ASecondDecimalSeparatorIsRefused)
{
    Type(QStringLiteral("1.5"));
    QTest::keyClicks(edit, QStringLiteral(".2"));
    EXPECT_EQ(edit->text(), QStringLiteral("1.52"));
    // A selection holding the separator is replaced.
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral(".7"));
    EXPECT_EQ(edit->text(), QStringLiteral(".7"));
}

TEST_F(FloatEditTest, ForceDecimalsRefusesDigitsAfterTheLastPlace)
{
    edit->SetDecimalPlaces(2);
    edit->SetForceDecimals(true);
    Type(QStringLiteral("1.253"));
    EXPECT_EQ(edit->text(), QStringLiteral("1.25"));
    edit->home(false);
    QTest::keyClicks(edit, QStringLiteral("9"));
    EXPECT_EQ(edit->text(), QStringLiteral("91.25")) << "before the separator digits go in";
}

TEST_F(FloatEditTest, SignTogglingKeepsBracketsWhenAsked)
{
    edit->SetAsFloat(3.25L);
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_Minus);
    EXPECT_EQ(edit->text(), QStringLiteral("-3.2500"));
    edit->SetNegAsBrackets(true);
    EXPECT_EQ(edit->text(), QStringLiteral("(3.2500)"));
    QTest::keyClick(edit, Qt::Key_Plus);
    EXPECT_EQ(edit->text(), QStringLiteral("3.2500"));
    EXPECT_EQ(edit->AsFloat(), 3.25L);
}

TEST_F(FloatEditTest, BracketsAreTypedOnlyWithNegAsBrackets)
{
    edit->SetUseSignToggling(false);
    Type(QStringLiteral("(2)"));
    EXPECT_EQ(edit->text(), QStringLiteral("2"));
    edit->SetNegAsBrackets(true);
    Type(QStringLiteral("(2)"));
    EXPECT_EQ(edit->text(), QStringLiteral("(2)"));
    EXPECT_EQ(edit->AsFloat(), -2.0L);
}

TEST_F(FloatEditTest, KeypadDecimalTypesTheSeparatorInForce)
{
    edit->SetNumPadDecimal(true);
    edit->SetCustomDecimal(u';');
    edit->SetCustomSeparators(true);
    Type(QStringLiteral("4"));
    QTest::keyClick(edit, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(edit, QStringLiteral("5"));
    EXPECT_EQ(edit->text(), QStringLiteral("4;5"));
    EXPECT_EQ(edit->AsFloat(), 4.5L);
    EXPECT_EQ(FormatSettings.DecimalSeparator, u'.');
}

struct FloatDisplayCase {
    const char* name;
    Extended value;
    int decimals;
    bool brackets;
    bool zeroPad;
    int maxLength;
    bool showPosSign;
    TOrvSeparatorStyle grouping;
    bool trim;
    bool blankWhenZero;
    const char16_t* expected;
};

class FloatDisplayTest : public ::testing::TestWithParam<FloatDisplayCase> {};

TEST_P(FloatDisplayTest, ShowsTheValue)
{
    const FloatDisplayCase& c = GetParam();
    TOrvFloatEdit e;
    e.SetDecimalPlaces(c.decimals);
    e.SetNegAsBrackets(c.brackets);
    e.SetZeroPad(c.zeroPad);
    e.SetMaxLength(c.maxLength);
    e.SetShowPosSign(c.showPosSign);
    e.SetThousandSeparators(c.grouping);
    e.SetTrimTrailingZeroes(c.trim);
    e.SetBlankWhenZero(c.blankWhenZero);
    e.SetAsFloat(c.value);
    EXPECT_EQ(e.text(), QString::fromUtf16(c.expected));
    EXPECT_EQ(e.AsFloat(), c.value) << "the shown text reads back";
    EXPECT_FALSE(GlobalShowPosSign);
    EXPECT_FALSE(GlobalBlankWhenZero);
}

const FloatDisplayCase kFloatDisplayCases[] = {
    {"brackets", -3.25L, 2, true, false, 0, false, essNone, false, false, u"(3.25)"},
    {"padMinus", -3.25L, 2, false, true, 8, false, essNone, false, false, u"-0003.25"},
    // Brackets count as one sign; MaxLength limits typing, not a value set by code.
    {"padBrackets", -3.25L, 2, true, true, 8, false, essNone, false, false, u"(0003.25)"},
    {"longerThanMaxLength", 123.25L, 2, false, false, 5, false, essNone, false, false, u"123.25"},
    {"onePlus", 5, 4, false, false, 0, true, essNone, false, false, u"+5.0000"},
    {"padPlus", 5, 1, false, true, 6, true, essNone, false, false, u"+005.0"},
    {"grouped", -1234567.5L, 2, false, false, 0, false, essExit, false, false, u"-1,234,567.50"},
    {"trimmed", 2.5L, 4, false, false, 0, false, essNone, true, false, u"2.5"},
    {"blankZero", 0, 4, false, true, 8, true, essNone, false, true, u""},
    {"zero", 0, 2, false, false, 0, true, essNone, false, false, u"0.00"},
};

INSTANTIATE_TEST_SUITE_P(Float, FloatDisplayTest, ::testing::ValuesIn(kFloatDisplayCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FloatEditValues, ScaleSeparatesTheStoredFromTheShownNumber)
{
    TOrvFloatEdit e;
    e.SetScale(-100);
    EXPECT_EQ(e.Scale(), 100.0L) << "the magnitude is taken";
    e.SetAsFloat(250);
    EXPECT_EQ(e.text(), QStringLiteral("2.5000"));
    EXPECT_EQ(e.AsScaledFloat(), 2.5L);
    e.SetAsScaledFloat(3);
    EXPECT_EQ(e.AsFloat(), 300.0L);
    e.setText(QStringLiteral("1.25"));
    EXPECT_EQ(e.AsFloat(), 125.0L);
    e.SetScale(0);
    EXPECT_EQ(e.Scale(), 1.0L) << "a zero scale becomes 1";
}

TEST(FloatEditValues, WithoutFullAccuracyTheValueFollowsTheText)
{
    TOrvFloatEdit e;
    e.SetAsFloat(1.0L / 3);
    EXPECT_EQ(e.text(), QStringLiteral("0.3333"));
    EXPECT_EQ(e.AsFloat(), 0.3333L);
}

TEST(FloatEditValues, FullAccuracyKeepsTheValueWhileTheTextIsUnchanged)
{
    TOrvFloatEdit e;
    e.SetFullAccuracy(true);
    e.SetAsFloat(1.0L / 3);
    EXPECT_EQ(e.AsFloat(), 1.0L / 3);
    e.setText(QStringLiteral("0.5"));
    EXPECT_EQ(e.AsFloat(), 0.5L);
    e.SetAsFloat(2.0L / 3);
    e.SetFullAccuracy(false);
    EXPECT_EQ(e.AsFloat(), 0.6667L) << "turning it off re-reads the text";
}

TEST(FloatEditValues, OnConvertReplacesTheReading)
{
    TOrvFloatEdit e;
    QString seen;
    e.OnConvert = [&](QObject* sender, const QString& text, Extended& value) {
        EXPECT_EQ(sender, &e);
        seen = text;
        value = 42;
    };
    e.setText(QStringLiteral("anything"));
    EXPECT_EQ(e.AsFloat(), 42.0L);
    EXPECT_EQ(seen, QStringLiteral("anything"));
}

TEST(FloatEditValues, CustomSeparators)
{
    TOrvFloatEdit e;
    e.SetCustomThousands(u'.');
    e.SetCustomDecimal(u',');
    e.SetCustomSeparators(true);
    e.SetShowThousandSeparators(true);
    e.SetDecimalPlaces(2);
    e.SetAsFloat(1234.5L);
    EXPECT_EQ(e.text(), QStringLiteral("1.234,50"));
    e.setText(QStringLiteral("2.000,25"));
    EXPECT_EQ(e.AsFloat(), 2000.25L);
    EXPECT_EQ(FormatSettings.DecimalSeparator, u'.');
    EXPECT_EQ(FormatSettings.ThousandSeparator, u',');
}

TEST(FloatEditValues, UIControlDecidesOnBrackets)
{
    TOrvUICtrl ui;
    ui.SetNegAsBrackets(true);
    TOrvFloatEdit e;
    e.SetDecimalPlaces(1);
    e.SetAsFloat(-2);
    EXPECT_EQ(e.text(), QStringLiteral("-2.0"));
    e.SetUICtrl(&ui);
    EXPECT_EQ(e.text(), QStringLiteral("(2.0)"));
    e.SetUIUsage({eutColorSet});
    EXPECT_EQ(e.text(), QStringLiteral("-2.0"));
}

TEST_F(FloatEditTest, FullAccuracyEditShowsAllDecimalsWhileFocused)
{
    Focus(next);
    edit->SetFullAccuracy(true);
    edit->SetFullAccuracyEdit(true);
    edit->SetAsFloat(1.0L / 3);
    EXPECT_EQ(edit->text(), QStringLiteral("0.3333"));
    Focus(edit);
    EXPECT_EQ(edit->text(), QStringLiteral("0.333333333333333333"));
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(edit->text(), QStringLiteral("0.3333"));
    EXPECT_EQ(edit->AsFloat(), 1.0L / 3) << "the full value survives a visit";
}

using PosFloatEditTest = NumEditFixture<TOrvPosFloatEdit>;

TEST_F(PosFloatEditTest, ComparisonPrefixIsReadAndShown)
{
    edit->SetShowComparisonType(true);
    Type(QStringLiteral(">=10"));
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(edit->AsFloat(), 10.0L);
    EXPECT_EQ(edit->ComparisonType(), ecGreaterEq);
    EXPECT_EQ(edit->text(), QStringLiteral(">= 10.0000"));

    edit->setText(QStringLiteral("7"));
    EXPECT_EQ(edit->ComparisonType(), ecGreaterEq) << "no prefix keeps the type";
    edit->setText(QStringLiteral("<>7"));
    EXPECT_EQ(edit->ComparisonType(), ecNotEqual);
}

TEST_F(PosFloatEditTest, RefusesTheMinusSign)
{
    edit->SetUseSignToggling(false);
    Type(QStringLiteral("-1<"));
    EXPECT_EQ(edit->text(), QStringLiteral("1"));
}

TEST_F(FloatEditTest, BoundsMessageShowsTheBoundWithTheDecimals)
{
    edit->SetDecimalPlaces(2);
    edit->SetBoundsEnabled(true);
    edit->SetBoundLower(-1);
    edit->SetBoundUpper(10);
    Type(QStringLiteral("12"));
    EXPECT_EQ(LeaveCatchingBox(), QStringLiteral("Your entered Value is above the upper limit of 10.00"));
    EXPECT_EQ(edit->BoundsValidationType(), evtAboveUpper);
    Focus(edit);
    Type(QStringLiteral("-1.5"));
    EXPECT_EQ(LeaveCatchingBox(), QStringLiteral("Your entered Value is below the lower limit of -1.00"));
    Focus(edit);
    Type(QStringLiteral("10"));
    EXPECT_EQ(LeaveCatchingBox(), QString());
    EXPECT_EQ(edit->BoundsValidationType(), evtNone);
}

// ---- percent

TEST(PercentEditTest, ScaledAsFloatIsAHundredthOfTheShownValue)
{
    TOrvPercentEdit e;
    EXPECT_EQ(e.text(), QStringLiteral("0.00"));
    e.SetAsFloat(0.125L);
    EXPECT_EQ(e.text(), QStringLiteral("12.50"));
    EXPECT_EQ(e.AsPercentage(), 12.5L);
    e.SetShowPercent(true);
    EXPECT_EQ(e.text(), QStringLiteral("12.50%"));
    EXPECT_EQ(e.AsFloat(), 0.125L);
    e.SetScaled(false);
    EXPECT_EQ(e.text(), QStringLiteral("0.13%")) << "switching divides the stored value";
    e.SetAsFloat(7);
    EXPECT_EQ(e.AsPercentage(), 7.0L);
}

TEST(PercentEditTest, SignAndPaddingAroundThePercent)
{
    TOrvPercentEdit e;
    e.SetShowPercent(true);
    e.SetZeroPad(true);
    e.SetMaxLength(8);
    e.SetAsPercentage(-5);
    EXPECT_EQ(e.text(), QStringLiteral("-005.00%"));
    e.SetShowPosSign(true);
    e.SetAsPercentage(5);
    EXPECT_EQ(e.text(), QStringLiteral("+005.00%"));
    EXPECT_EQ(e.AsPercentage(), 5.0L);
}

TEST(PercentEditTest, KeyFilterTakesThePercentSign)
{
    TOrvPercentEdit e;
    e.SetText(QString());
    QTest::keyClicks(&e, QStringLiteral("1x2%"));
    EXPECT_EQ(e.text(), QStringLiteral("12%"));
    EXPECT_EQ(e.AsPercentage(), 12.0L);
}

// ---- scientific

struct SciCase {
    const char* name;
    Extended value;
    bool range;
    bool trim;
    const char16_t* expected;
};

class SciDisplayTest : public ::testing::TestWithParam<SciCase> {};

TEST_P(SciDisplayTest, ShowsTheValue)
{
    const SciCase& c = GetParam();
    TOrvSciFloatEdit e;
    e.SetSciRange(c.range);
    e.SetTrimTrailingZeroes(c.trim);
    e.SetAsFloat(c.value);
    EXPECT_EQ(e.text(), QString::fromUtf16(c.expected));
}

const SciCase kSciCases[] = {
    {"fixedInRange", 0.5L, true, false, u"0.5000"},
    {"aboveRange", 1.0E7L, true, false, u"1.0000E+7"},
    {"zeroFixed", 0, true, false, u"0.0000"},
    {"rangeIsOpen", 1.0E6L, true, false, u"1.0000E+6"},
    {"withoutRange", 0.5L, false, false, u"5.0000E-1"},
    {"trimmed", 1.0E7L, false, true, u"1E+7"},
};

INSTANTIATE_TEST_SUITE_P(Sci, SciDisplayTest, ::testing::ValuesIn(kSciCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SciFloatEditTest, ReadsExponentTextAndFilters)
{
    TOrvSciFloatEdit e;
    e.SetText(QString());
    QTest::keyClicks(&e, QStringLiteral("1.5xE-3"));
    EXPECT_EQ(e.text(), QStringLiteral("1.5E-3"));
    EXPECT_EQ(e.AsFloat(), 1.5E-3L);
    e.SetScale(10);
    EXPECT_EQ(e.AsFloat(), 1.5E-3L) << "a new scale keeps the stored value";
    EXPECT_EQ(e.AsScaledFloat(), 1.5E-4L);
    e.setText(QStringLiteral("2"));
    EXPECT_EQ(e.AsFloat(), 20.0L) << "the text is the shown number";
}

TEST(SciFloatEditTest, RangeSettersIgnoreTinyChanges)
{
    TOrvSciFloatEdit e;
    e.SetSciRange(true);
    e.SetAsFloat(5.0E6L);
    EXPECT_EQ(e.text(), QStringLiteral("5.0000E+6"));
    e.SetSciMax(1.0E7L);
    EXPECT_EQ(e.text(), QStringLiteral("5000000.0000"));
    e.SetSciMax(1.0E7L * (1 + 1.0E-19L));
    EXPECT_EQ(e.SciMax(), 1.0E7L);
}

} // namespace
} // namespace orv

namespace orv {
namespace {

using FloatAdvanceTest = NumEditFixture<TOrvFloatEdit>;

TEST_F(FloatAdvanceTest, AutoAdvDecimalsMovesOnAfterTheLastPlace)
{
    edit->SetDecimalPlaces(2);
    edit->SetAutoAdvDecimals(true);
    EXPECT_TRUE(edit->AutoAdvance());
    Type(QStringLiteral("12.3"));
    EXPECT_EQ(Focused(), edit);
    QTest::keyClick(edit, Qt::Key_4);
    EXPECT_EQ(Focused(), next);
    EXPECT_EQ(edit->AsFloat(), 12.34L);
}

TEST_F(FloatAdvanceTest, NavigationKeysDoNotAdvance)
{
    edit->SetDecimalPlaces(1);
    edit->SetAutoAdvDecimals(true);
    edit->SetText(QStringLiteral("1.5"));
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_End);
    EXPECT_EQ(Focused(), edit);
}

TEST_F(FloatAdvanceTest, SignKeyOnANullEditStartsAFreshText)
{
    edit->SetNullStr(QStringLiteral("none"));
    edit->SetNull(true);
    EXPECT_EQ(edit->text(), QStringLiteral("none"));
    QTest::keyClick(edit, Qt::Key_Minus);
    EXPECT_FALSE(edit->Null());
    EXPECT_EQ(edit->text(), QStringLiteral("-"));
    QTest::keyClicks(edit, QStringLiteral("2.5"));
    EXPECT_EQ(edit->AsFloat(), -2.5L);

    edit->SetNull(true);
    QTest::keyClick(edit, Qt::Key_Period);
    EXPECT_EQ(edit->text(), QStringLiteral("."));
}

TEST_F(FloatAdvanceTest, ReadOnlyEditIgnoresTheSignKeys)
{
    edit->SetAsFloat(4);
    edit->SetReadOnly(true);
    QTest::keyClick(edit, Qt::Key_Minus);
    EXPECT_EQ(edit->AsFloat(), 4.0L);
}

} // namespace
} // namespace orv

namespace orv {
namespace {

using FloatGroupingTest = NumEditFixture<TOrvFloatEdit>;

TEST_F(FloatGroupingTest, RegroupsOnlyTheIntegerDigitsWhileTyping)
{
    edit->SetThousandSeparators(essAuto);
    Type(QStringLiteral("-1234.5678"));
    EXPECT_EQ(edit->text(), QStringLiteral("-1,234.5678"));
    EXPECT_EQ(edit->AsFloat(), -1234.5678L);
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(edit->text(), QStringLiteral("-1,234.5678"));
}

TEST_F(FloatGroupingTest, TheNextControlSeesTheLocaleSeparators)
{
    edit->SetCustomDecimal(u';');
    edit->SetCustomSeparators(true);
    QChar seen;
    next->OnEnter = [&](QObject*) { seen = FormatSettings.DecimalSeparator; };
    Type(QStringLiteral("1;5"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(Focused(), next);
    EXPECT_EQ(seen, u'.');
    EXPECT_EQ(edit->text(), QStringLiteral("1;5000"));
}

TEST(PercentEditValues, FullAccuracyKeepsThePercentage)
{
    TOrvPercentEdit e;
    e.SetFullAccuracy(true);
    e.SetAsPercentage(100.0L / 3);
    EXPECT_EQ(e.text(), QStringLiteral("33.33"));
    EXPECT_EQ(e.AsPercentage(), 100.0L / 3);
    e.setText(QStringLiteral("12.5%"));
    EXPECT_EQ(e.AsPercentage(), 12.5L);
}

} // namespace
} // namespace orv
