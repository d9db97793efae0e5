#pragma once

#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/framework/OrvkitColorSets.h>
#include <orvkit/framework/OrvkitControl.h>
#include <orvkit/framework/OrvkitUICtrl.h>
#include <orvkit/framework/OrvkitValueNotifier.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QStringList>
#include <memory>

class QStyleOptionViewItem;

namespace orv {

/// How typed letters are cased.
inline namespace ComboBoxEnums {
Q_NAMESPACE
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
Q_ENUM_NS(TEditCharCase)
} // namespace ComboBoxEnums

/// An item of an owner-drawn list is to be painted in `rect`.
using TDrawItemEvent =
    std::function<void(QObject* sender, int index, QPainter& canvas, const QRect& rect, bool selected)>;
/// The height of an item of a csOwnerDrawVariable list; the handler may change it.
using TMeasureItemEvent = std::function<void(QObject* sender, int index, int& height)>;

/// The colours a combo box takes: the state colours of one set and its list colours.
struct TOrvComboPaintColors {
    const TOrvBaseEditColorSet& Set;
    const TOrvComboColors& List;
};

/// The base of every combo box of the suite: state colours from its own set or an
/// attached UI control's (whenever one with a set is attached), a read-only mode that
/// swallows typing and undoes the user's picks, Enter as Tab, a list opened wider than the
/// control, a filling hook that runs once (first showing or after loading), the UI
/// control protocol.
///
/// OnChange fires for the user's changes (a pick from the list or the keyboard, typing),
/// and for ItemIndex set by code only with ItemIndexChange on; changed() follows it. The
/// value signal (itemIndexChanged here, a typed one in each descendant) fires once per
/// change of the value, whoever made it, never while loading.
class TOrvCustomComboBox : public TOrvWinControlT<QComboBox>, public IOrvUIClient {
    Q_OBJECT
    Q_PROPERTY(QString Version READ Version STORED false)
    Q_PROPERTY(orv::TOrvUICtrl* UICtrl READ UICtrl WRITE SetUICtrl)
    Q_PROPERTY(orv::TOrvUIUsageTypes UIUsage READ UIUsage WRITE SetUIUsage)
    Q_PROPERTY(orv::TOrvComboColorSet* ColorSet READ ColorSetPtr CONSTANT)
    Q_PROPERTY(bool StoreValue READ StoreValue WRITE SetStoreValue)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(bool DropDownAutoWidth READ DropDownAutoWidth WRITE SetDropDownAutoWidth)
    Q_PROPERTY(int DropDownWidth READ DropDownWidth WRITE SetDropDownWidth)
    Q_PROPERTY(int Right READ Right WRITE SetRight STORED false)
    Q_PROPERTY(int Bottom READ Bottom WRITE SetBottom STORED false)
    Q_PROPERTY(bool ItemIndexChange READ ItemIndexChange WRITE SetItemIndexChange)
    Q_PROPERTY(orv::ComboBoxEnums::TEditCharCase CharCase READ CharCase WRITE SetCharCase)
    Q_PROPERTY(orv::TOrvComboStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex NOTIFY itemIndexChanged USER true)
    Q_PROPERTY(int DropDownCount READ DropDownCount WRITE SetDropDownCount)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(bool AutoComplete READ AutoComplete WRITE SetAutoComplete)
    Q_PROPERTY(bool AutoDropDown READ AutoDropDown WRITE SetAutoDropDown)
    Q_PROPERTY(bool AutoCloseUp READ AutoCloseUp WRITE SetAutoCloseUp)
    Q_PROPERTY(QString TextHint READ TextHint WRITE SetTextHint)
public:
    explicit TOrvCustomComboBox(QWidget* parent = nullptr);
    ~TOrvCustomComboBox() override;

    QString Version() const;

    /// The own set.
    TOrvComboColorSet& ColorSet() const { return *fColorSet; }
    TOrvComboColorSet* ColorSetPtr() const { return fColorSet.get(); }
    /// The colours in use: the UI control's set whenever one with a set is attached.
    TOrvComboPaintColors PaintColors() const;
    TOrvUICtrl* UICtrl() const { return fUICtrl; }
    void SetUICtrl(TOrvUICtrl* value);
    TOrvUIUsageTypes UIUsage() const { return fUIUsage; }
    void SetUIUsage(TOrvUIUsageTypes value);

