#pragma once

#include <orvkit/framework/OrvkitValueStore.h>

#include <QString>
#include <memory>

class QSettings;

namespace orv {

/// A key below the current user's registry root, its sub-keys taken as sections. On Windows
/// that is the registry itself; elsewhere QSettings' native store of the organisation
/// "Orvworks" stands in for it, the key path becoming nested groups ("\Software\Orvworks"
/// is the group "Software/Orvworks"). Value names must not contain "/" or "\".
class TOrvRegistry : public IOrvValueStore {
public:
    explicit TOrvRegistry(const QString& keyPath);
    ~TOrvRegistry() override;
    TOrvRegistry(const TOrvRegistry&) = delete;
    TOrvRegistry& operator=(const TOrvRegistry&) = delete;

    /// The sections of the key ("" is the key itself) are its sub-keys.
    std::optional<QString> ReadValue(const QString& section, const QString& ident) override;
    bool WriteValue(const QString& section, const QString& ident, const QString& value) override;
    bool DeleteValue(const QString& section, const QString& ident) override;

private:
    QString ValuePath(const QString& section, const QString& ident) const;
    bool Sync();

    std::unique_ptr<QSettings> fSettings;
    QString fGroup;
};

} // namespace orv
