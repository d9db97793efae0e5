#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/datetime/OrvkitDateTime.h>
#include <orvkit/datetime/OrvkitXML.h>

#include "PrintQString.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <random>
#include <sys/resource.h>

using namespace orv;

namespace {

QString DataFile(const char* name)
{
    return QStringLiteral(ORVKIT_TEST_DATA_DIR "/") + QString::fromLatin1(name);
}

QByteArray ReadBytes(const QString& fileName)
{
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << fileName.toStdString();
    return file.readAll();
}

void WriteBytes(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

TDateTime Day(uint16_t year, uint16_t month, uint16_t day)
{
    return MakeDate(year, month, day);
}

TOrvHolidayRec Holiday(const QString& desc, TDateTime date, bool nonWorking = false)
{
    return TOrvHolidayRec{desc, date, nonWorking, false};
}

const TDateTime kToday = 46000; // 2025-12-09

class HolidayFile : public ::testing::Test {
protected:
    QString Scratch(const char* name) const { return fDir.filePath(QString::fromLatin1(name)); }
    QString CopyOf(const char* fixture) const
    {
        const QString copy = Scratch(fixture);
        QFile::remove(copy);
        EXPECT_TRUE(QFile::copy(DataFile(fixture), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        return copy;
    }

    QTemporaryDir fDir;
    TOrvClockOverride fClock{kToday + 0.5};
};

} // namespace

// Element text.

struct CodecCase {
    const char16_t* plain;
    const char* encoded;
};

class XMLEncodeCase : public ::testing::TestWithParam<CodecCase> {};

TEST_P(XMLEncodeCase, EncodesAndDecodesBack)
{
    const QString plain = QString::fromUtf16(GetParam().plain);
    const QString encoded = QString::fromLatin1(GetParam().encoded);
    EXPECT_EQ(XMLEncode(plain), encoded);
    EXPECT_EQ(XMLDecode(encoded), plain);
}

INSTANTIATE_TEST_SUITE_P(Texts, XMLEncodeCase,
    ::testing::Values(
        CodecCase{u"Fish & Chips", "Fish &#38; Chips"},
        CodecCase{u"\u00e9", "&#233;"},
        CodecCase{u"\u20ac", "&#8364;"},
        CodecCase{u"\"<b>\"", "&#34;&#60;b&#62;&#34;"},
        CodecCase{u"'quoted' 100%", "'quoted' 100%"},
        CodecCase{u"\u009f\u00a0", "\x9f&#160;"},         // 159 is copied, 160 is not
        CodecCase{u"a\nb\rc\td", "a&#10;b&#13;c&#9;d"},   // line breaks must not split the line
        CodecCase{u"\U0001F600", "&#55357;&#56832;"},    // one reference per UTF-16 unit
        CodecCase{u"\u0416\u4e2d", "&#1046;&#20013;"},
        CodecCase{u"&#38;", "&#38;#38;"},
        CodecCase{u"", ""}));

struct DecodeCase {
    const char* encoded;
    const char16_t* plain;
};

class XMLDecodeCase : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(XMLDecodeCase, Decodes)
{
    EXPECT_EQ(XMLDecode(QString::fromLatin1(GetParam().encoded)), QString::fromUtf16(GetParam().plain))
        << GetParam().encoded;
}

INSTANTIATE_TEST_SUITE_P(References, XMLDecodeCase,
    ::testing::Values(
        DecodeCase{"&#8364;", u"\u20ac"},                  // four digits
        DecodeCase{"&#128512;", u"\U0001F600"},            // a code point above U+FFFF
        DecodeCase{"&#55357;&#56832;", u"\U0001F600"},      // surrogate halves form one character
        DecodeCase{"&#0000000000000000000065;", u"A"},      // any number of digits
        DecodeCase{"&#1114111;", u"\U0010FFFF"},
        DecodeCase{"&#1114112;", u"1114112;"},             // beyond Unicode: not a reference
        DecodeCase{"&#99999999999999999999;", u"99999999999999999999;"},
        DecodeCase{"&#256;", u"\u0100"},
        DecodeCase{"&#38;#38;", u"&#38;"},                  // decoded text is not decoded again
        DecodeCase{"&#&#65;", u"A"},
        DecodeCase{"&#x41;", u"x41;"},
        DecodeCase{"&#;", u";"},
        DecodeCase{"&#65", u"65"},
        DecodeCase{"a&#", u"a"},
        DecodeCase{"a&", u"a&"},
        DecodeCase{"&amp;", u"&amp;"}));

TEST(XMLCodec, EveryUtf16TextRoundTrips)
{
    std::mt19937 random(3);
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> unit(0, 0xFFFF);
    std::uniform_int_distribution<int> ascii(0, 127);
    for (int round = 0; round < 2000; ++round) {
        QString text;
        const int n = length(random);
        for (int i = 0; i < n; ++i)
            text.append(QChar(char16_t(round % 2 ? unit(random) : ascii(random))));
        const QString encoded = XMLEncode(text);
        ASSERT_FALSE(encoded.contains(u'\n'));
        ASSERT_FALSE(encoded.contains(u'<'));
        ASSERT_EQ(XMLDecode(encoded), text) << "round " << round;
    }
}

TEST(XMLCodec, LongReferenceRunsDecodeInOnePass)
{
    // Rescanning from the start after every replacement would take hours on this.
    const QString junk = QStringLiteral("&#").repeated(1 << 20) + QStringLiteral("&#38;").repeated(1 << 18);
    EXPECT_EQ(XMLDecode(junk), QString(1 << 18, u'&'));
}

// The line reader and writer.

TEST(XMLLines, InitializeFileGivesAnEmptyDocument)
{
    TOrvXML xml{QString()};
    xml.InitializeFile();
    EXPECT_EQ(xml.TS(), (QStringList{QStringLiteral("<?xml version=\"1.0\"?>"), QString(),
                                     QStringLiteral("<Root_Element>"), QStringLiteral("</Root_Element>")}));
    EXPECT_EQ(xml.CurrentLine(), 3);
    xml.PutStartToken(QStringLiteral("A"), 1);
    xml.PutValue(QStringLiteral("B"), QStringLiteral("x<y"), 2);
    xml.PutEndToken(QStringLiteral("A"), 0);
    EXPECT_EQ(xml.TS().mid(3), (QStringList{QStringLiteral("   <A>"), QStringLiteral("      <B>x&#60;y</B>"),
                                            QStringLiteral("</A>"), QStringLiteral("</Root_Element>")}));
    EXPECT_EQ(xml.CurrentLine(), 6);
    EXPECT_EQ(xml.Content(), QByteArray("<?xml version=\"1.0\"?>\n\n<Root_Element>\n   <A>\n      <B>x&#60;y</B>\n"
                                        "</A>\n</Root_Element>\n"));
}

TEST(XMLLines, TokenRangesAndValues)
{
    TOrvXML xml{QString()};
    xml.SetContent("<a>\n</b><b>one</b>\n<b>\n</b>\n</a>\n<c></a>\n");
    int start = 0;
    int end = 0;
    xml.GetNextTokenRange(QStringLiteral("a"), start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 4);
    xml.GetNextTokenRange(QStringLiteral("b"), start, end);
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 1); // the closing tag after the opening one on its line
    xml.SetCurrentLine(2);
    xml.GetNextTokenRange(QStringLiteral("b"), start, end);
    EXPECT_EQ(start, 2);
    EXPECT_EQ(end, 3);
    xml.GetNextTokenRange(QStringLiteral("c"), start, end);
    EXPECT_EQ(start, 5);
    EXPECT_EQ(end, -1);
    xml.GetNextTokenRange(QStringLiteral("missing"), start, end);
    EXPECT_EQ(start, -1);
    EXPECT_EQ(end, -1);

    EXPECT_EQ(xml.GetFirstValue(QStringLiteral("b"), 1, 1), QStringLiteral("one"));
    EXPECT_EQ(xml.GetFirstValue(QStringLiteral("b"), 2, 3), QString()); // tags on two lines
    EXPECT_EQ(xml.GetFirstValue(QStringLiteral("b"), 0, 100), QStringLiteral("one"));
    EXPECT_EQ(xml.GetFirstValue(QStringLiteral("b"), 3, 1), QString());

    xml.RemoveTokenRange(QStringLiteral("b"), 3, 2);
    xml.RemoveTokenRange(QStringLiteral("b"), 5, 6);
    EXPECT_EQ(xml.LineCount(), 6);
    xml.RemoveTokenRange(QStringLiteral("b"), 2, 3);
    EXPECT_EQ(xml.TS(), (QStringList{QStringLiteral("<a>"), QStringLiteral("</b><b>one</b>"), QStringLiteral("</a>"),
                                     QStringLiteral("<c></a>")}));
}

TEST(XMLLines, AnyBytesComeBackUnchanged)
{
    const QByteArray fixed[] = {
        "", "\n", "\n\n", "a", "a\n", "a\r\nb\r\n", "a\r\nb", "a\r\nb\r", "a\nb\r\n", "\r\r\n",
        "caf\xe9\n",                 // Latin-1
        "\xed\xa0\x80\xed\xb0\x80\n", // surrogates encoded as UTF-8
        "\xc0\xaf\xe0\x80\xaf",       // overlong forms
        "\xf4\x90\x80\x80",           // beyond U+10FFFF
        "\xef\xbb\xbf<x>\xf0\x9f\x98\x80</x>\xc3", // BOM, emoji and a cut sequence
        QByteArray("a\0b\n", 4),
    };
    for (const QByteArray& bytes : fixed) {
        TOrvXML xml{QString()};
        xml.SetContent(bytes);
        EXPECT_EQ(xml.Content(), bytes) << bytes.toHex().toStdString();
    }
    std::mt19937 random(5);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 500; ++round) {
        QByteArray bytes;
        const int n = round % 300;
        for (int i = 0; i < n; ++i)
            bytes.append(char(round % 3 ? byte(random) : "\r\n<>a\xc3\xa9\xe2"[byte(random) % 8]));
        TOrvXML xml{QString()};
        xml.SetContent(bytes);
        ASSERT_EQ(xml.Content(), bytes) << bytes.toHex().toStdString();
    }
}

TEST(XMLLines, ReadsUtf8AndCrLfLines)
{
    TOrvXML xml{QString()};
    xml.SetContent("<d>\xc3\xa9t\xc3\xa9</d>\r\n<e>\xe2\x82\xac</e>\r\n");
    EXPECT_EQ(xml.TS(), (QStringList{QString::fromUtf16(u"<d>\u00e9t\u00e9</d>"), QString::fromUtf16(u"<e>\u20ac</e>")}));
    xml.SetCurrentLine(1);
    xml.PutValue(QStringLiteral("f"), QStringLiteral("1"), 0);
    EXPECT_EQ(xml.Content(), QByteArray("<d>\xc3\xa9t\xc3\xa9</d>\r\n<f>1</f>\r\n<e>\xe2\x82\xac</e>\r\n"));
}

// The holiday file.

TEST_F(HolidayFile, LoadsTheDocumentedLayout)
{
    TOrvHolidayList list{Holiday(QStringLiteral("stale"), 1)};
    LoadHolidays(list, DataFile("holidays.xml"));
    const TOrvHolidayList expected{
        Holiday(QStringLiteral("Fish & Chips"), Day(2024, 1, 5)),
        Holiday(QString::fromUtf16(u"F\u00eate \u20ac \U0001F600 \U0001F600"), Day(2024, 12, 25), true),
        Holiday(QStringLiteral("Written by hand"), kToday), // 2024-12-25 is not YYYYMMDD
        Holiday(QString(), Day(2024, 7, 4)),                // "yes" does not begin with a capital Y
    };
    EXPECT_EQ(list, expected);
}

TEST_F(HolidayFile, MissingFileOrBlockLoadsEmpty)
{
    TOrvHolidayList list{Holiday(QStringLiteral("stale"), 1)};
    LoadHolidays(list, Scratch("none.xml"));
    EXPECT_TRUE(list.empty());
    list.push_back(Holiday(QStringLiteral("stale"), 1));
    ReadHolidays(list, "<?xml version=\"1.0\"?>\n<Root_Element>\n   <Holiday><Date>20240101</Date></Holiday>\n");
    EXPECT_TRUE(list.empty());
}

TEST_F(HolidayFile, TruncatedFileKeepsTheCompleteHolidays)
{
    TOrvHolidayList list;
    LoadHolidays(list, DataFile("truncated.xml"));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].HolDate, Day(2024, 12, 25));

    // Saving puts a whole block first and keeps the cut one below it.
    const QString file = CopyOf("truncated.xml");
    const QByteArray cut = ReadBytes(file);
    SaveHolidays(list, file);
    EXPECT_TRUE(ReadBytes(file).endsWith(cut));
    TOrvHolidayList reloaded;
    LoadHolidays(reloaded, file);
    EXPECT_EQ(reloaded, list);
}

