#include "data/file_stamp.h"

#include "data/data_texts.h"
#include "data/text_file.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace data {

namespace {
FileStamp stampOf(const struct stat& st)
{
    FileStamp stamp;
    stamp.known = true;
    stamp.exists = true;
    stamp.size = st.st_size;
    stamp.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.changedNs = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    stamp.inode = st.st_ino;
    return stamp;
}

FileStamp missing()
{
    FileStamp stamp;
    stamp.known = true;
    return stamp;
}
} // namespace

FileStamp stampFile(const QString& path)
{
    struct stat st
    {
    };
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return missing();
    return stampOf(st);
}

QuickRead readSmallFile(const QString& path, qint64 limit, QByteArray* bytes, FileStamp* stamp, QString* reason)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0) {
        const int code = errno;
        *stamp = stampFile(path);
        if (code == ENOENT)
            return QuickRead::Missing;
        *reason = reasonForErrno(code, path);
        return QuickRead::Failed;
    }
    struct stat st
    {
    };
    QuickRead result = QuickRead::Read;
    if (::fstat(fd, &st) != 0) {
        *stamp = missing();
        *reason = reasonForErrno(errno, path);
        result = QuickRead::Failed;
    } else if (!S_ISREG(st.st_mode)) {
        *stamp = stampOf(st);
        *reason = S_ISDIR(st.st_mode) ? dataText(DataText::PathIsFolderNotFile) : dataText(DataText::NotRegularFile);
        result = QuickRead::Failed;
    } else if (st.st_size > limit) {
        *stamp = stampOf(st);
        result = QuickRead::TooLarge;
    } else {
        *stamp = stampOf(st);
        // One byte more than fstat says: a read that fills it means the file grew meanwhile.
        bytes->resize(qsizetype(st.st_size) + 1);
        ssize_t got;
        do
            got = ::read(fd, bytes->data(), size_t(bytes->size()));
        while (got < 0 && errno == EINTR);
        if (got < 0) {
            *reason = reasonForErrno(errno, path);
            result = QuickRead::Failed;
        } else if (got == bytes->size()) {
            result = QuickRead::TooLarge;
        } else {
            bytes->truncate(got);
        }
    }
    ::close(fd);
    return result;
}

} // namespace data
