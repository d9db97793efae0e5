#pragma once

#include <orvkit/controls/OrvkitGroupCtrls.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace orv {

/// A shown, active window in tab order: an edit, a check box, two radio buttons, a radio
/// group of three, a check group of four, a group box and another edit.
class ItemWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(520, 360);
        before = new QLineEdit(&window);
        before->move(300, 5);
        box = new TOrvCheckBox(&window);
        box->move(5, 5);
        box->SetCaption(QStringLiteral("&Paid && sent"));
        for (int i = 0; i < 2; ++i) {
            radios[i] = new TOrvRadioBtn(&window);
            radios[i]->move(5, 30 + 20 * i);
            radios[i]->SetCaption(QStringLiteral("Radio %1").arg(i));
        }
        radioGroup = new TOrvRadioGroup(&window);
        radioGroup->setGeometry(5, 80, 200, 100);
        radioGroup->SetCaption(QStringLiteral("&Size"));
        radioGroup->SetItems({QStringLiteral("Small"), QStringLiteral("Medium"), QStringLiteral("Large")});
        checkGroup = new TOrvCheckGroup(&window);
        checkGroup->setGeometry(210, 80, 200, 120);
        checkGroup->SetCaption(QStringLiteral("Extras"));
        checkGroup->SetItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")});
        groupBox = new TOrvGroupBox(&window);
        groupBox->setGeometry(5, 210, 200, 80);
        groupBox->SetCaption(QStringLiteral("&Options"));
        after = new QLineEdit(&window);
        after->move(300, 300);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        Focus(before);
    }
    static void Focus(QWidget* w)
    {
        w->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }
    TOrvRadioBtn* RadioItem(int i) const { return static_cast<TOrvRadioBtn*>(radioGroup->ItemControl(i)); }
    TOrvCheckBox* CheckItem(int i) const { return static_cast<TOrvCheckBox*>(checkGroup->ItemControl(i)); }

    QWidget window;
    QLineEdit* before = nullptr;
    QLineEdit* after = nullptr;
    TOrvCheckBox* box = nullptr;
    TOrvRadioBtn* radios[2] = {};
    TOrvRadioGroup* radioGroup = nullptr;
    TOrvCheckGroup* checkGroup = nullptr;
    TOrvGroupBox* groupBox = nullptr;
};

} // namespace orv
