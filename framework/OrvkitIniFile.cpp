#include <orvkit/framework/OrvkitIniFile.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace orv {

namespace {

enum TLineKind { elkOther, elkSection, elkKey, elkComment };

struct TParsedLine {
    TLineKind kind = elkOther;
    QString name;     ///< section or key name, trimmed
    int valueAt = -1; ///< index of the value in the line's text (after "=" and blanks)
};

TParsedLine ParseLine(const QString& text)
{
    TParsedLine result;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return result;
    const QChar first = trimmed.front();
    if (first == u';' || first == u'#') {
        result.kind = elkComment;
    } else if (first == u'[') {
        const qsizetype close = trimmed.lastIndexOf(u']');
        result.kind = elkSection;
        result.name = (close > 0 ? trimmed.mid(1, close - 1) : trimmed.mid(1)).trimmed();
    } else if (const qsizetype eq = text.indexOf(u'='); eq >= 0) {
        result.kind = elkKey;
        result.name = text.left(eq).trimmed();
        qsizetype at = eq + 1;
        while (at < text.size() && text.at(at).isSpace())
            ++at;
        result.valueAt = int(at);
    }
    return result;
}

QString UnquoteValue(const QString& raw)
{
    const QString value = raw.trimmed();
    if (value.size() >= 2) {
        const QChar q = value.front();
        if ((q == u'"' || q == u'\'') && value.back() == q)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

QString QuoteValue(QString value)
{
    value.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    const bool padded = !value.isEmpty() && (value.front().isSpace() || value.back().isSpace());
    const bool quoted = value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
                        value.back() == value.front();
    return (padded || quoted) ? u'"' + value + u'"' : value;
}

bool HasLineBreak(const QString& text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

// ---- TOrvIniDocument

TOrvIniDocument TOrvIniDocument::Parse(const QByteArray& bytes)
{
    TOrvIniDocument doc;
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        doc.fEncoding = encUtf8Bom;
        text = QString::fromUtf8(bytes.mid(3));
    } else if (bytes.startsWith("\xFF\xFE")) {
        doc.fEncoding = encUtf16LE;
        QStringDecoder decode(QStringConverter::Utf16LE);
        text = decode(bytes.mid(2));
    } else if (bytes.startsWith("\xFE\xFF")) {
        doc.fEncoding = encUtf16BE;
        QStringDecoder decode(QStringConverter::Utf16BE);
        text = decode(bytes.mid(2));
    } else {
        QStringDecoder decode(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        text = decode(bytes);
        if (decode.hasError()) {
            doc.fEncoding = encLatin1;
            text = QString::fromLatin1(bytes);
        }
    }
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text.at(end) != u'\n' && text.at(end) != u'\r')
            ++end;
        TLine line{text.mid(start, end - start), QString()};
        if (end < text.size()) {
            const bool crlf = text.at(end) == u'\r' && end + 1 < text.size() && text.at(end + 1) == u'\n';
            line.eol = text.mid(end, crlf ? 2 : 1);
        }
        start = end + line.eol.size();
        doc.fLines.push_back(std::move(line));
    }
    return doc;
}

QByteArray TOrvIniDocument::Serialize() const
{
    QString text;
    for (const TLine& line : fLines)
        text += line.text + line.eol;
    switch (fEncoding) {
    case encUtf8Bom:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case encUtf16LE: {
        QStringEncoder encode(QStringConverter::Utf16LE);
        return QByteArray("\xFF\xFE") + QByteArray(encode(text));
    }
    case encUtf16BE: {
        QStringEncoder encode(QStringConverter::Utf16BE);
        return QByteArray("\xFE\xFF") + QByteArray(encode(text));
    }
    case encLatin1: {
        const bool fits = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 256; });
        return fits ? text.toLatin1() : text.toUtf8();
    }
    case encUtf8:
        break;
    }
    return text.toUtf8();
}

TOrvIniDocument::TRange TOrvIniDocument::FindSection(const QString& section) const
{
    TRange range;
    const QString wanted = section.trimmed();
    for (int i = 0; i < int(fLines.size()); ++i) {
        const TParsedLine parsed = ParseLine(fLines[size_t(i)].text);
        if (parsed.kind != elkSection)
            continue;
        if (range.header >= 0) {
            range.end = i;
            return range;
        }
        if (SameName(parsed.name, wanted))
            range.header = i;
    }
    range.end = int(fLines.size());
    return range;
}

int TOrvIniDocument::FindKey(const TRange& range, const QString& ident) const
{
    if (range.header < 0)
        return -1;
    const QString wanted = ident.trimmed();
    for (int i = range.header + 1; i < range.end; ++i) {
        const TParsedLine parsed = ParseLine(fLines[size_t(i)].text);
        if (parsed.kind == elkKey && SameName(parsed.name, wanted))
            return i;
    }
    return -1;
}

std::optional<QString> TOrvIniDocument::Value(const QString& section, const QString& ident) const
{
    const int at = FindKey(FindSection(section), ident);
    if (at < 0)
        return std::nullopt;
    const QString& text = fLines[size_t(at)].text;
    return UnquoteValue(text.mid(ParseLine(text).valueAt));
}

