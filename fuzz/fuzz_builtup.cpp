// computeBuiltUpSection: a success carries two finite results, each the
// rounding of the unrounded computation.

#include "builtup.h"
#include "sectioninput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane::fuzz;
    ByteReader input(data, size);
    corvane::BuiltUpDimensions mm;
    mm.facePlate1Width = entryValue(input);
    mm.facePlate1Thickness = entryValue(input);
    mm.webHeight = entryValue(input);
    mm.webThickness = entryValue(input);
    mm.facePlate2Width = entryValue(input);
    mm.facePlate2Thickness = entryValue(input);
    const auto result = corvane::computeBuiltUpSection(mm);
    if (result) {
        const auto detail = corvane::builtUpSectionDetail(mm);
        const std::string inputs =
            listed({mm.facePlate1Width, mm.facePlate1Thickness, mm.webHeight, mm.webThickness,
                    mm.facePlate2Width, mm.facePlate2Thickness});
        checkResult(result->inertia, detail.inertia, "inertia", inputs);
        checkResult(result->modulus, detail.modulus, "modulus", inputs);
    }
    return 0;
}
