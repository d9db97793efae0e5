// The calculator engine's functions, toggles, angle modes, memory, constants and
// history reading.
#include <orvkit/engines/OrvkitCalcEngine.h>

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitFpu.h>
#include <orvkit/core/OrvkitMath.h>
#include <orvkit/engines/OrvkitCalcEngineTexts.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <iterator>

namespace orv {

namespace {

struct TFunctionCode {
    char16_t code;
    TOrvCalcText history;
};

constexpr TFunctionCode kFunctionCodes[] = {
    {u'S', ectSin},   {u's', ectArcSin},   {u'R', ectSinh},    {u'r', ectArSinh},
    {u'C', ectCos},   {u'c', ectArcCos},   {u'D', ectCosh},    {u'd', ectArCosh},
    {u'T', ectTan},   {u't', ectArcTan},   {u'U', ectTanh},    {u'u', ectArTanh},
    {u'L', ectLog},   {u'l', ectTenPower}, {u'N', ectLn},      {u'n', ectExp},
    {u'W', ectLog2},  {u'w', ectTwoPower}, {u'Q', ectSqrt},    {u'q', ectSquare},
    {u'a', ectAbs},   {u'f', ectFloor},    {u'i', ectCeiling}, {u'g', ectSign},
    {u'G', ectGamma}, {u'A', ectLnGamma},
};

const TFunctionCode* FindFunctionCode(char16_t code)
{
    const auto* found = std::find_if(std::begin(kFunctionCodes), std::end(kFunctionCodes),
                                     [code](const TFunctionCode& f) { return f.code == code; });
    return found == std::end(kFunctionCodes) ? nullptr : found;
}


constexpr std::array<char16_t, 4> kSin{u'S', u's', u'R', u'r'};
constexpr std::array<char16_t, 4> kCos{u'C', u'c', u'D', u'd'};
constexpr std::array<char16_t, 4> kTan{u'T', u't', u'U', u'u'};
constexpr std::array<char16_t, 4> kLog{u'L', u'l', u'L', u'l'};
constexpr std::array<char16_t, 4> kLn{u'N', u'n', u'N', u'n'};
constexpr std::array<char16_t, 4> kLg2{u'W', u'w', u'W', u'w'};

/// A fresh seed for every random number, as the clock gives it.
uint64_t ClockSeed()
{
    return static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

/// splitmix64: small state, good spread, so the engine stays cheap to build.
uint64_t NextRandom(uint64_t& state)
{
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

bool TOrvCalcEngine::IsFunctionCode(char16_t code)
{
    return FindFunctionCode(code) != nullptr;
}

// --- toggles -------------------------------------------------------------------------

void TOrvCalcEngine::DoInv()
{
    fInv = !fInv;
    Fire(fInv ? OnSetToggles : OnClearToggles);
}

void TOrvCalcEngine::DoHyp()
{
    fHyp = !fHyp;
    Fire(fHyp ? OnSetToggles : OnClearToggles);
}

char16_t TOrvCalcEngine::SelectCode(const TFunctionKey& key) const
{
    return key[(fInv ? 1 : 0) + (fHyp ? 2 : 0)];
}

// --- computing -----------------------------------------------------------------------

Extended TOrvCalcEngine::ComputeFunction(char16_t code, Extended x)
{
    const auto toRadians = [this](Extended a) {
        return fAngleMode == amDegrees ? a * RadPerDeg : fAngleMode == amGradiants ? GradToRad(a) : a;
    };
    const auto fromRadians = [this](Extended a) {
        return fAngleMode == amDegrees ? a * DegPerRad : fAngleMode == amGradiants ? RadToGrad(a) : a;
    };
    const Extended r = Computed([&]() -> Extended {
        switch (code) {
        case u'S': return std::sin(toRadians(x));
        case u's': return fromRadians(SafeArcSin(x));
        case u'R': return HypSin(x);
        case u'r': return HypArcSin(x);
        case u'C': return std::cos(toRadians(x));
        case u'c': return fromRadians(SafeArcCos(x));
        case u'D': return HypCos(x);
        case u'd': return HypArcCos(x);
        case u'T': return SafeTan(toRadians(x));
        case u't': return fromRadians(std::atan(x));
        case u'U': return HypTan(x);
        case u'u': return HypArcTan(x);
        case u'L': return SafeLog10(x);
        case u'l': return FloatPower(10, x);
        case u'N': return std::log(x);
        case u'n': return std::exp(x);
        case u'W': return SafeLog2(x);
        case u'w': return Pow2(x);
        case u'Q':
            if (x < 0)
                RaiseCalcError(ectSqrtOfNegative);
            return std::sqrt(x);
        case u'q': return x * x;
        case u'a': return std::fabs(x);
        case u'f': return FloatFloor(x);
        case u'i': return FloatCeil(x);
        case u'g': return FloatSign(x);
        case u'G': return GammaOf(x);
        case u'A': return LnGammaOf(x);
        default: return x;
        }
    });
    ClearToggles();
    return r;
}

void TOrvCalcEngine::AddFunctionHistory(char16_t code)
{
    if (const TFunctionCode* f = FindFunctionCode(code))
        AddHistory(f->history, false);
    else
        AddHistory(QString(), false);
}

void TOrvCalcEngine::PushFunction(char16_t code, bool clearToggles)
{
    fValue.clear();
    fOperators.Push(code);
    AddFunctionHistory(code);
    if (clearToggles)
        ClearToggles();
    ShowTopOperand();
    // The function waits for its operand, as after an operator: "+" or "-" is its sign.
    fLastCh = code;
}

bool TOrvCalcEngine::TakeArgument(Extended& x)
{
    if (!fValue.isEmpty()) {
        x = EntryValue();
        AddHistoryValue(x);
        return true;
    }
    if (!fOperands.IsEmpty()) {
        x = fOperands.Top();
        return true;
    }
    x = 0;
    return false;
}

void TOrvCalcEngine::ShowResult(Extended r)
{
    SetDisplayValue(r);
    fValue.clear();
    fOperands.Push(r);
}

// --- the function keys ---------------------------------------------------------------

void TOrvCalcEngine::DoFunctionA(const TFunctionKey& key)
{
    const char16_t code = SelectCode(key);
    if (fPrefixFunctions) {
        PushFunction(code, false); // the toggles stay until the next digit
        return;
    }
    try {
        Extended x = 0;
        TakeArgument(x);
        AddFunctionHistory(code);
        ShowResult(ComputeFunction(code, x));
    } catch (const std::exception& error) {
        ReportError(error);
    }
    fLastCh = u' ';
}

void TOrvCalcEngine::DoFunctionB(char16_t code)
{
    if (fPrefixFunctions) {
        PushFunction(code, true);
        return;
    }
    try {
        Extended x = 0;
        ShowResult(TakeArgument(x) ? ComputeFunction(code, x) : 0);
    } catch (const std::exception& error) {
        ReportError(error);
    }
    // The name follows its argument on the tape, and the error line after an error.
    AddFunctionHistory(code);
    fLastCh = u' ';
}

void TOrvCalcEngine::DoSin() { DoFunctionA(kSin); }
void TOrvCalcEngine::DoCos() { DoFunctionA(kCos); }
void TOrvCalcEngine::DoTan() { DoFunctionA(kTan); }
void TOrvCalcEngine::DoLog() { DoFunctionA(kLog); }
void TOrvCalcEngine::DoLN() { DoFunctionA(kLn); }
void TOrvCalcEngine::DoLg2() { DoFunctionA(kLg2); }
void TOrvCalcEngine::DoAbs() { DoFunctionB(u'a'); }
void TOrvCalcEngine::DoFloor() { DoFunctionB(u'f'); }
void TOrvCalcEngine::DoCeiling() { DoFunctionB(u'i'); }
void TOrvCalcEngine::DoSign() { DoFunctionB(u'g'); }
void TOrvCalcEngine::DoGamma() { DoFunctionB(u'G'); }
void TOrvCalcEngine::DoLnGamma() { DoFunctionB(u'A'); }

void TOrvCalcEngine::DoSqRoot()
{
    if (fPrefixFunctions) {
        PushFunction(fInv ? u'q' : u'Q', true);
        return;
    }
    if (fInv) {
        ClearToggles();
        DoSquare();
        return;
    }
    try {
        Extended x = 0;
        TakeArgument(x);
        ShowResult(ComputeFunction(u'Q', x));
        AddHistory(ectSqrt, false);
    } catch (const std::exception& error) {
        ReportError(error, Text(ectSqrt));
    }
    fLastCh = u' ';
}

void TOrvCalcEngine::DoSquare()
{
    if (fInv) {
        ClearToggles();
        DoSqRoot();
        fLastCh = u' ';
        return;
    }
    try {
        Extended x = 0;
        if (!fValue.isEmpty()) {
            x = EntryValue();
            AddHistoryValue(x);
        } else if (!fOperands.IsEmpty()) {
            // The square replaces the value it was taken of.
            x = fOperands.Top();
            fOperands.Pop();
        }
        ShowResult(Computed([x] { return x * x; }));
    } catch (const std::exception& error) {
        ReportError(error);
    }
    AddHistory(ectSquare, false);
    fLastCh = u' ';
}

void TOrvCalcEngine::DoInvert()
{
    ClearToggles();
    try {
        Extended x = 0;
        if (!TakeArgument(x) || x == 0)
            RaiseMathError(emmDivisionByZero);
        ShowResult(Computed([x] { return 1 / x; }));
    } catch (const std::exception& error) {
        ReportError(error);
    }
    AddHistory(ectInvert, false);
    fLastCh = u' ';
}

void TOrvCalcEngine::DoRound(int32_t places)
{
    ClearToggles();
    const auto decimals = static_cast<uint8_t>(std::clamp(places, 0, 255));
    try {
        Extended x = 0;
        ShowResult(TakeArgument(x) ? Computed([x, decimals] { return RoundToDecimals(x, decimals); }) : 0);
    } catch (const std::exception& error) {
        ReportError(error);
    }
    AddHistory(decimals == 0 ? Text(ectRound) : Text(ectRound) + u' ' + QString::number(decimals), false);
    fLastCh = u' ';
}

void TOrvCalcEngine::DoPower()
{
    DoOperator(fInv ? u'@' : u'^');
    ClearToggles();
}

// --- angle modes ---------------------------------------------------------------------

void TOrvCalcEngine::SetAngleMode(TOrvAngleMode mode)
{
    if (mode == fAngleMode || mode < amDegrees || mode > amGradiants)
        return;
    fAngleMode = mode;
    Fire(OnAngleModeChange);
}

void TOrvCalcEngine::ToggleAngleMode()
{
    switch (fAngleMode) {
    case amDegrees: fAngleMode = amRadians; break;
    case amRadians: fAngleMode = fEnableGrads ? amGradiants : amDegrees; break;
    case amGradiants: fAngleMode = amDegrees; break;
    }
    AddHistory(GetAngleModeStr(), false);
    Fire(OnAngleModeChange);
}

QString TOrvCalcEngine::GetAngleModeStr() const
{
    switch (fAngleMode) {
    case amDegrees: return CalcText(ectDegrees);
    case amGradiants: return CalcText(ectGradians);
    case amRadians: break;
    }
    return CalcText(ectRadians);
}

// --- memory --------------------------------------------------------------------------

void TOrvCalcEngine::AddMemoryLine()
{
    if (fMemoryHistory)
        AddHistory(u'[' + Text(ectMemoryLabel) + FormatValue(fMemory) + QStringLiteral(" ]"), false);
}

void TOrvCalcEngine::MemoryClear()
{
    fMemory = 0;
    ClearToggles();
    AddHistory(ectMemoryClear, false);
    AddMemoryLine();
    Fire(OnMemoryChange);
}

void TOrvCalcEngine::ApplyMemory(Extended sign, TOrvCalcText historyWord)
{
    DoResult();
    if (!fOperands.IsEmpty()) {
        try {
            const Extended top = fOperands.Top();
            fMemory = Computed([this, sign, top] { return fMemory + sign * top; });
        } catch (const std::exception& error) {
            ReportError(error); // the memory keeps its value
        }
    }
    ClearToggles();
    AddHistory(historyWord, false);
    AddMemoryLine();
    Fire(OnMemoryChange);
}

void TOrvCalcEngine::MemoryAdd()
{
    ApplyMemory(1, ectMemoryAdd);
}

void TOrvCalcEngine::MemorySubtract()
{
    ApplyMemory(-1, ectMemorySubtract);
}

void TOrvCalcEngine::MemoryRecall()
{
    SetDisplayValue(fMemory);
    fValue.clear();
    fOperands.Push(fMemory);
    ClearToggles();
    AddHistory(ectMemoryRecall, false);
    AddMemoryLine();
    fLastCh = u' ';
}

void TOrvCalcEngine::SetMemory(Extended value)
{
    if (!std::isfinite(value))
        RaiseMathError(emmInvalidValue);
    fMemory = value;
    Fire(OnMemoryChange);
}

// --- constants -----------------------------------------------------------------------

void TOrvCalcEngine::InputPi() { InputConstant(PiValue); }
void TOrvCalcEngine::InputNaturalConstant() { InputConstant(EulerE); }
void TOrvCalcEngine::InputGamma() { InputConstant(EulerGamma); }
void TOrvCalcEngine::InputGoldenRatio() { InputConstant(GoldenRatio); }
void TOrvCalcEngine::InputSpeedOfLight() { InputConstant(LightSpeed); }
void TOrvCalcEngine::InputGravity() { InputConstant(9.80665L); }

void TOrvCalcEngine::InputRandom()
{
    fRandomState ^= fRandomSeedSource ? fRandomSeedSource() : ClockSeed();
    // 64 random bits fill the 80-bit mantissa exactly: the value is below 1.
    InputConstant(std::ldexp(static_cast<Extended>(NextRandom(fRandomState)), -64));
}

// --- history reading -----------------------------------------------------------------

void TOrvCalcEngine::ClearHistory()
{
    fHistoryStack.clear();
    fUnwrittenFrom = 0;
    fLastHistoryAccess = -1;
}

QString TOrvCalcEngine::GetNextHistoryEntry()
{
    const int32_t length = GetHistoryLength();
    if (length == 0 || fLastHistoryAccess >= length - 1)
        return QString();
    // A position set below -1 reads from the start rather than outside the list.
    fLastHistoryAccess = std::max(fLastHistoryAccess, int32_t{-1}) + 1;
    return HistoryText(static_cast<size_t>(fLastHistoryAccess));
}

QString TOrvCalcEngine::GetHistoryEntry(uint16_t index) const
{
    if (index >= fHistoryStack.size())
        throw std::out_of_range("history index out of range");
    return HistoryText(index);
}

QString TOrvCalcEngine::GetLastHistoryEntry() const
{
    if (fHistoryStack.empty())
        throw std::out_of_range("the history is empty");
    return HistoryText(fHistoryStack.size() - 1);
}

void TOrvCalcEngine::PaperLine()
{
    AddHistory(ectPaperLine, false);
}

} // namespace orv
