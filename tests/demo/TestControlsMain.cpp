#include <orvkit/demo/ControlsMain.h>

#include <QFrame>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

TEST(ControlsMain, CaptionClientAreaAndPages)
{
    orv::TForm1 form;
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Controls Demo for Orvkit for VCL v6.15.1"));
    EXPECT_EQ(form.size(), QSize(861, 496));

    const struct {
        const char* caption;
        const char* name;
    } pages[] = {
        {"Edits", "Edits"},           {"Other Edits", "OtherEdits"}, {"ComboBoxes", "ComboBoxes"},
        {"SpinEdits", "SpinEdits"},   {"Calculators", "Calculators"}, {"Calendars", "TabSheet1"},
        {"Checks", "TabSheet3"},      {"Miscellaneous", "TabSheet2"},
    };
    QTabWidget* pc = form.PC();
    ASSERT_EQ(pc->objectName(), QStringLiteral("PC"));
    ASSERT_EQ(pc->count(), 8);
    for (int i = 0; i < pc->count(); ++i) {
        EXPECT_EQ(pc->tabText(i), QString::fromLatin1(pages[i].caption)) << i;
        EXPECT_EQ(pc->widget(i)->objectName(), QString::fromLatin1(pages[i].name)) << i;
    }
    EXPECT_EQ(pc->currentIndex(), 0);
}

TEST(ControlsMain, BottomPanelHasItsHeightBelowThePages)
{
    orv::TForm1 form;
    form.show();
    const QFrame* panel = form.Panel1();
    EXPECT_EQ(panel->objectName(), QStringLiteral("Panel1"));
    EXPECT_EQ(panel->height(), 82);
    EXPECT_EQ(panel->geometry().bottom(), form.height() - 1);
    EXPECT_EQ(form.PC()->height(), 496 - 82);
}

} // namespace
