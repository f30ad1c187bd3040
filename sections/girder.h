#pragma once

// The hull girder's section modulus: the midship section as a table of
// members (plate strakes, longitudinals, girders), each with its area A, its
// centroid's height z above the baseline and its own moment i0 about its
// horizontal centroidal axis; the sums give the neutral axis, the moment of
// inertia I and the section moduli at the deck line and at the baseline.
//
// A stiffener's A, centroid and i0 are those of its profile window: the
// bulb flat and flat bar from profileProperties, the built-up T from the
// built-up profile's own computation. The profile alone counts: in the hull
// girder the plating is a row of its own and fully effective.
//
// Units are those of the hand calculation: A in cm2, z in m, A*z in cm2*m,
// A*z^2 and i0 in cm2*m2; I also in m4, the moduli in m3 and cm3. Every
// value is kept unrounded; rounding to hundredths is for showing them.
//
// Plain C++, no Qt: the window, the sheet and the batch tool read the same
// numbers from here.

#include "hpprofiles.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace corvane {

// ---------------------------------------------------------------------------
// Profiles

// A T welded from a web standing on its toe and a face plate on top of the
// web, centred on it; in mm. The name "T300x10+100x12": web h x t first.
struct TeeProfile {
    double webHeight = 0;
    double webThickness = 0;
    double faceWidth = 0;
    double faceThickness = 0;
};

// A bulb flat or flat bar (its shape), or a built-up T.
using GirderProfile = std::variant<ProfileShape, TeeProfile>;

// Why a text is not a girder member's profile.
struct GirderProfileError {
    enum class Reason {
        NotAName,  // not "HP h x t", "FB h x t" or "T h x t + b x t"
        NotListed, // a bulb flat of a size that is not listed: see nearest
        Undefined, // a flat bar or T with a dimension not above 0
    };
    Reason reason = Reason::NotAName;
    HpSize asked;                // NotListed: the size read
    std::vector<HpSize> nearest; // NotListed: the listed sizes nearest to it
};

// Reads a bulb flat or flat bar as readProfileName does ("HP200x10",
// "FB200x10"), or a built-up T: "T", the web's h x t, "+", the face plate's
// b x t ("T300x10+100x12", "t 300×10 + 100×12"), each pair read as the
// flat bar's name is, so the same separators, blanks and full-width forms
// are accepted.
std::variant<GirderProfile, GirderProfileError> readGirderProfile(std::string_view text);

// The name the program writes, UTF-8: "HP 200×10", "FB 200×10",
// "T 300×10+100×12".
std::string girderProfileName(const GirderProfile& profile);

// The profile alone about its toe, in the units of the section tables,
// unrounded.
struct GirderProfileSection {
    double area = 0;           // A, cm2
    double centroidHeight = 0; // e of the centroid above the toe, cm
    double inertia = 0;        // own I about the horizontal centroidal axis, cm4
};

// Empty when the profile's shape is not defined or a result is not finite.
std::optional<GirderProfileSection> girderProfileSection(const GirderProfile& profile);

// The profile with its thicknesses reduced by the deduction, as its own
// window reduces them: a bulb flat's or flat bar's t (the same bulb at
// t - dt), a T's web and face plate thicknesses (heights and widths kept).
// Empty when a thickness is consumed (at or below 0) or the deduction is
// negative or not finite.
std::optional<GirderProfile> netGirderProfile(const GirderProfile& gross, double deduction);

// ---------------------------------------------------------------------------
// Members

enum class MemberKind {
    Plate,   // 板: a strake from (y1, z1) to (y2, z2), thickness t
    Profile, // 型材: a stiffener by its profile, toe at (y1, z1), side up or down
    Free,    // 自由构件: A, its centroid's height z1 and i0 typed in
};

// Which way a stiffener points from its toe.
enum class ProfileSide { Up, Down };

// One row of the table as typed. A value that is missing (an empty cell) is
// empty; the kind says which values the row uses, the others are ignored.
struct GirderMember {
    std::string name;
    MemberKind kind = MemberKind::Plate;
    std::optional<double> count = 1.0; // n
    bool centreline = false;           // 中线: counted once in a half section
    // mm
    std::optional<double> y1;
    std::optional<double> z1; // plate: one end; profile: the toe; free: the centroid
    std::optional<double> y2;
    std::optional<double> z2;
    std::optional<double> t;
    // Profile: the name as typed, read by readGirderProfile.
    std::string profile;
    std::optional<ProfileSide> side;
    // Free row: A in cm2, i0 in cm4.
    std::optional<double> area;
    std::optional<double> i0;
    // This row's own corrosion deduction (mm), overriding the table's.
    std::optional<double> dt;
};

// The value of a row that a fault is about; Row: the row as a whole (a
// result beyond the double range).
enum class MemberField { Count, Y1, Z1, Y2, Z2, T, Profile, Side, Area, I0, Dt, Row };

// Why a row cannot be formed; the row is then left out of the sums.
struct MemberError {
    enum class Reason {
        Missing,     // the value the kind needs is empty
        NotFinite,   // the value is not a finite number
        NotPositive, // a count, thickness or area at or below 0
        Negative,    // an own moment or deduction below 0
        ZeroLength,  // a plate whose two ends coincide
        BadProfile,  // the profile's name cannot be read: see profileError
        Consumed,    // net only: the deduction takes a whole thickness
        OutOfRange,  // a result beyond the double range
    };
    Reason reason = Reason::Missing;
    MemberField field = MemberField::Count;
    std::optional<GirderProfileError> profileError; // BadProfile only
};

