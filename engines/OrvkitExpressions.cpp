#include <orvkit/engines/OrvkitExpressions.h>

#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/engines/OrvkitCalcEngine.h>

#include <QCoreApplication>
#include <QStringView>
#include <QVarLengthArray>
#include <exception>
#include <vector>

namespace orv {

namespace {

const char* const kUnknownFunction = QT_TRANSLATE_NOOP("OrvkitExpressions", "Unknown Function");

struct TNamedCode {
    QStringView name;
    char16_t code;
};

constexpr TNamedCode kNames[] = {
    {u"x", u'*'},          {u"mod", u'#'},        {u"rem", u'&'},        {u"div", u'\\'},
    {u"intdiv", u'|'},     {u"e", u'e'},          {u"pi", u'P'},         {u"sqrt", u'Q'},
    {u"log", u'L'},        {u"exp", u'E'},        {u"ln", u'N'},         {u"lg2", u'W'},
    {u"sin", u'S'},        {u"arcsin", u's'},     {u"invsin", u's'},     {u"sinh", u'R'},
    {u"hypsin", u'R'},     {u"arsinh", u'r'},     {u"invhypsin", u'r'},  {u"hypinvsin", u'r'},
    {u"cos", u'C'},        {u"arccos", u'c'},     {u"invcos", u'c'},     {u"cosh", u'D'},
    {u"hypcos", u'D'},     {u"arcosh", u'd'},     {u"invhypcos", u'd'},  {u"hypinvcos", u'd'},
    {u"tan", u'T'},        {u"arctan", u't'},     {u"invtan", u't'},     {u"tanh", u'U'},
    {u"hyptan", u'U'},     {u"artanh", u'u'},     {u"invhyptan", u'u'},  {u"hypinvtan", u'u'},
    {u"abs", u'a'},        {u"floor", u'f'},      {u"ceil", u'i'},       {u"ceiling", u'i'},
    {u"sgn", u'g'},        {u"sign", u'g'},       {u"gamma", u'G'},      {u"lngamma", u'A'},
    {u"mc", u'K'},         {u"mr", u'k'},         {u"madd", u'M'},       {u"msub", u'm'},
    {u"rnd", u'Z'},
};

bool IsDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}

bool IsOperatorChar(QChar ch)
{
    switch (ch.unicode()) {
    case u'#': case u'%': case u'&': case u'(': case u')': case u'*': case u'+':
    case u'-': case u'/': case u'=': case u'@': case u'\\': case u'^': case u'|':
        return true;
    default:
        return false;
    }
}

QChar LowerChar(QChar ch)
{
    return ch >= u'A' && ch <= u'Z' ? QChar(ch.unicode() + 32) : ch;
}

/// The text without what lies at or below the space at either end. Readers lower-case
/// each character as they take it, which saves a copy of the text.
QStringView TrimmedText(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] <= u' ')
        ++first;
    while (last > first && text[last - 1] <= u' ')
        --last;
    return QStringView(text).sliced(first, last - first);
}

/// The key code of a name, or a space for a name not in the table.
QChar NameCode(QStringView name)
{
    for (const TNamedCode& entry : kNames)
        if (entry.name == name)
            return QChar(entry.code);
    return QChar(u' ');
}

/// A function key with its toggles. In prefix mode the engine keeps the toggles for the
/// next key, where they would turn the next name's function into another (sqrt into
/// x^2 after exp); a name means its function only, so they are taken back at once.
void PressFunction(IOrvCalcEngine& engine, bool inverse, bool hyperbolic, void (IOrvCalcEngine::*function)())
{
    if (inverse)
        engine.DoInv();
    if (hyperbolic)
        engine.DoHyp();
    (engine.*function)();
    if (engine.GetIsInv())
        engine.DoInv();
    if (engine.GetIsHyp())
        engine.DoHyp();
}

