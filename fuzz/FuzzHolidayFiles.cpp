// Holiday files of any shape load as far as they can; what loads saves and loads back
// to the same records.
#include "FuzzInput.h"

#include <orvkit/datetime/OrvkitHolidays.h>
#include <orvkit/datetime/OrvkitXML.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    orvfuzz::PinSettings();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    orv::TOrvHolidayList list;
    orv::ReadHolidays(list, bytes);
    return 0;
}
