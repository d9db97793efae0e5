#include <orvkit/spin/OrvkitNumSpinEdits.h>

#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitGlobals.h>

#include "spin/SpinEditFixture.h"

#include <cmath>
#include <limits>

namespace orv {
namespace {

constexpr uint32_t kPosMax = std::numeric_limits<uint32_t>::max();

using PosSpinTest = SpinEditFixture<TOrvPosSpinEdit>;

TEST_F(PosSpinTest, UnboundedCoversTheUnsignedRangeWithoutCarry)
{
    spin->SetUnbounded(true);
    EXPECT_EQ(spin->Min(), 0u);
    EXPECT_EQ(spin->Max(), kPosMax);
    spin->SetValue(kPosMax - 3);
    QTest::keyClick(spin->Edit(), Qt::Key_PageUp);
    EXPECT_EQ(spin->Value(), kPosMax);
    EXPECT_EQ(spin->Text(), QStringLiteral("4294967295"));
    spin->SetWrap(true);
    QTest::keyClick(spin->Edit(), Qt::Key_Up);
    EXPECT_EQ(spin->Value(), 0u);
    QTest::keyClick(spin->Edit(), Qt::Key_Down);
    EXPECT_EQ(spin->Value(), kPosMax);
    spin->SetWrap(false);
    spin->SetValue(0);
    QTest::keyClick(spin->Edit(), Qt::Key_Down);
    EXPECT_EQ(spin->Value(), 0u);
    EXPECT_TRUE(spin->Unbounded());
}

TEST_F(PosSpinTest, BoundsStayInsideTheUnsignedRange)
{
    spin->SetMin(-5);
    EXPECT_EQ(spin->Min(), 0u);
    spin->SetMax(int64_t(kPosMax) + 10);
    EXPECT_EQ(spin->Max(), kPosMax);
    EXPECT_FALSE(spin->Unbounded()) << "only setting Unbounded turns it on";
    spin->SetMax(100);
    Type(QStringLiteral("99999999999")); // beyond 32 bits
    Focus(next);
    EXPECT_EQ(spin->Text(), QStringLiteral("100"));
    EXPECT_EQ(spin->AsLongWord(), 100u);
}

TEST_F(PosSpinTest, StepsAndPageSteps)
{
    spin->SetStep(25);
    spin->SetPageStep(60);
    QTest::mouseClick(spin->UpBtn(), Qt::LeftButton);
    QTest::mouseClick(spin->UpBtn(), Qt::LeftButton);
    EXPECT_EQ(spin->Value(), 50u);
    QTest::keyClick(spin->Edit(), Qt::Key_PageDown);
    EXPECT_EQ(spin->Value(), 0u);
    QTest::keyClick(spin->Edit(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(spin->Value(), 100u);
}

using FloatSpinTest = SpinEditFixture<TOrvFloatSpinEdit>;

TEST_F(FloatSpinTest, TenTenthsMakeOne)
{
    EXPECT_EQ(spin->Text(), QStringLiteral("0.0000"));
    EXPECT_EQ(spin->DecimalPlaces(), 4);
    spin->SetStep(0.1L);
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(spin->UpBtn(), Qt::LeftButton);
    EXPECT_EQ(spin->Text(), QStringLiteral("1.0000"));
    EXPECT_NEAR(double(spin->Value()), 1.0, 1e-4);
}

TEST_F(FloatSpinTest, StepsStopAtAndWrapFromTheBounds)
{
    spin->SetMin(-1.5L);
    spin->SetMax(1.5L);
    spin->SetStep(0.75L);
    spin->SetPageStep(2);
    spin->SetValue(1.0L);
    QTest::keyClick(spin->Edit(), Qt::Key_Up);
    EXPECT_EQ(spin->Text(), QStringLiteral("1.5000"));
    spin->SetWrap(true);
    QTest::keyClick(spin->Edit(), Qt::Key_Up);
    EXPECT_EQ(spin->Text(), QStringLiteral("-1.5000"));
    spin->SetWrap(false);
    QTest::keyClick(spin->Edit(), Qt::Key_PageUp);
    EXPECT_EQ(spin->Text(), QStringLiteral("0.5000"));
    spin->SetNegAsBrackets(true);
    QTest::keyClick(spin->Edit(), Qt::Key_PageDown);
    EXPECT_EQ(spin->Text(), QStringLiteral("(1.5000)"));
    Type(QStringLiteral("7.25"));
    Focus(next);
    EXPECT_EQ(spin->Text(), QStringLiteral("1.5000"));
}

TEST_F(FloatSpinTest, ABoundThatShowsRoundedStillWraps)
{
    spin->SetWrap(true);
    spin->SetMin(-1);
    spin->SetMax(0.12344L); // shows as 0.1234 and reads back below the bound
    spin->SetValue(spin->Max());
    EXPECT_EQ(spin->Text(), QStringLiteral("0.1234"));
    QTest::keyClick(spin->Edit(), Qt::Key_Up);
    EXPECT_EQ(spin->Text(), QStringLiteral("-1.0000"));
    QTest::keyClick(spin->Edit(), Qt::Key_Down);
    EXPECT_EQ(spin->Text(), QStringLiteral("0.1234"));

    EXPECT_TRUE(spin->setProperty("Max", 0.1)); // a double, not the nearest extended
    spin->SetValue(spin->Max());
    QTest::keyClick(spin->Edit(), Qt::Key_Up);
    EXPECT_EQ(spin->Text(), QStringLiteral("-1.0000"));
}

TEST_F(FloatSpinTest, TheSignOfTheValueIsReported)
{
    int signChanges = 0;
    spin->OnSignChange = [&](QObject* s) {
        EXPECT_EQ(s, spin);
        ++signChanges;
    };
    spin->SetMin(-10);
    QTest::keyClick(spin->Edit(), Qt::Key_Down);
    EXPECT_EQ(spin->Value(), -1);
    EXPECT_EQ(signChanges, 1);
}

TEST_F(FloatSpinTest, ANaNIsNeverABoundAmountOrValue)
{
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    spin->SetValue(3);
    spin->SetMax(nan);
    spin->SetMin(nan);
    spin->SetValue(nan);
    spin->SetStep(nan);
    EXPECT_EQ(spin->Max(), 100);
    EXPECT_EQ(spin->Min(), 0);
    EXPECT_EQ(spin->Value(), 3);
    QTest::keyClick(spin->Edit(), Qt::Key_Up);
    EXPECT_EQ(spin->Value(), 4);
}

TEST_F(FloatSpinTest, AStepOverATextThatDoesNotConvertNeitherThrowsNorMoves)
{
    int after = 0;
    spin->OnAfterUpClick = [&](QObject*) { ++after; };
    {
        const TOrvScopedValue raising(GlobalRaiseFloatErrors, true);
        spin->Edit()->setText(QStringLiteral("1.2.3"));
        EXPECT_THROW(spin->ValueEdit().AsFloat(), Exception) << "reading the text raises";
        EXPECT_NO_THROW(spin->StepUp());
        EXPECT_NO_THROW(QTest::keyClick(spin->Edit(), Qt::Key_PageUp));
        EXPECT_EQ(spin->Edit()->text(), QStringLiteral("1.2.3"));
        EXPECT_EQ(after, 1);
    }
    spin->SetValue(2);
}

TEST_F(FloatSpinTest, DisplaySwitchesReachTheValueEdit)
{
    spin->SetValue(12.5L);
    spin->SetTrimTrailingZeroes(true);
    EXPECT_EQ(spin->Text(), QStringLiteral("12.5"));
    spin->SetTrimTrailingZeroes(false);
    spin->SetDecimalPlaces(2);
    EXPECT_EQ(spin->Text(), QStringLiteral("12.50"));
    EXPECT_TRUE(spin->setProperty("Step", 0.25));
    EXPECT_EQ(spin->Step(), 0.25L);
    spin->SetFullAccuracy(true);
    EXPECT_TRUE(spin->ValueEdit().FullAccuracy());
}

} // namespace
} // namespace orv
