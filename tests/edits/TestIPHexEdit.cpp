#include <orvkit/edits/OrvkitIPHexEdit.h>

#include "edits/NumEditFixture.h"

namespace orv {
namespace {

using HexEditTest = NumEditFixture<TOrvHexEdit>;
using IPEditTest = NumEditFixture<TOrvIPEdit>;

TEST(HexEditDisplay, ZeroPaddedToTheLengthLimit)
{
    TOrvHexEdit e;
    EXPECT_EQ(e.text(), QStringLiteral("00000000"));
    EXPECT_EQ(e.MaxLength(), 8);
    e.SetAsLongWord(31);
    EXPECT_EQ(e.text(), QStringLiteral("0000001F"));
    e.SetAsLongWord(0xFFFFFFFFu);
    EXPECT_EQ(e.text(), QStringLiteral("FFFFFFFF"));
    EXPECT_EQ(e.AsLongWord(), 0xFFFFFFFFu);
    e.SetZeroPad(false);
    e.SetAsLongWord(31);
    EXPECT_EQ(e.text(), QStringLiteral("1F"));
    e.SetAsLongWord(0);
    e.SetBlankWhenZero(true);
    EXPECT_EQ(e.text(), QString());
    EXPECT_FALSE(GlobalBlankWhenZero);
}

TEST_F(HexEditTest, KeyFilterHasNoEscape)
{
    Type(QStringLiteral("1g2fZ"));
    EXPECT_EQ(edit->text(), QStringLiteral("12f"));
    EXPECT_EQ(edit->AsLongWord(), 0x12Fu);
    edit->SetAllowAllChars(true);
    Type(QStringLiteral("x9"));
    EXPECT_EQ(edit->text(), QStringLiteral("9"));
}

TEST_F(HexEditTest, UpperBoundIsShownAsEightDigits)
{
    EXPECT_EQ(edit->BoundUpper(), QStringLiteral("FFFFFFFF"));
    edit->SetBoundsEnabled(true);
    edit->SetBoundUpper(QStringLiteral("FF"));
    EXPECT_EQ(edit->BoundUpper(), QStringLiteral("000000FF"));
    Type(QStringLiteral("100"));
    EXPECT_EQ(LeaveCatchingBox(), QStringLiteral("Your entered Value is above the upper limit of 000000FF"));
    EXPECT_EQ(edit->BoundsValidationType(), evtAboveUpper);
    EXPECT_EQ(window.focusWidget(), edit);
}

TEST_F(HexEditTest, BoundsCompareUnsigned)
{
    edit->SetBoundsEnabled(true);
    edit->SetBoundLower(QStringLiteral("10"));
    TOrvBoundsValidationtype reported = evtNone;
    edit->OnBoundsError = [&](QObject*, const QString&, TOrvBoundsValidationtype type) { reported = type; };
    Type(QStringLiteral("F0000000"));
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(reported, evtNone) << "a high bit is a large value, not a negative one";
    Focus(edit);
    Type(QStringLiteral("F"));
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(reported, evtBelowLower);
    EXPECT_EQ(edit->text(), QStringLiteral("0000000F")) << "leaving shows the canonical text";
}

TEST(IPEditDisplay, FirstComponentIsTheHighByte)
{
    TOrvIPEdit e;
    EXPECT_EQ(e.text(), QStringLiteral("0.0.0.0"));
    e.SetAsLongWord(0x0A000001u);
    EXPECT_EQ(e.text(), QStringLiteral("10.0.0.1"));
    e.setText(QStringLiteral("192.168.1.2"));
    EXPECT_EQ(e.AsLongWord(), 0xC0A80102u);
    EXPECT_EQ(e.BoundUpper(), QStringLiteral("255.255.255.255"));
    e.SetAsLongWord(0);
    e.SetBlankWhenZero(true);
    EXPECT_EQ(e.text(), QString());
}

TEST_F(IPEditTest, KeyFilterHasNoEscape)
{
    edit->SetAllowAllChars(true);
    Type(QStringLiteral("1a0.0-.0.x5"));
    EXPECT_EQ(edit->text(), QStringLiteral("10.0.0.5"));
}

TEST_F(IPEditTest, BadComponentTypedIsNoFailureUntilLeaving)
{
    const bool checkIPErrors = GlobalCheckIPErrors;
    Type(QStringLiteral("10.0.0.300"));
    EXPECT_EQ(edit->AsLongWord(), 0u) << "typing never raises";
    EXPECT_EQ(GlobalCheckIPErrors, checkIPErrors);

    std::vector<QString> errors;
    edit->OnConvertError = [&](QObject*, const QString& text) { errors.push_back(text); };
    QTest::keyClick(edit, Qt::Key_Tab);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], QStringLiteral("10.0.0.300"));
    EXPECT_EQ(Focused(), edit) << "the focus stays for the text to be put right";
    EXPECT_FALSE(edit->ConvertOK());
    EXPECT_EQ(GlobalCheckIPErrors, checkIPErrors) << "restored after the failure";
}

TEST_F(IPEditTest, BadComponentWithoutHandlerShowsTheMessage)
{
    Type(QStringLiteral("10.0.0.300"));
    EXPECT_EQ(LeaveCatchingBox(), QStringLiteral("IP Address Components must be between 0 and 255"));
    EXPECT_EQ(Focused(), edit);
    edit->SetIgnoreConvertError(true);
    EXPECT_EQ(LeaveCatchingBox(), QString());
    EXPECT_EQ(Focused(), next) << "without conversion the exit passes";
}

TEST_F(IPEditTest, BoundsCompareUnsignedAndShowTheAddress)
{
    edit->SetBoundsEnabled(true);
    edit->SetBoundLower(QStringLiteral("10.0.0.0"));
    edit->SetBoundUpper(QStringLiteral("10.255.255.255"));
    Type(QStringLiteral("200.0.0.1"));
    EXPECT_EQ(LeaveCatchingBox(), QStringLiteral("Your entered Value is above the upper limit of 10.255.255.255"));
    Focus(edit);
    Type(QStringLiteral("9.1.1.1"));
    EXPECT_EQ(LeaveCatchingBox(), QStringLiteral("Your entered Value is below the lower limit of 10.0.0.0"));
    Focus(edit);
    Type(QStringLiteral("10.1.2.3"));
    EXPECT_EQ(LeaveCatchingBox(), QString());
    EXPECT_EQ(edit->BoundsValidationType(), evtNone);
}

} // namespace
} // namespace orv
