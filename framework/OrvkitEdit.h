#pragma once

#include <orvkit/framework/OrvkitColorSets.h>
#include <orvkit/framework/OrvkitControl.h>
#include <orvkit/framework/OrvkitEditRules.h>
#include <orvkit/framework/OrvkitUICtrl.h>
#include <orvkit/framework/OrvkitValueNotifier.h>

#include <QLineEdit>
#include <QPointer>
#include <memory>

namespace orv {

inline namespace EditEnums {
Q_NAMESPACE

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)
} // namespace EditEnums

/// Conversion failed on leaving an edit; `text` is the edit's text.
using TOrvConvertErrorEvent = std::function<void(QObject* sender, const QString& text)>;
/// Leaving a value edit starts; the handler may change the text and turn further checking off.
using TOrvExitStartEvent = std::function<void(QObject* sender, QString& text, bool& furtherChecking)>;
/// The value is outside the bounds.
using TOrvBoundsValidationEvent =
    std::function<void(QObject* sender, const QString& value, TOrvBoundsValidationtype errType)>;

/// A modal error (warning) box with an OK button; the arrow cursor while it shows.
void ShowErrorBox(QWidget* parent, const QString& text);
void ShowWarningBox(QWidget* parent, const QString& text);
/// Takes the place of the modal boxes above, for a program that no user answers (a test
/// harness); `error` tells an error box from a warning. An empty hook brings the boxes
/// back. Returns the hook it replaces.
using TOrvMessageBoxHook = std::function<void(QWidget* parent, const QString& text, bool error)>;
TOrvMessageBoxHook SetMessageBoxHook(TOrvMessageBoxHook hook);

/// The base of every single-line edit: state colours from its own colour set or an
/// attached UI control's, the null string and blank switches, hot tracking, and the
/// bookkeeping of entering and leaving.
class TOrvCustomStartEdit : public TOrvWinControlT<QLineEdit>, public IOrvUIClient {
    Q_OBJECT
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(QString NullStr READ NullStr WRITE SetNullStr)
    Q_PROPERTY(bool BlankWhenNull READ BlankWhenNull WRITE SetBlankWhenNull)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool AutoSelectClick READ AutoSelectClick WRITE SetAutoSelectClick)
    Q_PROPERTY(int Right READ Right WRITE SetRight STORED false)
    Q_PROPERTY(int Bottom READ Bottom WRITE SetBottom STORED false)
    Q_PROPERTY(orv::TOrvUICtrl* UICtrl READ UICtrl WRITE SetUICtrl)
    Q_PROPERTY(orv::TOrvUIUsageTypes UIUsage READ UIUsage WRITE SetUIUsage)
    // The own set is edited in place; it is not a QObject, so the property is its address.
    Q_PROPERTY(orv::TOrvEditColorSet* ColorSet READ ColorSetPtr CONSTANT)
    Q_PROPERTY(QString Version READ Version STORED false)
public:
    explicit TOrvCustomStartEdit(QWidget* parent = nullptr);
    ~TOrvCustomStartEdit() override;

    QString Version() const;

    /// The own set.
    TOrvEditColorSet& ColorSet() const { return *fColorSet; }
    TOrvEditColorSet* ColorSetPtr() const { return fColorSet.get(); }
    /// The set in use: the UI control's with eutColorSet, else the own one.
    const TOrvEditColorSet& EffectiveColorSet() const;
    TOrvUICtrl* UICtrl() const { return fUICtrl; }
    void SetUICtrl(TOrvUICtrl* value);
    TOrvUIUsageTypes UIUsage() const { return fUIUsage; }
    void SetUIUsage(TOrvUIUsageTypes value);

    const QString& NullStr() const { return fNullStr; }
    void SetNullStr(const QString& value);
    virtual bool BlankWhenNull() const { return fBlankWhenNull; }
    virtual void SetBlankWhenNull(bool value);
    virtual bool BlankWhenZero() const { return fBlankWhenZero; }
    virtual void SetBlankWhenZero(bool value);
    /// Whether NullStr belongs in a stored layout.
    bool StoreNullStr() const { return !fNullStr.isEmpty() && !fBlankWhenNull; }
    TOrvBlankType DataType() const { return fDataType; }

    bool ReadOnly() const { return fReadOnly; }
    virtual void SetReadOnly(bool value);
    virtual bool MultiLine() const { return fMultiLine; }
    virtual void SetMultiLine(bool value);
    virtual bool AutoSize() const { return fAutoSize; }
    virtual void SetAutoSize(bool value);
    bool AutoSelect() const { return fAutoSelect; }
    void SetAutoSelect(bool value) { fAutoSelect = value; }
    bool AutoSelectClick() const { return fAutoSelectClick; }
    virtual void SetAutoSelectClick(bool value) { fAutoSelectClick = value; }
    /// The width at which the edit shows `text` whole in its font and style, digits
    /// counted at the widest digit's advance so that any number of that shape fits.
    int WidthForText(const QString& text) const;

    int Sign() const { return fSign; }
    bool Focused() const { return fFocused; }
    bool MouseOver() const { return fMouseOver; }

    // IOrvUIClient
    TOrvUIClientKind UIClientKind() const override { return eukEdit; }
    void UpdateColorSet() override { UpdateColors(true); }
    void Redraw() override;
    void Display() override { DoDisplay(); }

    /// The special-colour decision for the current state.
    bool DecideSpecial();
    void BeginUpdate() { fInUpdate = true; }
    void EndUpdate();

    TNotifyEvent OnColorSetChange;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;
    TNotifyEvent AfterContextMenu;
    TNotifyEvent OnChange;
    TOrvSpecialColorEvent OnSpecialColor;
    /// A left click released inside the edit; a left double click.
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

