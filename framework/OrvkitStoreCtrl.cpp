#include <orvkit/framework/OrvkitStoreCtrl.h>

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/datetime/OrvkitDateFormat.h>
#include <orvkit/datetime/OrvkitDateText.h>
#include <orvkit/datetime/OrvkitDateTime.h>
#include <orvkit/framework/OrvkitCustomColors.h>
#include <orvkit/framework/OrvkitIniFile.h>
#include <orvkit/framework/OrvkitPathMacros.h>
#include <orvkit/framework/OrvkitRegistry.h>

#include <QDir>
#include <QFileInfo>

namespace orv {

namespace {

constexpr int kCustomColorCount = 16;

QString CustomColorKey(int index)
{
    return QStringLiteral("CustomColour %1").arg(index);
}

bool IsHexDigits(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    });
}

/// Stored numbers are in one fixed form, "." before the decimals and no sign or blank
/// switches, whatever the machine that wrote them was set to.
class TStoredNumberFormat {
public:
    explicit TStoredNumberFormat(QChar decimal)
        : fDecimal(FormatSettings.DecimalSeparator, decimal),
          fThousand(FormatSettings.ThousandSeparator, decimal == u'.' ? QChar(u',') : QChar(u'.')),
          fPosSign(GlobalShowPosSign, false),
          fBlankZero(GlobalBlankWhenZero, false),
          fRaise(GlobalRaiseFloatErrors, false)
    {
    }

private:
    TOrvScopedValue<QChar> fDecimal;
    TOrvScopedValue<QChar> fThousand;
    TOrvScopedValue<bool> fPosSign;
    TOrvScopedValue<bool> fBlankZero;
    TOrvScopedValue<bool> fRaise;
};

/// Stored dates never read as an error or write as empty text for a zero value.
class TStoredDateSwitches {
public:
    TStoredDateSwitches() : fRaise(GlobalRaiseDateErrors, false), fBlankZero(GlobalBlankWhenZero, false) {}

private:
    TOrvScopedValue<bool> fRaise;
    TOrvScopedValue<bool> fBlankZero;
};

/// A hand-written "1,5" without any "." still reads as one and a half.
QChar StoredDecimalOf(const QString& text)
{
    return text.contains(u',') && !text.contains(u'.') ? QChar(u',') : QChar(u'.');
}

} // namespace

int32_t StoredTextToInt32(const QString& text, int32_t defaultValue)
{
    const QString t = text.trimmed();
    if (t.size() > 2 && t.front() == u'0' && (t.at(1) == u'x' || t.at(1) == u'X')) {
        QString digits = t.mid(2);
        while (digits.size() > 1 && digits.front() == u'0')
            digits.remove(0, 1);
        if (!IsHexDigits(digits) || digits.size() > 8)
            return defaultValue;
        return static_cast<int32_t>(static_cast<uint32_t>(HexTextToInt64(digits)));
    }
    if (t.isEmpty())
        return defaultValue;
    return TextToInt32Def(t, defaultValue);
}

bool StoredTextToBool(const QString& text, bool defaultValue)
{
    const QString t = text.trimmed();
    for (const char* yes : {"true", "yes", "on"})
        if (t.compare(QLatin1StringView(yes), Qt::CaseInsensitive) == 0)
            return true;
    for (const char* no : {"false", "no", "off"})
        if (t.compare(QLatin1StringView(no), Qt::CaseInsensitive) == 0)
            return false;
    return StoredTextToInt32(t, defaultValue ? 1 : 0) != 0;
}

TOrvStoreCtrl::TOrvStoreCtrl(QObject* owner)
    : TOrvComponent(owner),
      fRegPath(QStringLiteral("\\Software\\Orvworks")),
      fRegSection(QStringLiteral("Defaults")),
      fIniFile(QStringLiteral("%AppDir%\\orvkit.ini")),
      fIniSection(QStringLiteral("Defaults"))
{
}

// The INI object's own destruction writes a buffered file.
TOrvStoreCtrl::~TOrvStoreCtrl() = default;

void TOrvStoreCtrl::SetRegIniType(TOrvRegIniType value)
{
    if (value == fRegIniType)
        return;
    CloseStorage();
    fRegIniType = value;
}

void TOrvStoreCtrl::SetRegPath(const QString& value)
{
    if (value == fRegPath)
        return;
    CloseStorage();
    fRegPath = value;
}

