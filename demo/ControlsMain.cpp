#include "ControlsMain.h"

#include "CalendarsPage.h"
#include "ChecksPage.h"
#include "ComboBoxesPage.h"
#include "EditsPage.h"
#include "SpinEditsPage.h"

#include <QDateTime>
#include <QFrame>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orv {

namespace {

TDemoRandom ClockSeededRandom()
{
    return [generator = QRandomGenerator(quint32(QDateTime::currentMSecsSinceEpoch()))]() mutable {
        return generator.generateDouble();
    };
}

/// The style OrvUICtrl1 and GrpUICtrl share: flat, focus shown, bold item captions.
void SetSharedStyle(TOrvCompleteColorSet& set)
{
    set.SetFlat(true);
    set.SetShowFocus(true);
    set.SetItemRWFontStyle(fsBold);
    set.SetItemFocusFontStyle(fsBold);
    set.SetItemHotFontStyle(fsBold);
}

} // namespace

TForm1::TForm1(QWidget* parent, const TDemoRandom& random) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Controls Demo for Orvkit for VCL v6.15.1"));
    setFixedSize(ClientWidth, ClientHeight);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);

    fPC = new QTabWidget(this);
    fPC->setObjectName(QStringLiteral("PC"));
    QWidget* edits = AddPage(tr("Edits"), QStringLiteral("Edits"));
    AddPage(tr("Other Edits"), QStringLiteral("OtherEdits"));
    QWidget* comboBoxes = AddPage(tr("ComboBoxes"), QStringLiteral("ComboBoxes"));
    QWidget* spinEdits = AddPage(tr("SpinEdits"), QStringLiteral("SpinEdits"));
    AddPage(tr("Calculators"), QStringLiteral("Calculators"));
    QWidget* calendars = AddPage(tr("Calendars"), QStringLiteral("TabSheet1"));
    QWidget* checks = AddPage(tr("Checks"), QStringLiteral("TabSheet3"));
    AddPage(tr("Miscellaneous"), QStringLiteral("TabSheet2"));

    // Raised inner and lowered outer bevel.
    fPanel1 = new QFrame(this);
    fPanel1->setObjectName(QStringLiteral("Panel1"));
    fPanel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    fPanel1->setLineWidth(1);
    fPanel1->setMidLineWidth(1);
    fPanel1->setFixedHeight(PanelHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(fPC, 1);
    layout->addWidget(fPanel1);

    CreateComponents();
    const TDemoShared shared{*fOrvUICtrl1, *fGrpUICtrl, *fOrvStateCtrl1};
    const TEditsPage editsPage = BuildEditsPage(*edits, shared);
    BuildComboBoxesPage(*comboBoxes, shared);
    BuildSpinEditsPage(*spinEdits, shared);
    BuildCalendarsPage(*calendars);
    BuildChecksPage(*checks, shared);
    FormCreate(editsPage, random ? random : ClockSeededRandom());
}

QWidget* TForm1::AddPage(const QString& caption, const QString& objectName)
{
    auto* page = new QWidget(fPC);
    page->setObjectName(objectName);
    fPC->addTab(page, caption);
    return page;
}

void TForm1::CreateComponents()
{
    fOrvStateCtrl1 = new TOrvStateCtrl(this);
    fOrvStateCtrl1->setObjectName(QStringLiteral("OrvStateCtrl1"));

    fOrvUICtrl1 = new TOrvUICtrl(this);
    fOrvUICtrl1->setObjectName(QStringLiteral("OrvUICtrl1"));
    fOrvUICtrl1->SetStoreSection(QStringLiteral("Defaults"));
    fOrvUICtrl1->SetNullStr(QStringLiteral("<empty>"));
    TOrvCompleteColorSet& set = *fOrvUICtrl1->ColorSet();
    SetSharedStyle(set);
    set.SetItemROFontStyle(fsBold);
    set.SetHeadingFontStyle(fsBold);
    set.SetHeadingFocusFontStyle(fsBold);
    set.SetHeadingHotFontStyle(fsBold);

    fGrpUICtrl = new TOrvUICtrl(this);
    fGrpUICtrl->setObjectName(QStringLiteral("GrpUICtrl"));
    fGrpUICtrl->SetNullStr(QStringLiteral("<empty>"));
    SetSharedStyle(*fGrpUICtrl->ColorSet());
    fGrpUICtrl->ColorSet()->SetGroupFrameStyle(egfsRound);

    // Wired after the stored styles are in place, as loading a layout fires no handler.
    fOrvUICtrl1->OnColorSetChange = [this](QObject*) { OrvUICtrl1ColorSetChange(); };
}

void TForm1::FormCreate(const TEditsPage& edits, const TDemoRandom& random)
{
    fPC->setCurrentIndex(0);
    TOrvCompleteColorSet& set = *fOrvUICtrl1->ColorSet();
    set.SetFocusColor(0x0080FFFF);
    set.SetHotColor(0x00FFFF00);
    set.SetROColor(0x00FFFFF0);
    PrepareEditsPage(edits, random);
}

void TForm1::OrvUICtrl1ColorSetChange()
{
    TOrvCompleteColorSet& group = *fGrpUICtrl->ColorSet();
    group.BeginUpdate();
    group.Assign(*fOrvUICtrl1->ColorSet());
    group.SetItemRWFontStyle({});
    group.SetItemROFontStyle({});
    group.SetItemFocusFontStyle({});
    group.SetItemHotFontStyle({});
    group.SetGroupFrameStyle(egfsRound);
    group.EndUpdate();
}

void TForm1::SetControlsFlat(bool value)
{
    fOrvUICtrl1->ColorSet()->SetFlat(value);
}

void TForm1::SetControlsHotTracking(bool value)
{
    fOrvUICtrl1->ColorSet()->SetHotTracking(value);
}

void TForm1::SetControlsReadOnly(bool value)
{
    fOrvStateCtrl1->SetReadOnly(value);
}

void TForm1::SetControlsDisabled(bool value)
{
    fOrvStateCtrl1->SetEnabled(!value);
}

void TForm1::SetControlsROColor(TColor value)
{
    fOrvUICtrl1->ColorSet()->SetROColor(value);
}

void TForm1::SetControlsFocusColor(TColor value)
{
    fOrvUICtrl1->ColorSet()->SetFocusColor(value);
}

void TForm1::SetControlsHotColor(TColor value)
{
    fOrvUICtrl1->ColorSet()->SetHotColor(value);
}

} // namespace orv
