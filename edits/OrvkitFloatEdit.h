#pragma once

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitMath.h>
#include <orvkit/edits/OrvkitNumEdit.h>

#include <algorithm>

namespace orv {

/// What the float, percent and scientific edits share on top of their base: scale,
/// bounds, trimming, full accuracy and the user's reading routine. The edit supplies its
/// stored value and its display text for a shown number.
template <class Base>
class TOrvFloatValueT : public Base {
public:
    using Base::Base;

    /// The stored value is the shown number times Scale. Setting takes the magnitude;
    /// one that counts as zero becomes 1.
    Extended Scale() const { return fScale; }
    void SetScale(Extended value)
    {
        if (AssignChanged(fScale, NormalScale(value)))
            this->DoDisplay();
    }
    /// Compared with the stored value on exit; setting does not redisplay.
    Extended BoundLower() const { return fBoundLower; }
    void SetBoundLower(Extended value) { fBoundLower = value; }
    Extended BoundUpper() const { return fBoundUpper; }
    void SetBoundUpper(Extended value) { fBoundUpper = value; }
    bool TrimTrailingZeroes() const { return fTrimTrailingZeroes; }
    void SetTrimTrailingZeroes(bool value)
    {
        if (AssignChanged(fTrimTrailingZeroes, value))
            this->DoDisplay();
    }
    /// Keeps the full stored value while its text is unchanged; off re-reads the text.
    bool FullAccuracy() const { return fFullAccuracy; }
    void SetFullAccuracy(bool value)
    {
        if (!AssignChanged(fFullAccuracy, value))
            return;
        if (!value)
            this->ConvertText();
        this->DoDisplay();
    }
    /// With FullAccuracy, up to 18 decimals while the edit is focused and writable.
    bool FullAccuracyEdit() const { return fFullAccuracyEdit; }
    void SetFullAccuracyEdit(bool value) { fFullAccuracyEdit = value; }

    /// Replaces the reading of the text, when assigned.
    TOrvConvertFloatEvent OnConvert;

protected:
    /// The stored value.
    virtual Extended StoredValue() const = 0;
    /// The text for a shown number.
    virtual QString FormatShown(Extended shown) = 0;

    /// The 18-decimal editing form applies: focused, writable, FullAccuracy and FullAccuracyEdit.
    bool FullEditNow() const { return !this->ReadOnly() && this->hasFocus() && fFullAccuracy && fFullAccuracyEdit; }
    uint8_t ShownDecimals(bool fullEdit) const { return fullEdit ? 18 : this->DecimalPlaces(); }
    bool ShownTrimmed(bool fullEdit) const { return fullEdit || fTrimTrailingZeroes; }

    /// The new stored value for a text; the edit gives the texts, the scale and whether
    /// OnConvert takes part.
    Extended ReadStored(const QString& numberText, Extended scale, bool useOnConvert)
    {
        TOrvFloatReading reading;
        reading.ShowsValue = this->ShowsValue();
        reading.NumberText = numberText;
        reading.ShownText = this->ShownText();
        reading.Stored = StoredValue();
        reading.Scale = scale;
        reading.FullAccuracy = fFullAccuracy;
        reading.OnConvert = useOnConvert ? &OnConvert : nullptr;
        reading.Sender = this;
        reading.DisplayOf = [this](Extended shown) { return FormatShown(shown); };
        return ReadStoredFloat(reading);
    }