/// Types the key of one code into the engine; codes without a key are ignored.
void PressCode(IOrvCalcEngine& engine, QChar code)
{
    if (IsDigit(code)) {
        engine.InputDigit(static_cast<TOrvZeroToNine>(code.unicode() - u'0'));
        return;
    }
    if (code == FormatSettings.DecimalSeparator) {
        engine.InputDecimalSeparator();
        return;
    }
    if (code == FormatSettings.ThousandSeparator) {
        engine.InputThousandsSeparator();
        return;
    }
    using E = IOrvCalcEngine;
    switch (code.unicode()) {
    case u'+': engine.DoAdd(); break;
    case u'-': engine.DoSubtract(); break;
    case u'*': engine.DoMultiply(); break;
    case u'/': engine.DoDivide(); break;
    case u'^': engine.DoPower(); break;
    case u'@': engine.DoInv(); engine.DoPower(); break;
    case u'%': engine.DoPercent(); break;
    case u'#': engine.DoModulus(); break;
    case u'&': engine.DoRemainder(); break;
    case u'\\': engine.DoDiv(); break;
    case u'|': engine.DoIntDiv(); break;
    case u'(': engine.InputLeftBracket(); break;
    case u')': engine.InputRightBracket(); break;
    case u'=': engine.DoEquals(); break;
    case u'e': engine.DoExp(); break;
    case u'P': engine.InputPi(); break;
    case u'Q': engine.DoSqRoot(); break;
    case u'L': engine.DoLog(); break;
    case u'l': PressFunction(engine, true, false, &E::DoLog); break;
    case u'E': PressFunction(engine, true, false, &E::DoLN); break;
    case u'N': engine.DoLN(); break;
    case u'n': PressFunction(engine, true, false, &E::DoLN); break;
    case u'W': engine.DoLg2(); break;
    case u'w': PressFunction(engine, true, false, &E::DoLg2); break;
    case u'S': engine.DoSin(); break;
    case u's': PressFunction(engine, true, false, &E::DoSin); break;
    case u'R': PressFunction(engine, false, true, &E::DoSin); break;
    case u'r': PressFunction(engine, true, true, &E::DoSin); break;
    case u'C': engine.DoCos(); break;
    case u'c': PressFunction(engine, true, false, &E::DoCos); break;
    case u'D': PressFunction(engine, false, true, &E::DoCos); break;
    case u'd': PressFunction(engine, true, true, &E::DoCos); break;
    case u'T': engine.DoTan(); break;
    case u't': PressFunction(engine, true, false, &E::DoTan); break;
    case u'U': PressFunction(engine, false, true, &E::DoTan); break;
    case u'u': PressFunction(engine, true, true, &E::DoTan); break;
    case u'a': engine.DoAbs(); break;
    case u'f': engine.DoFloor(); break;
    case u'i': engine.DoCeiling(); break;
    case u'g': engine.DoSign(); break;
    case u'G': engine.DoGamma(); break;
    case u'A': engine.DoLnGamma(); break;
    case u'K': engine.MemoryClear(); break;
    case u'k': engine.MemoryRecall(); break;
    case u'M': engine.MemoryAdd(); break;
    case u'm': engine.MemorySubtract(); break;
    case u'Z': engine.InputRandom(); break;
    default: break;
    }
}

/// Key codes; an ordinary expression fits without touching the heap.
using TCodes = QVarLengthArray<QChar, 128>;

/// Appends the code of a finished name, splitting a trailing digit (sin3 is sin 3) or
/// a leading x (xpi is * pi) off a name that is not known as a whole. Sets the unknown
/// name when even the split name is not known.
void FlushName(QStringView name, TCodes& codes, QString& unknownName)
{
    if (name.isEmpty())
        return;
    QChar code = NameCode(name);
    if (code == u' ') {
        const QChar last = name.back();
        if (IsDigit(last)) {
            name.chop(1);
        } else if (name.front() == u'x') {
            codes.append(u'*');
            name = name.sliced(1);
        } else {
            unknownName = name.toString();
            codes.append(code);
            return;
        }
        if (!name.isEmpty()) {
            code = NameCode(name);
            if (code == u' ')
                unknownName = name.toString();
            codes.append(code);
        }
        if (IsDigit(last))
            codes.append(last);
        return;
    }
    codes.append(code);
}

void Tokenise(const QString& text, TCodes& codes, QString& unknownName)
{
    const QStringView trimmed = TrimmedText(text);
    const QChar decimalSeparator = FormatSettings.DecimalSeparator;
    const QChar thousandSeparator = FormatSettings.ThousandSeparator;
    codes.clear();
    unknownName.clear();
    codes.reserve(trimmed.size() + 1);
    QVarLengthArray<QChar, 32> name;
    const auto nameView = [&name] { return QStringView(name.constData(), name.size()); };
    const auto nameIsE = [&name] { return name.size() == 1 && name[0] == u'e'; };
    for (const QChar raw : trimmed) {
        const QChar ch = LowerChar(raw);
        if (ch <= u' ') {
            FlushName(nameView(), codes, unknownName);
            name.clear();
        } else if (ch == thousandSeparator) {
            // Grouping is for the reader only.
        } else if (IsOperatorChar(ch) || ch == decimalSeparator) {
            if (nameIsE() && (ch == u'+' || ch == u'-'))
                codes.append(u'e'); // the exponent's sign follows
            else
                FlushName(nameView(), codes, unknownName);
            codes.append(ch);
            name.clear();
        } else if (name.isEmpty() && IsDigit(ch)) {
            codes.append(ch);
        } else if (nameIsE() && IsDigit(ch)) {
            codes.append(u'e');
            codes.append(ch);
            name.clear();
        } else {
            name.append(ch);
        }
        if (!unknownName.isEmpty())
            break;
    }
    FlushName(nameView(), codes, unknownName);
    if (!unknownName.isEmpty())
        codes.clear();
}

