#include <orvkit/controls/OrvkitDateTimeComboBox.h>

#include "datetime/ScopedTZ.h"
#include "datetime/TZifFixture.h"
#include "edits/EditTestWindow.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace orv {
namespace {

using test::DateEditTest;

class MonthDOWCombo : public DateEditTest {
protected:
    template <class T>
    T* Show(T* combo)
    {
        fWindow.Add(combo);
        fWindow.Show();
        return combo;
    }
};

TEST_F(MonthDOWCombo, TypedDigitsBecomeTheMonthOnExitAndOtherTextSelectsNone)
{
    auto* month = Show(new TOrvMonthComboBox);
    EXPECT_EQ(month->Month(), 3); // the clock's month
    EXPECT_EQ(month->currentText(), QStringLiteral("March"));
    ASSERT_EQ(month->count(), 12);
    EXPECT_EQ(month->itemText(0), QStringLiteral("January"));

    month->SetAutoComplete(false);
    fWindow.Enter(month, QStringLiteral("7"));
    EXPECT_EQ(month->currentText(), QStringLiteral("July"));
    EXPECT_EQ(month->Month(), 7);
    EXPECT_EQ(month->ItemIndex(), 6);

    fWindow.Enter(month, QStringLiteral("13"));
    EXPECT_EQ(month->currentText(), QStringLiteral("13"));
    EXPECT_EQ(month->ItemIndex(), -1);
    EXPECT_EQ(month->Month(), 0);
    EXPECT_EQ(month->MonthLong(), QString());
}

TEST_F(MonthDOWCombo, MonthSettersAndFormats)
{
    auto* month = Show(new TOrvMonthComboBox);
    QSignalSpy spy(month, &TOrvMonthComboBox::monthChanged);
    month->SetMonth(13);
    EXPECT_EQ(month->Month(), 3);
    EXPECT_EQ(spy.size(), 0);
    month->SetMonthLong(QStringLiteral("aug"));
    EXPECT_EQ(month->Month(), 8);
    EXPECT_EQ(month->MonthShort(), QStringLiteral("Aug"));
    month->SetMonthShort(QStringLiteral("Nothing"));
    EXPECT_EQ(month->Month(), 0);
    EXPECT_EQ(month->currentText(), QString());
    EXPECT_EQ(spy.size(), 2);

    month->SetMonth(11);
    const struct {
        TOrvMonthFormatType format;
        const char* first;
        const char* shown;
    } cases[] = {{emfNumeric, "1", "11"}, {emfShortMonth, "Jan", "Nov"}, {emfLongMonth, "January", "November"}};
    for (const auto& c : cases) {
        month->SetMonthFormat(c.format);
        EXPECT_EQ(month->itemText(0), QString::fromLatin1(c.first)) << c.format;
        EXPECT_EQ(month->currentText(), QString::fromLatin1(c.shown)) << c.format;
        EXPECT_EQ(month->Month(), 11) << c.format;
    }
}

TEST_F(MonthDOWCombo, TheISOListStartsOnMondayAndNumbersFromIt)
{
    auto* dow = Show(new TOrvDOWComboBox);
    EXPECT_EQ(dow->DOW(), 3); // a Tuesday, Sunday-based
    dow->SetISO8601(true);
    EXPECT_EQ(dow->itemText(0), QStringLiteral("Monday"));
    EXPECT_EQ(dow->itemText(6), QStringLiteral("Sunday"));
    dow->SetDOW(1);
    EXPECT_EQ(dow->currentText(), QStringLiteral("Monday"));
    EXPECT_EQ(dow->DOWLong(), QStringLiteral("Monday"));
    dow->SetDOWFormat(edfNumeric);
    EXPECT_EQ(dow->itemText(0), QStringLiteral("1"));
    EXPECT_EQ(dow->currentText(), QStringLiteral("1"));

    {
        const TOrvClockOverride sunday(MakeDate(2026, 3, 15));
        dow->Today();
        EXPECT_EQ(dow->DOW(), 7);
    }
    dow->SetISO8601(false);
    EXPECT_EQ(dow->DOW(), 7);
    dow->SetDOWFormat(edfLongDOW);
    EXPECT_EQ(dow->currentText(), QStringLiteral("Saturday"));
}

TEST_F(MonthDOWCombo, ADayNameThatMatchesNoneClearsOnlyWithoutISO)
{
    auto* dow = Show(new TOrvDOWComboBox);
    const struct {
        bool iso;
        const char* name;
        uint16_t dow;
    } cases[] = {
        {false, "fri", 6}, {false, "nothing", 0}, {true, "FRIDAY", 5}, {true, "nothing", 5}, {true, "Sun", 7},
    };
    for (const auto& c : cases) {
        dow->SetISO8601(c.iso);
        dow->SetDOWShort(QString::fromLatin1(c.name));
        EXPECT_EQ(dow->DOW(), c.dow) << c.name << " iso " << c.iso;
    }
}

/// A zone folder with a western zone with daylight time, UTC and an eastern zone.
class TZCombo : public DateEditTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
        ASSERT_TRUE(QDir(fDir.path()).mkpath(QStringLiteral("Test")));
        Write(QStringLiteral("tzdata.zi"), "Z Test/East -9 - JST\nZ Test/West 5 - EST\nZ Test/Zero 0 - UTC\n");
        Write(QStringLiteral("Test/East"), tzfixture::File("JST-9"));
        Write(QStringLiteral("Test/West"), tzfixture::File("EST5EDT,M3.2.0,M11.1.0"));
        Write(QStringLiteral("Test/Zero"), tzfixture::File("UTC0"));
        combo = fWindow.Add(new TOrvTZComboBox);
        combo->SetZoneInfoDir(fDir.path());
        fWindow.Show();
    }
    void Write(const QString& name, const QByteArray& bytes)
    {
        QFile file(fDir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir fDir;
    TOrvTZComboBox* combo = nullptr;
};

TEST_F(TZCombo, ListsTheZonesWestToEastAndFindsThemByName)
{
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("(UTC-05:00) Test/West"));
    EXPECT_EQ(combo->CurrentZone(), -1);
    EXPECT_EQ(combo->currentText(), QString());
    EXPECT_EQ(combo->BIAS(), 0);
    EXPECT_FALSE(combo->UseDaylightTime());
    EXPECT_EQ(combo->StandardDate(), QString());

    QSignalSpy spy(combo, &TOrvTZComboBox::timeZoneChanged);
    combo->SetDisplayName(QStringLiteral("(utc-05:00) test/west"));
    EXPECT_EQ(combo->KeyName(), QStringLiteral("Test/West"));
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(combo->currentText(), QStringLiteral("(UTC-05:00) Test/West"));
    EXPECT_EQ(combo->BIAS(), 300);
    EXPECT_EQ(combo->DaylightBIAS(), -60);
    EXPECT_EQ(combo->StandardDate(), QStringLiteral("1st Sunday of November at 02:00:00"));
    EXPECT_EQ(combo->DaylightDate(), QStringLiteral("2nd Sunday of March at 02:00:00"));
    EXPECT_EQ(combo->AsTimeZoneInfo().KeyName, QStringLiteral("Test/West"));
    EXPECT_EQ(combo->StandardSystemTime().wMonth, 11);
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy.takeFirst().at(0).toString(), QStringLiteral("Test/West"));

    combo->SetStandardName(QStringLiteral("jst"));
    EXPECT_EQ(combo->KeyName(), QStringLiteral("Test/East"));
    combo->SetKeyName(QStringLiteral("Test/Zero"));
    EXPECT_EQ(combo->StandardDate(), QStringLiteral("N/A"));
    EXPECT_EQ(combo->DaylightDate(), QStringLiteral("N/A"));
    combo->SetDaylightName(QStringLiteral("nothing"));
    EXPECT_EQ(combo->CurrentZone(), -1);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->AsTimeZoneInfo(), TOrvTimeZoneInfo());
}

