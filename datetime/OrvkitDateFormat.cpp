#include <orvkit/datetime/OrvkitDateFormat.h>

#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/datetime/OrvkitDateTime.h>

#include <cmath>

namespace orv {

namespace {

constexpr double kOneMillisecond = 1.0 / 86400000.0;
constexpr int kMaxNesting = 2; // ddddd, dddddd, c and t may name pictures that name pictures

char16_t Upper(QChar c)
{
    const char16_t u = c.unicode();
    return u >= u'a' && u <= u'z' ? char16_t(u - 32) : u;
}

void AppendNumber(QString& out, unsigned value, int width)
{
    char16_t digits[10];
    int n = 0;
    do {
        digits[n++] = char16_t(u'0' + value % 10);
        value /= 10;
    } while (value != 0 && n < 10);
    for (int i = n; i < width; ++i)
        out += u'0';
    while (n > 0)
        out += QChar(digits[--n]);
}

bool StartsWithNoCase(const QString& text, qsizetype at, QLatin1StringView token)
{
    return QStringView(text).mid(at, token.size()).compare(token, Qt::CaseInsensitive) == 0;
}

struct TOrvDecoded {
    uint16_t fYear = 0, fMonth = 0, fDay = 0, fDayOfWeek = 0;
    uint16_t fHour = 0, fMinute = 0, fSecond = 0, fMilli = 0;
    bool fHasTime = false;
};

class TOrvPictureFormatter {
public:
    TOrvPictureFormatter(const TOrvDecoded& parts, QString& out) : fParts(parts), fOut(out) {}

    void Format(const QString& picture, int depth)
    {
        const TOrvFormatSettings& fs = FormatSettings;
        char16_t lastToken = 0;
        qsizetype i = 0;
        const qsizetype size = picture.size();
        while (i < size) {
            const QChar c = picture.at(i);
            char16_t token = Upper(c);
            if (token == u'\'' || token == u'"') {
                const qsizetype close = picture.indexOf(c, i + 1);
                const qsizetype end = close < 0 ? size : close;
                fOut += QStringView(picture).mid(i + 1, end - i - 1);
                i = end + 1;
                continue;
            }
            if (token >= u'A' && token <= u'Z') {
                if (token == u'M' && lastToken == u'H')
                    token = u'N';
                lastToken = token;
            }
            qsizetype count = 1;
            while (i + count < size && Upper(picture.at(i + count)) == Upper(c))
                ++count;
            switch (token) {
            case u'Y':
                if (count <= 2)
                    AppendNumber(fOut, fParts.fYear % 100, 2);
                else
                    AppendNumber(fOut, fParts.fYear, 4);
                break;
            case u'M':
                if (count <= 2)
                    AppendNumber(fOut, fParts.fMonth, int(count));
                else
                    fOut += (count == 3 ? fs.ShortMonthNames : fs.LongMonthNames)[fParts.fMonth - 1];
                break;
            case u'D':
                if (count <= 2)
                    AppendNumber(fOut, fParts.fDay, int(count));
                else if (count <= 4)
                    fOut += (count == 3 ? fs.ShortDayNames : fs.LongDayNames)[fParts.fDayOfWeek - 1];
                else if (depth < kMaxNesting)
                    Format(count == 5 ? fs.ShortDateFormat : fs.LongDateFormat, depth + 1);
                break;
            case u'H': {
                unsigned hour = fParts.fHour;
                if (TwelveHourAfter(picture, i + count)) {
                    hour %= 12;
                    if (hour == 0)
                        hour = 12;
                }
                AppendNumber(fOut, hour, count >= 2 ? 2 : 1);
                break;
            }
            case u'N':
                AppendNumber(fOut, fParts.fMinute, count >= 2 ? 2 : 1);
                break;
            case u'S':
                AppendNumber(fOut, fParts.fSecond, count >= 2 ? 2 : 1);
                break;
            case u'Z':
                AppendNumber(fOut, fParts.fMilli, count >= 3 ? 3 : 1);
                break;
            case u'T':
                if (depth < kMaxNesting)
                    Format(count == 1 ? fs.ShortTimeFormat : fs.LongTimeFormat, depth + 1);
                break;
            case u'C':
                if (depth < kMaxNesting) {
                    Format(fs.ShortDateFormat, depth + 1);
                    if (fParts.fHasTime) {
                        fOut += u' ';
                        Format(fs.LongTimeFormat, depth + 1);
                    }
                }
                break;
            case u'A':
                count = Designator(picture, i);
                break;
            case u'/':
                fOut += fs.DateSeparator;
                count = 1;
                break;
            case u':':
                fOut += fs.TimeSeparator;
                count = 1;
                break;
            default:
                fOut += QStringView(picture).mid(i, count);
            }
            i += count;
        }
    }

private:
    // The hour is 12-based when the next letter token after it, outside quotes, is an
    // AM/PM token; another hour token ends the search.
    static bool TwelveHourAfter(const QString& picture, qsizetype from)
    {
        QChar quote;
        for (qsizetype i = from; i < picture.size(); ++i) {
            const QChar c = picture.at(i);
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
                continue;
            }
            const char16_t u = Upper(c);
            if (c == u'\'' || c == u'"')
                quote = c;
            else if (u == u'A')
                return StartsWithNoCase(picture, i, QLatin1StringView("AM/PM"))
                    || StartsWithNoCase(picture, i, QLatin1StringView("A/P"))
                    || StartsWithNoCase(picture, i, QLatin1StringView("AMPM"));
            else if (u == u'H')
                return false;
        }
        return false;
    }

