#pragma once

#include <orvkit/controls/OrvkitComboBox.h>

namespace orv {

inline namespace StateComboBoxEnums {
Q_NAMESPACE
enum TOrvStateCountry { stAustralia, stUSA, stCanada };
Q_ENUM_NS(TOrvStateCountry)
} // namespace StateComboBoxEnums

/// A state or territory of Australia, the USA or Canada, listed and shown by full name or
/// by postal abbreviation. Entry 0 is the unknown entry; 1..StateNumber the country's
/// states in the order of their abbreviations. Names set by text select the first entry
/// that begins with the text, letter case ignored.
class TOrvStateComboBox : public TOrvCustomComboBox {
    Q_OBJECT
    Q_PROPERTY(orv::StateComboBoxEnums::TOrvStateCountry StateCountry READ StateCountry WRITE SetStateCountry)
    Q_PROPERTY(bool UseFullName READ UseFullName WRITE SetUseFullName)
    Q_PROPERTY(QString StateAbbrev READ StateAbbrev WRITE SetStateAbbrev NOTIFY stateChanged USER true)
    Q_PROPERTY(QString StateFull READ StateFull WRITE SetStateFull)
    Q_PROPERTY(int StateNumber READ StateNumber STORED false)
    Q_PROPERTY(QString UnknownStr READ UnknownStr WRITE SetUnknownStr)
    Q_PROPERTY(QString UnknownAbbrevStr READ UnknownAbbrevStr WRITE SetUnknownAbbrevStr)
public:
    explicit TOrvStateComboBox(QWidget* parent = nullptr);

    TOrvStateCountry StateCountry() const { return fCountry; }
    /// Returns to the unknown entry and refills the list.
    void SetStateCountry(TOrvStateCountry value);
    bool UseFullName() const { return fUseFullName; }
    void SetUseFullName(bool value);
    QString StateAbbrev() const { return StateName(fState, false); }
    void SetStateAbbrev(const QString& value);
    QString StateFull() const { return StateName(fState, true); }
    void SetStateFull(const QString& value);
    /// The number of states of the country: 8, 62 or 13.
    uint8_t StateNumber() const;
    /// The current entry: 0 unknown, 1..StateNumber a state.
    int State() const { return fState; }
    const QString& UnknownStr() const { return fUnknownStr; }
    void SetUnknownStr(const QString& value);
    const QString& UnknownAbbrevStr() const { return fUnknownAbbrevStr; }
    void SetUnknownAbbrevStr(const QString& value);
    /// Whether UnknownStr (UnknownAbbrevStr) differs from its default and is stored.
    bool UnknownStrStored() const;
    bool UnknownAbbrevStrStored() const;

    /// The abbreviation or full name of entry n; the unknown texts for 0 or any number
    /// outside 1..StateNumber.
    QString StateName(int n, bool fullName) const;

    void SetItemIndex(int value) override;

signals:
    void stateChanged(const QString& abbrev);

protected:
    void FillItems() override;
    void SelectionTaken() override;

private:
    QStringList Names(bool fullName) const;
    void SetState(int value);
    void ShowState();

    TOrvStateCountry fCountry = stAustralia;
    QString fUnknownStr;
    QString fUnknownAbbrevStr;
    int fState = 0;
    bool fUseFullName = true;
};

} // namespace orv
