#include <orvkit/spin/OrvkitSpinAccessible.h>

#include <orvkit/spin/OrvkitSpinEdit.h>

#include <QAccessibleWidget>
#include <QMetaProperty>

namespace orv {

namespace {

class TOrvSpinAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TOrvSpinAccessible(TOrvCustomSpinEdit* spin) : QAccessibleWidget(spin, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return Spin()->Edit()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focused = Spin()->Edit()->hasFocus();
        s.readOnly = Spin()->ReadOnly();
        return s;
    }

    QVariant currentValue() const override
    {
        const QMetaProperty user = Spin()->metaObject()->userProperty();
        return user.isValid() ? user.read(Spin()) : QVariant();
    }
    void setCurrentValue(const QVariant& value) override
    {
        const QMetaProperty user = Spin()->metaObject()->userProperty();
        if (user.isValid() && !Spin()->ReadOnly())
            user.write(Spin(), value);
    }
    QVariant maximumValue() const override { return Spin()->property("Max"); }
    QVariant minimumValue() const override { return Spin()->property("Min"); }
    QVariant minimumStepSize() const override { return Spin()->property("Step"); }

private:
    TOrvCustomSpinEdit* Spin() const { return static_cast<TOrvCustomSpinEdit*>(widget()); }
};

QAccessibleInterface* SpinAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(TOrvCustomSpinEdit::staticMetaObject.className())) {
        if (auto* spin = qobject_cast<TOrvCustomSpinEdit*>(object))
            return new TOrvSpinAccessible(spin);
    }
    return nullptr;
}

} // namespace

void InstallSpinAccessibility()
{
    // Qt keeps a factory once, however often it is installed.
    QAccessible::installFactory(SpinAccessibleFactory);
}

} // namespace orv
