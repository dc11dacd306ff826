#pragma once

#include <QByteArray>
#include <QString>

namespace stress {

// A driver's record of the steps it took, one line each. Every line is on disk (fsync) before the
// next step starts, so after a kill the journal never claims more than what happened.
class Journal
{
public:
    explicit Journal(const QString& path);
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    bool isOpen() const { return m_fd >= 0; }

    // The line and its line end go out in one write, so a kill never leaves half a line.
    bool append(const QByteArray& line);

private:
    int m_fd = -1;
};

} // namespace stress
