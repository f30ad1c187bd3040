#pragma once

// The machine's own services for the About box's lookup of the
// system-information tool: the registry (Qt-free, in sysinfo/) and the file
// and process services, here over Qt. Tests hand the lookup fakes instead.

#include "registry.h"
#include "sysinfo.h"

namespace corvane {

// Files and processes of the machine the program runs on.
SystemServices& platformServices();

} // namespace corvane