signals:
    /// Right after OnChange: the native text changed.
    void changed();
    /// Right after OnClick.
    void clicked();

protected:
    virtual void ColorSetChanged();
    virtual void FlatChanged() { Redraw(); }
    virtual void ParentColorRequested();
    virtual void ParentFontRequested();
    /// Shows the value; here nothing.
    virtual void DoDisplay() {}
    virtual void SignChanged() {}
    virtual void SetSign(int value);
    /// The native text changed.
    virtual void Change();

    /// Resolves the colours for the current state and applies them.
    void UpdateColors(bool invalidate);
    /// The null string and blank switches in use.
    TOrvBlankSettings EffectiveBlanks() const;
    TOrvNavigation EffectiveNavigation() const;
    void SetDataType(TOrvBlankType value) { fDataType = value; }
    const QString& EnterText() const { return fEnterText; }

    void DoEnter() override;
    void DoExit() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseUp(Qt::MouseButton button, TShiftState shift, int x, int y) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void EnabledChanged() override { UpdateColors(true); }
    void FontChanged() override { UpdateColors(true); }
    void ContextMenuDone() override;
    void BorderPainted(QPainter& canvas) override;

    /// Own BlankIsNull and AllowKbdNull, for the effective settings.
    virtual bool OwnBlankIsNull() const { return false; }
    virtual bool OwnAllowKbdNull() const { return true; }

private:
    void ApplyNavigationTabStop();

    std::unique_ptr<TOrvEditColorSet> fColorSet;
    QPointer<TOrvUICtrl> fUICtrl;
    TOrvUIUsageTypes fUIUsage = TOrvUIUsageTypes::All();
    int fSign = 0;
    bool fInUpdate = false;
    bool fBlankWhenNull = false;
    bool fBlankWhenZero = false;
    QString fNullStr;
    QString fEnterText;
    bool fMultiLine = false;
    bool fReadOnly = false;
    bool fFocused = false;
    bool fFirstMouseUp = false;
    bool fAutoSelectClick = false;
    bool fAutoSelect = true;
    bool fAutoSize = true;
    bool fMouseOver = false;
    TOrvBlankType fDataType = btAll;
};

/// The null state, the text/value protocol, keyboard handling and alignment.
class TOrvCustomEdit : public TOrvCustomStartEdit {
    Q_OBJECT
    Q_PROPERTY(bool Null READ Null WRITE SetNull NOTIFY nullChanged)
    Q_PROPERTY(orv::EditEnums::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool AllowKbdNull READ AllowKbdNull WRITE SetAllowKbdNull)
    Q_PROPERTY(bool BlankIsNull READ BlankIsNull WRITE SetBlankIsNull)
    Q_PROPERTY(bool StoreValue READ StoreValue WRITE SetStoreValue)
    Q_PROPERTY(bool NumPadDecimal READ NumPadDecimal WRITE SetNumPadDecimal)
    Q_PROPERTY(bool AutoAdvance READ AutoAdvance WRITE SetAutoAdvance)
    Q_PROPERTY(QString AsString READ AsString WRITE SetAsString STORED false)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
public:
    explicit TOrvCustomEdit(QWidget* parent = nullptr);

