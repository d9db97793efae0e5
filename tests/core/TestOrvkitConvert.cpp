#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/core/OrvkitMathErrors.h>

#include <gtest/gtest.h>

#include <limits>

using namespace orv;

namespace {

// Runs `call` and returns the message of the orv::Exception of type E it raises.
template <typename E, typename F>
QString MessageOf(F call)
{
    try {
        call();
    } catch (const E& e) {
        return e.Message();
    }
    return QStringLiteral("<nothing raised>");
}

} // namespace

// ---------------------------------------------------------------------------------------
// Character sets and text helpers

TEST(ConvertCharSets, MembersAndNonMembers)
{
    EXPECT_TRUE(WhitespaceChars().Contains(QChar(0)));
    EXPECT_TRUE(WhitespaceChars().Contains(u' '));
    EXPECT_FALSE(WhitespaceChars().Contains(u'!'));
    for (const char16_t c : {u'\t', u' ', u'.', u'7', u'@', u'[', u'_', u'{', QChar(0x7F).unicode(),
                             char16_t(0x80), char16_t(0x89), char16_t(0x8B), char16_t(0x91), char16_t(0x99),
                             char16_t(0x9B), char16_t(0xAB), char16_t(0xBB)})
        EXPECT_TRUE(WordDelimiters().Contains(c)) << int(c);
    for (const char16_t c : {u'A', u'z', u'`', char16_t(0x8A), char16_t(0x8C), char16_t(0x9A), char16_t(0xE9),
                             char16_t(0x100)})
        EXPECT_FALSE(WordDelimiters().Contains(c)) << int(c);
    EXPECT_TRUE(DigitChars().Contains(u'0'));
    EXPECT_FALSE(DigitChars().Contains(QChar(0x0660))); // Arabic-Indic zero is above 255
}

TEST(ConvertTextHelpers, FindCharPositionsAreOneBased)
{
    const QString text = QStringLiteral("a.b.c");
    EXPECT_EQ(FindChar(u'.', text), 2);
    EXPECT_EQ(FindChar(u'.', text, 3), 4);
    EXPECT_EQ(FindChar(u'.', text, -5), 2);
    EXPECT_EQ(FindChar(u'.', text, 6), 0);
    EXPECT_EQ(FindChar(u'x', text), 0);
    EXPECT_EQ(FindChar(u'.', QString()), 0);
    EXPECT_EQ(FindNthChar(u'.', text, 2), 4);
    EXPECT_EQ(FindNthChar(u'.', text, 3), 0);
    EXPECT_EQ(FindNthChar(u'.', text, 0), 0);
    EXPECT_EQ(FindNthChar(u'.', text, 1, 3), 4);
}

TEST(ConvertTextHelpers, CutAndPad)
{
    EXPECT_EQ(RepeatChar(u'x', 3), QStringLiteral("xxx"));
    EXPECT_EQ(RepeatChar(u'x', 0), QString());
    EXPECT_EQ(RepeatChar(u'x', -2), QString());
    EXPECT_EQ(BlankText(2), QStringLiteral("  "));
    EXPECT_EQ(LeftChars(QStringLiteral("abc"), 2), QStringLiteral("ab"));
    EXPECT_EQ(LeftChars(QStringLiteral("abc"), 9), QStringLiteral("abc"));
    EXPECT_EQ(RightChars(QStringLiteral("abc"), 2), QStringLiteral("bc"));
    EXPECT_EQ(RightChars(QStringLiteral("abc"), 9), QStringLiteral("abc"));
    EXPECT_EQ(CharsAfter(QStringLiteral("abcd"), 1), QStringLiteral("bcd"));
    EXPECT_EQ(CharsAfter(QStringLiteral("abcd"), 4), QString());
    EXPECT_EQ(PadLeftWith(QStringLiteral("7"), u'0', 3), QStringLiteral("007"));
    EXPECT_EQ(PadLeftWith(QStringLiteral("1234"), u'0', 3), QStringLiteral("1234"));
    EXPECT_EQ(PadRightWith(QStringLiteral("7"), u'-', 3), QStringLiteral("7--"));
    EXPECT_EQ(StripTrailingChar(QStringLiteral("1.500"), u'0'), QStringLiteral("1.5"));
    EXPECT_EQ(StripLeadingChar(QStringLiteral("0070"), u'0'), QStringLiteral("70"));
    EXPECT_EQ(StripLeadingChar(QStringLiteral("000"), u'0'), QString());
}

