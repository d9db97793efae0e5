// Every operator, shift and rotation against plain integer arithmetic over boundary operands,
// at each word size, typed and read in each base.

#include "engines/ProgCalcKeys.h"

#include <orvkit/engines/OrvkitProgCalcEngine.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

using namespace orv;
using namespace orvtest;

namespace {

/// 0, 1, -1, max, min and the two alternating patterns at a word size.
std::vector<int64_t> BoundaryOperands(int bits)
{
    const int64_t max = static_cast<int64_t>((uint64_t{1} << (bits - 1)) - 1);
    const int64_t min = -max - 1;
    return {0, 1, -1, max, min, AsSigned(0x5555555555555555, bits), AsSigned(static_cast<int64_t>(0xAAAAAAAAAAAAAAAA), bits)};
}

struct TBinaryOp {
    const char* Key;
    char Code;
};

constexpr TBinaryOp kBinaryOps[] = {
    {"+", '+'},   {"-", '-'},   {"*", '*'},  {"/", '/'},    {"MOD", '%'},   {"AND", '&'},
    {"OR", '|'},  {"XOR", '^'}, {"NAND", '#'}, {"NOR", '?'}, {"XNOR", '!'},
};

/// The stored 64-bit result, or nothing for a division by zero. Arithmetic of the 8- and
/// 16-bit sizes keeps its 32-bit result; the rest is cut to the word and sign-extended.
std::optional<int64_t> Expected(char code, int64_t left, int64_t right, int bits)
{
    const __int128 b = AsSigned(left, bits);
    const __int128 a = AsSigned(right, bits);
    const int arith = bits <= 16 ? 32 : bits;
    const uint64_t ub = LowBits(left, bits);
    const uint64_t ua = LowBits(right, bits);
    switch (code) {
    case '+': return Wrap128(b + a, arith);
    case '-': return Wrap128(b - a, arith);
    case '*': return Wrap128(b * a, arith);
    case '/': return a == 0 ? std::nullopt : std::optional(Wrap128(b / a, arith));
    case '%': return a == 0 ? std::nullopt : std::optional(Wrap128(b % a, arith));
    case '&': return AsSigned(static_cast<int64_t>(ub & ua), bits);
    case '|': return AsSigned(static_cast<int64_t>(ub | ua), bits);
    case '^': return AsSigned(static_cast<int64_t>(ub ^ ua), bits);
    case '#': return AsSigned(static_cast<int64_t>(~(ub & ua)), bits);
    case '?': return AsSigned(static_cast<int64_t>(~(ub | ua)), bits);
    case '!': return AsSigned(static_cast<int64_t>(~(ub ^ ua)), bits);
    }
    return std::nullopt;
}

class ProgOperatorTable : public ::testing::TestWithParam<std::tuple<TOrvBitSize, TOrvBaseDisplay>> {
protected:
    void SetUp() override
    {
        std::tie(fSize, fBase) = GetParam();
        fBits = BitsOf(fSize);
        Configure(fEngine, fBase, fSize);
        ASSERT_EQ(fEngine.GetBitSize(), fSize);
    }

    /// Keys for the right operand; in decimal a minus right after XOR subtracts, so a
    /// negative operand there goes in brackets.
    std::string RightOperandKeys(int64_t v, char code) const
    {
        const std::string keys = KeysFor(v, fBase, fBits);
        if (fBase == bdDec && code == '^' && keys[0] == '-')
            return "( " + keys + " )";
        return keys;
    }

    void ExpectShows(int64_t stored, const std::string& context)
    {
        EXPECT_EQ(Display(fEngine), ShownText(stored, fBase, fBits)) << context;
        EXPECT_EQ(fEngine.GetDisplayValue(), stored) << context;
    }

    /// A quiet base change converts the shown word-size digits, so below 64 bits decimal
    /// reads them as an unsigned number.
    void ExpectReadInOtherBases(int64_t stored, const std::string& context)
    {
        const int64_t word = fBits == 64 ? stored : static_cast<int64_t>(LowBits(stored, fBits));
        for (const TOrvBaseDisplay other : {bdBin, bdOct, bdDec}) {
            fEngine.SetBaseDisplay2(other);
            EXPECT_EQ(Display(fEngine), ShownText(word, other, fBits)) << context << " read in " << BaseName(other);
        }
        fEngine.SetBaseDisplay2(fBase);
        EXPECT_EQ(Display(fEngine), ShownText(word, fBase, fBits)) << context << " read back";
    }

