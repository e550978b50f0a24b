#include "test_windows.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    int status = 0;
    {
        TestTipi t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestFrame t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestRisultati t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestFrontespizio t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
