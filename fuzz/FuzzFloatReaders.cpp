// ParseFloatText and the float readers against the C library on text they accept.
#include "FuzzInput.h"

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitGuards.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    orvfuzz::PinSettings();
    const QString text = orvfuzz::TextOf(data, size);
    orv::Extended value = 0;
    bool ok = false;
    try {
        orv::ParseFloatText(text, value, ok);
    } catch (const orv::EConvertError&) {
    }
    (void)orv::TextToExtended(text);
    (void)orv::TextToExtendedDef(text, 7);
    (void)orv::TextToDoubleDef(text, 7);
    {
        orv::TOrvScopedValue raise(orv::GlobalRaiseFloatErrors, true);
        try {
            (void)orv::TextToExtended(text);
        } catch (const orv::Exception&) {
        }
    }
    // A plain decimal number must read exactly as strtold reads it.
    const QByteArray ascii = text.toLatin1();
    if (!ascii.isEmpty() && ascii.size() < 64 && ascii.front() >= '0' && ascii.front() <= '9') {
        char* end = nullptr;
        const long double reference = std::strtold(ascii.constData(), &end);
        if (end == ascii.constData() + ascii.size() && ascii.indexOf('x') < 0 && ascii.indexOf('X') < 0
            && ascii.indexOf(',') < 0 && reference <= 1.0e4000L) {
            ok = false;
            try {
                orv::ParseFloatText(text, value, ok);
            } catch (const orv::EConvertError&) {
                return 0; // beyond the extended range: refused on purpose
            }
            if (ok && value != reference && !(ascii.endsWith('e') || ascii.endsWith('E')))
                std::abort();
        }
    }
    return 0;
}
