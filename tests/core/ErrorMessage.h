#pragma once

#include <orvkit/core/OrvkitExceptions.h>

#include <string>
#include <utility>

namespace orvtest {

inline const std::string kNoError = "<none>";

/// Runs `f` and gives the message (UTF-8) of the `E` it raises, or kNoError when it
/// returns. An exception of another type escapes and fails the test.
template <typename E = orv::Exception, typename F>
std::string RaisedMessage(F&& f)
{
    try {
        std::forward<F>(f)();
    } catch (const E& e) {
        return e.what();
    }
    return kNoError;
}

} // namespace orvtest
