#include "base/Process.h"

#include <cerrno>
#include <fstream>

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

std::string BootId()
{
    std::ifstream in("/proc/sys/kernel/random/boot_id");
    std::string id;
    std::getline(in, id);
    return id;
}

} // namespace velmora