TEST_F(HolidayFile, TagsOutOfOrderLoadWhatLiesInsideTheBlock)
{
    TOrvHolidayList list;
    LoadHolidays(list, DataFile("out_of_order.xml"));
    const TOrvHolidayList expected{Holiday(QString(), Day(2024, 1, 1)), Holiday(QString(), Day(2024, 2, 2), true)};
    EXPECT_EQ(list, expected);
}

TEST_F(HolidayFile, NewFileGetsTheDocumentedLines)
{
    TOrvHolidayList list{Holiday(QStringLiteral("Fish & Chips"), Day(2024, 12, 25), true),
                         Holiday(QStringLiteral("gone"), Day(2024, 1, 1)), Holiday(QString(), Day(2024, 7, 4))};
    MarkHolidayDeleted(list, 1);
    const QString file = Scratch("new.xml");
    SaveHolidays(list, file);
    EXPECT_EQ(ReadBytes(file), QByteArray("<?xml version=\"1.0\"?>\n"
                                          "\n"
                                          "<Root_Element>\n"
                                          "   <OrvHolidays>\n"
                                          "      <Holiday>\n"
                                          "         <Description>Fish &#38; Chips</Description>\n"
                                          "         <Date>20241225</Date>\n"
                                          "         <Non-Working>Y</Non-Working>\n"
                                          "      </Holiday>\n"
                                          "      <Holiday>\n"
                                          "         <Date>20240704</Date>\n"
                                          "      </Holiday>\n"
                                          "   </OrvHolidays>\n"
                                          "</Root_Element>\n"));
}

