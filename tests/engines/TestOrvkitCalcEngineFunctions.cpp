#include <orvkit/engines/OrvkitCalcEngine.h>

#include <orvkit/core/OrvkitExceptions.h>

#include "engines/CalcEngineKeys.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using namespace orv;
using namespace Qt::StringLiterals;
using orvtest::History;
using orvtest::Press;

namespace {

const QString kErrorLine = u"- - - - ERROR - - - -"_s;

class CalcFunctionsTest : public ::testing::Test {
protected:
    void Keys(std::string_view keys) { Press(engine, keys); }
    QString Display() const { return engine.GetDisplayStr(); }

    TOrvCalcEngine engine;
};

struct FunctionCase {
    TOrvAngleMode mode;
    const char* keys;
    const char* display;
};

void PrintTo(const FunctionCase& c, std::ostream* os)
{
    *os << '"' << c.keys << "\" in mode " << c.mode;
}

class CalcFunctionResultTest : public CalcFunctionsTest, public ::testing::WithParamInterface<FunctionCase> {};

TEST_P(CalcFunctionResultTest, Postfix)
{
    engine.SetAngleMode(GetParam().mode);
    Keys(GetParam().keys);
    EXPECT_EQ(Display(), QString::fromUtf8(GetParam().display));
    EXPECT_TRUE(engine.GetLastError().isEmpty()) << engine.GetLastError().toStdString();
    EXPECT_FALSE(engine.GetIsInv() || engine.GetIsHyp());
}

INSTANTIATE_TEST_SUITE_P(Trigonometry, CalcFunctionResultTest, ::testing::Values(
    FunctionCase{amDegrees, "30[sin]", "0.5000"},
    FunctionCase{amDegrees, "0.5[inv][cos]", "60.0000"},
    FunctionCase{amDegrees, "1[inv][tan]", "45.0000"},
    FunctionCase{amDegrees, "0.5[inv][sin]", "30.0000"},
    FunctionCase{amDegrees, "60[cos]", "0.5000"},
    FunctionCase{amDegrees, "45[tan]", "1.0000"},
    FunctionCase{amGradiants, "100[sin]", "1.0000"},
    FunctionCase{amGradiants, "1[inv][tan]", "50.0000"},
    FunctionCase{amRadians, "[pi]/2=[sin]", "1.0000"},
    FunctionCase{amRadians, "[pi][cos]", "-1.0000"},
    FunctionCase{amRadians, "[cos]", "1.0000"},              // no operand: cos 0
    FunctionCase{amDegrees, "1[hyp][inv][sin]", "0.8814"},  // never converted
    FunctionCase{amRadians, "1[hyp][sin]", "1.1752"},
    FunctionCase{amRadians, "1[hyp][cos]", "1.5431"},
    FunctionCase{amRadians, "1[hyp][tan]", "0.7616"},
    FunctionCase{amRadians, "2[hyp][inv][cos]", "1.3170"},
    FunctionCase{amRadians, "0.5[hyp][inv][tan]", "0.5493"},
    FunctionCase{amRadians, "[hyp]1[sin]", "0.8415"}));     // the digit cleared Hyp

INSTANTIATE_TEST_SUITE_P(Others, CalcFunctionResultTest, ::testing::Values(
    FunctionCase{amRadians, "1000[log]", "3.0000"},
    FunctionCase{amRadians, "3[inv][log]", "1,000.0000"},
    FunctionCase{amRadians, "1[inv][ln]", "2.7183"},
    FunctionCase{amRadians, "[e][ln]", "1.0000"},
    FunctionCase{amRadians, "8[lg2]", "3.0000"},
    FunctionCase{amRadians, "10[inv][lg2]", "1,024.0000"},
    FunctionCase{amRadians, "16[sqrt]", "4.0000"},
    FunctionCase{amRadians, "3[inv][sqrt]", "9.0000"},
    FunctionCase{amRadians, "3[x2]", "9.0000"},
    FunctionCase{amRadians, "9[inv][x2]", "3.0000"},
    FunctionCase{amRadians, "4[1/x]", "0.2500"},
    FunctionCase{amRadians, "-3[abs]", "3.0000"},
    FunctionCase{amRadians, "-2.5[floor]", "-3.0000"},
    FunctionCase{amRadians, "2.1[ceil]", "3.0000"},
    FunctionCase{amRadians, "-3[sign]", "-1.0000"},
    FunctionCase{amRadians, "[sign]", "0.0000"},
    FunctionCase{amRadians, "5[gamma]", "24.0000"},
    FunctionCase{amRadians, "5[lngamma]", "3.1781"},
    FunctionCase{amRadians, "2.3456[round2]", "2.3500"},
    FunctionCase{amRadians, "2.5[round0]", "2.0000"},        // ties to even
    FunctionCase{amRadians, "2.3456[round-3]", "2.0000"}));  // and below 0 are 0

INSTANTIATE_TEST_SUITE_P(WithOperators, CalcFunctionResultTest, ::testing::Values(
    FunctionCase{amRadians, "5+9[sqrt]=", "8.0000"},
    FunctionCase{amRadians, "2+[x2]3=", "7.0000"},   // the square replaces the 2
    FunctionCase{amRadians, "4+[sqrt]3=", "5.0000"}, // the root goes above the 4
    FunctionCase{amRadians, "2+[1/x]3=", "3.5000"},
    FunctionCase{amDegrees, "2*30[sin]+1=", "2.0000"},
    FunctionCase{amRadians, "2^10[lg2]=", "10.0000"}));

TEST_F(CalcFunctionsTest, FunctionErrors)
{
    const struct {
        const char* keys;
        const char* error;
        QStringList history;
    } rows[] = {
        {"-4[sqrt]", "Square Root of Negative", {u"sqrt"_s, kErrorLine}},
        {"0[1/x]", "Division by Zero", {kErrorLine, u"1/x"_s}},
        {"[1/x]", "Division by Zero", {kErrorLine, u"1/x"_s}},
        {"0[log]", "Value must be > 0", {kErrorLine}},
        {"-1[lg2]", "Value must be > 0", {kErrorLine}},
        {"0[ln]", "Floating point division by zero", {kErrorLine}},
        {"-1[ln]", "Invalid floating point operation", {kErrorLine}},
        {"100000[inv][ln]", "Floating point overflow", {kErrorLine}},
        {"100000[inv][log]", "Floating point overflow", {kErrorLine}},
        {"-2[gamma]", "Not Defined for that Value", {kErrorLine, u"gamma"_s}},
        {"0[lngamma]", "Not Defined for that Value", {kErrorLine, u"ln gamma"_s}},
        {"2[inv][cos]", "Value must be <= 1", {kErrorLine}},
        {"2[inv][sin]", "Invalid Value", {kErrorLine}},
        {"0.5[hyp][inv][cos]", "Not Defined for that Value", {kErrorLine}},
        {"1[hyp][inv][tan]", "Not Defined for that Value", {kErrorLine}},
        {"1E19[tan]", "Angle Magnitude Too Large", {kErrorLine}},
        {"1E4000[x2]", "Floating point overflow", {kErrorLine, u"x^2"_s}},
        {"1E-4940[1/x]", "Floating point overflow", {kErrorLine, u"1/x"_s}},
    };
    for (const auto& r : rows) {
        Keys(std::string("[AC]") + r.keys);
        EXPECT_EQ(Display(), u"Error!") << r.keys;
        EXPECT_EQ(engine.GetLastError(), QString::fromUtf8(r.error)) << r.keys;
        EXPECT_EQ(History(engine), r.history) << r.keys;
    }
}

TEST_F(CalcFunctionsTest, HistoryOfFunctions)
{
    engine.SetAngleMode(amDegrees);
    const struct {
        const char* keys;
        QStringList lines;
    } rows[] = {
        {"30[sin]", {u"30.0000"_s, u"sin"_s}},                    // the name follows the argument
        {"0.5[inv][cos]", {u"0.5000"_s, u"arccos"_s}},
        {"1[hyp][inv][tan]0.5[hyp][inv][tan]", {kErrorLine, u"0.5000"_s, u"artanh"_s}},
        {"-3[abs]", {u"-3.0000"_s, u"abs"_s}},
        {"16[sqrt]", {u"16.0000"_s, u"sqrt"_s}},
        {"3[x2]", {u"3.0000"_s, u"x^2"_s}},
        {"3[inv][sqrt]", {u"3.0000"_s, u"x^2"_s}},
        {"4[1/x]", {u"4.0000"_s, u"1/x"_s}},
        {"2.3456[round2]", {u"2.3456"_s, u"round 2"_s}},
        {"2.5[round0]", {u"2.5000"_s, u"round"_s}},
        {"2[sin]", {u"2.0000"_s, u"sin"_s}},
        {"2+[sin]", {u"2.0000"_s, u"+"_s, u"sin"_s}},           // the top operand, not written again
    };
    for (const auto& r : rows) {
        Keys(std::string("[AC]") + r.keys);
        EXPECT_EQ(History(engine), r.lines) << r.keys;
    }
}

// --- toggles -------------------------------------------------------------------------

TEST_F(CalcFunctionsTest, TogglesApplyToTheNextFunctionOnly)
{
    int set = 0;
    int cleared = 0;
    engine.OnSetToggles = [&](IOrvCalcEngine&) { ++set; };
    engine.OnClearToggles = [&](IOrvCalcEngine&) { ++cleared; };
    Keys("1[hyp][inv]");
    EXPECT_TRUE(engine.GetIsHyp() && engine.GetIsInv());
    EXPECT_EQ(set, 2);
    Keys("[sin]");
    EXPECT_EQ(Display(), u"0.8814");
    EXPECT_FALSE(engine.GetIsHyp() || engine.GetIsInv());
    EXPECT_EQ(cleared, 1);
    Keys("[inv][inv]"); // pressed twice: off again
    EXPECT_FALSE(engine.GetIsInv());
    EXPECT_EQ(cleared, 2);
    Keys("[inv]5"); // a digit clears them
    EXPECT_FALSE(engine.GetIsInv());
    EXPECT_EQ(cleared, 3);
    Keys("[inv]+"); // operators clear them too
    EXPECT_EQ(cleared, 4);
    Keys("[CE]"); // clearing with nothing set fires nothing
    EXPECT_EQ(cleared, 4);
}

// --- prefix functions ----------------------------------------------------------------

TEST_F(CalcFunctionsTest, PrefixFunctionsApplyWhenReduced)
{
    engine.SetPrefixFunctions(true);
    const struct {
        TOrvAngleMode mode;
        const char* keys;
        const char* display;
    } rows[] = {
        {amDegrees, "[cos](0)=", "1.0000"},
        {amRadians, "[cos](0)=", "1.0000"},
        {amGradiants, "[cos](0)=", "1.0000"},
        {amRadians, "[cos]0=", "1.0000"},
        {amDegrees, "2*[sin]30+1=", "2.0000"},
        {amDegrees, "[sin](10+20)*4=", "2.0000"},
        {amDegrees, "[inv][cos]0.5=", "60.0000"},
        {amDegrees, "[hyp][inv][sin]1=", "0.8814"},
        {amRadians, "[sqrt]16=", "4.0000"},
        {amRadians, "[inv][sqrt]3=", "9.0000"},
        {amRadians, "[gamma]5=", "24.0000"},
        {amRadians, "[abs](2-5)=", "3.0000"},
        {amRadians, "[sqrt][sqrt]16=", "2.0000"},
        {amRadians, "[lg2]8^2=", "9.0000"},   // the function binds tighter than ^
        {amDegrees, "2+[sin]-30=", "1.5000"}, // a minus after the function key is a sign
        {amRadians, "3*[abs]-2=", "6.0000"},
        {amRadians, "[abs](-2)-5=", "-3.0000"},
        {amRadians, "3[x2]", "9.0000"},       // x^2, 1/x and round act at once
        {amRadians, "4[1/x]", "0.2500"},
        // The pushed code decides: Inverse pressed after cos leaves it a cosine.
        {amDegrees, "[cos]60[inv]=", "0.5000"},
    };
    for (const auto& r : rows) {
        engine.SetAngleMode(r.mode);
        Keys(std::string("[AC]") + r.keys);
        EXPECT_EQ(Display(), QString::fromUtf8(r.display)) << r.keys;
        EXPECT_TRUE(engine.GetLastError().isEmpty()) << r.keys << ": " << engine.GetLastError().toStdString();
    }
}

TEST_F(CalcFunctionsTest, PrefixFunctionShowsItsOperandAndWritesItsName)
{
    engine.SetPrefixFunctions(true);
    Keys("5+[sin]");
    EXPECT_EQ(Display(), u"5.0000");
    Keys("[AC][sin]");
    EXPECT_EQ(Display(), u"0");
    Keys("[AC][inv][cos]");
    EXPECT_EQ(History(engine), QStringList{u"arccos"_s});
    EXPECT_TRUE(engine.GetIsInv()); // left set until the next digit
    Keys("1=");
    EXPECT_EQ(Display(), u"0.0000");
    EXPECT_EQ(History(engine), (QStringList{u"arccos"_s, u"1.0000"_s, u"="_s, u"0.0000"_s}));
}

TEST_F(CalcFunctionsTest, PrefixFunctionWithoutOperandIsAnInvalidEquation)
{
    engine.SetPrefixFunctions(true);
    for (const char* keys : {"[sin]=", "[sqrt])", "([abs])", "[gamma]*", "[inv][sqrt]="}) {
        Keys(std::string("[AC]") + keys);
        EXPECT_EQ(engine.GetLastError(), u"Invalid Equation") << keys;
    }
    Keys("[AC][sqrt]-4=");
    EXPECT_EQ(engine.GetLastError(), u"Square Root of Negative");
    Keys("[AC][gamma]-2=");
    EXPECT_EQ(engine.GetLastError(), u"Not Defined for that Value");
}

// --- angle modes ---------------------------------------------------------------------

TEST_F(CalcFunctionsTest, AngleModeToggleAndEvents)
{
    int changes = 0;
    engine.OnAngleModeChange = [&](IOrvCalcEngine&) { ++changes; };
    engine.ToggleAngleMode();
    EXPECT_EQ(engine.GetAngleMode(), amDegrees);
    engine.ToggleAngleMode();
    EXPECT_EQ(engine.GetAngleMode(), amRadians);
    engine.SetEnableGrads(true);
    engine.ToggleAngleMode();
    EXPECT_EQ(engine.GetAngleMode(), amGradiants);
    EXPECT_EQ(engine.GetAngleModeStr(), u"gra");
    engine.ToggleAngleMode();
    EXPECT_EQ(engine.GetAngleMode(), amDegrees);
    EXPECT_EQ(History(engine), (QStringList{u"deg"_s, u"rad"_s, u"gra"_s, u"deg"_s}));
    EXPECT_EQ(changes, 4);

    engine.SetAngleMode(amDegrees); // unchanged: no event
    EXPECT_EQ(changes, 4);
    engine.SetEnableGrads(false);
    engine.SetAngleMode(amGradiants); // still possible directly
    EXPECT_EQ(engine.GetAngleMode(), amGradiants);
    EXPECT_EQ(changes, 5);
    engine.SetAngleMode(static_cast<TOrvAngleMode>(7));
    EXPECT_EQ(engine.GetAngleMode(), amGradiants);
}

// --- memory --------------------------------------------------------------------------

TEST_F(CalcFunctionsTest, MemoryCompletesThePendingCalculation)
{
    int changes = 0;
    engine.OnMemoryChange = [&](IOrvCalcEngine&) { ++changes; };
    Keys("2+3[M+]");
    EXPECT_EQ(Display(), u"5.0000");
    EXPECT_EQ(engine.GetMemoryValue(), 5);
    EXPECT_EQ(engine.GetMemoryContents(), u"5.0000");
    Keys("[MR]+1=");
    EXPECT_EQ(Display(), u"6.0000");
    EXPECT_EQ(changes, 1); // recall does not notify
    Keys("[M-][M-]");
    EXPECT_EQ(engine.GetMemoryValue(), -7);
    Keys("[MC]");
    EXPECT_EQ(engine.GetMemoryValue(), 0);
    EXPECT_EQ(changes, 4);
    Keys("[AC][M+]"); // nothing to add
    EXPECT_EQ(engine.GetMemoryValue(), 0);
}

TEST_F(CalcFunctionsTest, MemoryHistory)
{
    Keys("12.5[M+][MR][MC]");
    EXPECT_EQ(History(engine), (QStringList{u"12.5000"_s, u"M+"_s, u"MR"_s, u"MC"_s}));
    engine.SetMemoryHistory(true);
    Keys("[AC]12.5[M+][MR][MC]");
    EXPECT_EQ(History(engine), (QStringList{u"12.5000"_s, u"M+"_s, u"[M: 12.5000 ]"_s, u"MR"_s,
                                            u"[M: 12.5000 ]"_s, u"MC"_s, u"[M: 0.0000 ]"_s}));
    // The memory survives all clear.
    Keys("7[M+][AC]");
    EXPECT_EQ(engine.GetMemoryValue(), 7);
}

TEST_F(CalcFunctionsTest, SetMemory)
{
    int changes = 0;
    engine.OnMemoryChange = [&](IOrvCalcEngine&) { ++changes; };
    engine.SetMemory(2.5L);
    EXPECT_EQ(engine.GetMemoryValue(), 2.5L);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Display(), u"0");
    EXPECT_EQ(engine.GetHistoryLength(), 0);
    EXPECT_THROW(engine.SetMemory(std::numeric_limits<Extended>::infinity()), EMathError);
    EXPECT_EQ(engine.GetMemoryValue(), 2.5L);
}

