#pragma once

#include <orvkit/framework/OrvkitColors.h>
#include <orvkit/framework/OrvkitComponent.h>
#include <orvkit/framework/OrvkitDrawing.h>
#include <orvkit/framework/OrvkitGeometry.h>
#include <orvkit/framework/OrvkitKeys.h>

#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <type_traits>

namespace orv {

/// A popup menu for a control's PopupMenu; with AutoPopup off the control's context menu
/// request shows nothing and the program opens the menu itself.
class TOrvPopupMenu : public QMenu {
    Q_OBJECT
    Q_PROPERTY(bool AutoPopup READ AutoPopup WRITE SetAutoPopup)
public:
    using QMenu::QMenu;
    bool AutoPopup() const { return fAutoPopup; }
    void SetAutoPopup(bool value) { fAutoPopup = value; }

private:
    bool fAutoPopup = true;
};

/// A mouse button went down or up over a control; x and y in the control's coordinates.
using TMouseEvent = std::function<void(QObject* sender, Qt::MouseButton button, TShiftState shift, int x, int y)>;
/// The mouse moved over a control (while a button is held, or always with mouse tracking).
using TMouseMoveEvent = std::function<void(QObject* sender, TShiftState shift, int x, int y)>;

namespace detail {
/// The paste and cut actions of a standard context menu, re-routed to the control's own
/// handlers so a control sees every paste and cut request; false when the menu has none.
bool RouteEditActions(QMenu& menu, const std::function<void()>& paste, const std::function<void()>& cut);
/// Focus moves the control takes part in (not popups, not window switches).
bool IsControlFocusChange(Qt::FocusReason reason);
} // namespace detail

/// A windowed control on top of a QWidget class (QLineEdit, QFrame ...). It turns Qt's
/// input into the notifications the controls are written against:
/// - each key press runs RawKeyDown, KeyDown (virtual key and shift state), then KeyPress
///   (the character typed); a handler that sets the key or character to 0 swallows it, one
///   that replaces the character gets the replacement typed instead; a key release runs KeyUp.
///   A key changed to another non-zero key in KeyDown reaches the native edit unchanged.
/// - paste and cut requests (keys and the context menu) go through DoPaste and DoCut;
/// - DoEnter and DoExit when the focus enters and leaves the control (a popup or a switch
///   to another window neither enters nor leaves);
/// - MouseEnter and MouseLeave, MouseUp, EnabledChanged, FontChanged, ContextMenuDone;
/// - OnMouseDown, OnMouseUp and OnMouseMove after Qt's own handling of the mouse;
/// - BorderPainted after each paint, with a painter on the whole window.
template <class Base>
class TOrvWinControlT : public TOrvComponentT<Base> {
    static_assert(std::is_base_of_v<QWidget, Base>, "a control stands on a widget class");

public:
    using TOrvComponentT<Base>::TOrvComponentT;

    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    /// Background colour (a colour value, system colours through the palette).
    TColor Color() const { return fColor; }
    void SetColor(TColor value)
    {
        fParentColor = false;
        ApplyColor(value);
    }
    /// Takes the parent's background colour while on.
    bool ParentColor() const { return fParentColor; }
    void SetParentColor(bool value)
    {
        if (value == fParentColor)
            return;
        fParentColor = value;
        if (value)
            ApplyColor(ParentBackground());
    }
    TColor FontColor() const { return fFontColor; }
    void SetFontColor(TColor value)
    {
        fFontColor = value;
        QPalette pal = this->palette();
        pal.setColor(this->foregroundRole(), ColorToQColor(value, pal));
        this->setPalette(pal);
    }
    TFontStyles FontStyle() const { return FontStyleOf(this->font()); }
    void SetFontStyle(TFontStyles value)
    {
        QFont f = this->font();
        ApplyFontStyle(f, value);
        this->setFont(f);
    }
    /// Takes the parent's font while on (Qt's own font inheritance).
    bool ParentFont() const { return !this->testAttribute(Qt::WA_SetFont); }
    void SetParentFont(bool value)
    {
        if (value)
            this->setFont(QFont());
    }

    QMenu* PopupMenu() const { return fPopupMenu; }
    void SetPopupMenu(QMenu* value) { fPopupMenu = value; }
    /// Whether the popup menu opens on a context-menu request by itself.
    bool PopupMenuAutoPopup() const
    {
        const auto* menu = qobject_cast<const TOrvPopupMenu*>(fPopupMenu.data());
        return fPopupMenu && (!menu || menu->AutoPopup());
    }