TEST_F(HolidayFile, SavingReplacesOnlyTheBlockAndKeepsEveryOtherByte)
{
    const QString file = CopyOf("other_settings.xml");
    const QByteArray before = ReadBytes(file);
    const QByteArray head = before.left(before.indexOf("   <OrvHolidays>"));
    const QByteArray tail = before.mid(before.indexOf("</OrvHolidays>\r\n") + 16);
    SaveHolidays({Holiday(QString::fromUtf16(u"N\u00f6el"), Day(2025, 12, 25), true)}, file);
    EXPECT_EQ(ReadBytes(file), head + "   <OrvHolidays>\r\n"
                                      "      <Holiday>\r\n"
                                      "         <Description>N&#246;el</Description>\r\n"
                                      "         <Date>20251225</Date>\r\n"
                                      "         <Non-Working>Y</Non-Working>\r\n"
                                      "      </Holiday>\r\n"
                                      "   </OrvHolidays>\r\n" + tail);
}

TEST_F(HolidayFile, FileWithoutBlockGetsItAtTheTop)
{
    const QString file = Scratch("noblock.xml");
    WriteBytes(file, "<?xml version=\"1.0\"?>\n<Root_Element>\n</Root_Element>");
    SaveHolidays({Holiday(QStringLiteral("a"), Day(2024, 1, 1))}, file);
    EXPECT_EQ(ReadBytes(file), QByteArray("   <OrvHolidays>\n      <Holiday>\n         <Description>a</Description>\n"
                                          "         <Date>20240101</Date>\n      </Holiday>\n   </OrvHolidays>\n"
                                          "<?xml version=\"1.0\"?>\n<Root_Element>\n</Root_Element>"));
}

