// The data window tests. Home and data folders point into a temporary folder,
// so that a file the delete command moves to the trash lands there.
#include "test_dati.h"

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

int main(int argc, char** argv)
{
    QTemporaryDir home;
    if (!home.isValid()) return 1;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/share")).toLocal8Bit());
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    if (argc == 3 && qstrcmp(argv[1], "--enter-and-die") == 0)
        return enterAndDie(QString::fromLocal8Bit(argv[2]));
    int status = 0;
    {
        TestDati t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestArchiveCommands t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestWorkKept t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestWindowDocuments t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestProfilo t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestProfessioni t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestKeyboard t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestRegistro t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestConfronto t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
