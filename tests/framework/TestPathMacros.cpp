#include <orvkit/framework/OrvkitPathMacros.h>
#include <orvkit/framework/OrvkitSystem.h>

#include <orvkit/core/OrvkitExceptions.h>

#include <QApplication>
#include <QStyle>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace orv {
namespace {

QString Folder(QStandardPaths::StandardLocation location)
{
    return QStandardPaths::writableLocation(location);
}

TEST(ExpandPathMacros, EveryMacroExpandsToItsFolder)
{
    const QString shared = Folder(QStandardPaths::PublicShareLocation);
    QString allAppData;
    for (const QString& f : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        if (f != Folder(QStandardPaths::GenericDataLocation) && allAppData.isEmpty())
            allAppData = f;
    struct Case {
        const char* macro;
        QString folder;
    } cases[] = {
        {"%APPDIR%", QCoreApplication::applicationDirPath()},
        {"%APPDATADIR%", Folder(QStandardPaths::GenericDataLocation)},
        {"%ALLAPPDATADIR%", allAppData},
        {"%DOCDIR%", Folder(QStandardPaths::DocumentsLocation)},
        {"%ALLDOCDIR%", shared},
        {"%PICTUREDIR%", Folder(QStandardPaths::PicturesLocation)},
        {"%ALLPICTUREDIR%", shared},
        {"%MUSICDIR%", Folder(QStandardPaths::MusicLocation)},
        {"%ALLMUSICDIR%", shared},
        {"%VideoDIR%", Folder(QStandardPaths::MoviesLocation)},
        {"%ALLVideoDIR%", shared},
        {"%TEMPDIR%", GetTempDir()},
        {"%WINDIR%", GetWindowsDir()},
        {"%SYSDIR%", GetSystemDir()},
    };
    for (const Case& c : cases) {
        const QString macro = QString::fromLatin1(c.macro);
        EXPECT_EQ(ExpandPathMacros(macro + QStringLiteral("\\f.ini")), c.folder + QStringLiteral("/f.ini")) << c.macro;
        // Letter case does not matter.
        EXPECT_EQ(ExpandPathMacros(macro.toLower() + QStringLiteral("\\f.ini")), c.folder + QStringLiteral("/f.ini"))
            << c.macro;
    }
}

TEST(ExpandPathMacros, AppDirBackslashFileHasOneSeparator)
{
    const QString result = ExpandPathMacros(QStringLiteral("%APPDIR%\\orvkit.ini"));
    EXPECT_EQ(result, QCoreApplication::applicationDirPath() + QStringLiteral("/orvkit.ini"));
    EXPECT_FALSE(result.contains(QStringLiteral("//")));
}

TEST(ExpandPathMacros, PathsWithoutALeadingMacroStayAsTheyAre)
{
    struct Case {
        const char* path;
        const char* expected;
    } cases[] = {
        {"", ""},
        {"/data/orvkit.ini", "/data/orvkit.ini"},
        {"%NOSUCH%\\x.ini", "%NOSUCH%/x.ini"},
        {"x%APPDIR%", "x%APPDIR%"},
        {"%", "%"},
        {"%APPDI", "%APPDI"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExpandPathMacros(QString::fromLatin1(c.path)), QString::fromLatin1(c.expected)) << c.path;
}

TEST(ExpandPathMacros, UserMacroAtTheStartIsReplacedByTheLoginName)
{
    const QString login = GetLoginName();
    ASSERT_FALSE(login.isEmpty());
    EXPECT_EQ(ExpandPathMacros(QStringLiteral("%USER%\\x.ini")), login + QStringLiteral("/x.ini"));
    EXPECT_EQ(ExpandPathMacros(QStringLiteral("%TEMPDIR%\\%user%.ini")), GetTempDir() + u'/' + login + QStringLiteral(".ini"));
}

TEST(ExpandUserMacro, EveryOccurrenceInAnyCaseIsReplaced)
{
    const QString login = GetLoginName();
    EXPECT_EQ(ExpandUserMacro(QStringLiteral("a%USER%b%uSeR%c")), u'a' + login + u'b' + login + u'c');
    EXPECT_EQ(ExpandUserMacro(QStringLiteral("no macro")), QStringLiteral("no macro"));
    EXPECT_EQ(ExpandUserMacro(QStringLiteral("%USER")), QStringLiteral("%USER"));
}

TEST(GetSpecialFolder, KnownFolderAndFailures)
{
    EXPECT_EQ(GetSpecialFolder(CSIDL_PERSONAL, false), Folder(QStandardPaths::DocumentsLocation));
    EXPECT_EQ(GetSpecialFolder(9999, true), QString());
    try {
        GetSpecialFolder(9999, false);
        FAIL() << "no error raised";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Unknown Error -2147024809 : "))) << e.what();
        EXPECT_GT(e.Message().size(), 28);
    }
}

TEST(GetSpecialFolder, ErrorTexts)
{
    EXPECT_EQ(SpecialFolderErrorText(kFolderFailed), QStringLiteral("Folder Not Found!"));
    EXPECT_EQ(SpecialFolderErrorText(1), QStringLiteral("Folder Not Found!"));
    EXPECT_EQ(SpecialFolderErrorText(2), QStringLiteral("Unknown Error 2 : ") + qt_error_string(2));
}

TEST(PathHelpers, TrailingSeparators)
{
    EXPECT_EQ(AddBackSlash(QStringLiteral("/a")), QStringLiteral("/a/"));
    EXPECT_EQ(AddBackSlash(QStringLiteral("/a/")), QStringLiteral("/a/"));
    EXPECT_EQ(AddBackSlash(QStringLiteral("c:\\a\\")), QStringLiteral("c:\\a\\"));
    EXPECT_EQ(RemoveBackSlash(QStringLiteral("/a//")), QStringLiteral("/a/"));
    EXPECT_EQ(RemoveBackSlash(QStringLiteral("c:\\a\\")), QStringLiteral("c:\\a"));
    EXPECT_EQ(RemoveBackSlash(QString()), QString());
    EXPECT_TRUE(FolderExists(GetTempDir()));
    EXPECT_FALSE(FolderExists(GetTempDir() + QStringLiteral("/orvkit-no-such-folder")));
    EXPECT_FALSE(FolderExists(QString()));
}

TEST(SystemTests, LinuxAnswers)
{
    EXPECT_TRUE(IsWinXPOrLater());
    EXPECT_TRUE(IsVistaOrLater());
    EXPECT_TRUE(IsThemeActive());
    EXPECT_TRUE(IsThemeActive(QStringLiteral("/usr/bin/app")));
    const QString before = QApplication::style()->name();
    QApplication::setStyle(QStringLiteral("Windows"));
    EXPECT_FALSE(IsThemeActive());
    QApplication::setStyle(before);
    EXPECT_TRUE(IsThemeActive());
}

} // namespace
} // namespace orv
