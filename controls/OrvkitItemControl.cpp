#include <orvkit/controls/OrvkitItemControl.h>

#include <orvkit/controls/OrvkitItemAccessible.h>

#include <QEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QShortcutEvent>
#include <algorithm>

namespace orv {

TOrvItemKeyAction ItemKeyRule(QChar& key, const TOrvItemKeyContext& context)
{
    TOrvItemKeyAction action = eikNone;
    switch (key.unicode()) {
    case 13:
        action = context.EnterAsTab ? eikNextControl : eikNone;
        break;
    case 27:
        action = context.ESCAsUndo ? eikUndo : eikNone;
        break;
    case 32:
        action = context.Toggle ? eikToggle : eikNone;
        break;
    case 14: // Ctrl+N
        action = context.AllowKbdNull ? eikMakeNull : eikNone;
        break;
    default:
        break;
    }
    if (action != eikNone)
        key = QChar();
    return action;
}

int ArrowStep(uint16_t key, TShiftState shift, bool rightToLeft)
{
    if (shift & (ssShift | ssCtrl | ssAlt))
        return 0;
    switch (key) {
    case VK_UP:
        return -1;
    case VK_DOWN:
        return 1;
    case VK_LEFT:
        return rightToLeft ? 1 : -1;
    case VK_RIGHT:
        return rightToLeft ? -1 : 1;
    default:
        return 0;
    }
}

QWidget* StepInRing(const std::vector<QWidget*>& ring, const QWidget* current, int step)
{
    const auto n = std::ssize(ring);
    const auto at = std::find(ring.begin(), ring.end(), current) - ring.begin();
    if (at == n || step == 0)
        return nullptr;
    for (qsizetype i = 1; i < n; ++i) {
        QWidget* candidate = ring[size_t(((at + step * i) % n + n) % n)];
        if (candidate->isEnabled() && candidate->isVisible())
            return candidate;
    }
    return nullptr;
}

// ---- TOrvItemControlBase

TOrvItemControlBase::TOrvItemControlBase(std::unique_ptr<TOrvItemColorSet> colorSet, QWidget* parent)
    : TOrvWinControlT<QWidget>(parent), fColorSet(std::move(colorSet))
{
    fColorSet->Hook([this] { ColorSetChanged(); }, [this] { Redraw(); }, [this] { ParentColorRequested(); },
                    [this] { SetParentFont(true); });
    InstallItemAccessibleFactory();
    SetTabStop(true);
    // OnMouseMove reports moves without a button too.
    setMouseTracking(true);
}

TOrvItemControlBase::~TOrvItemControlBase()
{
    if (fUICtrl)
        fUICtrl->RemoveFromNotifyList(this);
    fColorSet->Unhook();
}

void TOrvItemControlBase::ParentColorRequested()
{
    if (Designing() || Loading())
        return;
    // Off and on again: the parent's colour is read anew.
    SetParentColor(false);
    SetParentColor(true);
}

QString TOrvItemControlBase::Version() const
{
    return QString::fromLatin1(OrvkitVersion);
}

void TOrvItemControlBase::SetUICtrl(TOrvUICtrl* value)
{
    if (!Reattach(*this, fUICtrl, value))
        return;
    UICtrlChanged();
    RecreateWnd();
}

void TOrvItemControlBase::SetUIUsage(TOrvUIUsageTypes value)
{
    if (value == fUIUsage)
        return;
    fUIUsage = value;
    RecreateWnd();
}

void TOrvItemControlBase::Notification(QObject* component, TOperation operation)
{
    TOrvWinControlT::Notification(component, operation);
    // The pointer clears itself; the control only needs repainting in its own colours.
    if (operation == opRemove && component == fUICtrl.data())
        Invalidate();
}

void TOrvItemControlBase::SetCaption(const QString& value)
{
    if (value == fCaption)
        return;
    const QString old = fCaption;
    fCaption = value;
    if (fShortcutId != 0)
        releaseShortcut(fShortcutId);
    const QKeySequence mnemonic = QKeySequence::mnemonic(value);
    fShortcutId = mnemonic.isEmpty() ? 0 : grabShortcut(mnemonic);
    Invalidate();
    CaptionChanged(old);
}

void TOrvItemControlBase::SetReadOnly(bool value)
{
    if (value == fReadOnly)
        return;
    fReadOnly = value;
    const bool noTabStop = EffectiveNavigation().NoTabStopOnReadOnly;
    SetTabStop(noTabStop || !value ? !value : true);
    Invalidate();
    QAccessible::State changed;
    changed.readOnly = true;
    NotifyAccessibleState(changed);
    ReadOnlyChanged();
}

void TOrvItemControlBase::NotifyAccessibleState(const QAccessible::State& changed)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void TOrvItemControlBase::SetTransparent(bool value)
{
    if (value == fTransparent)
        return;
    fTransparent = value;
    Invalidate();
}

void TOrvItemControlBase::SetAlignCaption(TOrvAlignCaption value)
{
    if (value == fAlignCaption)
        return;
    fAlignCaption = value;
    Invalidate();
}

TOrvItemPaintColors TOrvItemControlBase::PaintColors() const
{
    if (PaintsWithUISet()) {
        const TOrvCompleteColorSet& set = *fUICtrl->ColorSet();
        return {set, set};
    }
    return {*fColorSet, *fColorSet};
}

bool TOrvItemControlBase::EffectiveAllowKbdNull(bool own) const
{
    TOrvBlankSettings blanks;
    blanks.AllowKbdNull = own;
    return orv::EffectiveBlanks(fUICtrl, fUIUsage, btAll, blanks).AllowKbdNull;
}

TOrvItemKeyAction TOrvItemControlBase::ItemKeyPress(QChar& key, bool undo, bool toggle, bool allowKbdNull)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
    const TOrvNavigation nav = EffectiveNavigation();
    const TOrvItemKeyAction action = ItemKeyRule(key, {nav.EnterAsTab, undo && nav.ESCAsUndo, toggle, allowKbdNull});
    if (action == eikNextControl)
        SelectNextControl(true);
    return action;
}

