#include <orvkit/edits/OrvkitDateTimeEdit.h>

#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/datetime/OrvkitDateTime.h>

#include <cmath>

namespace orv {

TOrvBaseDateTimeEdit::TOrvBaseDateTimeEdit(QWidget* parent)
    : TOrvCustomPanel(parent), fDateEdit(new TOrvDateEdit(this)), fTimeEdit(new TOrvTimeEdit(this))
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setFocusProxy(fDateEdit);
    ForBoth([](TOrvBaseEdit& e) {
        e.SetAlignment(taLeftJustify);
        e.SetParentFont(true);
    });
    setTabOrder(fDateEdit, fTimeEdit);
    fAutoHeight = fDateEdit->sizeHint().height();
    Connect(fDateEdit, 0);
    Connect(fTimeEdit, 1);
    fDateEdit->OnKeyPress = [this](QObject* sender, QChar& key) {
        if (OnKeyPress)
            OnKeyPress(sender, key);
    };
    fDateEdit->OnColorSetChange = [this](QObject*) {
        fTimeEdit->ColorSet().Assign(fDateEdit->ColorSet());
        if (OnColorSetChange)
            OnColorSetChange(this);
    };
    Layout();
}

void TOrvBaseDateTimeEdit::Connect(TOrvBaseEdit* child, uint32_t elementNo)
{
    child->OnChange = [this, elementNo](QObject*) {
        if (OnChange)
            OnChange(this, elementNo);
        emit changed(elementNo);
        if (!Loading())
            fValueNotifier.Check(*this);
    };
    child->OnClick = [this](QObject* sender) {
        if (OnClick)
            OnClick(sender);
        emit clicked();
    };
    child->OnDblClick = [this](QObject* sender) {
        if (OnDblClick)
            OnDblClick(sender);
    };
    child->OnMouseDown = [this](QObject* sender, Qt::MouseButton button, TShiftState shift, int x, int y) {
        if (OnMouseDown)
            OnMouseDown(sender, button, shift, x, y);
    };
    child->OnMouseUp = [this](QObject* sender, Qt::MouseButton button, TShiftState shift, int x, int y) {
        if (OnMouseUp)
            OnMouseUp(sender, button, shift, x, y);
    };
    child->OnMouseMove = [this](QObject* sender, TShiftState shift, int x, int y) {
        if (OnMouseMove)
            OnMouseMove(sender, shift, x, y);
    };
    child->OnNullChange = [this](QObject*) { ChildNullChanged(); };
    child->OnNull = [this](QObject* sender) {
        if (OnNull)
            OnNull(sender);
    };
    child->OnKeyDown = [this](QObject* sender, uint16_t& key, TShiftState shift) {
        if (OnKeyDown)
            OnKeyDown(sender, key, shift);
    };
    child->OnKeyUp = [this](QObject* sender, uint16_t& key, TShiftState shift) {
        if (OnKeyUp)
            OnKeyUp(sender, key, shift);
    };
    child->OnSpecialColor = [this](QObject* sender, bool& useSpecial) {
        if (OnSpecialColor)
            OnSpecialColor(sender, useSpecial);
    };
}

void TOrvBaseDateTimeEdit::ChildNullChanged()
{
    if (fSettingNull)
        return;
    const bool null = fDateEdit->Null() || fTimeEdit->Null();
    if (null == fNull)
        return;
    SetNull(null);
}

void TOrvBaseDateTimeEdit::SetNull(bool value)
{
    if (value == fNull && fDateEdit->Null() == value && fTimeEdit->Null() == value)
        return;
    const bool changed = value != fNull;
    {
        const TOrvScopedValue setting(fSettingNull, true);
        fNull = value;
        ForBoth([value](TOrvBaseEdit& e) { e.SetNull(value); });
    }
    if (changed && !Loading()) {
        if (OnNullChange)
            OnNullChange(this);
        emit nullChanged(value);
        fValueNotifier.Check(*this);
    }
}

void TOrvBaseDateTimeEdit::connectNotify(const QMetaMethod& signal)
{
    TOrvCustomPanel::connectNotify(signal);
    fValueNotifier.Watch(*this, signal);
}

int TOrvBaseDateTimeEdit::UsedWidth(const TOrvBaseEdit& edit, const std::optional<int>& width)
{
    constexpr int kDefaultWidth = 71;
    return width ? *width : std::max(kDefaultWidth, edit.WidthForText(edit.text()));
}

void TOrvBaseDateTimeEdit::Layout()
{
    // Widths and gap as large as an int holds still give a width Qt can take.
    setFixedWidth(ClampCoordinate(int64_t(DateWidth()) + fGap + TimeWidth()));
    if (fAutoSize) {
        setFixedHeight(fAutoHeight);
    } else {
        setMinimumHeight(0);
        setMaximumHeight(QWIDGETSIZE_MAX);
    }
    PlaceChildren();
}

void TOrvBaseDateTimeEdit::PlaceChildren()
{
    const int dateWidth = DateWidth();
    fDateEdit->setGeometry(0, 0, dateWidth, height());
    fTimeEdit->setGeometry(ClampCoordinate(int64_t(dateWidth) + fGap), 0, TimeWidth(), height());
}

void TOrvBaseDateTimeEdit::resizeEvent(QResizeEvent* e)
{
    TOrvCustomPanel::resizeEvent(e);
    PlaceChildren();
}

