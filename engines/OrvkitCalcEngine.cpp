#include <orvkit/engines/OrvkitCalcEngine.h>

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitFpu.h>
#include <orvkit/core/OrvkitMath.h>
#include <orvkit/engines/OrvkitCalcEngineTexts.h>

#include <QStringView>
#include <cfenv>
#include <cmath>

namespace orv {

namespace {

// The codes of binary operators; a "+" or "-" right after one is a sign.
constexpr char16_t kBinaryCodes[] = u"+-*/^@#&\\|%";

// A plain walk: the sets are a few characters, and this runs several times per key.
bool IsOneOf(char16_t c, const char16_t* set)
{
    for (; *set != 0; ++set)
        if (*set == c)
            return true;
    return false;
}

QChar DecimalSeparator()
{
    return FormatSettings.DecimalSeparator;
}

TOrvCalcText OperatorHistoryText(char16_t op)
{
    switch (op) {
    case u'+': return ectAdd;
    case u'-': return ectSubtract;
    case u'*': return ectMultiply;
    case u'/': return ectDivide;
    case u'^': return ectPower;
    case u'@': return ectRoot;
    case u'#': return ectModulus;
    case u'&': return ectRemainder;
    case u'\\': return ectDiv;
    case u'|': return ectIntDiv;
    default: return ectPercent;
    }
}

/// Whether the entry's digits are all zero, with no decimal separator or exponent: such
/// an entry keeps a single 0. Only the digits up to the first nonzero one are walked, so
/// that typing a long number costs the same for every digit.
bool IsZeroEntry(const QString& entry)
{
    const QChar decimal = FormatSettings.DecimalSeparator;
    for (const QChar c : entry) {
        if (c == decimal || c == u'E' || (c >= u'1' && c <= u'9'))
            return false;
    }
    return true;
}

/// Whether grouping would leave the text as it is: a sign, at most three integer digits
/// and a fraction, the shape of nearly every intermediate display. Only the integer part
/// is walked, so that typing a long fraction stays cheap.
bool GroupsToItself(const QString& text)
{
    const QChar decimal = FormatSettings.DecimalSeparator;
    const QChar thousands = FormatSettings.ThousandSeparator;
    if (decimal.unicode() <= 32 || decimal == thousands || thousands == u'-' || thousands.isDigit())
        return false;
    int integerDigits = 0;
    qsizetype i = 0;
    for (; i < text.size() && text[i] != decimal; ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            if (++integerDigits > 3)
                return false;
        } else if (c != u'-') {
            return false;
        }
    }
    // Grouping also drops separators and trailing control characters from the fraction.
    return i == text.size() || (!QStringView(text).sliced(i + 1).contains(thousands) && text.back().unicode() > 32);
}

} // namespace

QString TOrvCalcEngine::ErrorMessage(const std::exception& error)
{
    if (const auto* own = dynamic_cast<const Exception*>(&error))
        return own->Message();
    return QString::fromUtf8(error.what());
}

Extended TOrvCalcEngine::Finite(Extended x)
{
    if (std::isfinite(x))
        return x;
    // The unit's own wording for these errors lives with TOrvFpuCheck; raising the
    // flag it would have seen reuses it.
    const TOrvFpuCheck fpu;
    std::feraiseexcept(std::isnan(x) ? FE_INVALID : FE_OVERFLOW);
    fpu.Check();
    throw EOverflow(QString()); // not reached: Check() throws for the flag just raised
}

// Nothing here touches the heap or the clock: an engine is built per evaluation.
TOrvCalcEngine::TOrvCalcEngine() : fDisplayValue(QStringLiteral("0")) {}

// --- internal routines -------------------------------------------------------------

const QString& TOrvCalcEngine::Text(TOrvCalcText text) const
{
    if (!fTexts)
        fTexts = std::make_unique<std::array<QString, kCalcTextCount>>();
    QString& cached = (*fTexts)[text];
    if (cached.isNull())
        cached = CalcText(text);
    return cached;
}

void TOrvCalcEngine::Fire(const TOrvCalcNotifyEvent& event)
{
    if (event)
        event(*this);
}

void TOrvCalcEngine::ClearToggles()
{
    if (!fInv && !fHyp)
        return;
    fInv = false;
    fHyp = false;
    Fire(OnClearToggles);
}

