#include "professions_texts.h"

#include "core/profile.h"
#include "occupations/occupation_sources.h"
#include "profile_texts.h"
#include "state/qt_text.h"

namespace tipolab {

ProfessionsSnapshot professionsSnapshot(const Results& results, bool synthetic,
                                        const QLocale& locale)
{
    return professionsSnapshot(relativeByType(results, false), relativeByType(results, true),
                               synthetic, locale);
}

ProfessionsSnapshot professionsSnapshot(const TypeHundredths& self, const TypeHundredths& analytic,
                                        bool synthetic, const QLocale& locale)
{
    ProfessionsSnapshot s;
    s.synthetic = synthetic;
    s.locale = locale;
    s.syntheticCode = threeLetterCode(self);
    s.analyticCode = threeLetterCode(analytic);
    s.ranking = rankOccupations(synthetic ? self : analytic);
    return s;
}

QString affinityText(int thousandths, const QLocale& locale)
{
    const int whole = std::abs(thousandths);
    return QStringLiteral("%1%2%3%4")
        .arg(thousandths < 0 ? QStringLiteral("-") : QString())
        .arg(whole / 1000)
        .arg(locale.decimalPoint())
        .arg(whole % 1000, 3, 10, QLatin1Char('0'));
}

QString levelText(int level)
{
    return toQString(levelName(level));
}

QString matchedProfileName(const ProfessionsSnapshot& s)
{
    return QString::fromUtf8(s.synthetic ? kSyntheticProfileName : kAnalyticProfileName);
}

QString codesText(const ProfessionsSnapshot& s)
{
    return QStringLiteral("Codice sintetico: %1; codice analitico: %2.")
        .arg(QString::fromStdString(s.syntheticCode), QString::fromStdString(s.analyticCode));
}

QString methodText()
{
    return QStringLiteral(
        "L'affinit\u00e0 \u00e8 la correlazione r di Pearson tra i sei valori del profilo e i sei "
        "punteggi di interesse della professione: vicina a 1 quando hanno lo stesso andamento, "
        "a 0 quando non hanno legame, negativa quando vanno in senso opposto.");
}

QString purposeText()
{
    return QStringLiteral("L'elenco \u00e8 un punto di partenza per il colloquio, non un "
                          "verdetto: le lettere in comune dicono perch\u00e9 una professione "
                          "\u00e8 vicina al codice della persona.");
}

QStringList professionsHeader()
{
    return {QStringLiteral("n."),        QStringLiteral("professione"),
            QStringLiteral("gruppo ISCO-08"), QStringLiteral("livello"),
            QStringLiteral("affinit\u00e0"), QStringLiteral("lettere"),
            QStringLiteral("in comune")};
}

QStringList professionsRow(const OccupationMatch& m, const QLocale& locale)
{
    const Occupation& o = *m.occupation;
    return {QString::number(m.position),
            toQString(o.title),
            toQString(o.group) + QStringLiteral(" ") + toQString(o.groupName),
            QString::number(o.level),
            affinityText(m.rShown, locale),
            toQString(o.letters),
            QString::number(m.inCommon)};
}

QStringList attributionLines()
{
    QStringList lines;
    for (std::string_view notice : kOccupationNotices)
        lines << toQString(notice);
    return lines;
}

QString attributionShort()
{
    return QStringLiteral(
        "Fonti: banca dati O*NET 30.2 (USDOL/ETA, CC BY 4.0), modificata da Tipolab; "
        "classificazione ESCO della Commissione europea; corrispondenze del U.S. Bureau of Labor "
        "Statistics e di Nesta. Le note complete sono nella guida della finestra Professioni "
        "affini.");
}

} // namespace tipolab
