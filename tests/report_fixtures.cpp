#include "report_fixtures.h"

#include "contents/comparison_files.h"
#include "contents/snapshot_from_archive.h"
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

tipolab::ComparisonSnapshot sampleComparison()
{
    const tipolab::FileComparison compared = tipolab::compareFiles(
        QStringLiteral(TIPOLAB_TEST_DATA_DIR "/Tipolab-dati-esempio"),
        QStringLiteral(TIPOLAB_TEST_DATA_DIR "/Tipolab-dati-esempio-dopo"), QLocale::c());
    Q_ASSERT(compared.snapshot);
    return *compared.snapshot;
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

namespace {

QString popplerOutput(const char* tool, const QStringList& args)
{
    QProcess p;
    p.start(QString::fromLatin1(tool), args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

QString pdfText(const QString& path)
{
    return popplerOutput(
        "pdftotext", {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
}

QStringList pdfFontsNotEmbedded(const QString& path)
{
    // Columns: name, type (may hold blanks), encoding, emb, sub, uni, object, generation.
    QStringList out;
    const QStringList lines = popplerOutput("pdffonts", {path}).split(u'\n');
    for (const QString& line : lines.mid(2)) {
        const QStringList words = line.simplified().split(u' ');
        if (words.size() >= 7 && words[words.size() - 5] != u"yes") out << words.first();
    }
    return out;
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