bool IsSign(QChar code)
{
    return code == u'+' || code == u'-';
}

/// Functions, which wait on the operator stack for their argument.
bool IsFunctionCode(QChar code)
{
    return QStringView(u"QLlENnWwSsRrCcDdTtUuafigGA").contains(code);
}

/// Keys after which the engine reads "+" or "-" as the sign of what follows.
bool IsOperatorCode(QChar code)
{
    return QStringView(u"+-*/^@#&\\|(").contains(code);
}

/// Memory keys that leave the engine's last key as it was.
bool KeepsLastKey(QChar code)
{
    return code == u'K' || code == u'M' || code == u'm';
}

/// Types codes into the engine, mending signs the engine would lose. A sign before a
/// number is the number's, in the entry. Before a function, pi, mr, rnd or a bracket
/// the engine drops that entry, so such an operand is typed as (0 - operand) instead:
/// a value of its own, which binds as a signed number does (-sqrt(4)^2 is 4 as -2^2 is).
class TCodeDriver {
public:
    TCodeDriver(IOrvCalcEngine& engine, QStringView codes) : fEngine(engine), fCodes(codes) {}

    void Run()
    {
        // Where each negated operand still open ends, innermost last.
        QVarLengthArray<qsizetype, 8> ends;
        const bool percentIsOperator = fEngine.GetBinaryPercent();
        QChar previous; // null until a key is typed
        qsizetype i = 0;
        for (;;) {
            while (!ends.isEmpty() && ends.back() <= i) {
                fEngine.InputRightBracket();
                ends.pop_back();
                previous = u')';
            }
            if (i == fCodes.size())
                break;
            const QChar code = fCodes[i];
            if (IsSign(code)
                && (previous.isNull() || IsOperatorCode(previous) || IsFunctionCode(previous)
                    || (previous == u'%' && percentIsOperator))) {
                qsizetype operand = i;
                bool negative = false;
                for (; operand < fCodes.size() && IsSign(fCodes[operand]); ++operand)
                    negative ^= fCodes[operand] == u'-';
                if (operand < fCodes.size() && StartsOperand(fCodes[operand])) {
                    if (negative) {
                        fEngine.InputLeftBracket();
                        fEngine.InputDigit(0);
                        fEngine.DoSubtract();
                        ends.append(OperandEnd(operand));
                        previous = u'-';
                    }
                    i = operand;
                    continue;
                }
            }
            PressCode(fEngine, code);
            if (!KeepsLastKey(code))
                previous = code;
            ++i;
        }
    }

private:
    /// pi, mr and rnd.
    static bool IsValueCode(QChar code)
    {
        return code == u'P' || code == u'k' || code == u'Z';
    }

    static bool StartsOperand(QChar code)
    {
        return code == u'(' || IsValueCode(code) || IsFunctionCode(code);
    }

    /// Where the operand starting at `i` ends: a function with its argument, a value, a
    /// bracket up to its partner (the end when it has none) or a number.
    qsizetype OperandEnd(qsizetype i)
    {
        const qsizetype size = fCodes.size();
        while (i < size && (IsFunctionCode(fCodes[i]) || IsSign(fCodes[i])))
            ++i;
        if (i == size)
            return i;
        if (fCodes[i] == u'(')
            return BracketEnd(i);
        if (IsValueCode(fCodes[i]))
            return i + 1;
        const QChar decimalSeparator = FormatSettings.DecimalSeparator;
        const QChar thousandSeparator = FormatSettings.ThousandSeparator;
        while (i < size) {
            const QChar code = fCodes[i++];
            if (code == u'e') {
                if (i < size && IsSign(fCodes[i]))
                    ++i;
            } else if (!IsDigit(code) && code != decimalSeparator && code != thousandSeparator) {
                return i - 1;
            }
        }
        return i;
    }

    /// Past the ")" that closes the "(" at `open`. Found for all brackets at once, so
    /// that nested signed brackets cost no more than the text's length.
    qsizetype BracketEnd(qsizetype open)
    {
        if (fBracketEnds.empty()) {
            fBracketEnds.assign(fCodes.size(), fCodes.size());
            QVarLengthArray<qsizetype, 16> opened;
            for (qsizetype k = 0; k < fCodes.size(); ++k) {
                if (fCodes[k] == u'(') {
                    opened.append(k);
                } else if (fCodes[k] == u')' && !opened.isEmpty()) {
                    fBracketEnds[opened.back()] = k + 1;
                    opened.pop_back();
                }
            }
        }
        return fBracketEnds[open];
    }

