#include "data/app_folder.h"

#include <QCoreApplication>
#include <QDir>

namespace data {

namespace {
QString& overriddenFolder()
{
    static QString folder;
    return folder;
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

QString dataPath(const QString& relativePath)
{
    QString relative = relativePath;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!relative.startsWith(QLatin1Char('/')))
        relative.prepend(QLatin1Char('/'));
    return QDir::toNativeSeparators(applicationFolder() + relative);
}

} // namespace data
