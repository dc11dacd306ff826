#include "data/text_file.h"

#include "data/data_texts.h"
#include "data/file_reasons.h"
#include "data/text_codec.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace data {

namespace {

QByteArray nativePath(const QString& path)
{
    return QFile::encodeName(path);
}

QString folderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

QString failure(DataText what, const QString& path, const QString& reason)
{
    // One arg() call, so that a "%1" inside the path is never read as a placeholder.
    return dataText(what).arg(shownPath(path), reason);
}

// What stands at path, without following a link and without opening it (opening a pipe blocks).
// Returns an empty reason when a file of this kind may be used.
QString kindProblem(const struct stat& st, Links links, const QString& path)
{
    if (S_ISLNK(st.st_mode)) {
        if (links == Links::Refuse)
            return dataText(DataText::FileIsLink);
        struct stat target
        {
        };
        if (::stat(nativePath(path).constData(), &target) != 0)
            return reasonForErrno(errno, path);
        return kindProblem(target, Links::Refuse, path);
    }
    if (S_ISDIR(st.st_mode))
        return dataText(DataText::PathIsFolderNotFile);
    if (!S_ISREG(st.st_mode))
        return dataText(DataText::NotRegularFile);
    if (st.st_size > kMaxFileSize)
        return dataText(DataText::FileOverSizeLimit).arg(kMaxFileSize / (1024 * 1024));
    return QString();
}

// The owner's write bit is the read-only mark. It is checked on its own, not only through access
// rights, so that even a privileged user never changes a protected file or folder.
QString problemOfFolder(const QString& folder)
{
    struct stat st
    {
    };
    if (::stat(nativePath(folder).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return dataText(DataText::FolderMissing).arg(shownPath(folder));
    if (!(st.st_mode & S_IWUSR) || ::access(nativePath(folder).constData(), W_OK | X_OK) != 0)
        return dataText(DataText::FolderAccessDenied);
    return QString();
}

QString folderProblem(const QString& path)
{
    return problemOfFolder(folderOf(path));
}

QString writeProblem(const QString& path, bool anySize = false)
{
    const QString folder = folderProblem(path);
    if (!folder.isEmpty())
        return folder;
    struct stat st
    {
    };
    if (::lstat(nativePath(path).constData(), &st) != 0)
        return errno == ENOENT ? QString() : reasonForErrno(errno, path);
    // A file that is only replaced, never read (an export), may be of any size.
    if (anySize && S_ISREG(st.st_mode))
        st.st_size = 0;
    const QString kind = kindProblem(st, Links::Refuse, path);
    if (!kind.isEmpty())
        return kind;
    if (!(st.st_mode & S_IWUSR))
        return dataText(DataText::FileReadOnly);
    if (::access(nativePath(path).constData(), W_OK) != 0)
        return dataText(DataText::AccessDenied);
    return QString();
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

bool fileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

bool entryExists(const QString& path)
{
    struct stat st
    {
    };
    return !path.isEmpty() && ::lstat(nativePath(path).constData(), &st) == 0;
}

bool readFileBytes(const QString& path, QByteArray* out, QString* error, Links links)
{
    const DataText what = DataText::CannotOpenFile;
    struct stat st
    {
    };
    if (::lstat(nativePath(path).constData(), &st) != 0) {
        *error = failure(what, path, reasonForErrno(errno, path));
        return false;
    }
    const QString kind = kindProblem(st, links, path);
    if (!kind.isEmpty()) {
        *error = failure(what, path, kind);
        return false;
    }

    // Non-blocking, and no link followed where links are refused: what stands at the path may have
    // changed since the check above.
    const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | (links == Links::Refuse ? O_NOFOLLOW : 0);
    const FileDescriptor fd(::open(nativePath(path).constData(), flags));
    if (fd.get() < 0) {
        *error = failure(what, path, reasonForErrno(errno, path));
        return false;
    }
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        *error = failure(what, path, dataText(DataText::NotRegularFile));
        return false;
    }

    QByteArray bytes;
    // One byte more than fstat says, so the read that meets the end needs no new room.
    bytes.resize(static_cast<qsizetype>(std::min<qint64>(st.st_size, kMaxFileSize) + 1));
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (bytes.size() > kMaxFileSize) {
                *error = failure(DataText::CannotReadFile, path,
                                 dataText(DataText::FileOverSizeLimit).arg(kMaxFileSize / (1024 * 1024)));
                return false;
            }
            // The file may have grown since fstat; read on until its real end.
            bytes.resize(std::min<qsizetype>(bytes.size() + 65536, kMaxFileSize + 1));
        }
        const ssize_t got = ::read(fd.get(), bytes.data() + filled, static_cast<size_t>(bytes.size() - filled));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            *error = failure(DataText::CannotReadFile, path, reasonForErrno(errno, path));
            return false;
        }
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    *out = std::move(bytes);
    return true;
}

bool readTextFile(const QString& path, QString* text, QString* error, Links links)
{
    QByteArray bytes;
    if (!readFileBytes(path, &bytes, error, links))
        return false;
    *text = decodeWindows1252(bytes);
    return true;
}

bool canWriteFile(const QString& path, QString* error)
{
    const QString problem = writeProblem(path);
    if (problem.isEmpty())
        return true;
    *error = failure(DataText::CannotWriteFile, path, problem);
    return false;
}

bool canReplaceWhole(const QString& path, QString* error)
{
    const QString problem = writeProblem(path, true);
    if (problem.isEmpty())
        return true;
    *error = failure(DataText::CannotWriteFile, path, problem);
    return false;
}

bool replaceFile(const QString& path, const QByteArray& bytes, QString* error)
{
    const DataText what = DataText::CannotWriteFile;
    if (!canWriteFile(path, error))
        return false;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error =
            failure(what, path, writeProblem(path).isEmpty() ? dataText(DataText::AccessDenied) : writeProblem(path));
        return false;
    }
    // The bytes go straight to the temporary file and are flushed to disk here, where every failure
    // is seen: Qt's own flush inside commit() renames the file over the old one even when it failed.
    if (!writeAll(file.handle(), bytes) || ::fsync(file.handle()) != 0) {
        const int code = errno;
        file.cancelWriting();
        *error = failure(what, path, reasonForErrno(code, path));
        return false;
    }
    errno = 0;
    if (!file.commit()) {
        const int code = errno;
        *error = failure(what, path, code != 0 ? reasonForErrno(code, path) : dataText(DataText::FileNotReplaced));
        return false;
    }
    return true;
}

