// The girder table: a profile name and a member from any bytes give a row's
// figures or its fault, never a crash, and nothing that is not finite. The
// first byte says how many of the following bytes are the profile's name;
// the rest decode the row, its count and deduction, and the table's depth,
// half flag and deduction.

#include "fuzzcheck.h"
#include "girder.h"

#include <cmath>
#include <optional>
#include <string>
#include <variant>

namespace {

using namespace corvane;

bool finiteOrEmpty(const std::optional<double>& v) {
    return !v || std::isfinite(*v);
}

void checkFigures(const std::variant<GirderRowFigures, MemberError>& line,
                  const std::string& input) {
    if (const auto* f = std::get_if<GirderRowFigures>(&line)) {
        for (const double v :
             {f->count, f->area, f->z, f->firstMoment, f->transfer, f->ownInertia}) {
            fuzz::check(std::isfinite(v), "row figure not finite: " + input);
        }
        fuzz::check(f->area > 0 && f->ownInertia >= 0, "row area or i0 out of sign: " + input);
    } else {
        const auto& e = std::get<MemberError>(line);
        fuzz::check(e.profileError.has_value() == (e.reason == MemberError::Reason::BadProfile),
                    "profile fault without its reason: " + input);
    }
}

void checkResult(const GirderResult& r, std::size_t rows, const std::string& input) {
    fuzz::check(r.rowsCounted + r.rowsLeftOut == rows, "rows not accounted for: " + input);
    for (const auto& v : {r.neutralAxis, r.inertia, r.deckModulus, r.keelModulus, r.minModulus,
                          r.neutralAxisCm(), r.inertiaM4(), r.inertiaCm4(), r.deckModulusCm3(),
                          r.keelModulusCm3(), r.minModulusCm3()}) {
        fuzz::check(finiteOrEmpty(v), "result not finite: " + input);
    }
    fuzz::check(!r.minModulus || (r.deckModulus && r.keelModulus), "min without both: " + input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input =
        fuzz::printable(std::string_view(reinterpret_cast<const char*>(data), size));
    fuzz::ByteReader bytes(data, size);
    const std::size_t nameLength = bytes.byte();
    std::string name;
    for (std::size_t i = 0; i < nameLength && !bytes.atEnd(); ++i) {
        name.push_back(static_cast<char>(bytes.byte()));
    }

    const auto read = readGirderProfile(name);
    if (const auto* profile = std::get_if<GirderProfile>(&read)) {
        const auto again = readGirderProfile(girderProfileName(*profile));
        fuzz::check(std::holds_alternative<GirderProfile>(again) &&
                        girderProfileName(std::get<GirderProfile>(again)) ==
                            girderProfileName(*profile),
                    "name does not read back: " + input);
        if (const auto section = girderProfileSection(*profile)) {
            fuzz::check(std::isfinite(section->area) && std::isfinite(section->centroidHeight) &&
                            std::isfinite(section->inertia) && section->area > 0,
                        "profile section not finite: " + input);
        }
    }

    GirderMember m;
    m.kind = static_cast<MemberKind>(bytes.byte() % 3);
    m.profile = name;
    const std::uint8_t present = bytes.byte(); // which values are typed
    const auto value = [&](int bit) -> std::optional<double> {
        const double v = bytes.bits<double>();
        return (present >> bit & 1) != 0 ? std::optional<double>(v) : std::nullopt;
    };
    m.count = value(0);
    m.y1 = value(1);
    m.z1 = value(2);
    m.y2 = value(3);
    m.z2 = value(4);
    m.t = value(5);
    m.area = value(6);
    m.i0 = value(7);
    const std::uint8_t flags = bytes.byte();
    m.side = (flags & 1) != 0   ? std::optional(ProfileSide::Up)
             : (flags & 2) != 0 ? std::optional(ProfileSide::Down)
                                : std::nullopt;
    m.centreline = (flags & 4) != 0;
    if ((flags & 8) != 0) {
        m.dt = bytes.bits<double>();
    }
    GirderSettings settings;
    settings.depth = bytes.bits<double>();
    settings.half = (flags & 16) != 0;
    settings.deduction = (flags & 32) != 0 ? bytes.bits<double>() : 0;

    // The row with a plain plate beside it, so that the sums are formed with
    // and without the row counted.
    GirderMember deck;
    deck.kind = MemberKind::Plate;
    deck.y1 = 0;
    deck.z1 = 10000;
    deck.y2 = 8000;
    deck.z2 = 10000;
    deck.t = 14;
    const GirderTable table(settings, {m, deck});
    for (std::size_t row = 0; row < table.size(); ++row) {
        checkFigures(table.gross(row), input);
        checkFigures(table.net(row), input);
    }
    checkResult(table.grossResult(), table.size(), input);
    checkResult(table.netResult(), table.size(), input);
    return 0;
}
