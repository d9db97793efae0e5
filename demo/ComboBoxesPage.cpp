#include "ComboBoxesPage.h"

#include "DemoLabels.h"

#include <orvkit/controls/OrvkitComboBox.h>
#include <orvkit/controls/OrvkitDateTimeComboBox.h>
#include <orvkit/controls/OrvkitGroupCtrls.h>
#include <orvkit/controls/OrvkitStateComboBox.h>
#include <orvkit/controls/OrvkitTimeComboBox.h>

#include <QCoreApplication>
#include <QPointer>
#include <QPushButton>

namespace orv {

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("ComboBoxesPage", text);
}

QStringList TenItems()
{
    QStringList items;
    for (int i = 1; i <= 10; ++i)
        items << Tr("Item %1").arg(i);
    return items;
}

/// A new combo box of the page in Arial 11 pixels, attached and switched with the others,
/// with its caption.
template <class T>
T* AddCombo(QWidget& page, const TDemoShared& shared, const char* name, const QRect& place, const char* caption)
{
    T* combo = AttachControl(PlaceControl<T>(page, name, place), shared.OrvUICtrl1, &shared.OrvStateCtrl1);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    combo->setFont(font);
    combo->resize(place.size());
    AttachCaption(*combo, Tr(caption));
    return combo;
}

TOrvComboBox* AddItemCombo(QWidget& page, const TDemoShared& shared, const char* name, const QRect& place,
                           const char* caption, TOrvComboStyle style, int selected)
{
    auto* combo = AddCombo<TOrvComboBox>(page, shared, name, place, caption);
    combo->SetStyle(style);
    combo->SetItems(TenItems());
    combo->SetItemIndex(selected);
    return combo;
}

TOrvRadioGroup* AddRadioGroup(QWidget& page, const TDemoShared& shared, const char* name, const QRect& place,
                              const QStringList& items, int selected)
{
    auto* group = AttachControl(PlaceControl<TOrvRadioGroup>(page, name, place), shared.GrpUICtrl, nullptr);
    group->ColorSet().SetGroupFrameStyle(egfsRound);
    group->SetColumns(3);
    group->SetItems(items);
    group->SetItemIndex(selected);
    return group;
}

/// The first click enlarges the font to 20 points, the next shrinks it to 8; the tag
/// starts at 1 and flips with each click.
void AddToggleSize(QWidget& page, TOrvComboBox& combo)
{
    auto* toggle = new QPushButton(Tr("Toggle Size"), &page);
    toggle->setObjectName(QStringLiteral("Toggle2Btn"));
    toggle->setGeometry(307, 293, 81, 27);
    combo.setProperty("Tag", 1);
    QObject::connect(toggle, &QPushButton::clicked, &combo, [target = QPointer<TOrvComboBox>(&combo)] {
        if (!target)
            return;
        const int tag = target->property("Tag").toInt();
        QFont font = target->font();
        font.setPointSize(tag != 0 ? 20 : 8);
        target->setFont(font);
        target->resize(target->width(), target->sizeHint().height());
        target->setProperty("Tag", tag != 0 ? 0 : 1);
    });
}

void AddDateTimeCombos(QWidget& page, const TDemoShared& shared)
{
    auto* month = AddCombo<TOrvMonthComboBox>(page, shared, "OrvMonthComboBox1", {105, 59, 135, 22}, "Month Combo:");
    month->SetStoreValue(false);
    month->SetDropDownCount(12);
    auto* dow = AddCombo<TOrvDOWComboBox>(page, shared, "OrvDOWComboBox1", {105, 97, 135, 22}, "Day of Week:");
    dow->SetStoreValue(false);
    dow->SetDropDownCount(7);

    auto* zone = AddCombo<TOrvTZComboBox>(page, shared, "OrvTZComboBox1", {105, 135, 215, 22}, "Time Zone:");
    zone->SetStoreValue(false);
    zone->SetGMTStr(QStringLiteral("GMT"));
    zone->SetUseLocal(true);

    auto* time = AddCombo<TOrvTimeComboBox>(page, shared, "OrvTimeComboBox1", {105, 172, 103, 22}, "Time Combo:");
    time->SetStoreValue(false);
    time->SetEndTime(86399.0 / 86400.0);

    auto* display = AddRadioGroup(page, shared, "DisplayRG", {285, 65, 265, 44},
                                  {Tr("Numeric"), Tr("Short"), Tr("Long")}, 2);
    display->OnClick = [display, month = QPointer(month), dow = QPointer(dow)](QObject*) {
        const int index = display->ItemIndex();
        if (index < 0 || !month || !dow)
            return;
        month->SetMonthFormat(TOrvMonthFormatType(index));
        dow->SetDOWFormat(TOrvDOWFormatType(index));
    };
}

void AddStateCombo(QWidget& page, const TDemoShared& shared)
{
    auto* state = AddCombo<TOrvStateComboBox>(page, shared, "OrvStateComboBox1", {105, 205, 173, 22}, "State Combo:");
    state->SetDropDownCount(9);
    state->SetItemIndex(0);

    auto* country = AddRadioGroup(page, shared, "StateRG", {291, 201, 265, 28},
                                  {Tr("Australia"), Tr("USA"), Tr("Canada")}, 0);
    country->setToolTip(Tr("Choose which Country to have States selected from"));
    country->OnClick = [country, state = QPointer(state)](QObject*) {
        if (state && country->ItemIndex() >= 0)
            state->SetStateCountry(TOrvStateCountry(country->ItemIndex()));
    };
}

} // namespace

void BuildComboBoxesPage(QWidget& page, const TDemoShared& shared)
{
    AddItemCombo(page, shared, "Combo1", {105, 22, 135, 22}, "csDropDown:", csDropDown, 0);
    AddItemCombo(page, shared, "Combo2", {365, 22, 136, 22}, "csDropDownList:", csDropDownList, 3);
    TOrvComboBox* fsCombo =
        AddItemCombo(page, shared, "FSCombo", {167, 296, 136, 22}, "Change Font Size:", csDropDownList, 2);
    AddToggleSize(page, *fsCombo);
    AddDateTimeCombos(page, shared);
    AddStateCombo(page, shared);
}

} // namespace orv
