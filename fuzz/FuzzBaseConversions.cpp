// Base conversions either raise the one base-conversion error or give digits that
// convert back to the same value.
#include "FuzzInput.h"

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitExceptions.h>

#include <cstdlib>

namespace {

QString StripLeadingZeros(const QString& digits)
{
    qsizetype i = 0;
    while (i < digits.size() && digits.at(i) == u'0')
        ++i;
    return digits.mid(i);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    orvfuzz::PinSettings();
    const QString text = orvfuzz::TextOf(data, size);
    using Conversion = QString (*)(const QString&);
    for (const Conversion convert : {&orv::HexToBinText, &orv::BinToHexText, &orv::OctToBinText,
                                     &orv::BinToOctText, &orv::HexToOctText, &orv::OctToHexText}) {
        try {
            (void)convert(text);
        } catch (const orv::EMathError&) {
        }
    }
    try {
        const QString bin = orv::HexToBinText(text);
        const QString back = orv::BinToHexText(bin);
        const QString octal = orv::BinToOctText(bin);
        if (StripLeadingZeros(orv::BinToHexText(orv::OctToBinText(octal))) != StripLeadingZeros(back))
            std::abort();
    } catch (const orv::EMathError&) {
    }
    return 0;
}
