#include <orvkit/framework/OrvkitCustomColors.h>
#include <orvkit/framework/OrvkitColors.h>
#include <orvkit/framework/OrvkitPathMacros.h>
#include <orvkit/framework/OrvkitRegistry.h>
#include <orvkit/framework/OrvkitStoreCtrl.h>
#include <orvkit/framework/OrvkitSystem.h>

#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/datetime/OrvkitDateTime.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "framework/TestFiles.h"
#include <limits>
#include <memory>

namespace orv {
namespace {

using test::ReadAll;
using test::WriteAll;

/// Keeps every store of a test inside a temporary folder, the registry stand-in included.
class StoreFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath(QStringLiteral("registry")));
    }
    void TearDown() override { QStandardPaths::setTestModeEnabled(false); }

    std::unique_ptr<TOrvStoreCtrl> MakeStore(TOrvRegIniType type, const QString& iniName = QStringLiteral("orvkit.ini"))
    {
        auto store = std::make_unique<TOrvStoreCtrl>();
        store->SetRegIniType(type);
        store->SetIniFile(dir.filePath(iniName));
        store->SetRegPath(QStringLiteral("\\Software\\Orvworks\\Test"));
        return store;
    }
    QString IniPath() const { return dir.filePath(QStringLiteral("orvkit.ini")); }

    QTemporaryDir dir;
};

constexpr TDateTime kDate = 45000.0; // 15 March 2023
constexpr TDateTime kTime = (10 * 3600 + 30 * 60 + 45) / 86400.0;

class StoreRoundTrip : public StoreFixture, public ::testing::WithParamInterface<TOrvRegIniType> {};

