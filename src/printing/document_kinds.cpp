#include "document_kinds.h"

#include "contents/comparison_sheet.h"
#include "contents/full_report.h"
#include "contents/professions_sheet.h"
#include "contents/profile_sheet.h"
#include "contents/window_sheets.h"
#include "layout/document_layout.h"

#include <array>

namespace tipolab {
namespace {

using Source = DocumentSource;
using Counter = PageCounter;

const std::array<DocumentKindRow, 9> kKinds{{
    {DocumentKind::Report, "relazione", "relazione", true, true,
     [](ReportWriter& w, const Source& s, const Counter& pages) {
         composeFullReport(w, s.windows, pages);
     }},
    {DocumentKind::ResultsSheet, "risultati", "foglio-risultati", true, true,
     [](ReportWriter& w, const Source& s, const Counter&) {
         composeResultsSheet(w, s.heading, s.windows.results);
     }},
    {DocumentKind::DataSheet, "dati", "foglio-dati", false, true,
     [](ReportWriter& w, const Source& s, const Counter&) {
         composeDataSheet(w, s.heading, s.windows.data);
     }},
    {DocumentKind::TypesSheet, "tipi", "foglio-tipi", false, true,
     [](ReportWriter& w, const Source& s, const Counter&) {
         composeTypesSheet(w, s.heading, s.windows.types);
     }},
    {DocumentKind::AcquisitionForm, "modello", "modello-acquisizione-dati", false, false,
     [](ReportWriter& w, const Source& s, const Counter&) {
         composeAcquisitionForm(w, s.heading, s.scale);
     }},
    {DocumentKind::ProfileSheet, "profilo", "foglio-profilo", true, true,
     [](ReportWriter& w, const Source& s, const Counter&) {
         composeProfileSheet(w, s.heading, s.profile);
     }},
    {DocumentKind::ComparisonSheet, "confronto", "foglio-confronto", false, true,
     [](ReportWriter& w, const Source& s, const Counter&) {
         composeComparisonSheet(w, s.heading, s.comparison);
     }},
    {DocumentKind::ProfessionsSheet, "professioni", "foglio-professioni", true, true,
     [](ReportWriter& w, const Source& s, const Counter&) {
         composeProfessionsSheet(w, s.heading, s.professions);
     }},
    // Named after the folder, which stands where the person's name would.
    {DocumentKind::RegisterSheet, "registro", "foglio-registro", false, true,
     [](ReportWriter& w, const Source& s, const Counter&) {
         composeRegisterSheet(w, s.heading, s.classRegister);
     }},
}};

} // namespace

const DocumentKindRow& documentKind(DocumentKind kind)
{
    for (const DocumentKindRow& row : kKinds) {
        if (row.kind == kind) return row;
    }
    return kKinds.front();
}

const DocumentKindRow* sheetKindForWord(const QString& word)
{
    for (const DocumentKindRow& row : kKinds) {
        if (row.kind != DocumentKind::Report && word == QLatin1String(row.word)) return &row;
    }
    return nullptr;
}

void composeDocument(ReportWriter& w, DocumentKind kind, const DocumentSource& source)
{
    documentKind(kind).compose(w, source, a4PageCounter());
}

} // namespace tipolab
