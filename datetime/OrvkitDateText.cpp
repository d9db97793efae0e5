#include <orvkit/datetime/OrvkitDateText.h>

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/datetime/OrvkitDateTime.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace orv {

namespace {

enum TOrvDateOrder : uint16_t { doDMY = 0, doMDY = 1, doYMD = 2 };

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool AllDigits(QStringView text)
{
    for (const QChar c : text)
        if (!IsDigit(c))
            return false;
    return !text.isEmpty();
}

bool HasLetter(QStringView text)
{
    for (const QChar c : text)
        if (c.isLetter())
            return true;
    return false;
}

// A run of at most nine ASCII digits.
bool ReadNumber(QStringView text, int64_t& value)
{
    if (!AllDigits(text) || text.size() > 9)
        return false;
    value = 0;
    for (const QChar c : text)
        value = value * 10 + (c.unicode() - u'0');
    return true;
}

template <size_t N>
uint16_t MatchName(const QString& text, const std::array<QString, N>& shortNames, const std::array<QString, N>& longNames)
{
    if (text.isEmpty())
        return 0;
    for (const auto* names : {&shortNames, &longNames})
        for (size_t i = 0; i < N; ++i)
            if (QStringView((*names)[i]).left(text.size()).compare(text, Qt::CaseInsensitive) == 0
                && (*names)[i].size() >= text.size())
                return uint16_t(i + 1);
    return 0;
}

// Replaces the first name of the long list found in the text, else of the short list.
template <size_t N, typename R>
void ReplaceFirstName(QString& text, const std::array<QString, N>& longNames, const std::array<QString, N>& shortNames,
                      R&& replacement)
{
    for (const auto* names : {&longNames, &shortNames})
        for (size_t i = 0; i < N; ++i) {
            const QString& name = (*names)[i];
            const qsizetype at = name.isEmpty() ? -1 : text.indexOf(name, 0, Qt::CaseInsensitive);
            if (at >= 0) {
                text.replace(at, name.size(), replacement(i));
                return;
            }
        }
}

bool IsDateSeparator(QChar c)
{
    switch (c.unicode()) {
    case u'-':
    case u'/':
    case u'\\':
    case u' ':
    case u'.':
    case u',':
        return true;
    default:
        return c == FormatSettings.DateSeparator;
    }
}

int64_t CompleteYear(int64_t year)
{
    if (year >= 100)
        return year;
    const int64_t thisYear = TodayYear();
    switch (GlobalTwoDigitYearMode) {
    case edyCutOff:
        return 1900 + year >= GlobalTwoDigitYearCutOff ? 1900 + year : 2000 + year;
    case edyHistoric:
        return 2000 + year > thisYear ? 1900 + year : 2000 + year;
    case edyNone:
        break;
    }
    // The conversion's own rule: the century that puts the year at most 50 years back.
    const int64_t threshold = thisYear - 50;
    int64_t full = year + threshold / 100 * 100;
    if (full < threshold)
        full += 100;
    return full;
}

// The pieces of a date text, at most three; `tooMany` when there are more.
struct TOrvDateParts {
    std::array<QStringView, 3> fParts;
    int fCount = 0;
    bool fTooMany = false;

    void Add(QStringView part)
    {
        if (fCount < 3)
            fParts[size_t(fCount++)] = part;
        else
            fTooMany = true;
    }
};

TOrvDateParts SplitDigits(QStringView digits, uint16_t order)
{
    TOrvDateParts parts;
    switch (digits.size()) {
    case 4:
        parts.Add(digits.mid(0, 2));
        parts.Add(digits.mid(2, 2));
        break;
    case 6:
        parts.Add(digits.mid(0, 2));
        parts.Add(digits.mid(2, 2));
        parts.Add(digits.mid(4, 2));
        break;
    case 8:
        if (order == doYMD) {
            parts.Add(digits.mid(0, 4));
            parts.Add(digits.mid(4, 2));
            parts.Add(digits.mid(6, 2));
        } else {
            parts.Add(digits.mid(0, 2));
            parts.Add(digits.mid(2, 2));
            parts.Add(digits.mid(4, 4));
        }
        break;
    default:
        parts.Add(digits);
    }
    return parts;
}

// Separators of every kind split the text; runs of them and ones at the ends count once.
TOrvDateParts SplitSeparated(QStringView text)
{
    TOrvDateParts parts;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool separator = i == text.size() || IsDateSeparator(text.at(i));
        if (separator && start >= 0) {
            parts.Add(text.mid(start, i - start));
            start = -1;
        } else if (!separator && start < 0) {
            start = i;
        }
    }
    return parts;
}

// Empty text takes the caller's default; text that leaves nothing to read is 0.
enum TOrvParse { epEmpty, epNothing, epDate, epFailed };

TOrvParse ParseDate(const QString& original, uint16_t order, bool impliedHistoric, TDateTime& result)
{
    QString text = original.trimmed().toUpper();
    if (text.isEmpty())
        return epEmpty;
    if (text.front() == u'+' || text.front() == u'-') {
        Extended days = 0;
        try {
            days = TextToExtended(text.mid(1));
        } catch (const Exception&) {
            return epFailed;
        }
        result = TodayDate() + double(text.front() == u'+' ? days : -days);
        return result >= MinDateDay && result < MaxDateDay + 1.0 ? epDate : epFailed;
    }
    TOrvDateParts parts;
    if (AllDigits(text)) {
        parts = SplitDigits(text, order);
    } else {
        if (HasLetter(text)) {
            const TOrvFormatSettings& fs = FormatSettings;
            ReplaceFirstName(text, fs.LongMonthNames, fs.ShortMonthNames, [](size_t i) { return QString::number(i + 1); });
            ReplaceFirstName(text, fs.LongDayNames, fs.ShortDayNames, [](size_t) { return QStringLiteral(" "); });
        }
        parts = SplitSeparated(text);
    }
    if (parts.fCount == 0)
        return epNothing;
    std::array<int64_t, 3> numbers{};
    for (int i = 0; i < parts.fCount; ++i)
        if (!ReadNumber(parts.fParts[size_t(i)], numbers[size_t(i)]))
            return epFailed;
    if (parts.fTooMany)
        return epFailed;

    // One reading of the clock serves the whole text.
    uint16_t thisYear = 0, thisMonth = 0, today = 0;
    if (parts.fCount < 3)
        SplitDate(NowDateTime(), thisYear, thisMonth, today);
    int64_t year = thisYear, month = thisMonth, day = 0;
    switch (parts.fCount) {
    case 1:
        day = numbers[0];
        break;
    case 2:
        day = numbers[order == doDMY ? 0 : 1];
        month = numbers[order == doDMY ? 1 : 0];
        if (impliedHistoric && (month > thisMonth || (month == thisMonth && day > today)))
            --year;
        break;
    default:
        switch (order) {
        case doMDY:
            month = numbers[0];
            day = numbers[1];
            year = numbers[2];
            break;
        case doYMD:
            year = numbers[0];
            month = numbers[1];
            day = numbers[2];
            break;
        default:
            day = numbers[0];
            month = numbers[1];
            year = numbers[2];
        }
        year = CompleteYear(year);
    }
    return TryMakeDate(year, month, day, result) ? epDate : epFailed;
}

TDateTime DateOrFallback(const QString& text, uint16_t order, bool impliedHistoric, TDateTime fallback)
{
    TDateTime result = 0;
    switch (ParseDate(text, order, impliedHistoric, result)) {
    case epDate:
        return result;
    case epEmpty:
        return fallback;
    case epNothing:
        return 0;
    case epFailed:
        break;
    }
    if (GlobalRaiseDateErrors)
        RaiseDateError(edmInvalidDate, text);
    return fallback;
}

// Cuts the first designator, written-out form or (if allowed and neither was there)
// the designator's first letter out of the text; true when one was cut.
bool CutMarker(QString& text, const QString& designator, const std::array<QLatin1StringView, 3>& forms,
               bool allowFirstLetter)
{
    bool found = false;
    if (!designator.isEmpty()) {
        const qsizetype at = text.indexOf(designator, 0, Qt::CaseInsensitive);
        if (at >= 0) {
            text.remove(at, designator.size());
            found = true;
        }
    }
    for (const QLatin1StringView form : forms) {
        const qsizetype at = text.indexOf(form, 0, Qt::CaseInsensitive);
        if (at >= 0) {
            text.remove(at, form.size());
            found = true;
            break;
        }
    }
    if (!found && allowFirstLetter && !designator.isEmpty()) {
        const qsizetype at = text.indexOf(designator.front(), 0, Qt::CaseInsensitive);
        if (at >= 0) {
            text.remove(at, 1);
            found = true;
        }
    }
    return found;
}

// Reads "h[:m[:s[.f]]]" with the locale's separators, spaces allowed around them.
bool ReadClock(QStringView text, bool am, bool pm, TDateTime& result)
{
    const QChar timeSep = FormatSettings.TimeSeparator;
    const QChar decimal = FormatSettings.DecimalSeparator;
    qsizetype i = 0;
    auto skipSpaces = [&] {
        while (i < text.size() && text.at(i).isSpace())
            ++i;
    };
    auto number = [&](int64_t& value) {
        skipSpaces();
        const qsizetype start = i;
        while (i < text.size() && IsDigit(text.at(i)))
            ++i;
        return ReadNumber(text.mid(start, i - start), value);
    };
    auto take = [&](QChar c) {
        skipSpaces();
        if (i < text.size() && text.at(i) == c) {
            ++i;
            return true;
        }
        return false;
    };
    std::array<int64_t, 3> parts{};
    double fraction = 0;
    if (!number(parts[0]))
        return false;
    for (size_t k = 1; k < 3 && take(timeSep); ++k)
        if (!number(parts[k]))
            return false;
    if (take(decimal)) {
        const qsizetype start = i;
        while (i < text.size() && IsDigit(text.at(i)))
            ++i;
        if (i == start)
            return false;
        double scale = 0.1;
        for (qsizetype k = start; k < i && k < start + 9; ++k, scale /= 10)
            fraction += (text.at(k).unicode() - u'0') * scale;
    }
    skipSpaces();
    if (i != text.size())
        return false;
    int64_t hour = parts[0];
    if (am || pm) {
        if (hour > 12)
            return false;
        if (pm && hour < 12)
            hour += 12;
        else if (!pm && hour == 12)
            hour = 0;
    }
    const auto milli = std::min<int64_t>(std::llround(fraction * 1000), 999);
    if (hour > 23 || parts[1] > 59 || parts[2] > 59)
        return false;
    result = MakeTime(uint16_t(hour), uint16_t(parts[1]), uint16_t(parts[2]), uint16_t(milli));
    return true;
}

TOrvParse ParseTime(const QString& original, bool allowFirstLetter, TDateTime& result)
{
    const TOrvFormatSettings& fs = FormatSettings;
    QString text = original.trimmed();
    if (text.isEmpty())
        return epEmpty;
    const QChar sep = fs.TimeSeparator;
    if (AllDigits(text) && (text.size() == 4 || text.size() == 6)) {
        for (const qsizetype at : {qsizetype(4), qsizetype(2)})
            if (at < text.size())
                text.insert(at, sep);
    }
    static constexpr std::array<QLatin1StringView, 3> kAmForms{QLatin1StringView("am"), QLatin1StringView("a.m."),
                                                               QLatin1StringView("a.m")};
    static constexpr std::array<QLatin1StringView, 3> kPmForms{QLatin1StringView("pm"), QLatin1StringView("p.m."),
                                                               QLatin1StringView("p.m")};
    const bool am = CutMarker(text, fs.TimeAMString, kAmForms, allowFirstLetter);
    const bool pm = CutMarker(text, fs.TimePMString, kPmForms, allowFirstLetter);
    text = text.trimmed();
    int separators = 0;
    for (QChar& c : text) {
        if (c == u'.' || c == u',' || c == u':' || c == sep) {
            c = ++separators == 3 ? fs.DecimalSeparator : sep;
        }
    }
    if (!text.isEmpty() && (text.back() == sep || text.back() == fs.DecimalSeparator))
        text.chop(1);
    if (text.isEmpty())
        return epNothing;
    // 24 o'clock is midnight; "245" is not.
    if (text.startsWith(u"24") && (text.size() == 2 || !IsDigit(text.at(2))))
        text.replace(0, 2, QStringLiteral("0"));
    TDateTime time = 0;
    if (!ReadClock(text, am, pm, time))
        return epFailed;
    result = time;
    return epDate;
}

} // namespace