TEST(ConvertTextHelpers, TextBeforeAndAfterChar)
{
    const QString text = QStringLiteral("key=value=x");
    EXPECT_EQ(TextBeforeChar(text, u'=', 1, false), QStringLiteral("key"));
    EXPECT_EQ(TextBeforeChar(text, u'=', 5, false), QStringLiteral("key=value"));
    EXPECT_EQ(TextBeforeChar(QStringLiteral("=x"), u'=', 1, false), QString());
    EXPECT_EQ(TextBeforeChar(text, u'#', 1, false), text);
    EXPECT_EQ(TextBeforeChar(text, u'#', 1, true), QString());
    EXPECT_EQ(TextAfterChar(text, u'='), QStringLiteral("value=x"));
    EXPECT_EQ(TextAfterChar(text, u'#'), QString());
}

TEST(ConvertTextHelpers, ReplaceRemoveAndClean)
{
    EXPECT_EQ(ReplaceChar(QStringLiteral("a-b-c"), u'-', u'+'), QStringLiteral("a+b+c"));
    EXPECT_EQ(RemoveChar(QStringLiteral("a-b-c"), u'-'), QStringLiteral("abc"));
    EXPECT_EQ(RemoveChars(QStringLiteral("a1b2"), DigitChars()), QStringLiteral("ab"));
    EXPECT_EQ(RemoveChars(QStringLiteral("a1b2"), TOrvCharSet()), QStringLiteral("a1b2"));
    EXPECT_EQ(RemoveThousandSeps(QStringLiteral("1,234,567")), QStringLiteral("1234567"));
    EXPECT_EQ(CleanNumberText(QStringLiteral("\t 1,234 \r\n")), QStringLiteral("1234"));
    EXPECT_EQ(RemoveSubText(QStringLiteral("aabbcc"), QStringLiteral("ab")), QStringLiteral("cc"));
    EXPECT_EQ(RemoveSubText(QStringLiteral("abc"), QString()), QStringLiteral("abc"));
}

TEST(ConvertTextHelpers, CaseAndOrder)
{
    EXPECT_EQ(UpperText(QStringLiteral("abc\u00e9")), QStringLiteral("ABC\u00e9")); // ASCII only
    EXPECT_EQ(LowerText(QStringLiteral("ABC\u00c9")), QStringLiteral("abc\u00c9"));
    EXPECT_EQ(LocaleUpperText(QStringLiteral("abc\u00e9")), QStringLiteral("ABC\u00c9"));
    EXPECT_EQ(LocaleLowerText(QStringLiteral("ABC\u00c9")), QStringLiteral("abc\u00e9"));
    EXPECT_EQ(UpperChar(u'\u00e9'), QChar(u'\u00c9'));
    EXPECT_EQ(UpperChar(u'\u00df'), QChar(u'\u00df')); // its upper case is two letters
    EXPECT_EQ(CapitaliseWords(QStringLiteral("hELLO wORLD-wide o'neil")),
              QStringLiteral("Hello World-Wide O'Neil"));
    EXPECT_EQ(ReverseText(QStringLiteral("abc")), QStringLiteral("cba"));
}

TEST(ConvertTextHelpers, CharClassTests)
{
    EXPECT_TRUE(IsDigitText(QStringLiteral("0123")));
    EXPECT_FALSE(IsDigitText(QStringLiteral("12a")));
    EXPECT_FALSE(IsDigitText(QString()));
    EXPECT_FALSE(AllCharsIn(QString(), WhitespaceChars()));
}

