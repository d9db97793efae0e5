// The programmer's engine: typing a number and entering whole values.
#include <orvkit/engines/OrvkitProgCalcEngine.h>

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/engines/OrvkitProgCalcEngineParts.h>

namespace orv {

using namespace progcalc;

namespace {

constexpr int kDecimalEntryLimit = 20;

} // namespace

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

} // namespace orv
