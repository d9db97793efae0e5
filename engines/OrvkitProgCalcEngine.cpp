#include <orvkit/engines/OrvkitProgCalcEngine.h>

#include <orvkit/engines/OrvkitCalcEngineTexts.h>

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitMath.h>
#include <orvkit/core/OrvkitMathErrors.h>

#include <QCoreApplication>
#include <array>
#include <iterator>
#include <stdexcept>

namespace orv {

namespace {

enum TProgText {
    ptBin, ptDec, ptHex, ptOct,
    pt8Bits, pt16Bits, pt32Bits, pt64Bits,
    ptNoSpacing, ptByteSpacing, ptWordSpacing, ptDWordSpacing,
    ptClear, ptTruncate, ptExtend,
    ptMod, ptAnd, ptOr, ptXor, ptNand, ptNor, ptXnor, ptNot, ptNeg,
    ptShl, ptShr, ptRol, ptRor,
};

constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "Bin"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "Dec"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "Hex"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "Oct"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "8 bits"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "16 bits"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "32 bits"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "64 bits"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "No Spacing"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "Byte Spacing"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "Word Spacing"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "DWord Spacing"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "Clear"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "Truncate"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "Extend"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "MOD"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "AND"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "OR"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "XOR"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "NAND"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "NOR"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "XNOR"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "NOT"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "NEG"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "SHL"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "SHR"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "ROL"),
    QT_TRANSLATE_NOOP("OrvkitProgCalcEngine", "ROR"),
};
static_assert(std::size(kTexts) == ptRor + 1);

QString Text(TProgText id)
{
    return QCoreApplication::translate("OrvkitProgCalcEngine", kTexts[id]);
}

/// The name of an enumeration value, from the run of texts that starts at `first`.
QString NameText(TProgText first, int value)
{
    return Text(TProgText(int(first) + value));
}

QString BaseName(TOrvBaseDisplay base) { return NameText(ptBin, base); }
QString BitSizeName(TOrvBitSize size) { return NameText(pt8Bits, size); }

constexpr std::array<int, 4> kWordBits = {8, 16, 32, 64};
// Digits per word size, indexed [size][base] in TOrvBaseDisplay order (bin, dec, hex, oct).
constexpr int kDigitWidths[4][4] = {{8, 0, 2, 3}, {16, 0, 4, 6}, {32, 0, 8, 11}, {64, 0, 16, 22}};
// Group sizes, indexed [spacing][base]; decimal is never grouped.
constexpr int kGroupSizes[4][4] = {{0, 0, 0, 0}, {8, 0, 2, 3}, {16, 0, 4, 6}, {32, 0, 8, 12}};
constexpr int kDecimalEntryLimit = 20;

// Operators still waiting for their right operand; after one of them "+" and "-" start a
// signed decimal number, and a base change does not complete the calculation.
bool IsPendingOperator(QChar ch)
{
    return QStringView(u"!#%&(*+-/?|").contains(ch);
}

bool IsBinaryCode(QChar code)
{
    return QStringView(u"+-*/%&|^#?!").contains(code);
}

QString OperatorHistoryText(QChar code)
{
    switch (code.unicode()) {
    case u'+': return CalcText(ectAdd);
    case u'-': return CalcText(ectSubtract);
    case u'*': return CalcText(ectMultiply);
    case u'/': return CalcText(ectDivide);
    case u'%': return Text(ptMod);
    case u'&': return Text(ptAnd);
    case u'|': return Text(ptOr);
    case u'^': return Text(ptXor);
    case u'#': return Text(ptNand);
    case u'?': return Text(ptNor);
    case u'!': return Text(ptXnor);
    case u'~': return Text(ptNot);
    default: return QString(code);
    }
}

bool IsValidEntryChar(QChar ch, TOrvBaseDisplay base)
{
    const char16_t c = ch.unicode();
    switch (base) {
    case bdBin: return c == u'0' || c == u'1';
    case bdOct: return c >= u'0' && c <= u'7';
    case bdHex: return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
    case bdDec: return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-';
    }
    return false;
}

