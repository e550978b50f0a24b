// The program's own view of a written document, for when no word processor
// answers: the pages as text, with printing and PDF export.
#pragma once

#include "document/report_document.h"

#include <QTextDocument>
#include <QWidget>
#include <memory>

class QTextEdit;

namespace tipolab {

class Dialogs;

class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    // `path` is the file the document was written to; `dialogs` asks for the
    // PDF's name and reports failures.
    PreviewWindow(ReportDocument document, const QString& path, Dialogs& dialogs,
                  QWidget* parent = nullptr);
    ~PreviewWindow() override;

    void print();
    // Writes the pages to a PDF file chosen by the user; false when cancelled or failed.
    bool exportPdf();

private:
    ReportDocument m_document;
    QString m_path;
    Dialogs& m_dialogs;
    std::unique_ptr<QTextDocument> m_view;
    QTextEdit* m_text = nullptr;
};

} // namespace tipolab
