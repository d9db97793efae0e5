#include <orvkit/framework/OrvkitEdit.h>

#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/framework/OrvkitPlatform.h>

#include <QCoreApplication>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QGuiApplication>
#include <QMessageBox>
#include <utility>

namespace orv {

namespace {

constexpr const char* kContext = "OrvkitEdit";

QString Message(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

constexpr const char* kNotAcceptable = QT_TRANSLATE_NOOP("OrvkitEdit", "Your entered Value is not acceptable!");

/// The arrow cursor for the length of a message box.
class TArrowCursor {
public:
    TArrowCursor() { QGuiApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~TArrowCursor() { QGuiApplication::restoreOverrideCursor(); }
    TArrowCursor(const TArrowCursor&) = delete;
    TArrowCursor& operator=(const TArrowCursor&) = delete;
};

TOrvMessageBoxHook& BoxHook()
{
    static TOrvMessageBoxHook hook;
    return hook;
}

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    if (const TOrvMessageBoxHook& hook = BoxHook()) {
        hook(parent, text, icon == QMessageBox::Critical);
        return;
    }
    const TArrowCursor cursor;
    QMessageBox box(icon, QCoreApplication::applicationName(), text, QMessageBox::Ok, parent);
    box.exec();
}

QString ExceptionText(const std::exception& e)
{
    if (const auto* orvError = dynamic_cast<const Exception*>(&e))
        return orvError->Message();
    return QString::fromUtf8(e.what());
}

} // namespace

void ShowErrorBox(QWidget* parent, const QString& text)
{
    ShowBox(parent, QMessageBox::Critical, text);
}

void ShowWarningBox(QWidget* parent, const QString& text)
{
    ShowBox(parent, QMessageBox::Warning, text);
}

TOrvMessageBoxHook SetMessageBoxHook(TOrvMessageBoxHook hook)
{
    return std::exchange(BoxHook(), std::move(hook));
}

// ---- TOrvCustomStartEdit

TOrvCustomStartEdit::TOrvCustomStartEdit(QWidget* parent)
    : TOrvWinControlT<QLineEdit>(parent), fColorSet(std::make_unique<TOrvEditColorSet>())
{
    fColorSet->Hook([this] { ColorSetChanged(); }, [this] { FlatChanged(); }, [this] { ParentColorRequested(); },
                    [this] { ParentFontRequested(); });
    connect(this, &QLineEdit::textChanged, this, [this] { Change(); });
    UpdateColors(false);
}

TOrvCustomStartEdit::~TOrvCustomStartEdit()
{
    disconnect(this, &QLineEdit::textChanged, this, nullptr);
    if (fUICtrl)
        fUICtrl->RemoveFromNotifyList(this);
    fColorSet->Unhook();
}

QString TOrvCustomStartEdit::Version() const
{
    return QString::fromLatin1(OrvkitVersion);
}

int TOrvCustomStartEdit::WidthForText(const QString& text) const
{
    const QFontMetrics metrics = fontMetrics();
    int digit = 0;
    for (char16_t d = u'0'; d <= u'9'; ++d)
        digit = std::max(digit, metrics.horizontalAdvance(QChar(d)));
    int width = 0;
    for (const QChar c : text)
        width += c.isDigit() ? digit : metrics.horizontalAdvance(c);
    // QLineEdit keeps two pixels of margin on each side and one for the cursor.
    constexpr int kLineEditMargins = 2 * 2 + 1;
    const QMargins margins = textMargins();
    QStyleOptionFrame option;
    option.initFrom(this);
    option.lineWidth = hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this) : 0;
    const QSize contents(width + kLineEditMargins + margins.left() + margins.right(), metrics.height());
    return style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, this).width();
}

const TOrvEditColorSet& TOrvCustomStartEdit::EffectiveColorSet() const
{
    if (UsesUIColorSet(fUICtrl, fUIUsage))
        return *fUICtrl->ColorSet();
    return *fColorSet;
}

void TOrvCustomStartEdit::SetUICtrl(TOrvUICtrl* value)
{
    if (!Reattach(*this, fUICtrl, value))
        return;
    RecreateWnd();
    ApplyNavigationTabStop();
    // The null text may be another one now.
    DoDisplay();
    UpdateColors(true);
}

void TOrvCustomStartEdit::SetUIUsage(TOrvUIUsageTypes value)
{
    if (value == fUIUsage)
        return;
    fUIUsage = value;
    RecreateWnd();
    DoDisplay();
    ApplyNavigationTabStop();
    UpdateColors(true);
}

