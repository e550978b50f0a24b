#include "pdf_writer.h"

#include "document_layout.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

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
    QSaveFile file(path);
    // Unbuffered, so that a write that fails stops the rename over an existing file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) return file.errorString();
    return {};
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
