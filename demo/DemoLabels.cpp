#include "DemoLabels.h"

#include <QEvent>
#include <QLabel>
#include <QPointer>

namespace orv {

namespace {

constexpr int kCaptionMargin = 2;

QFont LabelFont(const QFont& base, int pixelSize, bool bold)
{
    QFont font = base;
    if (pixelSize > 0) {
        font.setFamily(QStringLiteral("Arial"));
        font.setPixelSize(pixelSize);
    }
    font.setBold(bold);
    return font;
}

QPoint CaptionPosition(const QRect& control, const QSize& label, TDemoCaptionPlace place)
{
    switch (place) {
    case edcAbove:
        return {control.left() + kCaptionMargin, control.top() - label.height() - kCaptionMargin};
    case edcAboveCentred:
        return {control.left() + (control.width() - label.width()) / 2,
                control.top() - label.height() - kCaptionMargin};
    case edcLeft:
        break;
    }
    return {control.left() - label.width() - kCaptionMargin, control.top() + kCaptionMargin};
}

// Keeps a caption beside its control: the control moving or resizing, or the caption
// changing its size, places the caption again.
class TCaptionFollower : public QObject {
public:
    TCaptionFollower(QLabel& label, QWidget& control, TDemoCaptionPlace place)
        : QObject(&label), fLabel(label), fControl(&control), fPlace(place)
    {
        control.installEventFilter(this);
        label.installEventFilter(this);
        Place();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Move && watched == fControl) || type == QEvent::Resize)
            Place();
        return QObject::eventFilter(watched, event);
    }

private:
    void Place()
    {
        if (fControl)
            fLabel.move(CaptionPosition(fControl->geometry(), fLabel.size(), fPlace));
    }

    QLabel& fLabel;
    QPointer<QWidget> fControl;
    TDemoCaptionPlace fPlace;
};

} // namespace

QLabel* AttachCaption(QWidget& control, const QString& caption, TDemoCaptionPlace place)
{
    auto* label = new QLabel(caption, control.parentWidget());
    label->setFont(LabelFont(label->font(), 12, true));
    label->setBuddy(&control);
    label->adjustSize();
    new TCaptionFollower(*label, control, place);
    return label;
}

QLabel* AddFreeLabel(QWidget& page, const QString& text, QPoint topLeft, int pixelSize, bool bold)
{
    auto* label = new QLabel(text, &page);
    label->setFont(LabelFont(label->font(), pixelSize, bold));
    label->adjustSize();
    label->move(topLeft);
    return label;
}

} // namespace orv
