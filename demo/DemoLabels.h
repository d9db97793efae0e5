#pragma once

#include <QPoint>
#include <QString>

class QLabel;
class QWidget;

namespace orv {

/// Where a caption sits beside its control.
enum TDemoCaptionPlace {
    edcLeft,          // left of the control, its top 2 pixels below the control's
    edcAbove,         // above the control, 2 pixels in from its left edge
    edcAboveCentred   // above the control, centred on it
};

/// A caption in Arial 12 pixels bold beside `control`, with the control as its buddy, that
/// stays there when the control moves or resizes. A plain QLabel stands in for the suite's
/// attached label until that exists; "&&" shows one ampersand.
QLabel* AttachCaption(QWidget& control, const QString& caption, TDemoCaptionPlace place = edcLeft);

/// A free label on a page at `topLeft`, in the page's font unless a pixel size is given.
QLabel* AddFreeLabel(QWidget& page, const QString& text, QPoint topLeft, int pixelSize = 0, bool bold = false);

} // namespace orv
