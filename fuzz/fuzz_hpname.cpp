// readProfileName: any text gives a shape or a reason, never a crash. A bulb
// flat read is a listed size whose own name reads back to it, with finite
// properties; a flat bar has a positive height and thickness; a size not
// listed names one or two listed sizes.

#include "fuzzcheck.h"
#include "hpprofiles.h"

#include <cmath>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane;
    using corvane::fuzz::check;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string input = fuzz::printable(text);
    const auto read = readProfileName(text);
    if (const auto* shape = std::get_if<ProfileShape>(&read)) {
        if (shape->kind == ProfileKind::BulbFlat) {
            check(hpShape({shape->height, shape->thickness}).has_value(), "not listed: " + input);
            const auto again = readProfileName(profileName(*shape));
            check(std::holds_alternative<ProfileShape>(again) &&
                      std::get<ProfileShape>(again).thickness == shape->thickness &&
                      std::get<ProfileShape>(again).height == shape->height,
                  "name does not read back: " + input);
            check(profileProperties(*shape).has_value(), "no properties: " + input);
        } else {
            check(std::isfinite(shape->height) && std::isfinite(shape->thickness) &&
                      shape->height > 0 && shape->thickness > 0,
                  "flat bar not positive: " + input);
        }
        return 0;
    }
    const auto& error = std::get<ProfileNameError>(read);
    if (error.reason == ProfileNameError::Reason::NotListed) {
        check(!error.nearest.empty() && error.nearest.size() <= 2, "nearest sizes: " + input);
        for (const HpSize& s : error.nearest) {
            check(hpShape(s).has_value(), "a nearest size not listed: " + input);
        }
    }
    return 0;
}
