#include <orvkit/framework/OrvkitEditBtnPanel.h>

#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/framework/OrvkitValueNotifier.h>

#include <QResizeEvent>
#include <QSignalBlocker>
#include <algorithm>

namespace orv {

namespace {
constexpr int kInitialHeight = 21;
}

TOrvEditBtnPanel::TOrvEditBtnPanel(QWidget* parent, std::unique_ptr<TOrvBaseEdit> edit, int editWidth,
                                   int buttonWidth)
    : TOrvCustomBtnPanel(parent), fButtonWidth(buttonWidth), fHintWidth(editWidth + buttonWidth)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    Q_ASSERT(edit);
    edit->setParent(this); // the panel owns it from here on
    fEdit = edit.release();
    fEdit->SetParentFont(true);
    fEdit->setGeometry(0, 0, editWidth, kInitialHeight);
    setFocusProxy(fEdit);
    // A buddy label gives the focus only to a widget that takes it; the proxy passes it
    // on, and Tab skips widgets with a proxy.
    setFocusPolicy(Qt::StrongFocus);
    TakeOverEvents();
    resize(editWidth + buttonWidth, fEdit->AutoSize() ? AutoHeight() : kInitialHeight);
    Redraw();
}

TOrvEditBtnPanel::~TOrvEditBtnPanel()
{
    // The edit and the buttons outlive this part of the panel while Qt deletes the
    // children; nothing they report may reach it any more.
    ReleaseEvents();
}

void TOrvEditBtnPanel::TakeOverEvents()
{
    fEdit->OnChange = [this](QObject*) { EditChange(); };
    fEdit->OnEnter = [this](QObject*) { EditEnter(); };
    fEdit->OnExit = [this](QObject*) { EditExit(); };
    fEdit->OnKeyDown = [this](QObject*, uint16_t& key, TShiftState shift) { EditKeyDown(key, shift); };
    fEdit->OnKeyPress = [this](QObject*, QChar& key) { EditKeyPress(key); };
    fEdit->OnKeyUp = [this](QObject*, uint16_t& key, TShiftState shift) {
        if (OnKeyUp)
            OnKeyUp(this, key, shift);
    };
    fEdit->OnCNKeyDown = [this](QObject*, uint16_t& key, TShiftState shift) { EditRawKeyDown(key, shift); };
    fEdit->OnColorSetChange = [this](QObject*) { ColorSetChangeRelay(); };
    fEdit->OnSignChange = [this](QObject*) { SignChangeRelay(); };
    fEdit->OnNullChange = [this](QObject*) { NullChangeRelay(); };
    fEdit->OnMouseDown = [this](QObject*, Qt::MouseButton button, TShiftState shift, int x, int y) {
        if (OnMouseDown)
            OnMouseDown(this, button, shift, x, y);
    };
    fEdit->OnMouseUp = [this](QObject*, Qt::MouseButton button, TShiftState shift, int x, int y) {
        if (OnMouseUp)
            OnMouseUp(this, button, shift, x, y);
    };
    fEdit->OnMouseMove = [this](QObject*, TShiftState shift, int x, int y) {
        if (OnMouseMove)
            OnMouseMove(this, shift, x, y);
    };
}

void TOrvEditBtnPanel::ReleaseEvents()
{
    if (fEdit) {
        fEdit->OnChange = nullptr;
        fEdit->OnEnter = nullptr;
        fEdit->OnExit = nullptr;
        fEdit->OnKeyDown = nullptr;
        fEdit->OnKeyPress = nullptr;
        fEdit->OnKeyUp = nullptr;
        fEdit->OnCNKeyDown = nullptr;
        fEdit->OnColorSetChange = nullptr;
        fEdit->OnSignChange = nullptr;
        fEdit->OnNullChange = nullptr;
        fEdit->OnMouseDown = nullptr;
        fEdit->OnMouseUp = nullptr;
        fEdit->OnMouseMove = nullptr;
    }
    for (QToolButton* button : std::as_const(fButtons))
        button->disconnect(this);
}

void TOrvEditBtnPanel::AddButton(QToolButton* button)
{
    button->setParent(this);
    button->setFocusPolicy(Qt::NoFocus);
    button->setVisible(!HideButton());
    fButtons.append(button);
    Layout();
    Redraw();
}

void TOrvEditBtnPanel::SetUICtrl(TOrvUICtrl* value)
{
    TOrvCustomBtnPanel::SetUICtrl(value);
    fEdit->SetUICtrl(value);
    Redraw();
}

void TOrvEditBtnPanel::SetUIUsage(TOrvUIUsageTypes value)
{
    TOrvCustomBtnPanel::SetUIUsage(value);
    fEdit->SetUIUsage(value);
    Redraw();
}

TOrvEditColorSet* TOrvEditBtnPanel::ColorSet() const
{
    return &fEdit->ColorSet();
}

