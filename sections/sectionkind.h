#pragma once

// What a section kind is, written once. Every place that deals with a kind
// reads it from its description:
// - the calculator window takes its entry and result captions, which entries
//   it requires, and its computation;
// - the details, the calculation sheet and the copied result table take the
//   names, symbols and captions of the inputs, results, properties and plates;
// - the drawing labels its dimensions with the inputs' symbols;
// - the batch tool takes its command-line name, its columns (short names and
//   captions), which of them are required, and the computation.
// A window keeps its own design (positions, tab order, fonts), which is not
// the kind's but the window's.
//
// Plain C++, no Qt; texts are UTF-8 and Chinese. The captions, names and
// plate names are marked for translation (translatable.h): the windows and
// the sheet show them through QCoreApplication::translate(sectionTextContext,
// text); the batch tool uses them as they are.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

enum class SectionKind {
    Stiffener,     // hull stiffener with attached plating (船体结构剖面)
    BuiltUp,       // built-up I- or T-profile (组合型材)
    Pipe,          // round steel pipe (钢管)
    PlatedProfile, // bulb flat or flat bar with attached plating (球扁钢带板)
};
inline constexpr std::size_t sectionKindCount = 4; // one past the last kind

enum class PlateRole {
    AttachedPlating, // stiffener: the plating strip at its full breadth
    Web,             // stiffener and built-up profile
    FacePlate,       // stiffener
    FacePlate1,      // built-up profile: the upper face plate
    FacePlate2,      // built-up profile: the lower one, on the reference line
    PipeWall,        // pipe: the ring (working table only; drawn from SectionRing)
    Profile,         // plated profile: the rolled bulb flat or flat bar
};

// The calculator's results by name, each rounded as its window shows it. A
// kind fills those its description lists; the others stay 0.
struct SectionResults {
    double area = 0;             // A, cm2
    double radiusOfGyration = 0; // i, cm
    double inertia = 0;          // I about the neutral axis, cm4
    double modulus = 0;          // W, cm3
    double massPerMetre = 0;     // m, kg per metre
    // Plated profile: the neutral axis from the plating's outer surface (cm),
    // the moduli at the profile's free edge (the top of the bulb) and at the
    // plating's outer surface, and the smaller of the two (cm3).
    double neutralAxis = 0;
    double freeEdgeModulus = 0;
    double platingModulus = 0;
    double minModulus = 0;
};

// One entry of the calculator, in millimetres.
struct InputDescription {
    const char* shortName; // the batch tool's column: "tp"
    const char* caption; // beside the window's entry field, with its unit: "型材带板厚度(mm)"
    const char* name;    // in the details and the sheet, without the unit: "型材带板厚度"
    const char* symbol;  // "t_p"; "_" starts a subscript
    bool required;       // an empty entry is refused; otherwise it reads as 0
    // Set only from a profile name (a bulb's c and r): no entry field and no
    // batch column of its own, 0 when no name gives it.
    bool fromNameOnly = false;
};

// A text that stands for several inputs at once: a rolled profile's name
// ("HP 200×10", "FB200x10") gives its height, thickness and bulb.
struct ProfileNameInput {
    const char* shortName; // the batch tool's column: "profile"
    const char* caption;   // "型材规格"
    // Reads the name into the millimetres of the inputs it stands for;
    // otherwise says why not, in Chinese and in English.
    struct Problem {
        std::string chinese;
        std::string english;
    };
    std::optional<Problem> (*read)(std::string_view text, double* mm);
    // The inputs the name gives; an entry of its own for them is then not
    // required.
    std::span<const int> gives;
};

// How a result is rounded before it is shown: half up at the second decimal
// (roundToHundredths), the only rounding the calculators use.
enum class Rounding { Hundredths };

// One result of the calculator.
struct ResultDescription {
    const char* column;  // the batch tool's column: "I_cm4"
    const char* caption; // beside the window's result field, with its unit: "极惯性矩(cm4)"
    const char* unit;    // "cm4"
    Rounding rounding;   // how the computation rounds it
    double SectionResults::*value;
};

// One plate of the section. `thickness` and `extent` are the inputs that give
// the plate's thickness (what a corrosion deduction reduces) and its other
// dimension (a width, or the web's height; the pipe's outer diameter); the
// plate takes part in the section only when both are non-zero.
struct PlateDescription {
    PlateRole role;
    const char* chinese; // "带板"
    const char* english; // "attached plating"
    int thickness;       // input index
    int extent;          // input index
};

struct SectionProperties;

// One row of the property table of the details and the sheet: its caption
// with symbol and unit, and where it comes from. `shown` marks the rows the
// calculator's window shows too (the same computation, the same rounding).
struct PropertyDescription {
    const char* caption;
    double (*value)(const SectionProperties& properties);
    bool shown = false;
};

struct SectionKindDescription {
    SectionKind kind;
    const char* name;                                // the batch tool's kind: "stiffener"
    const char* calculatorName;                      // "船体结构剖面"
    std::span<const InputDescription> inputs;        // in entry-field order
    std::span<const ResultDescription> results;      // in result-field order
    std::span<const PlateDescription> plates;        // in working-table order
    std::span<const PropertyDescription> properties; // in table order
    // The calculator's computation on the millimetres read, one per input in
    // input order; empty when the section has no defined result.
    std::optional<SectionResults> (*compute)(const double* mm);
    // A name that may stand for some of the inputs; null for most kinds.
    const ProfileNameInput* profileName = nullptr;
};

// Every kind, in SectionKind order.
std::span<const SectionKindDescription> sectionKinds();
const SectionKindDescription& describe(SectionKind kind);

// The plate's description (its names), whichever kind it belongs to.
const PlateDescription& plateDescription(PlateRole role);

// The one rule for a plate taking part in a section: both its dimensions are
// non-zero. A T-profile's missing face plate is neither drawn nor deducted.
constexpr bool platePresent(double extent, double thickness) {
    return extent != 0 && thickness != 0;
}

} // namespace corvane
