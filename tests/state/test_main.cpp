#include "test_state.h"

#include <QCoreApplication>
#include <QTest>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int status = 0;
    {
        TestArchiveCodec t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestArchiveFile t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestInstallation t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
