#pragma once

#include <QString>
#include <optional>

namespace orv {

/// A store of text values by section and name: an INI file or the registry stand-in.
class IOrvValueStore {
public:
    virtual ~IOrvValueStore() = default;
    /// The value, or nothing when the section has no such name.
    virtual std::optional<QString> ReadValue(const QString& section, const QString& ident) = 0;
    /// False when the value could not be stored.
    virtual bool WriteValue(const QString& section, const QString& ident, const QString& value) = 0;
    /// False when the value could not be removed; removing a missing value succeeds.
    virtual bool DeleteValue(const QString& section, const QString& ident) = 0;
};

} // namespace orv
