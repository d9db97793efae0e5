#pragma once

#include <orvkit/demo/DemoPage.h>

namespace orv {

/// Fills the "SpinEdits" page: the integer spin edits in the three alignments, the float
/// spin edit, and the switch for flat spin buttons, which acts on OrvUICtrl1 at once.
void BuildSpinEditsPage(QWidget& page, const TDemoShared& shared);

} // namespace orv
