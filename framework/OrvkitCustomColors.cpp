#include <orvkit/framework/OrvkitCustomColors.h>

namespace orv {

QStringList CustomColors;

} // namespace orv
