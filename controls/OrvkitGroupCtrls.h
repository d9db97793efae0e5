#pragma once

#include <orvkit/controls/OrvkitCheckBox.h>
#include <orvkit/controls/OrvkitGroupBox.h>
#include <orvkit/controls/OrvkitRadioBtn.h>

#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

namespace orv {

/// A set of the numbers 0..31; bit n stands for item n. Not a Q_FLAG: no enumeration names
/// the items.
using TOrvLongBitList = uint32_t;

/// Asked before a user's choice in a radio group takes effect; the handler may refuse it.
using TOrvBeforeItemChangeEvent = std::function<void(QObject* sender, int newItemIndex, bool& allowChange)>;
/// Asked whether an item is enabled.
using TOrvItemEnabledEvent = std::function<void(QObject* sender, uint32_t elementNo, bool& enabled)>;
/// Asked for an item's caption colours (writable, read-only, focused).
using TOrvItemColorEvent =
    std::function<void(QObject* sender, uint32_t elementNo, TColor& colorRW, TColor& colorRO, TColor& colorFocus)>;

/// A group box that shows one item control per line of Items, laid out in columns that
/// fill top to bottom. The items share the group's UI control, colours, read-only state
/// and key handling: a character typed on an item goes to the group first.
class TOrvCustomItemGroup : public TOrvGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(int ItemGap READ ItemGap WRITE SetItemGap)
    Q_PROPERTY(int ItemMargin READ ItemMargin WRITE SetItemMargin)
    Q_PROPERTY(int TopMargin READ TopMargin WRITE SetTopMargin)
    Q_PROPERTY(bool AllowKbdNull READ AllowKbdNull WRITE SetAllowKbdNull)
    Q_PROPERTY(Qt::PenStyle FocusPenStyle READ FocusPenStyle WRITE SetFocusPenStyle)
public:
    const QStringList& Items() const { return fItems; }
    void SetItems(const QStringList& value);
    /// Kept to 1..16.
    int Columns() const { return fColumns; }
    void SetColumns(int value);
    /// The caption gap of every item.
    int ItemGap() const { return fItemGap; }
    void SetItemGap(int value);
    int ItemMargin() const { return fItemMargin; }
    void SetItemMargin(int value);
    int TopMargin() const { return fTopMargin; }
    void SetTopMargin(int value);
    bool AllowKbdNull() const { return fAllowKbdNull; }
    void SetAllowKbdNull(bool value) { fAllowKbdNull = value; }
    Qt::PenStyle FocusPenStyle() const { return fFocusPenStyle; }
    void SetFocusPenStyle(Qt::PenStyle value);

    /// The item controls, one per line shown.
    int ItemCount() const { return int(fControls.size()); }
    /// The checked item of a radio group, the box clicked last in a check group; −1 for none.
    int ItemIndex() const { return fItemIndex; }
    /// The item index saved on entering, which Esc returns to.
    int EnterIndex() const { return fEnterIndex; }
    TOrvCustomSelectBtn* ItemControl(int index) const;
    /// Asks the enabled state and the item colours of every item anew.
    void RedrawItems();

    TNotifyEvent OnStateChange;
    TNotifyEvent OnClick;
    TNotifyEvent OnNull;
    TOrvItemEnabledEvent OnItemEnabled;
    TOrvItemColorEvent OnItemColor;

signals:
    /// Right after OnClick.
    void clicked();
    /// Right after OnStateChange.
    void changed();

protected:
    TOrvCustomItemGroup(QWidget* parent, int maxItems);

    /// A new item control, parented to the group.
    virtual TOrvCustomSelectBtn* CreateItem() = 0;
    /// After the items match the lines: bring their states into line with the group's.
    virtual void ItemsRebuilt() = 0;
    /// An item's click, unless the group is rebuilding.
    virtual void ItemClicked(TOrvCustomSelectBtn& item) = 0;
    /// Esc with ESCAsUndo.
    virtual void UndoToEntry() = 0;
    /// Ctrl+N with AllowKbdNull.
    virtual void MakeNull() = 0;
    /// OnStateChange, then changed().
    void FireStateChange();
    /// OnClick, then clicked().
    void FireClick();
    int IndexOf(const QObject* item) const;
    void StoreItemIndex(int value) { fItemIndex = value; }
    /// The item at the item index, else the first that can take the focus.
    QWidget* FocusTarget() const override;
    void DoEnter() override;
    /// While true, clicks of the items do not reach ItemClicked.
    bool IgnoringClicks() const { return fIgnoreClicks > 0; }
    /// Runs `change` with the items' clicks ignored.
    void WithoutClicks(const std::function<void()>& change);

