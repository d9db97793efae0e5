#pragma once

#include <orvkit/core/OrvkitGlobals.h>

#include <QFlags>
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>

class QWidget;

namespace orv {

inline namespace FontStyleEnums {
Q_NAMESPACE

/// Font styles; stored as a bit mask, bit 0 bold to bit 3 strike-out.
enum TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFontStyles)
} // namespace FontStyleEnums

TFontStyles FontStyleOf(const QFont& font);
void ApplyFontStyle(QFont& font, TFontStyles style);
/// The stored bit mask; bits above strike-out are dropped when read.
int FontStyleToInt(TFontStyles style);
TFontStyles IntToFontStyle(int value);

inline namespace TextAlignEnums {
Q_NAMESPACE

/// Text placement in a rectangle.
enum TOrvTextAlign { etaLeft, etaCenter, etaRight };
Q_ENUM_NS(TOrvTextAlign)
} // namespace TextAlignEnums

// Drawing in the host's pixel rules: a rectangle's right and bottom edges lie outside
// it (QRect::right() is inside, so these helpers take the rectangle as Qt holds it and
// draw the pixels from left() to right() inclusive).

/// Draws a one-pixel frame just inside the rectangle.
void FrameRect(QPainter& canvas, const QRect& rect, const QColor& color);
/// `width` nested frames, top and left edges in `topLeft`, bottom and right in `bottomRight`.
void Frame3D(QPainter& canvas, const QRect& rect, const QColor& topLeft, const QColor& bottomRight, int width);
/// Fills the rectangle.
void FillRect(QPainter& canvas, const QRect& rect, const QColor& color);
/// Grows (positive) or shrinks (negative) the rectangle on every side.
QRect InflateRect(const QRect& rect, int dx, int dy);
/// A line from `from` to `to`, both ends included, `width` pixels wide.
void DrawLine(QPainter& canvas, QPoint from, QPoint to, const QColor& color, int width = 1);
/// The outline of the ellipse inside the rectangle, and its filling when `fill` is valid.
void DrawEllipse(QPainter& canvas, const QRect& rect, const QColor& pen, const QColor& fill = QColor());
/// An arc of the ellipse inside the rectangle, angles in degrees, counter-clockwise from 3 o'clock.
void DrawArc(QPainter& canvas, const QRect& rect, double startDegrees, double spanDegrees,
             const QColor& pen, int width = 1);
/// One line of text in the rectangle, vertically centred, clipped to it.
void DrawTextInRect(QPainter& canvas, const QRect& rect, const QString& text, const QColor& color,
                    TOrvTextAlign align = etaLeft);

/// The whole window of a control, its border included: Qt draws a control's frame inside
/// the widget, so this is the widget's rectangle.
QRect WindowRect(const QWidget& control);
/// The width of a vertical scroll bar (and of a combo box's drop-down button area).
int ScrollBarWidth(const QWidget* control = nullptr);

} // namespace orv