    /// The typing limit, 0 for none, at most kMaxTypingLimit. Like the host edit's limit it
    /// stops typing and cuts pasted text, but a text set by code is shown whole.
    int MaxLength() const { return fMaxLength; }
    /// The native edit's own limit, which no typing limit passes.
    static constexpr int kMaxTypingLimit = 32767;
    virtual void SetMaxLength(int value);

    TAlignment Alignment() const { return fAlignment; }
    void SetAlignment(TAlignment value);
    virtual bool AllowKbdNull() const { return fAllowKbdNull; }
    virtual void SetAllowKbdNull(bool value) { fAllowKbdNull = value; }
    virtual bool BlankIsNull() const { return fBlankIsNull; }
    virtual void SetBlankIsNull(bool value) { fBlankIsNull = value; }
    bool Null() const { return fNull; }
    virtual void SetNull(bool value);
    bool StoreValue() const { return fStoreValue; }
    void SetStoreValue(bool value) { fStoreValue = value; }
    bool NumPadDecimal() const { return fNumPadDecimal; }
    void SetNumPadDecimal(bool value) { fNumPadDecimal = value; }
    bool AutoAdvance() const { return fAutoAdvance; }
    void SetAutoAdvance(bool value) { fAutoAdvance = value; }
    QChar PasswordChar() const { return fPasswordChar; }
    void SetPasswordChar(QChar value);

    /// The text; empty while null.
    virtual QString GetText();
    virtual void SetText(const QString& value);
    QString AsString() { return GetText(); }
    void SetAsString(const QString& value) { SetText(value); }
    QString Text() { return GetText(); }

    /// Empties the edit and leaves the null state without events.
    void Clear();
    bool IsClear() const { return text().isEmpty() || fNull; }
    void SelectNone();
    /// Whether the text belongs in a stored layout.
    bool ValueStored() const { return fStoreValue; }

    TNotifyEvent OnNull;
    TNotifyEvent OnNullChange;
    TKeyEvent OnCNKeyDown;

signals:
    /// Right after OnNullChange.
    void nullChanged(bool null);

protected:
    virtual bool IsValidChar(QChar key) { return key.unicode() >= 32; }
    virtual void ProcessKey(QChar& key);
    /// Text to value; value edits override it and raise on failure.
    virtual void ConvertText() {}
    void DoDisplay() override;

    TOrvKeyContext KeyContext();
    void RunKeyAction(TOrvKeyAction action);
    const QString& LastText() const { return fLastText; }
    bool NoDisplayUpdate() const { return fNoDisplayUpdate; }
    void SetNoDisplayUpdate(bool value) { fNoDisplayUpdate = value; }
    bool KeypadDecimalPressed() const { return fKeypadDecimalPressed; }
    void SetKeypadDecimalPressed(bool value) { fKeypadDecimalPressed = value; }
    /// Puts a text into the native edit.
    void SetNativeText(const QString& value);
    /// Whether typing one more character would pass MaxLength.
    bool TypingLimitReached() const;
    /// Swallows a typed character that would pass MaxLength.
    void LimitTyping(QChar& key) const;

    bool OwnBlankIsNull() const override { return fBlankIsNull; }
    bool OwnAllowKbdNull() const override { return fAllowKbdNull; }

    void RawKeyDown(uint16_t& key, TShiftState shift) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(QChar& key) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void DoPaste() override;
    void DoCut() override;

private:
    TAlignment fAlignment = taLeftJustify;
    bool fAllowKbdNull = true;
    bool fBlankIsNull = false;
    bool fNull = false;
    bool fStoreValue = true;
    bool fNumPadDecimal = false;
    bool fAutoAdvance = false;
    bool fKeypadDecimalPressed = false;
    bool fNoDisplayUpdate = false;
    int fMaxLength = 0;
    QChar fPasswordChar;
    QString fLastText;
};

