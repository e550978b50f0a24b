#include "profile_sheet.h"

#include "report_tables.h"

namespace tipolab {
namespace {

const QString kEnd(kParagraphEnd);

void writeIndicesTable(ReportWriter& w, const ProfileSnapshot& s)
{
    const ProfileShape& a = s.profile.syntheticShape;
    const ProfileShape& b = s.profile.analyticShape;
    w.appendTable(5, 3);
    w.setTableSize(10);
    fillRow(w, 1,
            {QStringLiteral("profilo"), QString::fromUtf8(kSyntheticProfileName),
             QString::fromUtf8(kAnalyticProfileName)});
    fillRow(
        w, 2,
        {QStringLiteral("codice"), QString::fromStdString(a.code), QString::fromStdString(b.code)});
    fillRow(w, 3,
            {QStringLiteral("differenziazione"), pointsText(a.differentiation, s.locale),
             pointsText(b.differentiation, s.locale)});
    fillRow(w, 4,
            {QStringLiteral("primi due tipi"), firstTypesText(a, s.locale),
             firstTypesText(b, s.locale)});
    fillRow(w, 5, {QStringLiteral("coerenza"), consistencyText(a), consistencyText(b)});
    w.applyTableFormat();
}

void writeDifferencesTable(ReportWriter& w, const ProfileSnapshot& s)
{
    const Profile& p = s.profile;
    w.appendTable(kTypeCount + 1, 4);
    w.setTableSize(10);
    fillRow(w, 1,
            {QStringLiteral("tipo"), QStringLiteral("sint.rel."), QStringLiteral("anal.rel."),
             QStringLiteral("differenza")});
    for (int t = 1; t <= kTypeCount; ++t) {
        fillRow(w, t + 1,
                {typeWithLetter(t), pointsText(p.synthetic[t - 1], s.locale),
                 pointsText(p.analytic[t - 1], s.locale),
                 pointsText(p.difference[t - 1], s.locale, true)});
    }
    w.applyTableFormat();
}

} // namespace

void writeChartSheetHead(ReportWriter& w, const SheetHeading& heading, const QString& title,
                         const QString& subject)
{
    writeSheetOpening(w, heading);
    w.document().title = title + heading.persona;
    typeExaminedPerson(w, heading.persona);
    w.appendEndParagraph();
    w.setParagraphSize(16);
    w.setParagraphText(subject + kEnd);
}

void appendSheetChart(ReportWriter& w, const HexagonChart& chart)
{
    Picture picture = chartPicture(chart, QSize(kProfileChartWidth, kProfileChartHeight));
    picture.alignment = Alignment::Center;
    w.appendPicture(std::move(picture));
}

void composeProfileSheet(ReportWriter& w, const SheetHeading& heading, const ProfileSnapshot& s)
{
    writeChartSheetHead(w, heading, QStringLiteral("Profilo: "),
                        QStringLiteral("Profilo della persona"));
    appendSheetChart(w, profileChart(s));

    // How far the answers can be trusted comes before any reading of them.
    w.setParagraphSize(12);
    w.setParagraphText(kEnd + QString::fromUtf8(kResponseStyleHeading) + kEnd);
    w.setParagraphSize(10);
    w.setParagraphText(responseStyleLines(s).join(kEnd) + kEnd);

    w.setParagraphSize(12);
    w.setParagraphText(kEnd + QStringLiteral("Codici a tre lettere e indici"));
    writeIndicesTable(w, s); // table 1
    w.appendEndParagraph();
    w.setParagraphSize(10);
    w.setParagraphText(consistencyRule() + kEnd);

    w.setParagraphSize(12);
    w.setParagraphText(kEnd + QStringLiteral("Immagine di s\u00e9 e risultato analitico"));
    writeDifferencesTable(w, s); // table 2
    w.appendEndParagraph();
    w.setParagraphSize(12);
    const QString tie = prevailingTieText(s);
    w.setParagraphText(agreementText(s) + kEnd + (tie.isEmpty() ? QString() : tie + kEnd) +
                       selfImageText(s) + kEnd + kEnd +
                       QStringLiteral("Le caratteristiche dietro ogni tipo"));
    writeTextTable(w, evidenceHeader(), evidenceRows(s, kEnd)); // table 3
    rightAlignColumns(w, 2, {2, 3, 4});
}

} // namespace tipolab
