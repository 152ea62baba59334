#include "gui/rows_model.h"

#include <algorithm>

namespace ruvo::gui {

RowsModel::RowsModel(const std::vector<std::string>& columns, QObject* parent)
    : QAbstractTableModel(parent) {
    for (const std::string& column : columns) {
        columns_ << QString::fromStdString(column);
    }
}

void RowsModel::setRows(const std::vector<std::vector<std::string>>& rows) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
}

int RowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant RowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        const std::vector<std::string>& row = rows_[static_cast<std::size_t>(index.row())];
        const auto column = static_cast<std::size_t>(index.column());
        return column < row.size() ? QString::fromStdString(row[column]) : QString();
    }
    if (role == Qt::DecorationRole && index.column() == 0 && !rowIcon_.isNull()) {
        return rowIcon_;
    }
    if (role == Qt::TextAlignmentRole) {
        return alignment(index.column());
    }
    return {};
}

QVariant RowsModel::alignment(int column) const {
    const bool right =
        std::find(rightAligned_.begin(), rightAligned_.end(), column) != rightAligned_.end();
    const Qt::Alignment alignment =
        right ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter;
    return static_cast<int>(alignment);
}

QVariant RowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < columns_.size()) {
        return columns_[section];
    }
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole) {
        return alignment(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags RowsModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

}  // namespace ruvo::gui
