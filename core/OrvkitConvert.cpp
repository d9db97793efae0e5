#include <orvkit/core/OrvkitConvert.h>

#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitMathErrors.h>

#include <QLocale>
#include <algorithm>
#include <limits>

namespace orv {

// ---------------------------------------------------------------------------------------
// Character sets

const TOrvCharSet& WhitespaceChars()
{
    static const TOrvCharSet set = TOrvCharSet::Range(0, 32);
    return set;
}

const TOrvCharSet& WordDelimiters()
{
    static const TOrvCharSet set = TOrvCharSet::Range(0, 64) | TOrvCharSet::Range(91, 95) |
                                   TOrvCharSet::Range(123, 127) | TOrvCharSet::Range(128, 137) |
                                   TOrvCharSet::Range(145, 153) | TOrvCharSet::Of({139, 155, 171, 187});
    return set;
}

const TOrvCharSet& DigitChars()
{
    static const TOrvCharSet set = TOrvCharSet::Range(u'0', u'9');
    return set;
}

// ---------------------------------------------------------------------------------------
// Text helpers

int FindChar(QChar c, const QString& text, int start)
{
    const int from = std::max(start, 1);
    if (text.isEmpty() || from > text.size())
        return 0;
    return int(text.indexOf(c, from - 1)) + 1;
}

int FindNthChar(QChar c, const QString& text, int n, int start)
{
    if (n <= 0)
        return 0;
    int pos = FindChar(c, text, start);
    for (int found = 1; pos > 0 && found < n; ++found)
        pos = FindChar(c, text, pos + 1);
    return pos;
}

QString RepeatChar(QChar c, int n)
{
    return n > 0 ? QString(n, c) : QString();
}

QString BlankText(int n)
{
    return RepeatChar(u' ', n);
}

QString LeftChars(const QString& text, int n)
{
    return n > 0 ? text.left(n) : QString();
}

QString RightChars(const QString& text, int n)
{
    return n > 0 ? text.right(n) : QString();
}

QString CharsAfter(const QString& text, int n)
{
    return n > 0 ? text.mid(n) : text;
}

QString TextBeforeChar(const QString& text, QChar c, int start, bool emptyIfMissing)
{
    const int p = FindChar(c, text, start);
    if (p > 1)
        return text.left(p - 1);
    if (p == 1)
        return QString();
    return emptyIfMissing ? QString() : text;
}

QString TextAfterChar(const QString& text, QChar c)
{
    const qsizetype p = text.indexOf(c);
    return p < 0 ? QString() : text.mid(p + 1);
}

QString PadLeftWith(const QString& text, QChar c, int length)
{
    return text.size() >= length ? text : QString(length - text.size(), c) + text;
}

QString PadRightWith(const QString& text, QChar c, int length)
{
    return text.size() >= length ? text : text + QString(length - text.size(), c);
}

QString StripTrailingChar(const QString& text, QChar c)
{
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1) == c)
        --n;
    return text.left(n);
}

QString StripLeadingChar(const QString& text, QChar c)
{
    qsizetype n = 0;
    while (n < text.size() && text.at(n) == c)
        ++n;
    return text.mid(n);
}

QString ReplaceChar(const QString& text, QChar oldChar, QChar newChar)
{
    QString out = text;
    out.replace(oldChar, newChar);
    return out;
}

QString RemoveChar(const QString& text, QChar c)
{
    QString out = text;
    out.remove(c);
    return out;
}

QString RemoveChars(const QString& text, const TOrvCharSet& set)
{
    if (set.IsEmpty())
        return text;
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (!set.Contains(c))
            out.append(c);
    return out;
}

QString RemoveThousandSeps(const QString& text)
{
    return RemoveChar(text, FormatSettings.ThousandSeparator);
}

namespace {

QString TrimControls(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= 32)
        ++first;
    while (last > first && text.at(last - 1).unicode() <= 32)
        --last;
    return first == 0 && last == text.size() ? text : text.mid(first, last - first);
}

} // namespace

QString CleanNumberText(const QString& text)
{
    return TrimControls(RemoveThousandSeps(text));
}

QString UpperText(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return out;
}

QString LowerText(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return out;
}

QString LocaleUpperText(const QString& text)
{
    return QLocale().toUpper(text);
}

