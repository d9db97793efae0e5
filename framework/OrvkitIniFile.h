#pragma once

#include <orvkit/framework/OrvkitValueStore.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace orv {

/// A Windows INI file held as its lines, so that a change touches only the line it is
/// about and every other byte of the file stays as it was.
///
/// Reading is lenient: section and key names match whatever their letter case and the
/// blanks around them; values lose their surrounding blanks and one pair of matching
/// quotes; lines starting with ";" or "#" are comments; lines that are neither a section,
/// a key nor a comment are kept and ignored. There are no comments after a value (a ";"
/// belongs to the value). The first section of a name and its first key of a name count.
/// The file may be UTF-8 (with or without a byte order mark), UTF-16 with a byte order
/// mark, or in an 8-bit code page (read as Latin-1); it is written back in the same form.
class TOrvIniDocument {
public:
    static TOrvIniDocument Parse(const QByteArray& bytes);
    QByteArray Serialize() const;

    std::optional<QString> Value(const QString& section, const QString& ident) const;
    /// Sets a value, adding the key after the section's last key, or the section at the end.
    /// Line breaks in the value become blanks; a value with surrounding blanks or quotes is
    /// quoted so that it reads back unchanged. False (and nothing changed) for a name the
    /// format cannot hold: empty, with a line break, a section name with "]", a key with
    /// "=" or starting with "[", ";" or "#".
    bool SetValue(const QString& section, const QString& ident, const QString& value);
    /// Removes every line of the key in the section; false when there was none.
    bool Remove(const QString& section, const QString& ident);

    QStringList Sections() const;
    QStringList Keys(const QString& section) const;

    static bool IsValidSectionName(const QString& section);
    static bool IsValidKeyName(const QString& ident);

private:
    enum TEncoding { encUtf8, encUtf8Bom, encUtf16LE, encUtf16BE, encLatin1 };
    struct TLine {
        QString text;
        QString eol; ///< "\r\n", "\n", "\r" or empty on an unterminated last line
    };
    struct TRange {
        int header = -1; ///< line of the section header, -1 when missing
        int end = 0;     ///< one past the section's last line
    };

    TRange FindSection(const QString& section) const;
    int FindKey(const TRange& range, const QString& ident) const;
    QString NewLineEnding() const;
    void InsertLine(int index, const QString& text);

    std::vector<TLine> fLines;
    TEncoding fEncoding = encUtf8;
};

/// An INI file on disk. Direct files read the file before every access and write it after
/// every change; buffered files read it once, keep it in memory and write it by
/// UpdateFile and on destruction. Every write replaces the file atomically (a temporary
/// file renamed over it), so a failed write leaves the old file as it was. A file that
/// exists but cannot be read is never written over.
class TOrvIniFile : public IOrvValueStore {
public:
    TOrvIniFile(const QString& fileName, bool buffered);
    ~TOrvIniFile() override;
    TOrvIniFile(const TOrvIniFile&) = delete;
    TOrvIniFile& operator=(const TOrvIniFile&) = delete;

    const QString& FileName() const { return fFileName; }
    bool Buffered() const { return fBuffered; }
    /// The reason of the last failure, empty after success.
    const QString& ErrorString() const { return fError; }

    std::optional<QString> ReadValue(const QString& section, const QString& ident) override;
    bool WriteValue(const QString& section, const QString& ident, const QString& value) override;
    bool DeleteValue(const QString& section, const QString& ident) override;

    /// Writes pending changes of a buffered file; true when nothing was pending.
    bool UpdateFile();

private:
    bool Load();
    bool Save();
    bool Prepare();

    QString fFileName;
    TOrvIniDocument fDocument;
    QString fError;
    bool fBuffered = false;
    bool fLoaded = false;
    bool fDirty = false;
};

} // namespace orv
