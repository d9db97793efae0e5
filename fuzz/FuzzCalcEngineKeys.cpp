// The calculator engine driven by a byte stream: the first bytes choose its settings,
// every later byte one key. No key may escape, and the tape reads back in bounds.
#include "FuzzInput.h"
#include "engines/CalcEngineKeys.h"

#include <orvkit/engines/OrvkitCalcEngine.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    orvfuzz::PinSettings();
    if (size < 3)
        return 0;
    orv::TOrvCalcEngine engine;
    engine.SetRandomSeedSource([] { return uint64_t{7}; });
    const uint16_t flags = uint16_t(data[0] | data[1] << 8);
    const auto bit = [flags](int n) { return (flags >> n & 1) != 0; };
    engine.SetPrefixFunctions(bit(0));
    engine.SetPrecedence(bit(1));
    engine.SetBinaryPercent(bit(2));
    engine.SetThousandsSeparators(bit(3));
    engine.SetLakhFormatting(bit(4));
    engine.SetOperatorSameLine(bit(5));
    engine.SetTrimTrailingZeroes(bit(6));
    engine.SetSciUsage(bit(7));
    engine.SetSciRange(bit(8));
    engine.SetMemoryHistory(bit(9));
    engine.SetEnableGrads(bit(10));
    engine.SetAngleMode(orv::TOrvAngleMode((flags >> 11) % 3));
    engine.SetDecimalPlaces(uint8_t(data[2] % 40));
    const std::vector<std::string>& keys = orvtest::AllKeys();
    for (size_t i = 3; i < size; ++i) {
        try {
            orvtest::Press(engine, '[' + keys[data[i] % keys.size()] + ']');
        } catch (...) {
            std::abort(); // an engine operation must never raise
        }
        (void)engine.GetDisplayValue();
    }
    engine.HistoryStart();
    for (int32_t i = 0; i < engine.GetHistoryLength(); ++i)
        if (engine.GetNextHistoryEntry() != engine.GetHistoryEntry(uint16_t(i)))
            std::abort();
    return 0;
}
