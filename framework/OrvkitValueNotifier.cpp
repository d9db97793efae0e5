#include <orvkit/framework/OrvkitValueNotifier.h>

#include <QMetaProperty>

namespace orv {

void TOrvValueNotifier::Watch(QObject& control, const QMetaMethod& signal)
{
    if (fWatching)
        return;
    const QMetaProperty user = control.metaObject()->userProperty();
    if (!user.isValid() || user.notifySignal() != signal)
        return;
    fWatching = true;
    fReported = user.read(&control);
}

void TOrvValueNotifier::Check(QObject& control)
{
    if (!fWatching)
        return;
    const QMetaProperty user = control.metaObject()->userProperty();
    if (!user.isValid() || !user.hasNotifySignal())
        return;
    QVariant value = user.read(&control);
    if (value == fReported)
        return;
    fReported = value;
    const QMetaMethod signal = user.notifySignal();
    if (signal.parameterCount() == 0) {
        signal.invoke(&control, Qt::DirectConnection);
        return;
    }
    const QMetaType type = signal.parameterMetaType(0);
    if (value.metaType() != type && !value.convert(type))
        return;
    signal.invoke(&control, Qt::DirectConnection, QGenericArgument(type.name(), value.constData()));
}

} // namespace orv
