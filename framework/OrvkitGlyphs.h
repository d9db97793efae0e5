#pragma once

#include <QPixmap>
#include <QString>
#include <QtCore/qobjectdefs.h>

namespace orv {

inline namespace GlyphEnums {
Q_NAMESPACE

/// Which built-in picture a calculator edit's button shows.
enum TOrvCalcGlyphType { ecgCalcGlyFX, ecgCalc1, ecgCalc2 };
Q_ENUM_NS(TOrvCalcGlyphType)
} // namespace GlyphEnums

/// The name of the built-in glyph of a calculator edit's button.
QString CalcGlyphName(TOrvCalcGlyphType type);

/// A built-in button glyph by name: "UPGLYPH", "DOWNGLYPH" (9 x 7), "CALCGLYFX" (16 x 16),
/// "CALC1GLYPH" (15 x 16), "CALC2GLYPH" (11 x 16), "CALGLYFX" (16 x 16) and "CALGLYPH"
/// (14 x 16). A null pixmap for any other name. The pictures are drawn once and shared.
QPixmap GlyphBitmap(const QString& name);

/// How many images a button glyph holds side by side: its width over its height, at least 1.
int GlyphImageCount(const QPixmap& glyph);

} // namespace orv
