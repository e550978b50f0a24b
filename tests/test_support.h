// Small helpers shared by the test executables.
#pragma once

#include "core/judgement.h"

#include <QFile>
#include <QTest>
#include <csignal>
#include <string>
#include <sys/resource.h>

namespace tipolab::test {

template <class Test> int runTest(int argc, char** argv)
{
    Test t;
    return QTest::qExec(&t, argc, argv);
}

// Runs each test object in turn; non-zero when any failed.
template <class... Tests> int runTests(int argc, char** argv)
{
    int status = 0;
    ((status |= runTest<Tests>(argc, argv)), ...);
    return status;
}

// The bytes of the file `path`; empty when it cannot be read.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes `bytes` as the file `path`, failing the test when it cannot.
inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Limits the size of any file this process writes, for the life of the
// object: the disk "fills up" there. A write beyond it fails (EFBIG).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lim = m_old;
        lim.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int);
};

// An item ticked and judged with `step`, as the windows store it.
inline Judgement judged(int step)
{
    Judgement j;
    j.tick = Value::number(1);
    j.word = Value::text(std::string(stepWord(step)));
    j.step = Value::text(std::to_string(step));
    j.coefficient = Value::number(stepCoefficient(step));
    return j;
}

} // namespace tipolab::test
