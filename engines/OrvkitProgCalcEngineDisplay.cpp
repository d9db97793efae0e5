// The programmer's engine: digit texts, the display and its reading, and the base, word size
// and spacing changes.
#include <orvkit/engines/OrvkitProgCalcEngine.h>

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitMathErrors.h>
#include <orvkit/engines/OrvkitCalcEngineTexts.h>
#include <orvkit/engines/OrvkitProgCalcEngineParts.h>

#include <array>
#include <stdexcept>

namespace orv {

using namespace progcalc;

namespace {

constexpr std::array<int, 4> kWordBits = {8, 16, 32, 64};
// Digits per word size, indexed [size][base] in TOrvBaseDisplay order (bin, dec, hex, oct).
constexpr int kDigitWidths[4][4] = {{8, 0, 2, 3}, {16, 0, 4, 6}, {32, 0, 8, 11}, {64, 0, 16, 22}};
// Group sizes, indexed [spacing][base]; decimal is never grouped.
constexpr int kGroupSizes[4][4] = {{0, 0, 0, 0}, {8, 0, 2, 3}, {16, 0, 4, 6}, {32, 0, 8, 12}};

/// The tables are indexed by these enumerations, so a value cast from an unchecked integer
/// is refused before it can reach them.
template <typename Enum>
Enum Checked(Enum value, Enum last, const char* what)
{
    if (static_cast<int>(value) < 0 || static_cast<int>(value) > static_cast<int>(last))
        throw std::invalid_argument(what);
    return value;
}

struct TDigitTexts {
    QString Hex, Oct, Bin;
    const QString& In(TOrvBaseDisplay base) const { return base == bdBin ? Bin : base == bdOct ? Oct : Hex; }
};

/// The low word-size digits of a hexadecimal text, with leading zeros, in the three bases.
TDigitTexts DigitTextsAt(const QString& hex, TOrvBitSize size)
{
    TDigitTexts t;
    const int hexWidth = kDigitWidths[size][bdHex];
    t.Hex = RightChars(PadLeftWith(RightChars(hex, hexWidth), u'0', 16), hexWidth);
    t.Oct = RightChars(PadLeftWith(HexToOctText(t.Hex), u'0', 22), kDigitWidths[size][bdOct]);
    t.Bin = RightChars(PadLeftWith(HexToBinText(t.Hex), u'0', 64), kDigitWidths[size][bdBin]);
    return t;
}

} // namespace

// ---------------------------------------------------------------- display and digit texts

int TOrvProgCalcEngine::WordBits() const
{
    return kWordBits[fBitSize];
}

int TOrvProgCalcEngine::DigitWidth(TOrvBaseDisplay base) const
{
    return kDigitWidths[fBitSize][base];
}

QString TOrvProgCalcEngine::Grouped(const QString& digits, TOrvBaseDisplay base) const
{
    return GroupFromRight(digits, kGroupSizes[fSpacing][base], u' ');
}

QString TOrvProgCalcEngine::DigitsInBase(int64_t value) const
{
    if (fBaseDisplay == bdDec)
        return LeftChars(Int64ToText(value), fMaxCharLen);
    return DigitTextsAt(Int64ToHexText(value), fBitSize).In(fBaseDisplay);
}

QString TOrvProgCalcEngine::FormatInBase(int64_t value) const
{
    return Grouped(DigitsInBase(value), fBaseDisplay);
}

QString TOrvProgCalcEngine::StoredDigits() const
{
    switch (fBaseDisplay) {
    case bdBin: return fValueBin;
    case bdOct: return fValueOct;
    case bdHex: return fValueHex;
    case bdDec: break;
    }
    return FormatInBase(fValue64);
}

void TOrvProgCalcEngine::StoreDigits(const QString& hex)
{
    TDigitTexts t = DigitTextsAt(hex, fBitSize);
    fValueHex = std::move(t.Hex);
    fValueOct = std::move(t.Oct);
    fValueBin = std::move(t.Bin);
}

void TOrvProgCalcEngine::SetValue(int64_t value)
{
    fValue64 = value;
    StoreDigits(Int64ToHexText(value));
}

void TOrvProgCalcEngine::SetDisplay(const QString& text)
{
    fDisplayValue = text;
    Fire(fOnDisplay, this);
}

void TOrvProgCalcEngine::ShowZero()
{
    SetDisplay(FormatInBase(0));
}

void TOrvProgCalcEngine::ShowValue(int64_t value)
{
    SetValue(value);
    SetDisplay(StoredDigits());
}

void TOrvProgCalcEngine::ShowTopOrZero()
{
    if (fOperandN >= 0) {
        ShowValue(fOperandStack[fOperandN]);
    } else {
        // The zero shown is the last value now, not a number dropped before it.
        SetValue(0);
        ShowZero();
    }
}

QString TOrvProgCalcEngine::EntryToHex(const QString& entry) const
{
    switch (fBaseDisplay) {
    case bdBin: return BinToHexText(entry);
    case bdOct: return OctToHexText(entry);
    case bdDec: return Int64ToHexText(TextToInt64(entry));
    case bdHex: break;
    }
    // Whole texts given to InputString or taken from the display may carry spaces or stray
    // characters; the other bases' conversions refuse those too.
    const QString hex = RemoveChars(entry, WhitespaceChars()).toUpper();
    for (const QChar c : hex)
        if (!IsValidEntryChar(c, bdHex))
            RaiseMathError(emmInvalidBaseChar);
    return hex;
}

QString TOrvProgCalcEngine::ConvertEntry(const QString& text, TOrvBaseDisplay target) const
{
    const QString hex = EntryToHex(text);
    if (target == bdDec)
        return LeftChars(Int64ToText(HexTextToInt64(hex)), fMaxCharLen);
    // The word's digits: a decimal result may hold more than the word, and an entry longer
    // than the word's width would take no further digits.
    return DigitTextsAt(hex, fBitSize).In(target);
}

void TOrvProgCalcEngine::ParseEntry()
{
    TDigitTexts t = DigitTextsAt(EntryToHex(fValue), fBitSize);
    fValue64 = HexTextToInt64(t.Hex);
    fValueHex = std::move(t.Hex);
    fValueOct = std::move(t.Oct);
    fValueBin = std::move(t.Bin);
}

QString TOrvProgCalcEngine::GetDisplayStr()
{
    if (fDisplayValue == CalcText(ectError))
        return fDisplayValue;
    QString digits = RemoveSubText(fDisplayValue, QStringLiteral(" "));
    if (digits.isEmpty())
        digits = DigitsInBase(0);
    return Grouped(digits, fBaseDisplay);
}

int64_t TOrvProgCalcEngine::GetDisplayValue()
{
    // Reading the display must not disturb the last value, which a sign-extending size
    // change works on (handlers read it while one is under way).
    if (!fValue.isEmpty())
        return HexTextToInt64(DigitTextsAt(EntryToHex(fValue), fBitSize).Hex);
    return fOperandN >= 0 ? fOperandStack[fOperandN] : 0;
}

QString TOrvProgCalcEngine::DisplayValueDigits(TOrvBaseDisplay kind)
{
    QString digits;
    if (!fValue.isEmpty()) {
        digits = DigitTextsAt(EntryToHex(fValue), fBitSize).In(kind);
    } else if (fOperandN >= 0) {
        digits = DigitTextsAt(Int64ToHexText(fOperandStack[fOperandN]), eb64Bits).In(kind);
    }
    return Grouped(digits, kind);
}

QString TOrvProgCalcEngine::GetDisplayValueHex() { return DisplayValueDigits(bdHex); }
QString TOrvProgCalcEngine::GetDisplayValueOct() { return DisplayValueDigits(bdOct); }
QString TOrvProgCalcEngine::GetDisplayValueBin() { return DisplayValueDigits(bdBin); }

// ---------------------------------------------------------------- base, size and spacing

QString TOrvProgCalcEngine::GetBaseDisplayStr() { return BaseName(fBaseDisplay); }
QString TOrvProgCalcEngine::GetBitSizeStr() { return BitSizeName(fBitSize); }
QString TOrvProgCalcEngine::GetSpacingStr() { return NameText(ptNoSpacing, fSpacing); }
QString TOrvProgCalcEngine::GetSizeChangeStr() { return NameText(ptClear, fSizeChange); }

void TOrvProgCalcEngine::SetSizeChange(TOrvProgSizeChange mode)
{
    fSizeChange = Checked(mode, pscExtend, "SetSizeChange: no such rule");
}

bool TOrvProgCalcEngine::TakeDisplayInBase(TOrvBaseDisplay mode)
{
    const bool awaited = OperandAwaited();
    QString entry;
    if (awaited) {
        SetDisplay(QString());
    } else {
        DoResult();
        // Converted before anything changes, so a display that cannot be read ("Error!")
        // raises with the engine still in the old base.
        entry = ConvertEntry(fDisplayValue, mode);
    }
    fValue = std::move(entry);
    fBaseDisplay = mode;
    return awaited;
}

void TOrvProgCalcEngine::SetBaseDisplay(TOrvBaseDisplay mode)
{
    if (Checked(mode, bdOct, "SetBaseDisplay: no such base") == fBaseDisplay)
        return;
    const bool awaited = TakeDisplayInBase(mode);
    Fire(fOnBaseDisplayChange, this);
    ParseEntry();
    if (mode == bdDec) {
        fBitSize = eb64Bits;
        Fire(fOnBitSizeChange, this);
        StoreDigits(Int64ToHexText(fValue64));
    }
    if (!awaited)
        SetDisplay(StoredDigits());
    AddHistory(BaseName(mode));
    Fire(fOnMemoryChange, this);
}

void TOrvProgCalcEngine::SetBaseDisplay2(TOrvBaseDisplay mode)
{
    if (Checked(mode, bdOct, "SetBaseDisplay2: no such base") == fBaseDisplay)
        return;
    const bool awaited = TakeDisplayInBase(mode);
    ParseEntry();
    if (!awaited)
        SetDisplay(StoredDigits());
}

void TOrvProgCalcEngine::ExtendSign()
{
    if (fValueBin.size() <= 1 || fValueBin[0] != u'1') {
        StoreDigits(Int64ToHexText(fValue64));
        return;
    }
    QString bin = fValueBin;
    bin[0] = u'0';
    StoreDigits(BinToHexText(bin));
    fValueBin[0] = u'1';
    StoreDigits(BinToHexText(fValueBin));
    fValue64 = HexTextToInt64(fValueHex);
    // A number being typed is the value extended; it must not overwrite the left operand
    // waiting below it.
    if (!fValue.isEmpty() || fOperandN < 0)
        fValue = StoredDigits();
    else
        fOperandStack[fOperandN] = fValue64;
}

void TOrvProgCalcEngine::SetBitSize(TOrvBitSize mode)
{
    if (Checked(mode, eb64Bits, "SetBitSize: no such word size") == fBitSize)
        return;
    if (fSizeChange == pscExtend && !fValue.isEmpty())
        ParseEntry();
    fBitSize = mode;
    Fire(fOnBitSizeChange, this);
    switch (fSizeChange) {
    case pscClear: AllClear(); break;
    case pscTruncate: StoreDigits(Int64ToHexText(fValue64)); break;
    case pscExtend: ExtendSign(); break;
    }
    AddHistory(BitSizeName(mode));
    SetDisplay(StoredDigits());
    Fire(fOnMemoryChange, this);
    CompleteUnlessPending();
}

void TOrvProgCalcEngine::SetBitSize2(TOrvBitSize mode)
{
    if (Checked(mode, eb64Bits, "SetBitSize2: no such word size") == fBitSize)
        return;
    fBitSize = mode;
    StoreDigits(Int64ToHexText(fValue64));
    SetDisplay(StoredDigits());
    CompleteUnlessPending();
}

void TOrvProgCalcEngine::SetSpacing(TOrvProgSpacing mode)
{
    if (Checked(mode, psDWord, "SetSpacing: no such spacing") == fSpacing)
        return;
    fSpacing = mode;
    Fire(fOnSpacingChange, this);
    switch (fBaseDisplay) {
    case bdBin: SetDisplay(GetDisplayValueBin()); break;
    case bdOct: SetDisplay(GetDisplayValueOct()); break;
    case bdHex: SetDisplay(GetDisplayValueHex()); break;
    case bdDec: SetDisplay(FormatInBase(fValue64)); break;
    }
    Fire(fOnMemoryChange, this);
    CompleteUnlessPending();
}

} // namespace orv