TEST_F(TZCombo, GMTStrReplacesTheOffsetWordAndKeepsTheCurrentZone)
{
    combo->SetKeyName(QStringLiteral("Test/East"));
    combo->SetGMTStr(QStringLiteral("GMT+"));
    EXPECT_EQ(combo->itemText(2), QStringLiteral("(GMT++09:00) Test/East"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("(GMT++09:00) Test/East"));
    EXPECT_EQ(combo->KeyName(), QStringLiteral("Test/East"));
    combo->SetGMTStr(QStringLiteral("GMT"));
    EXPECT_EQ(combo->itemText(2), QStringLiteral("(UTC+09:00) Test/East"));
}

TEST_F(TZCombo, AReadOnlyPickNeverChangesTheZone)
{
    combo->SetKeyName(QStringLiteral("Test/Zero"));
    combo->SetReadOnly(true);
    test::EditWindow::Focus(combo);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->KeyName(), QStringLiteral("Test/Zero"));
    EXPECT_EQ(combo->currentText(), combo->DisplayName());

    combo->SetReadOnly(false);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->KeyName(), QStringLiteral("Test/East"));
}

TEST_F(TZCombo, AMissingDatabaseListsNothingAndAnsweresEmpty)
{
    combo->SetKeyName(QStringLiteral("Test/West"));
    combo->SetZoneInfoDir(fDir.filePath(QStringLiteral("nowhere")));
    EXPECT_EQ(combo->count(), 0);
    EXPECT_EQ(combo->KeyName(), QString());
    EXPECT_EQ(combo->DaylightBIAS(), 0);
    combo->SetUseLocal(true);
    EXPECT_EQ(combo->CurrentZone(), -1);
}

TEST(TZComboLocal, UseLocalSelectsTheSystemsZone)
{
    const ScopedTZ tz("Australia/Sydney");
    TOrvTZComboBox combo;
    combo.SetUseLocal(true);
    EXPECT_EQ(combo.BIAS(), -600);
    EXPECT_EQ(combo.StandardName(), QStringLiteral("AEST"));
    EXPECT_TRUE(combo.currentText().startsWith(QStringLiteral("(UTC+10:00) ")));
    EXPECT_FALSE(combo.DisplayNameStored());
}

} // namespace
} // namespace orv
