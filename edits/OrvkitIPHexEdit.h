#pragma once

#include <orvkit/edits/OrvkitNumEdit.h>

namespace orv {

/// What the IPv4 and hexadecimal edits share: an unsigned 32-bit value with bounds
/// given as text, compared unsigned. Their character filters have no AllowAllChars escape.
class TOrvUInt32EditBase : public TOrvDisplayedValueT<TOrvBaseEdit> {
    Q_OBJECT
    Q_PROPERTY(uint AsLongWord READ AsLongWord WRITE SetAsLongWord NOTIFY valueChanged USER true)
    Q_PROPERTY(QString BoundLower READ BoundLower WRITE SetBoundLower)
    Q_PROPERTY(QString BoundUpper READ BoundUpper WRITE SetBoundUpper)
    Q_PROPERTY(bool BlankWhenZero READ BlankWhenZero WRITE SetBlankWhenZero)
    Q_PROPERTY(bool BoundsEnabled READ BoundsEnabled WRITE SetBoundsEnabled)
public:
    explicit TOrvUInt32EditBase(QWidget* parent = nullptr) : TOrvDisplayedValueT(parent) {}

    /// Reading converts the text first.
    uint32_t AsLongWord();
    void SetAsLongWord(uint32_t value) { StoreValue(fValue, value); }
    /// The bounds as text; setting reads the text as a value is read.
    QString BoundLower() const { return BoundToText(fBoundLower); }
    void SetBoundLower(const QString& value) { fBoundLower = ReadBound(value); }
    QString BoundUpper() const { return BoundToText(fBoundUpper); }
    void SetBoundUpper(const QString& value) { fBoundUpper = ReadBound(value); }

signals:
    /// The value changed, by typing or by code.
    void valueChanged(uint value);

protected:
    /// The shown text of a value and the reading of a typed text.
    virtual QString ValueToText(uint32_t value) = 0;
    virtual uint32_t ReadValue(const QString& text) = 0;
    virtual uint32_t ReadBound(const QString& text) const = 0;
    virtual QString BoundToText(uint32_t bound) const = 0;

    void SetBounds(uint32_t lower, uint32_t upper)
    {
        fBoundLower = lower;
        fBoundUpper = upper;
    }

    int ValueSign() const override { return fValue == 0 ? 0 : 1; }
    void DoDisplay() override;
    void ConvertText() override;
    void ValidateBounds() override;
    void ProcessKey(QChar& key) override { TOrvCustomEdit::ProcessKey(key); }

private:
    uint32_t fValue = 0;
    uint32_t fBoundLower = 0;
    uint32_t fBoundUpper = 0;
};

/// An IPv4 address edit; the first component is the most significant byte. A component
/// above 255 fails the exit with "IP Address Components must be between 0 and 255".
class TOrvIPEdit : public TOrvUInt32EditBase {
    Q_OBJECT
    Q_PROPERTY(bool IgnoreConvertError READ IgnoreConvertError WRITE SetIgnoreConvertError)
public:
    explicit TOrvIPEdit(QWidget* parent = nullptr);

protected:
    bool IsValidChar(QChar key) override { return (key >= u'0' && key <= u'9') || key == u'.'; }
    QString ValueToText(uint32_t value) override;
    uint32_t ReadValue(const QString& text) override;
    uint32_t ReadBound(const QString& text) const override;
    QString BoundToText(uint32_t bound) const override;
};

/// A 32-bit hexadecimal edit, zero-padded to its length limit of 8 by default.
class TOrvHexEdit : public TOrvUInt32EditBase {
    Q_OBJECT
    Q_PROPERTY(bool ZeroPad READ ZeroPad WRITE SetZeroPad)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
public:
    explicit TOrvHexEdit(QWidget* parent = nullptr);

    bool ZeroPad() const { return fZeroPad; }
    void SetZeroPad(bool value);

protected:
    bool IsValidChar(QChar key) override;
    QString ValueToText(uint32_t value) override;
    uint32_t ReadValue(const QString& text) override { return ReadBound(text); }
    uint32_t ReadBound(const QString& text) const override;
    QString BoundToText(uint32_t bound) const override;

private:
    bool fZeroPad = true;
};

} // namespace orv
