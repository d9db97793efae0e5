#pragma once

#include <orvkit/core/OrvkitGlobals.h>

#include <QColor>
#include <QPalette>

namespace orv {

// System colours: 0xFF000000 plus the system colour index, resolved through a palette.
inline constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);
inline constexpr TColor clScrollBar = clSystemColor | 0;
inline constexpr TColor clBackground = clSystemColor | 1;
inline constexpr TColor clActiveCaption = clSystemColor | 2;
inline constexpr TColor clInactiveCaption = clSystemColor | 3;
inline constexpr TColor clMenu = clSystemColor | 4;
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowFrame = clSystemColor | 6;
inline constexpr TColor clMenuText = clSystemColor | 7;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clCaptionText = clSystemColor | 9;
inline constexpr TColor clActiveBorder = clSystemColor | 10;
inline constexpr TColor clInactiveBorder = clSystemColor | 11;
inline constexpr TColor clAppWorkSpace = clSystemColor | 12;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clHighlightText = clSystemColor | 14;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBtnShadow = clSystemColor | 16;
inline constexpr TColor clGrayText = clSystemColor | 17;
inline constexpr TColor clBtnText = clSystemColor | 18;
inline constexpr TColor clInactiveCaptionText = clSystemColor | 19;
inline constexpr TColor clBtnHighlight = clSystemColor | 20;
inline constexpr TColor cl3DDkShadow = clSystemColor | 21;
inline constexpr TColor cl3DLight = clSystemColor | 22;
inline constexpr TColor clInfoText = clSystemColor | 23;
inline constexpr TColor clInfoBk = clSystemColor | 24;
inline constexpr TColor clHotLight = clSystemColor | 26;
inline constexpr TColor clGradientActiveCaption = clSystemColor | 27;
inline constexpr TColor clGradientInactiveCaption = clSystemColor | 28;
inline constexpr TColor clMenuHighlight = clSystemColor | 29;
inline constexpr TColor clMenuBar = clSystemColor | 30;

/// No colour for the state; the colour sets fall back as their rules say.
inline constexpr TColor clNone = 0x1FFFFFFF;
/// The property's own default; the colour sets say which.
inline constexpr TColor clDefault = 0x20000000;

// A few plain colours, 0x00BBGGRR.
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clWhite = 0xFFFFFF;

bool IsSystemColor(TColor color);

/// The palette entry that stands for a system colour index (clWindow is the base of an
/// edit, clBtnFace the button face ...). An index without an entry gives black.
QColor SystemColor(int index, const QPalette& palette);

/// The colour a value paints: system colours through the palette, plain colours as
/// they are (bits 24-31 other than a system colour's are ignored); clNone and clDefault,
/// which have no colour of their own, paint transparent.
QColor ColorToQColor(TColor color, const QPalette& palette);
/// The same as a plain 0x00BBGGRR value; clNone and clDefault stay as they are.
TColor ColorToRGB(TColor color, const QPalette& palette);

/// The plain colour value of an RGB colour (alpha dropped).
TColor QColorToColor(const QColor& color);

/// The contrast of two colours as the accessibility guidelines measure it, 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);
/// `text` itself when it has at least `ratio` against `background`, else the colour
/// nearest to it, towards black or white, that has (or comes closest when none can).
QColor ReadableOn(const QColor& text, const QColor& background, double ratio);

} // namespace orv
