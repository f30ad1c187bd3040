#include "girdertext.h"

#include "girderfile.h"

#include "rounding.h"
#include "sectiontext.h"

#include <cmath>

namespace corvane {

namespace {

const QString missing = QStringLiteral("—");

QString figureOf(const std::optional<double>& value) {
    return value ? girderFigure(*value) : missing;
}

QString levelOf(const std::optional<double>& value) {
    return value ? girderLevel(*value) : missing;
}

// The value rounded to hundredths in its own unit, then written in a unit
// 10^power times larger: the same digits, the point moved.
QString inLargerUnit(const std::optional<double>& value, double power) {
    if (!value || !std::isfinite(*value)) {
        return missing;
    }
    return detailNumber(detailRounding(*value) / power);
}

} // namespace

QString girderLevel(double metres) {
    return detailNumber(levelRounding(metres));
}

QString girderFigure(double value) {
    return detailResult(value);
}

QString memberKindText(MemberKind kind) {
    switch (kind) {
    case MemberKind::Plate:
        return QStringLiteral("板");
    case MemberKind::Profile:
        return QStringLiteral("型材");
    case MemberKind::Free:
        break;
    }
    return QStringLiteral("自由构件");
}

QStringList girderTableHeaders() {
    return {QStringLiteral("构件"),        QStringLiteral("类型"),
            QStringLiteral("n"),           QStringLiteral("剖面/尺寸 (mm)"),
            QStringLiteral("A (cm²)"),     QStringLiteral("z (m)"),
            QStringLiteral("A·z (cm²·m)"), QStringLiteral("A·z² (cm²·m²)"),
            QStringLiteral("i₀ (cm²·m²)")};
}

QString memberDimensions(const GirderMember& m) {
    switch (m.kind) {
    case MemberKind::Plate: {
        if (!m.y1 || !m.z1 || !m.y2 || !m.z2 || !m.t) {
            return {};
        }
        const double length = std::hypot(*m.y2 - *m.y1, *m.z2 - *m.z1);
        return QStringLiteral("%1×%2").arg(detailResult(length), detailNumber(*m.t));
    }
    case MemberKind::Profile: {
        const auto read = readGirderProfile(m.profile);
        QString name = QString::fromStdString(m.profile).trimmed();
        if (const auto* profile = std::get_if<GirderProfile>(&read)) {
            name = QString::fromStdString(girderProfileName(*profile));
        }
        if (m.side) {
            name += *m.side == ProfileSide::Up ? QStringLiteral(" ↑") : QStringLiteral(" ↓");
        }
        return name;
    }
    case MemberKind::Free:
        break;
    }
    return QStringLiteral("给定 A、z、i₀");
}

QStringList girderTableRow(const GirderMember& member,
                           const std::variant<GirderRowFigures, MemberError>& line) {
    QString kind = memberKindText(member.kind);
    if (member.centreline) {
        kind += QStringLiteral("（中线）");
    }
    const QString count =
        member.count && std::isfinite(*member.count) ? detailNumber(*member.count) : QString();
    const QString name = QString::fromStdString(member.name);
    if (const auto* e = std::get_if<MemberError>(&line)) {
        return {name,      kind,
                count,     QStringLiteral("略去：") + QString::fromStdString(memberErrorText(*e)),
                QString(), QString(),
                QString(), QString(),
                QString()};
    }
    const GirderRowFigures& f = std::get<GirderRowFigures>(line);
    return {name,
            kind,
            count,
            memberDimensions(member),
            girderFigure(f.area),
            girderLevel(f.z),
            girderFigure(f.firstMoment),
            girderFigure(f.transfer),
            girderFigure(f.ownInertia)};
}

QStringList girderSumsRow(const GirderResult& r, bool half) {
    return {half ? QStringLiteral("合计（两舷，中线构件计一次）") : QStringLiteral("合计"),
            QString(),
            QString(),
            QString(),
            girderFigure(r.sums.area),
            QString(),
            girderFigure(r.sums.firstMoment),
            girderFigure(r.sums.transfer),
            girderFigure(r.sums.ownInertia)};
}

std::vector<GirderResultLine> girderResultLines(const GirderResult& gross,
                                                const GirderResult& net) {
    const auto line = [&gross, &net](const QString& caption, auto text) {
        return GirderResultLine{caption, text(gross), text(net)};
    };
    const auto count = [](std::size_t n) { return QString::number(n); };
    return {
        line(QStringLiteral("计入合计的行数"),
             [&](const GirderResult& r) { return count(r.rowsCounted); }),
        line(QStringLiteral("略去的行数（无法计算）"),
             [&](const GirderResult& r) { return count(r.rowsLeftOut); }),
        line(QStringLiteral("总面积 A (cm²)"),
             [](const GirderResult& r) {
                 return r.rowsCounted > 0 ? girderFigure(r.sums.area) : missing;
             }),
        line(QStringLiteral("中和轴距基线 z_NA (m)"),
             [](const GirderResult& r) { return levelOf(r.neutralAxis); }),
        line(QStringLiteral("中和轴距基线 z_NA (cm)"),
             [](const GirderResult& r) { return figureOf(r.neutralAxisCm()); }),
        line(QStringLiteral("惯性矩 I (cm²·m²)"),
             [](const GirderResult& r) { return figureOf(r.inertia); }),
        line(QStringLiteral("惯性矩 I (m⁴)"),
             [](const GirderResult& r) { return inLargerUnit(r.inertia, 1e4); }),
        line(QStringLiteral("甲板处剖面模数 W_D (m³)"),
             [](const GirderResult& r) { return inLargerUnit(r.deckModulusCm3(), 1e6); }),
        line(QStringLiteral("甲板处剖面模数 W_D (cm³)"),
             [](const GirderResult& r) { return figureOf(r.deckModulusCm3()); }),
        line(QStringLiteral("基线处剖面模数 W_B (m³)"),
             [](const GirderResult& r) { return inLargerUnit(r.keelModulusCm3(), 1e6); }),
        line(QStringLiteral("基线处剖面模数 W_B (cm³)"),
             [](const GirderResult& r) { return figureOf(r.keelModulusCm3()); }),
        line(QStringLiteral("最小剖面模数 W_min (m³)"),
             [](const GirderResult& r) { return inLargerUnit(r.minModulusCm3(), 1e6); }),
        line(QStringLiteral("最小剖面模数 W_min (cm³)"),
             [](const GirderResult& r) { return figureOf(r.minModulusCm3()); }),
    };
}

QString rowsLeftOutText(std::size_t count) {
    if (count == 0) {
        return {};
    }
    return QStringLiteral("有 %1 行无法计算，未计入合计。").arg(count);
}

} // namespace corvane
