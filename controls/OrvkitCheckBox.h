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
///
/// State is the value a data mapper or an item delegate binds: a model's bool or
/// TCheckBoxState number goes in, the number comes out. (The properties whose signals
/// this class sends are declared here; Qt's meta-object compiler wants them together.)
class TOrvCustomCheckBox : public TOrvCustomSelectBtn {
    Q_OBJECT
    Q_PROPERTY(int State READ StateValue WRITE SetStateValue NOTIFY stateChanged USER true)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked NOTIFY checkedChanged STORED false)
    Q_PROPERTY(bool Null READ Null WRITE SetNull NOTIFY nullChanged STORED false)
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
    bool Checked() const { return fState == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    bool Null() const { return fState == cbGrayed; }
    /// False leaves the box unchecked.
    void SetNull(bool value) { SetState(value ? cbGrayed : cbUnchecked); }

    TNotifyEvent OnNull;

signals:
    /// Whenever State changes (as its int value), by code or by the user (Esc included),
    /// never while loading; checkedChanged and nullChanged follow when those change.
    void stateChanged(int state);
    void checkedChanged(bool checked);
    void nullChanged(bool null);

protected:
    TOrvCustomCheckBox(QWidget* parent, bool groupItem);

    int MarkWidth() const override { return fBoxWidth; }
    void PaintMark(QPainter& canvas, const QRect& mark, const TOrvItemPaintColors& colors) override;
    void Accelerator() override;
    void DoEnter() override;
    void KeyPress(QChar& key) override;
    void MouseUp(Qt::MouseButton button, TShiftState shift, int x, int y) override;

private:
    int StateValue() const { return fState; }
    void SetStateValue(int value);
    /// After every change of the state: the value signals (none while loading) and the
    /// accessibility report.
    void SendValueSignals(TCheckBoxState old);

    TCheckBoxState fState = cbUnchecked;
    TCheckBoxState fEnterState = cbUnchecked;
    int fBoxWidth = 12;
    bool fAllowKbdNull = true;
    bool fBoxOnFocus = false;
    TOrvCheckStyle fCheckStyle = ecsTick;
};

/// The check box as it is placed on a form.
class TOrvCheckBox : public TOrvCustomCheckBox {
    Q_OBJECT
public:
    explicit TOrvCheckBox(QWidget* parent = nullptr) : TOrvCustomCheckBox(parent) {}

protected:
    TOrvCheckBox(QWidget* parent, bool groupItem) : TOrvCustomCheckBox(parent, groupItem) {}
};

} // namespace orv
