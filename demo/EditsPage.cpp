#include "EditsPage.h"

#include "DemoLabels.h"

#include <orvkit/edits/OrvkitDateEdits.h>
#include <orvkit/edits/OrvkitDateTimeEdit.h>
#include <orvkit/edits/OrvkitFloatEdit.h>
#include <orvkit/edits/OrvkitIPHexEdit.h>
#include <orvkit/edits/OrvkitMonthDOWEdits.h>
#include <orvkit/edits/OrvkitNumEdit.h>
#include <orvkit/edits/OrvkitTimeEdits.h>
#include <orvkit/framework/OrvkitEdit.h>

#include <QCoreApplication>

namespace orv {

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("EditsPage", text);
}

/// A new edit of the page, attached and switched with the others, with its caption.
template <class T>
T* AddEdit(QWidget& page, const TDemoShared& shared, const char* name, const QRect& place, const char* caption,
           TOrvUICtrl* uiCtrl = nullptr)
{
    T* edit = PlaceControl<T>(page, name, place);
    AttachControl(edit, uiCtrl ? *uiCtrl : shared.OrvUICtrl1, &shared.OrvStateCtrl1);
    AttachCaption(*edit, Tr(caption));
    return edit;
}

/// The year and date edits share their year rule: bound years 2001, two-digit years by
/// the cut-off 1950.
void SetYearRule(TOrvYearEdit& edit)
{
    edit.SetStoreValue(false);
    edit.SetBoundLowerYear(2001);
    edit.SetBoundUpperYear(2001);
    edit.SetYearDigitType(edyCutOff);
    edit.SetYearCutOff(1950);
}

void AddNumericEdits(QWidget& page, const TDemoShared& shared, TEditsPage& edits)
{
    AddEdit<TOrvkitEdit>(page, shared, "OrvkitEdit1", {156, 11, 200, 22}, "String Edit:")
        ->SetText(Tr("Just a lot of letters"));

    auto* posEdit = AddEdit<TOrvPosEdit>(page, shared, "OrvPosEdit1", {156, 38, 87, 22}, "Positive Integer Edit:");
    posEdit->SetAlignment(taRightJustify);
    posEdit->SetAsInteger(123456);

    edits.OrvIntEdit1 = AddEdit<TOrvIntEdit>(page, shared, "OrvIntEdit1", {156, 65, 87, 22}, "Integer Edit:");
    edits.OrvIntEdit1->SetStoreValue(false);
    edits.OrvIntEdit1->SetAlignment(taRightJustify);
    edits.OrvIntEdit1->SetThousandSeparators(essExit);

    edits.OrvPosFloatEdit1 =
        AddEdit<TOrvPosFloatEdit>(page, shared, "OrvPosFloatEdit1", {156, 92, 87, 22}, "Positive Float Edit:");
    edits.OrvPosFloatEdit1->SetStoreValue(false);
    edits.OrvPosFloatEdit1->SetAlignment(taRightJustify);
    edits.OrvPosFloatEdit1->SetDecimalPlaces(6);
    edits.OrvPosFloatEdit1->SetScale(1);

    edits.OrvFloatEdit1 = AddEdit<TOrvFloatEdit>(page, shared, "OrvFloatEdit1", {156, 118, 87, 22}, "Float Edit:");
    edits.OrvFloatEdit1->SetStoreValue(false);
    edits.OrvFloatEdit1->SetAlignment(taRightJustify);
    edits.OrvFloatEdit1->SetScale(1);

    edits.OrvSciFloatEdit1 =
        AddEdit<TOrvSciFloatEdit>(page, shared, "OrvSciFloatEdit1", {156, 145, 87, 22}, "Scientific Float Edit:");
    edits.OrvSciFloatEdit1->SetStoreValue(false);
    edits.OrvSciFloatEdit1->SetAlignment(taRightJustify);
    edits.OrvSciFloatEdit1->SetSciMax(1000000);
    edits.OrvSciFloatEdit1->SetSciMin(1);
    edits.OrvSciFloatEdit1->SetScale(1);

    edits.OrvPercentEdit1 =
        AddEdit<TOrvPercentEdit>(page, shared, "OrvPercentEdit1", {156, 172, 87, 22}, "Precentage Edit:");
    edits.OrvPercentEdit1->SetStoreValue(false);
    edits.OrvPercentEdit1->SetAlignment(taRightJustify);
    edits.OrvPercentEdit1->SetDecimalPlaces(1);
    edits.OrvPercentEdit1->SetShowPercent(true);

    auto* hexEdit = AddEdit<TOrvHexEdit>(page, shared, "OrvHexEdit1", {156, 199, 87, 22}, "Hexadecimal Edit:");
    hexEdit->SetAlignment(taCenter);
    hexEdit->SetAsLongWord(123456789);

    auto* ipEdit = AddEdit<TOrvIPEdit>(page, shared, "OrvIPEdit1", {156, 226, 87, 22}, "IP Address Edit:");
    ipEdit->SetAlignment(taCenter);
    ipEdit->SetAsLongWord(167772185);
}

