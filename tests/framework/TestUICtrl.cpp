#include <orvkit/framework/OrvkitEdit.h>
#include <orvkit/framework/OrvkitStateCtrl.h>
#include <orvkit/framework/OrvkitStoreCtrl.h>
#include <orvkit/framework/OrvkitUICtrl.h>

#include <QLabel>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "framework/TestFiles.h"
#include <memory>

namespace orv {
namespace {

using namespace Qt::StringLiterals;

class UIStoreFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        store.SetRegIniType(eriIniFile);
        store.SetIniFile(IniPath());
        store.SetIniSection(QStringLiteral("Other"));
        store.SetRegSection(QStringLiteral("RegOther"));
    }
    QString IniPath() const { return dir.filePath(QStringLiteral("ui.ini")); }
    QStringList KeysOf(const QString& section) const
    {
        QStringList keys;
        bool inSection = false;
        for (const QString& line : QString::fromUtf8(test::ReadAll(IniPath())).split(u'\n')) {
            const QString t = line.trimmed();
            if (t.startsWith(u'['))
                inSection = t == u'[' + section + u']';
            else if (inSection && t.contains(u'='))
                keys << t.section(u'=', 0, 0);
        }
        return keys;
    }

    QTemporaryDir dir;
    TOrvStoreCtrl store;
};

/// Every setting away from its default.
void Restyle(TOrvUICtrl& ui)
{
    ui.SetNullStr(QStringLiteral("(nothing)"));
    ui.SetAllowKbdNull(false);
    ui.SetUseTypesInBlanks(true);
    ui.SetBlankWhenZero(true);
    ui.SetDateBlankIsNull(true);
    ui.SetCurrBlankWhenNull(true);
    ui.SetEnterAsTab(false);
    ui.SetNoTabStopOnReadOnly(false);
    ui.SetNegAsBrackets(true);
    TOrvCompleteColorSet& s = *ui.ColorSet();
    s.SetLineEdit(true);
    s.SetShowFocus(true);
    s.SetBorderSize(2);
    s.SetBorderHotColor(clRed);
    s.SetRWColor(0x00102030);
    s.SetHotSpecialFontStyle(fsBold | fsStrikeOut);
    s.SetListHighlightColor(clNone);
    s.SetXPThemesCombos(true);
    s.SetNumNegFontColor(clDefault);
    s.SetBoxFrameSize(2);
    s.SetItemStyle(elsSunken);
    s.SetHeadingDisabledBkColor(clNavy);
    s.SetGroupFrameStyle(egfsRound);
    s.SetGroupFrameWidth(3);
}