uint16_t DateOrderOf(const QString& picture)
{
    QString text = picture.toUpper();
    for (const QStringView token : {QStringView(u"DDDD"), QStringView(u"DDD")}) {
        const qsizetype at = text.indexOf(token);
        if (at >= 0)
            text.remove(at, token.size());
    }
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'D':
            return doDMY;
        case u'M':
            return doMDY;
        case u'Y':
        case u'E':
            return doYMD;
        default:
            break;
        }
    }
    return doDMY;
}

uint16_t MonthFromName(const QString& text)
{
    return MatchName(text, FormatSettings.ShortMonthNames, FormatSettings.LongMonthNames);
}

uint16_t DayFromName(const QString& text)
{
    return MatchName(text, FormatSettings.ShortDayNames, FormatSettings.LongDayNames);
}

uint16_t CompleteTwoDigitYear(uint16_t year)
{
    return uint16_t(CompleteYear(year));
}

TDateTime TextToDate(const QString& text, bool impliedHistoric)
{
    return DateOrFallback(text, DateOrderOf(FormatSettings.ShortDateFormat), impliedHistoric, 0);
}

TDateTime TextToDateDef(const QString& text, TDateTime defaultValue)
{
    return DateOrFallback(text, DateOrderOf(FormatSettings.ShortDateFormat), false, defaultValue);
}

