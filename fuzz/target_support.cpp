#include "target_support.h"

#include "data/app_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace fuzzing {

namespace {
QString folderTemplate()
{
    const QString shm = QStringLiteral("/dev/shm");
    return (QFileInfo(shm).isDir() && QFileInfo(shm).isWritable() ? shm : QDir::tempPath()) +
           QStringLiteral("/zel-fuzz-XXXXXX");
}

QString makeFolder(const QTemporaryDir& folder)
{
    QDir root(folder.path());
    if (!folder.isValid() || !root.mkpath(QStringLiteral("Order")) || !root.mkpath(QStringLiteral("System/Language")))
        fail("cannot make the scratch application folder");
    data::setApplicationFolder(folder.path());
    return folder.path();
}
} // namespace

QString scratchAppFolder()
{
    static const QTemporaryDir folder(folderTemplate());
    static const QString path = makeFolder(folder);
    return path;
}

QString writeInput(const QString& relative, const uint8_t* data, size_t size)
{
    const QString path = scratchAppFolder() + QLatin1Char('/') + relative;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        fail("cannot write the input file");
    return path;
}

void fail(const char* rule)
{
    std::fprintf(stderr, "broken rule: %s\n", rule);
    std::abort();
}

void checkError(bool ok, const QString& error, const QString& path)
{
    if (!ok && (error.isEmpty() || !error.contains(QDir::toNativeSeparators(path))))
        fail("a failed read must say why and name the file");
}

} // namespace fuzzing