TEST_F(UIStoreFixture, SettingsSurviveASaveAndALoadThroughAnIniFile)
{
    TOrvUICtrl saved;
    saved.SetStoreCtrl(&store);
    saved.SetStoreSection(QStringLiteral("Style"));
    Restyle(saved);
    saved.SaveToStore();
    EXPECT_EQ(store.IniSection(), QStringLiteral("Other")) << "sections are put back";
    EXPECT_EQ(store.RegSection(), QStringLiteral("RegOther"));

    TOrvUICtrl loaded;
    loaded.SetStoreSection(QStringLiteral("Style"));
    loaded.SetStoreCtrl(&store);
    int flatChanges = 0;
    loaded.ColorSet()->OnFlatChange = [&](TOrvColorSet*) { ++flatChanges; };
    loaded.LoadFromStore();
    EXPECT_GE(flatChanges, 1) << "loading ends with a flat change";

    EXPECT_EQ(loaded.NullStr(), QStringLiteral("(nothing)"));
    EXPECT_FALSE(loaded.AllowKbdNull());
    EXPECT_TRUE(loaded.UseTypesInBlanks());
    EXPECT_TRUE(loaded.BlankWhenZero());
    EXPECT_TRUE(loaded.DateBlankIsNull());
    EXPECT_TRUE(loaded.CurrBlankWhenNull());
    EXPECT_FALSE(loaded.EnterAsTab());
    EXPECT_TRUE(loaded.ESCAsUndo());
    EXPECT_FALSE(loaded.NoTabStopOnReadOnly());
    EXPECT_TRUE(loaded.NegAsBrackets());
    const TOrvCompleteColorSet& a = *saved.ColorSet();
    const TOrvCompleteColorSet& b = *loaded.ColorSet();
    EXPECT_TRUE(b.Flat());
    EXPECT_TRUE(b.LineEdit());
    EXPECT_TRUE(b.ShowFocus());
    EXPECT_EQ(b.BorderSize(), 2);
    EXPECT_EQ(b.BorderHotColor(), clRed);
    EXPECT_EQ(b.RWColor(), a.RWColor());
    EXPECT_EQ(b.HotSpecialFontStyle(), a.HotSpecialFontStyle());
    EXPECT_EQ(b.ListHighlightColor(), clNone);
    EXPECT_TRUE(b.XPThemesCombos());
    EXPECT_EQ(b.NumNegFontColor(), clDefault);
    EXPECT_EQ(b.BoxFrameSize(), 2);
    EXPECT_EQ(b.ItemStyle(), elsSunken);
    EXPECT_EQ(b.HeadingDisabledBkColor(), clNavy);
    EXPECT_EQ(b.GroupFrameStyle(), egfsRound);
    EXPECT_EQ(b.GroupFrameWidth(), 3);
}

TEST_F(UIStoreFixture, KeysAreWrittenInTheirOrderUnderTheStoreSection)
{
    TOrvUICtrl ui;
    ui.SetStoreCtrl(&store);
    ui.SaveToStore();
    // Groups in the order blank/null, navigation, colour set, format; the line colours are not stored.
    const QStringList expected = {
        u"NullStr"_s, u"AllowKbdNull"_s, u"CurrUseTypesInBlanks"_s, u"BlankWhenNull"_s, u"BlankWhenZero"_s,
        u"BlankIsNull"_s, u"DateBlankWhenNull"_s, u"DateBlankWhenZero"_s, u"DateBlankIsNull"_s,
        u"CurrBlankWhenNull"_s, u"CurrBlankWhenZero"_s, u"CurrBlankIsNull"_s, u"Enter As Tab"_s,
        u"ESC As Undo"_s, u"Arrows As Tab"_s, u"No Tab on RO"_s, u"Flat"_s, u"ShowFocus"_s, u"HotTracking"_s,
        u"Border Size"_s, u"Border Color"_s, u"Border Focus Color"_s, u"Border Hot Color"_s,
        u"Border Disabled Color"_s, u"FlatBtns"_s, u"LineEdit"_s, u"NumDiff"_s, u"Disabled Color"_s,
        u"RW Color"_s, u"RO Color"_s, u"Focus Color"_s, u"Hot Color"_s, u"RW Font Color"_s,
        u"RO Font Color"_s, u"Focus Font Color"_s, u"Hot Font Color"_s, u"RW Font Style"_s,
        u"RO Font Style"_s, u"Focus Font Style"_s, u"Hot Font Style"_s, u"List Color"_s,
        u"List Font Color"_s, u"List Highlight Color"_s, u"List Highlight Font Color"_s,
        u"Special RW Color"_s, u"Special RO Color"_s, u"Special Focus Color"_s, u"Special Hot Color"_s,
        u"Special RW Font Color"_s, u"Special RO Font Color"_s, u"Special Focus Font Color"_s,
        u"Special Hot Font Color"_s, u"Special RW Font Style"_s, u"Special RO Font Style"_s,
        u"Special Focus Font Style"_s, u"Special Hot Font Style"_s, u"XP Theme for Combos"_s,
        u"Number Positive Font Color"_s, u"Number Negative Font Color"_s, u"Number Positive Font Style"_s,
        u"Number Negative Font Style"_s, u"Box Frame Size"_s, u"Box Frame Color"_s,
        u"Box Frame Focus Color"_s, u"Box Frame Hot Color"_s, u"Box Frame Disabled Color"_s,
        u"Box Null Color"_s, u"Item RW Color"_s, u"Item RO Color"_s, u"Item Focus Color"_s,
        u"Item Hot Color"_s, u"Item Disabled Color"_s, u"Mark RW Color"_s, u"Mark RO Color"_s,
        u"Mark Focus Color"_s, u"Mark Hot Color"_s, u"Mark Disabled Color"_s, u"Item RW Font Style"_s,
        u"Item RO Font Style"_s, u"Item Focus Font Style"_s, u"Item Hot Font Style"_s, u"Item Style"_s,
        u"Heading Color"_s, u"Heading Focus Color"_s, u"Heading Hot Color"_s, u"Heading Disabled Color"_s,
        u"Heading Background Color"_s, u"Heading Focus Background Color"_s,
        u"Heading Hot Background Color"_s, u"Heading Disabled Background Color"_s, u"Heading Font Style"_s,
        u"Heading Focus Font Style"_s, u"Heading Hot Font Style"_s, u"Heading Style"_s, u"Frame Style"_s,
        u"Frame Width"_s, u"NegAsBrackets"_s
    };
    EXPECT_EQ(KeysOf(QStringLiteral("Defaults")), expected);
}

