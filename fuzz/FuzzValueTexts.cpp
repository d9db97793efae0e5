// Fraction and angle texts: a value or the documented error, and what is written
// reads back.
#include "FuzzInput.h"

#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitFractions.h>
#include <orvkit/core/OrvkitPositionConversions.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    orvfuzz::PinSettings();
    const QString text = orvfuzz::TextOf(data, size);
    try {
        const orv::TOrvFraction f = orv::TextToFraction(text);
        (void)orv::FractionToText(f);
    } catch (const orv::Exception&) {
    }
    try {
        const orv::TOrvMixedFraction m = orv::TextToMixed(text);
        (void)orv::TextToMixed(orv::MixedToText(m));
    } catch (const orv::Exception&) {
    }
    try {
        const orv::Extended degrees = orv::DMSTextToDegrees(text);
        for (const orv::TOrvDMSType form : {orv::ddFloat, orv::ddDMS, orv::ddDM, orv::ddD})
            (void)orv::DMSTextToDegrees(orv::DegreesToDMSText(form, 2, true, false, true, degrees));
    } catch (const orv::Exception&) {
    }
    return 0;
}
