#pragma once

#include <orvkit/demo/DemoPage.h>

namespace orv {

/// Fills the "Checks" page: check boxes in each mark, caption side and frame style, and a
/// check group under GrpUICtrl; all of them items of the state control.
void BuildChecksPage(QWidget& page, const TDemoShared& shared);

} // namespace orv
