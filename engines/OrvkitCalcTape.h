#pragma once

#include <orvkit/core/OrvkitGlobals.h>
#include <orvkit/engines/OrvkitCalcEngineTexts.h>

#include <QString>
#include <cstdint>
#include <utility>

namespace orv {

/// A line of the calculator's tape. A number, or one of the engine's own words, is kept
/// as it is and written out when the line is first read: an evaluation writes a tape
/// that nobody reads, and formatting its numbers would cost more than the arithmetic.
class TOrvCalcTapeLine {
public:
    static TOrvCalcTapeLine Text(QString text) { return TOrvCalcTapeLine(tfText, std::move(text)); }
    static TOrvCalcTapeLine Word(TOrvCalcText word)
    {
        TOrvCalcTapeLine line(tfWord, QString());
        line.fWord = word;
        return line;
    }
    /// `prefix` goes before the number; `displayed`: the number as the display shows it.
    static TOrvCalcTapeLine Value(QString prefix, Extended x, bool displayed)
    {
        TOrvCalcTapeLine line(displayed ? tfDisplayedValue : tfValue, std::move(prefix));
        line.fValue = x;
        return line;
    }

    bool IsWritten() const { return fForm == tfText; }

    /// The line's text. `format(x, displayed)` writes a number, with the settings that
    /// were in force when the line was added: the engine writes its lines out before
    /// any of them changes.
    template <typename Format>
    const QString& Written(Format&& format) const
    {
        if (fForm == tfWord)
            fText = CalcText(fWord);
        else if (fForm != tfText)
            fText += format(fValue, fForm == tfDisplayedValue);
        fForm = tfText;
        return fText;
    }

private:
    enum TForm : uint8_t { tfText, tfWord, tfValue, tfDisplayedValue };

    TOrvCalcTapeLine(TForm form, QString text) : fText(std::move(text)), fForm(form) {}

    mutable QString fText; // the whole line once written; before that, what precedes the number
    Extended fValue = 0;
    TOrvCalcText fWord = ectError;
    mutable TForm fForm;
};

} // namespace orv
