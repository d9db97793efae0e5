#pragma once

#include <orvkit/core/OrvkitGlobals.h>

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <exception>
#include <functional>

namespace orv {

/// A notification event: the sender only.
using TNotifyEvent = std::function<void(QObject* sender)>;

/// Runs a setter for a write through Qt's property system (Designer, data mappers, QML),
/// where nothing may be thrown: a failure leaves the value as the setter left it, which
/// raises before it changes anything, and becomes a warning naming the property.
template <class Setter>
void WriteFromQt(const QObject& object, const char* property, Setter&& setter) noexcept
{
    try {
        setter();
    } catch (const std::exception& e) {
        qWarning("%s.%s: %s", object.metaObject()->className(), property, e.what());
    }
}

inline namespace ComponentEnums {
Q_NAMESPACE

/// What a free-notification reports.
enum TOperation { opInsert, opRemove };
Q_ENUM_NS(TOperation)
} // namespace ComponentEnums

/// The component model on top of any QObject class (QObject itself, QLineEdit, QFrame ...):
/// the owner is the Qt parent (it frees what it owns), the name is the object name, a
/// loading flag raised by BeginLoad and cleared by EndLoad, which then calls Loaded, a
/// designing flag, and free-notification: a component that keeps a reference to another
/// calls FreeNotification on it and hears Notification(other, opRemove) when the other is
/// destroyed, in time to clear its reference.
///
/// Notification runs while the other object is being destroyed: compare its address, do
/// not call into it.
template <class Base>
class TOrvComponentT : public Base {
public:
    using Base::Base;
    ~TOrvComponentT() override
    {
        // Derived parts are gone by now; no notification may reach them any more.
        for (const auto& connection : std::as_const(fFreeNotifications))
            QObject::disconnect(connection);
    }

    QString Name() const { return this->objectName(); }
    void SetName(const QString& value) { this->setObjectName(value); }
    QObject* Owner() const { return this->parent(); }

    bool Loading() const { return fLoadDepth > 0; }
    bool Designing() const { return fDesigning; }
    void SetDesigning(bool value) { fDesigning = value; }

    /// Starts reading the stored layout; nests.
    void BeginLoad() { ++fLoadDepth; }
    /// Ends reading the stored layout; the outermost call runs Loaded.
    void EndLoad()
    {
        if (fLoadDepth == 0)
            return;
        if (--fLoadDepth == 0)
            Loaded();
    }

    /// Asks to hear of the destruction of `component` through Notification.
    void FreeNotification(QObject* component)
    {
        if (!component || component == this || fFreeNotifications.contains(component))
            return;
        fFreeNotifications.insert(component,
            QObject::connect(component, &QObject::destroyed, this, [this](QObject* gone) {
                fFreeNotifications.remove(gone);
                Notification(gone, opRemove);
            }));
    }
    void RemoveFreeNotification(QObject* component)
    {
        const auto it = fFreeNotifications.constFind(component);
        if (it == fFreeNotifications.cend())
            return;
        QObject::disconnect(*it);
        fFreeNotifications.erase(it);
    }

protected:
    /// Runs after the stored layout has been read.
    virtual void Loaded() {}
    /// Reports that `component`, given to FreeNotification, is being destroyed.
    virtual void Notification(QObject* component, TOperation operation)
    {
        Q_UNUSED(component);
        Q_UNUSED(operation);
    }

private:
    QHash<QObject*, QMetaObject::Connection> fFreeNotifications;
    int fLoadDepth = 0;
    bool fDesigning = false;
};

/// A non-visual component.
class TOrvComponent : public TOrvComponentT<QObject> {
    Q_OBJECT
    Q_PROPERTY(QString Version READ Version STORED false)
public:
    explicit TOrvComponent(QObject* owner = nullptr);

    QString Version() const;
};

/// Points `field` of the component `self` at `value`, a component that keeps a notify
/// list: `self` leaves the old one's list and joins the new one's, with free-notification
/// so that it hears of the new one's destruction. False when nothing changed.
template <class Self, class Target>
bool Reattach(Self& self, QPointer<Target>& field, Target* value)
{
    if (value == field)
        return false;
    if (field) {
        field->RemoveFromNotifyList(&self);
        self.RemoveFreeNotification(field);
    }
    field = value;
    if (value) {
        self.FreeNotification(value);
        value->AddToNotifyList(&self);
    }
    return true;
}

} // namespace orv
