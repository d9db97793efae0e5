#pragma once

#include <orvkit/core/OrvkitGlobals.h>
#include <orvkit/framework/OrvkitColors.h>
#include <orvkit/framework/OrvkitDrawing.h>

#include <QFlags>
#include <QObject>
#include <QPainter>
#include <QPalette>
#include <QRect>
#include <functional>
#include <initializer_list>

namespace orv {

inline namespace ColorSetEnums {
Q_NAMESPACE

enum TOrvLabelStyle { elsNormal, elsRaised, elsSunken };
Q_ENUM_NS(TOrvLabelStyle)
enum TOrvGroupFrameStyle { egfsNone, egfsNormal, egfsSimple, egfsRound };
Q_ENUM_NS(TOrvGroupFrameStyle)
/// The styles of a combo box, as far as the flat painting needs them.
enum TOrvComboStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
Q_ENUM_NS(TOrvComboStyle)
} // namespace ColorSetEnums

/// A set of TOrvUIUsageType values. Not a Q_FLAG: the values are bit numbers, not masks,
/// and Qt's flags would need a mask enumeration and a QFlags type in place of this class.
class TOrvUIUsageTypes {
public:
    constexpr TOrvUIUsageTypes() = default;
    constexpr TOrvUIUsageTypes(std::initializer_list<TOrvUIUsageType> types)
    {
        for (const TOrvUIUsageType t : types)
            fBits |= Bit(t);
    }
    static constexpr TOrvUIUsageTypes All() { return {eutColorSet, eutBlank_Null, eutNavigation, eutFormat}; }

