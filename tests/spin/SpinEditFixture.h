#pragma once

#include <orvkit/framework/OrvkitEdit.h>
#include <orvkit/framework/OrvkitUICtrl.h>

#include "datetime/PrintQString.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace orv {

/// A shown, active window with a plain edit, the spin edit under test and another plain
/// edit, so that the focus can enter and leave the spin edit both ways.
template <class Spin>
class SpinEditFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Placed by hand: the spin edit keeps the size it was made with.
        window.resize(200, 120);
        before = new TOrvkitEdit(&window);
        spin = new Spin(&window);
        next = new TOrvkitEdit(&window);
        spin->move(10, 40);
        next->move(10, 80);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        Focus(spin->Edit());
    }
    void TearDown() override
    {
        Focus(next);
        EXPECT_TRUE(GlobalArrowsAsTab) << "leaving the spin edit restores the default";
        GlobalArrowsAsTab = true;
    }
    static void Focus(QWidget* w)
    {
        w->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }
    QWidget* Focused() const { return QApplication::focusWidget(); }
    /// Replaces the value edit's text by typing it.
    void Type(const QString& text)
    {
        spin->Edit()->selectAll();
        QTest::keyClick(spin->Edit(), Qt::Key_Delete);
        QTest::keyClicks(spin->Edit(), text);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(spin->Edit(), key, modifiers);
    }

    QWidget window;
    TOrvkitEdit* before = nullptr;
    Spin* spin = nullptr;
    TOrvkitEdit* next = nullptr;
};

} // namespace orv
