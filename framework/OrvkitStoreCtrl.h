#pragma once

#include <orvkit/core/OrvkitGlobals.h>
#include <orvkit/framework/OrvkitComponent.h>

#include <QList>
#include <functional>
#include <QString>
#include <memory>
#include <optional>

namespace orv {

class IOrvValueStore;
class TOrvIniFile;
class TOrvRegistry;

inline namespace StoreCtrlEnums {
Q_NAMESPACE

/// Kind of storage: none, the registry, an INI file, or an INI file held in memory and
/// written when the storage control is destroyed.
enum TOrvRegIniType { eriNeither, eriRegistry, eriIniFile, eriBufferedIniFile };
Q_ENUM_NS(TOrvRegIniType)
} // namespace StoreCtrlEnums

/// What a storage control tells the components that keep their settings in it (the UI
/// controls).
class IOrvStoreClient {
public:
    virtual void LoadFromStore() = 0;
    virtual void SaveToStore() = 0;

protected:
    ~IOrvStoreClient() = default;
};

/// One place to keep settings: a registry key below the current user's root or an INI
/// file, one section at a time. Every read and write opens the storage on demand; it stays
/// open until CloseStorage, the next OpenStorage, a change of the kind or of a path, or
/// destruction. A storage that cannot be opened (eriNeither, a missing name) reads as empty
/// text, False and the defaults, and writes nothing. Writes return whether the value reached
/// the storage.
class TOrvStoreCtrl : public TOrvComponent {
    Q_OBJECT
    Q_PROPERTY(orv::StoreCtrlEnums::TOrvRegIniType RegIniType READ RegIniType WRITE SetRegIniType)
    Q_PROPERTY(QString RegPath READ RegPath WRITE SetRegPath)
    Q_PROPERTY(QString RegSection READ RegSection WRITE SetRegSection)
    Q_PROPERTY(QString IniFile READ IniFile WRITE SetIniFile)
    Q_PROPERTY(QString IniSection READ IniSection WRITE SetIniSection)
public:
    explicit TOrvStoreCtrl(QObject* owner = nullptr);
    ~TOrvStoreCtrl() override;

    TOrvRegIniType RegIniType() const { return fRegIniType; }
    void SetRegIniType(TOrvRegIniType value);
    /// Registry key below the current user's root; "%USER%" allowed.
    const QString& RegPath() const { return fRegPath; }
    void SetRegPath(const QString& value);
    const QString& RegSection() const { return fRegSection; }
    void SetRegSection(const QString& value);
    /// INI file path; folder macros and "%USER%" allowed.
    const QString& IniFile() const { return fIniFile; }
    void SetIniFile(const QString& value);
    const QString& IniSection() const { return fIniSection; }
    void SetIniSection(const QString& value);

    QString ExpandIniFile() const;
    QString ExpandIniSection() const;
    QString ExpandRegPath() const;
    QString ExpandRegSection() const;

    void OpenStorage();
    void CloseStorage();
    bool Opened() const { return fOpened; }
    /// The section in use, after "%USER%" expansion.
    const QString& Section() const { return fSection; }

    QString ReadString(const QString& ident, const QString& defaultValue);
    bool WriteString(const QString& ident, const QString& value);
    int32_t ReadInteger(const QString& ident, int32_t defaultValue);
    bool WriteInteger(const QString& ident, int32_t value);
    bool ReadBoolean(const QString& ident, bool defaultValue);
    bool WriteBoolean(const QString& ident, bool value);
    bool ReadBool(const QString& ident, bool defaultValue) { return ReadBoolean(ident, defaultValue); }
    bool WriteBool(const QString& ident, bool value) { return WriteBoolean(ident, value); }
    Extended ReadFloat(const QString& ident, Extended defaultValue);
    bool WriteFloat(const QString& ident, uint8_t decimals, Extended value);
    /// Dates in the locale's short date format, or in the picture given.
    TDateTime ReadDate(const QString& ident, TDateTime defaultValue);
    TDateTime ReadDate(const QString& ident, const QString& dateFormat, TDateTime defaultValue);
    bool WriteDate(const QString& ident, TDateTime value);
    bool WriteDate(const QString& ident, const QString& dateFormat, TDateTime value);
    /// Times in the locale's long time format (seconds kept), or in the picture given.
    TDateTime ReadTime(const QString& ident, TDateTime defaultValue);
    bool WriteTime(const QString& ident, TDateTime value);
    bool WriteTime(const QString& ident, const QString& timeFormat, TDateTime value);
    TColor ReadColor(const QString& ident, TColor defaultValue) { return ReadInteger(ident, defaultValue); }
    bool WriteColor(const QString& ident, TColor value) { return WriteInteger(ident, value); }
    /// Fills CustomColors from "CustomColour 0" ... "CustomColour 15", skipping empty ones.
    void ReadCustomColors();
    /// Writes the first 16 of CustomColors.
    bool WriteCustomColors();
    bool DeleteKey(const QString& ident);

    /// Registers a client for LoadFromStore and SaveToStore; a client removes itself
    /// before it is destroyed.
    void AddToNotifyList(IOrvStoreClient* client);
    void RemoveFromNotifyList(IOrvStoreClient* client);
    void LoadFromStore();
    void SaveToStore();

private:
    /// The open storage, opening it first; none when it cannot be opened.
    IOrvValueStore* Store();
    std::optional<QString> ReadValue(const QString& ident);
    bool IsIniType() const { return fRegIniType == eriIniFile || fRegIniType == eriBufferedIniFile; }
    bool OpenIniFile(bool buffered);
    /// Writes a formatted value; a value the routine cannot format writes nothing.
    bool WriteFormatted(const QString& ident, const std::function<QString()>& format);
    TDateTime ReadConverted(const QString& ident, TDateTime defaultValue,
                            const std::function<TDateTime(const QString&)>& convert);

    TOrvRegIniType fRegIniType = eriNeither;
    QString fRegPath;
    QString fRegSection;
    QString fIniFile;
    QString fIniSection;
    QList<IOrvStoreClient*> fNotifyList;
    std::unique_ptr<TOrvRegistry> fRegistry;
    std::unique_ptr<TOrvIniFile> fIni;
    QString fSection;
    bool fOpened = false;
};

/// Reads a stored integer text: decimal, or with "0x" hexadecimal of up to 32 bits (so
/// "0xFF000005" is that colour value); anything else, or a value outside 32 bits, gives
/// the default.
int32_t StoredTextToInt32(const QString& text, int32_t defaultValue);
/// Reads a stored boolean: a number (not 0 is True) or true/false, yes/no, on/off.
bool StoredTextToBool(const QString& text, bool defaultValue);

} // namespace orv
