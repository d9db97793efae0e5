#pragma once

#include <orvkit/core/OrvkitGlobals.h>

#include <QChar>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

namespace orv {

using TOrvInt64Vector = std::vector<int64_t>;

class IOrvProgCalcEngine;
/// A notification with the engine as sender.
using TOrvProgCalcEvent = std::function<void(IOrvProgCalcEngine* sender)>;

/// The programmer's calculator: signed 64-bit integers viewed at 8, 16, 32 or 64 bits and
/// shown in binary, decimal, hexadecimal or octal. The calculator window holds it through
/// this interface (a std::shared_ptr stands for the reference count).
///
/// Stored values are never cut to the word size; operands are read at the word size when an
/// operator is reduced. Errors inside the operators, completion, whole-value input, shifts and
/// rotations end in the common error reaction (display "Error!", GetLastError, OnError);
/// DoNeg, DoNot, InputRightBracket, digit entry and the base, size and spacing changes let a
/// conversion error reach the caller. A base, size, spacing or size change rule outside its
/// enumeration throws std::invalid_argument.
class IOrvProgCalcEngine {
public:
    virtual ~IOrvProgCalcEngine() = default;

    /// The display text with spaces regrouped by the current spacing ("Error!" as it is).
    virtual QString GetDisplayStr() = 0;
    /// The entry's value (its low word-size bits), else the top operand, else 0.
    virtual int64_t GetDisplayValue() = 0;
    /// The entry's digits at the word size, else the top operand's full 64-bit digits,
    /// else empty; grouped by the current spacing.
    virtual QString GetDisplayValueHex() = 0;
    virtual QString GetDisplayValueOct() = 0;
    virtual QString GetDisplayValueBin() = 0;
    virtual QString GetLastError() = 0;

    /// Pushes a whole number written in the current base; display and history stay.
    virtual void InputString(const QString& text) = 0;
    /// Shows and pushes a whole value and writes it to the history.
    virtual void InputValue(int64_t value) = 0;
    /// Types one digit of the current base (decimal also takes "+" and "-"); others are ignored.
    virtual void InputDigit(QChar ch) = 0;
    virtual void InputBackspace() = 0;
    virtual void InputLeftBracket() = 0;
    virtual void InputRightBracket() = 0;
    /// Completes the calculation without writing "=" to the history.
    virtual void DoResult() = 0;
    virtual void DoEquals() = 0;

    virtual void DoAdd() = 0;
    virtual void DoSubtract() = 0;
    virtual void DoMultiply() = 0;
    virtual void DoDivide() = 0;
    virtual void DoMod() = 0;
    virtual void DoAnd() = 0;
    virtual void DoOr() = 0;
    virtual void DoXor() = 0;
    virtual void DoXnor() = 0;
    virtual void DoNor() = 0;
    virtual void DoNand() = 0;
    virtual void DoNeg() = 0;
    /// Prefix mode (the default) waits for the argument; otherwise acts on the displayed value.
    virtual void DoNot() = 0;
    /// Counts below 1 act as 1 and above 64 as 64.
    virtual void DoShl(int32_t bits) = 0;
    virtual void DoShr(int32_t bits) = 0;
    /// Counts beyond the word size rotate by the count modulo the word size.
    virtual void DoRol(int32_t bits) = 0;
    virtual void DoRor(int32_t bits) = 0;

    /// Completes the calculation (unless an operator waits), converts the display into the
    /// new base as the entry and writes the base to the history; decimal forces 64 bits.
    virtual void SetBaseDisplay(TOrvBaseDisplay mode) = 0;
    /// The same without events, history or the 64-bit rule.
    virtual void SetBaseDisplay2(TOrvBaseDisplay mode) = 0;
    virtual TOrvBaseDisplay GetBaseDisplay() = 0;
    virtual QString GetBaseDisplayStr() = 0;
    /// Changes the word size by the size change rule, then completes the calculation (or,
    /// while an operator waits for its right operand, shows the top operand at the new size).
    virtual void SetBitSize(TOrvBitSize mode) = 0;
    /// The same without events, history or the size change rule.
    virtual void SetBitSize2(TOrvBitSize mode) = 0;
    virtual TOrvBitSize GetBitSize() = 0;
    virtual QString GetBitSizeStr() = 0;
    virtual void SetSpacing(TOrvProgSpacing mode) = 0;
    virtual TOrvProgSpacing GetSpacing() = 0;
    virtual QString GetSpacingStr() = 0;
    /// Only stores the rule; no event fires.
    virtual void SetSizeChange(TOrvProgSizeChange mode) = 0;
    virtual TOrvProgSizeChange GetSizeChange() = 0;
    virtual QString GetSizeChangeStr() = 0;