    /// The key handling of the group, also for characters typed on an item.
    void KeyPress(QChar& key) override;
    /// For the items: the group's key-down after the item's own; the arrow keys move the
    /// focus to the previous or next item (which a radio item then checks).
    void GroupKeyDown(uint16_t& key, TShiftState shift);
    void GroupKeyPress(QChar& key) { KeyPress(key); }

    void Loaded() override;
    void ColorSetChanged() override;
    void UICtrlChanged() override;
    void ReadOnlyChanged() override;
    void EnabledChanged() override;
    void CaptionChanged(const QString& old) override;
    void resizeEvent(QResizeEvent* e) override;
    void FontChanged() override;

    template <class Apply>
    void ForEachItem(Apply apply)
    {
        for (TOrvCustomSelectBtn* item : fControls)
            apply(*item);
    }

private:
    template <class Item>
    friend class TOrvGroupItemT;

    void RebuildItems();
    void LayoutItems();
    void SetUpItem(TOrvCustomSelectBtn& item, int index);
    void AskItemColors(TOrvCustomSelectBtn& item, int index);
    bool AskItemEnabled(int index, bool enabled);

    QStringList fItems;
    std::vector<TOrvCustomSelectBtn*> fControls;
    int fMaxItems;
    int fColumns = 1;
    int fItemGap = 5;
    int fItemMargin = 6;
    int fTopMargin = 1;
    int fIgnoreClicks = 0;
    int fItemIndex = -1;
    int fEnterIndex = -1;
    bool fAllowKbdNull = true;
    Qt::PenStyle fFocusPenStyle = Qt::DotLine;
};

/// An item of a group: a key-down runs through the item, then the group; a character goes
/// to the group first, then, unless the group took it, to the item.
template <class Item>
class TOrvGroupItemT : public Item {
public:
    explicit TOrvGroupItemT(TOrvCustomItemGroup& group) : Item(&group, true), fGroup(group) {}

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override
    {
        Item::KeyDown(key, shift);
        if (key != 0)
            fGroup.GroupKeyDown(key, shift);
    }
    void KeyPress(QChar& key) override
    {
        fGroup.GroupKeyPress(key);
        if (!key.isNull())
            Item::KeyPress(key);
    }

private:
    TOrvCustomItemGroup& fGroup;
};

/// The item of a radio group.
class TOrvGroupBtn : public TOrvGroupItemT<TOrvRadioBtn> {
    Q_OBJECT
public:
    explicit TOrvGroupBtn(TOrvCustomItemGroup& group);
};

/// The item of a check group.
class TOrvGroupCheck : public TOrvGroupItemT<TOrvCheckBox> {
    Q_OBJECT
public:
    explicit TOrvGroupCheck(TOrvCustomItemGroup& group);
};

/// A group of radio buttons with one selected index, or none (null). ItemIndex is the
/// value a data mapper or an item delegate binds.
class TOrvCustomRadioGroup : public TOrvCustomItemGroup {
    Q_OBJECT
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex NOTIFY itemIndexChanged USER true)
    Q_PROPERTY(bool Null READ Null WRITE SetNull NOTIFY nullChanged STORED false)
public:
    explicit TOrvCustomRadioGroup(QWidget* parent = nullptr);

    /// −1 for none. Kept to −1..count−1; OnStateChange fires after every assignment.
    void SetItemIndex(int value);
    bool Null() const { return ItemIndex() == -1; }
    /// True checks no item; false does nothing.
    void SetNull(bool value);

    TOrvBeforeItemChangeEvent OnBeforeChange;