bool TOrvIniDocument::IsValidSectionName(const QString& section)
{
    const QString name = section.trimmed();
    return !name.isEmpty() && !HasLineBreak(name) && !name.contains(u']');
}

bool TOrvIniDocument::IsValidKeyName(const QString& ident)
{
    const QString name = ident.trimmed();
    return !name.isEmpty() && !HasLineBreak(name) && !name.contains(u'=') && name.front() != u'[' &&
           name.front() != u';' && name.front() != u'#';
}

QString TOrvIniDocument::NewLineEnding() const
{
    for (const TLine& line : fLines)
        if (!line.eol.isEmpty())
            return line.eol;
    return QStringLiteral("\n");
}

void TOrvIniDocument::InsertLine(int index, const QString& text)
{
    const QString eol = NewLineEnding();
    if (index > 0 && fLines[size_t(index - 1)].eol.isEmpty())
        fLines[size_t(index - 1)].eol = eol;
    fLines.insert(fLines.begin() + index, TLine{text, eol});
}

bool TOrvIniDocument::SetValue(const QString& section, const QString& ident, const QString& value)
{
    if (!IsValidSectionName(section) || !IsValidKeyName(ident))
        return false;
    const QString stored = QuoteValue(value);
    const TRange range = FindSection(section);
    if (const int at = FindKey(range, ident); at >= 0) {
        QString& text = fLines[size_t(at)].text;
        text = text.left(ParseLine(text).valueAt) + stored;
        return true;
    }
    const QString line = ident.trimmed() + u'=' + stored;
    if (range.header >= 0) {
        int after = range.header;
        for (int i = range.header + 1; i < range.end; ++i)
            if (ParseLine(fLines[size_t(i)].text).kind == elkKey)
                after = i;
        InsertLine(after + 1, line);
        return true;
    }
    if (!fLines.empty() && !fLines.back().text.trimmed().isEmpty())
        InsertLine(int(fLines.size()), QString());
    InsertLine(int(fLines.size()), u'[' + section.trimmed() + u']');
    InsertLine(int(fLines.size()), line);
    return true;
}

bool TOrvIniDocument::Remove(const QString& section, const QString& ident)
{
    bool removed = false;
    for (TRange range = FindSection(section);; range = FindSection(section)) {
        const int at = FindKey(range, ident);
        if (at < 0)
            break;
        fLines.erase(fLines.begin() + at);
        removed = true;
    }
    return removed;
}

QStringList TOrvIniDocument::Sections() const
{
    QStringList result;
    for (const TLine& line : fLines)
        if (const TParsedLine parsed = ParseLine(line.text); parsed.kind == elkSection)
            result << parsed.name;
    return result;
}

QStringList TOrvIniDocument::Keys(const QString& section) const
{
    QStringList result;
    const TRange range = FindSection(section);
    if (range.header < 0)
        return result;
    for (int i = range.header + 1; i < range.end; ++i)
        if (const TParsedLine parsed = ParseLine(fLines[size_t(i)].text); parsed.kind == elkKey)
            result << parsed.name;
    return result;
}

// ---- TOrvIniFile

TOrvIniFile::TOrvIniFile(const QString& fileName, bool buffered) : fFileName(fileName), fBuffered(buffered) {}

TOrvIniFile::~TOrvIniFile()
{
    UpdateFile();
}

bool TOrvIniFile::Load()
{
    QFile file(fFileName);
    if (!file.exists()) {
        fDocument = TOrvIniDocument();
        fLoaded = true;
        fError.clear();
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        // Never write over a file whose contents we could not see.
        fLoaded = false;
        fError = file.errorString();
        return false;
    }
    fDocument = TOrvIniDocument::Parse(file.readAll());
    fLoaded = true;
    fError.clear();
    return true;
}

bool TOrvIniFile::Prepare()
{
    if (fBuffered && fLoaded)
        return true;
    return Load();
}

bool TOrvIniFile::Save()
{
    QSaveFile file(fFileName);
    if (!file.open(QIODevice::WriteOnly)) {
        fError = file.errorString();
        return false;
    }
    const QByteArray bytes = fDocument.Serialize();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        fError = file.errorString();
        return false;
    }
    fError.clear();
    return true;
}

std::optional<QString> TOrvIniFile::ReadValue(const QString& section, const QString& ident)
{
    if (!Prepare())
        return std::nullopt;
    return fDocument.Value(section, ident);
}

bool TOrvIniFile::WriteValue(const QString& section, const QString& ident, const QString& value)
{
    if (!Prepare())
        return false;
    if (fDocument.Value(section, ident) == value)
        return true;
    if (!fDocument.SetValue(section, ident, value))
        return false;
    if (fBuffered) {
        fDirty = true;
        return true;
    }
    return Save();
}

bool TOrvIniFile::DeleteValue(const QString& section, const QString& ident)
{
    if (!Prepare())
        return false;
    if (!fDocument.Remove(section, ident))
        return true;
    if (fBuffered) {
        fDirty = true;
        return true;
    }
    return Save();
}

bool TOrvIniFile::UpdateFile()
{
    if (!fDirty)
        return true;
    if (!Save())
        return false;
    fDirty = false;
    return true;
}

} // namespace orv
