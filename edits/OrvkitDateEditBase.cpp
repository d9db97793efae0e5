#include <orvkit/edits/OrvkitDateEditBase.h>

#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/datetime/OrvkitDateTime.h>
#include <orvkit/edits/OrvkitNumEdit.h>
#include <orvkit/framework/OrvkitEditRules.h>

namespace orv {

TOrvDateEditBase::TOrvDateEditBase(QWidget* parent) : TOrvBaseEdit(parent)
{
    SetDataType(btDate);
}

void TOrvDateEditBase::DoDisplay()
{
    if (Null()) {
        fShown = false;
        TOrvCustomEdit::DoDisplay();
        return;
    }
    QString shown;
    {
        const TOrvScopedValue blank(GlobalBlankWhenZero, BlanksZero());
        const TOrvScopedValue raise(GlobalRaiseDateErrors, false);
        shown = FormatValue();
    }
    fShownText = shown;
    fShown = true;
    SetNativeText(shown);
    // Keeps the base's record of the last text in step with what is shown.
    GetText();
}

void TOrvDateEditBase::ConvertText()
{
    if (Null()) {
        ReadNull();
        return;
    }
    if (ShowsOwnText())
        return;
    ReadText(text());
}

void TOrvDateEditBase::ValueStored()
{
    if (Null())
        SetNull(false);
    DoDisplay();
}

bool TOrvDateEditBase::ShowsOwnText() const
{
    return fShown && text() == fShownText;
}

void TOrvDateEditBase::CheckBounds(double value, double lower, double upper,
                                   const std::function<QString(double)>& boundText)
{
    const TOrvBoundsValidationtype type = BoundsCheck(value, lower, upper);
    SetBoundsValidationType(type);
    if (type != evtNone)
        ReportBoundsError(*this, type, boundText(type == evtBelowLower ? lower : upper));
}

void TOrvDateEditBase::RaiseTextError(const QString& message, const QString& text)
{
    throw EConvertError(message + u' ' + text);
}

} // namespace orv
