#pragma once

#include <orvkit/core/OrvkitFormatSettings.h>

#include <QString>
#include <cstddef>
#include <cstdint>

namespace orvfuzz {

/// The fuzzer's bytes as text: the first byte chooses how the rest is decoded, so
/// both typed-looking ASCII and arbitrary UTF-16 (lone surrogates included) arrive.
inline QString TextOf(const uint8_t* data, size_t size)
{
    if (size == 0)
        return {};
    const char* rest = reinterpret_cast<const char*>(data + 1);
    const auto n = qsizetype(size - 1);
    switch (data[0] % 3) {
    case 0: return QString::fromLatin1(rest, n);
    case 1: return QString::fromUtf8(rest, n);
    default: return QString(reinterpret_cast<const QChar*>(rest), n / 2);
    }
}

/// Fixed English settings once per process, so findings reproduce anywhere.
inline void PinSettings()
{
    static const bool pinned = [] {
        orv::FormatSettings = orv::EnglishFormatSettings();
        return true;
    }();
    (void)pinned;
}

} // namespace orvfuzz
