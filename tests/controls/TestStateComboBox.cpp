#include <orvkit/controls/OrvkitStateComboBox.h>

#include "edits/EditTestWindow.h"

#include <QSignalSpy>

namespace orv {
namespace {

class StateCombo : public testing::Test {
protected:
    void SetUp() override
    {
        combo = fWindow.Add(new TOrvStateComboBox);
        fWindow.Show();
    }

    test::EditWindow fWindow;
    TOrvStateComboBox* combo = nullptr;
};

TEST_F(StateCombo, StartsOnTheUnknownEntryOfAustralia)
{
    EXPECT_EQ(combo->State(), 0);
    EXPECT_EQ(combo->StateNumber(), 8);
    ASSERT_EQ(combo->count(), 9);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("Unknown"));
    EXPECT_EQ(combo->itemText(8), QStringLiteral("Western Australia"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("Unknown"));
    EXPECT_EQ(combo->DropDownCount(), 9);
    const TOrvStateComboBox alone;
    EXPECT_EQ(alone.width(), 120);
}

TEST_F(StateCombo, NamesSelectTheFirstEntryBeginningWithThem)
{
    const struct {
        TOrvStateCountry country;
        bool byAbbrev;
        const char* text;
        int state;
        const char* full;
    } cases[] = {
        {stAustralia, true, "nsw", 2, "New South Wales"},
        {stUSA, false, "New", 39, "New Hampshire"},
        {stCanada, false, "New", 4, "New Brunswick"},
        {stCanada, false, "QUÉBEC", 11, "Québec"},
        {stCanada, true, "qc", 11, "Québec"},
        {stAustralia, true, "XX", 0, "Unknown"},
        {stUSA, true, "", 1, "Armed Forces Americas"},
        {stUSA, true, "wy", 62, "Wyoming"},
    };
    for (const auto& c : cases) {
        combo->SetStateCountry(c.country);
        if (c.byAbbrev)
            combo->SetStateAbbrev(QString::fromUtf8(c.text));
        else
            combo->SetStateFull(QString::fromUtf8(c.text));
        EXPECT_EQ(combo->State(), c.state) << c.text;
        EXPECT_EQ(combo->ItemIndex(), c.state) << c.text;
        EXPECT_EQ(combo->StateFull(), QString::fromUtf8(c.full)) << c.text;
        EXPECT_EQ(combo->currentText(), QString::fromUtf8(c.full)) << c.text;
    }
}

TEST_F(StateCombo, AbbreviationsAndTheUnknownTexts)
{
    combo->SetUseFullName(false);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("N/A"));
    EXPECT_EQ(combo->itemText(1), QStringLiteral("ACT"));
    combo->SetStateAbbrev(QStringLiteral("XX"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("N/A"));
    combo->SetUnknownAbbrevStr(QStringLiteral("--"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("--"));
    EXPECT_TRUE(combo->UnknownAbbrevStrStored());
    EXPECT_FALSE(combo->UnknownStrStored());
    combo->SetStateAbbrev(QStringLiteral("Vic"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("VIC"));
    EXPECT_EQ(combo->StateFull(), QStringLiteral("Victoria"));
}

TEST_F(StateCombo, SwitchingTheCountryRefillsAndReturnsToTheUnknownEntry)
{
    const struct {
        TOrvStateCountry country;
        int number, dropDownCount;
    } cases[] = {{stUSA, 62, 12}, {stCanada, 13, 14}, {stAustralia, 8, 9}};
    for (const auto& c : cases) {
        combo->SetStateAbbrev(QStringLiteral("N"));
        combo->SetStateCountry(c.country);
        EXPECT_EQ(combo->StateNumber(), c.number);
        EXPECT_EQ(combo->count(), c.number + 1);
        EXPECT_EQ(combo->State(), 0);
        EXPECT_EQ(combo->ItemIndex(), 0);
        EXPECT_EQ(combo->DropDownCount(), c.dropDownCount);
    }
    // StateNumber cannot be written.
    EXPECT_FALSE(combo->setProperty("StateNumber", 3));
    EXPECT_EQ(combo->StateNumber(), 8);
}

TEST_F(StateCombo, TheUsersPickIsTheStateUnlessReadOnly)
{
    QSignalSpy spy(combo, &TOrvStateComboBox::stateChanged);
    combo->SetStateAbbrev(QStringLiteral("QLD"));
    ASSERT_EQ(spy.size(), 1);
    combo->SetReadOnly(true);
    test::EditWindow::Focus(combo);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->StateAbbrev(), QStringLiteral("QLD"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("Queensland"));
    EXPECT_EQ(spy.size(), 1);

    combo->SetReadOnly(false);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->StateAbbrev(), QStringLiteral("SA"));
    ASSERT_EQ(spy.size(), 2);
    EXPECT_EQ(spy.at(1).at(0).toString(), QStringLiteral("SA"));
    combo->SetItemIndex(6);
    EXPECT_EQ(combo->StateAbbrev(), QStringLiteral("TAS"));
    combo->SetItemIndex(40);
    EXPECT_EQ(combo->State(), 0);
}

} // namespace
} // namespace orv
