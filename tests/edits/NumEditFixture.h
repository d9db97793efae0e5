#pragma once

#include <orvkit/framework/OrvkitEdit.h>

#include "datetime/PrintQString.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace orv {

/// A shown, active window with the edit under test followed by a plain edit, so that
/// Tab leaves the edit under test.
template <class Edit>
class NumEditFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        edit = new Edit(&window);
        next = new TOrvkitEdit(&window);
        layout->addWidget(edit);
        layout->addWidget(next);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        Focus(edit);
    }
    static void Focus(QWidget* w)
    {
        w->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }
    QWidget* Focused() const { return QApplication::focusWidget(); }
    /// Replaces the edit's text by typing it.
    void Type(const QString& text)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    /// Leaves the edit with Tab; returns the text of the error box that showed, if any.
    QString LeaveCatchingBox()
    {
        QString shown;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        QTest::keyClick(edit, Qt::Key_Tab);
        // The offscreen platform does not activate the window again after the box.
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        return shown;
    }

    QWidget window;
    Edit* edit = nullptr;
    TOrvkitEdit* next = nullptr;
};

} // namespace orv