    // Writes an AM/PM token at `at`; returns how many picture characters it took.
    qsizetype Designator(const QString& picture, qsizetype at)
    {
        const bool pm = fParts.fHour >= 12;
        if (StartsWithNoCase(picture, at, QLatin1StringView("AM/PM"))) {
            fOut += QStringView(picture).mid(at + (pm ? 3 : 0), 2);
            return 5;
        }
        if (StartsWithNoCase(picture, at, QLatin1StringView("A/P"))) {
            fOut += picture.at(at + (pm ? 2 : 0));
            return 3;
        }
        if (StartsWithNoCase(picture, at, QLatin1StringView("AMPM"))) {
            fOut += pm ? FormatSettings.TimePMString : FormatSettings.TimeAMString;
            return 4;
        }
        fOut += picture.at(at);
        return 1;
    }

    const TOrvDecoded& fParts;
    QString& fOut;
};

TOrvDecoded Decode(TDateTime value)
{
    TOrvDecoded parts;
    SplitTime(value, parts.fHour, parts.fMinute, parts.fSecond, parts.fMilli);
    SplitDate(value, parts.fYear, parts.fMonth, parts.fDay);
    if (parts.fYear == 0)
        RaiseDateError(edmInvalidDateTime);
    parts.fDayOfWeek = DateDayOfWeek(value);
    parts.fHasTime = parts.fHour != 0 || parts.fMinute != 0 || parts.fSecond != 0 || parts.fMilli != 0;
    return parts;
}

// Runs a formatting step under the blank and failure rules.
template <typename F>
QString Guarded(TDateTime value, double blankBelow, F&& build)
{
    if (GlobalBlankWhenZero && std::fabs(value) < blankBelow)
        return QString();
    try {
        return build();
    } catch (const Exception&) {
        if (GlobalRaiseDateErrors)
            throw;
        return QString();
    }
}

} // namespace

QString FormatDateTimePicture(const QString& picture, TDateTime value)
{
    const TOrvDecoded parts = Decode(value);
    QString out;
    out.reserve(picture.size() + 16);
    TOrvPictureFormatter(parts, out).Format(picture, 0);
    return out;
}

QString DateToText(TDateTime value)
{
    return DateToFormatText(FormatSettings.ShortDateFormat, value);
}

QString DateToFormatText(const QString& picture, TDateTime value)
{
    return Guarded(value, kOneMillisecond, [&] { return FormatDateTimePicture(picture, value); });
}

QString DateToYYYYMMDD(TDateTime value)
{
    return DateToFormatText(QStringLiteral("YYYYMMDD"), value);
}

QString TimeToShortText(TDateTime value)
{
    return Guarded(value, kOneMillisecond, [&] {
        uint16_t hour = 0, minute = 0, second = 0, milli = 0;
        SplitTime(value, hour, minute, second, milli);
        QString out;
        out.reserve(5);
        AppendNumber(out, hour, 1);
        out += FormatSettings.TimeSeparator;
        AppendNumber(out, minute, 2);
        return out;
    });
}

QString TimeToFormatText(const QString& picture, TDateTime value)
{
    return Guarded(value, 0.000001, [&] { return FormatDateTimePicture(picture, value); });
}

QString DateTimeToText(TDateTime value)
{
    const QString date = DateToText(value);
    const QString time = TimeToShortText(value);
    return date.isEmpty() && time.isEmpty() ? QString() : date + u' ' + time;
}

} // namespace orv
