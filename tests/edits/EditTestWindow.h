#pragma once

#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/datetime/OrvkitDateTime.h>

#include "datetime/PrintQString.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace orv::test {

/// A shown, active window with a plain line edit to move the focus to.
class EditWindow {
public:
    EditWindow() : fLayout(new QVBoxLayout(&fWindow)), fOther(new QLineEdit(&fWindow)) { fLayout->addWidget(fOther); }

    /// Puts the control into the window (after the other edit) and shows the window.
    template <class T>
    T* Add(T* control)
    {
        fLayout->addWidget(control);
        return control;
    }
    void Show()
    {
        fWindow.show();
        fWindow.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fWindow));
    }
    static void Focus(QWidget* w)
    {
        w->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }
    /// Types the text into the focused widget.
    static void Type(QWidget* w, const QString& text) { QTest::keyClicks(w, text); }
    /// Leaves the widget with Tab; a modal box that opens meanwhile is closed and its text
    /// returned.
    QString LeaveWithTab(QWidget* w)
    {
        QString shown;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        QTest::keyClick(w, Qt::Key_Tab);
        QApplication::processEvents();
        // The offscreen platform does not give the window back its activation by itself.
        if (!shown.isEmpty())
            Show();
        return shown;
    }
    /// Replaces the text of an edit by typing and leaves it; returns the text of a box
    /// that opened.
    QString Enter(QWidget* edit, const QString& typed)
    {
        Focus(edit);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        Type(edit, typed);
        return LeaveWithTab(edit);
    }
    QWidget& Window() { return fWindow; }

private:
    QWidget fWindow;
    QVBoxLayout* fLayout;
    QLineEdit* fOther;
};

/// The English day-month-year settings and a clock standing at Tuesday 10 March 2026,
/// 23:30, for every edit test; the date switches are restored afterwards.
class DateEditTest : public testing::Test {
protected:
    DateEditTest() : fSettings(FormatSettings, EnglishFormatSettings()), fClock(MakeDate(2026, 3, 10) + 23.5 / 24) {}

    static TDateTime D(uint16_t y, uint16_t m, uint16_t d) { return MakeDate(y, m, d); }
    static TDateTime T(uint16_t h, uint16_t n, uint16_t s = 0) { return MakeTime(h, n, s, 0); }

    TOrvScopedValue<TOrvFormatSettings> fSettings;
    TOrvScopedValue<bool> fRaise{GlobalRaiseDateErrors};
    TOrvScopedValue<TOrv2DigitYr> fYearMode{GlobalTwoDigitYearMode};
    TOrvScopedValue<uint16_t> fCutOff{GlobalTwoDigitYearCutOff};
    TOrvScopedValue<bool> fBlank{GlobalBlankWhenZero};
    TOrvClockOverride fClock;
    EditWindow fWindow;
};

} // namespace orv::test
