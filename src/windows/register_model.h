// The register window's table: one row per archive with the register's
// columns (and the six percentiles once there are local norms), sorted by any
// column as its values are (dates as dates, percentiles as numbers), filtered
// by a search over person, institute and file and by the states shown.
#pragma once

#include "register/register_rows.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

namespace tipolab {

class RegisterModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // What a column's Qt::UserRole gives to sort by.
    static constexpr int kSortRole = Qt::UserRole;
    static constexpr int kFileColumn = 9;

    void setRows(std::vector<RegisterRow> rows);
    const std::vector<RegisterRow>& rows() const { return m_rows; }
    bool hasNorms() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<RegisterRow> m_rows;
};

class RegisterFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit RegisterFilter(QObject* parent = nullptr);
    void setSearch(const QString& text);
    void setStateShown(RegisterState state, bool shown);

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    QString m_search; // folded
    std::array<bool, 3> m_shown{true, true, true};
};

} // namespace tipolab
