#include <orvkit/framework/OrvkitEditRules.h>

#include <exception>

namespace orv {

namespace {

constexpr char16_t kCtrlA = 1;
constexpr char16_t kCtrlN = 14;
constexpr char16_t kEnter = 13;
constexpr char16_t kEscape = 27;

bool IsBlankOrControl(QChar c)
{
    return c.unicode() <= 32;
}

bool NoModifier(TShiftState shift)
{
    return !(shift & (ssShift | ssAlt | ssCtrl));
}

} // namespace

bool IsProperCaseSeparator(char16_t c)
{
    return c <= 64 || (c >= 91 && c <= 95) || (c >= 123 && c <= 137) || c == 139 || (c >= 145 && c <= 153) ||
           c == 155 || c == 171 || c == 187;
}

QString ProperCase(const QString& text)
{
    QString result = text.toLower();
    bool startsWord = true;
    for (QChar& c : result) {
        if (startsWord)
            c = c.toUpper();
        startsWord = IsProperCaseSeparator(c.unicode());
    }
    return result;
}

QString TrimTrailingBlanks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && IsBlankOrControl(text.at(end - 1)))
        --end;
    return text.left(end);
}

QString TrimLeadingBlanks(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && IsBlankOrControl(text.at(start)))
        ++start;
    return text.mid(start);
}

QString CleanUpText(const QString& text, const TOrvTextCleanup& cleanup)
{
    QString result = text;
    if (cleanup.TrimTrailing)
        result = TrimTrailingBlanks(result);
    if (cleanup.TrimLeading)
        result = TrimLeadingBlanks(result);
    if (cleanup.ProperAdjust)
        result = ProperCase(result);
    return result;
}

TOrvSetTextPlan PlanSetText(const TOrvBlankSettings& blanks, bool isNull, const QString& value)
{
    TOrvSetTextPlan plan;
    if (blanks.BlankIsNull && value.isEmpty() && !isNull) {
        plan.BecomeNull = true;
        return plan;
    }
    if (isNull) {
        plan.StaysNull = blanks.BlankWhenNull ? value.isEmpty() : value == blanks.NullStr;
        plan.LeavesNull = !plan.StaysNull;
    }
    return plan;
}

QString NullDisplayText(const TOrvBlankSettings& blanks)
{
    return blanks.BlankWhenNull ? QString() : blanks.NullStr;
}

TOrvKeyAction ProcessKeyRule(QChar& key, const TOrvKeyContext& context)
{
    const char16_t code = key.unicode();
    if (code == kEnter) {
        if (context.MultiLine)
            return ekaNone;
        key = QChar();
        return context.EnterAsTab ? ekaNextControl : ekaNone;
    }
    if (code == kEscape && context.ESCAsUndo) {
        key = QChar();
        return ekaUndo;
    }
    if (code == kCtrlN && context.AllowKbdNull && !context.ReadOnly) {
        key = QChar();
        return ekaMakeNull;
    }
    if (code == kCtrlA) {
        key = QChar();
        return ekaSelectAll;
    }
    if (context.ReadOnly) {
        if (code >= 32)
            key = QChar();
        return ekaNone;
    }
    if (context.AllowAllChars)
        return context.Null ? ekaLeaveNull : ekaNone;
    const bool valid = context.IsValidChar ? context.IsValidChar(key) : code >= 32;
    if (!valid) {
        if (code >= 32)
            key = QChar();
        return ekaNone;
    }
    return context.Null ? ekaLeaveNull : ekaNone;
}

TOrvKeyDownAction KeyDownRule(uint16_t& key, TShiftState shift, bool readOnly, bool numPadDecimal,
                              bool arrowsAsTab)
{
    const bool plain = NoModifier(shift);
    if (plain && key == VK_DELETE && readOnly) {
        key = 0;
        return ekdNone;
    }
    if ((shift & (ssShift | ssAlt | ssCtrl)) == TShiftState(ssShift) && key == VK_INSERT && readOnly) {
        key = 0;
        return ekdNone;
    }
    if (plain && arrowsAsTab && (key == VK_UP || key == VK_DOWN)) {
        const TOrvKeyDownAction action = key == VK_UP ? ekdPrevControl : ekdNextControl;
        key = 0;
        return action;
    }
    if (plain && key == VK_DECIMAL && numPadDecimal)
        return ekdKeypadDecimal;
    return ekdNone;
}

bool AutoAdvanceRule(uint16_t key, TShiftState shift, int maxLength, int textLength)
{
    if ((shift & (ssShift | ssAlt | ssCtrl)) == TShiftState(ssAlt) || maxLength < 1 || textLength != maxLength)
        return false;
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END:
        return false;
    default:
        return key >= 32;
    }
}

bool RunValueExit(IOrvExitSteps& steps)
{
    bool furtherChecking = true;
    if (steps.HasExitStart()) {
        QString text = steps.LastText();
        steps.FireExitStart(text, furtherChecking);
        steps.SetText(text);
    }
    if (steps.BlankIsNull() && steps.GetText().isEmpty())
        steps.MakeNull();
    if (steps.IgnoreConvertError())
        return true;
    try {
        // The flag is down again on every path out of the conversion.
        struct TCheckScope {
            IOrvExitSteps& s;
            ~TCheckScope() { s.SetCheckForErrors(false); }
        } scope{steps};
        steps.SetCheckForErrors(furtherChecking);
        steps.ConvertText();
    } catch (const std::exception&) {
        if (!steps.HasConvertErrorHandler())
            throw;
        steps.FireConvertError(steps.GetText());
        steps.Refocus();
        return false;
    }
    steps.DoDisplay();
    if (steps.ValidationOn() && furtherChecking)
        steps.ValidateBounds();
    return true;
}

} // namespace orv