    IOrvCalcEngine& fEngine;
    const QStringView fCodes;
    std::vector<qsizetype> fBracketEnds;
};

/// Prefix functions, angle mode and memory of the caller's engine, put back on every
/// path; the engine's last error becomes the message unless one is set already.
class TRunScope {
public:
    TRunScope(IOrvCalcEngine& engine, QString& message)
        : fEngine(engine), fMessage(message), fPrefix(engine.GetPrefixFunctions()),
          fAngleMode(engine.GetAngleMode()), fMemory(engine.GetMemoryValue())
    {
    }
    // A caller's change handler may raise while the settings are put back; that
    // reaches the caller unless an exception is already on its way.
    ~TRunScope() noexcept(false)
    {
        const bool unwinding = std::uncaught_exceptions() > fUncaught;
        try {
            if (fMessage.isEmpty())
                fMessage = fEngine.GetLastError();
            fEngine.SetPrefixFunctions(fPrefix);
            fEngine.SetAngleMode(fAngleMode);
            fEngine.SetMemory(fMemory); // a value the engine held, so always finite
        } catch (...) {
            if (!unwinding)
                throw;
        }
    }
    TRunScope(const TRunScope&) = delete;
    TRunScope& operator=(const TRunScope&) = delete;

private:
    IOrvCalcEngine& fEngine;
    QString& fMessage;
    const bool fPrefix;
    const TOrvAngleMode fAngleMode;
    const Extended fMemory;
    const int fUncaught = std::uncaught_exceptions();
};

/// Runs an evaluation on a fresh engine with immediate percent; whatever escapes the
/// engine leaves the value it then shows.
template <typename Run>
Extended EvaluateOnFreshEngine(Run&& run)
{
    TOrvCalcEngine engine;
    engine.SetBinaryPercent(false);
    try {
        return run(engine);
    } catch (const std::exception&) {
        return engine.GetDisplayValue();
    }
}

} // namespace

void LookupFunctionName(const QString& name, QChar& code, QString& unknownName)
{
    code = NameCode(name);
    if (code == u' ')
        unknownName = name;
    else
        unknownName.clear();
}

void TokeniseExpression(const QString& text, QString& codes, QString& unknownName)
{
    TCodes buffer;
    Tokenise(text, buffer, unknownName);
    codes = QString(buffer.constData(), buffer.size());
}

Extended RunSimpleExpression(const QString& text, IOrvCalcEngine& engine)
{
    const QStringView trimmed = TrimmedText(text);
    const QChar decimalSeparator = FormatSettings.DecimalSeparator;
    const QChar thousandSeparator = FormatSettings.ThousandSeparator;
    TCodes codes;
    codes.reserve(trimmed.size());
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar ch = LowerChar(trimmed[i]);
        if (IsDigit(ch) || IsOperatorChar(ch) || ch == decimalSeparator || ch == thousandSeparator) {
            codes.append(ch);
        } else if (ch == u'x') {
            codes.append(u'*');
        } else if (ch > u' ') {
            // A name: only pi is known, and any other name swallows the rest.
            if (ch != u'p' || i + 1 == trimmed.size() || LowerChar(trimmed[i + 1]) != u'i')
                break;
            codes.append(u'P');
            ++i;
        }
    }
    engine.AllClear();
    TCodeDriver(engine, QStringView(codes.constData(), codes.size())).Run();
    engine.DoEquals();
    return engine.GetDisplayValue();
}

Extended EvaluateSimpleExpression(const QString& text)
{
    return EvaluateOnFreshEngine([&text](IOrvCalcEngine& engine) { return RunSimpleExpression(text, engine); });
}

Extended RunExpression(const QString& text, IOrvCalcEngine& engine, Extended memory, TOrvAngleMode angleMode,
                       QString& message)
{
    message.clear();
    const TRunScope scope(engine, message);
    engine.SetMemory(memory);
    engine.SetAngleMode(angleMode);
    engine.SetPrefixFunctions(true);

    TCodes codes;
    QString unknownName;
    Tokenise(text, codes, unknownName);
    if (!unknownName.isEmpty()) {
        message = QCoreApplication::translate("OrvkitExpressions", kUnknownFunction) + QStringLiteral(" - ")
                  + unknownName;
        return 0;
    }
    engine.AllClear();
    TCodeDriver(engine, QStringView(codes.constData(), codes.size())).Run();
    engine.DoEquals();
    return engine.GetDisplayValue();
}

Extended EvaluateExpression(const QString& text, TOrvAngleMode angleMode)
{
    return EvaluateOnFreshEngine([&text, angleMode](IOrvCalcEngine& engine) {
        QString message;
        return RunExpression(text, engine, 0, angleMode, message);
    });
}

} // namespace orv