bool TOrvItemControlBase::DecideSpecial()
{
    return DecideSpecialColor(fUICtrl, fUIUsage, *fColorSet, OnSpecialColor, PopupMenu() != nullptr,
                              PopupMenuAutoPopup(), this);
}

void TOrvItemControlBase::EndUpdate()
{
    fInUpdate = false;
    Invalidate();
}

void TOrvItemControlBase::ColorSetChanged()
{
    if (!Loading() && OnColorSetChange)
        OnColorSetChange(this);
    Invalidate();
}

void TOrvItemControlBase::SetMouseOver(bool value)
{
    if (value == fMouseOver)
        return;
    fMouseOver = value;
    if (PaintColors().Set.HotTracking())
        Invalidate();
}

void TOrvItemControlBase::DoEnter()
{
    fFocused = true;
    Invalidate();
    TOrvWinControlT::DoEnter();
}

void TOrvItemControlBase::DoExit()
{
    fFocused = false;
    Invalidate();
    TOrvWinControlT::DoExit();
}

void TOrvItemControlBase::MouseEnter()
{
    if (!Designing())
        SetMouseOver(true);
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TOrvItemControlBase::MouseLeave()
{
    if (!Designing())
        SetMouseOver(false);
    if (OnMouseExit)
        OnMouseExit(this);
}

bool TOrvItemControlBase::event(QEvent* e)
{
    if (e->type() == QEvent::Shortcut && static_cast<QShortcutEvent*>(e)->shortcutId() == fShortcutId) {
        if (isEnabled())
            Accelerator();
        e->accept();
        return true;
    }
    return TOrvWinControlT::event(e);
}

void TOrvItemControlBase::changeEvent(QEvent* e)
{
    TOrvWinControlT::changeEvent(e);
    switch (e->type()) {
    case QEvent::PaletteChange:
    case QEvent::LayoutDirectionChange:
        Invalidate();
        break;
    default:
        break;
    }
}

void TOrvItemControlBase::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && isEnabled() && FocusOnPress())
        setFocus(Qt::MouseFocusReason);
    TOrvWinControlT::mousePressEvent(e);
    e->accept();
}

void TOrvItemControlBase::mouseReleaseEvent(QMouseEvent* e)
{
    TOrvWinControlT::mouseReleaseEvent(e);
    e->accept();
}

void TOrvItemControlBase::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && OnDblClick)
        OnDblClick(this);
    if (e->button() == Qt::LeftButton && isEnabled() && FocusOnPress())
        setFocus(Qt::MouseFocusReason);
    if (OnMouseDown) {
        const QPoint p = e->position().toPoint();
        OnMouseDown(this, e->button(), ShiftStateOf(e->modifiers(), e->buttons()) | ssDouble, p.x(), p.y());
    }
    e->accept();
}

