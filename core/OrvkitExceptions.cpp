#include <orvkit/core/OrvkitExceptions.h>

namespace orv {

Exception::Exception(const QString& message)
    : fMessage(message), fUtf8(message.toUtf8())
{
}

} // namespace orv