QString LocaleLowerText(const QString& text)
{
    return QLocale().toLower(text);
}

QChar UpperChar(QChar c)
{
    // A character whose upper case is longer than one character (ß) stays as it is.
    const QString upper = QLocale().toUpper(QString(c));
    return upper.size() == 1 ? upper.front() : c;
}

QString CapitaliseWords(const QString& text)
{
    QString out = LocaleLowerText(text);
    for (qsizetype i = 0; i < out.size(); ++i)
        if (i == 0 || WordDelimiters().Contains(out.at(i - 1)))
            out[i] = UpperChar(out.at(i));
    return out;
}

QString ReverseText(const QString& text)
{
    QString out = text;
    std::reverse(out.begin(), out.end());
    return out;
}

bool AllCharsIn(const QString& text, const TOrvCharSet& set)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (!set.Contains(c))
            return false;
    return true;
}

bool IsDigitText(const QString& text)
{
    return AllCharsIn(text, DigitChars());
}

QString RemoveSubText(const QString& text, const QString& sub)
{
    if (sub.isEmpty())
        return text;
    QString out = text;
    for (qsizetype p = out.indexOf(sub); p >= 0; p = out.indexOf(sub))
        out.remove(p, sub.size());
    return out;
}

QString GroupFromRight(const QString& text, int size, QChar separator)
{
    const qsizetype n = text.size();
    if (size <= 0 || size >= n)
        return text;
    QString out;
    out.reserve(n + n / size);
    const qsizetype head = (n - 1) % size + 1;
    out.append(QStringView(text).left(head));
    for (qsizetype i = head; i < n; i += size) {
        out.append(separator);
        out.append(QStringView(text).mid(i, size));
    }
    return out;
}


// ---------------------------------------------------------------------------------------
// Text to integer

namespace {

struct TIntegerReading {
    int64_t fValue = 0;
    bool fAnyDigit = false;
    bool fWhole = false; ///< every character was part of the number
};

int HexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Decimal magnitudes beyond the 64-bit range clamp to it; hexadecimal digits give a
// 64-bit pattern read as two's complement, all ones once more than 64 bits are written.
TIntegerReading ReadInteger(QStringView text)
{
    TIntegerReading r;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    bool hex = false;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    uint64_t magnitude = 0;
    if (hex) {
        for (int d; i < n && (d = HexDigitValue(text[i])) >= 0; ++i) {
            r.fAnyDigit = true;
            magnitude = magnitude >> 60 ? ~uint64_t(0) : (magnitude << 4) | unsigned(d);
        }
        r.fValue = int64_t(negative ? 0 - magnitude : magnitude);
    } else {
        const uint64_t limit = negative ? uint64_t(1) << 63 : (uint64_t(1) << 63) - 1;
        for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i) {
            r.fAnyDigit = true;
            const unsigned d = text[i].unicode() - u'0';
            magnitude = magnitude > (limit - d) / 10 ? limit : magnitude * 10 + d;
        }
        r.fValue = int64_t(negative ? 0 - magnitude : magnitude);
    }
    r.fWhole = r.fAnyDigit && i == n;
    return r;
}

template <typename T>
T ClampedUnsigned(const QString& text)
{
    const int64_t v = TextToInt64(text);
    if (v < 0)
        return 0;
    return uint64_t(v) > std::numeric_limits<T>::max() ? std::numeric_limits<T>::max() : T(v);
}

QString PreparedHexText(const QString& text)
{
    QString t = UpperText(RemoveChars(CleanNumberText(text), WhitespaceChars()));
    if (t.startsWith(u"0X"))
        t.remove(0, 2);
    if (!t.isEmpty() && !t.startsWith(u'$'))
        t.prepend(u'$');
    return t;
}

} // namespace

int64_t TextToInt64(const QString& text)
{
    return ReadInteger(CleanNumberText(text)).fValue;
}

