#include <orvkit/datetime/OrvkitXML.h>

#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/datetime/OrvkitDateText.h>
#include <orvkit/datetime/OrvkitDateTime.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

namespace orv {

namespace {

constexpr int kIndentWidth = 3;
constexpr char32_t kMaxCodePoint = 0x10FFFF;
// A byte that is not part of valid UTF-8 is kept as a lone low surrogate U+DC80..U+DCFF,
// which valid UTF-8 can never produce, and written back as the byte it came from.
constexpr char16_t kByteEscape = 0xDC00;

enum TOrvXMLMessage { exmCannotRead, exmCannotWrite };

[[noreturn]] void RaiseFileError(TOrvXMLMessage message, const QString& fileName, const QString& reason)
{
    static const char* const kTexts[] = {
        QT_TRANSLATE_NOOP("OrvkitXML", "Cannot read the file %1: %2"),
        QT_TRANSLATE_NOOP("OrvkitXML", "Cannot write the file %1: %2"),
    };
    throw Exception(QCoreApplication::translate("OrvkitXML", kTexts[message]).arg(fileName, reason));
}

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool NeedsReference(char16_t u)
{
    // Line breaks and other control characters would break the one-line value, so they are
    // written as references too; old readers decode those short references as well.
    return u > 159 || u < 32 || u == u'"' || u == u'&' || u == u'<' || u == u'>';
}

void AppendCodePoint(QString& out, char32_t code)
{
    if (QChar::requiresSurrogates(code)) {
        out.append(QChar(QChar::highSurrogate(code)));
        out.append(QChar(QChar::lowSurrogate(code)));
    } else {
        out.append(QChar(static_cast<char16_t>(code)));
    }
}

// Strict UTF-8 (no overlong forms, no surrogates); anything else byte by byte as escapes.
// No byte sequence gives more UTF-16 units than it has bytes.
QString DecodeLine(const char* bytes, qsizetype size)
{
    QString out(size, Qt::Uninitialized);
    char16_t* const begin = reinterpret_cast<char16_t*>(out.data());
    char16_t* to = begin;
    qsizetype i = 0;
    while (i < size) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            *to++ = lead;
            ++i;
            continue;
        }
        qsizetype length = 0;
        char32_t code = 0;
        char32_t least = 0;
        if ((lead & 0xE0) == 0xC0) {
            length = 2, code = lead & 0x1Fu, least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, code = lead & 0x0Fu, least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, code = lead & 0x07u, least = 0x10000;
        }
        bool valid = length > 0 && size - i >= length;
        for (qsizetype k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3Fu);
        }
        valid = valid && code >= least && code <= kMaxCodePoint && !QChar::isSurrogate(code);
        if (!valid) {
            *to++ = char16_t(kByteEscape + lead);
            ++i;
        } else if (QChar::requiresSurrogates(code)) {
            *to++ = QChar::highSurrogate(code);
            *to++ = QChar::lowSurrogate(code);
            i += length;
        } else {
            *to++ = char16_t(code);
            i += length;
        }
    }
    out.truncate(to - begin);
    return out;
}

