#include "register_model.h"

#include "contents/profile_texts.h"
#include "professions_model.h"

#include <QDir>

namespace tipolab {
namespace {

const char* const kColumns[] = {"Persona",
                                "Data",
                                "Scopo",
                                "Istituto",
                                "Stato",
                                "Tipo prevalente",
                                "Codice sintetico",
                                "Codice analitico",
                                "Avvisi",
                                "File"};
constexpr int kTextColumns = 10;

QString cellText(const RegisterRow& row, const QString& shownFile, int column)
{
    const bool complete = row.state == RegisterState::Complete;
    switch (column) {
    case 0:
        return row.persona;
    case 1:
        return shownDate(row);
    case 2:
        return row.scopo;
    case 3:
        return row.istituto;
    case 4:
        return stateText(row);
    case 5:
        return complete ? typeText(row.prevailing) : QString();
    case 6:
        return QString::fromStdString(row.syntheticCode);
    case 7:
        return QString::fromStdString(row.analyticCode);
    case 8:
        return warningTitlesText(row);
    case 9:
        return shownFile;
    default:
        break;
    }
    const int t = column - kTextColumns;
    return row.percentiles && t >= 0 && t < kTypeCount ? QString::number((*row.percentiles)[t])
                                                       : QString();
}

} // namespace

void RegisterModel::setRows(std::vector<RegisterRow> rows, const QString& folder)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_search.clear();
    m_shownFile.clear();
    m_search.reserve(m_rows.size());
    m_shownFile.reserve(m_rows.size());
    const QDir from(folder);
    for (const RegisterRow& row : m_rows) {
        m_shownFile.push_back(QDir::toNativeSeparators(from.relativeFilePath(row.file)));
        m_search.push_back(foldedForSearch(row.persona + QLatin1Char('\n') + row.istituto +
                                           QLatin1Char('\n') + m_shownFile.back()));
    }
    m_hasNorms = std::any_of(m_rows.begin(), m_rows.end(),
                             [](const RegisterRow& r) { return r.percentiles.has_value(); });
    endResetModel();
}

int RegisterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int RegisterModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kTextColumns + (hasNorms() ? kTypeCount : 0);
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const std::size_t r = static_cast<std::size_t>(index.row());
    const RegisterRow& row = m_rows[r];
    const int column = index.column();
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return cellText(row, m_shownFile[r], column);
    if (role == kPathRole) return row.file;
    if (role == kSortRole) {
        if (column == 1) return row.day;
        if (column >= kTextColumns)
            return row.percentiles ? (*row.percentiles)[column - kTextColumns] : -1;
        return cellText(row, m_shownFile[r], column).toLower();
    }
    if (role == Qt::TextAlignmentRole && column >= kTextColumns)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section < kTextColumns) return QString::fromUtf8(kColumns[section]);
    return QStringLiteral("perc. %1").arg(typeLetter(section - kTextColumns + 1));
}

RegisterFilter::RegisterFilter(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortRole(RegisterModel::kSortRole);
}

void RegisterFilter::setSearch(const QString& text)
{
    m_search = foldedForSearch(text.trimmed());
    invalidateFilter();
}

void RegisterFilter::setStateShown(RegisterState state, bool shown)
{
    m_shown[static_cast<std::size_t>(state)] = shown;
    invalidateFilter();
}

bool RegisterFilter::filterAcceptsRow(int row, const QModelIndex&) const
{
    const auto* model = static_cast<const RegisterModel*>(sourceModel());
    const RegisterRow& r = model->rows()[static_cast<std::size_t>(row)];
    if (!m_shown[static_cast<std::size_t>(r.state)]) return false;
    return m_search.isEmpty() || model->searchText(row).contains(m_search);
}

} // namespace tipolab
