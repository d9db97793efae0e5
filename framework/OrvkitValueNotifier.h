#pragma once

#include <QMetaMethod>
#include <QObject>
#include <QVariant>

namespace orv {

/// Emits a control's value signal, the NOTIFY signal of its USER property, when the value
/// differs from the one it reported last. A control calls Check from the few places where
/// its value can change (typing, display of a value set by code, the null state), so the
/// signal fires once per change whoever made it. Until something connects to the signal
/// (the control passes its connectNotify on to Watch), Check costs a test of a flag.
class TOrvValueNotifier {
public:
    /// From the control's connectNotify: once the value signal is connected, the value
    /// is tracked from its current state on.
    void Watch(QObject& control, const QMetaMethod& signal);
    /// Reads the control's USER property and emits its NOTIFY signal (with the value when
    /// the signal takes one) if the value changed since the last call.
    void Check(QObject& control);

private:
    QVariant fReported;
    bool fWatching = false;
};

} // namespace orv
