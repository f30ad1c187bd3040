#include "sectionkind.h"

#include "builtup.h"
#include "bulbflat.h"
#include "hpprofiles.h"
#include "pipe.h"
#include "sectiondetails.h"
#include "stiffener.h"
#include "translatable.h"

#include <variant>
#include <vector>

namespace corvane {

namespace {

// ---------------------------------------------------------------------------
// Hull stiffener with attached plating

// The short names are the symbols engineers write in scantling tables; the
// span field stands at the top of the window but last in input order.
constexpr InputDescription stiffenerInputs[] = {
    {"b", CORVANE_TR_NOOP("SectionKind", "型材带板宽度(mm)"),
     CORVANE_TR_NOOP("SectionKind", "型材带板宽度"), "b", true},
    {"tp", CORVANE_TR_NOOP("SectionKind", "型材带板厚度(mm)"),
     CORVANE_TR_NOOP("SectionKind", "型材带板厚度"), "t_p", true},
    {"hw", CORVANE_TR_NOOP("SectionKind", "型材腹板高度(mm)"),
     CORVANE_TR_NOOP("SectionKind", "型材腹板高度"), "h_w", true},
    {"tw", CORVANE_TR_NOOP("SectionKind", "型材腹板厚度(mm)"),
     CORVANE_TR_NOOP("SectionKind", "型材腹板厚度"), "t_w", true},
    {"bf", CORVANE_TR_NOOP("SectionKind", "型材面板宽度(mm)"),
     CORVANE_TR_NOOP("SectionKind", "型材面板宽度"), "b_f", true},
    {"tf", CORVANE_TR_NOOP("SectionKind", "型材面板厚度(mm)"),
     CORVANE_TR_NOOP("SectionKind", "型材面板厚度"), "t_f", true},
    {"l", CORVANE_TR_NOOP("SectionKind", "型材带板长度(mm)"),
     CORVANE_TR_NOOP("SectionKind", "型材带板长度（跨距）"), "ℓ", true},
};

// The window captions the inertia "极惯性矩" (polar moment), but the value
// is the second moment of area about the neutral axis parallel to the
// plating, the one a bending check needs: the caption is the window's own
// and users know it, so it stays, while the details and the sheet name the
// quantity exactly ("惯性矩 I").
constexpr ResultDescription sectionResults[] = {
    {"I_cm4", CORVANE_TR_NOOP("SectionKind", "极惯性矩(cm4)"), "cm4", Rounding::Hundredths,
     &SectionResults::inertia},
    {"W_cm3", CORVANE_TR_NOOP("SectionKind", "剖面模数(cm3)"), "cm3", Rounding::Hundredths,
     &SectionResults::modulus},
};

constexpr PlateDescription stiffenerPlates[] = {
    {PlateRole::AttachedPlating, CORVANE_TR_NOOP("SectionKind", "带板"), "attached plating", 1, 0},
    {PlateRole::Web, CORVANE_TR_NOOP("SectionKind", "腹板"), "web", 3, 2},
    {PlateRole::FacePlate, CORVANE_TR_NOOP("SectionKind", "面板"), "face plate", 5, 4},
};

using P = const SectionProperties&;

constexpr PropertyDescription stiffenerProperties[] = {
    {CORVANE_TR_NOOP("SectionKind", "有效宽度系数 k"),
     [](P p) { return p.effectiveBreadthFactor; }},
    {CORVANE_TR_NOOP("SectionKind", "有效带板宽度 k·b (mm)"),
     [](P p) { return p.effectiveBreadth; }},
    {CORVANE_TR_NOOP("SectionKind", "计算所用剖面积 A (cm²)"), [](P p) { return p.area; }},
    {CORVANE_TR_NOOP("SectionKind", "中和轴距面板中线 e (cm)"), [](P p) { return p.neutralAxis; }},
    {CORVANE_TR_NOOP("SectionKind", "惯性矩 I (cm⁴)"), [](P p) { return p.shown.inertia; }, true},
    {CORVANE_TR_NOOP("SectionKind", "剖面模数（面板中线） W (cm³)"),
     [](P p) { return p.shown.modulus; }, true},
    {CORVANE_TR_NOOP("SectionKind", "带板外表面距中和轴 (cm)"),
     [](P p) { return p.topFibreDistance; }},
    {CORVANE_TR_NOOP("SectionKind", "剖面模数（带板外表面） (cm³)"),
     [](P p) { return p.topModulus; }},
    {CORVANE_TR_NOOP("SectionKind", "面板外表面距中和轴 (cm)"),
     [](P p) { return p.bottomFibreDistance; }},
    {CORVANE_TR_NOOP("SectionKind", "剖面模数（面板外表面） (cm³)"),
     [](P p) { return p.bottomModulus; }},
    {CORVANE_TR_NOOP("SectionKind", "最小剖面模数 (cm³)"), [](P p) { return p.minModulus; }},
    {CORVANE_TR_NOOP("SectionKind", "惯性半径 √(I/A) (cm)"),
     [](P p) { return p.radiusOfGyration; }},
    {CORVANE_TR_NOOP("SectionKind", "型材每米质量（腹板与面板） (kg/m)"),
     [](P p) { return p.profileMassPerMetre; }},
    {CORVANE_TR_NOOP("SectionKind", "带板每米质量（全宽） (kg/m)"),
     [](P p) { return p.platingMassPerMetre; }},
};

std::optional<SectionResults> stiffener(const double* mm) {
    const auto r = computeStiffenerSection({mm[0], mm[1], mm[2], mm[3], mm[4], mm[5], mm[6]});
    if (!r) {
        return std::nullopt;
    }
    SectionResults results;
    results.inertia = r->inertia;
    results.modulus = r->modulus;
    return results;
}

// ---------------------------------------------------------------------------
// Built-up profile

// Face plate 1 on top, the web, face plate 2 below; the window requires only
// face plate 2, so a T-profile leaves face plate 1 out. The two face plates
// share their window captions.
constexpr InputDescription builtUpInputs[] = {
    {"b1", CORVANE_TR_NOOP("SectionKind", "型材面板宽度(mm)"),
     CORVANE_TR_NOOP("SectionKind", "面板1宽度"), "b1", false},
    {"t1", CORVANE_TR_NOOP("SectionKind", "型材面板厚度(mm)"),
     CORVANE_TR_NOOP("SectionKind", "面板1厚度"), "t1", false},
    {"h", CORVANE_TR_NOOP("SectionKind", "型材腹板高度(mm)"),
     CORVANE_TR_NOOP("SectionKind", "腹板高度"), "h", false},
    {"tw", CORVANE_TR_NOOP("SectionKind", "型材腹板厚度(mm)"),
     CORVANE_TR_NOOP("SectionKind", "腹板厚度"), "t_w", false},
    {"b2", CORVANE_TR_NOOP("SectionKind", "型材面板宽度(mm)"),
     CORVANE_TR_NOOP("SectionKind", "面板2宽度"), "b2", true},
    {"t2", CORVANE_TR_NOOP("SectionKind", "型材面板厚度(mm)"),
     CORVANE_TR_NOOP("SectionKind", "面板2厚度"), "t2", true},
};

constexpr PlateDescription builtUpPlates[] = {
    {PlateRole::FacePlate1, CORVANE_TR_NOOP("SectionKind", "面板1"), "face plate 1", 1, 0},
    {PlateRole::Web, CORVANE_TR_NOOP("SectionKind", "腹板"), "web", 3, 2},
    {PlateRole::FacePlate2, CORVANE_TR_NOOP("SectionKind", "面板2"), "face plate 2", 5, 4},
};

constexpr PropertyDescription builtUpProperties[] = {
    {CORVANE_TR_NOOP("SectionKind", "剖面积 A (cm²)"), [](P p) { return p.area; }},
    {CORVANE_TR_NOOP("SectionKind", "中和轴距面板2中线 e (cm)"), [](P p) { return p.neutralAxis; }},
    {CORVANE_TR_NOOP("SectionKind", "惯性矩 I (cm⁴)"), [](P p) { return p.shown.inertia; }, true},
    {CORVANE_TR_NOOP("SectionKind", "剖面模数（面板2中线） W (cm³)"),
     [](P p) { return p.shown.modulus; }, true},
    {CORVANE_TR_NOOP("SectionKind", "面板1外表面距中和轴 (cm)"),
     [](P p) { return p.topFibreDistance; }},
    {CORVANE_TR_NOOP("SectionKind", "剖面模数（面板1外表面） (cm³)"),
     [](P p) { return p.topModulus; }},
    {CORVANE_TR_NOOP("SectionKind", "面板2外表面距中和轴 (cm)"),
     [](P p) { return p.bottomFibreDistance; }},
    {CORVANE_TR_NOOP("SectionKind", "剖面模数（面板2外表面） (cm³)"),
     [](P p) { return p.bottomModulus; }},
    {CORVANE_TR_NOOP("SectionKind", "最小剖面模数 (cm³)"), [](P p) { return p.minModulus; }},
    {CORVANE_TR_NOOP("SectionKind", "惯性半径 √(I/A) (cm)"),
     [](P p) { return p.radiusOfGyration; }},
    {CORVANE_TR_NOOP("SectionKind", "每米质量 (kg/m)"), [](P p) { return p.profileMassPerMetre; }},
};

std::optional<SectionResults> builtUp(const double* mm) {
    const auto r = computeBuiltUpSection({mm[0], mm[1], mm[2], mm[3], mm[4], mm[5]});
    if (!r) {
        return std::nullopt;
    }
    SectionResults results;
    results.inertia = r->inertia;
    results.modulus = r->modulus;
    return results;
}

// ---------------------------------------------------------------------------
// Round steel pipe

constexpr InputDescription pipeInputs[] = {
    {"D", CORVANE_TR_NOOP("SectionKind", "钢管外径(mm)"),
     CORVANE_TR_NOOP("SectionKind", "钢管外径"), "D", true},
    {"t", CORVANE_TR_NOOP("SectionKind", "钢管壁厚(mm)"),
     CORVANE_TR_NOOP("SectionKind", "钢管壁厚"), "t", true},
};

constexpr ResultDescription pipeResults[] = {
    {"A_cm2", CORVANE_TR_NOOP("SectionKind", "剖面积(cm2)"), "cm2", Rounding::Hundredths,
     &SectionResults::area},
    {"i_cm", CORVANE_TR_NOOP("SectionKind", "惯性半径(cm)"), "cm", Rounding::Hundredths,
     &SectionResults::radiusOfGyration},
    {"I_cm4", CORVANE_TR_NOOP("SectionKind", "惯性矩(cm4)"), "cm4", Rounding::Hundredths,
     &SectionResults::inertia},
    {"W_cm3", CORVANE_TR_NOOP("SectionKind", "剖面模数(cm3)"), "cm3", Rounding::Hundredths,
     &SectionResults::modulus},
    {"m_kg", CORVANE_TR_NOOP("SectionKind", "每米钢管质量(kg)"), "kg", Rounding::Hundredths,
     &SectionResults::massPerMetre},
};

// The wall wastes from the inside; it is present while D and t are not 0.
constexpr PlateDescription pipePlates[] = {
    {PlateRole::PipeWall, CORVANE_TR_NOOP("SectionKind", "管壁"), "pipe wall", 1, 0},
};

constexpr PropertyDescription pipeProperties[] = {
    {CORVANE_TR_NOOP("SectionKind", "剖面积 A (cm²)"), [](P p) { return p.shown.area; }, true},
    {CORVANE_TR_NOOP("SectionKind", "惯性半径 i (cm)"),
     [](P p) { return p.shown.radiusOfGyration; }, true},
    {CORVANE_TR_NOOP("SectionKind", "惯性矩 I (cm⁴)"), [](P p) { return p.shown.inertia; }, true},
    {CORVANE_TR_NOOP("SectionKind", "剖面模数（外表面） W (cm³)"),
     [](P p) { return p.shown.modulus; }, true},
    {CORVANE_TR_NOOP("SectionKind", "每米质量 m (kg/m)"), [](P p) { return p.shown.massPerMetre; },
     true},
    {CORVANE_TR_NOOP("SectionKind", "外表面距中和轴 D/2 (cm)"),
     [](P p) { return p.topFibreDistance; }},
    {CORVANE_TR_NOOP("SectionKind", "内径 d (mm)"), [](P p) { return p.innerDiameter; }},
    {CORVANE_TR_NOOP("SectionKind", "每米外表面积 (m²/m)"),
     [](P p) { return p.outerSurfacePerMetre; }},
};

std::optional<SectionResults> pipe(const double* mm) {
    const auto r = computePipeSection(mm[0], mm[1]);
    if (!r) {
        return std::nullopt;
    }
    return SectionResults{r->area, r->radiusOfGyration, r->inertia, r->modulus, r->massPerMetre};
}

// ---------------------------------------------------------------------------
// Bulb flat or flat bar with attached plating

// The profile is given by its height and thickness (a flat bar) or by a
// listed name, which also gives the bulb's c and r; a flat bar has neither.
constexpr InputDescription platedProfileInputs[] = {
    {"h", CORVANE_TR_NOOP("SectionKind", "型材高度(mm)"),
     CORVANE_TR_NOOP("SectionKind", "型材高度"), "h", true},
    {"t", CORVANE_TR_NOOP("SectionKind", "型材厚度(mm)"),
     CORVANE_TR_NOOP("SectionKind", "型材厚度"), "t", true},
    {"b", CORVANE_TR_NOOP("SectionKind", "型材带板宽度(mm)"),
     CORVANE_TR_NOOP("SectionKind", "型材带板宽度"), "b", true},
    {"tp", CORVANE_TR_NOOP("SectionKind", "型材带板厚度(mm)"),
     CORVANE_TR_NOOP("SectionKind", "型材带板厚度"), "t_p", true},
    {"l", CORVANE_TR_NOOP("SectionKind", "型材带板长度(mm)"),
     CORVANE_TR_NOOP("SectionKind", "型材带板长度（跨距）"), "ℓ", true},
    {"c", CORVANE_TR_NOOP("SectionKind", "球头外伸(mm)"),
     CORVANE_TR_NOOP("SectionKind", "球头外伸"), "c", false, true},
    {"r", CORVANE_TR_NOOP("SectionKind", "球头圆弧半径(mm)"),
     CORVANE_TR_NOOP("SectionKind", "球头圆弧半径"), "r", false, true},
};

constexpr ResultDescription platedProfileResults[] = {
    {"A_cm2", CORVANE_TR_NOOP("SectionKind", "剖面积(cm2)"), "cm2", Rounding::Hundredths,
     &SectionResults::area},
    {"e_cm", CORVANE_TR_NOOP("SectionKind", "中和轴距带板外表面(cm)"), "cm", Rounding::Hundredths,
     &SectionResults::neutralAxis},
    {"I_cm4", CORVANE_TR_NOOP("SectionKind", "惯性矩(cm4)"), "cm4", Rounding::Hundredths,
     &SectionResults::inertia},
    {"Wtop_cm3", CORVANE_TR_NOOP("SectionKind", "球头顶端剖面模数(cm3)"), "cm3",
     Rounding::Hundredths, &SectionResults::freeEdgeModulus},
    {"Wplating_cm3", CORVANE_TR_NOOP("SectionKind", "带板外表面剖面模数(cm3)"), "cm3",
     Rounding::Hundredths, &SectionResults::platingModulus},
    {"Wmin_cm3", CORVANE_TR_NOOP("SectionKind", "最小剖面模数(cm3)"), "cm3", Rounding::Hundredths,
     &SectionResults::minModulus},
    {"m_kg_m", CORVANE_TR_NOOP("SectionKind", "型材每米质量(kg/m)"), "kg/m", Rounding::Hundredths,
     &SectionResults::massPerMetre},
};

// The profile first: when a deduction consumes both of equal thickness, the
// profile is named.
constexpr PlateDescription platedProfilePlates[] = {
    {PlateRole::Profile, CORVANE_TR_NOOP("SectionKind", "型材"), "profile", 1, 0},
    {PlateRole::AttachedPlating, CORVANE_TR_NOOP("SectionKind", "带板"), "attached plating", 3, 2},
};

constexpr PropertyDescription platedProfileProperties[] = {
    {CORVANE_TR_NOOP("SectionKind", "有效宽度系数 k"),
     [](P p) { return p.effectiveBreadthFactor; }},
    {CORVANE_TR_NOOP("SectionKind", "有效带板宽度 k·b (mm)"),
     [](P p) { return p.effectiveBreadth; }},
    {CORVANE_TR_NOOP("SectionKind", "计算所用剖面积 A (cm²)"), [](P p) { return p.shown.area; },
     true},
    {CORVANE_TR_NOOP("SectionKind", "中和轴距带板外表面 e (cm)"),
     [](P p) { return p.shown.neutralAxis; }, true},
    {CORVANE_TR_NOOP("SectionKind", "惯性矩 I (cm⁴)"), [](P p) { return p.shown.inertia; }, true},
    {CORVANE_TR_NOOP("SectionKind", "剖面模数（球头顶端） (cm³)"),
     [](P p) { return p.shown.freeEdgeModulus; }, true},
    {CORVANE_TR_NOOP("SectionKind", "剖面模数（带板外表面） (cm³)"),
     [](P p) { return p.shown.platingModulus; }, true},
    {CORVANE_TR_NOOP("SectionKind", "最小剖面模数 (cm³)"), [](P p) { return p.shown.minModulus; },
     true},
    {CORVANE_TR_NOOP("SectionKind", "球头顶端距中和轴 (cm)"),
     [](P p) { return p.bottomFibreDistance; }},
    {CORVANE_TR_NOOP("SectionKind", "惯性半径 √(I/A) (cm)"),
     [](P p) { return p.radiusOfGyration; }},
    {CORVANE_TR_NOOP("SectionKind", "型材每米质量 (kg/m)"),
     [](P p) { return p.shown.massPerMetre; }, true},
    {CORVANE_TR_NOOP("SectionKind", "带板每米质量（全宽） (kg/m)"),
     [](P p) { return p.platingMassPerMetre; }},
};

std::optional<SectionResults> platedProfile(const double* mm) {
    const auto dimensions =
        sectionDimensions(SectionKind::PlatedProfile, std::vector<double>(mm, mm + 7));
    const auto r = computePlatedProfile(std::get<PlatedProfileDimensions>(*dimensions));
    if (!r) {
        return std::nullopt;
    }
    SectionResults results;
    results.area = r->area;
    results.neutralAxis = r->neutralAxisFromPlating;
    results.inertia = r->inertia;
    results.freeEdgeModulus = r->topModulus;
    results.platingModulus = r->platingModulus;
    results.minModulus = r->minModulus;
    results.massPerMetre = r->massPerMetre;
    return results;
}

std::string listedNames(const std::vector<HpSize>& sizes, const char* separator) {
    std::string names;
    for (const HpSize& size : sizes) {
        names += (names.empty() ? "" : separator) + profileName(*hpShape(size));
    }
    return names;
}

std::optional<ProfileNameInput::Problem> readPlatedProfileName(std::string_view text, double* mm) {
    const auto read = readProfileName(text);
    if (const auto* shape = std::get_if<ProfileShape>(&read)) {
        mm[0] = shape->height;
        mm[1] = shape->thickness;
        mm[5] = shape->kind == ProfileKind::BulbFlat ? shape->bulbStandOut : 0;
        mm[6] = shape->kind == ProfileKind::BulbFlat ? shape->bulbRadius : 0;
        return std::nullopt;
    }
    const ProfileNameError& error = std::get<ProfileNameError>(read);
    switch (error.reason) {
    case ProfileNameError::Reason::NotListed: {
        ProfileShape asked;
        asked.kind = ProfileKind::BulbFlat;
        asked.height = error.asked.height;
        asked.thickness = error.asked.thickness;
        const std::string name = profileName(asked);
        if (error.nearest.empty()) {
            return ProfileNameInput::Problem{name + " 不是所列规格",
                                             name + " is not a listed size"};
        }
        return ProfileNameInput::Problem{
            name + " 不是所列规格，最接近的是 " + listedNames(error.nearest, "、"),
            name + " is not a listed size; the nearest are " + listedNames(error.nearest, ", ")};
    }
    case ProfileNameError::Reason::FlatBarUndefined:
        return ProfileNameInput::Problem{"扁钢的高度与厚度应大于 0",
                                         "a flat bar's height and thickness must be above 0"};
    case ProfileNameError::Reason::NotAName:
        break;
    }
    return ProfileNameInput::Problem{"不是型材规格（如 HP 200×10、FB 200×10）",
                                     "not a profile name (such as HP200x10 or FB200x10)"};
}

constexpr int platedProfileNameGives[] = {0, 1, 5, 6};

constexpr ProfileNameInput platedProfileName{"profile", CORVANE_TR_NOOP("SectionKind", "型材规格"),
                                             readPlatedProfileName, platedProfileNameGives};

// ---------------------------------------------------------------------------

const SectionKindDescription descriptions[sectionKindCount] = {
    {SectionKind::Stiffener, "stiffener", CORVANE_TR_NOOP("SectionKind", "船体结构剖面"),
     stiffenerInputs, sectionResults, stiffenerPlates, stiffenerProperties, stiffener},
    {SectionKind::BuiltUp, "builtup", CORVANE_TR_NOOP("SectionKind", "组合型材"), builtUpInputs,
     sectionResults, builtUpPlates, builtUpProperties, builtUp},
    {SectionKind::Pipe, "pipe", CORVANE_TR_NOOP("SectionKind", "钢管"), pipeInputs, pipeResults,
     pipePlates, pipeProperties, pipe},
    {SectionKind::PlatedProfile, "hp", CORVANE_TR_NOOP("SectionKind", "球扁钢带板剖面"),
     platedProfileInputs, platedProfileResults, platedProfilePlates, platedProfileProperties,
     platedProfile, &platedProfileName},
};

} // namespace

std::span<const SectionKindDescription> sectionKinds() {
    return descriptions;
}

const SectionKindDescription& describe(SectionKind kind) {
    return descriptions[static_cast<std::size_t>(kind)];
}

const PlateDescription& plateDescription(PlateRole role) {
    for (const SectionKindDescription& kind : descriptions) {
        for (const PlateDescription& plate : kind.plates) {
            if (plate.role == role) {
                return plate;
            }
        }
    }
    // Every role belongs to a kind; the web, shared, is found in the first.
    return descriptions[0].plates[1];
}

} // namespace corvane
