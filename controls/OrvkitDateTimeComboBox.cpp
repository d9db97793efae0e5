#include <orvkit/controls/OrvkitDateTimeComboBox.h>

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/datetime/OrvkitDateText.h>
#include <orvkit/datetime/OrvkitDateTime.h>

#include <QCoreApplication>

namespace orv {

namespace {

template <size_t N>
QStringList ListOf(const std::array<QString, N>& names)
{
    return QStringList(names.begin(), names.end());
}

QString NotApplicable()
{
    return QCoreApplication::translate("OrvkitDateTimeComboBox", "N/A");
}

} // namespace

// ---- TOrvNumberNameComboBox

TOrvNumberNameComboBox::TOrvNumberNameComboBox(QWidget* parent, uint16_t count, uint16_t initial)
    : TOrvCustomComboBox(parent), fCount(count), fNumber(initial <= count ? initial : 0)
{
    SetDropDownCount(count);
}

uint16_t TOrvNumberNameComboBox::Number() const
{
    if (!LoadedOnce())
        return fNumber;
    return uint16_t(currentIndex() + 1);
}

void TOrvNumberNameComboBox::SetNumber(uint16_t value)
{
    if (value == Number())
        return;
    if (value <= fCount) {
        fNumber = value;
        if (LoadedOnce())
            SelectIndex(int(value) - 1);
    }
    ShowNumber();
    ValueMayHaveChanged();
}

void TOrvNumberNameComboBox::SetNameFormat(int value)
{
    if (value == fFormat || value < 0 || value > 2)
        return;
    fNumber = Number();
    fFormat = value;
    Refresh();
}

void TOrvNumberNameComboBox::Refresh()
{
    fNumber = Number();
    if (LoadedOnce())
        FillItems();
    else
        ShowNumber();
}

QString TOrvNumberNameComboBox::CurrentName(bool longName) const
{
    const uint16_t number = Number();
    return number == 0 ? QString() : NameOf(number, longName);
}

QString TOrvNumberNameComboBox::ShownText() const
{
    const uint16_t number = Number();
    if (number == 0)
        return QString();
    return fFormat == 0 ? Int32ToText(number) : NameOf(number, fFormat == 2);
}

void TOrvNumberNameComboBox::ShowNumber()
{
    ShowText(ShownText());
}

void TOrvNumberNameComboBox::FillItems()
{
    QStringList items;
    if (fFormat == 0) {
        for (uint16_t i = 1; i <= fCount; ++i)
            items.append(Int32ToText(i));
    } else {
        items = NamedItems(fFormat == 2);
    }
    ReplaceItems(items);
    SelectIndex(int(fNumber) - 1);
    ShowNumber();
}

void TOrvNumberNameComboBox::SelectionTaken()
{
    fNumber = uint16_t(std::max(currentIndex() + 1, 0));
}

void TOrvNumberNameComboBox::DoExit()
{
    const QString text = currentText();
    if (IsDigitText(text)) {
        const int32_t typed = TextToInt32(text);
        if (typed >= 1 && typed <= fCount)
            SetNumber(uint16_t(typed));
    }
    TOrvCustomComboBox::DoExit();
}

// ---- TOrvMonthComboBox

TOrvMonthComboBox::TOrvMonthComboBox(QWidget* parent) : TOrvNumberNameComboBox(parent, 12, TodayMonth())
{
    ShowNumber();
}

void TOrvMonthComboBox::SetMonthShort(const QString& value)
{
    SetMonth(MonthFromName(value));
}

void TOrvMonthComboBox::Today()
{
    SetMonth(TodayMonth());
}

QString TOrvMonthComboBox::NameOf(uint16_t value, bool longName) const
{
    const auto& names = longName ? FormatSettings.LongMonthNames : FormatSettings.ShortMonthNames;
    return names.at(value - 1);
}

QStringList TOrvMonthComboBox::NamedItems(bool longNames) const
{
    return ListOf(longNames ? FormatSettings.LongMonthNames : FormatSettings.ShortMonthNames);
}

// ---- TOrvDOWComboBox

TOrvDOWComboBox::TOrvDOWComboBox(QWidget* parent) : TOrvNumberNameComboBox(parent, 7, TodayDayOfWeek())
{
    ShowNumber();
}

void TOrvDOWComboBox::SetISO8601(bool value)
{
    if (value == fISO8601)
        return;
    fISO8601 = value;
    Refresh();
}

void TOrvDOWComboBox::SetDOWShort(const QString& value)
{
    const uint16_t host = DayFromName(value);
    // HostToISODayOfWeek takes "no day" beyond 7, which leaves the number as it is.
    SetDOW(fISO8601 ? HostToISODayOfWeek(host) : host);
}

void TOrvDOWComboBox::Today()
{
    SetDOW(fISO8601 ? TodayISODayOfWeek() : TodayDayOfWeek());
}

QString TOrvDOWComboBox::NameOf(uint16_t value, bool longName) const
{
    const auto& names = longName ? FormatSettings.LongDayNames : FormatSettings.ShortDayNames;
    const uint16_t host = fISO8601 ? ISOToHostDayOfWeek(value) : value;
    return names.at(host - 1);
}

QStringList TOrvDOWComboBox::NamedItems(bool longNames) const
{
    QStringList items = ListOf(longNames ? FormatSettings.LongDayNames : FormatSettings.ShortDayNames);
    if (fISO8601)
        items.move(0, items.size() - 1);
    return items;
}

// ---- TOrvTZComboBox

TOrvTZComboBox::TOrvTZComboBox(QWidget* parent)
    : TOrvCustomComboBox(parent), fZoneInfoDir(DefaultZoneInfoDir()), fGMTStr(QStringLiteral("GMT"))
{
    SetWidth(200);
    ReadZones();
}

void TOrvTZComboBox::ReadZones()
{
    fZones.clear();
    ReadTimeZones(fZones, fZoneInfoDir);
    if (fGMTStr == u"GMT")
        return;
    for (TOrvTimeZoneInfo& zone : fZones) {
        qsizetype at = zone.DisplayName.indexOf(u"GMT");
        if (at < 0)
            at = zone.DisplayName.indexOf(u"UTC");
        if (at >= 0)
            zone.DisplayName = zone.DisplayName.left(at) + fGMTStr + zone.DisplayName.mid(at + 3);
    }
}

void TOrvTZComboBox::SetZoneInfoDir(const QString& value)
{
    fZoneInfoDir = value;
    ReadZones();
    if (fCurrent >= int32_t(fZones.size()))
        fCurrent = -1;
    if (LoadedOnce())
        FillItems();
    else
        ShowZone();
    ValueMayHaveChanged();
}

void TOrvTZComboBox::SetGMTStr(const QString& value)
{
    if (value == fGMTStr)
        return;
    fGMTStr = value;
    ReadZones();
    if (LoadedOnce())
        FillItems();
    else
        ShowZone();
}

void TOrvTZComboBox::SetUseLocal(bool value)
{
    if (value == fUseLocal)
        return;
    fUseLocal = value;
    if (value)
        SetCurrent(LocalTimeZoneIndex(fZones));
    else
        ShowZone();
}

const TOrvTimeZoneInfo* TOrvTZComboBox::Current() const
{
    if (fCurrent < 0 || fCurrent >= int32_t(fZones.size()))
        return nullptr;
    return &fZones[size_t(fCurrent)];
}

void TOrvTZComboBox::SetCurrent(int32_t index)
{
    fCurrent = index;
    ShowZone();
    ValueMayHaveChanged();
}

void TOrvTZComboBox::ShowZone()
{
    if (LoadedOnce())
        SelectIndex(fCurrent);
    const TOrvTimeZoneInfo* zone = Current();
    ShowText(zone ? zone->DisplayName : QString());
}

void TOrvTZComboBox::FillItems()
{
    QStringList names;
    TimeZoneDisplayNames(fZones, names);
    ReplaceItems(names);
    ShowZone();
}

void TOrvTZComboBox::SelectionTaken()
{
    fCurrent = currentIndex();
}

QString TOrvTZComboBox::DisplayName() const
{
    const TOrvTimeZoneInfo* zone = Current();
    return zone ? zone->DisplayName : QString();
}

void TOrvTZComboBox::SetDisplayName(const QString& value)
{
    SetCurrent(FindTimeZoneByDisplayName(fZones, value));
}

QString TOrvTZComboBox::KeyName() const
{
    const TOrvTimeZoneInfo* zone = Current();
    return zone ? zone->KeyName : QString();
}

void TOrvTZComboBox::SetKeyName(const QString& value)
{
    SetCurrent(FindTimeZoneByKeyName(fZones, value));
}

QString TOrvTZComboBox::StandardName() const
{
    const TOrvTimeZoneInfo* zone = Current();
    return zone ? zone->StandardName : QString();
}

void TOrvTZComboBox::SetStandardName(const QString& value)
{
    SetCurrent(FindTimeZoneByStandardName(fZones, value));
}

QString TOrvTZComboBox::DaylightName() const
{
    const TOrvTimeZoneInfo* zone = Current();
    return zone ? zone->DaylightName : QString();
}

void TOrvTZComboBox::SetDaylightName(const QString& value)
{
    SetCurrent(FindTimeZoneByDaylightName(fZones, value));
}

int32_t TOrvTZComboBox::BIAS() const
{
    const TOrvTimeZoneInfo* zone = Current();
    return zone ? zone->Bias : 0;
}

int32_t TOrvTZComboBox::StandardBIAS() const
{
    const TOrvTimeZoneInfo* zone = Current();
    return zone ? zone->StandardBias : 0;
}

int32_t TOrvTZComboBox::DaylightBIAS() const
{
    const TOrvTimeZoneInfo* zone = Current();
    return zone ? zone->DaylightBias : 0;
}

QString TOrvTZComboBox::StandardDate() const
{
    const TOrvTimeZoneInfo* zone = Current();
    if (!zone)
        return QString();
    return zone->UseDaylightTime ? TimeZoneTransitionText(zone->StandardDate) : NotApplicable();
}

QString TOrvTZComboBox::DaylightDate() const
{
    const TOrvTimeZoneInfo* zone = Current();
    if (!zone)
        return QString();
    return zone->UseDaylightTime ? TimeZoneTransitionText(zone->DaylightDate) : NotApplicable();
}

bool TOrvTZComboBox::UseDaylightTime() const
{
    const TOrvTimeZoneInfo* zone = Current();
    return zone && zone->UseDaylightTime;
}

TOrvTimeZoneInfo TOrvTZComboBox::AsTimeZoneInfo() const
{
    const TOrvTimeZoneInfo* zone = Current();
    return zone ? *zone : TOrvTimeZoneInfo();
}

SYSTEMTIME TOrvTZComboBox::StandardSystemTime() const
{
    const TOrvTimeZoneInfo* zone = Current();
    return zone ? zone->StandardDate : SYSTEMTIME();
}

SYSTEMTIME TOrvTZComboBox::DaylightSystemTime() const
{
    const TOrvTimeZoneInfo* zone = Current();
    return zone ? zone->DaylightDate : SYSTEMTIME();
}

} // namespace orv