    constexpr bool Contains(TOrvUIUsageType type) const { return (fBits & Bit(type)) != 0; }
    constexpr void Include(TOrvUIUsageType type) { fBits |= Bit(type); }
    constexpr void Exclude(TOrvUIUsageType type) { fBits &= static_cast<uint8_t>(~Bit(type)); }
    constexpr bool operator==(const TOrvUIUsageTypes&) const = default;

private:
    static constexpr uint8_t Bit(TOrvUIUsageType type) { return static_cast<uint8_t>(1u << unsigned(type)); }
    uint8_t fBits = 0;
};

/// Asks whether a control paints its special colours; the handler may set the flag.
using TOrvSpecialColorEvent = std::function<void(QObject* sender, bool& useSpecialColor)>;

class TOrvColorSet;
/// The events of a colour set; the sender is the set.
using TOrvColorSetEvent = std::function<void(TOrvColorSet* sender)>;

namespace detail {

// The properties of each class of the tree, with their defaults as member initialisers:
// a block reset to {} is the class's defaults, and Assign copies the blocks both sets hold.

struct TOrvFrameProps {
    bool fFlat = false;
    bool fHotTracking = false;
    bool fShowFocus = false;
    int fBorderSize = 1;
    TColor fBorderColor = clWindowFrame;
    TColor fBorderFocusColor = clHighlight;
    TColor fBorderHotColor = clHighlight;
    TColor fBorderDisabledColor = clWindow;
};

struct TOrvBackgroundProps {
    TOrvSpecialColorType fSpecialColorType = escNone;
    TColor fRWColor = clWindow;
    TColor fRWSpecialColor = clWindow;
    TColor fROColor = 0x00FFFFF0;
    TColor fROSpecialColor = 0x00FFFFF0;
    TColor fFocusColor = 0x0080FFFF;
    TColor fFocusSpecialColor = 0x0080FFFF;
    TColor fHotColor = 0x00FFFF00;
    TColor fHotSpecialColor = 0x00FFFF00;
    TColor fDisabledColor = clBtnFace;
};

struct TOrvTextProps {
    TColor fRWFontColor = clWindowText;
    TColor fROFontColor = clWindowText;
    TColor fFocusFontColor = clWindowText;
    TColor fHotFontColor = clWindowText;
    TColor fRWSpecialFontColor = clWindowText;
    TColor fROSpecialFontColor = clWindowText;
    TColor fFocusSpecialFontColor = clWindowText;
    TColor fHotSpecialFontColor = clWindowText;
    TFontStyles fRWFontStyle;
    TFontStyles fROFontStyle;
    TFontStyles fFocusFontStyle;
    TFontStyles fHotFontStyle;
    TFontStyles fRWSpecialFontStyle;
    TFontStyles fROSpecialFontStyle;
    TFontStyles fFocusSpecialFontStyle;
    TFontStyles fHotSpecialFontStyle;
};

struct TOrvEditProps {
    bool fFlatBtns = true;
    bool fLineEdit = false;
    bool fNumDiff = false;
    TColor fNumPosFontColor = 0x00800000;
    TColor fNumNegFontColor = 0x000000FF;
    TFontStyles fNumPosFontStyle;
    TFontStyles fNumNegFontStyle;
};

struct TOrvComboProps {
    TColor fListColor = clWindow;
    TColor fListFontColor = clWindowText;
    TColor fListHighlightColor = clHighlight;
    TColor fListHighlightFontColor = clHighlightText;
    bool fXPThemesCombos = false;
};

struct TOrvItemProps {
    int fBoxFrameSize = 1;
    TColor fBoxFrameColor = clWindowFrame;
    TColor fBoxFrameFocusColor = clHighlight;
    TColor fBoxFrameHotColor = clHighlight;
    TColor fBoxFrameDisabledColor = clWindow;
    TColor fBoxNullColor = clBtnFace;
    TColor fItemRWColor = clWindowText;
    TColor fItemROColor = clWindowText;
    TColor fItemFocusColor = clHighlight;
    TColor fItemHotColor = clHighlight;
    TColor fItemDisabledColor = clWindow;
    TColor fMarkRWColor = clWindowText;
    TColor fMarkROColor = clWindowText;
    TColor fMarkFocusColor = clHighlight;
    TColor fMarkHotColor = clHighlight;
    TColor fMarkDisabledColor = clWindow;
    TFontStyles fItemRWFontStyle;
    TFontStyles fItemROFontStyle;
    TFontStyles fItemFocusFontStyle;
    TFontStyles fItemHotFontStyle;
    TOrvLabelStyle fItemStyle = elsNormal;
};

struct TOrvGroupProps {
    TColor fHeadingColor = clWindowText;
    TColor fHeadingFocusColor = clHighlight;
    TColor fHeadingHotColor = clHighlight;
    TColor fHeadingDisabledColor = clWindow;
    TColor fHeadingBkColor = clBtnFace;
    TColor fHeadingFocusBkColor = clBtnFace;
    TColor fHeadingHotBkColor = clBtnFace;
    TColor fHeadingDisabledBkColor = clBtnFace;
    TFontStyles fHeadingFontStyle;
    TFontStyles fHeadingFocusFontStyle;
    TFontStyles fHeadingHotFontStyle;
    TOrvLabelStyle fHeadingStyle = elsNormal;
    TOrvGroupFrameStyle fGroupFrameStyle = egfsNormal;
    int fGroupFrameWidth = 1;
};

struct TOrvLineProps {
    TColor fLineColor = clWindowText;
    TColor fLineHotColor = clHighlight;
    TColor fLineDisabledColor = clWindow;
};

/// The property blocks a set holds; none where its class does not declare them.
struct TOrvColorSetBlocks {
    TOrvFrameProps* frame = nullptr;
    TOrvBackgroundProps* background = nullptr;
    TOrvTextProps* text = nullptr;
    TOrvEditProps* edit = nullptr;
    TOrvComboProps* combo = nullptr;
    TOrvItemProps* item = nullptr;
    TOrvGroupProps* group = nullptr;
    TOrvLineProps* line = nullptr;
};

/// The border rule shared by edit borders and item boxes: precedence disabled,
/// read-only (the base colour), focused, hot.
TColor ResolveFrameColor(TColor border, TColor focus, TColor hot, TColor disabled, bool readOnly,
                         bool enabled, bool isHot, bool isFocused);

/// A group of properties that a set carries beside its own class chain (the combo,
/// item and group properties of the complete set); its changes notify through the set.
class TOrvColorSetPart {
protected:
    explicit TOrvColorSetPart(TOrvColorSet& owner) : fOwner(owner) {}
    ~TOrvColorSetPart() = default;
    TOrvColorSetPart(const TOrvColorSetPart&) = delete;
    TOrvColorSetPart& operator=(const TOrvColorSetPart&) = delete;

    template <class T>
    void Change(T& field, T value, bool flat = false);
    bool ShowsFocus(bool focused) const;
    bool ShowsHot(bool hot) const;

