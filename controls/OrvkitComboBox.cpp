#include <orvkit/controls/OrvkitComboBox.h>

#include <orvkit/controls/OrvkitComboRules.h>
#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/framework/OrvkitEdit.h>
#include <orvkit/framework/OrvkitEditRules.h>

#include <QScreen>
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QLineEdit>
#include <QStyle>
#include <QStyledItemDelegate>

namespace orv {

namespace {

QString ExceptionText(const std::exception& e)
{
    if (const auto* orvError = dynamic_cast<const Exception*>(&e))
        return orvError->Message();
    return QString::fromUtf8(e.what());
}

QChar CasedChar(QChar key, TEditCharCase charCase)
{
    switch (charCase) {
    case ecUpperCase:
        return key.toUpper();
    case ecLowerCase:
        return key.toLower();
    case ecNormal:
        break;
    }
    return key;
}

} // namespace

/// Paints the items of the list in the combo box's list colours, or hands them to
/// OnDrawItem for the owner-drawn styles.
class TOrvComboItemDelegate : public QStyledItemDelegate {
public:
    explicit TOrvComboItemDelegate(TOrvCustomComboBox& combo) : QStyledItemDelegate(&combo), fCombo(combo) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt(option);
        fCombo.DrawItem(opt, index.row());
        const TOrvComboStyle style = fCombo.Style();
        if ((style == csOwnerDrawFixed || style == csOwnerDrawVariable) && fCombo.OnDrawItem) {
            fCombo.OnDrawItem(&fCombo, index.row(), *painter, opt.rect, opt.state & QStyle::State_Selected);
            return;
        }
        QStyledItemDelegate::paint(painter, opt, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        int height = fCombo.EffectiveItemHeight();
        if (fCombo.Style() == csOwnerDrawVariable && fCombo.OnMeasureItem)
            fCombo.OnMeasureItem(&fCombo, index.row(), height);
        size.setHeight(std::max(height, 1));
        return size;
    }

private:
    TOrvCustomComboBox& fCombo;
};

// ---- TOrvCustomComboBox

TOrvCustomComboBox::TOrvCustomComboBox(QWidget* parent)
    : TOrvWinControlT<QComboBox>(parent), fColorSet(std::make_unique<TOrvComboColorSet>())
{
    // The parent-font request of the set is not wired for combo boxes.
    fColorSet->Hook([this] { ColorSetChanged(); }, [this] { FlatChanged(); }, [this] { ParentColorRequested(); },
                    [] {});
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setItemDelegate(new TOrvComboItemDelegate(*this));
    ApplyLineEditSettings();
    connect(this, &QComboBox::activated, this, [this] { Guarded([this] { Activated(); }); });
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) { IndexChanged(index); });
    resize(145, sizeHint().height());
    UpdateColors(false);
    // The descendants fill their items once they are complete.
    if (parent)
        QMetaObject::invokeMethod(this, [this] { Guarded([this] { InitItemsOnce(); }); }, Qt::QueuedConnection);
}

TOrvCustomComboBox::~TOrvCustomComboBox()
{
    disconnect(this, nullptr, this, nullptr);
    if (fUICtrl)
        fUICtrl->RemoveFromNotifyList(this);
    fColorSet->Unhook();
}

QString TOrvCustomComboBox::Version() const
{
    return QString::fromLatin1(OrvkitVersion);
}

void TOrvCustomComboBox::ReportError(const std::exception& error)
{
    ShowErrorBox(this, ExceptionText(error));
}

TOrvComboPaintColors TOrvCustomComboBox::PaintColors() const
{
    // Unlike the edits, a combo box takes the UI control's colours whatever its UIUsage.
    if (fUICtrl && fUICtrl->ColorSet()) {
        const TOrvCompleteColorSet& set = *fUICtrl->ColorSet();
        return {set, set};
    }
    return {*fColorSet, *fColorSet};
}

void TOrvCustomComboBox::SetUICtrl(TOrvUICtrl* value)
{
    if (!Reattach(*this, fUICtrl, value))
        return;
    RecreateWnd();
    UpdateColors(true);
}