    /// Whether Tab stops at the control; a control without a tab stop still takes the
    /// focus from a click.
    bool TabStop() const { return this->focusPolicy() & Qt::TabFocus; }
    void SetTabStop(bool value) { this->setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus); }

    // Bounds in the parent's coordinates; Right and Bottom are one past the last pixel.
    int Left() const { return this->x(); }
    int Top() const { return this->y(); }
    int Width() const { return this->width(); }
    int Height() const { return this->height(); }
    int Right() const { return SaturatedAdd(this->x(), this->width()); }
    int Bottom() const { return SaturatedAdd(this->y(), this->height()); }
    /// Moves the control so that its right (bottom) edge lies there, without resizing it.
    virtual void SetRight(int value) { MoveRightTo(*this, value); }
    virtual void SetBottom(int value) { MoveBottomTo(*this, value); }
    void SetLeft(int value) { this->move(value, this->y()); }
    void SetTop(int value) { this->move(this->x(), value); }
    void SetWidth(int value) { this->resize(value, this->height()); }
    void SetHeight(int value) { this->resize(this->width(), value); }
    void SetBounds(int left, int top, int width, int height) { this->setGeometry(left, top, width, height); }

    /// Schedules a repaint.
    void Invalidate() { this->update(); }

    /// The top-level window the control sits on.
    QWidget* ParentForm() const { return this->window(); }
    /// Moves the focus to the next (or previous) control in tab order.
    void SelectNextControl(bool forward = true) { this->focusNextPrevChild(forward); }
    /// Re-applies the native settings of the control; controls that keep settings Qt takes
    /// at creation override it.
    virtual void RecreateWnd() { this->update(); }

protected:
    virtual void RawKeyDown(uint16_t& key, TShiftState shift)
    {
        Q_UNUSED(key);
        Q_UNUSED(shift);
    }
    virtual void KeyDown(uint16_t& key, TShiftState shift)
    {
        if (OnKeyDown)
            OnKeyDown(this, key, shift);
    }
    virtual void KeyPress(QChar& key)
    {
        if (OnKeyPress)
            OnKeyPress(this, key);
    }
    virtual void KeyUp(uint16_t& key, TShiftState shift)
    {
        if (OnKeyUp)
            OnKeyUp(this, key, shift);
    }
    virtual void DoEnter()
    {
        if (OnEnter)
            OnEnter(this);
    }
    virtual void DoExit()
    {
        if (OnExit)
            OnExit(this);
    }
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual void MouseUp(Qt::MouseButton button, TShiftState shift, int x, int y)
    {
        Q_UNUSED(button);
        Q_UNUSED(shift);
        Q_UNUSED(x);
        Q_UNUSED(y);
    }
    virtual void EnabledChanged() {}
    virtual void FontChanged() {}
    /// A paste request; the host's paste by default.
    virtual void DoPaste()
    {
        if constexpr (requires(Base& b) { b.paste(); })
            Base::paste();
    }
    /// A cut request; the host's cut by default.
    virtual void DoCut()
    {
        if constexpr (requires(Base& b) { b.cut(); })
            Base::cut();
    }
    /// After the context menu has been shown.
    virtual void ContextMenuDone() {}
    /// After each paint; `canvas` covers the whole window, border included.
    virtual void BorderPainted(QPainter& canvas) { Q_UNUSED(canvas); }

    /// Whether the focus is inside the control as far as DoEnter and DoExit go.
    bool Entered() const { return fEntered; }

    bool event(QEvent* e) override
    {
        // Raw key-down comes first, before Qt's own use of Tab and shortcuts.
        if (e->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(e);
            uint16_t vk = VirtualKeyOf(*key);
            if (vk != 0) {
                RawKeyDown(vk, ShiftStateOf(key->modifiers()));
                if (vk == 0) {
                    e->accept();
                    return true;
                }
            }
        }
        return Base::event(e);
    }

    void keyPressEvent(QKeyEvent* e) override
    {
        uint16_t key = VirtualKeyOf(*e);
        if (key != 0) {
            KeyDown(key, ShiftStateOf(e->modifiers()));
            if (key == 0) {
                e->accept();
                return;
            }
        }
        QChar ch = KeyPressCharOf(*e);
        if (!ch.isNull()) {
            const QChar typed = ch;
            KeyPress(ch);
            if (ch.isNull()) {
                e->accept();
                return;
            }
            if (ch != typed) {
                const std::unique_ptr<QKeyEvent> replacement = KeyEventForChar(ch, e->modifiers());
                NativeKeyPress(replacement.get());
                e->setAccepted(replacement->isAccepted());
                return;
            }
        }
        NativeKeyPress(e);
    }

