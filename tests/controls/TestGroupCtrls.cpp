#include <orvkit/controls/OrvkitGroupCtrls.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orv {
namespace {

QStringList Lines(int n)
{
    QStringList lines;
    for (int i = 0; i < n; ++i)
        lines << QStringLiteral("Item %1").arg(i);
    return lines;
}

/// A shown, active window: an edit, a radio group, a check group and another edit in tab order.
class GroupFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(500, 300);
        before = new QLineEdit(&window);
        before->move(5, 5);
        radio = new TOrvRadioGroup(&window);
        radio->setGeometry(5, 40, 200, 100);
        radio->SetCaption(QStringLiteral("Radio"));
        check = new TOrvCheckGroup(&window);
        check->setGeometry(210, 40, 200, 120);
        after = new QLineEdit(&window);
        after->move(5, 200);
        radio->SetItems(Lines(3));
        check->SetItems(Lines(5));
        radio->OnStateChange = [this](QObject*) { log.push_back("state"); };
        radio->OnClick = [this](QObject*) { log.push_back("click"); };
        check->OnStateChange = [this](QObject*) { log.push_back("state"); };
        check->OnValueChange = [this](QObject*) { log.push_back("value"); };
        check->OnClick = [this](QObject*) { log.push_back("click"); };
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        Focus(before);
    }
    static void Focus(QWidget* w)
    {
        w->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    TOrvRadioBtn* RadioItem(int i) const { return static_cast<TOrvRadioBtn*>(radio->ItemControl(i)); }
    TOrvCheckBox* CheckItem(int i) const { return static_cast<TOrvCheckBox*>(check->ItemControl(i)); }
    int CheckedRadio() const
    {
        int found = -1;
        for (int i = 0; i < radio->ItemCount(); ++i)
            if (RadioItem(i)->Checked())
                found = found == -1 ? i : -2;
        return found;
    }

    QWidget window;
    QLineEdit* before = nullptr;
    QLineEdit* after = nullptr;
    TOrvRadioGroup* radio = nullptr;
    TOrvCheckGroup* check = nullptr;
    std::vector<std::string> log;
};

TEST_F(GroupFixture, ItemIndexIsClampedAndEveryAssignmentFiresStateChange)
{
    const struct {
        int assigned, expected;
    } cases[] = {{1, 1}, {99, 2}, {-5, -1}, {0, 0}, {0, 0}};
    for (const auto& c : cases) {
        log.clear();
        radio->SetItemIndex(c.assigned);
        EXPECT_EQ(radio->ItemIndex(), c.expected) << c.assigned;
        EXPECT_EQ(CheckedRadio(), c.expected);
        EXPECT_EQ(log, std::vector<std::string>{"state"});
    }
    radio->SetNull(true);
    EXPECT_TRUE(radio->Null());
    EXPECT_EQ(CheckedRadio(), -1);
    log.clear();
    radio->SetNull(false);
    EXPECT_TRUE(log.empty());
}

TEST_F(GroupFixture, ItemsFillColumnsTopToBottom)
{
    radio->SetItems(Lines(5));
    radio->SetColumns(2);
    for (int i = 0; i < 5; ++i) {
        const QRect r = RadioItem(i)->geometry();
        EXPECT_EQ(r.x(), i < 3 ? 8 : 102) << "item " << i;
        EXPECT_EQ(r.y(), RadioItem(i % 3)->geometry().y());
        EXPECT_TRUE(RadioItem(i)->isVisible());
        EXPECT_EQ(RadioItem(i)->Caption(), QStringLiteral("Item %1").arg(i));
    }
    EXPECT_LT(RadioItem(0)->geometry().y(), RadioItem(1)->geometry().y());
    const int captionedTop = RadioItem(0)->geometry().y();
    radio->SetCaption(QString());
    EXPECT_LT(RadioItem(0)->geometry().y(), captionedTop) << "no caption: the items move up";
}

TEST_F(GroupFixture, ColumnsAreKeptToOneToSixteen)
{
    const struct {
        int assigned, expected;
    } cases[] = {{0, 1}, {-3, 1}, {20, 16}, {16, 16}, {3, 3}};
    for (const auto& c : cases) {
        radio->SetColumns(c.assigned);
        EXPECT_EQ(radio->Columns(), c.expected) << c.assigned;
    }
}

