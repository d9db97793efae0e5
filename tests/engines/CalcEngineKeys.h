#pragma once

#include <orvkit/engines/OrvkitCalcEngine.h>

#include <QString>
#include <QStringList>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

/// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace orvtest {

/// Presses keys on an engine as a calculator window would. Spaces are ignored.
///   0-9 digits   .  decimal separator   ,  thousands separator   E  exponent
///   + - * / ^ % ( ) =   ~ change sign   < backspace
///   [name] for the other keys: [sin] [cos] [tan] [log] [ln] [lg2] [sqrt] [x2] [1/x]
///   [abs] [floor] [ceil] [sign] [gamma] [lngamma] [inv] [hyp] [mod] [rem] [div]
///   [intdiv] [AC] [CE] [MC] [M+] [M-] [MR] [pi] [e] [euler] [phi] [c] [g] [rnd]
///   [result] [paper] [angle] [roundN] (N places)
/// An unknown key throws std::invalid_argument.
void Press(orv::IOrvCalcEngine& engine, std::string_view keys);

/// Every key name `Press` knows, single characters included.
const std::vector<std::string>& AllKeys();

/// The history lines, oldest first.
QStringList History(const orv::IOrvCalcEngine& engine);

} // namespace orvtest
