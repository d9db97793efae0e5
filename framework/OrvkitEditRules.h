#pragma once

#include <orvkit/framework/OrvkitKeys.h>
#include <orvkit/framework/OrvkitUICtrl.h>

#include <QChar>
#include <QString>
#include <functional>

namespace orv {

// The rules of the edit base that need no window: text clean-up on exit, the null and
// blank decisions of SetText, the key handling and the exit sequence of a value edit.

/// Whether proper case starts a new word after `c`: code points 0-64 (digits too),
/// 91-95, 123-137, 139, 145-153, 155, 171 and 187; nothing above 255.
bool IsProperCaseSeparator(char16_t c);
/// Lower case, then upper case for every character that starts the text or follows a separator.
QString ProperCase(const QString& text);
/// Without trailing (leading) blanks and control characters.
QString TrimTrailingBlanks(const QString& text);
QString TrimLeadingBlanks(const QString& text);

/// The clean-up of a plain text edit on exit.
struct TOrvTextCleanup {
    bool TrimTrailing = true;
    bool TrimLeading = false;
    bool ProperAdjust = false;
};
QString CleanUpText(const QString& text, const TOrvTextCleanup& cleanup);

/// What SetText does with a value.
struct TOrvSetTextPlan {
    /// The edit becomes null and re-displays; nothing else happens.
    bool BecomeNull = false;
    /// For a null edit: whether it stays null.
    bool StaysNull = false;
    /// The edit was null and leaves the null state.
    bool LeavesNull = false;
};
TOrvSetTextPlan PlanSetText(const TOrvBlankSettings& blanks, bool isNull, const QString& value);
/// The text a null edit shows.
QString NullDisplayText(const TOrvBlankSettings& blanks);

inline namespace KeyActionEnums {
Q_NAMESPACE

/// What the key press of an edit asks for after the key has been filtered.
enum TOrvKeyAction { ekaNone, ekaNextControl, ekaUndo, ekaMakeNull, ekaSelectAll, ekaLeaveNull };
Q_ENUM_NS(TOrvKeyAction)
} // namespace KeyActionEnums

struct TOrvKeyContext {
    bool MultiLine = false;
    bool EnterAsTab = true;
    bool ESCAsUndo = true;
    bool AllowKbdNull = true;
    bool ReadOnly = false;
    bool Null = false;
    /// Any key leaves the null state, none is rejected (value edits only).
    bool AllowAllChars = false;
    std::function<bool(QChar)> IsValidChar;
};

/// Filters a typed character (set to 0 when swallowed) and names the action it asks for.
TOrvKeyAction ProcessKeyRule(QChar& key, const TOrvKeyContext& context);

inline namespace KeyDownActionEnums {
Q_NAMESPACE

enum TOrvKeyDownAction { ekdNone, ekdPrevControl, ekdNextControl, ekdKeypadDecimal };
Q_ENUM_NS(TOrvKeyDownAction)
} // namespace KeyDownActionEnums
/// Key-down before the host sees it: a read-only edit swallows Delete and Shift+Insert,
/// arrows move the focus with ArrowsAsTab, the keypad decimal key is noted.
TOrvKeyDownAction KeyDownRule(uint16_t& key, TShiftState shift, bool readOnly, bool numPadDecimal,
                              bool arrowsAsTab);
/// Whether a key release at full length moves the focus on (auto-advance).
bool AutoAdvanceRule(uint16_t key, TShiftState shift, int maxLength, int textLength);

/// The steps of leaving a value edit, as the edit provides them.
class IOrvExitSteps {
public:
    virtual bool HasExitStart() const = 0;
    virtual void FireExitStart(QString& text, bool& furtherChecking) = 0;
    virtual QString LastText() const = 0;
    virtual void SetText(const QString& text) = 0;
    virtual QString GetText() = 0;
    virtual bool BlankIsNull() const = 0;
    virtual void MakeNull() = 0;
    virtual bool IgnoreConvertError() const = 0;
    virtual void SetCheckForErrors(bool value) = 0;
    /// Raises on failure.
    virtual void ConvertText() = 0;
    virtual bool HasConvertErrorHandler() const = 0;
    virtual void FireConvertError(const QString& text) = 0;
    /// Gives the focus back to the edit.
    virtual void Refocus() = 0;
    virtual void DoDisplay() = 0;
    /// Bounds or year validation is on.
    virtual bool ValidationOn() const = 0;
    virtual void ValidateBounds() = 0;

protected:
    ~IOrvExitSteps() = default;
};

/// Runs the checks of leaving a value edit: exit-start event, blank as null, conversion
/// (a failure goes to the convert-error handler, which ends the exit with the focus back
/// in the edit, or without one propagates), canonical display and bounds validation.
/// False when the exit ends at a handled conversion failure.
bool RunValueExit(IOrvExitSteps& steps);

} // namespace orv
