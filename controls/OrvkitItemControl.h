#pragma once

#include <orvkit/controls/OrvkitItemDrawing.h>
#include <orvkit/framework/OrvkitColorSets.h>
#include <orvkit/framework/OrvkitControl.h>
#include <orvkit/framework/OrvkitUICtrl.h>

#include <QAccessible>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

namespace orv {

inline namespace ItemControlEnums {
Q_NAMESPACE

/// What a character typed on a selection control or group asks for.
enum TOrvItemKeyAction { eikNone, eikNextControl, eikUndo, eikToggle, eikMakeNull };
Q_ENUM_NS(TOrvItemKeyAction)
} // namespace ItemControlEnums

struct TOrvItemKeyContext {
    bool EnterAsTab = true;
    bool ESCAsUndo = true;
    /// Space toggles the control.
    bool Toggle = false;
    bool AllowKbdNull = true;
};

/// Names the action of Enter, Esc, Space and Ctrl+N; a key that asks for one is swallowed.
TOrvItemKeyAction ItemKeyRule(QChar& key, const TOrvItemKeyContext& context);

/// The step an arrow key takes among the buttons of a group: −1 for Up and Left, +1 for
/// Down and Right (Left and Right swapped when reading right to left), 0 for other keys
/// and with Shift, Ctrl or Alt held.
int ArrowStep(uint16_t key, TShiftState shift, bool rightToLeft);
/// The button `step` places on from `current` in `ring`, going round, that can take the
/// focus (enabled and shown); none when no other can.
QWidget* StepInRing(const std::vector<QWidget*>& ring, const QWidget* current, int step);

/// The colours a check box, radio button or group paints with: the background and state
/// switches of one set and the item colours of the same set.
struct TOrvItemPaintColors {
    const TOrvBaseStartEditColorSet& Set;
    const TOrvItemColors& Items;
};

/// The base of the self-painted selection controls and group boxes: its own colour set or
/// an attached UI control's, the focused, hot and in-update states, read-only with the
/// tab-stop rule of the edits, a caption with an accelerator, and transparency.
///
/// Only a left press takes the focus by mouse: Qt's own focus on click stays off.
class TOrvItemControlBase : public TOrvWinControlT<QWidget>, public IOrvUIClient {
    Q_OBJECT
    Q_PROPERTY(QString Version READ Version STORED false)
    Q_PROPERTY(orv::TOrvUICtrl* UICtrl READ UICtrl WRITE SetUICtrl)
    Q_PROPERTY(orv::TOrvUIUsageTypes UIUsage READ UIUsage WRITE SetUIUsage)
    Q_PROPERTY(int Right READ Right WRITE SetRight STORED false)
    Q_PROPERTY(int Bottom READ Bottom WRITE SetBottom STORED false)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(orv::ItemDrawingEnums::TOrvAlignCaption AlignCaption READ AlignCaption WRITE SetAlignCaption)
public:
    ~TOrvItemControlBase() override;

    QString Version() const;

    TOrvUICtrl* UICtrl() const { return fUICtrl; }
    void SetUICtrl(TOrvUICtrl* value);
    TOrvUIUsageTypes UIUsage() const { return fUIUsage; }
    void SetUIUsage(TOrvUIUsageTypes value);

    /// The caption; "&" marks the accelerator, "&&" is a plain ampersand.
    const QString& Caption() const { return fCaption; }
    void SetCaption(const QString& value);
    bool ReadOnly() const { return fReadOnly; }
    void SetReadOnly(bool value);
    /// Leaves the parent's background visible instead of filling the control.
    bool Transparent() const { return fTransparent; }
    void SetTransparent(bool value);
    TOrvAlignCaption AlignCaption() const { return fAlignCaption; }
    void SetAlignCaption(TOrvAlignCaption value);

    /// Whether Tab stops at the control. Without a tab stop a left press still focuses it.
    bool TabStop() const { return focusPolicy() & Qt::TabFocus; }
    void SetTabStop(bool value) { setFocusPolicy(value ? Qt::TabFocus : Qt::NoFocus); }

    bool Focused() const { return fFocused; }
    bool MouseOver() const { return fMouseOver; }
    bool InUpdate() const { return fInUpdate; }

    // IOrvUIClient
    void UpdateColorSet() override { Invalidate(); }
    void Redraw() override { RecreateWnd(); }
    void Display() override { Invalidate(); }

    /// The special-colour decision for the current state.
    bool DecideSpecial();
    /// Nothing is painted until EndUpdate.
    void BeginUpdate() { fInUpdate = true; }
    void EndUpdate();

    TNotifyEvent OnColorSetChange;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;
    TOrvSpecialColorEvent OnSpecialColor;
    // OnMouseDown comes after the control's own handling of the press (a left press has
    // taken the focus), the second press of a double click with ssDouble after OnDblClick;
    // OnMouseUp after the release's (a check box has toggled).
    /// A double click with the left button.
    TNotifyEvent OnDblClick;

protected:
    TOrvItemControlBase(std::unique_ptr<TOrvItemColorSet> colorSet, QWidget* parent);

    TOrvItemColorSet& OwnColorSet() const { return *fColorSet; }
    /// The set that paints: the UI control's whenever one with a set is attached.
    TOrvItemPaintColors PaintColors() const;
    bool PaintsWithUISet() const { return fUICtrl && fUICtrl->ColorSet(); }
    TOrvNavigation EffectiveNavigation() const { return orv::EffectiveNavigation(fUICtrl, fUIUsage); }
    bool EffectiveAllowKbdNull(bool own) const;
    /// OnKeyPress, then the key rule with the navigation in use; Enter moves the focus on
    /// here, the other actions are the caller's. `undo`: Esc may undo at all.
    TOrvItemKeyAction ItemKeyPress(QChar& key, bool undo, bool toggle, bool allowKbdNull);
    /// The caption counts as left of the mark: left-aligned or right-to-left reading.
    bool CaptionLeft() const { return fAlignCaption == eacCaptionLeft || layoutDirection() == Qt::RightToLeft; }
    /// The live states for painting (never while designing).
    bool PaintHot() const { return !Designing() && fMouseOver; }
    bool PaintFocused() const { return !Designing() && fFocused; }

