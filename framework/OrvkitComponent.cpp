#include <orvkit/framework/OrvkitComponent.h>

namespace orv {

TOrvComponent::TOrvComponent(QObject* owner) : TOrvComponentT<QObject>(owner) {}

QString TOrvComponent::Version() const
{
    return QString::fromLatin1(OrvkitVersion);
}

} // namespace orv
