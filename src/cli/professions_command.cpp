#include "professions_command.h"

#include "contents/professions_texts.h"
#include "csv.h"
#include "results_command.h"
#include "terminal_text.h"
#include "state/qt_text.h"

namespace tipolab {
namespace {

const char* const kCsvHeader =
    "posizione,onet_soc,titolo,isco08,gruppo,livello,affinita,lettere,lettere_in_comune";


void writeCsvRow(QTextStream& out, const OccupationMatch& m, bool toTerminal)
{
    const Occupation& o = *m.occupation;
    writeCsvLine(out,
                 {QString::number(m.position), toQString(o.code), csvTextField(toQString(o.title)),
                  toQString(o.group), csvTextField(toQString(o.groupName)),
                  QString::number(o.level), affinityText(m.rShown, QLocale::c()),
                  toQString(o.letters), QString::number(m.inCommon)},
                 toTerminal);
}

void writeText(QTextStream& out, const ProfessionsSnapshot& s,
               const std::vector<OccupationMatch>& shown)
{
    out << QStringLiteral("Profilo %1, codice %2\n")
               .arg(matchedProfileName(s),
                    QString::fromStdString(s.synthetic ? s.syntheticCode : s.analyticCode));
    out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
               .arg(QStringLiteral("n."), 4)
               .arg(QStringLiteral("affinit\u00e0"), 9)
               .arg(QStringLiteral("lettere"), -7)
               .arg(QStringLiteral("comune"), 6)
               .arg(QStringLiteral("liv."), 4)
               .arg(QStringLiteral("professione (gruppo ISCO-08)"));
    for (const OccupationMatch& m : shown) {
        const Occupation& o = *m.occupation;
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 (%7 %8)\n")
                   .arg(m.position, 4)
                   .arg(affinityText(m.rShown, s.locale), 9)
                   .arg(toQString(o.letters), -7)
                   .arg(m.inCommon, 6)
                   .arg(o.level, 4)
                   .arg(toQString(o.title), toQString(o.group), toQString(o.groupName));
    }
}

} // namespace

std::optional<LevelSet> parseLevels(const QString& text)
{
    LevelSet levels = 0;
    for (const QString& part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int level = part.toInt(&ok);
        if (!ok || level < 1 || level > kOccupationLevelCount) return std::nullopt;
        levels |= 1u << (level - 1);
    }
    return levels;
}

int runProfessions(const ProfessionsOptions& options, QTextStream& out, QTextStream& err)
{
    bool flat = false;
    const int status = forEachComplete(
        {options.file}, err,
        [&](const QString& file, const QString& persona, const ArchiveResults& evaluated) {
            const ProfessionsSnapshot s =
                professionsSnapshot(evaluated.results, options.synthetic,
                                    options.csv ? QLocale::c() : options.locale);
            if (s.ranking.flat) {
                err << terminalSafe(
                           QStringLiteral("%1: %2").arg(file, QString::fromUtf8(kFlatProfile)))
                    << '\n';
                flat = true;
                return;
            }
            const int count = options.count >= 0 ? options.count
                              : options.csv      ? 0
                                                 : kProfessionsShownByDefault;
            const std::vector<OccupationMatch> shown =
                matchesOfLevels(s.ranking, options.levels, static_cast<std::size_t>(count));
            if (options.csv) {
                out << kCsvHeader << '\n';
                for (const OccupationMatch& m : shown)
                    writeCsvRow(out, m, options.toTerminal);
            } else {
                writeFileHeading(out, file, persona);
                writeText(out, s, shown);
            }
        });
    out.flush();
    err.flush();
    return flat ? 1 : status;
}

} // namespace tipolab
