#include "test_support.h"
#include "test_windows.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    return tipolab::test::runTests<TestTipi, TestFrame, TestRisultati, TestFrontespizio>(argc,
                                                                                         argv);
}
