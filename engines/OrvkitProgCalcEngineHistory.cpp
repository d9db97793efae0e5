// The programmer's engine: memory and history.
#include <orvkit/engines/OrvkitProgCalcEngine.h>

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/engines/OrvkitCalcEngineTexts.h>
#include <orvkit/engines/OrvkitProgCalcEngineParts.h>

#include <stdexcept>

namespace orv {

using namespace progcalc;

namespace {

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

} // namespace

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
    // The recalled value is the operand an operator waited for, so a following "+" or "-"
    // is an operator, not the sign of a new number.
    fLastCh = u' ';
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
    const QString& line = fHistoryStack.at(index);
    return IsValueLine(line) ? RegroupedHistoryLine(line) : line;
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

} // namespace orv
