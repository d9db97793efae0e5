#pragma once

#include <QWidget>
#include <algorithm>
#include <cstdint>

namespace orv {

// Geometry arithmetic that saturates instead of overflowing: no coordinate a property
// accepts may lead to undefined behaviour. Positions stay within the range Qt's own
// geometry can hold (QWIDGETSIZE_MAX either way).

/// `value` kept inside the coordinates Qt can handle.
inline int ClampCoordinate(int64_t value)
{
    return int(std::clamp<int64_t>(value, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}
/// a + b and a - b, saturated to int.
inline int SaturatedAdd(int a, int b)
{
    return int(std::clamp<int64_t>(int64_t(a) + b, INT32_MIN, INT32_MAX));
}
inline int SaturatedSub(int a, int b)
{
    return int(std::clamp<int64_t>(int64_t(a) - b, INT32_MIN, INT32_MAX));
}
/// Moves the widget, without resizing it, so that its right (bottom) edge lies at `right`
/// (`bottom`), one past its last pixel.
inline void MoveRightTo(QWidget& widget, int right)
{
    widget.move(ClampCoordinate(int64_t(right) - widget.width()), widget.y());
}
inline void MoveBottomTo(QWidget& widget, int bottom)
{
    widget.move(widget.x(), ClampCoordinate(int64_t(bottom) - widget.height()));
}

} // namespace orv
