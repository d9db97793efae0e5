// A window for looking at the plain edits under one UI control: each row shows a state,
// the check boxes below restyle every edit at once. With ORVKIT_GALLERY_SHOT=<file.png>
// set, the program saves a picture of its window there and quits.

#include <orvkit/calendar/OrvkitCalPanel.h>
#include <orvkit/controls/OrvkitCheckBox.h>
#include <orvkit/controls/OrvkitGroupCtrls.h>
#include <orvkit/controls/OrvkitRadioBtn.h>
#include <orvkit/datetime/OrvkitDateTime.h>
#include <orvkit/edits/OrvkitDateEdits.h>
#include <orvkit/edits/OrvkitDurationEdit.h>
#include <orvkit/edits/OrvkitFloatEdit.h>
#include <orvkit/edits/OrvkitTimeEdits.h>
#include <orvkit/edits/OrvkitIPHexEdit.h>
#include <orvkit/edits/OrvkitNumEdit.h>
#include <orvkit/framework/OrvkitEdit.h>
#include <orvkit/spin/OrvkitNumSpinEdits.h>
#include <orvkit/spin/OrvkitSpinEdit.h>
#include <orvkit/framework/OrvkitStateCtrl.h>
#include <orvkit/framework/OrvkitUICtrl.h>

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QTimer>
#include <QVBoxLayout>

using namespace orv;

