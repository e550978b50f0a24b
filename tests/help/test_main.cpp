#include "help_tests.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    int status = 0;
    {
        TestHelpWindows t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestTips t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