void TOrvCustomStartEdit::ApplyNavigationTabStop()
{
    if (fUICtrl && fUIUsage.Contains(eutNavigation) && fReadOnly)
        SetTabStop(!fUICtrl->NoTabStopOnReadOnly());
}

void TOrvCustomStartEdit::SetNullStr(const QString& value)
{
    if (value == fNullStr)
        return;
    fNullStr = value;
    DoDisplay();
}

void TOrvCustomStartEdit::SetBlankWhenNull(bool value)
{
    if (value == fBlankWhenNull)
        return;
    fBlankWhenNull = value;
    DoDisplay();
}

void TOrvCustomStartEdit::SetBlankWhenZero(bool value)
{
    if (value == fBlankWhenZero)
        return;
    fBlankWhenZero = value;
    DoDisplay();
}

void TOrvCustomStartEdit::SetReadOnly(bool value)
{
    if (value == fReadOnly)
        return;
    fReadOnly = value;
    setReadOnly(value);
    const bool noTabStop = EffectiveNavigation().NoTabStopOnReadOnly;
    SetTabStop(noTabStop || !value ? !value : true);
    UpdateColors(true);
}

void TOrvCustomStartEdit::SetMultiLine(bool value)
{
    if (value == fMultiLine)
        return;
    fMultiLine = value;
    if (value)
        fAutoSize = false;
    Invalidate();
}

void TOrvCustomStartEdit::SetAutoSize(bool value)
{
    if (value == fAutoSize)
        return;
    fAutoSize = value;
    if (value)
        fMultiLine = false;
    Invalidate();
}

void TOrvCustomStartEdit::Redraw()
{
    if (fColorSet->Flat())
        UpdateColors(true);
    else
        RecreateWnd();
}

bool TOrvCustomStartEdit::DecideSpecial()
{
    return DecideSpecialColor(fUICtrl, fUIUsage, *fColorSet, OnSpecialColor, PopupMenu() != nullptr,
                              PopupMenuAutoPopup(), this);
}

void TOrvCustomStartEdit::EndUpdate()
{
    fInUpdate = false;
    UpdateColors(true);
}

void TOrvCustomStartEdit::ColorSetChanged()
{
    if (!Loading() && OnColorSetChange)
        OnColorSetChange(this);
    UpdateColors(true);
}

void TOrvCustomStartEdit::ParentColorRequested()
{
    if (Designing() || Loading())
        return;
    SetParentColor(false);
    SetParentColor(true);
}

void TOrvCustomStartEdit::ParentFontRequested()
{
    if (!Designing() && !Loading())
        SetParentFont(true);
}

void TOrvCustomStartEdit::SetSign(int value)
{
    if (value == fSign)
        return;
    fSign = value;
    SignChanged();
}

void TOrvCustomStartEdit::Change()
{
    if (OnChange)
        OnChange(this);
    emit changed();
}

void TOrvCustomStartEdit::UpdateColors(bool invalidate)
{
    if (fInUpdate)
        return;
    const TOrvEditColorSet& set = EffectiveColorSet();
    if (set.RWColor() == clNone) {
        SetParentColor(false);
        SetParentColor(true);
    }
    TColor color = Color();
    TColor fontColor = FontColor();
    TFontStyles fontStyle = FontStyle();
    const bool special = DecideSpecial();
    set.GetNumericColorStates(isEnabled(), fReadOnly, fSign, special, fMouseOver, fFocused, fontStyle, fontColor,
                              color);
    if (color != Color())
        SetColor(color);
    if (fontColor != FontColor())
        SetFontColor(fontColor);
    if (fontStyle != FontStyle())
        SetFontStyle(fontStyle);
    // The flat border is painted after each paint of the edit.
    if (set.Flat() || invalidate)
        Invalidate();
}

TOrvBlankSettings TOrvCustomStartEdit::EffectiveBlanks() const
{
    const TOrvBlankSettings own{fNullStr, BlankWhenNull(), BlankWhenZero(), OwnBlankIsNull(), OwnAllowKbdNull()};
    return orv::EffectiveBlanks(fUICtrl, fUIUsage, fDataType, own);
}

TOrvNavigation TOrvCustomStartEdit::EffectiveNavigation() const
{
    return orv::EffectiveNavigation(fUICtrl, fUIUsage);
}

void TOrvCustomStartEdit::DoEnter()
{
    fEnterText = text();
    fFocused = true;
    setModified(false);
    UpdateColors(true);
    if (fAutoSelect)
        selectAll();
    TOrvWinControlT::DoEnter();
}

void TOrvCustomStartEdit::DoExit()
{
    fFocused = false;
    fFirstMouseUp = false;
    UpdateColors(true);
    if (!fReadOnly && text() != fEnterText)
        setModified(true);
    TOrvWinControlT::DoExit();
}

