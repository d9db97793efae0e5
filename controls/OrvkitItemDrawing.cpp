#include <orvkit/controls/OrvkitItemDrawing.h>

#include <orvkit/framework/OrvkitColors.h>

#include <algorithm>

namespace orv {

QRect EdgeRectOf(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

QRect ItemMarkRect(const TOrvItemGeometry& g)
{
    const int top = (g.ClientHeight - g.MarkWidth - 2) / 2 + 1;
    const int bottom = top + g.MarkWidth + 1;
    if (g.CaptionLeft) {
        const int right = g.ClientWidth - g.MarkMargin - g.Inset - 1;
        return EdgeRectOf(right - g.MarkWidth, top, right, bottom);
    }
    const int left = g.MarkMargin + g.Inset + 1;
    return EdgeRectOf(left, top, left + g.MarkWidth, bottom);
}

namespace {

int VerticalInset(const TOrvItemGeometry& g)
{
    return g.WordWrap ? g.Inset : 0;
}

} // namespace

QRect ItemCaptionRect(const TOrvItemGeometry& g)
{
    const int h = g.Inset;
    const int v = VerticalInset(g);
    const int beside = g.MarkWidth + g.CaptionGap + h + g.MarkMargin;
    if (g.CaptionLeft)
        return EdgeRectOf(h, v, g.ClientWidth - beside, g.ClientHeight - v);
    return EdgeRectOf(beside, v, g.ClientWidth - h, g.ClientHeight - v);
}

QRect ItemFocusRect(const TOrvItemGeometry& g, QSize text)
{
    const int h = g.Inset;
    const int v = VerticalInset(g);
    const int beside = g.MarkWidth + g.CaptionGap + h + g.MarkMargin;
    int left = 0;
    int right = 0;
    if (g.CaptionLeft) {
        right = g.ClientWidth - beside + 2;
        left = std::max(h, right - text.width() - 4);
    } else {
        left = beside - 2;
        right = std::min(g.ClientWidth - h, left + text.width() + 4);
    }
    int top = v + 1;
    int bottom = g.ClientHeight - v - 1;
    if (!g.WordWrap) {
        top = std::max(top, (g.ClientHeight - text.height() - 2) / 2);
        bottom = std::min(bottom, top + text.height() + 2);
    }
    return EdgeRectOf(left, top, right, bottom);
}

int ItemCaptionFlags(const TOrvItemGeometry& g)
{
    int flags = Qt::TextShowMnemonic | (g.CaptionLeft ? Qt::AlignRight : Qt::AlignLeft);
    if (g.WordWrap)
        flags |= Qt::TextWordWrap | Qt::AlignTop;
    else
        flags |= Qt::TextSingleLine | Qt::AlignVCenter;
    return flags;
}

void DrawControlFrame(QPainter& canvas, const QRect& rect, TOrvFrameStyle style, int borderSize,
                      const QColor& frameColor, const QColor& background, const QPalette& palette)
{
    const QColor highlight = ColorToQColor(clBtnHighlight, palette);
    const QColor shadow = ColorToQColor(clBtnShadow, palette);
    switch (style) {
    case efsNone:
        break;
    case efsSimple:
        Frame3D(canvas, rect, frameColor, frameColor, borderSize);
        break;
    case efsRaised:
        Frame3D(canvas, rect, highlight, shadow, borderSize);
        break;
    case efsSunken:
        Frame3D(canvas, rect, shadow, highlight, borderSize);
        break;
    case efsRound: {
        canvas.save();
        QPen pen(frameColor);
        pen.setWidth(borderSize);
        canvas.setPen(pen);
        canvas.setBrush(background);
        canvas.setRenderHint(QPainter::Antialiasing);
        const qreal half = borderSize / 2.0;
        canvas.drawRoundedRect(QRectF(rect).adjusted(half, half, -half, -half), 7.5, 7.5);
        canvas.restore();
        break;
    }
    }
}

void DrawCheckMark(QPainter& canvas, const QRect& box, TOrvCheckStyle style, const QColor& color)
{
    const int w = box.width();
    const int left = box.left();
    const int top = box.top();
    const int right = box.left() + box.width();
    const int bottom = box.top() + box.height();
    canvas.save();
    if (style == ecsTick) {
        canvas.setPen(QPen(color, 1));
        const int kneeX = left + w / 4 + 2;
        const int endY = bottom - 2 - (right - kneeX);
        for (int i = 0; i <= w / 6; ++i) {
            const QPoint knee(kneeX, bottom - 2 - i);
            canvas.drawLine(QPoint(left + 2, bottom - 2 - w / 4 - i), knee);
            canvas.drawLine(knee, QPoint(right - 1, endY - i));
        }
    } else {
        QPen pen(color, w / 16 + 1);
        pen.setCapStyle(Qt::FlatCap);
        canvas.setPen(pen);
        const QLine lines[] = {
            {left + 1, top + 1, right - 1, bottom - 1}, {left + 1, top + 2, right - 1, bottom - 2},
            {left + 2, top + 1, right - 2, bottom - 1}, {right - 1, top + 1, left + 1, bottom - 1},
            {right - 1, top + 2, left + 1, bottom - 2}, {right - 2, top + 1, left + 2, bottom - 1},
        };
        for (const QLine& line : lines)
            canvas.drawLine(line);
    }
    canvas.restore();
}

void DrawStyledText(QPainter& canvas, const QRect& rect, const QString& text, TFontStyles fontStyle,
                    const QColor& color, TOrvLabelStyle style, int flags, const QPalette& palette)
{
    canvas.save();
    QFont font = canvas.font();
    ApplyFontStyle(font, fontStyle);
    canvas.setFont(font);
    const QColor highlight = ColorToQColor(clBtnHighlight, palette);
    const QColor shadow = ColorToQColor(clBtnShadow, palette);
    auto drawAt = [&](int dx, int dy, const QColor& c) {
        canvas.setPen(c);
        canvas.drawText(rect.translated(dx, dy), flags, text);
    };
    if (style == elsRaised) {
        drawAt(1, 1, shadow);
        drawAt(-1, -1, highlight);
    } else if (style == elsSunken) {
        drawAt(1, 1, highlight);
        drawAt(-1, -1, shadow);
    }
    drawAt(0, 0, color);
    canvas.restore();
}

std::vector<QRect> LayoutItemRects(const TOrvItemLayout& layout)
{
    std::vector<QRect> rects;
    if (layout.Count <= 0)
        return rects;
    const int columns = std::clamp(layout.Columns, 1, 16);
    const int rows = (layout.Count + columns - 1) / columns;
    const int colW = (layout.Width - 2 * layout.ItemMargin) / columns;
    int avail = 0;
    int top = 0;
    if (layout.HasCaption) {
        avail = layout.Height - layout.TextHeight - 5;
        top = layout.TextHeight + (avail % rows) / 2;
    } else {
        avail = layout.Height - 6;
        top = (avail % rows) / 2;
    }
    top += layout.TopMargin;
    const int rowH = avail / rows;
    rects.reserve(size_t(layout.Count));
    for (int i = 0; i < layout.Count; ++i) {
        int column = i / rows;
        if (layout.RightToLeft)
            column = columns - 1 - column;
        rects.emplace_back(layout.ItemMargin + column * colW + 2, (i % rows) * rowH + top, std::max(colW, 0),
                           std::max(rowH, 0));
    }
    return rects;
}

} // namespace orv
