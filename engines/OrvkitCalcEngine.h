#pragma once

#include <orvkit/core/OrvkitFpu.h>
#include <orvkit/core/OrvkitGlobals.h>
#include <orvkit/engines/OrvkitCalcStack.h>
#include <orvkit/engines/OrvkitCalcEngineTexts.h>
#include <orvkit/engines/OrvkitCalcTape.h>

#include <QString>
#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <vector>

namespace orv {

class IOrvCalcEngine;

/// A digit 0 to 9; `InputDigit` ignores anything else.
using TOrvZeroToNine = uint8_t;
/// The engine's notifications; the sender is the engine.
using TOrvCalcNotifyEvent = std::function<void(IOrvCalcEngine& sender)>;

/// The standard/scientific calculator engine as its windows see it: key-level
/// operations, display, memory, history and settings. Windows hold it through a
/// std::shared_ptr<IOrvCalcEngine>; components and the expression evaluator own a
/// TOrvCalcEngine directly.
///
/// No key operation lets an error escape: a failing calculation shows "Error!", keeps
/// the message for `GetLastError`, writes an error line to the history and fires
/// OnError. Only `SetMemory` and the indexed history readers raise, for bad arguments.
class IOrvCalcEngine {
public:
    virtual ~IOrvCalcEngine() = default;

    virtual QString GetDisplayStr() const = 0;
    /// The entry's value while a number is typed (an unreadable entry is dropped and
    /// gives 0), else the top operand, else 0.
    virtual Extended GetDisplayValue() = 0;
    virtual QString GetLastError() const = 0;

    virtual void InputString(const QString& text) = 0;
    virtual void InputValue(Extended value) = 0;
    virtual void InputDigit(TOrvZeroToNine digit) = 0;
    virtual void InputDecimalSeparator() = 0;
    virtual void InputThousandsSeparator() = 0;
    virtual void InputBackspace() = 0;
    virtual void DoExp() = 0;
    virtual void InputPi() = 0;
    virtual void InputNaturalConstant() = 0;
    virtual void InputGamma() = 0;
    virtual void InputGoldenRatio() = 0;
    virtual void InputSpeedOfLight() = 0;
    virtual void InputGravity() = 0;
    virtual void InputRandom() = 0;
    virtual void InputLeftBracket() = 0;
    virtual void InputRightBracket() = 0;
    /// Completes the calculation without writing "=" to the history.
    virtual void DoResult() = 0;
    virtual void DoEquals() = 0;
    virtual void DoAdd() = 0;
    virtual void DoSubtract() = 0;
    virtual void DoMultiply() = 0;
    virtual void DoDivide() = 0;
    virtual void DoRemainder() = 0;
    virtual void DoModulus() = 0;
    virtual void DoDiv() = 0;
    virtual void DoIntDiv() = 0;
    virtual void DoPercent() = 0;
    virtual void DoChangeSign() = 0;
    virtual void DoInvert() = 0;
    virtual void DoInv() = 0;
    virtual void DoHyp() = 0;
    virtual void DoSquare() = 0;
    virtual void DoSqRoot() = 0;
    virtual void DoPower() = 0;
    virtual void DoLog() = 0;
    virtual void DoLg2() = 0;
    virtual void DoLN() = 0;
    virtual void DoSin() = 0;
    virtual void DoCos() = 0;
    virtual void DoTan() = 0;
    virtual void DoAbs() = 0;
    virtual void DoFloor() = 0;
    virtual void DoCeiling() = 0;
    virtual void DoSign() = 0;
    /// Rounds to `places` decimals; places are taken within 0-255.
    virtual void DoRound(int32_t places) = 0;
    virtual void DoGamma() = 0;
    virtual void DoLnGamma() = 0;
    /// Clears everything but the memory and the settings (the history too).
    virtual void AllClear() = 0;
    /// Clears the entry only; a pending calculation goes on with the next number.
    virtual void ClearDisplay() = 0;

    virtual void MemoryClear() = 0;
    virtual void MemoryAdd() = 0;
    virtual void MemorySubtract() = 0;
    virtual void MemoryRecall() = 0;
    /// Raises EMathError "Invalid Value" for an infinity or NaN.
    virtual void SetMemory(Extended value) = 0;
    virtual QString GetMemoryContents() const = 0;
    virtual Extended GetMemoryValue() const = 0;

