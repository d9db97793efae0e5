// The calculator engine driven by a byte stream: the first bytes choose its settings,
// every later byte one key, or from 0xF0 on a change of one setting. No key may escape,
// the tape reads back in bounds, and an engine read only at the end shows the same as
// one whose handlers read every text as soon as it is written.
#include "FuzzInput.h"
#include "engines/CalcEngineKeys.h"

#include <orvkit/engines/OrvkitCalcEngine.h>

#include <cstdlib>

namespace {

void ApplySetting(orv::TOrvCalcEngine& engine, uint16_t flags, int which)
{
    const auto bit = [flags](int n) { return (flags >> n & 1) != 0; };
    switch (which) {
    case 0: engine.SetPrefixFunctions(bit(0)); break;
    case 1: engine.SetPrecedence(bit(1)); break;
    case 2: engine.SetBinaryPercent(bit(2)); break;
    case 3: engine.SetThousandsSeparators(bit(3)); break;
    case 4: engine.SetLakhFormatting(bit(4)); break;
    case 5: engine.SetOperatorSameLine(bit(5)); break;
    case 6: engine.SetTrimTrailingZeroes(bit(6)); break;
    case 7: engine.SetSciUsage(bit(7)); break;
    case 8: engine.SetSciRange(bit(8)); break;
    case 9: engine.SetMemoryHistory(bit(9)); break;
    case 10: engine.SetEnableGrads(bit(10)); break;
    case 11: engine.SetAngleMode(orv::TOrvAngleMode((flags >> 11) % 3)); break;
    case 12: engine.SetMaxDisplayLength(uint8_t(4 + flags % 30)); break;
    case 13: engine.SetSciMin(flags % 2 ? 0.01L : 0.0001L); break;
    case 14: engine.SetSciMax(flags % 2 ? 1000.0L : 1000000.0L); break;
    default: engine.SetDecimalPlaces(uint8_t(flags % 40)); break;
    }
}

void Press(orv::TOrvCalcEngine& engine, const std::string& key)
{
    try {
        orvtest::Press(engine, key);
    } catch (...) {
        std::abort(); // an engine operation must never raise
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    orvfuzz::PinSettings();
    if (size < 3)
        return 0;
    orv::TOrvCalcEngine late;
    orv::TOrvCalcEngine eager;
    eager.OnDisplayChange = [](orv::IOrvCalcEngine& sender) { (void)sender.GetDisplayStr(); };
    eager.OnHistoryChange = [](orv::IOrvCalcEngine& sender) { (void)sender.GetLastHistoryEntry(); };
    const uint16_t flags = uint16_t(data[0] | data[1] << 8);
    for (orv::TOrvCalcEngine* engine : {&late, &eager}) {
        engine->SetRandomSeedSource([] { return uint64_t{7}; });
        for (int which = 0; which < 12; ++which)
            ApplySetting(*engine, flags, which);
        engine->SetDecimalPlaces(uint8_t(data[2] % 40));
    }
    const std::vector<std::string>& keys = orvtest::AllKeys();
    for (size_t i = 3; i < size; ++i) {
        if (data[i] >= 0xF0) {
            const uint16_t value = uint16_t(i + 1 < size ? data[i + 1] : 0);
            ApplySetting(late, value, data[i] & 0x0F);
            ApplySetting(eager, value, data[i] & 0x0F);
            continue;
        }
        const std::string key = '[' + keys[data[i] % keys.size()] + ']';
        Press(late, key);
        Press(eager, key);
        if (late.GetDisplayValue() != eager.GetDisplayValue())
            std::abort();
    }
    if (late.GetDisplayStr() != eager.GetDisplayStr() || late.GetHistoryLength() != eager.GetHistoryLength())
        std::abort();
    late.HistoryStart();
    for (int32_t i = 0; i < late.GetHistoryLength(); ++i) {
        const QString line = late.GetHistoryEntry(uint16_t(i));
        if (late.GetNextHistoryEntry() != line || eager.GetHistoryEntry(uint16_t(i)) != line)
            std::abort();
    }
    return 0;
}