    virtual void ColorSetChanged();
    void ParentColorRequested();
    virtual void UICtrlChanged() {}
    virtual void CaptionChanged(const QString& old) { Q_UNUSED(old); }
    /// After ReadOnly has changed and the tab stop follows it.
    virtual void ReadOnlyChanged() {}
    /// The caption's accelerator was pressed.
    virtual void Accelerator() { setFocus(Qt::ShortcutFocusReason); }
    /// Whether a left press focuses the control.
    virtual bool FocusOnPress() const { return false; }
    /// Paints the control unless in update; the background is already there.
    virtual void PaintControl(QPainter& canvas) = 0;
    /// Sets or clears mouse-over; a change repaints while hot tracking is on.
    void SetMouseOver(bool value);
    /// Tells assistive technology, when any listens, which states have changed.
    void NotifyAccessibleState(const QAccessible::State& changed);

    void DoEnter() override;
    void DoExit() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void EnabledChanged() override { Invalidate(); }
    void FontChanged() override { Invalidate(); }
    void Notification(QObject* component, TOperation operation) override;

    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    // The control's mouse events are its own: none reaches the parent.
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:

    std::unique_ptr<TOrvItemColorSet> fColorSet;
    QPointer<TOrvUICtrl> fUICtrl;
    TOrvUIUsageTypes fUIUsage = TOrvUIUsageTypes::All();
    QString fCaption;
    int fShortcutId = 0;
    TOrvAlignCaption fAlignCaption = eacCaptionRight;
    bool fReadOnly = false;
    bool fTransparent = false;
    bool fFocused = false;
    bool fMouseOver = false;
    bool fInUpdate = false;
};

/// What check boxes and radio buttons share: the frame round the control, the mark (box
/// or circle) beside the caption, and the focus rectangle.
class TOrvCustomSelectBtn : public TOrvItemControlBase {
    Q_OBJECT
    // The set is edited in place; it is not a QObject, so the property is its address.
    Q_PROPERTY(orv::TOrvItemColorSet* ColorSet READ ColorSetAddress CONSTANT)
    Q_PROPERTY(int CaptionGap READ CaptionGap WRITE SetCaptionGap)
    Q_PROPERTY(int FrameGap READ FrameGap WRITE SetFrameGap)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(orv::ItemDrawingEnums::TOrvFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(Qt::PenStyle FocusPenStyle READ FocusPenStyle WRITE SetFocusPenStyle)
public:
    /// The own set.
    TOrvItemColorSet& ColorSet() const { return OwnColorSet(); }

    int CaptionGap() const { return fCaptionGap; }
    // Gaps and margins stay within Qt's coordinates, so that no layout sum overflows.
    void SetCaptionGap(int value) { SetAndRepaint(fCaptionGap, ClampCoordinate(value)); }
    int FrameGap() const { return fFrameGap; }
    void SetFrameGap(int value) { SetAndRepaint(fFrameGap, ClampCoordinate(value)); }
    bool WordWrap() const { return fWordWrap; }
    void SetWordWrap(bool value) { SetAndRepaint(fWordWrap, value); }
    TOrvFrameStyle FrameStyle() const { return fFrameStyle; }
    void SetFrameStyle(TOrvFrameStyle value) { SetAndRepaint(fFrameStyle, value); }
    /// Qt::NoPen draws no focus rectangle.
    Qt::PenStyle FocusPenStyle() const { return fFocusPenStyle; }
    void SetFocusPenStyle(Qt::PenStyle value) { SetAndRepaint(fFocusPenStyle, value); }

    /// An item of a radio or check group: no frame of its own.
    bool IsGroupItem() const { return fGroupItem; }

    /// Fired for each change of the state the user sees, after OnClick.
    TNotifyEvent OnClick;
    TNotifyEvent OnStateChange;

    /// Where the mark and caption go now.
    TOrvItemGeometry Geometry() const;
    TOrvItemColorSet* ColorSetAddress() const { return &ColorSet(); }

signals:
    /// Right after OnClick.
    void clicked();
    /// Right after OnStateChange.
    void changed();

protected:
    TOrvCustomSelectBtn(QWidget* parent, bool groupItem);

    template <class T>
    void SetAndRepaint(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }
    int MarkMargin() const { return fMarkMargin; }
    void SetMarkMargin(int value) { fMarkMargin = ClampCoordinate(value); }
    virtual int MarkWidth() const = 0;
    /// Paints the box or circle in the rectangle.
    virtual void PaintMark(QPainter& canvas, const QRect& mark, const TOrvItemPaintColors& colors) = 0;
    /// Host Changed, then OnClick and clicked(); nothing while loading.
    virtual void Click();
    bool FocusOnPress() const override { return true; }
    /// OnStateChange, then changed().
    void FireStateChange();

    void PaintControl(QPainter& canvas) override;

private:
    void PaintCaption(QPainter& canvas, const TOrvItemGeometry& g, const TOrvItemPaintColors& colors);

    int fCaptionGap = 5;
    int fFrameGap = 1;
    int fMarkMargin = 0;
    bool fWordWrap = false;
    bool fGroupItem = false;
    TOrvFrameStyle fFrameStyle = efsNone;
    Qt::PenStyle fFocusPenStyle = Qt::DotLine;
};

} // namespace orv
