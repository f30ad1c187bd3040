#include "girdertext.h"

#include "girderfile.h"

#include "rounding.h"
#include "sectiontext.h"

#include <QCoreApplication>

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

// Why a row is left out comes from the table file in both languages, as the
// batch tool writes it. Which one the sheet uses follows the translation
// installed, as Qt's own QT_LAYOUT_DIRECTION does: this text's translation
// names the language the texts are in.
QString memberError(const MemberError& error) {
    const bool english =
        QCoreApplication::translate("corvane::GirderText", "zh", "language of the texts") ==
        QLatin1String("en");
    return QString::fromStdString(english ? memberErrorTextEnglish(error) : memberErrorText(error));
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
        return QCoreApplication::translate("corvane::GirderText", "板");
    case MemberKind::Profile:
        return QCoreApplication::translate("corvane::GirderText", "型材");
    case MemberKind::Free:
        break;
    }
    return QCoreApplication::translate("corvane::GirderText", "自由构件");
}

QStringList girderTableHeaders() {
    return {QCoreApplication::translate("corvane::GirderText", "构件"),
            QCoreApplication::translate("corvane::GirderText", "类型"),
            QStringLiteral("n"),
            QCoreApplication::translate("corvane::GirderText", "剖面/尺寸 (mm)"),
            QStringLiteral("A (cm²)"),
            QStringLiteral("z (m)"),
            QStringLiteral("A·z (cm²·m)"),
            QStringLiteral("A·z² (cm²·m²)"),
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
    return QCoreApplication::translate("corvane::GirderText", "给定 A、z、i₀");
}

QStringList girderTableRow(const GirderMember& member,
                           const std::variant<GirderRowFigures, MemberError>& line) {
    QString kind = memberKindText(member.kind);
    if (member.centreline) {
        kind = QCoreApplication::translate("corvane::GirderText", "%1（中线）").arg(kind);
    }
    const QString count =
        member.count && std::isfinite(*member.count) ? detailNumber(*member.count) : QString();
    const QString name = QString::fromStdString(member.name);
    if (const auto* e = std::get_if<MemberError>(&line)) {
        return {name,
                kind,
                count,
                QCoreApplication::translate("corvane::GirderText", "略去：%1").arg(memberError(*e)),
                QString(),
                QString(),
                QString(),
                QString(),
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
    return {half
                ? QCoreApplication::translate("corvane::GirderText", "合计（两舷，中线构件计一次）")
                : QCoreApplication::translate("corvane::GirderText", "合计"),
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
        line(QCoreApplication::translate("corvane::GirderText", "计入合计的行数"),
             [&](const GirderResult& r) { return count(r.rowsCounted); }),
        line(QCoreApplication::translate("corvane::GirderText", "略去的行数（无法计算）"),
             [&](const GirderResult& r) { return count(r.rowsLeftOut); }),
        line(QCoreApplication::translate("corvane::GirderText", "总面积 A (cm²)"),
             [](const GirderResult& r) {
                 return r.rowsCounted > 0 ? girderFigure(r.sums.area) : missing;
             }),
        line(QCoreApplication::translate("corvane::GirderText", "中和轴距基线 z_NA (m)"),
             [](const GirderResult& r) { return levelOf(r.neutralAxis); }),
        line(QCoreApplication::translate("corvane::GirderText", "中和轴距基线 z_NA (cm)"),
             [](const GirderResult& r) { return figureOf(r.neutralAxisCm()); }),
        line(QCoreApplication::translate("corvane::GirderText", "惯性矩 I (cm²·m²)"),
             [](const GirderResult& r) { return figureOf(r.inertia); }),
        line(QCoreApplication::translate("corvane::GirderText", "惯性矩 I (m⁴)"),
             [](const GirderResult& r) { return inLargerUnit(r.inertia, 1e4); }),
        line(QCoreApplication::translate("corvane::GirderText", "甲板处剖面模数 W_D (m³)"),
             [](const GirderResult& r) { return inLargerUnit(r.deckModulusCm3(), 1e6); }),
        line(QCoreApplication::translate("corvane::GirderText", "甲板处剖面模数 W_D (cm³)"),
             [](const GirderResult& r) { return figureOf(r.deckModulusCm3()); }),
        line(QCoreApplication::translate("corvane::GirderText", "基线处剖面模数 W_B (m³)"),
             [](const GirderResult& r) { return inLargerUnit(r.keelModulusCm3(), 1e6); }),
        line(QCoreApplication::translate("corvane::GirderText", "基线处剖面模数 W_B (cm³)"),
             [](const GirderResult& r) { return figureOf(r.keelModulusCm3()); }),
        line(QCoreApplication::translate("corvane::GirderText", "最小剖面模数 W_min (m³)"),
             [](const GirderResult& r) { return inLargerUnit(r.minModulusCm3(), 1e6); }),
        line(QCoreApplication::translate("corvane::GirderText", "最小剖面模数 W_min (cm³)"),
             [](const GirderResult& r) { return figureOf(r.minModulusCm3()); }),
    };
}

QString rowsLeftOutText(std::size_t count) {
    if (count == 0) {
        return {};
    }
    return QCoreApplication::translate("corvane::GirderText", "有 %1 行无法计算，未计入合计。")
        .arg(count);
}

} // namespace corvane
