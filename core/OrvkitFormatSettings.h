#pragma once

#include <QChar>
#include <QString>
#include <array>
#include <cstdint>

class QLocale;

namespace orv {

/// The locale's format settings, read by the conversion and date routines at every
/// call. Pictures use the suite's letters (d, m, y; h, n, s; AM/PM), not Qt's.
struct TOrvFormatSettings {
    QChar DecimalSeparator = u'.';
    QChar ThousandSeparator = u',';
    QChar DateSeparator = u'/';
    QChar TimeSeparator = u':';
    QString ShortDateFormat;
    QString LongDateFormat;
    QString ShortTimeFormat;
    QString LongTimeFormat;
    QString TimeAMString;
    QString TimePMString;
    std::array<QString, 12> ShortMonthNames; ///< [0] is January
    std::array<QString, 12> LongMonthNames;
    std::array<QString, 7> ShortDayNames; ///< [0] is Sunday
    std::array<QString, 7> LongDayNames;
    QString CurrencyString;
    uint8_t CurrencyFormat = 0;   ///< 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    uint8_t NegCurrFormat = 0;    ///< 0..15, the host's negative currency patterns
    uint8_t CurrencyDecimals = 2;
};

/// The process-wide settings, filled from the system locale at start.
extern TOrvFormatSettings FormatSettings;

/// Settings of a locale, its date and time pictures translated to the suite's letters.
TOrvFormatSettings FormatSettingsFromLocale(const QLocale& locale);

/// A fixed English day-month-year set ("dd/mm/yyyy", "." and ","), independent of
/// the machine, for tests and for callers that need reproducible text.
TOrvFormatSettings EnglishFormatSettings();

/// Translates a Qt date/time format ("dd/MM/yyyy", "h:mm AP") to a suite picture
/// ("dd/mm/yyyy", "h:nn AM/PM").
QString QtFormatToPicture(const QString& qtFormat);

} // namespace orv
