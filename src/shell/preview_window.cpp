#include "preview_window.h"

#include "printing/print_commands.h"
#include "layout/document_layout.h"
#include "document/document_style.h"
#include "output/pdf_writer.h"
#include "dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tipolab {

PreviewWindow::PreviewWindow(ReportDocument document, const QString& path, Dialogs& dialogs,
                             QWidget* parent)
    : QWidget(parent), m_document(std::move(document)), m_path(path), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("anteprima"));
    setWindowTitle(QStringLiteral("Anteprima: %1").arg(QFileInfo(path).fileName()));

    auto* where = new QLabel(QStringLiteral("Il documento \u00e8 stato salvato in %1")
                                 .arg(QDir::toNativeSeparators(path)),
                             this);
    where->setObjectName(QStringLiteral("percorso"));
    where->setTextFormat(Qt::PlainText); // the name holds the person's
    where->setWordWrap(true);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_text = new QTextEdit(this);
    m_text->setObjectName(QStringLiteral("documento"));
    m_text->setReadOnly(true);
    m_view = buildTextDocument(m_document, *m_text->viewport());
    m_text->setDocument(m_view.get());
    const double scale = double(m_text->viewport()->logicalDpiX()) / style::kTwipsPerInch;
    m_text->setLineWrapMode(QTextEdit::FixedPixelWidth);
    m_text->setLineWrapColumnOrWidth(int(style::kPageWidth * scale));

    auto* stampa = new QPushButton(QStringLiteral("Stampa"), this);
    stampa->setObjectName(QStringLiteral("stampa"));
    auto* pdf = new QPushButton(QStringLiteral("Esporta PDF"), this);
    pdf->setObjectName(QStringLiteral("esportaPdf"));
    auto* chiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("chiudi"));
    connect(stampa, &QPushButton::clicked, this, &PreviewWindow::print);
    connect(pdf, &QPushButton::clicked, this, &PreviewWindow::exportPdf);
    connect(chiudi, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(stampa);
    buttons->addWidget(pdf);
    buttons->addWidget(chiudi);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(where);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);
    resize(int(style::kPageWidth * scale) + 80, 700);
}

PreviewWindow::~PreviewWindow()
{
    m_text->setDocument(nullptr); // the view does not own the document
}

void PreviewWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_document.title);
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!paintPages(m_document, printer))
        m_dialogs.message(QStringLiteral("Non \u00e8 stato possibile stampare il documento."),
                          windowTitle(), QMessageBox::Warning);
}

bool PreviewWindow::exportPdf()
{
    const QString path =
        choosePdfFile(m_dialogs, pdfNameIn(DocumentPlaces::standard().documentsDir, m_path));
    if (path.isEmpty()) return false;
    const QString error = savePdf(m_document, path);
    if (error.isEmpty()) return true;
    m_dialogs.message(pdfFailureMessage(path, error), windowTitle(), QMessageBox::Warning);
    return false;
}

} // namespace tipolab