    void keyReleaseEvent(QKeyEvent* e) override
    {
        uint16_t key = e->isAutoRepeat() ? 0 : VirtualKeyOf(*e);
        if (key != 0) {
            KeyUp(key, ShiftStateOf(e->modifiers()));
            if (key == 0) {
                e->accept();
                return;
            }
        }
        Base::keyReleaseEvent(e);
    }

    void focusInEvent(QFocusEvent* e) override
    {
        Base::focusInEvent(e);
        if (!fEntered && this->hasFocus()) {
            fEntered = true;
            DoEnter();
        }
    }

    void focusOutEvent(QFocusEvent* e) override
    {
        Base::focusOutEvent(e);
        if (fEntered && detail::IsControlFocusChange(e->reason())) {
            fEntered = false;
            DoExit();
        }
    }

    void enterEvent(QEnterEvent* e) override
    {
        Base::enterEvent(e);
        MouseEnter();
    }

    void leaveEvent(QEvent* e) override
    {
        Base::leaveEvent(e);
        MouseLeave();
    }

    void mousePressEvent(QMouseEvent* e) override
    {
        Base::mousePressEvent(e);
        const QPoint p = e->position().toPoint();
        if (OnMouseDown)
            OnMouseDown(this, e->button(), ShiftStateOf(e->modifiers(), e->buttons()), p.x(), p.y());
    }

    void mouseReleaseEvent(QMouseEvent* e) override
    {
        Base::mouseReleaseEvent(e);
        const QPoint p = e->position().toPoint();
        const TShiftState shift = ShiftStateOf(e->modifiers(), e->buttons() | e->button());
        MouseUp(e->button(), shift, p.x(), p.y());
        if (OnMouseUp)
            OnMouseUp(this, e->button(), shift, p.x(), p.y());
    }

    void mouseMoveEvent(QMouseEvent* e) override
    {
        Base::mouseMoveEvent(e);
        const QPoint p = e->position().toPoint();
        if (OnMouseMove)
            OnMouseMove(this, ShiftStateOf(e->modifiers(), e->buttons()), p.x(), p.y());
    }

    void changeEvent(QEvent* e) override
    {
        Base::changeEvent(e);
        if (e->type() == QEvent::EnabledChange)
            EnabledChanged();
        else if (e->type() == QEvent::FontChange)
            FontChanged();
        else if (e->type() == QEvent::ParentChange && fParentColor)
            ApplyColor(ParentBackground());
    }

    void contextMenuEvent(QContextMenuEvent* e) override
    {
        if (fPopupMenu) {
            if (PopupMenuAutoPopup())
                fPopupMenu->exec(e->globalPos());
        } else if constexpr (requires(Base& b) { b.createStandardContextMenu(); }) {
            const std::unique_ptr<QMenu> menu(Base::createStandardContextMenu());
            if (menu) {
                detail::RouteEditActions(*menu, [this] { DoPaste(); }, [this] { DoCut(); });
                menu->exec(e->globalPos());
            }
        } else {
            Base::contextMenuEvent(e);
        }
        e->accept();
        ContextMenuDone();
    }

    void paintEvent(QPaintEvent* e) override
    {
        Base::paintEvent(e);
        QPainter canvas(this);
        BorderPainted(canvas);
    }

private:
    void NativeKeyPress(QKeyEvent* e)
    {
        if (e->matches(QKeySequence::Paste)) {
            e->accept();
            DoPaste();
        } else if (e->matches(QKeySequence::Cut)) {
            e->accept();
            DoCut();
        } else {
            Base::keyPressEvent(e);
        }
    }

    TColor ParentBackground() const
    {
        const QWidget* parent = this->parentWidget();
        if (!parent)
            return clBtnFace;
        return QColorToColor(parent->palette().color(parent->backgroundRole()));
    }

    void ApplyColor(TColor value)
    {
        fColor = value;
        QPalette pal = this->palette();
        pal.setColor(this->backgroundRole(), ColorToQColor(value, pal));
        this->setPalette(pal);
    }

    QPointer<QMenu> fPopupMenu;
    TColor fColor = clWindow;
    TColor fFontColor = clWindowText;
    bool fParentColor = false;
    bool fEntered = false;
};

} // namespace orv
