#include <orvkit/edits/OrvkitDateEditBase.h>

#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/datetime/OrvkitDateTime.h>
#include <orvkit/framework/OrvkitEditRules.h>

#include <QCoreApplication>

namespace orv {

namespace {

constexpr const char* kBelowLower =
    QT_TRANSLATE_NOOP("OrvkitDateEditBase", "Your entered Value is below the lower limit of");
constexpr const char* kAboveUpper =
    QT_TRANSLATE_NOOP("OrvkitDateEditBase", "Your entered Value is above the upper limit of");

} // namespace

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

void TOrvDateEditBase::ReportBounds(TOrvBoundsValidationtype kind, const QString& bound)
{
    SetBoundsValidationType(kind);
    if (kind == evtNone)
        return;
    if (OnBoundsError) {
        OnBoundsError(this, GetText(), kind);
        return;
    }
    const char* message = kind == evtBelowLower ? kBelowLower : kAboveUpper;
    ShowErrorBox(this, QCoreApplication::translate("OrvkitDateEditBase", message) + u' ' + bound);
    setFocus(Qt::OtherFocusReason);
}

void TOrvDateEditBase::CheckBounds(double value, double lower, double upper,
                                   const std::function<QString(double)>& boundText)
{
    if (value < lower)
        ReportBounds(evtBelowLower, boundText(lower));
    else if (value > upper)
        ReportBounds(evtAboveUpper, boundText(upper));
    else
        ReportBounds(evtNone, QString());
}

void TOrvDateEditBase::RaiseTextError(const QString& message, const QString& text)
{
    throw EConvertError(message + u' ' + text);
}

} // namespace orv
