#include <orvkit/core/OrvkitDecimal.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cfenv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>
#include <string>

namespace orv {

namespace {

using uint128 = unsigned __int128;

static_assert(std::numeric_limits<Extended>::digits == 64, "Extended must be the 80-bit x87 format");

constexpr std::array<uint64_t, 28> kPow5 = [] {
    std::array<uint64_t, 28> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 5;
    return p;
}();

constexpr std::array<uint64_t, 20> kPow10 = [] {
    std::array<uint64_t, 20> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}();

// 10^0 .. 10^27 are exact in 64 mantissa bits (5^27 < 2^64).
constexpr Extended kExactPow10[] = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
    1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
    1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L,
};
constexpr int kMaxExactPow10 = 27;

constexpr uint32_t kPow5Limb = 1220703125; // 5^13, the largest power of 5 in 32 bits
constexpr int kPow5LimbExp = 13;

// Unsigned integer of 32-bit limbs, least significant first, sized for the extremes of
// the 80-bit range: 2^16384 (the largest value) and m * 5^5000 (the smallest ones).
class TBigUInt {
public:
    static constexpr int kCapacity = 600;

    explicit TBigUInt(uint64_t value)
    {
        fLimbs[0] = uint32_t(value);
        fLimbs[1] = uint32_t(value >> 32);
        fSize = fLimbs[1] ? 2 : (fLimbs[0] ? 1 : 0);
    }

    void MulSmall(uint32_t factor)
    {
        uint64_t carry = 0;
        for (int i = 0; i < fSize; ++i) {
            const uint64_t v = uint64_t(fLimbs[i]) * factor + carry;
            fLimbs[i] = uint32_t(v);
            carry = v >> 32;
        }
        if (carry && fSize < kCapacity)
            fLimbs[fSize++] = uint32_t(carry);
    }

    void MulPow5(int32_t n)
    {
        for (; n >= kPow5LimbExp; n -= kPow5LimbExp)
            MulSmall(kPow5Limb);
        if (n > 0)
            MulSmall(uint32_t(kPow5[n]));
    }

    /// Divides in place and returns the remainder.
    uint32_t DivSmall(uint32_t divisor)
    {
        uint64_t rest = 0;
        for (int i = fSize - 1; i >= 0; --i) {
            const uint64_t v = (rest << 32) | fLimbs[i];
            fLimbs[i] = uint32_t(v / divisor);
            rest = v % divisor;
        }
        while (fSize > 0 && fLimbs[fSize - 1] == 0)
            --fSize;
        return uint32_t(rest);
    }

    void DivPow5(int32_t n)
    {
        for (; n >= kPow5LimbExp && fSize > 0; n -= kPow5LimbExp)
            DivSmall(kPow5Limb);
        if (n > 0 && fSize > 0)
            DivSmall(uint32_t(kPow5[std::min(n, kPow5LimbExp)]));
    }

    void ShiftLeft(int32_t bits)
    {
        const int limbShift = bits / 32;
        const int bitShift = bits % 32;
        if (fSize == 0)
            return;
        const int newSize = std::min(kCapacity, fSize + limbShift + 1);
        for (int i = newSize - 1; i >= 0; --i) {
            const int src = i - limbShift;
            const uint64_t hi = src >= 0 && src < fSize ? fLimbs[src] : 0;
            const uint64_t lo = src - 1 >= 0 && src - 1 < fSize ? fLimbs[src - 1] : 0;
            fLimbs[i] = bitShift ? uint32_t((hi << bitShift) | (lo >> (32 - bitShift))) : uint32_t(hi);
        }
        fSize = newSize;
        while (fSize > 0 && fLimbs[fSize - 1] == 0)
            --fSize;
    }

    void ShiftRight(int32_t bits)
    {
        const int limbShift = bits / 32;
        const int bitShift = bits % 32;
        const int newSize = std::max(0, fSize - limbShift);
        for (int i = 0; i < newSize; ++i) {
            const uint64_t lo = fLimbs[i + limbShift];
            const uint64_t hi = i + limbShift + 1 < fSize ? fLimbs[i + limbShift + 1] : 0;
            fLimbs[i] = bitShift ? uint32_t((lo >> bitShift) | (hi << (32 - bitShift))) : uint32_t(lo);
        }
        fSize = newSize;
        while (fSize > 0 && fLimbs[fSize - 1] == 0)
            --fSize;
    }