    int ValueSign() const override { return FloatSign(StoredValue()); }
    void ValidateBounds() override
    {
        if (!this->BoundsEnabled())
            return;
        const TOrvBoundsValidationtype type = FloatBoundsCheck(StoredValue(), fBoundLower, fBoundUpper);
        this->SetBoundsValidationType(type);
        QString bound;
        {
            const auto separators = this->Separators();
            bound = FloatToFixedText(type == evtBelowLower ? fBoundLower : fBoundUpper, this->DecimalPlaces());
        }
        ReportBoundsError(*this, type, bound);
    }
    /// Entering a writable edit shows the full editing form first.
    void DoEnter() override
    {
        if (!this->ReadOnly() && fFullAccuracy && fFullAccuracyEdit)
            this->DoDisplay();
        Base::DoEnter();
    }

private:
    Extended fScale = 1;
    Extended fBoundLower = 0;
    Extended fBoundUpper = 0;
    bool fTrimTrailingZeroes = false;
    bool fFullAccuracy = false;
    bool fFullAccuracyEdit = false;
};

/// A non-negative float edit, optionally with a comparison prefix ("<= 10.0000").
class TOrvPosFloatEdit : public TOrvFloatValueT<TOrvBaseNumericEdit> {
    Q_OBJECT
    Q_PROPERTY(double AsFloat READ AsFloat WRITE SetAsFloat NOTIFY valueChanged USER true)
    Q_PROPERTY(double AsScaledFloat READ AsScaledFloat WRITE SetAsScaledFloat STORED false)
    Q_PROPERTY(double Scale READ Scale WRITE SetScale)
    Q_PROPERTY(double BoundLower READ BoundLower WRITE SetBoundLower)
    Q_PROPERTY(double BoundUpper READ BoundUpper WRITE SetBoundUpper)
    Q_PROPERTY(bool TrimTrailingZeroes READ TrimTrailingZeroes WRITE SetTrimTrailingZeroes)
    Q_PROPERTY(bool FullAccuracy READ FullAccuracy WRITE SetFullAccuracy)
    Q_PROPERTY(bool FullAccuracyEdit READ FullAccuracyEdit WRITE SetFullAccuracyEdit)
    Q_PROPERTY(bool ShowComparisonType READ ShowComparisonType WRITE SetShowComparisonType)
    Q_PROPERTY(orv::NumEditEnums::TOrvComparisonType ComparisonType READ ComparisonType WRITE SetComparisonType)
public:
    explicit TOrvPosFloatEdit(QWidget* parent = nullptr);

    /// The stored value (the shown number times Scale).
    Extended AsFloat() override;
    void SetAsFloat(Extended value) override { SetFloatValue(value); }
    /// The shown number; setting stores it times Scale.
    Extended AsScaledFloat();
    void SetAsScaledFloat(Extended value) { SetFloatValue(value * Scale()); }

    bool ShowComparisonType() const { return fShowComparisonType; }
    void SetShowComparisonType(bool value);
    /// Set from a typed prefix; text without one leaves it.
    TOrvComparisonType ComparisonType() const { return fComparisonType; }
    void SetComparisonType(TOrvComparisonType value);

protected:
    /// Whether negative values show in brackets.
    virtual bool NegBrackets() const { return false; }
    Extended StoredValue() const override { return fFloatValue; }
    QString FormatShown(Extended shown) override;

    bool IsValidChar(QChar key) override;
    void ConvertText() override;
    QString DisplayText() override;

signals:
    /// The stored value changed, by typing or by code (see TOrvBaseEdit).
    void valueChanged(double value);

private:
    bool fShowComparisonType = false;
    TOrvComparisonType fComparisonType = ecEqual;
};

/// A signed float edit; negative values may show in brackets.
class TOrvFloatEdit : public TOrvPosFloatEdit {
    Q_OBJECT
    Q_PROPERTY(bool NegAsBrackets READ NegAsBrackets WRITE SetNegAsBrackets)
public:
    explicit TOrvFloatEdit(QWidget* parent = nullptr);

    /// An attached UI control with format usage decides instead.
    bool NegAsBrackets() const { return fNegAsBrackets; }
    void SetNegAsBrackets(bool value);

protected:
    bool NegBrackets() const override;
    bool IsValidChar(QChar key) override;

private:
    bool fNegAsBrackets = false;
};

/// A percentage edit: the stored value is the percentage as shown; AsFloat is a
/// hundredth of it while Scaled.
class TOrvPercentEdit : public TOrvFloatValueT<TOrvBaseNumericEdit> {
    Q_OBJECT
    Q_PROPERTY(double AsPercentage READ AsPercentage WRITE SetAsPercentage)
    Q_PROPERTY(double AsFloat READ AsFloat WRITE SetAsFloat NOTIFY valueChanged USER true STORED false)
    Q_PROPERTY(bool Scaled READ Scaled WRITE SetScaled)
    Q_PROPERTY(bool ShowPercent READ ShowPercent WRITE SetShowPercent)
    Q_PROPERTY(double BoundLower READ BoundLower WRITE SetBoundLower)
    Q_PROPERTY(double BoundUpper READ BoundUpper WRITE SetBoundUpper)
    Q_PROPERTY(bool TrimTrailingZeroes READ TrimTrailingZeroes WRITE SetTrimTrailingZeroes)
    Q_PROPERTY(bool FullAccuracy READ FullAccuracy WRITE SetFullAccuracy)
    Q_PROPERTY(bool FullAccuracyEdit READ FullAccuracyEdit WRITE SetFullAccuracyEdit)
public:
    explicit TOrvPercentEdit(QWidget* parent = nullptr);

