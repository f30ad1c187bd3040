// computeStiffenerSection: a success carries two finite results, each the
// rounding of the unrounded computation.

#include "sectioninput.h"
#include "stiffener.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane::fuzz;
    ByteReader input(data, size);
    corvane::StiffenerDimensions mm;
    mm.plateWidth = entryValue(input);
    mm.plateThickness = entryValue(input);
    mm.webHeight = entryValue(input);
    mm.webThickness = entryValue(input);
    mm.facePlateWidth = entryValue(input);
    mm.facePlateThickness = entryValue(input);
    mm.span = entryValue(input);
    const auto result = corvane::computeStiffenerSection(mm);
    if (result) {
        const auto detail = corvane::stiffenerSectionDetail(mm);
        const std::string inputs =
            listed({mm.plateWidth, mm.plateThickness, mm.webHeight, mm.webThickness,
                    mm.facePlateWidth, mm.facePlateThickness, mm.span});
        checkResult(result->inertia, detail.inertia, "inertia", inputs);
        checkResult(result->modulus, detail.modulus, "modulus", inputs);
    }
    return 0;
}
