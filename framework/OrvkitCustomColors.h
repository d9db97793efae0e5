#pragma once

#include <QStringList>

namespace orv {

/// The custom colours of the colour dialogs, shared by all of them (at most 16 are kept
/// in storage), as the dialogs' own text form.
extern QStringList CustomColors;

} // namespace orv
