#include <orvkit/controls/OrvkitTimeComboBox.h>
#include <orvkit/core/OrvkitExceptions.h>

#include "edits/EditTestWindow.h"

#include <QSignalSpy>
#include <string>
#include <vector>

namespace orv {
namespace {

class TimeCombo : public test::DateEditTest {
protected:
    void SetUp() override
    {
        combo = fWindow.Add(new TOrvTimeComboBox);
        combo->SetAutoComplete(false);
        fWindow.Show();
    }
    void Pick(Qt::Key key)
    {
        test::EditWindow::Focus(combo);
        QTest::keyClick(combo, key);
    }

    TOrvTimeComboBox* combo = nullptr;
};

TEST_F(TimeCombo, ShowsTheClocksTimeAndListsTheDayEveryQuarter)
{
    EXPECT_EQ(combo->currentText(), QStringLiteral("23:30"));
    ASSERT_EQ(combo->count(), 96);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("00:00"));
    EXPECT_EQ(combo->itemText(95), QStringLiteral("23:45"));
    EXPECT_EQ(combo->ItemIndex(), 94);
    combo->SetTimeInterval(ti2hr);
    EXPECT_EQ(combo->count(), 12);
    EXPECT_EQ(combo->Interval(), 120);
    EXPECT_EQ(combo->itemText(11), QStringLiteral("22:00"));
}

TEST_F(TimeCombo, SettingATimeHighlightsTheNearestItemAndShowsTheTime)
{
    combo->SetStartTime(T(12, 0));
    combo->SetEndTime(T(18, 0));
    ASSERT_EQ(combo->count(), 25);
    EXPECT_EQ(combo->itemText(24), QStringLiteral("18:00"));
    const struct {
        TDateTime time;
        int item;
        const char* shown;
    } cases[] = {
        {T(12, 7), 0, "12:07"}, {T(12, 8), 1, "12:08"}, {T(12, 22, 30), 2, "12:22"},
        {T(11, 0), 0, "11:00"}, {T(19, 0), 24, "19:00"},
    };
    for (const auto& c : cases) {
        combo->SetTime(c.time);
        EXPECT_EQ(combo->ItemIndex(), c.item) << c.shown;
        EXPECT_EQ(combo->currentText(), QString::fromLatin1(c.shown));
        // The shown text keeps the seconds it does not show.
        EXPECT_EQ(combo->Time(), c.time) << c.shown;
    }
}

TEST_F(TimeCombo, BoundaryItemsAreListedAndSelected)
{
    // A running sum of the interval lost 06:00 and 09:00 and then selected 07:15 for 07:00.
    combo->SetStartTime(T(6, 0));
    combo->SetEndTime(T(9, 0));
    ASSERT_EQ(combo->count(), 13);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("06:00"));
    EXPECT_EQ(combo->itemText(12), QStringLiteral("09:00"));
    combo->SetTime(T(7, 0));
    EXPECT_EQ(combo->itemText(combo->ItemIndex()), QStringLiteral("07:00"));

    combo->SetStartTime(0);
    combo->SetEndTime(T(1, 0));
    combo->SetTimeInterval(ti5min);
    ASSERT_EQ(combo->count(), 13);
    EXPECT_EQ(combo->itemText(12), QStringLiteral("01:00"));
}

TEST_F(TimeCombo, AStartAfterTheEndListsNothing)
{
    combo->SetStartTime(T(18, 0));
    combo->SetEndTime(T(12, 0));
    EXPECT_EQ(combo->count(), 0);
    combo->SetTime(T(14, 0));
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->currentText(), QStringLiteral("14:00"));
    combo->AdjustTime();
    EXPECT_EQ(combo->Time(), T(14, 0));
}

TEST_F(TimeCombo, BlankWhenZeroBlanksMidnight)
{
    combo->SetBlankWhenZero(true);
    combo->SetTime(0);
    EXPECT_EQ(combo->itemText(0), QString());
    EXPECT_EQ(combo->currentText(), QString());
    EXPECT_EQ(combo->Time(), 0);
}

TEST_F(TimeCombo, StepsWrapWithinTheDay)
{
    const struct {
        TDateTime start;
        void (*step)(TOrvTimeComboBox&);
        TDateTime result;
    } cases[] = {
        {T(23, 0), [](TOrvTimeComboBox& c) { c.AddHours(2); }, T(1, 0)},
        {T(0, 10), [](TOrvTimeComboBox& c) { c.SubtractMinutes(30); }, T(23, 40)},
        {T(12, 0), [](TOrvTimeComboBox& c) { c.AddSeconds(90); }, T(12, 1, 30)},
        {T(1, 0), [](TOrvTimeComboBox& c) { c.SubtractHours(49); }, T(0, 0)},
    };
    for (const auto& c : cases) {
        combo->SetTime(c.start);
        c.step(*combo);
        EXPECT_NEAR(combo->Time(), c.result, 1e-9) << c.start;
    }
    combo->SetTime(T(10, 0));
    combo->AddHours(std::numeric_limits<Extended>::infinity());
    EXPECT_EQ(combo->Time(), T(10, 0));
}

