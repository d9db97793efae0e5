#include <orvkit/framework/OrvkitSpeedBtn.h>

#include <QMouseEvent>
#include <algorithm>

namespace orv {

// A timer rather than a loop that pumps events: the click handlers run from the event
// loop as every other handler does, and nothing can re-enter a half-finished press.
TOrvSpeedBtn::TOrvSpeedBtn(QWidget* parent) : TOrvComponentT<QToolButton>(parent)
{
    fRepeat.setInterval(static_cast<int>(fInterval));
    connect(&fRepeat, &QTimer::timeout, this, &TOrvSpeedBtn::RepeatClick);
    setFocusPolicy(Qt::NoFocus);
}

QString TOrvSpeedBtn::Version() const
{
    return QString::fromLatin1(OrvkitVersion);
}

void TOrvSpeedBtn::SetInterval(unsigned value)
{
    fInterval = value;
    // A zero interval would click on every turn of the event loop.
    fRepeat.setInterval(static_cast<int>(std::clamp(value, 1u, 24u * 3600 * 1000)));
}

void TOrvSpeedBtn::SetRepeatable(bool value)
{
    fRepeatable = value;
    if (!value)
        fRepeat.stop();
}

void TOrvSpeedBtn::mousePressEvent(QMouseEvent* e)
{
    QToolButton::mousePressEvent(e);
    if (fRepeatable && isDown())
        fRepeat.start();
}

void TOrvSpeedBtn::mouseReleaseEvent(QMouseEvent* e)
{
    fRepeat.stop(); // before the release click, whose handler may take a while
    QToolButton::mouseReleaseEvent(e);
}

void TOrvSpeedBtn::hideEvent(QHideEvent* e)
{
    fRepeat.stop();
    QToolButton::hideEvent(e);
}

void TOrvSpeedBtn::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::EnabledChange && !isEnabled())
        fRepeat.stop();
    QToolButton::changeEvent(e);
}

void TOrvSpeedBtn::RepeatClick()
{
    // Held but moved off the button: no click until it is back over it.
    if (isDown())
        emit clicked(false);
}

} // namespace orv
