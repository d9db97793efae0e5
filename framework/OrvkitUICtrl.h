#pragma once

#include <orvkit/framework/OrvkitColorSets.h>
#include <orvkit/framework/OrvkitComponent.h>
#include <orvkit/framework/OrvkitStoreCtrl.h>

#include <QList>
#include <QPointer>
#include <QString>
#include <memory>

namespace orv {

// The library-wide navigation defaults of every control not taking them from a UI
// control; all True at start. A spin edit whose arrows spin turns GlobalArrowsAsTab off
// while it has the focus.
extern bool GlobalEnterAsTab;
extern bool GlobalESCAsUndo;
extern bool GlobalArrowsAsTab;
extern bool GlobalNoTabStopOnReadOnly;

inline namespace UICtrlEnums {
Q_NAMESPACE

/// The kinds of control a UI control serves; each kind hears the notifications meant for it.
enum TOrvUIClientKind {
    eukEdit,
    eukMemo,
    eukButtonPanel,
    eukPanel,
    eukComboBox,
    eukCheckBox,
    eukRadioButton,
    eukGroupBox,
    eukListBox
};
Q_ENUM_NS(TOrvUIClientKind)
} // namespace UICtrlEnums

/// What a control that attaches to a UI control offers it. The control is a QObject too.
class IOrvUIClient {
public:
    virtual TOrvUIClientKind UIClientKind() const = 0;
    /// Re-resolves and applies the colours.
    virtual void UpdateColorSet() = 0;
    /// Re-applies the border style.
    virtual void Redraw() = 0;
    /// Re-shows the value.
    virtual void Display() = 0;
    /// The border-style refresh of button panels and group boxes.
    virtual void RefreshBorderStyle() { Redraw(); }

protected:
    ~IOrvUIClient() = default;
};

/// Keyboard navigation switches.
struct TOrvNavigation {
    bool EnterAsTab = true;
    bool ESCAsUndo = true;
    bool ArrowsAsTab = true;
    bool NoTabStopOnReadOnly = true;
};

/// Null and blank switches.
struct TOrvBlankSettings {
    QString NullStr;
    bool BlankWhenNull = false;
    bool BlankWhenZero = false;
    bool BlankIsNull = false;
    bool AllowKbdNull = true;
};

/// A shared style for a group of controls: one complete colour set, the null and blank
/// switches (plain, and typed for dates and currency), keyboard navigation and the
/// bracket form of negative numbers. Controls attach to it and take, per their UIUsage,
/// its settings instead of their own; a change of the set restyles every attached control,
/// a change of a switch that alters what a control shows re-displays them, the other
/// switches are read when needed. The settings can be kept in a storage control.
class TOrvUICtrl : public TOrvComponent, public IOrvStoreClient {
    Q_OBJECT
    Q_PROPERTY(QString StoreSection READ StoreSection WRITE SetStoreSection)
    Q_PROPERTY(bool AllowKbdNull READ AllowKbdNull WRITE SetAllowKbdNull)
    Q_PROPERTY(bool UseTypesInBlanks READ UseTypesInBlanks WRITE SetUseTypesInBlanks)
    Q_PROPERTY(bool BlankWhenNull READ BlankWhenNull WRITE SetBlankWhenNull)
    Q_PROPERTY(bool BlankWhenZero READ BlankWhenZero WRITE SetBlankWhenZero)
    Q_PROPERTY(bool BlankIsNull READ BlankIsNull WRITE SetBlankIsNull)
    Q_PROPERTY(bool DateBlankWhenNull READ DateBlankWhenNull WRITE SetDateBlankWhenNull)
    Q_PROPERTY(bool DateBlankWhenZero READ DateBlankWhenZero WRITE SetDateBlankWhenZero)
    Q_PROPERTY(bool DateBlankIsNull READ DateBlankIsNull WRITE SetDateBlankIsNull)
    Q_PROPERTY(bool CurrBlankWhenNull READ CurrBlankWhenNull WRITE SetCurrBlankWhenNull)
    Q_PROPERTY(bool CurrBlankWhenZero READ CurrBlankWhenZero WRITE SetCurrBlankWhenZero)
    Q_PROPERTY(bool CurrBlankIsNull READ CurrBlankIsNull WRITE SetCurrBlankIsNull)
    Q_PROPERTY(bool NegAsBrackets READ NegAsBrackets WRITE SetNegAsBrackets)
    Q_PROPERTY(QString NullStr READ NullStr WRITE SetNullStr)
    Q_PROPERTY(bool EnterAsTab READ EnterAsTab WRITE SetEnterAsTab)
    Q_PROPERTY(bool ESCAsUndo READ ESCAsUndo WRITE SetESCAsUndo)
    Q_PROPERTY(bool ArrowsAsTab READ ArrowsAsTab WRITE SetArrowsAsTab)
    Q_PROPERTY(bool NoTabStopOnReadOnly READ NoTabStopOnReadOnly WRITE SetNoTabStopOnReadOnly)
public:
    explicit TOrvUICtrl(QObject* owner = nullptr);
    ~TOrvUICtrl() override;