TEST_F(TimeCombo, AdjustTimeOnExitSnapsToTheList)
{
    combo->SetAdjustTimeOnExit(true);
    EXPECT_EQ(fWindow.Enter(combo, QStringLiteral("10:08")), QString());
    EXPECT_EQ(combo->currentText(), QStringLiteral("10:15"));
    EXPECT_EQ(combo->itemText(combo->ItemIndex()), QStringLiteral("10:15"));
    EXPECT_EQ(combo->Time(), T(10, 15));
    EXPECT_TRUE(combo->ConvertOK());

    combo->OnExitStart = [](QObject*, QString&, bool& furtherChecking) { furtherChecking = false; };
    EXPECT_EQ(fWindow.Enter(combo, QStringLiteral("10:08")), QString());
    EXPECT_EQ(combo->Time(), T(10, 8));
    EXPECT_EQ(fWindow.Enter(combo, QStringLiteral("99")), QString());
    EXPECT_EQ(combo->currentText(), QStringLiteral("00:00"));
    EXPECT_EQ(combo->Time(), 0);
}

TEST_F(TimeCombo, TextThatIsNoTimeIsReportedAndKeepsTheFocus)
{
    std::vector<std::string> log;
    combo->OnConvertError = [&](QObject*, const QString& text) { log.push_back(text.toStdString()); };
    QSignalSpy spy(combo, &TOrvTimeComboBox::convertError);
    fWindow.Enter(combo, QStringLiteral("99"));
    EXPECT_EQ(log, std::vector<std::string>{"99"});
    EXPECT_EQ(spy.size(), 1);
    EXPECT_TRUE(combo->hasFocus());
    EXPECT_FALSE(combo->ConvertOK());

    // Without a handler an error box says why.
    combo->OnConvertError = nullptr;
    const QString shown = fWindow.Enter(combo, QStringLiteral("25:99"));
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Invalid Time"))) << shown.toStdString();
    EXPECT_TRUE(combo->hasFocus());

    // Ignoring conversion errors lets the exit pass.
    combo->SetIgnoreConvertError(true);
    EXPECT_EQ(fWindow.Enter(combo, QStringLiteral("99")), QString());
    EXPECT_TRUE(combo->ConvertOK());
}

TEST_F(TimeCombo, BlankIsNullMakesAnEmptyTextNull)
{
    combo->SetBlankIsNull(true);
    int nullChanges = 0;
    combo->OnNullChange = [&](QObject*) { ++nullChanges; };
    fWindow.Enter(combo, QString());
    EXPECT_TRUE(combo->Null());
    EXPECT_EQ(nullChanges, 0);
    EXPECT_EQ(combo->Time(), 0);
    combo->SetNullStr(QStringLiteral("<none>"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("<none>"));
    combo->SetTime(T(8, 0));
    EXPECT_FALSE(combo->Null());
    EXPECT_EQ(nullChanges, 1);
}

TEST_F(TimeCombo, ImpossiblePartsFailAndLeaveTheTime)
{
    combo->SetTime(T(9, 30));
    EXPECT_THROW(combo->SetHour(24), EConvertError);
    EXPECT_EQ(combo->Time(), T(9, 30));
    combo->SetMinute(45);
    EXPECT_EQ(combo->Time(), T(9, 45));
    EXPECT_EQ(combo->currentText(), QStringLiteral("09:45"));

    // Through the meta-object system the failure goes to the error event instead.
    std::vector<std::string> log;
    combo->OnConvertError = [&](QObject*, const QString& text) { log.push_back(text.toStdString()); };
    EXPECT_TRUE(combo->setProperty("Second", 75));
    EXPECT_EQ(log, std::vector<std::string>{"09:45"});
    EXPECT_EQ(combo->Time(), T(9, 45));
}

TEST_F(TimeCombo, NumericOnlyFiltersTyping)
{
    combo->SetFormatType(etfLongTime);
    fWindow.Enter(combo, QStringLiteral("1a2:3b4"));
    EXPECT_EQ(combo->Time(), T(12, 34));
    combo->SetNumericOnly(false);
    test::EditWindow::Focus(combo);
    QTest::keyClick(combo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(combo, QStringLiteral("3 pm"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("3 pm"));
}

TEST_F(TimeCombo, FormatChangesOnlyForTheCustomType)
{
    combo->SetTime(T(14, 5, 9));
    combo->SetFormat(QStringLiteral("hh.nn"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("14:05"));
    combo->SetFormatType(etfCustom);
    combo->SetFormat(QStringLiteral("hh.nn"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("14.05"));
    EXPECT_EQ(combo->itemText(1), QStringLiteral("00.15"));
    EXPECT_TRUE(combo->FormatStored());
}

TEST_F(TimeCombo, AReadOnlyPickLeavesTheTime)
{
    combo->SetTime(T(10, 7));
    combo->SetReadOnly(true);
    QSignalSpy spy(combo, &TOrvTimeComboBox::timeChanged);
    Pick(Qt::Key_Down);
    EXPECT_EQ(combo->currentText(), QStringLiteral("10:07"));
    EXPECT_EQ(combo->Time(), T(10, 7));
    EXPECT_EQ(spy.size(), 0);

    combo->SetReadOnly(false);
    Pick(Qt::Key_Down);
    EXPECT_EQ(combo->Time(), T(10, 15));
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy.takeFirst().at(0).toDouble(), T(10, 15));
    combo->SetTime(T(11, 0));
    EXPECT_EQ(spy.size(), 1);
}

} // namespace
} // namespace orv