    virtual void SetAngleMode(TOrvAngleMode mode) = 0;
    virtual TOrvAngleMode GetAngleMode() const = 0;
    virtual void ToggleAngleMode() = 0;
    virtual QString GetAngleModeStr() const = 0;
    virtual void SetEnableGrads(bool value) = 0;
    virtual bool GetEnableGrads() const = 0;

    virtual void SetDecimalPlaces(uint8_t value) = 0;
    virtual uint8_t GetDecimalPlaces() const = 0;
    virtual void SetBinaryPercent(bool value) = 0;
    virtual bool GetBinaryPercent() const = 0;
    virtual void SetThousandsSeparators(bool value) = 0;
    virtual bool GetThousandsSeparators() const = 0;
    virtual void SetLakhFormatting(bool value) = 0;
    virtual bool GetLakhFormatting() const = 0;
    virtual void SetTrimTrailingZeroes(bool value) = 0;
    virtual bool GetTrimTrailingZeroes() const = 0;
    virtual void SetPrefixFunctions(bool value) = 0;
    virtual bool GetPrefixFunctions() const = 0;
    virtual void SetPrecedence(bool value) = 0;
    virtual bool GetPrecedence() const = 0;
    virtual void SetMemoryHistory(bool value) = 0;
    virtual bool GetMemoryHistory() const = 0;
    virtual void SetOperatorSameLine(bool value) = 0;
    virtual bool GetOperatorSameLine() const = 0;
    virtual void SetSciMax(Extended value) = 0;
    virtual Extended GetSciMax() const = 0;
    virtual void SetSciMin(Extended value) = 0;
    virtual Extended GetSciMin() const = 0;
    virtual void SetSciRange(bool value) = 0;
    virtual bool GetSciRange() const = 0;
    virtual void SetSciUsage(bool value) = 0;
    virtual bool GetSciUsage() const = 0;
    virtual void SetMaxDisplayLength(uint8_t value) = 0;

    virtual void ClearHistory() = 0;
    virtual void HistoryStart() = 0;
    /// The line after the read position (which advances), or empty text at the end.
    virtual QString GetNextHistoryEntry() = 0;
    /// Raises std::out_of_range for an index at or past `GetHistoryLength`.
    virtual QString GetHistoryEntry(uint16_t index) const = 0;
    /// Raises std::out_of_range when the history is empty.
    virtual QString GetLastHistoryEntry() const = 0;
    virtual int32_t GetHistoryLength() const = 0;
    virtual int32_t GetHistoryPosition() const = 0;
    virtual void SetHistoryPosition(int32_t position) = 0;
    virtual void PaperLine() = 0;

    virtual uint8_t GetMaxDisplayLength() const = 0;
    virtual bool GetIsHyp() const = 0;
    virtual bool GetIsInv() const = 0;

    virtual TOrvCalcNotifyEvent GetOnClearToggles() const = 0;
    virtual void SetOnClearToggles(TOrvCalcNotifyEvent event) = 0;
    virtual TOrvCalcNotifyEvent GetOnSetToggles() const = 0;
    virtual void SetOnSetToggles(TOrvCalcNotifyEvent event) = 0;
    virtual TOrvCalcNotifyEvent GetOnHistoryChange() const = 0;
    virtual void SetOnHistoryChange(TOrvCalcNotifyEvent event) = 0;
    virtual TOrvCalcNotifyEvent GetOnDisplayChange() const = 0;
    virtual void SetOnDisplayChange(TOrvCalcNotifyEvent event) = 0;
    virtual TOrvCalcNotifyEvent GetOnError() const = 0;
    virtual void SetOnError(TOrvCalcNotifyEvent event) = 0;
    virtual TOrvCalcNotifyEvent GetOnMemoryChange() const = 0;
    virtual void SetOnMemoryChange(TOrvCalcNotifyEvent event) = 0;
    virtual TOrvCalcNotifyEvent GetOnDecimalPlacesChange() const = 0;
    virtual void SetOnDecimalPlacesChange(TOrvCalcNotifyEvent event) = 0;
    virtual TOrvCalcNotifyEvent GetOnAngleModeChange() const = 0;
    virtual void SetOnAngleModeChange(TOrvCalcNotifyEvent event) = 0;
};

/// The engine. Building one costs no allocation: the stacks hold their first ten
/// entries in place and the texts start empty or static.
class TOrvCalcEngine final : public IOrvCalcEngine {
public:
    TOrvCalcEngine();
    TOrvCalcEngine(const TOrvCalcEngine&) = delete;
    TOrvCalcEngine& operator=(const TOrvCalcEngine&) = delete;