void AddDateEdits(QWidget& page, const TDemoShared& shared)
{
    SetYearRule(*AddEdit<TOrvYearEdit>(page, shared, "OrvYearEdit1", {156, 253, 50, 22}, "Year Edit:"));

    auto* dateEdit = AddEdit<TOrvDateEdit>(page, shared, "OrvDateEdit1", {156, 280, 77, 22}, "Date Edit:");
    SetYearRule(*dateEdit);
    dateEdit->SetAlignment(taRightJustify);

    auto* monthsEdit =
        AddEdit<TOrvDateEdit>(page, shared, "OrvDateEdit2", {160, 306, 130, 22}, "Date Edit with Months:");
    SetYearRule(*monthsEdit);
    monthsEdit->SetAlignment(taRightJustify);
    monthsEdit->SetFormatType(edfCustom);
    monthsEdit->SetFormat(QStringLiteral("dd-mmmm-yyyy"));

    auto* timeEdit = AddEdit<TOrvTimeEdit>(page, shared, "OrvTimeEdit1", {156, 334, 76, 22}, "Time Edit:");
    timeEdit->SetStoreValue(false);
    timeEdit->SetFormatType(etfCustom);
    timeEdit->SetFormat(QStringLiteral("hh:mm"));

    auto* dowEdit = AddEdit<TOrvDOWEdit>(page, shared, "OrvDOWEdit1", {573, 11, 98, 22}, "Day of Week Edit:");
    dowEdit->SetStoreValue(false);
    dowEdit->SetDOWFormat(edfLongDOW);

    auto* monthEdit = AddEdit<TOrvMonthEdit>(page, shared, "OrvMonthEdit1", {573, 38, 98, 22}, "Month Edit:");
    monthEdit->SetStoreValue(false);
    monthEdit->SetMonthFormat(emfLongMonth);

    // The panel keeps its default width, and with AutoSize its date edit's height.
    auto* dateTimeEdit = PlaceControl<TOrvDateTimeEdit>(page, "OrvDateTimeEdit1", {577, 64, 0, 22});
    dateTimeEdit->SetStoreValue(false);
    AttachControl(dateTimeEdit, shared.OrvUICtrl1, &shared.OrvStateCtrl1);
    AttachCaption(*dateTimeEdit, Tr("Date && Time Edit"));
}

void AddGroupedFloatEdits(QWidget& page, const TDemoShared& shared)
{
    auto* autoEdit = AddEdit<TOrvFloatEdit>(page, shared, "OrvFloatEdit2", {573, 280, 87, 22},
                                            "Float Edit with Auto Thousands Separators:");
    autoEdit->SetStoreValue(false);
    autoEdit->SetAlignment(taRightJustify);
    autoEdit->SetThousandSeparators(essAuto);

    auto* forcedEdit = AddEdit<TOrvFloatEdit>(page, shared, "OrvFloatEdit3", {573, 307, 87, 22},
                                              "Float Edit with Forced 2 Decimal Places", &shared.GrpUICtrl);
    forcedEdit->setToolTip(Tr("Try entering more than 2 decimal places"));
    forcedEdit->SetStoreValue(false);
    forcedEdit->SetAlignment(taRightJustify);
    forcedEdit->SetThousandSeparators(essAuto);
    forcedEdit->SetDecimalPlaces(2);
    forcedEdit->SetForceDecimals(true);
}

} // namespace

TEditsPage BuildEditsPage(QWidget& page, const TDemoShared& shared)
{
    TEditsPage edits;
    AddNumericEdits(page, shared, edits);
    AddDateEdits(page, shared);
    AddGroupedFloatEdits(page, shared);
    AddFreeLabel(page, Tr("Try Entering  \"+1\" or say \"-7\" into the above Date Edit"), {48, 366}, 15, true);
    return edits;
}

void PrepareEditsPage(const TEditsPage& edits, const TDemoRandom& random)
{
    edits.OrvPosFloatEdit1->SetAsFloat(random() * 10000);
    edits.OrvFloatEdit1->SetAsFloat(random() * -10000);
    edits.OrvSciFloatEdit1->SetAsFloat(random() * 1.0E12L);
    edits.OrvSciFloatEdit1->SetSciMin(0.0001L);
    edits.OrvPercentEdit1->SetAsFloat(random());
    edits.OrvIntEdit1->SetAsInteger(-123456);
}

} // namespace orv
