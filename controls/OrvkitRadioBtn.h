#pragma once

#include <orvkit/controls/OrvkitItemControl.h>

namespace orv {

/// A radio button painted by itself. Checking it unchecks every other radio button of the
/// same parent; the checked one keeps the only tab stop among them. It checks itself when
/// it takes the focus unless read-only. There is no null state.
class TOrvRadioBtn : public TOrvCustomSelectBtn {
    Q_OBJECT
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked NOTIFY checkedChanged USER true)
    Q_PROPERTY(int RadioMargin READ RadioMargin WRITE SetRadioMargin)
public:
    static constexpr int kDiameter = 12;

    explicit TOrvRadioBtn(QWidget* parent = nullptr) : TOrvRadioBtn(parent, false) {}

    TOrvUIClientKind UIClientKind() const override { return eukRadioButton; }

    int RadioMargin() const { return MarkMargin(); }
    void SetRadioMargin(int value);
    bool Checked() const { return fChecked; }
    /// OnStateChange fires also while loading.
    void SetChecked(bool value);

signals:
    /// Whenever Checked changes, by code or by the user, never while loading.
    void checkedChanged(bool checked);

protected:
    TOrvRadioBtn(QWidget* parent, bool groupItem);

    int MarkWidth() const override { return kDiameter; }
    void PaintMark(QPainter& canvas, const QRect& mark, const TOrvItemPaintColors& colors) override;
    void Accelerator() override { setFocus(Qt::ShortcutFocusReason); }
    void DoEnter() override;
    void ReadOnlyChanged() override;
    /// The arrow keys move to the previous or next radio button of the same parent (a
    /// group moves among its own items).
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(QChar& key) override;

private:
    bool fChecked = false;
};

} // namespace orv