    // Events, fired when assigned. OnHistoryChange fires for every line appended (not
    // for an operator that is only held for the next line).
    TOrvCalcNotifyEvent OnClearToggles;
    TOrvCalcNotifyEvent OnSetToggles;
    TOrvCalcNotifyEvent OnHistoryChange;
    TOrvCalcNotifyEvent OnDisplayChange;
    TOrvCalcNotifyEvent OnError;
    TOrvCalcNotifyEvent OnMemoryChange;
    TOrvCalcNotifyEvent OnDecimalPlacesChange;
    TOrvCalcNotifyEvent OnAngleModeChange;

    /// Where `InputRandom` takes its fresh seed from; unset means the clock. Tests set
    /// a fixed source to get a reproducible sequence.
    void SetRandomSeedSource(std::function<uint64_t()> source) { fRandomSeedSource = std::move(source); }

    QString GetDisplayStr() const override { return DisplayText(); }
    Extended GetDisplayValue() override;
    QString GetLastError() const override { return fLastError; }

    void InputString(const QString& text) override;
    void InputValue(Extended value) override;
    void InputDigit(TOrvZeroToNine digit) override;
    void InputDecimalSeparator() override;
    void InputThousandsSeparator() override;
    void InputBackspace() override;
    void DoExp() override;
    void InputPi() override;
    void InputNaturalConstant() override;
    void InputGamma() override;
    void InputGoldenRatio() override;
    void InputSpeedOfLight() override;
    void InputGravity() override;
    void InputRandom() override;
    void InputLeftBracket() override;
    void InputRightBracket() override;
    void DoResult() override;
    void DoEquals() override;
    void DoAdd() override { DoOperator(u'+'); }
    void DoSubtract() override { DoOperator(u'-'); }
    void DoMultiply() override { DoOperator(u'*'); }
    void DoDivide() override { DoOperator(u'/'); }
    void DoRemainder() override { DoOperator(u'&'); }
    void DoModulus() override { DoOperator(u'#'); }
    void DoDiv() override { DoOperator(u'\\'); }
    void DoIntDiv() override { DoOperator(u'|'); }
    void DoPercent() override;
    void DoChangeSign() override;
    void DoInvert() override;
    void DoInv() override;
    void DoHyp() override;
    void DoSquare() override;
    void DoSqRoot() override;
    void DoPower() override;
    void DoLog() override;
    void DoLg2() override;
    void DoLN() override;
    void DoSin() override;
    void DoCos() override;
    void DoTan() override;
    void DoAbs() override;
    void DoFloor() override;
    void DoCeiling() override;
    void DoSign() override;
    void DoRound(int32_t places) override;
    void DoGamma() override;
    void DoLnGamma() override;
    void AllClear() override;
    void ClearDisplay() override;

    void MemoryClear() override;
    void MemoryAdd() override;
    void MemorySubtract() override;
    void MemoryRecall() override;
    void SetMemory(Extended value) override;
    QString GetMemoryContents() const override { return FormatValue(fMemory); }
    Extended GetMemoryValue() const override { return fMemory; }

    void SetAngleMode(TOrvAngleMode mode) override;
    TOrvAngleMode GetAngleMode() const override { return fAngleMode; }
    void ToggleAngleMode() override;
    QString GetAngleModeStr() const override;
    void SetEnableGrads(bool value) override { fEnableGrads = value; }
    bool GetEnableGrads() const override { return fEnableGrads; }