/// A history line holding a number: digits and spaces only. The words the engine writes
/// are not, even those that start like a hexadecimal number ("AND", "Error!", "Dec").
bool IsValueLine(const QString& line)
{
    const QString digits = RemoveSubText(line, QStringLiteral(" "));
    if (digits.isEmpty())
        return false;
    for (const QChar c : digits)
        if (!IsValidEntryChar(c.toUpper(), bdHex))
            return false;
    for (int i = 0; i < 4; ++i)
        if (line == BaseName(TOrvBaseDisplay(i)) || line == BitSizeName(TOrvBitSize(i)))
            return false;
    return true;
}

// All word arithmetic runs on unsigned 64-bit values and is cut and sign-extended explicitly,
// so overflow wraps as on the processor instead of being undefined.
constexpr uint64_t LowMask(int bits)
{
    return bits >= 64 ? ~uint64_t{0} : (uint64_t{1} << bits) - 1;
}

constexpr int64_t SignExtend(uint64_t value, int bits)
{
    value &= LowMask(bits);
    if (bits < 64 && ((value >> (bits - 1)) & 1) != 0)
        value |= ~LowMask(bits);
    return static_cast<int64_t>(value);
}

// 8- and 16-bit arithmetic and shifts work in 32 bits and keep the 32-bit result.
constexpr int ArithmeticBits(int wordBits)
{
    return wordBits <= 16 ? 32 : wordBits;
}

int64_t Quotient(int64_t b, int64_t a, int bits)
{
    // The most negative value divided by -1 wraps to itself, as the processor's result would.
    if (a == -1)
        return SignExtend(uint64_t{0} - static_cast<uint64_t>(b), bits);
    return SignExtend(static_cast<uint64_t>(b / a), bits);
}

int64_t Remainder(int64_t b, int64_t a)
{
    return a == -1 ? 0 : b % a;
}

/// b (left) and a (right) are already read as signed values at the word size.
int64_t Combine(QChar code, int64_t b, int64_t a, int wordBits)
{
    const uint64_t ub = static_cast<uint64_t>(b);
    const uint64_t ua = static_cast<uint64_t>(a);
    const int arith = ArithmeticBits(wordBits);
    switch (code.unicode()) {
    case u'+': return SignExtend(ub + ua, arith);
    case u'-': return SignExtend(ub - ua, arith);
    case u'*': return SignExtend(ub * ua, arith);
    case u'/':
    case u'%':
        if (a == 0)
            RaiseMathError(emmDivisionByZero);
        return code == u'/' ? Quotient(b, a, arith) : Remainder(b, a);
    case u'&': return SignExtend(ub & ua, wordBits);
    case u'|': return SignExtend(ub | ua, wordBits);
    case u'^': return SignExtend(ub ^ ua, wordBits);
    case u'#': return SignExtend(~(ub & ua), wordBits);
    case u'?': return SignExtend(~(ub | ua), wordBits);
    case u'!': return SignExtend(~(ub ^ ua), wordBits);
    }
    return b;
}

int64_t ShiftLeftAt(int64_t value, int wordBits, int count)
{
    if (count >= wordBits)
        return 0;
    const int arith = ArithmeticBits(wordBits);
    return SignExtend(static_cast<uint64_t>(SignExtend(static_cast<uint64_t>(value), wordBits)) << count, arith);
}

int64_t ShiftRightAt(int64_t value, int wordBits, int count)
{
    if (count >= wordBits)
        return 0;
    const int arith = ArithmeticBits(wordBits);
    const uint64_t widened = static_cast<uint64_t>(SignExtend(static_cast<uint64_t>(value), wordBits));
    return SignExtend((widened & LowMask(arith)) >> count, arith);
}