void TOrvCustomStartEdit::MouseEnter()
{
    if (!Designing()) {
        fMouseOver = true;
        if (EffectiveColorSet().HotTracking())
            UpdateColors(true);
    }
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TOrvCustomStartEdit::MouseLeave()
{
    if (!Designing()) {
        fMouseOver = false;
        if (EffectiveColorSet().HotTracking())
            UpdateColors(true);
    }
    if (OnMouseExit)
        OnMouseExit(this);
}

void TOrvCustomStartEdit::MouseUp(Qt::MouseButton button, TShiftState shift, int x, int y)
{
    TOrvWinControlT::MouseUp(button, shift, x, y);
    if (button == Qt::LeftButton && rect().contains(x, y)) {
        if (OnClick)
            OnClick(this);
        emit clicked();
    }
    if (button != Qt::LeftButton || fFirstMouseUp)
        return;
    fFirstMouseUp = true;
    if (fAutoSelectClick)
        selectAll();
}

void TOrvCustomStartEdit::mouseDoubleClickEvent(QMouseEvent* e)
{
    TOrvWinControlT::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton && OnDblClick)
        OnDblClick(this);
}

void TOrvCustomStartEdit::ContextMenuDone()
{
    if (AfterContextMenu)
        AfterContextMenu(this);
}

void TOrvCustomStartEdit::BorderPainted(QPainter& canvas)
{
    const TOrvEditColorSet& set = EffectiveColorSet();
    if (!set.Flat())
        return;
    const bool live = !Designing();
    set.FlattenControl(canvas, WindowRect(*this), palette(), fReadOnly, Color(), live && fMouseOver,
                       live && fFocused, isEnabled());
}

// ---- TOrvCustomEdit

TOrvCustomEdit::TOrvCustomEdit(QWidget* parent) : TOrvCustomStartEdit(parent) {}

void TOrvCustomEdit::SetAlignment(TAlignment value)
{
    if (value == fAlignment)
        return;
    fAlignment = value;
    static constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    setAlignment(kAlign[value] | Qt::AlignVCenter);
    RecreateWnd();
}

void TOrvCustomEdit::SetPasswordChar(QChar value)
{
    fPasswordChar = value;
    setEchoMode(value.isNull() ? QLineEdit::Normal : QLineEdit::Password);
}

void TOrvCustomEdit::SetNull(bool value)
{
    if (value == fNull)
        return;
    fNull = value;
    if (!ReadOnly())
        setModified(true);
    DoDisplay();
    if (OnNullChange)
        OnNullChange(this);
    emit nullChanged(fNull);
}

void TOrvCustomEdit::SetMaxLength(int value)
{
    fMaxLength = std::clamp(value, 0, kMaxTypingLimit);
}

bool TOrvCustomEdit::TypingLimitReached() const
{
    return fMaxLength > 0 && text().size() - selectedText().size() >= fMaxLength;
}

QString TOrvCustomEdit::GetText()
{
    fLastText = text();
    return fNull ? QString() : fLastText;
}

void TOrvCustomEdit::SetText(const QString& value)
{
    const TOrvSetTextPlan plan = PlanSetText(EffectiveBlanks(), fNull, value);
    if (plan.BecomeNull) {
        SetNull(true);
        DoDisplay();
        return;
    }
    if (fNull)
        SetNull(plan.StaysNull);
    SetNativeText(value);
    if (value != fLastText || plan.LeavesNull) {
        fLastText = value;
        ConvertText();
        if (!fNoDisplayUpdate)
            DoDisplay();
    }
}

void TOrvCustomEdit::SetNativeText(const QString& value)
{
    if (value != text())
        setText(value);
}

void TOrvCustomEdit::Clear()
{
    clear();
    fLastText.clear();
    fNull = false;
}

void TOrvCustomEdit::SelectNone()
{
    setSelection(0, 0);
    setCursorPosition(0);
}

void TOrvCustomEdit::DoDisplay()
{
    if (fNull)
        SetNativeText(NullDisplayText(EffectiveBlanks()));
}

TOrvKeyContext TOrvCustomEdit::KeyContext()
{
    const TOrvNavigation nav = EffectiveNavigation();
    TOrvKeyContext context;
    context.MultiLine = MultiLine();
    context.EnterAsTab = nav.EnterAsTab;
    context.ESCAsUndo = nav.ESCAsUndo;
    context.AllowKbdNull = EffectiveBlanks().AllowKbdNull;
    context.ReadOnly = ReadOnly();
    context.Null = fNull;
    context.IsValidChar = [this](QChar c) { return IsValidChar(c); };
    return context;
}

