#include <orvkit/controls/OrvkitRadioBtn.h>

namespace orv {

TOrvRadioBtn::TOrvRadioBtn(QWidget* parent, bool groupItem) : TOrvCustomSelectBtn(parent, groupItem) {}

void TOrvRadioBtn::SetRadioMargin(int value)
{
    if (value == MarkMargin())
        return;
    SetMarkMargin(value);
    Invalidate();
}

void TOrvRadioBtn::SetChecked(bool value)
{
    if (value == fChecked)
        return;
    fChecked = value;
    SetTabStop(value);
    if (value) {
        if (QWidget* parent = parentWidget()) {
            for (TOrvRadioBtn* other : parent->findChildren<TOrvRadioBtn*>(Qt::FindDirectChildrenOnly))
                if (other != this)
                    other->SetChecked(false);
        }
        Click();
    }
    Invalidate();
    FireStateChange();
    QAccessible::State changed;
    changed.checked = true;
    NotifyAccessibleState(changed);
    if (!Loading())
        emit checkedChanged(value);
}

void TOrvRadioBtn::DoEnter()
{
    if (!ReadOnly())
        SetChecked(true);
    TOrvCustomSelectBtn::DoEnter();
}

void TOrvRadioBtn::ReadOnlyChanged()
{
    if (!ReadOnly() && hasFocus())
        SetChecked(true);
}

void TOrvRadioBtn::KeyDown(uint16_t& key, TShiftState shift)
{
    TOrvCustomSelectBtn::KeyDown(key, shift);
    const int step = ArrowStep(key, shift, layoutDirection() == Qt::RightToLeft);
    if (step == 0 || IsGroupItem() || !parentWidget())
        return;
    std::vector<QWidget*> ring;
    for (TOrvRadioBtn* sibling : parentWidget()->findChildren<TOrvRadioBtn*>(Qt::FindDirectChildrenOnly))
        if (!sibling->IsGroupItem())
            ring.push_back(sibling);
    if (QWidget* next = StepInRing(ring, this, step))
        next->setFocus(Qt::OtherFocusReason);
    key = 0;
}

void TOrvRadioBtn::KeyPress(QChar& key)
{
    ItemKeyPress(key, false, false, false);
}

void TOrvRadioBtn::PaintMark(QPainter& canvas, const QRect& mark, const TOrvItemPaintColors& colors)
{
    const QPalette& pal = palette();
    const bool hot = PaintHot();
    const bool focused = PaintFocused();
    const bool flat = colors.Set.Flat();
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing);
    QRect circle = mark;
    if (flat) {
        const QColor frame = ColorToQColor(colors.Items.GetBoxFrameColor(ReadOnly(), isEnabled(), hot, focused), pal);
        DrawEllipse(canvas, circle, frame, frame);
        const int shrink = colors.Items.BoxFrameSize() == 2 ? 2 : 1;
        circle = InflateRect(circle, -shrink, -shrink);
    } else {
        DrawEllipse(canvas, circle, ColorToQColor(clBtnShadow, pal));
        circle = InflateRect(circle, -1, -1);
    }
    const QColor fill = ColorToQColor(
        colors.Set.GetEditColor(ReadOnly(), isEnabled(), Color(), DecideSpecial(), hot, focused), pal);
    DrawEllipse(canvas, circle, fill, fill);
    if (fChecked) {
        const QColor markColor =
            ColorToQColor(colors.Items.GetMarkColor(ReadOnly(), isEnabled(), hot, focused, FontColor()), pal);
        DrawEllipse(canvas, InflateRect(circle, -3, -3), markColor, markColor);
    }
    if (!flat && isEnabled()) {
        // Sunken look: light lower-right, dark upper-left just inside.
        DrawArc(canvas, mark, 225, 180, ColorToQColor(clBtnHighlight, pal));
        const QRect inner = InflateRect(mark, -1, -1);
        DrawArc(canvas, inner, 225, 180, ColorToQColor(cl3DLight, pal));
        DrawArc(canvas, inner, 45, 180, ColorToQColor(cl3DDkShadow, pal));
    }
    canvas.restore();
}

} // namespace orv