TEST_F(GroupFixture, ChangingItemsKeepsTheIndexInRange)
{
    radio->SetItemIndex(2);
    radio->SetItems(Lines(2));
    EXPECT_EQ(radio->ItemCount(), 2);
    EXPECT_EQ(radio->ItemIndex(), 1);
    EXPECT_EQ(CheckedRadio(), 1);
    radio->SetItems({});
    EXPECT_EQ(radio->ItemIndex(), -1);
}

TEST_F(GroupFixture, AUserChoiceChecksTheItemAndAsksBeforeTheChange)
{
    std::vector<int> asked;
    radio->OnBeforeChange = [&](QObject*, int index, bool& allow) {
        asked.push_back(index);
        allow = index != 2;
    };
    radio->SetItemIndex(0);
    log.clear();
    QTest::mouseClick(RadioItem(1), Qt::LeftButton);
    EXPECT_EQ(radio->ItemIndex(), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"state", "click"}));
    log.clear();
    QTest::mouseClick(RadioItem(2), Qt::LeftButton);
    EXPECT_EQ(asked, (std::vector<int>{1, 2}));
    EXPECT_EQ(radio->ItemIndex(), 1) << "refused";
    EXPECT_EQ(CheckedRadio(), 1);
    EXPECT_EQ(log, std::vector<std::string>{"state"}) << "no click and no second state change";
}

TEST_F(GroupFixture, TheGroupHandsItsFocusToTheCheckedItemAndTabLeavesIt)
{
    radio->SetItemIndex(2);
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), RadioItem(2));
    QTest::keyClick(RadioItem(2), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), CheckItem(0)) << "into the check group, none ticked: its first box";
    QTest::keyClick(CheckItem(0), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), RadioItem(2));
    QTest::keyClick(RadioItem(2), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), before);
    EXPECT_EQ(radio->ItemIndex(), 2);

    radio->SetNull(true);
    Focus(radio);
    EXPECT_EQ(QApplication::focusWidget(), RadioItem(0));
    EXPECT_EQ(radio->ItemIndex(), 0) << "an item checks itself when it takes the focus";
}

