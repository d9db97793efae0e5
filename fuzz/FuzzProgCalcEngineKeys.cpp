// The programmer's engine driven by a byte stream: word size, base, spacing and the
// size-change rule first, then one key per byte, changes of size and base among them.
#include "FuzzInput.h"

#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/engines/OrvkitProgCalcEngine.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    orvfuzz::PinSettings();
    if (size < 2)
        return 0;
    orv::TOrvProgCalcEngine engine;
    engine.SetSizeChange(orv::TOrvProgSizeChange(data[0] % 3));
    engine.SetSpacing(orv::TOrvProgSpacing(data[0] >> 2 & 3));
    engine.SetBitSize(orv::TOrvBitSize(data[1] & 3));
    static const char16_t digits[] = u"0123456789ABCDEFx";
    for (size_t i = 2; i < size; ++i) {
        const uint8_t k = data[i];
        try {
            switch (k % 40) {
            case 0: engine.DoAdd(); break;
            case 1: engine.DoSubtract(); break;
            case 2: engine.DoMultiply(); break;
            case 3: engine.DoDivide(); break;
            case 4: engine.DoMod(); break;
            case 5: engine.DoAnd(); break;
            case 6: engine.DoOr(); break;
            case 7: engine.DoXor(); break;
            case 8: engine.DoNand(); break;
            case 9: engine.DoNor(); break;
            case 10: engine.DoXnor(); break;
            case 11: engine.DoNot(); break;
            case 12: engine.DoNeg(); break;
            case 13: engine.InputLeftBracket(); break;
            case 14: engine.InputRightBracket(); break;
            case 15: engine.DoEquals(); break;
            case 16: engine.InputBackspace(); break;
            case 17: engine.AllClear(); break;
            case 18: engine.ClearDisplay(); break;
            case 19: engine.MemoryAdd(); break;
            case 20: engine.MemorySubtract(); break;
            case 21: engine.MemoryRecall(); break;
            case 22: engine.DoShl(k / 40); break;
            case 23: engine.DoShr(k / 40); break;
            case 24: engine.DoRol(k / 40); break;
            case 25: engine.DoRor(k / 40); break;
            case 26: engine.SetBitSize(orv::TOrvBitSize(k / 40 % 4)); break;
            case 27: engine.SetBaseDisplay(orv::TOrvBaseDisplay(k / 40 % 4)); break;
            default: engine.InputDigit(QChar(digits[k % 17])); break;
            }
        } catch (const orv::EMathError&) {
            // A base change while the display shows the error text raises; the engine stays usable.
        } catch (...) {
            std::abort();
        }
        (void)engine.GetDisplayStr();
    }
    return 0;
}
