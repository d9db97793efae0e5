#include <orvkit/engines/OrvkitCalcEngine.h>

#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/core/OrvkitMathErrors.h>

#include "engines/CalcEngineKeys.h"

#include <gtest/gtest.h>

#include <QSet>
#include <random>
#include <string>
#include <vector>

using namespace orv;

namespace {

QSet<QString> KnownMessages()
{
    QSet<QString> known = {
        QStringLiteral("Invalid Equation"),
        QStringLiteral("Square Root of Negative"),
        QStringLiteral("Invalid floating point operation"),
        QStringLiteral("Floating point division by zero"),
        QStringLiteral("Floating point overflow"),
    };
    for (int m = emmDivisionByZero; m <= emmInvalidBaseChar; ++m)
        known.insert(MathMessageText(static_cast<TOrvMathMessage>(m)));
    return known;
}

std::vector<std::string> KeyPool()
{
    std::vector<std::string> pool = orvtest::AllKeys();
    // More digits and operators than rare keys, so that sequences calculate.
    for (const char* k : {"0", "1", "2", "3", "5", "9", ".", "+", "-", "*", "/", "^", "(", ")", "=", "(", ")"})
        pool.insert(pool.end(), 2, k);
    return pool;
}

void RandomSettings(TOrvCalcEngine& engine, std::mt19937& rng)
{
    const auto flip = [&rng] { return (rng() & 1u) != 0; };
    engine.SetPrefixFunctions(flip());
    engine.SetPrecedence(flip());
    engine.SetBinaryPercent(flip());
    engine.SetThousandsSeparators(flip());
    engine.SetLakhFormatting(flip());
    engine.SetOperatorSameLine(flip());
    engine.SetTrimTrailingZeroes(flip());
    engine.SetSciUsage(flip());
    engine.SetSciRange(flip());
    engine.SetMemoryHistory(flip());
    engine.SetEnableGrads(flip());
    engine.SetAngleMode(static_cast<TOrvAngleMode>(rng() % 3));
    engine.SetDecimalPlaces(static_cast<uint8_t>(rng() % 8 == 0 ? 60 : rng() % 19));
    engine.SetMaxDisplayLength(static_cast<uint8_t>(rng() % 8 == 0 ? rng() % 6 : 26));
}

TEST(CalcEngineRandomKeys, NoSequenceEscapesOrLeavesItsStacks)
{
    const QSet<QString> known = KnownMessages();
    const std::vector<std::string> pool = KeyPool();
    std::mt19937 rng(20261210u);
    int errors = 0;
    int results = 0;
    for (int sequence = 0; sequence < 4000; ++sequence) {
        const bool raise = rng() % 4 == 0;
        TOrvScopedValue raiseErrors(GlobalRaiseFloatErrors, raise);
        TOrvCalcEngine engine;
        engine.SetRandomSeedSource([] { return uint64_t{7}; });
        RandomSettings(engine, rng);
        const int length = 1 + static_cast<int>(rng() % 60);
        std::string trace;
        for (int k = 0; k < length; ++k) {
            const std::string& key = pool[rng() % pool.size()];
            trace += '[' + key + ']';
            ASSERT_NO_THROW(orvtest::Press(engine, '[' + key + ']')) << trace;
            const QString error = engine.GetLastError();
            // Unreadable entries raise the converter's own messages when asked to.
            ASSERT_TRUE(error.isEmpty() || known.contains(error) || (raise && !error.contains(u"range")))
                << trace << " -> " << error.toStdString();
            ASSERT_NO_THROW(engine.GetDisplayValue()) << trace;
        }
        errors += engine.GetLastError().isEmpty() ? 0 : 1;
        results += engine.GetDisplayStr().endsWith(u'0') ? 1 : 0;
        // Reading the whole tape stays inside it.
        engine.HistoryStart();
        for (int32_t i = 0; i < engine.GetHistoryLength(); ++i)
            ASSERT_EQ(engine.GetNextHistoryEntry(), engine.GetHistoryEntry(static_cast<uint16_t>(i))) << trace;
        ASSERT_TRUE(engine.GetNextHistoryEntry().isEmpty()) << trace;
    }
    // The pool must reach both the error state and ordinary results.
    EXPECT_GT(errors, 100);
    EXPECT_GT(results, 100);
}

QStringList Tape(const IOrvCalcEngine& engine)
{
    QStringList lines;
    for (int32_t i = 0; i < engine.GetHistoryLength(); ++i)
        lines.append(engine.GetHistoryEntry(static_cast<uint16_t>(i)));
    return lines;
}

TEST(CalcEngineRandomKeys, TextsReadLateMatchTextsReadAtOnce)
{
    // The engine writes out its display and tape only when they are read; one engine
    // whose handlers read everything at once must show the same as one read at the end,
    // with settings that change how numbers look altered between the keys.
    const std::vector<std::string> pool = KeyPool();
    std::mt19937 rng(4242u);
    for (int sequence = 0; sequence < 1500; ++sequence) {
        TOrvCalcEngine eager;
        TOrvCalcEngine late;
        eager.SetRandomSeedSource([] { return uint64_t{3}; });
        late.SetRandomSeedSource([] { return uint64_t{3}; });
        const uint32_t settingsSeed = rng();
        std::mt19937 settingsA(settingsSeed), settingsB(settingsSeed);
        RandomSettings(eager, settingsA);
        RandomSettings(late, settingsB);
        QStringList eagerShown;
        const auto readAll = [&eagerShown](IOrvCalcEngine& sender) {
            eagerShown.append(sender.GetDisplayStr());
            for (int32_t i = 0; i < sender.GetHistoryLength(); ++i)
                sender.GetHistoryEntry(static_cast<uint16_t>(i));
        };
        eager.OnDisplayChange = readAll;
        eager.OnHistoryChange = readAll;
        std::string trace;
        const int length = 1 + static_cast<int>(rng() % 40);
        for (int k = 0; k < length; ++k) {
            if (rng() % 6 == 0) {
                const uint32_t seed = rng();
                std::mt19937 a(seed), b(seed);
                RandomSettings(eager, a);
                RandomSettings(late, b);
                trace += "[settings]";
            }
            const std::string key = '[' + pool[rng() % pool.size()] + ']';
            trace += key;
            orvtest::Press(eager, key);
            orvtest::Press(late, key);
        }
        ASSERT_EQ(late.GetDisplayStr(), eager.GetDisplayStr()) << trace;
        ASSERT_EQ(Tape(late), Tape(eager)) << trace;
        ASSERT_EQ(late.GetMemoryContents(), eager.GetMemoryContents()) << trace;
    }
}

TEST(CalcEngineRandomKeys, HandlersThatPressKeysDoNotBreakTheEngine)
{
    // A window's handler may call back into the engine from inside an operation.
    const std::vector<std::string> pool = KeyPool();
    std::mt19937 rng(77u);
    for (int sequence = 0; sequence < 1500; ++sequence) {
        TOrvCalcEngine engine;
        RandomSettings(engine, rng);
        int depth = 0;
        const auto pressFromHandler = [&](IOrvCalcEngine& sender) {
            if (depth > 0 || rng() % 3 != 0)
                return;
            ++depth;
            orvtest::Press(sender, '[' + pool[rng() % pool.size()] + ']');
            --depth;
        };
        engine.OnDisplayChange = pressFromHandler;
        engine.OnHistoryChange = pressFromHandler;
        engine.OnClearToggles = pressFromHandler;
        engine.OnError = pressFromHandler;
        std::string trace;
        const int length = 1 + static_cast<int>(rng() % 40);
        for (int k = 0; k < length; ++k) {
            const std::string& key = pool[rng() % pool.size()];
            trace += '[' + key + ']';
            ASSERT_NO_THROW(orvtest::Press(engine, '[' + key + ']')) << trace;
        }
        ASSERT_NO_THROW(engine.DoEquals()) << trace;
    }
}

} // namespace
