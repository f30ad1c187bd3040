#include "girder.h"

#include "builtup.h"
#include "bulbflat.h"
#include "numtext.h"
#include "sectiondetails.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace corvane {

namespace {

bool allFinite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// The built-up profile's computation with face plate 1 as the T's face
// plate and no face plate 2: its reference line, face plate 2's
// mid-thickness line, is then the web's foot, the toe.
BuiltUpDimensions builtUpOf(const TeeProfile& tee) {
    return {tee.faceWidth, tee.faceThickness, tee.webHeight, tee.webThickness, 0, 0};
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// "T" or "t", ASCII or full-width (U+FF34, U+FF54), at text[i]; advances i.
bool teeLetterAt(std::string_view text, std::size_t& i) {
    if (i < text.size() && (text[i] == 'T' || text[i] == 't')) {
        ++i;
        return true;
    }
    for (const std::string_view wide :
         {std::string_view("\xEF\xBC\xB4"), std::string_view("\xEF\xBD\x94")}) {
        if (text.substr(i, wide.size()) == wide) {
            i += wide.size();
            return true;
        }
    }
    return false;
}

GirderProfileError profileErrorOf(const ProfileNameError& e) {
    switch (e.reason) {
    case ProfileNameError::Reason::NotAName:
        return {};
    case ProfileNameError::Reason::NotListed:
        return {GirderProfileError::Reason::NotListed, e.asked, e.nearest};
    case ProfileNameError::Reason::FlatBarUndefined:
        return {GirderProfileError::Reason::Undefined, e.asked, {}};
    }
    return {};
}

// One h x t pair of a T's name, read as a flat bar's name is.
std::variant<ProfileShape, ProfileNameError> plateOfTee(std::string_view pair) {
    return readProfileName("FB" + std::string(pair));
}

MemberError fault(MemberError::Reason reason, MemberField field) {
    return {reason, field, std::nullopt};
}

// The value the kind needs: present and finite.
std::optional<MemberError> needFinite(const std::optional<double>& v, MemberField field) {
    if (!v) {
        return fault(MemberError::Reason::Missing, field);
    }
    if (!std::isfinite(*v)) {
        return fault(MemberError::Reason::NotFinite, field);
    }
    return std::nullopt;
}

std::optional<MemberError> needPositive(const std::optional<double>& v, MemberField field) {
    if (auto e = needFinite(v, field)) {
        return e;
    }
    if (!(*v > 0)) {
        return fault(MemberError::Reason::NotPositive, field);
    }
    return std::nullopt;
}

std::optional<MemberError> needNotNegative(const std::optional<double>& v, MemberField field) {
    if (auto e = needFinite(v, field)) {
        return e;
    }
    if (*v < 0) {
        return fault(MemberError::Reason::Negative, field);
    }
    return std::nullopt;
}

// The deduction a net row takes: its own, or else the table's.
std::variant<double, MemberError> rowDeduction(const GirderMember& m, double tableDeduction) {
    if (!m.dt) {
        return tableDeduction;
    }
    if (auto e = needNotNegative(m.dt, MemberField::Dt)) {
        return *e;
    }
    return *m.dt;
}

std::variant<MemberSection, MemberError> plateMember(const GirderMember& m,
                                                     std::optional<double> deduction) {
    for (const auto& [value, field] :
         {std::pair{&m.y1, MemberField::Y1}, std::pair{&m.z1, MemberField::Z1},
          std::pair{&m.y2, MemberField::Y2}, std::pair{&m.z2, MemberField::Z2}}) {
        if (auto e = needFinite(*value, field)) {
            return *e;
        }
    }
    if (auto e = needPositive(m.t, MemberField::T)) {
        return *e;
    }
    if (*m.y1 == *m.y2 && *m.z1 == *m.z2) {
        return fault(MemberError::Reason::ZeroLength, MemberField::Y2);
    }
    double t = *m.t;
    if (deduction) {
        t = t - *deduction;
        if (!(t > 0)) {
            return fault(MemberError::Reason::Consumed, MemberField::T);
        }
    }
    return plateSection(*m.y1, *m.z1, *m.y2, *m.z2, t);
}

std::variant<MemberSection, MemberError> profileMember(const GirderMember& m,
                                                       std::optional<double> deduction) {
    const auto read = readGirderProfile(m.profile);
    if (const auto* e = std::get_if<GirderProfileError>(&read)) {
        if (m.profile.find_first_not_of(" \t") == std::string::npos) {
            return fault(MemberError::Reason::Missing, MemberField::Profile);
        }
        return MemberError{MemberError::Reason::BadProfile, MemberField::Profile, *e};
    }
    for (const auto& [value, field] :
         {std::pair{&m.y1, MemberField::Y1}, std::pair{&m.z1, MemberField::Z1}}) {
        if (auto e = needFinite(*value, field)) {
            return *e;
        }
    }
    if (!m.side) {
        return fault(MemberError::Reason::Missing, MemberField::Side);
    }
    std::optional<GirderProfile> profile = std::get<GirderProfile>(read);
    if (deduction) {
        profile = netGirderProfile(*profile, *deduction);
        if (!profile) {
            return fault(MemberError::Reason::Consumed, MemberField::Profile);
        }
    }
    const std::optional<GirderProfileSection> p = girderProfileSection(*profile);
    if (!p) {
        return fault(MemberError::Reason::OutOfRange, MemberField::Row);
    }
    // The toe on the plating; the centroid e above it pointing up, below it
    // pointing down.
    const double toe = *m.z1 / 10;
    const double centroid =
        *m.side == ProfileSide::Up ? toe + p->centroidHeight : toe - p->centroidHeight;
    return MemberSection{p->area, centroid, p->inertia};
}

std::variant<MemberSection, MemberError> freeMember(const GirderMember& m) {
    if (auto e = needPositive(m.area, MemberField::Area)) {
        return *e;
    }
    if (auto e = needFinite(m.z1, MemberField::Z1)) {
        return *e;
    }
    if (auto e = needNotNegative(m.i0, MemberField::I0)) {
        return *e;
    }
    return MemberSection{*m.area, *m.z1 / 10, *m.i0};
}

} // namespace

// ---------------------------------------------------------------------------
// Profiles

std::variant<GirderProfile, GirderProfileError> readGirderProfile(std::string_view utf8) {
    using Reason = GirderProfileError::Reason;
    const std::string text = asciiFormsUtf8(utf8);
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    if (!teeLetterAt(text, i)) {
        const auto read = readProfileName(text);
        if (const auto* e = std::get_if<ProfileNameError>(&read)) {
            return profileErrorOf(*e);
        }
        return GirderProfile{std::get<ProfileShape>(read)};
    }
    const std::string_view rest = std::string_view(text).substr(i);
    const std::size_t plus = rest.find('+');
    if (plus == std::string_view::npos) {
        return GirderProfileError{};
    }
    const auto web = plateOfTee(rest.substr(0, plus));
    const auto face = plateOfTee(rest.substr(plus + 1));
    for (const auto* part : {&web, &face}) {
        if (const auto* e = std::get_if<ProfileNameError>(part)) {
            if (e->reason == ProfileNameError::Reason::FlatBarUndefined) {
                return GirderProfileError{Reason::Undefined, e->asked, {}};
            }
            return GirderProfileError{};
        }
    }
    const ProfileShape& w = std::get<ProfileShape>(web);
    const ProfileShape& f = std::get<ProfileShape>(face);
    return GirderProfile{TeeProfile{w.height, w.thickness, f.height, f.thickness}};
}

std::string girderProfileName(const GirderProfile& profile) {
    if (const auto* shape = std::get_if<ProfileShape>(&profile)) {
        return profileName(*shape);
    }
    const TeeProfile& tee = std::get<TeeProfile>(profile);
    return "T " + generalDouble(tee.webHeight) + "\xC3\x97" + generalDouble(tee.webThickness) +
           "+" + generalDouble(tee.faceWidth) + "\xC3\x97" + generalDouble(tee.faceThickness);
}

std::optional<GirderProfileSection> girderProfileSection(const GirderProfile& profile) {
    if (const auto* shape = std::get_if<ProfileShape>(&profile)) {
        const std::optional<ProfileProperties> p = profileProperties(*shape);
        if (!p) {
            return std::nullopt;
        }
        return GirderProfileSection{p->area, p->centroidHeight, p->inertia};
    }
    const TeeProfile& tee = std::get<TeeProfile>(profile);
    if (!allFinite({tee.webHeight, tee.webThickness, tee.faceWidth, tee.faceThickness}) ||
        !(tee.webHeight > 0) || !(tee.webThickness > 0) || !(tee.faceWidth > 0) ||
        !(tee.faceThickness > 0)) {
        return std::nullopt;
    }
    const BuiltUpSectionDetail d = builtUpSectionDetail(builtUpOf(tee));
    if (!allFinite({d.area, d.neutralAxis, d.inertia}) || !(d.area > 0)) {
        return std::nullopt;
    }
    return GirderProfileSection{d.area, d.neutralAxis, d.inertia};
}

std::optional<GirderProfile> netGirderProfile(const GirderProfile& gross, double deduction) {
    if (const auto* shape = std::get_if<ProfileShape>(&gross)) {
        // The profile's own window deducts with its plating; a profile alone
        // has none, and plating of zero thickness is left as it is.
        const auto net = netPlatedProfile(PlatedProfileDimensions{*shape, 0, 0, 0}, deduction);
        if (const auto* dims = std::get_if<PlatedProfileDimensions>(&net)) {
            return GirderProfile{dims->profile};
        }
        return std::nullopt;
    }
    const TeeProfile& tee = std::get<TeeProfile>(gross);
    const auto net = netDimensions(SectionDimensions{builtUpOf(tee)}, deduction);
    if (const auto* dims = std::get_if<SectionDimensions>(&net)) {
        const auto& b = std::get<BuiltUpDimensions>(*dims);
        return GirderProfile{
            TeeProfile{b.webHeight, b.webThickness, b.facePlate1Width, b.facePlate1Thickness}};
    }
    return std::nullopt;
}

// ---------------------------------------------------------------------------
// Members

MemberSection plateSection(double y1, double z1, double y2, double z2, double t) {
    const double dy = (y2 - y1) / 10;
    const double dz = (z2 - z1) / 10;
    const double length = std::hypot(dy, dz); // cm
    const double thickness = t / 10;          // cm
    const double sine = dz / length;
    const double cosine = dy / length;
    MemberSection s;
    s.area = length * thickness;
    s.centroid = (z1 + z2) / 2 / 10;
    s.ownInertia =
        s.area / 12 * (length * length * (sine * sine) + thickness * thickness * (cosine * cosine));
    return s;
}

std::variant<MemberSection, MemberError> memberSection(const GirderMember& m,
                                                       std::optional<double> tableDeduction) {
    if (auto e = needPositive(m.count, MemberField::Count)) {
        return *e;
    }
    if (m.kind == MemberKind::Free) {
        return freeMember(m); // gross and net alike
    }
    std::optional<double> deduction;
    if (tableDeduction) {
        const auto dt = rowDeduction(m, *tableDeduction);
        if (const auto* e = std::get_if<MemberError>(&dt)) {
            return *e;
        }
        deduction = std::get<double>(dt);
    }
    return m.kind == MemberKind::Plate ? plateMember(m, deduction) : profileMember(m, deduction);
}

std::variant<GirderRowFigures, MemberError> girderRowFigures(const GirderMember& member,
                                                             std::optional<double> tableDeduction) {
    const auto section = memberSection(member, tableDeduction);
    if (const auto* e = std::get_if<MemberError>(&section)) {
        return *e;
    }
    const MemberSection& s = std::get<MemberSection>(section);
    GirderRowFigures f;
    f.count = *member.count;
    f.area = f.count * s.area;
    f.z = s.centroid / 100;
    f.firstMoment = f.area * f.z;
    f.transfer = f.firstMoment * f.z;
    f.ownInertia = f.count * (s.ownInertia / 10000); // cm4 to cm2*m2
    if (!allFinite({s.area, s.centroid, s.ownInertia, f.area, f.z, f.firstMoment, f.transfer,
                    f.ownInertia}) ||
        !(f.area > 0)) {
        // Beyond the range, or below it: an area that underflows to 0.
        return fault(MemberError::Reason::OutOfRange, MemberField::Row);
    }
    return f;
}

// ---------------------------------------------------------------------------
// Results

namespace {

std::optional<double> scaled(const std::optional<double>& v, double factor) {
    if (!v) {
        return std::nullopt;
    }
    const double x = *v * factor;
    return std::isfinite(x) ? std::optional<double>(x) : std::nullopt;
}

// I / distance, empty with the fibre on the neutral axis or a value out of
// range.
std::optional<double> modulusAt(double inertiaM4, double distanceM) {
    if (!std::isfinite(distanceM) || distanceM == 0) {
        return std::nullopt;
    }
    const double w = inertiaM4 / distanceM;
    return std::isfinite(w) ? std::optional<double>(w) : std::nullopt;
}

} // namespace

std::optional<double> GirderResult::neutralAxisCm() const {
    return scaled(neutralAxis, 100);
}
std::optional<double> GirderResult::inertiaM4() const {
    return scaled(inertia, 1.0 / 10000);
}
std::optional<double> GirderResult::inertiaCm4() const {
    return scaled(inertia, 10000);
}
std::optional<double> GirderResult::deckModulusCm3() const {
    return scaled(deckModulus, 1e6);
}
std::optional<double> GirderResult::keelModulusCm3() const {
    return scaled(keelModulus, 1e6);
}
std::optional<double> GirderResult::minModulusCm3() const {
    return scaled(minModulus, 1e6);
}

GirderResult girderResult(const GirderSums& sums, double depthMm) {
    GirderResult r;
    r.sums = sums;
    if (!allFinite({sums.area, sums.firstMoment, sums.transfer, sums.ownInertia}) ||
        !(sums.area > 0)) {
        return r;
    }
    const double zna = sums.firstMoment / sums.area;                                 // m
    const double inertia = sums.transfer + sums.ownInertia - zna * sums.firstMoment; // cm2*m2
    if (!allFinite({zna, inertia})) {
        return r;
    }
    r.neutralAxis = zna;
    r.inertia = inertia;
    const double inertiaM4 = inertia / 10000;
    // The fibre distances are taken as they lie, above or below the axis.
    if (std::isfinite(depthMm) && depthMm > 0) {
        r.deckModulus = modulusAt(inertiaM4, std::abs(depthMm / 1000 - zna));
    }
    r.keelModulus = modulusAt(inertiaM4, std::abs(zna));
    if (r.deckModulus && r.keelModulus) {
        r.minModulus = std::min(*r.deckModulus, *r.keelModulus);
    }
    return r;
}

// ---------------------------------------------------------------------------
// The table

GirderTable::GirderTable(GirderSettings settings, std::vector<GirderMember> members)
    : settings_(settings), members_(std::move(members)) {
    lines_.reserve(members_.size());
    for (const GirderMember& m : members_) {
        lines_.push_back(lineOf(m));
    }
}

bool GirderTable::netDefined() const {
    return std::isfinite(settings_.deduction) && settings_.deduction >= 0;
}

GirderTable::Line GirderTable::lineOf(const GirderMember& member) const {
    if (!netDefined()) {
        // The table's own deduction is at fault: no row has a net line.
        const auto reason = std::isfinite(settings_.deduction) ? MemberError::Reason::Negative
                                                               : MemberError::Reason::NotFinite;
        return {girderRowFigures(member, std::nullopt), fault(reason, MemberField::Dt)};
    }
    return {girderRowFigures(member, std::nullopt), girderRowFigures(member, settings_.deduction)};
}

void GirderTable::setSettings(const GirderSettings& settings) {
    const bool sameDeduction = settings.deduction == settings_.deduction;
    settings_ = settings;
    if (sameDeduction) {
        return;
    }
    for (std::size_t i = 0; i < members_.size(); ++i) {
        lines_[i] = lineOf(members_[i]);
    }
}

void GirderTable::setMember(std::size_t row, GirderMember member) {
    lines_[row] = lineOf(member);
    members_[row] = std::move(member);
}

void GirderTable::insertMember(std::size_t row, GirderMember member) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(row), lineOf(member));
    members_.insert(members_.begin() + static_cast<std::ptrdiff_t>(row), std::move(member));
}