    void SetDecimalPlaces(uint8_t value) override;
    uint8_t GetDecimalPlaces() const override { return fDecimals; }
    void SetBinaryPercent(bool value) override { fBinaryPercent = value; }
    bool GetBinaryPercent() const override { return fBinaryPercent; }
    void SetThousandsSeparators(bool value) override { WriteOut(); fThouSep = value; }
    bool GetThousandsSeparators() const override { return fThouSep; }
    void SetLakhFormatting(bool value) override { WriteOut(); fLakhFormatting = value; }
    bool GetLakhFormatting() const override { return fLakhFormatting; }
    void SetTrimTrailingZeroes(bool value) override { WriteOut(); fTrimTrailingZeroes = value; }
    bool GetTrimTrailingZeroes() const override { return fTrimTrailingZeroes; }
    void SetPrefixFunctions(bool value) override { fPrefixFunctions = value; }
    bool GetPrefixFunctions() const override { return fPrefixFunctions; }
    void SetPrecedence(bool value) override { fPrecedence = value; }
    bool GetPrecedence() const override { return fPrecedence; }
    void SetMemoryHistory(bool value) override { fMemoryHistory = value; }
    bool GetMemoryHistory() const override { return fMemoryHistory; }
    void SetOperatorSameLine(bool value) override { fOperatorSameLine = value; }
    bool GetOperatorSameLine() const override { return fOperatorSameLine; }
    void SetSciMax(Extended value) override { WriteOut(); fSciMax = value; }
    Extended GetSciMax() const override { return fSciMax; }
    void SetSciMin(Extended value) override { WriteOut(); fSciMin = value; }
    Extended GetSciMin() const override { return fSciMin; }
    void SetSciRange(bool value) override { WriteOut(); fSciRange = value; }
    bool GetSciRange() const override { return fSciRange; }
    void SetSciUsage(bool value) override { WriteOut(); fSciUsage = value; }
    bool GetSciUsage() const override { return fSciUsage; }
    void SetMaxDisplayLength(uint8_t value) override { WriteOut(); fMaxCharLen = value; }

    void ClearHistory() override;
    void HistoryStart() override { fLastHistoryAccess = -1; }
    QString GetNextHistoryEntry() override;
    QString GetHistoryEntry(uint16_t index) const override;
    QString GetLastHistoryEntry() const override;
    int32_t GetHistoryLength() const override { return static_cast<int32_t>(fHistoryStack.size()); }
    int32_t GetHistoryPosition() const override { return fLastHistoryAccess; }
    void SetHistoryPosition(int32_t position) override { fLastHistoryAccess = position; }
    void PaperLine() override;

    uint8_t GetMaxDisplayLength() const override { return fMaxCharLen; }
    bool GetIsHyp() const override { return fHyp; }
    bool GetIsInv() const override { return fInv; }

    TOrvCalcNotifyEvent GetOnClearToggles() const override { return OnClearToggles; }
    void SetOnClearToggles(TOrvCalcNotifyEvent event) override { OnClearToggles = std::move(event); }
    TOrvCalcNotifyEvent GetOnSetToggles() const override { return OnSetToggles; }
    void SetOnSetToggles(TOrvCalcNotifyEvent event) override { OnSetToggles = std::move(event); }
    TOrvCalcNotifyEvent GetOnHistoryChange() const override { return OnHistoryChange; }
    void SetOnHistoryChange(TOrvCalcNotifyEvent event) override { OnHistoryChange = std::move(event); }
    TOrvCalcNotifyEvent GetOnDisplayChange() const override { return OnDisplayChange; }
    void SetOnDisplayChange(TOrvCalcNotifyEvent event) override { OnDisplayChange = std::move(event); }
    TOrvCalcNotifyEvent GetOnError() const override { return OnError; }
    void SetOnError(TOrvCalcNotifyEvent event) override { OnError = std::move(event); }
    TOrvCalcNotifyEvent GetOnMemoryChange() const override { return OnMemoryChange; }
    void SetOnMemoryChange(TOrvCalcNotifyEvent event) override { OnMemoryChange = std::move(event); }
    TOrvCalcNotifyEvent GetOnDecimalPlacesChange() const override { return OnDecimalPlacesChange; }
    void SetOnDecimalPlacesChange(TOrvCalcNotifyEvent event) override { OnDecimalPlacesChange = std::move(event); }
    TOrvCalcNotifyEvent GetOnAngleModeChange() const override { return OnAngleModeChange; }
    void SetOnAngleModeChange(TOrvCalcNotifyEvent event) override { OnAngleModeChange = std::move(event); }

private:
    // Entry, operators, display and history (OrvkitCalcEngine.cpp).
    static QString ErrorMessage(const std::exception& error);
    /// x, or the unit's invalid-operation or overflow error for a NaN or infinity.
    static Extended Finite(Extended x);
    /// Runs one computation as the 80-bit unit with its errors unmasked would: a
    /// flag it sets, or a result that is not finite, raises.
    template <typename F>
    static Extended Computed(F&& compute)
    {
        const TOrvFpuCheck fpu;
        const Extended r = compute();
        fpu.Check();
        return Finite(r);
    }
    /// The text, translated on its first use by this engine: an engine lives for one
    /// calculation, and a text it writes many times is looked up once.
    const QString& Text(TOrvCalcText text) const;
    void Fire(const TOrvCalcNotifyEvent& event);
    void ClearToggles();
    /// `isError`: the text is the error display, which ends the calculation's tape.
    void SetDisplay(const QString& text, bool isError = false);
    /// Shows a number; it is formatted when the display is first read.
    void SetDisplayValue(Extended x);
    /// The display's text, written out now if it is still a number or ungrouped.
    const QString& DisplayText() const;
    /// The text as the display shows it: grouped when thousands separators are on.
    QString ForDisplay(const QString& text) const;
    QString FormatValue(Extended x) const;
    /// Writes out the display and every tape line with the settings now in force: done
    /// before a setting that changes how numbers look.
    void WriteOut() const;
    const QString& HistoryText(size_t index) const;
    /// Shows the top operand, or "0" on an empty stack.
    void ShowTopOperand();
    /// The entry's value; raises when it reads as an infinity.
    Extended EntryValue() const;
    /// Pushes the entry, if any, and writes it to the history.
    void PushEntry();
    void AppendToEntry(char16_t ch);
    void InputConstant(Extended x);
    /// Whether a "+" or "-" now is the sign of the number about to be typed.
    bool ExpectsSign() const;
    void DoOperator(char16_t op);
    bool BindsTighter(char16_t newOp, char16_t topOp) const;
    void ReduceTop();
    void ReduceBinary(char16_t op);
    void AddLine(TOrvCalcTapeLine line);
    void AddHistory(const QString& text, bool isOperator);
    void AddHistory(TOrvCalcText word, bool isOperator);
    /// `displayed`: the number as the display shows it.
    void AddHistoryValue(Extended x, bool displayed = false);
    /// Writes what the display shows to the history.
    void AddHistoryDisplay();
    /// `preLine` is written to the history just before the error line.
    void ReportError(const std::exception& error, const QString& preLine = QString());