TEST_F(GroupFixture, KeysOnAnItemGoToTheGroupFirst)
{
    radio->SetItemIndex(1);
    int nulls = 0;
    radio->OnNull = [&](QObject*) { ++nulls; };
    std::vector<QChar> groupKeys;
    radio->OnKeyPress = [&](QObject*, QChar& key) { groupKeys.push_back(key); };
    Focus(RadioItem(1));
    ASSERT_EQ(radio->EnterIndex(), 1);
    QTest::keyClick(RadioItem(1), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(radio->Null());
    EXPECT_EQ(nulls, 1);
    EXPECT_EQ(groupKeys, std::vector<QChar>{QChar(14)});
    log.clear();
    QTest::keyClick(RadioItem(1), Qt::Key_Escape);
    EXPECT_EQ(radio->ItemIndex(), 1) << "back to the index at entry";
    EXPECT_EQ(CheckedRadio(), 1);
    EXPECT_TRUE(log.empty());
    QTest::keyClick(RadioItem(1), Qt::Key_Return);
    EXPECT_FALSE(radio->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(GroupFixture, EnteringAndLeavingCountForTheWholeGroup)
{
    int enters = 0, exits = 0;
    radio->OnEnter = [&](QObject*) { ++enters; };
    radio->OnExit = [&](QObject*) { ++exits; };
    Focus(RadioItem(0));
    Focus(RadioItem(2));
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(radio->Focused());
    Focus(after);
    EXPECT_EQ(exits, 1);
    EXPECT_FALSE(radio->Focused());
}

TEST_F(GroupFixture, ReadOnlyColoursAndUIControlReachTheItems)
{
    radio->SetReadOnly(true);
    for (int i = 0; i < radio->ItemCount(); ++i) {
        EXPECT_TRUE(RadioItem(i)->ReadOnly());
        EXPECT_FALSE(RadioItem(i)->TabStop());
        EXPECT_TRUE(RadioItem(i)->IsGroupItem());
    }
    Focus(RadioItem(1));
    EXPECT_EQ(radio->ItemIndex(), -1) << "a read-only item does not check itself";

    radio->ColorSet().SetMarkRWColor(clRed);
    EXPECT_EQ(RadioItem(2)->ColorSet().MarkRWColor(), clRed);
    TOrvUICtrl ui;
    radio->SetUICtrl(&ui);
    EXPECT_EQ(RadioItem(0)->UICtrl(), &ui);
    radio->SetItems(Lines(4));
    EXPECT_EQ(RadioItem(3)->UICtrl(), &ui) << "a new item shares the UI control";
    EXPECT_EQ(RadioItem(3)->ColorSet().MarkRWColor(), clRed);
    radio->SetFocusPenStyle(Qt::NoPen);
    radio->SetItemGap(9);
    EXPECT_EQ(RadioItem(3)->FocusPenStyle(), Qt::NoPen);
    EXPECT_EQ(RadioItem(3)->CaptionGap(), 9);
}

TEST_F(GroupFixture, ItemEventsDecideEnabledStateAndColours)
{
    check->OnItemEnabled = [](QObject*, uint32_t element, bool& enabled) { enabled = element != 1; };
    check->OnItemColor = [](QObject*, uint32_t element, TColor& rw, TColor& ro, TColor& focus) {
        rw = TColor(element);
        ro = clRed;
        focus = clBlue;
    };
    check->RedrawItems();
    EXPECT_FALSE(CheckItem(1)->isEnabled());
    EXPECT_TRUE(CheckItem(2)->isEnabled());
    EXPECT_EQ(CheckItem(3)->ColorSet().ItemRWColor(), 3);
    EXPECT_EQ(CheckItem(3)->ColorSet().ItemROColor(), clRed);
    check->setEnabled(false);
    EXPECT_FALSE(CheckItem(2)->isEnabled());
    check->setEnabled(true);
    EXPECT_TRUE(CheckItem(2)->isEnabled());
    EXPECT_FALSE(CheckItem(1)->isEnabled());

    check->OnItemColor = nullptr;
    check->ColorSet().SetItemRWColor(clGreen);
    check->RedrawItems();
    EXPECT_EQ(CheckItem(3)->ColorSet().ItemRWColor(), clGreen);
}

TEST_F(GroupFixture, ACheckGroupShowsAtMost32Boxes)
{
    check->SetItems(Lines(40));
    EXPECT_EQ(check->ItemCount(), 32);
    check->SetAll();
    EXPECT_EQ(check->AsBitList(), 0xFFFFFFFFu);
    EXPECT_EQ(check->AsInteger(), -1);
    EXPECT_EQ(check->AsBitString(), QString(32, QLatin1Char('1')));
}

TEST_F(GroupFixture, TheValueIsKeptToTheBoxes)
{
    log.clear();
    check->SetAll();
    EXPECT_EQ(check->AsBitList(), 31u);
    EXPECT_EQ(log, (std::vector<std::string>{"state", "value"})) << "setting the boxes is no user's click";
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(CheckItem(i)->Checked());
    check->SetAsBitString(QStringLiteral("101"));
    EXPECT_EQ(check->AsBitList(), 5u);
    EXPECT_EQ(check->AsBitString(), QStringLiteral("10100"));
    EXPECT_TRUE(CheckItem(2)->Checked());
    EXPECT_FALSE(CheckItem(1)->Checked());
    check->SetAsBitString(QStringLiteral("00001111"));
    EXPECT_EQ(check->AsBitList(), 16u) << "characters beyond the boxes are ignored";
    check->ToggleAll();
    EXPECT_EQ(check->AsBitList(), 15u);
    check->SetAsInteger(-1);
    EXPECT_EQ(check->AsBitList(), 31u);
    check->Clear();
    EXPECT_EQ(check->AsBitList(), 0u);
}

TEST_F(GroupFixture, BoxOperationsIgnoreNumbersOutside0To31)
{
    check->SetItems(Lines(32));
    const struct {
        int index;
        uint32_t afterSet;
    } cases[] = {{0, 1u}, {31, 0x80000000u}, {32, 0u}, {-1, 0u}, {1000, 0u}};
    for (const auto& c : cases) {
        check->Clear();
        check->SetBox(c.index);
        EXPECT_EQ(check->AsBitList(), c.afterSet) << c.index;
        EXPECT_EQ(check->BoxIsSet(c.index), c.afterSet != 0);
        check->ToggleBox(c.index);
        EXPECT_EQ(check->AsBitList(), 0u);
        check->ToggleBox(c.index);
        check->ClearBox(c.index);
        EXPECT_EQ(check->AsBitList(), 0u);
    }
}

TEST_F(GroupFixture, ANullCheckGroupStaysNullForZero)
{
    check->SetAsBitList(3);
    log.clear();
    check->SetNull(true);
    EXPECT_TRUE(check->Null());
    EXPECT_EQ(check->AsBitList(), 0u);
    EXPECT_FALSE(CheckItem(0)->Checked());
    EXPECT_EQ(log, (std::vector<std::string>{"state", "value"}));
    log.clear();
    check->SetAsBitList(0);
    EXPECT_TRUE(check->Null());
    EXPECT_TRUE(log.empty());
    check->SetAsBitList(4);
    EXPECT_FALSE(check->Null());
}

TEST_F(GroupFixture, AUserTickRecomputesTheValue)
{
    check->SetNull(true);
    log.clear();
    QTest::mouseClick(CheckItem(3), Qt::LeftButton);
    EXPECT_EQ(check->AsBitList(), 8u);
    EXPECT_EQ(check->ItemIndex(), 3);
    EXPECT_FALSE(check->Null());
    EXPECT_EQ(log, (std::vector<std::string>{"state", "click", "value"}));
    QTest::keyClick(CheckItem(3), Qt::Key_Space);
    EXPECT_EQ(check->AsBitList(), 0u);
    QTest::keyClick(CheckItem(3), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(check->Null());
    EXPECT_EQ(CheckItem(3)->State(), cbUnchecked) << "the group took the key: the box is not null itself";
}

TEST_F(GroupFixture, ABoxOfACheckGroupIsNeverNullItself)
{
    check->SetAllowKbdNull(false);
    Focus(CheckItem(1));
    QTest::keyClick(CheckItem(1), Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(check->Null());
    EXPECT_EQ(CheckItem(1)->State(), cbUnchecked);
}

TEST_F(GroupFixture, EscInACheckGroupRestoresTheCurrentItemButNotTheTicks)
{
    Focus(CheckItem(0));
    QTest::keyClick(CheckItem(0), Qt::Key_Space);
    ASSERT_EQ(check->ItemIndex(), 0);
    ASSERT_EQ(check->EnterIndex(), -1);
    log.clear();
    QTest::keyClick(CheckItem(0), Qt::Key_Escape);
    EXPECT_EQ(check->ItemIndex(), -1);
    EXPECT_EQ(check->AsBitList(), 1u);
    EXPECT_TRUE(CheckItem(0)->Checked());
    EXPECT_TRUE(log.empty());
}

TEST(GroupLoading, ValuesReadBeforeTheItemsAreKeptUntilLoaded)
{
    TOrvCheckGroup check;
    check.BeginLoad();
    check.SetAsBitList(0xFF);
    check.SetItems(Lines(3));
    EXPECT_EQ(check.ItemCount(), 0) << "items are built after loading";
    check.EndLoad();
    EXPECT_EQ(check.ItemCount(), 3);
    EXPECT_EQ(check.AsBitList(), 7u);
    EXPECT_TRUE(static_cast<TOrvCheckBox*>(check.ItemControl(2))->Checked());

    TOrvRadioGroup radio;
    int changes = 0;
    radio.OnStateChange = [&](QObject*) { ++changes; };
    radio.BeginLoad();
    radio.SetItemIndex(1);
    radio.SetItems(Lines(2));
    radio.EndLoad();
    EXPECT_EQ(radio.ItemIndex(), 1);
    EXPECT_TRUE(static_cast<TOrvRadioBtn*>(radio.ItemControl(1))->Checked());
    EXPECT_EQ(changes, 0);
}

TEST(GroupBox, ClientAreaCaptionFontAndAccelerator)
{
    QWidget window;
    auto* box = new TOrvGroupBox(&window);
    EXPECT_EQ(box->size(), QSize(200, 100));
    EXPECT_EQ(box->AlignCaption(), eacCaptionLeft);
    const int fontHeight = QFontMetrics(box->font()).height();
    EXPECT_EQ(box->ClientRect(), QRect(2, fontHeight + 2, 196, 100 - fontHeight - 4));
    EXPECT_TRUE(box->ParentFont());
    QFont big = box->font();
    big.setPointSize(big.pointSize() + 6);
    box->SetCaptionFont(big);
    EXPECT_EQ(box->CaptionFont(), big);
    EXPECT_FALSE(box->ParentFont());

    auto* inner = new QLineEdit(box);
    auto* outside = new QLineEdit(&window);
    box->SetCaption(QStringLiteral("&Options"));
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    outside->setFocus();
    QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), inner);
    EXPECT_TRUE(box->Focused());
}

} // namespace
} // namespace orv
