#include "professions_model.h"

#include "state/qt_text.h"

#include <vector>

namespace tipolab {
namespace {

// What a row is searched in: title, group and code, folded once per occupation.
const std::vector<QString>& searchTexts()
{
    static const std::vector<QString> texts = [] {
        std::vector<QString> all;
        for (const Occupation& o : occupations()) {
            all.push_back(foldedForSearch(toQString(o.title) + QLatin1Char('\n') +
                                          toQString(o.group) + QLatin1Char(' ') +
                                          toQString(o.groupName) + QLatin1Char('\n') +
                                          toQString(o.code)));
        }
        return all;
    }();
    return texts;
}

} // namespace

QString foldedForSearch(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing) folded.append(c.toCaseFolded());
    }
    return folded;
}

void ProfessionsModel::setRanking(const OccupationRanking& ranking, const QLocale& locale)
{
    m_all = ranking.ranked;
    m_texts.clear();
    m_texts.reserve(m_all.size());
    for (const OccupationMatch& m : m_all)
        m_texts.push_back(professionsRow(m, locale));
    refilter();
}

void ProfessionsModel::setFilter(LevelSet levels, const QString& search)
{
    m_levels = levels;
    m_search = foldedForSearch(search.trimmed());
    refilter();
}

void ProfessionsModel::refilter()
{
    beginResetModel();
    m_shown.clear();
    const auto all = occupations();
    const std::vector<QString>& texts = searchTexts();
    for (std::size_t i = 0; i < m_all.size(); ++i) {
        const OccupationMatch& m = m_all[i];
        if (!hasLevel(m_levels, m.occupation->level)) continue;
        const auto index = static_cast<std::size_t>(m.occupation - all.data());
        if (!m_search.isEmpty() && !texts[index].contains(m_search)) continue;
        m_shown.push_back(i);
    }
    endResetModel();
}

int ProfessionsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size());
}

int ProfessionsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(professionsHeader().size());
}

const OccupationMatch* ProfessionsModel::match(int row) const
{
    return row >= 0 && row < rowCount() ? &m_all[m_shown[static_cast<std::size_t>(row)]] : nullptr;
}

QVariant ProfessionsModel::data(const QModelIndex& index, int role) const
{
    const OccupationMatch* m = match(index.row());
    if (!m) return {};
    const int column = index.column();
    const QStringList& texts = m_texts[m_shown[static_cast<std::size_t>(index.row())]];
    if (role == Qt::DisplayRole) return texts.value(column);
    if (role == Qt::TextAlignmentRole) {
        const bool number = column == 0 || column == 3 || column == 4 || column == 6;
        return int((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    if (role == Qt::ToolTipRole) {
        if (column == 3) return levelText(m->occupation->level);
        if (column == 6)
            return QStringLiteral("%1 delle lettere della professione nel codice della persona")
                .arg(m->inCommon);
        return texts.value(column);
    }
    return {};
}

QVariant ProfessionsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return professionsHeader().value(section);
}

} // namespace tipolab
