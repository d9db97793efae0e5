#pragma once

#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/edits/OrvkitNumEditRules.h>
#include <orvkit/framework/OrvkitEdit.h>

#include <cmath>
#include <type_traits>

namespace orv {

/// Reports a bounds violation of a value edit: OnBoundsError with the text and the type
/// when assigned, else the error box with the message and the bound, and the focus back
/// in the edit. Nothing for evtNone.
void ReportBoundsError(TOrvBaseEdit& edit, TOrvBoundsValidationtype type, const QString& boundText);

/// A value edit that holds a number and shows it through the edit base's ShowValueText.
template <class Base>
class TOrvDisplayedValueT : public Base {
public:
    using Base::Base;

protected:
    /// The sign of the stored value: -1, 0 or 1.
    virtual int ValueSign() const = 0;
    /// Writes a display text without reading it back; the stored value stays as it is.
    void ShowText(const QString& text)
    {
        this->ShowValueText(text);
        this->SetSign(ValueSign());
    }
    /// SetText without the redisplay that would follow it.
    void SetTextWithoutRedisplay(const QString& text)
    {
        struct TRestore {
            TOrvDisplayedValueT& edit;
            bool saved;
            ~TRestore() { edit.SetNoDisplayUpdate(saved); }
        } restore{*this, this->NoDisplayUpdate()};
        this->SetNoDisplayUpdate(true);
        this->SetText(text);
    }
    /// Stores a new value (only when it differs or the edit is null), leaves the null
    /// state and shows the value.
    template <typename T>
    void StoreValue(T& field, T value)
    {
        // An infinity or NaN has no text that reads back; it is ignored.
        if constexpr (std::is_floating_point_v<T>) {
            if (!std::isfinite(value))
                return;
        }
        if (value == field && !this->Null())
            return;
        field = value;
        this->SetNull(false);
        this->DoDisplay();
    }
};

/// The base of the edits that hold a number: sign toggling, separators of their own,
/// thousands grouping (also while typing), zero padding and advancing after the decimals.
/// Every setter that changes what is shown redisplays; the input switches do not.
class TOrvBaseNumericEdit : public TOrvDisplayedValueT<TOrvBaseEdit> {
    Q_OBJECT
    Q_PROPERTY(bool BlankWhenZero READ BlankWhenZero WRITE SetBlankWhenZero)
    Q_PROPERTY(bool ShowPosSign READ ShowPosSign WRITE SetShowPosSign)
    Q_PROPERTY(orv::NumEditEnums::TOrvSeparatorStyle ThousandSeparators READ ThousandSeparators WRITE SetThousandSeparators)
    Q_PROPERTY(bool ShowThousandSeparators READ ShowThousandSeparators WRITE SetShowThousandSeparators STORED false)
    Q_PROPERTY(bool LakhFormatting READ LakhFormatting WRITE SetLakhFormatting)
    Q_PROPERTY(bool UseSignToggling READ UseSignToggling WRITE SetUseSignToggling)
    Q_PROPERTY(bool ZeroPad READ ZeroPad WRITE SetZeroPad)
    Q_PROPERTY(bool AllowThouSepInput READ AllowThouSepInput WRITE SetAllowThouSepInput)
    Q_PROPERTY(bool AllowDecSepInput READ AllowDecSepInput WRITE SetAllowDecSepInput)
    Q_PROPERTY(bool AllowNegInput READ AllowNegInput WRITE SetAllowNegInput)
    Q_PROPERTY(int DecimalPlaces READ DecimalPlaces WRITE SetDecimalPlaces)
    Q_PROPERTY(bool ForceDecimals READ ForceDecimals WRITE SetForceDecimals)
    Q_PROPERTY(bool AutoAdvDecimals READ AutoAdvDecimals WRITE SetAutoAdvDecimals)
    Q_PROPERTY(bool CustomSeparators READ CustomSeparators WRITE SetCustomSeparators)
    Q_PROPERTY(QChar CustomThousands READ CustomThousands WRITE SetCustomThousands)
    Q_PROPERTY(QChar CustomDecimal READ CustomDecimal WRITE SetCustomDecimal)
    Q_PROPERTY(bool BoundsEnabled READ BoundsEnabled WRITE SetBoundsEnabled)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
public:
    explicit TOrvBaseNumericEdit(QWidget* parent = nullptr);

    bool ShowPosSign() const { return fShowPosSign; }
    void SetShowPosSign(bool value);
    TOrvSeparatorStyle ThousandSeparators() const { return fThousandSeparators; }
    void SetThousandSeparators(TOrvSeparatorStyle value);
    /// True sets essExit, false essNone.
    bool ShowThousandSeparators() const { return fThousandSeparators != essNone; }
    void SetShowThousandSeparators(bool value) { SetThousandSeparators(value ? essExit : essNone); }
    bool LakhFormatting() const { return fLakhFormatting; }
    void SetLakhFormatting(bool value);
    bool UseSignToggling() const { return fUseSignToggling; }
    void SetUseSignToggling(bool value) { fUseSignToggling = value; }
    /// Pads with "0" to MaxLength when MaxLength > 0.
    bool ZeroPad() const { return fZeroPad; }
    void SetZeroPad(bool value);
    bool AllowThouSepInput() const { return fAllowThouSepInput; }
    void SetAllowThouSepInput(bool value) { fAllowThouSepInput = value; }
    bool AllowDecSepInput() const { return fAllowDecSepInput; }
    void SetAllowDecSepInput(bool value) { fAllowDecSepInput = value; }
    bool AllowNegInput() const { return fAllowNegInput; }
    void SetAllowNegInput(bool value) { fAllowNegInput = value; }
    uint8_t DecimalPlaces() const { return fDecimalPlaces; }
    void SetDecimalPlaces(int value);
    /// Refuses a digit after the decimal separator once DecimalPlaces digits follow it.
    bool ForceDecimals() const { return fForceDecimals; }
    void SetForceDecimals(bool value) { fForceDecimals = value; }
    /// Moves on once DecimalPlaces digits follow the decimal separator; true turns AutoAdvance on.
    bool AutoAdvDecimals() const { return fAutoAdvDecimals; }
    void SetAutoAdvDecimals(bool value);
    bool CustomSeparators() const { return fCustomSeparators; }
    virtual void SetCustomSeparators(bool value);
    QChar CustomThousands() const { return fCustomThousands; }
    /// Whether CustomThousands belongs in a stored layout: only with CustomSeparators. (Qt 6
    /// properties cannot make STORED depend on a value, so this is the test to ask.)
    bool StoreCustomThousands() const { return fCustomSeparators; }
    virtual void SetCustomThousands(QChar value);
    QChar CustomDecimal() const { return fCustomDecimal; }
    virtual void SetCustomDecimal(QChar value);

