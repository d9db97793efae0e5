#include <orvkit/controls/OrvkitCheckBox.h>
#include <orvkit/controls/OrvkitRadioBtn.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace orv {
namespace {

/// A shown, active window with two check boxes and three radio buttons in tab order.
class CheckFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(300, 200);
        start = new QLineEdit(&window);
        start->move(150, 5);
        for (int i = 0; i < 2; ++i) {
            boxes[i] = new TOrvCheckBox(&window);
            boxes[i]->move(5, 5 + 20 * i);
        }
        for (int i = 0; i < 3; ++i) {
            radios[i] = new TOrvRadioBtn(&window);
            radios[i]->move(5, 50 + 20 * i);
        }
        boxes[0]->OnClick = [this](QObject*) { ++clicks; };
        boxes[0]->OnStateChange = [this](QObject*) { ++stateChanges; };
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        Focus(start);
    }
    static void Focus(QWidget* w)
    {
        w->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }
    static QRgb PixelAt(QWidget* w, QPoint p) { return w->grab().toImage().pixel(p); }
    static QRgb Rgb(TColor c, const QWidget* w) { return ColorToQColor(c, w->palette()).rgb(); }

    QWidget window;
    QLineEdit* start = nullptr;
    TOrvCheckBox* boxes[2] = {};
    TOrvRadioBtn* radios[3] = {};
    int clicks = 0, stateChanges = 0;
};

TEST_F(CheckFixture, DefaultsAndPublishedProperties)
{
    TOrvCheckBox& b = *boxes[0];
    EXPECT_EQ(b.size(), QSize(100, 17));
    EXPECT_EQ(b.State(), cbUnchecked);
    EXPECT_TRUE(b.TabStop());
    EXPECT_EQ(b.property("Version").toString(), QStringLiteral("6.15.1"));
    EXPECT_EQ(b.BoxWidth(), 12);
    EXPECT_EQ(b.CaptionGap(), 5);
    EXPECT_EQ(b.FocusPenStyle(), Qt::DotLine);
    EXPECT_TRUE(b.setProperty("ReadOnly", true));
    EXPECT_TRUE(b.ReadOnly());
    EXPECT_TRUE(b.setProperty("Null", true));
    EXPECT_TRUE(b.Null());
    EXPECT_TRUE(b.setProperty("CheckStyle", QVariant::fromValue(ecsCross)));
    EXPECT_EQ(b.CheckStyle(), ecsCross);
    EXPECT_EQ(b.property("AlignCaption").value<TOrvAlignCaption>(), eacCaptionRight);
    EXPECT_FALSE(radios[0]->Checked());
    b.SetRight(150);
    EXPECT_EQ(b.Left(), 50);
}

TEST_F(CheckFixture, ToggleStateGoesToCheckedFromUncheckedAndNull)
{
    const struct {
        TCheckBoxState from, to;
    } cases[] = {{cbUnchecked, cbChecked}, {cbChecked, cbUnchecked}, {cbGrayed, cbChecked}};
    for (const auto& c : cases) {
        boxes[0]->SetState(c.from);
        clicks = stateChanges = 0;
        boxes[0]->ToggleState();
        EXPECT_EQ(boxes[0]->State(), c.to) << "from " << c.from;
        EXPECT_EQ(stateChanges, 1);
        EXPECT_EQ(clicks, 1);
    }
    boxes[0]->SetState(cbChecked);
    clicks = stateChanges = 0;
    boxes[0]->SetChecked(true);
    EXPECT_EQ(stateChanges + clicks, 0) << "an unchanged state fires nothing";
}

TEST_F(CheckFixture, SpaceAndClickMakeANullBoxChecked)
{
    TOrvCheckBox& b = *boxes[0];
    b.SetNull(true);
    Focus(&b);
    stateChanges = 0;
    QTest::keyClick(&b, Qt::Key_Space);
    EXPECT_EQ(b.State(), cbChecked);
    EXPECT_EQ(stateChanges, 1);

    b.SetNull(true);
    stateChanges = 0;
    QTest::mouseClick(&b, Qt::LeftButton);
    EXPECT_EQ(b.State(), cbChecked);
    EXPECT_EQ(stateChanges, 1);
    QTest::mouseClick(&b, Qt::LeftButton);
    EXPECT_EQ(b.State(), cbUnchecked);
    QTest::mouseClick(&b, Qt::RightButton);
    EXPECT_EQ(b.State(), cbUnchecked) << "only the left button clicks";
}

TEST_F(CheckFixture, ReadOnlyAndDisabledBoxesKeepTheirState)
{
    TOrvCheckBox& b = *boxes[0];
    b.SetReadOnly(true);
    EXPECT_FALSE(b.TabStop()) << "no tab stop on read-only by default";
    Focus(&b);
    QTest::keyClick(&b, Qt::Key_Space);
    QTest::mouseClick(&b, Qt::LeftButton);
    EXPECT_EQ(b.State(), cbUnchecked);
    b.SetReadOnly(false);
    EXPECT_TRUE(b.TabStop());
    b.setEnabled(false);
    QTest::mouseClick(&b, Qt::LeftButton);
    EXPECT_EQ(b.State(), cbUnchecked);

    GlobalNoTabStopOnReadOnly = false;
    b.SetReadOnly(true);
    GlobalNoTabStopOnReadOnly = true;
    EXPECT_TRUE(b.TabStop()) << "the navigation default may keep the tab stop";
}

