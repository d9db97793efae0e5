#pragma once

#include <orvkit/controls/OrvkitItemControl.h>

namespace orv {

inline namespace CheckBoxEnums {
Q_NAMESPACE

/// The states of a check box; cbGrayed is the null state.
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
Q_ENUM_NS(TCheckBoxState)
} // namespace CheckBoxEnums

/// A three-state check box painted by itself; the third state means null. Space toggles
/// it, Ctrl+N makes it null, Esc returns to the state it had on entering, Enter moves on.
class TOrvCustomCheckBox : public TOrvCustomSelectBtn {
    Q_OBJECT
    Q_PROPERTY(bool AllowKbdNull READ AllowKbdNull WRITE SetAllowKbdNull)
    Q_PROPERTY(int BoxWidth READ BoxWidth WRITE SetBoxWidth)
    Q_PROPERTY(int BoxMargin READ BoxMargin WRITE SetBoxMargin)
    Q_PROPERTY(bool BoxOnFocus READ BoxOnFocus WRITE SetBoxOnFocus)
    Q_PROPERTY(orv::ItemDrawingEnums::TOrvCheckStyle CheckStyle READ CheckStyle WRITE SetCheckStyle)
public:
    explicit TOrvCustomCheckBox(QWidget* parent = nullptr) : TOrvCustomCheckBox(parent, false) {}

    TOrvUIClientKind UIClientKind() const override { return eukCheckBox; }

    /// Ctrl+N makes the box null; the UI control's switch with eutBlank_Null.
    bool AllowKbdNull() const { return fAllowKbdNull; }
    void SetAllowKbdNull(bool value) { fAllowKbdNull = value; }
    int BoxWidth() const { return fBoxWidth; }
    void SetBoxWidth(int value) { SetAndRepaint(fBoxWidth, value); }
    int BoxMargin() const { return MarkMargin(); }
    void SetBoxMargin(int value);
    /// Flat style only: the box frame shows only while focused or hot.
    bool BoxOnFocus() const { return fBoxOnFocus; }
    void SetBoxOnFocus(bool value);
    TOrvCheckStyle CheckStyle() const { return fCheckStyle; }
    void SetCheckStyle(TOrvCheckStyle value) { SetAndRepaint(fCheckStyle, value); }

    TCheckBoxState State() const { return fState; }
    /// Click (OnClick), repaint, OnStateChange; no events while loading.
    void SetState(TCheckBoxState value);
    /// Unchecked and null become checked, checked becomes unchecked.
    void ToggleState();
    /// The state saved on entering, which Esc returns to.
    TCheckBoxState EnterState() const { return fEnterState; }

    TNotifyEvent OnNull;

signals:
    void StateChanged();

protected:
    TOrvCustomCheckBox(QWidget* parent, bool groupItem);

    int MarkWidth() const override { return fBoxWidth; }
    void PaintMark(QPainter& canvas, const QRect& mark, const TOrvItemPaintColors& colors) override;
    void Accelerator() override;
    void DoEnter() override;
    void KeyPress(QChar& key) override;
    void MouseUp(Qt::MouseButton button, TShiftState shift, int x, int y) override;

private:
    TCheckBoxState fState = cbUnchecked;
    TCheckBoxState fEnterState = cbUnchecked;
    int fBoxWidth = 12;
    bool fAllowKbdNull = true;
    bool fBoxOnFocus = false;
    TOrvCheckStyle fCheckStyle = ecsTick;
};

/// The check box with its state published.
class TOrvCheckBox : public TOrvCustomCheckBox {
    Q_OBJECT
    Q_PROPERTY(int State READ StateValue WRITE SetStateValue NOTIFY StateChanged)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked STORED false)
    Q_PROPERTY(bool Null READ Null WRITE SetNull STORED false)
public:
    explicit TOrvCheckBox(QWidget* parent = nullptr) : TOrvCustomCheckBox(parent) {}

    bool Checked() const { return State() == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    bool Null() const { return State() == cbGrayed; }
    /// False leaves the box unchecked.
    void SetNull(bool value) { SetState(value ? cbGrayed : cbUnchecked); }

protected:
    TOrvCheckBox(QWidget* parent, bool groupItem) : TOrvCustomCheckBox(parent, groupItem) {}

private:
    int StateValue() const { return State(); }
    void SetStateValue(int value);
};

} // namespace orv
