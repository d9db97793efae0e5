// The integer, hexadecimal and IPv4 readers never raise except where a switch asks.
#include "FuzzInput.h"

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitGuards.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    orvfuzz::PinSettings();
    const QString text = orvfuzz::TextOf(data, size);
    (void)orv::TextToInt64(text);
    const int32_t i32 = orv::TextToInt32(text);
    const int32_t def = orv::TextToInt32Def(text, 7);
    (void)orv::TextToUInt32(text);
    (void)orv::TextToUInt16(text);
    (void)orv::TextToByte(text);
    (void)orv::HexTextToInt64(text);
    (void)orv::HexTextToInt32(text);
    // A text that reads wholly as an in-range integer gives the same value either way.
    if (def != 7 && def != i32)
        std::abort();
    {
        orv::TOrvScopedValue check(orv::GlobalCheckIPErrors, false);
        (void)orv::IPTextToUInt32(text);
    }
    try {
        (void)orv::IPTextToUInt32(text);
    } catch (const orv::EMathError&) {
    }
    return 0;
}
