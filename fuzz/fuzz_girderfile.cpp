// The section-table file: any bytes give a document or a refusal naming a
// line of the input, never a crash. A document read is written back and read
// again as the same document, and written again as the same bytes; its table
// gives nothing that is not finite.

#include "fuzzcheck.h"
#include "girderfile.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <variant>

namespace {

using namespace corvane;

bool sameDocument(const GirderDocument& a, const GirderDocument& b) {
    return a.settings.depth == b.settings.depth && a.settings.half == b.settings.half &&
           a.settings.deduction == b.settings.deduction && a.extraColumns == b.extraColumns &&
           a.rows == b.rows;
}

bool finiteOrEmpty(const std::optional<double>& v) {
    return !v || std::isfinite(*v);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string input = fuzz::printable(bytes);
    const auto read = readGirderFile(bytes);
    if (const auto* e = std::get_if<GirderFileError>(&read)) {
        // A line of the input: at most one past its line breaks (CR, LF or
        // CRLF each one).
        const auto breaks = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n') +
                                                     std::count(bytes.begin(), bytes.end(), '\r'));
        fuzz::check(e->line >= 1 && e->line <= breaks + 1,
                    "refusal's line out of the file: " + input);
        fuzz::check(e->reason.starts_with("第 " + std::to_string(e->line) + " 行："),
                    "refusal without its line: " + input);
        return 0;
    }
    const GirderDocument& document = std::get<GirderDocument>(read);
    for (const GirderRowText& row : document.rows) {
        fuzz::check(row.extra.size() == document.extraColumns.size(),
                    "row without a cell for each unknown column: " + input);
        fuzz::check(readGirderRow(row).faults.empty(), "row with a fault read: " + input);
    }
    const std::string written = writeGirderFile(document);
    const auto again = readGirderFile(written);
    fuzz::check(std::holds_alternative<GirderDocument>(again), "written file refused: " + input);
    fuzz::check(sameDocument(std::get<GirderDocument>(again), document),
                "written file reads as another document: " + input);
    fuzz::check(writeGirderFile(std::get<GirderDocument>(again)) == written,
                "written twice, different bytes: " + input);

    const GirderTable table = girderTable(document);
    for (const GirderResult& r : {table.grossResult(), table.netResult()}) {
        fuzz::check(r.rowsCounted + r.rowsLeftOut == table.size(),
                    "rows not accounted for: " + input);
        for (const auto& v : {r.neutralAxisCm(), r.inertiaCm4(), r.deckModulusCm3(),
                              r.keelModulusCm3(), r.minModulusCm3()}) {
            fuzz::check(finiteOrEmpty(v), "result not finite: " + input);
        }
    }
    return 0;
}
