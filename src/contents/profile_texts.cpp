#include "profile_texts.h"

#include "core/model.h"
#include "state/number_format.h"

namespace tipolab {
namespace {

const QColor kSelfImageColour(214, 96, 0); // orange
const QColor kAnalyticColour(0, 0, 192);   // the dark blue of the prevailing type

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::array<double, kTypeCount> percentages(const TypeHundredths& values)
{
    std::array<double, kTypeCount> out{};
    for (int i = 0; i < kTypeCount; ++i)
        out[i] = values[i] / 100.0;
    return out;
}

} // namespace

ProfileSnapshot profileSnapshot(const Results& results, const TypeJudgements& general,
                                const CharacteristicTable& characteristics, const QLocale& locale)
{
    ProfileSnapshot s{computeProfile(results, characteristics), {}, locale};
    s.warnings = responseWarnings(general, characteristics, s.profile.spearman);
    return s;
}

QString pointsText(int hundredths, const QLocale& locale, bool sign)
{
    const QString number = format00(hundredths / 100.0, locale);
    return sign && hundredths > 0 ? locale.positiveSign() + number : number;
}

QString spearmanText(const std::optional<double>& rho, const QLocale& locale)
{
    return rho ? format000(*rho, locale) : QString();
}

QString typeText(int t)
{
    return text(typeName(t));
}

QString typeWithLetter(int t)
{
    return QStringLiteral("%1 (%2)").arg(typeText(t), QChar::fromLatin1(typeLetter(t)));
}

QString firstTypesText(const ProfileShape& shape, const QLocale& locale)
{
    QString out =
        QStringLiteral("%1 e %2, distacco %3")
            .arg(QChar::fromLatin1(typeLetter(shape.first)),
                 QChar::fromLatin1(typeLetter(shape.second)), pointsText(shape.firstGap, locale));
    if (shape.notDistinct) out += QStringLiteral(" (non distinti)");
    return out;
}

QString consistencyText(const ProfileShape& shape)
{
    return text(consistencyWord(shape.consistency));
}

QString selfImageText(const ProfileSnapshot& s)
{
    return QString::fromStdString(
        selfImageSentence(s.profile.difference, s.locale.decimalPoint().toStdString()));
}

QString agreementText(const ProfileSnapshot& s)
{
    const QString rho = s.profile.spearman ? spearmanText(s.profile.spearman, s.locale)
                                           : QString::fromUtf8(kNoSpearman);
    return QStringLiteral("Tipi in comune tra i primi tre: %1 su 3. \u03c1 di Spearman: %2.")
        .arg(s.profile.sharedTopThree)
        .arg(rho);
}

QString prevailingTieText(const ProfileSnapshot& s)
{
    const ProfileShape& shape = s.profile.analyticShape;
    if (shape.tiedWithFirst.empty()) return {};
    QStringList others;
    for (int t : shape.tiedWithFirst)
        others << typeText(t);
    const QString last = others.takeLast();
    const QString with =
        others.isEmpty() ? last : others.join(QStringLiteral(", ")) + QStringLiteral(" e ") + last;
    return QStringLiteral("Tipo prevalente %1, a pari merito con %2.")
        .arg(typeText(shape.first), with);
}

QString consistencyRule()
{
    return QStringLiteral(
               "La coerenza dice quanto sono vicini sull'esagono i primi due tipi (vicini: "
               "alta; con un tipo in mezzo: media; opposti: bassa) e i primi due tipi sono "
               "\u00abnon distinti\u00bb quando distano meno di %1 punti.")
        .arg(kNotDistinctBelow / 100);
}

QString evidenceText(int type, const EvidenceItem& item, const QLocale& locale, bool contribution)
{
    QString out =
        QStringLiteral("%1 (%2, peso %3%)")
            .arg(text(characteristicName(type, item.characteristic)), text(stepWord(item.step)))
            .arg(item.weight);
    if (contribution) out += QStringLiteral(": ") + pointsText(item.contribution, locale);
    return out;
}

QStringList evidenceHeader()
{
    return {QStringLiteral("tipo"),
            QStringLiteral("contano di pi\u00f9 (peso \u00d7 coefficiente)"),
            QStringLiteral("giudicate pi\u00f9 in basso")};
}

QList<QStringList> evidenceRows(const ProfileSnapshot& s, const QString& lineEnd)
{
    QList<QStringList> rows;
    for (int t = 1; t <= kTypeCount; ++t) {
        const TypeEvidence& e = s.profile.evidence[t - 1];
        QStringList strongest, lowest;
        for (const EvidenceItem& item : e.strongest)
            strongest << evidenceText(t, item, s.locale, true);
        for (const EvidenceItem& item : e.lowest)
            lowest << evidenceText(t, item, s.locale, false);
        rows.append({typeWithLetter(t), strongest.join(lineEnd), lowest.join(lineEnd)});
    }
    return rows;
}

QString responseWarningText(const ResponseWarning& warning, const QLocale& locale)
{
    const QString title = text(responseWarningTitle(warning.kind)) + QStringLiteral(": ");
    switch (warning.kind) {
    case ResponseWarningKind::Uniform:
        return title + QStringLiteral("%1 giudizi su %2 sullo stesso passo, \u00ab%3\u00bb.")
                           .arg(warning.count)
                           .arg(kCharacteristicJudgementCount)
                           .arg(text(stepWord(warning.step)));
    case ResponseWarningKind::Extremes:
        return title + QStringLiteral("%1 giudizi su %2 sono \u00ab%3\u00bb o \u00ab%4\u00bb.")
                           .arg(warning.count)
                           .arg(kCharacteristicJudgementCount)
                           .arg(text(stepWord(1)), text(stepWord(kStepCount)));
    case ResponseWarningKind::InBlock: {
        QStringList types;
        for (int t = 1; t <= kTypeCount; ++t) {
            const int step = warning.blockStep[t - 1];
            if (step != 0)
                types << QStringLiteral("%1 (%2)").arg(typeText(t), text(stepWord(step)));
        }
        const QString last = types.takeLast();
        return title + QStringLiteral("tutte le %1 caratteristiche sullo stesso passo in %2 e %3.")
                           .arg(kCharacteristicCount)
                           .arg(types.join(QStringLiteral(", ")), last);
    }
    case ResponseWarningKind::GeneralEqual:
        return title + QStringLiteral("tutti e %1 sul passo \u00ab%2\u00bb.")
                           .arg(warning.count)
                           .arg(text(stepWord(warning.step)));
    case ResponseWarningKind::Contrast:
        break;
    }
    return title + QStringLiteral("\u03c1 di Spearman %1. Non \u00e8 un difetto delle risposte ma "
                                  "un punto da discutere con l'esaminato.")
                       .arg(format000(warning.rho, locale));
}

QStringList responseStyleLines(const ProfileSnapshot& s)
{
    QStringList lines;
    for (const ResponseWarning& w : s.warnings)
        lines << responseWarningText(w, s.locale);
    if (lines.isEmpty()) lines << QStringLiteral("Nessuno schema di risposta da segnalare.");
    return lines;
}

ChartProfile syntheticChartProfile(const TypeHundredths& values, const QString& label)
{
    return {label, percentages(values), kSelfImageColour, Qt::DashLine};
}

ChartProfile analyticChartProfile(const TypeHundredths& values, const QString& label)
{
    return {label, percentages(values), kAnalyticColour, Qt::SolidLine};
}

HexagonChart profileChart(const ProfileSnapshot& s)
{
    return HexagonChart(
        {syntheticChartProfile(s.profile.synthetic,
                               QStringLiteral("sint.rel.: come crede di essere")),
         analyticChartProfile(s.profile.analytic,
                              QStringLiteral("anal.rel.: come \u00e8 secondo il test"))},
        s.locale);
}

} // namespace tipolab
