#include "base/Process.h"

#include <cerrno>

#if !defined(__unix__) && !defined(__APPLE__)
#error "Process needs the POSIX process interface"
#endif
#include <signal.h>
#include <unistd.h>

namespace velmora {

long CurrentProcessId()
{
    return static_cast<long>(::getpid());
}

bool ProcessHasEnded(long processId)
{
    return processId > 0 && ::kill(static_cast<pid_t>(processId), 0) != 0 && errno == ESRCH;
}

} // namespace velmora
