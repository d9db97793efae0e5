#include <orvkit/framework/OrvkitDrawing.h>

#include <QApplication>
#include <QStyle>
#include <QWidget>

namespace orv {

TFontStyles FontStyleOf(const QFont& font)
{
    TFontStyles style;
    style.setFlag(fsBold, font.bold());
    style.setFlag(fsItalic, font.italic());
    style.setFlag(fsUnderline, font.underline());
    style.setFlag(fsStrikeOut, font.strikeOut());
    return style;
}

void ApplyFontStyle(QFont& font, TFontStyles style)
{
    font.setBold(style.testFlag(fsBold));
    font.setItalic(style.testFlag(fsItalic));
    font.setUnderline(style.testFlag(fsUnderline));
    font.setStrikeOut(style.testFlag(fsStrikeOut));
}

int FontStyleToInt(TFontStyles style)
{
    return int(style.toInt());
}

TFontStyles IntToFontStyle(int value)
{
    return TFontStyles::fromInt(value & (fsBold | fsItalic | fsUnderline | fsStrikeOut));
}

void FrameRect(QPainter& canvas, const QRect& rect, const QColor& color)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    canvas.save();
    canvas.setPen(Qt::NoPen);
    canvas.setBrush(color);
    const int l = rect.left(), t = rect.top(), w = rect.width(), h = rect.height();
    canvas.drawRect(l, t, w, 1);
    canvas.drawRect(l, t + h - 1, w, 1);
    canvas.drawRect(l, t, 1, h);
    canvas.drawRect(l + w - 1, t, 1, h);
    canvas.restore();
}

void Frame3D(QPainter& canvas, const QRect& rect, const QColor& topLeft, const QColor& bottomRight, int width)
{
    QRect r = rect;
    for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
        canvas.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
        canvas.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
        canvas.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
        canvas.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
        r = InflateRect(r, -1, -1);
    }
}

void FillRect(QPainter& canvas, const QRect& rect, const QColor& color)
{
    canvas.fillRect(rect, color);
}

QRect InflateRect(const QRect& rect, int dx, int dy)
{
    return rect.adjusted(-dx, -dy, dx, dy);
}

void DrawLine(QPainter& canvas, QPoint from, QPoint to, const QColor& color, int width)
{
    canvas.save();
    QPen pen(color);
    pen.setWidth(width);
    pen.setCapStyle(Qt::SquareCap);
    canvas.setPen(pen);
    canvas.drawLine(from, to);
    canvas.restore();
}

void DrawEllipse(QPainter& canvas, const QRect& rect, const QColor& pen, const QColor& fill)
{
    canvas.save();
    canvas.setPen(pen);
    canvas.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
    canvas.drawEllipse(rect.adjusted(0, 0, -1, -1));
    canvas.restore();
}

void DrawArc(QPainter& canvas, const QRect& rect, double startDegrees, double spanDegrees,
             const QColor& pen, int width)
{
    canvas.save();
    QPen p(pen);
    p.setWidth(width);
    canvas.setPen(p);
    canvas.drawArc(rect.adjusted(0, 0, -1, -1), qRound(startDegrees * 16), qRound(spanDegrees * 16));
    canvas.restore();
}

void DrawTextInRect(QPainter& canvas, const QRect& rect, const QString& text, const QColor& color,
                    TOrvTextAlign align)
{
    static constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    canvas.save();
    canvas.setPen(color);
    canvas.setClipRect(rect, Qt::IntersectClip);
    canvas.drawText(rect, int(kAlign[align] | Qt::AlignVCenter | Qt::TextSingleLine), text);
    canvas.restore();
}

QRect WindowRect(const QWidget& control)
{
    return control.rect();
}

int ScrollBarWidth(const QWidget* control)
{
    const QStyle* style = control ? control->style() : QApplication::style();
    return style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, control);
}

} // namespace orv
