#include <orvkit/edits/OrvkitDateEdits.h>

#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/framework/OrvkitUICtrl.h>

#include "EditTestWindow.h"

#include <QMetaProperty>
#include <vector>

namespace orv {
namespace {

using test::DateEditTest;

class YearEditTest : public DateEditTest {
protected:
    void SetUp() override
    {
        edit = fWindow.Add(new TOrvYearEdit(&fWindow.Window()));
        fWindow.Show();
    }
    TOrvYearEdit* edit = nullptr;
};

TEST_F(YearEditTest, StartsAtTheCurrentYearAndTypesDigitsOnly)
{
    EXPECT_EQ(edit->Year(), 2026);
    EXPECT_EQ(edit->text(), QStringLiteral("2026"));
    EXPECT_EQ(TOrvYearEdit().width(), 46);
    EXPECT_EQ(edit->DataType(), btDate);
    fWindow.Focus(edit);
    edit->selectAll();
    fWindow.Type(edit, QStringLiteral("19x8-4"));
    EXPECT_EQ(edit->text(), QStringLiteral("1984"));
    EXPECT_EQ(edit->Year(), 1984) << "the value follows the typing";
}

struct TwoDigitCase {
    TOrv2DigitYr mode;
    uint16_t cutOff;
    const char* typed;
    uint16_t expected;
};

class YearCompletion : public YearEditTest, public testing::WithParamInterface<TwoDigitCase> {};

TEST_P(YearCompletion, ShortYearIsCompletedByTheEditsOwnRuleOnExit)
{
    const TwoDigitCase& c = GetParam();
    GlobalTwoDigitYearMode = edyNone;
    GlobalTwoDigitYearCutOff = 1900;
    edit->SetYearDigitType(c.mode);
    edit->SetYearCutOff(c.cutOff);
    fWindow.Focus(edit);
    edit->SetText(QString::fromLatin1(c.typed));
    fWindow.LeaveWithTab(edit);
    EXPECT_EQ(edit->Year(), c.expected);
    EXPECT_EQ(edit->text(), QString::number(c.expected));
    EXPECT_EQ(GlobalTwoDigitYearMode, edyNone) << "the process-wide rule is untouched";
    EXPECT_EQ(GlobalTwoDigitYearCutOff, 1900);
}

INSTANTIATE_TEST_SUITE_P(Rules, YearCompletion,
                         testing::Values(TwoDigitCase{edyCutOff, 1950, "30", 2030}, TwoDigitCase{edyCutOff, 1950, "50", 1950},
                                         TwoDigitCase{edyCutOff, 1920, "30", 1930},
                                         TwoDigitCase{edyHistoric, 1950, "26", 2026},
                                         TwoDigitCase{edyHistoric, 1950, "27", 1927},
                                         TwoDigitCase{edyCutOff, 1950, "1776", 1776},
                                         TwoDigitCase{edyCutOff, 1950, "99999", 65535}));

TEST_F(YearEditTest, BlankZeroStaysBlank)
{
    edit->SetBlankWhenZero(true);
    edit->SetYear(0);
    EXPECT_EQ(edit->text(), QString());
    edit->SetBlankWhenZero(false);
    EXPECT_EQ(edit->text(), QStringLiteral("2000")) << "zero is a two-digit year like any other";
}

TEST_F(YearEditTest, OutOfBoundsShowsTheBoundAndKeepsTheFocus)
{
    edit->SetBoundLowerYear(2000);
    edit->SetBoundUpperYear(2030);
    edit->SetBoundsEnabled(true);
    fWindow.Focus(edit);
    edit->SetText(QStringLiteral("1999"));
    EXPECT_EQ(fWindow.LeaveWithTab(edit), QStringLiteral("Your entered Value is below the lower limit of 2000"));
    EXPECT_EQ(edit->BoundsValidationType(), evtBelowLower);
    EXPECT_EQ(fWindow.Window().focusWidget(), edit);

    std::vector<TOrvBoundsValidationtype> kinds;
    edit->OnBoundsError = [&](QObject* sender, const QString& text, TOrvBoundsValidationtype kind) {
        EXPECT_EQ(sender, edit);
        EXPECT_EQ(text, QStringLiteral("2031"));
        kinds.push_back(kind);
    };
    fWindow.Show();
    fWindow.Focus(edit);
    edit->SetText(QStringLiteral("2031"));
    EXPECT_EQ(fWindow.LeaveWithTab(edit), QString()) << "the handler replaces the box";
    EXPECT_EQ(kinds, std::vector<TOrvBoundsValidationtype>{evtAboveUpper});

    fWindow.Focus(edit);
    edit->SetText(QStringLiteral("2030"));
    fWindow.LeaveWithTab(edit);
    EXPECT_EQ(kinds.size(), 1u);
    EXPECT_EQ(edit->BoundsValidationType(), evtNone);
}

TEST_F(YearEditTest, PublishedPropertiesReachTheMetaObject)
{
    ASSERT_TRUE(edit->setProperty("Year", QVariant::fromValue<uint16_t>(1999)));
    EXPECT_EQ(edit->Year(), 1999);
    EXPECT_EQ(edit->property("Year").value<uint16_t>(), 1999);
    EXPECT_EQ(edit->property("Version").toString(), QStringLiteral("6.15.1"));
}

TEST_F(YearEditTest, LeapYearAndToday)
{
    edit->SetYear(2024);
    EXPECT_TRUE(edit->IsLeapYear());
    edit->SetYear(1900);
    EXPECT_FALSE(edit->IsLeapYear());
    edit->Today();
    EXPECT_EQ(edit->Year(), 2026);
}

class DateEditFixture : public DateEditTest {
protected:
    void SetUp() override
    {
        edit = fWindow.Add(new TOrvDateEdit(&fWindow.Window()));
        fWindow.Show();
    }
    TOrvDateEdit* edit = nullptr;
};

TEST_F(DateEditFixture, StartsAtTodayInTheShortFormat)
{
    EXPECT_EQ(edit->Date(), D(2026, 3, 10));
    EXPECT_EQ(edit->text(), QStringLiteral("10/03/2026"));
    EXPECT_EQ(edit->Year(), 2026);
    EXPECT_EQ(edit->Month(), 3);
    EXPECT_EQ(edit->Day(), 10);
    EXPECT_EQ(TOrvDateEdit().width(), 100);
    EXPECT_EQ(edit->Format(), QStringLiteral("dd/mm/yyyy"));
}

TEST_F(DateEditFixture, ImplyHistoricPutsALaterDayOfTheYearIntoLastYear)
{
    edit->SetImplyHistoric(true);
    fWindow.Enter(edit, QStringLiteral("15/12"));
    EXPECT_EQ(edit->Date(), D(2025, 12, 15));
    EXPECT_EQ(edit->text(), QStringLiteral("15/12/2025"));
    edit->SetImplyHistoric(false);
    fWindow.Enter(edit, QStringLiteral("15/12"));
    EXPECT_EQ(edit->Date(), D(2026, 12, 15));
}

TEST_F(DateEditFixture, TheEditsTwoDigitRuleReplacesTheProcessWideOneForTheCall)
{
    GlobalTwoDigitYearMode = edyCutOff;
    edit->SetYearDigitType(edyHistoric);
    fWindow.Enter(edit, QStringLiteral("1/1/30"));
    EXPECT_EQ(edit->Date(), D(1930, 1, 1));
    EXPECT_EQ(GlobalTwoDigitYearMode, edyCutOff);
    EXPECT_TRUE(GlobalRaiseDateErrors) << "the exit check restores the error switch";
}

TEST_F(DateEditFixture, UnfinishedTextIsZeroQuietlyAndFailsOnExit)
{
    fWindow.Focus(edit);
    edit->selectAll();
    fWindow.Type(edit, QStringLiteral("32/"));
    EXPECT_EQ(edit->Date(), 0) << "while typing";

    std::vector<QString> errors;
    edit->OnConvertError = [&](QObject*, const QString& text) { errors.push_back(text); };
    EXPECT_EQ(fWindow.LeaveWithTab(edit), QString());
    EXPECT_EQ(errors, std::vector<QString>{QStringLiteral("32/")});
    EXPECT_EQ(QApplication::focusWidget(), edit);
    EXPECT_FALSE(edit->ConvertOK());

    edit->OnConvertError = nullptr;
    EXPECT_EQ(fWindow.LeaveWithTab(edit), QStringLiteral("Invalid Date 32/"));
    EXPECT_EQ(fWindow.Window().focusWidget(), edit);
}

TEST_F(DateEditFixture, IgnoreConvertErrorLeavesWithoutAMessage)
{
    edit->SetIgnoreConvertError(true);
    EXPECT_EQ(fWindow.Enter(edit, QStringLiteral("nonsense")), QString());
    EXPECT_NE(QApplication::focusWidget(), edit);
}

TEST_F(DateEditFixture, LongAndCustomFormatsShowAndRead)
{
    edit->SetFormatType(edfLongDate);
    EXPECT_EQ(edit->text(), QStringLiteral("Tuesday, 10 March 2026"));
    EXPECT_EQ(edit->Format(), FormatSettings.LongDateFormat);

    edit->SetFormat(QStringLiteral("yyyy-mm-dd"));
    EXPECT_EQ(edit->Format(), FormatSettings.LongDateFormat) << "only a custom format can be set";
    edit->SetFormatType(edfCustom);
    edit->SetFormat(QStringLiteral("yyyy-mm-dd"));
    EXPECT_EQ(edit->text(), QStringLiteral("2026-03-10"));
    fWindow.Enter(edit, QStringLiteral("2024-02-29"));
    EXPECT_EQ(edit->Date(), D(2024, 2, 29));
    EXPECT_EQ(edit->text(), QStringLiteral("2024-02-29"));

    edit->SetFormatType(edfShortDate);
    EXPECT_EQ(edit->Format(), QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(edit->text(), QStringLiteral("29/02/2024"));
}

TEST_F(DateEditFixture, ValueKeepsTheWholeDayAndIgnoresImpossibleValues)
{
    edit->SetAsDateTime(D(2024, 7, 4) + 0.75);
    EXPECT_EQ(edit->Date(), D(2024, 7, 4));
    edit->SetAsFloat(std::numeric_limits<Extended>::quiet_NaN());
    edit->SetDate(1e12);
    EXPECT_EQ(edit->Date(), D(2024, 7, 4));
    EXPECT_EQ(edit->text(), QStringLiteral("04/07/2024"));
}

struct PartCase {
    const char* name;
    TDateTime start;
    uint16_t year, month, day;
    TDateTime expected;
};

TEST_F(DateEditFixture, SettingAPartReEncodesAndFallsBackToTheFirst)
{
    const PartCase cases[] = {
        {"day 31 in April", MakeDate(2026, 4, 10), 0, 0, 31, MakeDate(2026, 4, 1)},
        {"February under day 31", MakeDate(2026, 1, 31), 0, 2, 0, MakeDate(2026, 2, 1)},
        {"29 February into a common year", MakeDate(2024, 2, 29), 2025, 0, 0, MakeDate(2025, 2, 1)},
        {"plain year", MakeDate(2024, 5, 6), 1999, 0, 0, MakeDate(1999, 5, 6)},
        {"month 13 is ignored", MakeDate(2024, 5, 6), 0, 13, 0, MakeDate(2024, 5, 6)},
    };
    for (const PartCase& c : cases) {
        edit->SetDate(c.start);
        if (c.year)
            edit->SetYear(c.year);
        if (c.month)
            edit->SetMonth(c.month);
        if (c.day)
            edit->SetDay(c.day);
        EXPECT_EQ(edit->Date(), c.expected) << c.name;
    }
}

TEST_F(DateEditFixture, ArithmeticMovesTheDate)
{
    edit->SetDate(D(2024, 1, 31));
    edit->AddMonths(1);
    EXPECT_EQ(edit->Date(), D(2024, 2, 29));
    EXPECT_EQ(edit->text(), QStringLiteral("29/02/2024"));
    edit->AddYears(1);
    EXPECT_EQ(edit->Date(), D(2025, 2, 28));
    edit->SubtractWeeks(2);
    EXPECT_EQ(edit->Date(), D(2025, 2, 14));
    edit->AddQuarters(1);
    edit->SubtractDays(1);
    EXPECT_EQ(edit->Date(), D(2025, 5, 13));
    EXPECT_EQ(edit->Month(), 5);
    EXPECT_EQ(edit->GetLongMonth(), QStringLiteral("May"));
    EXPECT_EQ(edit->GetShortDOW(), QStringLiteral("Tue"));
    EXPECT_EQ(edit->GetDOW(), 3);
    EXPECT_EQ(edit->GetISO_DOW(), 2);

    edit->SetDate(D(9999, 12, 31));
    EXPECT_THROW(edit->AddDays(1), EConvertError);
    EXPECT_THROW(edit->AddYears(1), EConvertError);
    EXPECT_EQ(edit->Date(), D(9999, 12, 31)) << "a step out of the calendar changes nothing";
    edit->SetDate(D(1, 1, 1));
    EXPECT_THROW(edit->SubtractWeeks(1), EConvertError);
}

TEST_F(DateEditFixture, NullShowsTheNullTextAndASetterLeavesIt)
{
    edit->SetNullStr(QStringLiteral("(no date)"));
    fWindow.Focus(edit);
    QTest::keyClick(edit, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(edit->Null());
    EXPECT_EQ(edit->text(), QStringLiteral("(no date)"));
    EXPECT_EQ(edit->Date(), 0);
    edit->SetDate(D(2026, 3, 10));
    EXPECT_FALSE(edit->Null()) << "the same value still leaves the null state";
    EXPECT_EQ(edit->text(), QStringLiteral("10/03/2026"));
}

TEST_F(DateEditFixture, FileTimeZeroShowsBlankAndExcludesBlankWhenZero)
{
    edit->SetBlankWhenZero(true);
    edit->SetBlankWhenFileTimeIsZero(true);
    EXPECT_FALSE(edit->BlankWhenZero());
    edit->SetAsFileTime(0);
    EXPECT_EQ(edit->Date(), TOrvDateEdit::FileTimeZeroDate);
    EXPECT_EQ(edit->text(), QString());
    fWindow.Enter(edit, QStringLiteral("5/5/2020"));
    EXPECT_NE(edit->AsFileTime(), 0u);
    fWindow.Enter(edit, QString());
    EXPECT_EQ(edit->Date(), TOrvDateEdit::FileTimeZeroDate) << "empty text is the zero file time";
    EXPECT_EQ(edit->AsFileTime(), 0u);

    edit->SetBlankWhenZero(true);
    EXPECT_FALSE(edit->BlankWhenFileTimeIsZero());
    edit->SetDate(0);
    EXPECT_EQ(edit->text(), QString());
}

TEST_F(DateEditFixture, DateBoundsOrYearBoundsOnExit)
{
    edit->SetBoundLower(D(2026, 1, 1));
    edit->SetBoundUpper(D(2026, 12, 31));
    edit->SetBoundsEnabled(true);
    EXPECT_EQ(fWindow.Enter(edit, QStringLiteral("1/1/2027")), QStringLiteral("Your entered Value is above the upper limit of 31/12/2026"));

    edit->SetBoundLowerYear(2020);
    edit->SetBoundUpperYear(2030);
    edit->SetBoundsYearEnable(true);
    EXPECT_FALSE(edit->BoundsEnabled());
    fWindow.Show();
    EXPECT_EQ(fWindow.Enter(edit, QStringLiteral("1/1/2027")), QString()) << "the year is within its bounds";
    EXPECT_EQ(fWindow.Enter(edit, QStringLiteral("1/1/2019")), QStringLiteral("Your entered Value is below the lower limit of 2020"));

    edit->SetBoundsEnabled(true);
    EXPECT_FALSE(edit->BoundsYearEnable());
}

TEST_F(DateEditFixture, TheUIControlsDateBlankSwitchApplies)
{
    auto* ui = new TOrvUICtrl(&fWindow.Window());
    ui->SetUseTypesInBlanks(true);
    ui->SetDateBlankWhenZero(true);
    edit->SetDate(0);
    EXPECT_EQ(edit->text(), QStringLiteral("30/12/1899"));
    edit->SetUICtrl(ui);
    EXPECT_EQ(edit->text(), QString());
    edit->SetUIUsage(TOrvUIUsageTypes{eutColorSet});
    EXPECT_EQ(edit->text(), QStringLiteral("30/12/1899"));
}

TEST_F(DateEditFixture, BeforeConvertMayRewriteTheText)
{
    edit->OnBeforeConvert = [](QObject*, QString& text) { text.replace(QStringLiteral("xmas"), QStringLiteral("25/12")); };
    fWindow.Enter(edit, QStringLiteral("xmas"));
    EXPECT_EQ(edit->Date(), D(2026, 12, 25));
}

} // namespace
} // namespace orv
