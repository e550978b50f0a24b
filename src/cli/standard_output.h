// The tool's standard output as a device that remembers why a write failed, so
// that a full disk or a closed pipe is told on standard error and ends the
// tool with status 1 rather than passing for success.
#pragma once

#include <QIODevice>
#include <QTextStream>

namespace tipolab {

class StandardOutput : public QIODevice {
public:
    // Open for writing, unbuffered: every write reaches the descriptor.
    explicit StandardOutput(int fd = 1);

    // Writes out what `stream` holds and closes the descriptor. Returns 0, or
    // the system's error number of the first write or close that failed.
    int finish(QTextStream& stream);

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    int m_fd;
    int m_error = 0;
};

} // namespace tipolab
