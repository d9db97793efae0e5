#include <orvkit/framework/OrvkitSystem.h>

#include <orvkit/framework/OrvkitPathMacros.h>
#include <orvkit/framework/OrvkitRegistry.h>

#include <QApplication>
#include <QOperatingSystemVersion>
#include <QStyle>

namespace orv {

void GetOSVersion(int& major, int& minor)
{
#ifdef Q_OS_WIN
    const QOperatingSystemVersion v = QOperatingSystemVersion::current();
    major = v.majorVersion();
    minor = v.minorVersion();
#else
    major = 10;
    minor = 0;
#endif
}

bool IsWinXPOrLater()
{
    int major = 0, minor = 0;
    GetOSVersion(major, minor);
    return (major > 4 && minor > 0) || major > 5;
}

bool IsVistaOrLater()
{
    int major = 0, minor = 0;
    GetOSVersion(major, minor);
    return major >= 6;
}

bool IsThemeActive(const QString& programPath)
{
    Q_UNUSED(programPath);
    if (!IsWinXPOrLater())
        return false;
    const QStyle* style = qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::style() : nullptr;
    return style && style->name().compare(QStringLiteral("windows"), Qt::CaseInsensitive) != 0;
}

QString GetInstallDataDir(int version)
{
    const QString product = (version >= 2 && version <= 5) ? QStringLiteral("Orvkit%1").arg(version)
                                                           : QStringLiteral("Orvkit");
    TOrvRegistry registry(QStringLiteral("\\Software\\Orvworks\\") + product);
    const QString folder = registry.ReadValue(QStringLiteral("Install"), QStringLiteral("XMLDir")).value_or(QString());
    return folder.isEmpty() ? folder : AddBackSlash(folder);
}

} // namespace orv
