#include "hpprofiles.h"

#include "numtext.h"

#include <array>
#include <cctype>
#include <cmath>

namespace corvane {

namespace {

constexpr std::array<HpBulb, 15> bulbs{{
    {120, 17, 5},
    {140, 19, 5.5},
    {160, 22, 6},
    {180, 25, 7},
    {200, 28, 8},
    {220, 31, 9},
    {240, 34, 10},
    {260, 37, 11},
    {280, 40, 12},
    {300, 43, 13},
    {320, 46, 14},
    {340, 49, 15},
    {370, 53.5, 16.5},
    {400, 58, 18},
    {430, 62.5, 19.5},
}};

constexpr std::array<HpSize, 59> sizes{{
    {120, 6},    {120, 7},  {120, 8},                          //
    {140, 6.5},  {140, 7},  {140, 8},  {140, 10},              //
    {160, 7},    {160, 8},  {160, 9},  {160, 11.5},            //
    {180, 8},    {180, 9},  {180, 10}, {180, 11.5},            //
    {200, 8.5},  {200, 9},  {200, 10}, {200, 11},   {200, 12}, //
    {220, 9},    {220, 10}, {220, 11}, {220, 12},              //
    {240, 9.5},  {240, 10}, {240, 11}, {240, 12},              //
    {260, 10},   {260, 11}, {260, 12},                         //
    {280, 10.5}, {280, 11}, {280, 12}, {280, 13},              //
    {300, 11},   {300, 12}, {300, 13},                         //
    {320, 11.5}, {320, 12}, {320, 13}, {320, 14},              //
    {340, 12},   {340, 13}, {340, 14}, {340, 15},              //
    {370, 12.5}, {370, 13}, {370, 14}, {370, 15},   {370, 16}, //
    {400, 13},   {400, 14}, {400, 15}, {400, 16},              //
    {430, 14},   {430, 15}, {430, 17}, {430, 20},              //
}};

// The thickness listed for height h nearest to t, the thicker on a tie.
HpSize nearestAtHeight(double h, double t) {
    const HpSize* best = nullptr;
    for (const HpSize& s : sizes) {
        if (s.height == h &&
            (best == nullptr || std::abs(s.thickness - t) <= std::abs(best->thickness - t))) {
            best = &s;
        }
    }
    return *best;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The letter at text[i] as upper-case ASCII, in either case and in ASCII or
// full-width form (U+FF21..U+FF3A, U+FF41..U+FF5A); advances i past it.
std::optional<char> letterAt(std::string_view text, std::size_t& i) {
    if (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])) != 0) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i++])));
    }
    if (i + 2 < text.size() && text[i] == '\xEF') {
        const auto b1 = static_cast<unsigned char>(text[i + 1]);
        const auto b2 = static_cast<unsigned char>(text[i + 2]);
        if (b1 == 0xBC && b2 >= 0xA1 && b2 <= 0xBA) {
            i += 3;
            return static_cast<char>('A' + (b2 - 0xA1));
        }
        if (b1 == 0xBD && b2 >= 0x81 && b2 <= 0x9A) {
            i += 3;
            return static_cast<char>('A' + (b2 - 0x81));
        }
    }
    return std::nullopt;
}

// "x", "X", "*", "×" and the full-width "Ｘ", "ｘ", "＊", UTF-8.
constexpr std::array<std::string_view, 7> separators{
    "x", "X", "*", "\xC3\x97", "\xEF\xBC\xB8", "\xEF\xBD\x98", "\xEF\xBC\x8A"};

} // namespace

std::span<const HpBulb> hpBulbs() {
    return bulbs;
}

std::span<const HpSize> hpSizes() {
    return sizes;
}

std::optional<HpBulb> hpBulb(double heightMm) {
    for (const HpBulb& b : bulbs) {
        if (b.height == heightMm) {
            return b;
        }
    }
    return std::nullopt;
}

