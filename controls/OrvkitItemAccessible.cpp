#include <orvkit/controls/OrvkitItemAccessible.h>

#include <orvkit/controls/OrvkitCheckBox.h>
#include <orvkit/controls/OrvkitGroupBox.h>
#include <orvkit/controls/OrvkitRadioBtn.h>

#include <QAccessible>
#include <QAccessibleWidget>

namespace orv {

namespace {

/// What the self-painted controls share: the caption as name, read-only and the tab stop
/// they keep themselves (Qt sees no click focus and would call them unfocusable).
class TItemAccessible : public QAccessibleWidget {
public:
    TItemAccessible(TOrvItemControlBase* control, QAccessible::Role role) : QAccessibleWidget(control, role) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? PlainCaption(Control()->Caption()) : name;
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = Control()->ReadOnly();
        s.focusable = Control()->isEnabled();
        return s;
    }

protected:
    TOrvItemControlBase* Control() const { return static_cast<TOrvItemControlBase*>(widget()); }
};

class TCheckBoxAccessible : public TItemAccessible {
public:
    explicit TCheckBoxAccessible(TOrvCustomCheckBox* box) : TItemAccessible(box, QAccessible::CheckBox) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = TItemAccessible::state();
        s.checkable = true;
        s.checked = Box()->State() == cbChecked;
        s.checkStateMixed = Box()->State() == cbGrayed;
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{toggleAction()} + TItemAccessible::actionNames();
    }

    void doAction(const QString& action) override
    {
        // As Space does: a read-only or disabled box keeps its state.
        if (action == toggleAction() || action == pressAction()) {
            if (Box()->isEnabled() && !Box()->ReadOnly())
                Box()->ToggleState();
            return;
        }
        TItemAccessible::doAction(action);
    }

private:
    TOrvCustomCheckBox* Box() const { return static_cast<TOrvCustomCheckBox*>(widget()); }
};

class TRadioBtnAccessible : public TItemAccessible {
public:
    explicit TRadioBtnAccessible(TOrvRadioBtn* radio) : TItemAccessible(radio, QAccessible::RadioButton) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = TItemAccessible::state();
        s.checkable = true;
        s.checked = Radio()->Checked();
        return s;
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + TItemAccessible::actionNames(); }

    void doAction(const QString& action) override
    {
        // As a click does: the button takes the focus and checks itself unless read-only.
        if (action == pressAction() || action == toggleAction()) {
            if (Radio()->isEnabled())
                Radio()->setFocus(Qt::OtherFocusReason);
            if (Radio()->isEnabled() && !Radio()->ReadOnly())
                Radio()->SetChecked(true);
            return;
        }
        TItemAccessible::doAction(action);
    }

private:
    TOrvRadioBtn* Radio() const { return static_cast<TOrvRadioBtn*>(widget()); }
};

QAccessibleInterface* ItemAccessibleFactory(const QString& className, QObject* object)
{
    Q_UNUSED(className);
    if (auto* box = qobject_cast<TOrvCustomCheckBox*>(object))
        return new TCheckBoxAccessible(box);
    if (auto* radio = qobject_cast<TOrvRadioBtn*>(object))
        return new TRadioBtnAccessible(radio);
    // The groups' items are child widgets, so they are the group's children as they are.
    if (auto* group = qobject_cast<TOrvGroupBox*>(object))
        return new TItemAccessible(group, QAccessible::Grouping);
    return nullptr;
}

} // namespace

void InstallItemAccessibleFactory()
{
    // A static library drops a unit nobody calls, so the controls install the factory
    // as they are created instead of at the application's start.
    static const bool installed = [] {
        QAccessible::installFactory(&ItemAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

QString PlainCaption(const QString& caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (++i >= caption.size())
                break;
        }
        plain.append(caption[i]);
    }
    return plain;
}

} // namespace orv