    bool StoreValue() const { return fStoreValue; }
    void SetStoreValue(bool value) { fStoreValue = value; }
    /// Whether the value belongs in a stored layout.
    bool ValueStored() const { return fStoreValue; }
    bool ReadOnly() const { return fReadOnly; }
    virtual void SetReadOnly(bool value);
    bool DropDownAutoWidth() const { return fDropDownAutoWidth; }
    void SetDropDownAutoWidth(bool value) { fDropDownAutoWidth = value; }
    int DropDownWidth() const { return fDropDownWidth; }
    void SetDropDownWidth(int value) { fDropDownWidth = std::max(value, 0); }
    bool ItemIndexChange() const { return fItemIndexChange; }
    void SetItemIndexChange(bool value) { fItemIndexChange = value; }
    TEditCharCase CharCase() const { return fCharCase; }
    void SetCharCase(TEditCharCase value);
    /// csDropDown and csSimple can be typed into; the others only pick from the list.
    TOrvComboStyle Style() const { return fStyle; }
    void SetStyle(TOrvComboStyle value);

    /// The selected item, -1 for none.
    int ItemIndex() const { return currentIndex(); }
    /// An index outside the items selects none. Runs Change with ItemIndexChange on.
    virtual void SetItemIndex(int value);
    QStringList Items() const;
    /// Replaces the items (sorted with Sorted on).
    void SetItems(const QStringList& value);
    /// Keeps the items in alphabetical order: sorts them now and whenever they are set.
    bool Sorted() const { return fSorted; }
    void SetSorted(bool value);
    /// The number of items the open list shows before it scrolls.
    int DropDownCount() const { return maxVisibleItems(); }
    void SetDropDownCount(int value) { setMaxVisibleItems(std::max(value, 1)); }
    /// Item height in pixels; never less than the font needs.
    int ItemHeight() const { return fItemHeight; }
    void SetItemHeight(int value);
    /// The typing limit, 0 for none.
    int MaxLength() const { return fMaxLength; }
    void SetMaxLength(int value);
    /// Typing completes the text from the items.
    bool AutoComplete() const { return fAutoComplete; }
    void SetAutoComplete(bool value);
    /// Typing opens the list.
    bool AutoDropDown() const { return fAutoDropDown; }
    void SetAutoDropDown(bool value) { fAutoDropDown = value; }
    /// A pick from the keyboard while the list is open closes it; Qt's list always does,
    /// so the switch is kept for stored layouts only.
    bool AutoCloseUp() const { return fAutoCloseUp; }
    void SetAutoCloseUp(bool value) { fAutoCloseUp = value; }
    QString TextHint() const { return placeholderText(); }
    void SetTextHint(const QString& value) { setPlaceholderText(value); }

    /// The widest item's text in the control's font, plus 8.
    int MaxItemWidth() const;
    /// The width of the style's vertical scroll bar.
    int ScrollBarWidth() const;
    /// More items than the open list shows at once.
    bool ScrollBarNeeded() const { return count() > maxVisibleItems(); }

    // The text trimmed, then lower-cased, unchanged, upper-cased or proper-cased.
    QString LowerText() const;
    QString TrimmedText() const;
    QString UpperText() const;
    QString ProperText() const;

    bool Focused() const { return fFocused; }
    bool MouseOver() const { return fMouseOver; }
    bool InUpdate() const { return fInUpdate; }
    /// Whether the items have been filled (InitItems has run).
    bool LoadedOnce() const { return fLoadedOnce; }

    // IOrvUIClient
    TOrvUIClientKind UIClientKind() const override { return eukComboBox; }
    void UpdateColorSet() override { UpdateColors(true); }
    void Redraw() override;
    void Display() override { Invalidate(); }

    bool DecideSpecial();
    void BeginUpdate() { fInUpdate = true; }
    void EndUpdate();

    /// Sets the item colours of `option` for item `index`, before the item is drawn.
    virtual void DrawItem(QStyleOptionViewItem& option, int index) const;
    /// The change handling: a read-only control puts its selection back, the value is
    /// taken from the selection, then OnChange and changed().
    virtual void Change();

    void showPopup() override;
    void hidePopup() override;

    TNotifyEvent OnChange;
    /// A user's pick, after OnChange.
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    /// A user's pick from the list or by the keyboard, before OnChange.
    TNotifyEvent OnSelect;
    TNotifyEvent OnColorSetChange;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;
    TOrvSpecialColorEvent OnSpecialColor;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

signals:
    /// Right after OnChange.
    void changed();
    void clicked();
    /// The selected item changed, whoever changed it.
    void itemIndexChanged(int index);
    /// Right after OnDropDown.
    void popupOpened();
    /// Right after OnCloseUp; `accepted` when the user picked an item from the list.
    void popupClosed(bool accepted);

protected:
    virtual void ColorSetChanged();
    virtual void FlatChanged() { Redraw(); }
    virtual void ParentColorRequested();
    virtual bool IsValidChar(QChar key) { return key.unicode() >= 32; }
    virtual void ProcessKey(QChar& key);
    /// Fills the items; nothing here.
    virtual void FillItems() {}
    /// Fills the items once: after loading, or else the first showing, getting a parent
    /// or the first event round after creation with a parent, whichever comes first.
    virtual void InitItems();
    /// Takes the value from the selection after a change; nothing here.
    virtual void SelectionTaken() {}

