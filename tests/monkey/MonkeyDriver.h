#pragma once

#include "MonkeyControls.h"

#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <random>
#include <string>

namespace orv {
class TOrvUICtrl;
class TOrvStateCtrl;
class TOrvBaseEdit;
} // namespace orv

namespace orv::monkey {

/// Drives one control class as a careless user and a careless program would: keys with
/// modifiers and any characters, mouse and wheel, focus changes, junk pasted, every
/// published property written with extreme values, the UI control deleted and made anew.
/// After every step the invariants must hold; the first that does not ends the run.
class TMonkey {
public:
    TMonkey(const TControlClass& controlClass, uint32_t seed);
    ~TMonkey();

    /// Empty when all steps passed; otherwise what failed, where, and the last steps.
    std::optional<std::string> Run(int steps);
    /// The last steps, oldest first, for a report after a sanitizer stops the program.
    std::string RecentSteps() const;

private:
    void Step();
    void KeyStep(QWidget* target);
    void TypeStep(QWidget* target);
    void MouseStep();
    void WheelStep();
    void FocusStep();
    void PasteStep(QWidget* target);
    void PropertyStep();
    void UICtrlStep();
    void AttachUICtrl();
    void CheckInvariants();
    void CheckReadBack(TOrvBaseEdit& edit);
    void ReadEverything();
    QWidget* FocusTarget() const;
    void Log(std::string step);
    [[noreturn]] void Fail(const std::string& what);

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(fRng); }
    bool Chance(int percent) { return Pick(100) < percent; }
    QString RandomText(int maxLength);

    const TControlClass& fClass;
    std::mt19937 fRng;
    std::unique_ptr<QWidget> fForm;
    QLineEdit* fOther = nullptr;
    QWidget* fControl = nullptr;
    QPointer<TOrvUICtrl> fUICtrl;
    TOrvStateCtrl* fStateCtrl = nullptr;
    bool fUICtrlDeleted = false;
    int fStep = 0;
    int fConvertErrors = 0;
    std::deque<std::string> fRecent;
};

/// Thrown by a failed invariant; carries the report.
struct TMonkeyFailure {
    std::string report;
};

} // namespace orv::monkey