TEST_F(CalcFunctionsTest, MemoryOverflowIsAnErrorAndKeepsTheMemory)
{
    Keys("1E4932[M+][M+]");
    EXPECT_EQ(engine.GetLastError(), u"Floating point overflow");
    EXPECT_EQ(engine.GetMemoryValue(), 1.0E4932L);
}

// --- constants and random numbers ----------------------------------------------------

TEST_F(CalcFunctionsTest, Constants)
{
    const struct {
        const char* key;
        const char* display;
    } rows[] = {
        {"[pi]", "3.14159"},  {"[e]", "2.71828"}, {"[euler]", "0.57722"},
        {"[phi]", "1.61803"}, {"[c]", "299,792,458.00000"}, {"[g]", "9.80665"},
    };
    engine.SetDecimalPlaces(5);
    for (const auto& r : rows) {
        Keys(std::string("[AC]") + r.key);
        EXPECT_EQ(Display(), QString::fromUtf8(r.display)) << r.key;
        EXPECT_EQ(History(engine), QStringList{QString::fromUtf8(r.display)}) << r.key;
    }
    Keys("[AC]2*[pi]=");
    EXPECT_EQ(Display(), u"6.28319");
}

TEST_F(CalcFunctionsTest, RandomNumbersAreReproducibleFromAFixedSeed)
{
    const auto draw = [](int count) {
        TOrvCalcEngine e;
        e.SetRandomSeedSource([] { return uint64_t{42}; });
        std::vector<Extended> values;
        for (int i = 0; i < count; ++i) {
            e.InputRandom();
            values.push_back(e.GetDisplayValue());
        }
        return values;
    };
    const std::vector<Extended> first = draw(50);
    EXPECT_EQ(first, draw(50));
    for (const Extended v : first) {
        EXPECT_GE(v, 0);
        EXPECT_LT(v, 1);
    }
    EXPECT_NE(first[0], first[1]);
}

