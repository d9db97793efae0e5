#include <orvkit/edits/OrvkitFloatEdit.h>
#include <orvkit/edits/OrvkitIPHexEdit.h>
#include <orvkit/edits/OrvkitNumEdit.h>

#include <orvkit/core/OrvkitFormatSettings.h>

#include "edits/NumEditFixture.h"

#include <QClipboard>

#include <limits>

namespace orv {
namespace {

using IntEditTest = NumEditFixture<TOrvIntEdit>;

TEST_F(IntEditTest, ANewEditShowsZero)
{
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
    EXPECT_EQ(edit->AsInt64(), 0);
    TOrvPosEdit pos;
    EXPECT_EQ(pos.text(), QStringLiteral("0"));
}

TEST_F(IntEditTest, SignKeysToggleTheSignWithoutTyping)
{
    edit->SetAsInteger(42);
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_Minus);
    EXPECT_EQ(edit->text(), QStringLiteral("-42"));
    EXPECT_EQ(edit->AsInteger(), -42);
    QTest::keyClick(edit, Qt::Key_Minus);
    EXPECT_EQ(edit->text(), QStringLiteral("-42")) << "a second minus keeps the value negative";
    QTest::keyClick(edit, Qt::Key_Plus);
    EXPECT_EQ(edit->text(), QStringLiteral("42"));
    EXPECT_TRUE(edit->isModified());
}

TEST_F(IntEditTest, OnEmptyTextMinusIsTypedAndPlusOnlyWithShowPosSign)
{
    Type(QString());
    QTest::keyClick(edit, Qt::Key_Plus);
    EXPECT_EQ(edit->text(), QString()) << "plus swallowed";
    QTest::keyClick(edit, Qt::Key_Minus);
    EXPECT_EQ(edit->text(), QStringLiteral("-"));
    QTest::keyClicks(edit, QStringLiteral("7"));
    EXPECT_EQ(edit->AsInt64(), -7);

    edit->SetShowPosSign(true);
    Type(QString());
    QTest::keyClick(edit, Qt::Key_Plus);
    EXPECT_EQ(edit->text(), QStringLiteral("+"));
}

TEST_F(IntEditTest, WithoutSignTogglingTheSignsAreTyped)
{
    edit->SetUseSignToggling(false);
    Type(QStringLiteral("5-"));
    EXPECT_EQ(edit->text(), QStringLiteral("5-"));
}

TEST_F(IntEditTest, PlusOnTheSmallestValueGivesTheLargest)
{
    edit->SetAsInt64(std::numeric_limits<int64_t>::min());
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_Plus);
    EXPECT_EQ(edit->AsInt64(), std::numeric_limits<int64_t>::max());
}

TEST_F(IntEditTest, KeyFilter)
{
    Type(QStringLiteral("1a2,3x4"));
    EXPECT_EQ(edit->text(), QStringLiteral("12,34"));
    EXPECT_EQ(edit->AsInt64(), 1234);
    edit->SetAllowThouSepInput(false);
    Type(QStringLiteral("1,2"));
    EXPECT_EQ(edit->text(), QStringLiteral("12"));
    edit->SetAllowAllChars(true);
    Type(QStringLiteral("ab"));
    EXPECT_EQ(edit->text(), QStringLiteral("ab"));
}

TEST(PosEditTest, RefusesTheMinusSign)
{
    TOrvPosEdit pos;
    pos.SetUseSignToggling(false);
    pos.SetText(QString());
    QTest::keyClicks(&pos, QStringLiteral("-3"));
    EXPECT_EQ(pos.text(), QStringLiteral("3"));
}

TEST_F(IntEditTest, RegroupsWhileTypingWithTheCaretAtTheEnd)
{
    edit->SetThousandSeparators(essAuto);
    Type(QStringLiteral("1234567"));
    EXPECT_EQ(edit->text(), QStringLiteral("1,234,567"));
    EXPECT_EQ(edit->cursorPosition(), 9);
    EXPECT_EQ(edit->AsInt64(), 1234567);

    // A digit typed in the middle stays left of the caret.
    edit->setCursorPosition(1);
    QTest::keyClicks(edit, QStringLiteral("9"));
    EXPECT_EQ(edit->text(), QStringLiteral("19,234,567"));
    EXPECT_EQ(edit->cursorPosition(), 2);
}

struct IntDisplayCase {
    const char* name;
    int64_t value;
    TOrvSeparatorStyle grouping;
    bool lakh;
    bool zeroPad;
    int maxLength;
    bool showPosSign;
    bool blankWhenZero;
    const char16_t* expected;
};

