#include <orvkit/core/OrvkitConvert.h>

#include <orvkit/core/OrvkitDecimal.h>
#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitMathErrors.h>

#include <QCoreApplication>
#include <algorithm>
#include <initializer_list>
#include <vector>

namespace orv {

namespace {

constexpr const char* kNotAFloatText = QT_TRANSLATE_NOOP("OrvkitConvert", "'%1' is not a valid floating point value");

// Typed number text being cleaned in place: a window [fStart, fEnd) on a copy of the text,
// on the stack for everything a user types, so that reading a number allocates nothing.
class TNumberText {
public:
    /// Copies `text` without the characters in `drop`.
    explicit TNumberText(QStringView text, std::initializer_list<QChar> drop = {})
    {
        fChars = fSmall;
        if (text.size() > qsizetype(std::size(fSmall))) {
            fLarge.resize(std::size_t(text.size()));
            fChars = fLarge.data();
        }
        for (const QChar c : text)
            if (std::find(drop.begin(), drop.end(), c) == drop.end())
                fChars[fEnd++] = c.unicode();
    }
    TNumberText(const TNumberText&) = delete;
    TNumberText& operator=(const TNumberText&) = delete;

    bool IsEmpty() const { return fStart == fEnd; }
    char16_t Last() const { return fChars[fEnd - 1]; }
    const char16_t* Data() const { return fChars + fStart; }
    int Length() const { return fEnd - fStart; }
    QString ToString() const { return QString(reinterpret_cast<const QChar*>(Data()), Length()); }

    void Trim()
    {
        while (fStart < fEnd && fChars[fStart] <= 32)
            ++fStart;
        while (fEnd > fStart && fChars[fEnd - 1] <= 32)
            --fEnd;
    }

    /// Removes every bracket, then the leading and the trailing minus signs; any of them
    /// makes the number negative (two minus signs do not cancel). With `keepExponentSign`
    /// a minus right after an exponent mark stays: in "1.5E-" it belongs to the exponent.
    bool StripNegativeMarks(bool keepExponentSign)
    {
        const int before = fEnd;
        int out = fStart;
        for (int i = fStart; i < fEnd; ++i)
            if (fChars[i] != u'(' && fChars[i] != u')')
                fChars[out++] = fChars[i];
        fEnd = out;
        bool negative = fEnd != before;
        Trim();
        for (; fStart < fEnd && fChars[fStart] == u'-'; ++fStart)
            negative = true;
        for (; fEnd > fStart && fChars[fEnd - 1] == u'-'; --fEnd) {
            if (keepExponentSign && fEnd - 2 >= fStart && (fChars[fEnd - 2] == u'E' || fChars[fEnd - 2] == u'e'))
                break;
            negative = true;
        }
        Trim();
        return negative;
    }

    /// Drops what a half-typed entry ends with ("12.", "1.5E", "1.5E-").
    void StripIncompleteEnd(char16_t decimalSeparator)
    {
        while (!IsEmpty()) {
            const char16_t c = Last();
            if (c != u'+' && c != u'-' && c != u'E' && c != u'e' && c != decimalSeparator)
                break;
            --fEnd;
            Trim();
        }
    }

private:
    char16_t fSmall[128];
    std::vector<char16_t> fLarge;
    char16_t* fChars;
    int fStart = 0;
    int fEnd = 0;
};

} // namespace

void StripNegativeMarks(const QString& text, QString& result, bool& negative)
{
    TNumberText work(text);
    work.Trim();
    negative = work.StripNegativeMarks(false);
    result = work.ToString();
}

void ParseFloatText(const QString& text, Extended& value, bool& ok)
{
    value = 0;
    ok = false;
    TNumberText work(text, {QChar(u'%'), FormatSettings.ThousandSeparator});
    work.Trim();
    if (work.IsEmpty())
        return;
    const bool negative = work.StripNegativeMarks(true);
    const char16_t decimalSeparator = FormatSettings.DecimalSeparator.unicode();
    work.StripIncompleteEnd(decimalSeparator);
    if (work.IsEmpty())
        return;
    Extended read = 0;
    if (!ReadDecimalFloat(work.Data(), work.Length(), decimalSeparator, read))
        throw EConvertError(QCoreApplication::translate("OrvkitConvert", kNotAFloatText).arg(work.ToString()));
    value = negative ? -read : read;
    ok = true;
}

Extended TextToExtendedDef(const QString& text, Extended defaultValue)
{
    Extended value = 0;
    bool ok = false;
    try {
        ParseFloatText(text, value, ok);
    } catch (const EConvertError&) {
        if (GlobalRaiseFloatErrors)
            throw;
        return defaultValue;
    }
    if (!ok) {
        if (GlobalRaiseFloatErrors)
            RaiseMathError(emmInvalidValue);
        return defaultValue;
    }
    return value;
}

Extended TextToExtended(const QString& text)
{
    return TextToExtendedDef(text, 0);
}

double TextToDoubleDef(const QString& text, double defaultValue)
{
    const Extended value = TextToExtendedDef(text, defaultValue);
    if (value < -1.7E+308L || value > 1.7E+308L)
        return defaultValue;
    return double(value);
}

} // namespace orv
