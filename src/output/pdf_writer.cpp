#include "pdf_writer.h"

#include "layout/document_layout.h"
#include "document_files.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>

namespace tipolab {

QByteArray toPdf(const ReportDocument& document)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(1200);
        pdf.setTitle(document.title);
        pdf.setCreator(QStringLiteral("Tipolab"));
        if (!paintPages(document, pdf)) return {};
    } // the writer completes the file when it goes
    return bytes;
}

QString savePdf(const ReportDocument& document, const QString& path)
{
    const QByteArray bytes = toPdf(document);
    if (bytes.isEmpty()) return QStringLiteral("impossibile comporre le pagine");
    return replaceDocumentFile(path, bytes);
}

bool isPdfName(const QString& path)
{
    return path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
}

QString pdfNameIn(const QString& folder, const QString& documentPath)
{
    return QDir(folder).filePath(QFileInfo(documentPath).completeBaseName() +
                                 QStringLiteral(".pdf"));
}

} // namespace tipolab
