// TZif files and POSIX rules of any shape read as a rule or as a clean refusal.
#include "FuzzInput.h"

#include <orvkit/datetime/OrvkitPosixTZ.h>
#include <orvkit/datetime/OrvkitTZif.h>

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString footer;
    bool ok = false;
    orv::TZifFooter(bytes, footer, ok);
    orv::TOrvPosixTZ rule;
    if (ok)
        (void)orv::ParsePosixTZ(footer, rule);
    (void)orv::ParsePosixTZ(QString::fromLatin1(bytes), rule);
    return 0;
}
