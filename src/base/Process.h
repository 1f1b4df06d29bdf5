#pragma once

namespace velmora {

// What the program knows of processes, to tell files of a running program
// from those a program left when it ended without cleaning up.

// This process's id.
long CurrentProcessId();
// True when no process of that id runs any more (on this machine).
bool ProcessHasEnded(long processId);

} // namespace velmora