void TOrvItemControlBase::mouseMoveEvent(QMouseEvent* e)
{
    TOrvWinControlT::mouseMoveEvent(e);
    e->accept();
}

void TOrvItemControlBase::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    if (!fTransparent)
        canvas.fillRect(rect(), ColorToQColor(Color(), palette()));
    if (!fInUpdate)
        PaintControl(canvas);
}

void TOrvItemControlBase::resizeEvent(QResizeEvent* e)
{
    TOrvWinControlT::resizeEvent(e);
    Invalidate();
}

// ---- TOrvCustomSelectBtn

TOrvCustomSelectBtn::TOrvCustomSelectBtn(QWidget* parent, bool groupItem)
    : TOrvItemControlBase(std::make_unique<TOrvItemColorSet>(), parent), fGroupItem(groupItem)
{
    resize(100, 17);
}

TOrvItemGeometry TOrvCustomSelectBtn::Geometry() const
{
    // Each part within what Qt's geometry holds, so no sum of them can overflow.
    TOrvItemGeometry g;
    g.ClientWidth = width();
    g.ClientHeight = height();
    g.MarkWidth = ClampCoordinate(MarkWidth());
    g.MarkMargin = ClampCoordinate(fMarkMargin);
    g.CaptionGap = ClampCoordinate(fCaptionGap);
    g.Inset = fFrameStyle != efsNone ? ClampCoordinate(int64_t(fFrameGap) + OwnColorSet().BorderSize()) : 0;
    g.CaptionLeft = CaptionLeft();
    g.WordWrap = fWordWrap;
    return g;
}

void TOrvCustomSelectBtn::Click()
{
    if (Loading())
        return;
    if (OnClick)
        OnClick(this);
    emit clicked();
}

void TOrvCustomSelectBtn::FireStateChange()
{
    if (OnStateChange)
        OnStateChange(this);
    emit changed();
}

void TOrvCustomSelectBtn::PaintControl(QPainter& canvas)
{
    const TOrvItemPaintColors colors = PaintColors();
    const TOrvItemGeometry g = Geometry();
    const QPalette& pal = palette();
    if (!fGroupItem && fFrameStyle != efsNone) {
        const TColor frame = colors.Set.GetFrameColor(ReadOnly(), isEnabled(), PaintHot(), PaintFocused());
        DrawControlFrame(canvas, rect(), fFrameStyle, OwnColorSet().BorderSize(), ColorToQColor(frame, pal),
                         ColorToQColor(Color(), pal), pal);
    }
    PaintMark(canvas, ItemMarkRect(g), colors);
    if (!Caption().isEmpty())
        PaintCaption(canvas, g, colors);
}

void TOrvCustomSelectBtn::PaintCaption(QPainter& canvas, const TOrvItemGeometry& g, const TOrvItemPaintColors& colors)
{
    TColor color = FontColor();
    TFontStyles style = FontStyle();
    colors.Items.GetItemColor(ReadOnly(), isEnabled(), PaintHot(), PaintFocused(), color, style);
    const QPalette& pal = palette();
    const QRect captionRect = ItemCaptionRect(g);
    const int flags = ItemCaptionFlags(g);
    QColor textColor = ColorToQColor(color, pal);
    // The disabled caption colour defaults to the window colour, which is also the
    // control's own: such a caption would vanish, so it greys out instead.
    if (!isEnabled() && textColor.rgb() == ColorToQColor(Color(), pal).rgb())
        textColor = pal.color(QPalette::Disabled, QPalette::WindowText);
    DrawStyledText(canvas, captionRect, Caption(), style, textColor, colors.Items.ItemStyle(), flags, pal);
    if (!hasFocus() || fFocusPenStyle == Qt::NoPen)
        return;
    QFont font = canvas.font();
    ApplyFontStyle(font, style);
    const QSize text = QFontMetrics(font).boundingRect(captionRect, flags, Caption()).size();
    const QRect focus = ItemFocusRect(g, text);
    canvas.save();
    canvas.setPen(QPen(ColorToQColor(colors.Set.GetFocusFrameColor(), pal), 1, fFocusPenStyle));
    canvas.setBrush(Qt::NoBrush);
    canvas.drawRect(focus.adjusted(0, 0, -1, -1));
    canvas.restore();
}

} // namespace orv
