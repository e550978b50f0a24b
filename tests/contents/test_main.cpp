#include "installed_fonts.h"
#include "test_contents.h"
#include "test_support.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

int main(int argc, char** argv)
{
    const QTemporaryDir fonts;
    tipolab::test::useInstalledFontConfiguration(fonts);
    QGuiApplication app(argc, argv);
    return tipolab::test::runTests<TestFullReport, TestWindowSheets, TestProfileSheet,
                                   TestComparison>(argc, argv);
}
