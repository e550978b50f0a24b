#include "installed_fonts.h"
#include "test_contents.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    return tipolab::test::runWithInstalledFonts<QGuiApplication, TestFullReport, TestWindowSheets,
                                                TestProfileSheet, TestComparison>(argc, argv);
}
