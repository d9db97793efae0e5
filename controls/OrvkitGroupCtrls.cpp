#include <orvkit/controls/OrvkitGroupCtrls.h>

#include <QApplication>
#include <QFontMetrics>

#include <algorithm>
#include <utility>

namespace orv {

namespace {

/// Counts a nesting level for the length of a scope.
class TNesting {
public:
    explicit TNesting(int& level) : fLevel(level) { ++fLevel; }
    ~TNesting() { --fLevel; }
    TNesting(const TNesting&) = delete;
    TNesting& operator=(const TNesting&) = delete;

private:
    int& fLevel;
};

} // namespace

// ---- TOrvCustomItemGroup

TOrvCustomItemGroup::TOrvCustomItemGroup(QWidget* parent, int maxItems) : TOrvGroupBox(parent), fMaxItems(maxItems)
{
}

TOrvCustomSelectBtn* TOrvCustomItemGroup::ItemControl(int index) const
{
    if (index < 0 || index >= ItemCount())
        return nullptr;
    return fControls[size_t(index)];
}

int TOrvCustomItemGroup::IndexOf(const QObject* item) const
{
    const auto it = std::find(fControls.begin(), fControls.end(), item);
    return it == fControls.end() ? -1 : int(it - fControls.begin());
}

void TOrvCustomItemGroup::WithoutClicks(const std::function<void()>& change)
{
    const TNesting ignore(fIgnoreClicks);
    change();
}

void TOrvCustomItemGroup::SetItems(const QStringList& value)
{
    if (value == fItems)
        return;
    fItems = value;
    if (!Loading())
        RebuildItems();
}

void TOrvCustomItemGroup::SetColumns(int value)
{
    value = std::clamp(value, 1, 16);
    if (value == fColumns)
        return;
    fColumns = value;
    LayoutItems();
}

void TOrvCustomItemGroup::SetItemGap(int value)
{
    if (value == fItemGap)
        return;
    fItemGap = value;
    ForEachItem([value](TOrvCustomSelectBtn& item) { item.SetCaptionGap(value); });
}

void TOrvCustomItemGroup::SetItemMargin(int value)
{
    value = ClampCoordinate(value);
    if (value == fItemMargin)
        return;
    fItemMargin = value;
    LayoutItems();
}

void TOrvCustomItemGroup::SetTopMargin(int value)
{
    value = ClampCoordinate(value);
    if (value == fTopMargin)
        return;
    fTopMargin = value;
    LayoutItems();
}

void TOrvCustomItemGroup::SetFocusPenStyle(Qt::PenStyle value)
{
    if (value == fFocusPenStyle)
        return;
    fFocusPenStyle = value;
    ForEachItem([value](TOrvCustomSelectBtn& item) { item.SetFocusPenStyle(value); });
}

void TOrvCustomItemGroup::FireStateChange()
{
    if (OnStateChange)
        OnStateChange(this);
    emit changed();
}

void TOrvCustomItemGroup::FireClick()
{
    if (OnClick)
        OnClick(this);
    emit clicked();
}

void TOrvCustomItemGroup::RebuildItems()
{
    const TNesting rebuilding(fIgnoreClicks);
    const size_t count = size_t(std::min<qsizetype>(fItems.size(), fMaxItems));
    while (fControls.size() > count) {
        delete fControls.back();
        fControls.pop_back();
    }
    while (fControls.size() < count) {
        TOrvCustomSelectBtn* item = CreateItem();
        fControls.push_back(item);
        SetUpItem(*item, int(fControls.size() - 1));
    }
    // Tab and Shift+Tab from an item continue from the group's place in the tab order. Qt
    // orders only widgets that Tab may reach, so the items' own policies wait meanwhile.
    std::vector<QWidget*> chain{this};
    chain.insert(chain.end(), fControls.begin(), fControls.end());
    std::vector<Qt::FocusPolicy> policies;
    for (QWidget* w : chain) {
        policies.push_back(w->focusPolicy());
        w->setFocusPolicy(Qt::TabFocus);
    }
    for (size_t i = 0; i < count; ++i) {
        fControls[i]->SetCaption(fItems[qsizetype(i)]);
        setTabOrder(chain[i], chain[i + 1]);
    }
    for (size_t i = 0; i < chain.size(); ++i)
        chain[i]->setFocusPolicy(policies[i]);
    ItemsRebuilt();
    LayoutItems();
    Invalidate();
}

void TOrvCustomItemGroup::SetUpItem(TOrvCustomSelectBtn& item, int index)
{
    item.hide();
    item.SetUICtrl(UICtrl());
    item.ColorSet().Assign(ColorSet());
    item.SetTransparent(true);
    if (isEnabled() && OnItemEnabled)
        item.setEnabled(AskItemEnabled(index, item.isEnabled()));
    item.SetReadOnly(ReadOnly());
    item.SetFocusPenStyle(fFocusPenStyle);
    item.SetCaptionGap(fItemGap);
    item.SetTabStop(false);
    item.OnClick = [this](QObject* sender) {
        if (IgnoringClicks())
            return;
        if (const int i = IndexOf(sender); i >= 0)
            ItemClicked(*fControls[size_t(i)]);
    };
    item.OnSpecialColor = [this](QObject* sender, bool& special) {
        if (OnSpecialColor)
            OnSpecialColor(sender, special);
    };
    if (!item.UICtrl() && OnItemColor)
        AskItemColors(item, index);
}

bool TOrvCustomItemGroup::AskItemEnabled(int index, bool enabled)
{
    OnItemEnabled(this, uint32_t(index), enabled);
    return enabled;
}

void TOrvCustomItemGroup::AskItemColors(TOrvCustomSelectBtn& item, int index)
{
    TOrvItemColorSet& set = item.ColorSet();
    TColor rw = set.ItemRWColor();
    TColor ro = set.ItemROColor();
    TColor focus = set.ItemFocusColor();
    OnItemColor(this, uint32_t(index), rw, ro, focus);
    set.SetItemRWColor(rw);
    set.SetItemROColor(ro);
    set.SetItemFocusColor(focus);
}

void TOrvCustomItemGroup::RedrawItems()
{
    if (isEnabled() && OnItemEnabled) {
        for (size_t i = 0; i < fControls.size(); ++i)
            fControls[i]->setEnabled(AskItemEnabled(int(i), true));
    }
    if (!UICtrl()) {
        const TOrvGroupColorSet& own = ColorSet();
        for (size_t i = 0; i < fControls.size(); ++i) {
            TOrvItemColorSet& set = fControls[i]->ColorSet();
            set.SetItemRWColor(own.ItemRWColor());
            set.SetItemROColor(own.ItemROColor());
            set.SetItemFocusColor(own.ItemFocusColor());
            if (OnItemColor)
                AskItemColors(*fControls[i], int(i));
        }
    }
    Invalidate();
}

void TOrvCustomItemGroup::LayoutItems()
{
    if (Loading() || fControls.empty())
        return;
    TOrvItemLayout layout;
    layout.Count = int(fControls.size());
    layout.Columns = fColumns;
    layout.Width = width();
    layout.Height = height();
    layout.TextHeight = QFontMetrics(font()).height();
    layout.HasCaption = !Caption().isEmpty();
    layout.ItemMargin = fItemMargin;
    layout.TopMargin = fTopMargin;
    layout.RightToLeft = layoutDirection() == Qt::RightToLeft;
    const std::vector<QRect> rects = LayoutItemRects(layout);
    for (size_t i = 0; i < fControls.size(); ++i) {
        fControls[i]->setGeometry(rects[i]);
        fControls[i]->setLayoutDirection(layoutDirection());
        fControls[i]->show();
    }
}

QWidget* TOrvCustomItemGroup::FocusTarget() const
{
    if (QWidget* current = ItemControl(fItemIndex); current && current->isEnabled())
        return current;
    // The items have no tab stops of their own: the group is their one stop.
    for (TOrvCustomSelectBtn* item : fControls)
        if (item->isEnabled() && item->isVisibleTo(this))
            return item;
    return nullptr;
}

void TOrvCustomItemGroup::GroupKeyDown(uint16_t& key, TShiftState shift)
{
    TOrvGroupBox::KeyDown(key, shift);
    const int step = ArrowStep(key, shift, layoutDirection() == Qt::RightToLeft);
    if (step == 0)
        return;
    const std::vector<QWidget*> ring(fControls.begin(), fControls.end());
    if (QWidget* next = StepInRing(ring, QApplication::focusWidget(), step))
        next->setFocus(Qt::OtherFocusReason);
    key = 0;
}

void TOrvCustomItemGroup::DoEnter()
{
    fEnterIndex = fItemIndex;
    TOrvGroupBox::DoEnter();
}

void TOrvCustomItemGroup::KeyPress(QChar& key)
{
    // Esc is the group's alone: an item's own undo would part its box from the group's value.
    switch (ItemKeyPress(key, true, false, EffectiveAllowKbdNull(fAllowKbdNull))) {
    case eikUndo:
        UndoToEntry();
        Invalidate();
        break;
    case eikMakeNull:
        MakeNull();
        if (OnNull)
            OnNull(this);
        break;
    case eikNone:
    case eikNextControl:
    case eikToggle:
        break;
    }
}

void TOrvCustomItemGroup::Loaded()
{
    TOrvGroupBox::Loaded();
    RebuildItems();
}

void TOrvCustomItemGroup::ColorSetChanged()
{
    TOrvGroupBox::ColorSetChanged();
    ForEachItem([this](TOrvCustomSelectBtn& item) { item.ColorSet().Assign(ColorSet()); });
}

void TOrvCustomItemGroup::UICtrlChanged()
{
    ForEachItem([this](TOrvCustomSelectBtn& item) { item.SetUICtrl(UICtrl()); });
}

void TOrvCustomItemGroup::ReadOnlyChanged()
{
    ForEachItem([this](TOrvCustomSelectBtn& item) {
        item.SetReadOnly(ReadOnly());
        item.SetTabStop(false);
    });
}

void TOrvCustomItemGroup::EnabledChanged()
{
    TOrvGroupBox::EnabledChanged();
    // Qt disables the items with the group; enabling it asks each item anew.
    if (!isEnabled())
        return;
    for (size_t i = 0; i < fControls.size(); ++i)
        fControls[i]->setEnabled(OnItemEnabled ? AskItemEnabled(int(i), true) : true);
}

void TOrvCustomItemGroup::CaptionChanged(const QString& old)
{
    if (old.isEmpty() != Caption().isEmpty())
        LayoutItems();
}

void TOrvCustomItemGroup::resizeEvent(QResizeEvent* e)
{
    TOrvGroupBox::resizeEvent(e);
    LayoutItems();
}

void TOrvCustomItemGroup::FontChanged()
{
    TOrvGroupBox::FontChanged();
    LayoutItems();
}

// ---- the items

TOrvGroupBtn::TOrvGroupBtn(TOrvCustomItemGroup& group) : TOrvGroupItemT<TOrvRadioBtn>(group) {}

TOrvGroupCheck::TOrvGroupCheck(TOrvCustomItemGroup& group) : TOrvGroupItemT<TOrvCheckBox>(group) {}

// ---- TOrvCustomRadioGroup

TOrvCustomRadioGroup::TOrvCustomRadioGroup(QWidget* parent) : TOrvCustomItemGroup(parent, INT_MAX) {}

TOrvCustomSelectBtn* TOrvCustomRadioGroup::CreateItem()
{
    return new TOrvGroupBtn(*this);
}

void TOrvCustomRadioGroup::CheckItemAt(int index)
{
    WithoutClicks([&] {
        if (auto* item = static_cast<TOrvRadioBtn*>(ItemControl(index)))
            item->SetChecked(true);
        else
            ForEachItem([](TOrvCustomSelectBtn& b) { static_cast<TOrvRadioBtn&>(b).SetChecked(false); });
    });
}

void TOrvCustomRadioGroup::SetItemIndex(int value)
{
    if (Loading()) {
        StoreItemIndex(value);
        return;
    }
    value = std::clamp(value, -1, ItemCount() - 1);
    const int old = ItemIndex();
    if (value != old) {
        StoreItemIndex(value);
        CheckItemAt(value);
    }
    FireStateChange();
    SendIndexSignals(old);
}

void TOrvCustomRadioGroup::SendIndexSignals(int old)
{
    const int now = ItemIndex();
    if (Loading() || now == old)
        return;
    emit itemIndexChanged(now);
    if ((old == -1) != (now == -1))
        emit nullChanged(now == -1);
}

void TOrvCustomRadioGroup::SetNull(bool value)
{
    if (value)
        SetItemIndex(-1);
}

void TOrvCustomRadioGroup::ItemsRebuilt()
{
    const int old = ItemIndex();
    StoreItemIndex(std::min(old, ItemCount() - 1));
    CheckItemAt(ItemIndex());
    SendIndexSignals(old);
}

void TOrvCustomRadioGroup::ItemClicked(TOrvCustomSelectBtn& item)
{
    const int old = ItemIndex();
    const int chosen = IndexOf(&item);
    SetItemIndex(chosen);
    bool allow = true;
    if (OnBeforeChange)
        OnBeforeChange(this, chosen, allow);
    if (allow) {
        FireClick();
        return;
    }
    StoreItemIndex(old);
    CheckItemAt(old);
    SendIndexSignals(chosen);
}

void TOrvCustomRadioGroup::UndoToEntry()
{
    const int old = ItemIndex();
    StoreItemIndex(std::clamp(EnterIndex(), -1, ItemCount() - 1));
    CheckItemAt(ItemIndex());
    SendIndexSignals(old);
}

// ---- TOrvCustomCheckGroup

TOrvCustomCheckGroup::TOrvCustomCheckGroup(QWidget* parent) : TOrvCustomItemGroup(parent, kMaxBoxes) {}

TOrvCustomSelectBtn* TOrvCustomCheckGroup::CreateItem()
{
    auto* box = new TOrvGroupCheck(*this);
    box->SetCheckStyle(fCheckStyle);
    return box;
}

void TOrvCustomCheckGroup::SetCheckStyle(TOrvCheckStyle value)
{
    if (value == fCheckStyle)
        return;
    fCheckStyle = value;
    ForEachItem([value](TOrvCustomSelectBtn& item) { static_cast<TOrvGroupCheck&>(item).SetCheckStyle(value); });
}

uint32_t TOrvCustomCheckGroup::BoxMask() const
{
    const int n = ItemCount();
    return n >= kMaxBoxes ? ~0u : (1u << unsigned(n)) - 1u;
}

void TOrvCustomCheckGroup::ApplyValueToBoxes()
{
    // Boxes set by the value are no user's ticks: no item clicks.
    WithoutClicks([this] {
        for (int i = 0; i < ItemCount(); ++i)
            static_cast<TOrvGroupCheck*>(ItemControl(i))->SetChecked((fValue >> unsigned(i)) & 1u);
    });
}

void TOrvCustomCheckGroup::FireValueChange(TOrvLongBitList oldValue, bool oldNull)
{
    if (OnValueChange)
        OnValueChange(this);
    SendValueSignals(oldValue, oldNull);
}

void TOrvCustomCheckGroup::SendValueSignals(TOrvLongBitList oldValue, bool oldNull)
{
    if (Loading())
        return;
    if (fValue != oldValue)
        emit valueChanged(fValue);
    if (fNull != oldNull)
        emit nullChanged(fNull);
}

void TOrvCustomCheckGroup::SetAsBitList(TOrvLongBitList value)
{
    if (Loading()) {
        fValue = value;
        return;
    }
    value &= BoxMask();
    if (value == fValue)
        return;
    const TOrvLongBitList oldValue = std::exchange(fValue, value);
    const bool oldNull = std::exchange(fNull, false);
    ApplyValueToBoxes();
    FireStateChange();
    FireValueChange(oldValue, oldNull);
}

QString TOrvCustomCheckGroup::AsBitString() const
{
    QString bits;
    const int n = ItemCount();
    bits.reserve(n);
    for (int k = 0; k < n; ++k)
        bits.append((fValue >> unsigned(k)) & 1u ? QLatin1Char('1') : QLatin1Char('0'));
    return bits;
}

void TOrvCustomCheckGroup::SetAsBitString(const QString& value)
{
    const int n = std::min<int>(ItemCount(), int(std::min<qsizetype>(value.size(), kMaxBoxes)));
    uint32_t bits = 0;
    for (int k = 0; k < n; ++k)
        if (value[k] == QLatin1Char('1'))
            bits |= 1u << unsigned(k);
    SetAsBitList(bits);
}

void TOrvCustomCheckGroup::SetNull(bool value)
{
    if (value == fNull)
        return;
    fNull = value;
    if (!value) {
        SendValueSignals(fValue, true);
        return;
    }
    const TOrvLongBitList oldValue = std::exchange(fValue, 0);
    ApplyValueToBoxes();
    FireStateChange();
    FireValueChange(oldValue, false);
}

void TOrvCustomCheckGroup::SetBox(int index)
{
    if (index >= 0 && index < kMaxBoxes)
        SetAsBitList(fValue | (1u << unsigned(index)));
}

void TOrvCustomCheckGroup::ClearBox(int index)
{
    if (index >= 0 && index < kMaxBoxes)
        SetAsBitList(fValue & ~(1u << unsigned(index)));
}

void TOrvCustomCheckGroup::ToggleBox(int index)
{
    if (index >= 0 && index < kMaxBoxes)
        SetAsBitList(fValue ^ (1u << unsigned(index)));
}

bool TOrvCustomCheckGroup::BoxIsSet(int index) const
{
    return index >= 0 && index < kMaxBoxes && ((fValue >> unsigned(index)) & 1u);
}

void TOrvCustomCheckGroup::ItemsRebuilt()
{
    const TOrvLongBitList oldValue = fValue;
    fValue &= BoxMask();
    ApplyValueToBoxes();
    SendValueSignals(oldValue, fNull);
}

void TOrvCustomCheckGroup::ItemClicked(TOrvCustomSelectBtn& item)
{
    StoreItemIndex(IndexOf(&item));
    FireStateChange();
    FireClick();
    uint32_t value = 0;
    for (int i = 0; i < ItemCount(); ++i)
        if (static_cast<TOrvGroupCheck*>(ItemControl(i))->Checked())
            value |= 1u << unsigned(i);
    const TOrvLongBitList oldValue = std::exchange(fValue, value);
    // The group shows the user's ticks now, so it is no longer null.
    const bool oldNull = std::exchange(fNull, false);
    FireValueChange(oldValue, oldNull);
}

void TOrvCustomCheckGroup::UndoToEntry()
{
    StoreItemIndex(EnterIndex());
}

} // namespace orv