TEST(ConvertTextHelpers, GroupFromRight)
{
    EXPECT_EQ(GroupFromRight(QStringLiteral("123456789"), 3, u' '), QStringLiteral("123 456 789"));
    EXPECT_EQ(GroupFromRight(QStringLiteral("12345678"), 3, u' '), QStringLiteral("12 345 678"));
    EXPECT_EQ(GroupFromRight(QStringLiteral("101100"), 4, u' '), QStringLiteral("10 1100"));
    EXPECT_EQ(GroupFromRight(QStringLiteral("123"), 3, u' '), QStringLiteral("123"));
    EXPECT_EQ(GroupFromRight(QStringLiteral("123"), 0, u' '), QStringLiteral("123"));
}

TEST(ConvertTextHelpers, StripNegativeMarks)
{
    struct Row {
        const char16_t* text;
        const char16_t* result;
        bool negative;
    };
    const Row rows[] = {
        {u"(12)", u"12", true},   {u" - 12 ", u"12", true}, {u"12-", u"12", true},
        {u"--12", u"12", true},   {u"-12-", u"12", true},   {u"12", u"12", false},
        {u"1-2", u"1-2", false},  {u"-", u"", true},        {u"( 5 )", u"5", true},
    };
    for (const Row& row : rows) {
        QString result;
        bool negative = false;
        StripNegativeMarks(QString::fromUtf16(row.text), result, negative);
        EXPECT_EQ(result, QString::fromUtf16(row.result)) << QString::fromUtf16(row.text).toStdString();
        EXPECT_EQ(negative, row.negative) << QString::fromUtf16(row.text).toStdString();
    }
}

// ---------------------------------------------------------------------------------------
// Text to integer

TEST(ConvertIntegerReading, TextToInt64Rows)
{
    struct Row {
        const char16_t* text;
        int64_t value;
    };
    const Row rows[] = {
        {u"123", 123},
        {u"  -42 ", -42},
        {u"+7", 7},
        {u"12ab", 12},
        {u"1,234,567", 1234567},
        {u"$ff", 255},
        {u"xFF", 255},
        {u"0x1f", 31},
        {u"-$10", -16},
        {u"", 0},
        {u"abc", 0},
        {u"-", 0},
        {u"9223372036854775807", std::numeric_limits<int64_t>::max()},
        {u"-9223372036854775808", std::numeric_limits<int64_t>::min()},
        // Beyond the 64-bit range the value clamps instead of losing digits.
        {u"99999999999999999999", std::numeric_limits<int64_t>::max()},
        {u"-99999999999999999999", std::numeric_limits<int64_t>::min()},
        {u"$FFFFFFFFFFFFFFFF", -1},
        {u"$8000000000000000", std::numeric_limits<int64_t>::min()},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TextToInt64(QString::fromUtf16(row.text)), row.value) << QString::fromUtf16(row.text).toStdString();
}

TEST(ConvertIntegerReading, ClampedReaders)
{
    EXPECT_EQ(TextToInt32(QStringLiteral("99999999999")), 2147483647);
    EXPECT_EQ(TextToInt32(QStringLiteral("-99999999999")), -2147483647 - 1);
    EXPECT_EQ(TextToInt32(QStringLiteral("12a")), 12);
    EXPECT_EQ(TextToUInt32(QStringLiteral("99999999999")), 4294967295u);
    EXPECT_EQ(TextToUInt32(QStringLiteral("-1")), 0u);
    EXPECT_EQ(TextToUInt32(QStringLiteral("4294967295")), 4294967295u);
    EXPECT_EQ(TextToUInt16(QStringLiteral("70000")), 65535);
    EXPECT_EQ(TextToUInt16(QStringLiteral("-5")), 0);
    EXPECT_EQ(TextToByte(QStringLiteral("256")), 255);
    EXPECT_EQ(TextToByte(QStringLiteral("-3")), 0);
    EXPECT_EQ(TextToByte(QStringLiteral("200")), 200);
}

