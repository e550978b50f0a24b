#include "register_rows.h"

#include "archive/archive_results.h"
#include "core/model.h"
#include "state/archive_file.h"
#include "state/qt_text.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <algorithm>
#include <sys/stat.h>

namespace tipolab {
namespace {

const QString kArchivePrefix = QStringLiteral("Tipolab-dati-");
constexpr int kTipostudioField = 2;
constexpr int kCommittenteField = 3;

QString fromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

// The date a title page gives, in the forms the program and people write it.
QDate typedDate(const QString& text)
{
    const QString typed = text.trimmed();
    if (typed.isEmpty()) return {};
    static const QLocale italian(QLocale::Italian, QLocale::Italy);
    for (const QString& format : {QStringLiteral("dddd, d MMM yyyy"), QStringLiteral("d/M/yyyy"),
                                  QStringLiteral("d MMMM yyyy"), QStringLiteral("yyyy-MM-dd")}) {
        const QDate d = italian.toDate(typed, format);
        if (d.isValid()) return d;
    }
    return {};
}

// Whether the file is the size and has the last change it had when read.
bool unchangedSince(const QString& path, const std::optional<FileStamp>& stamp)
{
    struct stat st;
    if (!stamp || ::stat(QFile::encodeName(path).constData(), &st) != 0) return false;
    return stamp->size == static_cast<qint64>(st.st_size) &&
           stamp->modifiedNs ==
               static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

// What the check's lines say is missing: the types named and, for the lines
// that name none, the general judgements.
QStringList notDoneOf(const std::vector<std::string>& missing)
{
    QStringList out;
    bool general = false;
    for (const std::string& line : missing) {
        bool named = false;
        for (int t = 1; t <= kTypeCount; ++t) {
            const std::string prefix = std::string(typeName(t)) + ":";
            if (line.rfind(prefix, 0) == 0) {
                named = true;
                if (!out.contains(toQString(typeName(t)))) out << toQString(typeName(t));
            }
        }
        general = general || !named;
    }
    if (general) out.prepend(QStringLiteral("giudizi generali"));
    return out;
}

} // namespace

QStringList registerFiles(const QStringList& paths)
{
    QStringList files;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (!info.isDir()) {
            files << path;
            continue;
        }
        QDirIterator it(path, {kArchivePrefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString found = it.next();
            if (it.fileInfo().isFile() && !it.fileInfo().isSymLink()) files << found;
        }
    }
    std::sort(files.begin(), files.end());
    files.erase(std::unique(files.begin(), files.end()), files.end());
    return files;
}

RegisterRow readRegisterRow(const QString& path)
{
    RegisterRow row;
    row.file = path;
    const ArchiveLoad load = loadArchiveFile(path);
    row.stamp = load.stamp;
    // The file's last change stands in for a date the title page does not give.
    if (!load.record || load.record->title[kDataField].empty()) {
        row.changed = row.stamp ? QDateTime::fromMSecsSinceEpoch(row.stamp->modifiedNs / 1000000)
                                : QFileInfo(path).lastModified();
        row.day = row.changed.date();
    }
    if (!load.record) {
        row.state = RegisterState::Damaged;
        row.reason = load.error;
        return row;
    }
    const TitleFields& title = load.record->title;
    row.persona = fromStd(title[kPersonaField]);
    row.date = fromStd(title[kDataField]);
    if (!row.date.isEmpty()) row.day = typedDate(row.date);
    row.scopo = fromStd(title[kTipostudioField]);
    row.istituto = fromStd(title[kCommittenteField]);
    const ArchiveResults evaluated = evaluateArchive(*load.record);
    if (!evaluated.missing.empty()) {
        row.state = RegisterState::Incomplete;
        row.notDone = notDoneOf(evaluated.missing);
        return row;
    }
    row.state = RegisterState::Complete;
    row.prevailing = evaluated.results.prevailingType;
    const TypeHundredths synthetic = relativeByType(evaluated.results, false);
    row.analytic = relativeByType(evaluated.results, true);
    row.syntheticCode = threeLetterCode(synthetic);
    row.analyticCode = threeLetterCode(row.analytic);
    for (const ResponseWarning& w :
         responseWarnings(evaluated.data.types, evaluated.data.characteristics,
                          spearmanRho(synthetic, row.analytic)))
        row.warnings.push_back(w.kind);
    return row;
}

void applyLocalNorms(std::vector<RegisterRow>& rows)
{
    std::vector<RegisterRow*> complete;
    for (RegisterRow& row : rows) {
        row.percentiles.reset();
        if (row.state == RegisterState::Complete) complete.push_back(&row);
    }
    if (static_cast<int>(complete.size()) < kLocalNormsFrom) return;
    for (RegisterRow* row : complete)
        row->percentiles.emplace();
    std::vector<int> values(complete.size());
    for (int t = 0; t < kTypeCount; ++t) {
        for (std::size_t i = 0; i < complete.size(); ++i)
            values[i] = complete[i]->analytic[t];
        const std::vector<int> ranks = percentileRanks(values);
        for (std::size_t i = 0; i < complete.size(); ++i)
            (*complete[i]->percentiles)[t] = ranks[i];
    }
}

std::vector<RegisterRow> readRegister(const QStringList& files, const RegisterProgress& progress,
                                      const std::vector<RegisterRow>& known)
{
    QHash<QString, const RegisterRow*> earlier;
    earlier.reserve(static_cast<qsizetype>(known.size()));
    for (const RegisterRow& row : known)
        earlier.insert(row.file, &row);
    std::vector<RegisterRow> rows;
    rows.reserve(static_cast<std::size_t>(files.size()));
    const int total = static_cast<int>(files.size());
    for (int i = 0; i < total; ++i) {
        if (progress && !progress(i, total)) break;
        const RegisterRow* before = earlier.value(files[i]);
        if (before && unchangedSince(files[i], before->stamp))
            rows.push_back(*before);
        else
            rows.push_back(readRegisterRow(files[i]));
    }
    applyLocalNorms(rows);
    return rows;
}

QString stateText(const RegisterRow& row, bool brief)
{
    switch (row.state) {
    case RegisterState::Complete:
        return QStringLiteral("completa");
    case RegisterState::Incomplete:
        return brief ? QStringLiteral("incompleta")
                     : QStringLiteral("incompleta: ") + row.notDone.join(QStringLiteral(", "));
    case RegisterState::Damaged:
        break;
    }
    return brief ? QStringLiteral("danneggiata") : QStringLiteral("danneggiata: ") + row.reason;
}

QString warningKeysText(const RegisterRow& row)
{
    QStringList keys;
    for (ResponseWarningKind kind : row.warnings)
        keys << toQString(responseWarningKey(kind));
    return keys.join(QLatin1Char(';'));
}

QString warningTitlesText(const RegisterRow& row)
{
    QStringList titles;
    for (ResponseWarningKind kind : row.warnings)
        titles << toQString(responseWarningTitle(kind));
    return titles.join(QStringLiteral("; "));
}

QString shownDate(const RegisterRow& row)
{
    if (!row.date.trimmed().isEmpty()) return row.date;
    return row.changed.isValid() ? row.changed.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

RegisterCounts countRegister(const std::vector<RegisterRow>& rows)
{
    RegisterCounts counts;
    for (const RegisterRow& row : rows) {
        ++counts.states[static_cast<std::size_t>(row.state)];
        if (row.state == RegisterState::Complete) ++counts.prevailing[row.prevailing - 1];
    }
    return counts;
}

QString statePlural(RegisterState state)
{
    switch (state) {
    case RegisterState::Complete:
        return QStringLiteral("complete");
    case RegisterState::Incomplete:
        return QStringLiteral("incomplete");
    case RegisterState::Damaged:
        break;
    }
    return QStringLiteral("danneggiate");
}

QString registerCountsText(const RegisterCounts& counts)
{
    return QStringLiteral("Valutazioni: %1 complete, %2 incomplete, %3 danneggiate.")
        .arg(counts.states[0])
        .arg(counts.states[1])
        .arg(counts.states[2]);
}

std::optional<TypeHundredths> meanAnalyticProfile(const std::vector<RegisterRow>& rows)
{
    std::array<long long, kTypeCount> sum{};
    long long n = 0;
    for (const RegisterRow& row : rows) {
        if (row.state != RegisterState::Complete) continue;
        ++n;
        for (int t = 0; t < kTypeCount; ++t)
            sum[t] += row.analytic[t];
    }
    if (n == 0) return std::nullopt;
    TypeHundredths mean{};
    for (int t = 0; t < kTypeCount; ++t)
        mean[t] = static_cast<int>((sum[t] * 2 + n) / (2 * n)); // half up
    return mean;
}

std::vector<PseudonymKey> pseudonymise(std::vector<RegisterRow>& rows)
{
    std::vector<PseudonymKey> key;
    key.reserve(rows.size());
    int n = 0;
    for (RegisterRow& row : rows) {
        const QString code = QStringLiteral("P%1").arg(++n, 4, 10, QLatin1Char('0'));
        key.push_back({code, row.persona, row.file});
        row.persona = code;
        row.file = code;
        row.istituto.clear();
        row.scopo.clear();
        // A reader's reason names the file: the state alone stays.
        row.reason.clear();
    }
    return key;
}

} // namespace tipolab
