#include "ControlsMain.h"

#include <QFrame>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orv {

TForm1::TForm1(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Controls Demo for Orvkit for VCL v6.15.1"));
    setFixedSize(ClientWidth, ClientHeight);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);

    fPC = new QTabWidget(this);
    fPC->setObjectName(QStringLiteral("PC"));
    AddPage(tr("Edits"), QStringLiteral("Edits"));
    AddPage(tr("Other Edits"), QStringLiteral("OtherEdits"));
    AddPage(tr("ComboBoxes"), QStringLiteral("ComboBoxes"));
    AddPage(tr("SpinEdits"), QStringLiteral("SpinEdits"));
    AddPage(tr("Calculators"), QStringLiteral("Calculators"));
    AddPage(tr("Calendars"), QStringLiteral("TabSheet1"));
    AddPage(tr("Checks"), QStringLiteral("TabSheet3"));
    AddPage(tr("Miscellaneous"), QStringLiteral("TabSheet2"));
    fPC->setCurrentIndex(0);

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
}

QWidget* TForm1::AddPage(const QString& caption, const QString& objectName)
{
    auto* page = new QWidget(fPC);
    page->setObjectName(objectName);
    fPC->addTab(page, caption);
    return page;
}

} // namespace orv