    TOrvProgCalcEngine fEngine;
    TOrvBitSize fSize = eb64Bits;
    TOrvBaseDisplay fBase = bdHex;
    int fBits = 64;
};

TEST_P(ProgOperatorTable, BinaryOperatorsMatchIntegerArithmetic)
{
    for (const TBinaryOp& op : kBinaryOps)
        for (const int64_t left : BoundaryOperands(fBits))
            for (const int64_t right : BoundaryOperands(fBits)) {
                fEngine.AllClear();
                const std::string keys =
                    KeysFor(left, fBase, fBits) + " " + op.Key + " " + RightOperandKeys(right, op.Code) + " =";
                Press(fEngine, keys);
                const std::string context = std::string(BaseName(fBase)) + " " + std::to_string(fBits) + ": " + keys;
                if (const auto r = Expected(op.Code, left, right, fBits)) {
                    ExpectShows(*r, context);
                    if (fBase == bdHex)
                        ExpectReadInOtherBases(*r, context);
                } else {
                    EXPECT_EQ(Display(fEngine), "Error!") << context;
                    EXPECT_EQ(fEngine.GetLastError().toStdString(), "Division by Zero") << context;
                }
            }
}

TEST_P(ProgOperatorTable, NegationAndNotMatchIntegerArithmetic)
{
    for (const int64_t v : BoundaryOperands(fBits)) {
        const std::string keys = KeysFor(v, fBase, fBits);
        const std::string context = std::string(BaseName(fBase)) + " " + std::to_string(fBits) + ": " + keys;
        // A typed entry is read as its low word-size bits, zero-extended, before the 64-bit negation.
        fEngine.AllClear();
        Press(fEngine, keys + " NEG");
        ExpectShows(Wrap128(-static_cast<__int128>(LowBits(v, fBits)), 64), context + " NEG");

        const int64_t inverted = AsSigned(static_cast<int64_t>(~LowBits(v, fBits)), fBits);
        fEngine.AllClear();
        Press(fEngine, "NOT " + keys + " =");
        ExpectShows(inverted, "NOT " + context);

        fEngine.SetPrefixFunctions(false);
        fEngine.AllClear();
        Press(fEngine, keys + " NOT");
        ExpectShows(inverted, context + " NOT (postfix)");
        fEngine.SetPrefixFunctions(true);
    }
}

int ClampedCount(int count)
{
    return count < 1 ? 1 : count > 64 ? 64 : count;
}

int64_t ExpectedShl(int64_t v, int bits, int count)
{
    const int c = ClampedCount(count);
    if (c >= bits)
        return 0;
    const __int128 shifted = static_cast<__int128>(AsSigned(v, bits)) * (static_cast<__int128>(1) << c);
    return Wrap128(shifted, bits <= 16 ? 32 : bits);
}

int64_t ExpectedShr(int64_t v, int bits, int count)
{
    const int c = ClampedCount(count);
    if (c >= bits)
        return 0;
    if (bits <= 16)
        return static_cast<int64_t>(static_cast<uint32_t>(static_cast<int32_t>(AsSigned(v, bits))) >> c);
    return static_cast<int64_t>(LowBits(v, bits) >> c);
}

/// Rotation bit by bit: bit i moves to (i + shift) mod width.
int64_t ExpectedRotate(int64_t v, int bits, int count, bool left)
{
    const int c = ClampedCount(count) % bits;
    const int shift = left ? c : (bits - c) % bits;
    const uint64_t low = LowBits(v, bits);
    uint64_t r = 0;
    for (int i = 0; i < bits; ++i)
        if (((low >> i) & 1) != 0)
            r |= uint64_t{1} << ((i + shift) % bits);
    return AsSigned(static_cast<int64_t>(r), bits);
}

TEST_P(ProgOperatorTable, ShiftsAndRotationsMatchIntegerArithmetic)
{
    const std::vector<int> counts = {-3, 0, 1, 3, fBits / 2, fBits - 1, fBits, fBits + 1, 64, 70};
    struct TShift {
        const char* Key;
        void (IOrvProgCalcEngine::*Do)(int32_t bits);
        int64_t (*Expect)(int64_t, int, int);
    };
    const TShift shifts[] = {
        {"SHL", &IOrvProgCalcEngine::DoShl, ExpectedShl},
        {"SHR", &IOrvProgCalcEngine::DoShr, ExpectedShr},
        {"ROL", &IOrvProgCalcEngine::DoRol, [](int64_t v, int bits, int c) { return ExpectedRotate(v, bits, c, true); }},
        {"ROR", &IOrvProgCalcEngine::DoRor, [](int64_t v, int bits, int c) { return ExpectedRotate(v, bits, c, false); }},
    };
    for (const TShift& shift : shifts)
        for (const int64_t v : BoundaryOperands(fBits))
            for (const int count : counts) {
                fEngine.AllClear();
                const std::string keys = KeysFor(v, fBase, fBits);
                Press(fEngine, keys);
                (fEngine.*shift.Do)(count);
                const std::string context = std::string(BaseName(fBase)) + " " + std::to_string(fBits) + ": "
                                            + keys + " " + shift.Key + " " + std::to_string(count);
                ExpectShows(shift.Expect(v, fBits, count), context);
                EXPECT_EQ(fEngine.GetLastHistoryEntry().toStdString(),
                          std::string(shift.Key) + " " + std::to_string(ClampedCount(count)))
                    << context;
            }
}

TEST_P(ProgOperatorTable, OneOperandOperationsTakeTheShownResult)
{
    // Without an entry the operand is the top of the stack, a stored result that may carry
    // more than the word's bits; it is read at the word size like any operand.
    for (const int64_t v : BoundaryOperands(fBits)) {
        fEngine.AllClear();
        const std::string keys = KeysFor(v, fBase, fBits) + " AND " + KeysFor(-1, fBase, fBits) + " =";
        Press(fEngine, keys + " SHR1");
        ExpectShows(ExpectedShr(AsSigned(v, fBits), fBits, 1), keys + " SHR1");
        Press(fEngine, "ROL1");
        ExpectShows(ExpectedRotate(ExpectedShr(AsSigned(v, fBits), fBits, 1), fBits, 1, true), keys + " SHR1 ROL1");
    }
}

std::string ParamName(const ::testing::TestParamInfo<ProgOperatorTable::ParamType>& info)
{
    return std::string(BaseName(std::get<1>(info.param))) + std::to_string(BitsOf(std::get<0>(info.param)));
}

INSTANTIATE_TEST_SUITE_P(AllSizesAndBases, ProgOperatorTable,
                         ::testing::Combine(::testing::Values(eb8Bits, eb16Bits, eb32Bits, eb64Bits),
                                            ::testing::Values(bdBin, bdDec, bdHex, bdOct)),
                         ParamName);

} // namespace
