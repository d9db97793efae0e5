#include <orvkit/framework/OrvkitUICtrl.h>

#include <orvkit/framework/OrvkitApplication.h>

#include <algorithm>
#include <array>
#include <optional>
#include <type_traits>
#include <vector>

namespace orv {

bool GlobalEnterAsTab = true;
bool GlobalESCAsUndo = true;
bool GlobalArrowsAsTab = true;
bool GlobalNoTabStopOnReadOnly = true;

namespace {

using TSet = TOrvCompleteColorSet;

// Stored integers back to property values; a value no property can hold is skipped,
// so a damaged file leaves the current setting.
template <class T>
std::optional<T> FromStored(int value)
{
    if constexpr (std::is_same_v<T, TFontStyles>)
        return IntToFontStyle(value);
    else if constexpr (std::is_same_v<T, TOrvLabelStyle>)
        return value >= elsNormal && value <= elsSunken ? std::optional<T>(T(value)) : std::nullopt;
    else if constexpr (std::is_same_v<T, TOrvGroupFrameStyle>)
        return value >= egfsNone && value <= egfsRound ? std::optional<T>(T(value)) : std::nullopt;
    else
        return T(value);
}

template <class T>
int ToStored(T value)
{
    if constexpr (std::is_same_v<T, TFontStyles>)
        return FontStyleToInt(value);
    else
        return int(value);
}

/// One stored property of the colour set.
struct TSetKey {
    const char* key;
    bool isBool;
    std::function<int(const TSet&)> get;
    std::function<void(TSet&, int)> set;
};

/// A property of the set, or of one of its parts: the getter and setter are called on
/// the part the complete set holds.
template <class T, class Owner = TSet>
TSetKey Key(const char* key, T (std::type_identity_t<Owner>::*get)() const,
            void (std::type_identity_t<Owner>::*set)(T))
{
    return {key, std::is_same_v<T, bool>,
            [get](const TSet& s) { return ToStored((static_cast<const Owner&>(s).*get)()); },
            [set](TSet& s, int stored) {
                if (const std::optional<T> value = FromStored<T>(stored))
                    (static_cast<Owner&>(s).*set)(*value);
            }};
}

template <class T, class Part>
TSetKey PartKey(const char* key, T (Part::*get)() const, void (Part::*set)(T))
{
    return Key<T, Part>(key, get, set);
}

// The order is the order the keys are written in.
const std::vector<TSetKey>& ColorSetKeys()
{
    static const std::vector<TSetKey> keys = {
        Key<bool>("Flat", &TSet::Flat, &TSet::SetFlat),
        Key<bool>("ShowFocus", &TSet::ShowFocus, &TSet::SetShowFocus),
        Key<bool>("HotTracking", &TSet::HotTracking, &TSet::SetHotTracking),
        Key<int>("Border Size", &TSet::BorderSize, &TSet::SetBorderSize),
        Key<TColor>("Border Color", &TSet::BorderColor, &TSet::SetBorderColor),
        Key<TColor>("Border Focus Color", &TSet::BorderFocusColor, &TSet::SetBorderFocusColor),
        Key<TColor>("Border Hot Color", &TSet::BorderHotColor, &TSet::SetBorderHotColor),
        Key<TColor>("Border Disabled Color", &TSet::BorderDisabledColor, &TSet::SetBorderDisabledColor),
        Key<bool>("FlatBtns", &TSet::FlatBtns, &TSet::SetFlatBtns),
        Key<bool>("LineEdit", &TSet::LineEdit, &TSet::SetLineEdit),
        Key<bool>("NumDiff", &TSet::NumDiff, &TSet::SetNumDiff),
        Key<TColor>("Disabled Color", &TSet::DisabledColor, &TSet::SetDisabledColor),
        Key<TColor>("RW Color", &TSet::RWColor, &TSet::SetRWColor),
        Key<TColor>("RO Color", &TSet::ROColor, &TSet::SetROColor),
        Key<TColor>("Focus Color", &TSet::FocusColor, &TSet::SetFocusColor),
        Key<TColor>("Hot Color", &TSet::HotColor, &TSet::SetHotColor),
        Key<TColor>("RW Font Color", &TSet::RWFontColor, &TSet::SetRWFontColor),
        Key<TColor>("RO Font Color", &TSet::ROFontColor, &TSet::SetROFontColor),
        Key<TColor>("Focus Font Color", &TSet::FocusFontColor, &TSet::SetFocusFontColor),
        Key<TColor>("Hot Font Color", &TSet::HotFontColor, &TSet::SetHotFontColor),
        Key<TFontStyles>("RW Font Style", &TSet::RWFontStyle, &TSet::SetRWFontStyle),
        Key<TFontStyles>("RO Font Style", &TSet::ROFontStyle, &TSet::SetROFontStyle),
        Key<TFontStyles>("Focus Font Style", &TSet::FocusFontStyle, &TSet::SetFocusFontStyle),
        Key<TFontStyles>("Hot Font Style", &TSet::HotFontStyle, &TSet::SetHotFontStyle),
        PartKey<TColor>("List Color", &TOrvComboColors::ListColor, &TOrvComboColors::SetListColor),
        PartKey<TColor>("List Font Color", &TOrvComboColors::ListFontColor, &TOrvComboColors::SetListFontColor),
        PartKey<TColor>("List Highlight Color", &TOrvComboColors::ListHighlightColor,
                        &TOrvComboColors::SetListHighlightColor),
        PartKey<TColor>("List Highlight Font Color", &TOrvComboColors::ListHighlightFontColor,
                        &TOrvComboColors::SetListHighlightFontColor),
        Key<TColor>("Special RW Color", &TSet::RWSpecialColor, &TSet::SetRWSpecialColor),
        Key<TColor>("Special RO Color", &TSet::ROSpecialColor, &TSet::SetROSpecialColor),
        Key<TColor>("Special Focus Color", &TSet::FocusSpecialColor, &TSet::SetFocusSpecialColor),
        Key<TColor>("Special Hot Color", &TSet::HotSpecialColor, &TSet::SetHotSpecialColor),
        Key<TColor>("Special RW Font Color", &TSet::RWSpecialFontColor, &TSet::SetRWSpecialFontColor),
        Key<TColor>("Special RO Font Color", &TSet::ROSpecialFontColor, &TSet::SetROSpecialFontColor),
        Key<TColor>("Special Focus Font Color", &TSet::FocusSpecialFontColor, &TSet::SetFocusSpecialFontColor),
        Key<TColor>("Special Hot Font Color", &TSet::HotSpecialFontColor, &TSet::SetHotSpecialFontColor),
        Key<TFontStyles>("Special RW Font Style", &TSet::RWSpecialFontStyle, &TSet::SetRWSpecialFontStyle),
        Key<TFontStyles>("Special RO Font Style", &TSet::ROSpecialFontStyle, &TSet::SetROSpecialFontStyle),
        Key<TFontStyles>("Special Focus Font Style", &TSet::FocusSpecialFontStyle,
                         &TSet::SetFocusSpecialFontStyle),
        Key<TFontStyles>("Special Hot Font Style", &TSet::HotSpecialFontStyle, &TSet::SetHotSpecialFontStyle),
        PartKey<bool>("XP Theme for Combos", &TOrvComboColors::XPThemesCombos, &TOrvComboColors::SetXPThemesCombos),
        Key<TColor>("Number Positive Font Color", &TSet::NumPosFontColor, &TSet::SetNumPosFontColor),
        Key<TColor>("Number Negative Font Color", &TSet::NumNegFontColor, &TSet::SetNumNegFontColor),
        Key<TFontStyles>("Number Positive Font Style", &TSet::NumPosFontStyle, &TSet::SetNumPosFontStyle),
        Key<TFontStyles>("Number Negative Font Style", &TSet::NumNegFontStyle, &TSet::SetNumNegFontStyle),
        PartKey<int>("Box Frame Size", &TOrvItemColors::BoxFrameSize, &TOrvItemColors::SetBoxFrameSize),
        PartKey<TColor>("Box Frame Color", &TOrvItemColors::BoxFrameColor, &TOrvItemColors::SetBoxFrameColor),
        PartKey<TColor>("Box Frame Focus Color", &TOrvItemColors::BoxFrameFocusColor,
                        &TOrvItemColors::SetBoxFrameFocusColor),
        PartKey<TColor>("Box Frame Hot Color", &TOrvItemColors::BoxFrameHotColor,
                        &TOrvItemColors::SetBoxFrameHotColor),
        PartKey<TColor>("Box Frame Disabled Color", &TOrvItemColors::BoxFrameDisabledColor,
                        &TOrvItemColors::SetBoxFrameDisabledColor),
        PartKey<TColor>("Box Null Color", &TOrvItemColors::BoxNullColor, &TOrvItemColors::SetBoxNullColor),
        PartKey<TColor>("Item RW Color", &TOrvItemColors::ItemRWColor, &TOrvItemColors::SetItemRWColor),
        PartKey<TColor>("Item RO Color", &TOrvItemColors::ItemROColor, &TOrvItemColors::SetItemROColor),
        PartKey<TColor>("Item Focus Color", &TOrvItemColors::ItemFocusColor, &TOrvItemColors::SetItemFocusColor),
        PartKey<TColor>("Item Hot Color", &TOrvItemColors::ItemHotColor, &TOrvItemColors::SetItemHotColor),
        PartKey<TColor>("Item Disabled Color", &TOrvItemColors::ItemDisabledColor,
                        &TOrvItemColors::SetItemDisabledColor),
        PartKey<TColor>("Mark RW Color", &TOrvItemColors::MarkRWColor, &TOrvItemColors::SetMarkRWColor),
        PartKey<TColor>("Mark RO Color", &TOrvItemColors::MarkROColor, &TOrvItemColors::SetMarkROColor),
        PartKey<TColor>("Mark Focus Color", &TOrvItemColors::MarkFocusColor, &TOrvItemColors::SetMarkFocusColor),
        PartKey<TColor>("Mark Hot Color", &TOrvItemColors::MarkHotColor, &TOrvItemColors::SetMarkHotColor),
        PartKey<TColor>("Mark Disabled Color", &TOrvItemColors::MarkDisabledColor,
                        &TOrvItemColors::SetMarkDisabledColor),
        PartKey<TFontStyles>("Item RW Font Style", &TOrvItemColors::ItemRWFontStyle,
                             &TOrvItemColors::SetItemRWFontStyle),
        PartKey<TFontStyles>("Item RO Font Style", &TOrvItemColors::ItemROFontStyle,
                             &TOrvItemColors::SetItemROFontStyle),
        PartKey<TFontStyles>("Item Focus Font Style", &TOrvItemColors::ItemFocusFontStyle,
                             &TOrvItemColors::SetItemFocusFontStyle),
        PartKey<TFontStyles>("Item Hot Font Style", &TOrvItemColors::ItemHotFontStyle,
                             &TOrvItemColors::SetItemHotFontStyle),
        PartKey<TOrvLabelStyle>("Item Style", &TOrvItemColors::ItemStyle, &TOrvItemColors::SetItemStyle),
        PartKey<TColor>("Heading Color", &TOrvGroupColors::HeadingColor, &TOrvGroupColors::SetHeadingColor),
        PartKey<TColor>("Heading Focus Color", &TOrvGroupColors::HeadingFocusColor,
                        &TOrvGroupColors::SetHeadingFocusColor),
        PartKey<TColor>("Heading Hot Color", &TOrvGroupColors::HeadingHotColor, &TOrvGroupColors::SetHeadingHotColor),
        PartKey<TColor>("Heading Disabled Color", &TOrvGroupColors::HeadingDisabledColor,
                        &TOrvGroupColors::SetHeadingDisabledColor),
        PartKey<TColor>("Heading Background Color", &TOrvGroupColors::HeadingBkColor,
                        &TOrvGroupColors::SetHeadingBkColor),
        PartKey<TColor>("Heading Focus Background Color", &TOrvGroupColors::HeadingFocusBkColor,
                        &TOrvGroupColors::SetHeadingFocusBkColor),
        PartKey<TColor>("Heading Hot Background Color", &TOrvGroupColors::HeadingHotBkColor,
                        &TOrvGroupColors::SetHeadingHotBkColor),
        PartKey<TColor>("Heading Disabled Background Color", &TOrvGroupColors::HeadingDisabledBkColor,
                        &TOrvGroupColors::SetHeadingDisabledBkColor),
        PartKey<TFontStyles>("Heading Font Style", &TOrvGroupColors::HeadingFontStyle,
                             &TOrvGroupColors::SetHeadingFontStyle),
        PartKey<TFontStyles>("Heading Focus Font Style", &TOrvGroupColors::HeadingFocusFontStyle,
                             &TOrvGroupColors::SetHeadingFocusFontStyle),
        PartKey<TFontStyles>("Heading Hot Font Style", &TOrvGroupColors::HeadingHotFontStyle,
                             &TOrvGroupColors::SetHeadingHotFontStyle),
        PartKey<TOrvLabelStyle>("Heading Style", &TOrvGroupColors::HeadingStyle, &TOrvGroupColors::SetHeadingStyle),
        PartKey<TOrvGroupFrameStyle>("Frame Style", &TOrvGroupColors::GroupFrameStyle,
                                     &TOrvGroupColors::SetGroupFrameStyle),
        PartKey<int>("Frame Width", &TOrvGroupColors::GroupFrameWidth, &TOrvGroupColors::SetGroupFrameWidth),
    };
    return keys;
}

/// One stored switch of the UI control.
struct TSwitchKey {
    const char* key;
    bool (TOrvUICtrl::*get)() const;
    void (TOrvUICtrl::*set)(bool);
};

constexpr std::array<TSwitchKey, 11> kBlankNullKeys = {{
    {"AllowKbdNull", &TOrvUICtrl::AllowKbdNull, &TOrvUICtrl::SetAllowKbdNull},
    {"CurrUseTypesInBlanks", &TOrvUICtrl::UseTypesInBlanks, &TOrvUICtrl::SetUseTypesInBlanks},
    {"BlankWhenNull", &TOrvUICtrl::BlankWhenNull, &TOrvUICtrl::SetBlankWhenNull},
    {"BlankWhenZero", &TOrvUICtrl::BlankWhenZero, &TOrvUICtrl::SetBlankWhenZero},
    {"BlankIsNull", &TOrvUICtrl::BlankIsNull, &TOrvUICtrl::SetBlankIsNull},
    {"DateBlankWhenNull", &TOrvUICtrl::DateBlankWhenNull, &TOrvUICtrl::SetDateBlankWhenNull},
    {"DateBlankWhenZero", &TOrvUICtrl::DateBlankWhenZero, &TOrvUICtrl::SetDateBlankWhenZero},
    {"DateBlankIsNull", &TOrvUICtrl::DateBlankIsNull, &TOrvUICtrl::SetDateBlankIsNull},
    {"CurrBlankWhenNull", &TOrvUICtrl::CurrBlankWhenNull, &TOrvUICtrl::SetCurrBlankWhenNull},
    {"CurrBlankWhenZero", &TOrvUICtrl::CurrBlankWhenZero, &TOrvUICtrl::SetCurrBlankWhenZero},
    {"CurrBlankIsNull", &TOrvUICtrl::CurrBlankIsNull, &TOrvUICtrl::SetCurrBlankIsNull},
}};

constexpr std::array<TSwitchKey, 4> kNavigationKeys = {{
    {"Enter As Tab", &TOrvUICtrl::EnterAsTab, &TOrvUICtrl::SetEnterAsTab},
    {"ESC As Undo", &TOrvUICtrl::ESCAsUndo, &TOrvUICtrl::SetESCAsUndo},
    {"Arrows As Tab", &TOrvUICtrl::ArrowsAsTab, &TOrvUICtrl::SetArrowsAsTab},
    {"No Tab on RO", &TOrvUICtrl::NoTabStopOnReadOnly, &TOrvUICtrl::SetNoTabStopOnReadOnly},
}};

const QString kNullStrKey = QStringLiteral("NullStr");
const QString kNegAsBracketsKey = QStringLiteral("NegAsBrackets");

template <size_t N>
void LoadSwitches(TOrvUICtrl& ui, TOrvStoreCtrl& store, const std::array<TSwitchKey, N>& keys)
{
    for (const TSwitchKey& k : keys)
        (ui.*k.set)(store.ReadBoolean(QLatin1StringView(k.key), (ui.*k.get)()));
}

template <size_t N>
void SaveSwitches(const TOrvUICtrl& ui, TOrvStoreCtrl& store, const std::array<TSwitchKey, N>& keys)
{
    for (const TSwitchKey& k : keys)
        store.WriteBoolean(QLatin1StringView(k.key), (ui.*k.get)());
}

/// Points both sections of a storage control at one section and opens it; puts the
/// sections back and closes the storage on every path out.
class TSectionScope {
public:
    TSectionScope(TOrvStoreCtrl& store, const QString& section)
        : fStore(store), fIniSection(store.IniSection()), fRegSection(store.RegSection())
    {
        fStore.SetIniSection(section);
        fStore.SetRegSection(section);
        fStore.OpenStorage();
    }
    ~TSectionScope()
    {
        fStore.CloseStorage();
        fStore.SetIniSection(fIniSection);
        fStore.SetRegSection(fRegSection);
    }
    TSectionScope(const TSectionScope&) = delete;
    TSectionScope& operator=(const TSectionScope&) = delete;

private:
    TOrvStoreCtrl& fStore;
    QString fIniSection;
    QString fRegSection;
};

} // namespace

TOrvUICtrl::TOrvUICtrl(QObject* owner) : TOrvComponent(owner), fColorSet(std::make_unique<TOrvCompleteColorSet>())
{
    fColorSet->OnChange = [this](TOrvColorSet*) { ColorSetChanged(); };
    fColorSet->OnFlatChange = [this](TOrvColorSet*) { FlatChanged(); };
}

TOrvUICtrl::~TOrvUICtrl()
{
    fColorSet->OnChange = nullptr;
    fColorSet->OnFlatChange = nullptr;
    fColorSet.reset();
    if (fStoreCtrl)
        fStoreCtrl->RemoveFromNotifyList(this);
    // The controls see no set any more and fall back to their own; they drop their
    // reference through the free-notification that follows.
    if (!TOrvApplication::Terminated())
        NotifyColorSet();
}

void TOrvUICtrl::SetStoreCtrl(TOrvStoreCtrl* value)
{
    Reattach(*this, fStoreCtrl, value);
}

void TOrvUICtrl::SetNullStr(const QString& value)
{
    if (value == fNullStr)
        return;
    fNullStr = value;
    NotifyDisplay();
}

void TOrvUICtrl::SetDisplaySwitch(bool& field, bool value)
{
    if (field == value)
        return;
    field = value;
    NotifyDisplay();
}

TOrvBlankSettings TOrvUICtrl::Blanks(TOrvBlankType dataType) const
{
    TOrvBlankSettings s;
    s.NullStr = fNullStr;
    s.AllowKbdNull = fAllowKbdNull;
    const TOrvBlankType type = fUseTypesInBlanks ? dataType : btAll;
    switch (type) {
    case btDate:
        s.BlankWhenNull = fDateBlankWhenNull;
        s.BlankWhenZero = fDateBlankWhenZero;
        s.BlankIsNull = fDateBlankIsNull;
        break;
    case btCurrency:
        s.BlankWhenNull = fCurrBlankWhenNull;
        s.BlankWhenZero = fCurrBlankWhenZero;
        s.BlankIsNull = fCurrBlankIsNull;
        break;
    case btAll:
        s.BlankWhenNull = fBlankWhenNull;
        s.BlankWhenZero = fBlankWhenZero;
        s.BlankIsNull = fBlankIsNull;
        break;
    }
    return s;
}

template <class Visit>
void TOrvUICtrl::ForEachClient(Visit visit)
{
    // A control may attach or leave while it is notified.
    const QList<TClient> clients = fClients;
    for (const TClient& c : clients)
        if (c.object && IsAttached(c.object))
            visit(*c.client);
}

void TOrvUICtrl::NotifyColorSet()
{
    ForEachClient([](IOrvUIClient& c) {
        if (c.UIClientKind() != eukButtonPanel && c.UIClientKind() != eukPanel)
            c.UpdateColorSet();
    });
}

void TOrvUICtrl::NotifyRedraw()
{
    ForEachClient([](IOrvUIClient& c) {
        switch (c.UIClientKind()) {
        case eukPanel:
            break;
        case eukButtonPanel:
        case eukGroupBox:
            c.RefreshBorderStyle();
            break;
        default:
            c.Redraw();
        }
    });
}

void TOrvUICtrl::NotifyDisplay()
{
    ForEachClient([](IOrvUIClient& c) {
        if (c.UIClientKind() != eukButtonPanel && c.UIClientKind() != eukPanel)
            c.Display();
    });
}

void TOrvUICtrl::ColorSetChanged()
{
    if (Loading())
        return;
    if (OnColorSetChange)
        OnColorSetChange(this);
    NotifyColorSet();
}

void TOrvUICtrl::FlatChanged()
{
    if (!Loading())
        NotifyRedraw();
}

void TOrvUICtrl::Loaded()
{
    NotifyColorSet();
}

void TOrvUICtrl::AddToNotifyList(QObject* control)
{
    auto* client = dynamic_cast<IOrvUIClient*>(control);
    if (!client || IsAttached(control))
        return;
    fClients.append({control, client});
}

void TOrvUICtrl::RemoveFromNotifyList(QObject* control)
{
    fClients.removeIf([control](const TClient& c) { return c.object == control || !c.object; });
}

int TOrvUICtrl::NotifyCount() const
{
    return int(std::count_if(fClients.cbegin(), fClients.cend(), [](const TClient& c) { return !c.object.isNull(); }));
}

bool TOrvUICtrl::IsAttached(const QObject* control) const
{
    return control && std::any_of(fClients.cbegin(), fClients.cend(),
                                  [control](const TClient& c) { return c.object == control; });
}

void TOrvUICtrl::Notification(QObject* component, TOperation operation)
{
    if (operation == opRemove && component == fStoreCtrl.data())
        fStoreCtrl = nullptr;
}

void TOrvUICtrl::LoadFromStore()
{
    if (!fStoreCtrl)
        return;
    TSectionScope scope(*fStoreCtrl, fStoreSection);
    if (fStoreOptions.Contains(eutBlank_Null))
        LoadBlankNull(*fStoreCtrl);
    if (fStoreOptions.Contains(eutNavigation))
        LoadNavigation(*fStoreCtrl);
    if (fStoreOptions.Contains(eutColorSet))
        LoadColorSet(*fStoreCtrl);
    if (fStoreOptions.Contains(eutFormat))
        SetNegAsBrackets(fStoreCtrl->ReadBoolean(kNegAsBracketsKey, fNegAsBrackets));
    fColorSet->EndUpdate();
}

void TOrvUICtrl::SaveToStore()
{
    if (!fStoreCtrl)
        return;
    TSectionScope scope(*fStoreCtrl, fStoreSection);
    if (fStoreOptions.Contains(eutBlank_Null))
        SaveBlankNull(*fStoreCtrl);
    if (fStoreOptions.Contains(eutNavigation))
        SaveNavigation(*fStoreCtrl);
    if (fStoreOptions.Contains(eutColorSet))
        SaveColorSet(*fStoreCtrl);
    if (fStoreOptions.Contains(eutFormat))
        fStoreCtrl->WriteBoolean(kNegAsBracketsKey, fNegAsBrackets);
}

void TOrvUICtrl::LoadBlankNull(TOrvStoreCtrl& store)
{
    SetNullStr(store.ReadString(kNullStrKey, fNullStr));
    LoadSwitches(*this, store, kBlankNullKeys);
}

void TOrvUICtrl::SaveBlankNull(TOrvStoreCtrl& store) const
{
    store.WriteString(kNullStrKey, fNullStr);
    SaveSwitches(*this, store, kBlankNullKeys);
}

void TOrvUICtrl::LoadNavigation(TOrvStoreCtrl& store)
{
    LoadSwitches(*this, store, kNavigationKeys);
}

void TOrvUICtrl::SaveNavigation(TOrvStoreCtrl& store) const
{
    SaveSwitches(*this, store, kNavigationKeys);
}

void TOrvUICtrl::LoadColorSet(TOrvStoreCtrl& store)
{
    for (const TSetKey& k : ColorSetKeys()) {
        const QString key = QLatin1StringView(k.key);
        const int current = k.get(*fColorSet);
        k.set(*fColorSet, k.isBool ? int(store.ReadBoolean(key, current != 0)) : store.ReadInteger(key, current));
    }
}

void TOrvUICtrl::SaveColorSet(TOrvStoreCtrl& store) const
{
    for (const TSetKey& k : ColorSetKeys()) {
        const QString key = QLatin1StringView(k.key);
        if (k.isBool)
            store.WriteBoolean(key, k.get(*fColorSet) != 0);
        else
            store.WriteInteger(key, k.get(*fColorSet));
    }
}

bool UsesUIColorSet(const TOrvUICtrl* uiCtrl, TOrvUIUsageTypes usage)
{
    return uiCtrl && uiCtrl->ColorSet() && usage.Contains(eutColorSet);
}

TOrvNavigation EffectiveNavigation(const TOrvUICtrl* uiCtrl, TOrvUIUsageTypes usage)
{
    if (uiCtrl && usage.Contains(eutNavigation))
        return uiCtrl->Navigation();
    return {GlobalEnterAsTab, GlobalESCAsUndo, GlobalArrowsAsTab, GlobalNoTabStopOnReadOnly};
}

TOrvBlankSettings EffectiveBlanks(const TOrvUICtrl* uiCtrl, TOrvUIUsageTypes usage, TOrvBlankType dataType,
                                  const TOrvBlankSettings& own)
{
    if (uiCtrl && usage.Contains(eutBlank_Null))
        return uiCtrl->Blanks(dataType);
    return own;
}

bool EffectiveNegAsBrackets(const TOrvUICtrl* uiCtrl, TOrvUIUsageTypes usage, bool own)
{
    return uiCtrl && usage.Contains(eutFormat) ? uiCtrl->NegAsBrackets() : own;
}

bool DecideSpecialColor(const TOrvUICtrl* uiCtrl, TOrvUIUsageTypes usage, const TOrvBaseStartEditColorSet& own,
                        const TOrvSpecialColorEvent& ownHandler, bool hasPopup, bool autoPopup, QObject* sender)
{
    const bool uiSet = UsesUIColorSet(uiCtrl, usage);
    const TOrvBaseStartEditColorSet& set =
        uiSet ? static_cast<const TOrvBaseStartEditColorSet&>(*uiCtrl->ColorSet()) : own;
    switch (set.SpecialColorType()) {
    case escNone:
        return false;
    case escPopup:
        return hasPopup;
    case escAutoPopup:
        return hasPopup && autoPopup;
    case escEvent: {
        const TOrvSpecialColorEvent& handler = uiSet ? uiCtrl->OnSpecialColor : ownHandler;
        bool special = false;
        if (handler)
            handler(sender, special);
        return special;
    }
    }
    return false;
}

} // namespace orv
