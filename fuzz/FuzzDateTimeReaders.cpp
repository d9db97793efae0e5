// The lenient date, time and duration readers give a value, their fallback or their
// one documented error, whatever the text and whichever switches are set.
#include "FuzzInput.h"

#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/datetime/OrvkitDateFormat.h>
#include <orvkit/datetime/OrvkitDateText.h>
#include <orvkit/datetime/OrvkitDateTime.h>
#include <orvkit/datetime/OrvkitDurations.h>

namespace {

// Failed conversions raise EConvertError under GlobalRaiseDateErrors; nothing else may escape.
template <typename F>
void Quietly(F&& read)
{
    try {
        read();
    } catch (const orv::EConvertError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    orvfuzz::PinSettings();
    if (size < 2)
        return 0;
    const uint8_t mode = data[0];
    const QString text = orvfuzz::TextOf(data + 1, size - 1);
    const orv::TOrvScopedValue raise(orv::GlobalRaiseDateErrors, bool(mode & 1));
    const orv::TOrvScopedValue years(orv::GlobalTwoDigitYearMode, orv::TOrv2DigitYr((mode >> 1) % 3));
    Quietly([&] {
        const orv::TDateTime date = orv::TextToDate(text, bool(mode & 8));
        (void)orv::DateToFormatText(orv::FormatSettings.ShortDateFormat, date);
    });
    Quietly([&] { (void)orv::TextToTime(text, bool(mode & 16)); });
    Quietly([&] { (void)orv::TextToDateDef(text, 1.0); });
    Quietly([&] { (void)orv::TextToTimeDef(text, true, 0.5); });
    Quietly([&] { (void)orv::TextToDateFmtDef(text, text.left(12), 1.0); });
    Quietly([&] { (void)orv::YYYYMMDDToDate(text); });
    try {
        orv::TOrvDurationType unit = orv::dtDays;
        (void)orv::DurationTextToValue(text, unit);
    } catch (const orv::Exception&) {
    }
    return 0;
}