namespace {

QCheckBox* Switch(QWidget* parent, QLayout* layout, const QString& caption, bool on,
                  const std::function<void(bool)>& apply)
{
    auto* box = new QCheckBox(caption, parent);
    box->setChecked(on);
    QObject::connect(box, &QCheckBox::toggled, parent, apply);
    layout->addWidget(box);
    return box;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Edit gallery"));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Orvkit edit gallery"));
    auto* ui = new TOrvUICtrl(&window);
    auto* state = new TOrvStateCtrl(&window);
    TOrvCompleteColorSet& set = *ui->ColorSet();
    set.BeginUpdate();
    set.SetFlat(true);
    set.SetShowFocus(true);
    set.SetHotTracking(true);
    set.SetBorderColor(0x00A0A0A0);
    set.SetFocusColor(0x00E0FFFF);
    set.SetROColor(0x00F5EEE6);
    set.SetFocusFontStyle(fsBold);
    set.EndUpdate();
    ui->SetNullStr(QStringLiteral("(no value)"));

    auto* edits = new QGroupBox(QStringLiteral("TOrvkitEdit under one TOrvUICtrl"), &window);
    auto* form = new QFormLayout(edits);
    auto add = [&](const QString& caption, const QString& text) {
        auto* e = new TOrvkitEdit(edits);
        e->SetUICtrl(ui);
        e->SetText(text);
        e->setMinimumWidth(220);
        form->addRow(caption, e);
        return e;
    };
    TOrvkitEdit* focused = add(QStringLiteral("Focused"), QStringLiteral("Has the focus"));
    TOrvkitEdit* plain = add(QStringLiteral("Read-write"), QStringLiteral("Plain text"));
    state->Controls().Add(plain);
    TOrvkitEdit* proper = add(QStringLiteral("Proper case on exit"), QStringLiteral("mary-ann o'brien"));
    proper->SetProperAdjust(true);
    state->Controls().Add(proper);
    TOrvkitEdit* readOnly = add(QStringLiteral("Read-only"), QStringLiteral("Cannot be changed"));
    readOnly->SetReadOnly(true);
    TOrvkitEdit* nullEdit = add(QStringLiteral("Null (Ctrl+N)"), QString());
    nullEdit->SetNull(true);
    state->Controls().Add(nullEdit);
    TOrvkitEdit* disabled = add(QStringLiteral("Disabled"), QStringLiteral("Not available"));
    disabled->setEnabled(false);
    TOrvkitEdit* underline = add(QStringLiteral("Own set, underline style"), QStringLiteral("Line edit"));
    underline->SetUIUsage({eutBlank_Null, eutNavigation, eutFormat});
    underline->ColorSet().SetLineEdit(true);
    underline->ColorSet().SetBorderColor(0x00C08040);

    auto* numbers = new QGroupBox(QStringLiteral("Value and spin edits under the same TOrvUICtrl"), &window);
    auto* numberForm = new QFormLayout(numbers);
    auto addNumber = [&](const QString& caption, auto* e) {
        e->SetUICtrl(ui);
        e->setMinimumWidth(220);
        numberForm->addRow(caption, e);
        state->Controls().Add(e);
        return e;
    };
    auto* grouped = addNumber(QStringLiteral("TOrvIntEdit, grouped as typed"), new TOrvIntEdit(numbers));
    grouped->SetThousandSeparators(essAuto);
    grouped->SetAsInteger(-1234567);
    auto* floatEdit = addNumber(QStringLiteral("TOrvFloatEdit"), new TOrvFloatEdit(numbers));
    floatEdit->SetThousandSeparators(essExit);
    floatEdit->SetAsFloat(98765.4321L);
    auto* brackets = addNumber(QStringLiteral("TOrvFloatEdit, own brackets"), new TOrvFloatEdit(numbers));
    brackets->SetUIUsage({eutColorSet, eutBlank_Null, eutNavigation});
    brackets->SetNegAsBrackets(true);
    brackets->SetAsFloat(-42.5L);
    addNumber(QStringLiteral("TOrvPercentEdit"), new TOrvPercentEdit(numbers))->SetAsPercentage(12.5L);
    addNumber(QStringLiteral("TOrvSciFloatEdit"), new TOrvSciFloatEdit(numbers))->SetAsFloat(6.02214076E23L);
    addNumber(QStringLiteral("TOrvHexEdit"), new TOrvHexEdit(numbers))->SetAsLongWord(0xBEEF);
    addNumber(QStringLiteral("TOrvIPEdit"), new TOrvIPEdit(numbers))->SetText(QStringLiteral("192.168.0.1"));
    addNumber(QStringLiteral("TOrvDateEdit"), new TOrvDateEdit(numbers))->SetDate(MakeDate(2026, 12, 10));
    addNumber(QStringLiteral("TOrvTimeEdit"), new TOrvTimeEdit(numbers))->SetTime(MakeTime(14, 30, 0, 0));
    addNumber(QStringLiteral("TOrvDurationEdit"), new TOrvDurationEdit(numbers))->SetAsDays(1.5);
    addNumber(QStringLiteral("TOrvIntSpinEdit"), new TOrvIntSpinEdit(numbers))->SetAsInteger(42);
    addNumber(QStringLiteral("TOrvFloatSpinEdit"), new TOrvFloatSpinEdit(numbers))->SetAsFloat(2.5L);

    auto* choices = new QWidget(&window);
    auto* choiceRows = new QVBoxLayout(choices);
    const auto addChoice = [&](auto* control, int height) {
        control->SetUICtrl(ui);
        control->setMinimumSize(200, height);
        choiceRows->addWidget(control);
        state->Controls().Add(control);
        return control;
    };
    auto* check = addChoice(new TOrvCheckBox(choices), 20);
    check->SetCaption(QStringLiteral("&Check box, ticked"));
    check->SetChecked(true);
    auto* nullCheck = addChoice(new TOrvCheckBox(choices), 20);
    nullCheck->SetCaption(QStringLiteral("Check box, null"));
    nullCheck->SetNull(true);
    auto* radio = addChoice(new TOrvRadioBtn(choices), 20);
    radio->SetCaption(QStringLiteral("Radio button"));
    radio->SetChecked(true);
    auto* radioGroup = addChoice(new TOrvRadioGroup(choices), 96);
    radioGroup->SetCaption(QStringLiteral("Radio group"));
    radioGroup->SetColumns(2);
    radioGroup->SetItems({QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three"), QStringLiteral("Four")});
    radioGroup->SetItemIndex(2);
    auto* checkGroup = addChoice(new TOrvCheckGroup(choices), 80);
    checkGroup->SetCaption(QStringLiteral("Check group"));
    checkGroup->SetItems({QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")});
    checkGroup->SetAsInteger(0b101);
    auto* calendar = new TOrvCalPanel(choices);
    calendar->setMinimumSize(calendar->size());
    choiceRows->addWidget(calendar);
    choiceRows->addStretch();

    auto* switches = new QGroupBox(QStringLiteral("Every edit at once"), &window);
    auto* row = new QHBoxLayout(switches);
    Switch(switches, row, QStringLiteral("Flat"), true, [&set](bool on) { set.SetFlat(on); });
    Switch(switches, row, QStringLiteral("Show focus"), true, [&set](bool on) { set.SetShowFocus(on); });
    Switch(switches, row, QStringLiteral("Hot tracking"), true, [&set](bool on) { set.SetHotTracking(on); });
    Switch(switches, row, QStringLiteral("Read-only"), false, [state](bool on) { state->SetReadOnly(on); });
    Switch(switches, row, QStringLiteral("Blank when null"), false, [ui](bool on) { ui->SetBlankWhenNull(on); });

    auto* layout = new QVBoxLayout(&window);
    auto* groups = new QHBoxLayout;
    groups->addWidget(edits);
    groups->addWidget(numbers);
    groups->addWidget(choices);
    layout->addLayout(groups);
    layout->addWidget(switches);
    window.show();
    window.activateWindow();
    focused->setFocus();

    const QString shot = qEnvironmentVariable("ORVKIT_GALLERY_SHOT");
    if (!shot.isEmpty()) {
        QTimer::singleShot(500, &window, [&window, shot] {
            window.grab().save(shot);
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