std::optional<ProfileShape> hpShapeWithThickness(double heightMm, double thicknessMm) {
    const std::optional<HpBulb> bulb = hpBulb(heightMm);
    if (!bulb) {
        return std::nullopt;
    }
    ProfileShape s;
    s.kind = ProfileKind::BulbFlat;
    s.height = bulb->height;
    s.thickness = thicknessMm;
    s.bulbStandOut = bulb->standOut;
    s.bulbRadius = bulb->radius;
    return s;
}

std::optional<ProfileShape> hpShape(HpSize size) {
    for (const HpSize& s : sizes) {
        if (s.height == size.height && s.thickness == size.thickness) {
            return hpShapeWithThickness(size.height, size.thickness);
        }
    }
    return std::nullopt;
}

std::string profileName(const ProfileShape& shape) {
    const char* prefix = shape.kind == ProfileKind::BulbFlat ? "HP " : "FB ";
    return prefix + generalDouble(shape.height) + "\xC3\x97" + generalDouble(shape.thickness);
}

std::vector<HpSize> nearestHpSizes(double heightMm, double thicknessMm) {
    std::vector<HpSize> nearest;
    if (std::isnan(heightMm) || std::isnan(thicknessMm)) {
        return nearest;
    }
    if (hpBulb(heightMm)) {
        const HpSize* below = nullptr;
        const HpSize* above = nullptr;
        for (const HpSize& s : sizes) {
            if (s.height != heightMm) {
                continue;
            }
            if (s.thickness <= thicknessMm) {
                below = &s;
            }
            if (s.thickness >= thicknessMm && above == nullptr) {
                above = &s;
            }
        }
        if (below != nullptr) {
            nearest.push_back(*below);
        }
        if (above != nullptr && above != below) {
            nearest.push_back(*above);
        }
        return nearest;
    }
    const HpBulb* lower = nullptr;
    const HpBulb* upper = nullptr;
    for (const HpBulb& b : bulbs) {
        if (b.height < heightMm) {
            lower = &b;
        } else if (upper == nullptr) {
            upper = &b;
        }
    }
    for (const HpBulb* b : {lower, upper}) {
        if (b != nullptr) {
            nearest.push_back(nearestAtHeight(b->height, thicknessMm));
        }
    }
    return nearest;
}

std::variant<ProfileShape, ProfileNameError> readProfileName(std::string_view utf8) {
    using Reason = ProfileNameError::Reason;
    const std::string text = asciiFormsUtf8(utf8);
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    const std::optional<char> first = letterAt(text, i);
    const std::optional<char> second = letterAt(text, i);
    const bool bulbFlat = first == 'H' && second == 'P';
    const bool flatBar = first == 'F' && second == 'B';
    if (!bulbFlat && !flatBar) {
        return ProfileNameError{};
    }
    const std::string_view rest = std::string_view(text).substr(i);
    std::size_t at = std::string_view::npos;
    std::size_t length = 0;
    for (const std::string_view sep : separators) {
        const std::size_t found = rest.find(sep);
        if (found < at) {
            at = found;
            length = sep.size();
        }
    }
    if (at == std::string_view::npos) {
        return ProfileNameError{};
    }
    // Blanks round the numbers are the number reader's to skip.
    const std::optional<double> h = readDouble(rest.substr(0, at));
    const std::optional<double> t = readDouble(rest.substr(at + length));
    if (!h || !t) {
        return ProfileNameError{};
    }
    const HpSize asked{*h, *t};
    if (flatBar) {
        if (!(*h > 0) || !(*t > 0)) {
            return ProfileNameError{Reason::FlatBarUndefined, asked, {}};
        }
        return flatBarShape(*h, *t);
    }
    if (const std::optional<ProfileShape> shape = hpShape(asked)) {
        return *shape;
    }
    return ProfileNameError{Reason::NotListed, asked, nearestHpSizes(*h, *t)};
}

} // namespace corvane
