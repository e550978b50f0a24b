#include "installed_fonts.h"
#include "test_layout.h"

#include <QApplication>

int main(int argc, char** argv)
{
    return tipolab::test::runWithInstalledFonts<QApplication, TestReportWriter, TestDocumentFiles,
                                                TestDocumentCli, TestLibreOffice>(argc, argv);
}
