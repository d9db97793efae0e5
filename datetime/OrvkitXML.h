#pragma once

#include <orvkit/datetime/OrvkitHolidays.h>

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace orv {

/// Element text for a one-line XML value: every UTF-16 code unit above 159 or below 32,
/// the double quote, the ampersand and the angle brackets become "&#<decimal code>;".
QString XMLEncode(const QString& text);
/// The inverse of XMLEncode, in one pass: every "&#<digits>;" up to U+10FFFF becomes its
/// character (consecutive surrogate halves form one character); an "&#" that starts no such
/// reference is dropped and the rest kept as text. Decoded text is never decoded again.
QString XMLDecode(const QString& text);

/// A line-oriented reader and writer of simple one-element-per-line XML. The lines are
/// kept as read: writing them back reproduces every line that was not changed byte for
/// byte, line ends and any bytes that are not UTF-8 included.
class TOrvXML {
public:
    /// Sets the file name without saving and moves to the start.
    explicit TOrvXML(const QString& fileName);

    /// With `save`, first writes the current lines to the old name. Then loads the lines of
    /// `fileName`, or, when no such file exists, keeps the lines and marks NewFile.
    /// Raises orv::Exception when an existing file cannot be read.
    void SetFileName(const QString& fileName, bool save);
    /// Writes the lines to FName() atomically: a failed write leaves the previous file
    /// whole. Nothing happens for an empty name. Raises orv::Exception on failure.
    void SaveFile() const;
    /// An empty document: the XML declaration, an empty line and the root element, with
    /// CurrentLine just before the root's closing line.
    void InitializeFile();
    void MoveToStart();

    /// From CurrentLine on, the first line holding "<token>" and from there the first
    /// holding "</token>" (after the opening tag on its own line); -1 for what is missing.
    void GetNextTokenRange(const QString& token, int& startLine, int& endLine) const;
    /// The decoded text between "<token>" and "</token>" when the first line of the range
    /// holding either tag holds both, opening first; otherwise empty.
    QString GetFirstValue(const QString& token, int startLine, int endLine) const;
    /// Deletes lines startLine..endLine when 0 <= startLine <= endLine < line count.
    void RemoveTokenRange(const QString& token, int startLine, int endLine);

    // Each inserts one line at CurrentLine, indented 3 spaces per level, and moves past it.
    void PutStartToken(const QString& token, int indentLevel);
    void PutEndToken(const QString& token, int indentLevel);
    void PutValue(const QString& token, const QString& value, int indentLevel);
    /// Inserts a line as it stands.
    void PutLine(const QString& line);

    /// Replaces the lines with those of file content already in memory (as a file read).
    void SetContent(const QByteArray& content);
    /// The lines as the file's bytes.
    QByteArray Content() const;

    const QString& FName() const { return fFName; }
    bool Connected() const { return fConnected; }
    bool NewFile() const { return fNewFile; }
    const QStringList& TS() const { return fTS; }
    int LineCount() const { return static_cast<int>(fTS.size()); }
    int CurrentLine() const { return fCurrentLine; }
    /// Clamped to 0..LineCount().
    void SetCurrentLine(int line);
    int CurrentPos() const { return fCurrentPos; }

private:
    void InsertLine(const QString& line);

    QString fFName;
    bool fConnected = false;
    bool fNewFile = false;
    QStringList fTS;
    int fCurrentLine = 0;
    int fCurrentPos = 0;
    bool fCrLf = false;       ///< lines end in CR LF rather than LF
    bool fFinalBreak = true;  ///< the last line ends with a line break
};

/// Empties `list` and reads the holidays of a holiday file; a missing file, or one without
/// a holiday block, gives an empty list. The list is not sorted. A date that cannot be
/// read becomes today's date. Raises orv::Exception when the file exists but cannot be read.
void LoadHolidays(TOrvHolidayList& list, const QString& fileName);
/// The reader behind LoadHolidays, for file content already in memory.
void ReadHolidays(TOrvHolidayList& list, const QByteArray& content);
/// Writes the records not marked Deleted as the file's holiday block, replacing the block
/// an existing file holds and keeping every other line; a new file gets an empty document
/// around it. Atomic; raises orv::Exception when the file cannot be read or written.
void SaveHolidays(const TOrvHolidayList& list, const QString& fileName);

} // namespace orv
