#include "test_core.h"
#include "test_support.h"

int main(int argc, char** argv)
{
    return tipolab::test::runTests<TestModel, TestScoring, TestProfile, TestResponseStyle>(argc,
                                                                                           argv);
}