// One member as it counts in the section, before its count n: cm units.
struct MemberSection {
    double area = 0;       // A of one member, cm2
    double centroid = 0;   // its centroid's height above the baseline, cm
    double ownInertia = 0; // i0 about its horizontal centroidal axis, cm4
};

// A plate L x t turned to its angle theta from the horizontal, on its
// mid-thickness line from (y1, z1) to (y2, z2), mm:
// A = L*t, i0 = (L*t/12)(L^2 sin^2 theta + t^2 cos^2 theta). Unchecked:
// memberSection checks the values first.
MemberSection plateSection(double y1, double z1, double y2, double z2, double t);

// One member: gross without a deduction; net with the table's deduction,
// the row's own dt overriding it (a free row is taken as typed). Each value
// the kind uses is checked before it is used; the first fault is returned.
std::variant<MemberSection, MemberError> memberSection(const GirderMember& member,
                                                       std::optional<double> tableDeduction);

// ---------------------------------------------------------------------------
// The working table

// One row's line of the working table: the member times its count n, in the
// units of the hand calculation. The half section's factor 2 is applied to
// the sums, not here.
struct GirderRowFigures {
    double count = 0;       // n
    double area = 0;        // A = n * a, cm2
    double z = 0;           // the centroid's height, m
    double firstMoment = 0; // A*z, cm2*m
    double transfer = 0;    // A*z^2, cm2*m2
    double ownInertia = 0;  // n * i0, cm2*m2
};

// The row's line from its member (gross or net as memberSection), or why
// the row is left out.
std::variant<GirderRowFigures, MemberError> girderRowFigures(const GirderMember& member,
                                                             std::optional<double> tableDeduction);

struct GirderSettings {
    double depth = 0;     // D, the deck line's height above the baseline, mm
    bool half = false;    // one side listed: every sum doubled but centreline rows
    double deduction = 0; // the table's corrosion deduction, mm
};

// The column sums as they count in the section (a half section's rows
// doubled, centreline rows once).
struct GirderSums {
    double area = 0;        // sum A, cm2
    double firstMoment = 0; // sum A*z, cm2*m
    double transfer = 0;    // sum A*z^2, cm2*m2
    double ownInertia = 0;  // sum i0, cm2*m2
};

// What a table gives, gross or net. A value that cannot be formed is empty,
// never a nan or an infinity: the neutral axis and I with no area, a
// modulus at a fibre on the neutral axis or with the depth undefined.
struct GirderResult {
    GirderSums sums;
    std::size_t rowsCounted = 0;
    std::size_t rowsLeftOut = 0; // rows that cannot be formed

    std::optional<double> neutralAxis; // height above the baseline, m
    std::optional<double> inertia;     // about the neutral axis, cm2*m2
    std::optional<double> deckModulus; // at the deck line z = D, m3
    std::optional<double> keelModulus; // at the baseline z = 0, m3
    std::optional<double> minModulus;  // the smaller of the two, m3 (both needed)

    // The same in the other units: zNA in cm, I in m4 and cm4, moduli in cm3.
    std::optional<double> neutralAxisCm() const;
    std::optional<double> inertiaM4() const;
    std::optional<double> inertiaCm4() const;
    std::optional<double> deckModulusCm3() const;
    std::optional<double> keelModulusCm3() const;
    std::optional<double> minModulusCm3() const;
};

// The results from sums already formed (D in mm).
GirderResult girderResult(const GirderSums& sums, double depthMm);

// ---------------------------------------------------------------------------
// The table

// A section table that keeps each row's line of the working table, gross
// and net, so that an edit forms only the edited row again; the sums are
// then added up afresh from the kept lines in row order, so the results
// depend only on the table as it stands, never on the edits that led to it.
class GirderTable {
  public:
    GirderTable() = default;
    explicit GirderTable(GirderSettings settings, std::vector<GirderMember> members = {});

    const GirderSettings& settings() const { return settings_; }
    // A new depth or half flag re-sums only; a new deduction forms every
    // net line again.
    void setSettings(const GirderSettings& settings);

    std::size_t size() const { return members_.size(); }
    const GirderMember& member(std::size_t row) const { return members_[row]; }
    const std::vector<GirderMember>& members() const { return members_; }

    // Rows are indices into the table as it stands (insertMember also takes
    // size(), to append; moveMember's `to` is the row's index afterwards).
    void setMember(std::size_t row, GirderMember member);
    void insertMember(std::size_t row, GirderMember member);
    void removeMember(std::size_t row);
    void moveMember(std::size_t from, std::size_t to);

    // The row's working-table line or why it is left out.
    const std::variant<GirderRowFigures, MemberError>& gross(std::size_t row) const;
    const std::variant<GirderRowFigures, MemberError>& net(std::size_t row) const;

    // The table's deduction is negative or not finite: no net results.
    bool netDefined() const;

    GirderResult grossResult() const;
    GirderResult netResult() const; // rowsLeftOut counts every row when !netDefined()

  private:
    struct Line {
        std::variant<GirderRowFigures, MemberError> gross;
        std::variant<GirderRowFigures, MemberError> net;
    };
    Line lineOf(const GirderMember& member) const;
    GirderResult resultOf(bool netLines) const;

    GirderSettings settings_;
    std::vector<GirderMember> members_;
    std::vector<Line> lines_;
};

} // namespace corvane
