// The table of the professions window: the ranked occupations of the chosen
// levels whose title, group or code holds the searched text (capitals and
// accents aside), one row each with the columns the sheet prints.
#pragma once

#include "contents/professions_texts.h"

#include <QAbstractTableModel>

namespace tipolab {

class ProfessionsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRanking(const OccupationRanking& ranking, const QLocale& locale);
    void setFilter(LevelSet levels, const QString& search);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The occupation of row `row`; none outside the rows shown.
    const OccupationMatch* match(int row) const;

private:
    void refilter();

    std::vector<OccupationMatch> m_all;
    std::vector<QStringList> m_texts; // the cells of each of m_all, made once per ranking
    std::vector<std::size_t> m_shown; // indices into m_all
    LevelSet m_levels = kAllLevels;
    QString m_search; // folded
};

// `text` without capitals and accents, for a search: "Attività" gives "attivita".
QString foldedForSearch(const QString& text);

} // namespace tipolab
