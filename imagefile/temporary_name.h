#pragma once
// The names of the temporary files AtomicFile writes beside a target,
// internal to imagefile/: ".<name>.trimlet-<pid>-XXXXXX", hidden, carrying
// the writing process's id, with mkstemp's six characters last. <name> is
// the target's name cut to 200 bytes, so the whole stays under the 255-byte
// name limit of the usual file systems.

#include <sys/types.h>
#include <string>

namespace trimlet::temporary_name {

// The mkstemp pattern for a target named `name` written by process `pid`.
std::string patternFor(const std::string& name, pid_t pid);

// The writing process's id when `name` is one of these names, else 0.
pid_t writerOf(const std::string& name);

}  // namespace trimlet::temporary_name
