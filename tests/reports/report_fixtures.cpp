#include "report_fixtures.h"

#include "reports/snapshot_from_archive.h"
#include "state/archive_file.h"
#include "test_paths.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace fixtures {
namespace {

tipolab::InstallationData installation()
{
    tipolab::InstallationData d;
    d.studioName = kStudio;
    d.studioAddress = kAddress;
    return d;
}

tipolab::ArchiveSnapshot sampleArchive(const QLocale& locale)
{
    const tipolab::ArchiveLoad load =
        tipolab::loadArchiveFile(QStringLiteral(TIPOLAB_TEST_DATA_DIR "/Tipolab-dati-esempio"));
    Q_ASSERT(load.record);
    return tipolab::snapshotFromArchive(*load.record, installation(), locale);
}

} // namespace

tipolab::ReportSnapshot sample(const QLocale& locale)
{
    return sampleArchive(locale).windows;
}

tipolab::ProfileSnapshot sampleProfile(const QLocale& locale)
{
    return sampleArchive(locale).profile;
}

tipolab::ReportSnapshot newAssessment()
{
    return tipolab::snapshotFromArchive(tipolab::ArchiveRecord(), installation(), QLocale::c())
        .windows;
}

int pdfPages(const QString& path)
{
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (!pdfinfo.isEmpty()) {
        QProcess p;
        p.start(pdfinfo, {path});
        p.waitForFinished(30000);
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                              .match(QString::fromUtf8(p.readAllStandardOutput()));
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    return int(QString::fromLatin1(f.readAll())
                   .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

QStringList paragraphTexts(const tipolab::ReportDocument& document)
{
    QStringList out;
    for (const tipolab::Paragraph* p : document.paragraphs())
        out << p->text();
    return out;
}

QStringList rowTexts(const tipolab::Table& table, int row)
{
    QStringList out;
    for (int c = 1; c <= table.columns; ++c)
        out << table.cell(row, c).text;
    return out;
}

int pageBreakCount(const tipolab::ReportDocument& document)
{
    int n = 0;
    for (const tipolab::Paragraph* p : document.paragraphs()) {
        for (const tipolab::TextRun& run : p->runs)
            n += run.pageBreak ? 1 : 0;
    }
    return n;
}

} // namespace fixtures
