#include "full_report.h"

#include "report_tables.h"
#include "report_texts.h"

namespace tipolab {
namespace {

const QString kEnd(kParagraphEnd);
const QString kBreak(kPageBreak);

QString ends(int n)
{
    return QString(n, kParagraphEnd);
}

QString paragraph(int n)
{
    const std::string_view p = explanatoryParagraph(n);
    return QString::fromUtf8(p.data(), static_cast<qsizetype>(p.size()));
}

void writeTitlePage(ReportWriter& w, const TitlePageSnapshot& title)
{
    w.setTypingSize(24);
    w.typeText(QStringLiteral("VALUTAZIONE DELLA PERSONALITA") + ends(2));
    w.setTypingSize(14);
    w.typeText(QStringLiteral("progetto: ") + title.progetto + kEnd);
    w.typeText(QStringLiteral("esaminato: ") + title.persona + kEnd);
    w.typeText(QStringLiteral("tipologia di studio: ") + title.tipostudio + kEnd);
    w.typeText(ends(6));
    w.typeText(QStringLiteral("esaminatore: ") + title.studioName + kEnd);
    w.typeText(QStringLiteral("committente: ") + title.committente + ends(2));
    w.typeText(title.luogo + QStringLiteral(": ") + title.data + kEnd);
    w.typeText(ends(22));
    w.typeText(title.studioName + kEnd);
    w.typeText(title.studioAddress + kBreak);
}

void writeExplanatoryPages(ReportWriter& w)
{
    w.setTypingSize(16);
    w.typeText(QStringLiteral("Relazione") + ends(2));
    w.setTypingSize(12);
    w.typeText(paragraph(1) + kEnd);
    w.typeText(paragraph(2) + kEnd);
    for (const char* line : {
             "Le personalit\u00e0 considerate sono le seguenti:",
             "1) REALISTA (tipo che ama la praticit\u00e0 delle cose);",
             "2) INVESTIGATIVO (tipo che predilige analizzare i fatti);",
             "3) ARTISTICO (tipo che preferisce creare cose nuove);",
             "4) SOCIALE (tipo che ama aiutare il prossimo);",
             "5) INTRAPRENDENTE (tipo che \u00e8 dotato di capacit\u00e0 persuasive);",
             "6) CONVENZIONALE (tipo che predilige le attivit\u00e0 sistematiche).",
         })
        w.typeText(QString::fromUtf8(line) + kEnd);
    w.typeText(paragraph(3) + kEnd);
    w.typeText(paragraph(4) + kEnd);
    w.typeText(QStringLiteral("a) non sono state date delucidazioni riguardanti i significati dei "
                              "sei tipi di personalit\u00e0 considerate nei dati sintetici;") +
               kEnd);
    w.typeText(
        QStringLiteral("b) sono state fornite adeguate spiegazioni sul significato delle "
                       "varie qualit\u00e0 attribuite ad ogni tipologia nei dati analitici.") +
        kEnd);
    w.typeText(paragraph(5) + kBreak);
    w.typeText(paragraph(6) + kEnd);
    w.typeText(paragraph(7) + kBreak);
}

void writeGeneralJudgementPage(ReportWriter& w, const ReportSnapshot& s)
{
    w.setTypingSize(16);
    w.typeText(ends(2) + QStringLiteral("Giudizi generali") + ends(2));
    w.setTypingSize(12);
    w.typeText(QStringLiteral("Soggetto esaminato: ") + s.title.persona + ends(2));
    w.typeText(QStringLiteral("Scala dei giudizi"));
    writeGeneralJudgements(w, s.types); // tables 1 and 2
}

void writeCharacteristicSection(ReportWriter& w, const DataWindowSnapshot& data)
{
    w.appendEndParagraph();
    w.setParagraphSize(16);
    w.setParagraphText(kBreak + QStringLiteral("Dati sulle caratteristiche personali") + ends(2));
    w.setParagraphSize(12);
    w.setParagraphText(QStringLiteral("Scala dei giudizi"));
    writeCharacteristicPages(w, data); // tables 3 to 15
}

QString pageCountLine(int pages)
{
    return QStringLiteral("La presente relazione \u00e8 composta di n.") + QLatin1Char(' ') +
           QString::number(pages) + QStringLiteral(" pagine.");
}

// The closing lines, the first of them naming `pages`. Returns the block that
// holds that line.
std::size_t writeClosing(ReportWriter& w, const TitlePageSnapshot& title, int pages)
{
    w.setParagraphText(kEnd + pageCountLine(pages) + kEnd);
    // The text opened a paragraph for the line and ended it with another.
    const std::size_t line = w.document().blocks.size() - 2;
    w.setParagraphText(QStringLiteral("Si allegano: ") + title.allegati + ends(3));
    w.setParagraphText(title.luogo + QStringLiteral(": ") + title.data + ends(3));
    w.setParagraphText(QStringLiteral("l'esaminatore") + kEnd);
    w.setParagraphText(QLatin1Char('(') + title.studioName + QLatin1Char(')'));
    return line;
}

// The line names the pages of the whole document as it is written, closing
// lines included: when writing the number changes the count (one more digit
// that wraps the line), it is counted again.
void statePageCount(ReportWriter& w, std::size_t line, int pages, const PageCounter& countPages)
{
    constexpr int kAttempts = 4; // more digits never give fewer pages: it settles at once
    for (int i = 0; i < kAttempts; ++i) {
        const int counted = countPages(w.document());
        if (counted == pages) return;
        pages = counted;
        auto& paragraph = std::get<Paragraph>(w.document().blocks[line]);
        paragraph.runs = {TextRun{pageCountLine(pages), paragraph.mark, false}};
    }
}

// Justified throughout; numbers aligned right in the general judgements, the
// six characteristic tables and the results.
void applyFinalLayout(ReportWriter& w)
{
    w.justifyAll();
    rightAlignColumns(w, 2, kGeneralJudgementNumberColumns);
    for (int t = 1; t <= kTypeCount; ++t)
        rightAlignColumns(w, 2 * t + 2, kCharacteristicNumberColumns);
    rightAlignColumns(w, 17, kResultsNumberColumns);
}

} // namespace

void composeFullReport(ReportWriter& w, const ReportSnapshot& snapshot, const PageCounter& countPages)
{
    w.open();
    w.document().title = QStringLiteral("Relazione: ") + snapshot.title.persona;
    w.setTypingFont(QString::fromLatin1(kDocumentFont));
    writeTitlePage(w, snapshot.title);
    writeExplanatoryPages(w);
    writeGeneralJudgementPage(w, snapshot);
    writeCharacteristicSection(w, snapshot.data);
    // The last type's block ends with a page break: the results follow it at
    // the top of the next page.
    writeResultsSection(w, snapshot.results, snapshot.title.persona); // tables 16, 17
    // A first guess of the same size as the count, then the count itself.
    constexpr int kGuess = 10;
    const std::size_t line = writeClosing(w, snapshot.title, kGuess);
    applyFinalLayout(w);
    statePageCount(w, line, kGuess, countPages);
}

} // namespace tipolab
