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

// Why the two files could not be compared, in the tool's own words: each
// damaged file's reason, each incomplete file's missing things. False when
// neither file is damaged or incomplete any more.
bool tellWhyNotComparable(const QString& before, const QString& after, const QString& outcome,
                          QTextStream& err)
{
    bool told = false;
    for (const QString& file : {before, after}) {
        const ArchiveLoad load = loadArchiveFile(file);
        if (!load.record) {
            for (const QString& line : load.error.split(u'\n'))
                err << terminalSafe(line) << '\n';
            told = true;
        } else if (const ArchiveResults evaluated = evaluateArchive(*load.record);
                   !evaluated.missing.empty()) {
            writeIncomplete(err, file, outcome, evaluated.data);
            told = true;
        }
    }
    return told;
}

} // namespace

std::optional<ComparisonSnapshot> compareOrTell(const QString& before, const QString& after,
                                                const QLocale& locale, const QString& outcome,
                                                QTextStream& err)
{
    FileComparison compared = compareFiles(before, after, locale);
    // The files are read again only to say what is wrong with them.
    if (!compared.snapshot && !tellWhyNotComparable(before, after, outcome, err)) {
        for (const QString& error : compared.errors) {
            for (const QString& line : error.split(u'\n'))
                err << terminalSafe(line) << '\n';
        }
    }
    if (compared.snapshot && !compared.warning.isEmpty())
        err << QStringLiteral("Attenzione: ") << terminalSafe(compared.warning) << '\n';
    err.flush();
    return std::move(compared.snapshot);
}

int runComparison(const ComparisonOptions& options, QTextStream& out, QTextStream& err)
{
    const std::optional<ComparisonSnapshot> compared =
        compareOrTell(options.before, options.after, options.csv ? QLocale::c() : options.locale,
                      QStringLiteral("confronto non eseguito"), err);
    if (!compared) return 1;
    const ComparisonSnapshot& s = *compared;
    if (options.csv)
        writeCsv(out, s);
    else
        writeText(out, s);
    out.flush();
    err.flush();
    return 0;
}

} // namespace tipolab
