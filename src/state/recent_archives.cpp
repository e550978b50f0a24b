#include "recent_archives.h"

#include "files/file_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tipolab {
namespace {

constexpr std::size_t kLargestFile = 64 * 1024;

} // namespace

RecentArchives::RecentArchives(QString file) : m_file(std::move(file))
{
    if (m_file.isEmpty()) return;
    const FileRead read = readRegularFile(QFile::encodeName(m_file).toStdString(), kLargestFile);
    if (read.ok())
        m_list = fromText(QString::fromUtf8(read.bytes.data(), qsizetype(read.bytes.size())));
}

QString RecentArchives::lastFolder() const
{
    return m_list.isEmpty() ? QString() : QFileInfo(m_list.first().path).absolutePath();
}

void RecentArchives::add(const QString& path, const QString& persona)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // A name with a line break or a tab in it would not read back as written.
    if (absolute.contains(u'\n') || absolute.contains(u'\t')) return;
    for (qsizetype i = 0; i < m_list.size(); ++i) {
        if (m_list[i].path == absolute) m_list.removeAt(i--);
    }
    m_list.prepend({absolute, persona.simplified()});
    while (m_list.size() > kKept)
        m_list.removeLast();
    if (m_file.isEmpty()) return;
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    // A list that cannot be written is no loss to the assessment: it stays in memory.
    saveFile(QFile::encodeName(m_file).toStdString(), toText(m_list).toStdString(),
             SaveMode::Replace, FileAccess::OwnerOnly);
}

QList<RecentArchive> RecentArchives::fromText(const QString& text)
{
    QList<RecentArchive> list;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype tab = line.indexOf(u'\t');
        if (tab < 0) continue;
        const QString path = line.mid(tab + 1).trimmed();
        if (!QDir::isAbsolutePath(path) || path.contains(u'\t')) continue;
        list.append({path, line.left(tab).simplified()});
        if (list.size() == kKept) break;
    }
    return list;
}

QString RecentArchives::toText(const QList<RecentArchive>& list)
{
    QString text;
    for (const RecentArchive& r : list)
        text += r.persona + u'\t' + r.path + u'\n';
    return text;
}

} // namespace tipolab
