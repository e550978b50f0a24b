#include "profile_command.h"

#include "contents/profile_texts.h"
#include "csv.h"
#include "terminal_text.h"

namespace tipolab {
namespace {

const char* const kCsvHeader =
    "file,persona,codice_sintetico,codice_analitico,tipi_in_comune,spearman,"
    "differenziazione_sintetica,differenziazione_analitica,coerenza_sintetica,"
    "coerenza_analitica,differenza_R,differenza_I,differenza_A,differenza_S,differenza_E,"
    "differenza_C,avvisi";

// The keys of the warnings on the answers, joined by ";"; empty when none.
QString warningKeys(const std::vector<ResponseWarning>& warnings)
{
    QStringList keys;
    for (const ResponseWarning& w : warnings) {
        const std::string_view key = responseWarningKey(w.kind);
        keys << QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
    }
    return keys.join(QLatin1Char(';'));
}

void writeCsvRow(QTextStream& out, const QString& file, const QString& persona,
                 const ProfileSnapshot& s, bool toTerminal)
{
    const Profile& p = s.profile;
    const QLocale c = QLocale::c();
    QStringList row{csvTextField(file),
                    csvTextField(persona),
                    QString::fromStdString(p.syntheticShape.code),
                    QString::fromStdString(p.analyticShape.code),
                    QString::number(p.sharedTopThree),
                    spearmanText(p.spearman, c),
                    pointsText(p.syntheticShape.differentiation, c),
                    pointsText(p.analyticShape.differentiation, c),
                    consistencyText(p.syntheticShape),
                    consistencyText(p.analyticShape)};
    for (int d : p.difference)
        row << pointsText(d, c);
    row << warningKeys(s.warnings);
    writeCsvLine(out, row, toTerminal);
}

void writeText(QTextStream& out, const QString& file, const QString& persona,
               const ProfileSnapshot& s)
{
    const Profile& p = s.profile;
    const auto line = [&out](const QString& label, const QString& a, const QString& b) {
        QString text = QStringLiteral("%1 %2 %3").arg(label, -17).arg(a, -28).arg(b);
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        out << text << '\n';
    };
    writeFileHeading(out, file, persona);
    line(QString(), QStringLiteral("sintetico"), QStringLiteral("analitico"));
    line(QStringLiteral("Codice"), QString::fromStdString(p.syntheticShape.code),
         QString::fromStdString(p.analyticShape.code));
    line(QStringLiteral("Differenziazione"), pointsText(p.syntheticShape.differentiation, s.locale),
         pointsText(p.analyticShape.differentiation, s.locale));
    line(QStringLiteral("Primi due tipi"), firstTypesText(p.syntheticShape, s.locale),
         firstTypesText(p.analyticShape, s.locale));
    line(QStringLiteral("Coerenza"), consistencyText(p.syntheticShape),
         consistencyText(p.analyticShape));
    out << QStringLiteral("%1 %2 %3 %4\n")
               .arg(QStringLiteral("Tipo"), -16)
               .arg(QStringLiteral("sint.rel."), 10)
               .arg(QStringLiteral("anal.rel."), 10)
               .arg(QStringLiteral("differenza"), 10);
    for (int t = 1; t <= kTypeCount; ++t) {
        out << QStringLiteral("%1 %2 %3 %4\n")
                   .arg(typeText(t), -16)
                   .arg(pointsText(p.synthetic[t - 1], s.locale), 10)
                   .arg(pointsText(p.analytic[t - 1], s.locale), 10)
                   .arg(pointsText(p.difference[t - 1], s.locale, true), 10);
    }
    out << agreementText(s) << '\n';
    if (const QString tie = prevailingTieText(s); !tie.isEmpty()) out << tie << '\n';
    out << selfImageText(s) << '\n';
    out << QString::fromUtf8(kResponseStyleHeading) << '\n';
    for (const QString& warning : responseStyleLines(s))
        out << "  " << warning << '\n';
}

} // namespace

int runProfile(const ResultsOptions& options, QTextStream& out, QTextStream& err)
{
    bool first = true;
    if (options.csv) out << kCsvHeader << '\n';
    const int status = forEachComplete(
        options.files, err,
        [&](const QString& file, const QString& persona, const ArchiveResults& evaluated) {
            const ProfileSnapshot s = profileSnapshot(evaluated.results, evaluated.data.types,
                                                      evaluated.data.characteristics,
                                                      options.csv ? QLocale::c() : options.locale);
            if (options.csv) {
                writeCsvRow(out, file, persona, s, options.toTerminal);
            } else {
                if (!first) out << '\n';
                writeText(out, file, persona, s);
            }
            first = false;
        });
    out.flush();
    err.flush();
    return status;
}

} // namespace tipolab
