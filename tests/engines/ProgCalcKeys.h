#pragma once

// Drives a programmer's calculator engine key by key, and gives the texts the display must
// show, worked out with plain integer arithmetic and printf-style formatting.

#include <orvkit/engines/OrvkitProgCalcEngine.h>

#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <string_view>

namespace orvtest {

/// Presses the keys of a space-separated sequence: operator words ("+", "MOD", "AND", "NOT",
/// "NEG", "(", ")", "=", "SHL3", "ROR12", "M+", "MR", "BS", "AC", "CE"); any other token is
/// typed digit by digit.
inline void Press(orv::IOrvProgCalcEngine& e, std::string_view keys)
{
    std::istringstream in{std::string(keys)};
    std::string k;
    while (in >> k) {
        const auto count = [&k](std::size_t prefix) { return std::stoi(k.substr(prefix)); };
        if (k == "+") e.DoAdd();
        else if (k == "-") e.DoSubtract();
        else if (k == "*") e.DoMultiply();
        else if (k == "/") e.DoDivide();
        else if (k == "MOD") e.DoMod();
        else if (k == "AND") e.DoAnd();
        else if (k == "OR") e.DoOr();
        else if (k == "XOR") e.DoXor();
        else if (k == "NAND") e.DoNand();
        else if (k == "NOR") e.DoNor();
        else if (k == "XNOR") e.DoXnor();
        else if (k == "NOT") e.DoNot();
        else if (k == "NEG") e.DoNeg();
        else if (k == "(") e.InputLeftBracket();
        else if (k == ")") e.InputRightBracket();
        else if (k == "=") e.DoEquals();
        else if (k == "BS") e.InputBackspace();
        else if (k == "AC") e.AllClear();
        else if (k == "CE") e.ClearDisplay();
        else if (k == "MC") e.MemoryClear();
        else if (k == "M+") e.MemoryAdd();
        else if (k == "M-") e.MemorySubtract();
        else if (k == "MR") e.MemoryRecall();
        else if (k.rfind("SHL", 0) == 0 && k.size() > 3) e.DoShl(count(3));
        else if (k.rfind("SHR", 0) == 0 && k.size() > 3) e.DoShr(count(3));
        else if (k.rfind("ROL", 0) == 0 && k.size() > 3) e.DoRol(count(3));
        else if (k.rfind("ROR", 0) == 0 && k.size() > 3) e.DoRor(count(3));
        else
            for (const char c : k)
                e.InputDigit(QChar(c));
    }
}

inline std::string Display(orv::IOrvProgCalcEngine& e)
{
    return e.GetDisplayStr().toStdString();
}

/// Bits of a word size, counted independently of the engine's tables.
inline int BitsOf(orv::TOrvBitSize size)
{
    return 8 << size;
}

inline uint64_t LowBits(int64_t v, int bits)
{
    return bits == 64 ? static_cast<uint64_t>(v) : static_cast<uint64_t>(v) & ((uint64_t{1} << bits) - 1);
}

/// The low `bits` bits of v read as a signed number.
inline int64_t AsSigned(int64_t v, int bits)
{
    const __int128 low = static_cast<__int128>(LowBits(v, bits));
    const __int128 half = static_cast<__int128>(1) << (bits - 1);
    return static_cast<int64_t>(low >= half ? low - (half << 1) : low);
}

inline int64_t Wrap128(__int128 v, int bits)
{
    return AsSigned(static_cast<int64_t>(static_cast<uint64_t>(static_cast<unsigned __int128>(v))), bits);
}

inline std::string BinaryDigits(uint64_t v, int width)
{
    std::string s;
    for (int i = width - 1; i >= 0; --i)
        s += ((v >> i) & 1) != 0 ? '1' : '0';
    return s;
}

/// The ungrouped text the engine shows for a stored value: the low word-size digits with
/// leading zeros, or the whole stored value in decimal.
inline std::string ShownText(int64_t stored, orv::TOrvBaseDisplay base, int bits)
{
    char buf[80];
    const auto low = static_cast<unsigned long long>(LowBits(stored, bits));
    switch (base) {
    case orv::bdDec: return std::to_string(stored);
    case orv::bdHex: std::snprintf(buf, sizeof buf, "%0*llX", bits / 4, low); return buf;
    case orv::bdOct: std::snprintf(buf, sizeof buf, "%0*llo", (bits + 2) / 3, low); return buf;
    case orv::bdBin: return BinaryDigits(low, bits);
    }
    return {};
}

/// Keys that type v in the base: the low word-size digits without leading zeros, or in
/// decimal the signed value with "-" pressed as a sign.
inline std::string KeysFor(int64_t v, orv::TOrvBaseDisplay base, int bits)
{
    if (base == orv::bdDec) {
        const int64_t s = AsSigned(v, bits);
        if (s >= 0)
            return std::to_string(s);
        const uint64_t magnitude = uint64_t{0} - static_cast<uint64_t>(s);
        return "- " + std::to_string(magnitude);
    }
    std::string digits = ShownText(v, base, bits);
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

inline const char* BaseName(orv::TOrvBaseDisplay base)
{
    switch (base) {
    case orv::bdBin: return "bin";
    case orv::bdDec: return "dec";
    case orv::bdHex: return "hex";
    case orv::bdOct: return "oct";
    }
    return "?";
}

/// A cleared engine at a base and word size (decimal first forces 64 bits, so the size is
/// set after the base).
inline void Configure(orv::IOrvProgCalcEngine& e, orv::TOrvBaseDisplay base, orv::TOrvBitSize size)
{
    e.SetBaseDisplay(base);
    e.SetSizeChange(orv::pscClear);
    e.SetBitSize(size);
    e.AllClear();
}

} // namespace orvtest
