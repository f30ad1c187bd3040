// Times the hull girder's section table at the sizes a midship section
// reaches (and beyond): building every row's working line, one edit (the
// edited row formed again, the sums added up afresh), and the sums alone.
//   ninja -C build girder_bench && build/bench/girder_bench

#include "girder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace corvane;
using Clock = std::chrono::steady_clock;

// A mix like a double-bottom half section: plates, bulb flats, T girders
// and free rows, spread over the depth.
std::vector<GirderMember> members(std::size_t rows) {
    static const char* const profiles[] = {"HP200x10", "HP 240×11", "HP300x12", "FB150x12",
                                           "T400x12+150x16"};
    std::vector<GirderMember> out;
    out.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i) {
        GirderMember m;
        m.name = "member " + std::to_string(i);
        const double z = static_cast<double>(i % 120) * 100;
        const double y = static_cast<double>(i % 50) * 200;
        switch (i % 4) {
        case 0:
        case 1:
            m.kind = MemberKind::Plate;
            m.y1 = y;
            m.z1 = z;
            m.y2 = y + 800;
            m.z2 = z + static_cast<double>(i % 3) * 400;
            m.t = 12 + static_cast<double>(i % 7);
            break;
        case 2:
            m.kind = MemberKind::Profile;
            m.profile = profiles[i % 5];
            m.y1 = y;
            m.z1 = z;
            m.side = i % 8 == 2 ? ProfileSide::Up : ProfileSide::Down;
            m.count = 3;
            break;
        default:
            m.kind = MemberKind::Free;
            m.area = 40;
            m.z1 = z;
            m.i0 = 800;
            break;
        }
        out.push_back(std::move(m));
    }
    return out;
}

// The median of `repeats` runs of f, in microseconds.
template <class F> double medianMicroseconds(int repeats, F&& f) {
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        const auto start = Clock::now();
        f(i);
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + repeats / 2, times.end());
    return times[static_cast<std::size_t>(repeats / 2)];
}

volatile double sink = 0;

} // namespace

int main() {
    std::printf("%8s %14s %16s %14s %14s\n", "rows", "build us", "edit+result us", "result us",
                "profile edit us");
    for (const std::size_t rows : {100u, 500u, 2000u, 10000u}) {
        const std::vector<GirderMember> m = members(rows);
        const GirderSettings settings{12000, true, 1.5};
        const double build = medianMicroseconds(11, [&](int) {
            const GirderTable t(settings, m);
            sink = *t.grossResult().inertia;
        });
        GirderTable table(settings, m);
        // An edit of a plate's thickness in the middle of the table, then
        // both results as the window shows them after every edit.
        const double edit = medianMicroseconds(201, [&](int i) {
            GirderMember changed = table.member(rows / 2);
            changed.t = 10 + (i % 5);
            table.setMember(rows / 2, changed);
            sink = *table.grossResult().minModulus + *table.netResult().minModulus;
        });
        const double result = medianMicroseconds(201, [&](int) {
            sink = *table.grossResult().minModulus + *table.netResult().minModulus;
        });
        const std::size_t profileRow = rows / 2 / 4 * 4 + 2; // a row i with i % 4 == 2
        const double profileEdit = medianMicroseconds(201, [&](int i) {
            GirderMember changed = table.member(profileRow);
            changed.profile = i % 2 == 0 ? "HP 370×13" : "HP200x10";
            table.setMember(profileRow, changed);
            sink = *table.grossResult().minModulus + *table.netResult().minModulus;
        });
        std::printf("%8zu %14.1f %16.1f %14.1f %14.1f\n", rows, build, edit, result, profileEdit);
    }
    return 0;
}
