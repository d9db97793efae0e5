#include <orvkit/framework/OrvkitIniFile.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "framework/TestFiles.h"
#include <sys/stat.h>

namespace orv {
namespace {

using test::ReadAll;
using test::WriteAll;

// A file as a person writes it by hand.
const QByteArray kHandWritten =
    "; settings of the demo\r\n"
    "\r\n"
    "  [ Defaults ]  \r\n"
    "Enter As Tab = 1\r\n"
    "ESC As Undo=0\r\n"
    "# a remark\r\n"
    "\tBorder Color\t=\t0x00FF00\r\n"
    "NullStr =   \"  none  \"\r\n"
    "Path=C:\\Data;D:\\More ; not a comment\r\n"
    "empty=\r\n"
    "garbage line without equals\r\n"
    "[Other]\r\n"
    "Enter As Tab=0\r\n";

TEST(TOrvIniDocument, HandWrittenFileReadsAsMeant)
{
    const TOrvIniDocument doc = TOrvIniDocument::Parse(kHandWritten);
    struct Case {
        const char* section;
        const char* key;
        std::optional<QString> value;
    } cases[] = {
        {"Defaults", "Enter As Tab", QStringLiteral("1")},
        {"defaults", "enter as tab", QStringLiteral("1")}, // letter case ignored
        {"Defaults", "ESC As Undo", QStringLiteral("0")},
        {"Defaults", "Border Color", QStringLiteral("0x00FF00")},
        {"Defaults", "NullStr", QStringLiteral("  none  ")}, // quotes keep the blanks
        {"Defaults", "Path", QStringLiteral("C:\\Data;D:\\More ; not a comment")},
        {"Defaults", "empty", QString()},
        {"Defaults", "# a remark", std::nullopt},
        {"Defaults", "garbage line without equals", std::nullopt},
        {"Other", "Enter As Tab", QStringLiteral("0")},
        {"Missing", "Enter As Tab", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(doc.Value(QString::fromLatin1(c.section), QString::fromLatin1(c.key)), c.value)
            << c.section << "/" << c.key;
    EXPECT_EQ(doc.Sections(), QStringList({QStringLiteral("Defaults"), QStringLiteral("Other")}));
}

TEST(TOrvIniDocument, UnchangedDocumentSerialisesByteForByte)
{
    const QByteArray variants[] = {
        kHandWritten,
        QByteArray("\xEF\xBB\xBF[S]\nk=v\n"),
        QByteArray("[S]\nk=v"),                // no final line break
        QByteArray("[S]\rk=caf\xE9\r"),        // 8-bit code page, old Mac line ends
        QByteArray("\xFF\xFE[\0S\0]\0\n\0", 10), // UTF-16 with byte order mark
    };
    for (const QByteArray& bytes : variants)
        EXPECT_EQ(TOrvIniDocument::Parse(bytes).Serialize(), bytes);
}

TEST(TOrvIniDocument, ChangingOneKeyKeepsEveryOtherByte)
{
    TOrvIniDocument doc = TOrvIniDocument::Parse(kHandWritten);
    ASSERT_TRUE(doc.SetValue(QStringLiteral("defaults"), QStringLiteral("ESC AS UNDO"), QStringLiteral("1")));
    QByteArray expected = kHandWritten;
    expected.replace("ESC As Undo=0", "ESC As Undo=1");
    EXPECT_EQ(doc.Serialize(), expected);

    ASSERT_TRUE(doc.SetValue(QStringLiteral("Defaults"), QStringLiteral("Border Color"), QStringLiteral("255")));
    expected.replace("\tBorder Color\t=\t0x00FF00", "\tBorder Color\t=\t255");
    EXPECT_EQ(doc.Serialize(), expected);
}

TEST(TOrvIniDocument, NewKeyGoesAfterTheSectionsLastKeyAndNewSectionAtTheEnd)
{
    TOrvIniDocument doc = TOrvIniDocument::Parse("[A]\nx=1\n\n[B]\ny=2\n");
    ASSERT_TRUE(doc.SetValue(QStringLiteral("A"), QStringLiteral("Hot Color"), QStringLiteral("5")));
    ASSERT_TRUE(doc.SetValue(QStringLiteral("C"), QStringLiteral("z"), QStringLiteral("3")));
    EXPECT_EQ(doc.Serialize(), QByteArray("[A]\nx=1\nHot Color=5\n\n[B]\ny=2\n\n[C]\nz=3\n"));

    TOrvIniDocument crlf = TOrvIniDocument::Parse("[A]\r\nx=1");
    ASSERT_TRUE(crlf.SetValue(QStringLiteral("A"), QStringLiteral("y"), QStringLiteral("2")));
    EXPECT_EQ(crlf.Serialize(), QByteArray("[A]\r\nx=1\r\ny=2\r\n"));
}

TEST(TOrvIniDocument, ValuesReadBackAsWritten)
{
    const QString values[] = {QStringLiteral(" padded "), QStringLiteral("\"quoted\""), QStringLiteral("'single'"),
                              QStringLiteral("a=b;c"), QString(), QStringLiteral("\u20ac \u00e9")};
    TOrvIniDocument doc;
    for (const QString& v : values) {
        ASSERT_TRUE(doc.SetValue(QStringLiteral("S"), QStringLiteral("k"), v));
        EXPECT_EQ(TOrvIniDocument::Parse(doc.Serialize()).Value(QStringLiteral("S"), QStringLiteral("k")), v);
    }
}

TEST(TOrvIniDocument, LineBreaksCannotInjectKeysOrSections)
{
    TOrvIniDocument doc;
    ASSERT_TRUE(doc.SetValue(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("x\n[Evil]\r\nk=1")));
    const TOrvIniDocument back = TOrvIniDocument::Parse(doc.Serialize());
    EXPECT_EQ(back.Sections(), QStringList{QStringLiteral("S")});
    EXPECT_EQ(back.Value(QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("x [Evil] k=1"));
}

TEST(TOrvIniDocument, NamesTheFormatCannotHoldAreRefused)
{
    TOrvIniDocument doc;
    const QString badKeys[] = {QString(), QStringLiteral("  "), QStringLiteral("a=b"), QStringLiteral("[x"),
                               QStringLiteral(";x"), QStringLiteral("a\nb")};
    for (const QString& k : badKeys)
        EXPECT_FALSE(doc.SetValue(QStringLiteral("S"), k, QStringLiteral("1"))) << k.toStdString();
    EXPECT_FALSE(doc.SetValue(QStringLiteral("a]b"), QStringLiteral("k"), QStringLiteral("1")));
    EXPECT_TRUE(doc.Serialize().isEmpty());
}

TEST(TOrvIniDocument, RemoveTakesOnlyThatKey)
{
    TOrvIniDocument doc = TOrvIniDocument::Parse("[A]\nx=1\ny=2\nX=3\n[B]\nx=4\n");
    EXPECT_TRUE(doc.Remove(QStringLiteral("A"), QStringLiteral("x")));
    EXPECT_FALSE(doc.Remove(QStringLiteral("A"), QStringLiteral("x")));
    EXPECT_EQ(doc.Serialize(), QByteArray("[A]\ny=2\n[B]\nx=4\n"));
}

TEST(TOrvIniDocument, CodePageFileTakesUtf8WhenAValueNeedsIt)
{
    TOrvIniDocument doc = TOrvIniDocument::Parse("[S]\nk=caf\xE9\n");
    EXPECT_EQ(doc.Value(QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("caf\u00e9"));
    ASSERT_TRUE(doc.SetValue(QStringLiteral("S"), QStringLiteral("e"), QStringLiteral("\u20ac")));
    const TOrvIniDocument back = TOrvIniDocument::Parse(doc.Serialize());
    EXPECT_EQ(back.Value(QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("caf\u00e9"));
    EXPECT_EQ(back.Value(QStringLiteral("S"), QStringLiteral("e")), QStringLiteral("\u20ac"));
}

class IniFileFixture : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(IniFileFixture, DirectFileWritesEachChangeAndKeepsTheRest)
{
    const QString path = Path("a.ini");
    WriteAll(path, kHandWritten);
    TOrvIniFile ini(path, false);
    ASSERT_TRUE(ini.WriteValue(QStringLiteral("Other"), QStringLiteral("Enter As Tab"), QStringLiteral("1")));
    QByteArray expected = kHandWritten;
    expected.replace("[Other]\r\nEnter As Tab=0", "[Other]\r\nEnter As Tab=1");
    EXPECT_EQ(ReadAll(path), expected);
    // Someone else edits the file between two accesses: a direct file sees it.
    WriteAll(path, "[Other]\nk=changed\n");
    EXPECT_EQ(ini.ReadValue(QStringLiteral("Other"), QStringLiteral("k")), QStringLiteral("changed"));
}

TEST_F(IniFileFixture, SaveReplacesTheFileAtomically)
{
    const QString path = Path("atomic.ini");
    WriteAll(path, "[S]\nk=old\n");
    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    struct stat oldStat{};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &oldStat), 0);

    TOrvIniFile ini(path, false);
    ASSERT_TRUE(ini.WriteValue(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("new")));

    struct stat newStat{};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &newStat), 0);
    // A new file was renamed into place; the old one was never rewritten in place.
    EXPECT_NE(oldStat.st_ino, newStat.st_ino);
    EXPECT_EQ(before.readAll(), QByteArray("[S]\nk=old\n"));
    EXPECT_EQ(ReadAll(path), QByteArray("[S]\nk=new\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("atomic.ini")});
}

TEST_F(IniFileFixture, FailedSaveIsReportedAndLeavesNothingBehind)
{
    const QString path = Path("missing-folder/x.ini");
    TOrvIniFile ini(path, false);
    EXPECT_FALSE(ini.WriteValue(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_FALSE(ini.ErrorString().isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(IniFileFixture, UnreadableFileIsNeverWrittenOver)
{
    // A folder where the file should be cannot be read as a file.
    const QString path = Path("folder.ini");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.ini")));
    TOrvIniFile ini(path, false);
    EXPECT_EQ(ini.ReadValue(QStringLiteral("S"), QStringLiteral("k")), std::nullopt);
    EXPECT_FALSE(ini.WriteValue(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(IniFileFixture, BufferedFileWritesOnDestruction)
{
    const QString path = Path("buffered.ini");
    WriteAll(path, "[S]\nkeep=1\n");
    {
        TOrvIniFile ini(path, true);
        ASSERT_TRUE(ini.WriteValue(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));
        EXPECT_EQ(ini.ReadValue(QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("v"));
        EXPECT_EQ(ReadAll(path), QByteArray("[S]\nkeep=1\n"));
    }
    EXPECT_EQ(ReadAll(path), QByteArray("[S]\nkeep=1\nk=v\n"));
}

} // namespace
} // namespace orv
