#include "columns.h"

#include "builtup.h"
#include "encoding.h"
#include "pipe.h"
#include "stiffener.h"

namespace corvane::batch {

namespace {

// The captions are those beside the windows' entry fields; the short names
// are the symbols engineers write in scantling tables.
constexpr InputColumn stiffenerInputs[] = {
    {"b", "型材带板宽度(mm)", true},  {"tp", "型材带板厚度(mm)", true},
    {"hw", "型材腹板高度(mm)", true}, {"tw", "型材腹板厚度(mm)", true},
    {"bf", "型材面板宽度(mm)", true}, {"tf", "型材面板厚度(mm)", true},
    {"l", "型材带板长度(mm)", true},
};
// Face plate 1 on top, the web, face plate 2 below; the window requires only
// face plate 2, so a T-profile leaves face plate 1 out.
constexpr InputColumn builtUpInputs[] = {
    {"b1", "型材面板宽度(mm)", false}, {"t1", "型材面板厚度(mm)", false},
    {"h", "型材腹板高度(mm)", false},  {"tw", "型材腹板厚度(mm)", false},
    {"b2", "型材面板宽度(mm)", true},  {"t2", "型材面板厚度(mm)", true},
};
constexpr InputColumn pipeInputs[] = {
    {"D", "钢管外径(mm)", true},
    {"t", "钢管壁厚(mm)", true},
};

constexpr const char* sectionResults[] = {"I_cm4", "W_cm3"};
constexpr const char* pipeResults[] = {"A_cm2", "i_cm", "I_cm4", "W_cm3", "m_kg"};

// Top: the plating's outer surface (stiffener), face plate 1's (built-up
// profile); bottom: the face plate's, face plate 2's; for the pipe both are
// the outer surface. The stiffener's profile mass leaves out the plating,
// which has a column of its own.
constexpr const char* stiffenerDetails[] = {"e_cm",     "Wtop_cm3", "Wbottom_cm3",
                                            "Wmin_cm3", "m_kg_m",   "m_plating_kg_m"};
constexpr const char* sectionDetails[] = {"e_cm", "Wtop_cm3", "Wbottom_cm3", "Wmin_cm3", "m_kg_m"};

std::optional<Results> stiffener(const double* mm) {
    const auto r = computeStiffenerSection({mm[0], mm[1], mm[2], mm[3], mm[4], mm[5], mm[6]});
    if (!r) {
        return std::nullopt;
    }
    return Results{{r->inertia, r->modulus}};
}

std::optional<Results> builtUp(const double* mm) {
    const auto r = computeBuiltUpSection({mm[0], mm[1], mm[2], mm[3], mm[4], mm[5]});
    if (!r) {
        return std::nullopt;
    }
    return Results{{r->inertia, r->modulus}};
}

std::optional<Results> pipe(const double* mm) {
    const auto r = computePipeSection(mm[0], mm[1]);
    if (!r) {
        return std::nullopt;
    }
    return Results{{r->area, r->radiusOfGyration, r->inertia, r->modulus, r->massPerMetre}};
}

const KindTable tables[] = {
    {"stiffener", stiffenerInputs, sectionResults, stiffenerDetails, stiffener},
    {"builtup", builtUpInputs, sectionResults, sectionDetails, builtUp},
    {"pipe", pipeInputs, pipeResults, sectionDetails, pipe},
};

// ASCII letters compare without case; the CJK bytes of the captions exactly.
bool sameName(std::string_view header, std::string_view name) {
    return equalsIgnoringCase(trimmed(header), name);
}

} // namespace

const KindTable& kindTable(Kind kind) {
    return tables[static_cast<std::size_t>(kind)];
}

std::optional<Kind> kindFromName(std::string_view name) {
    for (const Kind kind : {Kind::Stiffener, Kind::BuiltUp, Kind::Pipe}) {
        if (name == kindTable(kind).name) {
            return kind;
        }
    }
    return std::nullopt;
}

std::optional<HeaderProblem> mapHeader(Kind kind, const std::vector<std::string>& names,
                                       ColumnMap& map) {
    const auto inputs = kindTable(kind).inputs;
    map.column.fill(-1);
    // Short names first: each names one input.
    for (std::size_t c = 0; c < names.size(); ++c) {
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            if (sameName(names[c], inputs[i].shortName)) {
                if (map.column[i] >= 0) {
                    return HeaderProblem{HeaderProblem::What::Twice, i};
                }
                map.column[i] = static_cast<int>(c);
            }
        }
    }
    // Then captions, left to right, each to the first input in window order
    // that carries it and has no column yet.
    for (std::size_t c = 0; c < names.size(); ++c) {
        std::optional<std::size_t> sharing;
        bool taken = false;
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            if (!sameName(names[c], inputs[i].caption)) {
                continue;
            }
            if (map.column[i] < 0) {
                map.column[i] = static_cast<int>(c);
                taken = true;
                break;
            }
            sharing = i;
        }
        if (!taken && sharing) {
            return HeaderProblem{HeaderProblem::What::Twice, *sharing};
        }
    }
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (inputs[i].required && map.column[i] < 0) {
            return HeaderProblem{HeaderProblem::What::Missing, i};
        }
    }
    return std::nullopt;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

} // namespace corvane::batch