void TOrvCustomComboBox::SetUIUsage(TOrvUIUsageTypes value)
{
    if (value == fUIUsage)
        return;
    fUIUsage = value;
    RecreateWnd();
    UpdateColors(true);
}

void TOrvCustomComboBox::SetReadOnly(bool value)
{
    if (value == fReadOnly)
        return;
    fReadOnly = value;
    fRemembered = currentIndex();
    if (QLineEdit* edit = lineEdit())
        edit->setReadOnly(value);
    SetTabStop(!value || !EffectiveNavigation().NoTabStopOnReadOnly);
    UpdateColors(true);
    Redraw();
}

void TOrvCustomComboBox::SetCharCase(TEditCharCase value)
{
    if (value == fCharCase)
        return;
    fCharCase = value;
    if (QLineEdit* edit = lineEdit(); edit && value != ecNormal)
        edit->setText(value == ecUpperCase ? edit->text().toUpper() : edit->text().toLower());
}

void TOrvCustomComboBox::SetStyle(TOrvComboStyle value)
{
    if (value == fStyle)
        return;
    fStyle = value;
    const int index = currentIndex();
    setEditable(value == csDropDown || value == csSimple);
    setCurrentIndex(index);
    ApplyLineEditSettings();
    UpdateColors(true);
}

void TOrvCustomComboBox::ApplyLineEditSettings()
{
    QLineEdit* edit = lineEdit();
    if (!edit)
        return;
    edit->setReadOnly(fReadOnly);
    edit->setMaxLength(fMaxLength > 0 ? fMaxLength : 32767);
    if (!fAutoComplete) {
        setCompleter(nullptr);
    } else if (!completer()) {
        auto* complete = new QCompleter(model(), this);
        complete->setCaseSensitivity(Qt::CaseInsensitive);
        complete->setCompletionMode(QCompleter::InlineCompletion);
        setCompleter(complete);
    }
    // Connected once per line edit; a new style may bring a new one.
    if (fConnectedEdit == edit)
        return;
    fConnectedEdit = edit;
    connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) { Guarded([&] { TextEdited(text); }); });
}

void TOrvCustomComboBox::SetItemIndex(int value)
{
    if (value < -1 || value >= count())
        value = -1;
    if (value == currentIndex())
        return;
    SelectIndex(value);
    if (fItemIndexChange)
        Change();
}

void TOrvCustomComboBox::SelectIndex(int index)
{
    setCurrentIndex(index < count() ? index : -1);
    fRemembered = currentIndex();
    ValueMayHaveChanged();
}

void TOrvCustomComboBox::ShowText(const QString& text)
{
    QLineEdit* edit = lineEdit();
    if (edit && edit->text() != text)
        edit->setText(text);
}

QStringList TOrvCustomComboBox::Items() const
{
    QStringList items;
    items.reserve(count());
    for (int i = 0; i < count(); ++i)
        items.append(itemText(i));
    return items;
}

void TOrvCustomComboBox::SetItems(const QStringList& value)
{
    QStringList items = value;
    if (fSorted)
        items.sort(Qt::CaseInsensitive);
    ReplaceItems(items);
}

void TOrvCustomComboBox::SetSorted(bool value)
{
    if (value == fSorted)
        return;
    fSorted = value;
    if (value)
        SetItems(Items());
}

void TOrvCustomComboBox::ReplaceItems(const QStringList& items)
{
    const QString shown = currentText();
    {
        // Qt selects the first item of a list filled from empty; the caller selects.
        const TOrvScopedValue restoring(fRestoring, true);
        clear();
        addItems(items);
        setCurrentIndex(-1);
    }
    ShowText(shown);
    fRemembered = currentIndex();
    ValueMayHaveChanged();
}

void TOrvCustomComboBox::SetItemHeight(int value)
{
    if (value == fItemHeight || value < 1)
        return;
    fItemHeight = value;
    view()->doItemsLayout();
}

int TOrvCustomComboBox::EffectiveItemHeight() const
{
    // The height was measured for a smaller font; the item keeps its text whole.
    return std::max(fItemHeight, fontMetrics().height() + 2);
}