/// The plain text edit: trims and, with ProperAdjust, proper-cases its text on exit.
class TOrvkitEdit : public TOrvCustomEdit {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)
public:
    explicit TOrvkitEdit(QWidget* parent = nullptr);

    bool ProperAdjust() const { return fCleanup.ProperAdjust; }
    void SetProperAdjust(bool value) { fCleanup.ProperAdjust = value; }
    bool TrimTrailing() const { return fCleanup.TrimTrailing; }
    void SetTrimTrailing(bool value) { fCleanup.TrimTrailing = value; }
    bool TrimLeading() const { return fCleanup.TrimLeading; }
    void SetTrimLeading(bool value) { fCleanup.TrimLeading = value; }
    /// Only digits can be typed.
    bool NumbersOnly() const { return fNumbersOnly; }
    void SetNumbersOnly(bool value) { fNumbersOnly = value; }

    // The text trimmed on both sides, then lower-cased, unchanged, upper-cased or proper-cased.
    QString LowerText() { return GetText().trimmed().toLower(); }
    QString TrimmedText() { return GetText().trimmed(); }
    QString UpperText() { return GetText().trimmed().toUpper(); }
    QString ProperText() { return ProperCase(GetText().trimmed()); }

protected:
    bool IsValidChar(QChar key) override;
    void DoExit() override;

private:
    TOrvTextCleanup fCleanup;
    bool fNumbersOnly = false;
};

/// The base of every value edit: converts its text on exit, reports conversion and
/// bounds failures, and colours itself by the sign of its value.
class TOrvBaseEdit : public TOrvCustomEdit {
    Q_OBJECT
public:
    explicit TOrvBaseEdit(QWidget* parent = nullptr);

    /// Redisplays, so that zero padding follows the new length.
    void SetMaxLength(int value) override;
    void SetNull(bool value) override;
    bool BoundsEnabled() const { return fBoundsEnabled; }
    virtual void SetBoundsEnabled(bool value) { fBoundsEnabled = value; }
    bool AllowAllChars() const { return fAllowAllChars; }
    virtual void SetAllowAllChars(bool value) { fAllowAllChars = value; }
    bool IgnoreConvertError() const { return fIgnoreConvertError; }
    void SetIgnoreConvertError(bool value) { fIgnoreConvertError = value; }
    /// False while the edit has the focus, true after a successful exit.
    bool ConvertOK() const { return fConvertOK; }
    TOrvBoundsValidationtype BoundsValidationType() const { return fBoundsValidationType; }
    /// OnBoundsError when assigned, else the error box with `message` and the focus back
    /// in the edit; then boundsError. Nothing for evtNone.
    void ReportBoundsViolation(TOrvBoundsValidationtype type, const QString& message);

    TOrvBoundsValidationEvent OnBoundsError;
    TNotifyEvent OnSignChange;
    TOrvConvertErrorEvent OnConvertError;
    TOrvExitStartEvent OnExitStart;

signals:
    /// Right after OnBoundsError, or after the error box when no handler is set.
    void boundsError(const QString& value, orv::TOrvBoundsValidationtype type);
    /// Right after OnConvertError, or after the error box when no handler is set.
    void convertError(const QString& text);

protected:
    /// Reports the value as out of bounds while validation is on.
    virtual void ValidateBounds();

    /// Shows the text written for the value without reading it back, so the value keeps
    /// its precision while the text stays as shown.
    void ShowValueText(const QString& text);
    /// True while ShowValueText writes; ConvertText has nothing to read then.
    bool Displaying() const { return fDisplaying; }
    /// Whether the text is the one last shown for the value and the value has not been
    /// read from another text since: reading it back could only round the value.
    bool ShowsValue() const { return fValueShown && text() == fShownText; }
    /// The text last written by ShowValueText.
    const QString& ShownText() const { return fShownText; }
    /// The value may have changed: the value signal fires if it did (not while loading).
    void ValueMayHaveChanged();
    void connectNotify(const QMetaMethod& signal) override;
    void DoDisplay() override;
    void SignChanged() override;
    void Change() override;
    void DoEnter() override;
    void DoExit() override;
    void ProcessKey(QChar& key) override;

    /// Whether ConvertText runs for the checks of leaving the edit.
    bool CheckForErrors() const { return fCheckForErrors; }
    void SetBoundsValidationType(TOrvBoundsValidationtype value) { fBoundsValidationType = value; }
    bool ValidateYear() const { return fValidateYear; }
    void SetValidateYear(bool value) { fValidateYear = value; }

private:
    friend class TOrvBaseEditExit;

    TOrvValueNotifier fValueNotifier;
    QString fShownText;
    bool fValueShown = false;
    bool fDisplaying = false;
    bool fBoundsEnabled = false;
    TOrvBoundsValidationtype fBoundsValidationType = evtNone;
    bool fCheckForErrors = false;
    bool fConvertOK = true;
    bool fIgnoreConvertError = false;
    bool fValidateYear = false;
    bool fAllowAllChars = false;
};

} // namespace orv
