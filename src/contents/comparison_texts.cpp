#include "comparison_texts.h"

#include "profile_texts.h"
#include "state/number_format.h"

#include <QDir>
#include <QFileInfo>

namespace tipolab {
namespace {

const QColor kEarlierColour(112, 112, 112); // grey, under the later profile

QString sameName(const QString& name)
{
    return name.simplified().toCaseFolded();
}

QString typeAt(int t)
{
    return t >= 1 && t <= kTypeCount ? typeText(t) : QString();
}

QString chartLabel(const QString& when, const QString& date)
{
    return date.isEmpty() ? when : QStringLiteral("%1 (%2)").arg(when, date);
}

} // namespace

ComparisonSnapshot comparisonSnapshot(ComparedAssessment before, ComparedAssessment after,
                                      const QLocale& locale)
{
    const Comparison comparison = compareResults(before.results, after.results);
    return {std::move(before), std::move(after), comparison, locale};
}

QString assessmentDate(const QString& titleDate, const QString& file, const QLocale& locale)
{
    if (!titleDate.isEmpty()) return titleDate;
    const QFileInfo info(file);
    if (file.isEmpty() || !info.exists()) return {};
    return titlePageDate(info.lastModified().date(), locale);
}

bool namesDiffer(const ComparisonSnapshot& s)
{
    return sameName(s.before.persona) != sameName(s.after.persona);
}

QString namesWarning(const ComparisonSnapshot& s)
{
    return QStringLiteral("Le due valutazioni portano nomi diversi (\u00ab%1\u00bb e "
                          "\u00ab%2\u00bb): potrebbero riguardare due persone diverse. Il "
                          "confronto prosegue comunque.")
        .arg(s.before.persona, s.after.persona);
}

QString measureName(int measure)
{
    constexpr const char* names[kMeasureCount] = {"sint.ass.", "anal.ass.", "sint.rel.",
                                                  "anal.rel."};
    return QString::fromLatin1(names[measure]);
}

QString headingLine(const ComparedAssessment& a, bool before)
{
    QStringList parts{a.persona.isEmpty() ? QStringLiteral("(nome non indicato)") : a.persona};
    if (!a.date.isEmpty()) parts << a.date;
    return (before ? QStringLiteral("Prima: ") : QStringLiteral("Dopo: ")) +
           parts.join(QStringLiteral(", "));
}

QString prevailingChangeText(const ComparisonSnapshot& s)
{
    const Comparison& c = s.comparison;
    if (!c.prevailingChanged()) return {};
    return QStringLiteral("Il tipo prevalente \u00e8 cambiato: prima era %1, ora \u00e8 %2.")
        .arg(typeAt(c.prevailingBefore), typeAt(c.prevailingAfter));
}

QStringList percentageHeader()
{
    return {QStringLiteral("tipo"), QStringLiteral("percentuale"), QStringLiteral("prima"),
            QStringLiteral("dopo"), QStringLiteral("variazione")};
}

QList<QStringList> percentageRows(const ComparisonSnapshot& s)
{
    QList<QStringList> rows;
    for (int t = 1; t <= kTypeCount; ++t) {
        const TypeComparison& c = s.comparison.types[t - 1];
        for (int m = 0; m < kMeasureCount; ++m) {
            rows << QStringList{m == 0 ? typeText(t) : QString(), measureName(m),
                                pointsText(c.before[m], s.locale), pointsText(c.after[m], s.locale),
                                pointsText(c.change[m], s.locale, true)};
        }
    }
    return rows;
}

QStringList summaryHeader()
{
    return {QString(), QStringLiteral("prima"), QStringLiteral("dopo")};
}

QList<QStringList> summaryRows(const ComparisonSnapshot& s)
{
    const Comparison& c = s.comparison;
    auto code = [](const std::string& text) { return QString::fromStdString(text); };
    return {
        {QStringLiteral("tipo prevalente"), typeAt(c.prevailingBefore), typeAt(c.prevailingAfter)},
        {QStringLiteral("codice sintetico"), code(c.codesBefore.synthetic),
         code(c.codesAfter.synthetic)},
        {QStringLiteral("codice analitico"), code(c.codesBefore.analytic),
         code(c.codesAfter.analytic)}};
}

HexagonChart comparisonChart(const ComparisonSnapshot& s)
{
    ChartProfile earlier =
        analyticChartProfile(relativeByType(s.before.results, true),
                             chartLabel(QStringLiteral("anal.rel. prima"), s.before.date));
    earlier.colour = kEarlierColour;
    earlier.style = Qt::DashLine;
    const ChartProfile later =
        analyticChartProfile(relativeByType(s.after.results, true),
                             chartLabel(QStringLiteral("anal.rel. dopo"), s.after.date));
    return HexagonChart({earlier, later}, s.locale);
}

} // namespace tipolab