    /// The set; none only while the UI control is being destroyed.
    TOrvCompleteColorSet* ColorSet() const { return fColorSet.get(); }

    TOrvStoreCtrl* StoreCtrl() const { return fStoreCtrl; }
    void SetStoreCtrl(TOrvStoreCtrl* value);
    const QString& StoreSection() const { return fStoreSection; }
    void SetStoreSection(const QString& value) { fStoreSection = value; }
    TOrvUIUsageTypes StoreOptions() const { return fStoreOptions; }
    void SetStoreOptions(TOrvUIUsageTypes value) { fStoreOptions = value; }

    bool AllowKbdNull() const { return fAllowKbdNull; }
    void SetAllowKbdNull(bool value) { fAllowKbdNull = value; }
    bool UseTypesInBlanks() const { return fUseTypesInBlanks; }
    void SetUseTypesInBlanks(bool value) { SetDisplaySwitch(fUseTypesInBlanks, value); }
    bool BlankWhenNull() const { return fBlankWhenNull; }
    void SetBlankWhenNull(bool value) { SetDisplaySwitch(fBlankWhenNull, value); }
    bool BlankWhenZero() const { return fBlankWhenZero; }
    void SetBlankWhenZero(bool value) { SetDisplaySwitch(fBlankWhenZero, value); }
    bool BlankIsNull() const { return fBlankIsNull; }
    void SetBlankIsNull(bool value) { fBlankIsNull = value; }
    bool DateBlankWhenNull() const { return fDateBlankWhenNull; }
    void SetDateBlankWhenNull(bool value) { SetDisplaySwitch(fDateBlankWhenNull, value); }
    bool DateBlankWhenZero() const { return fDateBlankWhenZero; }
    void SetDateBlankWhenZero(bool value) { SetDisplaySwitch(fDateBlankWhenZero, value); }
    bool DateBlankIsNull() const { return fDateBlankIsNull; }
    void SetDateBlankIsNull(bool value) { fDateBlankIsNull = value; }
    bool CurrBlankWhenNull() const { return fCurrBlankWhenNull; }
    void SetCurrBlankWhenNull(bool value) { SetDisplaySwitch(fCurrBlankWhenNull, value); }
    bool CurrBlankWhenZero() const { return fCurrBlankWhenZero; }
    void SetCurrBlankWhenZero(bool value) { SetDisplaySwitch(fCurrBlankWhenZero, value); }
    bool CurrBlankIsNull() const { return fCurrBlankIsNull; }
    void SetCurrBlankIsNull(bool value) { fCurrBlankIsNull = value; }
    bool NegAsBrackets() const { return fNegAsBrackets; }
    void SetNegAsBrackets(bool value) { SetDisplaySwitch(fNegAsBrackets, value); }
    const QString& NullStr() const { return fNullStr; }
    void SetNullStr(const QString& value);

    bool EnterAsTab() const { return fNavigation.EnterAsTab; }
    void SetEnterAsTab(bool value) { fNavigation.EnterAsTab = value; }
    bool ESCAsUndo() const { return fNavigation.ESCAsUndo; }
    void SetESCAsUndo(bool value) { fNavigation.ESCAsUndo = value; }
    bool ArrowsAsTab() const { return fNavigation.ArrowsAsTab; }
    void SetArrowsAsTab(bool value) { fNavigation.ArrowsAsTab = value; }
    bool NoTabStopOnReadOnly() const { return fNavigation.NoTabStopOnReadOnly; }
    void SetNoTabStopOnReadOnly(bool value) { fNavigation.NoTabStopOnReadOnly = value; }

