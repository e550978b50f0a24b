#include "standard_output.h"

#include <cerrno>
#include <unistd.h>

namespace tipolab {

StandardOutput::StandardOutput(int fd) : m_fd(fd)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 StandardOutput::writeData(const char* data, qint64 size)
{
    qint64 done = 0;
    while (done < size && m_error == 0) {
        const ssize_t n = ::write(m_fd, data + done, static_cast<size_t>(size - done));
        if (n >= 0)
            done += n;
        else if (errno != EINTR)
            m_error = errno;
    }
    return m_error ? -1 : done;
}

int StandardOutput::finish(QTextStream& stream)
{
    stream.flush();
    if (m_error == 0 && stream.status() != QTextStream::Ok) m_error = EIO;
    if (::close(m_fd) != 0 && m_error == 0) m_error = errno;
    return m_error;
}

} // namespace tipolab
