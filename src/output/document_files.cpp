#include "document_files.h"

#include "rtf_writer.h"
#include "files/error_reasons.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace tipolab {
namespace {

// Most file systems take 255 bytes for one name; a little is kept back for
// the number that tells documents of the same name apart.
constexpr qsizetype kMaxFileNameBytes = 240;

bool needsCode(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F || QStringView(u"/\\:*?\"<>|%").contains(c);
}

// FNV-1a over the UTF-8 bytes: the same text always gives the same number.
QString checkNumber(const QString& text)
{
    quint32 hash = 2166136261u;
    for (const char byte : text.toUtf8()) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 16777619u;
    }
    return QStringLiteral("~%1").arg(hash, 8, 16, QLatin1Char('0'));
}

QString besideFolder(const QString& folder, const QString& suffix)
{
    const QFileInfo info(QDir::cleanPath(QDir(folder).absolutePath()));
    const QString name = boundedFileName(info.fileName(), suffix, QStringLiteral(".doc"));
    return info.dir().filePath(name);
}

// "<name> (n).doc" for "<name>.doc".
QString numberedPath(const QString& path, int n)
{
    if (n < 2) return path;
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    const QString base = info.fileName().chopped(suffix.size());
    return info.dir().filePath(base + QStringLiteral(" (%1)").arg(n) + suffix);
}

std::string nativePath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// Saves `bytes` as `target` says; `saved` becomes the path written. Returns
// 0 or the system's error number.
int save(const QByteArray& bytes, const DocumentTarget& target, QString& saved)
{
    const std::string_view data(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (!target.numbered) {
        saved = target.path;
        return saveFile(nativePath(saved), data, SaveMode::Replace, target.access);
    }
    int error = EEXIST;
    for (int n = 1; error == EEXIST && n < 1000; ++n) {
        saved = numberedPath(target.path, n);
        const bool own = target.ownFiles.contains(saved);
        error = saveFile(nativePath(saved), data, own ? SaveMode::Replace : SaveMode::CreateNew,
                         target.access);
    }
    return error;
}

bool writableFolder(const QString& path)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    return folder.isDir() && folder.isWritable();
}

} // namespace

QString replaceDocumentFile(const QString& path, const QByteArray& bytes)
{
    const std::string_view data(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const int error = saveFile(nativePath(path), data, SaveMode::Replace, FileAccess::OwnerOnly);
    return error ? QString::fromStdString(errorReason(error)) : QString();
}

QString saveRtf(const ReportDocument& document, const QString& path)
{
    return replaceDocumentFile(path, toRtf(document));
}

QString fileNameSafe(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (needsCode(c))
            out += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            out += c;
    }
    return out;
}

QString boundedFileName(const QString& prefix, const QString& part, const QString& suffix)
{
    const QString safe = fileNameSafe(part);
    const qsizetype fixed = (prefix + suffix).toUtf8().size();
    if (fixed + safe.toUtf8().size() <= kMaxFileNameBytes) return prefix + safe + suffix;
    const QString check = checkNumber(part);
    QString cut = safe;
    while (!cut.isEmpty() && fixed + cut.toUtf8().size() + check.size() > kMaxFileNameBytes)
        cut.chop(cut.back().isLowSurrogate() && cut.size() > 1 ? 2 : 1);
    return prefix + cut + check + suffix;
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
    return QDir(folder).filePath(boundedFileName(prefix, part, QStringLiteral(".doc")));
}

SavedFile saveDocument(const ReportWriter& writer, const DocumentTarget& target,
                       const QString& fallbackFolder)
{
    const QByteArray bytes = toRtf(writer.document());
    SavedFile out;
    out.path = target.path;
    if (target.folderProblem.isEmpty()) {
        QDir().mkpath(QFileInfo(target.path).absolutePath());
        const int error = save(bytes, target, out.path);
        if (!error) return out;
        out.error = QString::fromStdString(errorReason(error));
        if (writableFolder(target.path)) return out; // the folder is fine: the file is not
    }

    DocumentTarget elsewhere = target;
    elsewhere.path = QDir(fallbackFolder).filePath(QFileInfo(target.path).fileName());
    elsewhere.numbered = true;
    elsewhere.folderProblem.clear();
    QDir().mkpath(fallbackFolder);
    QString saved;
    const int error = save(bytes, elsewhere, saved);
    if (error) {
        out.error = QString::fromStdString(errorReason(error));
        out.path = saved;
        return out;
    }
    out.path = saved;
    out.elsewhere = true;
    out.folderProblem = target.folderProblem;
    out.error.clear();
    return out;
}

} // namespace tipolab
