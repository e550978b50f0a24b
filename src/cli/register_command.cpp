#include "register_command.h"

#include "contents/profile_texts.h"
#include "csv.h"
#include "register/register_key.h"
#include "register/register_workbook.h"
#include "terminal_text.h"

namespace tipolab {
namespace {

const char* const kCsvHeader =
    "file,persona,data,stato,tipo_prevalente,codice_sintetico,codice_analitico,avvisi,"
    "percentile_R,percentile_I,percentile_A,percentile_S,percentile_E,percentile_C";

QStringList percentileFields(const RegisterRow& row)
{
    QStringList fields;
    for (int t = 0; t < kTypeCount; ++t)
        fields << (row.percentiles ? QString::number((*row.percentiles)[t]) : QString());
    return fields;
}

void writeCsvRow(QTextStream& out, const RegisterRow& row, bool toTerminal)
{
    const bool complete = row.state == RegisterState::Complete;
    writeCsvLine(out,
                 QStringList{csvTextField(row.file), csvTextField(row.persona),
                             csvTextField(shownDate(row)), stateText(row, true),
                             complete ? typeText(row.prevailing) : QString(),
                             QString::fromStdString(row.syntheticCode),
                             QString::fromStdString(row.analyticCode), warningKeysText(row)}
                     << percentileFields(row),
                 toTerminal);
}

void writeText(QTextStream& out, const std::vector<RegisterRow>& rows)
{
    for (const RegisterRow& row : rows) {
        const QString line =
            QStringLiteral("%1 | %2 | %3 | %4 | %5 %6 | %7")
                .arg(row.persona, shownDate(row), stateText(row),
                     row.state == RegisterState::Complete ? typeText(row.prevailing) : QString(),
                     QString::fromStdString(row.syntheticCode),
                     QString::fromStdString(row.analyticCode), row.file);
        out << terminalSafe(line);
        if (row.percentiles)
            out << QStringLiteral(" | percentili R I A S E C: ")
                << percentileFields(row).join(QLatin1Char(' '));
        out << '\n';
    }
    const RegisterCounts counts = countRegister(rows);
    out << registerCountsText(counts) << '\n';
    if (counts.states[0] < kLocalNormsFrom)
        out << QStringLiteral("Percentili non calcolati: servono almeno %1 valutazioni complete.\n")
                   .arg(kLocalNormsFrom);
}

// What could not be written, and why: "Impossibile scrivere la chiave "k": ...".
int notWritten(QTextStream& err, const QString& what, const QString& path, const QString& why)
{
    err << terminalSafe(QStringLiteral("Impossibile scrivere %1 \"%2\": %3.").arg(what, path, why))
        << '\n';
    err.flush();
    return 1;
}

} // namespace

int runRegister(const RegisterOptions& options, QTextStream& out, QTextStream& err)
{
    std::vector<RegisterRow> rows = readRegister(registerFiles(options.paths));
    int status = 0;
    for (const RegisterRow& row : rows) {
        if (row.state == RegisterState::Damaged) {
            err << terminalSafe(row.reason) << '\n';
            status = 1;
        }
    }
    if (!options.keyFile.isEmpty()) {
        const QString error = saveRegisterKey(options.keyFile, pseudonymise(rows));
        if (!error.isEmpty())
            return notWritten(err, QStringLiteral("la chiave"), options.keyFile,
                              error + QStringLiteral(". Nulla \u00e8 stato esportato"));
    }
    if (!options.workbook.isEmpty()) {
        const QString error = saveRegisterWorkbook(options.workbook, rows);
        if (!error.isEmpty())
            return notWritten(err, QStringLiteral("il foglio di calcolo"), options.workbook, error);
        out << terminalSafe(options.workbook) << '\n';
    } else if (options.csv) {
        out << kCsvHeader << '\n';
        for (const RegisterRow& row : rows)
            writeCsvRow(out, row, options.toTerminal);
    } else {
        writeText(out, rows);
    }
    out.flush();
    err.flush();
    return status;
}

} // namespace tipolab
