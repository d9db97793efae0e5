#pragma once

#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/edits/OrvkitNumEdit.h>
#include <orvkit/framework/OrvkitEditBtnPanel.h>
#include <orvkit/framework/OrvkitSpeedBtn.h>

#include <QWheelEvent>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <type_traits>

namespace orv {

inline namespace SpinEditEnums {
Q_NAMESPACE

/// One move of a spin edit's value.
enum TOrvSpinMove { esmUp, esmDown, esmPageUp, esmPageDown, esmToMax, esmToMin };
Q_ENUM_NS(TOrvSpinMove)
} // namespace SpinEditEnums

/// The bounds and amounts a move works with; `min <= max` holds.
template <typename W>
struct TOrvSpinRange {
    W Min{};
    W Max{};
    W Step{};
    W PageStep{};
    bool Wrap = false;
};

/// Keeps a value inside [min, max]: first against max, then against min.
template <typename W>
W ClampSpinValue(W value, W min, W max)
{
    if (value > max)
        value = max;
    if (value < min)
        value = min;
    return value;
}

/// The value after a move from `value` (already inside the bounds). A step that passes
/// a bound stops at it; only a further step from the bound itself wraps to the other
/// one, and only with Wrap. W must hold `value + step` without overflow (64-bit for 32-bit
/// values, extended for floats). The result is inside the bounds also for a negative step.
template <typename W>
W SpinTarget(TOrvSpinMove move, W value, const TOrvSpinRange<W>& range)
{
    W next = value;
    switch (move) {
    case esmToMax:
        return range.Max;
    case esmToMin:
        return range.Min;
    case esmUp:
    case esmPageUp:
        next = value + (move == esmUp ? range.Step : range.PageStep);
        if (!(next <= range.Max))
            next = range.Wrap && value == range.Max ? range.Min : range.Max;
        break;
    case esmDown:
    case esmPageDown:
        next = value - (move == esmDown ? range.Step : range.PageStep);
        if (!(next >= range.Min))
            next = range.Wrap && value == range.Min ? range.Max : range.Min;
        break;
    }
    return ClampSpinValue(next, range.Min, range.Max);
}

/// The panel every spin edit shares: a value edit with an up button over a down button,
/// both repeating. The buttons and the Up, Down, Page Up and Page Down keys (Ctrl+Page Up
/// and Ctrl+Page Down for the bounds) move the value; a read-only spin edit does not move.
/// While the value edit has the focus and Arrows is on, the library-wide arrows-as-tab
/// default is off and the arrow keys step, also when an attached UI control's navigation
/// says arrows act as Tab; leaving the edit restores the default and reads the value once,
/// which writes a bound back over an out-of-range typed value. The mouse wheel steps the
/// value while the value edit has the focus.
class TOrvCustomSpinEdit : public TOrvEditBtnPanel {
    Q_OBJECT
    Q_PROPERTY(bool Arrows READ Arrows WRITE SetArrows)
    Q_PROPERTY(bool EditorEnabled READ EditorEnabled WRITE SetEditorEnabled)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(unsigned Interval READ Interval WRITE SetInterval)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Null READ Null WRITE SetNull)
    Q_PROPERTY(QString NullStr READ NullStr WRITE SetNullStr)
    Q_PROPERTY(bool BlankWhenNull READ BlankWhenNull WRITE SetBlankWhenNull)
    Q_PROPERTY(bool BlankWhenZero READ BlankWhenZero WRITE SetBlankWhenZero)
    Q_PROPERTY(bool BlankIsNull READ BlankIsNull WRITE SetBlankIsNull)
    Q_PROPERTY(bool AllowKbdNull READ AllowKbdNull WRITE SetAllowKbdNull)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE SetAutoSelect)
    Q_PROPERTY(bool AutoSelectClick READ AutoSelectClick WRITE SetAutoSelectClick)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(QString Text READ Text WRITE SetText STORED false)
    Q_PROPERTY(QString AsString READ Text WRITE SetText STORED false)
    Q_PROPERTY(bool StoreValue READ StoreValue WRITE SetStoreValue)