TEST_F(CheckFixture, DisabledCaptionStaysVisibleOnTheDefaultColours)
{
    // The default disabled caption colour is the window colour, the box's own background.
    TOrvCheckBox& b = *boxes[1];
    b.SetCaption(QStringLiteral("MMMM"));
    b.setEnabled(false);
    const QImage image = b.grab().toImage();
    const QRgb background = Rgb(b.Color(), &b);
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = b.BoxWidth() + b.CaptionGap(); x < image.width(); ++x)
            ink += image.pixel(x, y) != background ? 1 : 0;
    EXPECT_GT(ink, 20);
}

TEST_F(CheckFixture, EscReturnsToTheStateAtEntryWithoutEvents)
{
    TOrvCheckBox& b = *boxes[0];
    b.SetChecked(true);
    Focus(&b);
    EXPECT_EQ(b.EnterState(), cbChecked);
    QTest::keyClick(&b, Qt::Key_Space);
    QTest::keyClick(&b, Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(b.State(), cbGrayed);
    clicks = stateChanges = 0;
    QTest::keyClick(&b, Qt::Key_Escape);
    EXPECT_EQ(b.State(), cbChecked);
    EXPECT_EQ(clicks + stateChanges, 0);
}

TEST_F(CheckFixture, CtrlNMakesEvenAReadOnlyBoxNull)
{
    TOrvCheckBox& b = *boxes[0];
    int nulls = 0;
    b.OnNull = [&](QObject*) { ++nulls; };
    b.SetChecked(true);
    b.SetReadOnly(true);
    Focus(&b);
    QTest::keyClick(&b, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(b.Null());
    EXPECT_EQ(nulls, 1);

    b.SetChecked(true);
    b.SetAllowKbdNull(false);
    QTest::keyClick(&b, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(b.Checked()) << "own switch off";
    TOrvUICtrl ui;
    b.SetUICtrl(&ui);
    QTest::keyClick(&b, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(b.Null()) << "the UI control's switch with eutBlank_Null";
}

TEST_F(CheckFixture, EnterMovesOnUnlessTheNavigationSwitchIsOff)
{
    Focus(boxes[0]);
    QTest::keyClick(boxes[0], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), boxes[1]);
    TOrvUICtrl ui;
    ui.SetEnterAsTab(false);
    boxes[1]->SetUICtrl(&ui);
    QTest::keyClick(boxes[1], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), boxes[1]);
    radios[2]->SetChecked(true);
    Focus(radios[2]);
    QTest::keyClick(radios[2], Qt::Key_Return);
    EXPECT_NE(QApplication::focusWidget(), radios[2]);
}

TEST_F(CheckFixture, OnKeyPressComesFirstAndMaySwallowTheKey)
{
    TOrvCheckBox& b = *boxes[0];
    b.OnKeyPress = [](QObject*, QChar& key) {
        if (key == u' ')
            key = QChar();
    };
    Focus(&b);
    QTest::keyClick(&b, Qt::Key_Space);
    EXPECT_EQ(b.State(), cbUnchecked);
}

TEST_F(CheckFixture, AcceleratorFocusesAndToggles)
{
    boxes[1]->SetCaption(QStringLiteral("&Beta"));
    Focus(boxes[0]);
    QTest::keyClick(&window, Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), boxes[1]);
    EXPECT_TRUE(boxes[1]->Checked());
    boxes[1]->SetReadOnly(true);
    QTest::keyClick(&window, Qt::Key_B, Qt::AltModifier);
    EXPECT_TRUE(boxes[1]->Checked()) << "a read-only box ignores its accelerator too";
}

TEST_F(CheckFixture, BoxColoursFollowTheState)
{
    TOrvCheckBox& b = *boxes[0];
    const QPoint centre = ItemMarkRect(b.Geometry()).center();
    b.ColorSet().SetROColor(clRed);
    b.ColorSet().SetBoxNullColor(clLime);
    b.ColorSet().SetShowFocus(true);
    b.ColorSet().SetFocusColor(clYellow);
    EXPECT_EQ(PixelAt(&b, centre), Rgb(clWindow, &b));
    b.SetReadOnly(true);
    EXPECT_EQ(PixelAt(&b, centre), Rgb(clRed, &b));
    b.SetReadOnly(false);
    b.SetNull(true);
    EXPECT_EQ(PixelAt(&b, centre), Rgb(clLime, &b));
    b.SetNull(false);
    Focus(&b);
    EXPECT_EQ(PixelAt(&b, centre), Rgb(clYellow, &b));

    TOrvUICtrl ui;
    ui.ColorSet()->SetFocusColor(clAqua);
    ui.ColorSet()->SetShowFocus(true);
    b.SetUICtrl(&ui);
    b.SetUIUsage({eutNavigation});
    EXPECT_EQ(PixelAt(&b, centre), Rgb(clAqua, &b)) << "the UI control's set paints whatever the usage";
}

TEST_F(CheckFixture, AUIControlThatGoesAwayIsLetGo)
{
    TOrvCheckBox& b = *boxes[0];
    b.ColorSet().SetRWColor(clRed);
    const QPoint centre = ItemMarkRect(b.Geometry()).center();
    auto ui = std::make_unique<TOrvUICtrl>();
    ui->ColorSet()->SetRWColor(clLime);
    b.SetUICtrl(ui.get());
    EXPECT_TRUE(ui->IsAttached(&b));
    EXPECT_EQ(PixelAt(&b, centre), Rgb(clLime, &b));
    ui.reset();
    EXPECT_EQ(b.UICtrl(), nullptr);
    EXPECT_EQ(PixelAt(&b, centre), Rgb(clRed, &b));
}

TEST_F(CheckFixture, FlatBoxOnFocusShowsItsFrameOnlyWhenFocusedOrHot)
{
    TOrvCheckBox& b = *boxes[0];
    b.ColorSet().SetFlat(true);
    b.ColorSet().SetBoxFrameColor(clBlue);
    b.ColorSet().SetBoxFrameFocusColor(clBlue);
    b.ColorSet().SetBoxFrameHotColor(clBlue);
    b.SetBoxOnFocus(true);
    const QPoint corner = ItemMarkRect(b.Geometry()).topLeft();
    EXPECT_NE(PixelAt(&b, corner), Rgb(clBlue, &b));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&b, &enter);
    EXPECT_NE(PixelAt(&b, corner), Rgb(clBlue, &b)) << "hot counts only with hot tracking";
    b.ColorSet().SetHotTracking(true);
    EXPECT_EQ(PixelAt(&b, corner), Rgb(clBlue, &b));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&b, &leave);
    EXPECT_NE(PixelAt(&b, corner), Rgb(clBlue, &b));
    Focus(&b);
    EXPECT_EQ(PixelAt(&b, corner), Rgb(clBlue, &b));
}

