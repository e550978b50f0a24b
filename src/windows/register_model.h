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

    // What a column gives to sort by, and the whole path of a row's file.
    static constexpr int kSortRole = Qt::UserRole;
    static constexpr int kPathRole = Qt::UserRole + 1;

    // The files are shown from `folder` down ("3B/Tipolab-dati-...").
    void setRows(std::vector<RegisterRow> rows, const QString& folder);
    const std::vector<RegisterRow>& rows() const { return m_rows; }
    // Person, institute and file of row `row`, folded as the search is.
    const QString& searchText(int row) const { return m_search[static_cast<std::size_t>(row)]; }
    bool hasNorms() const { return m_hasNorms; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<RegisterRow> m_rows;
    std::vector<QString> m_search, m_shownFile;
    bool m_hasNorms = false;
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