TEST_F(UIStoreFixture, StoreOptionsChooseTheGroups)
{
    TOrvUICtrl ui;
    ui.SetStoreCtrl(&store);
    ui.SetStoreOptions({eutNavigation, eutFormat});
    ui.SaveToStore();
    EXPECT_EQ(KeysOf(QStringLiteral("Defaults")),
              (QStringList{QStringLiteral("Enter As Tab"), QStringLiteral("ESC As Undo"), QStringLiteral("Arrows As Tab"),
                           QStringLiteral("No Tab on RO"), QStringLiteral("NegAsBrackets")}));
}

TEST_F(UIStoreFixture, MissingAndDamagedKeysLeaveTheCurrentValue)
{
    test::WriteAll(IniPath(), "[Defaults]\nRW Color=255\nItem Style=77\nHeading Style=1\nBorder Size=9\n"
                              "Enter As Tab=0\nNullStr=-\n");
    TOrvUICtrl ui;
    ui.ColorSet()->SetROColor(clGreen);
    ui.SetStoreCtrl(&store);
    ui.LoadFromStore();
    EXPECT_EQ(ui.ColorSet()->RWColor(), 0x0000FF);
    EXPECT_EQ(ui.ColorSet()->ROColor(), clGreen) << "missing key";
    EXPECT_EQ(ui.ColorSet()->ItemStyle(), elsNormal) << "no such style";
    EXPECT_EQ(ui.ColorSet()->HeadingStyle(), elsRaised);
    EXPECT_EQ(ui.ColorSet()->BorderSize(), 2);
    EXPECT_FALSE(ui.EnterAsTab());
    EXPECT_EQ(ui.NullStr(), QStringLiteral("-"));
}

TEST_F(UIStoreFixture, LoadingThroughTheStorageControlRestylesAttachedEdits)
{
    {
        TOrvUICtrl saved;
        saved.SetStoreCtrl(&store);
        saved.ColorSet()->SetRWColor(0x00445566);
        saved.SaveToStore();
    }
    QWidget window;
    auto* edit = new TOrvkitEdit(&window);
    TOrvUICtrl ui;
    ui.SetStoreCtrl(&store);
    edit->SetUICtrl(&ui);
    store.LoadFromStore();
    EXPECT_EQ(edit->Color(), 0x00445566);
}

TEST_F(UIStoreFixture, DestroyedStorageControlIsForgotten)
{
    TOrvUICtrl ui;
    {
        TOrvStoreCtrl local;
        ui.SetStoreCtrl(&local);
    }
    EXPECT_EQ(ui.StoreCtrl(), nullptr);
    ui.SaveToStore(); // no storage: nothing happens
}

