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
        TOrvCustomEdit::DoDisplay();
        return;
    }
    QString shown;
    {
        const TOrvScopedValue blank(GlobalBlankWhenZero, BlanksZero());
        const TOrvScopedValue raise(GlobalRaiseDateErrors, false);
        shown = FormatValue();
    }
    ShowValueText(shown);
}

void TOrvDateEditBase::ConvertText()
{
    if (Displaying())
        return;
    if (Null()) {
        ReadNull();
        return;
    }
    if (ShowsValue())
        return;
    ReadText(text());
}

void TOrvDateEditBase::ValueStored()
{
    if (Null())
        SetNull(false);
    DoDisplay();
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