    /// Clears stacks, entry, error and history; memory and settings stay.
    virtual void AllClear() = 0;
    /// Clears the entry only.
    virtual void ClearDisplay() = 0;

    virtual void MemoryClear() = 0;
    virtual void MemoryAdd() = 0;
    virtual void MemorySubtract() = 0;
    virtual void MemoryRecall() = 0;
    virtual void SetMemory(int64_t value) = 0;
    virtual QString GetMemoryContents() = 0;
    virtual int64_t GetMemoryValue() = 0;

    virtual void SetPrefixFunctions(bool value) = 0;
    virtual bool GetPrefixFunctions() = 0;
    virtual void SetPrecedence(bool value) = 0;
    virtual bool GetPrecedence() = 0;
    virtual void SetMemoryHistory(bool value) = 0;
    virtual bool GetMemoryHistory() = 0;

    virtual void ClearHistory() = 0;
    virtual void HistoryStart() = 0;
    /// The line after the read position, advancing it; empty text after the last line.
    virtual QString GetNextHistoryEntry() = 0;
    /// The line at `index`, a value line regrouped by the current spacing, a word as written.
    /// Throws std::out_of_range when there is no such line.
    virtual QString GetHistoryEntry(uint16_t index) = 0;
    /// The newest line, value lines regrouped. Throws std::out_of_range on an empty history.
    virtual QString GetLastHistoryEntry() = 0;
    virtual int32_t GetHistoryLength() = 0;
    virtual int32_t GetHistoryPosition() = 0;
    virtual void SetHistoryPosition(int32_t position) = 0;
    virtual void PaperLine() = 0;
    virtual uint8_t GetMaxDisplayLength() = 0;
    virtual void SetMaxDisplayLength(uint8_t length) = 0;

    virtual TOrvProgCalcEvent GetOnHistoryChange() = 0;
    virtual void SetOnHistoryChange(TOrvProgCalcEvent event) = 0;
    virtual TOrvProgCalcEvent GetOnDisplayChange() = 0;
    virtual void SetOnDisplayChange(TOrvProgCalcEvent event) = 0;
    virtual TOrvProgCalcEvent GetOnError() = 0;
    virtual void SetOnError(TOrvProgCalcEvent event) = 0;
    virtual TOrvProgCalcEvent GetOnMemoryChange() = 0;
    virtual void SetOnMemoryChange(TOrvProgCalcEvent event) = 0;
    virtual TOrvProgCalcEvent GetOnBaseDisplayChange() = 0;
    virtual void SetOnBaseDisplayChange(TOrvProgCalcEvent event) = 0;
    virtual TOrvProgCalcEvent GetOnBitSizeChange() = 0;
    virtual void SetOnBitSizeChange(TOrvProgCalcEvent event) = 0;
    virtual TOrvProgCalcEvent GetOnSpacingChange() = 0;
    virtual void SetOnSpacingChange(TOrvProgCalcEvent event) = 0;
    /// Kept for the window's settings; the engine never fires it.
    virtual TOrvProgCalcEvent GetOnSizeChangeChange() = 0;
    virtual void SetOnSizeChangeChange(TOrvProgCalcEvent event) = 0;
};

class TOrvProgCalcEngine final : public IOrvProgCalcEngine {
public:
    /// Hexadecimal, 64 bits, no spacing, clear on size change, prefix NOT, precedence on.
    /// Owners call AllClear before showing the display.
    TOrvProgCalcEngine();

    QString GetDisplayStr() override;
    int64_t GetDisplayValue() override;
    QString GetDisplayValueHex() override;
    QString GetDisplayValueOct() override;
    QString GetDisplayValueBin() override;
    QString GetLastError() override { return fLastError; }

    void InputString(const QString& text) override;
    void InputValue(int64_t value) override;
    void InputDigit(QChar ch) override;
    void InputBackspace() override;
    void InputLeftBracket() override;
    void InputRightBracket() override;
    void DoResult() override;
    void DoEquals() override;

