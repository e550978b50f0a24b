#include "installed_fonts.h"
#include "test_layout.h"
#include "test_support.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

int main(int argc, char** argv)
{
    const QTemporaryDir fonts;
    tipolab::test::useInstalledFontConfiguration(fonts);
    QApplication app(argc, argv);
    return tipolab::test::runTests<TestReportWriter, TestDocumentFiles, TestDocumentCli,
                                   TestLibreOffice>(argc, argv);
}