void TOrvCustomComboBox::SetMaxLength(int value)
{
    fMaxLength = std::max(value, 0);
    ApplyLineEditSettings();
}

void TOrvCustomComboBox::SetAutoComplete(bool value)
{
    if (value == fAutoComplete)
        return;
    fAutoComplete = value;
    ApplyLineEditSettings();
}

int TOrvCustomComboBox::MaxItemWidth() const
{
    const QFontMetrics metrics = fontMetrics();
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(itemText(i)));
    return widest + 8;
}

int TOrvCustomComboBox::ScrollBarWidth() const
{
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

QString TOrvCustomComboBox::LowerText() const
{
    return currentText().trimmed().toLower();
}

QString TOrvCustomComboBox::TrimmedText() const
{
    return currentText().trimmed();
}

QString TOrvCustomComboBox::UpperText() const
{
    return currentText().trimmed().toUpper();
}

QString TOrvCustomComboBox::ProperText() const
{
    return ProperCase(currentText().trimmed());
}

void TOrvCustomComboBox::Redraw()
{
    if (!fColorSet->Flat())
        RecreateWnd();
}

bool TOrvCustomComboBox::DecideSpecial()
{
    return DecideSpecialColor(fUICtrl, fUIUsage, *fColorSet, OnSpecialColor, PopupMenu() != nullptr,
                              PopupMenuAutoPopup(), this);
}

void TOrvCustomComboBox::EndUpdate()
{
    fInUpdate = false;
    UpdateColors(true);
    Redraw();
}

void TOrvCustomComboBox::ColorSetChanged()
{
    if (!Loading() && OnColorSetChange)
        OnColorSetChange(this);
    UpdateColors(true);
}

void TOrvCustomComboBox::ParentColorRequested()
{
    if (Designing() || Loading())
        return;
    SetParentColor(false);
    SetParentColor(true);
}

void TOrvCustomComboBox::UpdateColors(bool invalidate)
{
    if (fInUpdate)
        return;
    const TOrvBaseEditColorSet& set = PaintColors().Set;
    if (set.RWColor() == clNone) {
        SetParentColor(false);
        SetParentColor(true);
    }
    TColor color = Color();
    TColor fontColor = FontColor();
    TFontStyles fontStyle = FontStyle();
    const bool special = DecideSpecial();
    set.GetColorStates(isEnabled(), fReadOnly, special, fMouseOver, fFocused, fontStyle, fontColor, color);
    ApplyColors(color, fontColor, fontStyle);
    // The flat border is painted after each paint.
    if (set.Flat() || invalidate)
        Invalidate();
}

void TOrvCustomComboBox::ApplyColors(TColor color, TColor fontColor, TFontStyles fontStyle)
{
    if (color != Color())
        SetColor(color);
    if (fontColor != FontColor())
        SetFontColor(fontColor);
    if (fontStyle != FontStyle())
        SetFontStyle(fontStyle);
    // The edit part, the button face and the text all take the state colours; system
    // colours resolve through the application's palette, not the recoloured own one.
    const QPalette system = QApplication::palette(this);
    const QColor background = ColorToQColor(color, system);
    const QColor text = ColorToQColor(fontColor, system);
    QPalette pal = palette();
    if (pal.color(QPalette::Base) == background && pal.color(QPalette::Text) == text &&
        pal.color(QPalette::Button) == background)
        return;
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        pal.setColor(role, background);
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        pal.setColor(role, text);
    setPalette(pal);
}

void TOrvCustomComboBox::DrawItem(QStyleOptionViewItem& option, int index) const
{
    Q_UNUSED(index);
    const QPalette system = QApplication::palette(this);
    if (!isEnabled()) {
        const QColor inactive = ColorToQColor(clInactiveCaption, system);
        option.palette.setColor(QPalette::Text, inactive);
        option.palette.setColor(QPalette::HighlightedText, inactive);
        return;
    }
    const bool selected = option.state & (QStyle::State_Selected | QStyle::State_HasFocus);
    if (!selected && fReadOnly)
        return;
    const TOrvComboColors& list = PaintColors().List;
    if (selected) {
        option.palette.setColor(QPalette::Highlight, ColorToQColor(list.ListHighlightColor(), system));
        option.palette.setColor(QPalette::HighlightedText, ColorToQColor(list.ListHighlightFontColor(), system));
    } else {
        option.backgroundBrush = ColorToQColor(list.ListColor(), system);
        option.palette.setColor(QPalette::Text, ColorToQColor(list.ListFontColor(), system));
    }
}

void TOrvCustomComboBox::Change()
{
    if (fReadOnly) {
        if (currentIndex() != fRemembered) {
            const TOrvScopedValue restoring(fRestoring, true);
            setCurrentIndex(fRemembered);
        }
    } else {
        fRemembered = currentIndex();
    }
    SelectionTaken();
    if (OnChange)
        OnChange(this);
    emit changed();
    ValueMayHaveChanged();
}

void TOrvCustomComboBox::Activated()
{
    if (fPopupClosing)
        fPickedFromPopup = true;
    if (OnSelect)
        OnSelect(this);
    Change();
    if (OnClick)
        OnClick(this);
    emit clicked();
}

void TOrvCustomComboBox::TextEdited(const QString& text)
{
    Q_UNUSED(text);
    QLineEdit* edit = lineEdit();
    if (!edit)
        return;
    const TOrvScopedValue typing(fUserInput, fUserInput + 1);
    // The typed text selects the item it names, or none, as the text stays as typed
    // (an inline completion included).
    const int match = findText(edit->text(), Qt::MatchFixedString);
    if (match != currentIndex()) {
        const QString shown = edit->text();
        const int cursor = edit->cursorPosition();
        const int selStart = edit->selectionStart();
        const int selLength = edit->selectionLength();
        setCurrentIndex(match);
        if (edit->text() != shown) {
            edit->setText(shown);
            if (selLength > 0 && cursor == selStart)
                edit->setSelection(selStart + selLength, -selLength);
            else if (selLength > 0)
                edit->setSelection(selStart, selLength);
            else
                edit->setCursorPosition(cursor);
        }
    }
    Change();
}

void TOrvCustomComboBox::IndexChanged(int index)
{
    if (fRestoring || UserSelecting())
        return;
    fRemembered = index;
    ValueMayHaveChanged();
}

void TOrvCustomComboBox::ValueMayHaveChanged()
{
    if (!Loading() && !fHoldValueSignal)
        fValueNotifier.Check(*this);
}

void TOrvCustomComboBox::connectNotify(const QMetaMethod& signal)
{
    TOrvWinControlT::connectNotify(signal);
    fValueNotifier.Watch(*this, signal);
}

void TOrvCustomComboBox::showPopup()
{
    Guarded([this] {
        TOrvDropDownGeometry geometry;
        geometry.AutoWidth = fDropDownAutoWidth;
        geometry.MaxItemWidth = fDropDownAutoWidth ? MaxItemWidth() : 0;
        geometry.ScrollBarWidth = ScrollBarWidth();
        geometry.ScrollBarNeeded = ScrollBarNeeded();
        geometry.DropDownWidth = fDropDownWidth;
        geometry.ControlWidth = width();
        // Never wider than the screen: a list as wide as a property allows cannot be drawn.
        const QScreen* shownOn = screen();
        const int widest = shownOn ? shownOn->availableGeometry().width() : 4096;
        view()->setMinimumWidth(std::min(DropDownListWidth(geometry), widest));
        fRemembered = currentIndex();
        if (OnDropDown)
            OnDropDown(this);
        emit popupOpened();
    });
    fPopupShown = true;
    fPickedFromPopup = false;
    QComboBox::showPopup();
}

void TOrvCustomComboBox::hidePopup()
{
    QComboBox::hidePopup();
    if (!fPopupShown || fPopupClosing)
        return;
    // Qt reports the picked item after closing the list; the pick still counts as the user's.
    fPopupClosing = true;
    QMetaObject::invokeMethod(this, [this] { Guarded([this] { FinishPopup(); }); }, Qt::QueuedConnection);
}

void TOrvCustomComboBox::FinishPopup()
{
    fPopupShown = false;
    fPopupClosing = false;
    if (OnCloseUp)
        OnCloseUp(this);
    emit popupClosed(fPickedFromPopup);
}

void TOrvCustomComboBox::InitItems()
{
    fLoadedOnce = true;
    FillItems();
    fRemembered = currentIndex();
}

void TOrvCustomComboBox::Loaded()
{
    if (!fLoadedOnce)
        Guarded([this] { InitItems(); });
    ValueMayHaveChanged();
}

void TOrvCustomComboBox::InitItemsOnce()
{
    if (!fLoadedOnce && !Loading())
        InitItems();
}

bool TOrvCustomComboBox::event(QEvent* e)
{
    if (e->type() == QEvent::Show || e->type() == QEvent::ParentChange)
        Guarded([this] { InitItemsOnce(); });
    return TOrvWinControlT::event(e);
}

void TOrvCustomComboBox::keyPressEvent(QKeyEvent* e)
{
    const TOrvScopedValue user(fUserInput, fUserInput + 1);
    Guarded([&] { TOrvWinControlT::keyPressEvent(e); });
}

void TOrvCustomComboBox::wheelEvent(QWheelEvent* e)
{
    const TOrvScopedValue user(fUserInput, fUserInput + 1);
    TOrvWinControlT::wheelEvent(e);
}

void TOrvCustomComboBox::mouseDoubleClickEvent(QMouseEvent* e)
{
    TOrvWinControlT::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton && OnDblClick)
        OnDblClick(this);
}