// Counts past the word size rotate by the count modulo the size, as the processor's
// rotate instructions do.
template <auto Rotate8, auto Rotate16, auto Rotate32, auto Rotate64>
int64_t RotateAt(int64_t value, int wordBits, int count)
{
    const uint64_t v = static_cast<uint64_t>(value);
    const int n = count % wordBits;
    switch (wordBits) {
    case 8: return SignExtend(Rotate8(static_cast<uint8_t>(v), n), 8);
    case 16: return SignExtend(Rotate16(static_cast<uint16_t>(v), n), 16);
    case 32: return SignExtend(Rotate32(static_cast<uint32_t>(v), n), 32);
    default: return static_cast<int64_t>(Rotate64(v, n));
    }
}

constexpr auto RotateLeftAt = RotateAt<RotateLeft8, RotateLeft16, RotateLeft32, RotateLeft64>;
constexpr auto RotateRightAt = RotateAt<RotateRight8, RotateRight16, RotateRight32, RotateRight64>;

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

TOrvProgCalcEngine::TOrvProgCalcEngine()
    : fOperandStack(10), fOperatorStack(10, QChar(u' '))
{
    SetValue(0);
    fDisplayValue = FormatInBase(0);
}

template <typename Body>
void TOrvProgCalcEngine::Guarded(Body body)
{
    try {
        body();
    } catch (const Exception& e) {
        ReportError(e.Message());
    } catch (const std::exception& e) {
        ReportError(QString::fromUtf8(e.what()));
    }
}

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

// ---------------------------------------------------------------- entry

bool TOrvProgCalcEngine::AppendToEntry(QChar ch)
{
    if (ch >= u'a' && ch <= u'z')
        ch = QChar(ch.unicode() - u'a' + u'A');
    if (!IsValidEntryChar(ch, fBaseDisplay))
        return false;
    fValue = StripLeadingChar(fValue, u'0');
    if (ch == u'+' || ch == u'-') {
        fValue.prepend(ch);
    } else {
        const int limit = fBaseDisplay == bdDec ? kDecimalEntryLimit : DigitWidth(fBaseDisplay);
        if (fValue.size() < limit)
            fValue.append(ch);
    }
    if (fValue == u"--" || fValue == u"-+")
        fValue.clear();
    else if (fValue == u"+-")
        fValue = QStringLiteral("-");
    SetDisplay(fValue);
    fLastCh = ch;
    return true;
}

void TOrvProgCalcEngine::InputDigit(QChar ch)
{
    if (!AppendToEntry(ch))
        return;
    // The last value follows the typing, so a size or spacing change works on it.
    if (!fValue.isEmpty())
        ParseEntry();
    if (GetDisplayValue() == 0)
        fValue = fValue.startsWith(u'-') ? QStringLiteral("-0") : QStringLiteral("0");
}

void TOrvProgCalcEngine::InputBackspace()
{
    if (fValue.isEmpty())
        return;
    fValue.chop(1);
    ParseEntry();
    SetDisplay(fValue);
}

void TOrvProgCalcEngine::PushEntry()
{
    if (fValue.isEmpty())
        return;
    ParseEntry();
    PushOperand(fValue64);
    AddHistoryValue(fValue64);
    fValue.clear();
}

void TOrvProgCalcEngine::InputString(const QString& text)
{
    Guarded([&] {
        fValue = text;
        ParseEntry();
        fValue.clear();
        PushOperand(fValue64);
        fLastCh = u' ';
    });
}

void TOrvProgCalcEngine::InputValue(int64_t value)
{
    Guarded([&] {
        ShowValue(value);
        fValue.clear();
        PushOperand(value);
        fLastCh = u' ';
        AddHistory(fDisplayValue);
    });
}

void TOrvProgCalcEngine::ClearDisplay()
{
    fLastCh = u' ';
    fValue.clear();
    SetValue(0);
    ShowZero();
}

void TOrvProgCalcEngine::AllClear()
{
    fOperandN = -1;
    fOperatorN = -1;
    fValue.clear();
    SetValue(0);
    ShowZero();
    fLastError.clear();
    fLastCh = u' ';
    ClearHistory();
}

// ---------------------------------------------------------------- stacks and operators

