#include "data/file_reasons.h"

#include "data/data_texts.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>

namespace data {

namespace {

constexpr int kLongestQuote = 80;

// A path is named whole unless it is absurdly long (a list entry of megabytes).
constexpr int kLongestShownPath = 1000;

} // namespace

QString shownPath(const QString& path)
{
    const QString native = QDir::toNativeSeparators(path);
    return native.size() <= kLongestShownPath ? native : native.left(kLongestShownPath - 1) + QChar(0x2026);
}

QString reasonForErrno(int code, const QString& path)
{
    switch (code) {
    case ENOENT: {
        const QString folder = QFileInfo(path).absolutePath();
        if (!QFileInfo(folder).isDir())
            return dataText(DataText::FolderMissing).arg(shownPath(folder));
        return dataText(DataText::FileMissing);
    }
    case EACCES:
    case EPERM:
        return dataText(DataText::AccessDenied);
    case ENOSPC:
    case EDQUOT:
        return dataText(DataText::DiskFull);
    case ELOOP:
        return dataText(DataText::FileIsLink);
    case EISDIR:
        return dataText(DataText::PathIsFolder);
    case ENOTDIR:
        return dataText(DataText::PathPartNotFolder);
    case EROFS:
        return dataText(DataText::DiskReadOnly);
    case EFBIG:
        return dataText(DataText::FileTooLarge);
    case EIO:
        return dataText(DataText::DiskIoError);
    case ENXIO:
        return dataText(DataText::NotRegularFile);
    default:
        return dataText(DataText::UnexpectedError).arg(code);
    }
}

QString quotedForMessage(const QString& value)
{
    qsizetype end = value.size();
    for (qsizetype i = 0; i < value.size() && i <= kLongestQuote; ++i) {
        if (value.at(i) == u'\r' || value.at(i) == u'\n') {
            end = i;
            break;
        }
    }
    if (end <= kLongestQuote && end == value.size())
        return value;
    return value.left(std::min<qsizetype>(end, kLongestQuote - 1)) + QChar(0x2026);
}

} // namespace data
