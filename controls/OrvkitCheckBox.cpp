#include <orvkit/controls/OrvkitCheckBox.h>

#include <utility>

namespace orv {

TOrvCustomCheckBox::TOrvCustomCheckBox(QWidget* parent, bool groupItem) : TOrvCustomSelectBtn(parent, groupItem) {}

void TOrvCustomCheckBox::SetBoxMargin(int value)
{
    if (value == MarkMargin())
        return;
    SetMarkMargin(value);
    if (OwnColorSet().Flat())
        Invalidate();
}

void TOrvCustomCheckBox::SetBoxOnFocus(bool value)
{
    if (value == fBoxOnFocus)
        return;
    fBoxOnFocus = value;
    if (OwnColorSet().Flat())
        Invalidate();
}

void TOrvCustomCheckBox::SendValueSignals(TCheckBoxState old)
{
    if (fState == old)
        return;
    QAccessible::State changed;
    changed.checked = (old == cbChecked) != (fState == cbChecked);
    changed.checkStateMixed = (old == cbGrayed) != (fState == cbGrayed);
    NotifyAccessibleState(changed);
    if (Loading())
        return;
    emit stateChanged(fState);
    if ((old == cbChecked) != (fState == cbChecked))
        emit checkedChanged(fState == cbChecked);
    if ((old == cbGrayed) != (fState == cbGrayed))
        emit nullChanged(fState == cbGrayed);
}

void TOrvCustomCheckBox::SetState(TCheckBoxState value)
{
    if (value == fState)
        return;
    const TCheckBoxState old = std::exchange(fState, value);
    Click();
    Invalidate();
    if (!Loading())
        FireStateChange();
    SendValueSignals(old);
}

void TOrvCustomCheckBox::ToggleState()
{
    SetState(fState == cbChecked ? cbUnchecked : cbChecked);
}

void TOrvCustomCheckBox::Accelerator()
{
    setFocus(Qt::ShortcutFocusReason);
    // A read-only box keeps its state, as it does for Space and the mouse.
    if (hasFocus() && !ReadOnly())
        ToggleState();
}

void TOrvCustomCheckBox::DoEnter()
{
    fEnterState = fState;
    TOrvCustomSelectBtn::DoEnter();
}

void TOrvCustomCheckBox::KeyPress(QChar& key)
{
    // A box of a check group has no null state of its own: the group's value has none per box.
    const bool allowNull = !IsGroupItem() && EffectiveAllowKbdNull(fAllowKbdNull);
    switch (ItemKeyPress(key, true, !ReadOnly(), allowNull)) {
    case eikUndo: {
        const TCheckBoxState old = std::exchange(fState, fEnterState);
        Invalidate();
        SendValueSignals(old);
        break;
    }
    case eikToggle:
        ToggleState();
        break;
    case eikMakeNull:
        SetState(cbGrayed);
        if (OnNull)
            OnNull(this);
        break;
    case eikNone:
    case eikNextControl:
        break;
    }
}

void TOrvCustomCheckBox::MouseUp(Qt::MouseButton button, TShiftState shift, int x, int y)
{
    // A release outside the box is a cancelled click.
    if (button == Qt::LeftButton && isEnabled() && !ReadOnly() && rect().contains(x, y))
        SetState(fState == cbChecked ? cbUnchecked : cbChecked);
    TOrvCustomSelectBtn::MouseUp(button, shift, x, y);
}

void TOrvCustomCheckBox::PaintMark(QPainter& canvas, const QRect& mark, const TOrvItemPaintColors& colors)
{
    const QPalette& pal = palette();
    const bool hot = PaintHot();
    const bool focused = PaintFocused();
    const TColor fill = fState == cbGrayed ? colors.Items.BoxNullColor()
                                           : colors.Set.GetEditColor(ReadOnly(), isEnabled(), Color(),
                                                                     DecideSpecial(), hot, focused);
    FillRect(canvas, mark, ColorToQColor(fill, pal));
    if (fState == cbChecked) {
        const TColor markColor = colors.Items.GetMarkColor(ReadOnly(), isEnabled(), hot, focused, FontColor());
        DrawCheckMark(canvas, mark, fCheckStyle, ColorToQColor(markColor, pal));
    }
    if (!colors.Set.Flat()) {
        if (isEnabled()) {
            Frame3D(canvas, mark, ColorToQColor(clBtnShadow, pal), ColorToQColor(clBtnHighlight, pal), 1);
            Frame3D(canvas, InflateRect(mark, -1, -1), ColorToQColor(cl3DDkShadow, pal),
                    ColorToQColor(cl3DLight, pal), 1);
        } else {
            FrameRect(canvas, mark, ColorToQColor(clBtnShadow, pal));
        }
        return;
    }
    const bool showsHot = hot && colors.Set.HotTracking();
    if (fBoxOnFocus && !focused && !showsHot)
        return;
    const QColor frame = ColorToQColor(colors.Items.GetBoxFrameColor(ReadOnly(), isEnabled(), hot, focused), pal);
    FrameRect(canvas, mark, frame);
    if (colors.Items.BoxFrameSize() == 2)
        FrameRect(canvas, InflateRect(mark, 1, 1), frame);
}

void TOrvCustomCheckBox::SetStateValue(int value)
{
    if (value >= cbUnchecked && value <= cbGrayed)
        SetState(TCheckBoxState(value));
}

} // namespace orv