    void DoAdd() override { DoOperator(u'+'); }
    void DoSubtract() override { DoOperator(u'-'); }
    void DoMultiply() override { DoOperator(u'*'); }
    void DoDivide() override { DoOperator(u'/'); }
    void DoMod() override { DoOperator(u'%'); }
    void DoAnd() override { DoOperator(u'&'); }
    void DoOr() override { DoOperator(u'|'); }
    void DoXor() override { DoOperator(u'^'); }
    void DoXnor() override { DoOperator(u'!'); }
    void DoNor() override { DoOperator(u'?'); }
    void DoNand() override { DoOperator(u'#'); }
    void DoNeg() override;
    void DoNot() override;
    void DoShl(int32_t bits) override;
    void DoShr(int32_t bits) override;
    void DoRol(int32_t bits) override;
    void DoRor(int32_t bits) override;

    void SetBaseDisplay(TOrvBaseDisplay mode) override;
    void SetBaseDisplay2(TOrvBaseDisplay mode) override;
    TOrvBaseDisplay GetBaseDisplay() override { return fBaseDisplay; }
    QString GetBaseDisplayStr() override;
    void SetBitSize(TOrvBitSize mode) override;
    void SetBitSize2(TOrvBitSize mode) override;
    TOrvBitSize GetBitSize() override { return fBitSize; }
    QString GetBitSizeStr() override;
    void SetSpacing(TOrvProgSpacing mode) override;
    TOrvProgSpacing GetSpacing() override { return fSpacing; }
    QString GetSpacingStr() override;
    void SetSizeChange(TOrvProgSizeChange mode) override;
    TOrvProgSizeChange GetSizeChange() override { return fSizeChange; }
    QString GetSizeChangeStr() override;

    void AllClear() override;
    void ClearDisplay() override;

    void MemoryClear() override;
    void MemoryAdd() override { MemoryAccumulate(+1); }
    void MemorySubtract() override { MemoryAccumulate(-1); }
    void MemoryRecall() override;
    void SetMemory(int64_t value) override;
    QString GetMemoryContents() override { return FormatInBase(fMemory); }
    int64_t GetMemoryValue() override { return fMemory; }

    void SetPrefixFunctions(bool value) override { fPrefixFunctions = value; }
    bool GetPrefixFunctions() override { return fPrefixFunctions; }
    void SetPrecedence(bool value) override { fPrecedence = value; }
    bool GetPrecedence() override { return fPrecedence; }
    void SetMemoryHistory(bool value) override { fMemoryHistory = value; }
    bool GetMemoryHistory() override { return fMemoryHistory; }

    void ClearHistory() override;
    void HistoryStart() override { fLastHistoryAccess = -1; }
    QString GetNextHistoryEntry() override;
    QString GetHistoryEntry(uint16_t index) override;
    QString GetLastHistoryEntry() override;
    int32_t GetHistoryLength() override { return static_cast<int32_t>(fHistoryStack.size()); }
    int32_t GetHistoryPosition() override { return fLastHistoryAccess; }
    void SetHistoryPosition(int32_t position) override { fLastHistoryAccess = position; }
    void PaperLine() override;
    uint8_t GetMaxDisplayLength() override { return fMaxCharLen; }
    void SetMaxDisplayLength(uint8_t length) override { fMaxCharLen = length; }

