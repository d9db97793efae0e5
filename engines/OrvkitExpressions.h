#pragma once

#include <orvkit/core/OrvkitGlobals.h>

#include <QChar>
#include <QString>

namespace orv {

class IOrvCalcEngine;

// Text expressions evaluated by typing them into a calculator engine: each character
// or name becomes the key the user would press, so precedence, brackets, functions and
// errors behave exactly as on the calculator. Text is trimmed and lower-cased first.
//
// Simple level: numbers, + - * x / ^ @ % mod-type operators (# & \ |), brackets, = and
// the name pi. Any other letter starts a name that can never complete; the rest of the
// text is ignored.
//
// Advanced level: also function names (sin, arccos, sinh, sqrt, log, exp, ln, lg2, abs,
// floor, ceil, sgn, gamma, lngamma ...), the operator names x, mod, rem, div, intdiv,
// the exponent mark e (1.5e3), memory keys (mc, mr, madd, msub) and rnd. Functions come
// before their argument (sin 30, sin(30)). A name ending in a digit is split (sin3 is
// sin 3, 2x3 is 2 * 3) and a name starting with x is a product (2xpi is 2 * pi).
// A number written directly before a function or a bracket is dropped, not multiplied.
// A name means its own function whatever came before it (exp(ln 7) is 7).
//
// Both levels: a sign before pi, a bracket or (advanced) a function, mr or rnd negates
// that operand's value and binds as the sign of a number does: -2^2 is 4, and so are
// -(2)^2 and -sqrt(4)^2.

/// Evaluates the simple level on a fresh engine with immediate percent (200+10% is
/// 220). Never raises: bad text gives the value the engine ends with, 0 after an error.
Extended EvaluateSimpleExpression(const QString& text);

/// The simple level on a caller's engine, with its settings as they are. The engine is
/// cleared first; the result is its display value after the final "=".
Extended RunSimpleExpression(const QString& text, IOrvCalcEngine& engine);

/// Evaluates the advanced level on a fresh engine with immediate percent, memory 0 and
/// the given angle mode. Never raises: an unknown name gives 0, an engine error the
/// value the engine then shows (0 after an error); the message is not reported.
Extended EvaluateExpression(const QString& text, TOrvAngleMode angleMode);

/// The advanced level on a caller's engine. The evaluation runs with its own memory
/// (starting at `memory`), `angleMode` and prefix functions; the engine's memory, angle
/// mode and prefix switch are restored afterwards on every path.
/// `message` is empty after a clean run, "Unknown Function - name" when a name is not
/// known (the result is then 0 and the engine is not driven), otherwise the engine's
/// last error. Engine errors do not stop the run: the remaining keys are still typed.
/// Raises only what the engine lets escape (SetMemory of a NaN or infinity).
Extended RunExpression(const QString& text, IOrvCalcEngine& engine, Extended memory, TOrvAngleMode angleMode,
                       QString& message);

/// Translates advanced-level text into one-character key codes ("2*(3+S4)" and so on).
/// `unknownName` is the first name not in the name table, as it was split; the codes
/// are then empty.
void TokeniseExpression(const QString& text, QString& codes, QString& unknownName);

/// The key code of a name of the advanced level (lower case); for a name not in the
/// table the code is a space and `unknownName` is the name, otherwise it is empty.
void LookupFunctionName(const QString& name, QChar& code, QString& unknownName);

} // namespace orv