    TOrvColorSet& fOwner;
};

} // namespace detail

#define ORV_COLORSET_PROPERTY(Type, Name, Block)                                                \
    Type Name() const { return Block.f##Name; }                                                 \
    void Set##Name(Type value) { Change(Block.f##Name, value); }

/// The root of the colour sets: the border and the switches for flat style, focus and
/// hot tracking. A set fires OnChange after a colour change and OnFlatChange (after
/// OnChange) after a change of the flat style; nothing while updating. Setters do
/// nothing when the value is unchanged; any change clears Set_Defaults.
class TOrvColorSet {
public:
    TOrvColorSet();
    virtual ~TOrvColorSet() = default;
    TOrvColorSet(const TOrvColorSet&) = delete;
    TOrvColorSet& operator=(const TOrvColorSet&) = delete;

    /// Copies every property both sets declare, then one flat change.
    virtual void Assign(const TOrvColorSet& source);

    bool Flat() const { return fFrame.fFlat; }
    virtual void SetFlat(bool value);
    ORV_COLORSET_PROPERTY(bool, HotTracking, fFrame)
    ORV_COLORSET_PROPERTY(bool, ShowFocus, fFrame)
    /// Kept to 1..2.
    int BorderSize() const { return fFrame.fBorderSize; }
    void SetBorderSize(int value);
    ORV_COLORSET_PROPERTY(TColor, BorderColor, fFrame)
    ORV_COLORSET_PROPERTY(TColor, BorderFocusColor, fFrame)
    ORV_COLORSET_PROPERTY(TColor, BorderHotColor, fFrame)
    ORV_COLORSET_PROPERTY(TColor, BorderDisabledColor, fFrame)
    /// True while every property holds its default; writing True restores them.
    bool Set_Defaults() const { return fSetDefaults; }
    void SetSet_Defaults(bool value);

    bool Updating() const { return fUpdating; }
    virtual void BeginUpdate();
    /// Ends updating with one flat change.
    virtual void EndUpdate();
    /// Every property of the class chain to its default, then one flat change.
    virtual void SetColor_Defaults();

    /// The border colour of a control in the given state.
    TColor GetFrameColor(bool readOnly, bool enabled, bool hot, bool focused) const;
    /// The border colour of the focused state.
    TColor GetFocusFrameColor() const;

    /// Paints the flat border on the whole window of a control: `rect` is the window,
    /// `color` the control's background, colour values resolved through `palette`.
    void FlattenControl(QPainter& canvas, const QRect& rect, const QPalette& palette, bool readOnly,
                        TColor color, bool hot, bool focused, bool enabled) const;
    /// The same for a combo box, with its drop-down button area; nothing while themed
    /// combos are asked for and themes are active.
    void FlattenComboControl(QPainter& canvas, const QRect& rect, const QPalette& palette,
                             TOrvComboStyle style, int scrollBarWidth, bool readOnly, TColor color,
                             bool hot, bool focused, bool enabled) const;

    TOrvColorSetEvent OnChange;
    TOrvColorSetEvent OnFlatChange;
    TOrvColorSetEvent OnParentColor;
    TOrvColorSetEvent OnParentFont;

    /// Routes the four notifications to the control that owns the set; Unhook before
    /// the control goes.
    void Hook(std::function<void()> change, std::function<void()> flatChange, std::function<void()> parentColor,
              std::function<void()> parentFont);
    void Unhook();

    virtual void DoChange();
    virtual void DoFlatChange();
    virtual void DoParentColor();
    virtual void DoParentFont();

protected:
    friend class detail::TOrvColorSetPart;

    /// The property blocks of this set; a class adds its own.
    virtual detail::TOrvColorSetBlocks Blocks() { return {&fFrame}; }
    /// Whether the flat style draws only an underline.
    virtual bool LineEditStyle() const { return false; }
    /// Whether a combo box asks for the visual theme instead of the flat painting.
    virtual bool ThemedCombos() const { return false; }

    /// Stores a changed value, clears Set_Defaults and notifies.
    template <class T>
    void Change(T& field, T value, bool flat = false)
    {
        if (field == value)
            return;
        field = value;
        PropertyChanged(flat);
    }
    void PropertyChanged(bool flat);
    bool ShowsFocus(bool focused) const { return focused && fFrame.fShowFocus; }
    bool ShowsHot(bool hot) const { return hot && fFrame.fHotTracking; }

    detail::TOrvFrameProps fFrame;

private:
    bool fUpdating = false;
    bool fSetDefaults = true;
};

namespace detail {
template <class T>
void TOrvColorSetPart::Change(T& field, T value, bool flat)
{
    if (field == value)
        return;
    field = value;
    fOwner.PropertyChanged(flat);
}
} // namespace detail

/// Background colours for each state, with special twins used while the control's
/// special-colour decision holds.
class TOrvBaseStartEditColorSet : public TOrvColorSet {
public:
    TOrvBaseStartEditColorSet();

    ORV_COLORSET_PROPERTY(TOrvSpecialColorType, SpecialColorType, fBackground)
    ORV_COLORSET_PROPERTY(TColor, RWColor, fBackground)
    ORV_COLORSET_PROPERTY(TColor, RWSpecialColor, fBackground)
    ORV_COLORSET_PROPERTY(TColor, ROColor, fBackground)
    ORV_COLORSET_PROPERTY(TColor, ROSpecialColor, fBackground)
    ORV_COLORSET_PROPERTY(TColor, FocusColor, fBackground)
    ORV_COLORSET_PROPERTY(TColor, FocusSpecialColor, fBackground)
    ORV_COLORSET_PROPERTY(TColor, HotColor, fBackground)
    ORV_COLORSET_PROPERTY(TColor, HotSpecialColor, fBackground)
    ORV_COLORSET_PROPERTY(TColor, DisabledColor, fBackground)

    /// The background of a control in the given state; `current` is its colour now,
    /// kept where a colour is clNone.
    TColor GetEditColor(bool readOnly, bool enabled, TColor current, bool special, bool hot, bool focused) const;

protected:
    detail::TOrvColorSetBlocks Blocks() override;
    detail::TOrvBackgroundProps fBackground;
};

/// Font colours and styles for each state.
class TOrvBaseEditColorSet : public TOrvBaseStartEditColorSet {
public:
    TOrvBaseEditColorSet();

    ORV_COLORSET_PROPERTY(TColor, RWFontColor, fText)
    ORV_COLORSET_PROPERTY(TColor, ROFontColor, fText)
    ORV_COLORSET_PROPERTY(TColor, FocusFontColor, fText)
    ORV_COLORSET_PROPERTY(TColor, HotFontColor, fText)
    ORV_COLORSET_PROPERTY(TColor, RWSpecialFontColor, fText)
    ORV_COLORSET_PROPERTY(TColor, ROSpecialFontColor, fText)
    ORV_COLORSET_PROPERTY(TColor, FocusSpecialFontColor, fText)
    ORV_COLORSET_PROPERTY(TColor, HotSpecialFontColor, fText)
    ORV_COLORSET_PROPERTY(TFontStyles, RWFontStyle, fText)
    ORV_COLORSET_PROPERTY(TFontStyles, ROFontStyle, fText)
    ORV_COLORSET_PROPERTY(TFontStyles, FocusFontStyle, fText)
    ORV_COLORSET_PROPERTY(TFontStyles, HotFontStyle, fText)
    ORV_COLORSET_PROPERTY(TFontStyles, RWSpecialFontStyle, fText)
    ORV_COLORSET_PROPERTY(TFontStyles, ROSpecialFontStyle, fText)
    ORV_COLORSET_PROPERTY(TFontStyles, FocusSpecialFontStyle, fText)
    ORV_COLORSET_PROPERTY(TFontStyles, HotSpecialFontStyle, fText)

    /// Background (as GetEditColor), then font colour and style; the three values come
    /// in as the control has them now.
    void GetColorStates(bool enabled, bool readOnly, bool special, bool hot, bool focused,
                        TFontStyles& fontStyle, TColor& fontColor, TColor& color) const;

protected:
    detail::TOrvColorSetBlocks Blocks() override;
    detail::TOrvTextProps fText;
};

/// The set of edits, memos, list boxes and button panels: flat buttons, the underline
/// style and colours by the sign of a number.
class TOrvEditColorSet : public TOrvBaseEditColorSet {
public:
    TOrvEditColorSet();

    /// Turning Flat off turns LineEdit off.
    void SetFlat(bool value) override;
    bool FlatBtns() const { return fEdit.fFlatBtns; }
    virtual void SetFlatBtns(bool value);
    /// Turning LineEdit on turns Flat on.
    bool LineEdit() const { return fEdit.fLineEdit; }
    void SetLineEdit(bool value);
    ORV_COLORSET_PROPERTY(bool, NumDiff, fEdit)
    ORV_COLORSET_PROPERTY(TColor, NumPosFontColor, fEdit)
    ORV_COLORSET_PROPERTY(TColor, NumNegFontColor, fEdit)
    ORV_COLORSET_PROPERTY(TFontStyles, NumPosFontStyle, fEdit)
    ORV_COLORSET_PROPERTY(TFontStyles, NumNegFontStyle, fEdit)

    /// GetColorStates, then with NumDiff the colour and style of the sign (negative,
    /// zero or positive), in every state.
    void GetNumericColorStates(bool enabled, bool readOnly, int sign, bool special, bool hot, bool focused,
                               TFontStyles& fontStyle, TColor& fontColor, TColor& color) const;

protected:
    detail::TOrvColorSetBlocks Blocks() override;
    bool LineEditStyle() const override { return fEdit.fLineEdit; }
    detail::TOrvEditProps fEdit;
};

/// The list colours of a combo box.
class TOrvComboColors : public detail::TOrvColorSetPart {
public:
    ORV_COLORSET_PROPERTY(TColor, ListColor, fCombo)
    ORV_COLORSET_PROPERTY(TColor, ListFontColor, fCombo)
    ORV_COLORSET_PROPERTY(TColor, ListHighlightColor, fCombo)
    ORV_COLORSET_PROPERTY(TColor, ListHighlightFontColor, fCombo)
    bool XPThemesCombos() const { return fCombo.fXPThemesCombos; }
    virtual void SetXPThemesCombos(bool value) { Change(fCombo.fXPThemesCombos, value, true); }

protected:
    using TOrvColorSetPart::TOrvColorSetPart;
    virtual ~TOrvComboColors() = default;
    detail::TOrvComboProps fCombo;
};

/// The box, item and mark colours of check boxes and radio buttons.
class TOrvItemColors : public detail::TOrvColorSetPart {
public:
    /// Kept to 1..2.
    int BoxFrameSize() const { return fItem.fBoxFrameSize; }
    void SetBoxFrameSize(int value);
    ORV_COLORSET_PROPERTY(TColor, BoxFrameColor, fItem)
    ORV_COLORSET_PROPERTY(TColor, BoxFrameFocusColor, fItem)
    ORV_COLORSET_PROPERTY(TColor, BoxFrameHotColor, fItem)
    ORV_COLORSET_PROPERTY(TColor, BoxFrameDisabledColor, fItem)
    ORV_COLORSET_PROPERTY(TColor, BoxNullColor, fItem)
    ORV_COLORSET_PROPERTY(TColor, ItemRWColor, fItem)
    ORV_COLORSET_PROPERTY(TColor, ItemROColor, fItem)
    ORV_COLORSET_PROPERTY(TColor, ItemFocusColor, fItem)
    ORV_COLORSET_PROPERTY(TColor, ItemHotColor, fItem)
    ORV_COLORSET_PROPERTY(TColor, ItemDisabledColor, fItem)
    ORV_COLORSET_PROPERTY(TColor, MarkRWColor, fItem)
    ORV_COLORSET_PROPERTY(TColor, MarkROColor, fItem)
    ORV_COLORSET_PROPERTY(TColor, MarkFocusColor, fItem)
    ORV_COLORSET_PROPERTY(TColor, MarkHotColor, fItem)
    ORV_COLORSET_PROPERTY(TColor, MarkDisabledColor, fItem)
    ORV_COLORSET_PROPERTY(TFontStyles, ItemRWFontStyle, fItem)
    ORV_COLORSET_PROPERTY(TFontStyles, ItemROFontStyle, fItem)
    ORV_COLORSET_PROPERTY(TFontStyles, ItemFocusFontStyle, fItem)
    ORV_COLORSET_PROPERTY(TFontStyles, ItemHotFontStyle, fItem)
    ORV_COLORSET_PROPERTY(TOrvLabelStyle, ItemStyle, fItem)

    TColor GetBoxFrameColor(bool readOnly, bool enabled, bool hot, bool focused) const;
    /// The mark colour; `current` stays where a colour is clNone.
    TColor GetMarkColor(bool readOnly, bool enabled, bool hot, bool focused, TColor current) const;
    /// The caption colour and style; the values come in as the item has them now.
    void GetItemColor(bool readOnly, bool enabled, bool hot, bool focused, TColor& color,
                      TFontStyles& fontStyle) const;

protected:
    using TOrvColorSetPart::TOrvColorSetPart;
    virtual ~TOrvItemColors() = default;
    detail::TOrvItemProps fItem;
};

/// The heading and frame of group boxes and radio and check groups.
class TOrvGroupColors : public detail::TOrvColorSetPart {
public:
    ORV_COLORSET_PROPERTY(TColor, HeadingColor, fGroup)
    ORV_COLORSET_PROPERTY(TColor, HeadingFocusColor, fGroup)
    ORV_COLORSET_PROPERTY(TColor, HeadingHotColor, fGroup)
    ORV_COLORSET_PROPERTY(TColor, HeadingDisabledColor, fGroup)
    ORV_COLORSET_PROPERTY(TColor, HeadingBkColor, fGroup)
    ORV_COLORSET_PROPERTY(TColor, HeadingFocusBkColor, fGroup)
    ORV_COLORSET_PROPERTY(TColor, HeadingHotBkColor, fGroup)
    ORV_COLORSET_PROPERTY(TColor, HeadingDisabledBkColor, fGroup)
    ORV_COLORSET_PROPERTY(TFontStyles, HeadingFontStyle, fGroup)
    ORV_COLORSET_PROPERTY(TFontStyles, HeadingFocusFontStyle, fGroup)
    ORV_COLORSET_PROPERTY(TFontStyles, HeadingHotFontStyle, fGroup)
    ORV_COLORSET_PROPERTY(TOrvLabelStyle, HeadingStyle, fGroup)
    TOrvGroupFrameStyle GroupFrameStyle() const { return fGroup.fGroupFrameStyle; }
    virtual void SetGroupFrameStyle(TOrvGroupFrameStyle value) { Change(fGroup.fGroupFrameStyle, value); }
    int GroupFrameWidth() const { return fGroup.fGroupFrameWidth; }
    virtual void SetGroupFrameWidth(int value) { Change(fGroup.fGroupFrameWidth, value); }

    /// The caption's style, background and colour; the values come in as they are now.
    void GetHeadingColors(bool enabled, bool focused, bool hot, TFontStyles& headFontStyle,
                          TColor& headBkColor, TColor& headColor) const;

protected:
    using TOrvColorSetPart::TOrvColorSetPart;
    virtual ~TOrvGroupColors() = default;
    detail::TOrvGroupProps fGroup;
};

/// The set of combo boxes.
class TOrvComboColorSet : public TOrvBaseEditColorSet, public TOrvComboColors {
public:
    TOrvComboColorSet();

protected:
    detail::TOrvColorSetBlocks Blocks() override;
    bool ThemedCombos() const override { return fCombo.fXPThemesCombos; }
};

/// The set of check boxes and radio buttons.
class TOrvItemColorSet : public TOrvBaseStartEditColorSet, public TOrvItemColors {
public:
    TOrvItemColorSet();

protected:
    detail::TOrvColorSetBlocks Blocks() override;
};

/// The set of group boxes and radio and check groups.
class TOrvGroupColorSet : public TOrvItemColorSet, public TOrvGroupColors {
public:
    TOrvGroupColorSet();

protected:
    detail::TOrvColorSetBlocks Blocks() override;
};

/// The set of a UI control: every property of the edit, combo, item and group sets, and
/// the colours of lines.
class TOrvCompleteColorSet : public TOrvEditColorSet,
                             public TOrvComboColors,
                             public TOrvItemColors,
                             public TOrvGroupColors {
public:
    TOrvCompleteColorSet();

    ORV_COLORSET_PROPERTY(TColor, LineColor, fLine)
    ORV_COLORSET_PROPERTY(TColor, LineHotColor, fLine)
    ORV_COLORSET_PROPERTY(TColor, LineDisabledColor, fLine)

protected:
    using TOrvEditColorSet::Change;
    detail::TOrvColorSetBlocks Blocks() override;
    bool ThemedCombos() const override { return fCombo.fXPThemesCombos; }
    detail::TOrvLineProps fLine;
};

} // namespace orv
