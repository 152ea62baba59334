// The rows of a list control as a Qt item model: read-only texts in columns under the control's
// column captions, optionally with one picture at the start of each row. Views of any kind
// (report, list, icons) can share it.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>

#include <string>
#include <utility>
#include <vector>

namespace ruvo::gui {

class RowsModel final : public QAbstractTableModel {
public:
    RowsModel(const std::vector<std::string>& columns, QObject* parent);

    // Replaces every row; views lose their selection, as with a new list.
    void setRows(const std::vector<std::vector<std::string>>& rows);
    // Whether the rows are these.
    bool holds(const std::vector<std::vector<std::string>>& rows) const { return rows == rows_; }
    void setRowIcon(const QIcon& icon) { rowIcon_ = icon; }
    // These columns, and their captions, are aligned to the right (money).
    void setRightAligned(std::vector<int> columns) { rightAligned_ = std::move(columns); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QVariant alignment(int column) const;

    QStringList columns_;
    std::vector<std::vector<std::string>> rows_;
    QIcon rowIcon_;
    std::vector<int> rightAligned_;
};

}  // namespace ruvo::gui