    TOrvProgCalcEvent GetOnHistoryChange() override { return fOnHistory; }
    void SetOnHistoryChange(TOrvProgCalcEvent event) override { fOnHistory = std::move(event); }
    TOrvProgCalcEvent GetOnDisplayChange() override { return fOnDisplay; }
    void SetOnDisplayChange(TOrvProgCalcEvent event) override { fOnDisplay = std::move(event); }
    TOrvProgCalcEvent GetOnError() override { return fOnError; }
    void SetOnError(TOrvProgCalcEvent event) override { fOnError = std::move(event); }
    TOrvProgCalcEvent GetOnMemoryChange() override { return fOnMemoryChange; }
    void SetOnMemoryChange(TOrvProgCalcEvent event) override { fOnMemoryChange = std::move(event); }
    TOrvProgCalcEvent GetOnBaseDisplayChange() override { return fOnBaseDisplayChange; }
    void SetOnBaseDisplayChange(TOrvProgCalcEvent event) override { fOnBaseDisplayChange = std::move(event); }
    TOrvProgCalcEvent GetOnBitSizeChange() override { return fOnBitSizeChange; }
    void SetOnBitSizeChange(TOrvProgCalcEvent event) override { fOnBitSizeChange = std::move(event); }
    TOrvProgCalcEvent GetOnSpacingChange() override { return fOnSpacingChange; }
    void SetOnSpacingChange(TOrvProgCalcEvent event) override { fOnSpacingChange = std::move(event); }
    TOrvProgCalcEvent GetOnSizeChangeChange() override { return fOnSizeChangeChange; }
    void SetOnSizeChangeChange(TOrvProgCalcEvent event) override { fOnSizeChangeChange = std::move(event); }

private:
    // Display and digit texts.
    int WordBits() const;
    int DigitWidth(TOrvBaseDisplay base) const;
    QString Grouped(const QString& digits, TOrvBaseDisplay base) const;
    QString DigitsInBase(int64_t value) const;
    QString FormatInBase(int64_t value) const;
    QString StoredDigits() const;
    void StoreDigits(const QString& hex);
    void SetDisplay(const QString& text);
    void ShowZero();
    void ShowValue(int64_t value);
    void ShowTopOrZero();
    QString DisplayValueDigits(TOrvBaseDisplay kind);
    QString EntryToHex(const QString& entry) const;
    QString ConvertEntry(const QString& text, TOrvBaseDisplay target) const;
    void ParseEntry();
    void SetValue(int64_t value);
    void ExtendSign();

    // Entry.
    bool AppendToEntry(QChar ch);
    void PushEntry();

    // Stacks and operators.
    void PushOperand(int64_t value);
    void PushOperator(QChar op);
    void DoOperator(QChar op);
    bool BindsTighter(QChar incoming, QChar top) const;
    void LoadOperands();
    int64_t OperandA() const;
    int64_t OperandB() const;
    void ReduceTop();
    void ReduceTopUnguarded();
    bool OperandAwaited() const;
    void CompleteUnlessPending();
    bool TakeDisplayInBase(TOrvBaseDisplay mode);
    template <typename Compute>
    void UnaryOperation(const QString& history, bool guarded, Compute compute);
    void ShiftOrRotate(const QString& name, int32_t bits, int64_t (*op)(int64_t value, int bits, int count));

    // Memory and history.
    void MemoryAccumulate(int sign);
    void AddMemoryLine();
    void AddHistory(const QString& text);
    void AddHistoryValue(int64_t value);
    QString RegroupedHistoryLine(const QString& line) const;

    // Errors.
    template <typename Body>
    void Guarded(Body body);
    void ReportError(const QString& message);
    static void Fire(const TOrvProgCalcEvent& event, IOrvProgCalcEngine* sender);

    int8_t A8 = 0, B8 = 0;
    int16_t A16 = 0, B16 = 0;
    int32_t A32 = 0, B32 = 0;
    int64_t A64 = 0, B64 = 0;
    QString fValue;
    int64_t fValue64 = 0;
    QString fValueHex, fValueOct, fValueBin;
    QString fDisplayValue;
    QString fLastError;
    QChar fLastCh = u' ';
    TOrvBaseDisplay fBaseDisplay = bdHex;
    TOrvBitSize fBitSize = eb64Bits;
    TOrvProgSpacing fSpacing = psNone;
    TOrvProgSizeChange fSizeChange = pscClear;
    int64_t fMemory = 0;
    int32_t fOperandN = -1;
    TOrvInt64Vector fOperandStack;
    int32_t fOperatorN = -1;
    std::vector<QChar> fOperatorStack;
    bool fPrefixFunctions = true;
    bool fPrecedence = true;
    bool fMemoryHistory = false;
    QStringList fHistoryStack;
    int32_t fLastHistoryAccess = -1;
    uint8_t fMaxCharLen = 26;
    TOrvProgCalcEvent fOnHistory, fOnDisplay, fOnError, fOnMemoryChange, fOnBaseDisplayChange,
        fOnBitSizeChange, fOnSpacingChange, fOnSizeChangeChange;
};

} // namespace orv