public:
    ~TOrvCustomSpinEdit() override;

    TOrvSpeedBtn* UpBtn() const { return fUpBtn; }
    TOrvSpeedBtn* DownBtn() const { return fDownBtn; }

    /// The up button's click: OnUpClick, one Step up, OnAfterUpClick; the value edit
    /// takes the focus first. Nothing on a read-only spin edit.
    void StepUp();
    void StepDown();

    bool Arrows() const { return fArrows; }
    void SetArrows(bool value) { fArrows = value; }
    /// Off refuses every typed character, so the value can only be stepped.
    bool EditorEnabled() const { return fEditorEnabled; }
    void SetEditorEnabled(bool value) { fEditorEnabled = value; }
    bool ReadOnly() const { return Edit()->ReadOnly(); }
    void SetReadOnly(bool value) { Edit()->SetReadOnly(value); }
    /// The repeat interval of both buttons in milliseconds.
    unsigned Interval() const { return fInterval; }
    void SetInterval(unsigned value);
    /// On makes the panel as high as the value edit wants to be for its font; the
    /// height follows the font from then on.
    bool AutoSize() const { return Edit()->AutoSize(); }
    void SetAutoSize(bool value);
    /// Whether Tab stops at the value edit; the panel itself never takes a tab stop.
    bool TabStop() const { return Edit()->TabStop(); }
    void SetTabStop(bool value) { Edit()->SetTabStop(value); }
    /// The panel, its buttons and the value edit together; read from the up button.
    bool Enabled() const { return fUpBtn->isEnabled(); }
    void SetEnabled(bool value) { setEnabled(value); }

    bool Null() const { return Edit()->Null(); }
    void SetNull(bool value) { Edit()->SetNull(value); }
    QString NullStr() const { return Edit()->NullStr(); }
    void SetNullStr(const QString& value) { Edit()->SetNullStr(value); }
    bool BlankWhenNull() const { return Edit()->BlankWhenNull(); }
    void SetBlankWhenNull(bool value) { Edit()->SetBlankWhenNull(value); }
    bool BlankWhenZero() const { return Edit()->BlankWhenZero(); }
    void SetBlankWhenZero(bool value) { Edit()->SetBlankWhenZero(value); }
    bool BlankIsNull() const { return Edit()->BlankIsNull(); }
    void SetBlankIsNull(bool value) { Edit()->SetBlankIsNull(value); }
    bool AllowKbdNull() const { return Edit()->AllowKbdNull(); }
    void SetAllowKbdNull(bool value) { Edit()->SetAllowKbdNull(value); }
    bool AutoSelect() const { return Edit()->AutoSelect(); }
    void SetAutoSelect(bool value) { Edit()->SetAutoSelect(value); }
    bool AutoSelectClick() const { return Edit()->AutoSelectClick(); }
    void SetAutoSelectClick(bool value) { Edit()->SetAutoSelectClick(value); }
    int MaxLength() const { return Edit()->MaxLength(); }
    void SetMaxLength(int value) { Edit()->SetMaxLength(value); }
    bool StoreValue() const { return Edit()->StoreValue(); }
    void SetStoreValue(bool value) { Edit()->SetStoreValue(value); }
    bool IsClear() const { return Edit()->IsClear(); }
    void SelectNone() { Edit()->SelectNone(); }
    /// The value edit has the focus.
    bool Focused() const { return Edit()->hasFocus(); }

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;
    TNotifyEvent OnAfterUpClick;
    TNotifyEvent OnAfterDownClick;
    TNotifyEvent OnNull;
    /// A left-button click (a double click) in the value edit.
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    /// Asked by the value edit, with the spin edit as the sender.
    TOrvSpecialColorEvent OnSpecialColor;

signals:
    /// Right after OnClick.
    void clicked();

protected:
    /// `edit` becomes the value edit: 71 wide, right-aligned, with the two 16-pixel
    /// buttons beside it.
    TOrvCustomSpinEdit(QWidget* parent, std::unique_ptr<TOrvBaseEdit> edit);

    /// Moves the value; read-only is checked before.
    virtual void Spin(TOrvSpinMove move) = 0;
    /// Reads the value, writing a bound back over an out-of-range one.
    virtual void ClampValue() = 0;

    void EditEnter() override;
    void EditExit() override;
    void EditKeyDown(uint16_t& key, TShiftState shift) override;
    void EditKeyPress(QChar& key) override;
    void EditRawKeyDown(uint16_t& key, TShiftState shift) override;
    void ColorSetChangeRelay() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Runs a move of the buttons or keys. A text that does not convert leaves the value
    /// as it is; leaving the edit reports it.
    void SafeSpin(TOrvSpinMove move);
    void Click(TOrvSpinMove move, const TNotifyEvent& before, const TNotifyEvent& after);
    void WheelStep(QWheelEvent& event);

    TOrvSpeedBtn* fUpBtn = nullptr;
    TOrvSpeedBtn* fDownBtn = nullptr;
    /// The arrows-as-tab default, switched off while the value edit has the focus.
    std::optional<TOrvScopedValue<bool>> fArrowsOff;
    unsigned fInterval = 400;
    bool fArrows = true;
    bool fEditorEnabled = true;
    int fWheelDelta = 0;
};

