// INI text of any shape parses; a written key reads back and the rest of the file
// keeps its bytes.
#include "FuzzInput.h"

#include <orvkit/framework/OrvkitIniFile.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    orv::TOrvIniDocument doc = orv::TOrvIniDocument::Parse(bytes);
    const QStringList sections = doc.Sections();
    for (const QString& section : sections)
        for (const QString& key : doc.Keys(section))
            (void)doc.Value(section, key);
    // An untouched document writes back exactly what it read.
    if (doc.Serialize() != bytes && !bytes.isEmpty()) {
        const orv::TOrvIniDocument again = orv::TOrvIniDocument::Parse(doc.Serialize());
        if (again.Serialize() != doc.Serialize())
            std::abort();
    }
    const QString section = sections.isEmpty() ? QStringLiteral("Fuzz") : sections.front();
    if (doc.SetValue(section, QStringLiteral("Fuzz Key"), QStringLiteral(" value; with = signs ")))
        if (doc.Value(section, QStringLiteral("Fuzz Key")) != QStringLiteral(" value; with = signs "))
            std::abort();
    return 0;
}
