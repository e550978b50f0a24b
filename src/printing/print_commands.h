// The print commands of the windows: each composes its document from a
// snapshot of the window, writes it and hands it to the word processor. A
// failure never ends the program or touches the assessment: it comes back as
// a message for the window to show.
#pragma once

#include "contents/comparison_texts.h"
#include "output/document_files.h"
#include "document_kinds.h"
#include "document_opener.h"
#include "contents/guide_document.h"
#include "contents/profile_texts.h"
#include "contents/report_snapshot.h"

#include <QString>
#include <functional>

namespace tipolab {

// What the guidance line of a window shows while a sheet is being prepared.
inline constexpr char kLoadingWordProcessor[] = "sto caricando Word";

struct DocumentPlaces {
    QString programDir;   // the folder the report and the guide are written beside
    QString documentsDir; // where a report goes when beside the program cannot be written
    QString sheetsDir;    // where the unsaved sheets and help pages are written
    // An installed program: `programDir` stands in the documents folder, and
    // the user is told so with the first document.
    bool installed = false;

    // As the program's paths say (ProgramPaths): the program's folder or, for
    // an installed program, its stand-in in the user's documents folder; the
    // documents folder; a "Tipolab" folder only the user can enter, in the
    // user's runtime folder or as "Tipolab-<user number>" in the system's
    // temporary folder.
    static DocumentPlaces standard();
};

struct PrintOutcome {
    bool opened = false; // a document was written and handed on
    QString path;        // where it was written (a PDF file: where the user chose)
    QString message;     // for the user, in Italian; empty when there is nothing to tell
    bool failed = false; // the message reports a failure rather than a change of place
};

// What the user is told when a PDF file cannot be written.
QString pdfFailureMessage(const QString& path, const QString& reason);

class PrintCommands {
public:
    explicit PrintCommands(DocumentOpener& opener,
                           DocumentPlaces places = DocumentPlaces::standard());

    // The full report of the title-page window (`stampa_Click`), saved beside
    // the program's folder. The caller has checked the data and computed the
    // results, and the snapshot holds the windows as they then stand.
    PrintOutcome fullReport(const ReportSnapshot& snapshot);
    // The sheets of the results, data and types windows and the blank form.
    PrintOutcome resultsSheet(const SheetHeading& heading, const ResultsWindowSnapshot& results);
    PrintOutcome dataSheet(const SheetHeading& heading, const DataWindowSnapshot& data);
    PrintOutcome acquisitionForm(const SheetHeading& heading, const ScaleCaptions& scale);
    PrintOutcome typesSheet(const SheetHeading& heading, const TypesWindowSnapshot& types);
    // The profile sheet of the profile window.
    PrintOutcome profileSheet(const SheetHeading& heading, const ProfileSnapshot& profile);
    // The comparison sheet of the comparison window.
    PrintOutcome comparisonSheet(const SheetHeading& heading, const ComparisonSnapshot& comparison);
    // The professions sheet of the professions window.
    PrintOutcome professionsSheet(const SheetHeading& heading,
                                  const ProfessionsSnapshot& professions);
    // The class sheet of the register window.
    PrintOutcome registerSheet(const SheetHeading& heading, const RegisterSnapshot& snapshot);
    // One help page (`stampaguida`) and the whole guide, saved beside the program's folder.
    PrintOutcome guidePage(const SheetHeading& heading, const GuidePage& page);
    PrintOutcome fullGuide(const SheetHeading& heading, const QList<GuidePage>& pages);

    const DocumentPlaces& places() const { return m_places; }

    // While a chooser is set, every command writes its document as PDF instead
    // of handing it to the word processor. The chooser gets the name the PDF is
    // offered under (the document's own name with ".pdf", in the documents
    // folder) and returns where to write it, or an empty text to write nothing.
    using PdfChooser = std::function<QString(const QString& offered)>;
    void setPdfChooser(PdfChooser chooser) { m_pdfChooser = std::move(chooser); }
    bool writesPdf() const { return bool(m_pdfChooser); }

private:
    // The report, readable by the user alone when new, and the guide, as
    // the user's settings make files.
    PrintOutcome saveBesideProgram(const ReportWriter& w, const QString& path,
                                   FileAccess access = FileAccess::OwnerOnly);
    PrintOutcome saveSheet(const ReportWriter& w, const SheetHeading& heading, const QString& kind,
                           const QString& persona);
    PrintOutcome printSheet(DocumentKind kind, const DocumentSource& source);
    PrintOutcome finish(const ReportWriter& w, const SavedFile& saved);
    // The PDF of the document that would have been written as `documentName`.
    PrintOutcome writePdf(const ReportWriter& w, const QString& documentName);

    DocumentOpener& m_opener;
    DocumentPlaces m_places;
    PdfChooser m_pdfChooser;
    bool m_toldWhere = false;       // the user knows where the documents go
    QStringList m_writtenElsewhere; // reports and guides this run moved to the documents folder
};

} // namespace tipolab