void TOrvBaseDateTimeEdit::PanelFontChanged()
{
    TOrvCustomPanel::PanelFontChanged();
    ForBoth([](TOrvBaseEdit& e) { e.SetParentFont(true); });
    if (fAutoSize)
        fAutoHeight = fDateEdit->sizeHint().height();
    Layout();
}

void TOrvBaseDateTimeEdit::SetDateWidth(int value)
{
    value = std::min(value, int(QWIDGETSIZE_MAX));
    if (value == fDateWidth || value < 0)
        return;
    fDateWidth = value;
    Layout();
}

void TOrvBaseDateTimeEdit::SetTimeWidth(int value)
{
    value = std::min(value, int(QWIDGETSIZE_MAX));
    if (value == fTimeWidth || value < 0)
        return;
    fTimeWidth = value;
    Layout();
}

void TOrvBaseDateTimeEdit::SetGap(int value)
{
    value = std::min(value, int(QWIDGETSIZE_MAX));
    if (value == fGap || value < 0)
        return;
    fGap = value;
    Layout();
}

void TOrvBaseDateTimeEdit::SetAutoSize(bool value)
{
    if (value == fAutoSize)
        return;
    fAutoSize = value;
    if (value)
        fAutoHeight = fDateEdit->sizeHint().height();
    ForBoth([value](TOrvBaseEdit& e) { e.SetAutoSize(value); });
    Layout();
}

void TOrvBaseDateTimeEdit::SetAlignment(TAlignment value)
{
    ForBoth([value](TOrvBaseEdit& e) { e.SetAlignment(value); });
}

void TOrvBaseDateTimeEdit::SetReadOnly(bool value)
{
    ForBoth([value](TOrvBaseEdit& e) { e.SetReadOnly(value); });
}

void TOrvBaseDateTimeEdit::SetTabStop(bool value)
{
    ForBoth([value](TOrvBaseEdit& e) { e.SetTabStop(value); });
}

void TOrvBaseDateTimeEdit::SetNullStr(const QString& value)
{
    ForBoth([&value](TOrvBaseEdit& e) { e.SetNullStr(value); });
}

void TOrvBaseDateTimeEdit::SetAllowKbdNull(bool value)
{
    ForBoth([value](TOrvBaseEdit& e) { e.SetAllowKbdNull(value); });
}

void TOrvBaseDateTimeEdit::SetAutoSelect(bool value)
{
    ForBoth([value](TOrvBaseEdit& e) { e.SetAutoSelect(value); });
}

void TOrvBaseDateTimeEdit::SetAutoSelectClick(bool value)
{
    ForBoth([value](TOrvBaseEdit& e) { e.SetAutoSelectClick(value); });
}

void TOrvBaseDateTimeEdit::SetBlankWhenZero(bool value)
{
    ForBoth([value](TOrvBaseEdit& e) { e.SetBlankWhenZero(value); });
}

void TOrvBaseDateTimeEdit::SetBlankWhenNull(bool value)
{
    ForBoth([value](TOrvBaseEdit& e) { e.SetBlankWhenNull(value); });
}

void TOrvBaseDateTimeEdit::SetBlankWhenFileTimeIsZero(bool value)
{
    fDateEdit->SetBlankWhenFileTimeIsZero(value);
    if (value)
        fTimeEdit->SetBlankWhenZero(true);
}

void TOrvBaseDateTimeEdit::SetIgnoreConvertError(bool value)
{
    ForBoth([value](TOrvBaseEdit& e) { e.SetIgnoreConvertError(value); });
}

void TOrvBaseDateTimeEdit::SetUICtrl(TOrvUICtrl* value)
{
    ForBoth([value](TOrvBaseEdit& e) { e.SetUICtrl(value); });
}

void TOrvBaseDateTimeEdit::SetUIUsage(TOrvUIUsageTypes value)
{
    ForBoth([value](TOrvBaseEdit& e) { e.SetUIUsage(value); });
}

TDateTime TOrvBaseDateTimeEdit::AsDateTime() const
{
    return ComposeDateTime(fDateEdit->Date(), fTimeEdit->Time());
}

void TOrvBaseDateTimeEdit::SetAsDateTime(TDateTime value)
{
    if (!(value >= MinDateDay && value < MaxDateDay + 1.0))
        return;
    if (fDateEdit->BlankWhenFileTimeIsZero() && value <= TOrvDateEdit::FileTimeZeroDate)
        value = TOrvDateEdit::FileTimeZeroDate;
    if (value == AsDateTime() && !fNull)
        return;
    SetNull(false);
    fDateEdit->SetDate(value);
    fTimeEdit->SetTime(TimeOfDay(value));
}

bool TOrvBaseDateTimeEdit::Focused() const
{
    return fDateEdit->hasFocus() || fTimeEdit->hasFocus();
}

void TOrvBaseDateTimeEdit::Now()
{
    SetNull(false);
    fDateEdit->Today();
    fTimeEdit->Now();
}

void TOrvBaseDateTimeEdit::Clear()
{
    ForBoth([](TOrvBaseEdit& e) { e.Clear(); });
}

void TOrvBaseDateTimeEdit::AddHours(Extended count)
{
    SetAsDateTime(TimeAddHours(AsDateTime(), double(count)));
}

void TOrvBaseDateTimeEdit::AddMinutes(Extended count)
{
    SetAsDateTime(TimeAddMinutes(AsDateTime(), double(count)));
}

void TOrvBaseDateTimeEdit::AddSeconds(Extended count)
{
    SetAsDateTime(TimeAddSeconds(AsDateTime(), double(count)));
}

} // namespace orv
