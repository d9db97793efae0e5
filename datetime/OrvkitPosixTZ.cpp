#include <orvkit/datetime/OrvkitPosixTZ.h>

namespace orv {

namespace {

// A cursor over the rule text; every read checks the end.
class TOrvRuleReader {
public:
    explicit TOrvRuleReader(const QString& text) : fText(text) {}

    bool AtEnd() const { return fPos >= fText.size(); }
    QChar Peek() const { return AtEnd() ? QChar() : fText.at(fPos); }
    bool Take(QChar c)
    {
        if (Peek() != c || AtEnd())
            return false;
        ++fPos;
        return true;
    }

    bool Name(QString& name)
    {
        const qsizetype start = fPos;
        if (Take(u'<')) {
            while (!AtEnd() && (IsAsciiAlnum(Peek()) || Peek() == u'+' || Peek() == u'-'))
                ++fPos;
            name = fText.mid(start + 1, fPos - start - 1);
            return Take(u'>') && name.size() >= 3;
        }
        while (!AtEnd() && IsAsciiLetter(Peek()))
            ++fPos;
        name = fText.mid(start, fPos - start);
        return name.size() >= 3;
    }

    /// [+-]hh[:mm[:ss]] in seconds, hours up to `maxHours`.
    bool Duration(int32_t maxHours, int32_t& seconds)
    {
        const bool negative = Peek() == u'-';
        if (negative || Peek() == u'+')
            ++fPos;
        int32_t hours = 0, minutes = 0, secs = 0;
        if (!Number(3, hours) || hours > maxHours)
            return false;
        if (Take(u':') && (!Number(2, minutes) || minutes > 59 || (Take(u':') && (!Number(2, secs) || secs > 59))))
            return false;
        seconds = hours * 3600 + minutes * 60 + secs;
        if (negative)
            seconds = -seconds;
        return true;
    }

    bool Number(int maxDigits, int32_t& value)
    {
        value = 0;
        int digits = 0;
        while (!AtEnd() && Peek() >= u'0' && Peek() <= u'9') {
            if (++digits > maxDigits)
                return false;
            value = value * 10 + (Peek().unicode() - u'0');
            ++fPos;
        }
        return digits > 0;
    }

    bool Date(TOrvPosixDate& date)
    {
        date = TOrvPosixDate();
        if (Take(u'M')) {
            date.fKind = TOrvPosixDate::pdMonthWeekDay;
            if (!Number(2, date.fMonth) || date.fMonth < 1 || date.fMonth > 12 || !Take(u'.')
                || !Number(1, date.fWeek) || date.fWeek < 1 || date.fWeek > 5 || !Take(u'.')
                || !Number(1, date.fWeekDay) || date.fWeekDay > 6)
                return false;
        } else if (Take(u'J')) {
            date.fKind = TOrvPosixDate::pdJulianNoLeap;
            if (!Number(3, date.fDayOfYear) || date.fDayOfYear < 1 || date.fDayOfYear > 365)
                return false;
        } else {
            date.fKind = TOrvPosixDate::pdJulianZero;
            if (!Number(3, date.fDayOfYear) || date.fDayOfYear > 365)
                return false;
        }
        return !Take(u'/') || Duration(167, date.fTime);
    }

private:
    static bool IsAsciiLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
    static bool IsAsciiAlnum(QChar c) { return IsAsciiLetter(c) || (c >= u'0' && c <= u'9'); }

    const QString& fText;
    qsizetype fPos = 0;
};

bool Parse(const QString& text, TOrvPosixTZ& rule)
{
    TOrvRuleReader reader(text);
    if (!reader.Name(rule.fStdName) || !reader.Duration(24, rule.fStdOffset))
        return false;
    if (reader.AtEnd())
        return true;
    rule.fHasDst = true;
    if (!reader.Name(rule.fDstName))
        return false;
    rule.fDstOffset = rule.fStdOffset - 3600;
    if (!reader.AtEnd() && reader.Peek() != u',' && !reader.Duration(24, rule.fDstOffset))
        return false;
    if (reader.AtEnd()) {
        rule.fDstStart.fMonth = 3;
        rule.fDstStart.fWeek = 2;
        rule.fDstEnd.fMonth = 11;
        rule.fDstEnd.fWeek = 1;
        return true;
    }
    return reader.Take(u',') && reader.Date(rule.fDstStart) && reader.Take(u',') && reader.Date(rule.fDstEnd)
        && reader.AtEnd();
}

} // namespace

bool ParsePosixTZ(const QString& text, TOrvPosixTZ& rule)
{
    rule = TOrvPosixTZ();
    if (Parse(text, rule))
        return true;
    rule = TOrvPosixTZ();
    return false;
}

} // namespace orv