void TOrvProgCalcEngine::PushOperand(int64_t value)
{
    if (fOperandN >= static_cast<int32_t>(fOperandStack.size()) - 1)
        fOperandStack.resize(static_cast<size_t>(fOperandN) + 5);
    fOperandStack[static_cast<size_t>(++fOperandN)] = value;
}

void TOrvProgCalcEngine::PushOperator(QChar op)
{
    if (fOperatorN >= static_cast<int32_t>(fOperatorStack.size()) - 1)
        fOperatorStack.resize(static_cast<size_t>(fOperatorN) + 5, QChar(u' '));
    fOperatorStack[static_cast<size_t>(++fOperatorN)] = op;
}

void TOrvProgCalcEngine::DoOperator(QChar op)
{
    if (fBaseDisplay == bdDec && (op == u'+' || op == u'-')
        && ((fValue.isEmpty() && fOperandN < 0) || IsPendingOperator(fLastCh))) {
        AppendToEntry(op);
        return;
    }
    Guarded([&] {
        PushEntry();
        while (fOperatorN >= 0 && !BindsTighter(op, fOperatorStack[fOperatorN]))
            ReduceTop();
        PushOperator(op);
        ShowTopOrZero();
    });
    AddHistory(OperatorHistoryText(op));
    fLastCh = op;
}

bool TOrvProgCalcEngine::BindsTighter(QChar incoming, QChar top) const
{
    if (fPrecedence) {
        if ((incoming == u'*' || incoming == u'/') && (top == u'+' || top == u'-'))
            return true;
        if ((incoming == u'%' || incoming == u'^')
            && (top == u'*' || top == u'+' || top == u'-' || top == u'/'))
            return true;
    }
    return top == u'(';
}

void TOrvProgCalcEngine::LoadOperands()
{
    A8 = B8 = 0;
    A16 = B16 = 0;
    A32 = B32 = 0;
    A64 = B64 = 0;
    const auto load = [this](int64_t value, int8_t& v8, int16_t& v16, int32_t& v32, int64_t& v64) {
        switch (fBitSize) {
        case eb8Bits: v8 = static_cast<int8_t>(value); break;
        case eb16Bits: v16 = static_cast<int16_t>(value); break;
        case eb32Bits: v32 = static_cast<int32_t>(value); break;
        case eb64Bits: v64 = value; break;
        }
    };
    if (fOperandN >= 0)
        load(fOperandStack[fOperandN], A8, A16, A32, A64);
    if (fOperandN >= 1)
        load(fOperandStack[fOperandN - 1], B8, B16, B32, B64);
}

int64_t TOrvProgCalcEngine::OperandA() const
{
    switch (fBitSize) {
    case eb8Bits: return A8;
    case eb16Bits: return A16;
    case eb32Bits: return A32;
    case eb64Bits: break;
    }
    return A64;
}

int64_t TOrvProgCalcEngine::OperandB() const
{
    switch (fBitSize) {
    case eb8Bits: return B8;
    case eb16Bits: return B16;
    case eb32Bits: return B32;
    case eb64Bits: break;
    }
    return B64;
}

void TOrvProgCalcEngine::ReduceTop()
{
    Guarded([this] { ReduceTopUnguarded(); });
}

void TOrvProgCalcEngine::ReduceTopUnguarded()
{
    LoadOperands();
    const QChar code = fOperatorStack[fOperatorN];
    // An operator without its operands (for example "*" pressed first) must not reach
    // outside the operand stack.
    const int32_t needed = code == u'~' ? 0 : IsBinaryCode(code) ? 1 : -1;
    if (fOperandN < needed)
        throw EMathError(CalcText(ectInvalidEquation));
    if (code == u'~') {
        fOperandStack[fOperandN] = SignExtend(~static_cast<uint64_t>(OperandA()), WordBits());
    } else if (IsBinaryCode(code)) {
        fOperandStack[fOperandN - 1] = Combine(code, OperandB(), OperandA(), WordBits());
        --fOperandN;
    }
    --fOperatorN;
}

