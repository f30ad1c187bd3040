#pragma once

// The kinds of section the batch tool computes, as their descriptions give
// them: the input columns, as short names and as the captions of the
// window's entry fields, which of them the window requires, the result
// columns and the computation; and the detail columns of --detail.

#include "encoding.h"
#include "sectionkind.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::batch {

using Kind = SectionKind;

// shortName, caption (UTF-8, exactly as beside the window's entry field) and
// required (an empty cell is an error; otherwise it reads 0).
using InputColumn = InputDescription;

constexpr std::size_t maxInputs = 7;
constexpr std::size_t maxResults = 7;
constexpr std::size_t maxDetails = 6;

struct Results {
    std::array<double, maxResults> values{};
};

struct KindTable {
    const char* name;                     // as typed on the command line
    std::span<const InputColumn> inputs;  // in the order of the entry fields
    std::span<const char* const> results; // column names, in the window's order
    // The columns --detail appends: neutral axis, the moduli at both extreme
    // fibres and the smaller of them, masses per metre.
    std::span<const char* const> details;
    // The window's computation on the millimetre inputs, in input order;
    // empty when the section has no defined result.
    std::optional<Results> (*compute)(const double* mm);
};

const KindTable& kindTable(Kind kind);
std::optional<Kind> kindFromName(std::string_view name);

// Where each input of a kind stands in the header.
struct ColumnMap {
    // Column index of each input, or -1 where an optional input has no column.
    std::array<int, maxInputs> column{};
    // Column index of the profile name that stands for some inputs (see
    // ProfileNameInput), or -1.
    int profileName = -1;
};

// Why a header does not fit a kind.
struct HeaderProblem {
    enum class What { Missing, Twice } what = What::Missing;
    std::size_t input = 0; // the input concerned; the inputs' count: the profile name
};

// Finds the inputs among the header's column names (UTF-8, already
// unquoted): by short name or caption, in any order, as normalizedName
// compares them (so "型材带板宽度（mm）" and "型材带板宽度 (mm)" are the caption). Where two entry
// fields share a caption (the two face plates of the built-up profile), columns with that caption
// go to them in the window's order, after those named by short name. A kind's
// profile name is found the same way; with it, the inputs it gives are not
// required. Inputs set only from a name have no column.
// Whether the profile name gives that input.
bool givenByName(const ProfileNameInput& name, std::size_t input);

std::optional<HeaderProblem> mapHeader(Kind kind, const std::vector<std::string>& names,
                                       ColumnMap& map);

} // namespace corvane::batch
