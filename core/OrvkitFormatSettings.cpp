#include <orvkit/core/OrvkitFormatSettings.h>

#include <QLocale>

namespace orv {

namespace {

QChar FirstCharOr(const QString& text, QChar fallback)
{
    return text.isEmpty() ? fallback : text.front();
}

// The first character of a date picture that is neither a letter nor a quote.
QChar SeparatorIn(const QString& picture, QChar fallback)
{
    for (const QChar c : picture)
        if (!c.isLetter() && c != u'\'' && c != u'"' && !c.isSpace())
            return c;
    return fallback;
}

// Positive and negative currency layouts, read off how the locale writes 1 and -1.
void DeriveCurrencyFormats(const QLocale& locale, TOrvFormatSettings& fs)
{
    const QString symbol = fs.CurrencyString;
    const QString pos = locale.toCurrencyString(1.0, symbol, 0);
    const qsizetype at = pos.indexOf(symbol);
    const bool before = at == 0;
    const bool spaced = before ? pos.size() > symbol.size() && pos.at(symbol.size()).isSpace()
                               : at > 0 && pos.at(at - 1).isSpace();
    fs.CurrencyFormat = uint8_t((before ? 0 : 1) + (spaced ? 2 : 0));
    const QString neg = locale.toCurrencyString(-1.0, symbol, 0);
    const bool bracketed = neg.startsWith(u'(');
    const bool minusFirst = neg.startsWith(u'-') || neg.startsWith(QChar(0x2212));
    if (bracketed)
        fs.NegCurrFormat = before ? (spaced ? 14 : 0) : (spaced ? 15 : 4);
    else if (before)
        fs.NegCurrFormat = minusFirst ? (spaced ? 9 : 1) : (spaced ? 12 : 2);
    else
        fs.NegCurrFormat = spaced ? 8 : 5;
}

} // namespace

QString QtFormatToPicture(const QString& qtFormat)
{
    QString out;
    out.reserve(qtFormat.size() + 4);
    bool quoted = false;
    for (qsizetype i = 0; i < qtFormat.size(); ++i) {
        const QChar c = qtFormat.at(i);
        if (c == u'\'') {
            quoted = !quoted;
            out += u'"';
            continue;
        }
        if (quoted) {
            out += c;
            continue;
        }
        switch (c.unicode()) {
        case u'M': out += u'm'; break;
        case u'm': out += u'n'; break;
        case u'H': out += u'h'; break;
        case u't': break; // time zone names have no letter of their own
        case u'a':
        case u'A':
            // Qt's "ap" / "AP" is the suite's "AM/PM".
            if (i + 1 < qtFormat.size() && (qtFormat.at(i + 1) == u'p' || qtFormat.at(i + 1) == u'P'))
                ++i;
            out += QStringLiteral("AM/PM");
            break;
        default: out += c;
        }
    }
    return out.trimmed();
}

TOrvFormatSettings FormatSettingsFromLocale(const QLocale& locale)
{
    TOrvFormatSettings fs;
    fs.DecimalSeparator = FirstCharOr(locale.decimalPoint(), u'.');
    fs.ThousandSeparator = FirstCharOr(locale.groupSeparator(), u',');
    fs.ShortDateFormat = QtFormatToPicture(locale.dateFormat(QLocale::ShortFormat));
    fs.LongDateFormat = QtFormatToPicture(locale.dateFormat(QLocale::LongFormat));
    fs.ShortTimeFormat = QtFormatToPicture(locale.timeFormat(QLocale::ShortFormat));
    fs.LongTimeFormat = fs.ShortTimeFormat.contains(u's')
        ? fs.ShortTimeFormat
        : QtFormatToPicture(locale.timeFormat(QLocale::LongFormat)).remove(QStringLiteral(" t")).trimmed();
    fs.DateSeparator = SeparatorIn(fs.ShortDateFormat, u'/');
    fs.TimeSeparator = SeparatorIn(fs.ShortTimeFormat, u':');
    fs.TimeAMString = locale.amText();
    fs.TimePMString = locale.pmText();
    for (int m = 1; m <= 12; ++m) {
        fs.ShortMonthNames[m - 1] = locale.monthName(m, QLocale::ShortFormat);
        fs.LongMonthNames[m - 1] = locale.monthName(m, QLocale::LongFormat);
    }
    for (int d = 0; d < 7; ++d) {
        const int qtDay = d == 0 ? 7 : d; // Qt counts Monday as 1 and Sunday as 7
        fs.ShortDayNames[d] = locale.dayName(qtDay, QLocale::ShortFormat);
        fs.LongDayNames[d] = locale.dayName(qtDay, QLocale::LongFormat);
    }
    fs.CurrencyString = locale.currencySymbol(QLocale::CurrencySymbol);
    if (fs.CurrencyString.isEmpty())
        fs.CurrencyString = QStringLiteral("$");
    fs.CurrencyDecimals = 2;
    DeriveCurrencyFormats(locale, fs);
    return fs;
}

TOrvFormatSettings EnglishFormatSettings()
{
    // Spelled out rather than taken from a QLocale, whose names vary between Qt versions.
    TOrvFormatSettings fs;
    fs.DecimalSeparator = u'.';
    fs.ThousandSeparator = u',';
    fs.DateSeparator = u'/';
    fs.TimeSeparator = u':';
    fs.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    fs.LongDateFormat = QStringLiteral("dddd, d mmmm yyyy");
    fs.ShortTimeFormat = QStringLiteral("hh:nn");
    fs.LongTimeFormat = QStringLiteral("hh:nn:ss");
    fs.TimeAMString = QStringLiteral("AM");
    fs.TimePMString = QStringLiteral("PM");
    const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
    const char* const days[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    for (int m = 0; m < 12; ++m) {
        fs.LongMonthNames[m] = QString::fromLatin1(months[m]);
        fs.ShortMonthNames[m] = fs.LongMonthNames[m].left(3);
    }
    for (int d = 0; d < 7; ++d) {
        fs.LongDayNames[d] = QString::fromLatin1(days[d]);
        fs.ShortDayNames[d] = fs.LongDayNames[d].left(3);
    }
    fs.CurrencyString = QStringLiteral("$");
    fs.CurrencyFormat = 0;
    fs.NegCurrFormat = 0;
    fs.CurrencyDecimals = 2;
    return fs;
}

TOrvFormatSettings FormatSettings = FormatSettingsFromLocale(QLocale::system());

} // namespace orv
