#include <orvkit/edits/OrvkitDurationEdit.h>

#include <orvkit/datetime/OrvkitDateTime.h>

#include "EditTestWindow.h"

namespace orv {
namespace {

class DurationEditTest : public test::DateEditTest {
protected:
    void SetUp() override
    {
        edit = fWindow.Add(new TOrvDurationEdit(&fWindow.Window()));
        fWindow.Show();
    }
    TOrvDurationEdit* edit = nullptr;
};

TEST_F(DurationEditTest, DefaultsShowDaysWithTwoDecimalsAndTheUnit)
{
    EXPECT_EQ(edit->text(), QStringLiteral("0.00 days"));
    edit->SetAsDays(1.5);
    EXPECT_EQ(edit->text(), QStringLiteral("1.50 days"));
    EXPECT_DOUBLE_EQ(edit->AsHrs(), 36);
    EXPECT_DOUBLE_EQ(edit->AsMins(), 2160);
    EXPECT_DOUBLE_EQ(edit->AsSecs(), 129600);
    EXPECT_NEAR(edit->AsWeeks(), 1.5 / 7, 1e-15);
}

TEST_F(DurationEditTest, SettingsChangeTheText)
{
    struct Case {
        const char* name;
        void (*apply)(TOrvDurationEdit&);
        const char* shown;
    } const cases[] = {
        {"separators", [](TOrvDurationEdit& e) { e.SetShowDurationSeparators(true); }, "1:12:00:00.00 days"},
        {"separators to minutes",
         [](TOrvDurationEdit& e) {
             e.SetShowDurationSeparators(true);
             e.SetLastDurationType(dtMins);
             e.SetDurationSeparator(u'-');
         },
         "1-12-00.00 days"},
        {"hours", [](TOrvDurationEdit& e) { e.SetDurationType(dtHrs); }, "36.00 hours"},
        {"no units, trimmed", [](TOrvDurationEdit& e) {
             e.SetShowUnits(false);
             e.SetTrimTrailingZeroes(true);
         },
         "1.5"},
        {"own word", [](TOrvDurationEdit& e) { e.SetSuffixDays(QStringLiteral("d")); }, "1.50 d"},
        {"custom decimal", [](TOrvDurationEdit& e) {
             e.SetCustomSeparators(true);
             e.SetCustomDecimal(u',');
             e.SetCustomThousands(u'.');
             e.SetDecimalPlaces(1);
         },
         "1,5 days"},
    };
    for (const Case& c : cases) {
        TOrvDurationEdit e;
        e.SetAsDays(1.5);
        c.apply(e);
        EXPECT_EQ(e.text(), QString::fromLatin1(c.shown)) << c.name;
        EXPECT_DOUBLE_EQ(e.AsDays(), 1.5) << c.name;
    }
    EXPECT_EQ(FormatSettings.DecimalSeparator, u'.') << "the locale's separators are restored";
    EXPECT_EQ(GlobalDurationSeparator, u':');
    EXPECT_TRUE(GlobalDurationSuffixes[dtDays].isEmpty());
}

TEST_F(DurationEditTest, TypedUnitDecidesHowTheNumberIsStored)
{
    struct Case {
        const char* typed;
        double days;
    } const cases[] = {
        {"36 hours", 1.5}, {"2 weeks", 14}, {"90 mins", 90.0 / 1440}, {"3600 secs", 1.0 / 24},
        {"1:12", 1.5},     {"-2", -2},      {"2.25", 2.25},
    };
    for (const Case& c : cases) {
        fWindow.Enter(edit, QString::fromLatin1(c.typed));
        EXPECT_NEAR(edit->AsDays(), c.days, 1e-12) << c.typed;
    }
    fWindow.Enter(edit, QStringLiteral("36 hours"));
    EXPECT_EQ(edit->text(), QStringLiteral("1.50 days"));
}

TEST_F(DurationEditTest, HeldValueKeepsMoreThanTheShownDecimals)
{
    fWindow.Enter(edit, QStringLiteral("1.506"));
    EXPECT_EQ(edit->text(), QStringLiteral("1.51 days"));
    EXPECT_DOUBLE_EQ(edit->AsDays(), 1.506);
    edit->SetDurationType(dtHrs);
    EXPECT_DOUBLE_EQ(edit->AsDays(), 1.506) << "changing the unit keeps the days";
    EXPECT_DOUBLE_EQ(edit->AsDuration(), 1.506 * 24);
}

TEST_F(DurationEditTest, NullShowsTheNullTextNotAZero)
{
    edit->SetNullStr(QStringLiteral("(none)"));
    edit->SetNull(true);
    EXPECT_EQ(edit->text(), QStringLiteral("(none)"));
    EXPECT_EQ(edit->AsDays(), 0);
    edit->SetBlankWhenZero(true);
    edit->SetNull(false);
    EXPECT_EQ(edit->text(), QString()) << "a blank zero";
    fWindow.Enter(edit, QString());
    EXPECT_EQ(edit->AsDays(), 0);
}

TEST_F(DurationEditTest, AutoSeparatorsRegroupWhileTyping)
{
    edit->SetThousandSeparators(essAuto);
    edit->SetShowUnits(false);
    fWindow.Focus(edit);
    edit->selectAll();
    fWindow.Type(edit, QStringLiteral("1234567"));
    EXPECT_EQ(edit->text(), QStringLiteral("1,234,567"));
    EXPECT_EQ(edit->cursorPosition(), 9);
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), QStringLiteral("234,567"));
    EXPECT_EQ(edit->cursorPosition(), 0) << "the caret keeps its distance from the end";
    fWindow.LeaveWithTab(edit);
    EXPECT_DOUBLE_EQ(edit->AsDays(), 234567);
    EXPECT_EQ(edit->text(), QStringLiteral("234,567.00"));
}

TEST(RegroupThousands, RunsOfDigitsAreGroupedFromTheDecimalSeparator)
{
    struct Case {
        const char* text;
        const char* grouped;
    } const cases[] = {
        {"1234", "1,234"},         {"12,34", "1,234"},           {"123", "123"},
        {"1234567.891", "1,234,567.891"}, {"-1234.5", "-1,234.5"}, {"12 1234:5678", "12 1,234:5,678"},
        {"", ""},                  {"1234.56789", "1,234.56789"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RegroupThousands(QString::fromLatin1(c.text), u',', u'.'), QString::fromLatin1(c.grouped)) << c.text;
}

} // namespace
} // namespace orv