    const TOrvNavigation& Navigation() const { return fNavigation; }
    /// The null and blank switches for a data type: typed ones with UseTypesInBlanks.
    TOrvBlankSettings Blanks(TOrvBlankType dataType) const;

    TNotifyEvent OnColorSetChange;
    TOrvSpecialColorEvent OnSpecialColor;

    virtual void NotifyColorSet();
    virtual void NotifyRedraw();
    virtual void NotifyDisplay();
    virtual void ColorSetChanged();
    virtual void FlatChanged();
    /// Accepts only the suite's controls (IOrvUIClient); a control is listed once.
    virtual void AddToNotifyList(QObject* control);
    virtual void RemoveFromNotifyList(QObject* control);
    void LoadFromStore() override;
    void SaveToStore() override;

    /// The attached controls still alive.
    int NotifyCount() const;
    bool IsAttached(const QObject* control) const;

protected:
    void Loaded() override;
    void Notification(QObject* component, TOperation operation) override;

private:
    struct TClient {
        QPointer<QObject> object;
        IOrvUIClient* client;
    };
    template <class Visit>
    void ForEachClient(Visit visit);
    void SetDisplaySwitch(bool& field, bool value);
    void LoadBlankNull(TOrvStoreCtrl& store);
    void SaveBlankNull(TOrvStoreCtrl& store) const;
    void LoadNavigation(TOrvStoreCtrl& store);
    void SaveNavigation(TOrvStoreCtrl& store) const;
    void LoadColorSet(TOrvStoreCtrl& store);
    void SaveColorSet(TOrvStoreCtrl& store) const;

    std::unique_ptr<TOrvCompleteColorSet> fColorSet;
    QPointer<TOrvStoreCtrl> fStoreCtrl;
    QString fStoreSection = QStringLiteral("Defaults");
    TOrvUIUsageTypes fStoreOptions = TOrvUIUsageTypes::All();
    bool fAllowKbdNull = true;
    bool fUseTypesInBlanks = false;
    bool fBlankWhenNull = false;
    bool fBlankWhenZero = false;
    bool fBlankIsNull = false;
    bool fDateBlankWhenNull = false;
    bool fDateBlankWhenZero = false;
    bool fDateBlankIsNull = false;
    bool fCurrBlankWhenNull = false;
    bool fCurrBlankWhenZero = false;
    bool fCurrBlankIsNull = false;
    bool fNegAsBrackets = false;
    QString fNullStr;
    TOrvNavigation fNavigation;
    QList<TClient> fClients;
};

// Which settings a control uses: the UI control's with the matching usage, else its own
// (navigation: the library-wide defaults).

/// The UI control's set when one with a set is attached and eutColorSet is in use.
bool UsesUIColorSet(const TOrvUICtrl* uiCtrl, TOrvUIUsageTypes usage);
TOrvNavigation EffectiveNavigation(const TOrvUICtrl* uiCtrl, TOrvUIUsageTypes usage);
/// Null string and blank switches; AllowKbdNull has no typed variant.
TOrvBlankSettings EffectiveBlanks(const TOrvUICtrl* uiCtrl, TOrvUIUsageTypes usage, TOrvBlankType dataType,
                                  const TOrvBlankSettings& own);
bool EffectiveNegAsBrackets(const TOrvUICtrl* uiCtrl, TOrvUIUsageTypes usage, bool own);

/// The special-colour decision of a control: by the SpecialColorType of the set in use,
/// the control's popup menu, or the handler (the UI control's while its set is in use).
bool DecideSpecialColor(const TOrvUICtrl* uiCtrl, TOrvUIUsageTypes usage, const TOrvBaseStartEditColorSet& own,
                        const TOrvSpecialColorEvent& ownHandler, bool hasPopup, bool autoPopup, QObject* sender);

} // namespace orv
