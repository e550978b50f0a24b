#include "register_model.h"

#include "contents/profile_texts.h"
#include "professions_model.h"
#include "register/register_workbook.h"

namespace tipolab {
namespace {

const char* const kColumns[] = {"Persona",          "Data",             "Scopo",  "Istituto",
                                "Stato",            "Tipo prevalente",  "Codice sintetico",
                                "Codice analitico", "Avvisi",           "File"};
constexpr int kTextColumns = 10;

QString cellText(const RegisterRow& row, int column)
{
    const bool complete = row.state == RegisterState::Complete;
    switch (column) {
    case 0: return row.persona;
    case 1: return shownDate(row);
    case 2: return row.scopo;
    case 3: return row.istituto;
    case 4: return stateText(row);
    case 5: return complete ? typeText(row.prevailing) : QString();
    case 6: return QString::fromStdString(row.syntheticCode);
    case 7: return QString::fromStdString(row.analyticCode);
    case 8: return warningKeysText(row);
    case 9: return row.file;
    default: break;
    }
    const int t = column - kTextColumns;
    return row.percentiles && t >= 0 && t < kTypeCount ? QString::number((*row.percentiles)[t])
                                                       : QString();
}

} // namespace

void RegisterModel::setRows(std::vector<RegisterRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

bool RegisterModel::hasNorms() const
{
    return std::any_of(m_rows.begin(), m_rows.end(),
                       [](const RegisterRow& r) { return r.percentiles.has_value(); });
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
    const RegisterRow& row = m_rows[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return cellText(row, column);
    if (role == kSortRole) {
        if (column == 1) {
            const std::optional<QDate> d = registerDate(row);
            return d ? QVariant(*d) : QVariant(QDate());
        }
        if (column >= kTextColumns)
            return row.percentiles ? (*row.percentiles)[column - kTextColumns] : -1;
        return cellText(row, column).toLower();
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
    if (m_search.isEmpty()) return true;
    return foldedForSearch(r.persona + QLatin1Char('\n') + r.istituto + QLatin1Char('\n') + r.file)
        .contains(m_search);
}

} // namespace tipolab
