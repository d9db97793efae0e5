#include "SpinEditsPage.h"

#include "DemoLabels.h"

#include <orvkit/controls/OrvkitCheckBox.h>
#include <orvkit/spin/OrvkitNumSpinEdits.h>
#include <orvkit/spin/OrvkitSpinEdit.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>

namespace orv {

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("SpinEditsPage", text);
}

template <class T>
T* AddSpinEdit(QWidget& page, const TDemoShared& shared, const char* name, const QRect& place)
{
    return AttachControl(PlaceControl<T>(page, name, place), shared.OrvUICtrl1, &shared.OrvStateCtrl1);
}

void AddAlignedSpinEdits(QWidget& page, const TDemoShared& shared)
{
    const struct {
        const char* name;
        int left;
        TAlignment alignment;
        int value;
        const char* caption;
    } rows[] = {
        {"LeftSE", 156, taLeftJustify, 25, QT_TRANSLATE_NOOP("SpinEditsPage", "Left")},
        {"CentreSE", 283, taCenter, 46, QT_TRANSLATE_NOOP("SpinEditsPage", "Centre")},
        {"RightSE", 409, taRightJustify, 78, QT_TRANSLATE_NOOP("SpinEditsPage", "Right")},
    };
    TOrvIntSpinEdit* first = nullptr;
    for (const auto& row : rows) {
        auto* spin = AddSpinEdit<TOrvIntSpinEdit>(page, shared, row.name, {row.left, 38, 94, 22});
        spin->SetAlignment(row.alignment);
        spin->SetAsInteger(row.value);
        AttachCaption(*spin, Tr(row.caption), edcAbove);
        if (!first)
            first = spin;
    }
    // A free caption for the row, where an attached one would sit.
    QLabel* alignment = AddFreeLabel(page, Tr("Alignment:"), {}, 12, true);
    alignment->move(first->x() - alignment->width() - 2, first->y() + 2);
}

} // namespace

void BuildSpinEditsPage(QWidget& page, const TDemoShared& shared)
{
    AddAlignedSpinEdits(page, shared);

    auto* floatSpin = AddSpinEdit<TOrvFloatSpinEdit>(page, shared, "OrvFloatSpinEdit1", {156, 70, 94, 22});
    floatSpin->SetDecimalPlaces(2);
    floatSpin->SetStoreValue(false);
    floatSpin->SetMax(100);
    floatSpin->SetPageStep(10);
    floatSpin->SetStep(1);
    AttachCaption(*floatSpin, Tr("Float SpinEdit:"));

    AddFreeLabel(page, Tr("You may want to make a template out of the controls above."), {156, 317});

    auto* flatBtns = PlaceControl<TOrvCheckBox>(page, "FlatSpinBtnsCB", {156, 346, 152, 18});
    flatBtns->SetUICtrl(&shared.OrvUICtrl1);
    flatBtns->SetCaption(Tr("Flat Spin Edit Btns?"));
    flatBtns->SetChecked(true);
    flatBtns->setToolTip(Tr("When Checked all the Spin Edits Above will have \"Flat\" Up/Down Buttons"));
    flatBtns->OnClick = [flatBtns, uiCtrl = QPointer<TOrvUICtrl>(&shared.OrvUICtrl1)](QObject*) {
        if (uiCtrl && uiCtrl->ColorSet())
            uiCtrl->ColorSet()->SetFlatBtns(flatBtns->Checked());
    };
}

} // namespace orv
