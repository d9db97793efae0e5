// Random key sequences with a fixed seed: no crash, no undefined behaviour (run under the
// sanitizers), and a display that always reads as a number of the current base.

#include "engines/ProgCalcKeys.h"

#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/engines/OrvkitProgCalcEngine.h>

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <random>
#include <set>
#include <string>
#include <vector>

using namespace orv;

namespace {

constexpr int64_t kValues[] = {0, 1, -1, 127, -128, 255, 32767, -32768, 65535, 2147483647, -2147483647 - 1,
                               std::numeric_limits<int64_t>::max(), std::numeric_limits<int64_t>::min(),
                               0x5555555555555555, static_cast<int64_t>(0xAAAAAAAAAAAAAAAA)};

bool ReadsAsNumber(const QString& shown, TOrvBaseDisplay base)
{
    if (shown == u"Error!")
        return true;
    if (shown.isEmpty())
        return false;
    for (const QChar c : shown) {
        const char16_t u = c.unicode();
        bool ok = false;
        switch (base) {
        case bdBin: ok = u == u'0' || u == u'1' || u == u' '; break;
        case bdOct: ok = (u >= u'0' && u <= u'7') || u == u' '; break;
        case bdHex: ok = (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F') || u == u' '; break;
        case bdDec: ok = (u >= u'0' && u <= u'9') || u == u'-' || u == u'+'; break;
        }
        if (!ok)
            return false;
    }
    return true;
}

class TRandomKeys {
public:
    explicit TRandomKeys(uint64_t seed) : fRandom(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(fRandom); }

    QString RandomText()
    {
        static const char16_t chars[] = u"0123456789ABCDEFabcdef-+ xZ!";
        QString text;
        for (int n = Below(24); n > 0; --n)
            text += QChar(chars[Below(static_cast<int>(std::size(chars)) - 1)]);
        return text;
    }

    /// One random key; returns false when it raised one of the errors that the base, size
    /// and spacing changes and the operations without a handler of their own pass on.
    bool Step(IOrvProgCalcEngine& e)
    {
        static const char digits[] = "0123456789ABCDEFabcdefz+-";
        const std::vector<std::function<void()>> keys = {
            [&] { e.InputDigit(QChar(digits[Below(static_cast<int>(std::size(digits)) - 1)])); },
            [&] { e.InputDigit(QChar(digits[Below(16)])); },
            [&] { e.InputBackspace(); },
            [&] { e.InputLeftBracket(); },
            [&] { e.InputRightBracket(); },
            [&] { e.DoResult(); },
            [&] { e.DoEquals(); },
            [&] { e.DoAdd(); },
            [&] { e.DoSubtract(); },
            [&] { e.DoMultiply(); },
            [&] { e.DoDivide(); },
            [&] { e.DoMod(); },
            [&] { e.DoAnd(); },
            [&] { e.DoOr(); },
            [&] { e.DoXor(); },
            [&] { e.DoXnor(); },
            [&] { e.DoNor(); },
            [&] { e.DoNand(); },
            [&] { e.DoNeg(); },
            [&] { e.DoNot(); },
            [&] { e.DoShl(Below(80) - 8); },
            [&] { e.DoShr(Below(80) - 8); },
            [&] { e.DoRol(Below(80) - 8); },
            [&] { e.DoRor(Below(80) - 8); },
            [&] { e.SetBaseDisplay(TOrvBaseDisplay(Below(4))); },
            [&] { e.SetBaseDisplay2(TOrvBaseDisplay(Below(4))); },
            [&] { e.SetBitSize(TOrvBitSize(Below(4))); },
            [&] { e.SetBitSize2(TOrvBitSize(Below(4))); },
            [&] { e.SetSpacing(TOrvProgSpacing(Below(4))); },
            [&] { e.SetSizeChange(TOrvProgSizeChange(Below(3))); },
            [&] { e.AllClear(); },
            [&] { e.ClearDisplay(); },
            [&] { e.MemoryClear(); },
            [&] { e.MemoryAdd(); },
            [&] { e.MemorySubtract(); },
            [&] { e.MemoryRecall(); },
            [&] { e.SetMemory(kValues[Below(static_cast<int>(std::size(kValues)))]); },
            [&] { e.InputValue(kValues[Below(static_cast<int>(std::size(kValues)))]); },
            [&] { e.InputString(RandomText()); },
            [&] { e.SetPrefixFunctions(Below(2) == 0); },
            [&] { e.SetPrecedence(Below(2) == 0); },
            [&] { e.SetMemoryHistory(Below(2) == 0); },
            [&] { e.SetMaxDisplayLength(static_cast<uint8_t>(Below(30))); },
            [&] { e.PaperLine(); },
            [&] { e.SetHistoryPosition(Below(40) - 20); },
            [&] { (void)e.GetNextHistoryEntry(); },
            [&] {
                if (e.GetHistoryLength() > 0) {
                    (void)e.GetHistoryEntry(static_cast<uint16_t>(Below(e.GetHistoryLength())));
                    (void)e.GetLastHistoryEntry();
                }
            },
            [&] {
                (void)e.GetDisplayValue();
                (void)e.GetDisplayValueHex();
                (void)e.GetDisplayValueOct();
                (void)e.GetDisplayValueBin();
                (void)e.GetMemoryContents();
            },
        };
        try {
            keys[static_cast<size_t>(Below(static_cast<int>(keys.size())))]();
        } catch (const EMathError& error) {
            fPassedOn.insert(error.Message().toStdString());
            return false;
        }
        return true;
    }

    const std::set<std::string>& PassedOn() const { return fPassedOn; }

private:
    std::mt19937_64 fRandom;
    std::set<std::string> fPassedOn;
};

TEST(ProgEngineRandom, RandomKeySequencesKeepTheEngineSound)
{
    TRandomKeys keys(20261210);
    for (int sequence = 0; sequence < 4000; ++sequence) {
        TOrvProgCalcEngine e;
        e.AllClear();
        for (int step = 0; step < 40; ++step) {
            keys.Step(e);
            const QString shown = e.GetDisplayStr();
            const bool cutAway = shown.isEmpty() && e.GetBaseDisplay() == bdDec && e.GetMaxDisplayLength() == 0;
            ASSERT_TRUE(cutAway || ReadsAsNumber(shown, e.GetBaseDisplay()))
                << "sequence " << sequence << " step " << step << ": " << shown.toStdString();
        }
        // Whatever happened, the engine still calculates.
        e.AllClear();
        e.SetBaseDisplay2(bdHex);
        e.SetBitSize2(eb64Bits);
        e.SetSpacing(psNone);
        e.SetPrecedence(true);
        e.AllClear();
        orvtest::Press(e, "2 + 3 =");
        ASSERT_EQ(orvtest::Display(e), "0000000000000005") << "sequence " << sequence;
    }
    // Only the conversion error of a base change away from "Error!" gets out.
    EXPECT_EQ(keys.PassedOn(), (std::set<std::string>{"Invalid character found during Base Conversion"}));
}

} // namespace
