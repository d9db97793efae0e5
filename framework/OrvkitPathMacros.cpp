#include <orvkit/framework/OrvkitPathMacros.h>

#include <orvkit/core/OrvkitExceptions.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#ifndef Q_OS_WIN
#include <pwd.h>
#include <unistd.h>
#endif

namespace orv {

namespace {

constexpr const char* kContext = "OrvkitPathMacros";
constexpr const char* kFolderNotFound = QT_TRANSLATE_NOOP("OrvkitPathMacros", "Folder Not Found!");
constexpr const char* kUnknownError = QT_TRANSLATE_NOOP("OrvkitPathMacros", "Unknown Error");

QString Text(const char* message)
{
    return QCoreApplication::translate(kContext, message);
}

QString Writable(QStandardPaths::StandardLocation location)
{
    return QStandardPaths::writableLocation(location);
}

/// The first folder of a location that is shared by every user (XDG_DATA_DIRS ...).
QString Shared(QStandardPaths::StandardLocation location)
{
    const QStringList all = QStandardPaths::standardLocations(location);
    const QString own = Writable(location);
    for (const QString& folder : all)
        if (folder != own)
            return folder;
    return QString();
}

/// The folder and the failure code of a lookup; the code is 0 on success.
QString LookUp(int folder, int32_t& code)
{
    code = 0;
    QString path;
    switch (folder) {
    case CSIDL_DESKTOPDIRECTORY: path = Writable(QStandardPaths::DesktopLocation); break;
    case CSIDL_PERSONAL: path = Writable(QStandardPaths::DocumentsLocation); break;
    case CSIDL_MYMUSIC: path = Writable(QStandardPaths::MusicLocation); break;
    case CSIDL_MYVIDEO: path = Writable(QStandardPaths::MoviesLocation); break;
    case CSIDL_FONTS: path = Writable(QStandardPaths::FontsLocation); break;
    case CSIDL_TEMPLATES: path = Writable(QStandardPaths::TemplatesLocation); break;
    case CSIDL_APPDATA: path = Writable(QStandardPaths::GenericDataLocation); break;
    case CSIDL_COMMON_APPDATA: path = Shared(QStandardPaths::GenericDataLocation); break;
    case CSIDL_MYPICTURES: path = Writable(QStandardPaths::PicturesLocation); break;
    case CSIDL_PROFILE: path = Writable(QStandardPaths::HomeLocation); break;
    // The desktop's one folder shared with other users stands for all four common folders.
    case CSIDL_COMMON_DOCUMENTS:
    case CSIDL_COMMON_MUSIC:
    case CSIDL_COMMON_PICTURES:
    case CSIDL_COMMON_VIDEO: path = Writable(QStandardPaths::PublicShareLocation); break;
    default: code = kFolderInvalidArg; return QString();
    }
    if (path.isEmpty())
        code = kFolderFailed;
    return path;
}

QString SystemMessage(int32_t code)
{
    return code == kFolderInvalidArg ? qt_error_string(EINVAL) : qt_error_string(int(code));
}

/// Strips every trailing separator, so the rest of the path brings its own.
QString FolderForMacro(const QString& folder)
{
    QString result = folder;
    while (!result.isEmpty() && (result.back() == u'/' || result.back() == u'\\'))
        result.chop(1);
    return result;
}

QString NativeSeparators(QString path)
{
#ifndef Q_OS_WIN
    path.replace(u'\\', u'/');
#endif
    return path;
}

} // namespace

QString GetLoginName()
{
#ifndef Q_OS_WIN
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
#endif
    for (const char* variable : {"USER", "LOGNAME", "USERNAME"})
        if (const QString name = qEnvironmentVariable(variable); !name.isEmpty())
            return name;
    return QString();
}

QString ExpandUserMacro(const QString& text)
{
    static const QString kMacro = QStringLiteral("%USER%");
    QString login = GetLoginName();
    if (login.isEmpty())
        login = QStringLiteral("orv");
    QString result = text;
    // Searching on after each replacement keeps a login name that itself reads
    // "%user%" from being expanded for ever.
    for (qsizetype at = result.indexOf(kMacro, 0, Qt::CaseInsensitive); at >= 0;
         at = result.indexOf(kMacro, at + login.size(), Qt::CaseInsensitive))
        result.replace(at, kMacro.size(), login);
    return result;
}

QString ExpandPathMacros(const QString& path)
{
    if (path.isEmpty())
        return QString();
    struct TMacro {
        const char* name;
        QString (*folder)();
    };
    static const TMacro kMacros[] = {
        {"%APPDIR%", [] { return QCoreApplication::applicationDirPath(); }},
        {"%APPDATADIR%", [] { return GetSpecialFolder(CSIDL_APPDATA, true); }},
        {"%ALLAPPDATADIR%", [] { return GetSpecialFolder(CSIDL_COMMON_APPDATA, true); }},
        {"%DOCDIR%", [] { return GetSpecialFolder(CSIDL_PERSONAL, true); }},
        {"%ALLDOCDIR%", [] { return GetSpecialFolder(CSIDL_COMMON_DOCUMENTS, true); }},
        {"%PICTUREDIR%", [] { return GetSpecialFolder(CSIDL_MYPICTURES, true); }},
        {"%ALLPICTUREDIR%", [] { return GetSpecialFolder(CSIDL_COMMON_PICTURES, true); }},
        {"%MUSICDIR%", [] { return GetSpecialFolder(CSIDL_MYMUSIC, true); }},
        {"%ALLMUSICDIR%", [] { return GetSpecialFolder(CSIDL_COMMON_MUSIC, true); }},
        {"%VIDEODIR%", [] { return GetSpecialFolder(CSIDL_MYVIDEO, true); }},
        {"%ALLVIDEODIR%", [] { return GetSpecialFolder(CSIDL_COMMON_VIDEO, true); }},
        {"%TEMPDIR%", [] { return GetTempDir(); }},
        {"%WINDIR%", [] { return GetWindowsDir(); }},
        {"%SYSDIR%", [] { return GetSystemDir(); }},
    };
    QString result = path;
    if (path.startsWith(u'%')) {
        for (const TMacro& macro : kMacros) {
            const QLatin1StringView name(macro.name);
            if (path.startsWith(name, Qt::CaseInsensitive)) {
                result = FolderForMacro(macro.folder()) + path.mid(name.size());
                break;
            }
        }
    }
    return NativeSeparators(ExpandUserMacro(result));
}

QString GetSpecialFolder(int folder, bool quiet)
{
    int32_t code = 0;
    const QString path = LookUp(folder, code);
    if (code == 0 || quiet)
        return code == 0 ? path : QString();
    throw Exception(SpecialFolderErrorText(code));
}

QString SpecialFolderErrorText(int32_t code)
{
    if (code == kFolderFailed || code == 1)
        return Text(kFolderNotFound);
    return Text(kUnknownError) + u' ' + QString::number(code) + QStringLiteral(" : ") + SystemMessage(code);
}

QString AddBackSlash(const QString& path)
{
    if (path.endsWith(u'/') || path.endsWith(u'\\'))
        return path;
    return path + QDir::separator();
}

QString RemoveBackSlash(const QString& path)
{
    if (path.endsWith(u'/') || path.endsWith(u'\\'))
        return path.left(path.size() - 1);
    return path;
}

bool FolderExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

QString GetSystemDir()
{
#ifdef Q_OS_WIN
    return qEnvironmentVariable("SystemRoot") + QStringLiteral("\\System32");
#else
    return QStringLiteral("/usr/lib");
#endif
}

QString GetWindowsDir()
{
#ifdef Q_OS_WIN
    return qEnvironmentVariable("SystemRoot");
#else
    return QStringLiteral("/etc");
#endif
}

QString GetTempDir()
{
    return QDir::tempPath();
}

} // namespace orv