void TOrvCalcEngine::SetDisplay(const QString& text, bool isError)
{
    fDisplayIsError = isError;
    fDisplayValue = text;
    fDisplayForm = dfUngrouped;
    Fire(OnDisplayChange);
}

void TOrvCalcEngine::SetDisplayValue(Extended x)
{
    fDisplayIsError = false;
    fDisplayNumber = x;
    fDisplayForm = dfValue;
    Fire(OnDisplayChange);
}

QString TOrvCalcEngine::ForDisplay(const QString& text) const
{
    if (!fThouSep || GroupsToItself(text))
        return text;
    // Only the mantissa is grouped: exponent digits are no amount.
    const qsizetype e = text.indexOf(u'E');
    return e < 0 ? InsertThousandSeps(text, fLakhFormatting)
                 : InsertThousandSeps(text.left(e), fLakhFormatting) + text.mid(e);
}

const QString& TOrvCalcEngine::DisplayText() const
{
    if (fDisplayForm != dfWritten) {
        fDisplayValue = ForDisplay(fDisplayForm == dfValue ? FormatValue(fDisplayNumber) : fDisplayValue);
        fDisplayForm = dfWritten;
    }
    return fDisplayValue;
}

const QString& TOrvCalcEngine::HistoryText(size_t index) const
{
    return fHistoryStack.at(index).Written(
        [this](Extended x, bool displayed) { return displayed ? ForDisplay(FormatValue(x)) : FormatValue(x); });
}

void TOrvCalcEngine::WriteOut() const
{
    DisplayText();
    for (; fUnwrittenFrom < fHistoryStack.size(); ++fUnwrittenFrom)
        HistoryText(fUnwrittenFrom);
}

QString TOrvCalcEngine::FormatValue(Extended x) const
{
    const Extended magnitude = std::fabs(x);
    const bool inRange = fSciRange && ((fSciMin < magnitude && magnitude < fSciMax) || FloatIsZero(x));
    QString text;
    if (!inRange && fSciUsage)
        text = FloatToExpText(x, fDecimals);
    else if (fTrimTrailingZeroes)
        text = fThouSep ? FloatToTrimmedGroupedText(x, fDecimals, fLakhFormatting) : FloatToTrimmedText(x, fDecimals);
    else
        text = fThouSep ? FloatToGroupedText(x, fDecimals, fLakhFormatting) : FloatToFixedText(x, fDecimals);
    return LeftChars(text, fMaxCharLen);
}

void TOrvCalcEngine::ShowTopOperand()
{
    if (fOperands.IsEmpty())
        SetDisplay(QStringLiteral("0"));
    else
        SetDisplayValue(fOperands.Top());
}

Extended TOrvCalcEngine::EntryValue() const
{
    Extended x = 0;
    bool ok = false;
    try {
        ParseFloatText(fValue, x, ok);
    } catch (const EConvertError&) {
        // The keys let only a number's characters into the entry, so digits that do not
        // read are past the extended range: an overflow, not the conversion's default 0.
        if (GlobalRaiseFloatErrors)
            throw;
        return Finite(HUGE_VALL);
    }
    if (!ok)
        x = TextToExtended(fValue); // no digits at all: 0, or the error the switch asks for
    return Finite(x);
}

void TOrvCalcEngine::PushEntry()
{
    if (fValue.isEmpty())
        return;
    const Extended x = EntryValue();
    fOperands.Push(x);
    AddHistoryValue(x);
    fValue.clear();
}

void TOrvCalcEngine::AddLine(TOrvCalcTapeLine line)
{
    // One allocation for the tape of a typical calculation rather than one per growth.
    if (fHistoryStack.empty())
        fHistoryStack.reserve(16);
    fHistoryStack.push_back(std::move(line));
    fHistoryHold.clear();
    Fire(OnHistoryChange);
}

void TOrvCalcEngine::AddHistory(const QString& text, bool isOperator)
{
    if (isOperator && fOperatorSameLine)
        fHistoryHold = text;
    else
        AddLine(TOrvCalcTapeLine::Text(fHistoryHold.isEmpty() ? text : fHistoryHold + u' ' + text));
}

void TOrvCalcEngine::AddHistory(TOrvCalcText word, bool isOperator)
{
    if (fHistoryHold.isEmpty() && !(isOperator && fOperatorSameLine))
        AddLine(TOrvCalcTapeLine::Word(word));
    else
        AddHistory(Text(word), isOperator);
}

