#pragma once

#include <orvkit/framework/OrvkitComponent.h>
#include <orvkit/framework/OrvkitGeometry.h>

#include <QTimer>
#include <QToolButton>

namespace orv {

/// A flat-capable tool button that, when Repeatable, clicks again every Interval
/// milliseconds while it is held down over it: a button held for 1 s at 400 ms clicks at
/// 400 and 800 ms, and once more on release over the button. Moving off the button
/// pauses the repeat; releasing outside it ends the repeat without a click.
class TOrvSpeedBtn : public TOrvComponentT<QToolButton> {
    Q_OBJECT
    Q_PROPERTY(unsigned Interval READ Interval WRITE SetInterval)
    Q_PROPERTY(bool Repeatable READ Repeatable WRITE SetRepeatable)
    Q_PROPERTY(int Right READ Right WRITE SetRight STORED false)
    Q_PROPERTY(int Bottom READ Bottom WRITE SetBottom STORED false)
    Q_PROPERTY(QString Version READ Version STORED false)
public:
    explicit TOrvSpeedBtn(QWidget* parent = nullptr);

    unsigned Interval() const { return fInterval; }
    void SetInterval(unsigned value);
    bool Repeatable() const { return fRepeatable; }
    void SetRepeatable(bool value);
    /// Whether a held button is repeating now.
    bool Repeating() const { return fRepeat.isActive(); }

    int Right() const { return SaturatedAdd(x(), width()); }
    int Bottom() const { return SaturatedAdd(y(), height()); }
    /// Moves the button so that its right (bottom) edge lies there, without resizing it.
    void SetRight(int value) { MoveRightTo(*this, value); }
    void SetBottom(int value) { MoveBottomTo(*this, value); }
    QString Version() const;

    bool Flat() const { return autoRaise(); }
    void SetFlat(bool value) { setAutoRaise(value); }

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void RepeatClick();

    QTimer fRepeat;
    unsigned fInterval = 400;
    bool fRepeatable = false;
};

} // namespace orv
