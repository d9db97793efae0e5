#pragma once

#include <orvkit/framework/OrvkitStateCtrl.h>
#include <orvkit/framework/OrvkitUICtrl.h>

#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>

namespace orv {

/// The main window's components every page builder attaches its controls to.
struct TDemoShared {
    TOrvUICtrl& OrvUICtrl1;
    TOrvUICtrl& GrpUICtrl;
    TOrvStateCtrl& OrvStateCtrl1;
};

/// A uniform random number in [0, 1).
using TDemoRandom = std::function<double()>;

/// A new control on a page, named and at its place (left, top, width, height).
template <class T>
T* PlaceControl(QWidget& page, const char* name, const QRect& place)
{
    auto* control = new T(&page);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(place);
    return control;
}

/// Attaches a control to a UI control and, when given, makes it an item of the state control.
template <class T>
T* AttachControl(T* control, TOrvUICtrl& uiCtrl, TOrvStateCtrl* stateCtrl)
{
    control->SetUICtrl(&uiCtrl);
    if (stateCtrl)
        stateCtrl->Controls().Add(control);
    return control;
}

} // namespace orv
