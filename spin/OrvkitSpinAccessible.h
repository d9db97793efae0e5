#pragma once

namespace orv {

/// Makes the spin edits known to assistive technology: a spin box with the value
/// interface (current value, bounds and step from the control's properties), its value
/// edit and the "Up" and "Down" buttons as children. Installing twice does nothing more.
void InstallSpinAccessibility();

} // namespace orv
