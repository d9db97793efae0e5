#include <orvkit/core/OrvkitPositionConversions.h>

#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/core/OrvkitMath.h>

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace orv {

namespace {

constexpr const char* kContext = "OrvkitPositionConversions";
constexpr const char* kDegreesText = QT_TRANSLATE_NOOP("OrvkitPositionConversions", "\xC2\xB0");
constexpr const char* kMinutesText = QT_TRANSLATE_NOOP("OrvkitPositionConversions", "'");
constexpr const char* kSecondsText = QT_TRANSLATE_NOOP("OrvkitPositionConversions", "\"");

constexpr char16_t kDegreeSign = 0x00B0;

QString Unit(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

// Writes the parts of one angle text under the caller's switches.
class TDMSWriter {
public:
    TDMSWriter(uint8_t decimals, bool trimZeroes, bool leadingZeroes)
        : fDecimals(decimals), fTrimZeroes(trimZeroes), fLeadingZeroes(leadingZeroes)
    {
    }

    QString Number(Extended value) const
    {
        return fTrimZeroes ? FloatToTrimmedText(value, fDecimals) : FloatToFixedText(value, fDecimals);
    }

    // The last, decimal part; `carried` when it rounded to 60 and was written as 0.
    QString LastPart(Extended value, bool& carried) const
    {
        const TOrvScopedValue noPlus(GlobalShowPosSign, false);
        QString text = Number(value);
        carried = text == (fTrimZeroes ? QStringLiteral("60") : Number(60.0L));
        if (carried) {
            if (fTrimZeroes)
                return fLeadingZeroes ? QStringLiteral("00") : QStringLiteral("0");
            text = Number(0.0L);
            return fLeadingZeroes ? QLatin1Char('0') + text : text;
        }
        if (fLeadingZeroes && (text.size() == 1 || (text.size() > 1 && text.at(1) == FormatSettings.DecimalSeparator)))
            text.prepend(u'0');
        return text;
    }

    QString WholeMinutes(Extended minutes) const
    {
        const TOrvScopedValue noPlus(GlobalShowPosSign, false);
        QString text = FloatToFixedText(minutes, 0);
        if (fLeadingZeroes && text.size() < 2)
            text.prepend(u'0');
        return text;
    }

    // Whole degrees. A negative angle with no whole degrees is written -0, unless the
    // parts after it show nothing either: like a fixed text, a value that rounds to
    // nothing has no sign.
    static QString WholeDegrees(Extended whole, bool negative, const QString& rest)
    {
        if (whole == 0.0L && negative && !ShowsZero(rest))
            return QLatin1Char('-') + FloatToFixedText(0.0L, 0);
        return FloatToFixedText(whole, 0);
    }

    static bool ShowsZero(const QString& text)
    {
        return std::none_of(text.begin(), text.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
    }

private:
    uint8_t fDecimals;
    bool fTrimZeroes;
    bool fLeadingZeroes;
};

// Moves whole degrees one unit away from zero.
Extended AwayFromZero(Extended whole, bool negative)
{
    return negative ? whole - 1.0L : whole + 1.0L;
}

// Replaces the first occurrence of a unit by its marker; only the unit's first
// character is consumed, the rest of a longer unit text is skipped by the scan.
void MarkUnit(QString& text, const QString& unit, QChar marker)
{
    if (unit.isEmpty())
        return;
    const qsizetype at = text.indexOf(unit);
    if (at < 0)
        return;
    text = text.left(at).trimmed() + marker + text.mid(at + 1).trimmed();
}

bool IsNumberChar(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == FormatSettings.ThousandSeparator
        || c == FormatSettings.DecimalSeparator;
}

} // namespace

QString DegreesSuffix = Unit(kDegreesText);
QString MinutesSuffix = Unit(kMinutesText);
QString SecondsSuffix = Unit(kSecondsText);

void LoadAngleUnitTexts()
{
    DegreesSuffix = Unit(kDegreesText);
    MinutesSuffix = Unit(kMinutesText);
    SecondsSuffix = Unit(kSecondsText);
}

QString DegreesToDMSText(TOrvDMSType form, uint8_t decimals, bool trimZeroes, bool leadingZeroes,
                         bool spaceUnits, Extended degrees)
{
    if (GlobalBlankWhenZero && FloatIsZero(degrees))
        return QString();
    const TOrvScopedValue noBlank(GlobalBlankWhenZero, false);
    const TDMSWriter writer(decimals, trimZeroes, leadingZeroes);
    const QString gap = spaceUnits ? QStringLiteral(" ") : QString();
    const bool negative = FloatIsNegative(degrees);

    switch (form) {
    case ddFloat: return writer.Number(degrees);
    case ddD: return writer.Number(degrees) + DegreesSuffix;
    case ddDM: {
        Extended whole = std::trunc(degrees);
        bool carried = false;
        const QString minutes = writer.LastPart(std::fabs(degrees - whole) * 60.0L, carried);
        if (carried)
            whole = AwayFromZero(whole, negative);
        return TDMSWriter::WholeDegrees(whole, negative, minutes) + DegreesSuffix + gap + minutes + MinutesSuffix;
    }
    case ddDMS: break;
    }

    Extended whole = std::trunc(degrees);
    const Extended r = std::fabs(degrees - whole) * 60.0L;
    Extended minutes = std::trunc(r);
    bool carried = false;
    const QString seconds = writer.LastPart((r - minutes) * 60.0L, carried);
    if (carried)
        minutes += 1.0L;
    if (minutes >= 60.0L) {
        minutes -= 60.0L;
        whole = AwayFromZero(whole, negative);
    }
    const QString minutesText = writer.WholeMinutes(minutes);
    return TDMSWriter::WholeDegrees(whole, negative, minutesText + seconds) + DegreesSuffix + gap + minutesText
        + MinutesSuffix + gap + seconds + SecondsSuffix;
}

Extended DMSTextToDegrees(const QString& text)
{
    QString t = LowerText(text.trimmed());
    MarkUnit(t, LowerText(DegreesSuffix), u'D');
    MarkUnit(t, QString(QChar(kDegreeSign)), u'D');
    MarkUnit(t, LowerText(MinutesSuffix), u'M');
    MarkUnit(t, QStringLiteral("'"), u'M');
    MarkUnit(t, LowerText(SecondsSuffix), u'S');
    MarkUnit(t, QStringLiteral("\""), u'S');

    Extended sum = 0.0L;
    QString buffer;
    int stage = 0;
    bool negative = false;
    const auto takeDegrees = [&] {
        sum += TextToExtended(buffer);
        // "-0" degrees still makes the angle negative.
        negative = sum < 0.0L || (sum == 0.0L && buffer.contains(u'-'));
        buffer.clear();
        stage = 1;
    };
    const auto takePart = [&](Extended divisor, int nextStage) {
        const Extended part = TextToExtended(buffer) / divisor;
        sum += negative ? -std::fabs(part) : part;
        buffer.clear();
        stage = nextStage;
    };

    for (const QChar c : t) {
        if (IsNumberChar(c)) {
            buffer += c;
            continue;
        }
        const bool separator = c == u' ' || c == u'/' || c == u':';
        if (c == u'D' || (separator && stage == 0)) {
            if (!buffer.isEmpty())
                takeDegrees();
        } else if (c == u'M' || (separator && stage == 1)) {
            if (!buffer.isEmpty())
                takePart(60.0L, 2);
        } else if (c == u'S' || (separator && stage == 2)) {
            if (!buffer.isEmpty())
                takePart(3600.0L, 3);
        }
    }
    if (!buffer.isEmpty()) {
        if (stage == 0)
            takeDegrees();
        else if (stage == 1)
            takePart(60.0L, 2);
        else if (stage == 2)
            takePart(3600.0L, 3);
    }
    return sum;
}

} // namespace orv