    /// Resolves the colours for the current state and applies them.
    void UpdateColors(bool invalidate);
    TOrvNavigation EffectiveNavigation() const { return orv::EffectiveNavigation(fUICtrl, fUIUsage); }
    TOrvBlankSettings EffectiveBlanks(TOrvBlankType dataType, const TOrvBlankSettings& own) const
    {
        return orv::EffectiveBlanks(fUICtrl, fUIUsage, dataType, own);
    }
    /// Selects an item from code: the read-only mode's remembered selection follows it.
    void SelectIndex(int index);
    /// Shows a text in the edit part, keeping the selection (nothing for list styles).
    void ShowText(const QString& text);
    /// Replaces the items, keeping the remembered selection in step.
    void ReplaceItems(const QStringList& items);
    /// The selection a read-only control returns to.
    int RememberedIndex() const { return fRemembered; }
    /// The value may have changed: the value signal fires if it did (not while loading,
    /// nor while the signal is held).
    void ValueMayHaveChanged();
    /// Holds the value signal for the length of a scope, while the value passes through a
    /// state it does not stay in.
    [[nodiscard]] TOrvScopedValue<bool> HoldValueSignal() { return TOrvScopedValue<bool>(fHoldValueSignal, true); }
    /// Reports a failure raised while Qt called in; an error box here.
    virtual void ReportError(const std::exception& error);
    /// Runs code that Qt called in (a slot, an event, a property write); a failure is
    /// reported, never passed on to Qt.
    template <class F>
    void Guarded(F&& f)
    {
        try {
            f();
        } catch (const std::exception& e) {
            ReportError(e);
        }
    }
    /// Whether a user's pick or key is being handled.
    bool UserSelecting() const { return fUserInput > 0 || fPopupShown; }

    void Loaded() override;
    void KeyPress(QChar& key) override;
    void DoEnter() override;
    void DoExit() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void EnabledChanged() override { UpdateColors(true); }
    void FontChanged() override;
    void DoPaste() override;
    void DoCut() override;
    void BorderPainted(QPainter& canvas) override;
    void connectNotify(const QMetaMethod& signal) override;
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    friend class TOrvComboItemDelegate;

    void Activated();
    void TextEdited(const QString& text);
    void IndexChanged(int index);
    void FinishPopup();
    void InitItemsOnce();
    void ApplyLineEditSettings();
    int EffectiveItemHeight() const;
    void ApplyColors(TColor color, TColor fontColor, TFontStyles fontStyle);

    std::unique_ptr<TOrvComboColorSet> fColorSet;
    QPointer<TOrvUICtrl> fUICtrl;
    QPointer<QLineEdit> fConnectedEdit;
    TOrvUIUsageTypes fUIUsage = TOrvUIUsageTypes::All();
    TOrvValueNotifier fValueNotifier;
    TOrvComboStyle fStyle = csDropDown;
    TEditCharCase fCharCase = ecNormal;
    int fRemembered = -1;
    int fDropDownWidth = 0;
    int fItemHeight = 15;
    int fMaxLength = 0;
    int fUserInput = 0;
    bool fStoreValue = true;
    bool fReadOnly = false;
    bool fDropDownAutoWidth = false;
    bool fItemIndexChange = false;
    bool fAutoComplete = true;
    bool fAutoDropDown = false;
    bool fAutoCloseUp = false;
    bool fSorted = false;
    bool fMouseOver = false;
    bool fInUpdate = false;
    bool fLoadedOnce = false;
    bool fFocused = false;
    bool fPopupShown = false;
    bool fPopupClosing = false;
    bool fPickedFromPopup = false;
    bool fRestoring = false;
    bool fHoldValueSignal = false;
};

/// The plain combo box: items and a text.
class TOrvComboBox : public TOrvCustomComboBox {
    Q_OBJECT
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted)
public:
    explicit TOrvComboBox(QWidget* parent = nullptr);

    /// The shown text.
    QString Text() const { return currentText(); }
    /// A text other than the shown one selects the first item equal to it, letter case
    /// ignored (or none), and is then shown.
    void SetText(const QString& value);
};

} // namespace orv
