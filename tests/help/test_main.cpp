#include "help_tests.h"
#include "test_support.h"

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

int main(int argc, char** argv)
{
    // The user's data folder (where a refreshed price list goes) in a
    // temporary folder.
    QTemporaryDir home;
    if (!home.isValid()) return 1;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    return tipolab::test::runTests<TestHelpWindows, TestTips, TestPriceList>(argc, argv);
}
