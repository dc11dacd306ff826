#include "journal.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace stress {

Journal::Journal(const QString& path)
{
    m_fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
}

Journal::~Journal()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool Journal::append(const QByteArray& line)
{
    if (m_fd < 0)
        return false;
    const QByteArray bytes = line + '\n';
    ssize_t written;
    do {
        written = ::write(m_fd, bytes.constData(), size_t(bytes.size()));
    } while (written < 0 && errno == EINTR);
    return written == bytes.size() && ::fsync(m_fd) == 0;
}

} // namespace stress
