#include "data/app_folder.h"

#include "data/data_texts.h"
#include "data/text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>

namespace data {

namespace {
QString& overriddenFolder()
{
    static QString folder;
    return folder;
}

QString shippedSystemFolder(const QString& executableFolder)
{
    for (const QString& candidate : {executableFolder + QStringLiteral("/System"),
                                     executableFolder + QStringLiteral("/../share/zel2007/System")}) {
        if (QFileInfo(candidate).isDir())
            return QDir::cleanPath(candidate);
    }
    return QString();
}

// Copies what `to` lacks of `from`, folders included; hidden entries are not the program's.
bool seedFolder(const QString& from, const QString& to, QString* error)
{
    if (!makeFolder(to, error))
        return false;
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QString target = to + QLatin1Char('/') + it.fileName();
        bool copied = false;
        if (it.fileInfo().isDir() ? !seedFolder(it.filePath(), target, error)
                                  : !copyFileIfMissing(it.filePath(), target, &copied, error))
            return false;
    }
    return true;
}

QString cannotStart(const QString& reason)
{
    return dataText(DataText::CannotStart).arg(reason);
}
} // namespace

QString applicationFolder()
{
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return QCoreApplication::applicationDirPath();
}

void setApplicationFolder(const QString& folder)
{
    overriddenFolder() = folder;
}

bool settleApplicationFolder(const QString& executableFolder, QString* error)
{
    QString notWritable;
    if (QFileInfo(executableFolder + QStringLiteral("/System")).isDir() &&
        canWriteInFolder(executableFolder, &notWritable)) {
        setApplicationFolder(executableFolder);
        return true;
    }
    const QString shipped = shippedSystemFolder(executableFolder);
    if (shipped.isEmpty()) {
        *error = cannotStart(dataText(DataText::NoSystemFiles)
                                 .arg(QDir::toNativeSeparators(executableFolder + QStringLiteral("/System")),
                                      QDir::toNativeSeparators(QDir::cleanPath(
                                          executableFolder + QStringLiteral("/../share/zel2007/System")))));
        return false;
    }
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QString reason;
    // Missing shipped files are copied at every start, so a first start cut short is made whole.
    if (own.isEmpty() || !makeFolder(own + QStringLiteral("/Order"), &reason) ||
        !seedFolder(shipped, own + QStringLiteral("/System"), &reason)) {
        *error = cannotStart(reason.isEmpty() ? dataText(DataText::NoHomeFolder) : reason);
        return false;
    }
    setApplicationFolder(own);
    return true;
}

QString dataPath(const QString& relativePath)
{
    QString relative = relativePath;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!relative.startsWith(QLatin1Char('/')))
        relative.prepend(QLatin1Char('/'));
    return QDir::toNativeSeparators(applicationFolder() + relative);
}

} // namespace data