TEST_F(CalcFunctionsTest, RandomNumbersFromTheClockDiffer)
{
    Keys("[rnd]");
    const Extended a = engine.GetDisplayValue();
    Keys("[rnd]");
    EXPECT_NE(a, engine.GetDisplayValue());
    EXPECT_EQ(engine.GetHistoryLength(), 2);
}

// --- history reading -----------------------------------------------------------------

TEST_F(CalcFunctionsTest, ReadingTheHistory)
{
    EXPECT_TRUE(engine.GetNextHistoryEntry().isEmpty());
    Keys("2+");
    engine.HistoryStart();
    EXPECT_EQ(engine.GetNextHistoryEntry(), u"2.0000");
    EXPECT_EQ(engine.GetHistoryPosition(), 0);
    EXPECT_EQ(engine.GetNextHistoryEntry(), u"+");
    EXPECT_TRUE(engine.GetNextHistoryEntry().isEmpty());
    EXPECT_TRUE(engine.GetNextHistoryEntry().isEmpty());
    EXPECT_EQ(engine.GetHistoryPosition(), 1);
    EXPECT_EQ(engine.GetLastHistoryEntry(), u"+");
    EXPECT_EQ(engine.GetHistoryEntry(0), u"2.0000");
    EXPECT_EQ(engine.GetHistoryLength(), 2);

    engine.SetHistoryPosition(0);
    EXPECT_EQ(engine.GetNextHistoryEntry(), u"+");
    engine.SetHistoryPosition(-9); // outside the lines: reads from the start
    EXPECT_EQ(engine.GetNextHistoryEntry(), u"2.0000");
    engine.SetHistoryPosition(500);
    EXPECT_TRUE(engine.GetNextHistoryEntry().isEmpty());

    EXPECT_THROW(engine.GetHistoryEntry(2), std::out_of_range);
    engine.ClearHistory();
    EXPECT_EQ(engine.GetHistoryLength(), 0);
    EXPECT_EQ(engine.GetHistoryPosition(), -1);
    EXPECT_THROW(engine.GetLastHistoryEntry(), std::out_of_range);
    EXPECT_THROW(engine.GetHistoryEntry(0), std::out_of_range);
}

TEST_F(CalcFunctionsTest, AWindowHoldsTheEngineThroughTheInterface)
{
    const std::shared_ptr<IOrvCalcEngine> held = std::make_shared<TOrvCalcEngine>();
    QString shown;
    held->SetOnDisplayChange([&shown](IOrvCalcEngine& sender) { shown = sender.GetDisplayStr(); });
    Press(*held, "12.5*(3+4)=");
    EXPECT_EQ(shown, u"87.5000");
    EXPECT_EQ(held->GetDisplayValue(), 87.5L);
}

TEST_F(CalcFunctionsTest, EventAccessorsThroughTheInterface)
{
    IOrvCalcEngine& itf = engine;
    int displays = 0;
    itf.SetOnDisplayChange([&](IOrvCalcEngine&) { ++displays; });
    EXPECT_TRUE(static_cast<bool>(itf.GetOnDisplayChange()));
    Keys("1");
    EXPECT_EQ(displays, 1);
    itf.SetOnDisplayChange(nullptr);
    Keys("2");
    EXPECT_EQ(displays, 1);
}

} // namespace