TEST_P(StoreRoundTrip, EveryValueTypeReadsBackAsWritten)
{
    const QStringList colours = {QStringLiteral("ColorA=FFFFFF"), QStringLiteral("ColorB=F0FBFF"),
                                 QStringLiteral("ColorC=123456")};
    const QString strings[] = {QStringLiteral("plain"), QStringLiteral("  padded  "), QStringLiteral("\"quoted\""),
                               QStringLiteral("a=b; c"), QStringLiteral("\u20ac \u00e9\u00e8")};
    const int32_t integers[] = {0, -1, 42, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};
    {
        auto store = MakeStore(GetParam());
        // The switches of the number routines must not leak into stored text.
        const TOrvScopedValue blank(GlobalBlankWhenZero, true);
        const TOrvScopedValue sign(GlobalShowPosSign, true);
        const TOrvScopedValue decimal(FormatSettings.DecimalSeparator, QChar(u','));
        const TOrvScopedValue thousand(FormatSettings.ThousandSeparator, QChar(u'.'));
        for (int i = 0; i < int(std::size(strings)); ++i)
            ASSERT_TRUE(store->WriteString(QStringLiteral("String %1").arg(i), strings[i]));
        for (int i = 0; i < int(std::size(integers)); ++i)
            ASSERT_TRUE(store->WriteInteger(QStringLiteral("Integer %1").arg(i), integers[i]));
        ASSERT_TRUE(store->WriteBoolean(QStringLiteral("Yes"), true));
        ASSERT_TRUE(store->WriteBool(QStringLiteral("No"), false));
        ASSERT_TRUE(store->WriteFloat(QStringLiteral("Float"), 4, -1234.5678L));
        ASSERT_TRUE(store->WriteFloat(QStringLiteral("Zero"), 2, 0.0L));
        ASSERT_TRUE(store->WriteColor(QStringLiteral("Colour"), clWindow));
        ASSERT_TRUE(store->WriteDate(QStringLiteral("Date"), kDate));
        ASSERT_TRUE(store->WriteDate(QStringLiteral("ISO Date"), QStringLiteral("yyyy-mm-dd"), kDate));
        ASSERT_TRUE(store->WriteDate(QStringLiteral("Zero Date"), 0.0));
        ASSERT_TRUE(store->WriteTime(QStringLiteral("Time"), kTime));
        ASSERT_TRUE(store->WriteTime(QStringLiteral("Short Time"), QStringLiteral("hh:nn"), kTime));
        CustomColors = colours;
        ASSERT_TRUE(store->WriteCustomColors());
        ASSERT_TRUE(store->WriteString(QStringLiteral("Gone"), QStringLiteral("x")));
        ASSERT_TRUE(store->DeleteKey(QStringLiteral("Gone")));
    }
    // A fresh control sees what the first one stored (a buffered file is on disk by now).
    auto store = MakeStore(GetParam());
    for (int i = 0; i < int(std::size(strings)); ++i)
        EXPECT_EQ(store->ReadString(QStringLiteral("String %1").arg(i), QString()), strings[i]) << i;
    for (int i = 0; i < int(std::size(integers)); ++i)
        EXPECT_EQ(store->ReadInteger(QStringLiteral("Integer %1").arg(i), 7), integers[i]) << i;
    EXPECT_TRUE(store->ReadBoolean(QStringLiteral("Yes"), false));
    EXPECT_FALSE(store->ReadBool(QStringLiteral("No"), true));
    EXPECT_EQ(store->ReadFloat(QStringLiteral("Float"), 0), -1234.5678L);
    EXPECT_EQ(store->ReadFloat(QStringLiteral("Zero"), 9), 0.0L);
    EXPECT_EQ(store->ReadColor(QStringLiteral("Colour"), clNone), clWindow);
    EXPECT_EQ(store->ReadDate(QStringLiteral("Date"), 1.0), kDate);
    EXPECT_EQ(store->ReadDate(QStringLiteral("ISO Date"), QStringLiteral("yyyy-mm-dd"), 1.0), kDate);
    EXPECT_EQ(store->ReadString(QStringLiteral("ISO Date"), QString()), QStringLiteral("2023-03-15"));
    EXPECT_EQ(store->ReadDate(QStringLiteral("Zero Date"), 1.0), 0.0);
    EXPECT_NEAR(store->ReadTime(QStringLiteral("Time"), 0.0), kTime, 1e-9);
    EXPECT_NEAR(store->ReadTime(QStringLiteral("Short Time"), 0.0), (10 * 60 + 30) / 1440.0, 1e-9);
    EXPECT_EQ(store->ReadDate(QStringLiteral("Missing"), 3.0), 3.0);
    EXPECT_EQ(store->ReadTime(QStringLiteral("Missing"), 0.25), 0.25);
    CustomColors.clear();
    store->ReadCustomColors();
    EXPECT_EQ(CustomColors, colours);
    EXPECT_EQ(store->ReadString(QStringLiteral("Gone"), QStringLiteral("default")), QStringLiteral("default"));
    EXPECT_EQ(store->ReadInteger(QStringLiteral("Missing"), 7), 7);
    EXPECT_TRUE(store->ReadBoolean(QStringLiteral("Missing"), true));
    EXPECT_EQ(store->ReadFloat(QStringLiteral("Missing"), 2.5L), 2.5L);
}

std::string StoreName(const ::testing::TestParamInfo<TOrvRegIniType>& info)
{
    static const char* const kNames[] = {"Neither", "Registry", "IniFile", "BufferedIniFile"};
    return kNames[info.param];
}

INSTANTIATE_TEST_SUITE_P(AllStores, StoreRoundTrip, ::testing::Values(eriIniFile, eriBufferedIniFile, eriRegistry),
                         StoreName);

TEST_F(StoreFixture, RegistryStandInStaysInTheTestFolder)
{
    auto store = MakeStore(eriRegistry);
    ASSERT_TRUE(store->WriteString(QStringLiteral("Key"), QStringLiteral("v")));
    store.reset();
    const QByteArray conf = ReadAll(dir.filePath(QStringLiteral("registry/Orvworks.conf")));
    EXPECT_TRUE(conf.contains("Test")) << conf.constData();
}

const QByteArray kHandWritten =
    "; written by hand\r\n"
    "[Defaults]\r\n"
    "Enter As Tab = 1\r\n"
    "ESC As Undo=0\r\n"
    "  Border Color =0x00FF00\r\n"
    "RW Color=0xFF000005\r\n"
    "Hex Too Long=0x1FF000005\r\n"
    "Just Prefix=0x\r\n"
    "Bad Hex=0xZZ\r\n"
    "Trailing=12a\r\n"
    "Huge=99999999999\r\n"
    "Spaced=   42   \r\n"
    "Negative=-17\r\n"
    "Comma Float=1,5\r\n"
    "Dot Float=2.25\r\n"
    "Word Float=abc\r\n"
    "Flat=true\r\n"
    "HotTracking=no\r\n"
    "Bool Word=maybe\r\n"
    "Bad Date=31/02/2024\r\n"
    "Word Date=someday\r\n"
    "Good Date=15/03/2023\r\n"
    "Bad Time=25:99:99x\r\n"
    "\r\n"
    "[Other]\r\n"
    "Enter As Tab=0\r\n";