void TOrvCustomEdit::RunKeyAction(TOrvKeyAction action)
{
    switch (action) {
    case ekaNone:
        break;
    case ekaNextControl:
        SelectNextControl(true);
        break;
    case ekaUndo:
        undo();
        break;
    case ekaMakeNull:
        SetNull(true);
        if (OnNull)
            OnNull(this);
        break;
    case ekaSelectAll:
        selectAll();
        break;
    case ekaLeaveNull:
        // The typed character replaces the null text.
        SetNull(false);
        SetNativeText(QString());
        break;
    }
}

void TOrvCustomEdit::ProcessKey(QChar& key)
{
    RunKeyAction(ProcessKeyRule(key, KeyContext()));
    LimitTyping(key);
}

void TOrvCustomEdit::LimitTyping(QChar& key) const
{
    if (key.unicode() >= 32 && TypingLimitReached())
        key = QChar();
}

void TOrvCustomEdit::RawKeyDown(uint16_t& key, TShiftState shift)
{
    if (OnCNKeyDown)
        OnCNKeyDown(this, key, shift);
}

void TOrvCustomEdit::KeyDown(uint16_t& key, TShiftState shift)
{
    switch (KeyDownRule(key, shift, ReadOnly(), fNumPadDecimal, EffectiveNavigation().ArrowsAsTab)) {
    case ekdNone:
        break;
    case ekdPrevControl:
        SelectNextControl(false);
        break;
    case ekdNextControl:
        SelectNextControl(true);
        break;
    case ekdKeypadDecimal:
        fKeypadDecimalPressed = true;
        break;
    }
    TOrvCustomStartEdit::KeyDown(key, shift);
}

void TOrvCustomEdit::KeyPress(QChar& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
    if (!key.isNull())
        ProcessKey(key);
}

void TOrvCustomEdit::KeyUp(uint16_t& key, TShiftState shift)
{
    TOrvCustomStartEdit::KeyUp(key, shift);
    if (Loading() || !fAutoAdvance || key == 0)
        return;
    if (AutoAdvanceRule(key, shift, fMaxLength, int(GetText().size()))) {
        SelectNextControl(true);
        key = 0;
    }
}

void TOrvCustomEdit::DoPaste()
{
    if (ReadOnly())
        return;
    if (fNull)
        Clear();
    setModified(true);
    if (fMaxLength == 0) {
        TOrvCustomStartEdit::DoPaste();
        return;
    }
    const qsizetype room = fMaxLength - (text().size() - selectedText().size());
    if (room > 0)
        insert(ClipboardText().left(room));
}

void TOrvCustomEdit::DoCut()
{
    if (ReadOnly())
        return;
    setModified(true);
    TOrvCustomStartEdit::DoCut();
}

// ---- TOrvkitEdit

TOrvkitEdit::TOrvkitEdit(QWidget* parent) : TOrvCustomEdit(parent) {}

bool TOrvkitEdit::IsValidChar(QChar key)
{
    if (fNumbersOnly)
        return key >= u'0' && key <= u'9';
    return TOrvCustomEdit::IsValidChar(key);
}

void TOrvkitEdit::DoExit()
{
    if (!Null()) {
        const QString current = GetText();
        const QString cleaned = CleanUpText(current, fCleanup);
        if (cleaned != current) {
            SetText(cleaned);
            if (!ReadOnly())
                setModified(true);
        }
        if (EffectiveBlanks().BlankIsNull && cleaned.isEmpty())
            SetNull(true);
    }
    TOrvCustomEdit::DoExit();
}

// ---- TOrvBaseEdit

/// The exit steps of a value edit, for RunValueExit.
class TOrvBaseEditExit final : public IOrvExitSteps {
public:
    explicit TOrvBaseEditExit(TOrvBaseEdit& edit) : fEdit(edit) {}

