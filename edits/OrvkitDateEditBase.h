#pragma once

#include <orvkit/edits/OrvkitNumEditRules.h>
#include <orvkit/framework/OrvkitEdit.h>

#include <QString>
#include <cstdint>
#include <functional>

namespace orv {

inline namespace DateEditEnums {
Q_NAMESPACE

enum TOrvDateFormatType { edfShortDate, edfLongDate, edfCustom };
Q_ENUM_NS(TOrvDateFormatType)
enum TOrvTimeFormatType { etfShortTime, etfLongTime, etfCustom };
Q_ENUM_NS(TOrvTimeFormatType)
enum TOrvMonthFormatType { emfNumeric, emfShortMonth, emfLongMonth };
Q_ENUM_NS(TOrvMonthFormatType)
enum TOrvDOWFormatType { edfNumeric, edfShortDOW, edfLongDOW };
Q_ENUM_NS(TOrvDOWFormatType)
} // namespace DateEditEnums

/// Before a text is converted; the handler may rewrite it.
using TOrvConvertEvent = std::function<void(QObject* sender, QString& text)>;
/// A part of a composite edit changed; `elementNo` names the part.
using TOrvChangeEvent = std::function<void(QObject* sender, uint32_t elementNo)>;

/// The shared base of the date, time and duration value edits.
///
/// The held value is the truth: the edit shows it through FormatValue and reads typed text
/// back through ReadText on every change. Text the edit wrote itself is not read back while
/// it stands for the value, so a display that drops detail (minutes without seconds, two
/// decimals) never changes the value.
/// While null the value is the one ReadNull gives.
class TOrvDateEditBase : public TOrvBaseEdit {
    Q_OBJECT
public:
    explicit TOrvDateEditBase(QWidget* parent = nullptr);

protected:
    /// The value as text; runs with GlobalBlankWhenZero set to BlankWhenZero and date
    /// errors off.
    virtual QString FormatValue() = 0;
    /// Reads a typed text into the value; raises only while CheckForErrors.
    virtual void ReadText(const QString& text) = 0;
    /// Sets the value of a null edit.
    virtual void ReadNull() = 0;

    void DoDisplay() override;
    void ConvertText() final;

    /// BlankWhenZero in use: the own switch or the UI control's date switch.
    bool BlanksZero() const { return EffectiveBlanks().BlankWhenZero; }
    /// After a setter stored a new value: leaves the null state and shows the value.
    void ValueStored();
    /// Compares the value with the bounds, records the result for the base and reports a
    /// violation (ReportBoundsError) with the bound as `boundText` writes it.
    void CheckBounds(double value, double lower, double upper, const std::function<QString(double)>& boundText);
    /// Raises EConvertError: `message`, a space and the text.
    [[noreturn]] static void RaiseTextError(const QString& message, const QString& text);
};

} // namespace orv
