#include "document_files.h"

#include <QDir>
#include <QFileInfo>

namespace tipolab {
namespace {

// Most file systems take 255 bytes for one name; a little is kept back for
// the number that tells sheets of the same name apart.
constexpr qsizetype kMaxFileNameBytes = 240;

bool isForbidden(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F || QStringView(u"/\\:*?\"<>|").contains(c);
}

QString besideFolder(const QString& folder, const QString& suffix)
{
    const QFileInfo info(QDir::cleanPath(QDir(folder).absolutePath()));
    const QString name = boundedFileName(info.fileName(), suffix, QStringLiteral(".doc"));
    return info.dir().filePath(name);
}

} // namespace

QString fileNameSafe(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        if (isForbidden(c)) c = QLatin1Char('_');
    }
    return out;
}

QString boundedFileName(const QString& prefix, const QString& part, const QString& suffix)
{
    QString safe = fileNameSafe(part);
    const qsizetype fixed = (prefix + suffix).toUtf8().size();
    while (!safe.isEmpty() && fixed + safe.toUtf8().size() > kMaxFileNameBytes) {
        safe.chop(safe.back().isLowSurrogate() && safe.size() > 1 ? 2 : 1);
    }
    return prefix + safe + suffix;
}

QString reportFilePath(const QString& programDir, const QString& persona)
{
    return besideFolder(programDir, QStringLiteral("-RelazioneTipolab-") + persona);
}

QString guideFilePath(const QString& programDir, const QString& programName)
{
    return besideFolder(programDir, programName + QStringLiteral("-guida"));
}

QString sheetFilePath(const QString& folder, const QString& programName, const QString& kind,
                      const QString& persona)
{
    const QString prefix = fileNameSafe(programName) + QLatin1Char('-') + kind;
    const QString part = persona.isEmpty() ? QString() : QLatin1Char('-') + persona;
    const QString name = boundedFileName(prefix, part, QString());
    const QDir dir(folder);
    QString path = dir.filePath(name + QStringLiteral(".doc"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(name + QStringLiteral(" (%1).doc").arg(n));
    return path;
}

SavedFile saveDocument(const ReportWriter& writer, const QString& path,
                       const QString& fallbackFolder)
{
    SavedFile out;
    out.path = path;
    QDir().mkpath(QFileInfo(path).absolutePath());
    out.error = writer.save(path);
    if (out.ok()) return out;

    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (folder.isDir() && folder.isWritable()) return out; // the folder is fine: the file is not

    const QString elsewhere = QDir(fallbackFolder).filePath(QFileInfo(path).fileName());
    QDir().mkpath(fallbackFolder);
    const QString error = writer.save(elsewhere);
    if (!error.isEmpty()) {
        out.error = error;
        return out;
    }
    out.path = elsewhere;
    out.elsewhere = true;
    out.error.clear();
    return out;
}

} // namespace tipolab