bool appendToFile(const QString& path, const QByteArray& bytes, QString* error)
{
    const DataText what = DataText::CannotWriteToFile;
    const QString problem = writeProblem(path);
    if (!problem.isEmpty()) {
        *error = failure(what, path, problem);
        return false;
    }
    const bool existed = entryExists(path);
    const FileDescriptor fd(
        ::open(nativePath(path).constData(), O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666));
    struct stat st
    {
    };
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0) {
        *error = failure(what, path, reasonForErrno(errno, path));
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        *error = failure(what, path, dataText(DataText::NotRegularFile));
        return false;
    }

    const off_t before = st.st_size;
    char last = '\n';
    if (before > 0 && ::pread(fd.get(), &last, 1, before - 1) != 1)
        last = '\n';
    const QByteArray record = last == '\n' || last == '\r' ? bytes : "\r\n" + bytes;

    if (!writeAll(fd.get(), record) || ::fsync(fd.get()) != 0) {
        const int code = errno;
        // Half a record would turn into a phantom entry or swallow the next one: take it back.
        if (existed)
            (void)!::ftruncate(fd.get(), before);
        else
            ::unlink(nativePath(path).constData());
        *error = failure(what, path, reasonForErrno(code, path));
        return false;
    }
    return true;
}

bool makeFolder(const QString& path, QString* error)
{
    const QString folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    struct stat st
    {
    };
    if (::stat(nativePath(folder).constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return true;
        *error = failure(DataText::CannotCreateFolder, folder, dataText(DataText::FileInTheWay));
        return false;
    }
    if (folderOf(folder) != folder && !makeFolder(folderOf(folder), error))
        return false;
    if (::mkdir(nativePath(folder).constData(), 0777) != 0 && errno != EEXIST) {
        *error = failure(DataText::CannotCreateFolder, folder, reasonForErrno(errno, folder));
        return false;
    }
    return true;
}

bool canWriteInFolder(const QString& folder, QString* error)
{
    const QString problem = problemOfFolder(folder);
    if (problem.isEmpty())
        return true;
    *error = failure(DataText::CannotWriteInFolder, folder, problem);
    return false;
}

bool copyFileIfMissing(const QString& from, const QString& to, bool* copied, QString* error)
{
    *copied = false;
    if (entryExists(to))
        return true;
    QByteArray bytes;
    if (!readFileBytes(from, &bytes, error, Links::Follow))
        return false;
    const DataText what = DataText::CannotCopyToFile;
    const QString problem = folderProblem(to);
    if (!problem.isEmpty()) {
        *error = failure(what, to, problem);
        return false;
    }
    // Written under a hidden name first, so a copy cut short never passes for the file itself.
    QByteArray temporary = nativePath(folderOf(to) + QStringLiteral("/.zel-kopia-XXXXXX"));
    const FileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0) {
        *error = failure(what, to, reasonForErrno(errno, to));
        return false;
    }
    const auto fail = [&](int code) {
        ::unlink(temporary.constData());
        *error = failure(what, to, reasonForErrno(code, to));
        return false;
    };
    if (::fchmod(fd.get(), 0644) != 0 || !writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0)
        return fail(errno);
    // The name is taken only where it is free: a file the clerk made meanwhile stays as it is.
    int moved = ::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, nativePath(to).constData(), RENAME_NOREPLACE);
    if (moved != 0 && (errno == EINVAL || errno == ENOSYS)) {
        // A file system without it still refuses to link over a name that is taken.
        moved = ::link(temporary.constData(), nativePath(to).constData());
        if (moved == 0)
            ::unlink(temporary.constData());
    }
    if (moved != 0)
        return errno == EEXIST ? (::unlink(temporary.constData()), true) : fail(errno);
    *copied = true;
    return true;
}