class IntDisplayTest : public ::testing::TestWithParam<IntDisplayCase> {};

TEST_P(IntDisplayTest, ShowsTheValue)
{
    const IntDisplayCase& c = GetParam();
    TOrvIntEdit e;
    e.SetThousandSeparators(c.grouping);
    e.SetLakhFormatting(c.lakh);
    e.SetZeroPad(c.zeroPad);
    e.SetMaxLength(c.maxLength);
    e.SetShowPosSign(c.showPosSign);
    e.SetBlankWhenZero(c.blankWhenZero);
    e.SetAsInt64(c.value);
    EXPECT_EQ(e.text(), QString::fromUtf16(c.expected));
    EXPECT_EQ(e.AsInt64(), c.value) << "the shown text reads back";
    EXPECT_FALSE(GlobalShowPosSign);
    EXPECT_FALSE(GlobalBlankWhenZero);
}

const IntDisplayCase kIntDisplayCases[] = {
    {"plain", -1234567, essNone, false, false, 0, false, false, u"-1234567"},
    {"grouped", -1234567, essExit, false, false, 0, false, false, u"-1,234,567"},
    {"lakh", 1234567, essExit, true, false, 0, false, false, u"12,34,567"},
    {"padNotIntoSeparators", 1234, essExit, false, true, 8, false, false, u"0001,234"},
    {"padNegative", -42, essNone, false, true, 6, false, false, u"-00042"},
    {"padPositiveSign", 42, essNone, false, true, 6, true, false, u"+00042"},
    {"padNeedsMaxLength", 42, essNone, false, true, 0, false, false, u"42"},
    {"longerThanMaxLength", 12345, essNone, false, false, 3, false, false, u"12345"},
    {"posSign", 5, essNone, false, false, 0, true, false, u"+5"},
    {"blankZero", 0, essNone, false, true, 6, false, true, u""},
    {"zeroPadded", 0, essNone, false, true, 4, false, false, u"0000"},
};

