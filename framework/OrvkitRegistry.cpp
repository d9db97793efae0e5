#include <orvkit/framework/OrvkitRegistry.h>

#include <QSettings>
#include <QStringList>

namespace orv {

namespace {

QString GroupPath(const QString& keyPath)
{
    QString path = keyPath;
    path.replace(u'\\', u'/');
    return path.split(u'/', Qt::SkipEmptyParts).join(u'/');
}

} // namespace

TOrvRegistry::TOrvRegistry(const QString& keyPath)
{
#ifdef Q_OS_WIN
    fSettings = std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\") + GroupPath(keyPath).replace(u'/', u'\\'),
                                            QSettings::NativeFormat);
#else
    fSettings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orvworks"));
    fGroup = GroupPath(keyPath);
#endif
}

TOrvRegistry::~TOrvRegistry() = default;

QString TOrvRegistry::ValuePath(const QString& section, const QString& ident) const
{
    QStringList parts;
    if (!fGroup.isEmpty())
        parts << fGroup;
    if (const QString sub = GroupPath(section); !sub.isEmpty())
        parts << sub;
    parts << ident;
    return parts.join(u'/');
}

bool TOrvRegistry::Sync()
{
    fSettings->sync();
    return fSettings->status() == QSettings::NoError;
}

std::optional<QString> TOrvRegistry::ReadValue(const QString& section, const QString& ident)
{
    const QString path = ValuePath(section, ident);
    if (ident.isEmpty() || !fSettings->contains(path))
        return std::nullopt;
    return fSettings->value(path).toString();
}

bool TOrvRegistry::WriteValue(const QString& section, const QString& ident, const QString& value)
{
    if (ident.isEmpty())
        return false;
    fSettings->setValue(ValuePath(section, ident), value);
    return Sync();
}

bool TOrvRegistry::DeleteValue(const QString& section, const QString& ident)
{
    if (ident.isEmpty())
        return false;
    fSettings->remove(ValuePath(section, ident));
    return Sync();
}

} // namespace orv
