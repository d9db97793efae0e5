#include "controls/ItemWindow.h"

#include <orvkit/framework/OrvkitUICtrl.h>

#include <string>
#include <vector>

namespace orv {
namespace {

using ItemEvents = ItemWindow;

std::string ShiftText(TShiftState shift)
{
    std::string text;
    const struct {
        TShiftStateItem item;
        const char* name;
    } names[] = {{ssShift, "shift"}, {ssCtrl, "ctrl"}, {ssLeft, "left"}, {ssRight, "right"}, {ssDouble, "double"}};
    for (const auto& n : names)
        if (shift & n.item)
            text += std::string(text.empty() ? "" : "+") + n.name;
    return text;
}

TEST_F(ItemEvents, ColorSetUIControlUsageRightAndBottomArePublished)
{
    TOrvUICtrl ui;
    for (TOrvItemControlBase* control : {static_cast<TOrvItemControlBase*>(box),
                                         static_cast<TOrvItemControlBase*>(radios[0]),
                                         static_cast<TOrvItemControlBase*>(groupBox)}) {
        SCOPED_TRACE(control->metaObject()->className());
        EXPECT_TRUE(control->setProperty("UICtrl", QVariant::fromValue(&ui)));
        EXPECT_EQ(control->UICtrl(), &ui);
        EXPECT_EQ(control->property("UIUsage").value<TOrvUIUsageTypes>(), TOrvUIUsageTypes::All());
        EXPECT_TRUE(control->setProperty("UIUsage", QVariant::fromValue(TOrvUIUsageTypes{eutColorSet})));
        EXPECT_EQ(control->UIUsage(), TOrvUIUsageTypes{eutColorSet});
        EXPECT_TRUE(control->setProperty("UICtrl", QVariant::fromValue<TOrvUICtrl*>(nullptr)));
        EXPECT_EQ(control->UICtrl(), nullptr);

        const QSize size = control->size();
        EXPECT_TRUE(control->setProperty("Right", 450));
        EXPECT_TRUE(control->setProperty("Bottom", 340));
        EXPECT_EQ(control->geometry(), QRect(QPoint(450 - size.width(), 340 - size.height()), size));
        EXPECT_EQ(control->property("Right").toInt(), 450);
        EXPECT_EQ(control->property("Bottom").toInt(), 340);
    }
    EXPECT_EQ(box->property("ColorSet").value<TOrvItemColorSet*>(), &box->ColorSet());
    EXPECT_EQ(radios[0]->property("ColorSet").value<TOrvItemColorSet*>(), &radios[0]->ColorSet());
    EXPECT_EQ(groupBox->property("ColorSet").value<TOrvGroupColorSet*>(), &groupBox->ColorSet());
}

TEST_F(ItemEvents, MouseEventsReportButtonShiftAndPoint)
{
    std::vector<std::string> log;
    const auto button = [](Qt::MouseButton b) { return b == Qt::LeftButton ? "L" : b == Qt::RightButton ? "R" : "?"; };
    box->OnMouseDown = [&](QObject* sender, Qt::MouseButton b, TShiftState shift, int x, int y) {
        EXPECT_EQ(sender, box);
        log.push_back("down " + std::string(button(b)) + " " + ShiftText(shift) + " " + std::to_string(x) + "," +
                      std::to_string(y) + (box->hasFocus() ? " focused" : ""));
    };
    box->OnMouseUp = [&](QObject*, Qt::MouseButton b, TShiftState shift, int x, int y) {
        log.push_back("up " + std::string(button(b)) + " " + ShiftText(shift) + " " + std::to_string(x) + "," +
                      std::to_string(y) + " state " + std::to_string(box->State()));
    };
    box->OnMouseMove = [&](QObject*, TShiftState shift, int x, int y) {
        log.push_back("move " + ShiftText(shift) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    box->OnDblClick = [&](QObject*) { log.push_back("dblclick"); };

    QTest::mouseMove(box, QPoint(30, 10));
    QTest::mousePress(box, Qt::LeftButton, Qt::ShiftModifier, QPoint(20, 8));
    QTest::mouseRelease(box, Qt::LeftButton, Qt::ShiftModifier, QPoint(21, 9));
    QTest::mouseClick(box, Qt::RightButton, Qt::ControlModifier, QPoint(5, 5));
    const std::vector<std::string> single = {
        "move  30,10", "down L shift+left 20,8 focused", "up L shift+left 21,9 state 1",
        "down R ctrl+right 5,5 focused", "up R ctrl+right 5,5 state 1"};
    EXPECT_EQ(log, single);

    log.clear();
    QTest::mouseDClick(box, Qt::LeftButton, {}, QPoint(20, 8));
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0], "dblclick");
    EXPECT_EQ(log[1], "down L left+double 20,8 focused") << "the second press follows the report";
}

TEST_F(ItemEvents, OnlyALeftPressTakesTheFocus)
{
    const struct {
        const char* name;
        TOrvCustomSelectBtn* control;
    } controls[] = {{"check box", box}, {"radio button", radios[1]}, {"radio group item", RadioItem(1)},
                    {"check group item", CheckItem(2)}};
    for (const auto& c : controls) {
        SCOPED_TRACE(c.name);
        for (const Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton}) {
            QTest::mouseClick(c.control, b, {}, QPoint(8, 8));
            EXPECT_EQ(QApplication::focusWidget(), before) << "button " << b;
        }
        QTest::mousePress(c.control, Qt::LeftButton, {}, QPoint(8, 8));
        EXPECT_EQ(QApplication::focusWidget(), c.control);
        QTest::mouseRelease(c.control, Qt::LeftButton, {}, QPoint(8, 8));
        Focus(before);
    }
    EXPECT_TRUE(radios[1]->Checked()) << "checked by the left press alone";
    EXPECT_EQ(radioGroup->ItemIndex(), 1);
}

TEST_F(ItemEvents, AClickOnAGroupsEmptySpaceDoesNotChooseAnItem)
{
    QTest::mouseClick(radioGroup, Qt::LeftButton, {}, QPoint(radioGroup->width() - 3, radioGroup->height() - 3));
    EXPECT_EQ(radioGroup->ItemIndex(), -1);
    EXPECT_EQ(QApplication::focusWidget(), before);
}

TEST_F(ItemEvents, APressOnAnItemIsTheItemsAlone)
{
    int groupDowns = 0;
    checkGroup->OnMouseDown = [&](QObject*, Qt::MouseButton, TShiftState, int, int) { ++groupDowns; };
    QTest::mouseClick(CheckItem(0), Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseClick(CheckItem(2), Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(QApplication::focusWidget(), CheckItem(2)) << "the group does not hand the focus back to box 0";
    EXPECT_EQ(checkGroup->AsBitList(), 0b101u);
    EXPECT_EQ(groupDowns, 0);
}

TEST_F(ItemEvents, ArrowKeysMoveThroughARadioGroupAndItIsOneTabStop)
{
    radioGroup->SetItemIndex(1);
    Focus(radios[1]);
    QTest::keyClick(radios[1], Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), RadioItem(1)) << "entered on the checked item";
    RadioItem(2)->setEnabled(false);
    const struct {
        Qt::Key key;
        int index;
    } steps[] = {{Qt::Key_Down, 0}, {Qt::Key_Up, 1}, {Qt::Key_Right, 0}, {Qt::Key_Left, 1}};
    for (const auto& s : steps) {
        QTest::keyClick(QApplication::focusWidget(), s.key);
        EXPECT_EQ(QApplication::focusWidget(), RadioItem(s.index)) << "key " << s.key << ", round the disabled item";
        EXPECT_EQ(radioGroup->ItemIndex(), s.index);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), CheckItem(0)) << "Tab leaves the group";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), RadioItem(1)) << "Shift+Tab comes back on the checked item";
}

TEST_F(ItemEvents, ArrowKeysMoveTheFocusInACheckGroupAndAmongRadioButtons)
{
    Focus(CheckItem(3));
    QTest::keyClick(CheckItem(3), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), CheckItem(0));
    QTest::keyClick(CheckItem(0), Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), CheckItem(3));
    EXPECT_EQ(checkGroup->AsBitList(), 0u) << "moving does not tick";

    Focus(radios[0]);
    QTest::keyClick(radios[0], Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), radios[1]);
    EXPECT_TRUE(radios[1]->Checked());
    EXPECT_FALSE(radios[0]->Checked());
    QTest::keyClick(radios[1], Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), radios[1]) << "not with a modifier";
}

TEST_F(ItemEvents, ShiftTabEntersAGroupFromOutsideAndLeavesItFromInside)
{
    radioGroup->SetItemIndex(2);
    Focus(after);
    QTest::keyClick(after, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), groupBox) << "a group box with nothing inside keeps its stop";
    QTest::keyClick(groupBox, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), CheckItem(0));
    QTest::keyClick(CheckItem(0), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), RadioItem(2));
}

} // namespace
} // namespace orv