INSTANTIATE_TEST_SUITE_P(Int, IntDisplayTest, ::testing::ValuesIn(kIntDisplayCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IntEditValues, LowWordsOfTheValue)
{
    TOrvIntEdit e;
    e.SetAsInt64(0x100000005LL);
    EXPECT_EQ(e.AsInteger(), 5);
    e.SetAsInt64(0xFFFFFFFFLL);
    EXPECT_EQ(e.AsInteger(), -1);
    EXPECT_EQ(e.AsLongWord(), 0xFFFFFFFFu);
    e.SetAsInt64(-1);
    e.SetAsLongWord(7);
    EXPECT_EQ(e.AsInt64(), 7) << "the high half is cleared";
    e.SetAsFloat(2.5L);
    EXPECT_EQ(e.AsInt64(), 3);
    e.SetAsFloat(1e30L);
    EXPECT_EQ(e.AsInt64(), std::numeric_limits<int64_t>::max());
}

TEST(IntEditValues, SettersClearNullAndGettersReadTheText)
{
    TOrvIntEdit e;
    e.SetNullStr(QStringLiteral("n/a"));
    e.SetNull(true);
    EXPECT_EQ(e.text(), QStringLiteral("n/a"));
    EXPECT_EQ(e.AsInt64(), 0);
    e.SetAsInt64(0);
    EXPECT_FALSE(e.Null()) << "setting the stored value on a null edit shows it";
    EXPECT_EQ(e.text(), QStringLiteral("0"));
    e.setText(QStringLiteral("77"));
    EXPECT_EQ(e.AsInt64(), 77);
}

TEST(IntEditValues, SignChangesAreReported)
{
    TOrvIntEdit e;
    int changes = 0;
    e.OnSignChange = [&](QObject*) { ++changes; };
    e.SetAsInt64(3);
    e.SetAsInt64(4);
    e.SetAsInt64(-4);
    e.setText(QStringLiteral("0"));
    EXPECT_EQ(changes, 3);
}

TEST(IntEditValues, CustomSeparatorsAreInForceOnlyForTheCall)
{
    TOrvIntEdit e;
    e.SetCustomThousands(u'.');
    e.SetCustomSeparators(true);
    e.SetShowThousandSeparators(true);
    EXPECT_EQ(e.ThousandSeparators(), essExit);
    e.SetAsInt64(1234567);
    EXPECT_EQ(e.text(), QStringLiteral("1.234.567"));
    EXPECT_EQ(FormatSettings.ThousandSeparator, u',');
    e.setText(QStringLiteral("2.345"));
    EXPECT_EQ(e.AsInt64(), 2345);
}

TEST_F(IntEditTest, BoundsOnExitGoToTheHandler)
{
    edit->SetBoundsEnabled(true);
    edit->SetBoundLower(-10);
    edit->SetBoundUpper(100);
    std::vector<std::pair<QString, TOrvBoundsValidationtype>> reports;
    edit->OnBoundsError = [&](QObject*, const QString& text, TOrvBoundsValidationtype type) {
        reports.emplace_back(text, type);
    };
    const std::pair<const char16_t*, TOrvBoundsValidationtype> cases[] = {
        {u"150", evtAboveUpper}, {u"-11", evtBelowLower}, {u"100", evtNone}, {u"-10", evtNone}};
    for (const auto& [typed, type] : cases) {
        const QString text = QString::fromUtf16(typed);
        Focus(edit);
        reports.clear();
        Type(text);
        QTest::keyClick(edit, Qt::Key_Tab);
        EXPECT_EQ(edit->BoundsValidationType(), type) << text.toStdString();
        if (type == evtNone) {
            EXPECT_TRUE(reports.empty()) << text.toStdString();
        } else {
            ASSERT_EQ(reports.size(), 1u) << text.toStdString();
            EXPECT_EQ(reports[0].first, text);
            EXPECT_EQ(reports[0].second, type);
        }
    }
}

TEST_F(IntEditTest, BoundsWithoutHandlerShowTheBoundAndRefocus)
{
    edit->SetBoundsEnabled(true);
    edit->SetBoundUpper(100);
    Type(QStringLiteral("150"));
    EXPECT_EQ(LeaveCatchingBox(), QStringLiteral("Your entered Value is above the upper limit of 100"));
    EXPECT_EQ(window.focusWidget(), edit);
    EXPECT_EQ(edit->text(), QStringLiteral("150")) << "the value stays as typed";
}

TEST_F(IntEditTest, AutoAdvanceAtMaxLength)
{
    edit->SetMaxLength(3);
    edit->SetAutoAdvance(true);
    Type(QStringLiteral("12"));
    EXPECT_EQ(Focused(), edit);
    QTest::keyClicks(edit, QStringLiteral("3"));
    EXPECT_EQ(Focused(), next);
}

TEST_F(IntEditTest, MaxLengthLimitsTypingAndPastingOnly)
{
    edit->SetMaxLength(3);
    Type(QStringLiteral("12345"));
    EXPECT_EQ(edit->text(), QStringLiteral("123"));
    edit->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("98765"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QStringLiteral("987")) << "a paste is cut to the room left";

    edit->SetAsInt64(12345);
    EXPECT_EQ(edit->text(), QStringLiteral("12345"));
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_6);
    EXPECT_EQ(edit->text(), QStringLiteral("12345")) << "a longer text takes no more typing";
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), QStringLiteral("1234")) << "but can be shortened";
    EXPECT_EQ(edit->AsInt64(), 1234);
}

} // namespace
} // namespace orv

namespace orv {
namespace {

TEST(NumEditProperties, PublishedThroughTheMetaObject)
{
    TOrvFloatEdit e;
    EXPECT_TRUE(e.setProperty("DecimalPlaces", 2));
    EXPECT_TRUE(e.setProperty("ShowPosSign", true));
    EXPECT_TRUE(e.setProperty("AsFloat", 1.5));
    EXPECT_EQ(e.text(), QStringLiteral("+1.50"));
    EXPECT_EQ(e.property("AsFloat").toDouble(), 1.5);
    EXPECT_TRUE(e.setProperty("ThousandSeparators", QVariant::fromValue(essAuto)));
    EXPECT_EQ(e.ThousandSeparators(), essAuto);
    TOrvHexEdit hex;
    EXPECT_EQ(hex.property("BoundUpper").toString(), QStringLiteral("FFFFFFFF"));
    EXPECT_EQ(hex.property("MaxLength").toInt(), 8);
}

using LakhEditTest = NumEditFixture<TOrvIntEdit>;

TEST_F(LakhEditTest, RegroupsInLakhStyleWithCustomSeparators)
{
    edit->SetCustomThousands(u'\'');
    edit->SetCustomSeparators(true);
    edit->SetLakhFormatting(true);
    edit->SetThousandSeparators(essAuto);
    Type(QStringLiteral("12'34567"));
    EXPECT_EQ(edit->text(), QStringLiteral("12'34'567"));
    EXPECT_EQ(edit->AsInt64(), 1234567);
    EXPECT_EQ(FormatSettings.ThousandSeparator, u',');
}

} // namespace
} // namespace orv