    Extended AsPercentage();
    void SetAsPercentage(Extended value) { SetFloatValue(value); }
    Extended AsFloat() override;
    void SetAsFloat(Extended value) override;
    /// Switching it multiplies (on) or divides (off) the stored value by 100.
    bool Scaled() const { return fScaled; }
    void SetScaled(bool value);
    /// Appends "%" to the text.
    bool ShowPercent() const { return fShowPercent; }
    void SetShowPercent(bool value);

signals:
    /// AsFloat changed, by typing or by code.
    void valueChanged(double value);

protected:
    Extended StoredValue() const override { return fFloatValue; }
    QString FormatShown(Extended percentage) override;

    bool IsValidChar(QChar key) override;
    void ConvertText() override;
    QString DisplayText() override;

private:
    bool fScaled = true;
    bool fShowPercent = false;
};

/// The decimals and separators the scientific edit has of its own, as the numeric edits
/// have theirs: the locale's separators always.
class TOrvSciEditBase : public TOrvDisplayedValueT<TOrvBaseEdit> {
public:
    using TOrvDisplayedValueT::TOrvDisplayedValueT;

    uint8_t DecimalPlaces() const { return fDecimalPlaces; }
    void SetDecimalPlaces(int value)
    {
        if (AssignChanged(fDecimalPlaces, uint8_t(std::clamp(value, 0, 255))))
            DoDisplay();
    }

protected:
    TOrvSeparatorScope Separators() const { return TOrvSeparatorScope(false, QChar(), QChar()); }

private:
    uint8_t fDecimalPlaces = 4;
};

/// A float edit in exponent form, or fixed point inside a range.
class TOrvSciFloatEdit : public TOrvFloatValueT<TOrvSciEditBase> {
    Q_OBJECT
    Q_PROPERTY(double AsFloat READ AsFloat WRITE SetAsFloat NOTIFY valueChanged USER true)
    Q_PROPERTY(double AsScaledFloat READ AsScaledFloat WRITE SetAsScaledFloat STORED false)
    Q_PROPERTY(double Scale READ Scale WRITE SetScale)
    Q_PROPERTY(double BoundLower READ BoundLower WRITE SetBoundLower)
    Q_PROPERTY(double BoundUpper READ BoundUpper WRITE SetBoundUpper)
    Q_PROPERTY(bool TrimTrailingZeroes READ TrimTrailingZeroes WRITE SetTrimTrailingZeroes)
    Q_PROPERTY(bool FullAccuracy READ FullAccuracy WRITE SetFullAccuracy)
    Q_PROPERTY(bool FullAccuracyEdit READ FullAccuracyEdit WRITE SetFullAccuracyEdit)
    Q_PROPERTY(bool BlankWhenZero READ BlankWhenZero WRITE SetBlankWhenZero)
    Q_PROPERTY(int DecimalPlaces READ DecimalPlaces WRITE SetDecimalPlaces)
    Q_PROPERTY(bool SciRange READ SciRange WRITE SetSciRange)
    Q_PROPERTY(double SciMin READ SciMin WRITE SetSciMin)
    Q_PROPERTY(double SciMax READ SciMax WRITE SetSciMax)
    Q_PROPERTY(bool ShowThousandSeparators READ ShowThousandSeparators WRITE SetShowThousandSeparators)
    Q_PROPERTY(bool BoundsEnabled READ BoundsEnabled WRITE SetBoundsEnabled)
public:
    explicit TOrvSciFloatEdit(QWidget* parent = nullptr);

    Extended AsFloat();
    void SetAsFloat(Extended value) { StoreValue(fValue, value); }
    Extended AsScaledFloat();
    void SetAsScaledFloat(Extended value) { SetAsFloat(value * Scale()); }
    /// Fixed point for zero and for SciMin < |x| < SciMax.
    bool SciRange() const { return fSciRange; }
    void SetSciRange(bool value);
    /// The setters act only on a value that differs in the float tolerance.
    Extended SciMin() const { return fSciMin; }
    void SetSciMin(Extended value);
    Extended SciMax() const { return fSciMax; }
    void SetSciMax(Extended value);
    /// Western grouping in the fixed-point text.
    bool ShowThousandSeparators() const { return fShowThousandSeparators; }
    void SetShowThousandSeparators(bool value);

signals:
    /// The stored value changed, by typing or by code.
    void valueChanged(double value);

protected:
    Extended StoredValue() const override { return fValue; }
    QString FormatShown(Extended shown) override;

    bool IsValidChar(QChar key) override;
    void ConvertText() override;
    void DoDisplay() override;

private:
    Extended fValue = 0;
    bool fSciRange = false;
    Extended fSciMin = 1.0E-4L;
    Extended fSciMax = 1.0E6L;
    bool fShowThousandSeparators = false;
};

} // namespace orv
