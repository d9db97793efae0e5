#pragma once

#include <QString>
#include <cstdint>

namespace orv {

// Shell folder identifiers of the folders the path macros name.
inline constexpr int CSIDL_DESKTOPDIRECTORY = 0x10;
inline constexpr int CSIDL_PERSONAL = 0x05; ///< documents
inline constexpr int CSIDL_MYMUSIC = 0x0D;
inline constexpr int CSIDL_MYVIDEO = 0x0E;
inline constexpr int CSIDL_FONTS = 0x14;
inline constexpr int CSIDL_TEMPLATES = 0x15;
inline constexpr int CSIDL_APPDATA = 0x1A;
inline constexpr int CSIDL_COMMON_APPDATA = 0x23;
inline constexpr int CSIDL_MYPICTURES = 0x27;
inline constexpr int CSIDL_PROFILE = 0x28;
inline constexpr int CSIDL_COMMON_DOCUMENTS = 0x2E;
inline constexpr int CSIDL_COMMON_MUSIC = 0x35;
inline constexpr int CSIDL_COMMON_PICTURES = 0x36;
inline constexpr int CSIDL_COMMON_VIDEO = 0x37;

// Failure codes of a folder lookup.
inline constexpr int32_t kFolderFailed = static_cast<int32_t>(0x80004005u);     ///< E_FAIL
inline constexpr int32_t kFolderInvalidArg = static_cast<int32_t>(0x80070057u); ///< E_INVALIDARG

/// The text with every "%USER%" (any letter case) replaced by the login name, or by "orv"
/// when the login name is unknown.
QString ExpandUserMacro(const QString& text);

/// The path with a leading folder macro ("%APPDIR%", "%DOCDIR%", ...; any letter case)
/// replaced by its folder, then ExpandUserMacro. A folder that cannot be found is empty.
/// Backslashes become the platform's separator, so a path written the Windows way opens
/// on any system.
QString ExpandPathMacros(const QString& path);

/// The folder of a shell folder identifier. On failure: empty when `quiet`, else raises
/// "Folder Not Found!" or "Unknown Error <code> : <message>".
QString GetSpecialFolder(int folder, bool quiet);
/// The message of a failed folder lookup: "Folder Not Found!" for E_FAIL and 1, else
/// "Unknown Error", the code in decimal, " : " and the system's message for it.
QString SpecialFolderErrorText(int32_t code);

/// The path with one trailing separator (the platform's), added when missing.
QString AddBackSlash(const QString& path);
/// The path without one trailing separator ("\" or "/").
QString RemoveBackSlash(const QString& path);
bool FolderExists(const QString& path);

/// The folders the "%SYSDIR%", "%WINDIR%" and "%TEMPDIR%" macros name.
QString GetSystemDir();
QString GetWindowsDir();
QString GetTempDir();
/// The operating system's name of the user; empty when it cannot be found.
QString GetLoginName();

} // namespace orv
