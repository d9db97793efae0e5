// The programmer's engine: operator stack, word arithmetic, one-operand operations, shifts
// and rotations, brackets and completion.
#include <orvkit/engines/OrvkitProgCalcEngine.h>

#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitMath.h>
#include <orvkit/core/OrvkitMathErrors.h>
#include <orvkit/engines/OrvkitCalcEngineTexts.h>
#include <orvkit/engines/OrvkitProgCalcEngineParts.h>

#include <utility>

namespace orv {

using namespace progcalc;

namespace {

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
    static constexpr std::pair<char16_t, TOrvCalcText> kSigns[] = {
        {u'+', ectAdd}, {u'-', ectSubtract}, {u'*', ectMultiply}, {u'/', ectDivide}};
    static constexpr std::pair<char16_t, TProgText> kWords[] = {
        {u'%', ptMod}, {u'&', ptAnd}, {u'|', ptOr}, {u'^', ptXor},
        {u'#', ptNand}, {u'?', ptNor}, {u'!', ptXnor}, {u'~', ptNot}};
    for (const auto& [c, text] : kSigns)
        if (code == c)
            return CalcText(text);
    for (const auto& [c, text] : kWords)
        if (code == c)
            return Text(text);
    return QString(code);
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

} // namespace

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

} // namespace orv