void TOrvCalcEngine::AddHistoryValue(Extended x, bool displayed)
{
    AddLine(TOrvCalcTapeLine::Value(fHistoryHold.isEmpty() ? QString() : fHistoryHold + u' ', x, displayed));
}

void TOrvCalcEngine::AddHistoryDisplay()
{
    if (fDisplayForm == dfValue)
        AddHistoryValue(fDisplayNumber, true);
    else
        AddHistory(DisplayText(), false);
}

void TOrvCalcEngine::ReportError(const std::exception& error, const QString& preLine)
{
    const QString message = ErrorMessage(error);
    AllClear();
    SetDisplay(Text(ectError), true);
    fLastError = message;
    if (!preLine.isEmpty())
        AddHistory(preLine, false);
    AddHistory(ectErrorLine, false);
    Fire(OnError);
}

// --- number entry --------------------------------------------------------------------

Extended TOrvCalcEngine::GetDisplayValue()
{
    if (!fValue.isEmpty()) {
        try {
            return EntryValue();
        } catch (const std::exception&) {
            fValue.clear();
            return 0;
        }
    }
    return fOperands.IsEmpty() ? 0 : fOperands.Top();
}

void TOrvCalcEngine::AppendToEntry(char16_t ch)
{
    if (fLastCh == u'=') {
        ClearToggles();
        fOperands.Clear();
        fOperators.Clear();
        fValue.clear();
        fLastCh = u' ';
    }
    // The display shares the entry's text and is set anew below; letting go of it first
    // spares a copy of the whole entry on every key.
    fDisplayValue.clear();
    if ((ch == u'+' || ch == u'-') && fLastCh != u'E')
        fValue.prepend(QChar(ch));
    else
        fValue.append(QChar(ch));
    // Two signs in front are one, their product: -- and ++ none, -+ and +- a minus.
    if (fValue.size() >= 2 && IsOneOf(fValue[0].unicode(), u"+-") && IsOneOf(fValue[1].unicode(), u"+-"))
        fValue.replace(0, 2, fValue[0] == fValue[1] ? QString() : QStringLiteral("-"));
    SetDisplay(fValue);
    ClearToggles();
    fLastCh = ch;
}

void TOrvCalcEngine::InputDigit(TOrvZeroToNine digit)
{
    if (digit > 9)
        return;
    if (fValue == u"0")
        fValue.clear();
    AppendToEntry(static_cast<char16_t>(u'0' + digit));
    // No leading zeros: the entry keeps a single 0 (the display is left as typed). A
    // zero mantissa with exponent digits is no leading zero: 0E52 must not become 2.
    if (IsZeroEntry(fValue))
        fValue = fValue.startsWith(u'-') ? QStringLiteral("-0") : QStringLiteral("0");
}

void TOrvCalcEngine::InputDecimalSeparator()
{
    fLastCh = u'.';
    if (!fValue.contains(DecimalSeparator())) {
        if (fValue.isEmpty())
            fValue = QStringLiteral("0");
        fValue.append(DecimalSeparator());
    }
    ClearToggles();
    SetDisplay(fValue);
}

void TOrvCalcEngine::InputThousandsSeparator()
{
    fLastCh = u',';
    if (!fValue.isEmpty())
        fValue.append(FormatSettings.ThousandSeparator);
    ClearToggles();
    SetDisplay(fValue);
}

void TOrvCalcEngine::DoExp()
{
    if (fValue.contains(u'E'))
        return;
    fValue.append(u'E');
    SetDisplay(fValue);
    ClearToggles();
    fLastCh = u'E';
}

void TOrvCalcEngine::InputBackspace()
{
    if (!fValue.isEmpty()) {
        fValue.chop(1);
        // A "+" or "-" next is read by what the entry now ends in: after its "E" or a
        // lone sign it is a sign, after a digit an operator.
        if (!fValue.isEmpty())
            fLastCh = fValue.back().unicode();
        SetDisplay(fValue);
    }
    ClearToggles();
}