TEST_F(HolidayFile, TextSharingTheBlockLinesIsKept)
{
    const QString file = Scratch("oneline.xml");
    WriteBytes(file, "<Root_Element><OrvHolidays><Holiday><Date>20240101</Date></Holiday></OrvHolidays></Root_Element>\n");
    TOrvHolidayList list;
    LoadHolidays(list, file);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].HolDate, Day(2024, 1, 1));
    SaveHolidays(list, file);
    EXPECT_EQ(ReadBytes(file), QByteArray("<Root_Element>\n   <OrvHolidays>\n      <Holiday>\n         <Date>20240101</Date>\n"
                                          "      </Holiday>\n   </OrvHolidays>\n</Root_Element>\n"));
}

TEST_F(HolidayFile, LoadSaveLoadReturnsTheSameRecords)
{
    QString everything;
    for (char16_t u = 1; u < 0x800; ++u)
        everything.append(QChar(u));
    everything += QString::fromUtf16(u"\u20ac \u4e2d\u6587 \U0001F600 \uFFFD x");
    everything += QChar(char16_t(0xD800)); // lone surrogates too: the text is kept as it was given
    everything += QChar(char16_t(0xDFFF));
    const TOrvHolidayList original{
        Holiday(QStringLiteral("Fish & Chips \"quoted\" <tag> &#38; &amp; ; &#"), Day(2024, 12, 25), true),
        Holiday(everything, Day(2025, 1, 1)),
        Holiday(QStringLiteral("  spaced  "), Day(1850, 6, 1)),   // before 1899-12-30
        Holiday(QStringLiteral("day zero"), 0),
        Holiday(QString::fromUtf16(u"\u0416\u0438\u0437\u043d\u044c"), Day(1, 1, 1)),
        Holiday(QStringLiteral("last"), Day(9999, 12, 31)),
    };
    const QString file = Scratch("roundtrip.xml");
    SaveHolidays(original, file);
    TOrvHolidayList first;
    LoadHolidays(first, file);
    EXPECT_EQ(first, original);
    const QByteArray written = ReadBytes(file);
    SaveHolidays(first, file);
    EXPECT_EQ(ReadBytes(file), written);
    TOrvHolidayList second;
    LoadHolidays(second, file);
    EXPECT_EQ(second, first);
}

