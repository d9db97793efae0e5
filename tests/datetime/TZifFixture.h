#pragma once

#include <QByteArray>
#include <cstdint>

// Small TZif files built byte by byte, for the reader's tests.
namespace tzfixture {

struct Counts {
    uint32_t isUt = 0, isStd = 0, leap = 0, time = 0, type = 1, chars = 4;
};

inline void Put32(QByteArray& out, uint32_t v)
{
    out.append(char(v >> 24)).append(char(v >> 16)).append(char(v >> 8)).append(char(v));
}

inline void Header(QByteArray& out, char version, const Counts& c)
{
    out.append("TZif", 4).append(version).append(QByteArray(15, '\0'));
    for (const uint32_t v : {c.isUt, c.isStd, c.leap, c.time, c.type, c.chars})
        Put32(out, v);
}

// A data block of the right size: transitions, their types, one local time type, the
// abbreviation characters, leap records and the indicators.
inline void Block(QByteArray& out, const Counts& c, int timeSize)
{
    out.append(QByteArray(int(c.time) * timeSize, '\x01'));
    out.append(QByteArray(int(c.time), '\0'));
    for (uint32_t i = 0; i < c.type; ++i)
        out.append("\0\0\x8c\xa0\0\0", 6);
    out.append(QByteArray("JST\0JDT\0", 8).left(int(c.chars)));
    out.append(QByteArray(int(c.leap) * (timeSize + 4), '\0'));
    out.append(QByteArray(int(c.isStd + c.isUt), '\0'));
}

/// A version 2 file with the given footer rule (without its newlines).
inline QByteArray File(const QByteArray& rule, Counts c = {})
{
    QByteArray out;
    Header(out, '2', c);
    Block(out, c, 4);
    Header(out, '2', c);
    Block(out, c, 8);
    out.append('\n').append(rule).append('\n');
    return out;
}

inline QByteArray Version1File(Counts c = {})
{
    QByteArray out;
    Header(out, '\0', c);
    Block(out, c, 4);
    return out;
}

} // namespace tzfixture