void TOrvCalcEngine::DoChangeSign()
{
    try {
        if (!fValue.isEmpty()) {
            const qsizetype e = fValue.indexOf(u'E');
            if (e >= 0) {
                // 64-bit: the clamped exponent -2147483648 must negate without overflow.
                const int64_t negated = -static_cast<int64_t>(TextToInt32(fValue.mid(e + 1)));
                fValue = fValue.left(e + 1) + (negated == 0 ? QStringLiteral("-") : QString::number(negated));
            } else if (!fValue.contains(DecimalSeparator()) && EntryValue() == 0) {
                // A zero becomes the sign of the number to come; typed decimals such as
                // 0.0 stay, so that 0.0 +/- 5 is -0.05 and not -5.
                fValue = QStringLiteral("-");
            } else if (fValue.startsWith(u'-')) {
                fValue.remove(0, 1);
            } else {
                fValue.prepend(u'-');
            }
            SetDisplay(fValue);
        } else {
            const Extended x = fOperands.IsEmpty() ? 0 : -fOperands.Top();
            SetDisplayValue(x);
            fOperands.Push(x);
            AddHistory(ectChangeSign, false);
        }
    } catch (const std::exception& error) {
        ReportError(error);
    }
    fLastCh = u' ';
}

void TOrvCalcEngine::InputString(const QString& text)
{
    try {
        const Extended x = Finite(TextToExtended(text));
        SetDisplayValue(x);
        fValue.clear();
        fOperands.Push(x);
        fLastCh = u' ';
    } catch (const std::exception& error) {
        ReportError(error);
    }
}

void TOrvCalcEngine::InputValue(Extended value)
{
    try {
        if (!std::isfinite(value))
            RaiseMathError(emmInvalidValue);
        SetDisplayValue(value);
        fValue.clear();
        fOperands.Push(value);
        fLastCh = u' ';
        AddHistoryDisplay();
    } catch (const std::exception& error) {
        ReportError(error);
    }
}

void TOrvCalcEngine::InputConstant(Extended x)
{
    SetDisplayValue(x);
    AddHistoryDisplay();
    fValue.clear();
    fOperands.Push(x);
    fLastCh = u' ';
}

// --- operators -----------------------------------------------------------------------

bool TOrvCalcEngine::ExpectsSign() const
{
    // Nothing to operate on yet, or right after something that waits for a number.
    return (fValue.isEmpty() && fOperands.IsEmpty()) || IsOneOf(fLastCh, kBinaryCodes) || fLastCh == u'('
           || fLastCh == u'E' || IsFunctionCode(fLastCh);
}

void TOrvCalcEngine::DoOperator(char16_t op)
{
    if ((op == u'+' || op == u'-') && ExpectsSign()) {
        AppendToEntry(op); // the sign of the number about to be typed
        return;
    }
    try {
        PushEntry();
        while (!fOperators.IsEmpty() && !BindsTighter(op, fOperators.Top()))
            ReduceTop();
        fOperators.Push(op);
        ShowTopOperand();
    } catch (const std::exception& error) {
        ReportError(error);
    }
    AddHistory(OperatorHistoryText(op), true);
    ClearToggles();
    fLastCh = op;
}

bool TOrvCalcEngine::BindsTighter(char16_t newOp, char16_t topOp) const
{
    if (fPrecedence) {
        if (IsOneOf(newOp, u"#&*/\\|") && IsOneOf(topOp, u"+-"))
            return true;
        if (IsOneOf(newOp, u"%@^") && IsOneOf(topOp, u"*+-/"))
            return true;
    }
    return topOp == u'(' || IsFunctionCode(newOp);
}

void TOrvCalcEngine::ReduceTop()
{
    try {
        const char16_t code = fOperators.Top();
        if (IsFunctionCode(code)) {
            if (fOperands.IsEmpty())
                RaiseCalcError(ectInvalidEquation);
            fOperands.Top() = ComputeFunction(code, fOperands.Top());
        } else if (IsOneOf(code, kBinaryCodes)) {
            ReduceBinary(code);
        }
        fOperators.Pop();
    } catch (const std::exception& error) {
        ReportError(error);
    }
}

void TOrvCalcEngine::ReduceBinary(char16_t op)
{
    const int32_t n = fOperands.TopIndex();
    if (n < 1) {
        if (op == u'@')
            return;
        RaiseCalcError(ectInvalidEquation);
    }
    const Extended x = fOperands.At(n - 1);
    const Extended y = fOperands.At(n);
    if (y == 0 && IsOneOf(op, u"/#&\\|"))
        RaiseMathError(emmDivisionByZero);
    fOperands.At(n - 1) = Computed([op, x, y]() -> Extended {
        switch (op) {
        case u'+': return x + y;
        case u'-': return x - y;
        case u'*': return x * y;
        case u'/': return x / y;
        case u'^': return FloatPower(x, y);
        case u'@': return FloatPower(x, 1 / y);
        case u'%': return x * 0.01L * y;
        case u'#': return FloorMod(x, y);
        case u'&': return TruncMod(x, y);
        case u'\\': return FloorDiv(x, y);
        default: return TruncDiv(x, y);
        }
    });
    fOperands.Pop();
}

