// computePipeSection: a success carries five finite results, each the
// rounding of the unrounded computation.

#include "pipe.h"
#include "sectioninput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane::fuzz;
    ByteReader input(data, size);
    const double outer = entryValue(input);
    const double wall = entryValue(input);
    const auto result = corvane::computePipeSection(outer, wall);
    if (result) {
        const auto detail = corvane::pipeSectionDetail(outer, wall);
        const std::string inputs = listed({outer, wall});
        checkResult(result->area, detail.area, "area", inputs);
        checkResult(result->radiusOfGyration, detail.radiusOfGyration, "radius of gyration",
                    inputs);
        checkResult(result->inertia, detail.inertia, "inertia", inputs);
        checkResult(result->modulus, detail.modulus, "modulus", inputs);
        checkResult(result->massPerMetre, detail.massPerMetre, "mass per metre", inputs);
    }
    return 0;
}
