#include "comparison_command.h"

#include "archive/archive_results.h"
#include "contents/comparison_files.h"
#include "contents/profile_texts.h"
#include "state/archive_file.h"
#include "terminal_text.h"

#include <QDir>

namespace tipolab {
namespace {

const char* const kCsvHeader = "tipo,sint_ass_prima,sint_ass_dopo,anal_ass_prima,anal_ass_dopo,"
                               "sint_rel_prima,sint_rel_dopo,anal_rel_prima,anal_rel_dopo";

void writeCsv(QTextStream& out, const ComparisonSnapshot& s)
{
    out << kCsvHeader << '\n';
    for (int t = 1; t <= kTypeCount; ++t) {
        const TypeComparison& c = s.comparison.types[t - 1];
        QStringList row{typeText(t)};
        for (int m = 0; m < kMeasureCount; ++m)
            row << pointsText(c.before[m], s.locale) << pointsText(c.after[m], s.locale);
        out << row.join(QLatin1Char(',')) << '\n';
    }
}

void writeText(QTextStream& out, const ComparisonSnapshot& s)
{
    // Names and file names come from outside: shown without their control characters.
    for (const ComparedAssessment* a : {&s.before, &s.after}) {
        out << terminalSafe(headingLine(*a, a == &s.before) + QStringLiteral(" (") +
                            QDir::toNativeSeparators(a->file) + QLatin1Char(')'))
            << '\n';
    }
    out << '\n';
    const auto row = [&out](const QStringList& cells, const QList<int>& widths) {
        QString line;
        for (int i = 0; i < cells.size(); ++i)
            line += QStringLiteral("%1 ").arg(cells[i], widths.value(i));
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        out << line << '\n';
    };
    const QList<int> percentageWidths{-15, -11, 8, 8, 10};
    QStringList header = percentageHeader();
    header[0][0] = header[0][0].toUpper();
    row(header, percentageWidths);
    for (const QStringList& cells : percentageRows(s))
        row(cells, percentageWidths);
    out << '\n';
    const QList<int> summaryWidths{-17, -15, -15};
    row(summaryHeader(), summaryWidths);
    for (QStringList cells : summaryRows(s)) {
        cells[0][0] = cells[0][0].toUpper();
        row(cells, summaryWidths);
    }
    const QString change = prevailingChangeText(s);
    if (!change.isEmpty()) out << change << '\n';
}

} // namespace

bool comparable(const QString& before, const QString& after, const QString& outcome,
                QTextStream& err)
{
    bool both = true;
    for (const QString& file : {before, after}) {
        const ArchiveLoad load = loadArchiveFile(file);
        if (!load.record) {
            for (const QString& line : load.error.split(u'\n'))
                err << terminalSafe(line) << '\n';
            both = false;
        } else if (const ArchiveResults evaluated = evaluateArchive(*load.record);
                   !evaluated.missing.empty()) {
            writeIncomplete(err, file, outcome, evaluated.data);
            both = false;
        }
    }
    err.flush();
    return both;
}

void tellComparisonProblems(const FileComparison& compared, QTextStream& err)
{
    for (const QString& error : compared.errors) {
        for (const QString& line : error.split(u'\n'))
            err << terminalSafe(line) << '\n';
    }
    if (!compared.warning.isEmpty())
        err << QStringLiteral("Attenzione: ") << terminalSafe(compared.warning) << '\n';
    err.flush();
}

int runComparison(const ComparisonOptions& options, QTextStream& out, QTextStream& err)
{
    if (!comparable(options.before, options.after, QStringLiteral("confronto non eseguito"), err))
        return 1;
    const FileComparison compared =
        compareFiles(options.before, options.after, options.csv ? QLocale::c() : options.locale);
    tellComparisonProblems(compared, err);
    if (!compared.snapshot) return 1;
    const ComparisonSnapshot& s = *compared.snapshot;
    if (options.csv)
        writeCsv(out, s);
    else
        writeText(out, s);
    out.flush();
    err.flush();
    return 0;
}

} // namespace tipolab
