#include <orvkit/controls/OrvkitStateComboBox.h>

#include <orvkit/controls/OrvkitComboRules.h>

#include <QCoreApplication>
#include <span>

namespace orv {

namespace {

struct TStateEntry {
    const char* abbrev;
    const char* full;
};

constexpr const char* kContext = "OrvkitStateComboBox";

constexpr TStateEntry kAustralia[] = {
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "ACT"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Australian Capital Territory")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "NSW"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "New South Wales")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "NT"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Northern Territory")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "QLD"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Queensland")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "SA"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "South Australia")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "TAS"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Tasmania")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "VIC"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Victoria")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "WA"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Western Australia")},
};

constexpr TStateEntry kUSA[] = {
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "AA"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Armed Forces Americas")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "AE"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Armed Forces Europe")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "AK"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Alaska")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "AL"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Alabama")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "AP"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Armed Forces Pacific")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "AR"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Arkansas")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "AS"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "American Samoa")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "AZ"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Arizona")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "CA"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "California")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "CO"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Colorado")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "CT"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Connecticut")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "DC"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "District of Columbia")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "DE"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Delaware")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "FL"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Florida")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "FM"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Federated States of Micronesia")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "GA"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Georgia")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "GU"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Guam")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "HI"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Hawaii")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "IA"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Iowa")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "ID"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Idaho")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "IL"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Illinois")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "IN"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Indiana")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "KS"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Kansas")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "KY"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Kentucky")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "LA"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Louisiana")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "MA"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Massachusetts")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "MD"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Maryland")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "ME"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Maine")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "MH"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Marshall Islands")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "MI"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Michigan")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "MN"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Minnesota")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "MO"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Missouri")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "MP"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Northern Mariana Islands")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "MS"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Mississippi")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "MT"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Montana")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "NC"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "North Carolina")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "ND"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "North Dakota")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "NE"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Nebraska")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "NH"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "New Hampshire")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "NJ"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "New Jersey")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "NM"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "New Mexico")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "NV"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Nevada")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "NY"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "New York")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "OH"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Ohio")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "OK"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Oklahoma")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "OR"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Oregon")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "PA"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Pennsylvania")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "PR"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Puerto Rico")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "PW"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Palau")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "RI"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Rhode Island")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "SC"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "South Carolina")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "SD"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "South Dakota")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "TN"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Tennessee")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "TX"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Texas")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "UT"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Utah")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "VA"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Virginia")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "VI"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Virgin Islands")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "VT"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Vermont")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "WA"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Washington")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "WI"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Wisconsin")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "WV"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "West Virginia")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "WY"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Wyoming")},
};

constexpr TStateEntry kCanada[] = {
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "AB"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Alberta")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "BC"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "British Columbia")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "MB"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Manitoba")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "NB"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "New Brunswick")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "NL"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Newfoundland and Labrador")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "NS"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Nova Scotia")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "NT"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Northwest Territories")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "NU"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Nunavut")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "ON"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Ontario")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "PE"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Prince Edward Island")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "QC"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Québec")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "SK"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Saskatchewan")},
    {QT_TRANSLATE_NOOP("OrvkitStateComboBox", "YT"), QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Yukon")},
};

constexpr const char* kUnknown = QT_TRANSLATE_NOOP("OrvkitStateComboBox", "Unknown");
constexpr const char* kUnknownAbbrev = QT_TRANSLATE_NOOP("OrvkitStateComboBox", "N/A");

std::span<const TStateEntry> CountryStates(TOrvStateCountry country)
{
    switch (country) {
    case stUSA:
        return kUSA;
    case stCanada:
        return kCanada;
    case stAustralia:
        break;
    }
    return kAustralia;
}

QString Tr(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

int DropDownCountFor(TOrvStateCountry country)
{
    switch (country) {
    case stUSA:
        return 12;
    case stCanada:
        return 14;
    case stAustralia:
        break;
    }
    return 9;
}

} // namespace

TOrvStateComboBox::TOrvStateComboBox(QWidget* parent)
    : TOrvCustomComboBox(parent), fUnknownStr(Tr(kUnknown)), fUnknownAbbrevStr(Tr(kUnknownAbbrev))
{
    SetWidth(120);
    SetDropDownCount(9);
    ShowState();
}

uint8_t TOrvStateComboBox::StateNumber() const
{
    return uint8_t(CountryStates(fCountry).size());
}

QString TOrvStateComboBox::StateName(int n, bool fullName) const
{
    const std::span<const TStateEntry> states = CountryStates(fCountry);
    if (n < 1 || n > int(states.size()))
        return fullName ? fUnknownStr : fUnknownAbbrevStr;
    const TStateEntry& entry = states[size_t(n - 1)];
    return Tr(fullName ? entry.full : entry.abbrev);
}

QStringList TOrvStateComboBox::Names(bool fullName) const
{
    QStringList names;
    for (int n = 1; n <= StateNumber(); ++n)
        names.append(StateName(n, fullName));
    return names;
}

bool TOrvStateComboBox::UnknownStrStored() const
{
    return fUnknownStr != Tr(kUnknown);
}

bool TOrvStateComboBox::UnknownAbbrevStrStored() const
{
    return fUnknownAbbrevStr != Tr(kUnknownAbbrev);
}

void TOrvStateComboBox::ShowState()
{
    ShowText(StateName(fState, fUseFullName));
}

void TOrvStateComboBox::SetState(int value)
{
    fState = value;
    if (LoadedOnce())
        SelectIndex(value);
    ShowState();
    ValueMayHaveChanged();
}

void TOrvStateComboBox::FillItems()
{
    QStringList items{StateName(0, fUseFullName)};
    items.append(Names(fUseFullName));
    ReplaceItems(items);
    SelectIndex(fState);
    ShowState();
}

void TOrvStateComboBox::SelectionTaken()
{
    fState = std::max(currentIndex(), 0);
}

void TOrvStateComboBox::SetItemIndex(int value)
{
    if (value == currentIndex())
        return;
    TOrvCustomComboBox::SetItemIndex(value);
    fState = std::max(currentIndex(), 0);
    ValueMayHaveChanged();
}

void TOrvStateComboBox::SetStateAbbrev(const QString& value)
{
    SetState(FindByPrefix(Names(false), value));
}

void TOrvStateComboBox::SetStateFull(const QString& value)
{
    SetState(FindByPrefix(Names(true), value));
}

void TOrvStateComboBox::SetUseFullName(bool value)
{
    if (value == fUseFullName)
        return;
    fUseFullName = value;
    FillItems();
    ShowState();
}

void TOrvStateComboBox::SetStateCountry(TOrvStateCountry value)
{
    if (value == fCountry || value < stAustralia || value > stCanada)
        return;
    fCountry = value;
    fState = 0;
    FillItems();
    ShowState();
    SetDropDownCount(DropDownCountFor(value));
    ValueMayHaveChanged();
}

void TOrvStateComboBox::SetUnknownStr(const QString& value)
{
    if (value == fUnknownStr)
        return;
    fUnknownStr = value;
    ShowState();
}

void TOrvStateComboBox::SetUnknownAbbrevStr(const QString& value)
{
    if (value == fUnknownAbbrevStr)
        return;
    fUnknownAbbrevStr = value;
    ShowState();
}

} // namespace orv
