#include "test_core.h"

#include <QTest>

int main(int argc, char** argv)
{
    int status = 0;
    {
        TestModel t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestScoring t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
