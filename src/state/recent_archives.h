// The archives last opened or saved, newest first, with the person each
// holds: the "&File" menu lists them, and the file dialogs start in the folder
// of the newest. Kept between sessions in a small file of the user's own
// (one "person<TAB>path" line each), readable by the user alone, since the
// names are of the people assessed.
#pragma once

#include <QList>
#include <QString>

namespace tipolab {

struct RecentArchive {
    QString path;
    QString persona;
};

class RecentArchives {
public:
    static constexpr int kKept = 4;

    // Kept in memory only while `file` is empty; otherwise read from it now
    // (a missing or unreadable file lists nothing) and written at each change.
    explicit RecentArchives(QString file = {});

    const QList<RecentArchive>& list() const { return m_list; }
    // The folder of the newest archive; empty while there is none.
    QString lastFolder() const;
    // `path` becomes the newest, once, with the person it now holds.
    void add(const QString& path, const QString& persona);

    // The lines of the file read: lines that are not "person<TAB>path" with
    // an absolute path are passed over, and at most kKept are taken.
    static QList<RecentArchive> fromText(const QString& text);
    static QString toText(const QList<RecentArchive>& list);

private:
    QString m_file;
    QList<RecentArchive> m_list;
};

} // namespace tipolab