TDateTime TextToDateFmt(const QString& text, const QString& picture)
{
    return DateOrFallback(text, DateOrderOf(picture), false, 0);
}

TDateTime TextToDateFmtDef(const QString& text, const QString& picture, TDateTime defaultValue)
{
    return DateOrFallback(text, DateOrderOf(picture), false, defaultValue);
}

TDateTime YYYYMMDDToDate(const QString& text)
{
    if (text.size() < 8)
        RaiseDateError(edmInvalidDate);
    const QString digits = text.trimmed();
    TDateTime result = 0;
    if (!TryMakeDate(TextToInt32(digits.mid(0, 4)), TextToInt32(digits.mid(4, 2)), TextToInt32(digits.mid(6, 2)),
                     result))
        RaiseDateError(edmInvalidDate);
    return result;
}

TDateTime TextToTime(const QString& text, bool allowFirstLetter)
{
    return TextToTimeDef(text, allowFirstLetter, 0);
}

TDateTime TextToTimeDef(const QString& text, bool allowFirstLetter, TDateTime defaultValue)
{
    TDateTime result = 0;
    switch (ParseTime(text, allowFirstLetter, result)) {
    case epDate:
        return result;
    case epEmpty:
        return defaultValue;
    case epNothing:
        return 0;
    case epFailed:
        break;
    }
    if (GlobalRaiseDateErrors)
        RaiseDateError(edmInvalidTime, text);
    return defaultValue;
}

} // namespace orv