template <typename Compute>
void TOrvProgCalcEngine::UnaryOperation(const QString& history, bool guarded, Compute compute)
{
    const auto body = [&] {
        int64_t r = 0;
        if (!fValue.isEmpty()) {
            ParseEntry();
            AddHistoryValue(fValue64);
            r = compute(fValue64);
        } else if (fOperandN >= 0) {
            r = compute(fOperandStack[fOperandN]);
        }
        ShowValue(r);
        fValue.clear();
        PushOperand(r);
    };
    if (guarded)
        Guarded(body);
    else
        body();
    AddHistory(history);
    fLastCh = u' ';
}

void TOrvProgCalcEngine::DoNeg()
{
    UnaryOperation(Text(ptNeg), false,
                   [](int64_t v) { return static_cast<int64_t>(uint64_t{0} - static_cast<uint64_t>(v)); });
}

void TOrvProgCalcEngine::DoNot()
{
    if (fPrefixFunctions) {
        fValue.clear();
        PushOperator(u'~');
        AddHistory(OperatorHistoryText(u'~'));
        ShowTopOrZero();
        fLastCh = u'~';
        return;
    }
    const int bits = WordBits();
    UnaryOperation(OperatorHistoryText(u'~'), false,
                   [bits](int64_t v) { return SignExtend(~static_cast<uint64_t>(v), bits); });
}

void TOrvProgCalcEngine::ShiftOrRotate(const QString& name, int32_t bits,
                                       int64_t (*op)(int64_t value, int wordBits, int count))
{
    const int count = bits < 1 ? 1 : bits > 64 ? 64 : bits;
    const int wordBits = WordBits();
    UnaryOperation(name + u' ' + QString::number(count), true,
                   [&](int64_t v) { return op(v, wordBits, count); });
}

void TOrvProgCalcEngine::DoShl(int32_t bits) { ShiftOrRotate(Text(ptShl), bits, ShiftLeftAt); }
void TOrvProgCalcEngine::DoShr(int32_t bits) { ShiftOrRotate(Text(ptShr), bits, ShiftRightAt); }
void TOrvProgCalcEngine::DoRol(int32_t bits) { ShiftOrRotate(Text(ptRol), bits, RotateLeftAt); }
void TOrvProgCalcEngine::DoRor(int32_t bits) { ShiftOrRotate(Text(ptRor), bits, RotateRightAt); }

// ---------------------------------------------------------------- brackets and completion

void TOrvProgCalcEngine::InputLeftBracket()
{
    if (fValue == u"-") {
        InputDigit(u'1');
        DoMultiply();
    }
    fValue.clear();
    PushOperator(u'(');
    ShowTopOrZero();
    AddHistory(CalcText(ectLeftBracket));
    fLastCh = u'(';
}

void TOrvProgCalcEngine::InputRightBracket()
{
    PushEntry();
    while (fOperatorN >= 0 && fOperatorStack[fOperatorN] != u'(')
        ReduceTop();
    if (fOperatorN >= 0)
        --fOperatorN;
    ShowTopOrZero();
    AddHistory(CalcText(ectRightBracket));
    fLastCh = u')';
}

void TOrvProgCalcEngine::DoResult()
{
    Guarded([this] {
        PushEntry();
        while (fOperatorN >= 0)
            ReduceTop();
        if (fOperandN > 0) {
            fOperandStack[0] = fOperandStack[fOperandN];
            fOperandN = 0;
        }
        if (fOperandN >= 0)
            ShowValue(fOperandStack[0]);
        else if (!fDisplayValue.contains(CalcText(ectError)))
            ShowZero();
    });
}

bool TOrvProgCalcEngine::OperandAwaited() const
{
    // A prefix NOT waits for its argument as a binary operator does; only the latter lets
    // "+" and "-" start a signed number.
    return IsPendingOperator(fLastCh) || fLastCh == u'~';
}

void TOrvProgCalcEngine::CompleteUnlessPending()
{
    // A size or spacing change only redisplays while an operator waits for its
    // operand; completing then would reduce it without that operand and end in an error.
    if (OperandAwaited())
        ShowTopOrZero();
    else
        DoResult();
}

