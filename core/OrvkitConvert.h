#pragma once

#include <orvkit/core/OrvkitGlobals.h>

#include <QString>
#include <bitset>
#include <cstdint>
#include <initializer_list>

namespace orv {

/// A set of character codes 0-255; a character above 255 is never in a set.
class TOrvCharSet {
public:
    constexpr TOrvCharSet() = default;
    /// Every code from `first` to `last`, inclusive.
    static TOrvCharSet Range(char16_t first, char16_t last)
    {
        TOrvCharSet s;
        for (unsigned c = first; c <= last && c < 256; ++c)
            s.fBits.set(c);
        return s;
    }
    static TOrvCharSet Of(std::initializer_list<char16_t> chars)
    {
        TOrvCharSet s;
        for (const char16_t c : chars)
            if (c < 256)
                s.fBits.set(c);
        return s;
    }
    TOrvCharSet operator|(const TOrvCharSet& other) const
    {
        TOrvCharSet s;
        s.fBits = fBits | other.fBits;
        return s;
    }
    bool Contains(QChar c) const { return c.unicode() < 256 && fBits.test(c.unicode()); }
    bool IsEmpty() const { return fBits.none(); }

private:
    std::bitset<256> fBits;
};

const TOrvCharSet& WhitespaceChars(); ///< codes 0-32
const TOrvCharSet& WordDelimiters();
const TOrvCharSet& DigitChars();      ///< "0" to "9"

// Text helpers. Positions are 1-based; 0 means not found.
int FindChar(QChar c, const QString& text, int start = 1);
int FindNthChar(QChar c, const QString& text, int n, int start = 1);
QString RepeatChar(QChar c, int n);
QString BlankText(int n);
QString LeftChars(const QString& text, int n);
QString RightChars(const QString& text, int n);
QString CharsAfter(const QString& text, int n);
QString TextBeforeChar(const QString& text, QChar c, int start, bool emptyIfMissing);
QString TextAfterChar(const QString& text, QChar c);
QString PadLeftWith(const QString& text, QChar c, int length);
QString PadRightWith(const QString& text, QChar c, int length);
QString StripTrailingChar(const QString& text, QChar c);
QString StripLeadingChar(const QString& text, QChar c);
QString ReplaceChar(const QString& text, QChar oldChar, QChar newChar);
QString RemoveChar(const QString& text, QChar c);
QString RemoveChars(const QString& text, const TOrvCharSet& set);
QString RemoveThousandSeps(const QString& text);
QString CleanNumberText(const QString& text);
QString UpperText(const QString& text);
QString LowerText(const QString& text);
QString LocaleUpperText(const QString& text);
QString LocaleLowerText(const QString& text);
QChar UpperChar(QChar c);
QString CapitaliseWords(const QString& text);
QString ReverseText(const QString& text);
bool AllCharsIn(const QString& text, const TOrvCharSet& set);
bool IsDigitText(const QString& text);
QString RemoveSubText(const QString& text, const QString& sub);
QString GroupFromRight(const QString& text, int size, QChar separator);
/// Removes brackets and leading/trailing minus signs; `negative` tells whether any were found.
void StripNegativeMarks(const QString& text, QString& result, bool& negative);

// Text to integer. All clean the text first and never raise. Decimal text beyond the
// 64-bit range clamps to it; hexadecimal text is a 64-bit two's complement pattern.
int64_t TextToInt64(const QString& text);
int32_t TextToInt32(const QString& text);
int32_t TextToInt32Def(const QString& text, int32_t defaultValue);
uint32_t TextToUInt32(const QString& text);
uint16_t TextToUInt16(const QString& text);
uint8_t TextToByte(const QString& text);
int64_t HexTextToInt64(const QString& text);
int32_t HexTextToInt32(const QString& text);

// Integer to text. None of them raises; they follow GlobalShowPosSign and GlobalBlankWhenZero.
QString Int32ToText(int32_t value);
QString Int64ToText(int64_t value);
QString Int32ToHexText(int32_t value);
QString Int64ToHexText(int64_t value);
QString Int32ToZeroText(int32_t value, uint8_t width);
QString Int64ToZeroText(int64_t value, uint8_t width);
QString Int64ToZeroHexText(int64_t value, uint8_t width);
QString Int64ToGroupedText(int64_t value, bool lakh);
QString GroupIntegerDigits(const QString& digits, bool lakh);
QString InsertThousandSeps(const QString& text, bool lakh);

// Float to text: exact for every 80-bit value. The digits are those of the value's exact
// decimal expansion rounded once, halves away from zero, at 18 significant digits or at
// `decimals`, whichever comes first; |x| >= 10^18 takes the exponent form. Infinities give
// "INF" / "-INF" ("+INF" under GlobalShowPosSign, except in the exponent form), NaN "NAN";
// the zero-padded form does not pad them.
QString FloatToFixedText(Extended x, uint8_t decimals);
QString FloatToTrimmedText(Extended x, uint8_t decimals);
QString FloatToGroupedText(Extended x, uint8_t decimals, bool lakh);
QString FloatToTrimmedGroupedText(Extended x, uint8_t decimals, bool lakh);
QString FloatToZeroText(Extended x, uint8_t width, uint8_t decimals);
QString FloatToExpText(Extended x, uint8_t decimals);
QString FloatToTrimmedExpText(Extended x, uint8_t decimals);

// Text to float.
/// Lenient reading of typed text; raises EConvertError on text it cannot read, including
/// a value beyond the extended range. The result is correctly rounded (as strtold).
void ParseFloatText(const QString& text, Extended& value, bool& ok);
Extended TextToExtended(const QString& text);
Extended TextToExtendedDef(const QString& text, Extended defaultValue);
double TextToDoubleDef(const QString& text, double defaultValue);

// Base conversions; a character outside the digits raises EMathError.
QString HexToBinText(const QString& text);
QString BinToHexText(const QString& text);
QString OctToBinText(const QString& text);
QString BinToOctText(const QString& text);
QString HexToOctText(const QString& text);
QString OctToHexText(const QString& text);

// IPv4.
uint32_t IPTextToUInt32(const QString& text);
QString UInt32ToIPText(uint32_t value);

} // namespace orv
