#include "help_tests.h"
#include "test_support.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    return tipolab::test::runTests<TestHelpWindows, TestTips>(argc, argv);
}
