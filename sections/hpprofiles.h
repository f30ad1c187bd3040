#pragma once

// The listed bulb flats (HP profiles): the bulb's two parameters for each of
// the 15 heights, the 59 sizes, and the reader of profile names such as
// "HP 200×10" or "FB200x10".

#include "bulbflat.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace corvane {

// The bulb of every listed bulb flat of one height, in mm.
struct HpBulb {
    double height = 0;   // h
    double standOut = 0; // c, beyond the web's face
    double radius = 0;   // r
};

// One listed size, in mm.
struct HpSize {
    double height = 0;
    double thickness = 0;
};

// The 15 heights from 120 to 430 mm, in ascending order.
std::span<const HpBulb> hpBulbs();

// The 59 sizes, by height, then by thickness.
std::span<const HpSize> hpSizes();

// The bulb of that height; empty when no listed size has it.
std::optional<HpBulb> hpBulb(double heightMm);

// The shape of a listed size; empty when the size is not listed.
std::optional<ProfileShape> hpShape(HpSize size);

// The bulb flat of a listed height with any web thickness (a net profile is
// the same bulb at t - dt); empty when the height is not listed.
std::optional<ProfileShape> hpShapeWithThickness(double heightMm, double thicknessMm);

// The name the program writes, UTF-8: "HP 200×10", "HP 200×8.5";
// "FB 200×10" for a flat bar.
std::string profileName(const ProfileShape& shape);

// The listed sizes nearest to h x t, one or two: the listed thicknesses on
// either side of t when h is a listed height, otherwise, for the listed
// heights on either side of h, the thickness nearest to t (the thicker on a
// tie).
std::vector<HpSize> nearestHpSizes(double heightMm, double thicknessMm);

// Why a text is not a profile name.
struct ProfileNameError {
    enum class Reason {
        NotAName,         // not "HP" or "FB", a height, "x" (or "×", "*") and a thickness
        NotListed,        // a bulb flat of a size that is not listed: see nearest
        FlatBarUndefined, // a flat bar with h or t not above 0
    };
    Reason reason = Reason::NotAName;
    HpSize asked;                // NotListed, FlatBarUndefined: the size read
    std::vector<HpSize> nearest; // NotListed: nearestHpSizes of it
};

// Reads "HP200x10", "HP 200×10", "hp200*10" (a listed bulb flat) or
// "FB200x10" (a flat bar of any positive size). The letters in either case
// and in full-width form, blanks anywhere between the parts, "x", "X", "×",
// "*" or their full-width forms between the numbers. The two numbers go
// through the program's one entry reading (full-width digits become ASCII,
// then the whole-text number reader).
std::variant<ProfileShape, ProfileNameError> readProfileName(std::string_view text);

} // namespace corvane
