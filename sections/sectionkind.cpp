#include "sectionkind.h"

#include "builtup.h"
#include "pipe.h"
#include "sectiondetails.h"
#include "stiffener.h"

namespace corvane {

namespace {

// ---------------------------------------------------------------------------
// Hull stiffener with attached plating

// The short names are the symbols engineers write in scantling tables; the
// span field stands at the top of the window but last in input order.
constexpr InputDescription stiffenerInputs[] = {
    {"b", "型材带板宽度(mm)", "型材带板宽度", "b", true},
    {"tp", "型材带板厚度(mm)", "型材带板厚度", "t_p", true},
    {"hw", "型材腹板高度(mm)", "型材腹板高度", "h_w", true},
    {"tw", "型材腹板厚度(mm)", "型材腹板厚度", "t_w", true},
    {"bf", "型材面板宽度(mm)", "型材面板宽度", "b_f", true},
    {"tf", "型材面板厚度(mm)", "型材面板厚度", "t_f", true},
    {"l", "型材带板长度(mm)", "型材带板长度（跨距）", "ℓ", true},
};

// The window captions the inertia "极惯性矩" (polar moment), but the value
// is the second moment of area about the neutral axis parallel to the
// plating, the one a bending check needs: the caption is the window's own
// and users know it, so it stays, while the details and the sheet name the
// quantity exactly ("惯性矩 I").
constexpr ResultDescription sectionResults[] = {
    {"I_cm4", "极惯性矩(cm4)", "cm4", Rounding::Hundredths, &SectionResults::inertia},
    {"W_cm3", "剖面模数(cm3)", "cm3", Rounding::Hundredths, &SectionResults::modulus},
};

constexpr PlateDescription stiffenerPlates[] = {
    {PlateRole::AttachedPlating, "带板", "attached plating", 1, 0},
    {PlateRole::Web, "腹板", "web", 3, 2},
    {PlateRole::FacePlate, "面板", "face plate", 5, 4},
};

using P = const SectionProperties&;

constexpr PropertyDescription stiffenerProperties[] = {
    {"有效宽度系数 k", [](P p) { return p.effectiveBreadthFactor; }},
    {"有效带板宽度 k·b (mm)", [](P p) { return p.effectiveBreadth; }},
    {"计算所用剖面积 A (cm²)", [](P p) { return p.area; }},
    {"中和轴距面板中线 e (cm)", [](P p) { return p.neutralAxis; }},
    {"惯性矩 I (cm⁴)", [](P p) { return p.shown.inertia; }, true},
    {"剖面模数（面板中线） W (cm³)", [](P p) { return p.shown.modulus; }, true},
    {"带板外表面距中和轴 (cm)", [](P p) { return p.topFibreDistance; }},
    {"剖面模数（带板外表面） (cm³)", [](P p) { return p.topModulus; }},
    {"面板外表面距中和轴 (cm)", [](P p) { return p.bottomFibreDistance; }},
    {"剖面模数（面板外表面） (cm³)", [](P p) { return p.bottomModulus; }},
    {"最小剖面模数 (cm³)", [](P p) { return p.minModulus; }},
    {"惯性半径 √(I/A) (cm)", [](P p) { return p.radiusOfGyration; }},
    {"型材每米质量（腹板与面板） (kg/m)", [](P p) { return p.profileMassPerMetre; }},
    {"带板每米质量（全宽） (kg/m)", [](P p) { return p.platingMassPerMetre; }},
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
    {"b1", "型材面板宽度(mm)", "面板1宽度", "b1", false},
    {"t1", "型材面板厚度(mm)", "面板1厚度", "t1", false},
    {"h", "型材腹板高度(mm)", "腹板高度", "h", false},
    {"tw", "型材腹板厚度(mm)", "腹板厚度", "t_w", false},
    {"b2", "型材面板宽度(mm)", "面板2宽度", "b2", true},
    {"t2", "型材面板厚度(mm)", "面板2厚度", "t2", true},
};

constexpr PlateDescription builtUpPlates[] = {
    {PlateRole::FacePlate1, "面板1", "face plate 1", 1, 0},
    {PlateRole::Web, "腹板", "web", 3, 2},
    {PlateRole::FacePlate2, "面板2", "face plate 2", 5, 4},
};

constexpr PropertyDescription builtUpProperties[] = {
    {"剖面积 A (cm²)", [](P p) { return p.area; }},
    {"中和轴距面板2中线 e (cm)", [](P p) { return p.neutralAxis; }},
    {"惯性矩 I (cm⁴)", [](P p) { return p.shown.inertia; }, true},
    {"剖面模数（面板2中线） W (cm³)", [](P p) { return p.shown.modulus; }, true},
    {"面板1外表面距中和轴 (cm)", [](P p) { return p.topFibreDistance; }},
    {"剖面模数（面板1外表面） (cm³)", [](P p) { return p.topModulus; }},
    {"面板2外表面距中和轴 (cm)", [](P p) { return p.bottomFibreDistance; }},
    {"剖面模数（面板2外表面） (cm³)", [](P p) { return p.bottomModulus; }},
    {"最小剖面模数 (cm³)", [](P p) { return p.minModulus; }},
    {"惯性半径 √(I/A) (cm)", [](P p) { return p.radiusOfGyration; }},
    {"每米质量 (kg/m)", [](P p) { return p.profileMassPerMetre; }},
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
    {"D", "钢管外径(mm)", "钢管外径", "D", true},
    {"t", "钢管壁厚(mm)", "钢管壁厚", "t", true},
};

constexpr ResultDescription pipeResults[] = {
    {"A_cm2", "剖面积(cm2)", "cm2", Rounding::Hundredths, &SectionResults::area},
    {"i_cm", "惯性半径(cm)", "cm", Rounding::Hundredths, &SectionResults::radiusOfGyration},
    {"I_cm4", "惯性矩(cm4)", "cm4", Rounding::Hundredths, &SectionResults::inertia},
    {"W_cm3", "剖面模数(cm3)", "cm3", Rounding::Hundredths, &SectionResults::modulus},
    {"m_kg", "每米钢管质量(kg)", "kg", Rounding::Hundredths, &SectionResults::massPerMetre},
};

// The wall wastes from the inside; it is present while D and t are not 0.
constexpr PlateDescription pipePlates[] = {
    {PlateRole::PipeWall, "管壁", "pipe wall", 1, 0},
};

constexpr PropertyDescription pipeProperties[] = {
    {"剖面积 A (cm²)", [](P p) { return p.shown.area; }, true},
    {"惯性半径 i (cm)", [](P p) { return p.shown.radiusOfGyration; }, true},
    {"惯性矩 I (cm⁴)", [](P p) { return p.shown.inertia; }, true},
    {"剖面模数（外表面） W (cm³)", [](P p) { return p.shown.modulus; }, true},
    {"每米质量 m (kg/m)", [](P p) { return p.shown.massPerMetre; }, true},
    {"外表面距中和轴 D/2 (cm)", [](P p) { return p.topFibreDistance; }},
    {"内径 d (mm)", [](P p) { return p.innerDiameter; }},
    {"每米外表面积 (m²/m)", [](P p) { return p.outerSurfacePerMetre; }},
};

std::optional<SectionResults> pipe(const double* mm) {
    const auto r = computePipeSection(mm[0], mm[1]);
    if (!r) {
        return std::nullopt;
    }
    return SectionResults{r->area, r->radiusOfGyration, r->inertia, r->modulus, r->massPerMetre};
}

// ---------------------------------------------------------------------------

const SectionKindDescription descriptions[sectionKindCount] = {
    {SectionKind::Stiffener, "stiffener", "船体结构剖面", stiffenerInputs, sectionResults,
     stiffenerPlates, stiffenerProperties, stiffener},
    {SectionKind::BuiltUp, "builtup", "组合型材", builtUpInputs, sectionResults, builtUpPlates,
     builtUpProperties, builtUp},
    {SectionKind::Pipe, "pipe", "钢管", pipeInputs, pipeResults, pipePlates, pipeProperties, pipe},
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
