#include <orvkit/edits/OrvkitNumEditRules.h>

#include <orvkit/core/OrvkitFormatSettings.h>

#include "datetime/PrintQString.h"

#include <gtest/gtest.h>
#include <limits>
#include <stdexcept>

namespace orv {
namespace {

TEST(SeparatorScope, RestoresTheSeparatorsOnEveryPath)
{
    try {
        const TOrvSeparatorScope scope(true, u'.', u',');
        EXPECT_EQ(FormatSettings.ThousandSeparator, u'.');
        EXPECT_EQ(FormatSettings.DecimalSeparator, u',');
        throw std::runtime_error("fails inside");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(FormatSettings.ThousandSeparator, u',');
    EXPECT_EQ(FormatSettings.DecimalSeparator, u'.');
    {
        const TOrvSeparatorScope unused(false, u'x', u'y');
        EXPECT_EQ(FormatSettings.ThousandSeparator, u',') << "not in force unless asked";
    }
}

TEST(ComparisonPrefix, LongestPrefixWins)
{
    struct Case {
        const char16_t* text;
        TOrvComparisonType type;
        const char16_t* rest;
    };
    const Case cases[] = {
        {u"<>5", ecNotEqual, u"5"}, {u"<= 5", ecLessEq, u"5"}, {u">=5", ecGreaterEq, u"5"},
        {u"=5", ecEqual, u"5"},     {u"> 5", ecGreater, u"5"}, {u"<5", ecLess, u"5"},
    };
    for (const Case& c : cases) {
        TOrvComparisonType type = ecEqual;
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(TakeComparisonPrefix(text, type), QString::fromUtf16(c.rest)) << text.toStdString();
        EXPECT_EQ(type, c.type) << text.toStdString();
        EXPECT_EQ(TakeComparisonPrefix(ComparisonPrefix(c.type) + u'5', type), QStringLiteral("5"));
        EXPECT_EQ(type, c.type) << "the shown prefix reads back";
    }
    TOrvComparisonType kept = ecLess;
    EXPECT_EQ(TakeComparisonPrefix(QStringLiteral("5"), kept), QStringLiteral("5"));
    EXPECT_EQ(kept, ecLess);
}

TEST(ZeroPadSigned, KeepsTheSignInFront)
{
    EXPECT_EQ(ZeroPadSigned(QStringLiteral("-42"), 6), QStringLiteral("-00042"));
    EXPECT_EQ(ZeroPadSigned(QStringLiteral("+4%"), 5), QStringLiteral("+004%"));
    EXPECT_EQ(ZeroPadSigned(QStringLiteral("1,234"), 8), QStringLiteral("0001,234"));
    EXPECT_EQ(ZeroPadSigned(QStringLiteral("123456"), 3), QStringLiteral("123456")) << "never cut";
}

TEST(DecorateMagnitude, SignPaddingAndPrefix)
{
    TOrvFloatDecoration d;
    d.ShowComparison = true;
    d.Comparison = ecLessEq;
    d.ZeroPadWidth = 6;
    d.ShowPosSign = true;
    EXPECT_EQ(DecorateMagnitude(QStringLiteral("1.5"), 1.5L, d), QStringLiteral("<= +001.5"));
    d.NegAsBrackets = true;
    EXPECT_EQ(DecorateMagnitude(QStringLiteral("1.5"), -1.5L, d), QStringLiteral("<= (001.5)"));
    d.BlankWhenZero = true;
    EXPECT_EQ(DecorateMagnitude(QString(), 0, d), QString()) << "a blank zero stays blank";
    EXPECT_EQ(DecorateMagnitude(QStringLiteral("NAN"), std::numeric_limits<Extended>::quiet_NaN(), {}),
              QStringLiteral("NAN"));
}

TEST(Decimals, FullAndReached)
{
    const QString text = QStringLiteral("12.34");
    EXPECT_TRUE(DecimalsFull(text, 5, u'.', 2));
    EXPECT_TRUE(DecimalsFull(text, 3, u'.', 2)) << "caret right after the separator";
    EXPECT_FALSE(DecimalsFull(text, 2, u'.', 2)) << "caret before the separator";
    EXPECT_FALSE(DecimalsFull(text, 5, u'.', 3));
    EXPECT_FALSE(DecimalsFull(QStringLiteral("1234"), 4, u'.', 0));
    EXPECT_TRUE(DecimalsReached(text, u'.', 2));
    EXPECT_FALSE(DecimalsReached(text, u'.', 3));
    EXPECT_TRUE(DecimalsReached(QStringLiteral("5."), u'.', 0));
}

TEST(Regroup, MovesTheCaretByTheChangeInLength)
{
    QString result;
    int cursor = -1;
    ASSERT_TRUE(RegroupNumberText(QStringLiteral("1,2345"), 6, false, result, cursor));
    EXPECT_EQ(result, QStringLiteral("12,345"));
    EXPECT_EQ(cursor, 6);
    ASSERT_TRUE(RegroupNumberText(QStringLiteral("1234567.891"), 3, true, result, cursor));
    EXPECT_EQ(result, QStringLiteral("12,34,567.891"));
    EXPECT_EQ(cursor, 5);
    EXPECT_FALSE(RegroupNumberText(QStringLiteral(" , "), 1, false, result, cursor));
}

TEST(WithSign, ForcesTheSignWithoutOverflow)
{
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    EXPECT_EQ(WithSign(int64_t(42), true), -42);
    EXPECT_EQ(WithSign(int64_t(-42), true), -42);
    EXPECT_EQ(WithSign(int64_t(-42), false), 42);
    EXPECT_EQ(WithSign(int64_t(0), true), 0);
    EXPECT_EQ(WithSign(kMin, true), kMin);
    EXPECT_EQ(WithSign(kMin, false), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(WithSign(Extended(2.5L), true), -2.5L);
    EXPECT_EQ(WithSign(Extended(-2.5L), false), 2.5L);
}

/// A reading whose display shows two decimals.
TOrvFloatReading Reading(const QString& text, Extended stored)
{
    TOrvFloatReading r;
    r.NumberText = text;
    r.ShownText = QStringLiteral("0.33");
    r.ShowsValue = text == r.ShownText;
    r.Stored = stored;
    r.Scale = 10;
    r.DisplayOf = [](Extended shown) { return QString::number(double(shown), 'f', 2); };
    return r;
}

TEST(ReadStoredFloat, FullAccuracyKeepsTheStoredValueForTheShownText)
{
    const Extended third = 10.0L / 3; // shown as 0.33 at a scale of 10
    TOrvFloatReading r = Reading(QStringLiteral("0.33"), third);
    EXPECT_EQ(ReadStoredFloat(r), 0.33L * 10) << "without full accuracy the text counts";
    r.FullAccuracy = true;
    EXPECT_EQ(ReadStoredFloat(r), third);
    r.NumberText = QStringLiteral("0.5");
    r.ShowsValue = false;
    EXPECT_EQ(ReadStoredFloat(r), 5.0L);

    r.NumberText = r.ShownText;
    r.ShowsValue = true;
    TOrvConvertFloatEvent onConvert = [](QObject*, const QString&, Extended& value) { value = 0.334L; };
    r.OnConvert = &onConvert;
    EXPECT_EQ(ReadStoredFloat(r), third) << "the converted number shows as the shown text";
    onConvert = [](QObject*, const QString&, Extended& value) { value = 0.5L; };
    EXPECT_EQ(ReadStoredFloat(r), 5.0L);
}

TEST(ScaleRules, ScaledValueAndNormalScale)
{
    EXPECT_EQ(ScaledOf(250, 100), 2.5L);
    EXPECT_EQ(ScaledOf(250, 0), 0.0L);
    EXPECT_EQ(NormalScale(-4), 4.0L);
    EXPECT_EQ(NormalScale(0), 1.0L);
    EXPECT_EQ(NormalScale(1e-330L), 1.0L) << "below the zero tolerance";
}

TEST(BoundsCheck, NaNCountsAsBelow)
{
    EXPECT_EQ(FloatBoundsCheck(std::numeric_limits<Extended>::quiet_NaN(), 0, 10), evtBelowLower);
    EXPECT_EQ(FloatBoundsCheck(10, 0, 10), evtNone);
    EXPECT_EQ(FloatBoundsCheck(10.5L, 0, 10), evtAboveUpper);
    EXPECT_EQ(BoundsCheck<uint32_t>(0x80000000u, 0, 0x7FFFFFFFu), evtAboveUpper);
    EXPECT_EQ(BoundsMessage(evtBelowLower, QStringLiteral("3")),
              QStringLiteral("Your entered Value is below the lower limit of 3"));
}

} // namespace
} // namespace orv