TEST_F(StoreFixture, HandWrittenIniReadsAsMeant)
{
    WriteAll(IniPath(), kHandWritten);
    auto store = MakeStore(eriIniFile);
    struct IntCase {
        const char* key;
        int32_t expected;
    } ints[] = {
        {"Border Color", 0x00FF00}, {"RW Color", clWindow}, {"Hex Too Long", -5}, {"Just Prefix", -5},
        {"Bad Hex", -5},            {"Trailing", -5},       {"Huge", -5},         {"Spaced", 42},
        {"Negative", -17},          {"border color", 0x00FF00},
    };
    for (const IntCase& c : ints)
        EXPECT_EQ(store->ReadInteger(QString::fromLatin1(c.key), -5), c.expected) << c.key;
    struct BoolCase {
        const char* key;
        bool defaultValue;
        bool expected;
    } bools[] = {
        {"Enter As Tab", false, true}, {"ESC As Undo", true, false}, {"Flat", false, true},
        {"HotTracking", true, false},  {"Bool Word", true, true},    {"Bool Word", false, false},
    };
    for (const BoolCase& c : bools)
        EXPECT_EQ(store->ReadBoolean(QString::fromLatin1(c.key), c.defaultValue), c.expected) << c.key;
    EXPECT_EQ(store->ReadFloat(QStringLiteral("Comma Float"), 0), 1.5L);
    EXPECT_EQ(store->ReadFloat(QStringLiteral("Dot Float"), 0), 2.25L);
    EXPECT_EQ(store->ReadFloat(QStringLiteral("Word Float"), 9.5L), 9.5L);
    // Unreadable dates and times give the default even while date errors are set to raise.
    const TOrvScopedValue raise(GlobalRaiseDateErrors, true);
    EXPECT_EQ(store->ReadDate(QStringLiteral("Bad Date"), 7.0), 7.0);
    EXPECT_EQ(store->ReadDate(QStringLiteral("Word Date"), 7.0), 7.0);
    EXPECT_EQ(store->ReadDate(QStringLiteral("Good Date"), 7.0), kDate);
    EXPECT_EQ(store->ReadTime(QStringLiteral("Bad Time"), 0.5), 0.5);
    store->SetIniSection(QStringLiteral("Other"));
    EXPECT_FALSE(store->ReadBoolean(QStringLiteral("Enter As Tab"), true));
}

TEST_F(StoreFixture, WritingOneKeyKeepsTheRestOfTheFile)
{
    WriteAll(IniPath(), kHandWritten);
    auto store = MakeStore(eriIniFile);
    ASSERT_TRUE(store->WriteBoolean(QStringLiteral("esc as undo"), true));
    ASSERT_TRUE(store->WriteInteger(QStringLiteral("New Key"), 5));
    QByteArray expected = kHandWritten;
    expected.replace("ESC As Undo=0", "ESC As Undo=1");
    expected.replace("Bad Time=25:99:99x\r\n", "Bad Time=25:99:99x\r\nNew Key=5\r\n");
    EXPECT_EQ(ReadAll(IniPath()), expected);
}

TEST_F(StoreFixture, DateThatCannotBeFormattedWritesNothing)
{
    auto store = MakeStore(eriIniFile);
    const TOrvScopedValue raise(GlobalRaiseDateErrors, true);
    EXPECT_FALSE(store->WriteDate(QStringLiteral("Far"), 1.0e9));
    EXPECT_FALSE(store->WriteTime(QStringLiteral("Far"), QStringLiteral("hh:nn"), -1.0e9));
    EXPECT_EQ(store->ReadString(QStringLiteral("Far"), QStringLiteral("none")), QStringLiteral("none"));
}