/// The value type of a spin edit: the value edit, the public value type, the wide type
/// every step is computed in, the step type, the type's range and how the edit is read
/// and written. This one serves the 32-bit integer spin edits.
template <class Edit, typename Value>
struct TOrvIntegerSpinTraits {
    using TEdit = Edit;
    using TValue = Value;
    using TWide = int64_t;
    using TStep = int32_t;
    static constexpr TWide kLowest = std::numeric_limits<Value>::min();
    static constexpr TWide kHighest = std::numeric_limits<Value>::max();
    // The 64-bit value, so that a typed value beyond 32 bits clamps rather than wraps.
    static TWide Read(TEdit& edit) { return edit.AsInt64(); }
    static void Write(TEdit& edit, TWide value) { edit.SetAsInt64(value); }
};
using TOrvIntSpinTraits = TOrvIntegerSpinTraits<TOrvIntEdit, int32_t>;
using TOrvPosSpinTraits = TOrvIntegerSpinTraits<TOrvPosEdit, uint32_t>;

/// The value handling of a spin edit over TOrvCustomSpinEdit, for one value type: the
/// bounds, the amounts, wrapping and Unbounded, and the numeric switches of the value edit.
template <class Traits>
class TOrvSpinValueT : public TOrvCustomSpinEdit {
public:
    using TEdit = typename Traits::TEdit;
    using TValue = typename Traits::TValue;
    using TWide = typename Traits::TWide;
    using TStep = typename Traits::TStep;

    TEdit& ValueEdit() const { return static_cast<TEdit&>(*Edit()); }

    /// Reading converts the text; a value outside the bounds is replaced by the bound,
    /// which is written back into the edit (a null edit stays null).
    TValue Value() { return TValue(ReadClamped()); }
    /// The value as Value reads it, without writing a bound back: what the spin edit will
    /// hold once the user leaves it. The Qt property reads this.
    TValue PeekValue() { return TValue(ClampSpinValue(Traits::Read(ValueEdit()), fRange.Min, fRange.Max)); }
    /// Clamped into the bounds; the edit is written only when the value differs.
    void SetValue(TValue value) { WriteClamped(TWide(value)); }

    TValue Min() const { return TValue(fRange.Min); }
    /// Kept inside the type's range. The value is raised to it and Max follows it up when
    /// needed; any value but the type's smallest turns Unbounded off.
    void SetMin(TWide value)
    {
        if (!IsNumber(value))
            return;
        value = ClampSpinValue(value, Traits::kLowest, Traits::kHighest);
        if (value == fRange.Min)
            return;
        fRange.Min = value;
        if (!Edit()->Null() && Traits::Read(ValueEdit()) < value)
            Traits::Write(ValueEdit(), value);
        if (value != Traits::kLowest)
            fUnbounded = false;
        if (value > fRange.Max)
            SetMax(value);
    }
    TValue Max() const { return TValue(fRange.Max); }
    void SetMax(TWide value)
    {
        if (!IsNumber(value))
            return;
        value = ClampSpinValue(value, Traits::kLowest, Traits::kHighest);
        if (value == fRange.Max)
            return;
        fRange.Max = value;
        if (!Edit()->Null() && Traits::Read(ValueEdit()) > value)
            Traits::Write(ValueEdit(), value);
        if (value != Traits::kHighest)
            fUnbounded = false;
        if (value < fRange.Min)
            SetMin(value);
    }
    TStep Step() const { return TStep(fRange.Step); }
    /// A NaN amount is ignored.
    void SetStep(TStep value)
    {
        if (IsNumber(TWide(value)))
            fRange.Step = TWide(value);
    }
    TStep PageStep() const { return TStep(fRange.PageStep); }
    void SetPageStep(TStep value)
    {
        if (IsNumber(TWide(value)))
            fRange.PageStep = TWide(value);
    }
    /// Stepping past a bound from the bound itself jumps to the other bound.
    bool Wrap() const { return fRange.Wrap; }
    void SetWrap(bool value) { fRange.Wrap = value; }

