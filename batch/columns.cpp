#include "columns.h"

#include "encoding.h"

#include <algorithm>
#include <utility>

namespace corvane::batch {

namespace {

// The columns --detail appends. Top: the plating's outer surface (stiffener),
// face plate 1's (built-up profile); bottom: the face plate's, face plate
// 2's; for the pipe both are the outer surface. The stiffener's profile mass
// leaves out the plating, which has a column of its own.
constexpr const char* stiffenerDetails[] = {"e_cm",     "Wtop_cm3", "Wbottom_cm3",
                                            "Wmin_cm3", "m_kg_m",   "m_plating_kg_m"};
constexpr const char* sectionDetails[] = {"e_cm", "Wtop_cm3", "Wbottom_cm3", "Wmin_cm3", "m_kg_m"};
// The pipe's mass per metre is already its result m_kg; its neutral axis
// lies D/2 from the outer surface.
constexpr const char* pipeDetails[] = {"e_cm", "Wtop_cm3", "Wbottom_cm3", "Wmin_cm3"};

// A plated profile's results already hold its neutral axis, both moduli,
// the smaller and the profile's mass.
constexpr const char* platedProfileDetails[] = {"m_plating_kg_m"};

std::span<const char* const> detailColumns(const SectionKindDescription& description, bool plated) {
    if (description.kind == SectionKind::PlatedProfile) {
        return platedProfileDetails;
    }
    if (plated) {
        return stiffenerDetails;
    }
    // A ring's mass per metre is already among its results.
    return description.kind == SectionKind::Pipe ? std::span<const char* const>(pipeDetails)
                                                 : std::span<const char* const>(sectionDetails);
}

// The results of a kind's computation in the order of its result columns.
std::optional<Results> computeKind(SectionKind kind, const double* mm) {
    const SectionKindDescription& description = describe(kind);
    const auto computed = description.compute(mm);
    if (!computed) {
        return std::nullopt;
    }
    Results results;
    for (std::size_t r = 0; r < description.results.size() && r < maxResults; ++r) {
        results.values[r] = (*computed).*description.results[r].value;
    }
    return results;
}

template <std::size_t... k> constexpr auto computations(std::index_sequence<k...>) {
    return std::array<std::optional<Results> (*)(const double*), sizeof...(k)>{
        [](const double* mm) { return computeKind(static_cast<SectionKind>(k), mm); }...};
}

// Every kind's table, from its description, in SectionKind order.
struct Tables {
    static constexpr std::size_t kinds = sectionKindCount;
    std::array<std::array<const char*, maxResults>, kinds> resultNames{};
    std::vector<KindTable> tables;

    Tables() {
        constexpr auto compute = computations(std::make_index_sequence<kinds>());
        for (const SectionKindDescription& description : sectionKinds()) {
            const auto k = static_cast<std::size_t>(description.kind);
            std::size_t count = 0;
            for (const ResultDescription& result : description.results) {
                resultNames[k][count++] = result.column;
            }
            // A kind with attached plating reports the plating's mass apart.
            const bool plated = std::any_of(description.plates.begin(), description.plates.end(),
                                            [](const PlateDescription& plate) {
                                                return plate.role == PlateRole::AttachedPlating;
                                            });
            tables.push_back({description.name,
                              description.inputs,
                              {resultNames[k].data(), count},
                              detailColumns(description, plated),
                              compute[k]});
        }
    }
};

} // namespace

namespace {

// Letters compare without case, full-width forms as their ASCII forms, and
// blanks anywhere do not count; the CJK bytes of the captions exactly.
bool sameName(std::string_view header, std::string_view name) {
    return normalizedName(header) == normalizedName(name);
}

} // namespace

bool givenByName(const ProfileNameInput& name, std::size_t input) {
    return std::find(name.gives.begin(), name.gives.end(), static_cast<int>(input)) !=
           name.gives.end();
}

const KindTable& kindTable(Kind kind) {
    static const Tables tables;
    return tables.tables[static_cast<std::size_t>(kind)];
}

std::optional<Kind> kindFromName(std::string_view name) {
    for (const SectionKindDescription& description : sectionKinds()) {
        if (name == std::string_view(description.name)) {
            return description.kind;
        }
    }
    return std::nullopt;
}

std::optional<HeaderProblem> mapHeader(Kind kind, const std::vector<std::string>& names,
                                       ColumnMap& map) {
    const auto inputs = kindTable(kind).inputs;
    map.column.fill(-1);
    map.profileName = -1;
    const ProfileNameInput* profile = describe(kind).profileName;
    // Short names first: each names one input.
    for (std::size_t c = 0; c < names.size(); ++c) {
        if (profile != nullptr &&
            (sameName(names[c], profile->shortName) || sameName(names[c], profile->caption))) {
            if (map.profileName >= 0) {
                return HeaderProblem{HeaderProblem::What::Twice, inputs.size()};
            }
            map.profileName = static_cast<int>(c);
            continue;
        }
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            if (inputs[i].fromNameOnly) {
                continue;
            }
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
            if (inputs[i].fromNameOnly || static_cast<int>(c) == map.profileName ||
                !sameName(names[c], inputs[i].caption)) {
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
        if (inputs[i].required && map.column[i] < 0 &&
            !(map.profileName >= 0 && givenByName(*profile, i))) {
            return HeaderProblem{HeaderProblem::What::Missing, i};
        }
    }
    return std::nullopt;
}

} // namespace corvane::batch
