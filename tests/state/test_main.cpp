#include "test_state.h"
#include "test_support.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return tipolab::test::runTests<TestArchiveCodec, TestArchiveFile, TestInstallation>(argc, argv);
}
