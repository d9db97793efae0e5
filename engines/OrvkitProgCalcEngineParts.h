#pragma once

// Shared by the source files of the programmer's engine; not part of its interface.

#include <orvkit/engines/OrvkitProgCalcEngine.h>

#include <orvkit/core/OrvkitExceptions.h>

#include <QChar>
#include <QString>
#include <exception>

namespace orv {

namespace progcalc {

enum TProgText {
    ptBin, ptDec, ptHex, ptOct,
    pt8Bits, pt16Bits, pt32Bits, pt64Bits,
    ptNoSpacing, ptByteSpacing, ptWordSpacing, ptDWordSpacing,
    ptClear, ptTruncate, ptExtend,
    ptMod, ptAnd, ptOr, ptXor, ptNand, ptNor, ptXnor, ptNot, ptNeg,
    ptShl, ptShr, ptRol, ptRor,
};

QString Text(TProgText id);
/// The name of an enumeration value, from the run of texts that starts at `first`.
QString NameText(TProgText first, int value);
QString BaseName(TOrvBaseDisplay base);
QString BitSizeName(TOrvBitSize size);

/// A digit of the base; decimal also takes the signs "+" and "-".
bool IsValidEntryChar(QChar ch, TOrvBaseDisplay base);

} // namespace progcalc

/// Runs an operation under the common error reaction.
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

} // namespace orv