TEST(ConvertIntegerReading, TextToInt32DefNeedsTheWholeText)
{
    EXPECT_EQ(TextToInt32Def(QStringLiteral("12a"), 7), 7);
    EXPECT_EQ(TextToInt32Def(QStringLiteral(" 12 "), 7), 12);
    EXPECT_EQ(TextToInt32Def(QStringLiteral("1,234"), 7), 1234);
    EXPECT_EQ(TextToInt32Def(QStringLiteral("2147483648"), 7), 7);
    EXPECT_EQ(TextToInt32Def(QStringLiteral("-2147483648"), 7), -2147483647 - 1);
    EXPECT_EQ(TextToInt32Def(QStringLiteral(""), 7), 7);
    EXPECT_EQ(TextToInt32Def(QStringLiteral("-"), 7), 7);
    EXPECT_EQ(TextToInt32Def(QStringLiteral("$1F"), 7), 31);
}

TEST(ConvertIntegerReading, HexTexts)
{
    EXPECT_EQ(HexTextToInt64(QStringLiteral("0xff")), 255);
    EXPECT_EQ(HexTextToInt64(QStringLiteral("  ff  ")), 255);
    EXPECT_EQ(HexTextToInt64(QStringLiteral("\tF F\n")), 255);
    EXPECT_EQ(HexTextToInt64(QStringLiteral("$10")), 16);
    EXPECT_EQ(HexTextToInt64(QStringLiteral("FFFFFFFFFFFFFFFF")), -1);
    EXPECT_EQ(HexTextToInt64(QStringLiteral("8000000000000000")), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(HexTextToInt64(QStringLiteral("C000000000000000")), int64_t(0xC000000000000000u));
    EXPECT_EQ(HexTextToInt64(QString()), 0);
    EXPECT_EQ(HexTextToInt64(QStringLiteral("xyz")), 0);
    EXPECT_EQ(HexTextToInt32(QStringLiteral("FFFFFFFF")), -1);
    EXPECT_EQ(HexTextToInt32(QStringLiteral("0x7fffffff")), 2147483647);
    EXPECT_EQ(HexTextToInt32(QStringLiteral("123456789")), 0x23456789);
}

// ---------------------------------------------------------------------------------------
// Integer to text

TEST(ConvertIntegerText, PlainAndSwitches)
{
    EXPECT_EQ(Int32ToText(0), QStringLiteral("0"));
    EXPECT_EQ(Int32ToText(5), QStringLiteral("5"));
    EXPECT_EQ(Int32ToText(-5), QStringLiteral("-5"));
    EXPECT_EQ(Int32ToText(std::numeric_limits<int32_t>::min()), QStringLiteral("-2147483648"));
    EXPECT_EQ(Int64ToText(std::numeric_limits<int64_t>::min()), QStringLiteral("-9223372036854775808"));
    {
        const TOrvScopedValue blank(GlobalBlankWhenZero, true);
        EXPECT_EQ(Int32ToText(0), QString());
        EXPECT_EQ(Int64ToText(3), QStringLiteral("3"));
    }
    const TOrvScopedValue plus(GlobalShowPosSign, true);
    EXPECT_EQ(Int32ToText(5), QStringLiteral("+5"));
    EXPECT_EQ(Int32ToText(-5), QStringLiteral("-5"));
    EXPECT_EQ(Int32ToText(0), QStringLiteral("0"));
}

TEST(ConvertIntegerText, Hex)
{
    EXPECT_EQ(Int32ToHexText(255), QStringLiteral("FF"));
    EXPECT_EQ(Int32ToHexText(0), QStringLiteral("0"));
    EXPECT_EQ(Int32ToHexText(-1), QStringLiteral("FFFFFFFF"));
    EXPECT_EQ(Int64ToHexText(-2), QStringLiteral("FFFFFFFFFFFFFFFE"));
    EXPECT_EQ(Int64ToZeroHexText(255, 4), QStringLiteral("00FF"));
    EXPECT_EQ(Int64ToZeroHexText(0, 3), QStringLiteral("000"));
    const TOrvScopedValue blank(GlobalBlankWhenZero, true);
    EXPECT_EQ(Int64ToHexText(0), QString());
    EXPECT_EQ(Int64ToZeroHexText(0, 3), QStringLiteral("   "));
}

TEST(ConvertIntegerText, ZeroPadded)
{
    EXPECT_EQ(Int32ToZeroText(-5, 4), QStringLiteral("-005"));
    EXPECT_EQ(Int32ToZeroText(5, 4), QStringLiteral("0005"));
    EXPECT_EQ(Int32ToZeroText(5, 0), QString());
    EXPECT_EQ(Int32ToZeroText(-5, 0), QStringLiteral("-"));
    EXPECT_EQ(Int32ToZeroText(std::numeric_limits<int32_t>::min(), 11), QStringLiteral("-2147483648"));
    EXPECT_EQ(Int64ToZeroText(std::numeric_limits<int64_t>::min(), 20), QStringLiteral("-9223372036854775808"));
    EXPECT_EQ(Int64ToZeroText(12345, 3), QStringLiteral("123")); // the leftmost digits are kept
    {
        const TOrvScopedValue plus(GlobalShowPosSign, true);
        EXPECT_EQ(Int32ToZeroText(5, 4), QStringLiteral("+005"));
    }
    const TOrvScopedValue blank(GlobalBlankWhenZero, true);
    EXPECT_EQ(Int32ToZeroText(0, 4), QStringLiteral("    "));
}

TEST(ConvertGrouping, GroupIntegerDigits)
{
    struct Row {
        const char16_t* digits;
        bool lakh;
        const char16_t* grouped;
    };
    const Row rows[] = {
        {u"1234567", false, u"1,234,567"}, {u"123", false, u"123"},       {u"1234", true, u"1,234"},
        {u"12345", true, u"12,345"},       {u"123456", true, u"1,23,456"}, {u"1234567", true, u"12,34,567"},
        {u"123", true, u"123"},            {u"", false, u""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(GroupIntegerDigits(QString::fromUtf16(row.digits), row.lakh), QString::fromUtf16(row.grouped))
            << QString::fromUtf16(row.digits).toStdString() << " lakh " << row.lakh;
}

TEST(ConvertGrouping, Int64ToGroupedText)
{
    EXPECT_EQ(Int64ToGroupedText(std::numeric_limits<int64_t>::min(), false),
              QStringLiteral("-9,223,372,036,854,775,808"));
    EXPECT_EQ(Int64ToGroupedText(1234567, true), QStringLiteral("12,34,567"));
    EXPECT_EQ(Int64ToGroupedText(0, false), QStringLiteral("0"));
    const TOrvScopedValue plus(GlobalShowPosSign, true);
    EXPECT_EQ(Int64ToGroupedText(1234, false), QStringLiteral("+1,234"));
    const TOrvScopedValue blank(GlobalBlankWhenZero, true);
    EXPECT_EQ(Int64ToGroupedText(0, false), QString());
}

TEST(ConvertGrouping, InsertThousandSeps)
{
    struct Row {
        const char16_t* text;
        bool lakh;
        const char16_t* grouped;
    };
    const Row rows[] = {
        {u"1234.5678", false, u"1,234.5678"},
        {u"-1234567.891", false, u"-1,234,567.891"},
        {u"-1234567.891", true, u"-12,34,567.891"},
        {u"1,23,4567", false, u"1,234,567"}, // existing separators are redone
        {u" $1234567 ", false, u"$1,234,567"},
        {u"123", false, u"123"},
        {u"1E+4932", false, u"1E+4932"}, // the exponent is not a number to group
        {u"12345.00E+20", false, u"12,345.00E+20"},
        {u"   ", false, u""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(InsertThousandSeps(QString::fromUtf16(row.text), row.lakh), QString::fromUtf16(row.grouped))
            << QString::fromUtf16(row.text).toStdString();
}

TEST(ConvertGrouping, SwappedSeparators)
{
    const TOrvScopedValue decimal(FormatSettings.DecimalSeparator, QChar(u','));
    const TOrvScopedValue thousand(FormatSettings.ThousandSeparator, QChar(u'.'));
    EXPECT_EQ(InsertThousandSeps(QStringLiteral("-1234567,891"), false), QStringLiteral("-1.234.567,891"));
    EXPECT_EQ(Int64ToGroupedText(1234567, false), QStringLiteral("1.234.567"));
    EXPECT_EQ(TextToInt64(QStringLiteral("1.234")), 1234);
}

// ---------------------------------------------------------------------------------------
// Base conversions

TEST(ConvertBases, Rows)
{
    EXPECT_EQ(HexToBinText(QStringLiteral("0F")), QStringLiteral("00001111"));
    EXPECT_EQ(HexToBinText(QStringLiteral("0xa5")), QStringLiteral("10100101"));
    EXPECT_EQ(HexToBinText(QStringLiteral(" $1 F ")), QStringLiteral("00011111"));
    EXPECT_EQ(HexToBinText(QString()), QString());
    EXPECT_EQ(BinToHexText(QStringLiteral("00010000")), QStringLiteral("10"));
    EXPECT_EQ(BinToHexText(QStringLiteral("000000001")), QStringLiteral("001"));
    EXPECT_EQ(BinToHexText(QStringLiteral("11111")), QStringLiteral("1F"));
    EXPECT_EQ(OctToBinText(QStringLiteral("17")), QStringLiteral("001111"));
    EXPECT_EQ(BinToOctText(QStringLiteral("1111")), QStringLiteral("17"));
    EXPECT_EQ(HexToOctText(QStringLiteral("FF")), QStringLiteral("377"));
    EXPECT_EQ(OctToHexText(QStringLiteral("377")), QStringLiteral("0FF"));
    EXPECT_EQ(BinToHexText(QStringLiteral(" \t")), QString());
}

TEST(ConvertBases, InvalidCharactersRaise)
{
    const QString expected = MathMessageText(emmInvalidBaseChar);
    EXPECT_EQ(expected, QStringLiteral("Invalid character found during Base Conversion"));
    EXPECT_EQ(MessageOf<EMathError>([] { BinToHexText(QStringLiteral("102")); }), expected);
    EXPECT_EQ(MessageOf<EMathError>([] { HexToBinText(QStringLiteral("1G")); }), expected);
    EXPECT_EQ(MessageOf<EMathError>([] { OctToBinText(QStringLiteral("8")); }), expected);
    EXPECT_EQ(MessageOf<EMathError>([] { BinToOctText(QStringLiteral("12")); }), expected);
    EXPECT_EQ(MessageOf<EMathError>([] { HexToOctText(QStringLiteral("-1")); }), expected);
}

// ---------------------------------------------------------------------------------------
// IPv4

TEST(ConvertIP, Reading)
{
    EXPECT_EQ(IPTextToUInt32(QStringLiteral("192.168.0.1")), 0xC0A80001u);
    EXPECT_EQ(IPTextToUInt32(QStringLiteral("10.1")), 0x0A010000u);
    EXPECT_EQ(IPTextToUInt32(QStringLiteral("1.2.3.4.99")), 0x01020304u);
    EXPECT_EQ(IPTextToUInt32(QStringLiteral("a.b.c.d")), 0u);
    EXPECT_EQ(IPTextToUInt32(QString()), 0u);
    EXPECT_EQ(MessageOf<EMathError>([] { IPTextToUInt32(QStringLiteral("192.168.0.300")); }),
              QStringLiteral("IP Address Components must be between 0 and 255"));
    const TOrvScopedValue noCheck(GlobalCheckIPErrors, false);
    EXPECT_EQ(IPTextToUInt32(QStringLiteral("192.168.0.300")), 0u);
    EXPECT_EQ(IPTextToUInt32(QStringLiteral("300.1.2.3")), 0x00010203u);
}

TEST(ConvertIP, Writing)
{
    EXPECT_EQ(UInt32ToIPText(0xC0A80001u), QStringLiteral("192.168.0.1"));
    EXPECT_EQ(UInt32ToIPText(0), QStringLiteral("0.0.0.0"));
    const TOrvScopedValue plus(GlobalShowPosSign, true);
    EXPECT_EQ(UInt32ToIPText(0x01000200u), QStringLiteral("+1.0.+2.0"));
}