TEST_F(StoreFixture, NeitherStoresNothingAndReadsDefaults)
{
    auto store = MakeStore(eriNeither);
    EXPECT_FALSE(store->WriteString(QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_FALSE(store->WriteBoolean(QStringLiteral("b"), true));
    EXPECT_FALSE(store->ReadBoolean(QStringLiteral("b"), true));
    EXPECT_EQ(store->ReadString(QStringLiteral("k"), QStringLiteral("default")), QString());
    EXPECT_EQ(store->ReadInteger(QStringLiteral("i"), 7), 7);
    EXPECT_EQ(store->ReadFloat(QStringLiteral("f"), 1.25L), 1.25L);
    EXPECT_FALSE(store->Opened());
    EXPECT_FALSE(QFile::exists(IniPath()));
}

TEST_F(StoreFixture, MissingNamesLeaveTheStorageClosed)
{
    auto ini = MakeStore(eriIniFile);
    ini->SetIniSection(QString());
    EXPECT_FALSE(ini->WriteString(QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_FALSE(ini->ReadBoolean(QStringLiteral("k"), true));
    EXPECT_FALSE(ini->Opened());
    auto reg = MakeStore(eriRegistry);
    reg->SetRegPath(QString());
    EXPECT_EQ(reg->ReadInteger(QStringLiteral("k"), 3), 3);
    EXPECT_FALSE(reg->Opened());
}

TEST_F(StoreFixture, IniFolderIsCreatedOneLevelOnly)
{
    auto store = MakeStore(eriIniFile, QStringLiteral("new/orvkit.ini"));
    ASSERT_TRUE(store->WriteString(QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("new/orvkit.ini"))));

    auto deep = MakeStore(eriIniFile, QStringLiteral("a/b/orvkit.ini"));
    EXPECT_FALSE(deep->WriteString(QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("a"))).exists());
}

TEST_F(StoreFixture, BufferedFileIsWrittenOnDestruction)
{
    auto store = MakeStore(eriBufferedIniFile);
    ASSERT_TRUE(store->WriteInteger(QStringLiteral("k"), 12));
    store->CloseStorage(); // a buffered file stays open across a close
    EXPECT_EQ(store->ReadInteger(QStringLiteral("k"), 0), 12);
    EXPECT_FALSE(QFile::exists(IniPath()));
    store.reset();
    EXPECT_EQ(ReadAll(IniPath()), QByteArray("[Defaults]\nk=12\n"));
}

TEST_F(StoreFixture, BufferedFileOfAnotherPathIsWrittenBeforeSwitching)
{
    auto store = MakeStore(eriBufferedIniFile);
    ASSERT_TRUE(store->WriteInteger(QStringLiteral("k"), 1));
    store->SetIniFile(dir.filePath(QStringLiteral("second.ini")));
    ASSERT_TRUE(store->WriteInteger(QStringLiteral("k"), 2));
    EXPECT_EQ(ReadAll(IniPath()), QByteArray("[Defaults]\nk=1\n"));
    store.reset();
    EXPECT_EQ(ReadAll(dir.filePath(QStringLiteral("second.ini"))), QByteArray("[Defaults]\nk=2\n"));
}

TEST_F(StoreFixture, SectionsExpandTheUserMacroAndFollowTheirSetters)
{
    auto store = MakeStore(eriIniFile);
    store->SetIniSection(QStringLiteral("Prefs %USER%"));
    ASSERT_TRUE(store->WriteString(QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_EQ(store->Section(), QStringLiteral("Prefs ") + GetLoginName());
    store->SetIniSection(QStringLiteral("Defaults"));
    EXPECT_EQ(store->Section(), QStringLiteral("Defaults"));
    EXPECT_EQ(store->ReadString(QStringLiteral("k"), QStringLiteral("none")), QStringLiteral("none"));
    // The registry section is not the INI type's concern.
    store->SetRegSection(QStringLiteral("Elsewhere"));
    EXPECT_EQ(store->Section(), QStringLiteral("Defaults"));
    EXPECT_EQ(store->ExpandRegPath(), QStringLiteral("\\Software\\Orvworks\\Test"));
}

TEST_F(StoreFixture, ChangingTheKindSwitchesTheStorage)
{
    auto store = MakeStore(eriIniFile);
    ASSERT_TRUE(store->WriteString(QStringLiteral("k"), QStringLiteral("ini")));
    store->SetRegIniType(eriRegistry);
    EXPECT_EQ(store->ReadString(QStringLiteral("k"), QStringLiteral("none")), QStringLiteral("none"));
    ASSERT_TRUE(store->WriteString(QStringLiteral("k"), QStringLiteral("reg")));
    store->SetRegIniType(eriIniFile);
    EXPECT_EQ(store->ReadString(QStringLiteral("k"), QString()), QStringLiteral("ini"));
}

TEST_F(StoreFixture, DefaultPathsAndProperties)
{
    TOrvStoreCtrl store;
    EXPECT_EQ(store.RegIniType(), eriNeither);
    EXPECT_EQ(store.RegPath(), QStringLiteral("\\Software\\Orvworks"));
    EXPECT_EQ(store.RegSection(), QStringLiteral("Defaults"));
    EXPECT_EQ(store.IniFile(), QStringLiteral("%AppDir%\\orvkit.ini"));
    EXPECT_EQ(store.IniSection(), QStringLiteral("Defaults"));
    EXPECT_EQ(store.ExpandIniFile(), QCoreApplication::applicationDirPath() + QStringLiteral("/orvkit.ini"));
    EXPECT_EQ(store.property("Version").toString(), QStringLiteral("6.15.1"));
    EXPECT_TRUE(store.setProperty("RegIniType", QVariant::fromValue(eriIniFile)));
    EXPECT_EQ(store.RegIniType(), eriIniFile);
    EXPECT_TRUE(store.setProperty("IniSection", QStringLiteral("Mine")));
    EXPECT_EQ(store.IniSection(), QStringLiteral("Mine"));
}

TEST_F(StoreFixture, CustomColoursKeepAtMostSixteen)
{
    auto store = MakeStore(eriIniFile);
    CustomColors.clear();
    for (int i = 0; i < 20; ++i)
        CustomColors << QStringLiteral("Color%1=%2").arg(QChar(u'A' + i)).arg(i);
    ASSERT_TRUE(store->WriteCustomColors());
    ASSERT_TRUE(store->WriteString(QStringLiteral("CustomColour 3"), QString())); // an empty entry is skipped
    store->ReadCustomColors();
    ASSERT_EQ(CustomColors.size(), 15);
    EXPECT_EQ(CustomColors.front(), QStringLiteral("ColorA=0"));
    EXPECT_EQ(CustomColors.back(), QStringLiteral("ColorP=15"));
    EXPECT_EQ(store->ReadString(QStringLiteral("CustomColour 16"), QStringLiteral("none")), QStringLiteral("none"));
    CustomColors.clear();
}

struct TFakeClient : IOrvStoreClient {
    int loads = 0, saves = 0;
    void LoadFromStore() override { ++loads; }
    void SaveToStore() override { ++saves; }
};

TEST_F(StoreFixture, NotifyListReachesEveryClientOnce)
{
    TOrvStoreCtrl store;
    TFakeClient a, b;
    store.AddToNotifyList(&a);
    store.AddToNotifyList(&a);
    store.AddToNotifyList(&b);
    store.AddToNotifyList(nullptr);
    store.LoadFromStore();
    store.RemoveFromNotifyList(&b);
    store.SaveToStore();
    EXPECT_EQ(a.loads, 1);
    EXPECT_EQ(a.saves, 1);
    EXPECT_EQ(b.loads, 1);
    EXPECT_EQ(b.saves, 0);
}

TEST_F(StoreFixture, InstallDataDirComesFromTheInstallKey)
{
    {
        TOrvRegistry key(QStringLiteral("\\Software\\Orvworks\\Orvkit2"));
        ASSERT_TRUE(key.WriteValue(QStringLiteral("Install"), QStringLiteral("XMLDir"), QStringLiteral("/opt/orvkit/xml")));
        TOrvRegistry other(QStringLiteral("\\Software\\Orvworks\\Orvkit"));
        ASSERT_TRUE(other.WriteValue(QStringLiteral("Install"), QStringLiteral("XMLDir"), QStringLiteral("/srv/xml/")));
    }
    EXPECT_EQ(GetInstallDataDir(2), QStringLiteral("/opt/orvkit/xml/"));
    EXPECT_EQ(GetInstallDataDir(3), QString());
    EXPECT_EQ(GetInstallDataDir(6), QStringLiteral("/srv/xml/"));
    EXPECT_EQ(GetInstallDataDir(-1), QStringLiteral("/srv/xml/"));
}

} // namespace
} // namespace orv