    uint8_t DecimalPlaces() const { return ValueEdit().DecimalPlaces(); }
    void SetDecimalPlaces(int value) { ValueEdit().SetDecimalPlaces(value); }
    bool ZeroPad() const { return ValueEdit().ZeroPad(); }
    void SetZeroPad(bool value) { ValueEdit().SetZeroPad(value); }
    TOrvSeparatorStyle ThousandSeparators() const { return ValueEdit().ThousandSeparators(); }
    void SetThousandSeparators(TOrvSeparatorStyle value) { ValueEdit().SetThousandSeparators(value); }
    bool ShowThousandSeparators() const { return ValueEdit().ShowThousandSeparators(); }
    void SetShowThousandSeparators(bool value) { ValueEdit().SetShowThousandSeparators(value); }
    bool LakhFormatting() const { return ValueEdit().LakhFormatting(); }
    void SetLakhFormatting(bool value) { ValueEdit().SetLakhFormatting(value); }

protected:
    explicit TOrvSpinValueT(QWidget* parent) : TOrvCustomSpinEdit(parent, std::make_unique<TEdit>())
    {
        fRange.Max = 100;
        fRange.Step = 1;
        fRange.PageStep = 10;
    }

    /// Unbounded on sets the bounds to the type's whole range; another bound turns it off.
    bool Unbounded() const { return fUnbounded; }
    void SetUnbounded(bool value)
    {
        if (value == fUnbounded)
            return;
        if (value) {
            SetMax(Traits::kHighest);
            SetMin(Traits::kLowest);
        }
        fUnbounded = value;
    }

    void Spin(TOrvSpinMove move) override
    {
        TWide value = ReadClamped();
        if (AtBound(value, fRange.Max))
            value = fRange.Max;
        else if (AtBound(value, fRange.Min))
            value = fRange.Min;
        WriteClamped(SpinTarget(move, value, fRange));
    }
    void ClampValue() override { ReadClamped(); }

private:
    /// False for a NaN, which no bound or value may take.
    static bool IsNumber(TWide value)
    {
        if constexpr (std::is_floating_point_v<TWide>)
            return !std::isnan(value);
        else
            return true;
    }
    /// Whether a value read from the edit stands for the bound; a type whose edit rounds
    /// what it shows says so in its traits.
    bool AtBound(TWide value, TWide bound) const
    {
        if constexpr (requires(const TEdit& edit) { Traits::AtBound(edit, value, bound); })
            return Traits::AtBound(ValueEdit(), value, bound);
        else
            return value == bound;
    }
    TWide ReadClamped()
    {
        const TWide read = Traits::Read(ValueEdit());
        const TWide value = ClampSpinValue(read, fRange.Min, fRange.Max);
        if (value != read && !Edit()->Null())
            Traits::Write(ValueEdit(), value);
        return value;
    }
    void WriteClamped(TWide value)
    {
        if (!IsNumber(value))
            return;
        value = ClampSpinValue(value, fRange.Min, fRange.Max);
        if (Edit()->Null() || Traits::Read(ValueEdit()) != value)
            Traits::Write(ValueEdit(), value);
    }

    TOrvSpinRange<TWide> fRange;
    bool fUnbounded = false;
};

/// The signed 32-bit spin edit all integer spin edits stand on: 0 within [0, 100] at start.
class TOrvBaseSpinEdit : public TOrvSpinValueT<TOrvIntSpinTraits> {
    Q_OBJECT
    Q_PROPERTY(int Value READ PeekValue WRITE SetValue NOTIFY valueChanged USER true)
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Step READ Step WRITE SetStep)
    Q_PROPERTY(int PageStep READ PageStep WRITE SetPageStep)
    Q_PROPERTY(bool Wrap READ Wrap WRITE SetWrap)
public:
    explicit TOrvBaseSpinEdit(QWidget* parent = nullptr) : TOrvSpinValueT(parent) {}

signals:
    /// The value changed, by stepping, typing or code; typed values come clamped.
    void valueChanged(int value);
};

/// The integer spin edit: the base with Unbounded and thousands grouping.
class TOrvIntSpinEdit : public TOrvBaseSpinEdit {
    Q_OBJECT
    Q_PROPERTY(int AsInteger READ Value WRITE SetValue STORED false)
    Q_PROPERTY(bool Unbounded READ Unbounded WRITE SetUnbounded)
    Q_PROPERTY(orv::NumEditEnums::TOrvSeparatorStyle ThousandSeparators READ ThousandSeparators WRITE SetThousandSeparators)
    Q_PROPERTY(bool ShowThousandSeparators READ ShowThousandSeparators WRITE SetShowThousandSeparators STORED false)
    Q_PROPERTY(bool LakhFormatting READ LakhFormatting WRITE SetLakhFormatting)
    Q_PROPERTY(bool ZeroPad READ ZeroPad WRITE SetZeroPad)
public:
    explicit TOrvIntSpinEdit(QWidget* parent = nullptr) : TOrvBaseSpinEdit(parent) {}

    int32_t AsInteger() { return Value(); }
    void SetAsInteger(int32_t value) { SetValue(value); }
    using TOrvSpinValueT::SetUnbounded;
    using TOrvSpinValueT::Unbounded;
};

} // namespace orv