    /// The value as a float; reading converts the text first.
    virtual Extended AsFloat();
    virtual void SetAsFloat(Extended value);

protected:
    /// The separators in force for this edit: its custom ones or the locale's.
    QChar ThousandsChar() const { return fCustomSeparators ? fCustomThousands : FormatSettings.ThousandSeparator; }
    QChar DecimalChar() const { return fCustomSeparators ? fCustomDecimal : FormatSettings.DecimalSeparator; }
    /// Puts the custom separators in force for one call.
    TOrvSeparatorScope Separators() const { return TOrvSeparatorScope(fCustomSeparators, fCustomThousands, fCustomDecimal); }
    bool EffectiveBlankWhenZero() const { return EffectiveBlanks().BlankWhenZero; }

    /// The text for the current value, with the separators and switches in force.
    virtual QString DisplayText() = 0;
    /// Shows the text for the value, or the null text.
    void DoDisplay() override;
    /// Re-inserts thousands separators while typing, keeping the caret among the same digits.
    virtual void RegroupText();

    void SetIntValue(int64_t value) { StoreValue(fIntValue, value); }
    void SetFloatValue(Extended value) { StoreValue(fFloatValue, value); }
    /// Forces the sign of the stored values.
    void ForceSign(bool negative);

    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(QChar& key) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void DoEnter() override;

    int64_t fIntValue = 0;
    Extended fFloatValue = 0;

private:
    /// Handles the sign keys, the decimal separator and ForceDecimals for an accepted key.
    void FilterAcceptedKey(QChar& key);
    /// Leaves the null state with an empty text, or deletes the selection.
    void ClearForTyping();

    bool fShowPosSign = false;
    TOrvSeparatorStyle fThousandSeparators = essNone;
    bool fLakhFormatting = false;
    bool fUseSignToggling = true;
    bool fZeroPad = false;
    bool fAllowThouSepInput = true;
    bool fAllowDecSepInput = true;
    bool fAllowNegInput = true;
    uint8_t fDecimalPlaces = 4;
    bool fForceDecimals = false;
    bool fAutoAdvDecimals = false;
    bool fCustomSeparators = false;
    QChar fCustomThousands;
    QChar fCustomDecimal;
    QString fHeldText;
};

/// A non-negative integer edit holding a 64-bit value.
class TOrvPosEdit : public TOrvBaseNumericEdit {
    Q_OBJECT
    Q_PROPERTY(int AsInteger READ AsInteger WRITE SetAsInteger)
    Q_PROPERTY(uint AsLongWord READ AsLongWord WRITE SetAsLongWord STORED false)
    // The whole 64-bit value is the one a model binds to.
    Q_PROPERTY(qint64 AsInt64 READ AsInt64 WRITE SetAsInt64 NOTIFY valueChanged USER true STORED false)
    Q_PROPERTY(int BoundLower READ BoundLower WRITE SetBoundLower)
    Q_PROPERTY(int BoundUpper READ BoundUpper WRITE SetBoundUpper)
public:
    explicit TOrvPosEdit(QWidget* parent = nullptr);

    /// The low 32 bits of the value.
    int32_t AsInteger();
    void SetAsInteger(int32_t value) { SetIntValue(value); }
    /// The low 32 bits, unsigned; setting clears the high half.
    uint32_t AsLongWord();
    void SetAsLongWord(uint32_t value) { SetIntValue(int64_t(value)); }
    int64_t AsInt64();
    void SetAsInt64(int64_t value) { SetIntValue(value); }
    Extended AsFloat() override { return Extended(AsInt64()); }
    /// Rounds to the nearest integer, clamped to the 64-bit range; NaN gives 0.
    void SetAsFloat(Extended value) override;

    int32_t BoundLower() const { return fBoundLower; }
    void SetBoundLower(int32_t value) { fBoundLower = value; }
    int32_t BoundUpper() const { return fBoundUpper; }
    void SetBoundUpper(int32_t value) { fBoundUpper = value; }

signals:
    /// The value changed, by typing or by code (see TOrvBaseEdit).
    void valueChanged(qint64 value);

protected:
    bool IsValidChar(QChar key) override;
    void ConvertText() override;
    void ValidateBounds() override;
    QString DisplayText() override;
    int ValueSign() const override;

private:
    int32_t fBoundLower = 0;
    int32_t fBoundUpper = 0;
};

/// A signed integer edit: "-" can be typed as well.
class TOrvIntEdit : public TOrvPosEdit {
    Q_OBJECT
public:
    explicit TOrvIntEdit(QWidget* parent = nullptr) : TOrvPosEdit(parent) {}

protected:
    bool IsValidChar(QChar key) override;
};

} // namespace orv
