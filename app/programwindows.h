#pragma once

namespace corvane {

class WindowRuntime;

// Makes the program's six windows known to the runtime by their names.
void defineWindows(WindowRuntime& windows);

} // namespace corvane
