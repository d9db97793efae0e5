#include <orvkit/edits/OrvkitDateTimeEdit.h>

#include "EditTestWindow.h"

#include <QMetaProperty>
#include <vector>

namespace orv {
namespace {

class DateTimeEditTest : public test::DateEditTest {
protected:
    void SetUp() override
    {
        edit = fWindow.Add(new TOrvDateTimeEdit(&fWindow.Window()));
        fWindow.Show();
    }
    TOrvDateTimeEdit* edit = nullptr;
};

TEST(DateTimeEditLayout, TheDefaultDateWidthGrowsToShowTheDate)
{
    const TOrvScopedValue settings(FormatSettings, EnglishFormatSettings());
    TOrvDateTimeEdit e;
    e.SetAsDateTime(MakeDate(2024, 4, 1));
    QFont wide = e.font();
    wide.setPixelSize(16);
    e.setFont(wide);
    const int needed = e.DateEdit()->WidthForText(QStringLiteral("01/04/2024"));
    ASSERT_GT(needed, 71) << "the font must be wide enough to show the fault";
    EXPECT_EQ(e.DateWidth(), needed);
    EXPECT_EQ(e.DateEdit()->width(), needed);
    EXPECT_EQ(e.TimeEdit()->x(), needed + e.Gap());
    e.SetDateWidth(71);
    EXPECT_EQ(e.DateEdit()->width(), 71) << "a width set by the program is kept as set";
}

TEST(DateTimeEditLayout, ChildrenSitSideBySide)
{
    const TOrvFormatSettings saved = FormatSettings;
    TOrvDateTimeEdit e;
    const int h = e.DateEdit()->sizeHint().height();
    e.SetDateWidth(71);
    EXPECT_EQ(e.size(), QSize(71 + 5 + 71, h));
    EXPECT_EQ(e.DateEdit()->geometry(), QRect(0, 0, 71, h));
    EXPECT_EQ(e.TimeEdit()->geometry(), QRect(76, 0, 71, h));
    EXPECT_EQ(e.DateEdit()->parentWidget(), &e);
    EXPECT_EQ(e.focusPolicy(), Qt::NoFocus);

    e.SetDateWidth(100);
    e.SetGap(10);
    EXPECT_EQ(e.width(), 100 + 10 + 71);
    EXPECT_EQ(e.TimeEdit()->x(), 110);
    e.resize(400, 60);
    EXPECT_EQ(e.size(), QSize(181, h)) << "the widths and AutoSize decide the size";
    e.SetAutoSize(false);
    e.show();
    e.resize(400, 30);
    EXPECT_EQ(e.size(), QSize(181, 30));
    EXPECT_EQ(e.TimeEdit()->height(), 30);
    EXPECT_EQ(FormatSettings.ShortDateFormat, saved.ShortDateFormat);
}

TEST_F(DateTimeEditTest, StartsNowAndSplitsTheValue)
{
    EXPECT_DOUBLE_EQ(edit->AsDateTime(), D(2026, 3, 10) + T(23, 30));
    EXPECT_EQ(edit->DateTimeStr(), QStringLiteral("10/03/2026 23:30"));
    edit->SetAsDateTime(D(2024, 2, 29) + T(6, 15));
    EXPECT_EQ(edit->DateEdit()->Date(), D(2024, 2, 29));
    EXPECT_EQ(edit->Hour(), 6);
    EXPECT_EQ(edit->Minute(), 15);
    EXPECT_EQ(edit->DateStr(), QStringLiteral("29/02/2024"));
    EXPECT_EQ(edit->TimeStr(), QStringLiteral("06:15"));
    EXPECT_EQ(edit->GetLongMonth(), QStringLiteral("February"));
    EXPECT_EQ(edit->GetLongDOW(), QStringLiteral("Thursday"));
    ASSERT_TRUE(edit->setProperty("AsDateTime", D(2000, 1, 1) + 0.5));
    EXPECT_EQ(edit->DateTimeStr(), QStringLiteral("01/01/2000 12:00"));
}

TEST_F(DateTimeEditTest, HoursCrossMidnightIntoTheNextDay)
{
    edit->SetAsDateTime(D(2026, 3, 10) + T(23, 30));
    edit->AddHours(1);
    EXPECT_EQ(edit->DateTimeStr(), QStringLiteral("11/03/2026 00:30"));
    edit->SubtractMinutes(31);
    EXPECT_EQ(edit->DateTimeStr(), QStringLiteral("10/03/2026 23:59"));
    edit->AddMonths(1);
    EXPECT_EQ(edit->DateStr(), QStringLiteral("10/04/2026"));
    edit->SetAsDateTime(D(9999, 12, 31) + T(23, 0));
    edit->AddHours(2);
    EXPECT_EQ(edit->DateTimeStr(), QStringLiteral("31/12/9999 23:00")) << "past the calendar nothing moves";
}

TEST_F(DateTimeEditTest, FocusGoesToTheDateEditAndTabToTheTimeEdit)
{
    fWindow.Focus(edit);
    EXPECT_EQ(QApplication::focusWidget(), edit->DateEdit());
    EXPECT_TRUE(edit->Focused());
    QTest::keyClick(edit->DateEdit(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), edit->TimeEdit());
    EXPECT_TRUE(edit->Focused());
}

TEST_F(DateTimeEditTest, ANullChildMakesBothNull)
{
    edit->SetNullStr(QStringLiteral("-"));
    int nullChanges = 0;
    edit->OnNullChange = [&](QObject* sender) {
        EXPECT_EQ(sender, edit);
        ++nullChanges;
    };
    fWindow.Focus(edit->TimeEdit());
    QTest::keyClick(edit->TimeEdit(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(edit->Null());
    EXPECT_TRUE(edit->DateEdit()->Null());
    EXPECT_EQ(edit->DateTimeStr(), QStringLiteral("- -"));
    EXPECT_EQ(nullChanges, 1);

    edit->SetAsDateTime(D(2026, 1, 2) + T(3, 4));
    EXPECT_FALSE(edit->Null());
    EXPECT_FALSE(edit->TimeEdit()->Null());
    EXPECT_EQ(edit->DateTimeStr(), QStringLiteral("02/01/2026 03:04"));
    EXPECT_EQ(nullChanges, 2);
}

TEST_F(DateTimeEditTest, ChangeNamesTheChildThatChanged)
{
    std::vector<uint32_t> elements;
    edit->OnChange = [&](QObject* sender, uint32_t element) {
        EXPECT_EQ(sender, edit);
        elements.push_back(element);
    };
    fWindow.Focus(edit->TimeEdit());
    QTest::keyClick(edit->TimeEdit(), Qt::Key_1);
    fWindow.Focus(edit->DateEdit());
    QTest::keyClick(edit->DateEdit(), Qt::Key_1);
    // The time edit's text changes twice: the typed key and the redisplay on leaving it.
    EXPECT_EQ(elements, (std::vector<uint32_t>{1, 1, 0}));
}

TEST_F(DateTimeEditTest, ChildEventsReachTheirHandlers)
{
    std::vector<QObject*> errors;
    edit->OnDateConvertError = [&](QObject* sender, const QString&) { errors.push_back(sender); };
    std::vector<QObject*> keys;
    edit->OnKeyDown = [&](QObject* sender, uint16_t&, TShiftState) { keys.push_back(sender); };
    fWindow.Focus(edit->DateEdit());
    edit->DateEdit()->selectAll();
    fWindow.Type(edit->DateEdit(), QStringLiteral("x"));
    EXPECT_EQ(fWindow.LeaveWithTab(edit->DateEdit()), QString());
    EXPECT_EQ(errors, std::vector<QObject*>{edit->DateEdit()});
    EXPECT_FALSE(edit->ConvertOK());
    EXPECT_EQ(keys.front(), edit->DateEdit());
}

TEST_F(DateTimeEditTest, SettingsGoToTheChildren)
{
    edit->SetReadOnly(true);
    EXPECT_TRUE(edit->DateEdit()->ReadOnly());
    EXPECT_TRUE(edit->TimeEdit()->ReadOnly());
    edit->SetFormatTimeType(etfLongTime);
    EXPECT_EQ(edit->TimeStr(), QStringLiteral("23:30:00"));
    edit->SetFormatDateType(edfLongDate);
    EXPECT_EQ(edit->DateStr(), QStringLiteral("Tuesday, 10 March 2026"));
    edit->ColorSet().SetFocusColor(0x00123456);
    EXPECT_EQ(edit->TimeEdit()->ColorSet().FocusColor(), 0x00123456) << "the time edit follows the date edit's set";
}

TEST_F(DateTimeEditTest, FileTimeZeroBlanksBothParts)
{
    edit->SetBlankWhenFileTimeIsZero(true);
    EXPECT_TRUE(edit->TimeEdit()->BlankWhenZero());
    edit->SetAsDateTime(-200000.5);
    EXPECT_DOUBLE_EQ(edit->AsDateTime(), TOrvDateEdit::FileTimeZeroDate);
    EXPECT_EQ(edit->DateTimeStr(), QString());
}

} // namespace
} // namespace orv
