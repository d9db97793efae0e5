#include <orvkit/framework/OrvkitColorSets.h>
#include <orvkit/framework/OrvkitSystem.h>

#include <algorithm>

namespace orv {

namespace {

/// clNone keeps `current`, clDefault gives `fallback`, any other value is taken.
TColor Resolve(TColor value, TColor fallback, TColor current)
{
    if (value == clNone)
        return current;
    return value == clDefault ? fallback : value;
}

template <class Block>
void CopyBlock(Block* target, const Block* source)
{
    if (target && source)
        *target = *source;
}

template <class Block>
void ResetBlock(Block* block)
{
    if (block)
        *block = Block{};
}

/// A rectangle from the host's edges, right and bottom outside it.
QRect EdgeRect(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

/// Frames the rectangle and returns it shrunk by one pixel.
QRect FrameAndShrink(QPainter& canvas, const QRect& rect, const QColor& color)
{
    FrameRect(canvas, rect, color);
    return InflateRect(rect, -1, -1);
}

const detail::TOrvBackgroundProps kBackgroundDefaults{};
const detail::TOrvTextProps kTextDefaults{};
const detail::TOrvEditProps kEditDefaults{};
const detail::TOrvItemProps kItemDefaults{};
const detail::TOrvGroupProps kGroupDefaults{};

} // namespace

namespace detail {

TColor ResolveFrameColor(TColor border, TColor focus, TColor hot, TColor disabled, bool readOnly,
                         bool enabled, bool isHot, bool isFocused)
{
    const TColor base = border == clNone ? Resolve(focus, clHighlight, clWindowFrame)
                                         : Resolve(border, clWindowFrame, clWindowFrame);
    if (!enabled)
        return Resolve(disabled, clWindow, base);
    if (readOnly)
        return base;
    if (isFocused)
        return Resolve(focus, clHighlight, base);
    if (isHot)
        return Resolve(hot, clHighlight, base);
    return base;
}

bool TOrvColorSetPart::ShowsFocus(bool focused) const
{
    return fOwner.ShowsFocus(focused);
}

bool TOrvColorSetPart::ShowsHot(bool hot) const
{
    return fOwner.ShowsHot(hot);
}

} // namespace detail

// ---- TOrvColorSet

TOrvColorSet::TOrvColorSet() = default;

void TOrvColorSet::Assign(const TOrvColorSet& source)
{
    if (&source == this)
        return;
    const detail::TOrvColorSetBlocks mine = Blocks();
    // Blocks() only hands out the addresses; the source is not changed.
    const detail::TOrvColorSetBlocks theirs = const_cast<TOrvColorSet&>(source).Blocks();
    CopyBlock(mine.frame, theirs.frame);
    CopyBlock(mine.background, theirs.background);
    CopyBlock(mine.text, theirs.text);
    CopyBlock(mine.edit, theirs.edit);
    CopyBlock(mine.combo, theirs.combo);
    CopyBlock(mine.item, theirs.item);
    CopyBlock(mine.group, theirs.group);
    CopyBlock(mine.line, theirs.line);
    fSetDefaults = false;
    DoFlatChange();
}

void TOrvColorSet::SetFlat(bool value)
{
    Change(fFrame.fFlat, value, true);
}

void TOrvColorSet::SetBorderSize(int value)
{
    Change(fFrame.fBorderSize, std::clamp(value, 1, 2));
}

void TOrvColorSet::SetSet_Defaults(bool value)
{
    if (value)
        SetColor_Defaults();
    else
        fSetDefaults = false;
}

void TOrvColorSet::PropertyChanged(bool flat)
{
    fSetDefaults = false;
    if (flat)
        DoFlatChange();
    else
        DoChange();
}

void TOrvColorSet::DoChange()
{
    if (!fUpdating && OnChange)
        OnChange(this);
}

void TOrvColorSet::DoFlatChange()
{
    DoChange();
    if (!fUpdating && OnFlatChange)
        OnFlatChange(this);
}

void TOrvColorSet::DoParentColor()
{
    if (OnParentColor)
        OnParentColor(this);
}

void TOrvColorSet::DoParentFont()
{
    if (OnParentFont)
        OnParentFont(this);
}

void TOrvColorSet::Hook(std::function<void()> change, std::function<void()> flatChange,
                        std::function<void()> parentColor, std::function<void()> parentFont)
{
    OnChange = [f = std::move(change)](TOrvColorSet*) { f(); };
    OnFlatChange = [f = std::move(flatChange)](TOrvColorSet*) { f(); };
    OnParentColor = [f = std::move(parentColor)](TOrvColorSet*) { f(); };
    OnParentFont = [f = std::move(parentFont)](TOrvColorSet*) { f(); };
}

void TOrvColorSet::Unhook()
{
    OnChange = nullptr;
    OnFlatChange = nullptr;
    OnParentColor = nullptr;
    OnParentFont = nullptr;
}

void TOrvColorSet::BeginUpdate()
{
    fUpdating = true;
}

void TOrvColorSet::EndUpdate()
{
    fUpdating = false;
    DoFlatChange();
}

void TOrvColorSet::SetColor_Defaults()
{
    const detail::TOrvColorSetBlocks blocks = Blocks();
    ResetBlock(blocks.frame);
    ResetBlock(blocks.background);
    ResetBlock(blocks.text);
    ResetBlock(blocks.edit);
    ResetBlock(blocks.combo);
    ResetBlock(blocks.item);
    ResetBlock(blocks.group);
    ResetBlock(blocks.line);
    fSetDefaults = true;
    DoFlatChange();
}

TColor TOrvColorSet::GetFrameColor(bool readOnly, bool enabled, bool hot, bool focused) const
{
    return detail::ResolveFrameColor(fFrame.fBorderColor, fFrame.fBorderFocusColor, fFrame.fBorderHotColor,
                                     fFrame.fBorderDisabledColor, readOnly, enabled, ShowsHot(hot),
                                     ShowsFocus(focused));
}

TColor TOrvColorSet::GetFocusFrameColor() const
{
    if (fFrame.fBorderFocusColor != clNone)
        return Resolve(fFrame.fBorderFocusColor, clHighlight, clHighlight);
    return Resolve(fFrame.fBorderColor, clWindowFrame, clWindowFrame);
}

void TOrvColorSet::FlattenControl(QPainter& canvas, const QRect& rect, const QPalette& palette, bool readOnly,
                                  TColor color, bool hot, bool focused, bool enabled) const
{
    const QColor border = ColorToQColor(GetFrameColor(readOnly, enabled, hot, focused), palette);
    const QColor background = ColorToQColor(color, palette);
    QRect r = rect;
    if (LineEditStyle()) {
        r = FrameAndShrink(canvas, r, background);
        r = FrameAndShrink(canvas, r, background);
        // One pixel below the shrunk rectangle is the window's last row.
        const int y = r.bottom() + 2;
        DrawLine(canvas, QPoint(r.left() - 2, y), QPoint(r.right() + 2, y), border, fFrame.fBorderSize);
        FrameRect(canvas, r, background);
        return;
    }
    r = FrameAndShrink(canvas, r, border);
    if (fFrame.fBorderSize == 2)
        r = FrameAndShrink(canvas, r, border);
    FrameRect(canvas, r, background);
}

void TOrvColorSet::FlattenComboControl(QPainter& canvas, const QRect& rect, const QPalette& palette,
                                       TOrvComboStyle style, int scrollBarWidth, bool readOnly, TColor color,
                                       bool hot, bool focused, bool enabled) const
{
    if (ThemedCombos() && IsThemeActive())
        return;
    const QColor border = ColorToQColor(GetFrameColor(readOnly, enabled, hot, focused), palette);
    const QColor background = ColorToQColor(color, palette);
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();
    if (style != csSimple) {
        QRect button = EdgeRect(right - scrollBarWidth - 2, rect.top() + 2, right - 2, bottom - 2);
        const QColor face = ColorToQColor(clBtnFace, palette);
        for (int i = 0; i < 3; ++i)
            button = FrameAndShrink(canvas, button, face);
    }
    QRect r = FrameAndShrink(canvas, rect, border);
    if (fFrame.fBorderSize == 2)
        r = FrameAndShrink(canvas, r, border);
    r = FrameAndShrink(canvas, r, background);
    r = InflateRect(r, 2, 2);
    // The frame's right side is the separator before the button.
    r.setRight(r.right() - scrollBarWidth - 2);
    FrameRect(canvas, r, border);
}

// ---- TOrvBaseStartEditColorSet

TOrvBaseStartEditColorSet::TOrvBaseStartEditColorSet() = default;

detail::TOrvColorSetBlocks TOrvBaseStartEditColorSet::Blocks()
{
    detail::TOrvColorSetBlocks blocks = TOrvColorSet::Blocks();
    blocks.background = &fBackground;
    return blocks;
}

TColor TOrvBaseStartEditColorSet::GetEditColor(bool readOnly, bool enabled, TColor current, bool special,
                                               bool hot, bool focused) const
{
    const detail::TOrvBackgroundProps& b = fBackground;
    const detail::TOrvBackgroundProps& d = kBackgroundDefaults;
    const TColor result = Resolve(special ? b.fRWSpecialColor : b.fRWColor, clWindow, current);
    if (!enabled)
        return Resolve(b.fDisabledColor, d.fDisabledColor, result);
    if (readOnly)
        return Resolve(special ? b.fROSpecialColor : b.fROColor, d.fROColor, result);
    if (ShowsFocus(focused))
        return Resolve(special ? b.fFocusSpecialColor : b.fFocusColor, d.fFocusColor, result);
    if (ShowsHot(hot))
        return Resolve(special ? b.fHotSpecialColor : b.fHotColor, d.fHotColor, result);
    return result;
}

// ---- TOrvBaseEditColorSet

TOrvBaseEditColorSet::TOrvBaseEditColorSet() = default;

detail::TOrvColorSetBlocks TOrvBaseEditColorSet::Blocks()
{
    detail::TOrvColorSetBlocks blocks = TOrvBaseStartEditColorSet::Blocks();
    blocks.text = &fText;
    return blocks;
}

void TOrvBaseEditColorSet::GetColorStates(bool enabled, bool readOnly, bool special, bool hot, bool focused,
                                          TFontStyles& fontStyle, TColor& fontColor, TColor& color) const
{
    color = GetEditColor(readOnly, enabled, color, special, hot, focused);
    if (!enabled)
        return;
    const detail::TOrvTextProps& t = fText;
    if (readOnly) {
        TColor ro = special ? t.fROSpecialFontColor : t.fROFontColor;
        if (ro == clNone)
            ro = special ? t.fRWSpecialFontColor : t.fRWFontColor;
        fontColor = Resolve(ro, clWindowText, fontColor);
        fontStyle = special ? t.fROSpecialFontStyle : t.fROFontStyle;
        return;
    }
    const detail::TOrvTextProps& d = kTextDefaults;
    if (ShowsFocus(focused)) {
        fontColor = Resolve(special ? t.fFocusSpecialFontColor : t.fFocusFontColor, d.fFocusFontColor, fontColor);
        fontStyle = special ? t.fFocusSpecialFontStyle : t.fFocusFontStyle;
    } else if (ShowsHot(hot)) {
        fontColor = Resolve(special ? t.fHotSpecialFontColor : t.fHotFontColor, d.fHotFontColor, fontColor);
        fontStyle = special ? t.fHotSpecialFontStyle : t.fHotFontStyle;
    } else {
        fontColor = Resolve(special ? t.fRWSpecialFontColor : t.fRWFontColor, d.fRWFontColor, fontColor);
        fontStyle = special ? t.fRWSpecialFontStyle : t.fRWFontStyle;
    }
}

// ---- TOrvEditColorSet

TOrvEditColorSet::TOrvEditColorSet() = default;

detail::TOrvColorSetBlocks TOrvEditColorSet::Blocks()
{
    detail::TOrvColorSetBlocks blocks = TOrvBaseEditColorSet::Blocks();
    blocks.edit = &fEdit;
    return blocks;
}

void TOrvEditColorSet::SetFlat(bool value)
{
    if (value == fFrame.fFlat)
        return;
    if (!value)
        fEdit.fLineEdit = false;
    TOrvBaseEditColorSet::SetFlat(value);
}

void TOrvEditColorSet::SetFlatBtns(bool value)
{
    Change(fEdit.fFlatBtns, value, true);
}

void TOrvEditColorSet::SetLineEdit(bool value)
{
    if (value == fEdit.fLineEdit)
        return;
    fEdit.fLineEdit = value;
    if (value && !fFrame.fFlat)
        fFrame.fFlat = true;
    PropertyChanged(true);
}

void TOrvEditColorSet::GetNumericColorStates(bool enabled, bool readOnly, int sign, bool special, bool hot,
                                             bool focused, TFontStyles& fontStyle, TColor& fontColor,
                                             TColor& color) const
{
    GetColorStates(enabled, readOnly, special, hot, focused, fontStyle, fontColor, color);
    if (!fEdit.fNumDiff || sign == 0)
        return;
    if (sign < 0) {
        fontColor = Resolve(fEdit.fNumNegFontColor, kEditDefaults.fNumNegFontColor, fontColor);
        fontStyle = fEdit.fNumNegFontStyle;
    } else {
        fontColor = Resolve(fEdit.fNumPosFontColor, kEditDefaults.fNumPosFontColor, fontColor);
        fontStyle = fEdit.fNumPosFontStyle;
    }
}

// ---- the parts

void TOrvItemColors::SetBoxFrameSize(int value)
{
    Change(fItem.fBoxFrameSize, std::clamp(value, 1, 2));
}

TColor TOrvItemColors::GetBoxFrameColor(bool readOnly, bool enabled, bool hot, bool focused) const
{
    return detail::ResolveFrameColor(fItem.fBoxFrameColor, fItem.fBoxFrameFocusColor, fItem.fBoxFrameHotColor,
                                     fItem.fBoxFrameDisabledColor, readOnly, enabled, ShowsHot(hot),
                                     ShowsFocus(focused));
}

TColor TOrvItemColors::GetMarkColor(bool readOnly, bool enabled, bool hot, bool focused, TColor current) const
{
    const detail::TOrvItemProps& i = fItem;
    const detail::TOrvItemProps& d = kItemDefaults;
    const TColor result = Resolve(i.fMarkRWColor, d.fMarkRWColor, current);
    if (!enabled)
        return Resolve(i.fMarkDisabledColor, d.fMarkDisabledColor, result);
    if (readOnly)
        return Resolve(i.fMarkROColor, d.fMarkROColor, result);
    if (ShowsFocus(focused))
        return Resolve(i.fMarkFocusColor, d.fMarkFocusColor, result);
    if (ShowsHot(hot))
        return Resolve(i.fMarkHotColor, d.fMarkHotColor, result);
    return result;
}

void TOrvItemColors::GetItemColor(bool readOnly, bool enabled, bool hot, bool focused, TColor& color,
                                  TFontStyles& fontStyle) const
{
    const detail::TOrvItemProps& i = fItem;
    const detail::TOrvItemProps& d = kItemDefaults;
    color = Resolve(i.fItemRWColor, d.fItemRWColor, color);
    fontStyle = i.fItemRWFontStyle;
    if (!enabled) {
        color = Resolve(i.fItemDisabledColor, d.fItemDisabledColor, color);
    } else if (readOnly) {
        color = Resolve(i.fItemROColor, d.fItemROColor, color);
        fontStyle = i.fItemROFontStyle;
    } else if (ShowsFocus(focused)) {
        color = Resolve(i.fItemFocusColor, d.fItemFocusColor, color);
        fontStyle = i.fItemFocusFontStyle;
    } else if (ShowsHot(hot)) {
        color = Resolve(i.fItemHotColor, d.fItemHotColor, color);
        fontStyle = i.fItemHotFontStyle;
    }
}

void TOrvGroupColors::GetHeadingColors(bool enabled, bool focused, bool hot, TFontStyles& headFontStyle,
                                       TColor& headBkColor, TColor& headColor) const
{
    const detail::TOrvGroupProps& g = fGroup;
    const detail::TOrvGroupProps& d = kGroupDefaults;
    headColor = Resolve(g.fHeadingColor, d.fHeadingColor, headColor);
    headBkColor = Resolve(g.fHeadingBkColor, d.fHeadingBkColor, headBkColor);
    headFontStyle = g.fHeadingFontStyle;
    if (!enabled) {
        headColor = Resolve(g.fHeadingDisabledColor, d.fHeadingDisabledColor, headColor);
        headBkColor = Resolve(g.fHeadingDisabledBkColor, d.fHeadingDisabledBkColor, headBkColor);
    } else if (ShowsFocus(focused)) {
        headColor = Resolve(g.fHeadingFocusColor, d.fHeadingFocusColor, headColor);
        headBkColor = Resolve(g.fHeadingFocusBkColor, d.fHeadingFocusBkColor, headBkColor);
        headFontStyle = g.fHeadingFocusFontStyle;
    } else if (ShowsHot(hot)) {
        headColor = Resolve(g.fHeadingHotColor, d.fHeadingHotColor, headColor);
        headBkColor = Resolve(g.fHeadingHotBkColor, d.fHeadingHotBkColor, headBkColor);
        headFontStyle = g.fHeadingHotFontStyle;
    }
}

// ---- the sets that carry parts

TOrvComboColorSet::TOrvComboColorSet() : TOrvComboColors(static_cast<TOrvColorSet&>(*this)) {}

detail::TOrvColorSetBlocks TOrvComboColorSet::Blocks()
{
    detail::TOrvColorSetBlocks blocks = TOrvBaseEditColorSet::Blocks();
    blocks.combo = &fCombo;
    return blocks;
}

TOrvItemColorSet::TOrvItemColorSet() : TOrvItemColors(static_cast<TOrvColorSet&>(*this)) {}

detail::TOrvColorSetBlocks TOrvItemColorSet::Blocks()
{
    detail::TOrvColorSetBlocks blocks = TOrvBaseStartEditColorSet::Blocks();
    blocks.item = &fItem;
    return blocks;
}

TOrvGroupColorSet::TOrvGroupColorSet() : TOrvGroupColors(static_cast<TOrvColorSet&>(*this)) {}

detail::TOrvColorSetBlocks TOrvGroupColorSet::Blocks()
{
    detail::TOrvColorSetBlocks blocks = TOrvItemColorSet::Blocks();
    blocks.group = &fGroup;
    return blocks;
}

TOrvCompleteColorSet::TOrvCompleteColorSet()
    : TOrvComboColors(static_cast<TOrvColorSet&>(*this)),
      TOrvItemColors(static_cast<TOrvColorSet&>(*this)),
      TOrvGroupColors(static_cast<TOrvColorSet&>(*this))
{
}

detail::TOrvColorSetBlocks TOrvCompleteColorSet::Blocks()
{
    detail::TOrvColorSetBlocks blocks = TOrvEditColorSet::Blocks();
    blocks.combo = &fCombo;
    blocks.item = &fItem;
    blocks.group = &fGroup;
    blocks.line = &fLine;
    return blocks;
}

} // namespace orv