void TOrvProgCalcEngine::DoEquals()
{
    DoResult();
    AddHistory(CalcText(ectEquals));
    AddHistory(fDisplayValue);
    fLastCh = u'=';
}

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

// ---------------------------------------------------------------- memory

void TOrvProgCalcEngine::AddMemoryLine()
{
    if (fMemoryHistory)
        AddHistory(u'[' + CalcText(ectMemoryLabel) + FormatInBase(fMemory) + QStringLiteral(" ]"));
}

void TOrvProgCalcEngine::MemoryClear()
{
    fMemory = 0;
    AddHistory(CalcText(ectMemoryClear));
    AddMemoryLine();
    Fire(fOnMemoryChange, this);
}

void TOrvProgCalcEngine::MemoryAccumulate(int sign)
{
    DoResult();
    if (fOperandN >= 0) {
        const uint64_t top = static_cast<uint64_t>(fOperandStack[fOperandN]);
        const uint64_t memory = static_cast<uint64_t>(fMemory);
        fMemory = static_cast<int64_t>(sign > 0 ? memory + top : memory - top);
    }
    AddHistory(CalcText(sign > 0 ? ectMemoryAdd : ectMemorySubtract));
    AddMemoryLine();
    Fire(fOnMemoryChange, this);
}

void TOrvProgCalcEngine::MemoryRecall()
{
    ShowValue(fMemory);
    fValue.clear();
    PushOperand(fMemory);
    AddHistory(CalcText(ectMemoryRecall));
    AddMemoryLine();
}

void TOrvProgCalcEngine::SetMemory(int64_t value)
{
    fMemory = value;
    Fire(fOnMemoryChange, this);
}

// ---------------------------------------------------------------- history

void TOrvProgCalcEngine::AddHistory(const QString& text)
{
    fHistoryStack.append(text);
    Fire(fOnHistory, this);
}

void TOrvProgCalcEngine::AddHistoryValue(int64_t value)
{
    AddHistory(FormatInBase(value));
}

void TOrvProgCalcEngine::ClearHistory()
{
    fHistoryStack.clear();
    fLastHistoryAccess = -1;
}

QString TOrvProgCalcEngine::GetNextHistoryEntry()
{
    // The position is set without checks; one outside the tape restarts from its beginning
    // rather than reading outside it.
    if (fLastHistoryAccess < -1)
        fLastHistoryAccess = -1;
    if (fLastHistoryAccess >= GetHistoryLength() - 1)
        return {};
    return fHistoryStack.at(++fLastHistoryAccess);
}

QString TOrvProgCalcEngine::RegroupedHistoryLine(const QString& line) const
{
    return Grouped(RemoveSubText(line, QStringLiteral(" ")), fBaseDisplay);
}

QString TOrvProgCalcEngine::GetHistoryEntry(uint16_t index)
{
    if (index >= fHistoryStack.size())
        throw std::out_of_range("GetHistoryEntry: no history line at that index");
    return RegroupedHistoryLine(fHistoryStack.at(index));
}

QString TOrvProgCalcEngine::GetLastHistoryEntry()
{
    if (fHistoryStack.isEmpty())
        throw std::out_of_range("GetLastHistoryEntry: the history is empty");
    const QString& line = fHistoryStack.constLast();
    return IsValueLine(line) ? RegroupedHistoryLine(line) : line;
}

void TOrvProgCalcEngine::PaperLine()
{
    AddHistory(CalcText(ectPaperLine));
}

// ---------------------------------------------------------------- errors

void TOrvProgCalcEngine::ReportError(const QString& message)
{
    AllClear();
    SetDisplay(CalcText(ectError));
    fLastError = message;
    AddHistory(CalcText(ectErrorLine));
    Fire(fOnError, this);
}

void TOrvProgCalcEngine::Fire(const TOrvProgCalcEvent& event, IOrvProgCalcEngine* sender)
{
    if (event)
        event(sender);
}

} // namespace orv