void TOrvCustomComboBox::KeyPress(QChar& key)
{
    TOrvWinControlT::KeyPress(key);
    ProcessKey(key);
    if (!key.isNull() && key.unicode() >= 32 && fAutoDropDown && !view()->isVisible())
        showPopup();
}

void TOrvCustomComboBox::ProcessKey(QChar& key)
{
    if (key.unicode() == 13) {
        if (EffectiveNavigation().EnterAsTab) {
            key = QChar();
            SelectNextControl();
        }
        return;
    }
    if (key.unicode() < 32)
        return;
    if (fReadOnly || !IsValidChar(key))
        key = QChar();
    else
        key = CasedChar(key, fCharCase);
}

void TOrvCustomComboBox::DoEnter()
{
    fFocused = true;
    UpdateColors(true);
    TOrvWinControlT::DoEnter();
}

void TOrvCustomComboBox::DoExit()
{
    fFocused = false;
    UpdateColors(true);
    TOrvWinControlT::DoExit();
}

void TOrvCustomComboBox::MouseEnter()
{
    if (!Designing()) {
        fMouseOver = true;
        if (PaintColors().Set.HotTracking())
            UpdateColors(true);
    }
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TOrvCustomComboBox::MouseLeave()
{
    if (!Designing()) {
        fMouseOver = false;
        if (PaintColors().Set.HotTracking())
            UpdateColors(true);
    }
    if (OnMouseExit)
        OnMouseExit(this);
}

void TOrvCustomComboBox::FontChanged()
{
    UpdateColors(true);
    Redraw();
}

void TOrvCustomComboBox::DoPaste()
{
    if (QLineEdit* edit = lineEdit(); edit && !fReadOnly)
        edit->paste();
}

void TOrvCustomComboBox::DoCut()
{
    if (QLineEdit* edit = lineEdit(); edit && !fReadOnly)
        edit->cut();
}

void TOrvCustomComboBox::BorderPainted(QPainter& canvas)
{
    const TOrvBaseEditColorSet& set = PaintColors().Set;
    if (!set.Flat())
        return;
    const bool live = !Designing();
    set.FlattenComboControl(canvas, WindowRect(*this), QApplication::palette(this), fStyle, ScrollBarWidth(),
                            fReadOnly, Color(), live && fMouseOver, live && fFocused, isEnabled());
}

// ---- TOrvComboBox

TOrvComboBox::TOrvComboBox(QWidget* parent) : TOrvCustomComboBox(parent) {}

void TOrvComboBox::SetText(const QString& value)
{
    if (value == currentText())
        return;
    SelectIndex(findText(value, Qt::MatchFixedString));
    ShowText(value);
}

} // namespace orv
