#pragma once

#include <QString>

namespace orv {

/// Makes check boxes, radio buttons, group boxes and the radio and check groups known to
/// assistive technology: role, caption, checked, mixed (null), read-only, focused and
/// unavailable states, the toggle and press actions, and the items of a group as its
/// children. The controls install it as they are created; later calls do nothing.
void InstallItemAccessibleFactory();

/// The caption as it is read out: an accelerator's "&" dropped, "&&" one ampersand.
QString PlainCaption(const QString& caption);

} // namespace orv
