#pragma once

#include <QWidget>
#include <functional>
#include <vector>

namespace orv::monkey {

/// A control class the harness drives: its name and how to make one on a form.
struct TControlClass {
    const char* name;
    std::function<QWidget*(QWidget* parent)> make;
};

/// Every control class of the suite. A control built later joins here.
const std::vector<TControlClass>& ControlClasses();

} // namespace orv::monkey
