#include <orvkit/spin/OrvkitSpinEdit.h>

#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/framework/OrvkitGlyphs.h>
#include <orvkit/framework/OrvkitUICtrl.h>
#include <orvkit/spin/OrvkitSpinAccessible.h>

#include <QCoreApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QWheelEvent>

namespace orv {

namespace {
constexpr int kEditWidth = 71;
constexpr int kButtonWidth = 16;

TOrvSpeedBtn* NewSpinButton(QWidget* parent, const char* glyph, const char* name, unsigned interval)
{
    auto* button = new TOrvSpeedBtn(parent);
    button->setAccessibleName(QCoreApplication::translate("OrvkitSpinEdit", name));
    const QPixmap pixmap = GlyphBitmap(QString::fromLatin1(glyph));
    button->setIcon(QIcon(pixmap));
    button->setIconSize(pixmap.size());
    button->SetRepeatable(true);
    button->SetInterval(interval);
    return button;
}
} // namespace

TOrvCustomSpinEdit::TOrvCustomSpinEdit(QWidget* parent, std::unique_ptr<TOrvBaseEdit> edit)
    : TOrvEditBtnPanel(parent, std::move(edit), kEditWidth, kButtonWidth)
{
    InstallSpinAccessibility();
    Edit()->SetAlignment(taRightJustify);
    fUpBtn = NewSpinButton(this, "UPGLYPH", QT_TRANSLATE_NOOP("OrvkitSpinEdit", "Up"), fInterval);
    fDownBtn = NewSpinButton(this, "DOWNGLYPH", QT_TRANSLATE_NOOP("OrvkitSpinEdit", "Down"), fInterval);
    AddButton(fUpBtn);
    AddButton(fDownBtn);
    connect(fUpBtn, &QToolButton::clicked, this, &TOrvCustomSpinEdit::StepUp);
    connect(fDownBtn, &QToolButton::clicked, this, &TOrvCustomSpinEdit::StepDown);
    Edit()->OnNull = [this](QObject*) {
        if (OnNull)
            OnNull(this);
    };
    Edit()->installEventFilter(this);
    Edit()->OnSpecialColor = [this](QObject*, bool& useSpecialColor) {
        if (OnSpecialColor)
            OnSpecialColor(this, useSpecialColor);
    };
}

TOrvCustomSpinEdit::~TOrvCustomSpinEdit()
{
    // The edit outlives this part of the panel while Qt deletes the children.
    Edit()->removeEventFilter(this);
    Edit()->OnNull = nullptr;
    Edit()->OnSpecialColor = nullptr;
}

void TOrvCustomSpinEdit::StepUp()
{
    Click(esmUp, OnUpClick, OnAfterUpClick);
}

void TOrvCustomSpinEdit::StepDown()
{
    Click(esmDown, OnDownClick, OnAfterDownClick);
}

void TOrvCustomSpinEdit::Click(TOrvSpinMove move, const TNotifyEvent& before, const TNotifyEvent& after)
{
    if (ReadOnly())
        return;
    if (!Edit()->hasFocus())
        Edit()->setFocus(Qt::OtherFocusReason);
    if (before)
        before(this);
    SafeSpin(move);
    if (after)
        after(this);
}

void TOrvCustomSpinEdit::SafeSpin(TOrvSpinMove move)
{
    // Button clicks and keys come from the event loop, where nothing may be thrown.
    try {
        Spin(move);
    } catch (const Exception&) {
    }
}

void TOrvCustomSpinEdit::SetInterval(unsigned value)
{
    if (value == fInterval)
        return;
    fInterval = value;
    fUpBtn->SetInterval(value);
    fDownBtn->SetInterval(value);
}

void TOrvCustomSpinEdit::SetAutoSize(bool value)
{
    if (value == AutoSize())
        return;
    Edit()->SetAutoSize(value);
    if (value)
        resize(width(), Edit()->sizeHint().height());
}

void TOrvCustomSpinEdit::EditEnter()
{
    if (fArrows && !fArrowsOff)
        fArrowsOff.emplace(GlobalArrowsAsTab, false);
    TOrvEditBtnPanel::EditEnter();
}

void TOrvCustomSpinEdit::EditExit()
{
    // The edit has converted its text before it reports leaving, so reading cannot fail
    // on the text; the default is restored whatever happens.
    try {
        ClampValue();
    } catch (const Exception&) {
    }
    fArrowsOff.reset();
    TOrvEditBtnPanel::EditExit();
}

void TOrvCustomSpinEdit::EditKeyDown(uint16_t& key, TShiftState shift)
{
    if (ReadOnly())
        return;
    TOrvEditBtnPanel::EditKeyDown(key, shift);
    const bool ctrl = shift.testFlag(ssCtrl);
    switch (key) {
    case VK_PRIOR:
        SafeSpin(ctrl ? esmToMax : esmPageUp);
        break;
    case VK_NEXT:
        SafeSpin(ctrl ? esmToMin : esmPageDown);
        break;
    case VK_UP:
        StepUp();
        break;
    case VK_DOWN:
        StepDown();
        break;
    default:
        break;
    }
}

void TOrvCustomSpinEdit::EditRawKeyDown(uint16_t& key, TShiftState shift)
{
    TOrvEditBtnPanel::EditRawKeyDown(key, shift);
    // A UI control's navigation would still send plain arrows on as Tab; they step here
    // and the edit never sees them.
    const bool plain = !(shift & (ssShift | ssAlt | ssCtrl));
    if (fArrows && plain && (key == VK_UP || key == VK_DOWN)) {
        EditKeyDown(key, shift);
        key = 0;
    }
}

void TOrvCustomSpinEdit::EditKeyPress(QChar& key)
{
    TOrvEditBtnPanel::EditKeyPress(key);
    if (!fEditorEnabled && key.unicode() >= 32)
        key = QChar();
}

bool TOrvCustomSpinEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit()) {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && Edit()->rect().contains(mouse->position().toPoint())) {
                if (OnClick)
                    OnClick(this);
                emit clicked();
            }
        } else if (event->type() == QEvent::Wheel && Edit()->hasFocus()) {
            WheelStep(*static_cast<QWheelEvent*>(event));
            return true;
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && OnDblClick)
                OnDblClick(this);
        }
    }
    return TOrvEditBtnPanel::eventFilter(watched, event);
}

void TOrvCustomSpinEdit::WheelStep(QWheelEvent& event)
{
    event.accept();
    // Whole notches only: a touchpad's small deltas add up to one.
    fWheelDelta += event.angleDelta().y();
    constexpr int kNotch = QWheelEvent::DefaultDeltasPerStep;
    while (fWheelDelta >= kNotch) {
        fWheelDelta -= kNotch;
        StepUp();
    }
    while (fWheelDelta <= -kNotch) {
        fWheelDelta += kNotch;
        StepDown();
    }
}

void TOrvCustomSpinEdit::ColorSetChangeRelay()
{
    Redraw();
    TOrvEditBtnPanel::ColorSetChangeRelay();
}

} // namespace orv