int32_t TextToInt32(const QString& text)
{
    const int64_t v = TextToInt64(text);
    return int32_t(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

int32_t TextToInt32Def(const QString& text, int32_t defaultValue)
{
    const TIntegerReading r = ReadInteger(CleanNumberText(text));
    if (!r.fWhole || r.fValue < std::numeric_limits<int32_t>::min() || r.fValue > std::numeric_limits<int32_t>::max())
        return defaultValue;
    return int32_t(r.fValue);
}

uint32_t TextToUInt32(const QString& text)
{
    return ClampedUnsigned<uint32_t>(text);
}

uint16_t TextToUInt16(const QString& text)
{
    return ClampedUnsigned<uint16_t>(text);
}

uint8_t TextToByte(const QString& text)
{
    return ClampedUnsigned<uint8_t>(text);
}

int64_t HexTextToInt64(const QString& text)
{
    return ReadInteger(PreparedHexText(text)).fValue;
}

int32_t HexTextToInt32(const QString& text)
{
    return int32_t(uint32_t(uint64_t(HexTextToInt64(text))));
}

// ---------------------------------------------------------------------------------------
// Base conversions

namespace {

constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";

// Each digit of `text` (in base 2^bitsPerDigit) becomes its bit group.
QString DigitsToBits(const QString& text, int bitsPerDigit)
{
    QString out;
    out.reserve(text.size() * bitsPerDigit);
    const int radix = 1 << bitsPerDigit;
    for (const QChar c : text) {
        const int d = HexDigitValue(c);
        if (d < 0 || d >= radix)
            RaiseMathError(emmInvalidBaseChar);
        for (int bit = bitsPerDigit - 1; bit >= 0; --bit)
            out.append(QChar((d >> bit) & 1 ? u'1' : u'0'));
    }
    return out;
}

// Bit groups counted from the right, the leftmost one padded with zeros.
QString BitsToDigits(const QString& bits, int bitsPerDigit)
{
    for (const QChar c : bits)
        if (c != u'0' && c != u'1')
            RaiseMathError(emmInvalidBaseChar);
    const qsizetype n = bits.size();
    const qsizetype groups = (n + bitsPerDigit - 1) / bitsPerDigit;
    QString out;
    out.reserve(groups);
    qsizetype pos = n - groups * bitsPerDigit; // negative: the padding of the first group
    for (qsizetype g = 0; g < groups; ++g) {
        int d = 0;
        for (int b = 0; b < bitsPerDigit; ++b, ++pos)
            d = d * 2 + (pos >= 0 && bits.at(pos) == u'1' ? 1 : 0);
        out.append(QChar(kHexDigits[d]));
    }
    return out;
}

} // namespace

QString HexToBinText(const QString& text)
{
    QString t = UpperText(RemoveChars(text, WhitespaceChars()));
    if (t.startsWith(u"0X"))
        t.remove(0, 2);
    else if (t.startsWith(u'$'))
        t.remove(0, 1);
    return DigitsToBits(t, 4);
}

QString BinToHexText(const QString& text)
{
    return BitsToDigits(RemoveChars(text, WhitespaceChars()), 4);
}

QString OctToBinText(const QString& text)
{
    return DigitsToBits(RemoveChars(text, WhitespaceChars()), 3);
}

QString BinToOctText(const QString& text)
{
    return BitsToDigits(RemoveChars(text, WhitespaceChars()), 3);
}

QString HexToOctText(const QString& text)
{
    return BinToOctText(HexToBinText(text));
}

QString OctToHexText(const QString& text)
{
    return BinToHexText(OctToBinText(text));
}

// ---------------------------------------------------------------------------------------
// IPv4

uint32_t IPTextToUInt32(const QString& text)
{
    uint32_t result = 0;
    QString rest = text;
    for (int component = 0; component < 4; ++component) {
        QString part;
        const qsizetype dot = rest.indexOf(u'.');
        if (dot >= 0) {
            part = rest.left(dot);
            rest = rest.mid(dot + 1);
        } else {
            part = rest;
            rest.clear();
        }
        const uint32_t value = TextToUInt32(part);
        if (value < 256) {
            result = result * 256 + value;
        } else {
            result = 0;
            if (GlobalCheckIPErrors)
                RaiseMathError(emmIPComponentRange);
        }
    }
    return result;
}

QString UInt32ToIPText(uint32_t value)
{
    QString out;
    for (int shift = 24; shift >= 0; shift -= 8) {
        if (shift != 24)
            out.append(u'.');
        out.append(Int64ToText((value >> shift) & 0xFF));
    }
    return out;
}

} // namespace orv