TEST_F(HolidayFile, FailedSaveLeavesThePreviousFileWhole)
{
    const QString file = CopyOf("holidays.xml");
    const QByteArray before = ReadBytes(file);
    TOrvHolidayList big;
    for (int i = 0; i < 2000; ++i)
        big.push_back(Holiday(QStringLiteral("holiday %1").arg(i), Day(2024, 1, 1) + i));

    // Writes past 1000 bytes fail, as on a full disk.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool raised = false;
    try {
        SaveHolidays(big, file);
    } catch (const Exception&) {
        raised = true;
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(raised);
    EXPECT_EQ(ReadBytes(file), before);
    EXPECT_EQ(QDir(fDir.path()).entryList(QDir::Files), QStringList{QStringLiteral("holidays.xml")});
}

TEST_F(HolidayFile, UnreadableOrUnwritablePathsRaise)
{
    TOrvHolidayList list;
    EXPECT_THROW(LoadHolidays(list, fDir.path()), Exception);
    EXPECT_THROW(SaveHolidays(list, fDir.path()), Exception);
    EXPECT_THROW(SaveHolidays(list, Scratch("missing/dir/file.xml")), Exception);
    EXPECT_TRUE(QDir(fDir.path()).exists());
}

TEST_F(HolidayFile, SetFileNameSavesToTheOldNameAndLoadsTheNewOne)
{
    const QString first = Scratch("first.xml");
    const QString second = Scratch("second.xml");
    TOrvXML xml(first);
    EXPECT_TRUE(xml.Connected());
    EXPECT_TRUE(xml.NewFile());
    xml.InitializeFile();
    xml.SetFileName(second, true);
    EXPECT_EQ(ReadBytes(first), QByteArray("<?xml version=\"1.0\"?>\n\n<Root_Element>\n</Root_Element>\n"));
    EXPECT_TRUE(xml.NewFile());
    EXPECT_EQ(xml.LineCount(), 4); // a new name keeps the lines, to be saved there
    WriteBytes(second, "<x>\n");
    xml.SetFileName(second, false);
    EXPECT_FALSE(xml.NewFile());
    EXPECT_EQ(xml.TS(), QStringList{QStringLiteral("<x>")});
    EXPECT_THROW(xml.SetFileName(fDir.path(), false), Exception);
    EXPECT_EQ(xml.FName(), second);
    EXPECT_EQ(xml.TS(), QStringList{QStringLiteral("<x>")});
}

TEST_F(HolidayFile, UnreadableDateIsTodayEvenWhenErrorsRaise)
{
    TOrvScopedValue raiseDate(GlobalRaiseDateErrors, true);
    TOrvScopedValue raiseFloat(GlobalRaiseFloatErrors, true);
    TOrvHolidayList list;
    ReadHolidays(list, "<OrvHolidays>\n<Holiday><Date>2024-12-25</Date></Holiday>\n<Holiday><Date>x</Date></Holiday>\n"
                       "<Holiday><Date>20240230</Date></Holiday>\n<Holiday></Holiday>\n</OrvHolidays>\n");
    ASSERT_EQ(list.size(), 4u);
    for (const TOrvHolidayRec& record : list)
        EXPECT_EQ(record.HolDate, kToday);
}

TEST_F(HolidayFile, EmptyExistingFileGetsADocument)
{
    const QString file = Scratch("empty.xml");
    WriteBytes(file, QByteArray());
    SaveHolidays({}, file);
    EXPECT_EQ(ReadBytes(file), QByteArray("<?xml version=\"1.0\"?>\n\n<Root_Element>\n   <OrvHolidays>\n"
                                          "   </OrvHolidays>\n</Root_Element>\n"));
}

// Malformed input: loads as far as it can, in time and memory in proportion to its size.

TEST(HolidayReader, OneLineHolidaysAreEachReadOnce)
{
    const int count = 50000;
    QByteArray content = "<OrvHolidays>\n";
    for (int i = 0; i < count; ++i)
        content += "<Holiday><Date>20240101</Date></Holiday>\n";
    content += "</OrvHolidays>\n";
    TOrvHolidayList list;
    ReadHolidays(list, content);
    EXPECT_EQ(list.size(), size_t(count));
}

TEST(HolidayReader, UnclosedHolidaysStopTheReader)
{
    QByteArray content = "<OrvHolidays>\n<Holiday><Date>20240101</Date></Holiday>\n";
    content += QByteArray("<Holiday>\n").repeated(200000);
    TOrvHolidayList list;
    ReadHolidays(list, content);
    EXPECT_EQ(list.size(), 1u);
}

TEST(HolidayReader, HugeLinesAreRead)
{
    const QByteArray huge(8 << 20, 'x');
    const QByteArray content = "<OrvHolidays><Holiday><Description>" + huge + "</Description>" + huge +
                               "<Date>20240101</Date></Holiday>" + huge + "</OrvHolidays>";
    TOrvHolidayList list;
    ReadHolidays(list, content);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Desc.size(), huge.size());
}

