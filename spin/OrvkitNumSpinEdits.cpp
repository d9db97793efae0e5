#include <orvkit/spin/OrvkitNumSpinEdits.h>

#include <cmath>

namespace orv {

bool TOrvFloatSpinTraits::AtBound(const TEdit& edit, TWide value, TWide bound)
{
    if (SameFloat(value, bound))
        return true;
    // The edit keeps the exact value only with FullAccuracy; otherwise it reads back what
    // it shows, rounded to its decimals.
    return !edit.FullAccuracy() && std::fabs(value - bound) <= 0.5L * std::pow(10.0L, -Extended(edit.DecimalPlaces()));
}

TOrvPosSpinEdit::TOrvPosSpinEdit(QWidget* parent) : TOrvSpinValueT(parent) {}

TOrvFloatSpinEdit::TOrvFloatSpinEdit(QWidget* parent) : TOrvSpinValueT(parent) {}

} // namespace orv