    bool HasExitStart() const override { return bool(fEdit.OnExitStart); }
    void FireExitStart(QString& text, bool& furtherChecking) override
    {
        fEdit.OnExitStart(&fEdit, text, furtherChecking);
    }
    QString LastText() const override
    {
        fEdit.GetText();
        return fEdit.LastText();
    }
    void SetText(const QString& text) override { fEdit.SetText(text); }
    QString GetText() override { return fEdit.GetText(); }
    bool BlankIsNull() const override { return fEdit.EffectiveBlanks().BlankIsNull; }
    void MakeNull() override { fEdit.SetNull(true); }
    bool IgnoreConvertError() const override { return fEdit.fIgnoreConvertError; }
    void SetCheckForErrors(bool value) override { fEdit.fCheckForErrors = value; }
    void ConvertText() override { fEdit.ConvertText(); }
    bool HasConvertErrorHandler() const override { return bool(fEdit.OnConvertError); }
    void FireConvertError(const QString& text) override
    {
        fEdit.OnConvertError(&fEdit, text);
        emit fEdit.convertError(text);
    }
    void Refocus() override { fEdit.setFocus(Qt::OtherFocusReason); }
    void DoDisplay() override { fEdit.DoDisplay(); }
    bool ValidationOn() const override { return fEdit.fBoundsEnabled || fEdit.fValidateYear; }
    void ValidateBounds() override { fEdit.ValidateBounds(); }

private:
    TOrvBaseEdit& fEdit;
};

TOrvBaseEdit::TOrvBaseEdit(QWidget* parent) : TOrvCustomEdit(parent)
{
    SetWidth(81);
}

void TOrvBaseEdit::SetMaxLength(int value)
{
    if (std::clamp(value, 0, kMaxTypingLimit) == MaxLength())
        return;
    TOrvCustomEdit::SetMaxLength(value);
    DoDisplay();
}

void TOrvBaseEdit::SetNull(bool value)
{
    if (value == Null())
        return;
    TOrvCustomEdit::SetNull(value);
    if (value)
        fValueShown = false;
    // Reading the value converts the text, which matches the value only once shown.
    ValueMayHaveChanged();
}

void TOrvBaseEdit::ValidateBounds()
{
    if (!fBoundsEnabled)
        return;
    if (OnBoundsError)
        OnBoundsError(this, GetText(), fBoundsValidationType);
    else
        ShowErrorBox(this, Message(kNotAcceptable));
    emit boundsError(GetText(), fBoundsValidationType);
}

void TOrvBaseEdit::ReportBoundsViolation(TOrvBoundsValidationtype type, const QString& message)
{
    if (type == evtNone)
        return;
    if (OnBoundsError) {
        OnBoundsError(this, GetText(), type);
    } else {
        ShowErrorBox(this, message);
        setFocus(Qt::OtherFocusReason);
    }
    emit boundsError(GetText(), type);
}

void TOrvBaseEdit::ShowValueText(const QString& text)
{
    {
        const TOrvScopedValue displaying(fDisplaying, true);
        SetNativeText(text);
        // Keeps the record of the last text in step with what is shown.
        GetText();
    }
    fShownText = this->text();
    fValueShown = true;
    ValueMayHaveChanged();
}

void TOrvBaseEdit::ValueMayHaveChanged()
{
    if (!Loading())
        fValueNotifier.Check(*this);
}

void TOrvBaseEdit::connectNotify(const QMetaMethod& signal)
{
    TOrvCustomEdit::connectNotify(signal);
    fValueNotifier.Watch(*this, signal);
}

void TOrvBaseEdit::DoDisplay()
{
    if (!Null())
        SetText(GetText());
    else
        SetText(NullDisplayText(EffectiveBlanks()));
}

void TOrvBaseEdit::SignChanged()
{
    if (!Loading() && OnSignChange)
        OnSignChange(this);
    UpdateColors(true);
}

void TOrvBaseEdit::Change()
{
    // Once the text leaves the shown one, the value comes from the text, even when the
    // text later reads as the shown one again.
    if (!fDisplaying && text() != fShownText)
        fValueShown = false;
    if (Loading())
        return;
    try {
        ConvertText();
    } catch (const std::exception&) {
        // Half-typed text need not convert; leaving the edit checks it.
    }
    TOrvCustomEdit::Change();
    ValueMayHaveChanged();
}

void TOrvBaseEdit::DoEnter()
{
    TOrvCustomEdit::DoEnter();
    fConvertOK = false;
}

void TOrvBaseEdit::DoExit()
{
    TOrvBaseEditExit steps(*this);
    try {
        if (!RunValueExit(steps))
            return;
    } catch (const std::exception& e) {
        // Nobody handles the failure: report it as the application reports an unhandled
        // error, and keep the focus in the edit so the text can be put right.
        ShowErrorBox(this, ExceptionText(e));
        setFocus(Qt::OtherFocusReason);
        emit convertError(text());
        return;
    }
    fConvertOK = true;
    TOrvCustomEdit::DoExit();
}

void TOrvBaseEdit::ProcessKey(QChar& key)
{
    TOrvKeyContext context = KeyContext();
    context.AllowAllChars = fAllowAllChars;
    RunKeyAction(ProcessKeyRule(key, context));
    LimitTyping(key);
}

} // namespace orv
