#include <orvkit/core/OrvkitGlobals.h>

namespace orv {

bool GlobalShowPosSign = false;
bool GlobalBlankWhenZero = false;
bool GlobalRaiseFloatErrors = false;
bool GlobalCheckIPErrors = true;
bool GlobalCheckRectangular = true;

} // namespace orv
