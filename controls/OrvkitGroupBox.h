#pragma once

#include <orvkit/controls/OrvkitItemControl.h>

#include <QFont>
#include <QMetaObject>

namespace orv {

/// A container with a styled frame and heading. Its contents rectangle (for layouts and
/// children) lies below the heading. The group counts as entered while the focus is on
/// it or on any control inside it; a focus that arrives on the group itself moves on
/// to the control inside that should have it.
class TOrvGroupBox : public TOrvItemControlBase {
    Q_OBJECT
    // The set is edited in place; it is not a QObject, so the property is its address.
    Q_PROPERTY(orv::TOrvGroupColorSet* ColorSet READ ColorSetAddress CONSTANT)
    Q_PROPERTY(int CaptionMargin READ CaptionMargin WRITE SetCaptionMargin)
    Q_PROPERTY(QFont CaptionFont READ CaptionFont WRITE SetCaptionFont)
public:
    explicit TOrvGroupBox(QWidget* parent = nullptr);
    ~TOrvGroupBox() override;

    TOrvGroupColorSet& ColorSet() const { return static_cast<TOrvGroupColorSet&>(OwnColorSet()); }
    TOrvGroupColorSet* ColorSetAddress() const { return &ColorSet(); }
    TOrvUIClientKind UIClientKind() const override { return eukGroupBox; }

    /// The heading's font; the control's own font until one is assigned.
    QFont CaptionFont() const { return fCaptionFont; }
    /// Copies the font and stops following the parent's font.
    void SetCaptionFont(const QFont& value);
    int CaptionMargin() const { return fCaptionMargin; }
    void SetCaptionMargin(int value);

    /// The area offered to the controls inside: below the height of "0", 2 pixels in.
    QRect ClientRect() const { return contentsRect(); }

protected:
    /// The control inside that takes a focus arriving on the group; none keeps it.
    virtual QWidget* FocusTarget() const;
    void Accelerator() override;
    void PaintControl(QPainter& canvas) override;
    void FontChanged() override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void FocusChanged(QWidget* old, QWidget* now);
    void UpdateClientMargins();
    const TOrvGroupColors& PaintGroupColors() const;
    void PaintFrame(QPainter& canvas, int headingHeight);
    void PaintHeading(QPainter& canvas);

    QFont fCaptionFont;
    int fCaptionMargin = 8;
    bool fWithin = false;
    QMetaObject::Connection fFocusWatch;
};

} // namespace orv