int removeLeftovers(const QString& folder, const std::function<bool(const QString& name)>& matches,
                    int minimumAgeSeconds, const std::function<bool(const QString&)>& inUse)
{
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-minimumAgeSeconds);
    int removed = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (!matches(info.fileName()) || info.isSymLink() || !info.isFile() || info.lastModified() > before ||
            (inUse && inUse(info.filePath())))
            continue;
        if (::unlink(nativePath(info.filePath()).constData()) == 0)
            ++removed;
    }
    return removed;
}

QStringList baseNamesIn(const QString& folder, const QString& suffix)
{
    QStringList names;
    QDirIterator it(folder, QDir::Files);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (name.size() > suffix.size() && name.endsWith(suffix, Qt::CaseInsensitive) && fileExists(it.filePath()))
            names << name.chopped(suffix.size());
    }
    // A plain comparison: a collator would load the locale's whole collation table into the first window.
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

bool canDeleteFile(const QString& path, QString* error)
{
    struct stat st
    {
    };
    if (::lstat(nativePath(path).constData(), &st) != 0)
        return true;
    QString problem;
    if (S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR))
        problem = dataText(DataText::FileReadOnly);
    else if (S_ISDIR(st.st_mode))
        problem = dataText(DataText::PathIsFolder);
    else
        problem = folderProblem(path);
    if (problem.isEmpty())
        return true;
    *error = failure(DataText::CannotDeleteFile, path, problem);
    return false;
}

bool deleteFile(const QString& path, QString* error)
{
    if (!canDeleteFile(path, error))
        return false;
    // unlink removes a link itself and never follows it.
    if (::unlink(nativePath(path).constData()) != 0) {
        *error = failure(DataText::CannotDeleteFile, path, reasonForErrno(errno, path));
        return false;
    }
    return true;
}

} // namespace data
