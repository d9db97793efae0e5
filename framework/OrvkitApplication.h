#pragma once

#include <QString>
#include <QtCore/qobjectdefs.h>

class QWidget;

namespace orv {

inline namespace ApplicationEnums {
Q_NAMESPACE

/// How modal windows and popups choose the window they stay above.
enum TPopupMode { pmNone, pmAuto, pmExplicit };
Q_ENUM_NS(TPopupMode)
} // namespace ApplicationEnums

/// The application object: its title, the modal popup mode, the message loop and
/// whether the program is ending. The settings live on the Qt application itself.
class TOrvApplication {
public:
    TOrvApplication() = delete;

    /// The title shown for the program (task bar, message boxes).
    static QString Title();
    static void SetTitle(const QString& value);

    /// Qt puts every top-level window on the task bar; the switch is kept for callers.
    static bool MainFormOnTaskBar();
    static void SetMainFormOnTaskBar(bool value);

    static TPopupMode ModalPopupMode();
    static void SetModalPopupMode(TPopupMode value);
    /// The window a modal window or popup opened now stays above: `preferred` when given,
    /// else with pmAuto the active window, else none.
    static QWidget* PopupParent(QWidget* preferred = nullptr);

    /// Runs the message loop until the program quits.
    static int Run();
    /// Asks the message loop to end.
    static void Terminate();
    /// True once the program has been asked to end, while it closes down, and without
    /// an application object.
    static bool Terminated();
};

} // namespace orv