    // Functions (OrvkitCalcEngineFunctions.cpp).
    /// The codes of a function key: plain, Inverse, Hyperbolic, both.
    using TFunctionKey = std::array<char16_t, 4>;
    static bool IsFunctionCode(char16_t code);
    char16_t SelectCode(const TFunctionKey& key) const;
    /// Computes the function of a code on x, angle conversion included, then clears
    /// the toggles; raises on errors of the floating-point unit.
    Extended ComputeFunction(char16_t code, Extended x);
    /// Prefix mode: pushes the function code and shows the operand it will act on.
    void PushFunction(char16_t code, bool clearToggles);
    /// Postfix argument: the entry's value (written to the history), else the top
    /// operand, which stays; false with x = 0 when there is neither.
    bool TakeArgument(Extended& x);
    void ShowResult(Extended r);
    void DoFunctionA(const TFunctionKey& key);
    void DoFunctionB(char16_t code);
    void ApplyMemory(Extended sign, TOrvCalcText historyWord);
    void AddFunctionHistory(char16_t code);
    void AddMemoryLine();

    QString fValue;
    enum TDisplayForm : uint8_t { dfWritten, dfUngrouped, dfValue };
    mutable QString fDisplayValue;
    mutable TDisplayForm fDisplayForm = dfWritten;
    Extended fDisplayNumber = 0;
    bool fDisplayIsError = false;
    QString fLastError;
    char16_t fLastCh = u' ';
    TOrvAngleMode fAngleMode = amRadians;
    bool fInv = false;
    bool fHyp = false;
    Extended fMemory = 0;
    TOrvCalcStack<Extended> fOperands;
    TOrvCalcStack<char16_t> fOperators;
    bool fSciUsage = false;
    bool fSciRange = false;
    Extended fSciMin = 0.0001L;
    Extended fSciMax = 1000000.0L;
    uint8_t fDecimals = 4;
    bool fThouSep = true;
    bool fBinaryPercent = true;
    bool fLakhFormatting = false;
    bool fPrefixFunctions = false;
    bool fPrecedence = true;
    bool fMemoryHistory = false;
    bool fTrimTrailingZeroes = false;
    std::vector<TOrvCalcTapeLine> fHistoryStack;
    mutable size_t fUnwrittenFrom = 0; // the lines before it are written out
    int32_t fLastHistoryAccess = -1;
    uint8_t fMaxCharLen = 26;
    bool fEnableGrads = false;
    QString fHistoryHold;
    bool fOperatorSameLine = false;
    uint64_t fRandomState = 0;
    std::function<uint64_t()> fRandomSeedSource;
    // Made on the first text used, so that building an engine stays free of the heap.
    mutable std::unique_ptr<std::array<QString, kCalcTextCount>> fTexts;
};

} // namespace orv
