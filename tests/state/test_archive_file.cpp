#include "files/file_io.h"
#include "state/archive_file.h"
#include "test_paths.h"
#include "test_state.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tipolab;

namespace {

ArchiveRecord sampleRecord()
{
    const QString path = QStringLiteral(TIPOLAB_TEST_DATA_DIR "/Tipolab-dati-esempio");
    ArchiveLoad load = loadArchiveFile(path);
    if (!load.record) qFatal("fixture unreadable");
    return *load.record;
}

} // namespace

void TestArchiveFile::saveThenLoad()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tipolab-dati-Anna"));
    const ArchiveRecord r = sampleRecord();
    QCOMPARE(saveArchiveFile(path, r), QString());
    QCOMPARE(test::readFile(path).toStdString(), writeArchive(r));
    const ArchiveLoad back = loadArchiveFile(path);
    QVERIFY(back.record && *back.record == r);
    // Saving again replaces the file and leaves nothing else in the folder.
    QCOMPARE(saveArchiveFile(path, ArchiveRecord{}), QString());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestArchiveFile::damagedFileLeavesMemoryUntouched_data()
{
    QTest::addColumn<QByteArray>("content"); // "<missing>" / "<folder>" for those cases
    QTest::addColumn<QString>("mentions");
    QTest::newRow("missing file") << QByteArray("<missing>") << "non esiste";
    QTest::newRow("a folder") << QByteArray("<folder>") << "cartella";
    QTest::newRow("a symbolic link to itself")
        << QByteArray("<loop>") << "collegamenti simbolici nel percorso (forse un ciclo)";
    QTest::newRow("cut after line 40") << QByteArray("<cut>") << "riga 41, valore 1";
    QTest::newRow("bad weight") << QByteArray(R"("","x","","","","","")"
                                              "\r\n")
                                << "riga 2";
}

void TestArchiveFile::damagedFileLeavesMemoryUntouched()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, mentions);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tipolab-dati-rotto"));
    if (content == "<folder>") {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Tipolab-dati-rotto")));
    } else if (content == "<loop>") {
        QVERIFY(QFile::link(path, path));
    } else if (content == "<cut>") {
        const QByteArray whole = QByteArray::fromStdString(writeArchive(sampleRecord()));
        qsizetype at = 0;
        for (int i = 0; i < 40; ++i)
            at = whole.indexOf("\r\n", at) + 2;
        test::writeFile(path, whole.left(at));
    } else if (content != "<missing>") {
        test::writeFile(path, content);
    }

    // The assessment in memory: another person, fully judged.
    AssessmentData data;
    applyRecord(sampleRecord(), data);
    data.currentType = 4;
    TitleFields title = sampleRecord().title;
    const AssessmentData dataBefore = data;
    const TitleFields titleBefore = title;

    const QString error = loadArchiveInto(path, data, title);
    QVERIFY(!error.isEmpty());
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
    QVERIFY2(error.contains(mentions), qPrintable(error));
    QVERIFY(data.types == dataBefore.types);
    QVERIFY(data.characteristics == dataBefore.characteristics);
    QVERIFY(title == titleBefore);
}

void TestArchiveFile::failedSaveLeavesExistingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tipolab-dati-Anna"));
    const QByteArray previous = QByteArray::fromStdString(writeArchive(ArchiveRecord{}));
    test::writeFile(path, previous);

    QString error;
    {
        // The disk "fills up" halfway through the new file.
        test::FileSizeLimit limit(static_cast<rlim_t>(previous.size()) / 2);
        error = saveArchiveFile(path, sampleRecord());
    }
    QVERIFY2(!error.isEmpty(), "a failed save must be reported");
    QVERIFY(error.contains(QDir::toNativeSeparators(path)));
    QCOMPARE(test::readFile(path), previous);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

namespace {

mode_t modeOf(const QString& path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

} // namespace

// Under a umask that lets everyone read, a save is readable by the user alone
// while it is being written, and a new archive after; an archive replaced
// keeps the mode the user gave it.
void TestArchiveFile::savesArePrivate()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tipolab-dati-Anna"));
    const std::string bytes = writeArchive(sampleRecord());
    const mode_t mask = ::umask(0);
    // The file-size limit's signal ends a save halfway: what it was writing stays.
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{512, 512};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        saveFile(QFile::encodeName(path).toStdString(), bytes, SaveMode::Replace);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    const QString error = saveArchiveFile(path, sampleRecord());
    const mode_t created = modeOf(path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const QString again = saveArchiveFile(path, ArchiveRecord{});
    ::umask(mask);

    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
    const QStringList left =
        QDir(dir.path()).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
    QCOMPARE(left.size(), 1);
    QCOMPARE(modeOf(dir.filePath(left.first())), mode_t(0600));
    QCOMPARE(error, QString());
    QCOMPARE(created, mode_t(0600));
    QCOMPARE(again, QString());
    QCOMPARE(modeOf(path), mode_t(0640));
}

void TestArchiveFile::saveToMissingFolderFails()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("manca/Tipolab-dati-Anna"));
    const QString error = saveArchiveFile(path, sampleRecord());
    QVERIFY2(error.contains(QStringLiteral("il file o la cartella non esiste")), qPrintable(error));
    QVERIFY(!QFile::exists(path));
}
