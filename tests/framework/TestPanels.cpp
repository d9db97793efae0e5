#include <orvkit/framework/OrvkitEditBtnPanel.h>

#include <orvkit/framework/OrvkitSpeedBtn.h>

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace orv {
namespace {

/// The two families of button panel: an up/down pair 16 wide beside a 71-pixel edit,
/// and one 21-pixel button beside a 66-pixel edit.
class TTestPanel : public TOrvEditBtnPanel {
public:
    TTestPanel(QWidget* parent, bool pair)
        : TOrvEditBtnPanel(parent, std::make_unique<TOrvBaseEdit>(), pair ? 71 : 66, pair ? 16 : 21)
    {
        AddButton(new TOrvSpeedBtn(this));
        if (pair)
            AddButton(new TOrvSpeedBtn(this));
    }
    QRect EditRect() const { return Edit()->geometry(); }
    QRect ButtonRect(int i) const { return Buttons()[i]->geometry(); }
};

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(400, 200);
        other = new QLineEdit(&window);
        other->move(0, 100);
        spin = new TTestPanel(&window, true);
        single = new TTestPanel(&window, false);
        single->move(0, 40);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget window;
    QLineEdit* other = nullptr;
    TTestPanel* spin = nullptr;
    TTestPanel* single = nullptr;
};

TEST_F(PanelTest, LayoutOfBothFamilies)
{
    // AutoSize: as high as the edit wants to be in its font.
    const int h = spin->Edit()->sizeHint().height();
    EXPECT_EQ(spin->size(), QSize(87, h));
    EXPECT_EQ(spin->EditRect(), QRect(0, 0, 71, h));
    EXPECT_EQ(spin->ButtonRect(0), QRect(71, 0, 16, h - h / 2)); // up takes the odd pixel
    EXPECT_EQ(spin->ButtonRect(1), QRect(71, h - h / 2, 16, h / 2));
    EXPECT_EQ(single->size(), QSize(87, h));
    EXPECT_EQ(single->ButtonRect(0), QRect(66, 0, 21, h));

    spin->resize(87, 40);
    EXPECT_EQ(spin->height(), h) << "AutoSize keeps the edit's height";
    spin->Edit()->SetAutoSize(false);
    spin->resize(120, 30);
    EXPECT_EQ(spin->EditRect(), QRect(0, 0, 104, 30));
    EXPECT_EQ(spin->ButtonRect(0), QRect(104, 0, 16, 15));
    EXPECT_EQ(spin->ButtonRect(1), QRect(104, 15, 16, 15));

    // A hidden button leaves its room empty.
    single->SetHideButton(true);
    EXPECT_FALSE(single->Buttons()[0]->isVisible());
    EXPECT_EQ(single->EditRect().width(), 66);
}

TEST_F(PanelTest, RightAndBottomMoveWithoutResizing)
{
    spin->SetRight(300);
    spin->SetBottom(90);
    const int h = spin->height();
    EXPECT_EQ(spin->geometry(), QRect(213, 90 - h, 87, h));
    EXPECT_EQ(spin->Right(), 300);
}

TEST_F(PanelTest, FocusGoesToTheEditAndItsEventsBecomeThePanels)
{
    int changes = 0, enters = 0, exits = 0, keys = 0;
    QObject* sender = nullptr;
    spin->OnChange = [&](QObject* s) { ++changes; sender = s; };
    spin->OnEnter = [&](QObject*) { ++enters; };
    spin->OnExit = [&](QObject*) { ++exits; };
    spin->OnKeyPress = [&](QObject*, QChar&) { ++keys; };
    other->setFocus();
    QTest::keyClick(other, Qt::Key_Tab);
    EXPECT_TRUE(spin->Edit()->hasFocus());
    EXPECT_EQ(enters, 1);
    QTest::keyClicks(spin->Edit(), "12");
    EXPECT_EQ(spin->Text(), u"12");
    EXPECT_EQ(keys, 2);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(sender, spin);
    other->setFocus();
    EXPECT_EQ(exits, 1);

    spin->setFocus();
    EXPECT_TRUE(spin->Edit()->hasFocus());
}

TEST_F(PanelTest, KeysTheEditLeavesAloneReachThePanelsHandlersOnce)
{
    int downs = 0, raw = 0, ups = 0;
    spin->OnKeyDown = [&](QObject*, uint16_t&, TShiftState) { ++downs; };
    spin->OnCNKeyDown = [&](QObject*, uint16_t&, TShiftState) { ++raw; };
    spin->OnKeyUp = [&](QObject* s, uint16_t&, TShiftState) {
        EXPECT_EQ(s, spin);
        ++ups;
    };
    spin->Edit()->setFocus();
    QTest::keyClick(spin->Edit(), Qt::Key_PageDown); // the native edit ignores it
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(raw, 1);
    EXPECT_EQ(ups, 1);
}

TEST_F(PanelTest, EditOperationsReachTheEdit)
{
    spin->SetText(QStringLiteral("12345"));
    spin->SetSelStart(1);
    spin->SetSelLength(3);
    EXPECT_EQ(spin->SelText(), u"234");
    QChar buffer[3];
    EXPECT_EQ(spin->GetSelTextBuf(buffer, 3), 2); // room for two and the terminator
    EXPECT_EQ(QString(buffer, 2), u"23");
    EXPECT_EQ(buffer[2], QChar());
    EXPECT_EQ(spin->GetSelTextBuf(nullptr, 5), 0);
    spin->SetSelTextBuf(QStringLiteral("x"));
    EXPECT_EQ(spin->Text(), u"1x5");
    spin->SetModified(true);
    spin->ClearUndo();
    EXPECT_EQ(spin->Text(), u"1x5");
    EXPECT_TRUE(spin->Modified());
    spin->Undo(); // nothing left to undo
    EXPECT_EQ(spin->Text(), u"1x5");
    spin->Clear();
    EXPECT_EQ(spin->Text(), u"");

    // The plain base has no edit: everything is empty, and Text is the caption.
    TOrvCustomBtnPanel plain;
    EXPECT_EQ(plain.Text(), u" ");
    EXPECT_EQ(plain.ColorSet(), nullptr);
    EXPECT_EQ(plain.SelLength(), 0);
}

TEST_F(PanelTest, RelaysAreSilentWhileLoading)
{
    int nullChanges = 0, colorChanges = 0;
    spin->OnNullChange = [&](QObject*) { ++nullChanges; };
    spin->OnColorSetChange = [&](QObject*) { ++colorChanges; };
    spin->Edit()->SetNull(true);
    EXPECT_EQ(nullChanges, 1);
    spin->BeginLoad();
    spin->Edit()->SetNull(false);
    spin->EndLoad();
    EXPECT_EQ(nullChanges, 1);
    TOrvEditColorSet set;
    set.SetFlatBtns(false);
    spin->SetColorSet(set);
    EXPECT_FALSE(spin->ColorSet()->FlatBtns()); // copied into the edit's own set
    EXPECT_NE(spin->ColorSet(), &set);
    EXPECT_FALSE(spin->Buttons()[0]->autoRaise());
}

TEST_F(PanelTest, UIControlStylesPanelEditAndButtons)
{
    auto ui = std::make_unique<TOrvUICtrl>();
    ui->ColorSet()->SetFlatBtns(false);
    spin->SetUICtrl(ui.get());
    EXPECT_EQ(spin->Edit()->UICtrl(), ui.get());
    EXPECT_TRUE(ui->IsAttached(spin));
    EXPECT_TRUE(ui->IsAttached(spin->Edit()));
    EXPECT_FALSE(spin->Buttons()[0]->autoRaise());
    ui->ColorSet()->SetFlatBtns(true); // a change of the set restyles what is attached
    EXPECT_TRUE(spin->Buttons()[1]->autoRaise());

    spin->SetUIUsage(TOrvUIUsageTypes{eutNavigation});
    EXPECT_EQ(spin->Edit()->UIUsage(), TOrvUIUsageTypes{eutNavigation});
    ui.reset();
    EXPECT_EQ(spin->UICtrl(), nullptr);
    EXPECT_EQ(spin->Edit()->UICtrl(), nullptr);
}

TEST_F(PanelTest, DestroyingAFocusedPanelReachesNoHandler)
{
    bool exited = false;
    spin->OnExit = [&](QObject*) { exited = true; };
    spin->Edit()->setFocus();
    delete spin;
    spin = nullptr;
    EXPECT_FALSE(exited);
}

} // namespace
} // namespace orv
