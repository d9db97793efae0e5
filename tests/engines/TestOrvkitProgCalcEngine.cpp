#include "engines/ProgCalcKeys.h"

#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/engines/OrvkitProgCalcEngine.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using namespace orv;
using namespace orvtest;

namespace {

std::vector<std::string> History(IOrvProgCalcEngine& e)
{
    std::vector<std::string> lines;
    e.HistoryStart();
    for (QString line = e.GetNextHistoryEntry(); !line.isEmpty(); line = e.GetNextHistoryEntry())
        lines.push_back(line.toStdString());
    return lines;
}

class ProgEngine : public ::testing::Test {
protected:
    void SetUp() override { e.AllClear(); }
    void At(TOrvBaseDisplay base, TOrvBitSize size) { Configure(e, base, size); }

    TOrvProgCalcEngine e;
};

// ---------------------------------------------------------------- display in every base and size

struct TDisplayCase {
    TOrvBitSize Size;
    TOrvBaseDisplay Base;
    const char* Keys;
    const char* Shown;
};

class ProgDisplay : public ::testing::TestWithParam<TDisplayCase> {};

TEST_P(ProgDisplay, ShowsWhatTheKeysGive)
{
    const TDisplayCase& c = GetParam();
    TOrvProgCalcEngine e;
    Configure(e, c.Base, c.Size);
    Press(e, c.Keys);
    EXPECT_EQ(Display(e), c.Shown) << c.Keys;
}

// max + 1 wraps to the most negative value, except that 8- and 16-bit arithmetic keeps its
// 32-bit result (only decimal shows that); 0 - 1 is all ones.
INSTANTIATE_TEST_SUITE_P(
    AllSizesAndBases, ProgDisplay,
    ::testing::Values(
        TDisplayCase{eb8Bits, bdHex, "7F + 1 =", "80"},
        TDisplayCase{eb8Bits, bdBin, "1111111 + 1 =", "10000000"},
        TDisplayCase{eb8Bits, bdOct, "177 + 1 =", "200"},
        TDisplayCase{eb8Bits, bdDec, "127 + 1 =", "128"},
        TDisplayCase{eb8Bits, bdHex, "0 - 1 =", "FF"},
        TDisplayCase{eb8Bits, bdBin, "0 - 1 =", "11111111"},
        TDisplayCase{eb8Bits, bdOct, "0 - 1 =", "377"},
        TDisplayCase{eb8Bits, bdDec, "0 - 1 =", "-1"},
        TDisplayCase{eb8Bits, bdHex, "80 - 1 =", "7F"},
        TDisplayCase{eb8Bits, bdDec, "- 128 - 1 =", "-129"},
        TDisplayCase{eb8Bits, bdHex, "FF + 1 =", "00"},
        TDisplayCase{eb8Bits, bdHex, "FF AND 0F =", "0F"},
        TDisplayCase{eb8Bits, bdHex, "80 / FF =", "80"},
        TDisplayCase{eb8Bits, bdDec, "- 128 / - 1 =", "128"},
        TDisplayCase{eb16Bits, bdHex, "7FFF + 1 =", "8000"},
        TDisplayCase{eb16Bits, bdBin, "111111111111111 + 1 =", "1000000000000000"},
        TDisplayCase{eb16Bits, bdOct, "77777 + 1 =", "100000"},
        TDisplayCase{eb16Bits, bdDec, "32767 + 1 =", "32768"},
        TDisplayCase{eb16Bits, bdHex, "0 - 1 =", "FFFF"},
        TDisplayCase{eb16Bits, bdBin, "0 - 1 =", "1111111111111111"},
        TDisplayCase{eb16Bits, bdOct, "0 - 1 =", "177777"},
        TDisplayCase{eb16Bits, bdDec, "- 32768 * - 32768 =", "1073741824"},
        TDisplayCase{eb32Bits, bdHex, "7FFFFFFF + 1 =", "80000000"},
        TDisplayCase{eb32Bits, bdBin, "1111111111111111111111111111111 + 1 =", "10000000000000000000000000000000"},
        TDisplayCase{eb32Bits, bdOct, "17777777777 + 1 =", "20000000000"},
        TDisplayCase{eb32Bits, bdDec, "2147483647 + 1 =", "-2147483648"},
        TDisplayCase{eb32Bits, bdHex, "0 - 1 =", "FFFFFFFF"},
        TDisplayCase{eb32Bits, bdBin, "0 - 1 =", "11111111111111111111111111111111"},
        TDisplayCase{eb32Bits, bdOct, "0 - 1 =", "37777777777"},
        TDisplayCase{eb32Bits, bdDec, "- 2147483648 / - 1 =", "-2147483648"},
        TDisplayCase{eb32Bits, bdHex, "80000000 MOD FFFFFFFF =", "00000000"},
        TDisplayCase{eb64Bits, bdHex, "7FFFFFFFFFFFFFFF + 1 =", "8000000000000000"},
        TDisplayCase{eb64Bits, bdBin, "111111111111111111111111111111111111111111111111111111111111111 + 1 =",
                     "1000000000000000000000000000000000000000000000000000000000000000"},
        TDisplayCase{eb64Bits, bdOct, "777777777777777777777 + 1 =", "1000000000000000000000"},
        TDisplayCase{eb64Bits, bdDec, "9223372036854775807 + 1 =", "-9223372036854775808"},
        TDisplayCase{eb64Bits, bdHex, "0 - 1 =", "FFFFFFFFFFFFFFFF"},
        TDisplayCase{eb64Bits, bdBin, "0 - 1 =", "1111111111111111111111111111111111111111111111111111111111111111"},
        TDisplayCase{eb64Bits, bdOct, "0 - 1 =", "1777777777777777777777"},
        TDisplayCase{eb64Bits, bdDec, "0 - 1 =", "-1"},
        TDisplayCase{eb64Bits, bdHex, "8000000000000000 / FFFFFFFFFFFFFFFF =", "8000000000000000"},
        TDisplayCase{eb64Bits, bdHex, "8000000000000000 MOD FFFFFFFFFFFFFFFF =", "0000000000000000"},
        TDisplayCase{eb64Bits, bdHex, "F F + 1 =", "0000000000000100"}));

// Digits beyond the width of the word and base, or outside the base, are ignored.
INSTANTIATE_TEST_SUITE_P(
    EntryWidths, ProgDisplay,
    ::testing::Values(TDisplayCase{eb64Bits, bdHex, "123456789ABCDEF01", "123456789ABCDEF0"},
                      TDisplayCase{eb8Bits, bdHex, "A B C", "AB"},
                      TDisplayCase{eb8Bits, bdOct, "7 7 7 7", "777"},
                      TDisplayCase{eb64Bits, bdOct, "1 9 2", "12"},
                      TDisplayCase{eb8Bits, bdBin, "1 2 0 1 0 1 0 1 0 1 1", "10101010"},
                      TDisplayCase{eb64Bits, bdDec, "123456789012345678901234", "12345678901234567890"},
                      TDisplayCase{eb64Bits, bdDec, "1 A 2", "12"}));

// Shifting right at 8 and 16 bits works on the value widened to 32 bits, so copies of the
// sign bit come in; at 32 and 64 bits zeros come in.
INSTANTIATE_TEST_SUITE_P(
    SignBitShifts, ProgDisplay,
    ::testing::Values(TDisplayCase{eb8Bits, bdHex, "80 SHR1", "C0"},
                      TDisplayCase{eb16Bits, bdHex, "8000 SHR4", "F800"},
                      TDisplayCase{eb32Bits, bdHex, "80000000 SHR1", "40000000"},
                      TDisplayCase{eb64Bits, bdHex, "8000000000000000 SHR1", "4000000000000000"},
                      TDisplayCase{eb8Bits, bdBin, "1 SHL7", "10000000"},
                      TDisplayCase{eb16Bits, bdDec, "1 SHL15", "32768"},
                      TDisplayCase{eb32Bits, bdDec, "1 SHL31", "-2147483648"}));

TEST(ProgDisplaySpacing, GroupsByTheSpacingOfTheBase)
{
    struct TCase {
        TOrvBaseDisplay Base;
        TOrvBitSize Size;
        TOrvProgSpacing Spacing;
        const char* Keys;
        const char* Shown;
    };
    const TCase cases[] = {
        {bdHex, eb64Bits, psWord, "F F + 1 =", "0000 0000 0000 0100"},
        {bdHex, eb64Bits, psByte, "0 - 1 =", "FF FF FF FF FF FF FF FF"},
        {bdHex, eb64Bits, psDWord, "1 =", "00000000 00000001"},
        {bdHex, eb32Bits, psWord, "AC", "0000 0000"},
        {bdBin, eb16Bits, psByte, "101 =", "00000000 00000101"},
        {bdBin, eb32Bits, psWord, "0 - 1 =", "1111111111111111 1111111111111111"},
        {bdOct, eb32Bits, psByte, "0 - 1 =", "37 777 777 777"},
        {bdOct, eb64Bits, psDWord, "0 - 1 =", "1777777777 777777777777"},
        {bdOct, eb16Bits, psWord, "5 =", "000005"},
        {bdDec, eb64Bits, psByte, "- 1234567 =", "-1234567"},
        {bdHex, eb64Bits, psWord, "1 2 3", "123"},
        {bdHex, eb64Bits, psWord, "1 2 3 4 5", "1 2345"},
    };
    for (const TCase& c : cases) {
        TOrvProgCalcEngine e;
        Configure(e, c.Base, c.Size);
        e.SetSpacing(c.Spacing);
        Press(e, c.Keys);
        EXPECT_EQ(Display(e), c.Shown) << c.Keys;
    }
}

TEST_F(ProgEngine, SpacingChangeRegroupsTheDisplay)
{
    Press(e, "F F + 1 =");
    e.SetSpacing(psWord);
    EXPECT_EQ(Display(e), "0000 0000 0000 0100");
    EXPECT_EQ(e.GetDisplayValueHex().toStdString(), "0000 0000 0000 0100");
    e.SetSpacing(psNone);
    EXPECT_EQ(Display(e), "0000000000000100");
}

// ---------------------------------------------------------------- entry

TEST_F(ProgEngine, LowerCaseHexDigitsAreUpperCasedAndLeadingZerosDropped)
{
    Press(e, "0 0 a b");
    EXPECT_EQ(Display(e), "AB");
    EXPECT_EQ(e.GetDisplayValue(), 0xAB);
    Press(e, "BS");
    EXPECT_EQ(Display(e), "A");
    EXPECT_EQ(e.GetDisplayValue(), 0xA);
}

TEST_F(ProgEngine, DecimalEntryIsReadAtTheWordSizeZeroExtended)
{
    At(bdDec, eb8Bits);
    Press(e, "- 1");
    EXPECT_EQ(Display(e), "-1");
    EXPECT_EQ(e.GetDisplayValue(), 255);
    EXPECT_EQ(e.GetDisplayValueHex().toStdString(), "FF");
    EXPECT_EQ(e.GetDisplayValueBin().toStdString(), "11111111");
    EXPECT_EQ(e.GetDisplayValueOct().toStdString(), "377");
}

TEST_F(ProgEngine, SignKeysAtTheStartOfADecimalNumber)
{
    At(bdDec, eb64Bits);
    Press(e, "- 5 + 3 =");
    EXPECT_EQ(Display(e), "-2");
    Press(e, "AC 3 * - 2 =");
    EXPECT_EQ(Display(e), "-6");
    Press(e, "AC - - 4 =");
    EXPECT_EQ(Display(e), "4");
    // After XOR a minus subtracts, here with no left operand for it.
    Press(e, "AC 6 XOR - 2 =");
    EXPECT_EQ(Display(e), "Error!");
    EXPECT_EQ(e.GetLastError().toStdString(), "Invalid Equation");
}

TEST_F(ProgEngine, GetDisplayValueDigitsOfTheTopOperandAreNotCut)
{
    At(bdHex, eb8Bits);
    Press(e, "0 - 1 =");
    EXPECT_EQ(e.GetDisplayValue(), -1);
    EXPECT_EQ(e.GetDisplayValueHex().toStdString(), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(e.GetDisplayValueOct().toStdString(), "1777777777777777777777");
    EXPECT_EQ(e.GetDisplayValueBin().toStdString(), std::string(64, '1'));
    e.AllClear();
    EXPECT_EQ(e.GetDisplayValueHex().toStdString(), "");
}

// ---------------------------------------------------------------- operators

TEST_F(ProgEngine, PrecedenceInDecimal)
{
    struct TCase {
        bool Precedence;
        const char* Keys;
        const char* Shown;
    };
    const TCase cases[] = {
        {true, "2 + 3 * 4 =", "14"},
        {true, "1 OR 2 * 3 =", "9"},
        {true, "2 * 6 XOR 3 =", "10"},
        {true, "20 - 7 MOD 4 =", "17"},
        {true, "1 + 2 AND 7 =", "3"},
        {true, "8 / 2 * 3 =", "12"},
        {true, "NOT 0 + 3 =", "2"},
        {true, "2 * ( 3 + 4 ) =", "14"},
        {true, "- ( 2 + 3 ) =", "-5"},
        {true, "( ( 1 + 2 ) =", "3"},
        {true, "5 ) =", "5"},
        {false, "2 + 3 * 4 =", "20"},
        {false, "2 * 6 XOR 3 =", "15"},
    };
    for (const TCase& c : cases) {
        At(bdDec, eb64Bits);
        e.SetPrecedence(c.Precedence);
        Press(e, c.Keys);
        EXPECT_EQ(Display(e), c.Shown) << c.Keys;
    }
}

TEST_F(ProgEngine, RemainderTakesTheSignOfTheDividend)
{
    At(bdDec, eb64Bits);
    Press(e, "7 MOD - 2 =");
    EXPECT_EQ(Display(e), "1");
    Press(e, "AC - 7 MOD 2 =");
    EXPECT_EQ(Display(e), "-1");
    Press(e, "AC - 7 / 2 =");
    EXPECT_EQ(Display(e), "-3");
}

TEST_F(ProgEngine, DivisionByZeroShowsTheError)
{
    At(bdDec, eb64Bits);
    int errors = 0;
    e.SetOnError([&](IOrvProgCalcEngine* sender) {
        EXPECT_EQ(sender, &e);
        ++errors;
    });
    Press(e, "10 / 0 =");
    EXPECT_EQ(Display(e), "Error!");
    EXPECT_EQ(e.GetLastError().toStdString(), "Division by Zero");
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(History(e), (std::vector<std::string>{"- - - - ERROR - - - -", "=", "Error!"}));

    // The operator after the error still goes on the emptied stack.
    Press(e, "AC 5 / 0 +");
    EXPECT_EQ(Display(e), "0");
    EXPECT_EQ(e.GetLastError().toStdString(), "Division by Zero");
    EXPECT_EQ(History(e), (std::vector<std::string>{"- - - - ERROR - - - -", "+"}));
}

TEST_F(ProgEngine, DivisorWhoseWordBitsAreZeroIsADivisionByZero)
{
    // 100 (hexadecimal) is stored whole but reads as 0 at 8 bits.
    At(bdHex, eb16Bits);
    e.SetSizeChange(pscTruncate);
    Press(e, "100");
    e.SetBitSize(eb8Bits);
    Press(e, "AC");
    e.InputValue(5);
    e.DoDivide();
    e.InputValue(0x100);
    e.DoEquals();
    EXPECT_EQ(Display(e), "Error!");
    EXPECT_EQ(e.GetLastError().toStdString(), "Division by Zero");
}

TEST_F(ProgEngine, OperatorWithoutItsOperandsIsAnInvalidEquation)
{
    Press(e, "* =");
    EXPECT_EQ(Display(e), "Error!");
    EXPECT_EQ(e.GetLastError().toStdString(), "Invalid Equation");
    Press(e, "AC NOT =");
    EXPECT_EQ(e.GetLastError().toStdString(), "Invalid Equation");
    Press(e, "AC 5 + =");
    EXPECT_EQ(Display(e), "Error!");
}

TEST_F(ProgEngine, ShiftCountsAreClamped)
{
    for (const TOrvBitSize size : {eb8Bits, eb16Bits, eb32Bits, eb64Bits}) {
        At(bdHex, size);
        Press(e, "1 SHL70");
        EXPECT_EQ(e.GetDisplayValue(), 0) << BitsOf(size);
        EXPECT_EQ(e.GetLastHistoryEntry().toStdString(), "SHL 64");
        Press(e, "AC 1 SHL0");
        EXPECT_EQ(e.GetDisplayValue(), 2) << BitsOf(size);
        EXPECT_EQ(e.GetLastHistoryEntry().toStdString(), "SHL 1");
    }
}

TEST_F(ProgEngine, RotationsWrapWithinTheWord)
{
    At(bdHex, eb8Bits);
    Press(e, "81 ROL1");
    EXPECT_EQ(Display(e), "03");
    Press(e, "ROR2");
    EXPECT_EQ(Display(e), "C0");
    Press(e, "ROL64");
    EXPECT_EQ(Display(e), "C0");
    At(bdHex, eb64Bits);
    Press(e, "1 ROR1");
    EXPECT_EQ(Display(e), "8000000000000000");
}

TEST_F(ProgEngine, OneOperandOperationsWriteTheirHistory)
{
    At(bdHex, eb8Bits);
    Press(e, "5 NEG");
    EXPECT_EQ(History(e), (std::vector<std::string>{"05", "NEG"}));
    EXPECT_EQ(Display(e), "FB");
    Press(e, "AC NOT 5 =");
    EXPECT_EQ(History(e), (std::vector<std::string>{"NOT", "05", "=", "FA"}));
    Press(e, "AC SHL3");
    EXPECT_EQ(History(e), (std::vector<std::string>{"SHL 3"}));
    EXPECT_EQ(Display(e), "00");
}

// ---------------------------------------------------------------- base and size changes

TEST_F(ProgEngine, SwitchingToDecimalForces64Bits)
{
    At(bdHex, eb8Bits);
    int sizeEvents = 0, baseEvents = 0, memoryEvents = 0;
    e.SetOnBitSizeChange([&](IOrvProgCalcEngine*) { ++sizeEvents; });
    e.SetOnBaseDisplayChange([&](IOrvProgCalcEngine*) { ++baseEvents; });
    e.SetOnMemoryChange([&](IOrvProgCalcEngine*) { ++memoryEvents; });
    Press(e, "80");
    e.SetBaseDisplay(bdDec);
    EXPECT_EQ(e.GetBitSize(), eb64Bits);
    EXPECT_EQ(Display(e), "128");
    EXPECT_EQ(e.GetLastHistoryEntry().toStdString(), "Dec");
    EXPECT_EQ(sizeEvents, 1);
    EXPECT_EQ(baseEvents, 1);
    EXPECT_EQ(memoryEvents, 1);
    e.SetBaseDisplay(bdDec);
    EXPECT_EQ(baseEvents, 1);
}

TEST_F(ProgEngine, BaseChangeKeepsTheConvertedNumberAsTheEntry)
{
    At(bdDec, eb64Bits);
    Press(e, "255");
    e.SetBaseDisplay(bdHex);
    EXPECT_EQ(Display(e), "00000000000000FF");
    Press(e, "1");
    EXPECT_EQ(Display(e), "FF1");
    e.SetBaseDisplay(bdBin);
    EXPECT_EQ(Display(e), "0000000000000000000000000000000000000000000000000000111111110001");
    e.SetBaseDisplay(bdOct);
    EXPECT_EQ(Display(e), "0000000000000000007761");
    e.SetBaseDisplay(bdDec);
    EXPECT_EQ(Display(e), "4081");
    Press(e, "0 =");
    EXPECT_EQ(Display(e), "40810");
}

TEST_F(ProgEngine, ConvertedEntryHoldsTheWordDigits)
{
    // Below 64 bits a decimal result may hold more than the word (-250 at 8 bits); the
    // entry in the new base is what the display shows, so further digits extend that.
    struct TCase {
        TOrvBaseDisplay Base;
        const char* Shown;
        const char* Typed;
    };
    const TCase cases[] = {{bdHex, "06", "61"}, {bdBin, "00000110", "1101"}, {bdOct, "006", "61"}};
    for (const TCase& c : cases) {
        At(bdDec, eb64Bits);
        e.SetBitSize(eb8Bits);
        Press(e, "- 5 * 50 =");
        ASSERT_EQ(Display(e), "-250");
        e.SetBaseDisplay(c.Base);
        EXPECT_EQ(Display(e), c.Shown);
        Press(e, "1");
        EXPECT_EQ(Display(e), c.Typed) << BaseName(c.Base);
    }
}

TEST_F(ProgEngine, BaseChangeWithAPendingOperatorStartsAFreshRightOperand)
{
    At(bdHex, eb16Bits);
    Press(e, "10 +");
    e.SetBaseDisplay(bdBin);
    EXPECT_EQ(Display(e), "0000000000000000");
    Press(e, "11 =");
    EXPECT_EQ(Display(e), "0000000000010011");
}

TEST_F(ProgEngine, QuietBaseChangeNeitherForcesTheSizeNorWritesHistory)
{
    At(bdHex, eb8Bits);
    int events = 0;
    e.SetOnBaseDisplayChange([&](IOrvProgCalcEngine*) { ++events; });
    Press(e, "FF");
    const int lines = e.GetHistoryLength();
    e.SetBaseDisplay2(bdDec);
    EXPECT_EQ(e.GetBitSize(), eb8Bits);
    EXPECT_EQ(Display(e), "255");
    e.SetBaseDisplay2(bdOct);
    EXPECT_EQ(Display(e), "377");
    EXPECT_EQ(events, 0);
    // Only the entries completed by each change: FF, then 255.
    EXPECT_EQ(e.GetHistoryLength(), lines + 2);
    EXPECT_EQ(e.GetLastHistoryEntry().toStdString(), "255");
}

TEST_F(ProgEngine, BaseChangeFromAnErrorRaisesAndKeepsTheBase)
{
    Press(e, "1 / 0 =");
    ASSERT_EQ(Display(e), "Error!");
    try {
        e.SetBaseDisplay(bdDec);
        FAIL() << "expected a conversion error";
    } catch (const EMathError& error) {
        EXPECT_EQ(error.Message().toStdString(), "Invalid character found during Base Conversion");
    }
    EXPECT_EQ(e.GetBaseDisplay(), bdHex);
    EXPECT_EQ(Display(e), "Error!");
    EXPECT_EQ(e.GetDisplayValue(), 0);
    Press(e, "AC 5 =");
    EXPECT_EQ(Display(e), "0000000000000005");

    // From decimal the error text reads as 0.
    At(bdDec, eb64Bits);
    Press(e, "1 / 0 =");
    e.SetBaseDisplay(bdHex);
    EXPECT_EQ(Display(e), "0000000000000000");
}

struct TSizeCase {
    TOrvProgSizeChange Rule;
    TOrvBitSize From, To;
    const char* Keys;
    const char* Shown;
};

class ProgSizeChange : public ::testing::TestWithParam<TSizeCase> {};

TEST_P(ProgSizeChange, ShowsTheValueAtTheNewSize)
{
    const TSizeCase& c = GetParam();
    TOrvProgCalcEngine e;
    Configure(e, bdHex, c.From);
    e.SetSizeChange(c.Rule);
    Press(e, c.Keys);
    e.SetBitSize(c.To);
    EXPECT_EQ(Display(e), c.Shown) << c.Keys;
    const std::vector<std::string> lines = History(e);
    EXPECT_NE(std::find(lines.begin(), lines.end(), e.GetBitSizeStr().toStdString()), lines.end());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProgSizeChange,
    ::testing::Values(
        // The sign bit moves to the new top bit.
        TSizeCase{pscExtend, eb8Bits, eb16Bits, "80", "8000"},
        TSizeCase{pscExtend, eb8Bits, eb16Bits, "FF", "807F"},
        TSizeCase{pscExtend, eb8Bits, eb16Bits, "7F", "007F"},
        TSizeCase{pscExtend, eb8Bits, eb16Bits, "0 - 1 =", "807F"},
        TSizeCase{pscExtend, eb16Bits, eb32Bits, "8000", "80000000"},
        TSizeCase{pscExtend, eb32Bits, eb64Bits, "FFFFFFFF", "800000007FFFFFFF"},
        TSizeCase{pscExtend, eb16Bits, eb8Bits, "8123", "A3"},
        TSizeCase{pscExtend, eb64Bits, eb8Bits, "0 - 1 =", "FF"},
        // The value keeps its bits and is read at the new size.
        TSizeCase{pscTruncate, eb16Bits, eb8Bits, "1234", "34"},
        TSizeCase{pscTruncate, eb64Bits, eb32Bits, "123456789ABCDEF0", "9ABCDEF0"},
        TSizeCase{pscTruncate, eb8Bits, eb16Bits, "FF =", "00FF"},
        TSizeCase{pscTruncate, eb8Bits, eb16Bits, "0 - 1 =", "FFFF"},
        TSizeCase{pscTruncate, eb8Bits, eb64Bits, "7F + 1 =", "0000000000000080"},
        TSizeCase{pscClear, eb16Bits, eb32Bits, "1234 +", "00000000"},
        TSizeCase{pscClear, eb64Bits, eb8Bits, "0 - 1 =", "00"}));

TEST_F(ProgEngine, ClearRuleClearsEverything)
{
    At(bdHex, eb16Bits);
    Press(e, "1234 + 1");
    e.SetBitSize(eb32Bits);
    EXPECT_EQ(History(e), (std::vector<std::string>{"32 bits"}));
    Press(e, "=");
    EXPECT_EQ(Display(e), "00000000");
}

TEST_F(ProgEngine, ExtendedTopOperandTakesPartInTheCalculation)
{
    At(bdHex, eb8Bits);
    e.SetSizeChange(pscExtend);
    Press(e, "80 +");
    e.SetBitSize(eb16Bits);
    EXPECT_EQ(Display(e), "8000");
    Press(e, "1 =");
    EXPECT_EQ(Display(e), "8001");
}

TEST_F(ProgEngine, SpacingChangeWhileAnOperatorWaitsKeepsTheCalculation)
{
    Press(e, "2 * (");
    e.SetSpacing(psByte);
    EXPECT_EQ(Display(e), "00 00 00 00 00 00 00 02");
    Press(e, "3 + 4 ) =");
    EXPECT_EQ(Display(e), "00 00 00 00 00 00 00 0E");
    EXPECT_EQ(e.GetLastError().toStdString(), "");
}

TEST(ProgWaitingOperand, BaseSizeAndSpacingChangesKeepTheCalculation)
{
    // A binary operator, or a prefix NOT, still waiting for its operand when the view changes.
    struct TCase {
        const char* Keys;
        std::function<void(IOrvProgCalcEngine&)> Change;
        const char* More;
        const char* Shown;
    };
    const TCase cases[] = {
        {"5 +", [](IOrvProgCalcEngine& e) { e.SetBaseDisplay2(bdBin); }, "11 =", "0000000000001000"},
        {"5 + NOT", [](IOrvProgCalcEngine& e) { e.SetBaseDisplay(bdBin); }, "0 =", "0000000000000100"},
        {"5 + NOT", [](IOrvProgCalcEngine& e) { e.SetBaseDisplay2(bdOct); }, "0 =", "000004"},
        {"NOT", [](IOrvProgCalcEngine& e) { e.SetBaseDisplay(bdDec); }, "0 =", "-1"},
        {"5 + NOT", [](IOrvProgCalcEngine& e) { e.SetBitSize(eb32Bits); }, "0 =", "00000004"},
        {"5 + NOT", [](IOrvProgCalcEngine& e) { e.SetBitSize2(eb8Bits); }, "0 =", "04"},
        {"5 + NOT", [](IOrvProgCalcEngine& e) { e.SetSpacing(psByte); }, "0 =", "00 04"},
    };
    for (const TCase& c : cases) {
        TOrvProgCalcEngine e;
        Configure(e, bdHex, eb16Bits);
        e.SetSizeChange(pscTruncate);
        Press(e, c.Keys);
        try {
            c.Change(e);
        } catch (const Exception& error) {
            ADD_FAILURE() << c.Keys << ": " << error.what();
            continue;
        }
        EXPECT_NE(Display(e), "Error!") << c.Keys;
        Press(e, c.More);
        EXPECT_EQ(Display(e), c.Shown) << c.Keys;
        EXPECT_EQ(e.GetLastError().toStdString(), "") << c.Keys;
    }
}

TEST_F(ProgEngine, ExtendingATypedRightOperandLeavesTheLeftOperand)
{
    At(bdHex, eb8Bits);
    e.SetSizeChange(pscExtend);
    Press(e, "1 + 80");
    e.SetBitSize(eb16Bits);
    EXPECT_EQ(Display(e), "8001");
}

TEST_F(ProgEngine, ANumberDroppedByAPrefixOrBracketIsNotExtended)
{
    // NOT and "(" drop a typed number; a later sign-extending size change must not bring
    // it back as the entry.
    for (const char* keys : {"80 NOT", "80 ("}) {
        At(bdHex, eb8Bits);
        e.SetSizeChange(pscExtend);
        Press(e, keys);
        e.SetBitSize(eb16Bits);
        EXPECT_EQ(Display(e), "0000") << keys;
        Press(e, "1 =");
        EXPECT_EQ(Display(e), std::string(keys) == "80 NOT" ? "FFFE" : "0001") << keys;
    }
}

TEST_F(ProgEngine, ReadingTheDisplayDoesNotChangeWhatIsExtended)
{
    At(bdHex, eb8Bits);
    e.SetSizeChange(pscExtend);
    Press(e, "7F + 1 =");
    EXPECT_EQ(e.GetDisplayValue(), 0x80);
    EXPECT_EQ(e.GetDisplayValueBin().toStdString(), BinaryDigits(0x80, 64));
    e.SetBitSize(eb16Bits);
    EXPECT_EQ(Display(e), "8000");

    // A backspaced entry is extended as it now stands.
    At(bdHex, eb8Bits);
    e.SetSizeChange(pscExtend);
    Press(e, "8 0 BS");
    e.SetBitSize(eb16Bits);
    EXPECT_EQ(Display(e), "0008");
}

TEST_F(ProgEngine, HandlersReadingTheDisplayDoNotChangeWhatIsExtended)
{
    // The window reads the display from its handlers while a size change is under way.
    const auto read = [](IOrvProgCalcEngine* sender) {
        (void)sender->GetDisplayValue();
        (void)sender->GetDisplayValueHex();
        (void)sender->GetDisplayValueOct();
        (void)sender->GetDisplayValueBin();
    };
    struct TCase {
        const char* Keys;
        const char* Shown;
    };
    const TCase cases[] = {{"80", "8000"}, {"1 + 80", "8001"}, {"7F + 1 =", "8000"}};
    for (const TCase& c : cases) {
        At(bdHex, eb8Bits);
        e.SetSizeChange(pscExtend);
        e.SetOnBitSizeChange(read);
        e.SetOnDisplayChange(read);
        Press(e, c.Keys);
        e.SetBitSize(eb16Bits);
        EXPECT_EQ(Display(e), c.Shown) << c.Keys;
    }
}

TEST_F(ProgEngine, QuietSizeChangeOnlyRereadsTheValue)
{
    At(bdHex, eb16Bits);
    int events = 0;
    e.SetOnBitSizeChange([&](IOrvProgCalcEngine*) { ++events; });
    Press(e, "1234");
    e.SetBitSize2(eb8Bits);
    EXPECT_EQ(Display(e), "34");
    EXPECT_EQ(events, 0);
    EXPECT_EQ(e.GetHistoryLength(), 1); // the completed entry, no size line
}

TEST_F(ProgEngine, SizeChangeRuleOutsideItsEnumerationIsRefused)
{
    // 3 fits the rule's storage but names no rule.
    EXPECT_THROW(e.SetSizeChange(TOrvProgSizeChange(3)), std::invalid_argument);
    EXPECT_EQ(e.GetSizeChange(), pscClear);
    EXPECT_EQ(e.GetSizeChangeStr().toStdString(), "Clear");
}

TEST_F(ProgEngine, NameTexts)
{
    const std::pair<TOrvBaseDisplay, const char*> bases[] = {{bdBin, "Bin"}, {bdDec, "Dec"}, {bdHex, "Hex"}, {bdOct, "Oct"}};
    for (const auto& [base, name] : bases) {
        e.SetBaseDisplay(base);
        EXPECT_EQ(e.GetBaseDisplayStr().toStdString(), name);
    }
    const std::pair<TOrvBitSize, const char*> sizes[] = {
        {eb8Bits, "8 bits"}, {eb16Bits, "16 bits"}, {eb32Bits, "32 bits"}, {eb64Bits, "64 bits"}};
    for (const auto& [size, name] : sizes) {
        e.SetBitSize(size);
        EXPECT_EQ(e.GetBitSizeStr().toStdString(), name);
    }
    const std::pair<TOrvProgSpacing, const char*> spacings[] = {
        {psByte, "Byte Spacing"}, {psWord, "Word Spacing"}, {psDWord, "DWord Spacing"}, {psNone, "No Spacing"}};
    for (const auto& [spacing, name] : spacings) {
        e.SetSpacing(spacing);
        EXPECT_EQ(e.GetSpacingStr().toStdString(), name);
    }
    int events = 0;
    e.SetOnSizeChangeChange([&](IOrvProgCalcEngine*) { ++events; });
    const std::pair<TOrvProgSizeChange, const char*> rules[] = {{pscTruncate, "Truncate"}, {pscExtend, "Extend"}, {pscClear, "Clear"}};
    for (const auto& [rule, name] : rules) {
        e.SetSizeChange(rule);
        EXPECT_EQ(e.GetSizeChangeStr().toStdString(), name);
    }
    EXPECT_EQ(events, 0);
}

// ---------------------------------------------------------------- whole values, memory, history

TEST_F(ProgEngine, InputStringAndInputValue)
{
    At(bdHex, eb16Bits);
    int displays = 0;
    e.SetOnDisplayChange([&](IOrvProgCalcEngine*) { ++displays; });
    e.InputString(QStringLiteral("12 34"));
    EXPECT_EQ(displays, 0);
    EXPECT_EQ(e.GetHistoryLength(), 0);
    EXPECT_EQ(e.GetDisplayValue(), 0x1234);
    e.DoAdd();
    e.InputValue(-1);
    EXPECT_EQ(Display(e), "FFFF");
    EXPECT_EQ(e.GetLastHistoryEntry().toStdString(), "FFFF");
    e.DoEquals();
    EXPECT_EQ(Display(e), "1233");

    e.InputString(QStringLiteral("12G4"));
    EXPECT_EQ(Display(e), "Error!");
    EXPECT_EQ(e.GetLastError().toStdString(), "Invalid character found during Base Conversion");
}

TEST_F(ProgEngine, MemoryOperations)
{
    At(bdHex, eb8Bits);
    e.SetMemoryHistory(true);
    int memoryEvents = 0;
    e.SetOnMemoryChange([&](IOrvProgCalcEngine*) { ++memoryEvents; });
    Press(e, "5 + 3 M+");
    EXPECT_EQ(e.GetMemoryValue(), 8);
    EXPECT_EQ(e.GetMemoryContents().toStdString(), "08");
    EXPECT_EQ(e.GetLastHistoryEntry().toStdString(), "[M: 08 ]");
    Press(e, "AC 20 M-");
    EXPECT_EQ(e.GetMemoryValue(), -24);
    EXPECT_EQ(e.GetMemoryContents().toStdString(), "E8");
    Press(e, "AC MR + 1 =");
    EXPECT_EQ(Display(e), "E9");
    EXPECT_EQ(History(e), (std::vector<std::string>{"MR", "[M: E8 ]", "+", "01", "=", "E9"}));
    Press(e, "MC");
    EXPECT_EQ(e.GetMemoryValue(), 0);
    EXPECT_EQ(memoryEvents, 3);
    e.SetMemory(std::numeric_limits<int64_t>::max());
    Press(e, "AC 1 M+");
    EXPECT_EQ(e.GetMemoryValue(), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(memoryEvents, 5);
}

TEST_F(ProgEngine, RecalledMemoryIsAnOperand)
{
    // After MR a minus subtracts; it does not start a signed number as it would right
    // after the operator.
    At(bdDec, eb64Bits);
    e.SetMemory(10);
    Press(e, "5 + MR - 3 =");
    EXPECT_EQ(Display(e), "12");
    Press(e, "AC 5 * MR + 1 =");
    EXPECT_EQ(Display(e), "51");
}

TEST_F(ProgEngine, HistoryLinesAreRegroupedWhenRead)
{
    int historyEvents = 0;
    e.SetOnHistoryChange([&](IOrvProgCalcEngine*) { ++historyEvents; });
    Press(e, "F F + 1 =");
    EXPECT_EQ(historyEvents, 5);
    EXPECT_EQ(History(e), (std::vector<std::string>{"00000000000000FF", "+", "0000000000000001", "=",
                                                    "0000000000000100"}));
    e.SetSpacing(psWord);
    EXPECT_EQ(e.GetHistoryEntry(0).toStdString(), "0000 0000 0000 00FF");
    EXPECT_EQ(e.GetLastHistoryEntry().toStdString(), "0000 0000 0000 0100");
    e.SetBitSize2(eb16Bits);
    e.PaperLine();
    EXPECT_EQ(e.GetLastHistoryEntry().toStdString(), "- - - - - - - - - - -");
    EXPECT_EQ(e.GetHistoryEntry(static_cast<uint16_t>(e.GetHistoryLength() - 1)).toStdString(),
              "- - - - - - - - - - -");
    EXPECT_THROW(e.GetHistoryEntry(static_cast<uint16_t>(e.GetHistoryLength())), std::out_of_range);
    e.ClearHistory();
    EXPECT_THROW(e.GetLastHistoryEntry(), std::out_of_range);
    EXPECT_EQ(e.GetNextHistoryEntry().toStdString(), "");
}

TEST_F(ProgEngine, LastHistoryLineIsRegroupedOnlyWhenItIsAValue)
{
    // Words that merely start like a hexadecimal number stay as written.
    struct TCase {
        const char* Keys;
        const char* Last;
    };
    const TCase cases[] = {
        {"5 AND", "AND"},
        {"1 / 0 =", "Error!"},
        {"5 + 3 =", "00 00 00 00 00 00 00 08"},
        {"E =", "00 00 00 00 00 00 00 0E"},
    };
    e.SetSpacing(psByte);
    for (const TCase& c : cases) {
        Press(e, std::string("AC ") + c.Keys);
        EXPECT_EQ(e.GetLastHistoryEntry().toStdString(), c.Last) << c.Keys;
    }
}

TEST_F(ProgEngine, HistoryLinesReadByIndexAreRegroupedOnlyWhenTheyHoldANumber)
{
    // Read back in the base and spacing they were written in, the lines read by index as
    // they read when they were the newest: words as written, numbers regrouped.
    std::vector<std::string> newest;
    e.SetOnHistoryChange([&](IOrvProgCalcEngine*) { newest.push_back(e.GetLastHistoryEntry().toStdString()); });
    e.SetMemoryHistory(true);
    e.SetSpacing(psByte);
    e.SetBitSize(eb16Bits);
    e.SetBaseDisplay(bdOct);
    Press(e, "17 AND 1234 = M+ SHL3 NOT 7 =");
    e.SetBaseDisplay(bdDec);
    e.SetBaseDisplay2(bdOct);
    const std::vector<std::string> written = History(e);
    ASSERT_EQ(newest.size(), written.size());
    const auto decimalAt = size_t(std::find(written.begin(), written.end(), "Dec") - written.begin());
    ASSERT_LT(decimalAt, written.size());
    for (size_t i = 0; i <= decimalAt; ++i)
        EXPECT_EQ(e.GetHistoryEntry(static_cast<uint16_t>(i)).toStdString(), newest[i]) << written[i];
    struct TLine {
        const char* Written;
        const char* Read;
    };
    const TLine lines[] = {
        {"16 bits", "16 bits"}, {"Oct", "Oct"}, {"AND", "AND"}, {"SHL 3", "SHL 3"}, {"Dec", "Dec"},
        {"[M: 000 014 ]", "[M: 000 014 ]"}, {"000014", "000 014"}, {"177770", "177 770"},
    };
    for (const TLine& line : lines) {
        const auto at = std::find(written.begin(), written.end(), line.Written);
        ASSERT_NE(at, written.end()) << line.Written;
        EXPECT_EQ(e.GetHistoryEntry(static_cast<uint16_t>(at - written.begin())).toStdString(), line.Read);
    }
}

TEST_F(ProgEngine, HistoryPositionOutsideTheTapeReadsNothingOutsideIt)
{
    Press(e, "1 + 2 =");
    e.SetHistoryPosition(-50);
    EXPECT_EQ(e.GetNextHistoryEntry().toStdString(), "0000000000000001");
    e.SetHistoryPosition(1000);
    EXPECT_EQ(e.GetNextHistoryEntry().toStdString(), "");
    EXPECT_EQ(e.GetHistoryPosition(), 1000);
}

TEST_F(ProgEngine, DeepBracketsGrowTheStacks)
{
    At(bdDec, eb64Bits);
    std::string keys;
    for (int i = 0; i < 12; ++i)
        keys += "1 + ( ";
    keys += "1";
    for (int i = 0; i < 12; ++i)
        keys += " )";
    Press(e, keys + " =");
    EXPECT_EQ(Display(e), "13");
}

TEST_F(ProgEngine, LeadingMinusBeforeABracketNegatesTheGroup)
{
    At(bdDec, eb64Bits);
    Press(e, "- ( 2 + 3 ) * 2 =");
    EXPECT_EQ(Display(e), "-10");
}

TEST_F(ProgEngine, DigitsAfterAResultStartANewOperand)
{
    At(bdDec, eb64Bits);
    Press(e, "2 + 3 = 4 + 1 =");
    EXPECT_EQ(Display(e), "5");
    Press(e, "AC 2 + 3 = + 1 =");
    EXPECT_EQ(Display(e), "6");
}

TEST_F(ProgEngine, ClearDisplayKeepsThePendingCalculation)
{
    At(bdDec, eb64Bits);
    Press(e, "2 + 3 CE 4 =");
    EXPECT_EQ(Display(e), "6");
}

TEST_F(ProgEngine, HeldThroughTheInterface)
{
    const std::shared_ptr<IOrvProgCalcEngine> engine = std::make_shared<TOrvProgCalcEngine>();
    engine->AllClear();
    Press(*engine, "A + 5 =");
    EXPECT_EQ(Display(*engine), "000000000000000F");
    EXPECT_EQ(engine->GetDisplayValue(), 15);
}

} // namespace
