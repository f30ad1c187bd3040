// Prints the properties of every listed bulb flat computed from its shape,
// and three bulb flats and flat bars with attached plating next to the hull
// calculator's figures for the same section:
//   ninja -C build hp_table && build/bench/hp_table

#include "bulbflat.h"
#include "hpprofiles.h"
#include "stiffener.h"

#include <cstdio>
#include <string>

namespace {

using namespace corvane;

void printSizes() {
    // e: the centroid above the toe; I: about the profile's own neutral axis
    // parallel to the toe; m: steel of 7.85 t/m3.
    std::printf("%-12s %9s %9s %10s %10s %9s\n", "size", "A cm2", "e cm", "I cm4", "W toe cm3",
                "m kg/m");
    for (const HpSize& size : hpSizes()) {
        const auto p = profileProperties(*hpShape(size));
        const std::string name = profileName(*hpShape(size));
        // The name carries one two-byte "×"; pad for its one column.
        std::printf("%-13s %9.3f %9.3f %10.2f %10.2f %9.3f\n", name.c_str(), p->area,
                    p->centroidHeight, p->inertia, p->modulusAtToe, p->massPerMetre);
    }
}

void printPlated(const ProfileShape& shape, double b, double tp, double l) {
    const PlatedProfileDimensions mm{shape, b, tp, l};
    const auto d = platedProfileDetail(mm);
    const auto r = computePlatedProfile(mm);
    std::printf("\n%s with plating %g x %g, span %g: k = %.6f, k*b = %.2f mm\n",
                profileName(shape).c_str(), b, tp, l, d->k, d->effectiveBreadth);
    std::printf("  A = %.2f cm2, e from plating = %.2f cm, I = %.2f cm4\n", r->area,
                r->neutralAxisFromPlating, r->inertia);
    std::printf("  W top = %.2f cm3, W plating = %.2f cm3, W min = %.2f cm3, m = %.2f kg/m\n",
                r->topModulus, r->platingModulus, r->minModulus, r->massPerMetre);
    if (shape.kind == ProfileKind::FlatBar) {
        StiffenerDimensions hull;
        hull.plateWidth = b;
        hull.plateThickness = tp;
        hull.webHeight = shape.height;
        hull.webThickness = shape.thickness;
        hull.span = l;
        const auto twin = computeStiffenerSection(hull);
        std::printf("  hull calculator, web %g x %g, face plate 0 x 0: I = %.2f cm4, W = %.2f "
                    "cm3\n",
                    shape.height, shape.thickness, twin->inertia, twin->modulus);
    }
}

} // namespace

int main() {
    printSizes();
    printPlated(*hpShape({200, 10}), 600, 10, 2400);
    printPlated(*hpShape({120, 8}), 500, 8, 1800);
    printPlated(flatBarShape(200, 10), 600, 10, 2400);
    return 0;
}