TEST(HolidayReader, JunkNeverCrashes)
{
    const QByteArray valid = [] {
        QFile file(DataFile("holidays.xml"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    ASSERT_FALSE(valid.isEmpty());
    TOrvClockOverride clock(kToday);
    std::mt19937 random(17);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 3000; ++round) {
        QByteArray content;
        if (round % 4 == 0) {
            for (int i = round % 700; i > 0; --i)
                content.append(char(byte(random)));
        } else {
            // Mutated, cut or shuffled pieces of a valid file.
            content = valid;
            const int edits = 1 + round % 12;
            for (int e = 0; e < edits && !content.isEmpty(); ++e) {
                const qsizetype at = std::uniform_int_distribution<qsizetype>(0, content.size() - 1)(random);
                switch (byte(random) % 4) {
                case 0: content[at] = char(byte(random)); break;
                case 1: content.remove(at, byte(random) % 40); break;
                case 2: content.insert(at, content.mid(byte(random) % content.size(), byte(random) % 60)); break;
                default: content.truncate(at); break;
                }
            }
        }
        TOrvHolidayList list;
        ReadHolidays(list, content);
        ASSERT_LE(list.size(), size_t(content.count("<Holiday>")));
        for (const TOrvHolidayRec& record : list)
            ASSERT_FALSE(record.Deleted);
    }
}

TEST_F(HolidayFile, SavingIntoJunkGivesBackTheRecords)
{
    const QByteArray valid = ReadBytes(DataFile("other_settings.xml"));
    const TOrvHolidayList records{Holiday(QStringLiteral("a & b"), Day(2024, 3, 1), true),
                                  Holiday(QString::fromUtf16(u"\u00e9\u20ac"), Day(2024, 3, 2))};
    const QString file = Scratch("junk.xml");
    std::mt19937 random(23);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        QByteArray content = valid;
        for (int e = 0; e < 1 + round % 8 && !content.isEmpty(); ++e) {
            const qsizetype at = std::uniform_int_distribution<qsizetype>(0, content.size() - 1)(random);
            if (byte(random) % 2)
                content[at] = char(byte(random));
            else
                content.remove(at, byte(random) % 30);
        }
        WriteBytes(file, content);
        SaveHolidays(records, file);
        TOrvHolidayList loaded;
        LoadHolidays(loaded, file);
        ASSERT_EQ(loaded, records) << content.toHex().toStdString();
    }
}
