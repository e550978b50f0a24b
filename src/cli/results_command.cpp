#include "results_command.h"

#include "archive/archive_results.h"
#include "contents/profile_texts.h"
#include "core/model.h"
#include "core/profile.h"
#include "csv.h"
#include "state/archive_file.h"
#include "state/number_format.h"
#include "terminal_text.h"

namespace tipolab {
namespace {

void writeCsvHeader(QTextStream& out)
{
    QStringList head{QStringLiteral("file"), QStringLiteral("persona"),
                     QStringLiteral("tipo prevalente")};
    for (int t = 1; t <= kTypeCount; ++t) {
        const QString name = typeText(t);
        for (const char* col : {"sint.ass.", "anal.ass.", "sint.rel.", "anal.rel."})
            head << name + QLatin1Char(' ') + QLatin1String(col);
    }
    head << QStringLiteral("codice_sintetico") << QStringLiteral("codice_analitico");
    out << head.join(QLatin1Char(',')) << '\n';
}

void writeCsvRow(QTextStream& out, const QString& file, const QString& persona, const Results& r,
                 bool toTerminal)
{
    const QLocale c = QLocale::c();
    QStringList row{csvTextField(file), csvTextField(persona), typeText(r.prevailingType)};
    for (int t = 1; t <= kTypeCount; ++t) {
        for (int i = 0; i < kTypeCount; ++i) {
            if (r.typeOfRow[i] != t) continue;
            const TypeResult& v = r.row[i];
            row << format00(v.sintAss, c) << format00(v.anaAss, c) << format00(v.sintRel, c)
                << format00(v.anaRel, c);
        }
    }
    for (bool analytic : {false, true})
        row << QString::fromStdString(threeLetterCode(relativeByType(r, analytic)));
    writeCsvLine(out, row, toTerminal);
}

void writeTable(QTextStream& out, const QString& file, const QString& persona, const Results& r,
                const QLocale& locale)
{
    writeFileHeading(out, file, persona);
    out << QStringLiteral("%1 %2 %3 %4 %5\n")
               .arg(QStringLiteral("Tipo"), -16)
               .arg(QStringLiteral("sint.ass."), 10)
               .arg(QStringLiteral("anal.ass."), 10)
               .arg(QStringLiteral("sint.rel."), 10)
               .arg(QStringLiteral("anal.rel."), 10);
    for (int i = 0; i < kTypeCount; ++i) {
        const TypeResult& v = r.row[i];
        out << QStringLiteral("%1 %2 %3 %4 %5\n")
                   .arg(typeText(r.typeOfRow[i]), -16)
                   .arg(format00(v.sintAss, locale), 10)
                   .arg(format00(v.anaAss, locale), 10)
                   .arg(format00(v.sintRel, locale), 10)
                   .arg(format00(v.anaRel, locale), 10);
    }
    out << QStringLiteral("Tipo prevalente: ") << typeText(r.prevailingType) << '\n';
}

} // namespace

int forEachComplete(const QStringList& files, QTextStream& err, const EvaluatedFile& each)
{
    int status = 0;
    for (const QString& file : files) {
        const ArchiveLoad load = loadArchiveFile(file);
        if (!load.record) {
            err << terminalSafe(load.error) << '\n';
            status = 1;
            continue;
        }
        const ArchiveResults evaluated = evaluateArchive(*load.record);
        if (!evaluated.missing.empty()) {
            writeIncomplete(err, file, QStringLiteral("risultati non calcolati"), evaluated.data);
            status = 1;
            continue;
        }
        each(file, QString::fromStdString(load.record->title[kPersonaField]), evaluated);
    }
    return status;
}

int runResults(const ResultsOptions& options, QTextStream& out, QTextStream& err)
{
    bool first = true;
    if (options.csv) writeCsvHeader(out);
    const int status = forEachComplete(
        options.files, err,
        [&](const QString& file, const QString& persona, const ArchiveResults& evaluated) {
            if (options.csv) {
                writeCsvRow(out, file, persona, evaluated.results, options.toTerminal);
            } else {
                if (!first) out << '\n';
                writeTable(out, file, persona, evaluated.results, options.locale);
            }
            first = false;
        });
    out.flush();
    err.flush();
    return status;
}

} // namespace tipolab
