#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <utility>

namespace velmora {

class MessageDisplay;
class Window;

// Tells the user that an event could not be handled and that the document
// is kept. A report asked for while another one is on screen is dropped, so
// that a failure repeated by every repaint under the modal box does not stack
// boxes. The cause is also written to the Qt log.
void ReportInternalError(MessageDisplay& messages, Window* owner, const std::string& cause);

// What a failure that escaped an event handler was, for the log.
std::string DescribeCurrentException();

// Runs an event handler of a window. Whatever escapes it (a standard
// exception, a document error code, a mode or word enumeration, anything) is
// caught and reported, so the program goes on with its document. True when
// the handler finished normally.
template <class Handler>
bool RunGuarded(MessageDisplay& messages, Window* owner, Handler&& handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (...) {
        try {
            ReportInternalError(messages, owner, DescribeCurrentException());
        } catch (...) {
            // Nothing more can be done than to keep running.
        }
        return false;
    }
}

} // namespace velmora
