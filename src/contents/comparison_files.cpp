#include "comparison_files.h"

#include "state/archive_file.h"
#include "archive/archive_results.h"

#include <QDir>

namespace tipolab {

ComparedFile comparedFromFile(const QString& path, const QLocale& locale)
{
    ComparedFile out;
    const ArchiveLoad load = loadArchiveFile(path);
    if (!load.record) {
        out.error = load.error;
        return out;
    }
    const ArchiveResults evaluated = evaluateArchive(*load.record);
    if (!evaluated.missing.empty()) {
        QStringList lines{QStringLiteral("La valutazione del file \"%1\" \u00e8 incompleta e non "
                                         "si pu\u00f2 confrontare:")
                              .arg(QDir::toNativeSeparators(path))};
        for (const std::string& line : evaluated.missing)
            lines << QString::fromStdString(line);
        out.error = lines.join(u'\n');
        return out;
    }
    const TitleFields& title = load.record->title;
    out.assessment =
        ComparedAssessment{QString::fromStdString(title[kPersonaField]),
                           assessmentDate(QString::fromStdString(title[kDataField]), path, locale),
                           path, evaluated.results};
    return out;
}

FileComparison compareFiles(const QString& before, const QString& after, const QLocale& locale)
{
    FileComparison out;
    const ComparedFile files[] = {comparedFromFile(before, locale),
                                  comparedFromFile(after, locale)};
    for (const ComparedFile& f : files) {
        if (!f.assessment) out.errors << f.error;
    }
    if (!out.errors.isEmpty()) return out;
    out.snapshot = comparisonSnapshot(*files[0].assessment, *files[1].assessment, locale);
    if (namesDiffer(*out.snapshot)) out.warning = namesWarning(*out.snapshot);
    return out;
}

} // namespace tipolab
