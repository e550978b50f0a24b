#include "guide_document.h"

#include "report_tables.h"

namespace tipolab {
namespace {

const QString kEnd(kParagraphEnd);

// The sheets' opening with the program name in 20 pt and the rest in 16 pt.
void writeGuideOpening(ReportWriter& w, const SheetHeading& heading)
{
    writeSheetOpening(w, heading, 20, 16);
}

} // namespace

void composeGuidePage(ReportWriter& w, const SheetHeading& heading, const GuidePage& page)
{
    writeGuideOpening(w, heading);
    w.document().title = QStringLiteral("Guida: ") + page.title;
    w.typeText(QStringLiteral("Guida: ") + page.title + kEnd + kEnd);
    w.setTypingSize(12);
    w.typeText(page.text + kEnd);
    w.justifyAll();
}

void composeFullGuide(ReportWriter& w, const SheetHeading& heading, const QList<GuidePage>& pages)
{
    writeGuideOpening(w, heading);
    w.document().title = heading.programName + QStringLiteral(": guida");
    for (qsizetype i = 0; i < pages.size(); ++i) {
        w.typeText(QStringLiteral("Guida: ") + pages[i].title + kEnd + kEnd);
        w.setTypingSize(12); // only the first title stays in 16 pt
        w.typeText(pages[i].text + kEnd);
        if (i + 1 < pages.size()) w.typeText(QString(kPageBreak));
    }
    w.justifyAll();
}

} // namespace tipolab
