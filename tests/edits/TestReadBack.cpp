#include <orvkit/edits/OrvkitDateEdits.h>
#include <orvkit/edits/OrvkitDurationEdit.h>
#include <orvkit/edits/OrvkitFloatEdit.h>
#include <orvkit/edits/OrvkitNumEdit.h>
#include <orvkit/edits/OrvkitTimeEdits.h>

#include "EditTestWindow.h"

#include <orvkit/core/OrvkitExceptions.h>

#include <QSignalSpy>
#include <limits>

namespace orv {
namespace {

using test::DateEditTest;

// Whatever an edit shows for a value reads back as the same text: the shown text typed in
// again and the edit left must neither fail nor show something else.

struct ReadBackCase {
    const char* name;
    TOrvBaseEdit* (*make)(QWidget* parent);
};

TOrvBaseEdit* PaddedInteger(QWidget* parent)
{
    auto* e = new TOrvIntEdit(parent);
    e->SetCustomSeparators(true);
    e->SetCustomThousands(u' ');
    e->SetThousandSeparators(essExit);
    e->SetZeroPad(true);
    e->SetMaxLength(30);
    e->SetAsInt64(202);
    return e;
}
TOrvBaseEdit* LakhWithSign(QWidget* parent)
{
    auto* e = new TOrvPosEdit(parent);
    e->SetCustomSeparators(true);
    e->SetCustomThousands(u'\'');
    e->SetThousandSeparators(essExit);
    e->SetLakhFormatting(true);
    e->SetShowPosSign(true);
    e->SetAsInt64(390000536870LL);
    return e;
}
TOrvBaseEdit* ComparisonWithSign(QWidget* parent)
{
    auto* e = new TOrvPosFloatEdit(parent);
    e->SetShowComparisonType(true);
    e->SetComparisonType(ecGreater);
    e->SetShowPosSign(true);
    e->SetAsFloat(8000);
    return e;
}
TOrvBaseEdit* PaddedFloatWithSign(QWidget* parent)
{
    auto* e = new TOrvFloatEdit(parent);
    e->SetZeroPad(true);
    e->SetMaxLength(12);
    e->SetShowPosSign(true);
    e->SetAsFloat(3.25);
    return e;
}
TOrvBaseEdit* DurationThird(QWidget* parent)
{
    auto* e = new TOrvDurationEdit(parent);
    e->SetDecimalPlaces(6);
    e->SetAsDays(33.533333);
    return e;
}
TOrvBaseEdit* BlankZeroCustomDate(QWidget* parent)
{
    auto* e = new TOrvDateEdit(parent);
    e->SetFormatType(edfCustom);
    e->SetFormat(QStringLiteral("ddd dd/mm/yyyy"));
    e->SetBlankWhenZero(true);
    e->SetDate(0);
    return e;
}

const ReadBackCase kCases[] = {
    {"paddedIntegerWithSpaces", PaddedInteger},   {"lakhWithCustomSeparatorAndSign", LakhWithSign},
    {"comparisonPrefixWithSign", ComparisonWithSign}, {"paddedFloatWithSign", PaddedFloatWithSign},
    {"durationOfSixDecimals", DurationThird},     {"blankZeroDateInACustomFormat", BlankZeroCustomDate},
};

class ReadBack : public DateEditTest, public testing::WithParamInterface<ReadBackCase> {};

TEST_P(ReadBack, TheShownTextTypedAgainReadsAsItself)
{
    TOrvBaseEdit* edit = fWindow.Add(GetParam().make(&fWindow.Window()));
    fWindow.Show();
    QSignalSpy errors(edit, &TOrvBaseEdit::convertError);
    const QString shown = edit->text();
    fWindow.Focus(edit);
    fWindow.LeaveWithTab(edit);
    EXPECT_EQ(edit->text(), shown) << "entering and leaving changes nothing";
    fWindow.Focus(edit);
    edit->setText(QString());
    edit->setText(shown);
    EXPECT_EQ(fWindow.LeaveWithTab(edit), QString());
    EXPECT_EQ(edit->text(), shown);
    EXPECT_EQ(errors.size(), 0);
}

INSTANTIATE_TEST_SUITE_P(Edits, ReadBack, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ReadBackCase>& info) { return std::string(info.param.name); });

TEST(ReadBack, SeparatorsThatWouldMakeTheTextAmbiguousAreRefused)
{
    TOrvFloatEdit e;
    e.SetCustomSeparators(true);
    e.SetDecimalPlaces(2);
    e.SetThousandSeparators(essExit);
    e.SetAsFloat(1234.5);
    e.SetCustomDecimal(u',');
    EXPECT_EQ(e.CustomThousands(), u'.') << "taking the other's character swaps the two";
    EXPECT_EQ(e.text(), QStringLiteral("1.234,50"));
    e.SetCustomThousands(u',');
    EXPECT_EQ(e.CustomDecimal(), u'.');
    for (const QChar refused : {QChar(), QChar(u'7'), QChar(u'-'), QChar(u'E')}) {
        e.SetCustomDecimal(refused);
        EXPECT_EQ(e.CustomDecimal(), u'.');
    }
    TOrvDurationEdit d;
    d.SetCustomDecimal(d.CustomThousands());
    EXPECT_NE(d.CustomDecimal(), d.CustomThousands());
}

TEST(ReadBack, PicturesAndUnitWordsThatCannotBeReadBackAreRefused)
{
    const TOrvScopedValue settings(FormatSettings, EnglishFormatSettings());
    TOrvTimeEdit t;
    t.SetFormatType(etfCustom);
    t.SetFormat(QStringLiteral("hh.nn"));
    for (const char* unreadable : {"(", "dd/mm/yyyy", ""}) {
        t.SetFormat(QString::fromLatin1(unreadable));
        EXPECT_EQ(t.Format(), QStringLiteral("hh.nn")) << unreadable;
    }
    TOrvDateEdit d;
    d.SetFormatType(edfCustom);
    d.SetFormat(QStringLiteral("yyyy-mm-dd"));
    d.SetFormat(QStringLiteral("hh:nn"));
    EXPECT_EQ(d.Format(), QStringLiteral("yyyy-mm-dd"));
    TOrvDurationEdit u;
    u.SetSuffixWeeks(u.SuffixHrs());
    EXPECT_EQ(u.SuffixWeeks(), QStringLiteral("weeks")) << "a word names one unit only";
    u.SetSuffixWeeks(QStringLiteral("12"));
    EXPECT_EQ(u.SuffixWeeks(), QStringLiteral("weeks"));
    u.SetSuffixWeeks(QStringLiteral("wk"));
    EXPECT_EQ(u.SuffixWeeks(), QStringLiteral("wk"));
}

TEST(Robustness, ANullTextLongerThanMaxLengthShowsWhole)
{
    TOrvFloatEdit f;
    TOrvPercentEdit p;
    TOrvSciFloatEdit s;
    for (TOrvBaseEdit* e : {static_cast<TOrvBaseEdit*>(&f), static_cast<TOrvBaseEdit*>(&p), static_cast<TOrvBaseEdit*>(&s)}) {
        e->SetNullStr(QStringLiteral("abc"));
        e->SetMaxLength(2);
        e->SetNull(true);
        EXPECT_EQ(e->text(), QStringLiteral("abc"));
    }
}

TEST(Robustness, WritesThroughQtNeverRaise)
{
    TOrvTimeEdit t;
    t.SetTime(MakeTime(10, 30, 0, 0));
    EXPECT_NO_THROW(t.setProperty("Hour", 2000));
    EXPECT_EQ(t.Hour(), 10) << "the value stays as it was";
    EXPECT_THROW(t.SetHour(2000), Exception) << "the C++ setter raises as documented";
    TOrvDateEdit d;
    EXPECT_NO_THROW(d.setProperty("AsFileTime", QVariant::fromValue(std::numeric_limits<quint64>::max())));
}

TEST(Robustness, RightAndBottomSaturate)
{
    TOrvFloatEdit e;
    e.resize(81, 22);
    e.setProperty("Right", std::numeric_limits<int>::min() + 1);
    e.setProperty("Bottom", std::numeric_limits<int>::max());
    EXPECT_EQ(e.x(), -QWIDGETSIZE_MAX);
    EXPECT_EQ(e.y(), QWIDGETSIZE_MAX);
    EXPECT_EQ(e.Bottom(), QWIDGETSIZE_MAX + 22);
    e.SetRight(200);
    EXPECT_EQ(e.x(), 119);
}

} // namespace
} // namespace orv