void AppendEncodedLine(QByteArray& out, const QString& line)
{
    const qsizetype size = line.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t u = line[i].unicode();
        char32_t code = u;
        if (QChar::isHighSurrogate(u) && i + 1 < size && line[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(u, line[i + 1].unicode());
            ++i;
        } else if (u >= kByteEscape + 0x80 && u <= kByteEscape + 0xFF) {
            out.append(static_cast<char>(u - kByteEscape));
            continue;
        } else if (QChar::isSurrogate(u)) {
            code = QChar::ReplacementCharacter;
        }
        if (code < 0x80) {
            out.append(static_cast<char>(code));
        } else if (code < 0x800) {
            out.append(static_cast<char>(0xC0 | (code >> 6)));
            out.append(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.append(static_cast<char>(0xE0 | (code >> 12)));
            out.append(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.append(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.append(static_cast<char>(0xF0 | (code >> 18)));
            out.append(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.append(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.append(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
}

QString OpeningTag(const QString& token)
{
    return u'<' + token + u'>';
}

QString ClosingTag(const QString& token)
{
    return QStringLiteral("</") + token + u'>';
}

/// Where "<token>" (or "</token>") begins in the line at or after `from`, else -1. Looking
/// at each "<" is much cheaper than a substring search for these short lines and tags.
qsizetype FindTag(QStringView line, QStringView token, bool closing, qsizetype from = 0)
{
    const qsizetype nameAt = closing ? 2 : 1;
    const qsizetype length = token.size() + nameAt + 1;
    const char16_t* const text = line.utf16();
    for (qsizetype at = std::max<qsizetype>(from, 0); line.size() - at >= length; ++at) {
        if (text[at] == u'<' && (!closing || text[at + 1] == u'/') && text[at + length - 1] == u'>' &&
            line.sliced(at + nameAt, token.size()) == token)
            return at;
    }
    return -1;
}

qsizetype TagLength(QStringView token, bool closing)
{
    return token.size() + (closing ? 3 : 2);
}

QString Indent(int level)
{
    return QString(std::max(level, 0) * kIndentWidth, u' ');
}

QByteArray ReadFileContent(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        RaiseFileError(exmCannotRead, fileName, file.errorString());
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        RaiseFileError(exmCannotRead, fileName, file.errorString());
    return content;
}

} // namespace

QString XMLEncode(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (NeedsReference(c.unicode())) {
            out += QStringLiteral("&#");
            out += QString::number(c.unicode());
            out += u';';
        } else {
            out += c;
        }
    }
    return out;
}

QString XMLDecode(const QString& text)
{
    QString out;
    out.reserve(text.size());
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        if (text[i] != u'&' || i + 1 >= size || text[i + 1] != u'#') {
            out.append(text[i]);
            ++i;
            continue;
        }
        qsizetype j = i + 2;
        char32_t code = 0;
        bool tooLarge = false;
        for (; j < size && IsAsciiDigit(text[j]); ++j) {
            if (!tooLarge) {
                code = code * 10 + static_cast<char32_t>(text[j].unicode() - u'0');
                tooLarge = code > kMaxCodePoint;
            }
        }
        if (j > i + 2 && j < size && text[j] == u';' && !tooLarge) {
            AppendCodePoint(out, code);
            i = j + 1;
        } else {
            i += 2;
        }
    }
    return out;
}

TOrvXML::TOrvXML(const QString& fileName)
{
    SetFileName(fileName, false);
    MoveToStart();
}

void TOrvXML::SetFileName(const QString& fileName, bool save)
{
    if (save)
        SaveFile();
    const bool exists = !fileName.isEmpty() && QFileInfo::exists(fileName);
    // Read before anything changes, so a file that cannot be read leaves this one as it was.
    if (exists)
        SetContent(ReadFileContent(fileName));
    fFName = fileName;
    fNewFile = !exists;
    fConnected = true;
}

void TOrvXML::SaveFile() const
{
    if (fFName.isEmpty())
        return;
    const QByteArray content = Content();
    QSaveFile file(fFName);
    if (!file.open(QIODevice::WriteOnly))
        RaiseFileError(exmCannotWrite, fFName, file.errorString());
    if (file.write(content) != content.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        RaiseFileError(exmCannotWrite, fFName, reason);
    }
    if (!file.commit())
        RaiseFileError(exmCannotWrite, fFName, file.errorString());
}

void TOrvXML::InitializeFile()
{
    fTS = QStringList{QStringLiteral("<?xml version=\"1.0\"?>"), QString(), QStringLiteral("<Root_Element>"),
                      QStringLiteral("</Root_Element>")};
    fFinalBreak = true;
    fCurrentLine = 3;
    fCurrentPos = 0;
}

void TOrvXML::MoveToStart()
{
    fCurrentLine = 0;
    fCurrentPos = 0;
}

void TOrvXML::SetCurrentLine(int line)
{
    fCurrentLine = std::clamp(line, 0, LineCount());
    fCurrentPos = 0;
}

void TOrvXML::GetNextTokenRange(const QString& token, int& startLine, int& endLine) const
{
    startLine = -1;
    endLine = -1;
    if (!fConnected)
        return;
    const int count = LineCount();
    for (int i = std::max(fCurrentLine, 0); i < count; ++i) {
        const qsizetype at = FindTag(fTS[i], token, false);
        if (at < 0)
            continue;
        startLine = i;
        if (FindTag(fTS[i], token, true, at + TagLength(token, false)) >= 0) {
            endLine = i;
            return;
        }
        break;
    }
    if (startLine < 0)
        return;
    for (int i = startLine + 1; i < count; ++i) {
        if (FindTag(fTS[i], token, true) >= 0) {
            endLine = i;
            return;
        }
    }
}

QString TOrvXML::GetFirstValue(const QString& token, int startLine, int endLine) const
{
    const int last = std::min(endLine, LineCount() - 1);
    for (int i = std::max(startLine, 0); i <= last; ++i) {
        const QString& line = fTS[i];
        const qsizetype open = FindTag(line, token, false);
        const qsizetype close = FindTag(line, token, true);
        if (open < 0 && close < 0)
            continue;
        if (open < 0 || close < 0)
            return QString();
        const qsizetype from = open + TagLength(token, false);
        const qsizetype to = FindTag(line, token, true, from);
        return to < 0 ? QString() : XMLDecode(line.mid(from, to - from));
    }
    return QString();
}

void TOrvXML::RemoveTokenRange(const QString& /*token*/, int startLine, int endLine)
{
    if (startLine < 0 || startLine > endLine || endLine >= LineCount())
        return;
    fTS.remove(startLine, endLine - startLine + 1);
    fCurrentLine = std::min(fCurrentLine, LineCount());
}

void TOrvXML::InsertLine(const QString& line)
{
    fCurrentLine = std::clamp(fCurrentLine, 0, LineCount());
    fTS.insert(fCurrentLine, line);
    ++fCurrentLine;
}

void TOrvXML::PutStartToken(const QString& token, int indentLevel)
{
    InsertLine(Indent(indentLevel) + OpeningTag(token));
}

void TOrvXML::PutEndToken(const QString& token, int indentLevel)
{
    InsertLine(Indent(indentLevel) + ClosingTag(token));
}

void TOrvXML::PutValue(const QString& token, const QString& value, int indentLevel)
{
    InsertLine(Indent(indentLevel) + OpeningTag(token) + XMLEncode(value) + ClosingTag(token));
}

void TOrvXML::PutLine(const QString& line)
{
    InsertLine(line);
}

void TOrvXML::SetContent(const QByteArray& content)
{
    fTS.clear();
    const char* const data = content.constData();
    const qsizetype size = content.size();
    qsizetype breaks = 0;
    qsizetype crBreaks = 0;
    for (qsizetype start = 0; start < size;) {
        const void* found = std::memchr(data + start, '\n', static_cast<size_t>(size - start));
        const qsizetype end = found ? static_cast<const char*>(found) - data : size;
        if (found) {
            ++breaks;
            if (end > start && data[end - 1] == '\r')
                ++crBreaks;
        }
        fTS.append(DecodeLine(data + start, end - start));
        start = end + 1;
    }
    fFinalBreak = size == 0 || data[size - 1] == '\n';
    // Only a file whose every line ends in CR LF is taken as a CR LF file; in any other
    // the carriage returns stay part of their lines and so are written back as they were.
    fCrLf = breaks > 0 && crBreaks == breaks;
    if (fCrLf) {
        const qsizetype terminated = fFinalBreak ? fTS.size() : fTS.size() - 1;
        for (qsizetype i = 0; i < terminated; ++i)
            fTS[i].chop(1);
    }
    fNewFile = false;
    fConnected = true;
    MoveToStart();
}

QByteArray TOrvXML::Content() const
{
    const QByteArray lineBreak = fCrLf ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
    QByteArray out;
    const qsizetype count = fTS.size();
    for (qsizetype i = 0; i < count; ++i) {
        AppendEncodedLine(out, fTS[i]);
        if (i + 1 < count || fFinalBreak)
            out.append(lineBreak);
    }
    return out;
}

// The holiday file.

namespace {

const QString kBlockToken = QStringLiteral("OrvHolidays");
const QString kHolidayToken = QStringLiteral("Holiday");
const QString kDescriptionToken = QStringLiteral("Description");
const QString kDateToken = QStringLiteral("Date");
const QString kNonWorkingToken = QStringLiteral("Non-Working");

TDateTime HolidayDateFrom(const QString& text)
{
    try {
        return YYYYMMDDToDate(text);
    } catch (const Exception&) {
        return TodayDate();
    }
}

void ReadHolidayBlock(TOrvHolidayList& list, TOrvXML& xml)
{
    xml.MoveToStart();
    int blockStart = -1;
    int blockEnd = -1;
    xml.GetNextTokenRange(kBlockToken, blockStart, blockEnd);
    if (blockStart < 0)
        return;
    // A file cut short keeps the holidays that are complete.
    if (blockEnd < 0)
        blockEnd = xml.LineCount() - 1;
    xml.SetCurrentLine(blockStart);
    for (;;) {
        int start = -1;
        int end = -1;
        xml.GetNextTokenRange(kHolidayToken, start, end);
        if (start < 0 || end < start || start < blockStart || end > blockEnd)
            return;
        // A holiday on one line must not be found again.
        xml.SetCurrentLine(end > start ? end : end + 1);
        TOrvHolidayRec record;
        record.Desc = xml.GetFirstValue(kDescriptionToken, start, end);
        record.HolDate = HolidayDateFrom(xml.GetFirstValue(kDateToken, start, end));
        record.NonWorkingDay = xml.GetFirstValue(kNonWorkingToken, start, end).startsWith(u'Y');
        list.push_back(std::move(record));
    }
}

/// Eight digits YYYYMMDD, or empty for a value outside the calendar's range.
QString HolidayDateText(TDateTime date)
{
    uint16_t year = 0;
    uint16_t month = 0;
    uint16_t day = 0;
    SplitDate(date, year, month, day);
    if (year == 0)
        return QString();
    return QStringLiteral("%1%2%3")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

void WriteHolidayBlock(TOrvXML& xml, const TOrvHolidayList& list)
{
    xml.PutStartToken(kBlockToken, 1);
    for (const TOrvHolidayRec& record : list) {
        if (record.Deleted)
            continue;
        xml.PutStartToken(kHolidayToken, 2);
        if (!record.Desc.isEmpty())
            xml.PutValue(kDescriptionToken, record.Desc, 3);
        const QString date = HolidayDateText(record.HolDate);
        if (!date.isEmpty())
            xml.PutValue(kDateToken, date, 3);
        if (record.NonWorkingDay)
            xml.PutValue(kNonWorkingToken, QStringLiteral("Y"), 3);
        xml.PutEndToken(kHolidayToken, 2);
    }
    xml.PutEndToken(kBlockToken, 1);
}

/// Text sharing the block's first or last line with its tag, kept as a line of its own.
QString SharedText(const QString& text)
{
    return text.trimmed().isEmpty() ? QString() : text;
}

/// Clears the place of the holiday block and moves there: the old block's place, the top
/// of a file without one, or inside the root of a new document. Text that shared the old
/// block's first line stays before it; the text that shared its last line is returned,
/// to follow the new block.
QString MakeRoomForBlock(TOrvXML& xml)
{
    // An existing empty file has nothing to keep and is given a document like a new one.
    if (xml.NewFile() || xml.LineCount() == 0) {
        xml.InitializeFile();
        return QString();
    }
    xml.MoveToStart();
    int start = -1;
    int end = -1;
    xml.GetNextTokenRange(kBlockToken, start, end);
    if (start < 0 || end < start) {
        xml.SetCurrentLine(0);
        return QString();
    }
    const QString first = xml.TS()[start];
    const QString last = xml.TS()[end];
    const qsizetype openAt = FindTag(first, kBlockToken, false);
    const qsizetype closeAt = FindTag(last, kBlockToken, true, start == end ? openAt + TagLength(kBlockToken, false) : 0);
    xml.RemoveTokenRange(kBlockToken, start, end);
    xml.SetCurrentLine(start);
    const QString leading = SharedText(first.left(openAt));
    if (!leading.isEmpty())
        xml.PutLine(leading);
    return SharedText(last.mid(closeAt + TagLength(kBlockToken, true)));
}

} // namespace

void LoadHolidays(TOrvHolidayList& list, const QString& fileName)
{
    list.clear();
    TOrvXML xml(fileName);
    ReadHolidayBlock(list, xml);
}

void ReadHolidays(TOrvHolidayList& list, const QByteArray& content)
{
    list.clear();
    TOrvXML xml{QString()};
    xml.SetContent(content);
    ReadHolidayBlock(list, xml);
}

void SaveHolidays(const TOrvHolidayList& list, const QString& fileName)
{
    TOrvXML xml(fileName);
    const QString trailing = MakeRoomForBlock(xml);
    WriteHolidayBlock(xml, list);
    if (!trailing.isEmpty())
        xml.PutLine(trailing);
    xml.SaveFile();
}

} // namespace orv