signals:
    /// Whenever ItemIndex changes, by code or by the user (Esc and a refused choice
    /// included), never while loading.
    void itemIndexChanged(int itemIndex);
    /// Whenever Null changes, by code or by the user, never while loading.
    void nullChanged(bool null);

protected:
    TOrvCustomSelectBtn* CreateItem() override;
    void ItemsRebuilt() override;
    void ItemClicked(TOrvCustomSelectBtn& item) override;
    void UndoToEntry() override;
    void MakeNull() override { SetNull(true); }

private:
    /// Checks the item at the index (none for −1) without a click.
    void CheckItemAt(int index);
    /// After every change of the index: the value signals (none while loading).
    void SendIndexSignals(int old);
};

class TOrvRadioGroup : public TOrvCustomRadioGroup {
    Q_OBJECT
public:
    using TOrvCustomRadioGroup::TOrvCustomRadioGroup;
};

/// A group of up to 32 check boxes holding a 32-bit value, bit k for box k, or null.
/// AsBitList is the value a data mapper or an item delegate binds.
class TOrvCustomCheckGroup : public TOrvCustomItemGroup {
    Q_OBJECT
    Q_PROPERTY(orv::ItemDrawingEnums::TOrvCheckStyle CheckStyle READ CheckStyle WRITE SetCheckStyle)
    Q_PROPERTY(bool Null READ Null WRITE SetNull NOTIFY nullChanged)
    Q_PROPERTY(uint AsBitList READ AsBitList WRITE SetAsBitList NOTIFY valueChanged USER true)
    Q_PROPERTY(QString AsBitString READ AsBitString WRITE SetAsBitString STORED false)
    Q_PROPERTY(int AsInteger READ AsInteger WRITE SetAsInteger STORED false)
public:
    static constexpr int kMaxBoxes = 32;

    explicit TOrvCustomCheckGroup(QWidget* parent = nullptr);

    TOrvCheckStyle CheckStyle() const { return fCheckStyle; }
    void SetCheckStyle(TOrvCheckStyle value);

    /// Bits beyond the boxes are cleared; a change clears the null state.
    TOrvLongBitList AsBitList() const { return fValue; }
    void SetAsBitList(TOrvLongBitList value);
    int32_t AsInteger() const { return int32_t(fValue); }
    void SetAsInteger(int32_t value) { SetAsBitList(uint32_t(value)); }
    /// "1" or "0" per box, box 0 first.
    QString AsBitString() const;
    void SetAsBitString(const QString& value);
    bool Null() const { return fNull; }
    /// True clears every box; false only ends the null state.
    void SetNull(bool value);

    void Clear() { SetAsBitList(0); }
    void SetAll() { SetAsBitList(~0u); }
    void ToggleAll() { SetAsBitList(~fValue); }
    // Numbers outside 0..31 are ignored.
    void SetBox(int index);
    void ClearBox(int index);
    void ToggleBox(int index);
    bool BoxIsSet(int index) const;

    TNotifyEvent OnValueChange;

signals:
    /// Whenever the value (AsBitList) changes, by code or by a tick, never while loading.
    void valueChanged(uint value);
    /// Whenever Null changes, by code or by a tick, never while loading.
    void nullChanged(bool null);

protected:
    TOrvCustomSelectBtn* CreateItem() override;
    void ItemsRebuilt() override;
    void ItemClicked(TOrvCustomSelectBtn& item) override;
    void UndoToEntry() override;
    void MakeNull() override { SetNull(true); }

private:
    uint32_t BoxMask() const;
    void ApplyValueToBoxes();
    /// OnValueChange, then the value signals.
    void FireValueChange(TOrvLongBitList oldValue, bool oldNull);
    /// After every change of the value or the null flag (none while loading).
    void SendValueSignals(TOrvLongBitList oldValue, bool oldNull);

    TOrvLongBitList fValue = 0;
    bool fNull = false;
    TOrvCheckStyle fCheckStyle = ecsTick;
};

class TOrvCheckGroup : public TOrvCustomCheckGroup {
    Q_OBJECT
public:
    using TOrvCustomCheckGroup::TOrvCustomCheckGroup;
};

} // namespace orv