    /// The decimal digits, at least one; the number becomes 0.
    std::u16string TakeDecimalDigits()
    {
        constexpr uint32_t kChunk = 1000000000; // nine digits per division
        std::u16string digits;
        do {
            uint32_t chunk = DivSmall(kChunk);
            for (int i = 0; i < 9; ++i, chunk /= 10)
                digits.push_back(char16_t(u'0' + chunk % 10));
        } while (fSize > 0);
        while (digits.size() > 1 && digits.back() == u'0')
            digits.pop_back();
        std::reverse(digits.begin(), digits.end());
        return digits;
    }

    /// Bits offset .. offset+127 of the number, i.e. the low 128 bits of (this >> offset).
    uint128 BitsFrom(int64_t offset) const
    {
        uint128 out = 0;
        for (int b = 0; b < 128; b += 32) {
            const int64_t bit = offset + b;
            const int64_t limb = bit / 32;
            const int shift = int(bit % 32);
            if (limb >= fSize)
                break;
            uint64_t v = fLimbs[limb] >> shift;
            if (shift && limb + 1 < fSize)
                v |= uint64_t(fLimbs[limb + 1]) << (32 - shift);
            out |= uint128(uint32_t(v)) << b;
        }
        return out;
    }

private:
    uint32_t fLimbs[kCapacity];
    int fSize = 0;
};

uint128 ShiftBy(uint128 value, int64_t shift)
{
    if (shift >= 0)
        return shift >= 128 ? (value ? ~uint128(0) : 0) : value << shift;
    return -shift >= 128 ? 0 : value >> -shift;
}

// floor(m * 2^e * 10^t), exact, for any t that keeps the operands within the capacity.
TBigUInt BigFloorScaledByTen(uint64_t m, int32_t e, int32_t t)
{
    const int64_t shift = int64_t(e) + t; // 10^t = 5^t * 2^t
    TBigUInt big(m);
    if (t >= 0) {
        big.MulPow5(t);
        if (shift >= 0)
            big.ShiftLeft(int32_t(shift));
        else
            big.ShiftRight(int32_t(-shift));
        return big;
    }
    // Shifting left before dividing keeps every bit that the quotient needs.
    if (shift > 0)
        big.ShiftLeft(int32_t(shift));
    big.DivPow5(-t);
    if (shift < 0)
        big.ShiftRight(int32_t(-shift));
    return big;
}

// floor(m * 2^e * 10^t), exact. Callers keep the result well below 2^127.
uint128 FloorScaledByTen(uint64_t m, int32_t e, int32_t t)
{
    const int64_t shift = int64_t(e) + t;
    if (t >= 0 && t <= kMaxExactPow10)
        return ShiftBy(uint128(m) * kPow5[t], shift);
    const int32_t u = -t;
    if (t < 0 && u <= kMaxExactPow10 && shift <= 63) {
        const uint128 quotient = (uint128(m) << std::max<int64_t>(shift, 0)) / kPow5[u];
        return shift < 0 ? ShiftBy(quotient, shift) : quotient;
    }
    return BigFloorScaledByTen(m, e, t).BitsFrom(0);
}

// floor(log10 |x|) or one less, from the binary exponent alone.
int32_t EstimateDecimalExponent(uint64_t m, int32_t e)
{
    // |x| lies in [2^(bits-1), 2^bits); its decimal exponent is floor((bits-1)*log10 2) or one more.
    const int64_t bits = int64_t(64 - std::countl_zero(m)) + e;
    return int32_t(((bits - 1) * int64_t(1292913986)) >> 32);
}

// Adds one to the decimal digit string; false when it overflows (all nines).
bool IncrementDigits(char16_t* digits, int count)
{
    for (int i = count - 1; i >= 0; --i) {
        if (digits[i] != u'9') {
            ++digits[i];
            return true;
        }
        digits[i] = u'0';
    }
    return false;
}

constexpr char kDigitPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                               "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                               "8081828384858687888990919293949596979899";

locale_t CLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return c;
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

TOrvFloatParts SplitExtended(Extended x)
{
    unsigned char bytes[sizeof(Extended)];
    std::memcpy(bytes, &x, sizeof(Extended));
    uint64_t mantissa;
    uint16_t signExponent;
    std::memcpy(&mantissa, bytes, sizeof mantissa);
    std::memcpy(&signExponent, bytes + 8, sizeof signExponent);

    TOrvFloatParts parts;
    parts.fNegative = (signExponent & 0x8000) != 0;
    const int32_t biased = signExponent & 0x7FFF;
    if (biased == 0x7FFF) {
        parts.fKind = mantissa == (uint64_t(1) << 63) ? TOrvFloatParts::fpInfinite : TOrvFloatParts::fpNaN;
        return parts;
    }
    if (mantissa == 0)
        return parts;
    if (biased != 0 && !(mantissa >> 63)) {
        // An unnormal: the unit refuses it as an operand, so it is no number either.
        parts.fKind = TOrvFloatParts::fpNaN;
        return parts;
    }
    parts.fKind = TOrvFloatParts::fpFinite;
    parts.fMantissa = mantissa;
    // Subnormals share the smallest normal exponent; their mantissa lacks the top bit.
    parts.fExponent = (biased == 0 ? 1 : biased) - 16383 - 63;
    return parts;
}

TOrvDecimal RoundToDecimal(const TOrvFloatParts& parts, int significant, int32_t minPlace)
{
    const uint64_t m = parts.fMantissa;
    const int32_t e = parts.fExponent;
    if (parts.fKind != TOrvFloatParts::fpFinite || m == 0)
        return {0, minPlace};
    int32_t k = EstimateDecimalExponent(m, e);
    const uint128 low = kPow10[significant];
    const uint128 high = uint128(kPow10[significant]) * 10;
    for (int attempt = 0;; ++attempt) {
        const int32_t sigPlace = k - significant + 1;
        const bool bySignificance = sigPlace >= minPlace;
        int32_t place = bySignificance ? sigPlace : minPlace;
        // One digit beyond the last kept one decides the rounding: half away from zero
        // needs no more than that digit of the exact expansion.
        const uint128 q10 = FloorScaledByTen(m, e, 1 - place);
        if (bySignificance && attempt < 4) {
            if (q10 >= high) {
                ++k;
                continue;
            }
            if (q10 < low) {
                --k;
                continue;
            }
        }
        uint64_t q = uint64_t(q10 / 10) + (q10 % 10 >= 5 ? 1 : 0);
        if (bySignificance && q == kPow10[significant]) {
            q /= 10;
            ++place;
        }
        return {q, place};
    }
}

int32_t RoundToSignificantDigits(const TOrvFloatParts& parts, int significant, char16_t* out)
{
    if (parts.fKind != TOrvFloatParts::fpFinite || parts.fMantissa == 0) {
        std::fill(out, out + significant, u'0');
        return 0;
    }
    if (significant <= kMaxDecimalSignificant) {
        const TOrvDecimal d = RoundToDecimal(parts, significant, std::numeric_limits<int32_t>::min());
        WriteDecimalDigits(d.fDigits, out);
        return d.fPlace + significant - 1;
    }
    const uint64_t m = parts.fMantissa;
    const int32_t e = parts.fExponent;
    int32_t k = EstimateDecimalExponent(m, e);
    // One digit beyond the kept ones decides the rounding, as in RoundToDecimal.
    std::u16string digits;
    for (;;) {
        digits = BigFloorScaledByTen(m, e, significant - k).TakeDecimalDigits();
        if (int(digits.size()) == significant + 1)
            break;
        k += int(digits.size()) > significant + 1 ? 1 : -1;
    }
    if (digits[std::size_t(significant)] >= u'5' && !IncrementDigits(digits.data(), significant)) {
        digits[0] = u'1';
        ++k;
    }
    std::copy_n(digits.begin(), significant, out);
    return k;
}

int DecimalDigitCount(uint64_t value)
{
    int n = 1;
    while (n < 20 && value >= kPow10[n])
        ++n;
    return n;
}

int WriteDecimalDigits(uint64_t value, char16_t* out)
{
    const int count = DecimalDigitCount(value);
    char16_t* p = out + count;
    while (value >= 100) {
        const unsigned pair = unsigned(value % 100) * 2;
        value /= 100;
        *--p = char16_t(kDigitPairs[pair + 1]);
        *--p = char16_t(kDigitPairs[pair]);
    }
    if (value >= 10) {
        const unsigned pair = unsigned(value) * 2;
        *--p = char16_t(kDigitPairs[pair + 1]);
        *--p = char16_t(kDigitPairs[pair]);
    } else {
        *--p = char16_t(u'0' + value);
    }
    return count;
}

int WriteGroupedDigits(const char16_t* digits, int count, bool lakh, char16_t separator, char16_t* out)
{
    char16_t* p = out;
    for (int i = 0; i < count; ++i) {
        const int rest = count - i;
        if (i > 0 && (lakh ? rest == 3 || (rest > 3 && (rest - 3) % 2 == 0) : rest % 3 == 0))
            *p++ = separator;
        *p++ = digits[i];
    }
    return int(p - out);
}

bool ReadDecimalFloat(const char16_t* text, int length, char16_t point, Extended& value)
{
    int i = 0;
    bool negative = false;
    if (i < length && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';

    // Up to 19 significant digits are gathered exactly; beyond that only whether a
    // non-zero digit was dropped matters for choosing the exact path.
    uint64_t w = 0;
    int significant = 0;
    int64_t exponent10 = 0;
    bool inexact = false;
    bool anyDigit = false;
    for (; i < length && IsDigit(text[i]); ++i) {
        anyDigit = true;
        const unsigned d = text[i] - u'0';
        if (significant < 19) {
            if (w || d) {
                w = w * 10 + d;
                ++significant;
            }
        } else {
            ++exponent10;
            inexact |= d != 0;
        }
    }
    if (i < length && text[i] == point) {
        for (++i; i < length && IsDigit(text[i]); ++i) {
            anyDigit = true;
            const unsigned d = text[i] - u'0';
            if (significant < 19) {
                if (w || d) {
                    w = w * 10 + d;
                    ++significant;
                }
                --exponent10;
            } else {
                inexact |= d != 0;
            }
        }
    }
    if (!anyDigit)
        return false;
    if (i < length && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < length && (text[i] == u'+' || text[i] == u'-'))
            negativeExponent = text[i++] == u'-';
        if (i >= length || !IsDigit(text[i]))
            return false;
        int64_t written = 0;
        for (; i < length && IsDigit(text[i]); ++i)
            if (written < 100000000)
                written = written * 10 + (text[i] - u'0');
        exponent10 += negativeExponent ? -written : written;
    }
    if (i != length)
        return false;

    if (w == 0) {
        value = negative ? -0.0L : 0.0L;
        return true;
    }
    if (!inexact) {
        // One correctly rounded operation on exact operands gives the correctly rounded result.
        bool done = true;
        Extended v = 0;
        if (exponent10 >= 0 && exponent10 <= kMaxExactPow10) {
            v = Extended(w) * kExactPow10[exponent10];
        } else if (exponent10 < 0 && exponent10 >= -kMaxExactPow10) {
            v = Extended(w) / kExactPow10[-exponent10];
        } else if (exponent10 > kMaxExactPow10 && exponent10 - kMaxExactPow10 < 20 &&
                   w <= std::numeric_limits<uint64_t>::max() / kPow10[exponent10 - kMaxExactPow10]) {
            v = Extended(w * kPow10[exponent10 - kMaxExactPow10]) * kExactPow10[kMaxExactPow10];
        } else {
            done = false;
        }
        if (done) {
            value = negative ? -v : v;
            return true;
        }
    }

    // The rare long or far-out texts go to the C library's exact reader in the "C" locale.
    std::string ascii;
    ascii.reserve(std::size_t(length));
    for (int j = 0; j < length; ++j)
        ascii.push_back(text[j] == point ? '.' : char(text[j]));
    // The caller's floating-point flags stay as they were, even when the value overflows.
    std::fenv_t environment;
    std::feholdexcept(&environment);
    char* end = nullptr;
    const Extended v = strtold_l(ascii.c_str(), &end, CLocale());
    std::fesetenv(&environment);
    if (end != ascii.c_str() + ascii.size() || std::isinf(v))
        return false;
    value = v;
    return true;
}

} // namespace orv
