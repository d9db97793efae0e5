#include <orvkit/framework/OrvkitStateCtrl.h>

#include <QCoreApplication>

namespace orv {

namespace {
constexpr const char* kReadOnly = "ReadOnly";
} // namespace

// ---- TOrvStateControl

void TOrvStateControl::SetControl(QWidget* value)
{
    if (value == fControl)
        return;
    fControl = value;
    fCollection.Update(*this);
}

void TOrvStateControl::SetActive(bool value)
{
    if (value == fActive)
        return;
    fActive = value;
    fCollection.Update(*this);
}

QString TOrvStateControl::DisplayName() const
{
    if (!fControl)
        return QCoreApplication::translate("OrvkitStateCtrl", "<empty>");
    return fControl->objectName();
}

// ---- TOrvStateControls

TOrvStateControl& TOrvStateControls::Add()
{
    fItems.push_back(std::make_unique<TOrvStateControl>(*this));
    return *fItems.back();
}

TOrvStateControl& TOrvStateControls::Add(QWidget* control)
{
    TOrvStateControl& item = Add();
    item.SetControl(control);
    return item;
}

void TOrvStateControls::Delete(int index)
{
    if (index >= 0 && index < Count())
        fItems.erase(fItems.begin() + index);
}

void TOrvStateControls::Update(TOrvStateControl& item)
{
    fOwner.UpdateItem(item);
}

// ---- TOrvStateCtrl

TOrvStateCtrl::TOrvStateCtrl(QObject* owner) : TOrvComponent(owner) {}

bool TOrvStateCtrl::HasReadOnly(const QWidget& control)
{
    return control.metaObject()->indexOfProperty(kReadOnly) >= 0;
}

bool TOrvStateCtrl::EnabledFor(const QWidget& control) const
{
    if (fDisableOnReadOnly && !HasReadOnly(control))
        return fEnabled && !fReadOnly;
    return fEnabled;
}

template <class Apply>
void TOrvStateCtrl::ForEachActive(Apply apply)
{
    for (int i = 0; i < fControls.Count(); ++i) {
        const TOrvStateControl& item = fControls.Items(i);
        if (item.Active() && item.Control())
            apply(*item.Control());
    }
}

void TOrvStateCtrl::SetReadOnly(bool value)
{
    if (value == fReadOnly)
        return;
    fReadOnly = value;
    ForEachActive([this](QWidget& control) {
        if (HasReadOnly(control))
            control.setProperty(kReadOnly, fReadOnly);
        else if (fDisableOnReadOnly)
            control.setEnabled(EnabledFor(control));
    });
}

void TOrvStateCtrl::SetEnabled(bool value)
{
    if (value == fEnabled)
        return;
    fEnabled = value;
    ForEachActive([this](QWidget& control) { control.setEnabled(EnabledFor(control)); });
}

void TOrvStateCtrl::SetVisible(bool value)
{
    if (value == fVisible)
        return;
    fVisible = value;
    ForEachActive([this](QWidget& control) { control.setVisible(fVisible); });
}

void TOrvStateCtrl::SetDisableOnReadOnly(bool value)
{
    if (value == fDisableOnReadOnly)
        return;
    fDisableOnReadOnly = value;
    ForEachActive([this](QWidget& control) { control.setEnabled(EnabledFor(control)); });
}

void TOrvStateCtrl::UpdateItem(const TOrvStateControl& item)
{
    QWidget* control = item.Control();
    if (!item.Active() || !control)
        return;
    if (HasReadOnly(*control))
        control->setProperty(kReadOnly, fReadOnly);
    control->setEnabled(EnabledFor(*control));
    control->setVisible(fVisible);
}

void TOrvStateCtrl::Refresh()
{
    for (int i = 0; i < fControls.Count(); ++i)
        UpdateItem(fControls.Items(i));
}

} // namespace orv
