#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

class QWidget;

namespace orv {

// The platform services the controls use, each behind one function.

/// Plain text on the clipboard; empty when it holds none.
QString ClipboardText();
void SetClipboardText(const QString& text);

/// The font families of the screen.
QStringList ScreenFontFamilies();
/// The font families of the default printer: the screen's, since Qt prints with the same
/// fonts, or none when there is no default printer.
QStringList PrinterFontFamilies();
bool HasDefaultPrinter();

/// Opens a document or URL in the program the desktop associates with it (browser, mail
/// program ...). Text without a scheme is taken as a web address or, when it names an
/// existing file, as that file. False when nothing could be opened; an empty target
/// opens nothing.
bool ShellOpen(const QString& target);

/// Colour planes times bits per pixel of the primary screen; 0 without a screen.
int ScreenColourBits();
/// Size of the primary screen in pixels; empty without a screen.
QSize ScreenSize();
/// The system beep.
void Beep();

} // namespace orv
