#include <orvkit/engines/OrvkitCalcEngine.h>

#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitGuards.h>

#include "engines/CalcEngineKeys.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

using namespace orv;
using namespace Qt::StringLiterals;
using orvtest::History;
using orvtest::Press;

namespace {

const QString kErrorLine = QStringLiteral("- - - - ERROR - - - -");

struct KeyCase {
    const char* keys;
    const char* display;
};

void PrintTo(const KeyCase& c, std::ostream* os)
{
    *os << '"' << c.keys << '"';
}

class CalcEngineTest : public ::testing::Test {
protected:
    void Keys(std::string_view keys) { Press(engine, keys); }
    QString Display() const { return engine.GetDisplayStr(); }

    TOrvCalcEngine engine;
};

// --- defaults ------------------------------------------------------------------------

TEST_F(CalcEngineTest, StartsEmptyWithTheDocumentedSettings)
{
    EXPECT_EQ(Display(), u"0");
    EXPECT_EQ(engine.GetDisplayValue(), 0);
    EXPECT_TRUE(engine.GetLastError().isEmpty());
    EXPECT_EQ(engine.GetHistoryLength(), 0);
    EXPECT_EQ(engine.GetHistoryPosition(), -1);
    EXPECT_EQ(engine.GetAngleMode(), amRadians);
    EXPECT_EQ(engine.GetDecimalPlaces(), 4);
    EXPECT_EQ(engine.GetMaxDisplayLength(), 26);
    EXPECT_TRUE(engine.GetThousandsSeparators());
    EXPECT_TRUE(engine.GetBinaryPercent());
    EXPECT_TRUE(engine.GetPrecedence());
    EXPECT_FALSE(engine.GetLakhFormatting() || engine.GetPrefixFunctions() || engine.GetSciUsage()
                 || engine.GetSciRange() || engine.GetTrimTrailingZeroes() || engine.GetOperatorSameLine()
                 || engine.GetMemoryHistory() || engine.GetEnableGrads() || engine.GetIsInv() || engine.GetIsHyp());
    EXPECT_EQ(engine.GetSciMin(), 0.0001L);
    EXPECT_EQ(engine.GetSciMax(), 1000000.0L);
    EXPECT_EQ(engine.GetMemoryValue(), 0);
}

// --- key sequences with the default settings ------------------------------------------

class CalcEngineKeysTest : public CalcEngineTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(CalcEngineKeysTest, ShowsTheResult)
{
    Keys(GetParam().keys);
    EXPECT_EQ(Display(), QString::fromUtf8(GetParam().display));
    EXPECT_TRUE(engine.GetLastError().isEmpty()) << engine.GetLastError().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Entry, CalcEngineKeysTest, ::testing::Values(
    KeyCase{"007", "7"},                      // no leading zeros
    KeyCase{"0", "0"},
    KeyCase{".5", "0.5"},                     // a separator first gets a 0 before it
    KeyCase{"1.2.3", "1.23"},                 // a second separator is ignored
    KeyCase{"1234567.891", "1,234,567.891"},  // the entry being typed is grouped
    KeyCase{"12,34", "1,234"},                // typed separators are regrouped
    KeyCase{"999", "999"},                    // three integer digits need no group
    KeyCase{"1000", "1,000"},
    KeyCase{"-100.2500", "-100.2500"},
    KeyCase{"-1000.25", "-1,000.25"},
    KeyCase{"10", "10"},                      // a 0 after other digits stays
    KeyCase{"123<", "12"},
    KeyCase{"1<", ""},                        // an emptied entry shows empty text
    KeyCase{"-0", "-0"},
    KeyCase{"-00", "-00"},                    // the display keeps what was typed
    KeyCase{"-00 5", "-05"},                  // only an entry of exactly 0 loses it
    KeyCase{"1.5E3", "1.5E3"},
    KeyCase{"1.5E3~", "1.5E-3"},              // the sign change goes to the exponent
    KeyCase{"1.5E-3~", "1.5E3"},
    KeyCase{"1.5E~", "1.5E-"},
    KeyCase{"1.5EE", "1.5E"},                 // one exponent mark only
    KeyCase{"12~", "-12"},
    KeyCase{"12~~", "12"},
    KeyCase{"0~", "-"},                       // a zero entry becomes a lone sign
    KeyCase{"0.0~5", "-0.05"},                // typed decimals are kept
    KeyCase{"0.~~5=", "0.5000"},
    KeyCase{"1.5E-3=", "0.0015"},
    KeyCase{"0E52=", "0.0000"},               // leading zeros go from the mantissa only
    KeyCase{"-0E-53=", "0.0000"},
    KeyCase{"1E<-2=", "-1.0000"},             // with the E taken back, - is an operator again
    KeyCase{"1E-<-3=", "0.0010"},             // back on the E, - is its sign again
    KeyCase{"1E5<-3=", "0.0010"},
    KeyCase{"1E4000*1E-3990=", "10,000,000,000.0000"}));

INSTANTIATE_TEST_SUITE_P(Operators, CalcEngineKeysTest, ::testing::Values(
    KeyCase{"2+3=", "5.0000"},
    KeyCase{"2+3*4=", "14.0000"},
    KeyCase{"2*3+4=", "10.0000"},
    KeyCase{"2^3^2=", "64.0000"},             // same class reduces left to right
    KeyCase{"2*3^2=", "18.0000"},
    KeyCase{"10-4-3=", "3.0000"},
    KeyCase{"2/3=", "0.6667"},
    KeyCase{"1/3*3=", "1.0000"},
    KeyCase{"7[mod]3=", "1.0000"},
    KeyCase{"-7[mod]3=", "2.0000"},
    KeyCase{"-7[rem]3=", "-1.0000"},
    KeyCase{"7[div]2=", "3.0000"},
    KeyCase{"-7[div]2=", "-4.0000"},
    KeyCase{"-7[intdiv]2=", "-3.0000"},
    KeyCase{"2+7[mod]4=", "5.0000"},          // mod binds like *
    KeyCase{"2[mod]3^2=", "4.0000"},          // a power reduces mod first: (2 mod 3)^2
    KeyCase{"27[inv]^3=", "3.0000"},          // y-th root
    KeyCase{"8[inv]^=", "8.0000"},            // a root without its second operand is dropped
    KeyCase{"-5+3=", "-2.0000"},              // a leading minus is a sign
    KeyCase{"3*-2=", "-6.0000"},              // so is a minus after an operator
    KeyCase{"2+-3=", "-1.0000"},
    KeyCase{"--5=", "5.0000"},                // two signs cancel
    KeyCase{"3*+-2=", "-6.0000"},             // and combine whichever comes first
    KeyCase{"3*-+2=", "-6.0000"},
    KeyCase{"3*++2=", "6.0000"},
    KeyCase{"3*-5<-2=", "6.0000"},            // back on a lone sign, - is a sign again
    KeyCase{"2+3=4", "4"},                    // a digit after = starts afresh
    KeyCase{"2+3=+1=", "6.0000"},             // an operator continues from the result
    KeyCase{"2+3==", "5.0000"},
    KeyCase{"2+3[CE]4=", "6.0000"},           // clear entry keeps the pending calculation
    KeyCase{"2+3[AC]4=", "4.0000"},
    KeyCase{"1234567*1=", "1,234,567.0000"},
    KeyCase{"2+3=~", "-5.0000"},
    KeyCase{"2+3=~+1=", "-4.0000"},
    KeyCase{"12.5*(3+4)=", "87.5000"}));

INSTANTIATE_TEST_SUITE_P(Brackets, CalcEngineKeysTest, ::testing::Values(
    KeyCase{"2*(3+4)=", "14.0000"},
    KeyCase{"(2+3)*4=", "20.0000"},
    KeyCase{"((1+2)=", "3.0000"},             // open brackets are dropped at =
    KeyCase{"5)", "5.0000"},                  // an unmatched ) just completes
    KeyCase{"2*(3+4", "4"},
    KeyCase{"2*(3+4)", "7.0000"},
    KeyCase{"4(2+3)=", "5.0000"},             // a number typed before ( is dropped
    KeyCase{"-(2+3)=", "-5.0000"},            // a lone minus before ( is -1 x (
    KeyCase{"7/-(2)=", "-3.5000"},            // ... taken before what waits below it
    KeyCase{"2^-(3)=", "0.1250"},
    KeyCase{"7[mod]-(3)=", "-2.0000"},
    KeyCase{"-(2)^2=", "-4.0000"},
    KeyCase{"(-3)*2=", "-6.0000"},
    KeyCase{"(1+2)4=", "4.0000"},             // the value typed after ) is the result
    KeyCase{"(((((((((((1+2)))))))))))=", "3.0000"},
    KeyCase{"1+(2*(3+(4*(5+(6*(7+(8*(9+(1*(2+(3*4)))))))))))=", "9,215.0000"},
    KeyCase{"1+2*3^2+(4-1)*2=", "25.0000"}));

INSTANTIATE_TEST_SUITE_P(Percent, CalcEngineKeysTest, ::testing::Values(
    KeyCase{"200%10=", "20.0000"},            // x % y = x*y/100
    KeyCase{"50+200%10=", "70.0000"},         // binds like ^
    KeyCase{"2*200%10=", "40.0000"},
    KeyCase{"200%-10=", "-20.0000"}));        // a minus after % is a sign, as after any operator

TEST_F(CalcEngineTest, DeepNestingGrowsBothStacks)
{
    // 40 operands and 118 operators, far past the first ten slots of each stack.
    Keys(std::string(40, '(') + "1");
    for (int i = 2; i <= 40; ++i)
        Keys("+(" + std::to_string(i));
    EXPECT_EQ(Display(), u"40");
    Keys(std::string(80, ')') + "=");
    EXPECT_EQ(Display(), u"820.0000");
    // The grown stacks serve the next calculation as well.
    Keys(std::string(12, '(') + "2" + std::string(12, ')') + "*3=");
    EXPECT_EQ(Display(), u"6.0000");
}

TEST(CalcStack, GrowsByFiveAndChecksEveryAccess)
{
    TOrvCalcStack<Extended> stack;
    EXPECT_EQ(stack.Length(), 10);
    for (int i = 0; i < 10; ++i)
        stack.Push(i);
    EXPECT_EQ(stack.Length(), 10);
    stack.Push(10); // the top was on the last slot: length becomes top + 5
    EXPECT_EQ(stack.Length(), 14);
    EXPECT_EQ(stack.At(0), 0);
    EXPECT_EQ(stack.Top(), 10);
    stack.Pop();
    EXPECT_EQ(stack.Length(), 14); // never shrunk
    EXPECT_EQ(stack.Top(), 9);
    EXPECT_THROW(stack.At(10), std::out_of_range);
    stack.Clear();
    EXPECT_THROW(stack.Top(), std::out_of_range);
    stack.Pop(); // popping an empty stack stays empty
    EXPECT_EQ(stack.TopIndex(), -1);
}

TEST_F(CalcEngineTest, PrecedenceOffWorksLeftToRight)
{
    engine.SetPrecedence(false);
    const KeyCase cases[] = {
        {"2+3*4=", "20.0000"},
        {"2+3*(4+1)=", "25.0000"},
        {"2*3^2=", "36.0000"},
        {"10-2-3=", "5.0000"},
    };
    for (const KeyCase& c : cases) {
        Keys(std::string("[AC]") + c.keys);
        EXPECT_EQ(Display(), QString::fromUtf8(c.display)) << c.keys;
    }
}

// --- precision -----------------------------------------------------------------------

TEST_F(CalcEngineTest, ComputesWithTheFullExtendedMantissa)
{
    Keys("2^64-1=");
    EXPECT_EQ(engine.GetDisplayValue(), 18446744073709551615.0L); // needs all 64 bits
    Keys("[AC]2^64=");
    EXPECT_EQ(engine.GetDisplayValue(), 18446744073709551616.0L);
    EXPECT_EQ(Display(), u"1.8447E+19"); // 10^18 and more come back in exponent form
    Keys("[AC]2^63+1-2^63=");
    EXPECT_EQ(Display(), u"1.0000"); // a double would lose the 1
    Keys("[AC]1/3*3=");
    EXPECT_EQ(engine.GetDisplayValue(), 1.0L);
    engine.SetDecimalPlaces(18);
    EXPECT_EQ(Display(), u"1.000000000000000000");
}

// --- display formatting --------------------------------------------------------------

TEST_F(CalcEngineTest, SciUsageAndRangeChooseTheNotation)
{
    struct Row {
        bool usage, range;
        const char* keys;
        const char* display;
    };
    const Row rows[] = {
        {true, true, "123.4*1=", "123.4000"},     // inside the range: fixed
        {true, true, "12345678*1=", "1.2346E+7"}, // above it
        {true, true, "0.00001*1=", "1.0000E-5"},  // below it
        {true, true, "0*1=", "0.0000"},           // zero is always fixed
        {true, true, "0.0001*1=", "1.0000E-4"},   // the bounds are exclusive
        {true, true, "1000000*1=", "1.0000E+6"},
        {true, true, "999999*1=", "999,999.0000"},
        {true, false, "123.4*1=", "1.2340E+2"},   // usage alone: always exponent form
        {true, false, "0*1=", "0.0000E+0"},
        {false, true, "12345678*1=", "12,345,678.0000"}, // range alone changes nothing
    };
    for (const Row& r : rows) {
        engine.SetSciUsage(r.usage);
        engine.SetSciRange(r.range);
        Keys(std::string("[AC]") + r.keys);
        EXPECT_EQ(Display(), QString::fromUtf8(r.display)) << r.keys << " usage " << r.usage << " range " << r.range;
    }
}

TEST_F(CalcEngineTest, ExponentDigitsAreNeverGrouped)
{
    engine.SetSciUsage(true);
    engine.SetDecimalPlaces(0);
    engine.InputValue(1.0E1234L);
    EXPECT_EQ(Display(), u"1E+1234");
    Keys("[AC]1E1234");
    EXPECT_EQ(Display(), u"1E1234");
}

TEST_F(CalcEngineTest, GroupingFollowsTheSwitches)
{
    const struct {
        bool thouSep, lakh, trim;
        const char* keys;
        const char* display;
    } rows[] = {
        {true, false, false, "1234567*1=", "1,234,567.0000"},
        {true, true, false, "1234567*1=", "12,34,567.0000"},
        {true, true, false, "1234567.891", "12,34,567.891"}, // the entry too
        {true, true, false, "123456", "1,23,456"},
        {false, false, false, "1234567*1=", "1234567.0000"},
        {false, false, false, "1234567", "1234567"},
        {false, false, true, "2.5*1=", "2.5"},
        {true, false, true, "1234.5*1=", "1,234.5"},
        {true, true, true, "1234567*1=", "12,34,567"},
        {true, false, false, "-1234567*1=", "-1,234,567.0000"},
    };
    for (const auto& r : rows) {
        engine.SetThousandsSeparators(r.thouSep);
        engine.SetLakhFormatting(r.lakh);
        engine.SetTrimTrailingZeroes(r.trim);
        Keys(std::string("[AC]") + r.keys);
        EXPECT_EQ(Display(), QString::fromUtf8(r.display)) << r.keys;
    }
}

TEST_F(CalcEngineTest, ResultsAreCutToTheMaximumLength)
{
    engine.SetThousandsSeparators(false);
    engine.SetMaxDisplayLength(10);
    Keys("123456789*10=");
    EXPECT_EQ(Display(), u"1234567890");
    Keys("[AC]12345678901234"); // the entry is not cut
    EXPECT_EQ(Display(), u"12345678901234");
}

TEST_F(CalcEngineTest, UsesTheLocaleSeparators)
{
    TOrvScopedValue decimal(FormatSettings.DecimalSeparator, QChar(u','));
    TOrvScopedValue thousands(FormatSettings.ThousandSeparator, QChar(u'.'));
    Keys("1.5*2="); // "." is the decimal-separator key
    EXPECT_EQ(Display(), u"3,0000");
    Keys("[AC]1234*1=");
    EXPECT_EQ(Display(), u"1.234,0000");
    Keys("[AC]1234.5");
    EXPECT_EQ(Display(), u"1.234,5");
}

TEST_F(CalcEngineTest, DecimalPlacesRedisplayAndNotify)
{
    int changes = 0;
    engine.OnDecimalPlacesChange = [&](IOrvCalcEngine& sender) {
        EXPECT_EQ(&sender, &engine);
        ++changes;
    };
    Keys("2/3=");
    engine.SetDecimalPlaces(2);
    EXPECT_EQ(Display(), u"0.67");
    engine.SetDecimalPlaces(2);
    EXPECT_EQ(changes, 1);
    Keys("[AC]1.5"); // while typing, the entry's value is shown formatted
    engine.SetDecimalPlaces(3);
    EXPECT_EQ(Display(), u"1.500");
    Keys("5=");
    EXPECT_EQ(Display(), u"1.550");
}

// --- percent -------------------------------------------------------------------------

TEST_F(CalcEngineTest, ImmediatePercentActsOnTheEntry)
{
    engine.SetBinaryPercent(false);
    Keys("200+10%");
    EXPECT_EQ(Display(), u"20.0000");
    Keys("=");
    EXPECT_EQ(Display(), u"220.0000");
    EXPECT_EQ(History(engine), (QStringList{u"200.0000"_s, u"+"_s, u"10"_s, u"%"_s, u"="_s, u"220.0000"_s}));

    Keys("[AC]8+[pi]%"); // no entry: the two top operands
    EXPECT_EQ(Display(), u"0.2513");
    Keys("[AC]10%"); // nothing to take the percentage of
    EXPECT_EQ(Display(), u"0.0000");
    Keys("[AC]200+%-5="); // the percentage is a finished value: the - that follows is an operator
    EXPECT_EQ(Display(), u"195.0000");
}

TEST_F(CalcEngineTest, ImmediatePercentOnOneHistoryLine)
{
    engine.SetBinaryPercent(false);
    engine.SetOperatorSameLine(true);
    Keys("200+10%=");
    EXPECT_EQ(History(engine), (QStringList{u"200.0000"_s, u"+ 10%"_s, u"= 220.0000"_s}));
}

// --- history -------------------------------------------------------------------------

TEST_F(CalcEngineTest, HistoryLines)
{
    const struct {
        bool sameLine;
        const char* keys;
        QStringList lines;
    } rows[] = {
        {false, "2+3=", {u"2.0000"_s, u"+"_s, u"3.0000"_s, u"="_s, u"5.0000"_s}},
        {true, "2+3=", {u"2.0000"_s, u"+ 3.0000"_s, u"= 5.0000"_s}},
        {false, "2^3[inv]^", {u"2.0000"_s, u"x ^ y"_s, u"3.0000"_s, u"x ^ 1/y"_s}},
        {false, "7[mod]2[rem]3[div]4[intdiv]", {u"7.0000"_s, u"mod"_s, u"2.0000"_s, u"rem"_s, u"3.0000"_s, u"div"_s, u"4.0000"_s, u"intdiv"_s}},
        {false, "2*(3+4)=", {u"2.0000"_s, u"*"_s, u"("_s, u"3.0000"_s, u"+"_s, u"4.0000"_s, u")"_s, u"="_s, u"14.0000"_s}},
        // A held operator is replaced by the next one: "(" takes the place of "*".
        {true, "2*(3+4)=", {u"2.0000"_s, u"( 3.0000"_s, u"+ 4.0000"_s, u")"_s, u"= 14.0000"_s}},
        {false, "2+3=~", {u"2.0000"_s, u"+"_s, u"3.0000"_s, u"="_s, u"5.0000"_s, u"+/-"_s}},
        {false, "7/-(2)=", {u"7.0000"_s, u"/"_s, u"-1.0000"_s, u"*"_s, u"("_s, u"2.0000"_s, u")"_s, u"="_s, u"-3.5000"_s}},
        {false, "5[paper]", {u"- - - - - - - - - - -"_s}}, // the entry is still being typed
        {false, "1234*1=", {u"1,234.0000"_s, u"*"_s, u"1.0000"_s, u"="_s, u"1,234.0000"_s}},
    };
    for (const auto& r : rows) {
        engine.SetOperatorSameLine(r.sameLine);
        Keys(std::string("[AC]") + r.keys);
        EXPECT_EQ(History(engine), r.lines) << r.keys;
    }
}

TEST_F(CalcEngineTest, HistoryEventFiresForAppendedLinesOnly)
{
    int appended = 0;
    engine.OnHistoryChange = [&](IOrvCalcEngine&) { ++appended; };
    engine.SetOperatorSameLine(true);
    Keys("2+");
    EXPECT_EQ(appended, 1); // "+" is only held
    Keys("3=");
    EXPECT_EQ(appended, 3);
    EXPECT_EQ(engine.GetHistoryLength(), 3);
}

TEST_F(CalcEngineTest, SettingsChangedByAHistoryHandlerShapeTheNextDisplay)
{
    engine.OnHistoryChange = [&](IOrvCalcEngine& sender) { sender.SetDecimalPlaces(2); };
    Keys("5+");
    EXPECT_EQ(Display(), u"5.00");
    EXPECT_EQ(engine.GetHistoryEntry(0), u"5.0000"); // written before the handler ran
    Keys("(7)");
    EXPECT_EQ(Display(), u"7.00");
}

TEST_F(CalcEngineTest, DisplayEventFiresForEveryDisplayChange)
{
    QStringList shown;
    engine.OnDisplayChange = [&](IOrvCalcEngine& sender) { shown.append(sender.GetDisplayStr()); };
    Keys("12+3=");
    EXPECT_EQ(shown, (QStringList{u"1"_s, u"12"_s, u"12.0000"_s, u"3"_s, u"15.0000"_s}));
}

// --- values and text -----------------------------------------------------------------

TEST_F(CalcEngineTest, InputStringAndInputValue)
{
    engine.InputString(u"1,234.5"_s);
    EXPECT_EQ(Display(), u"1,234.5000");
    EXPECT_EQ(engine.GetHistoryLength(), 0);
    Keys("*2=");
    EXPECT_EQ(Display(), u"2,469.0000");

    Keys("[AC]");
    engine.InputValue(2.5L);
    EXPECT_EQ(History(engine), QStringList{u"2.5000"_s});
    Keys("+1=");
    EXPECT_EQ(Display(), u"3.5000");

    engine.InputValue(std::numeric_limits<Extended>::quiet_NaN());
    EXPECT_EQ(Display(), u"Error!");
    EXPECT_EQ(engine.GetLastError(), u"Invalid Value");
    engine.InputValue(std::numeric_limits<Extended>::infinity());
    EXPECT_EQ(Display(), u"Error!");
}

TEST_F(CalcEngineTest, DisplayValueFollowsEntryThenStack)
{
    Keys("2+3");
    EXPECT_EQ(engine.GetDisplayValue(), 3);
    Keys("+");
    EXPECT_EQ(engine.GetDisplayValue(), 5);
    Keys("[AC]");
    EXPECT_EQ(engine.GetDisplayValue(), 0);
}

TEST_F(CalcEngineTest, DigitsOutsideZeroToNineAreIgnored)
{
    engine.InputDigit(10);
    engine.InputDigit(255);
    EXPECT_EQ(Display(), u"0");
    EXPECT_EQ(engine.GetDisplayValue(), 0);
}

// --- errors --------------------------------------------------------------------------

TEST_F(CalcEngineTest, DivisionByZeroLeavesOnlyTheErrorLine)
{
    int errors = 0;
    engine.OnError = [&](IOrvCalcEngine&) { ++errors; };
    Keys("5/0=");
    EXPECT_EQ(Display(), u"Error!");
    EXPECT_EQ(engine.GetLastError(), u"Division by Zero");
    EXPECT_EQ(History(engine), QStringList{kErrorLine});
    EXPECT_EQ(errors, 1);
    Keys("=");
    EXPECT_EQ(Display(), u"Error!");
    EXPECT_EQ(History(engine), QStringList{kErrorLine});
}

TEST_F(CalcEngineTest, AnOperatorAfterAnErrorStillGoesOn)
{
    Keys("5/0+");
    EXPECT_EQ(Display(), u"0");
    EXPECT_EQ(engine.GetLastError(), u"Division by Zero");
    EXPECT_EQ(History(engine), (QStringList{kErrorLine, u"+"_s}));
    // The + has lost its left operand.
    Keys("3=");
    EXPECT_EQ(Display(), u"Error!");
    EXPECT_EQ(engine.GetLastError(), u"Invalid Equation");
    // All clear recovers completely.
    Keys("[AC]");
    EXPECT_TRUE(engine.GetLastError().isEmpty());
    Keys("2+2=");
    EXPECT_EQ(Display(), u"4.0000");
}

TEST_F(CalcEngineTest, ErrorsMidCalculation)
{
    const struct {
        const char* keys;
        const char* error;
    } rows[] = {
        {"1+5/0=", "Division by Zero"},
        {"1+5/0*2=", "Invalid Equation"}, // the * after the error has lost its left operand
        {"2*(3-3)/(1-1)=", "Division by Zero"},
        {"7[mod]0=", "Division by Zero"},
        {"7[rem]0=", "Division by Zero"},
        {"7[div]0=", "Division by Zero"},
        {"7[intdiv]0=", "Division by Zero"},
        {"*=", "Invalid Equation"},
        {"2+*3=", "Invalid Equation"},
        {"%=", "Invalid Equation"},
        {"^2=", "Invalid Equation"},
        {"1E4000*1E4000=", "Floating point overflow"},
        {"1E4000^2=", "Floating point overflow"},
        {"-8^0.5=", "Invalid floating point operation"},
        {"0^-1=", "Floating point division by zero"},
        {"2[inv]^0=", "Floating point division by zero"},
    };
    for (const auto& r : rows) {
        Keys(std::string("[AC]") + r.keys);
        EXPECT_EQ(Display(), u"Error!") << r.keys;
        EXPECT_EQ(engine.GetLastError(), QString::fromUtf8(r.error)) << r.keys;
        EXPECT_EQ(engine.GetHistoryEntry(0), kErrorLine) << r.keys;
    }
}

TEST_F(CalcEngineTest, AnEntryPastTheRangeIsAnOverflowWhenUsed)
{
    // Typed digits are kept as typed, however many; the number they make overflows.
    const std::string digits(5000, '7');
    Keys("[AC]" + digits);
    EXPECT_EQ(engine.GetDisplayStr().size(), 5000 + 4999 / 3); // grouped
    Keys("+");
    EXPECT_EQ(Display(), u"Error!");
    EXPECT_EQ(engine.GetLastError(), u"Floating point overflow");
    Keys("[AC]0." + digits + "=");
    EXPECT_EQ(Display(), u"0.7778");
}

TEST_F(CalcEngineTest, UnreadableEntriesNeverEscapeAsExceptions)
{
    TOrvScopedValue raise(GlobalRaiseFloatErrors, true);
    for (const char* keys : {"E)", "E=", "E%", "E[sin]", "E[x2]", "E[1/x]", "E[M+]"}) {
        engine.SetBinaryPercent(std::string(keys) != "E%");
        EXPECT_NO_THROW(Keys(std::string("[AC]") + keys)) << keys;
        EXPECT_EQ(Display(), u"Error!") << keys;
        EXPECT_FALSE(engine.GetLastError().isEmpty()) << keys;
    }
    // GetDisplayValue drops an unreadable entry instead of raising.
    Keys("[AC]E");
    EXPECT_EQ(engine.GetDisplayValue(), 0);
    Keys("2+3=");
    EXPECT_EQ(Display(), u"5.0000");
}

TEST_F(CalcEngineTest, ErrorStateIsClearedByTheNextCalculation)
{
    Keys("5/0=2*3=");
    EXPECT_EQ(Display(), u"6.0000");
    // The last error stays until cleared, as the message of the last failure.
    EXPECT_EQ(engine.GetLastError(), u"Division by Zero");
}

} // namespace
