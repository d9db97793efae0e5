#include "ChecksPage.h"

#include <orvkit/controls/OrvkitCheckBox.h>
#include <orvkit/controls/OrvkitGroupCtrls.h>

#include <QCoreApplication>

namespace orv {

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("ChecksPage", text);
}

struct TCheckBoxRow {
    const char* name;
    QRect place;
    const char* caption;
    TOrvFrameStyle frameStyle;
};

TOrvCheckBox* AddCheckBox(QWidget& page, const TDemoShared& shared, const TCheckBoxRow& row)
{
    auto* box = AttachControl(PlaceControl<TOrvCheckBox>(page, row.name, row.place), shared.OrvUICtrl1,
                              &shared.OrvStateCtrl1);
    box->SetCaption(Tr(row.caption));
    box->SetFrameStyle(row.frameStyle);
    box->SetFrameGap(0);
    box->ColorSet().SetHotSpecialColor(clBlack);
    return box;
}

void AddCheckGroup(QWidget& page, const TDemoShared& shared)
{
    auto* group = AttachControl(PlaceControl<TOrvCheckGroup>(page, "OrvCheckGroup2", {65, 145, 215, 108}),
                                shared.GrpUICtrl, &shared.OrvStateCtrl1);
    TOrvGroupColorSet& set = group->ColorSet();
    set.SetGroupFrameStyle(egfsRound);
    set.SetHotTracking(true);
    set.SetItemStyle(elsSunken);
    group->SetCaption(Tr("OrvCheckGroup"));
    group->SetColumns(2);
    group->SetItems({Tr("Item 1"), Tr("Item 2"), Tr("Item 3"), Tr("Item 4")});
    group->SetAsBitList(6);
}

} // namespace

void BuildChecksPage(QWidget& page, const TDemoShared& shared)
{
    const TCheckBoxRow rows[] = {
        {"OrvCheckBox1", {65, 16, 107, 18}, QT_TRANSLATE_NOOP("ChecksPage", "Cross Box"), efsNone},
        {"OrvCheckBox4", {188, 16, 184, 18}, QT_TRANSLATE_NOOP("ChecksPage", "Another CheckBox"), efsNone},
        {"OrvCheckBox5", {65, 59, 107, 34}, QT_TRANSLATE_NOOP("ChecksPage", "Simple Frame"), efsSimple},
        {"OrvCheckBox6", {210, 59, 114, 28}, QT_TRANSLATE_NOOP("ChecksPage", "Raised Frame?"), efsRaised},
        {"OrvCheckBox7", {382, 59, 114, 30}, QT_TRANSLATE_NOOP("ChecksPage", "Round Frame?"), efsRound},
        {"OrvCheckBox8", {533, 59, 125, 28}, QT_TRANSLATE_NOOP("ChecksPage", "Sunken Frame"), efsSunken},
    };
    TOrvCheckBox* boxes[std::size(rows)];
    for (size_t i = 0; i < std::size(rows); ++i)
        boxes[i] = AddCheckBox(page, shared, rows[i]);

    boxes[0]->SetCheckStyle(ecsCross);
    boxes[0]->SetChecked(true);
    boxes[1]->SetAlignCaption(eacCaptionLeft);
    boxes[2]->SetBoxMargin(1);

    AddCheckGroup(page, shared);
}

} // namespace orv
