#pragma once

// The working table of 船体剖面模数计算表: each row as the sheet lists it
// (name, kind, n, dimensions, A, z, A·z, A·z², i0), gross, then the net
// figures beside it, and the sums as they count in the section. The texts
// are the sheet's (girdertext), formed when a cell is shown, so that a
// change of the table costs only a reset.

#include "girdermodel.h"
#include "girdertext.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QStringList>

namespace corvane {

class GirderWorkingModel : public QAbstractTableModel {
  public:
    GirderWorkingModel(const GirderModel* rows, QObject* parent)
        : QAbstractTableModel(parent), rows_(rows) {}

    void refresh() {
        beginResetModel();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : rows_->rowCount() + 1;
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(headers().size());
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole) {
            return {};
        }
        if (orientation == Qt::Vertical) {
            return section < rows_->rowCount() ? QVariant(section + 1) : QVariant(QString());
        }
        return headers().value(section);
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) {
            return {};
        }
        if (role == Qt::TextAlignmentRole) {
            return index.column() >= girderTableFirstNumber
                       ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        }
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole) {
            return {};
        }
        const QStringList line = lineOf(index.row());
        const QString text = line.value(index.column());
        if (role == Qt::ToolTipRole) {
            // A row left out says why in its first cell (girderTableLine).
            const QString leftOut =
                QCoreApplication::translate("corvane::GirderText", "略去：%1").arg(QString());
            return text.startsWith(leftOut) ? QVariant(text) : QVariant();
        }
        return text;
    }

  private:
    static QStringList headers() {
        QStringList all = girderTableHeaders();
        for (const QString& figure : girderTableHeaders().mid(girderTableFirstNumber)) {
            all << QCoreApplication::translate("corvane::GirderWorkingModel", "净 %1").arg(figure);
        }
        return all;
    }

    QStringList lineOf(int row) const {
        const GirderTable& table = rows_->table();
        const bool net = table.netDefined();
        if (row == rows_->rowCount()) {
            const QStringList gross = girderSumsRow(table.grossResult(), table.settings().half);
            const QStringList netSums = girderSumsRow(table.netResult(), table.settings().half);
            return gross + (net ? netSums.mid(girderTableFirstNumber) : QStringList());
        }
        const auto r = static_cast<std::size_t>(row);
        const QStringList gross = girderTableRow(table.member(r), table.gross(r));
        if (!net) {
            return gross;
        }
        return gross + girderTableRow(table.member(r), table.net(r)).mid(girderTableFirstNumber);
    }

    const GirderModel* rows_;
};

} // namespace corvane
