#pragma once

#include <orvkit/framework/OrvkitEdit.h>
#include <orvkit/framework/OrvkitPanels.h>

#include <QList>
#include <QPointer>
#include <QToolButton>
#include <memory>

namespace orv {

/// A button panel around one value edit: the edit at the left, its buttons in a column
/// at the right (one button at full height, or an up button over a down button that
/// takes half the height rounded down). The panel takes over the edit's notifications and
/// fires its own, passes the focus to the edit, and forwards the edit-like operations,
/// the colour set, the UI control and its usage to it. Spin edits, calculator edits and
/// the calendar edit stand on it.
class TOrvEditBtnPanel : public TOrvCustomBtnPanel {
    Q_OBJECT
    Q_PROPERTY(orv::EditEnums::TAlignment Alignment READ Alignment WRITE SetAlignment)
public:
    ~TOrvEditBtnPanel() override;

    TOrvBaseEdit* Edit() const { return fEdit; }
    TAlignment Alignment() const { return fEdit->Alignment(); }
    void SetAlignment(TAlignment value) { fEdit->SetAlignment(value); }
    const QList<QToolButton*>& Buttons() const { return fButtons; }
    /// The width of the button column, also while the buttons are hidden.
    int ButtonWidth() const { return fButtonWidth; }

    void SetUICtrl(TOrvUICtrl* value) override;
    void SetUIUsage(TOrvUIUsageTypes value) override;
    TOrvEditColorSet* ColorSet() const override;
    void SetColorSet(const TOrvEditColorSet& value) override;
    void SetHideButton(bool value) override;

    int SelLength() const override { return fEdit->selectionLength(); }
    void SetSelLength(int value) override;
    int SelStart() const override;
    void SetSelStart(int value) override;
    QString SelText() const override { return fEdit->selectedText(); }
    void SetSelText(const QString& value) override { fEdit->insert(value); }
    bool Modified() const override { return fEdit->isModified(); }
    void SetModified(bool value) override { fEdit->setModified(value); }
    QString Text() const override { return fEdit->GetText(); }
    void SetText(const QString& value) override { fEdit->SetText(value); }

    void Clear() override { fEdit->Clear(); }
    void ClearSelection() override { fEdit->del(); }
    void CopyToClipboard() override { fEdit->copy(); }
    void CutToClipboard() override { fEdit->cut(); }
    void PasteFromClipboard() override { fEdit->paste(); }
    void Undo() override { fEdit->undo(); }
    void ClearUndo() override;
    void SelectAll() override { fEdit->selectAll(); }
    void SetSelTextBuf(const QString& text) override { fEdit->insert(text); }

    /// The buttons' flat look from the UI control's set when one with a set is attached,
    /// else from the panel's own set; then the edit's redraw.
    void Redraw() override;
    void Display() override { fEdit->Display(); }

    /// The width at creation and the current height, so that a layout keeps the panel
    /// as high as it was made.
    QSize sizeHint() const override { return QSize(fHintWidth, height()); }

signals:
    /// Right after OnChange.
    void changed();
    /// Right after OnNullChange.
    void nullChanged(bool null);

protected:
    /// `edit` becomes the inner edit (the panel's child, at 0, 0, the panel's height and
    /// font) and `editWidth` its width; the panel is `editWidth + buttonWidth` wide and 21
    /// high. Descendants add their buttons with AddButton.
    TOrvEditBtnPanel(QWidget* parent, std::unique_ptr<TOrvBaseEdit> edit, int editWidth, int buttonWidth);
    /// Places a button right of the edit, below the ones added before.
    void AddButton(QToolButton* button);

    // The taken-over notifications of the edit; each fires the panel's own event. The
    // mouse events of the edit fire the panel's, with the panel as the sender.
    virtual void EditChange();
    virtual void EditEnter();
    virtual void EditExit();
    virtual void EditKeyDown(uint16_t& key, TShiftState shift);
    virtual void EditKeyPress(QChar& key);
    /// The edit's raw key-down, before the edit's own key handling; fires OnCNKeyDown.
    virtual void EditRawKeyDown(uint16_t& key, TShiftState shift);

    // Keys the inner edit leaves alone travel on to the panel; its handlers have heard of
    // them already through the taken-over events.
    void RawKeyDown(uint16_t& key, TShiftState shift) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(QChar& key) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;

    void NullChangeRelay() override;
    void PanelFontChanged() override;
    /// With the edit's AutoSize on, the panel keeps the height the edit wants for its font.
    void resizeEvent(QResizeEvent* e) override;
    void Loaded() override;
    void connectNotify(const QMetaMethod& signal) override;
    /// Places the edit and the buttons for the panel's size.
    virtual void Layout();
    /// The value signal fires if the panel's value changed (not while loading).
    void ValueMayHaveChanged();

private:
    int AutoHeight() const { return fEdit->sizeHint().height(); }

    void TakeOverEvents();
    void ReleaseEvents();

    QPointer<TOrvBaseEdit> fEdit;
    QList<QToolButton*> fButtons;
    int fButtonWidth;
    int fHintWidth;
    bool fInLayout = false;
    TOrvValueNotifier fValueNotifier;
};

} // namespace orv
