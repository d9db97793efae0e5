#include <orvkit/edits/OrvkitDateEdits.h>
#include <orvkit/edits/OrvkitFloatEdit.h>
#include <orvkit/edits/OrvkitNumEdit.h>
#include <orvkit/spin/OrvkitNumSpinEdits.h>
#include <orvkit/spin/OrvkitSpinEdit.h>

#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitGuards.h>

#include "spin/SpinEditFixture.h"

#include <QAccessible>
#include <QDataWidgetMapper>
#include <QLabel>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace orv {
namespace {

// What a Qt programmer relies on: value signals for every change and only for changes,
// the value as the USER property for models, names and values for assistive technology.

TEST(ValueSignals, FloatEditReportsEachChangeOnceWhoeverMadeIt)
{
    TOrvFloatEdit e;
    e.SetDecimalPlaces(2);
    QSignalSpy values(&e, &TOrvPosFloatEdit::valueChanged);
    QSignalSpy changes(&e, &TOrvCustomStartEdit::changed);
    e.SetAsFloat(1.5);
    e.SetAsFloat(1.5);
    ASSERT_EQ(values.size(), 1) << "an unchanged value is no change";
    EXPECT_EQ(values[0][0].toDouble(), 1.5);
    e.setText(QStringLiteral("2.25"));
    ASSERT_EQ(values.size(), 2);
    EXPECT_EQ(values[1][0].toDouble(), 2.25);
    EXPECT_EQ(changes.size(), 2) << "changed() follows every OnChange";
    e.SetDecimalPlaces(4);
    EXPECT_EQ(values.size(), 2) << "a new look of the same value is no change";

    e.BeginLoad();
    e.SetAsFloat(7);
    EXPECT_EQ(values.size(), 2) << "nothing while loading";
    e.EndLoad();
}

TEST(ValueSignals, NullStateAndIntegerValue)
{
    TOrvIntEdit e;
    QSignalSpy values(&e, &TOrvPosEdit::valueChanged);
    QSignalSpy nulls(&e, &TOrvCustomEdit::nullChanged);
    e.SetAsInt64(-5000000000LL);
    ASSERT_EQ(values.size(), 1);
    EXPECT_EQ(values[0][0].toLongLong(), -5000000000LL) << "the whole 64-bit value";
    e.SetNull(true);
    ASSERT_EQ(nulls.size(), 1);
    EXPECT_TRUE(nulls[0][0].toBool());
    EXPECT_EQ(values.size(), 2) << "a null edit holds 0";
    e.SetNull(false);
    EXPECT_EQ(nulls.size(), 2);
}

TEST(ValueSignals, DateEditReportsItsDate)
{
    const TOrvScopedValue settings(FormatSettings, EnglishFormatSettings());
    TOrvDateEdit e;
    QSignalSpy dates(&e, &TOrvDateEdit::dateChanged);
    e.SetDate(45000);
    e.setText(QStringLiteral("16/03/2023"));
    ASSERT_EQ(dates.size(), 2);
    EXPECT_EQ(dates[0][0].toDouble(), 45000);
    EXPECT_EQ(dates[1][0].toDouble(), 45001);
}

using SpinSignals = SpinEditFixture<TOrvIntSpinEdit>;

TEST_F(SpinSignals, StepsTypingAndCodeReportTheClampedValue)
{
    spin->SetMax(10);
    QSignalSpy values(spin, &TOrvBaseSpinEdit::valueChanged);
    QSignalSpy changes(spin, &TOrvEditBtnPanel::changed);
    Key(Qt::Key_Up);
    spin->SetValue(5);
    Type(QStringLiteral("50"));
    std::vector<int> reported;
    for (const QList<QVariant>& args : values)
        reported.push_back(args[0].toInt());
    // Stepped to 1, set to 5, emptied, typed 5, typed 50: a typed value comes as the spin
    // edit will hold it.
    EXPECT_EQ(reported, (std::vector<int>{1, 5, 0, 5, 10}));
    EXPECT_EQ(spin->Edit()->text(), QStringLiteral("50")) << "reading for the signal writes nothing back";
    EXPECT_GE(changes.size(), 4);
}

TEST_F(SpinSignals, TheWheelStepsOnlyAFocusedSpinEdit)
{
    auto wheel = [this](int delta) {
        const QPointF at(5, 5);
        QWheelEvent event(at, spin->Edit()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(spin->Edit(), &event);
    };
    wheel(120);
    wheel(120);
    EXPECT_EQ(spin->Value(), 2);
    wheel(-60);
    EXPECT_EQ(spin->Value(), 2) << "half a notch waits for the other half";
    wheel(-60);
    EXPECT_EQ(spin->Value(), 1);
    Focus(next);
    wheel(120);
    EXPECT_EQ(spin->Value(), 1);
}

TEST_F(SpinSignals, ABuddyLabelsMnemonicFocusesTheValueEdit)
{
    auto* label = new QLabel(QStringLiteral("&Quantity"), &window);
    label->setBuddy(spin);
    label->show();
    Focus(next);
    QTest::keyClick(&window, Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(Focused(), spin->Edit());
}

TEST_F(SpinSignals, MouseEventsOfTheValueEditAreTheSpinEdits)
{
    std::vector<std::pair<QObject*, int>> seen;
    spin->OnMouseDown = [&](QObject* sender, Qt::MouseButton, TShiftState, int x, int) { seen.emplace_back(sender, x); };
    spin->OnMouseUp = [&](QObject* sender, Qt::MouseButton, TShiftState, int x, int) { seen.emplace_back(sender, -x); };
    QSignalSpy clicks(spin, &TOrvCustomSpinEdit::clicked);
    QTest::mouseClick(spin->Edit(), Qt::LeftButton, Qt::NoModifier, QPoint(7, 5));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], std::make_pair(static_cast<QObject*>(spin), 7));
    EXPECT_EQ(seen[1], std::make_pair(static_cast<QObject*>(spin), -7));
    EXPECT_EQ(clicks.size(), 1);
}

TEST(ValueProperties, ADataMapperBindsTheValueNotTheText)
{
    const TOrvScopedValue settings(FormatSettings, EnglishFormatSettings());
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* amount = new TOrvFloatEdit(&window);
    auto* date = new TOrvDateEdit(&window);
    auto* count = new TOrvIntSpinEdit(&window);
    for (QWidget* w : {static_cast<QWidget*>(amount), static_cast<QWidget*>(date), static_cast<QWidget*>(count)})
        layout->addWidget(w);
    amount->SetDecimalPlaces(2);
    count->SetMax(1000);

    QStandardItemModel model(2, 3);
    model.setData(model.index(0, 0), 12.5);
    model.setData(model.index(0, 1), 45000.0);
    model.setData(model.index(0, 2), 42);
    model.setData(model.index(1, 0), 0.25);
    model.setData(model.index(1, 1), 45001.0);
    model.setData(model.index(1, 2), 7);
    QDataWidgetMapper mapper;
    mapper.setModel(&model);
    mapper.setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    mapper.addMapping(amount, 0);
    mapper.addMapping(date, 1);
    mapper.addMapping(count, 2);
    mapper.toFirst();
    EXPECT_EQ(amount->text(), QStringLiteral("12.50"));
    EXPECT_EQ(date->text(), QStringLiteral("15/03/2023"));
    EXPECT_EQ(count->Edit()->text(), QStringLiteral("42"));

    amount->setText(QStringLiteral("99.75"));
    date->setText(QStringLiteral("01/01/2024"));
    count->Edit()->setText(QStringLiteral("314"));
    ASSERT_TRUE(mapper.submit());
    EXPECT_EQ(model.data(model.index(0, 0)).toDouble(), 99.75);
    EXPECT_EQ(model.data(model.index(0, 1)).toDouble(), MakeDate(2024, 1, 1));
    EXPECT_EQ(model.data(model.index(0, 2)).toInt(), 314);
    mapper.toNext();
    EXPECT_EQ(amount->text(), QStringLiteral("0.25"));
    EXPECT_EQ(count->Value(), 7);
}

TEST(Accessibility, ASpinEditIsASpinBoxWithItsValueAndNamedButtons)
{
    QWidget window;
    auto* spin = new TOrvFloatSpinEdit(&window);
    auto* label = new QLabel(QStringLiteral("&Rate"), &window);
    label->setBuddy(spin);
    spin->SetMax(50);
    spin->SetStep(0.5);
    spin->SetValue(12.25);
    spin->SetReadOnly(true);
    window.show();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(spin);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::SpinBox);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Rate"));
    EXPECT_EQ(iface->text(QAccessible::Value), spin->Edit()->text());
    EXPECT_TRUE(iface->state().readOnly);
    QAccessibleValueInterface* value = iface->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toDouble(), 12.25);
    EXPECT_EQ(value->maximumValue().toDouble(), 50);
    EXPECT_EQ(value->minimumValue().toDouble(), 0);
    EXPECT_EQ(value->minimumStepSize().toDouble(), 0.5);
    QStringList names;
    for (int i = 0; i < iface->childCount(); ++i)
        names << iface->child(i)->text(QAccessible::Name);
    EXPECT_TRUE(names.contains(QStringLiteral("Up")));
    EXPECT_TRUE(names.contains(QStringLiteral("Down")));
}

TEST(Accessibility, ANullEditReportsItsNullText)
{
    TOrvFloatEdit e;
    e.SetNullStr(QStringLiteral("(none)"));
    e.SetNull(true);
    e.SetReadOnly(true);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&e);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::EditableText);
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("(none)"));
    EXPECT_TRUE(iface->state().readOnly);
}

} // namespace
} // namespace orv
