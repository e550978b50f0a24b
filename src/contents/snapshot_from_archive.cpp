#include "snapshot_from_archive.h"

#include "core/scoring.h"
#include "archive/archive_results.h"
#include "state/number_format.h"

namespace tipolab {
namespace {

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString text(const Value& v)
{
    return QString::fromStdString(v.toText());
}

TitlePageSnapshot titlePage(const ArchiveRecord& record, const InstallationData& installation)
{
    auto field = [&](int i) { return QString::fromStdString(record.title[i]); };
    return {field(0),
            field(1),
            field(2),
            field(3),
            field(4),
            field(5),
            field(6),
            installation.studioName,
            installation.studioAddress};
}

TypesWindowSnapshot typesWindow(const AssessmentData& data, const QLocale& locale)
{
    TypesWindowSnapshot out;
    out.scale = scaleCaptions();
    out.locale = locale;
    for (int t = 1; t <= kTypeCount; ++t) {
        // After an open the types window stores an empty coefficient as 0.
        Judgement shown = data.type(t);
        if (shown.coefficient.isEmpty()) shown.coefficient = Value::number(0);
        out.rows[t - 1] = generalJudgementRow(t, shown);
    }
    const std::optional<double> mean = meanSyntheticCoefficient(data.types);
    out.mean = mean ? format000(*mean, locale) : QStringLiteral("0");
    return out;
}

// The summaries as the data window shows them for a displayed type. A type
// with no ticked characteristic shows "0" for the means and the weighted
// coefficient, and the overall judgement's opening alone.
TypeSummarySnapshot summary(const CharacteristicRow& row, const QLocale& locale)
{
    const TypeIndicators in = computeTypeIndicators(row);
    TypeSummarySnapshot out;
    if (in.ticked == 0) {
        out.valoreMedio = out.media = QStringLiteral("0");
        out.complessivo = QStringLiteral("Giudizio complessivo: ");
        out.pond = QStringLiteral("0");
        return out;
    }
    out.valoreMedio = format0(in.meanStep.value_or(0), locale);
    out.media = format000(in.meanCoefficient.value_or(0), locale);
    out.complessivo = QString::fromStdString(in.overallJudgement);
    out.pond = format000(in.weighted, locale);
    return out;
}

DataWindowSnapshot dataWindow(const AssessmentData& data, const QLocale& locale)
{
    DataWindowSnapshot out;
    out.scale = scaleCaptions();
    out.locale = locale;
    for (int t = 1; t <= kTypeCount; ++t) {
        TypeCharacteristicsSnapshot& type = out.types[t - 1];
        type.typeName = text(typeName(t));
        for (int c = 1; c <= kCharacteristicCount; ++c) {
            const CharacteristicEntry& e = data.characteristic(t, c);
            type.rows[c - 1] = {text(characteristicName(t, c)), text(e.word), text(e.step),
                                printedCoefficient(e.coefficient), text(e.weight)};
        }
        type.summary = summary(data.characteristics[t - 1], locale);
    }
    return out;
}

} // namespace

ResultsWindowSnapshot resultsWindowSnapshot(const Results& results, const QLocale& locale)
{
    ResultsWindowSnapshot out;
    for (int r = 0; r < kTypeCount; ++r) {
        const TypeResult& v = results.row[r];
        out.rows[r] = {text(typeName(results.typeOfRow[r])), format00(v.sintAss, locale),
                       format00(v.anaAss, locale), format00(v.sintRel, locale),
                       format00(v.anaRel, locale)};
    }
    out.prevailingType = results.prevailingType;
    out.prevailingName = text(typeName(results.prevailingType));
    return out;
}

ArchiveSnapshot snapshotFromArchive(const ArchiveRecord& record,
                                    const InstallationData& installation, const QLocale& locale)
{
    const ArchiveResults evaluated = evaluateArchive(record);
    ArchiveSnapshot out;
    out.missing = evaluated.missing;
    out.windows.title = titlePage(record, installation);
    out.windows.types = typesWindow(evaluated.data, locale);
    out.windows.data = dataWindow(evaluated.data, locale);
    if (out.missing.empty()) {
        out.windows.results = resultsWindowSnapshot(evaluated.results, locale);
        out.profile = profileSnapshot(evaluated.results, evaluated.data.types,
                                      evaluated.data.characteristics, locale);
    }
    return out;
}

} // namespace tipolab
