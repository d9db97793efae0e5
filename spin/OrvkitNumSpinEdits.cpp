#include <orvkit/spin/OrvkitNumSpinEdits.h>

namespace orv {

TOrvPosSpinEdit::TOrvPosSpinEdit(QWidget* parent) : TOrvSpinValueT(parent) {}

TOrvFloatSpinEdit::TOrvFloatSpinEdit(QWidget* parent) : TOrvSpinValueT(parent) {}

} // namespace orv