void TOrvCalcEngine::DoPercent()
{
    if (fBinaryPercent) {
        // Left as the last key like any operator, so that 200 % -10 reads the minus
        // as the sign of the percentage.
        DoOperator(u'%');
        return;
    }
    try {
        Extended r = 0;
        if (!fValue.isEmpty()) {
            const Extended p = EntryValue();
            if (fOperatorSameLine) {
                AddHistory(fValue + u'%', false);
            } else {
                AddHistory(fValue, false);
                AddHistory(ectPercent, false);
            }
            if (!fOperands.IsEmpty())
                r = Computed([&] { return fOperands.Top() * p * 0.01L; });
        } else {
            const int32_t n = fOperands.TopIndex();
            if (n >= 1)
                r = Computed([&] { return fOperands.At(n) * fOperands.At(n - 1) * 0.01L; });
            AddHistory(ectPercent, false);
        }
        ShowResult(r);
    } catch (const std::exception& error) {
        ReportError(error);
    }
    // The percentage is a finished value, like a function's result: a "+" or "-" after
    // it is an operator, not the sign of a new number, even right after an operator.
    fLastCh = u' ';
}

// --- brackets and completion -----------------------------------------------------------

void TOrvCalcEngine::InputLeftBracket()
{
    if (fValue == u"-") {
        // A lone minus before "(" means -1 x (. The x goes on without reducing what
        // waits below it, so that 7 / -(2) is 7 / (-1 x 2), not (7 / -1) x 2.
        fOperands.Push(-1);
        AddHistoryValue(-1);
        fOperators.Push(u'*');
        AddHistory(ectMultiply, true);
        ClearToggles();
    }
    fValue.clear();
    fOperators.Push(u'(');
    ShowTopOperand();
    AddHistory(ectLeftBracket, true);
    fLastCh = u'(';
}

void TOrvCalcEngine::InputRightBracket()
{
    try {
        PushEntry();
    } catch (const std::exception& error) {
        ReportError(error);
        fLastCh = u' ';
        return;
    }
    while (!fOperators.IsEmpty() && fOperators.Top() != u'(')
        ReduceTop();
    if (!fOperators.IsEmpty())
        fOperators.Pop();
    ShowTopOperand();
    AddHistory(ectRightBracket, false);
    fLastCh = u')';
}

void TOrvCalcEngine::DoResult()
{
    try {
        PushEntry();
        while (!fOperators.IsEmpty())
            ReduceTop();
        if (fOperands.TopIndex() > 0) {
            fOperands.At(0) = fOperands.Top();
            fOperands.TruncateTo(0);
        }
        if (!fOperands.IsEmpty())
            SetDisplayValue(fOperands.Top());
        else if (!fDisplayIsError)
            SetDisplay(QStringLiteral("0"));
        ClearToggles();
    } catch (const std::exception& error) {
        ReportError(error);
    }
}

void TOrvCalcEngine::DoEquals()
{
    DoResult();
    // After an error the tape ends with the error line, not with "=" and "Error!".
    if (!fDisplayIsError) {
        AddHistory(ectEquals, true);
        AddHistoryDisplay();
    }
    fLastCh = u'=';
}

// --- clearing and settings -------------------------------------------------------------

void TOrvCalcEngine::AllClear()
{
    ClearToggles();
    fOperands.Clear();
    fOperators.Clear();
    fValue.clear();
    SetDisplay(QStringLiteral("0"));
    fLastError.clear();
    fLastCh = u' ';
    ClearHistory();
}

void TOrvCalcEngine::ClearDisplay()
{
    ClearToggles();
    fLastCh = u' ';
    fValue.clear();
    SetDisplay(QStringLiteral("0"));
}

void TOrvCalcEngine::SetDecimalPlaces(uint8_t value)
{
    if (value == fDecimals)
        return;
    WriteOut();
    fDecimals = value;
    SetDisplayValue(GetDisplayValue());
    Fire(OnDecimalPlacesChange);
}

} // namespace orv