void TOrvStoreCtrl::SetRegSection(const QString& value)
{
    if (value == fRegSection)
        return;
    fRegSection = value;
    if (fRegIniType == eriRegistry)
        fSection = ExpandRegSection();
}

void TOrvStoreCtrl::SetIniFile(const QString& value)
{
    if (value == fIniFile)
        return;
    CloseStorage();
    fIniFile = value;
}

void TOrvStoreCtrl::SetIniSection(const QString& value)
{
    if (value == fIniSection)
        return;
    fIniSection = value;
    if (IsIniType())
        fSection = ExpandIniSection();
}

QString TOrvStoreCtrl::ExpandIniFile() const
{
    return ExpandPathMacros(fIniFile);
}

QString TOrvStoreCtrl::ExpandIniSection() const
{
    return ExpandUserMacro(fIniSection);
}

QString TOrvStoreCtrl::ExpandRegPath() const
{
    return ExpandUserMacro(fRegPath);
}

QString TOrvStoreCtrl::ExpandRegSection() const
{
    return ExpandUserMacro(fRegSection);
}

bool TOrvStoreCtrl::OpenIniFile(bool buffered)
{
    if (fIniFile.isEmpty() || fIniSection.isEmpty())
        return false;
    const QString path = ExpandIniFile();
    if (path.isEmpty())
        return false;
    // A buffered file stays open across CloseStorage; it is reused while it is the same file.
    if (!(buffered && fIni && fIni->Buffered() && fIni->FileName() == path)) {
        const QString folder = QFileInfo(path).absolutePath();
        if (!QFileInfo(folder).isDir())
            QDir().mkdir(folder);
        fIni = std::make_unique<TOrvIniFile>(path, buffered);
    }
    fSection = ExpandIniSection();
    return true;
}

void TOrvStoreCtrl::OpenStorage()
{
    CloseStorage();
    switch (fRegIniType) {
    case eriRegistry:
        if (!fRegPath.isEmpty() && !fRegSection.isEmpty()) {
            fRegistry = std::make_unique<TOrvRegistry>(ExpandRegPath());
            fSection = ExpandRegSection();
            fOpened = true;
        }
        break;
    case eriIniFile:
        fOpened = OpenIniFile(false);
        break;
    case eriBufferedIniFile:
        fOpened = OpenIniFile(true);
        break;
    case eriNeither:
        break;
    }
}

void TOrvStoreCtrl::CloseStorage()
{
    fRegistry.reset();
    if (fIni && !(fRegIniType == eriBufferedIniFile && fIni->Buffered()))
        fIni.reset();
    fOpened = false;
}

IOrvValueStore* TOrvStoreCtrl::Store()
{
    if (!fOpened)
        OpenStorage();
    if (!fOpened)
        return nullptr;
    if (fRegIniType == eriRegistry)
        return fRegistry.get();
    return IsIniType() ? fIni.get() : nullptr;
}

std::optional<QString> TOrvStoreCtrl::ReadValue(const QString& ident)
{
    IOrvValueStore* store = Store();
    return store ? store->ReadValue(fSection, ident) : std::nullopt;
}

QString TOrvStoreCtrl::ReadString(const QString& ident, const QString& defaultValue)
{
    if (!Store())
        return QString();
    return ReadValue(ident).value_or(defaultValue);
}

bool TOrvStoreCtrl::WriteString(const QString& ident, const QString& value)
{
    IOrvValueStore* store = Store();
    return store && store->WriteValue(fSection, ident, value);
}

int32_t TOrvStoreCtrl::ReadInteger(const QString& ident, int32_t defaultValue)
{
    const std::optional<QString> text = ReadValue(ident);
    return text ? StoredTextToInt32(*text, defaultValue) : defaultValue;
}

bool TOrvStoreCtrl::WriteInteger(const QString& ident, int32_t value)
{
    return WriteString(ident, QString::number(value));
}

bool TOrvStoreCtrl::ReadBoolean(const QString& ident, bool defaultValue)
{
    if (!Store())
        return false;
    const std::optional<QString> text = ReadValue(ident);
    return text ? StoredTextToBool(*text, defaultValue) : defaultValue;
}

