#pragma once

#include <orvkit/framework/OrvkitColorSets.h>
#include <orvkit/framework/OrvkitControl.h>
#include <orvkit/framework/OrvkitUICtrl.h>

#include <QFrame>
#include <QPointer>

namespace orv {

/// A borderless panel without a caption that keeps the font given to it.
class TOrvCustomPanel : public TOrvWinControlT<QFrame> {
    Q_OBJECT
    Q_PROPERTY(int Right READ Right WRITE SetRight STORED false)
    Q_PROPERTY(int Bottom READ Bottom WRITE SetBottom STORED false)
    Q_PROPERTY(QString Version READ Version STORED false)
public:
    explicit TOrvCustomPanel(QWidget* parent = nullptr);

    QString Version() const;

    const QString& Caption() const { return fCaption; }
    void SetCaption(const QString& value) { fCaption = value; }

protected:
    void FontChanged() override { PanelFontChanged(); }
    /// Runs on every change of the panel's font; here the panel stops following its
    /// parent's font.
    virtual void PanelFontChanged();

private:
    QString fCaption = QStringLiteral(" ");
};

/// The panel of a composite control: a value edit with one or two buttons beside it.
/// Here every edit-like operation does nothing and returns empty or 0 (Text is the
/// panel's caption); TOrvEditBtnPanel forwards them to its inner edit.
class TOrvCustomBtnPanel : public TOrvCustomPanel, public IOrvUIClient {
    Q_OBJECT
    Q_PROPERTY(bool HideButton READ HideButton WRITE SetHideButton)
    Q_PROPERTY(orv::TOrvUICtrl* UICtrl READ UICtrl WRITE SetUICtrl)
    Q_PROPERTY(orv::TOrvUIUsageTypes UIUsage READ UIUsage WRITE SetUIUsage)
    // The inner edit's set, edited in place; it is not a QObject, so the property is its address.
    Q_PROPERTY(orv::TOrvEditColorSet* ColorSet READ ColorSet CONSTANT)
public:
    explicit TOrvCustomBtnPanel(QWidget* parent = nullptr);
    ~TOrvCustomBtnPanel() override;

    TOrvUICtrl* UICtrl() const { return fUICtrl; }
    /// Moves the panel from the old UI control's list to the new one's.
    virtual void SetUICtrl(TOrvUICtrl* value);
    TOrvUIUsageTypes UIUsage() const { return fUIUsage; }
    virtual void SetUIUsage(TOrvUIUsageTypes value) { fUIUsage = value; }

    /// The inner edit's colour set; none here.
    virtual TOrvEditColorSet* ColorSet() const { return nullptr; }
    /// Copies the set into the inner edit's.
    virtual void SetColorSet(const TOrvEditColorSet& value) { Q_UNUSED(value); }
    virtual bool HideButton() const { return fHideButton; }
    virtual void SetHideButton(bool value) { fHideButton = value; }

    virtual int SelLength() const { return 0; }
    virtual void SetSelLength(int value) { Q_UNUSED(value); }
    virtual int SelStart() const { return 0; }
    virtual void SetSelStart(int value) { Q_UNUSED(value); }
    virtual QString SelText() const { return QString(); }
    virtual void SetSelText(const QString& value) { Q_UNUSED(value); }
    virtual bool Modified() const { return false; }
    virtual void SetModified(bool value) { Q_UNUSED(value); }
    virtual QString Text() const { return Caption(); }
    virtual void SetText(const QString& value) { SetCaption(value); }

    virtual void RedrawGlyph() {}
    virtual void Clear() {}
    virtual void ClearSelection() {}
    virtual void CopyToClipboard() {}
    virtual void CutToClipboard() {}
    virtual void PasteFromClipboard() {}
    virtual void Undo() {}
    virtual void ClearUndo() {}
    /// Copies at most bufSize - 1 characters of the selection and a terminating 0 into
    /// the buffer; returns the number of characters copied.
    virtual int GetSelTextBuf(QChar* buffer, int bufSize) const;
    virtual void SelectAll() {}
    virtual void SetSelTextBuf(const QString& text) { Q_UNUSED(text); }

    // IOrvUIClient
    TOrvUIClientKind UIClientKind() const override { return eukButtonPanel; }
    void UpdateColorSet() override { Redraw(); }
    void Redraw() override {}
    void Display() override {}

    TNotifyEvent OnChange;
    TNotifyEvent OnColorSetChange;
    TNotifyEvent OnNullChange;
    TNotifyEvent OnSignChange;
    /// Key-down of the panel before anything else handles it.
    TKeyEvent OnCNKeyDown;

protected:
    // The inner edit's notifications, passed on unless the panel is loading.
    virtual void ColorSetChangeRelay();
    virtual void SignChangeRelay();
    virtual void NullChangeRelay();

    void RawKeyDown(uint16_t& key, TShiftState shift) override;
    void Notification(QObject* component, TOperation operation) override;

private:
    QPointer<TOrvUICtrl> fUICtrl;
    TOrvUIUsageTypes fUIUsage = TOrvUIUsageTypes::All();
    bool fHideButton = false;
};

} // namespace orv
