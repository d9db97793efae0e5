// The programmer's engine: its texts, construction and the common error reaction. Display
// and base changes, entry, operators, and memory and history are in the files beside it.
#include <orvkit/engines/OrvkitProgCalcEngine.h>

#include <orvkit/engines/OrvkitCalcEngineTexts.h>
#include <orvkit/engines/OrvkitProgCalcEngineParts.h>

#include <QCoreApplication>
#include <iterator>

namespace orv {

namespace progcalc {

namespace {

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

} // namespace

QString Text(TProgText id)
{
    return QCoreApplication::translate("OrvkitProgCalcEngine", kTexts[id]);
}

QString NameText(TProgText first, int value)
{
    return Text(TProgText(int(first) + value));
}

QString BaseName(TOrvBaseDisplay base) { return NameText(ptBin, base); }
QString BitSizeName(TOrvBitSize size) { return NameText(pt8Bits, size); }

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

} // namespace progcalc

TOrvProgCalcEngine::TOrvProgCalcEngine()
    : fOperandStack(10), fOperatorStack(10, QChar(u' '))
{
    SetValue(0);
    fDisplayValue = FormatInBase(0);
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