bool TOrvStoreCtrl::WriteBoolean(const QString& ident, bool value)
{
    return WriteString(ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

Extended TOrvStoreCtrl::ReadFloat(const QString& ident, Extended defaultValue)
{
    const std::optional<QString> text = ReadValue(ident);
    if (!text || text->trimmed().isEmpty())
        return defaultValue;
    const TStoredNumberFormat format(StoredDecimalOf(*text));
    return TextToExtendedDef(text->trimmed(), defaultValue);
}

bool TOrvStoreCtrl::WriteFloat(const QString& ident, uint8_t decimals, Extended value)
{
    QString text;
    {
        const TStoredNumberFormat format(u'.');
        text = FloatToFixedText(value, decimals);
    }
    return WriteString(ident, text);
}

bool TOrvStoreCtrl::WriteFormatted(const QString& ident, const std::function<QString()>& format)
{
    QString text;
    {
        const TStoredDateSwitches switches;
        text = format();
    }
    return !text.isEmpty() && WriteString(ident, text);
}

TDateTime TOrvStoreCtrl::ReadConverted(const QString& ident, TDateTime defaultValue,
                                       const std::function<TDateTime(const QString&)>& convert)
{
    const std::optional<QString> text = ReadValue(ident);
    if (!text)
        return defaultValue;
    const TStoredDateSwitches switches;
    return convert(text->trimmed());
}

TDateTime TOrvStoreCtrl::ReadDate(const QString& ident, TDateTime defaultValue)
{
    return ReadConverted(ident, defaultValue, [&](const QString& text) { return TextToDateDef(text, defaultValue); });
}

TDateTime TOrvStoreCtrl::ReadDate(const QString& ident, const QString& dateFormat, TDateTime defaultValue)
{
    return ReadConverted(ident, defaultValue,
                         [&](const QString& text) { return TextToDateFmtDef(text, dateFormat, defaultValue); });
}

bool TOrvStoreCtrl::WriteDate(const QString& ident, TDateTime value)
{
    return WriteFormatted(ident, [&] { return DateToText(value); });
}

bool TOrvStoreCtrl::WriteDate(const QString& ident, const QString& dateFormat, TDateTime value)
{
    return WriteFormatted(ident, [&] { return DateToFormatText(dateFormat, value); });
}

TDateTime TOrvStoreCtrl::ReadTime(const QString& ident, TDateTime defaultValue)
{
    return ReadConverted(ident, defaultValue,
                         [&](const QString& text) { return TextToTimeDef(text, true, defaultValue); });
}

bool TOrvStoreCtrl::WriteTime(const QString& ident, TDateTime value)
{
    const QString picture = FormatSettings.LongTimeFormat.isEmpty() ? QStringLiteral("hh:nn:ss")
                                                                    : FormatSettings.LongTimeFormat;
    return WriteTime(ident, picture, value);
}

bool TOrvStoreCtrl::WriteTime(const QString& ident, const QString& timeFormat, TDateTime value)
{
    return WriteFormatted(ident, [&] { return TimeToFormatText(timeFormat, value); });
}

void TOrvStoreCtrl::ReadCustomColors()
{
    CustomColors.clear();
    for (int i = 0; i < kCustomColorCount; ++i)
        if (const QString colour = ReadString(CustomColorKey(i), QString()); !colour.isEmpty())
            CustomColors << colour;
}

bool TOrvStoreCtrl::WriteCustomColors()
{
    bool written = Store() != nullptr;
    for (int i = 0; i < kCustomColorCount && i < CustomColors.size(); ++i)
        written = WriteString(CustomColorKey(i), CustomColors.at(i)) && written;
    return written;
}

bool TOrvStoreCtrl::DeleteKey(const QString& ident)
{
    IOrvValueStore* store = Store();
    return store && store->DeleteValue(fSection, ident);
}

void TOrvStoreCtrl::AddToNotifyList(IOrvStoreClient* client)
{
    if (client && !fNotifyList.contains(client))
        fNotifyList.append(client);
}

void TOrvStoreCtrl::RemoveFromNotifyList(IOrvStoreClient* client)
{
    fNotifyList.removeAll(client);
}

void TOrvStoreCtrl::LoadFromStore()
{
    // A client may leave the list while it loads.
    const QList<IOrvStoreClient*> clients = fNotifyList;
    for (IOrvStoreClient* client : clients)
        if (fNotifyList.contains(client))
            client->LoadFromStore();
}

void TOrvStoreCtrl::SaveToStore()
{
    const QList<IOrvStoreClient*> clients = fNotifyList;
    for (IOrvStoreClient* client : clients)
        if (fNotifyList.contains(client))
            client->SaveToStore();
}

} // namespace orv
