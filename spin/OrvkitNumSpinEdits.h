#pragma once

#include <orvkit/edits/OrvkitFloatEdit.h>
#include <orvkit/spin/OrvkitSpinEdit.h>

namespace orv {

/// The float spin edit steps in extended over the whole extended range.
struct TOrvFloatSpinTraits {
    using TEdit = TOrvFloatEdit;
    using TValue = Extended;
    using TWide = Extended;
    using TStep = Extended;
    static constexpr TWide kLowest = std::numeric_limits<Extended>::lowest();
    static constexpr TWide kHighest = std::numeric_limits<Extended>::max();
    static TWide Read(TEdit& edit) { return edit.AsFloat(); }
    static void Write(TEdit& edit, TWide value) { edit.SetAsFloat(value); }
    /// A value read back from the text stands for the bound when it shows as the bound.
    static bool AtBound(const TEdit& edit, TWide value, TWide bound);
};

/// The unsigned 32-bit spin edit: 0 within [0, 100] at start.
class TOrvPosSpinEdit : public TOrvSpinValueT<TOrvPosSpinTraits> {
    Q_OBJECT
    Q_PROPERTY(uint Value READ PeekValue WRITE SetValue NOTIFY valueChanged USER true)
    Q_PROPERTY(uint AsLongWord READ Value WRITE SetValue STORED false)
    Q_PROPERTY(uint Min READ Min WRITE SetMin)
    Q_PROPERTY(uint Max READ Max WRITE SetMax)
    Q_PROPERTY(int Step READ Step WRITE SetStep)
    Q_PROPERTY(int PageStep READ PageStep WRITE SetPageStep)
    Q_PROPERTY(bool Wrap READ Wrap WRITE SetWrap)
    Q_PROPERTY(bool Unbounded READ Unbounded WRITE SetUnbounded)
    Q_PROPERTY(orv::NumEditEnums::TOrvSeparatorStyle ThousandSeparators READ ThousandSeparators WRITE SetThousandSeparators)
    Q_PROPERTY(bool ShowThousandSeparators READ ShowThousandSeparators WRITE SetShowThousandSeparators STORED false)
    Q_PROPERTY(bool LakhFormatting READ LakhFormatting WRITE SetLakhFormatting)
    Q_PROPERTY(bool ZeroPad READ ZeroPad WRITE SetZeroPad)
public:
    explicit TOrvPosSpinEdit(QWidget* parent = nullptr);

    uint32_t AsLongWord() { return Value(); }
    void SetAsLongWord(uint32_t value) { SetValue(value); }
    using TOrvSpinValueT::SetUnbounded;
    using TOrvSpinValueT::Unbounded;

signals:
    /// The value changed, by stepping, typing or code; typed values come clamped.
    void valueChanged(uint value);
};

/// The extended spin edit: 0 within [0, 100] at start, four decimals.
class TOrvFloatSpinEdit : public TOrvSpinValueT<TOrvFloatSpinTraits> {
    Q_OBJECT
    Q_PROPERTY(double Value READ PeekValue WRITE SetValue NOTIFY valueChanged USER true)
    Q_PROPERTY(double AsFloat READ Value WRITE SetValue STORED false)
    Q_PROPERTY(double Min READ Min WRITE SetMin)
    Q_PROPERTY(double Max READ Max WRITE SetMax)
    Q_PROPERTY(double Step READ Step WRITE SetStep)
    Q_PROPERTY(double PageStep READ PageStep WRITE SetPageStep)
    Q_PROPERTY(bool Wrap READ Wrap WRITE SetWrap)
    Q_PROPERTY(int DecimalPlaces READ DecimalPlaces WRITE SetDecimalPlaces)
    Q_PROPERTY(bool FullAccuracy READ FullAccuracy WRITE SetFullAccuracy)
    Q_PROPERTY(bool TrimTrailingZeroes READ TrimTrailingZeroes WRITE SetTrimTrailingZeroes)
    Q_PROPERTY(bool NegAsBrackets READ NegAsBrackets WRITE SetNegAsBrackets)
    Q_PROPERTY(orv::NumEditEnums::TOrvSeparatorStyle ThousandSeparators READ ThousandSeparators WRITE SetThousandSeparators)
    Q_PROPERTY(bool ShowThousandSeparators READ ShowThousandSeparators WRITE SetShowThousandSeparators STORED false)
    Q_PROPERTY(bool LakhFormatting READ LakhFormatting WRITE SetLakhFormatting)
    Q_PROPERTY(bool ZeroPad READ ZeroPad WRITE SetZeroPad)
public:
    explicit TOrvFloatSpinEdit(QWidget* parent = nullptr);

    Extended AsFloat() { return Value(); }
    void SetAsFloat(Extended value) { SetValue(value); }
    bool FullAccuracy() const { return ValueEdit().FullAccuracy(); }
    void SetFullAccuracy(bool value) { ValueEdit().SetFullAccuracy(value); }
    bool TrimTrailingZeroes() const { return ValueEdit().TrimTrailingZeroes(); }
    void SetTrimTrailingZeroes(bool value) { ValueEdit().SetTrimTrailingZeroes(value); }
    bool NegAsBrackets() const { return ValueEdit().NegAsBrackets(); }
    void SetNegAsBrackets(bool value) { ValueEdit().SetNegAsBrackets(value); }

signals:
    /// The value changed, by stepping, typing or code; typed values come clamped.
    void valueChanged(double value);
};

} // namespace orv