void GirderTable::removeMember(std::size_t row) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(row));
    members_.erase(members_.begin() + static_cast<std::ptrdiff_t>(row));
}

void GirderTable::moveMember(std::size_t from, std::size_t to) {
    const auto move = [from, to](auto& v) {
        auto item = std::move(v[from]);
        v.erase(v.begin() + static_cast<std::ptrdiff_t>(from));
        v.insert(v.begin() + static_cast<std::ptrdiff_t>(to), std::move(item));
    };
    move(lines_);
    move(members_);
}

const std::variant<GirderRowFigures, MemberError>& GirderTable::gross(std::size_t row) const {
    return lines_[row].gross;
}

const std::variant<GirderRowFigures, MemberError>& GirderTable::net(std::size_t row) const {
    return lines_[row].net;
}

GirderResult GirderTable::resultOf(bool netLines) const {
    GirderSums sums;
    std::size_t counted = 0;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto& line = netLines ? lines_[i].net : lines_[i].gross;
        const auto* f = std::get_if<GirderRowFigures>(&line);
        if (f == nullptr) {
            continue;
        }
        // A half section lists one side: each row counts twice, but a member
        // on the centre line (keel plate, centre girder) once.
        const double sides = settings_.half && !members_[i].centreline ? 2 : 1;
        sums.area += sides * f->area;
        sums.firstMoment += sides * f->firstMoment;
        sums.transfer += sides * f->transfer;
        sums.ownInertia += sides * f->ownInertia;
        ++counted;
    }
    GirderResult r = girderResult(sums, settings_.depth);
    r.rowsCounted = counted;
    r.rowsLeftOut = lines_.size() - counted;
    return r;
}

GirderResult GirderTable::grossResult() const {
    return resultOf(false);
}

GirderResult GirderTable::netResult() const {
    return resultOf(true);
}

} // namespace corvane