TEST(UICtrl, NotificationsReachTheKindsTheyAreMeantFor)
{
    QWidget window;
    auto* edit = new TOrvkitEdit(&window);
    TOrvUICtrl ui;
    edit->SetUICtrl(&ui);
    edit->SetNull(true);
    int changes = 0;
    ui.OnColorSetChange = [&](QObject*) { ++changes; };
    ui.SetUseTypesInBlanks(true);
    ui.SetNullStr(QStringLiteral("?"));
    EXPECT_EQ(edit->text(), QStringLiteral("?"));
    EXPECT_EQ(changes, 0) << "a switch is not a colour change";
    ui.BeginLoad();
    ui.ColorSet()->SetRWColor(clYellow);
    EXPECT_EQ(changes, 0) << "nothing while loading";
    ui.EndLoad();
    EXPECT_EQ(edit->Color(), clYellow) << "Loaded catches the controls up";
}

// ---- state control

class StateFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        edit = new TOrvkitEdit(&window);
        other = new TOrvkitEdit(&window);
        label = new QLabel(QStringLiteral("label"), &window);
        label->setObjectName(QStringLiteral("TheLabel"));
        layout->addWidget(edit);
        layout->addWidget(other);
        layout->addWidget(label);
        window.show();
        state.Controls().Add(edit);
        state.Controls().Add(label);
        state.Controls().Add(other).SetActive(false);
    }
    QWidget window;
    TOrvkitEdit* edit = nullptr;
    TOrvkitEdit* other = nullptr;
    QLabel* label = nullptr;
    TOrvStateCtrl state;
};

TEST_F(StateFixture, ReadOnlyGoesToControlsThatPublishIt)
{
    state.SetReadOnly(true);
    EXPECT_TRUE(edit->ReadOnly());
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_FALSE(other->ReadOnly()) << "inactive item";
    EXPECT_TRUE(label->isEnabled()) << "no ReadOnly, DisableOnReadOnly off";
    state.SetReadOnly(false);
    EXPECT_FALSE(edit->ReadOnly());
}

TEST_F(StateFixture, DisableOnReadOnlyDisablesTheOthers)
{
    state.SetDisableOnReadOnly(true);
    state.SetReadOnly(true);
    EXPECT_FALSE(label->isEnabled());
    EXPECT_TRUE(edit->isEnabled());
    state.SetEnabled(false);
    state.SetEnabled(true);
    EXPECT_FALSE(label->isEnabled()) << "still read-only";
    EXPECT_TRUE(edit->isEnabled());
    state.SetDisableOnReadOnly(false);
    EXPECT_TRUE(label->isEnabled());
}

TEST_F(StateFixture, EnabledAndVisibleForEveryActiveItem)
{
    state.SetEnabled(false);
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_FALSE(label->isEnabled());
    EXPECT_TRUE(other->isEnabled());
    state.SetVisible(false);
    EXPECT_FALSE(edit->isVisible());
    EXPECT_TRUE(other->isVisible());
    state.Controls().Items(2).SetActive(true);
    EXPECT_FALSE(other->isVisible()) << "a changed item is brought into line";
    EXPECT_FALSE(other->isEnabled());
}

TEST_F(StateFixture, ItemsNameTheirControlAndForgetADestroyedOne)
{
    EXPECT_EQ(state.Controls().Items(1).DisplayName(), QStringLiteral("TheLabel"));
    delete label;
    EXPECT_EQ(state.Controls().Items(1).Control(), nullptr);
    EXPECT_EQ(state.Controls().Items(1).DisplayName(), QStringLiteral("<empty>"));
    state.SetReadOnly(true);
    state.Refresh();
    EXPECT_TRUE(edit->ReadOnly());
}

} // namespace
} // namespace orv
