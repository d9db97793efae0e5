#pragma once

#include <QString>

namespace orv {

/// The operating system's version in the Windows numbering the controls test against;
/// other systems count as the current Windows generation (10.0).
void GetOSVersion(int& major, int& minor);
/// Version 5.1 and later.
bool IsWinXPOrLater();
/// Version 6 and later.
bool IsVistaOrLater();

/// Whether controls are drawn by a visual theme. Qt styles are themes, except the plain
/// "Windows" style, which draws the classic look. The program path, which on Windows looks
/// up a compatibility switch of that program, has no meaning elsewhere and is ignored.
bool IsThemeActive(const QString& programPath = QString());

/// The folder the installer of a version recorded in the registry under
/// "\Software\Orvworks\Orvkit<version>\Install" as "XMLDir" (2 to 5; any other version
/// reads "\Software\Orvworks\Orvkit\Install"), with a trailing separator; empty when
/// not recorded.
QString GetInstallDataDir(int version);

} // namespace orv