void TOrvEditBtnPanel::SetColorSet(const TOrvEditColorSet& value)
{
    fEdit->ColorSet().Assign(value);
    Redraw();
}

void TOrvEditBtnPanel::SetHideButton(bool value)
{
    TOrvCustomBtnPanel::SetHideButton(value);
    for (QToolButton* button : std::as_const(fButtons))
        button->setVisible(!value);
    Layout();
}

void TOrvEditBtnPanel::SetSelLength(int value)
{
    fEdit->setSelection(SelStart(), value);
}

int TOrvEditBtnPanel::SelStart() const
{
    return fEdit->hasSelectedText() ? fEdit->selectionStart() : fEdit->cursorPosition();
}

void TOrvEditBtnPanel::SetSelStart(int value)
{
    fEdit->setCursorPosition(value);
}

void TOrvEditBtnPanel::ClearUndo()
{
    // Setting the text is the native edit's only way to forget its undo steps; the
    // text, the modified flag and the cursor stay as they were and nobody hears of it.
    const bool modified = fEdit->isModified();
    const int cursor = fEdit->cursorPosition();
    const QSignalBlocker blocker(fEdit.data());
    fEdit->setText(fEdit->text());
    fEdit->setModified(modified);
    fEdit->setCursorPosition(cursor);
}

void TOrvEditBtnPanel::Redraw()
{
    const TOrvUICtrl* ui = UICtrl();
    const bool flat = ui && ui->ColorSet() ? ui->ColorSet()->FlatBtns() : fEdit->ColorSet().FlatBtns();
    for (QToolButton* button : std::as_const(fButtons))
        button->setAutoRaise(flat);
    fEdit->Redraw();
}

void TOrvEditBtnPanel::EditChange()
{
    if (OnChange)
        OnChange(this);
    emit changed();
    ValueMayHaveChanged();
}

void TOrvEditBtnPanel::NullChangeRelay()
{
    TOrvCustomBtnPanel::NullChangeRelay();
    if (Loading())
        return;
    emit nullChanged(fEdit->Null());
    ValueMayHaveChanged();
}

void TOrvEditBtnPanel::ValueMayHaveChanged()
{
    if (!Loading())
        fValueNotifier.Check(*this);
}

void TOrvEditBtnPanel::connectNotify(const QMetaMethod& signal)
{
    TOrvCustomBtnPanel::connectNotify(signal);
    fValueNotifier.Watch(*this, signal);
}

void TOrvEditBtnPanel::EditEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TOrvEditBtnPanel::EditExit()
{
    if (OnExit)
        OnExit(this);
}

void TOrvEditBtnPanel::EditKeyDown(uint16_t& key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TOrvEditBtnPanel::EditKeyPress(QChar& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TOrvEditBtnPanel::EditRawKeyDown(uint16_t& key, TShiftState shift)
{
    TOrvCustomBtnPanel::RawKeyDown(key, shift);
}

void TOrvEditBtnPanel::RawKeyDown(uint16_t& key, TShiftState shift)
{
    Q_UNUSED(key);
    Q_UNUSED(shift);
}

void TOrvEditBtnPanel::KeyDown(uint16_t& key, TShiftState shift)
{
    Q_UNUSED(key);
    Q_UNUSED(shift);
}

void TOrvEditBtnPanel::KeyPress(QChar& key)
{
    Q_UNUSED(key);
}

void TOrvEditBtnPanel::KeyUp(uint16_t& key, TShiftState shift)
{
    Q_UNUSED(key);
    Q_UNUSED(shift);
}

void TOrvEditBtnPanel::PanelFontChanged()
{
    TOrvCustomPanel::PanelFontChanged();
    fEdit->setFont(font());
    if (fEdit->AutoSize())
        resize(width(), AutoHeight());
}

void TOrvEditBtnPanel::resizeEvent(QResizeEvent* e)
{
    TOrvCustomBtnPanel::resizeEvent(e);
    if (fEdit->AutoSize() && !Loading() && height() != AutoHeight()) {
        resize(width(), AutoHeight());
        return;
    }
    Layout();
}

void TOrvEditBtnPanel::Loaded()
{
    TOrvCustomBtnPanel::Loaded();
    Layout();
}

void TOrvEditBtnPanel::Layout()
{
    if (Loading() || fInLayout)
        return;
    const TOrvScopedValue inLayout(fInLayout, true);
    const int h = height();
    // The edit does not grow into the room of a hidden button.
    fEdit->setGeometry(0, 0, std::max(0, width() - fButtonWidth), h);
    const int left = fEdit->width();
    if (fButtons.size() == 1) {
        fButtons[0]->setGeometry(left, 0, fButtonWidth, h);
    } else if (fButtons.size() == 2) {
        const int down = h / 2;
        fButtons[0]->setGeometry(left, 0, fButtonWidth, h - down);
        fButtons[1]->setGeometry(left, h - down, fButtonWidth, down);
    }
}

} // namespace orv
