#pragma once

#include <orvkit/demo/DemoPage.h>

namespace orv {

class TOrvIntEdit;
class TOrvPercentEdit;
class TOrvPosFloatEdit;
class TOrvFloatEdit;
class TOrvSciFloatEdit;

/// The edits of the "Edits" page that receive their values at start.
struct TEditsPage {
    TOrvIntEdit* OrvIntEdit1 = nullptr;
    TOrvPosFloatEdit* OrvPosFloatEdit1 = nullptr;
    TOrvFloatEdit* OrvFloatEdit1 = nullptr;
    TOrvSciFloatEdit* OrvSciFloatEdit1 = nullptr;
    TOrvPercentEdit* OrvPercentEdit1 = nullptr;
};

/// Fills the "Edits" page: the text, numeric, date and time edits with their captions,
/// each attached to its UI control and an item of the state control.
TEditsPage BuildEditsPage(QWidget& page, const TDemoShared& shared);

/// The start values: random floats, the fixed integer, and the scientific edit's range.
void PrepareEditsPage(const TEditsPage& edits, const TDemoRandom& random);

} // namespace orv