TEST_F(CheckFixture, SpecialColoursFollowTheDecision)
{
    TOrvCheckBox& b = *boxes[0];
    const QPoint centre = ItemMarkRect(b.Geometry()).center();
    b.ColorSet().SetSpecialColorType(escEvent);
    b.ColorSet().SetRWSpecialColor(clRed);
    bool special = true;
    b.OnSpecialColor = [&](QObject* sender, bool& use) {
        EXPECT_EQ(sender, &b);
        use = special;
    };
    EXPECT_EQ(PixelAt(&b, centre), Rgb(clRed, &b));
    special = false;
    EXPECT_EQ(PixelAt(&b, centre), Rgb(clWindow, &b));
    b.ColorSet().SetSpecialColorType(escPopup);
    EXPECT_FALSE(b.DecideSpecial());
    TOrvPopupMenu menu;
    b.SetPopupMenu(&menu);
    EXPECT_TRUE(b.DecideSpecial());
}

TEST_F(CheckFixture, UpdateSuppressesPainting)
{
    TOrvCheckBox& b = *boxes[0];
    b.ColorSet().SetRWColor(clRed);
    const QPoint centre = ItemMarkRect(b.Geometry()).center();
    b.BeginUpdate();
    EXPECT_NE(PixelAt(&b, centre), Rgb(clRed, &b));
    b.EndUpdate();
    EXPECT_EQ(PixelAt(&b, centre), Rgb(clRed, &b));
}

TEST_F(CheckFixture, CheckingARadioButtonUnchecksItsSiblingsAndTakesTheTabStop)
{
    int changes = 0;
    radios[0]->OnStateChange = [&](QObject*) { ++changes; };
    radios[0]->SetChecked(true);
    radios[1]->SetChecked(true);
    EXPECT_FALSE(radios[0]->Checked());
    EXPECT_TRUE(radios[1]->Checked());
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(radios[1]->TabStop());
    EXPECT_FALSE(radios[0]->TabStop());

    QWidget other;
    TOrvRadioBtn elsewhere(&other);
    elsewhere.SetChecked(true);
    EXPECT_TRUE(radios[1]->Checked()) << "another parent is another group";

    radios[2]->BeginLoad();
    radios[2]->SetChecked(true);
    radios[2]->EndLoad();
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(radios[1]->Checked());
}

TEST_F(CheckFixture, ARadioButtonChecksItselfOnFocusUnlessReadOnly)
{
    radios[0]->SetReadOnly(true);
    Focus(radios[0]);
    EXPECT_FALSE(radios[0]->Checked());
    radios[0]->SetReadOnly(false);
    EXPECT_TRUE(radios[0]->Checked()) << "made writable while focused";
    QTest::mouseClick(radios[1], Qt::LeftButton);
    EXPECT_TRUE(radios[1]->Checked());
    EXPECT_FALSE(radios[0]->Checked());
}

} // namespace
} // namespace orv
