#pragma once

#include <orvkit/framework/OrvkitColorSets.h>
#include <orvkit/framework/OrvkitDrawing.h>

#include <QPainter>
#include <QPalette>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

namespace orv {

inline namespace ItemDrawingEnums {
Q_NAMESPACE

enum TOrvAlignCaption { eacCaptionLeft, eacCaptionRight };
Q_ENUM_NS(TOrvAlignCaption)
enum TOrvFrameStyle { efsNone, efsSimple, efsRaised, efsSunken, efsRound };
Q_ENUM_NS(TOrvFrameStyle)
enum TOrvCheckStyle { ecsTick, ecsCross };
Q_ENUM_NS(TOrvCheckStyle)
} // namespace ItemDrawingEnums

// Geometry and drawing shared by check boxes, radio buttons and the groups. Rectangles
// are built from edges with the right and bottom edge outside, as the host counts them.

/// The rectangle from `left`, `top` up to (not including) `right`, `bottom`.
QRect EdgeRectOf(int left, int top, int right, int bottom);

/// What places the box (or circle) and the caption of a check box or radio button.
struct TOrvItemGeometry {
    int ClientWidth = 0;
    int ClientHeight = 0;
    /// Side of the box, diameter of the circle.
    int MarkWidth = 12;
    int MarkMargin = 0;
    int CaptionGap = 5;
    /// Frame gap plus border size when the control is framed, else 0.
    int Inset = 0;
    /// The caption stands left of the box (left-aligned or right-to-left reading).
    bool CaptionLeft = false;
    bool WordWrap = false;
};

QRect ItemMarkRect(const TOrvItemGeometry& g);
QRect ItemCaptionRect(const TOrvItemGeometry& g);
/// The focus rectangle round a caption whose text measures `text`.
QRect ItemFocusRect(const TOrvItemGeometry& g, QSize text);
/// Qt text flags of the caption.
int ItemCaptionFlags(const TOrvItemGeometry& g);

/// The frame round a whole check box or radio button.
void DrawControlFrame(QPainter& canvas, const QRect& rect, TOrvFrameStyle style, int borderSize,
                      const QColor& frameColor, const QColor& background, const QPalette& palette);
/// The tick or cross of a checked box.
void DrawCheckMark(QPainter& canvas, const QRect& box, TOrvCheckStyle style, const QColor& color);
/// Text with a raised or sunken shadow (elsNormal: the text only), `flags` as QPainter::drawText takes them.
void DrawStyledText(QPainter& canvas, const QRect& rect, const QString& text, TFontStyles fontStyle,
                    const QColor& color, TOrvLabelStyle style, int flags, const QPalette& palette);

/// What places the items of a radio or check group.
struct TOrvItemLayout {
    int Count = 0;
    int Columns = 1;
    int Width = 0;
    int Height = 0;
    int TextHeight = 0;
    bool HasCaption = false;
    int ItemMargin = 6;
    int TopMargin = 1;
    bool RightToLeft = false;
};

/// One rectangle per item; items fill each column top to bottom. Sizes never go below 0.
std::vector<QRect> LayoutItemRects(const TOrvItemLayout& layout);

} // namespace orv
