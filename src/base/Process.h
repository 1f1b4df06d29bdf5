#pragma once

#include <string>

namespace velmora {

// What the program knows of processes, to tell files of a running program
// from those a program left when it ended without cleaning up.

// This process's id.
long CurrentProcessId();
// True when no process of that id runs any more (on this machine).
bool ProcessHasEnded(long processId);
// An id of the system's current boot, so that ids of processes before a
// restart are not taken for those of processes now; empty where unknown.
std::string BootId();

} // namespace velmora
