// The documents a person can ask for, in one table: the print commands of the
// windows and `tipolab-cli relazione`/`foglio` both read it, so that a new
// document is one row here.
#pragma once

#include "contents/comparison_texts.h"
#include "contents/professions_texts.h"
#include "contents/profile_texts.h"
#include "contents/register_sheet.h"
#include "contents/report_snapshot.h"
#include "document/report_writer.h"

#include <QString>

namespace tipolab {

enum class DocumentKind {
    Report,
    ResultsSheet,
    DataSheet,
    TypesSheet,
    AcquisitionForm,
    ProfileSheet,
    ComparisonSheet,
    ProfessionsSheet,
    RegisterSheet
};

// What a document is composed from; each kind reads its own part.
struct DocumentSource {
    SheetHeading heading;
    ReportSnapshot windows;
    ScaleCaptions scale; // of the blank form
    ProfileSnapshot profile;
    ComparisonSnapshot comparison;
    ProfessionsSnapshot professions;
    RegisterSnapshot classRegister;
};

struct DocumentKindRow {
    DocumentKind kind;
    const char* word; // the tool's word: "relazione", "risultati", "modello" ...
    const char* stem; // of a sheet's file name: "foglio-risultati" ...
    // Shows results: an incomplete assessment has none to show.
    bool needsResults;
    // The file name carries the person's name (the blank form's does not).
    bool named;
    void (*compose)(ReportWriter& w, const DocumentSource& source, const PageCounter& countPages);
};

const DocumentKindRow& documentKind(DocumentKind kind);
// The row of the tool's word for a sheet; nothing for an unknown word or the report's.
const DocumentKindRow* sheetKindForWord(const QString& word);

// Writes the document of `kind` into `w`, its pages counted on A4.
void composeDocument(ReportWriter& w, DocumentKind kind, const DocumentSource& source);

} // namespace tipolab
