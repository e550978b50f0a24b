// What the document tests share: the sample assessment as the windows show it,
// a recorder in place of the word processor, and ways to read a document back.
#pragma once

#include "recording_opener.h"
#include "contents/comparison_texts.h"
#include "printing/document_opener.h"
#include "contents/profile_texts.h"
#include "document/report_document.h"
#include "contents/report_snapshot.h"

#include <QList>
#include <QStringList>

namespace fixtures {

// The studio of the test installation.
inline const QString kStudio = QStringLiteral("Studio Bianchi");
inline const QString kAddress = QStringLiteral("Via Roma 1, 06100 Perugia");

// tests/data/Tipolab-dati-esempio ("Mario Rossi") after open and "&Risultati".
tipolab::ReportSnapshot sample(const QLocale& locale = QLocale::c());
// The profile of the same assessment.
tipolab::ProfileSnapshot sampleProfile(const QLocale& locale = QLocale::c());
// The sample against its later assessment, tests/data/Tipolab-dati-esempio-dopo
// (UTF-8): the prevailing type moves from REALISTA to SOCIALE.
tipolab::ComparisonSnapshot sampleComparison();
// A new assessment: nothing entered, the data window having shown every type.
tipolab::ReportSnapshot newAssessment();

// The text of every paragraph outside tables (page breaks as character 12).
QStringList paragraphTexts(const tipolab::ReportDocument& document);
// The texts of one row of a table (row from 1).
QStringList rowTexts(const tipolab::Table& table, int row);
// The number of manual page breaks in the document.
int pageBreakCount(const tipolab::ReportDocument& document);

// The pages of a PDF file (pdfinfo where installed); -1 when unreadable.
int pdfPages(const QString& path);
// The text of a PDF file as pdftotext reads it, pages ended by character 12.
QString pdfText(const QString& path);
// The fonts of a PDF file that are not embedded, as pdffonts lists them.
QStringList pdfFontsNotEmbedded(const QString& path);

using RecordingOpener = ::RecordingOpener;

} // namespace fixtures
