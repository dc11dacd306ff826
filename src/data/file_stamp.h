#pragma once

#include <QByteArray>
#include <QString>

namespace data {

// One version of a file as it stands on disk: a write of any kind (replaced, appended to, made
// unreadable, removed) gives another stamp, so that a reader can tell what changed without reading.
struct FileStamp
{
    bool known = false; // false: never looked at, which equals no stamp of a real file
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    quint64 inode = 0;

    bool operator==(const FileStamp& other) const
    {
        return known == other.known && exists == other.exists && size == other.size && modifiedNs == other.modifiedNs &&
               changedNs == other.changedNs && inode == other.inode;
    }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

// The stamp of what stands at path now, without following a link.
FileStamp stampFile(const QString& path);

enum class QuickRead { Read, Missing, TooLarge, Failed };

// Reads a small order file in one go, for readers that go through tens of thousands of them:
// never through a link, never blocking on something that is no plain file. Gives the file's stamp
// in every case, its bytes when it is at most `limit` bytes, and on Failed the reason in words.
QuickRead readSmallFile(const QString& path, qint64 limit, QByteArray* bytes, FileStamp* stamp, QString* reason);

} // namespace data
