#include <orvkit/framework/OrvkitGlyphs.h>

#include <QPainter>
#include <QPixmapCache>
#include <QPolygon>
#include <algorithm>

namespace orv {

namespace {

const QColor kInk(0, 0, 0);
const QColor kFace(192, 192, 192);
const QColor kScreen(0, 128, 0);
const QColor kKeys(255, 255, 255);
const QColor kHeader(128, 0, 0);

QPixmap Blank(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

/// A filled triangle 9 wide and 5 high, centred in 9 x 7, pointing up or down.
QPixmap Arrow(bool up)
{
    QPixmap pixmap = Blank(9, 7);
    QPainter p(&pixmap);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int row = 0; row < 5; ++row) {
        const int half = up ? row : 4 - row; // the tip row is one pixel wide
        p.drawRect(4 - half, 1 + row, 2 * half + 1, 1);
    }
    return pixmap;
}

/// A pocket calculator: a case, a screen and a grid of keys.
QPixmap Calculator(int width, int height, bool shaded)
{
    QPixmap pixmap = Blank(width, height);
    QPainter p(&pixmap);
    p.setPen(kInk);
    p.setBrush(shaded ? kFace : kKeys);
    p.drawRect(0, 0, width - 1, height - 1);
    p.fillRect(2, 2, width - 4, 4, kScreen);
    const int columns = width >= 14 ? 3 : 2;
    const int keyWidth = (width - 4 - (columns - 1)) / columns;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < columns; ++column)
            p.fillRect(2 + column * (keyWidth + 1), 7 + row * 3, keyWidth, 2, shaded ? kKeys : kInk);
    return pixmap;
}

/// A calendar leaf: a coloured header and a grid of days.
QPixmap Calendar(int width, int height)
{
    QPixmap pixmap = Blank(width, height);
    QPainter p(&pixmap);
    p.setPen(kInk);
    p.setBrush(kKeys);
    p.drawRect(0, 1, width - 1, height - 2);
    p.fillRect(1, 2, width - 2, 3, kHeader);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < (width - 2) / 3; ++column)
            p.fillRect(2 + column * 3, 6 + row * 2 + row / 2, 2, 1, kInk);
    return pixmap;
}

QPixmap Draw(const QString& name)
{
    if (name == u"UPGLYPH")
        return Arrow(true);
    if (name == u"DOWNGLYPH")
        return Arrow(false);
    if (name == u"CALCGLYFX")
        return Calculator(16, 16, true);
    if (name == u"CALC1GLYPH")
        return Calculator(15, 16, false);
    if (name == u"CALC2GLYPH")
        return Calculator(11, 16, false);
    if (name == u"CALGLYFX")
        return Calendar(16, 16);
    if (name == u"CALGLYPH")
        return Calendar(14, 16);
    return QPixmap();
}

} // namespace

QString CalcGlyphName(TOrvCalcGlyphType type)
{
    switch (type) {
    case ecgCalc1: return QStringLiteral("CALC1GLYPH");
    case ecgCalc2: return QStringLiteral("CALC2GLYPH");
    case ecgCalcGlyFX: break;
    }
    return QStringLiteral("CALCGLYFX");
}

QPixmap GlyphBitmap(const QString& name)
{
    const QString key = QStringLiteral("orvkit-glyph-") + name;
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = Draw(name);
    if (!pixmap.isNull())
        QPixmapCache::insert(key, pixmap);
    return pixmap;
}

int GlyphImageCount(const QPixmap& glyph)
{
    if (glyph.isNull() || glyph.height() <= 0)
        return 1;
    return std::max(1, glyph.width() / glyph.height());
}

} // namespace orv
